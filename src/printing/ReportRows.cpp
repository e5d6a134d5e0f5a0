#include "printing/ReportRows.h"

#include <QListWidget>

namespace printing {
namespace {

CalculatorReport::Lines ConductorLayout() {
    CalculatorReport::Lines layout;
    layout.pictureHeading = QStringLiteral("Formule:");
    layout.pictureBesideHeading = true;
    layout.valueLeft = 344;
    return layout;
}

CalculatorReport::Lines LinesOf(const ReportRow& row) {
    CalculatorReport::Lines lines = row.layout;
    lines.inputs.clear();
    lines.results.clear();
    for (const ValueLine& l : row.inputs)
        lines.inputs.push_back(l.name);
    for (const ValueLine& l : row.results)
        lines.results.push_back(l.name);
    lines.memo = row.memo != nullptr;
    return lines;
}

QString ValueOf(QWidget* form, const ValueLine& line) {
    QString text = line.unit ? ValueWithUnit(form, line.value, line.unit) : TextOf(form, line.value);
    if (!text.isEmpty() && !line.fixedUnit.isEmpty()) text += QLatin1Char(' ') + line.fixedUnit;
    return text;
}

} // namespace

const std::vector<ReportRow>& ReportRows() {
    static const std::vector<ReportRow> rows = {
        {"TQRReacCap",
         "TFormReacCap",
         QStringLiteral("Réactance capacitive"),
         {{{"Panel2", true}}, {{"Image1"}}},
         {{QStringLiteral("f ="), "Edit1", "ComboBox1"}, {QStringLiteral("C ="), "Edit2", "ComboBox2"}},
         {{QStringLiteral("Xc ="), "Label6", "ComboBox3"}}},
        {"TQRResCond",
         "TFormResConduc",
         QStringLiteral("Résistance du conducteur"),
         {{{"Image1"}}},
         {{QStringLiteral("L = Longueur du conducteur (Mètres) :"), "Edit1"},
          {QStringLiteral("p = Type de conducteur (résistivité) :"), "ComboBox1"},
          {QStringLiteral("A = Numéro de jauge (AWG) :"), "ComboBox2"}},
         {{QStringLiteral("R = Résistance du conducteur (Ohms) :"), "Label6"}},
         nullptr,
         ConductorLayout()},
        {"TQRIndNoyauAir",
         "TBobineDair",
         QStringLiteral("Inductance d'une bobine à noyau d'air"),
         {{{"Panel1", true}}, {{"Image2"}}},
         {{QStringLiteral("N ="), "EditN"},
          {QStringLiteral("a ="), "EditA", "ComboBox1"},
          {QStringLiteral("b ="), "Editb", "ComboBox2"}},
         {{QStringLiteral("L ="), "Label8", "ComboBox3"}}},
        // The reactance boxes are in ohms, as their captions say.
        {"TQRImpSerieRLC",
         "TFormSerieRLC",
         QStringLiteral("Impédance en circuit série RLC"),
         {{{"Panel2", true}}, {{"Image2"}, {"Image9"}}},
         {{QStringLiteral("R ="), "Edit1", "ComboBox1"},
          {QStringLiteral("Xl ="), "Edit2", nullptr, QStringLiteral("Ohms")},
          {QStringLiteral("Xc ="), "Edit3", nullptr, QStringLiteral("Ohms")}},
         {{QStringLiteral("Z ="), "Label10", "Label11"}, {QStringLiteral("Degrés ="), "Label12"}}},
    };
    return rows;
}

const ReportRow* FindReportRow(const QString& reportClass) {
    for (const ReportRow& row : ReportRows())
        if (reportClass == QLatin1String(row.report)) return &row;
    return nullptr;
}

RowReport::RowReport(const ReportRow& row) : CalculatorReport(row.title, LinesOf(row)), row_(row) {}

void RowReport::QuickRep1StartPage() {
    QWidget* form = Form();
    if (!form) return;
    std::vector<QImage> columns;
    for (const std::vector<PictureItem>& column : row_.pictures) {
        std::vector<QImage> pictures;
        for (const PictureItem& item : column)
            pictures.push_back(item.grab ? GrabOf(form, item.component) : PictureOf(form, item.component));
        columns.push_back(pictures.size() == 1 ? pictures.front() : Stacked(pictures));
    }
    SetPicture(columns.size() == 1 ? columns.front() : SideBySide(columns));
    if (row_.memo) {
        QStringList lines;
        if (auto* list = form->findChild<QListWidget*>(QLatin1String(row_.memo)))
            for (int i = 0; i < list->count(); ++i)
                lines << list->item(i)->text();
        SetMemo(lines);
    }
    for (std::size_t i = 0; i < row_.inputs.size(); ++i)
        SetInput(int(i), ValueOf(form, row_.inputs[i]));
    for (std::size_t i = 0; i < row_.results.size(); ++i)
        SetResult(int(i), ValueOf(form, row_.results[i]));
}

} // namespace printing

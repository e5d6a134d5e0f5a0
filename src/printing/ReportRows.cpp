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
        {"TQRBobineCyl",
         "TInducPropre",
         QStringLiteral("Inductance d'une bobine cylindrique à noyau d'air"),
         {{{"Panel2", true}}, {{"Image2"}}},
         {{QStringLiteral("N ="), "EditN"},
          {QStringLiteral("d ="), "EditD", "ComboBox1"},
          {QStringLiteral("l ="), "EditI", "ComboBox2"}},
         {{QStringLiteral("L ="), "Label10", "ComboBox3"}}},
        // The cable's units are fixed labels beside its boxes.
        {"TQRIndCoax",
         "TIndCoaxial",
         QStringLiteral("Inductance d'un câble coxial"),
         {{{"Panel1", true}}, {{"Image2"}}},
         {{QStringLiteral("l ="), "Editl", "Label13"},
          {QStringLiteral("D ="), "EditD", "Label10"},
          {QStringLiteral("d ="), "EditDm", "Label11"}},
         {{QStringLiteral("L ="), "Label5", "ComboBox3"}}},
        {"TQRReacInd",
         "TFormReacInd",
         QStringLiteral("Réactance inductive"),
         {{{"Panel1", true}}, {{"Image2"}}},
         {{QStringLiteral("f ="), "Edit1", "ComboBox1"}, {QStringLiteral("L ="), "Edit2", "ComboBox2"}},
         {{QStringLiteral("Xl ="), "Label8", "ComboBox3"}}},
        // The reactance boxes are in ohms, as their captions say.
        {"TQRImpSerieRLC",
         "TFormSerieRLC",
         QStringLiteral("Impédance en circuit série RLC"),
         {{{"Panel2", true}}, {{"Image2"}, {"Image9"}}},
         {{QStringLiteral("R ="), "Edit1", "ComboBox1"},
          {QStringLiteral("Xl ="), "Edit2", nullptr, QStringLiteral("Ohms")},
          {QStringLiteral("Xc ="), "Edit3", nullptr, QStringLiteral("Ohms")}},
         {{QStringLiteral("Z ="), "Label10", "Label11"}, {QStringLiteral("Degrés ="), "Label12"}}},
        // Series RL/RC, series LC and the three parallel tabs: reactances are typed in ohms.
        {"TQRImpedance",
         "TFormImpedance",
         QStringLiteral("Impédance en circuit série RL et RC"),
         {{{"Image1"}}, {{"Image2"}, {"Image7"}}},
         {{QStringLiteral("R ="), "Edit1", nullptr, QStringLiteral("Ohms")},
          {QStringLiteral("X ="), "Edit2", nullptr, QStringLiteral("Ohms")}},
         {{QStringLiteral("Z ="), "Label7", "Label10"}, {QStringLiteral("Degrés ="), "Label8"}}},
        {"TQRImpSerieLC",
         "TFormCircuitLCSerie",
         QStringLiteral("Impédance en circuit série LC"),
         {{{"Panel3", true}}, {{"Image2"}}},
         {{QStringLiteral("Xl ="), "Edit1", nullptr, QStringLiteral("Ohms")},
          {QStringLiteral("Xc ="), "Edit2", nullptr, QStringLiteral("Ohms")}},
         {{QStringLiteral("Z ="), "Label9", "Label10"}, {QStringLiteral("Degrés ="), "Label11"}}},
        {"TQRImpParaRL",
         "TFormParaRLRCLC",
         QStringLiteral("Impédance en circuit parallèle RL"),
         {{{"Panel1", true}}, {{"Image2"}, {"Image6"}}},
         {{QStringLiteral("R ="), "Edit1", "ComboBox1"},
          {QStringLiteral("Xl ="), "Edit2", nullptr, QStringLiteral("Ohms")}},
         {{QStringLiteral("Z ="), "Label6", "Label9"}, {QStringLiteral("Degrés ="), "Label10"}}},
        {"TQRImpParaRC",
         "TFormParaRLRCLC",
         QStringLiteral("Impédance en circuit parallèle RC"),
         {{{"Panel4", true}}, {{"Image10"}, {"Image16"}}},
         {{QStringLiteral("R ="), "Edit3", "ComboBox2"},
          {QStringLiteral("Xc ="), "Edit4", nullptr, QStringLiteral("Ohms")}},
         {{QStringLiteral("Z ="), "Label15", "Label16"}, {QStringLiteral("Degrés ="), "Label17"}}},
        {"TQRImpParaLC",
         "TFormParaRLRCLC",
         QStringLiteral("Impédance en circuit parallèle LC"),
         {{{"Panel9", true}}, {{"Image18"}}},
         {{QStringLiteral("Xl ="), "Edit5", nullptr, QStringLiteral("Ohms")},
          {QStringLiteral("Xc ="), "Edit6", nullptr, QStringLiteral("Ohms")}},
         {{QStringLiteral("Z ="), "Label28", "Label29"}}},
        // Series and parallel lists: the memo is the tab's list as the window shows it.
        {"TQRResSerie",
         "TFormResistor",
         QStringLiteral("Résistance en série"),
         {{{"Image1"}}, {{"Image3"}}},
         {},
         {{QStringLiteral("Rt ="), "Label5"}},
         "ListBox1"},
        {"TQRResPara",
         "TFormResistor",
         QStringLiteral("Résistance en parallèle"),
         {{{"Image2"}}, {{"Image4"}, {"Image5"}}},
         {},
         {{QStringLiteral("Rt ="), "Label3"}, {QStringLiteral("G ="), "Label4"}},
         "ListBox2"},
        {"TQRCondSerie",
         "TCondensateur",
         QStringLiteral("Condensateur en série"),
         {{{"Image1"}}, {{"Image3"}}},
         {},
         {{QStringLiteral("Ct ="), "Label7"}},
         "ListBox2"},
        {"TQRCondPara",
         "TCondensateur",
         QStringLiteral("Condensateur en parallèle"),
         {{{"Image2"}}, {{"Image4"}}},
         {},
         {{QStringLiteral("Ct ="), "Label2"}},
         "ListBox1"},
        {"TQRIndSerie",
         "TIndSerPara",
         QStringLiteral("Inductance en série"),
         {{{"Image1"}}, {{"Image3"}}},
         {},
         {{QStringLiteral("Lt ="), "Label1"}},
         "ListBox1"},
        {"TQRIndPara",
         "TIndSerPara",
         QStringLiteral("Inductance en parallèle"),
         {{{"Image2"}}, {{"Image4"}}},
         {},
         {{QStringLiteral("Lt ="), "Label2"}},
         "ListBox2"},
        // Resonance, the LC product and the time constants. The product is in microhenry x
        // microfarad, which its window leaves unwritten.
        {"TQRResonance",
         "TFormResonance",
         QStringLiteral("Résonance"),
         {{{"Panel2", true}}, {{"Image1"}}},
         {{QStringLiteral("L ="), "Edit1", "ComboBox1"}, {QStringLiteral("C ="), "Edit2", "ComboBox2"}},
         {{QStringLiteral("Fo="), "Label4", "ComboBox3"}}},
        {"TQRProduitLC",
         "TFormIndCapProReso",
         QStringLiteral("Produit L X C"),
         {{{"Image2"}}},
         {{QStringLiteral("f ="), "Edit1", "ComboBox1"}},
         {{QStringLiteral("L X C ="), "Label3", nullptr, QStringLiteral("uH x uF")}}},
        {"TQRConstanteRL",
         "TFormConstants",
         QStringLiteral("Constante de temp RL"),
         {{{"Panel2", true}}, {{"Image1"}}},
         {{QStringLiteral("L ="), "Edit1", "ComboBox1"}, {QStringLiteral("R ="), "Edit2", "ComboBox2"}},
         {{QStringLiteral("t ="), "Label6", "ComboBox3"}}},
        {"TQRConstanteRC",
         "TFormConstants",
         QStringLiteral("Constante de temp RC"),
         {{{"Panel5", true}}, {{"Image7"}}},
         {{QStringLiteral("C ="), "Edit3", "ComboBox4"}, {QStringLiteral("R ="), "Edit4", "ComboBox5"}},
         {{QStringLiteral("t ="), "Label16", "ComboBox6"}}},
        // The wave window's three calculator tabs print their formula.
        {"TQRFrequence",
         "TFormOnde",
         QStringLiteral("Fréquence"),
         {{{"Image3"}}},
         {{QStringLiteral("T ="), "Edit1", "ComboBox5"}},
         {{QStringLiteral("f ="), "Label6", "ComboBox1"}}},
        {"TQRPeriode",
         "TFormOnde",
         QStringLiteral("Période"),
         {{{"Image1"}}},
         {{QStringLiteral("f ="), "Edit2", "ComboBox2"}},
         {{QStringLiteral("T ="), "Label10", "ComboBox3"}}},
        {"TQRLongueurOnde",
         "TFormOnde",
         QStringLiteral("Longueur d'onde"),
         {{{"Image10"}}},
         {{QStringLiteral("f ="), "Edit3", "ComboBox4"}},
         {{QStringLiteral("L'ongueur d'onde ="), "Label15", "ComboBox6"}}},
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

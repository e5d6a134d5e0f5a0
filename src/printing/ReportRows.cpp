#include "printing/ReportRows.h"

#include "printing/ReportTexts.h"
#include "ui/Accessible.h"

#include <QListWidget>

namespace printing {
namespace {

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

std::deque<ReportRow>& Rows() {
    static std::deque<ReportRow> rows;
    return rows;
}

// A value's legend and unit as its report line writes them, for the screen reader and the clipboard.
std::optional<ui::Legend> LegendOf(const QString& window, const QString& component) {
    for (const ReportRow& row : Rows()) {
        if (window != QLatin1String(row.window)) continue;
        for (const auto* lines : {&row.inputs, &row.results})
            for (const ValueLine& l : *lines)
                if (component == QLatin1String(l.value))
                    return ui::Legend{ReportText(l.name), l.unit ? QString::fromLatin1(l.unit) : QString(),
                                      l.fixedUnit};
    }
    return std::nullopt;
}

} // namespace

const std::deque<ReportRow>& ReportRows() {
    return Rows();
}

bool RegisterReportRow(ReportRow row) {
    static const bool legends = (ui::SetLegendSource(LegendOf), true);
    (void)legends;
    Rows().push_back(std::move(row));
    return true;
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

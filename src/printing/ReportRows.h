#pragma once
// The standard calculator report as data: one row per report names its window's components;
// the layout is CalculatorReport's. Each row is registered in the unit of the window it prints
// (OHMBRIX_REGISTER_REPORT_ROW); reports with a layout of their own are classes.
#include "printing/Layouts.h"

#include <deque>
#include <vector>

namespace printing {

// "name value unit": the value component (box or label), its unit list or unit label, and a
// unit written after the value where the window has none beside it.
struct ValueLine {
    QString name;
    const char* value;
    const char* unit = nullptr;
    QString fixedUnit = {};
};

// A picture component, either as it looks on screen (a panel with its picture and echoes) or
// the picture it stores.
struct PictureItem {
    const char* component;
    bool grab = false;
};

struct ReportRow {
    const char* report; // the report class a print request names
    const char* window; // the class of the window whose components the row names
    QString title;
    // Columns side by side; the pictures of a column one above the other.
    std::vector<std::vector<PictureItem>> pictures;
    std::vector<ValueLine> inputs;
    std::vector<ValueLine> results;
    const char* memo = nullptr; // a list box whose lines are the inputs
    CalculatorReport::Lines layout = {};
};

// Every registered row; a row keeps its place, so a report may hold on to it.
const std::deque<ReportRow>& ReportRows();
const ReportRow* FindReportRow(const QString& reportClass);
bool RegisterReportRow(ReportRow row);

// The report a row describes.
class RowReport : public CalculatorReport {
    Q_OBJECT
  public:
    explicit RowReport(const ReportRow& row);
    void QuickRep1StartPage() override;

  private:
    const ReportRow& row_;
};

} // namespace printing

// In the unit of the window `W` a standard report `R` prints, at namespace scope: the title,
// then the pictures, input lines, result lines, memo and layout as in ReportRow.
#define OHMBRIX_REGISTER_REPORT_ROW(R, W, ...)                                                               \
    namespace {                                                                                              \
    [[maybe_unused]] const bool kRegistered##R = ::printing::RegisterReportRow({#R, #W, __VA_ARGS__});       \
    }

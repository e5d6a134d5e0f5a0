#pragma once
// The standard calculator report as data: one row per report names its window's components;
// the layout is CalculatorReport's. Reports with a layout of their own are classes.
#include "printing/Layouts.h"

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
    const char* report; // "TQRReacCap"
    const char* window; // "TFormReacCap": the class whose components the row names
    QString title;
    // Columns side by side; the pictures of a column one above the other.
    std::vector<std::vector<PictureItem>> pictures;
    std::vector<ValueLine> inputs;
    std::vector<ValueLine> results;
    const char* memo = nullptr; // a list box whose lines are the inputs
    CalculatorReport::Lines layout = {};
};

const std::vector<ReportRow>& ReportRows();
const ReportRow* FindReportRow(const QString& reportClass);

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

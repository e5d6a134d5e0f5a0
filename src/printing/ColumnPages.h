#pragma once
// A table report that prints its window's grid a few columns at a time: every row, and the
// share of the value columns that falls to the page the print-choice dialog chose.
#include "printing/Layouts.h"

#include <utility>

namespace printing {

class ColumnPagesReport : public TableReport {
    Q_OBJECT
  public:
    static constexpr int kPages = 3;
    // The grid columns of a page (heading column excluded) for a grid of `columns` columns,
    // the first pages taking the odd ones.
    static std::pair<int, int> PageColumns(int page, int columns);

    void QuickRep1StartPage() override;

  protected:
    // `grid`: the window's grid component.
    ColumnPagesReport(const QString& title, const char* grid) : TableReport(title, true), grid_(grid) {}
    // The line above the table, from the headings of the page's first and last columns.
    virtual QString Caption(const QString& first, const QString& last) const = 0;

  private:
    const char* grid_;
};

} // namespace printing

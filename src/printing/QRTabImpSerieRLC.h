#pragma once
// The series impedance table's report: one of three pages of the grid's columns (R), every row
// (X), as the print-choice dialog chose it.
#include "printing/Layouts.h"

class TQRTabImpSerieRLC : public printing::TableReport {
    Q_OBJECT
  public:
    TQRTabImpSerieRLC();
    void QuickRep1StartPage() override;

    static constexpr int kPages = 3;
    // The grid columns of a page (heading column excluded) for a grid of `columns` columns.
    static std::pair<int, int> PageColumns(int page, int columns);
};

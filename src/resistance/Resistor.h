#pragma once
// Resistors in series and in parallel: values entered one at a time with Return build each
// tab's list and total Rt (and the conductance G in parallel); a third tab shows formulas.
#include "ui/EntryTab.h"

class TFormResistor : public ui::EntryTabsWindow {
    Q_OBJECT
  public:
    explicit TFormResistor(QWidget* parent = nullptr);

    void FormCreate() override;
    void FormActivate() override;
    void Edit1KeyDown();     // Return in the series box
    void EditSerieKeyDown(); // Return in the parallel box
    void AddSeriesValue();
    void AddParallelValue();
    void RefreshParallelDisplay() override;
    void BitBtn1Click(); // Reset, parallel
    void BitBtn3Click(); // Print, series
    void BitBtn4Click(); // Print, parallel

    double ParallelInverseSum = 0;
    double Conductance = 0; // siemens when the values are in ohms
};

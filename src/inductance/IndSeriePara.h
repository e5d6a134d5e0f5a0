#pragma once
// Inductors in series and in parallel: values entered one at a time with Return build each
// tab's list and total Lt, in whatever unit they are typed in.
#include "ui/EntryTab.h"

class TIndSerPara : public ui::EntryTabsWindow {
    Q_OBJECT
  public:
    explicit TIndSerPara(QWidget* parent = nullptr);

    void FormCreate() override;
    void FormActivate() override;
    void Edit1KeyDown(); // Return in the series box
    void Edit2KeyDown(); // Return in the parallel box
    void AddSeriesValue();
    void AddParallelValue();
    void BitBtn3Click(); // Reset, parallel
    void BitBtn1Click(); // Print, series
    void BitBtn4Click(); // Print, parallel

    double ParallelInverseSum = 0;
};

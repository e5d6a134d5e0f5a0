#pragma once
// Capacitors in series and in parallel: values entered one at a time with Return build each
// tab's list and total, in whatever unit they are typed in; two reference tabs.
#include "ui/EntryTab.h"

class TCondensateur : public ui::EntryTabsWindow {
    Q_OBJECT
  public:
    explicit TCondensateur(QWidget* parent = nullptr);

    void FormCreate() override;
    void FormActivate() override;
    void Edit1KeyDown(); // Return in the series box
    void Edit2KeyDown(); // Return in the parallel box
    void BitBtn4Click(); // Reset, parallel
    void BitBtn3Click(); // Print, series
    void BitBtn5Click(); // Print, parallel

    double SeriesInverseSum = 0;
};

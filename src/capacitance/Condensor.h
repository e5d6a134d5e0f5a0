#pragma once
// Capacitors in series and in parallel: values entered one at a time with Return build each
// tab's list and total, in whatever unit they are typed in; two reference tabs.
#include "ui/EntryTab.h"
#include "ui/Window.h"

class QTabWidget;

class TCondensateur : public ui::Window {
    Q_OBJECT
  public:
    explicit TCondensateur(QWidget* parent = nullptr);

    void FormCreate() override;
    void FormActivate() override;
    void Edit1KeyDown(); // Return in the series box
    void Edit2KeyDown(); // Return in the parallel box
    void RefreshSeriesDisplay();
    void RefreshParallelDisplay();
    void CheckBox1Click();
    void CheckBox2Click();
    void BitBtn2Click(); // Reset, series
    void BitBtn4Click(); // Reset, parallel
    void BitBtn3Click(); // Print, series
    void BitBtn5Click(); // Print, parallel

    int SeriesCount = 0;
    int ParallelCount = 0;
    double SeriesLast = 0;
    double SeriesInverseSum = 0;
    double SeriesTotal = 0;
    double ParallelLast = 0;
    double ParallelTotal = 0;

  private:
    QTabWidget* MakePages();

    QTabWidget* pages_;
    ui::EntryTab series_;
    ui::EntryTab parallel_;
};

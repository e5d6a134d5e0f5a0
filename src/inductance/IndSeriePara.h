#pragma once
// Inductors in series and in parallel: values entered one at a time with Return build each
// tab's list and total Lt, in whatever unit they are typed in.
#include "ui/EntryTab.h"
#include "ui/Window.h"

class QTabWidget;

class TIndSerPara : public ui::Window {
    Q_OBJECT
  public:
    explicit TIndSerPara(QWidget* parent = nullptr);

    void FormCreate() override;
    void FormActivate() override;
    void Edit1KeyDown(); // Return in the series box
    void Edit2KeyDown(); // Return in the parallel box
    void AddSeriesValue();
    void AddParallelValue();
    void RefreshSeriesDisplay();
    void RefreshParallelDisplay();
    void CheckBox1Click();
    void CheckBox2Click();
    void BitBtn2Click(); // Reset, series
    void BitBtn3Click(); // Reset, parallel
    void BitBtn1Click(); // Print, series
    void BitBtn4Click(); // Print, parallel

    int SeriesCount = 0;
    int ParallelCount = 0;
    double ParallelLast = 0;
    double ParallelInverseSum = 0;
    double ParallelTotal = 0;
    double SeriesLast = 0;
    double SeriesTotal = 0;

  private:
    QTabWidget* MakePages();

    QTabWidget* pages_;
    ui::EntryTab series_;
    ui::EntryTab parallel_;
};

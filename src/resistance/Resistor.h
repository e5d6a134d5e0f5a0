#pragma once
// Resistors in series and in parallel: values entered one at a time with Return build each
// tab's list and total Rt (and the conductance G in parallel); a third tab shows formulas.
#include "ui/EntryTab.h"
#include "ui/Window.h"

class QTabWidget;

class TFormResistor : public ui::Window {
    Q_OBJECT
  public:
    explicit TFormResistor(QWidget* parent = nullptr);

    void FormCreate() override;
    void FormActivate() override;
    void Edit1KeyDown();     // Return in the series box
    void EditSerieKeyDown(); // Return in the parallel box
    void AddSeriesValue();
    void AddParallelValue();
    void RefreshSeriesDisplay();
    void RefreshParallelDisplay();
    void CheckBox1Click();
    void CheckBox2Click();
    void BitBtn2Click(); // Reset, series
    void BitBtn1Click(); // Reset, parallel
    void BitBtn3Click(); // Print, series
    void BitBtn4Click(); // Print, parallel

    int SeriesCount = 0;
    int ParallelCount = 0;
    double SeriesLast = 0;
    double SeriesTotal = 0;
    double ParallelLast = 0;
    double ParallelInverseSum = 0;
    double ParallelTotal = 0;
    double Conductance = 0; // siemens when the values are in ohms

  private:
    QTabWidget* MakePages();
    void MakeFormulasTab();

    QTabWidget* pages_;
    ui::EntryTab series_;
    ui::EntryTab parallel_;
};

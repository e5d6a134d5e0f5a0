#pragma once
// Inductors in series and in parallel: values entered one at a time with Return build each
// tab's list and total Lt, in whatever unit they are typed in.
#include "ui/CalculatorPage.h"
#include "ui/EntryList.h"
#include "ui/Window.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextEdit;

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
    struct EntryTab {
        QWidget* page;
        QLineEdit* box;
        QListWidget* list;
        QLabel* total;
        QCheckBox* twoDigits;
        QTextEdit* note;
    };
    struct TabLayout;
    QTabWidget* MakePages();
    EntryTab MakeEntryTab(const TabLayout& layout);

    QTabWidget* pages_;
    EntryTab seriesTab_;
    EntryTab parallelTab_;
    ui::CalculatorPage series_{seriesTab_.page};
    ui::CalculatorPage parallel_{parallelTab_.page};
    ui::EntryList seriesEntries_{this,
                                 seriesTab_.box,
                                 seriesTab_.list,
                                 QStringLiteral("L"),
                                 SeriesCount,
                                 ui::EntryList::OnEmpty::AskForValue};
    ui::EntryList parallelEntries_{this,
                                   parallelTab_.box,
                                   parallelTab_.list,
                                   QStringLiteral("L"),
                                   ParallelCount,
                                   ui::EntryList::OnEmpty::AskForValue};
};

#pragma once
// The table of inductive reactances: frequencies down, inductances across, in ohms, over two
// ranges. Each range is also one page of its report.
#include "printing/TablePages.h"
#include "ui/Window.h"

#include <vector>

class QLabel;
class QRadioButton;
class QTableWidget;

class TFormTableurInd : public ui::Window, public printing::TablePages {
    Q_OBJECT
  public:
    explicit TFormTableurInd(QWidget* parent = nullptr);

    void FormCreate() override;
    void FormActivate() override;
    void RadioButton1Click();
    void RadioButton2Click();
    void BitBtn1Click(); // Print: the page choice

    // The range shown: 0 radio frequencies (kHz, mH), 1 audio frequencies (Hz, H).
    void FillGrid(int range);
    int Range() const { return range_; }

    struct Axes {
        std::vector<long double> frequencies; // in the unit of the range
        long double toHertz;
        std::vector<long double> inductances; // in the unit of the range
        long double toHenries;
        const char* frequencyUnit;  // the side label
        const char* inductanceUnit; // the top label
    };
    static const Axes& RangeAxes(int range);

    int TablePageCount() const override { return 2; }
    std::vector<QStringList> TablePageCells(int page) const override;
    QString TablePageCaption(int page) const override;

  private:
    static void Fill(QTableWidget* grid, int range);

    QTableWidget* grid_;
    QRadioButton* range1_;
    QRadioButton* range2_;
    QLabel* inductanceAxis_;
    QLabel* frequencyAxis_;
    int range_ = 0;
};

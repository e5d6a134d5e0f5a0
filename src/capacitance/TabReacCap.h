#pragma once
// The table of capacitive reactances: frequencies down, capacitances across, in ohms.
#include "ui/Window.h"

#include <vector>

class QRadioButton;
class QTableWidget;

class TFormTabReacCap : public ui::Window {
    Q_OBJECT
  public:
    explicit TFormTabReacCap(QWidget* parent = nullptr);

    void FormCreate() override;
    void FormActivate() override;
    void RadioButton1Click();
    void RadioButton2Click();
    void BitBtn1Click(); // Print

    // The range shown: 0 audio (Hz, uF), 1 radio (kHz, uF).
    void FillGrid(int range);
    int Range() const { return range_; }

    struct Axis {
        std::vector<long double> frequencies;  // in the unit of the range
        long double frequencyFactor;           // to hertz
        std::vector<long double> capacitances; // uF
    };
    static const Axis& RangeAxis(int range);

  private:
    QTableWidget* grid_;
    QRadioButton* audio_;
    QRadioButton* radio_;
    int range_ = 0;
};

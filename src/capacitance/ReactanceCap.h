#pragma once
// Capacitive reactance: Xc = 1 / (f x C x 6.28) from a frequency and a capacitance with their units.
#include "ui/TwoValueWindow.h"

// Edit1 the frequency, Edit2 the capacitance, the result the reactance.
class TFormReacCap : public ui::TwoValueWindow {
    Q_OBJECT
  public:
    explicit TFormReacCap(QWidget* parent = nullptr);

    void FormCreate() override;
    void FormActivate() override;
    void Calculate() override;
    void BitBtn2Click(); // Reset
    void BitBtn1Click(); // Print
    void Image6Click();

    double Frequency = 0;   // hertz
    double Capacitance = 0; // farad
    double Reactance = 0;   // in the unit of the result list

  private:
    static constexpr ui::Display kReactanceDisplay = ui::kNumber10_4;
};

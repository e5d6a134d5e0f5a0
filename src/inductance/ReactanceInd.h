#pragma once
// Inductive reactance: XL = 2 pi f L from a frequency and an inductance with their units.
#include "ui/TwoValueWindow.h"

// Edit1 the frequency, Edit2 the inductance, the result the reactance.
class TFormReacInd : public ui::TwoValueWindow {
    Q_OBJECT
  public:
    explicit TFormReacInd(QWidget* parent = nullptr);

    void FormCreate() override;
    void FormActivate() override;
    void Calculate() override;
    void Button1Click();
    void BitBtn1Click(); // Reset
    void BitBtn2Click(); // Print
    void Image7Click();

    double Frequency = 0;  // hertz
    double Inductance = 0; // henries
    double Reactance = 0;  // in the unit of the result list
};

#pragma once
// Resonance: f0 = 1 / (2 pi sqrt(L C)) from an inductance and a capacitance with their units.
#include "ui/TwoValueWindow.h"

// Edit1 the inductance, Edit2 the capacitance, the result the frequency.
class TFormResonance : public ui::TwoValueWindow {
    Q_OBJECT
  public:
    explicit TFormResonance(QWidget* parent = nullptr);

    void FormCreate() override;
    void FormActivate() override;
    void Calculate() override;
    void Button1Click();
    void BitBtn1Click(); // Reset
    void BitBtn2Click(); // Print
    void Image7Click();

    double Inductance = 0;  // henry
    double Capacitance = 0; // farad
    double Frequency = 0;   // in the unit of the frequency list
};

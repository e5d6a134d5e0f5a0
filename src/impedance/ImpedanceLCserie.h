#pragma once
// Series LC impedance: Z = |XL - XC|, with +90 or -90 degrees for the reactance that dominates.
#include "ui/CalculatorPage.h"
#include "ui/Window.h"

class QLabel;
class QLineEdit;

class TFormCircuitLCSerie : public ui::Window {
    Q_OBJECT
  public:
    explicit TFormCircuitLCSerie(QWidget* parent = nullptr);

    void FormActivate() override;
    void Calculate();
    void Button1Click();
    void BitBtn1Click(); // Reset
    void BitBtn2Click(); // Print

    double InductiveReactance = 0;  // ohms
    double CapacitiveReactance = 0; // ohms
    double Impedance = 0;           // ohms
    double PhaseAngle = 0;          // degrees

  private:
    ui::CalculatorPage page_{this};
    QLineEdit* edit1_;
    QLineEdit* edit2_;
    QLabel* impedance_;
    QLabel* phase_;
};

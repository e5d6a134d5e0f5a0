#pragma once
// Series RL and RC impedance: Z = sqrt(R^2 + X^2) and its phase angle, from R and one reactance.
#include "ui/CalculatorPage.h"
#include "ui/Window.h"

class QLabel;
class QLineEdit;

class TFormImpedance : public ui::Window {
    Q_OBJECT
  public:
    explicit TFormImpedance(QWidget* parent = nullptr);

    void FormActivate() override;
    void Calculate();
    void Button1Click();
    void BitBtn1Click(); // Reset
    void BitBtn2Click(); // Print

    double Resistance = 0; // ohms
    double Reactance = 0;  // ohms, as typed: the box takes no sign
    double Impedance = 0;  // ohms
    double PhaseAngle = 0; // degrees

  private:
    ui::CalculatorPage page_{this};
    QLabel* vectors_;
    QLineEdit* edit1_;
    QLineEdit* edit2_;
    QLabel* impedance_;
    QLabel* phase_;
};

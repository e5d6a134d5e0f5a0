#pragma once
// Series RLC impedance: Z = sqrt(R^2 + (XL - XC)^2) and its phase angle, from R and the two reactances.
#include "ui/CalculatorPage.h"
#include "ui/Window.h"

class QLabel;
class QLineEdit;
namespace ui {
class UnitList;
}

class TFormSerieRLC : public ui::Window {
    Q_OBJECT
  public:
    explicit TFormSerieRLC(QWidget* parent = nullptr);

    void FormCreate() override;
    void FormActivate() override;
    void Calculate();
    void Button1Click();
    void ComboBox1Change();
    void BitBtn1Click(); // Reset
    void BitBtn2Click(); // Print

    double PhaseAngle = 0;          // degrees
    double Resistance = 0;          // ohms
    double InductiveReactance = 0;  // ohms
    double CapacitiveReactance = 0; // ohms
    double Impedance = 0;           // ohms

  private:
    ui::CalculatorPage page_{this};
    QLineEdit* edit1_;
    QLineEdit* edit2_;
    QLineEdit* edit3_;
    ui::UnitList* resistanceUnit_;
    QLabel* impedance_;
    QLabel* phase_;
};

#pragma once
// Toroidal air-core coil: L = 0.314 x N^2 x (sqrt a - sqrt b)^2 microhenries, diameters in metres.
#include "ui/CalculatorPage.h"
#include "ui/Window.h"

class QCheckBox;
class QLabel;
class QLineEdit;
namespace ui {
class UnitList;
}

class TBobineDair : public ui::Window {
    Q_OBJECT
  public:
    explicit TBobineDair(QWidget* parent = nullptr);

    void FormCreate() override;
    void FormActivate() override;
    void Calculate();
    void RefreshDisplay();
    void Button1Click();
    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox3Change();
    void CheckBox1Click();
    void BitBtn1Click(); // Reset
    void BitBtn2Click(); // Print

    double Inductance = 0;    // in the unit of ComboBox3
    double OuterDiameter = 0; // metres
    double InnerDiameter = 0; // metres
    double Turns = 0;

  private:
    ui::CalculatorPage page_{this};

    QLineEdit* editN_;
    QLineEdit* editA_;
    QLineEdit* editB_;
    ui::UnitList* outerUnit_;
    ui::UnitList* innerUnit_;
    ui::UnitList* inductanceUnit_;
    QLabel* result_;
    QCheckBox* twoDigits_;
};

#pragma once
// Toroidal air-core coil: L = 0.314 x N^2 x (sqrt a - sqrt b)^2 microhenries, diameters in metres.
#include "inductance/AirCoil.h"

class QLineEdit;

class TBobineDair : public AirCoilWindow {
    Q_OBJECT
  public:
    explicit TBobineDair(QWidget* parent = nullptr);

    void FormCreate() override;
    void FormActivate() override;
    void Calculate() override;
    void Button1Click();
    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox3Change();
    void CheckBox1Click();
    void BitBtn1Click(); // Reset
    void BitBtn2Click(); // Print

    double OuterDiameter = 0; // metres
    double InnerDiameter = 0; // metres
    double Turns = 0;

  private:
    QLineEdit* editN_;
    QLineEdit* editA_;
    QLineEdit* editB_;
    ui::UnitList* outerUnit_;
    ui::UnitList* innerUnit_;
    ui::UnitList* inductanceUnit_;
};

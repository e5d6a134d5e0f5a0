#pragma once
// Cylindrical air-core coil: L = 2.2 d^2 N^2 / (d + 2.2 l) microhenries, d and l in metres.
#include "inductance/AirCoil.h"

class QLineEdit;

class TInducPropre : public AirCoilWindow {
    Q_OBJECT
  public:
    explicit TInducPropre(QWidget* parent = nullptr);

    void FormCreate() override;
    void FormActivate() override;
    void Calculate() override;
    void ButtonCalculClick();
    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox3Change();
    void CheckBox1Click();
    void BitBtn3Click(); // Reset
    void BitBtn1Click(); // the toroidal coil
    void BitBtn2Click(); // the coaxial cable
    void BitBtn4Click(); // Print

    double Diameter = 0; // metres
    double Length = 0;   // metres

  private:
    QLineEdit* editN_;
    QLineEdit* editD_;
    QLineEdit* editL_;
    ui::UnitList* diameterUnit_;
    ui::UnitList* lengthUnit_;
    ui::UnitList* inductanceUnit_;
};

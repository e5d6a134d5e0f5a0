#pragma once
// Coaxial cable: L = 0.46 l log10(1.28 D / d) microhenries, l in metres, D and d in millimetres.
#include "ui/CalculatorPage.h"
#include "ui/Window.h"

class QCheckBox;
class QLabel;
class QLineEdit;
namespace ui {
class UnitList;
}

class TIndCoaxial : public ui::Window {
    Q_OBJECT
  public:
    explicit TIndCoaxial(QWidget* parent = nullptr);

    void FormCreate() override;
    void FormActivate() override;
    void Calculate();
    void RefreshDisplay();
    void Button1Click();
    void ComboBox3Change();
    void CheckBox1Click();
    void BitBtn1Click(); // Reset
    void BitBtn2Click(); // Print

    double Length = 0;        // metres
    double OuterDiameter = 0; // D, millimetres as typed: only D / d counts
    double InnerDiameter = 0; // d, millimetres
    double Inductance = 0;    // in the unit of ComboBox3

  private:
    ui::CalculatorPage page_{this};

    QLineEdit* editLength_;
    QLineEdit* editOuter_;
    QLineEdit* editInner_;
    ui::UnitList* inductanceUnit_;
    QLabel* result_;
    QCheckBox* twoDigits_;
};

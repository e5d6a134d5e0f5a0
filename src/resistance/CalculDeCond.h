#pragma once
// Resistance of a wire: R = (L / A) x rho, from its length, its metal and its AWG gauge.
#include "ui/CalculatorPage.h"
#include "ui/Window.h"

class QCheckBox;
namespace ui {
class UnitList;
}
class QLabel;
class QLineEdit;

class TFormResConduc : public ui::Window {
    Q_OBJECT
  public:
    explicit TFormResConduc(QWidget* parent = nullptr);

    void FormCreate() override;
    void FormActivate() override;
    void Edit1Change();
    void ComboBox1Change();
    void ComboBox2Change();
    void BitBtnCalculClick();
    void CheckBox1Click();
    void BitBtn1Click(); // Print
    void Calculate();
    void RefreshDisplay();

    double Resistivity = 0; // ohm-metres
    double Length = 0;      // metres
    double Section = 0;     // square metres
    double Resistance = 0;  // ohms

  private:
    ui::CalculatorPage page_{this};
    // Reads the length, computes with the chosen metal and gauge, and echoes everything.
    bool ComputeAndShow();
    void ShowResistivity(int digits);
    void ShowSection(int precision);

    QLineEdit* edit1_;
    ui::UnitList* metal_;
    ui::UnitList* gauge_;
    QLabel* resistivity_;
    QLabel* section_;
    QLabel* lengthEcho_;
    QLabel* metalEcho_;
    QLabel* gaugeEcho_;
    QLabel* result_;
    QCheckBox* twoDigits_;
};

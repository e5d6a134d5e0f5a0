#pragma once
// Capacitive reactance: Xc = 1 / (f x C x 6.28) from a frequency and a capacitance with their units.
#include "ui/CalculatorPage.h"
#include "ui/Window.h"

class QLabel;
class QLineEdit;
class QCheckBox;
namespace ui {
class UnitList;
class PictureLabel;
} // namespace ui

class TFormReacCap : public ui::Window {
    Q_OBJECT
  public:
    explicit TFormReacCap(QWidget* parent = nullptr);

    void FormCreate() override;
    void FormActivate() override;
    void Calculate();
    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox3Change();
    void BitBtn2Click(); // Reset
    void BitBtn1Click(); // Print
    void Image6Click();

    double Frequency = 0;   // hertz
    double Capacitance = 0; // farad
    double Reactance = 0;   // in the unit of the result list

  private:
    static constexpr ui::Display kReactanceDisplay = ui::kNumber10_4;

    ui::CalculatorPage page_{this};

    QLineEdit* edit1_;
    QLineEdit* edit2_;
    ui::UnitList* frequencyUnit_;
    ui::UnitList* capacitanceUnit_;
    ui::UnitList* reactanceUnit_;
    QLabel* result_;
    QLabel* frequencyEcho_;
    QLabel* frequencyUnitEcho_;
    QLabel* capacitanceEcho_;
    QLabel* capacitanceUnitEcho_;
    ui::PictureLabel* tableur_;
};

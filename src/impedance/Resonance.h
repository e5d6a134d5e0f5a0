#pragma once
// Resonance: f0 = 1 / (2 pi sqrt(L C)) from an inductance and a capacitance with their units.
#include "ui/CalculatorPage.h"
#include "ui/Window.h"

class QLabel;
class QLineEdit;
namespace ui {
class UnitList;
class PictureLabel;
} // namespace ui

class TFormResonance : public ui::Window {
    Q_OBJECT
  public:
    explicit TFormResonance(QWidget* parent = nullptr);

    void FormCreate() override;
    void FormActivate() override;
    void Calculate();
    void Button1Click();
    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox3Change();
    void BitBtn1Click(); // Reset
    void BitBtn2Click(); // Print
    void Image7Click();

    double Inductance = 0;  // henry
    double Capacitance = 0; // farad
    double Frequency = 0;   // in the unit of the frequency list

  private:
    ui::CalculatorPage page_{this};

    QLineEdit* edit1_;
    QLineEdit* edit2_;
    ui::UnitList* inductanceUnit_;
    ui::UnitList* capacitanceUnit_;
    ui::UnitList* frequencyUnit_;
    QLabel* result_;
    QLabel* inductanceEcho_;
    QLabel* inductanceUnitEcho_;
    QLabel* capacitanceEcho_;
    QLabel* capacitanceUnitEcho_;
    ui::PictureLabel* tableur_;
};

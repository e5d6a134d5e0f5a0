#pragma once
// Inductive reactance: XL = 2 pi f L from a frequency and an inductance with their units.
#include "ui/CalculatorPage.h"
#include "ui/Window.h"

class QLabel;
class QLineEdit;
namespace ui {
class UnitList;
class PictureLabel;
} // namespace ui

class TFormReacInd : public ui::Window {
    Q_OBJECT
  public:
    explicit TFormReacInd(QWidget* parent = nullptr);

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

    double Frequency = 0;  // hertz
    double Inductance = 0; // henries
    double Reactance = 0;  // in the unit of the result list

  private:
    ui::CalculatorPage page_{this};

    QLineEdit* edit1_;
    QLineEdit* edit2_;
    ui::UnitList* frequencyUnit_;
    ui::UnitList* inductanceUnit_;
    ui::UnitList* reactanceUnit_;
    QLabel* result_;
    QLabel* frequencyEcho_;
    QLabel* frequencyUnitEcho_;
    QLabel* inductanceEcho_;
    QLabel* inductanceUnitEcho_;
    ui::PictureLabel* tableur_;
};

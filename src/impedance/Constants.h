#pragma once
// RL and RC time constants, t = L / R and t = R x C, one tab each.
#include "ui/CalculatorPage.h"
#include "ui/FormTable.h"
#include "ui/Window.h"

class QLabel;
class QLineEdit;
namespace ui {
class UnitList;
class PictureLabel;
} // namespace ui

class TFormConstants : public ui::Window {
    Q_OBJECT
  public:
    explicit TFormConstants(QWidget* parent = nullptr);

    void FormCreate() override;
    void FormActivate() override;
    void CalculateRL();
    void CalculateRC();
    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox3Change();
    void ComboBox4Change();
    void ComboBox5Change();
    void ComboBox6Change();
    void Button1Click();
    void Button2Click();
    void BitBtn1Click(); // RL Reset
    void BitBtn3Click(); // RC Reset
    void BitBtn2Click(); // RL Print
    void BitBtn4Click(); // RC Print
    void Image13Click();
    void Image14Click();

    double InductanceRL = 0;  // henry
    double ResistanceRL = 0;  // ohms
    double TimeRL = 0;        // in the unit of the RL time list
    double CapacitanceRC = 0; // farad
    double ResistanceRC = 0;  // ohms
    double TimeRC = 0;        // in the unit of the RC time list

  private:
    ui::FormParts Build();

    const ui::FormParts parts_;
    ui::CalculatorPage rl_;
    ui::CalculatorPage rc_;

    // RL
    QLineEdit* edit1_;        // the inductance
    QLineEdit* edit2_;        // the resistance
    ui::UnitList* comboBox1_; // their units
    ui::UnitList* comboBox2_;
    ui::UnitList* comboBox3_; // the time's
    QLabel* label6_;          // the time
    ui::PictureLabel* image13_;

    // RC
    QLineEdit* edit3_; // the capacitance
    QLineEdit* edit4_; // the resistance
    ui::UnitList* comboBox4_;
    ui::UnitList* comboBox5_;
    ui::UnitList* comboBox6_;
    QLabel* label16_;
    ui::PictureLabel* image14_;
};

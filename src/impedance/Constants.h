#pragma once
// RL and RC time constants, t = L / R and t = R x C, one tab each.
#include "ui/CalculatorPage.h"
#include "ui/Window.h"

class QLabel;
class QLineEdit;
class QTabWidget;
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
    // The tab pages exist before the calculator pages that hold them; the tab control adopts them.
    QWidget* rlTab_ = new QWidget;
    QWidget* rcTab_ = new QWidget;
    ui::CalculatorPage rl_{rlTab_};
    ui::CalculatorPage rc_{rcTab_};

    // A tab's components that its handlers use.
    struct TimeTab {
        QLineEdit* value; // the inductance or the capacitance
        QLineEdit* resistance;
        ui::UnitList* valueUnit;
        ui::UnitList* resistanceUnit;
        ui::UnitList* timeUnit;
        QLabel* result;
        ui::PictureLabel* tableur;
    };
    struct TabLayout;
    static const TabLayout kRL, kRC;
    TimeTab MakeTab(QWidget* page, const TabLayout& layout);

    QTabWidget* pages_;
    TimeTab rlParts_;
    TimeTab rcParts_;
};

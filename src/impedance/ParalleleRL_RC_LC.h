#pragma once
// Parallel RL, RC and LC impedance, one tab per circuit; the tabs share nothing but the window.
#include "ui/CalculatorPage.h"
#include "ui/FormTable.h"
#include "ui/Window.h"

class QLabel;
class QLineEdit;
namespace ui {
class UnitList;
}

class TFormParaRLRCLC : public ui::Window {
    Q_OBJECT
  public:
    explicit TFormParaRLRCLC(QWidget* parent = nullptr);

    void FormCreate() override;
    void FormActivate() override;
    void CalculateRL();
    void CalculateRC();
    void CalculateLC();
    void ComboBox1Change();
    void ComboBox2Change();
    void BitBtn2Click();  // "=" RL
    void BitBtn5Click();  // "=" RC
    void BitBtn7Click();  // "=" LC
    void BitBtn1Click();  // Reset RL
    void BitBtn4Click();  // Reset RC
    void BitBtn10Click(); // Reset LC
    void BitBtn3Click();  // Print RL
    void BitBtn6Click();  // Print RC
    void BitBtn8Click();  // Print LC

    double ResistanceRL = 0;         // ohms, after the unit
    double InductiveReactanceRL = 0; // ohms
    double ImpedanceRL = 0;          // ohms
    double PhaseAngleRL = 0;         // degrees

    double ResistanceRC = 0;
    double CapacitiveReactanceRC = 0;
    double ImpedanceRC = 0;
    double PhaseAngleRC = 0;

    double InductiveReactanceLC = 0;
    double CapacitiveReactanceLC = 0;
    double ImpedanceLC = 0;  // signed as the formula reads
    double PhaseAngleLC = 0; // not shown: the tab has no angle label

  private:
    ui::FormParts Build();

    const ui::FormParts parts_;
    ui::CalculatorPage rl_;
    ui::CalculatorPage rc_;
    ui::CalculatorPage lc_;

    QLineEdit* edit1_;
    QLineEdit* edit2_;
    ui::UnitList* rlUnit_;
    QLabel* rlImpedance_;
    QLabel* rlPhase_;

    QLineEdit* edit3_;
    QLineEdit* edit4_;
    ui::UnitList* rcUnit_;
    QLabel* rcImpedance_;
    QLabel* rcPhase_;

    QLineEdit* edit5_;
    QLineEdit* edit6_;
    QLabel* lcImpedance_;
};

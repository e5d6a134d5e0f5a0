#pragma once
// Waves: three calculators (frequency of a period, period of a frequency, wavelength of an
// electromagnetic wave) and three reference tabs (memory aid, diagram, frequency bands).
#include "ui/CalculatorPage.h"
#include "ui/FormTable.h"
#include "ui/Window.h"

class QLabel;
class QLineEdit;
class QTabWidget;
namespace ui {
class UnitList;
}

class TFormOnde : public ui::Window {
    Q_OBJECT
  public:
    explicit TFormOnde(QWidget* parent = nullptr);

    void FormCreate() override;
    void FormActivate() override;
    void CalculateFrequency();
    void CalculatePeriod();
    void CalculateWavelength();
    void Button1Click(); // "=" frequency
    void BitBtn2Click(); // "=" period
    void BitBtn7Click(); // "=" wavelength
    void ComboBox5Change();
    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox3Change();
    void ComboBox4Change();
    void ComboBox6Change();
    void BitBtn1Click(); // Reset frequency
    void BitBtn5Click(); // Reset period
    void BitBtn3Click(); // Reset wavelength
    void BitBtn4Click(); // Print frequency
    void BitBtn6Click(); // Print period
    void BitBtn8Click(); // Print wavelength
    void Label1Click();  // "e1"
    void Label2Click();  // "Em"
    void Label3Click();  // "(T)"
    void Label7Click();  // "(f)"

    double PeriodOfTab1 = 0;     // seconds
    double FrequencyOfTab1 = 0;  // in the unit of ComboBox1
    double FrequencyOfTab2 = 0;  // hertz
    double PeriodOfTab2 = 0;     // in the unit of ComboBox3
    double FrequencyOfTab3 = 0;  // hertz
    double WavelengthOfTab3 = 0; // in the unit of ComboBox6

  private:
    ui::FormParts Build();
    void BuildReferences();
    void SelectTab(const char* page);

    const ui::FormParts parts_;
    QTabWidget* pages_;
    ui::CalculatorPage frequency_;
    ui::CalculatorPage period_;
    ui::CalculatorPage wavelength_;

    QLineEdit* edit1_;
    ui::UnitList* periodIn_;     // ComboBox5
    QLabel* frequencyShown_;     // Label6
    ui::UnitList* frequencyOut_; // ComboBox1

    QLineEdit* edit2_;
    ui::UnitList* frequencyIn_; // ComboBox2
    QLabel* periodShown_;       // Label10
    ui::UnitList* periodOut_;   // ComboBox3

    QLineEdit* edit3_;
    ui::UnitList* waveFrequencyIn_; // ComboBox4
    QLabel* wavelengthShown_;       // Label15
    ui::UnitList* wavelengthOut_;   // ComboBox6

    QLabel* bandTable_; // Image6
    QLabel* memoryAid_; // Image7
};

#pragma once
// The LC product of resonance, LC = 1 / (2 pi f)^2, and the reference table of 159 frequencies
// with their wavelengths and LC products.
#include "ui/CalculatorPage.h"
#include "ui/Window.h"

#include <QStringList>

class QLabel;
class QLineEdit;
class QTableWidget;
namespace ui {
class UnitList;
}

class TFormIndCapProReso : public ui::Window {
    Q_OBJECT
  public:
    explicit TFormIndCapProReso(QWidget* parent = nullptr);

    void FormCreate() override;
    void FormActivate() override;
    void Calculate();
    void FillTable();
    void Button1Click();
    void ComboBox1Change();
    void BitBtn1Click(); // Reset
    void BitBtn2Click(); // Print
    void BitBtn3Click(); // table page 1
    void BitBtn4Click(); // table page 2

    double ResonantFrequency = 0; // megahertz
    double ProductLC = 0;         // microhenry x microfarad

    // The table's frequencies in kilohertz, row 1 first, as the grid shows them.
    static const QStringList& Frequencies();
    static constexpr int kTableRows = 159;

  private:
    ui::CalculatorPage page_{this};

    QTableWidget* grid_;
    QLineEdit* edit1_;
    ui::UnitList* frequencyUnit_;
    QLabel* result_;
    QStringList heads_; // the wavelength and LC column heads
};

#pragma once
// Frequency response: |Z| and phase of a series or parallel R, L, C circuit across a log frequency
// range, with f0, Q and the -3 dB bandwidth where the circuit resonates. A tool window, created at
// its first opening.
#include "formulas/FrequencyResponse.h"
#include "ui/CalculatorPage.h"
#include "ui/ResponseLink.h"
#include "ui/Window.h"

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class ResponsePlot;
class ResponseCircuitView;
namespace ui {
class UnitList;
}

class TFormFrequencyResponse : public ui::Window, public ui::TakesResponseValues {
    Q_OBJECT
  public:
    explicit TFormFrequencyResponse(QWidget* parent = nullptr);

    void FormCreate() override;
    void FormActivate() override;
    // Reads, computes and shows everything; a failure throws before anything is stored.
    void Calculate();
    // Calculate while the user types: an incomplete value keeps what the chart shows, silently.
    void Recalculate();
    void TopologyListChange();
    void Button1Click(); // =
    void BitBtn1Click(); // Reset
    void BitBtn2Click(); // Print
    void Button2Click(); // Export
    // Writes the chart (.svg, .png) or the sweep (.csv) by the file's extension.
    void ExportTo(const QString& fileName);
    void TakeValues(const ui::ResponseValues& values) override;

    formulas::Topology Topology() const;
    const std::vector<formulas::ImpedancePoint>& Points() const { return points_; }

    double Resistance = 0;    // ohms
    double Inductance = 0;    // henries
    double Capacitance = 0;   // farads
    double FromFrequency = 0; // hertz, the range shown
    double ToFrequency = 0;
    double ResonantFrequency = 0; // hertz; 0 without a resonance

  private:
    void EnableComponents();
    void ShowReadout();
    void Fill(QLineEdit* box, ui::UnitList* unit, long double value);

    ui::CalculatorPage page_{this};
    QComboBox* topology_ = nullptr;
    ResponseCircuitView* circuit_ = nullptr;
    QLineEdit* rBox_ = nullptr;
    QLineEdit* lBox_ = nullptr;
    QLineEdit* cBox_ = nullptr;
    QLineEdit* fromBox_ = nullptr;
    QLineEdit* toBox_ = nullptr;
    ui::UnitList* rUnit_ = nullptr;
    ui::UnitList* lUnit_ = nullptr;
    ui::UnitList* cUnit_ = nullptr;
    ui::UnitList* fromUnit_ = nullptr;
    ui::UnitList* toUnit_ = nullptr;
    QLabel* f0_ = nullptr;
    QLabel* q_ = nullptr;
    QLabel* bandwidth_ = nullptr;
    QLabel* readout_ = nullptr;
    ResponsePlot* plot_ = nullptr;
    std::vector<formulas::ImpedancePoint> points_;
};

#pragma once
// The reactance and resonance windows: one result, in the unit of a third list, from two values
// with their unit lists, the circuit picture echoing the values and units as typed, and a TABLEUR
// picture that opens the window's table. Ctrl+R (and the context menu) opens the frequency
// response with the two values.
#include "ui/CalculatorPage.h"
#include "ui/FormTable.h"
#include "ui/Window.h"

class QAction;
class QLabel;
class QLineEdit;

namespace ui {

class PictureLabel;
class UnitList;

class TwoValueWindow : public Window {
  public:
    // Echoes the boxes and their units, then reads, stores and shows as the window computes.
    virtual void Calculate() = 0;
    // A value's unit: everything again once both boxes hold text, else only that unit's echo.
    void ComboBox1Change();
    void ComboBox2Change();
    // The result's unit: everything again once both boxes hold text, else no result.
    void ComboBox3Change();
    // The frequency response window, filled with the values typed here (an empty box hands nothing).
    void OpenFrequencyResponse();

  protected:
    using Window::Window;

    // Builds the window's table and takes its parts by kind, in the table's order: the two boxes,
    // the three unit lists (the values', then the result's), the result, the four echoes (value,
    // unit, value, unit) and the TABLEUR picture. The page gets the boxes and the result.
    FormParts Build(const FormTable& table);
    // The boxes' texts and their units, as the circuit picture shows them.
    void Echo();
    // The three unit lists run the handlers above.
    void ConnectUnits();
    // English activation: the TABLEUR picture (and the frequency response entry) in English.
    void EnglishTableur();
    // What edit1_ and edit2_ hold; adds Ctrl+R and the context-menu entry to the window.
    enum class Quantity { Frequency, Inductance, Capacitance };
    void LinkResponse(Quantity first, Quantity second);
    // The TABLEUR picture's name, where the window's rows give it none.
    void DescribeParts() override;

    CalculatorPage page_{this};
    QLineEdit* edit1_ = nullptr;
    QLineEdit* edit2_ = nullptr;
    UnitList* unit1_ = nullptr; // of edit1_
    UnitList* unit2_ = nullptr; // of edit2_
    UnitList* resultUnit_ = nullptr;
    QLabel* result_ = nullptr;
    QLabel* echo1_ = nullptr;
    QLabel* unitEcho1_ = nullptr;
    QLabel* echo2_ = nullptr;
    QLabel* unitEcho2_ = nullptr;
    PictureLabel* tableur_ = nullptr;

  private:
    Quantity quantities_[2] = {Quantity::Frequency, Quantity::Frequency};
    QAction* response_ = nullptr;
};

} // namespace ui

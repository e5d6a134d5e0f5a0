#pragma once
// What the two air-core coil windows share: lengths in metres, cm or mm, the inductance in uH,
// mH or H, one result with "2 Digit", and the steps of their handlers.
#include "ui/CalculatorPage.h"
#include "ui/FormTable.h"
#include "ui/Window.h"

#include <initializer_list>
#include <vector>

class QCheckBox;
class QLabel;

namespace aircoil {
std::vector<ui::UnitList::Unit> LengthUnits();
std::vector<ui::UnitList::Unit> InductanceUnits();
// A row caption whose text ends where the row's box begins.
ui::FormRow Caption(const char* name, const char* parent, QRect at, const QString& french,
                    const QString& english);
} // namespace aircoil

class AirCoilWindow : public ui::Window {
  public:
    // Reads the boxes, stores what converts and shows the inductance.
    virtual void Calculate() = 0;
    void RefreshDisplay();

    double Inductance = 0; // in the unit of ComboBox3

  protected:
    using ui::Window::Window;

    // English activation: the length lists refilled and back at metres; the typed numbers and the
    // shown result stay.
    static void MetresAgain(std::initializer_list<ui::UnitList*> lengthUnits);

    // The calculation, then the result as "2 Digit" asks.
    void Recalculate();
    // The same, only once every box holds text.
    void RecalculateWhenComplete();

    ui::CalculatorPage page_{this};
    QLabel* result_ = nullptr;
    QCheckBox* twoDigits_ = nullptr;
};

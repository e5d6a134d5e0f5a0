#pragma once
// The twelve formulas of the Ohm's law wheel and the unit lists of its four quantities.
#include <QComboBox>
#include <QString>
#include <functional>

namespace ohmslaw {

enum class Quantity { E, R, P, I };

struct FormulaButton {
    const char* name; // the button's picture component
    int x, y;         // the button panel's place
    int number;       // FormulaNumber
    Quantity result, first, second;
};

// In the wheel's order, formula 1 first.
const FormulaButton (&FormulaButtons())[12];
const FormulaButton& ButtonOf(int formula);

// A unit list whose items and factors follow the quantity it is filled for.
class QuantityList : public QComboBox {
    Q_OBJECT
  public:
    using KeyHook = std::function<QChar(QChar)>; // returns 0 to discard the character
    explicit QuantityList(QWidget* parent = nullptr);

    // Refills the three items of the quantity and shows the first, without a change event.
    void Fill(Quantity q);
    Quantity quantity() const { return quantity_; }

    // Typed value in this unit to the base unit, and base unit to this unit; no item: no factor.
    long double ToBase(long double value) const;
    long double FromBase(long double value) const;

    void SetKeyHook(KeyHook hook) { hook_ = std::move(hook); }

  protected:
    void keyPressEvent(QKeyEvent* e) override;

  private:
    long double Factor() const;
    Quantity quantity_ = Quantity::E;
    KeyHook hook_;
};

} // namespace ohmslaw

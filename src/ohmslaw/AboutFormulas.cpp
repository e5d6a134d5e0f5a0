#include "ohmslaw/AboutFormulas.h"

#include <QKeyEvent>
#include <cmath>

namespace ohmslaw {

const FormulaButton (&FormulaButtons())[12] {
    using Q = Quantity;
    static const FormulaButton buttons[12] = {
        {"Image7", 440, 16, 1, Q::I, Q::E, Q::R},   {"Image8", 504, 56, 2, Q::I, Q::P, Q::E},
        {"Image2", 536, 112, 3, Q::I, Q::P, Q::R},  {"Image9", 536, 184, 4, Q::R, Q::E, Q::I},
        {"Image10", 496, 240, 5, Q::R, Q::E, Q::P}, {"Image11", 440, 280, 6, Q::R, Q::P, Q::I},
        {"Image12", 368, 280, 7, Q::E, Q::I, Q::R}, {"Image13", 304, 240, 8, Q::E, Q::P, Q::I},
        {"Image14", 272, 184, 9, Q::E, Q::P, Q::R}, {"Image6", 272, 112, 10, Q::P, Q::I, Q::E},
        {"Image5", 304, 56, 11, Q::P, Q::I, Q::R},  {"Image4", 368, 16, 12, Q::P, Q::E, Q::R},
    };
    return buttons;
}

const FormulaButton& ButtonOf(int formula) {
    return FormulaButtons()[qBound(1, formula, 12) - 1];
}

namespace {

QStringList ItemsOf(Quantity q) {
    switch (q) {
    case Quantity::E:
        return {QStringLiteral("V"), QStringLiteral("mV"), QStringLiteral("uV")};
    case Quantity::I:
        return {QStringLiteral("A"), QStringLiteral("mA"), QStringLiteral("uA")};
    case Quantity::R:
        return {QStringLiteral("Ohms"), QStringLiteral("KOhms"), QStringLiteral("MOhms")};
    case Quantity::P:
        return {QStringLiteral("W"), QStringLiteral("KW"), QStringLiteral("MW")};
    }
    return {};
}

// Volts and amperes come in sub-units (divide to reach the base), ohms and watts in multiples.
bool InputDivides(Quantity q) {
    return q == Quantity::E || q == Quantity::I;
}

} // namespace

QuantityList::QuantityList(QWidget* parent) : QComboBox(parent) {}

void QuantityList::Fill(Quantity q) {
    const QSignalBlocker block(this);
    quantity_ = q;
    clear();
    addItems(ItemsOf(q));
    setCurrentIndex(0);
}

long double QuantityList::Factor() const {
    static const long double factors[3] = {1.0L, 1000.0L, 1000000.0L};
    const int i = currentIndex();
    return i >= 0 && i < 3 ? factors[i] : 1.0L;
}

long double QuantityList::ToBase(long double value) const {
    return InputDivides(quantity_) ? value / Factor() : value * Factor();
}

long double QuantityList::FromBase(long double value) const {
    return InputDivides(quantity_) ? value * Factor() : value / Factor();
}

void QuantityList::keyPressEvent(QKeyEvent* e) {
    const bool focusKey =
        e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab || e->key() == Qt::Key_Escape;
    if (hook_ && !focusKey && !e->text().isEmpty() && hook_(e->text().front()).isNull()) {
        e->accept();
        return;
    }
    QComboBox::keyPressEvent(e);
}

} // namespace ohmslaw

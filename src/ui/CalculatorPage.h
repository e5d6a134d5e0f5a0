#pragma once
// What every calculator page (a window's client area or one of its tabs) does with its boxes,
// unit lists, stored values and result labels. A window keeps its own order of steps; each step
// here either completes or throws before it stores anything, so a failure never leaves a
// non-finite value behind for a later refresh to show.
#include "core/Failure.h"
#include "core/FloatGuard.h"
#include "core/Numbers.h"

#include <QString>
#include <cmath>
#include <initializer_list>
#include <type_traits>
#include <utility>
#include <vector>

class QLabel;
class QLineEdit;
class QWidget;

namespace ui {

class UnitList;

// How a value is shown.
struct Display {
    core::FloatFormat format;
    int precision;
    int digits;
};
inline constexpr Display kNumber10_4{core::FloatFormat::Number, 10, 4};
inline constexpr Display kNumber10_8{core::FloatFormat::Number, 10, 8};
inline constexpr Display kGeneral10_4{core::FloatFormat::General, 10, 4};
inline constexpr Display kGeneral10_5{core::FloatFormat::General, 10, 5};
inline constexpr Display kFixed10_2{core::FloatFormat::Fixed, 10, 2};

// A component's English text; the French one is the layout's own.
struct EnglishText {
    const char* component;
    const char* english;
};
// Sets the English texts of components of `root` (labels, buttons, check and radio boxes, group
// box titles, tab captions by their page's name). A name that is not there is a programming
// error: it throws std::logic_error naming it, before any text is changed.
void ApplyTexts(QWidget* root, std::initializer_list<EnglishText> texts);
void ApplyTexts(QWidget* root, const std::vector<EnglishText>& texts);

// Runs a computation under the floating-point guard: division by zero, invalid operation and
// overflow raise their failures; a number that is not finite raises too.
template <class F> auto Compute(F&& formula) {
    core::FloatGuard guard;
    const auto value = std::forward<F>(formula)();
    guard.check();
    if constexpr (std::is_arithmetic_v<std::decay_t<decltype(value)>>) {
        if (std::isnan(value)) throw core::InvalidOperation();
        if (std::isinf(value)) throw core::Overflow();
    }
    return value;
}

// The value a double field can hold; a value beyond a double's range is an overflow.
double Stored(long double value);

class CalculatorPage {
  public:
    // `page` holds the components. The boxes, result labels and stored fields it is given are
    // the ones Reset empties and zeroes (echo labels and unit lists are not listed and stay).
    explicit CalculatorPage(QWidget* page);
    CalculatorPage& Boxes(std::initializer_list<QLineEdit*> boxes);
    CalculatorPage& Results(std::initializer_list<QLabel*> results);
    CalculatorPage& Fields(std::initializer_list<double*> fields);
    ~CalculatorPage();
    CalculatorPage(const CalculatorPage&) = delete;
    CalculatorPage& operator=(const CalculatorPage&) = delete;

    // A box's value in base units: parsed with the regional separators, scaled by the list's
    // factor (none: as typed), guarded.
    static long double Read(const QLineEdit* box, const UnitList* unit = nullptr);
    // A value in base units in the unit of an output list, guarded.
    static long double InUnit(long double value, const UnitList* unit);

    // "All boxes hold text": the page's boxes, or the ones a handler names.
    bool AllHoldText() const;
    static bool AllHoldText(std::initializer_list<const QLineEdit*> boxes);

    static void Show(QLabel* label, long double value, Display display);
    // "2 Digit": Fixed 10/2 when checked, General 10/4 otherwise; an empty label stays empty.
    static void Refresh(QLabel* label, bool twoDigits, double value);

    // Reset: zero the stored values, empty the boxes and result labels.
    void Clear();

    QWidget* Widget() const { return page_; }
    const std::vector<double*>& Fields() const { return fields_; }
    const std::vector<QLabel*>& ResultLabels() const { return results_; }

  private:
    QWidget* page_;
    std::vector<QLineEdit*> boxes_;
    std::vector<QLabel*> results_;
    std::vector<double*> fields_;
};

// The stored values of a window: those of every calculator page inside it ("Page/field index"),
// then the window's own double properties (by name), which hold its fields outside any page.
std::vector<std::pair<QString, double>> StoredValues(const QWidget* window);
// The result labels of every calculator page inside a window.
std::vector<const QLabel*> ResultLabels(const QWidget* window);

} // namespace ui

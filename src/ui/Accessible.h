#pragma once
// What a screen reader hears and what the clipboard gets from a window, in the current language.
// Names come from the window's form table where it has one (captions, symbols, spoken forms),
// else from its report lines (legends), else from the layout (the caption left of a box).
#include <QString>
#include <functional>
#include <optional>

class QAccessibleEvent;
class QLabel;
class QTableWidget;
class QWidget;

namespace ui {

// A value's legend as the window's report writes it: "f" and the unit list beside the value
// (a component name), or a unit written after it.
struct Legend {
    QString symbol;
    QString unitList;
    QString fixedUnit;
};
using LegendSource = std::function<std::optional<Legend>(const QString& className, const QString& component)>;
// Set by the report layer, which knows every window's report lines.
void SetLegendSource(LegendSource source);

// Names every control of `window` (boxes, unit lists, results, icon buttons, pictures, picture
// buttons) and pairs captions with their boxes. Run again when the language texts change.
void Describe(QWidget* window);
// What a screen reader is told of our own widgets (results, picture buttons, unit lists): before
// any of them is asked about, Qt keeps the first answer.
void InstallFactory();

// The symbol of a box or result ("Xc"), in the current language, or empty.
QString SymbolOf(const QWidget* window, const QWidget* part);
// The unit shown beside a box or result ("Ohms"), or empty.
QString UnitOf(const QWidget* window, const QWidget* part);
// The caption of a box, a list or a result: the label the form pairs with it, else the label on
// its left in the same row.
QString CaptionOf(const QWidget* window, const QWidget* part);

// Tells a screen reader that a result label shows a new value.
void AnnounceResult(QLabel* result);
// Tests see the announcements (Qt passes them on only while a screen reader listens).
class ScopedAnnouncementWatch {
  public:
    explicit ScopedAnnouncementWatch(std::function<void(QAccessibleEvent*)> watch);
    ~ScopedAnnouncementWatch();
    ScopedAnnouncementWatch(const ScopedAnnouncementWatch&) = delete;
    ScopedAnnouncementWatch& operator=(const ScopedAnnouncementWatch&) = delete;

  private:
    std::function<void(QAccessibleEvent*)> previous_;
};

// A result label: the factories mark it so.
bool IsResult(const QWidget* w);
void MarkResult(QLabel* label);

} // namespace ui

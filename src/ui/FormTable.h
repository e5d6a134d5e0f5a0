#pragma once
// A window declared once. A form table lists the window's components in the order they are made:
// what each one is, its name, its parent and place as the form gives them, its French and English
// texts, its unit list, and what it says to a screen reader. The constructor builds the table,
// the English activation applies it, and the checks over every window read the same rows.
#include "ui/TablePage.h"
#include "ui/Widgets.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <stdexcept>
#include <vector>

class QTabWidget;

namespace ui {

enum class PartKind {
    Panel,         // a raised (or flat) panel on its own background
    Group,         // a group box with its title
    Label,         // a text; width or height 0 fits the text
    Echo,          // an empty centred label a handler fills
    Picture,       // a stored picture; no width and height: the drawing's size
    PictureButton, // a picture with the hand cursor that reacts to clicks
    Box,           // a value box (numeric key filter)
    Units,         // a unit list
    Result,        // a result label
    Check,         // a check box
    Button,        // a push button with its text
    Equals,        // the "=" button
    Reset,         // the reset glyph button
    Print,         // the printer glyph button
    Tabs,          // a tab control
    Page,          // a tab page of the Tabs row it names as parent; its texts are the tab's caption
    List,          // a list box the Tab key skips
    GlyphButton,   // a button showing only its picture
    FixedUnit,     // a unit that cannot change, centred on lime beside its box or result
    Radio,         // a radio button with its text; an empty place leaves it to a layout
    Grid,          // a reference grid (its cells are filled by the window)
    Note,          // a centred note of lines (the French and English texts break at '\n'); Tab skips it
    Rule,          // a wrapped text on white in a plain box
    Own,           // a widget of the window's own making (its maker places it)
};

// Makes a widget of a kind no row covers on its parent; the table names it after its row.
using FormMaker = std::function<QWidget*(QWidget* parent)>;

struct FormRow {
    PartKind kind;
    const char* name;
    const char* parent; // null: the widget the table is built on
    QRect at;
    QString french;  // text, title or tab caption
    QString english; // null: the French text stays in an English session
    pictures::Drawing draw;
    std::vector<UnitList::Unit> units;
    QColor colour; // a panel's or group's background, or a filled text's
    bool raised = true;
    int room = 0; // a label condensed to end within this many pixels (FitText)
    // A caption: the box it names (its buddy). A unit list: the box or result it scales.
    const char* of = nullptr;
    // A box's or result's symbol as its legend and report write it ("f", "Xc"); what a picture
    // that carries meaning says ("Xc égale 1 sur 2 pi f C"). French, then English.
    QString spoken, spokenEnglish;
    // Looks beyond the kind's own, applied once the component is made, in the order the forms'
    // code set them.
    Qt::Alignment align = {};         // none: the kind's own
    const char* fontFamily = nullptr; // null: the inherited family; fallbacks follow after commas
    int fontPixels = 0;               // the font's height
    bool bold = false;
    QColor ink; // the text's colour
    bool readOnly = false, disabled = false, checked = false, noFocus = false, frame = true;
    GridLayout grid{}; // a grid's cells, sizes and heading colour
    bool fits = false; // a label sized to its text in its font, French or English
    FormMaker make;    // an Own row's maker

    // Modifiers, so a row reads as one line.
    FormRow For(const char* component) const;
    FormRow Says(const QString& french, const QString& english = {}) const;
    FormRow Fit(int pixels) const;
    FormRow Flat() const;
    FormRow Align(Qt::Alignment alignment) const;
    FormRow TextSize(int pixels) const; // the same family, resized
    // A form font; a label that fits its text grows to it.
    FormRow Font(const char* family, int pixels, bool bold = false) const;
    FormRow Bold() const;
    FormRow Ink(const QColor& text) const;
    // A label, tab page or any other kind but panels, groups and grids on its own background.
    FormRow Background(const QColor& background) const;
    FormRow ReadOnly() const;
    FormRow Disabled() const;
    FormRow Checked() const;
    FormRow NoFocus() const; // a tab control: its tabs
    FormRow NoFrame() const; // a panel without its border
    FormRow FitsText() const;
    FormRow Text(const QString& french, const QString& english = {}) const; // an echo's or result's
};

namespace form {
FormRow Panel(const char* name, const char* parent, QRect at, const QColor& background);
FormRow Group(const char* name, const char* parent, QRect at, const QString& french, const QString& english,
              const QColor& background);
FormRow Label(const char* name, const char* parent, QRect at, const QString& french,
              const QString& english = {});
FormRow Echo(const char* name, const char* parent, QRect at);
FormRow Picture(const char* name, const char* parent, QRect at, pictures::Drawing draw);
FormRow PictureButton(const char* name, const char* parent, QRect at, pictures::Drawing draw);
FormRow Box(const char* name, const char* parent, QRect at);
FormRow Units(const char* name, const char* parent, QRect at, std::vector<UnitList::Unit> units);
FormRow Result(const char* name, const char* parent, QRect at);
FormRow Check(const char* name, const char* parent, QRect at, const QString& french,
              const QString& english = {});
FormRow Button(const char* name, const char* parent, QRect at, const QString& french,
               const QString& english = {});
FormRow Equals(const char* name, const char* parent, QRect at);
FormRow Reset(const char* name, const char* parent, QRect at);
FormRow Print(const char* name, const char* parent, QRect at);
FormRow Tabs(const char* name, const char* parent, QRect at);
FormRow Page(const char* name, const char* tabs, const QString& french, const QString& english = {});
FormRow List(const char* name, const char* parent, QRect at);
FormRow GlyphButton(const char* name, const char* parent, QRect at, pictures::Drawing glyph);
// A legend symbol ("f =", "X_{L} =") drawn at `drawn`, or at the picture's size when that is empty;
// it says its text.
FormRow Symbol(const char* name, const char* parent, QRect at, const QString& markup, QSize drawn = {});
FormRow FixedUnit(const char* name, const char* parent, QRect at, const QString& french,
                  const QString& english = {});
FormRow Radio(const char* name, const char* parent, QRect at, const QString& french,
              const QString& english = {});
FormRow Grid(const char* name, const char* parent, const GridLayout& layout);
FormRow Note(const char* name, const char* parent, QRect at, const QString& french,
             const QString& english = {});
FormRow Rule(const char* name, const char* parent, QRect at, const QString& french,
             const QString& english = {});
FormRow Grid(const char* name, const char* parent, QRect at, int rows, int columns, QSize cell,
             const QColor& headings);
// A print-choice dialog's rows: the panel "Panel1" filling the client area and the page buttons
// "Button1" ("P1")... at the given places on it.
std::vector<FormRow> PageChoice(QSize client, const std::vector<QRect>& buttons);
// `at` invalid: the maker's own place and size stand.
FormRow Own(const char* name, const char* parent, QRect at, FormMaker make);
} // namespace form

struct FormTable {
    std::vector<FormRow> rows;
    std::vector<const char*> tabOrder; // as the form lists it; null starts the next page's order
};

// The components a table built, by name.
class FormParts {
  public:
    template <class W = QWidget> W* Get(const char* name) const {
        W* w = qobject_cast<W*>(Find(name));
        if (!w) throw std::logic_error(std::string("no component of that kind: ") + name);
        return w;
    }
    QWidget* Find(const char* name) const;
    void Add(const char* name, QWidget* w) { parts_.emplace_back(name, w); }

  private:
    std::vector<std::pair<const char*, QWidget*>> parts_;
};

// Builds the rows on `root` (the window or a page), in order, then the tab order. The table is
// kept for the window `root` belongs to (its class at the time), so it must outlive the program.
FormParts BuildForm(QWidget* root, const FormTable& table);
// The English texts of the rows that have one. Only in an English session.
void ApplyEnglish(QWidget* root, const FormTable& table);
// The tables a window of this class was built from, in building order.
std::vector<const FormTable*> FormTablesOf(const QString& className);
// The row of a component among a window's tables, or null.
const FormRow* FormRowOf(const QString& className, const QString& component);

} // namespace ui

#pragma once
// The pieces calculator windows are made of. Every factory names the widget after its component
// and places it at the form's position (left, top, width, height; 0 means "fit the content").
#include "pictures/Palette.h"
#include "pictures/Stored.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <vector>

class QFrame;
class QGroupBox;
class QCheckBox;
class QListWidget;
class QTabWidget;
class QTextEdit;

namespace ui {

using palette::kAqua;
using palette::kBlue;
using palette::kBtnFace;
using palette::kLime;
using palette::kNavy;
using palette::kRed;
using palette::kSilver;
using palette::kWhite;
using palette::kYellow;

// The forms' look over the platform style, for the whole application: drop-down lists that drop
// their row count and show their items whole at the forms' widths, group boxes whose frame runs
// through the caption's middle so that the forms' first rows stay clear of it.
void InstallFormStyle();

// A form font: the family as the form names it (mapped at start-up) and its height in pixels.
QFont FormFont(const char* family, int pixelHeight, bool bold = false);

// Tab order as the form lists it.
void SetTabOrder(std::initializer_list<QWidget*> order);

void Place(QWidget* w, int x, int y, int width = 0, int height = 0);
// A form's whole palette on its background: the forms keep their own text, frame and control
// colours on any desktop theme, a dark one included. Windows get it from SetForm or SetBackground.
QPalette FormPalette(const QColor& background);
void SetBackground(QWidget* w, const QColor& colour);
void SetTextColour(QWidget* w, const QColor& colour);

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int x, int y, int w = 0, int h = 0);
// A label centred in its box (echo labels).
QLabel* MakeCentredLabel(QWidget* parent, const char* name, int x, int y, int w, int h);
// The label's background shows only while it holds a text: an empty echo over a picture hides
// nothing of it.
void SetTextBackground(QLabel* label, const QColor& colour);
// Condenses the label's letters just enough that its text ends within `room` pixels of its left
// edge, where the form's type runs wider than the one it was laid out with; a text that fits keeps
// its letters. The label keeps its room: ApplyTexts fits its English text the same way.
void FitText(QLabel* label, int room);
void FitText(QLabel* label); // in the room given before, if any
QGroupBox* MakeGroup(QWidget* parent, const char* name, const QString& title, int x, int y, int w, int h,
                     const QColor& background);
QFrame* MakePanel(QWidget* parent, const char* name, int x, int y, int w, int h, const QColor& background,
                  bool raised = true);
QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& text, int x, int y, int w, int h);

// An edit box whose typed characters pass the numeric key filter.
class ValueBox : public QLineEdit {
    Q_OBJECT
  public:
    using KeyFilter = std::function<QChar(QChar)>;
    explicit ValueBox(QWidget* parent = nullptr);
    // A window that deviates from the numeric filter installs its own.
    void SetKeyFilter(KeyFilter filter) { filter_ = std::move(filter); }

  protected:
    void keyPressEvent(QKeyEvent* e) override;

  private:
    KeyFilter filter_;
};
ValueBox* MakeValueBox(QWidget* parent, const char* name, int x, int y, int w, int h = 21);

// A fixed drop-down list whose item index selects a scale factor; it takes no typing.
class UnitList : public QComboBox {
    Q_OBJECT
  public:
    enum class Op { Multiply, Divide };
    struct Unit {
        QString item;
        Op op;
        long double factor;
    };
    UnitList(QWidget* parent, std::vector<Unit> units);
    // The value scaled by the factor of the chosen item; no item leaves it unchanged.
    long double Scale(long double value) const;
    void SetItems(const QStringList& items); // keeps the factors and the chosen index

  protected:
    void keyPressEvent(QKeyEvent* e) override;

  private:
    std::vector<Unit> units_;
};
UnitList* MakeUnitList(QWidget* parent, const char* name, int x, int y, int w,
                       std::vector<UnitList::Unit> units);

// A result label: white text on blue, centred.
QLabel* MakeResultLabel(QWidget* parent, const char* name, int x, int y, int w, int h);

// A picture that reacts to clicks (hand cursor where the form says so). One with the hand cursor
// is a button for the keyboard too: Tab reaches it, and Return or Space clicks it.
class PictureLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;
  Q_SIGNALS:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
};
// Makes the hand-cursor pictures of `window` reachable by Tab, placed after the last control of
// its focus chain so that the form's own order stays as it is.
void AppendPictureButtons(QWidget* window);
// The picture `name` of the window that `owner` belongs to: stored by the build, else drawn now.
QImage StoredPicture(const QWidget* owner, const QString& name, const pictures::Drawing& draw);
// The same as a pixmap that shares the stored pixels (their format is already the one to paint).
QPixmap StoredPixmap(const QWidget* owner, const QString& name, const pictures::Drawing& draw);
QLabel* MakePicture(QWidget* parent, const char* name, const pictures::Drawing& draw, int x, int y, int w,
                    int h);
PictureLabel* MakeClickablePicture(QWidget* parent, const char* name, const pictures::Drawing& draw, int x,
                                   int y, int w, int h);
// A button showing only a glyph, at the glyph's size.
QPushButton* MakeGlyphButton(QWidget* parent, const char* name, const pictures::Drawing& glyph, int x, int y,
                             int w, int h);

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, int x, int y, int w, int h);
QPushButton* MakeEqualsButton(QWidget* parent, const char* name, int x, int y, int w, int h);
QPushButton* MakeResetButton(QWidget* parent, const char* name, int x, int y, int w, int h);
QPushButton* MakePrintButton(QWidget* parent, const char* name, int x, int y, int w, int h);

// A tab sheet named `name` whose property "formCaption" keeps the form's caption, by which the
// main window selects it whatever language the tab shows.
QWidget* AddTabPage(QTabWidget* tabs, const char* name, const QString& caption);
// A list box that the Tab key skips.
QListWidget* MakeListBox(QWidget* parent, const char* name, int x, int y, int w, int h);
// A rich-text note of centred lines, not a tab stop.
QTextEdit* MakeNote(QWidget* parent, const char* name, const QStringList& lines, int x, int y, int w, int h);
void SetNoteLines(QTextEdit* note, const QStringList& lines);

} // namespace ui

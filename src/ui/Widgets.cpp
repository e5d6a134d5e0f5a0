#include "ui/Widgets.h"
#include "ui/Accessible.h"
#include "ui/Density.h"

#include "core/KeyFilter.h"
#include "pictures/Glyphs.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>
#include <QStyleOptionFocusRect>
#include <QTabWidget>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <algorithm>

namespace ui {
namespace {

// Two small chevrons pointing where the hidden items are.
QIcon OverflowArrow(bool downwards) {
    QPixmap pixmap(8, 8);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QPen(Qt::black, 1));
    for (int k : {0, 4}) {
        if (downwards) {
            p.drawLine(1, k, 4, k + 3);
            p.drawLine(4, k + 3, 7, k);
        } else {
            p.drawLine(k, 1, k + 3, 4);
            p.drawLine(k + 3, 4, k, 7);
        }
    }
    return QIcon(pixmap);
}

class FormStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        // A menu-like popup shows every item whatever the list's row count; a drop-down does not.
        if (hint == SH_ComboBox_Popup) return 0;
        // Alt reaches the menu bar; its mnemonics work but are not underlined at rest.
        if (hint == SH_MenuBar_AltKeyNavigation) return 1;
        if (hint == SH_UnderlineShortcut) return 0;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override {
        // A menu bar asks for its overflow arrow when it is built; the platform's is a file whose
        // reading loads every image plugin, on the way to the main window's first paint.
        if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
            return OverflowArrow(icon == SP_ToolBarVerticalExtensionButton);
        return QProxyStyle::standardIcon(icon, option, widget);
    }

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        if (control == CC_ComboBox) {
            const QRect r = option->rect;
            const int arrow = std::min(kArrowWidth, r.width() / 3);
            switch (part) {
            case SC_ComboBoxArrow:
                return visualRect(option->direction, r,
                                  QRect(r.right() - arrow + 1, r.top(), arrow, r.height()));
            case SC_ComboBoxEditField:
                return visualRect(option->direction, r,
                                  QRect(r.left() + 2, r.top() + 2, r.width() - arrow - 3, r.height() - 4));
            default:
                break;
            }
        }
        if (control == CC_GroupBox) {
            const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
            const bool captioned = box && !box->text.isEmpty();
            const int caption = captioned ? option->fontMetrics.height() : 0;
            switch (part) {
            case SC_GroupBoxLabel:
                return visualRect(option->direction, option->rect,
                                  QRect(option->rect.left() + kCaptionIndent, option->rect.top(),
                                        captioned ? option->fontMetrics.horizontalAdvance(box->text) + 4 : 0,
                                        caption));
            case SC_GroupBoxFrame:
                return option->rect.adjusted(0, caption / 2, 0, 0);
            case SC_GroupBoxContents:
                return option->rect.adjusted(2, std::max(caption, 2), -2, -2);
            default:
                break;
            }
        }
        return QProxyStyle::subControlRect(control, option, part, widget);
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override {
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control != CC_GroupBox || !box) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        // An etched frame, its top line through the middle of the caption.
        const QColor face = option->palette.color(QPalette::Window);
        const QRect frame = subControlRect(CC_GroupBox, option, SC_GroupBoxFrame, widget);
        painter->save();
        painter->setPen(face.darker(160));
        painter->drawRect(frame.adjusted(0, 0, -2, -2));
        painter->setPen(face.lighter(140));
        painter->drawRect(frame.adjusted(1, 1, -1, -1));
        if (!box->text.isEmpty()) {
            const QRect label = subControlRect(CC_GroupBox, option, SC_GroupBoxLabel, widget);
            painter->fillRect(label, face);
            if (box->textColor.isValid()) painter->setPen(box->textColor);
            drawItemText(painter, label, Qt::AlignCenter | Qt::TextShowMnemonic, option->palette,
                         option->state & State_Enabled, box->text,
                         box->textColor.isValid() ? QPalette::NoRole : QPalette::WindowText);
        }
        painter->restore();
    }

  private:
    static constexpr int kArrowWidth = 13;
    static constexpr int kCaptionIndent = 8;
};

} // namespace

void InstallFormStyle() {
    if (dynamic_cast<FormStyle*>(QApplication::style())) return;
    QApplication::setStyle(new FormStyle);
}

QFont FormFont(const char* family, int pixelHeight, bool bold) {
    QFont f{QLatin1String(family)};
    f.setPixelSize(pixelHeight);
    f.setBold(bold);
    return f;
}

void SetTabOrder(std::initializer_list<QWidget*> order) {
    QWidget* previous = nullptr;
    for (QWidget* w : order) {
        if (previous) QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

void Place(QWidget* w, int x, int y, int width, int height) {
    const QSize hint = w->sizeHint();
    w->setGeometry(x, y, width > 0 ? width : hint.width(), height > 0 ? height : hint.height());
}

namespace {

// The light palette the forms were laid out under (text, frames, controls), as rows of the normal
// (active and inactive) and the disabled colour of each role.
struct RoleColours {
    QPalette::ColorRole role;
    QRgb normal, disabled;
};
constexpr RoleColours kFormRoles[] = {
    {QPalette::WindowText, 0xFF000000, 0xFFBEBEBE},    {QPalette::Button, 0xFFEFEFEF, 0xFFEFEFEF},
    {QPalette::Light, 0xFFFFFFFF, 0xFFFFFFFF},         {QPalette::Midlight, 0xFFCACACA, 0xFFCACACA},
    {QPalette::Dark, 0xFF9F9F9F, 0xFFBEBEBE},          {QPalette::Mid, 0xFFB8B8B8, 0xFFB8B8B8},
    {QPalette::Text, 0xFF000000, 0xFFBEBEBE},          {QPalette::BrightText, 0xFFFFFFFF, 0xFFFFFFFF},
    {QPalette::ButtonText, 0xFF000000, 0xFFBEBEBE},    {QPalette::Base, 0xFFFFFFFF, 0xFFEFEFEF},
    {QPalette::Window, 0xFFEFEFEF, 0xFFEFEFEF},        {QPalette::Shadow, 0xFF767676, 0xFFB1B1B1},
    {QPalette::Highlight, 0xFF308CC6, 0xFF919191},     {QPalette::HighlightedText, 0xFFFFFFFF, 0xFFFFFFFF},
    {QPalette::Link, 0xFF0000FF, 0xFF0000FF},          {QPalette::LinkVisited, 0xFFFF00FF, 0xFFFF00FF},
    {QPalette::AlternateBase, 0xFFF7F7F7, 0xFFF7F7F7}, {QPalette::ToolTipBase, 0xFFFFFFDC, 0xFFFFFFDC},
    {QPalette::ToolTipText, 0xFF000000, 0xFF000000},   {QPalette::PlaceholderText, 0x80000000, 0x80000000},
};

} // namespace

QPalette FormPalette(const QColor& background) {
    QPalette p;
    for (const RoleColours& r : kFormRoles) {
        p.setColor(QPalette::Active, r.role, QColor::fromRgba(r.normal));
        p.setColor(QPalette::Inactive, r.role, QColor::fromRgba(r.normal));
        p.setColor(QPalette::Disabled, r.role, QColor::fromRgba(r.disabled));
    }
    p.setColor(QPalette::Window, background);
    return p;
}

void SetBackground(QWidget* w, const QColor& colour) {
    // A window's palette is its form's whole palette; a part takes the rest from its window.
    QPalette p = w->isWindow() ? FormPalette(colour) : w->palette();
    p.setColor(QPalette::Window, colour);
    p.setColor(QPalette::Button, colour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void SetTextColour(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::Text, colour);
    w->setPalette(p);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int x, int y, int w, int h) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    Place(label, x, y, w, h);
    if (w == 0) // an auto-sized label grows with its text, as the form's labels do
        label->setMinimumWidth(label->sizeHint().width());
    return label;
}

QLabel* MakeCentredLabel(QWidget* parent, const char* name, int x, int y, int w, int h) {
    QLabel* label = MakeLabel(parent, name, QString(), x, y, w, h);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

namespace {

class TextBackground : public QObject {
  public:
    TextBackground(QLabel* label, const QColor& colour) : QObject(label), colour_(colour) {}
    bool eventFilter(QObject* watched, QEvent* e) override {
        auto* label = static_cast<QLabel*>(watched);
        if (e->type() == QEvent::Paint && !label->text().isEmpty())
            QPainter(label).fillRect(label->rect(), colour_);
        return false;
    }

  private:
    QColor colour_;
};

const char* const kFitRoom = "fitRoom";

} // namespace

void SetTextBackground(QLabel* label, const QColor& colour) {
    label->setAutoFillBackground(false);
    label->installEventFilter(new TextBackground(label, colour));
}

void FitText(QLabel* label, int room) {
    label->setProperty(kFitRoom, room);
    FitText(label);
}

void FitText(QLabel* label) {
    const QVariant room = label->property(kFitRoom);
    if (!room.isValid()) return;
    QFont font = label->font();
    for (int spacing = 100; spacing >= 85; --spacing) {
        font.setLetterSpacing(QFont::PercentageSpacing, spacing);
        if (QFontMetrics(font).horizontalAdvance(label->text()) <= room.toInt()) break;
    }
    if (font.letterSpacing() != label->font().letterSpacing()) label->setFont(font);
}

QGroupBox* MakeGroup(QWidget* parent, const char* name, const QString& title, int x, int y, int w, int h,
                     const QColor& background) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(QLatin1String(name));
    group->setGeometry(x, y, w, h);
    SetBackground(group, background);
    return group;
}

QFrame* MakePanel(QWidget* parent, const char* name, int x, int y, int w, int h, const QColor& background,
                  bool raised) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setGeometry(x, y, w, h);
    panel->setFrameStyle(QFrame::Panel | (raised ? QFrame::Raised : QFrame::Sunken));
    panel->setLineWidth(1);
    SetBackground(panel, background);
    return panel;
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& text, int x, int y, int w, int h) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(x, y, w, h);
    return box;
}

ValueBox::ValueBox(QWidget* parent) : QLineEdit(parent), filter_(core::FilterNumericKey) {}

// The typed character of a key event, as the form's key hook sees it; 0 for keys that type nothing.
static QChar TypedCharacter(const QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
        return QChar(); // focus and window keys, not typed characters
    default:
        break;
    }
    if (!e->text().isEmpty()) return e->text().front();
    if ((e->modifiers() & Qt::ControlModifier) && e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z)
        return QChar(char16_t(e->key() - Qt::Key_A + 1)); // Ctrl+letter types a control code
    return QChar();
}

void ValueBox::keyPressEvent(QKeyEvent* e) {
    const QChar typed = TypedCharacter(e);
    if (!typed.isNull() && filter_(typed) == QChar(core::BlockedKey)) {
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

ValueBox* MakeValueBox(QWidget* parent, const char* name, int x, int y, int w, int h) {
    auto* box = new ValueBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(x, y, w, h);
    return box;
}

UnitList::UnitList(QWidget* parent, std::vector<Unit> units) : QComboBox(parent), units_(std::move(units)) {
    for (const Unit& u : units_)
        addItem(u.item);
    setCurrentIndex(-1);
}

long double UnitList::Scale(long double value) const {
    const int i = currentIndex();
    if (i < 0 || i >= static_cast<int>(units_.size())) return value;
    const Unit& u = units_[i];
    return u.op == Op::Multiply ? value * u.factor : value / u.factor;
}

void UnitList::SetItems(const QStringList& items) {
    const int index = currentIndex();
    const QSignalBlocker block(this);
    for (int i = 0; i < items.size() && i < count(); ++i)
        setItemText(i, items[i]);
    setCurrentIndex(index);
}

void UnitList::keyPressEvent(QKeyEvent* e) {
    if (!TypedCharacter(e).isNull()) {
        e->accept(); // typing neither edits the text nor picks an item
        return;
    }
    QComboBox::keyPressEvent(e);
}

UnitList* MakeUnitList(QWidget* parent, const char* name, int x, int y, int w,
                       std::vector<UnitList::Unit> units) {
    auto* list = new UnitList(parent, std::move(units));
    list->setObjectName(QLatin1String(name));
    list->setGeometry(x, y, w, 21);
    return list;
}

QLabel* MakeResultLabel(QWidget* parent, const char* name, int x, int y, int w, int h) {
    QLabel* label = MakeLabel(parent, name, QString(), x, y, w, h);
    label->setAlignment(Qt::AlignCenter);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, kBlue);
    p.setColor(QPalette::WindowText, kWhite);
    label->setPalette(p);
    label->setAutoFillBackground(true);
    MarkResult(label);
    return label;
}

void PictureLabel::mouseReleaseEvent(QMouseEvent* e) {
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) Q_EMIT clicked();
}

void PictureLabel::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space) {
        Q_EMIT clicked();
        return;
    }
    QLabel::keyPressEvent(e);
}

void PictureLabel::paintEvent(QPaintEvent* e) {
    QLabel::paintEvent(e);
    if (!hasFocus()) return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void AppendPictureButtons(QWidget* window) {
    for (PictureLabel* picture : window->findChildren<PictureLabel*>()) {
        if (picture->cursor().shape() != Qt::PointingHandCursor || picture->focusPolicy() != Qt::NoFocus)
            continue;
        picture->setFocusPolicy(Qt::TabFocus);
        QWidget* last = window;
        for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
            last = w;
        if (last != picture) QWidget::setTabOrder(last, picture);
    }
}

namespace {

// The class of the window being built, which names its stored pictures. A widget not yet inside
// a window has none.
QString FormOf(const QWidget* owner) {
    const QWidget* top = owner ? owner->window() : nullptr;
    if (!top) return {};
    const QString form = QString::fromLatin1(top->metaObject()->className());
    return form.startsWith(QLatin1Char('Q')) ? QString() : form;
}

void SetPicture(QLabel* label, const char* name, const pictures::Drawing& draw, int x, int y, int w, int h) {
    label->setObjectName(QLatin1String(name));
    label->setGeometry(x, y, w, h);
    label->setAlignment(Qt::AlignCenter);
    const QPixmap pixmap = StoredPixmap(label, name, draw);
    if (!pixmap.isNull()) label->setPixmap(pixmap);
    FollowDensity(label, draw);
}

} // namespace

QImage StoredPicture(const QWidget* owner, const QString& name, const pictures::Drawing& draw) {
    return pictures::Stored(FormOf(owner), name, draw);
}

QPixmap StoredPixmap(const QWidget* owner, const QString& name, const pictures::Drawing& draw) {
    // No scan for alpha: the build stores an opaque picture as opaque.
    return QPixmap::fromImage(StoredPicture(owner, name, draw), Qt::NoOpaqueDetection);
}

QLabel* MakePicture(QWidget* parent, const char* name, const pictures::Drawing& draw, int x, int y, int w,
                    int h) {
    auto* label = new QLabel(parent);
    SetPicture(label, name, draw, x, y, w, h);
    return label;
}

PictureLabel* MakeClickablePicture(QWidget* parent, const char* name, const pictures::Drawing& draw, int x,
                                   int y, int w, int h) {
    auto* label = new PictureLabel(parent);
    SetPicture(label, name, draw, x, y, w, h);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

QPushButton* MakeGlyphButton(QWidget* parent, const char* name, const pictures::Drawing& glyph, int x, int y,
                             int w, int h) {
    QPushButton* button = MakeButton(parent, name, QString(), x, y, w, h);
    const QPixmap pixmap = StoredPixmap(button, name, glyph);
    button->setIcon(QIcon(pixmap));
    button->setIconSize(pixmap.size());
    FollowDensity(button, glyph);
    return button;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, int x, int y, int w, int h) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(x, y, w, h);
    button->setAutoDefault(false);
    return button;
}

QPushButton* MakeEqualsButton(QWidget* parent, const char* name, int x, int y, int w, int h) {
    QPushButton* button = MakeButton(parent, name, QStringLiteral("="), x, y, w, h);
    QFont f = button->font();
    f.setPixelSize(40); // the form's 40-pixel "=": the glyph's bars sit within the button's height
    button->setFont(f);
    return button;
}

QPushButton* MakeResetButton(QWidget* parent, const char* name, int x, int y, int w, int h) {
    QPushButton* button = MakeGlyphButton(parent, name, pictures::ResetGlyph, x, y, w, h);
    button->setProperty("ohmbrixGlyph", QStringLiteral("reset")); // its name to a screen reader
    return button;
}

QPushButton* MakePrintButton(QWidget* parent, const char* name, int x, int y, int w, int h) {
    QPushButton* button = MakeGlyphButton(parent, name, pictures::PrinterGlyph, x, y, w, h);
    button->setProperty("ohmbrixGlyph", QStringLiteral("print"));
    return button;
}

QWidget* AddTabPage(QTabWidget* tabs, const char* name, const QString& caption) {
    auto* page = new QWidget;
    page->setObjectName(QLatin1String(name));
    page->setProperty("formCaption", caption);
    tabs->addTab(page, caption);
    return page;
}

QListWidget* MakeListBox(QWidget* parent, const char* name, int x, int y, int w, int h) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setGeometry(x, y, w, h);
    list->setFocusPolicy(Qt::ClickFocus);
    return list;
}

QTextEdit* MakeNote(QWidget* parent, const char* name, const QStringList& lines, int x, int y, int w, int h) {
    auto* note = new QTextEdit(parent);
    note->setObjectName(QLatin1String(name));
    note->setGeometry(x, y, w, h);
    note->setFocusPolicy(Qt::ClickFocus);
    note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    note->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SetNoteLines(note, lines);
    return note;
}

void SetNoteLines(QTextEdit* note, const QStringList& lines) {
    note->setPlainText(lines.join(QLatin1Char('\n')));
    QTextCursor all(note->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    all.mergeBlockFormat(centred);
}

} // namespace ui

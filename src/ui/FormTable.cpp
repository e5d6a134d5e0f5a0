#include "ui/FormTable.h"

#include "pictures/Glyphs.h"
#include "ui/CalculatorPage.h"
#include "ui/Language.h"
#include "ui/TablePage.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <algorithm>

namespace ui {

FormRow FormRow::For(const char* component) const {
    FormRow r = *this;
    r.of = component;
    return r;
}

FormRow FormRow::Says(const QString& french, const QString& english) const {
    FormRow r = *this;
    r.spoken = french;
    r.spokenEnglish = english.isNull() ? french : english;
    return r;
}

FormRow FormRow::Fit(int pixels) const {
    FormRow r = *this;
    r.room = pixels;
    return r;
}

FormRow FormRow::Flat() const {
    FormRow r = *this;
    r.raised = false;
    return r;
}

FormRow FormRow::Align(Qt::Alignment alignment) const {
    FormRow r = *this;
    r.align = alignment;
    return r;
}

FormRow FormRow::TextSize(int pixels) const {
    FormRow r = *this;
    r.fontPixels = pixels;
    return r;
}

FormRow FormRow::Font(const char* family, int pixels, bool heavy) const {
    FormRow r = *this;
    r.fontFamily = family;
    r.fontPixels = pixels;
    r.bold = heavy;
    return r;
}

FormRow FormRow::Ink(const QColor& text) const {
    FormRow r = *this;
    r.ink = text;
    return r;
}

FormRow FormRow::Background(const QColor& background) const {
    FormRow r = *this;
    r.colour = background;
    return r;
}

FormRow FormRow::Bold() const {
    FormRow r = *this;
    r.bold = true;
    return r;
}

FormRow FormRow::ReadOnly() const {
    FormRow r = *this;
    r.readOnly = true;
    return r;
}

FormRow FormRow::Disabled() const {
    FormRow r = *this;
    r.disabled = true;
    return r;
}

FormRow FormRow::Checked() const {
    FormRow r = *this;
    r.checked = true;
    return r;
}

FormRow FormRow::NoFrame() const {
    FormRow r = *this;
    r.frame = false;
    return r;
}

FormRow FormRow::FitsText() const {
    FormRow r = *this;
    r.fits = true;
    return r;
}

FormRow FormRow::Text(const QString& frenchText, const QString& englishText) const {
    FormRow r = *this;
    r.french = frenchText;
    r.english = englishText;
    return r;
}

FormRow FormRow::NoFocus() const {
    FormRow r = *this;
    r.noFocus = true;
    return r;
}

namespace form {

namespace {
FormRow Row(PartKind kind, const char* name, const char* parent, QRect at, const QString& french = {},
            const QString& english = {}) {
    FormRow r{kind, name, parent, at};
    r.french = french;
    r.english = english;
    return r;
}
} // namespace

FormRow Panel(const char* name, const char* parent, QRect at, const QColor& background) {
    FormRow r = Row(PartKind::Panel, name, parent, at);
    r.colour = background;
    return r;
}
FormRow Group(const char* name, const char* parent, QRect at, const QString& french, const QString& english,
              const QColor& background) {
    FormRow r = Row(PartKind::Group, name, parent, at, french, english);
    r.colour = background;
    return r;
}
FormRow Label(const char* name, const char* parent, QRect at, const QString& french, const QString& english) {
    return Row(PartKind::Label, name, parent, at, french, english);
}
FormRow Echo(const char* name, const char* parent, QRect at) {
    return Row(PartKind::Echo, name, parent, at);
}
FormRow Picture(const char* name, const char* parent, QRect at, pictures::Drawing draw) {
    FormRow r = Row(PartKind::Picture, name, parent, at);
    r.draw = std::move(draw);
    return r;
}
FormRow PictureButton(const char* name, const char* parent, QRect at, pictures::Drawing draw) {
    FormRow r = Row(PartKind::PictureButton, name, parent, at);
    r.draw = std::move(draw);
    return r;
}
FormRow Box(const char* name, const char* parent, QRect at) {
    return Row(PartKind::Box, name, parent, at);
}
FormRow Units(const char* name, const char* parent, QRect at, std::vector<UnitList::Unit> units) {
    FormRow r = Row(PartKind::Units, name, parent, at);
    r.units = std::move(units);
    return r;
}
FormRow Result(const char* name, const char* parent, QRect at) {
    return Row(PartKind::Result, name, parent, at);
}
FormRow Check(const char* name, const char* parent, QRect at, const QString& french, const QString& english) {
    return Row(PartKind::Check, name, parent, at, french, english);
}
FormRow Button(const char* name, const char* parent, QRect at, const QString& french,
               const QString& english) {
    return Row(PartKind::Button, name, parent, at, french, english);
}
FormRow Equals(const char* name, const char* parent, QRect at) {
    return Row(PartKind::Equals, name, parent, at);
}
FormRow Reset(const char* name, const char* parent, QRect at) {
    return Row(PartKind::Reset, name, parent, at);
}
FormRow Print(const char* name, const char* parent, QRect at) {
    return Row(PartKind::Print, name, parent, at);
}
FormRow Tabs(const char* name, const char* parent, QRect at) {
    return Row(PartKind::Tabs, name, parent, at);
}
FormRow Page(const char* name, const char* tabs, const QString& french, const QString& english) {
    return Row(PartKind::Page, name, tabs, {}, french, english);
}
FormRow List(const char* name, const char* parent, QRect at) {
    return Row(PartKind::List, name, parent, at);
}
FormRow GlyphButton(const char* name, const char* parent, QRect at, pictures::Drawing glyph) {
    FormRow r = Row(PartKind::GlyphButton, name, parent, at);
    r.draw = std::move(glyph);
    return r;
}
FormRow Symbol(const char* name, const char* parent, QRect at, const QString& markup, QSize drawn) {
    if (drawn.isEmpty()) drawn = at.size();
    QString spoken = markup;
    spoken.remove(QLatin1Char('_')).remove(QLatin1Char('{')).remove(QLatin1Char('}'));
    return Picture(name, parent, at, [markup, drawn] { return pictures::LegendSymbol(markup, drawn); })
        .Says(spoken);
}
FormRow FixedUnit(const char* name, const char* parent, QRect at, const QString& french,
                  const QString& english) {
    FormRow r = Row(PartKind::FixedUnit, name, parent, at, french, english);
    r.colour = kLime;
    r.align = Qt::AlignCenter;
    return r;
}
FormRow Note(const char* name, const char* parent, QRect at, const QString& french, const QString& english) {
    return Row(PartKind::Note, name, parent, at, french, english);
}
FormRow Rule(const char* name, const char* parent, QRect at, const QString& french, const QString& english) {
    return Row(PartKind::Rule, name, parent, at, french, english);
}
FormRow Radio(const char* name, const char* parent, QRect at, const QString& french, const QString& english) {
    return Row(PartKind::Radio, name, parent, at, french, english);
}
FormRow Grid(const char* name, const char* parent, const GridLayout& layout) {
    FormRow r = Row(PartKind::Grid, name, parent, {layout.x, layout.y, layout.width, layout.height});
    r.grid = layout;
    return r;
}
FormRow Grid(const char* name, const char* parent, QRect at, int rows, int columns, QSize cell,
             const QColor& headings) {
    return Grid(
        name, parent,
        {rows, columns, at.x(), at.y(), at.width(), at.height(), cell.width(), cell.height(), headings});
}

std::vector<FormRow> PageChoice(QSize client, const std::vector<QRect>& buttons) {
    static const char* const names[] = {"Button1", "Button2", "Button3", "Button4"};
    if (buttons.size() > std::size(names)) throw std::logic_error("too many page buttons");
    std::vector<FormRow> rows{Panel("Panel1", nullptr, {QPoint(0, 0), client}, kSilver)};
    for (std::size_t i = 0; i < buttons.size(); ++i)
        rows.push_back(Button(names[i], "Panel1", buttons[i], QStringLiteral("P%1").arg(i + 1)));
    return rows;
}

FormRow Own(const char* name, const char* parent, QRect at, FormMaker make) {
    FormRow r = Row(PartKind::Own, name, parent, at);
    r.make = std::move(make);
    return r;
}

} // namespace form

QWidget* FormParts::Find(const char* name) const {
    for (const auto& [n, w] : parts_)
        if (qstrcmp(n, name) == 0) return w;
    return nullptr;
}

namespace {

QHash<QString, std::vector<const FormTable*>>& Tables() {
    static QHash<QString, std::vector<const FormTable*>> tables;
    return tables;
}

QWidget* Make(QWidget* parent, const FormRow& r) {
    const QRect& a = r.at;
    switch (r.kind) {
    case PartKind::Panel:
        return MakePanel(parent, r.name, a.x(), a.y(), a.width(), a.height(), r.colour, r.raised);
    case PartKind::Group:
        return MakeGroup(parent, r.name, r.french, a.x(), a.y(), a.width(), a.height(), r.colour);
    case PartKind::Label:
    case PartKind::FixedUnit:
        return MakeLabel(parent, r.name, r.french, a.x(), a.y(), a.width(), a.height());
    case PartKind::Echo: {
        QLabel* label = MakeCentredLabel(parent, r.name, a.x(), a.y(), a.width(), a.height());
        if (!r.french.isEmpty()) label->setText(r.french);
        return label;
    }
    case PartKind::Picture: {
        QLabel* picture = MakePicture(parent, r.name, r.draw, a.x(), a.y(), a.width(), a.height());
        if (a.width() == 0 && a.height() == 0)
            picture->resize(picture->pixmap().size()); // its drawing's size
        return picture;
    }
    case PartKind::PictureButton:
        return MakeClickablePicture(parent, r.name, r.draw, a.x(), a.y(), a.width(), a.height());
    case PartKind::Box:
        return MakeValueBox(parent, r.name, a.x(), a.y(), a.width(), a.height() > 0 ? a.height() : 21);
    case PartKind::Units: {
        UnitList* list = MakeUnitList(parent, r.name, a.x(), a.y(), a.width(), r.units);
        if (a.height() > 0) list->resize(a.width(), a.height()); // else the lists' usual 21
        return list;
    }
    case PartKind::Result: {
        QLabel* label = MakeResultLabel(parent, r.name, a.x(), a.y(), a.width(), a.height());
        if (!r.french.isEmpty()) label->setText(r.french); // a heading in the result's colours
        return label;
    }
    case PartKind::Check:
        return MakeCheckBox(parent, r.name, r.french, a.x(), a.y(), a.width(), a.height());
    case PartKind::Button:
        return MakeButton(parent, r.name, r.french, a.x(), a.y(), a.width(), a.height());
    case PartKind::Equals:
        return MakeEqualsButton(parent, r.name, a.x(), a.y(), a.width(), a.height());
    case PartKind::Reset:
        return MakeResetButton(parent, r.name, a.x(), a.y(), a.width(), a.height());
    case PartKind::Print:
        return MakePrintButton(parent, r.name, a.x(), a.y(), a.width(), a.height());
    case PartKind::Tabs: {
        auto* tabs = new QTabWidget(parent);
        tabs->setObjectName(QLatin1String(r.name));
        tabs->setGeometry(a);
        return tabs;
    }
    case PartKind::Page: {
        auto* tabs = qobject_cast<QTabWidget*>(parent);
        if (!tabs) throw std::logic_error(std::string("a page outside a tab control: ") + r.name);
        QWidget* page = AddTabPage(tabs, r.name, r.french);
        if (r.colour.isValid()) SetBackground(page, r.colour);
        return page;
    }
    case PartKind::List:
        return MakeListBox(parent, r.name, a.x(), a.y(), a.width(), a.height());
    case PartKind::GlyphButton:
        return MakeGlyphButton(parent, r.name, r.draw, a.x(), a.y(), a.width(), a.height());
    case PartKind::Radio: {
        auto* radio = new QRadioButton(r.french, parent);
        radio->setObjectName(QLatin1String(r.name));
        if (!a.isNull()) radio->setGeometry(a);
        return radio;
    }
    case PartKind::Grid:
        return MakeGrid(parent, r.name, r.grid);
    case PartKind::Note:
        return MakeNote(parent, r.name, r.french.split(QLatin1Char('\n')), a.x(), a.y(), a.width(),
                        a.height());
    case PartKind::Rule: {
        // Made empty and then given its text, so that the box keeps its size.
        QLabel* rule = MakeLabel(parent, r.name, QString(), a.x(), a.y(), a.width(), a.height());
        rule->setWordWrap(true);
        rule->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        rule->setFrameStyle(QFrame::Box | QFrame::Plain);
        rule->setMargin(2);
        SetBackground(rule, kWhite);
        rule->setText(r.french);
        return rule;
    }
    case PartKind::Own: {
        QWidget* w = r.make(parent);
        w->setObjectName(QLatin1String(r.name));
        if (a.isValid()) w->setGeometry(a);
        return w;
    }
    }
    throw std::logic_error("unknown component kind");
}

// What a row adds to the look its kind gives, in the order the forms' code set it.
void Dress(QWidget* w, const FormRow& r) {
    auto* label = qobject_cast<QLabel*>(w);
    if (label && r.align) label->setAlignment(r.align);
    if (r.fontPixels > 0 || r.bold) {
        QFont f = w->font();
        if (r.fontFamily) {
            const QStringList families = QString::fromLatin1(r.fontFamily).split(QLatin1Char(','));
            f = FormFont(families.front().toLatin1().constData(), r.fontPixels, r.bold);
            if (families.size() > 1) f.setFamilies(families);
        } else {
            if (r.fontPixels > 0) f.setPixelSize(r.fontPixels);
            if (r.bold) f.setBold(true);
        }
        w->setFont(f);
        if (label && r.fontFamily && r.at.width() == 0) label->adjustSize();
    }
    if (r.fits) w->adjustSize();
    if (r.ink.isValid()) SetTextColour(w, r.ink);
    const bool ownColour = r.kind == PartKind::Panel || r.kind == PartKind::Group || r.kind == PartKind::Grid;
    if (r.colour.isValid() && !ownColour) SetBackground(w, r.colour);
    if (r.readOnly) {
        if (auto* note = qobject_cast<QTextEdit*>(w)) note->setReadOnly(true);
        if (auto* box = qobject_cast<QLineEdit*>(w)) box->setReadOnly(true);
    }
    if (!r.frame) {
        if (auto* frame = qobject_cast<QFrame*>(w)) frame->setFrameStyle(QFrame::NoFrame);
    }
    if (r.disabled) w->setEnabled(false);
    if (r.checked) {
        if (auto* button = qobject_cast<QAbstractButton*>(w)) button->setChecked(true);
    }
    if (r.noFocus) { // a tab control: its tabs
        auto* tabs = qobject_cast<QTabWidget*>(w);
        (tabs ? static_cast<QWidget*>(tabs->tabBar()) : w)->setFocusPolicy(Qt::NoFocus);
    }
    if (label && r.room > 0) FitText(label, r.room);
}

} // namespace

FormParts BuildForm(QWidget* root, const FormTable& table) {
    FormParts parts;
    for (const FormRow& r : table.rows) {
        QWidget* parent = r.parent ? parts.Find(r.parent) : root;
        if (!parent) throw std::logic_error(std::string("no parent ") + r.parent + " for " + r.name);
        QWidget* w = Make(parent, r);
        Dress(w, r);
        parts.Add(r.name, w);
    }
    QWidget* previous = nullptr;
    for (const char* name : table.tabOrder) {
        if (!name) { // the next page's order
            previous = nullptr;
            continue;
        }
        QWidget* w = parts.Find(name);
        if (!w) throw std::logic_error(std::string("no component in the tab order: ") + name);
        if (previous) QWidget::setTabOrder(previous, w);
        previous = w;
    }
    // Every building of the class builds the same tables: each is kept once.
    auto& kept = Tables()[QString::fromLatin1(root->window()->metaObject()->className())];
    if (std::find(kept.begin(), kept.end(), &table) == kept.end()) kept.push_back(&table);
    return parts;
}

void ApplyEnglish(QWidget* root, const FormTable& table) {
    if (!IsEnglish()) return;
    std::vector<EnglishText> texts;
    std::vector<QByteArray> english;
    english.reserve(table.rows.size());
    for (const FormRow& r : table.rows)
        if (r.kind == PartKind::Note && !r.english.isNull()) {
            auto* note = root->findChild<QTextEdit*>(QLatin1String(r.name));
            if (!note) throw std::logic_error(std::string("no note ") + r.name);
            SetNoteLines(note, r.english.split(QLatin1Char('\n')));
        } else if (!r.english.isNull()) {
            english.push_back(r.english.toUtf8());
            texts.push_back({r.name, english.back().constData()});
        }
    ApplyTexts(root, texts);
    for (const FormRow& r : table.rows)
        if (r.fits && !r.english.isNull())
            if (QWidget* w = root->findChild<QWidget*>(QLatin1String(r.name))) w->adjustSize();
}

std::vector<const FormTable*> FormTablesOf(const QString& className) {
    return Tables().value(className);
}

const FormRow* FormRowOf(const QString& className, const QString& component) {
    for (const FormTable* t : FormTablesOf(className))
        for (const FormRow& r : t->rows)
            if (component == QLatin1String(r.name)) return &r;
    return nullptr;
}

} // namespace ui

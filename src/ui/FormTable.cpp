#include "ui/FormTable.h"

#include "ui/CalculatorPage.h"
#include "ui/Language.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>
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

FormRow FormRow::Font(const char* family, int pixels, bool boldFont) const {
    FormRow r = *this;
    r.fontFamily = family;
    r.fontPixels = pixels;
    r.bold = boldFont;
    return r;
}

FormRow FormRow::Bold() const {
    FormRow r = *this;
    r.bold = true;
    return r;
}

FormRow FormRow::Ink(const QColor& colour) const {
    FormRow r = *this;
    r.ink = colour;
    return r;
}

FormRow FormRow::Align(Qt::Alignment alignment) const {
    FormRow r = *this;
    r.align = alignment;
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

FormRow FormRow::Filled(const QColor& background) const {
    FormRow r = *this;
    r.colour = background;
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
FormRow Radio(const char* name, const char* parent, QRect at, const QString& french, const QString& english) {
    return Row(PartKind::Radio, name, parent, at, french, english);
}
FormRow Glyph(const char* name, const char* parent, QRect at, pictures::Drawing draw) {
    FormRow r = Row(PartKind::Glyph, name, parent, at);
    r.draw = std::move(draw);
    return r;
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
    case PartKind::Label: {
        QLabel* label = MakeLabel(parent, r.name, r.french, a.x(), a.y(), a.width(), a.height());
        if (r.room > 0) FitText(label, r.room);
        return label;
    }
    case PartKind::Echo: {
        QLabel* label = MakeCentredLabel(parent, r.name, a.x(), a.y(), a.width(), a.height());
        if (!r.french.isEmpty()) label->setText(r.french);
        return label;
    }
    case PartKind::Picture:
        return MakePicture(parent, r.name, r.draw, a.x(), a.y(), a.width(), a.height());
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
        return AddTabPage(tabs, r.name, r.french);
    }
    case PartKind::List:
        return MakeListBox(parent, r.name, a.x(), a.y(), a.width(), a.height());
    case PartKind::Radio: {
        auto* radio = new QRadioButton(r.french, parent);
        radio->setObjectName(QLatin1String(r.name));
        radio->setGeometry(a);
        return radio;
    }
    case PartKind::Glyph:
        return MakeGlyphButton(parent, r.name, r.draw, a.x(), a.y(), a.width(), a.height());
    case PartKind::Own: {
        QWidget* w = r.make(parent);
        w->setObjectName(QLatin1String(r.name));
        if (a.isValid()) w->setGeometry(a);
        return w;
    }
    }
    throw std::logic_error("unknown component kind");
}

// The modifiers, in the order the forms set them: font, size to the text, alignment, colours.
void Dress(QWidget* w, const FormRow& r) {
    if (r.fontFamily)
        w->setFont(FormFont(r.fontFamily, r.fontPixels, r.bold));
    else if (r.bold) {
        QFont f = w->font();
        f.setBold(true);
        w->setFont(f);
    }
    if (r.fits) w->adjustSize();
    if (r.align)
        if (auto* label = qobject_cast<QLabel*>(w)) label->setAlignment(r.align);
    if (r.ink.isValid()) SetTextColour(w, r.ink);
    if (r.colour.isValid() && r.kind != PartKind::Panel && r.kind != PartKind::Group)
        SetBackground(w, r.colour);
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
        if (!r.english.isNull()) {
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

#include "ui/Accessible.h"

#include "ui/FormTable.h"
#include "ui/Language.h"
#include "ui/Widgets.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <limits>

namespace ui {
namespace {

const char* const kResult = "ohmbrixResult";
// The name Describe gave a widget: a name set by the window's own code is left alone.
const char* const kGiven = "ohmbrixGivenName";
const char* const kFollowsUnit = "ohmbrixFollowsUnit";

std::function<void(QAccessibleEvent*)>& Watch() {
    static std::function<void(QAccessibleEvent*)> watch;
    return watch;
}

LegendSource& Legends() {
    static LegendSource source;
    return source;
}

QString ClassOf(const QWidget* window) {
    return QString::fromLatin1(window->metaObject()->className());
}

const FormRow* RowOf(const QWidget* window, const QWidget* part) {
    return part->objectName().isEmpty() ? nullptr : FormRowOf(ClassOf(window), part->objectName());
}

QWidget* Part(const QWidget* window, const char* name) {
    return window->findChild<QWidget*>(QLatin1String(name));
}

// A caption as a name: no trailing colon or equals sign, no blanks around it.
QString Cleaned(QString text) {
    text.remove(QLatin1Char('&'));
    text = text.simplified();
    while (!text.isEmpty() && (text.endsWith(QLatin1Char('=')) || text.endsWith(QLatin1Char(':'))))
        text = text.chopped(1).trimmed();
    return text;
}

bool IsCaption(const QWidget* w) {
    const auto* label = qobject_cast<const QLabel*>(w);
    return label && !IsResult(label) && !label->isHidden() && !label->text().trimmed().isEmpty() &&
           label->pixmap().isNull();
}

// The widget of the same parent closest on the left of `part` in its row, among those `accepts`.
QWidget* LeftOf(const QWidget* part, const std::function<bool(const QWidget*)>& accepts) {
    const QWidget* parent = part->parentWidget();
    if (!parent) return nullptr;
    const QRect at = part->geometry();
    QWidget* best = nullptr;
    for (QObject* o : parent->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w == part || w->isHidden() || !accepts(w)) continue;
        const QRect r = w->geometry();
        const bool sameRow = r.top() < at.bottom() - 2 && r.bottom() > at.top() + 2;
        if (!sameRow || r.right() > at.left() + 2 || at.left() - r.right() > 160) continue;
        if (!best || r.right() > best->geometry().right()) best = w;
    }
    return best;
}

// A caption just above `part`, over its left edge.
QWidget* Above(const QWidget* part) {
    const QWidget* parent = part->parentWidget();
    if (!parent) return nullptr;
    const QRect at = part->geometry();
    QWidget* best = nullptr;
    for (QObject* o : parent->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w == part || !IsCaption(w)) continue;
        const QRect r = w->geometry();
        const bool over = r.left() < at.right() && r.right() > at.left();
        if (!over || r.bottom() > at.top() + 2 || at.top() - r.bottom() > 24) continue;
        if (!best || r.bottom() > best->geometry().bottom()) best = w;
    }
    return best;
}

bool IsValueBox(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) && !qobject_cast<const QComboBox*>(w->parentWidget());
}

QString Unit(const QString& caption) {
    return Tr(QStringLiteral("Unité : ") + caption, caption + QStringLiteral(" unit"));
}

// What a unit list scales: the row's target, else the box or result on its left.
QWidget* ScaledBy(const QWidget* window, const QWidget* list) {
    if (const FormRow* r = RowOf(window, list); r && r->of) return Part(window, r->of);
    QWidget* left =
        LeftOf(list, [](const QWidget* w) { return IsCaption(w) || IsValueBox(w) || IsResult(w); });
    return left && !IsCaption(left) ? left : nullptr;
}

QString ResultName(const QWidget* window, const QWidget* result) {
    QString symbol = SymbolOf(window, result);
    if (symbol.isEmpty()) symbol = CaptionOf(window, result);
    const QString unit = UnitOf(window, result);
    if (symbol.isEmpty()) return unit;
    return unit.isEmpty() ? symbol : symbol + QStringLiteral(", ") + unit;
}

QString ListName(const QWidget* window, const QWidget* list) {
    if (QWidget* target = ScaledBy(window, list)) {
        const QString of = IsResult(target) ? SymbolOf(window, target) : QString();
        const QString caption = of.isEmpty() ? CaptionOf(window, target) : of;
        if (!caption.isEmpty()) return Unit(caption);
    }
    return CaptionOf(window, list);
}

QString ButtonName(const QAbstractButton* button) {
    const QString glyph = button->property("ohmbrixGlyph").toString();
    if (glyph == QLatin1String("reset")) return Tr(QStringLiteral("Effacer"), QStringLiteral("Reset"));
    if (glyph == QLatin1String("print")) return Tr(QStringLiteral("Impression"), QStringLiteral("Print"));
    if (button->text() == QLatin1String("="))
        return Tr(QStringLiteral("Calcul"), QStringLiteral("Calculate"));
    if (!Cleaned(button->text()).isEmpty()) return {};
    return button->toolTip();
}

QString Spoken(const FormRow* row) {
    if (!row || row->spoken.isEmpty()) return {};
    return IsEnglish() ? row->spokenEnglish : row->spoken;
}

// Sets the name unless the window's own code named the widget.
void Name(QWidget* w, const QString& name, const QString& description = {}) {
    const QString given = w->property(kGiven).toString();
    if (!w->accessibleName().isEmpty() && w->accessibleName() != given) return;
    if (name.isEmpty()) return;
    w->setAccessibleName(name);
    w->setProperty(kGiven, name);
    if (!description.isEmpty()) w->setAccessibleDescription(description);
}

// A label that emits clicked() under the hand cursor: a button to a screen reader, pressed as a
// click would press it.
class LabelButton : public QAccessibleWidget {
  public:
    explicit LabelButton(QLabel* label) : QAccessibleWidget(label, QAccessible::Button) {}
    QString text(QAccessible::Text t) const override {
        QString s = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && s.isEmpty()) s = static_cast<QLabel*>(widget())->text();
        return s;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            // Queued: a modal window it opens must not block the screen reader's call.
            QMetaObject::invokeMethod(widget(), "clicked", Qt::QueuedConnection);
        else
            QAccessibleWidget::doAction(action);
    }
};

// A result: named by its symbol and unit, its value the text shown.
class ResultLabel : public QAccessibleWidget {
  public:
    explicit ResultLabel(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        const QString shown = static_cast<QLabel*>(widget())->text();
        if (t == QAccessible::Value) return shown;
        QString s = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && s.isEmpty()) s = shown;
        return s;
    }
};

// A unit list: named as Describe names it (Qt names a drop-down on Linux by its current item and
// leaves the caption to a label relation these lists have none of), its value the unit chosen.
class UnitChoice : public QAccessibleWidget {
  public:
    explicit UnitChoice(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}
    QString text(QAccessible::Text t) const override {
        const QString chosen = static_cast<QComboBox*>(widget())->currentText();
        if (t == QAccessible::Value) return chosen;
        QString s = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && s.isEmpty()) s = chosen;
        return s;
    }
    QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction())
            static_cast<QComboBox*>(widget())->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* Factory(const QString& key, QObject* object) {
    // Asked once, at the object's own class.
    if (key != QLatin1String(object->metaObject()->className())) return nullptr;
    if (auto* list = qobject_cast<UnitList*>(object)) return new UnitChoice(list);
    auto* label = qobject_cast<QLabel*>(object);
    if (!label) return nullptr;
    if (IsResult(label)) return new ResultLabel(label);
    if (label->metaObject()->indexOfSignal("clicked()") >= 0 &&
        label->cursor().shape() == Qt::PointingHandCursor)
        return new LabelButton(label);
    return nullptr;
}

void InstallFactory() {
    static const bool installed = (QAccessible::installFactory(Factory), true);
    (void)installed;
}

} // namespace

void SetLegendSource(LegendSource source) {
    Legends() = std::move(source);
}

bool IsResult(const QWidget* w) {
    return w && w->property(kResult).toBool();
}

void MarkResult(QLabel* label) {
    label->setProperty(kResult, true);
}

QString CaptionOf(const QWidget* window, const QWidget* part) {
    for (const FormTable* t : FormTablesOf(ClassOf(window)))
        for (const FormRow& r : t->rows)
            if (r.of && r.kind == PartKind::Label && part->objectName() == QLatin1String(r.of))
                if (auto* label = qobject_cast<QLabel*>(Part(window, r.name))) return Cleaned(label->text());
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy() == part) return Cleaned(label->text());
    if (QWidget* left = LeftOf(part, IsCaption)) return Cleaned(static_cast<QLabel*>(left)->text());
    if (QWidget* above = Above(part)) return Cleaned(static_cast<QLabel*>(above)->text());
    return {};
}

QString SymbolOf(const QWidget* window, const QWidget* part) {
    if (const QString spoken = Spoken(RowOf(window, part)); !spoken.isEmpty()) return Cleaned(spoken);
    if (Legends() && !part->objectName().isEmpty())
        if (const auto legend = Legends()(ClassOf(window), part->objectName()))
            return Cleaned(legend->symbol);
    return {};
}

QString UnitOf(const QWidget* window, const QWidget* part) {
    const auto shown = [](const QWidget* unit) {
        if (auto* list = qobject_cast<const QComboBox*>(unit)) return list->currentText();
        if (auto* label = qobject_cast<const QLabel*>(unit)) return label->text();
        return QString();
    };
    for (const FormTable* t : FormTablesOf(ClassOf(window)))
        for (const FormRow& r : t->rows)
            if (r.of && r.kind == PartKind::Units && part->objectName() == QLatin1String(r.of))
                if (QWidget* list = Part(window, r.name)) return shown(list);
    if (Legends() && !part->objectName().isEmpty())
        if (const auto legend = Legends()(ClassOf(window), part->objectName())) {
            if (!legend->unitList.isEmpty())
                if (QWidget* unit = window->findChild<QWidget*>(legend->unitList))
                    return shown(unit).trimmed();
            return legend->fixedUnit.trimmed();
        }
    return {};
}

void Describe(QWidget* window) {
    InstallFactory();
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const FormRow* row = RowOf(window, w);
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (IsResult(label)) {
                Name(label, ResultName(window, label));
                continue;
            }
            if (row && row->kind == PartKind::Label && row->of)
                if (QWidget* box = Part(window, row->of)) label->setBuddy(box);
            const QString spoken = Spoken(row);
            if (!spoken.isEmpty())
                Name(label, spoken);
            else if (label->cursor().shape() == Qt::PointingHandCursor && label->text().isEmpty())
                Name(label, label->objectName()); // a picture button nothing names yet
        } else if (IsValueBox(w)) {
            QString caption = CaptionOf(window, w);
            const QString symbol = SymbolOf(window, w);
            if (caption.isEmpty()) caption = symbol;
            Name(w, caption, symbol != caption ? symbol : QString());
        } else if (auto* list = qobject_cast<QComboBox*>(w)) {
            Name(list, ListName(window, list));
            // A result's name says its unit: it follows the list.
            QWidget* target = ScaledBy(window, list);
            if (target && IsResult(target) && !list->property(kFollowsUnit).toBool()) {
                list->setProperty(kFollowsUnit, true);
                QObject::connect(list, &QComboBox::currentTextChanged, target,
                                 [window, target] { Name(target, ResultName(window, target)); });
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            Name(button, ButtonName(button));
        } else if (auto* bar = qobject_cast<QTabBar*>(w)) {
            Name(bar, Tr(QStringLiteral("Onglets"), QStringLiteral("Tabs")));
        } else if (auto* grid = qobject_cast<QTableWidget*>(w)) {
            Name(grid, window->windowTitle());
        }
    }
}

void AnnounceResult(QLabel* result) {
    QAccessibleValueChangeEvent event(result, result->text());
    if (Watch()) Watch()(&event);
    QAccessible::updateAccessibility(&event);
}

ScopedAnnouncementWatch::ScopedAnnouncementWatch(std::function<void(QAccessibleEvent*)> watch)
    : previous_(std::move(Watch())) {
    Watch() = std::move(watch);
}

ScopedAnnouncementWatch::~ScopedAnnouncementWatch() {
    Watch() = std::move(previous_);
}

} // namespace ui

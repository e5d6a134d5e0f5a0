#include "ui/Accessible.h"

#include "ui/FormTable.h"
#include "ui/Language.h"
#include "ui/Widgets.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <algorithm>
#include <map>

namespace ui {
namespace {

const char* const kResult = "ohmbrixResult";
// The name Describe gave a widget: a name set by the window's own code is left alone.
const char* const kGiven = "ohmbrixGivenName";
const char* const kFollowsUnit = "ohmbrixFollowsUnit";
const char* const kEntryLetter = "ohmbrixEntryLetter";

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

// The sibling of `part` that `accepts`, lies where `placed` allows (its place against part's) and
// scores highest on `nearness`.
template <class Accepts, class Placed, class Nearness>
QWidget* Nearest(const QWidget* part, Accepts accepts, Placed placed, Nearness nearness) {
    const QWidget* parent = part->parentWidget();
    if (!parent) return nullptr;
    const QRect at = part->geometry();
    QWidget* best = nullptr;
    for (QObject* o : parent->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w == part || !accepts(w) || !placed(w->geometry(), at)) continue;
        if (!best || nearness(w->geometry()) > nearness(best->geometry())) best = w;
    }
    return best;
}

bool SameRow(const QRect& r, const QRect& at) {
    return r.top() < at.bottom() - 2 && r.bottom() > at.top() + 2;
}

// The widget of the same parent closest on the left of `part` in its row, among those `accepts`.
QWidget* LeftOf(const QWidget* part, const std::function<bool(const QWidget*)>& accepts) {
    return Nearest(
        part, [&](const QWidget* w) { return !w->isHidden() && accepts(w); },
        [](const QRect& r, const QRect& at) {
            return SameRow(r, at) && r.right() <= at.left() + 2 && at.left() - r.right() <= 160;
        },
        [](const QRect& r) { return r.right(); });
}

// A caption on the right of a check or radio button without text of its own.
QWidget* RightOf(const QWidget* part) {
    return Nearest(
        part, IsCaption,
        [](const QRect& r, const QRect& at) {
            return SameRow(r, at) && r.left() >= at.right() - 2 && r.left() - at.right() <= 40;
        },
        [](const QRect& r) { return -r.left(); });
}

// A caption just above `part`, over its left edge.
QWidget* Above(const QWidget* part) {
    return Nearest(
        part, IsCaption,
        [](const QRect& r, const QRect& at) {
            return r.left() < at.right() && r.right() > at.left() && r.bottom() <= at.top() + 2 &&
                   at.top() - r.bottom() <= 24;
        },
        [](const QRect& r) { return r.bottom(); });
}

bool IsEntries(const QWidget* w) {
    return w->property("ohmbrixEntries").toBool();
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
        QString caption = of.isEmpty() ? CaptionOf(window, target) : of;
        if (caption.isEmpty()) caption = SymbolOf(window, target);
        if (!caption.isEmpty()) return Unit(caption);
    }
    const QString caption = CaptionOf(window, list);
    if (caption.isEmpty()) return list->toolTip();
    return qobject_cast<const UnitList*>(list) ? Unit(caption) : caption;
}

// The tab page caption of a widget's page, if it is on one.
QString PageCaption(const QWidget* w) {
    for (const QWidget* p = w; p && p->parentWidget(); p = p->parentWidget())
        for (QWidget* up = p->parentWidget(); up; up = up->parentWidget())
            if (auto* tabs = qobject_cast<QTabWidget*>(up)) {
                if (tabs->indexOf(const_cast<QWidget*>(p)) >= 0)
                    return Cleaned(tabs->tabText(tabs->indexOf(const_cast<QWidget*>(p))));
                break;
            }
    return {};
}

QString KindWord(const QWidget* w) {
    if (qobject_cast<const QLineEdit*>(w)) return Tr(QStringLiteral("saisie"), QStringLiteral("input"));
    if (qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractItemView*>(w))
        return Tr(QStringLiteral("liste"), QStringLiteral("list"));
    if (qobject_cast<const QLabel*>(w))
        return Tr(QStringLiteral("image bouton"), QStringLiteral("picture button"));
    if (qobject_cast<const QAbstractButton*>(w))
        return Tr(QStringLiteral("bouton"), QStringLiteral("button"));
    return Tr(QStringLiteral("zone"), QStringLiteral("area"));
}

// The last resort for a control nothing captions: where it is (its group, its tab, its window)
// and what it is, numbered in reading order among its kind there ("Valeur recherchée – saisie").
QString PlaceName(const QWidget* window, const QWidget* w) {
    const QWidget* context = window;
    QString where;
    for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
        if (auto* group = qobject_cast<const QGroupBox*>(p); group && !Cleaned(group->title()).isEmpty()) {
            context = group;
            where = Cleaned(group->title());
            break;
        }
    if (where.isEmpty()) {
        where = PageCaption(w);
        if (!where.isEmpty())
            for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
                if (qobject_cast<const QTabWidget*>(p->parentWidget() ? p->parentWidget()->parentWidget()
                                                                      : nullptr)) {
                    context = p;
                    break;
                }
    }
    if (where.isEmpty()) where = Cleaned(window->windowTitle());
    const QString kind = KindWord(w);
    std::vector<const QWidget*> same;
    for (const QWidget* o : context->findChildren<QWidget*>())
        if ((o->focusPolicy() & Qt::TabFocus) && KindWord(o) == kind && o->window() == w->window())
            same.push_back(o);
    std::stable_sort(same.begin(), same.end(), [window](const QWidget* a, const QWidget* b) {
        const QPoint pa = a->mapTo(window, QPoint()), pb = b->mapTo(window, QPoint());
        return std::make_pair(pa.y(), pa.x()) < std::make_pair(pb.y(), pb.x());
    });
    QString name = where + QStringLiteral(" – ") + kind;
    if (same.size() > 1)
        name += QLatin1Char(' ') + QString::number(std::find(same.begin(), same.end(), w) - same.begin() + 1);
    return name;
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
    // Its items, as Qt's own drop-down shows them: the popup's list.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(static_cast<QComboBox*>(widget())->view())
                          : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == static_cast<QComboBox*>(widget())->view() ? 0 : -1;
    }
    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction())
            static_cast<QComboBox*>(widget())->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* Factory(const QString& key, QObject* object) {
    // Asked once, at the object's own class.
    if (key != QLatin1String(object->metaObject()->className())) return nullptr;
    // Our own drop-down lists (unit lists, the memory device's quantity lists), not Qt's.
    if (auto* list = qobject_cast<QComboBox*>(object); list && !key.startsWith(QLatin1Char('Q')))
        return new UnitChoice(list);
    auto* label = qobject_cast<QLabel*>(object);
    if (!label) return nullptr;
    if (IsResult(label)) return new ResultLabel(label);
    if (label->metaObject()->indexOfSignal("clicked()") >= 0 &&
        label->cursor().shape() == Qt::PointingHandCursor)
        return new LabelButton(label);
    return nullptr;
}

} // namespace

void InstallFactory() {
    static const bool installed = (QAccessible::installFactory(Factory), true);
    (void)installed;
}

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
    if (auto* button = qobject_cast<const QAbstractButton*>(part); button && button->text().isEmpty())
        if (QWidget* right = RightOf(part)) return Cleaned(static_cast<QLabel*>(right)->text());
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

namespace {

// Two controls shown together under one name (two lists with one hint): numbered in reading order.
void Number(QWidget* window) {
    std::map<std::pair<const QWidget*, QString>, std::vector<QWidget*>> byName;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window || !(w->focusPolicy() & Qt::TabFocus)) continue;
        if (w->accessibleName().isEmpty() || w->accessibleName() != w->property(kGiven).toString()) continue;
        const QWidget* page = nullptr;
        for (const QWidget* p = w->parentWidget(); p && !page; p = p->parentWidget())
            if (p->parentWidget() && qobject_cast<const QTabWidget*>(p->parentWidget()->parentWidget()))
                page = p;
        byName[{page, w->accessibleName()}].push_back(w);
    }
    for (auto& [key, same] : byName) {
        if (same.size() < 2) continue;
        std::stable_sort(same.begin(), same.end(), [window](const QWidget* a, const QWidget* b) {
            const QPoint pa = a->mapTo(window, QPoint()), pb = b->mapTo(window, QPoint());
            return std::make_pair(pa.y(), pa.x()) < std::make_pair(pb.y(), pb.x());
        });
        for (std::size_t i = 0; i < same.size(); ++i)
            Name(same[i], key.second + QLatin1Char(' ') + QString::number(i + 1));
    }
}

} // namespace

void Describe(QWidget* window) {
    InstallFactory();
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window) continue; // a window the main window owns describes itself
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
                Name(label, label->toolTip().isEmpty() ? PlaceName(window, label) : label->toolTip());
        } else if (IsValueBox(w)) {
            QString caption = CaptionOf(window, w);
            const QString symbol = SymbolOf(window, w);
            const QString letter = w->property(kEntryLetter).toString();
            if (caption.isEmpty() && !letter.isEmpty())
                caption = Tr(QStringLiteral("Valeur de ") + letter, letter + QStringLiteral(" value"));
            if (caption.isEmpty()) caption = symbol;
            if (caption.isEmpty()) caption = PlaceName(window, w);
            Name(w, caption, symbol != caption ? symbol : QString());
        } else if (auto* list = qobject_cast<QComboBox*>(w)) {
            QString name = Spoken(row);
            if (name.isEmpty()) name = ListName(window, list);
            Name(list, name.isEmpty() ? PlaceName(window, list) : name);
            // A result's name says its unit: it follows the list.
            QWidget* target = ScaledBy(window, list);
            if (target && IsResult(target) && !list->property(kFollowsUnit).toBool()) {
                list->setProperty(kFollowsUnit, true);
                QObject::connect(list, &QComboBox::currentTextChanged, target,
                                 [window, target] { Name(target, ResultName(window, target)); });
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            QString name = ButtonName(button);
            if (name.isEmpty() && Cleaned(button->text()).isEmpty()) name = Spoken(row);
            if (name.isEmpty() && button->text().isEmpty()) name = CaptionOf(window, button);
            if (name.isEmpty() && button->text().isEmpty()) name = PlaceName(window, button);
            Name(button, name);
        } else if (auto* grid = qobject_cast<QTableWidget*>(w)) {
            Name(grid, window->windowTitle());
        } else if (auto* view = qobject_cast<QAbstractItemView*>(w)) {
            QString name = IsEntries(view)
                               ? Tr(QStringLiteral("Valeurs entrées"), QStringLiteral("Values entered"))
                               : Spoken(row);
            if (name.isEmpty()) name = view->toolTip();
            if (name.isEmpty()) name = CaptionOf(window, view);
            if (name.isEmpty()) name = PlaceName(window, view);
            Name(view, name);
        } else if ((w->focusPolicy() & Qt::TabFocus) && w->accessibleName().isEmpty() &&
                   qstrcmp(w->metaObject()->className(), "QWidget") != 0 && !qobject_cast<QTabWidget*>(w) &&
                   !qobject_cast<QTabBar*>(w)) { // Qt names a tab bar by its current tab
            const QString spoken = Spoken(row);  // a control of the window's own kind
            Name(w, spoken.isEmpty() ? PlaceName(window, w) : spoken);
        }
    }
    Number(window);
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

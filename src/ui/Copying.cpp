#include "ui/Copying.h"

#include "ui/Accessible.h"
#include "ui/Language.h"
#include "ui/Widgets.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <algorithm>
#include <set>

namespace ui {
namespace {

const char* const kEntries = "ohmbrixEntries";

bool IsEntries(const QWidget* w) {
    return w && w->property(kEntries).toBool();
}

// "f = 1 kHertz": the symbol (else the caption, else the component), the text as shown, the unit.
QString Line(const QWidget* window, const QWidget* part, const QString& shown) {
    QString name = SymbolOf(window, part);
    if (name.isEmpty()) name = CaptionOf(window, part);
    if (name.isEmpty()) name = part->objectName();
    const QString unit = UnitOf(window, part);
    return name + QStringLiteral(" = ") + shown + (unit.isEmpty() ? QString() : QLatin1Char(' ') + unit);
}

void ToClipboard(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

class CopyKeys : public QObject {
  public:
    explicit CopyKeys(QWidget* window) : QObject(window), window_(window) {
        setObjectName(QStringLiteral("CopyKeys"));
    }

    bool eventFilter(QObject* watched, QEvent* e) override {
        // A result is selectable while the mouse is over it or it holds the focus, and plain
        // otherwise: a selectable label draws its text through another layout, a pixel off in
        // some labels, so at rest it is drawn as before.
        if (auto* label = qobject_cast<QLabel*>(watched); label && IsResult(label)) {
            if (e->type() == QEvent::Enter && !label->text().isEmpty())
                label->setTextInteractionFlags(Qt::TextSelectableByMouse);
            else if ((e->type() == QEvent::Leave && !label->hasFocus()) || e->type() == QEvent::FocusOut)
                label->setTextInteractionFlags(Qt::NoTextInteraction);
        }
        if (e->type() != QEvent::KeyPress || !static_cast<QKeyEvent*>(e)->matches(QKeySequence::Copy))
            return false;
        // A selection in a box or a result is copied as the widget copies it.
        if (auto* box = qobject_cast<QLineEdit*>(watched); box && box->hasSelectedText()) return false;
        if (auto* label = qobject_cast<QLabel*>(watched); label && label->hasSelectedText()) return false;
        QString text;
        if (auto* grid = qobject_cast<QTableWidget*>(watched))
            text = GridText(grid);
        else if (auto* list = qobject_cast<QListWidget*>(watched); list && IsEntries(list))
            text = ListLines(list).join(QLatin1Char('\n'));
        else
            text = CopyLines(window_, false).join(QLatin1Char('\n'));
        if (text.isEmpty()) return false;
        ToClipboard(text);
        return true;
    }

  private:
    QWidget* window_;
};

bool CopiesOnItsOwn(const QWidget* window) {
    for (const QAction* action : window->findChildren<QAction*>()) {
        const auto* owner = qobject_cast<const QWidget*>(action->parent());
        if (owner && owner->window() != window) continue;
        if (action->shortcut() == QKeySequence(QKeySequence::Copy)) return true;
    }
    return false;
}

// The components shown with the window's current tab, in the window's focus order.
std::vector<QWidget*> Shown(const QWidget* window) {
    std::vector<QWidget*> parts;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w->window() == window && w->isVisibleTo(window)) parts.push_back(w);
    return parts;
}

QPoint At(const QWidget* window, const QWidget* w) {
    return w->mapTo(window, QPoint(0, 0));
}

} // namespace

QStringList CopyLines(const QWidget* window, bool all) {
    const std::vector<QWidget*> shown = Shown(window);
    QStringList lines;
    if (all) {
        // The inputs in the order the Tab key visits them.
        std::vector<QWidget*> inputs;
        for (QWidget* w : shown)
            if ((qobject_cast<ValueBox*>(w) && !static_cast<ValueBox*>(w)->text().isEmpty()) || IsEntries(w))
                inputs.push_back(w);
        std::vector<QWidget*> ordered;
        QWidget* first = const_cast<QWidget*>(window);
        for (QWidget* w = first->nextInFocusChain(); w && w != first; w = w->nextInFocusChain())
            if (std::find(inputs.begin(), inputs.end(), w) != inputs.end() &&
                std::find(ordered.begin(), ordered.end(), w) == ordered.end())
                ordered.push_back(w);
        for (QWidget* w : inputs) // outside the chain: last
            if (std::find(ordered.begin(), ordered.end(), w) == ordered.end()) ordered.push_back(w);
        for (QWidget* w : ordered) {
            if (auto* list = qobject_cast<QListWidget*>(w))
                lines += ListLines(list);
            else
                lines << Line(window, w, static_cast<ValueBox*>(w)->text());
        }
    }
    std::vector<QLabel*> results;
    for (QWidget* w : shown)
        if (IsResult(w) && !static_cast<QLabel*>(w)->text().isEmpty())
            results.push_back(static_cast<QLabel*>(w));
    std::stable_sort(results.begin(), results.end(), [window](const QLabel* a, const QLabel* b) {
        const QPoint pa = At(window, a), pb = At(window, b);
        return std::make_pair(pa.y(), pa.x()) < std::make_pair(pb.y(), pb.x());
    });
    for (const QLabel* r : results)
        lines << Line(window, r, r->text());
    return lines;
}

QString GridText(const QTableWidget* grid) {
    std::set<int> rows, columns;
    for (const QModelIndex& i : grid->selectionModel()->selectedIndexes()) {
        rows.insert(i.row());
        columns.insert(i.column());
    }
    const bool whole = rows.empty();
    if (!whole) { // the headings of what is selected
        rows.insert(0);
        columns.insert(0);
    }
    QStringList lines;
    for (int r = 0; r < grid->rowCount(); ++r) {
        if (!whole && !rows.count(r)) continue;
        QStringList cells;
        for (int c = 0; c < grid->columnCount(); ++c) {
            if (!whole && !columns.count(c)) continue;
            const QTableWidgetItem* item = grid->item(r, c);
            cells << (item ? item->text() : QString());
        }
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n'));
}

QStringList ListLines(const QListWidget* list) {
    QStringList lines;
    const QList<QListWidgetItem*> selected = list->selectedItems();
    for (int i = 0; i < list->count(); ++i)
        if (selected.isEmpty() || selected.contains(list->item(i))) lines << list->item(i)->text();
    return lines;
}

void MarkEntries(QListWidget* list) {
    list->setProperty(kEntries, true);
}

void InstallCopy(QWidget* window) {
    if (window->findChild<QObject*>(QStringLiteral("CopyKeys"), Qt::FindDirectChildrenOnly) ||
        CopiesOnItsOwn(window))
        return;
    auto* keys = new CopyKeys(window);
    window->installEventFilter(keys);
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window) continue; // a window the main window owns
        w->installEventFilter(keys);
        if (!IsResult(w)) continue;
        auto* result = static_cast<QLabel*>(w);
        auto* copy = new QAction(QStringLiteral("Copier"), result);
        copy->setObjectName(QStringLiteral("CopyAction"));
        auto* copyAll = new QAction(QStringLiteral("Copier tout"), result);
        copyAll->setObjectName(QStringLiteral("CopyAllAction"));
        QObject::connect(copy, &QAction::triggered, result,
                         [window] { ToClipboard(CopyLines(window, false).join(QLatin1Char('\n'))); });
        QObject::connect(copyAll, &QAction::triggered, result,
                         [window] { ToClipboard(CopyLines(window, true).join(QLatin1Char('\n'))); });
        result->addAction(copy);
        result->addAction(copyAll);
        result->setContextMenuPolicy(Qt::ActionsContextMenu);
    }
    CopyTexts(window);
}

void CopyTexts(QWidget* window) {
    for (QLabel* result : window->findChildren<QLabel*>()) {
        if (!IsResult(result) || result->window() != window) continue;
        if (auto* a = result->findChild<QAction*>(QStringLiteral("CopyAction"), Qt::FindDirectChildrenOnly))
            a->setText(Tr(QStringLiteral("Copier"), QStringLiteral("Copy")));
        if (auto* a =
                result->findChild<QAction*>(QStringLiteral("CopyAllAction"), Qt::FindDirectChildrenOnly))
            a->setText(Tr(QStringLiteral("Copier tout"), QStringLiteral("Copy all")));
    }
}

} // namespace ui

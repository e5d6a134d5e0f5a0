#pragma once
// Copying what a window shows as text: a calculator's results (and its inputs) one line each,
// "Xc = 159.1549 Ohms", as the window shows them; a grid's cells tab-separated with their
// headings; an entry list's lines.
#include <QStringList>

class QListWidget;
class QTableWidget;
class QWidget;

namespace ui {

// The result lines of what the window shows now (its current tab), after the input lines when
// `all`: the texts as shown, with their symbols and units.
QStringList CopyLines(const QWidget* window, bool all);
// The selected cells with their headings, or the whole grid when none is selected: rows of cells
// separated by tabs.
QString GridText(const QTableWidget* grid);
// The selected lines of a list, or all of them.
QStringList ListLines(const QListWidget* list);

// Ctrl+C (when no box or result holds a selection) and the results' context menus "Copier" /
// "Copier tout". Once per window; a window that copies with Ctrl+C on its own keeps its way.
void InstallCopy(QWidget* window);
// The menus' texts in the current language.
void CopyTexts(QWidget* window);

// A list whose lines are a calculator's inputs (an entry list).
void MarkEntries(QListWidget* list);

} // namespace ui

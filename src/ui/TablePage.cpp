#include "ui/TablePage.h"

#include "core/Regional.h"
#include "ui/Widgets.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableWidget>
#include <algorithm>

namespace ui {

QTableWidget* MakeGrid(QWidget* parent, const char* name, const GridLayout& layout) {
    // Sized before it has rows and columns: the headers then lay out their sections once, all
    // alike, instead of once per count and again per section.
    auto* grid = new QTableWidget(parent);
    grid->setObjectName(QLatin1String(name));
    grid->setGeometry(layout.x, layout.y, layout.width, layout.height);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setMinimumSectionSize(
        std::min(layout.columnWidth, grid->horizontalHeader()->minimumSectionSize()));
    grid->verticalHeader()->setMinimumSectionSize(
        std::min(layout.rowHeight, grid->verticalHeader()->minimumSectionSize()));
    grid->horizontalHeader()->setDefaultSectionSize(layout.columnWidth);
    grid->verticalHeader()->setDefaultSectionSize(layout.rowHeight);
    grid->setRowCount(layout.rows);
    grid->setColumnCount(layout.columns);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int r = 0; r < layout.rows; ++r) {
        for (int c = 0; c < layout.columns; ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (r == 0 || c == 0) {
                item->setBackground(layout.headings);
                QFont f = item->font();
                f.setBold(true);
                item->setFont(f);
            }
            grid->setItem(r, c, item);
        }
    }
    return grid;
}

QPushButton* FillWithGrid(QWidget* window, QTableWidget* grid) {
    auto* layout = new QHBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid);
    QPushButton* print = MakePrintButton(window, "BitBtn1", 1, 0, 41, 23);
    print->raise();
    return print;
}

void FillTable(QTableWidget* grid, const QString& corner, const Axis& down, const Axis& across,
               const std::function<long double(long double, long double)>& formula, Display cells) {
    const core::Separators& seps = core::CurrentSeparators();
    auto format = [&seps](long double v, Display d) {
        return core::FormatNumber(v, d.format, d.precision, d.digits, seps);
    };
    auto set = [grid](int r, int c, const QString& text) {
        if (QTableWidgetItem* item = grid->item(r, c)) item->setText(text);
    };
    grid->setUpdatesEnabled(false);
    set(0, 0, corner);
    for (std::size_t c = 0; c < across.values.size(); ++c)
        set(0, int(c + 1), format(across.values[c], across.display));
    core::FloatGuard guard;
    for (std::size_t r = 0; r < down.values.size(); ++r) {
        set(int(r + 1), 0, format(down.values[r], down.display));
        for (std::size_t c = 0; c < across.values.size(); ++c)
            set(int(r + 1), int(c + 1), format(formula(down.values[r], across.values[c]), cells));
    }
    grid->setUpdatesEnabled(true);
    guard.check();
}

} // namespace ui

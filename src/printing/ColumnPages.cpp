#include "printing/ColumnPages.h"

#include <QTableWidget>
#include <QWidget>
#include <algorithm>

namespace printing {

std::pair<int, int> ColumnPagesReport::PageColumns(int page, int columns) {
    const int values = std::max(0, columns - 1);
    const int perPage = (values + kPages - 1) / kPages;
    page = std::clamp(page, 1, kPages);
    const int first = 1 + (page - 1) * perPage;
    return {first, std::min(values, first + perPage - 1)};
}

void ColumnPagesReport::QuickRep1StartPage() {
    const auto* grid = Form() ? Form()->findChild<QTableWidget*>(QLatin1String(grid_)) : nullptr;
    if (!grid) return;
    const auto [first, last] = PageColumns(TablePage(), grid->columnCount());
    const auto heading = [grid](int column) {
        const QTableWidgetItem* item = grid->item(0, column);
        return item ? item->text() : QString();
    };
    SetTablePage(GridCells(grid, 1, grid->rowCount() - 1, first, last),
                 Caption(heading(first), heading(last)));
    SetFooterValue(QStringLiteral("Page %1 / %2").arg(std::clamp(TablePage(), 1, kPages)).arg(kPages));
}

} // namespace printing

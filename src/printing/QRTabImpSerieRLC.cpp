#include "printing/QRTabImpSerieRLC.h"

#include <QTableWidget>
#include <QWidget>
#include <algorithm>

TQRTabImpSerieRLC::TQRTabImpSerieRLC()
    : TableReport(QStringLiteral("Tableur de l'impédance en circuit série R et X"), true) {}

std::pair<int, int> TQRTabImpSerieRLC::PageColumns(int page, int columns) {
    // The value columns shared out over the pages, the first pages taking the odd one.
    const int values = std::max(0, columns - 1);
    const int perPage = (values + kPages - 1) / kPages;
    page = std::clamp(page, 1, kPages);
    const int first = 1 + (page - 1) * perPage;
    return {first, std::min(values, first + perPage - 1)};
}

void TQRTabImpSerieRLC::QuickRep1StartPage() {
    const auto* grid = Form() ? Form()->findChild<QTableWidget*>(QStringLiteral("StringGrid1")) : nullptr;
    if (!grid) return;
    const auto [first, last] = PageColumns(TablePage(), grid->columnCount());
    const auto heading = [grid](int column) {
        const QTableWidgetItem* item = grid->item(0, column);
        return item ? item->text() : QString();
    };
    SetTablePage(printing::GridCells(grid, 1, grid->rowCount() - 1, first, last),
                 QStringLiteral("Z = \u221A(R\u00B2 + X\u00B2) en Ohms, R de %1 à %2 Ohms")
                     .arg(heading(first), heading(last)));
    SetFooterValue(QStringLiteral("Page %1 / %2").arg(std::clamp(TablePage(), 1, kPages)).arg(kPages));
}

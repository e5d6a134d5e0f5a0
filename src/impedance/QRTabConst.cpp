#include "impedance/QRTabConst.h"
#include "printing/Preview.h"

#include <QTableWidget>
#include <QWidget>

void TimeConstantTableReport::QuickRep1StartPage() {
    QWidget* form = Form();
    if (!form) return;
    const auto* grid = form->findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
    std::vector<QStringList> rows =
        printing::GridCells(grid, 1, grid ? grid->rowCount() - 1 : 0, 1, grid ? grid->columnCount() - 1 : 0);
    // The corner says what the cells are, as the panel over it does on screen.
    if (!rows.empty() && !rows[0].isEmpty())
        rows[0][0] = printing::TextOf(form, "Label3") + QLatin1Char(' ') + printing::TextOf(form, "Label4");
    SetTablePage(rows,
                 printing::TextOf(form, "Label1") + QStringLiteral(" / ") + printing::TextOf(form, "Label2"));
}

OHMBRIX_REGISTER_REPORT(TQRTabConstRL, TFormTableurRL)
OHMBRIX_REGISTER_REPORT(TQRTabConstRC, TFormTableurRC)

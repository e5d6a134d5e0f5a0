#include "capacitance/QRTabReacCap.h"
#include "printing/Preview.h"

#include <QRadioButton>
#include <QTableWidget>
#include <QWidget>

TQRTabReacCap::TQRTabReacCap() : TableReport(QStringLiteral("Tableur de la réactance capacitive")) {}

void TQRTabReacCap::QuickRep1StartPage() {
    QWidget* form = Form();
    if (!form) return;
    QString range;
    for (const QRadioButton* choice : form->findChildren<QRadioButton*>())
        if (choice->isChecked()) range = choice->text() + QStringLiteral(" (Ohms)");
    const auto* grid = form->findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
    SetTablePage(
        printing::GridCells(grid, 1, grid ? grid->rowCount() - 1 : 0, 1, grid ? grid->columnCount() - 1 : 0),
        range);
}

OHMBRIX_REGISTER_REPORT(TQRTabReacCap, TFormTabReacCap)

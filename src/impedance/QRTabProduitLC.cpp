#include "impedance/QRTabProduitLC.h"
#include "printing/Preview.h"

#include <QTableWidget>
#include <QWidget>

TQRtabProduitLC::TQRtabProduitLC() : TableReport(QStringLiteral("Tableur du produit LC"), true) {}

void TQRtabProduitLC::QuickRep1StartPage() {
    QWidget* form = Form();
    if (!form) return;
    const auto* grid = form->findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
    if (!grid) return;
    auto cell = [grid](int r, int c) {
        const QTableWidgetItem* item = r < grid->rowCount() ? grid->item(r, c) : nullptr;
        return item ? item->text() : QString();
    };
    // The grid's corner cell is empty: its head is the panel over it.
    QStringList head{printing::TextOf(form, "Panel2"), cell(0, 1), cell(0, 2)};
    std::vector<QStringList> rows{head + head};
    const int first = (TablePage() == 2 ? kRowsPerPage : 0) + 1;
    for (int i = 0; i < kRowsPerBlock; ++i) {
        QStringList line;
        for (int block = 0; block < 2; ++block) {
            const int r = first + block * kRowsPerBlock + i;
            const bool inPage = r < first + kRowsPerPage;
            for (int c = 0; c < 3; ++c)
                line << (inPage ? cell(r, c) : QString());
        }
        rows.push_back(line);
    }
    SetTablePage(rows);
    SetFooterValue(QStringLiteral("Page %1").arg(TablePage() == 2 ? 2 : 1));
}

OHMBRIX_REGISTER_REPORT(TQRtabProduitLC, TFormIndCapProReso)

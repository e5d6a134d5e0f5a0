#include "inductance/QRTabReacInd.h"
#include "printing/Preview.h"
#include "printing/ReportTexts.h"

#include "printing/TablePages.h"

#include <QWidget>
#include <algorithm>

TQRTabReacInd::TQRTabReacInd() : TableReport(QStringLiteral("Tableur de la réactance inductive"), true) {}

void TQRTabReacInd::QuickRep1StartPage() {
    const auto* pages = dynamic_cast<const printing::TablePages*>(Form());
    if (!pages) return;
    const int page = std::clamp(TablePage(), 1, pages->TablePageCount());
    SetTablePage(pages->TablePageCells(page), pages->TablePageCaption(page));
    SetFooterValue(
        printing::ReportText(QStringLiteral("Page %1 de %2")).arg(page).arg(pages->TablePageCount()));
}

OHMBRIX_REGISTER_REPORT(TQRTabReacInd, TFormTableurInd)

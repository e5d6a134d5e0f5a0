#pragma once
// The LC product window's table on two pages: rows 1 to 80 and 81 to 159, each page in two
// blocks of 40 rows side by side so the numbers keep a readable size.
#include "printing/Layouts.h"

class TQRtabProduitLC : public printing::TableReport {
    Q_OBJECT
  public:
    TQRtabProduitLC();
    void QuickRep1StartPage() override;

    static constexpr int kRowsPerPage = 80;
    static constexpr int kRowsPerBlock = 40;
};

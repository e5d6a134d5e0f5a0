#pragma once
// The inductive reactance table's report: one range per page, as the page choice asks.
#include "printing/Layouts.h"

class TQRTabReacInd : public printing::TableReport {
    Q_OBJECT
  public:
    TQRTabReacInd();
    void QuickRep1StartPage() override;
};

#pragma once
// The capacitive reactance table's report: the grid of the range shown, as one table page.
#include "printing/Layouts.h"

class TQRTabReacCap : public printing::TableReport {
    Q_OBJECT
  public:
    TQRTabReacCap();
    void QuickRep1StartPage() override;
};

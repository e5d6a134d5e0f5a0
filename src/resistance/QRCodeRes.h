#pragma once
// The colour-code report: the chosen colours, the value and its tolerance range.
#include "printing/Layouts.h"

class TQRCodeRes : public printing::HeadingsReport {
    Q_OBJECT
  public:
    TQRCodeRes();
    void QuickRep1StartPage() override;
};

#pragma once
// The value-search report: the typed value and the colours of its rings.
#include "printing/Layouts.h"

class TQRValeurRec : public printing::HeadingsReport {
    Q_OBJECT
  public:
    TQRValeurRec();
    void QuickRep1StartPage() override;
};

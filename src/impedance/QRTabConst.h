#pragma once
// The RL and RC time constant tables' reports: the whole grid as one table page, under the text
// that names the resistances' unit.
#include "printing/Layouts.h"

class TimeConstantTableReport : public printing::TableReport {
    Q_OBJECT
  public:
    using TableReport::TableReport;
    void QuickRep1StartPage() override;
};

class TQRTabConstRL : public TimeConstantTableReport {
    Q_OBJECT
  public:
    TQRTabConstRL() : TimeConstantTableReport(QStringLiteral("Tableur de la constante de temp RL")) {}
};

class TQRTabConstRC : public TimeConstantTableReport {
    Q_OBJECT
  public:
    TQRTabConstRC() : TimeConstantTableReport(QStringLiteral("Tableur de la constante de temp RC")) {}
};

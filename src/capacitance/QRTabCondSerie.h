#pragma once
// The report of the table of two capacitors in series: a third of the grid's columns per page.
#include "printing/ColumnPages.h"
#include "printing/ReportTexts.h"

class TQRTabCondSerie : public printing::ColumnPagesReport {
    Q_OBJECT
  public:
    TQRTabCondSerie()
        : ColumnPagesReport(QStringLiteral("Tableur de deux condensateurs en série"), "StringGrid1") {}

  protected:
    QString Caption(const QString& first, const QString& last) const override {
        return printing::ReportText(
                   QStringLiteral("Ct = C1 \u00D7 C2 / (C1 + C2), dans l'unité des valeurs, C1 de %1 à %2"))
            .arg(first, last);
    }
};

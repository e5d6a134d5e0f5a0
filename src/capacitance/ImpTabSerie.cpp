#include "capacitance/ImpTabSerie.h"

#include "ui/Registry.h"

TFormImpTabserie::TFormImpTabserie(QWidget* parent)
    : PrintChoice(parent, QStringLiteral("TQRTabCondSerie"), {116, 31},
                  {{10, 8, 33, 17}, {42, 8, 33, 17}, {74, 8, 33, 17}}) {
    setObjectName(QStringLiteral("FormImpTabserie"));
}

OHMBRIX_REGISTER_WINDOW(TFormImpTabserie)

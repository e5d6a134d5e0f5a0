#include "impedance/ImpReacCap.h"

#include "ui/Registry.h"

TFormImpSerieRLC::TFormImpSerieRLC(QWidget* parent)
    : PrintChoice(parent, QStringLiteral("TQRTabImpSerieRLC"), {116, 31},
                  {{10, 8, 33, 17}, {42, 8, 33, 17}, {74, 8, 33, 17}}) {
    setObjectName(QStringLiteral("FormImpSerieRLC"));
}

OHMBRIX_REGISTER_WINDOW(TFormImpSerieRLC)

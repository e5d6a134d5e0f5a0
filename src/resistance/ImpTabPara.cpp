#include "resistance/ImpTabPara.h"

#include "ui/Registry.h"

TFormImpTabPara::TFormImpTabPara(QWidget* parent)
    : PrintChoice(parent, QStringLiteral("TQRTabResPara"), {116, 31},
                  {{10, 8, 33, 17}, {42, 8, 33, 17}, {74, 8, 33, 17}}) {
    setObjectName(QStringLiteral("FormImpTabPara"));
}

OHMBRIX_REGISTER_WINDOW(TFormImpTabPara)

#include "inductance/impReacInd.h"

#include "ui/Registry.h"

TFormImpReacInd::TFormImpReacInd(QWidget* parent)
    : PrintChoice(parent, QStringLiteral("TQRTabReacInd"), {115, 21}, {{8, 2, 41, 17}, {64, 2, 41, 17}}) {
    setObjectName(QStringLiteral("FormImpReacInd"));
}

OHMBRIX_REGISTER_WINDOW(TFormImpReacInd)

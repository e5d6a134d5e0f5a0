#include "inductance/impReacInd.h"

#include "ui/Registry.h"

namespace {

const ui::FormTable kForm{ui::form::PageChoice({115, 21}, {{8, 2, 41, 17}, {64, 2, 41, 17}}), {}};

} // namespace

TFormImpReacInd::TFormImpReacInd(QWidget* parent)
    : PrintChoice(parent, QStringLiteral("TQRTabReacInd"), {115, 21}) {
    setObjectName(QStringLiteral("FormImpReacInd"));
    Build(kForm);
}

OHMBRIX_REGISTER_WINDOW(TFormImpReacInd)

#include "impedance/ImpReacCap.h"

#include "ui/Registry.h"

namespace {

const ui::FormTable kForm{
    ui::form::PageChoice({116, 31}, {{10, 8, 33, 17}, {42, 8, 33, 17}, {74, 8, 33, 17}}), {}};

} // namespace

TFormImpSerieRLC::TFormImpSerieRLC(QWidget* parent)
    : PrintChoice(parent, QStringLiteral("TQRTabImpSerieRLC"), {116, 31}) {
    setObjectName(QStringLiteral("FormImpSerieRLC"));
    Build(kForm);
}

OHMBRIX_REGISTER_WINDOW(TFormImpSerieRLC)

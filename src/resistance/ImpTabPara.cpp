#include "resistance/ImpTabPara.h"

#include "ui/Registry.h"

namespace {

const ui::FormTable kForm{
    ui::form::PageChoice({116, 31}, {{10, 8, 33, 17}, {42, 8, 33, 17}, {74, 8, 33, 17}}), {}};

} // namespace

TFormImpTabPara::TFormImpTabPara(QWidget* parent)
    : PrintChoice(parent, QStringLiteral("TQRTabResPara"), {116, 31}) {
    setObjectName(QStringLiteral("FormImpTabPara"));
    Build(kForm);
}

OHMBRIX_REGISTER_WINDOW(TFormImpTabPara)

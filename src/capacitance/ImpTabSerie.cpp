#include "capacitance/ImpTabSerie.h"

#include "ui/Registry.h"

namespace {

const ui::FormTable kForm{
    ui::form::PageChoice({116, 31}, {{10, 8, 33, 17}, {42, 8, 33, 17}, {74, 8, 33, 17}}), {}};

} // namespace

TFormImpTabserie::TFormImpTabserie(QWidget* parent)
    : PrintChoice(parent, QStringLiteral("TQRTabCondSerie"), {116, 31}) {
    setObjectName(QStringLiteral("FormImpTabserie"));
    Build(kForm);
}

OHMBRIX_REGISTER_WINDOW(TFormImpTabserie)

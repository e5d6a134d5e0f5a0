#include "resistance/ImpTabPara.h"

#include "ui/Registry.h"

namespace {

using namespace ui::form;

const ui::FormTable kForm{{Panel("Panel1", nullptr, {0, 0, 116, 31}, ui::kSilver),
                           Button("Button1", "Panel1", {10, 8, 33, 17}, "P1"),
                           Button("Button2", "Panel1", {42, 8, 33, 17}, "P2"),
                           Button("Button3", "Panel1", {74, 8, 33, 17}, "P3")},
                          {}};

} // namespace

TFormImpTabPara::TFormImpTabPara(QWidget* parent)
    : PrintChoice(parent, QStringLiteral("TQRTabResPara"), {116, 31}) {
    setObjectName(QStringLiteral("FormImpTabPara"));
    Build(kForm);
}

OHMBRIX_REGISTER_WINDOW(TFormImpTabPara)

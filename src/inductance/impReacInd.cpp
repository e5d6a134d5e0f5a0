#include "inductance/impReacInd.h"

#include "ui/Registry.h"

namespace {

using namespace ui::form;

const ui::FormTable kForm{{Panel("Panel1", nullptr, {0, 0, 115, 21}, ui::kSilver),
                           Button("Button1", "Panel1", {8, 2, 41, 17}, "P1"),
                           Button("Button2", "Panel1", {64, 2, 41, 17}, "P2")},
                          {}};

} // namespace

TFormImpReacInd::TFormImpReacInd(QWidget* parent)
    : PrintChoice(parent, QStringLiteral("TQRTabReacInd"), {115, 21}) {
    setObjectName(QStringLiteral("FormImpReacInd"));
    Build(kForm);
}

OHMBRIX_REGISTER_WINDOW(TFormImpReacInd)

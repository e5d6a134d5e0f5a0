#include "printing/QRIndNoyauAir.h"

#include "app/Startup.h"
#include "ui/Window.h"

using printing::ValueWithUnit;

TQRIndNoyauAir::TQRIndNoyauAir()
    : CalculatorReport(
          QStringLiteral("Inductance d'une bobine à noyau d'air"),
          {{QStringLiteral("N ="), QStringLiteral("a ="), QStringLiteral("b =")}, {QStringLiteral("L =")}}) {}

void TQRIndNoyauAir::QuickRep1StartPage() {
    ui::Window* form = app::FindWindow("TBobineDair");
    if (!form) return;
    SetPicture(printing::SideBySide({printing::GrabOf(form, "Panel1"), printing::PictureOf(form, "Image2")}));
    SetInput(0, printing::TextOf(form, "EditN"));
    SetInput(1, ValueWithUnit(form, "EditA", "ComboBox1"));
    SetInput(2, ValueWithUnit(form, "Editb", "ComboBox2"));
    SetResult(0, ValueWithUnit(form, "Label8", "ComboBox3"));
}

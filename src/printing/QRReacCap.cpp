#include "printing/QRReacCap.h"

#include "app/Startup.h"
#include "ui/Window.h"

TQRReacCap::TQRReacCap()
    : CalculatorReport(QStringLiteral("Réactance capacitive"),
                       {{QStringLiteral("f ="), QStringLiteral("C =")}, {QStringLiteral("Xc =")}}) {}

void TQRReacCap::QuickRep1StartPage() {
    ui::Window* form = app::FindWindow("TFormReacCap");
    if (!form) return;
    // The circuit panel with its echoes, then the formula.
    SetPicture(printing::SideBySide({printing::GrabOf(form, "Panel2"), printing::PictureOf(form, "Image1")}));
    SetInput(0, printing::ValueWithUnit(form, "Edit1", "ComboBox1"));
    SetInput(1, printing::ValueWithUnit(form, "Edit2", "ComboBox2"));
    SetResult(0, printing::ValueWithUnit(form, "Label6", "ComboBox3"));
}

#include "printing/QRImpSerieRLC.h"

#include "app/Startup.h"
#include "ui/Window.h"

using printing::TextOf;
using printing::ValueWithUnit;

TQRImpSerieRLC::TQRImpSerieRLC()
    : CalculatorReport(QStringLiteral("Impédance en circuit série RLC"),
                       {{QStringLiteral("R ="), QStringLiteral("Xl ="), QStringLiteral("Xc =")},
                        {QStringLiteral("Z ="), QStringLiteral("Degrés =")}}) {}

void TQRImpSerieRLC::QuickRep1StartPage() {
    ui::Window* form = app::FindWindow("TFormSerieRLC");
    if (!form) return;
    SetPicture(printing::SideBySide(
        {printing::GrabOf(form, "Panel2"),
         printing::Stacked({printing::PictureOf(form, "Image2"), printing::PictureOf(form, "Image9")})}));
    // The reactance boxes are in ohms, as their captions say.
    auto ohms = [form](const char* box) {
        const QString text = TextOf(form, box);
        return text.isEmpty() ? text : text + QStringLiteral(" Ohms");
    };
    SetInput(0, ValueWithUnit(form, "Edit1", "ComboBox1"));
    SetInput(1, ohms("Edit2"));
    SetInput(2, ohms("Edit3"));
    SetResult(0, ValueWithUnit(form, "Label10", "Label11"));
    SetResult(1, TextOf(form, "Label12"));
}

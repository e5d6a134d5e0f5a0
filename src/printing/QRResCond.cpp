#include "printing/QRResCond.h"

#include "app/Startup.h"
#include "ui/Window.h"

using printing::TextOf;

namespace {
printing::CalculatorReport::Lines ConductorLines() {
    printing::CalculatorReport::Lines lines{{QStringLiteral("L = Longueur du conducteur (Mètres) :"),
                                             QStringLiteral("p = Type de conducteur (résistivité) :"),
                                             QStringLiteral("A = Numéro de jauge (AWG) :")},
                                            {QStringLiteral("R = Résistance du conducteur (Ohms) :")}};
    lines.pictureHeading = QStringLiteral("Formule:");
    lines.pictureBesideHeading = true;
    lines.valueLeft = 344;
    return lines;
}
} // namespace

TQRResCond::TQRResCond() : CalculatorReport(QStringLiteral("Résistance du conducteur"), ConductorLines()) {}

void TQRResCond::QuickRep1StartPage() {
    ui::Window* form = app::FindWindow("TFormResConduc");
    if (!form) return;
    SetPicture(printing::PictureOf(form, "Image1"));
    SetInput(0, TextOf(form, "Edit1"));
    SetInput(1, TextOf(form, "ComboBox1"));
    SetInput(2, TextOf(form, "ComboBox2"));
    SetResult(0, TextOf(form, "Label6"));
}

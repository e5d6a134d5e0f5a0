#include "resistance/QREia.h"
#include "printing/Preview.h"

#include <QWidget>

TQREia::TQREia() {
    SetTitle(QStringLiteral("Standard de EIA"), printing::ReportFont("Arial", 27), 8);
    picture_ = AddImage(TitleBand(), 0, 64);
    picture_->SetCentred(true);
}

void TQREia::QuickRep1StartPage() {
    QWidget* form = Form();
    if (!form) return;
    picture_->SetPicture(
        printing::Stacked({printing::GrabOf(form, "Label15"), printing::GrabOf(form, "GroupBox4"),
                           printing::GrabOf(form, "GroupBox5"), printing::GrabOf(form, "GroupBox6")}));
}

OHMBRIX_REGISTER_REPORT(TQREia, TFormCodeRes)

#include "ohmslaw/QRMemory.h"
#include "printing/Preview.h"

#include <QWidget>

using printing::ReportFont;
using printing::TextOf;

TQRMemory::TQRMemory() {
    const QFont heading = ReportFont("Arial", 15, true);
    // The title is the quantity the formula gives, filled at print time.
    SetTitle(QString(), ReportFont("Arial", 27), 8, 77);
    AddLabel(TitleBand(), QStringLiteral("Unité de mesure:"), 80, 72, heading);
    unit_ = AddLabel(TitleBand(), QString(), 216, 72);
    AddLabel(TitleBand(), QStringLiteral("Formule:"), 80, 112, heading);
    formula_ = AddImage(TitleBand(), 152, 112);
    AddLabel(TitleBand(), QStringLiteral("Valeurs saisie:"), 80, 187, heading);
    first_ = AddLabel(TitleBand(), QString(), 80, 219);
    second_ = AddLabel(TitleBand(), QString(), 80, 243);
    AddLabel(TitleBand(), QStringLiteral("Résultat:"), 80, 286, heading);
    result_ = AddLabel(TitleBand(), QString(), 80, 318);
}

void TQRMemory::QuickRep1StartPage() {
    QWidget* form = Form();
    if (!form) return;
    Title()->SetCaption(TextOf(form, "LabelPuis"));
    unit_->SetCaption(TextOf(form, "LabelUnite"));
    // "P =" and the formula, as the window shows them.
    formula_->SetPicture(printing::GrabOf(form, "Panel8"));
    auto line = [form](const char* name, const char* box, const char* list) {
        const QString value = printing::ValueWithUnit(form, box, list);
        return value.isEmpty() ? TextOf(form, name) : TextOf(form, name) + QStringLiteral(" ") + value;
    };
    first_->SetCaption(line("Label1a", "Edit2", "ComboBox2"));
    second_->SetCaption(line("Label1b", "Edit1", "ComboBox1"));
    result_->SetCaption(line("LabelEgale", "LabelAnswer", "ComboBox3"));
}

OHMBRIX_REGISTER_REPORT(TQRMemory, TAboutBox)

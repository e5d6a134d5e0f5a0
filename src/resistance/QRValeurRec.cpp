#include "resistance/QRValeurRec.h"
#include "printing/Preview.h"

#include <QWidget>

using printing::TextOf;

TQRValeurRec::TQRValeurRec()
    : HeadingsReport(QStringLiteral("Valeur recherchée"),
                     {QStringLiteral("Valeur saisie:"), QStringLiteral("Résultat:")}) {}

void TQRValeurRec::QuickRep1StartPage() {
    QWidget* form = Form();
    if (!form) return;
    SetValue(0, printing::ValueWithUnit(form, "Edit1", "ComboBox2"));
    // The rings in order: the digits' colours (the third only with five rings), multiplier, tolerance.
    QStringList rings;
    for (const char* name : {"Label17", "Label18", "Label19", "Label20", "Label21"}) {
        QWidget* w = form->findChild<QWidget*>(QLatin1String(name));
        if (w && w->isVisibleTo(w->parentWidget()) && !TextOf(form, name).isEmpty())
            rings << TextOf(form, name);
    }
    SetValue(1, rings.size() > 1 ? rings.join(QStringLiteral(" - ")) : QString());
}

OHMBRIX_REGISTER_REPORT(TQRValeurRec, TFormCodeRes)

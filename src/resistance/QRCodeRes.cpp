#include "resistance/QRCodeRes.h"
#include "printing/Preview.h"

#include <QWidget>

using printing::TextOf;

TQRCodeRes::TQRCodeRes()
    : HeadingsReport(
          QStringLiteral("Code de la résistance"),
          {QStringLiteral("Couleurs choisie:"), QStringLiteral("Résultat:"), QStringLiteral("Tolérance:")}) {}

void TQRCodeRes::QuickRep1StartPage() {
    QWidget* form = Form();
    if (!form) return;
    QStringList colours;
    for (const char* list : {"ListBox1", "ListBox2", "ListBox5", "ListBox3", "ListBox4"}) {
        QWidget* w = form->findChild<QWidget*>(QLatin1String(list));
        // The third digit counts only with five rings.
        if (w && w->isVisibleTo(w->parentWidget()) && !TextOf(form, list).isEmpty())
            colours << TextOf(form, list);
    }
    SetValue(0, colours.join(QStringLiteral(" - ")));
    SetValue(1, printing::ValueWithUnit(form, "Label1", "ComboBox1"));
    const QString low = TextOf(form, "Label2");
    const QString high = TextOf(form, "Label3");
    SetValue(2, low.isEmpty() && high.isEmpty()
                    ? QString()
                    : low + QLatin1Char(' ') + TextOf(form, "Label4") + QLatin1Char(' ') + high);
}

OHMBRIX_REGISTER_REPORT(TQRCodeRes, TFormCodeRes)

#include "resistance/StandardValuesReport.h"

#include "printing/Layouts.h"
#include "printing/Preview.h"
#include "ui/Language.h"

#include <QWidget>

using printing::TextOf;

namespace resistance {

QStringList StandardValuesLines(QWidget* form) {
    const QString colon = ui::Tr(QStringLiteral(" : "), QStringLiteral(": "));
    auto text = [form](const char* name) { return TextOf(form, name); };
    QStringList lines;
    lines << text("Label1") + QLatin1Char(' ') + printing::ValueWithUnit(form, "ValueBox", "UnitList") +
                 QStringLiteral("    ") + text("Label2") + QLatin1Char(' ') + text("SeriesList");
    if (!text("MessageLabel").isEmpty()) lines << text("MessageLabel");
    if (text("NearestLabel").isEmpty()) return lines;
    const char* const neighbours[][3] = {{"Label3", "NearestLabel", "ErrorLabelNearest"},
                                         {"Label4", "BelowLabel", "ErrorLabelBelow"},
                                         {"Label5", "AboveLabel", "ErrorLabelAbove"}};
    for (const auto& row : neighbours)
        lines << text(row[0]) + colon + text(row[1]) + QStringLiteral(" (") + text(row[2]) + QLatin1Char(')');
    lines << text("Label6") + colon + text("ToleranceLabel");
    lines << text("Label7") + colon + text("RangeLabel");
    if (!text("RingsLabel").isEmpty()) {
        lines << text("Label8") + colon + text("RingsLabel");
        lines << text("Label9") + colon + text("SmdLabel") + QStringLiteral("    ") + text("Label10") +
                     colon + text("EiaLabel");
    }
    for (const auto& [heading, prefix] :
         {std::pair{"Label12", "TwoPart"}, std::pair{"Label13", "ThreePart"}}) {
        lines << text(heading) + ui::Tr(QStringLiteral(" :"), QStringLiteral(":"));
        for (int i = 1; i <= 5; ++i) {
            const QByteArray n = QByteArray::number(i), p(prefix);
            const QString parts = text((p + "Label" + n).constData());
            if (parts.isEmpty()) continue;
            lines << QStringLiteral("  ") + parts + QLatin1Char(' ') +
                         text((p + "ValueLabel" + n).constData()) + QStringLiteral(" (") +
                         text((p + "ErrorLabel" + n).constData()) + QLatin1Char(')');
        }
    }
    return lines;
}

} // namespace resistance

TQRStandardValues::TQRStandardValues() {
    SetTitle(ui::Tr(QStringLiteral("Valeurs normalisées"), QStringLiteral("Standard values")),
             printing::ReportFont("Arial", 27), 8);
    rings_ = AddImage(TitleBand(), 0, 64);
    rings_->SetCentred(true);
    lines_ = AddMemo(TitleBand(), 40, 150, printing::ContentWidth() - 80, 700);
}

void TQRStandardValues::QuickRep1StartPage() {
    QWidget* form = Form();
    if (!form) return;
    rings_->SetPicture(printing::PictureOf(form, "RingsImage"));
    lines_->SetLines(resistance::StandardValuesLines(form));
}

OHMBRIX_REGISTER_REPORT(TQRStandardValues, TFormStandardValues)

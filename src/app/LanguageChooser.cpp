#include "app/LanguageChooser.h"

#include "pictures/Logo.h"
#include "ui/Widgets.h"

#include <QDialog>
#include <QRadioButton>

namespace app {
namespace {

// Its own class, which names its stored picture.
class TFormLangue : public QDialog {
    Q_OBJECT
  public:
    explicit TFormLangue(const QLocale& regional) {
        setObjectName(QStringLiteral("FormLangue"));
        setWindowTitle(QStringLiteral("Ohmbrix"));
        setFixedSize(260, 200);
        ui::MakePicture(
            this, "Image1", [] { return pictures::LanguagePicture(QSize(244, 96)); }, 8, 8, 244, 96);
        auto* english = new QRadioButton(QStringLiteral("ENGLISH"), this);
        english->setObjectName(QStringLiteral("RadioButton1"));
        english->setGeometry(40, 116, 100, 20);
        auto* french = new QRadioButton(QStringLiteral("FRANÇAIS"), this);
        french->setObjectName(QStringLiteral("RadioButton2"));
        french->setGeometry(140, 116, 100, 20);
        (regional.language() == QLocale::French ? french : english)->setChecked(true);
        QPushButton* ok = ui::MakeButton(this, "Button1", QStringLiteral("OK"), 92, 156, 75, 25);
        ok->setDefault(true);
        QObject::connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    }
};

} // namespace

std::unique_ptr<QDialog> MakeLanguageChooser(const QLocale& regional) {
    return std::make_unique<TFormLangue>(regional);
}

std::optional<QString> ChooseLanguage() {
    const std::unique_ptr<QDialog> chooser = MakeLanguageChooser();
    if (chooser->exec() != QDialog::Accepted) return std::nullopt;
    const auto* english = chooser->findChild<QRadioButton*>(QStringLiteral("RadioButton1"));
    return english->isChecked() ? QStringLiteral("*") : QStringLiteral("F");
}

} // namespace app

#include "LanguageChooser.moc"

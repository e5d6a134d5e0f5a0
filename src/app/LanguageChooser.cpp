#include "app/LanguageChooser.h"

#include "pictures/Logo.h"
#include "ui/Widgets.h"

#include <QDialog>
#include <QRadioButton>

namespace app {

std::optional<QString> ChooseLanguage() {
    QDialog chooser;
    chooser.setObjectName(QStringLiteral("FormLangue"));
    chooser.setWindowTitle(QStringLiteral("Ohmbrix"));
    chooser.setFixedSize(260, 200);
    ui::MakePicture(&chooser, "Image1", pictures::LanguagePicture(QSize(244, 96)), 8, 8, 244, 96);
    auto* english = new QRadioButton(QStringLiteral("ENGLISH"), &chooser);
    english->setObjectName(QStringLiteral("RadioButton1"));
    english->setGeometry(40, 116, 100, 20);
    english->setChecked(true);
    auto* french = new QRadioButton(QStringLiteral("FRANÇAIS"), &chooser);
    french->setObjectName(QStringLiteral("RadioButton2"));
    french->setGeometry(140, 116, 100, 20);
    QPushButton* ok = ui::MakeButton(&chooser, "Button1", QStringLiteral("OK"), 92, 156, 75, 25);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &chooser, &QDialog::accept);
    if (chooser.exec() != QDialog::Accepted) return std::nullopt;
    return english->isChecked() ? QStringLiteral("*") : QStringLiteral("F");
}

} // namespace app

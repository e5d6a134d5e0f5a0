#include "app/APropos.h"

#include "pictures/Logo.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Messages.h"
#include "ui/Registry.h"
#include "ui/Widgets.h"

#include <QWindow>

TFormAPropos::TFormAPropos(QWidget* parent) : ui::Window(parent) {
    setObjectName(QStringLiteral("FormAPropos"));
    SetForm(QStringLiteral("A Propos"), 216, 183, Qt::black);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    ui::MakePicture(this, "Image1", pictures::MakerLogo, 8, 8, 201, 81);

    auto font = [](const char* family, int pixels, bool underline = false) {
        QFont f = ui::FormFont(family, pixels);
        f.setUnderline(underline);
        return f;
    };
    QLabel* name = ui::MakeLabel(this, "Label4", QStringLiteral("Ohmbrix "), 16, 16);
    name->setFont(font("MS Serif", 13));
    name->adjustSize();
    ui::SetTextColour(name, ui::kYellow);
    QLabel* by = ui::MakeLabel(this, "Label3", QStringLiteral("Produit par"), 15, 40);
    by->setFont(font("Arial", 11));
    by->adjustSize();
    ui::SetTextColour(by, Qt::white);

    QLabel* version = ui::MakeLabel(this, "Label1", QStringLiteral("Version 2.0"), 48, 96, 121, 25);
    version->setFont(font("MS Serif", 16));
    version->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    ui::SetTextColour(version, Qt::green);

    auto* web = new ui::PictureLabel(this);
    web->setObjectName(QStringLiteral("Label5"));
    web->setText(ui::MakerUrl().host());
    web->setGeometry(48, 128, 121, 16);
    web->setFont(font("MS Sans Serif", 11, true));
    web->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    web->setCursor(Qt::PointingHandCursor);
    ui::SetTextColour(web, QColor(0x40, 0x80, 0xFF));
    ui::On(web, &ui::PictureLabel::clicked, this, [this] { Label5Click(); });

    QLabel* notice = ui::MakeLabel(this, "Label2", QStringLiteral("© 2026 Kelmora"), 48, 152, 121, 25);
    notice->setFont(font("MS Sans Serif", 13));
    notice->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    ui::SetTextColour(notice, QColor(0x40, 0x40, 0xC0));
}

void TFormAPropos::FormActivate() {
    if (!ui::IsEnglish()) return;
    setWindowTitle(QString());
    // The platform shows the program's name for an empty title; the form's title bar reads nothing.
    if (QWindow* shown = windowHandle()) shown->setTitle(QStringLiteral(" "));
    findChild<QLabel*>(QStringLiteral("Label4"))->setText(QStringLiteral("Ohmbrix"));
    QLabel* by = findChild<QLabel*>(QStringLiteral("Label3"));
    by->setText(QStringLiteral("Produced by"));
    by->adjustSize();
}

void TFormAPropos::Label5Click() {
    ui::OpenUrl(this, ui::MakerUrl());
}

OHMBRIX_REGISTER_WINDOW(TFormAPropos)

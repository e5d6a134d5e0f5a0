#include "app/APropos.h"

#include "pictures/Logo.h"
#include "ui/FormTable.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Messages.h"
#include "ui/Registry.h"
#include "ui/Widgets.h"

#include <QWindow>

namespace {

namespace form = ui::form;

ui::PictureLabel* MakeWebLink(QWidget* parent) {
    auto* web = new ui::PictureLabel(parent);
    web->setText(ui::MakerUrl().host());
    web->setCursor(Qt::PointingHandCursor);
    QFont font = ui::FormFont("MS Sans Serif", 11);
    font.setUnderline(true); // a link
    web->setFont(font);
    return web;
}

const ui::FormTable kForm{
    {form::Picture("Image1", nullptr, {8, 8, 201, 81}, pictures::MakerLogo)
         .Says("Logo de Kelmora", "Kelmora logo"),
     form::Label("Label4", nullptr, {16, 16, 0, 0}, QStringLiteral("Ohmbrix "), QStringLiteral("Ohmbrix"))
         .Font("MS Serif", 13)
         .FitsText()
         .Ink(ui::kYellow),
     form::Label("Label3", nullptr, {15, 40, 0, 0}, QStringLiteral("Produit par"),
                 QStringLiteral("Produced by"))
         .Font("Arial", 11)
         .FitsText()
         .Ink(Qt::white),
     form::Label("Label1", nullptr, {48, 96, 121, 25}, QStringLiteral("Version 2.0"))
         .Font("MS Serif", 16)
         .Align(Qt::AlignHCenter | Qt::AlignTop)
         .Ink(Qt::green),
     form::Own("Label5", nullptr, {48, 128, 121, 16}, MakeWebLink)
         .Align(Qt::AlignHCenter | Qt::AlignTop)
         .Ink(QColor(0x40, 0x80, 0xFF)),
     form::Label("Label2", nullptr, {48, 152, 121, 25}, QStringLiteral("© 2026 Kelmora"))
         .Font("MS Sans Serif", 13)
         .Align(Qt::AlignHCenter | Qt::AlignTop)
         .Ink(QColor(0x40, 0x40, 0xC0))},
    {}};

} // namespace

TFormAPropos::TFormAPropos(QWidget* parent) : ui::Window(parent) {
    setObjectName(QStringLiteral("FormAPropos"));
    SetForm(QStringLiteral("A Propos"), 216, 183, Qt::black);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    const ui::FormParts parts = ui::BuildForm(this, kForm);
    ui::On(parts.Get<ui::PictureLabel>("Label5"), &ui::PictureLabel::clicked, this,
           [this] { Label5Click(); });
}

void TFormAPropos::FormActivate() {
    if (!ui::IsEnglish()) return;
    setWindowTitle(QString());
    // The platform shows the program's name for an empty title; the form's title bar reads nothing.
    if (QWindow* shown = windowHandle()) shown->setTitle(QStringLiteral(" "));
    ui::ApplyEnglish(this, kForm);
}

void TFormAPropos::Label5Click() {
    ui::OpenUrl(this, ui::MakerUrl());
}

OHMBRIX_REGISTER_WINDOW(TFormAPropos)

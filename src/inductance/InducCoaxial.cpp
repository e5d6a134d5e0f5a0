#include "inductance/InducCoaxial.h"
#include "printing/ReportRows.h"
#include "ui/Registry.h"

#include "formulas/Inductors.h"
#include "pictures/Glyphs.h"
#include "pictures/inductance/InducCoaxialPictures.h"
#include "printing/Preview.h"
#include "ui/CalculatorPage.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QFrame>

using Op = ui::UnitList::Op;

namespace {

const QColor kLime{0x00, 0xFF, 0x00};

// A fixed unit beside a box.
QLabel* MakeUnitLabel(QWidget* parent, const char* name, const QString& text, int x, int y) {
    QLabel* label = ui::MakeCentredLabel(parent, name, x, y, 41, 17);
    label->setText(text);
    ui::SetBackground(label, kLime);
    return label;
}

// The form's long captions, in a type small enough for them to fit the form's widths.
QLabel* MakeCaption(QWidget* parent, const char* name, const QString& text, int x, int y, int w) {
    QLabel* label = ui::MakeLabel(parent, name, text, x, y, w, 13);
    QFont f = label->font();
    f.setPixelSize(10);
    label->setFont(f);
    return label;
}

} // namespace

TIndCoaxial::TIndCoaxial(QWidget* parent) : ui::Window(parent) {
    setObjectName(QStringLiteral("IndCoaxial"));
    SetForm(QStringLiteral("Calcul de l'inductance d'un câble coaxial"), 551, 308, ui::kSilver);

    QFrame* cable = ui::MakePanel(this, "Panel1", 8, 6, 249, 137, ui::kYellow);
    ui::MakePicture(cable, "Image1", pictures::CoaxialCablePicture, 40, 8, 161, 121);

    QFrame* legend = ui::MakePanel(this, "Panel2", 8, 150, 249, 153, ui::kSilver);
    ui::MakePicture(legend, "Image2", pictures::CoaxialCableFormula, 45, 8, 161, 49);
    ui::MakePicture(
        legend, "Image3",
        [=] {
            return pictures::LegendSymbol(QStringLiteral("l ="), {33, 17});
        },
        4, 56, 33, 17);
    ui::MakePicture(
        legend, "Image4",
        [=] {
            return pictures::LegendSymbol(QStringLiteral("D ="), {33, 17});
        },
        4, 80, 33, 17);
    ui::MakePicture(
        legend, "Image5",
        [=] {
            return pictures::LegendSymbol(QStringLiteral("d ="), {32, 17});
        },
        4, 100, 32, 25);
    ui::MakePicture(
        legend, "Image6",
        [=] {
            return pictures::LegendSymbol(QStringLiteral("L ="), {33, 17});
        },
        4, 128, 33, 17);
    MakeCaption(legend, "Label1", QStringLiteral("Longueur du conducteur, en mètres"), 40, 58, 206);
    MakeCaption(legend, "Label2", QStringLiteral("Diamètre intérieur du conducteur, en mètres"), 40, 82, 206);
    MakeCaption(legend, "Label3", QStringLiteral("Diamètre du conducteur intérieur, en mètres"), 40, 104,
                206);
    MakeCaption(legend, "Label4", QStringLiteral("Inductance en microhenrys"), 40, 130, 206);

    QFrame* calc = ui::MakePanel(this, "Panel3", 264, 6, 281, 297, ui::kSilver);
    MakeCaption(calc, "Label6", QStringLiteral("Longueur du conducteur en mètres (l)"), 3, 27, 180);
    MakeCaption(calc, "Label7", QStringLiteral("Diamètre intérieur du conducteur"), 3, 48, 180);
    MakeCaption(calc, "Label9", QStringLiteral("extérieur (D) (en mm)"), 3, 60, 180);
    MakeCaption(calc, "Label8", QStringLiteral("Diamètre du conducteur intérieur (d)"), 3, 88, 180);
    MakeCaption(calc, "Label12", QStringLiteral("(en mm)"), 3, 100, 180);
    editLength_ = ui::MakeValueBox(calc, "Editl", 184, 24, 49, 19);
    MakeUnitLabel(calc, "Label13", QStringLiteral("mètres"), 232, 25);
    editOuter_ = ui::MakeValueBox(calc, "EditD", 184, 48, 49, 19);
    MakeUnitLabel(calc, "Label10", QStringLiteral("mm"), 232, 49);
    editInner_ = ui::MakeValueBox(calc, "EditDm", 184, 88, 49, 19);
    MakeUnitLabel(calc, "Label11", QStringLiteral("mm"), 232, 89);

    ui::MakePicture(
        calc, "Image7",
        [=] {
            return pictures::LegendSymbol(QStringLiteral("L ="), {33, 17});
        },
        24, 136, 33, 17);
    result_ = ui::MakeResultLabel(calc, "Label5", 56, 136, 153, 17);
    ui::SetBackground(result_, ui::kNavy); // the active-caption colour
    QFont resultFont = result_->font();
    resultFont.setPixelSize(13);
    result_->setFont(resultFont);
    inductanceUnit_ = ui::MakeUnitList(calc, "ComboBox3", 210, 134, 60,
                                       {{QStringLiteral("uH"), Op::Divide, 1.0L},
                                        {QStringLiteral("mH"), Op::Divide, 1000.0L},
                                        {QStringLiteral("H"), Op::Divide, 1000000.0L}});
    twoDigits_ = ui::MakeCheckBox(calc, "CheckBox1", QStringLiteral("2 Digit"), 210, 160, 62, 17);

    QPushButton* reset = ui::MakeResetButton(calc, "BitBtn1", 48, 208, 33, 25);
    QPushButton* equals = ui::MakeEqualsButton(calc, "Button1", 104, 208, 73, 25);
    QPushButton* print = ui::MakePrintButton(calc, "BitBtn2", 200, 208, 33, 25);

    ui::SetTabOrder({editLength_, editOuter_, editInner_, inductanceUnit_, reset, equals, print, twoDigits_});

    page_.Boxes({editLength_, editOuter_, editInner_})
        .Results({result_})
        .Fields({&Length, &OuterDiameter, &InnerDiameter, &Inductance});

    ui::On(equals, &QPushButton::clicked, this, [this] { Button1Click(); });
    ui::On(inductanceUnit_, &QComboBox::activated, this, [this] { ComboBox3Change(); });
    ui::On(twoDigits_, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });
    ui::On(reset, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    ui::On(print, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
}

void TIndCoaxial::FormCreate() {
    inductanceUnit_->setCurrentIndex(0);
}

void TIndCoaxial::FormActivate() {
    if (!ui::IsEnglish()) return;
    setWindowTitle(QStringLiteral("Inductance (coaxial cable)"));
    ui::ApplyTexts(this, {{"Label1", "Cable lenght "},
                          {"Label2", "Interior diameter"},
                          {"Label3", "Interior diameter"},
                          {"Label4", "Inductance"},
                          {"Label6", "Cable lenght (l)"},
                          {"Label7", "Interior diameter in mm(D)"},
                          {"Label9", ""},
                          {"Label8", "Interior diameter (center cable)"},
                          {"Label12", "in mm (d)"},
                          {"Label13", "metre"}});
}

void TIndCoaxial::Calculate() {
    Length = ui::Stored(page_.Read(editLength_));
    OuterDiameter = ui::Stored(page_.Read(editOuter_));
    InnerDiameter = ui::Stored(page_.Read(editInner_));
    // d = 0 divides by zero: the failure shows and the result keeps its text.
    Inductance = ui::Stored(page_.InUnit(
        ui::Compute([this] { return formulas::CoaxialInductance(Length, OuterDiameter, InnerDiameter); }),
        inductanceUnit_));
    page_.Show(result_, Inductance, ui::kGeneral10_4);
}

void TIndCoaxial::RefreshDisplay() {
    page_.Refresh(result_, twoDigits_->isChecked(), Inductance);
}

void TIndCoaxial::Button1Click() {
    Calculate();
    RefreshDisplay();
}

void TIndCoaxial::ComboBox3Change() {
    if (page_.AllHoldText()) {
        Calculate();
        RefreshDisplay();
    }
}

void TIndCoaxial::CheckBox1Click() {
    RefreshDisplay();
}

void TIndCoaxial::BitBtn1Click() {
    page_.Clear();
}

void TIndCoaxial::BitBtn2Click() {
    printing::PreviewReport(QStringLiteral("TQRIndCoax"), this);
}

OHMBRIX_REGISTER_WINDOW(TIndCoaxial)

// The cable's units are fixed labels beside its boxes.
OHMBRIX_REGISTER_REPORT_ROW(TQRIndCoax, TIndCoaxial, QStringLiteral("Inductance d'un câble coxial"),
                            {{{"Panel1", true}}, {{"Image2"}}},
                            {{QStringLiteral("l ="), "Editl", "Label13"},
                             {QStringLiteral("D ="), "EditD", "Label10"},
                             {QStringLiteral("d ="), "EditDm", "Label11"}},
                            {{QStringLiteral("L ="), "Label5", "ComboBox3"}})

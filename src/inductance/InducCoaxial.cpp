#include "inductance/InducCoaxial.h"
#include "printing/ReportRows.h"
#include "ui/Registry.h"

#include "formulas/Inductors.h"
#include "pictures/inductance/InducCoaxialPictures.h"
#include "printing/Preview.h"
#include "ui/CalculatorPage.h"
#include "ui/FormTable.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Widgets.h"

#include <QCheckBox>

using Op = ui::UnitList::Op;

namespace {

using namespace ui::form;

// The form's long captions, in a type small enough for them to fit the form's widths.
ui::FormRow Caption(const char* name, const char* parent, QRect at, const QString& french,
                    const QString& english) {
    return Label(name, parent, at, french, english).TextSize(10);
}

// A fixed unit beside a box, at the top of its lime.
ui::FormRow UnitBeside(const char* name, const char* parent, QPoint at, const QString& french,
                       const QString& english = {}) {
    return FixedUnit(name, parent, {at, QSize(41, 17)}, french, english)
        .Align(Qt::AlignHCenter | Qt::AlignTop);
}

const ui::FormTable kForm{
    {Panel("Panel1", nullptr, {8, 6, 249, 137}, ui::kYellow),
     Picture("Image1", "Panel1", {40, 8, 161, 121}, pictures::CoaxialCablePicture)
         .Says("Câble coaxial de longueur l, de diamètres D et d",
               "Coaxial cable of length l, diameters D and d"),
     Panel("Panel2", nullptr, {8, 150, 249, 153}, ui::kSilver),
     Picture("Image2", "Panel2", {45, 8, 161, 49}, pictures::CoaxialCableFormula)
         .Says("L égale 0,46 l log de 1,28 D sur d", "L equals 0.46 l log of 1.28 D over d"),
     Symbol("Image3", "Panel2", {4, 56, 33, 17}, QStringLiteral("l =")).Says("l ="),
     Symbol("Image4", "Panel2", {4, 80, 33, 17}, QStringLiteral("D =")).Says("D ="),
     Symbol("Image5", "Panel2", {4, 100, 32, 25}, QStringLiteral("d ="), {32, 17}).Says("d ="),
     Symbol("Image6", "Panel2", {4, 128, 33, 17}, QStringLiteral("L =")).Says("L ="),
     Caption("Label1", "Panel2", {40, 58, 206, 13}, QStringLiteral("Longueur du conducteur, en mètres"),
             QStringLiteral("Cable lenght ")),
     Caption("Label2", "Panel2", {40, 82, 206, 13},
             QStringLiteral("Diamètre intérieur du conducteur, en mètres"),
             QStringLiteral("Interior diameter")),
     Caption("Label3", "Panel2", {40, 104, 206, 13},
             QStringLiteral("Diamètre du conducteur intérieur, en mètres"),
             QStringLiteral("Interior diameter")),
     Caption("Label4", "Panel2", {40, 130, 206, 13}, QStringLiteral("Inductance en microhenrys"),
             QStringLiteral("Inductance")),
     Panel("Panel3", nullptr, {264, 6, 281, 297}, ui::kSilver),
     Caption("Label6", "Panel3", {3, 27, 180, 13}, QStringLiteral("Longueur du conducteur en mètres (l)"),
             QStringLiteral("Cable lenght (l)"))
         .For("Editl"),
     Caption("Label7", "Panel3", {3, 48, 180, 13}, QStringLiteral("Diamètre intérieur du conducteur"),
             QStringLiteral("Interior diameter in mm(D)"))
         .For("EditD"),
     Caption("Label9", "Panel3", {3, 60, 180, 13}, QStringLiteral("extérieur (D) (en mm)"),
             QStringLiteral("")),
     Caption("Label8", "Panel3", {3, 88, 180, 13}, QStringLiteral("Diamètre du conducteur intérieur (d)"),
             QStringLiteral("Interior diameter (center cable)"))
         .For("EditDm"),
     Caption("Label12", "Panel3", {3, 100, 180, 13}, QStringLiteral("(en mm)"), QStringLiteral("in mm (d)")),
     Box("Editl", "Panel3", {184, 24, 49, 19}).Says("l"),
     UnitBeside("Label13", "Panel3", {232, 25}, QStringLiteral("mètres"), QStringLiteral("metre"))
         .For("Editl"),
     Box("EditD", "Panel3", {184, 48, 49, 19}).Says("D"),
     UnitBeside("Label10", "Panel3", {232, 49}, QStringLiteral("mm")).For("EditD"),
     Box("EditDm", "Panel3", {184, 88, 49, 19}).Says("d"),
     UnitBeside("Label11", "Panel3", {232, 89}, QStringLiteral("mm")).For("EditDm"),
     Symbol("Image7", "Panel3", {24, 136, 33, 17}, QStringLiteral("L =")).Says("L ="),
     // On the active-caption colour.
     Result("Label5", "Panel3", {56, 136, 153, 17}).Background(ui::kNavy).TextSize(13).Says("L"),
     Units("ComboBox3", "Panel3", {210, 134, 60, 0},
           {{QStringLiteral("uH"), Op::Divide, 1.0L},
            {QStringLiteral("mH"), Op::Divide, 1000.0L},
            {QStringLiteral("H"), Op::Divide, 1000000.0L}})
         .For("Label5"),
     Check("CheckBox1", "Panel3", {210, 160, 62, 17}, QStringLiteral("2 Digit")),
     Reset("BitBtn1", "Panel3", {48, 208, 33, 25}), Equals("Button1", "Panel3", {104, 208, 73, 25}),
     Print("BitBtn2", "Panel3", {200, 208, 33, 25})},
    {"Editl", "EditD", "EditDm", "ComboBox3", "BitBtn1", "Button1", "BitBtn2", "CheckBox1"}};

} // namespace

TIndCoaxial::TIndCoaxial(QWidget* parent) : ui::Window(parent) {
    setObjectName(QStringLiteral("IndCoaxial"));
    SetForm(QStringLiteral("Calcul de l'inductance d'un câble coaxial"), 551, 308, ui::kSilver);

    const ui::FormParts parts = ui::BuildForm(this, kForm);
    editLength_ = parts.Get<QLineEdit>("Editl");
    editOuter_ = parts.Get<QLineEdit>("EditD");
    editInner_ = parts.Get<QLineEdit>("EditDm");
    inductanceUnit_ = parts.Get<ui::UnitList>("ComboBox3");
    result_ = parts.Get<QLabel>("Label5");
    twoDigits_ = parts.Get<QCheckBox>("CheckBox1");

    page_.Boxes({editLength_, editOuter_, editInner_})
        .Results({result_})
        .Fields({&Length, &OuterDiameter, &InnerDiameter, &Inductance});

    ui::On(parts.Get<QPushButton>("Button1"), &QPushButton::clicked, this, [this] { Button1Click(); });
    ui::On(inductanceUnit_, &QComboBox::activated, this, [this] { ComboBox3Change(); });
    ui::On(twoDigits_, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });
    ui::On(parts.Get<QPushButton>("BitBtn1"), &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    ui::On(parts.Get<QPushButton>("BitBtn2"), &QPushButton::clicked, this, [this] { BitBtn2Click(); });
}

void TIndCoaxial::FormCreate() {
    inductanceUnit_->setCurrentIndex(0);
}

void TIndCoaxial::FormActivate() {
    if (!ui::IsEnglish()) return;
    setWindowTitle(QStringLiteral("Inductance (coaxial cable)"));
    ui::ApplyEnglish(this, kForm);
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

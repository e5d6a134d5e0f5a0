#include "inductance/IndPropre.h"
#include "printing/ReportRows.h"
#include "ui/Registry.h"

#include "formulas/Inductors.h"
#include "inductance/BobineAAir.h"
#include "inductance/InducCoaxial.h"
#include "pictures/inductance/IndProprePictures.h"
#include "printing/Preview.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Widgets.h"

#include <QCheckBox>

namespace {

using namespace ui::form;

const ui::FormTable kForm{
    {Panel("Panel1", nullptr, {8, 120, 217, 161}, ui::kSilver),
     Picture("Image2", "Panel1", {47, 8, 121, 57}, pictures::CylindricalCoilFormula)
         .Says("L égale 2,2 d au carré N au carré sur d plus 2,2 l",
               "L equals 2.2 d squared N squared over d plus 2.2 l"),
     Symbol("Image3", "Panel1", {16, 72, 33, 17}, QStringLiteral("N =")).Says("N ="),
     Label("Label1", "Panel1", {48, 72, 0, 13}, QStringLiteral("Nombre de spires"),
           QStringLiteral("Number of turns ")),
     Symbol("Image5", "Panel1", {16, 88, 33, 17}, QStringLiteral("d =")).Says("d ="),
     Label("Label3", "Panel1", {48, 88, 0, 13}, QStringLiteral("Diamètre en mètres"),
           QStringLiteral("Exterior diameter")),
     Symbol("Image6", "Panel1", {16, 104, 33, 17}, QStringLiteral("l =")).Says("l ="),
     Label("Label4", "Panel1", {48, 104, 0, 13}, QStringLiteral("Longueur du noyau en mètres"),
           QStringLiteral("Core lenght")),
     Symbol("Image7", "Panel1", {8, 136, 49, 17}, QStringLiteral("L ="), {33, 17}).Says("L ="),
     Label("Label5", "Panel1", {48, 136, 0, 13}, QStringLiteral("Inductance, en microhenrys"),
           QStringLiteral("Inductance")),
     GlyphButton("BitBtn1", nullptr, {264, 216, 73, 57}, pictures::SmallToroidGlyph)
         .Says("Bobine toroïdale", "Toroidal coil"),
     Panel("Panel2", nullptr, {8, 8, 217, 105}, ui::kYellow),
     Picture("Image1", "Panel2", {16, 8, 185, 89}, pictures::CylindricalCoilPicture)
         .Says("Bobine cylindrique de N spires, de diamètre d et de longueur l",
               "Cylindrical coil of N turns, diameter d and length l"),
     GlyphButton("BitBtn2", nullptr, {384, 216, 75, 57}, pictures::CoaxPieceGlyph)
         .Says("Câble coaxial", "Coaxial cable"),
     Panel("Panel3", nullptr, {232, 8, 257, 193}, ui::kSilver),
     aircoil::Caption("Label6", "Panel3", {0, 15, 124, 13}, QStringLiteral("Nombre de spires ( N ) "),
                      QStringLiteral("Number of turns (N)"))
         .For("EditN"),
     Box("EditN", "Panel3", {128, 12, 57, 19}).Says("N"),
     aircoil::Caption("Label8", "Panel3", {0, 47, 124, 13}, QStringLiteral("Diamètre du noyau ( d ) "),
                      QStringLiteral("Exterior diameter (d)"))
         .For("EditD"),
     Box("EditD", "Panel3", {128, 44, 65, 19}).Says("d"),
     Units("ComboBox1", "Panel3", {192, 44, 60, 0}, aircoil::LengthUnits()).For("EditD"),
     aircoil::Caption("Label9", "Panel3", {0, 79, 124, 13}, QStringLiteral("Longueur du noyau ( l )"),
                      QStringLiteral("Core lenght (l)"))
         .For("EditI"),
     Box("EditI", "Panel3", {128, 76, 65, 19}).Says("l"),
     Units("ComboBox2", "Panel3", {192, 76, 60, 0}, aircoil::LengthUnits()).For("EditI"),
     Symbol("Image8", "Panel3", {32, 112, 33, 17}, QStringLiteral("L =")).Says("L ="),
     Result("Label10", "Panel3", {64, 112, 129, 17}).Says("L"),
     Units("ComboBox3", "Panel3", {192, 110, 60, 0}, aircoil::InductanceUnits()).For("Label10"),
     Check("CheckBox1", "Panel3", {192, 136, 60, 17}, QStringLiteral("2 Digit")),
     Reset("BitBtn3", "Panel3", {46, 157, 33, 25}),
     Equals("ButtonCalcul", "Panel3", {95, 157, 73, 25}),
     Print("BitBtn4", "Panel3", {184, 160, 33, 22})},
    {"EditN", "EditD", "ComboBox1", "EditI", "ComboBox2", "ComboBox3", "CheckBox1", "BitBtn3", "ButtonCalcul",
     "BitBtn4", "BitBtn1", "BitBtn2"}};

} // namespace

TInducPropre::TInducPropre(QWidget* parent) : AirCoilWindow(parent) {
    setObjectName(QStringLiteral("InducPropre"));
    SetForm(QStringLiteral("Calcul de l'inductance d'une bobine cylindrique à noyau d'air"), 496, 285,
            ui::kSilver);

    const ui::FormParts parts = ui::BuildForm(this, kForm);
    editN_ = parts.Get<QLineEdit>("EditN");
    editD_ = parts.Get<QLineEdit>("EditD");
    editL_ = parts.Get<QLineEdit>("EditI");
    diameterUnit_ = parts.Get<ui::UnitList>("ComboBox1");
    lengthUnit_ = parts.Get<ui::UnitList>("ComboBox2");
    inductanceUnit_ = parts.Get<ui::UnitList>("ComboBox3");
    result_ = parts.Get<QLabel>("Label10");
    twoDigits_ = parts.Get<QCheckBox>("CheckBox1");

    page_.Boxes({editN_, editD_, editL_}).Results({result_}).Fields({&Diameter, &Length, &Inductance});

    ui::On(parts.Get<QPushButton>("ButtonCalcul"), &QPushButton::clicked, this,
           [this] { ButtonCalculClick(); });
    ui::On(diameterUnit_, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    ui::On(lengthUnit_, &QComboBox::activated, this, [this] { ComboBox2Change(); });
    ui::On(inductanceUnit_, &QComboBox::activated, this, [this] { ComboBox3Change(); });
    ui::On(twoDigits_, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });
    ui::On(parts.Get<QPushButton>("BitBtn3"), &QPushButton::clicked, this, [this] { BitBtn3Click(); });
    ui::On(parts.Get<QPushButton>("BitBtn1"), &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    ui::On(parts.Get<QPushButton>("BitBtn2"), &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    ui::On(parts.Get<QPushButton>("BitBtn4"), &QPushButton::clicked, this, [this] { BitBtn4Click(); });
}

void TInducPropre::FormCreate() {
    diameterUnit_->setCurrentIndex(0);
    lengthUnit_->setCurrentIndex(0);
    inductanceUnit_->setCurrentIndex(0);
}

void TInducPropre::FormActivate() {
    if (!ui::IsEnglish()) return;
    setWindowTitle(QStringLiteral("Inductance (cylindrical coil)"));
    ui::ApplyEnglish(this, kForm);
    MetresAgain({diameterUnit_, lengthUnit_});
}

void TInducPropre::Calculate() {
    // N is read on each computation; the form keeps the lengths and the result.
    const long double turns = page_.Read(editN_);
    Diameter = ui::Stored(page_.Read(editD_, diameterUnit_));
    Length = ui::Stored(page_.Read(editL_, lengthUnit_));
    Inductance = ui::Stored(page_.InUnit(
        ui::Compute([&] { return formulas::CylindricalCoilInductance(turns, Diameter, Length); }),
        inductanceUnit_));
    page_.Show(result_, Inductance, ui::kGeneral10_4);
}

void TInducPropre::ButtonCalculClick() {
    Recalculate();
}

void TInducPropre::ComboBox1Change() {
    RecalculateWhenComplete();
}

void TInducPropre::ComboBox2Change() {
    ComboBox1Change();
}

void TInducPropre::ComboBox3Change() {
    ComboBox1Change();
}

void TInducPropre::CheckBox1Click() {
    RefreshDisplay();
}

void TInducPropre::BitBtn3Click() {
    page_.Clear();
}

void TInducPropre::BitBtn1Click() {
    if (auto* toroid = ui::Find<TBobineDair>()) toroid->ShowTopic();
}

void TInducPropre::BitBtn2Click() {
    if (auto* cable = ui::Find<TIndCoaxial>()) cable->ShowTopic();
}

void TInducPropre::BitBtn4Click() {
    printing::PreviewReport(QStringLiteral("TQRBobineCyl"), this);
}

OHMBRIX_REGISTER_WINDOW(TInducPropre)

OHMBRIX_REGISTER_REPORT_ROW(TQRBobineCyl, TInducPropre,
                            QStringLiteral("Inductance d'une bobine cylindrique à noyau d'air"),
                            {{{"Panel2", true}}, {{"Image2"}}},
                            {{QStringLiteral("N ="), "EditN"},
                             {QStringLiteral("d ="), "EditD", "ComboBox1"},
                             {QStringLiteral("l ="), "EditI", "ComboBox2"}},
                            {{QStringLiteral("L ="), "Label10", "ComboBox3"}})

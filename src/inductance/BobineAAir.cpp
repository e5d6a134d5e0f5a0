#include "inductance/BobineAAir.h"

#include "formulas/Coils.h"
#include "pictures/inductance/BobineAAirPictures.h"
#include "printing/Preview.h"
#include "printing/ReportRows.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Registry.h"
#include "ui/Widgets.h"

#include <QCheckBox>

namespace {

using namespace ui::form;

const ui::FormTable kForm{
    {Panel("Panel1", nullptr, {8, 8, 201, 121}, ui::kYellow),
     Picture("Image1", "Panel1", {8, 8, 185, 105}, pictures::ToroidPicture)
         .Says("Bobine toroïdale de N spires, de diamètre extérieur a et intérieur b",
               "Toroidal coil of N turns, exterior diameter a, interior diameter b"),
     Panel("Panel2", nullptr, {8, 136, 201, 153}, ui::kSilver),
     Picture("Image2", "Panel2", {8, 16, 185, 41}, pictures::ToroidFormula)
         .Says("L égale 0,314 N au carré fois racine de a moins racine de b, au carré",
               "L equals 0.314 N squared times root a minus root b, squared"),
     Symbol("Image4", "Panel2", {16, 72, 31, 16}, QStringLiteral("N =")).Says("N ="),
     Label("Label1", "Panel2", {48, 72, 0, 13}, QStringLiteral("Le nombre de spires"),
           QStringLiteral("Number of turns")),
     Symbol("Image5", "Panel2", {16, 88, 33, 17}, QStringLiteral("a =")).Says("a ="),
     Label("Label2", "Panel2", {48, 88, 0, 13}, QStringLiteral("Diamètre extérieur, en mètres"),
           QStringLiteral("Exterior diameter")),
     Symbol("Image3", "Panel2", {16, 104, 33, 18}, QStringLiteral("b =")).Says("b ="),
     Label("Label4", "Panel2", {48, 104, 0, 13}, QStringLiteral("Diamètre intérieur, en mètres"),
           QStringLiteral("Interior diameter")),
     Symbol("Image6", "Panel2", {16, 128, 33, 17}, QStringLiteral("L =")).Says("L ="),
     Label("Label5", "Panel2", {48, 128, 0, 13}, QStringLiteral("Inductance en microhenrys"),
           QStringLiteral("Inductance")),
     Panel("Panel3", nullptr, {216, 8, 249, 281}, ui::kSilver),
     aircoil::Caption("Label6", "Panel3", {5, 27, 116, 13}, QStringLiteral("Nombre de spires (N) "),
                      QStringLiteral("Number of turns (N)"))
         .For("EditN"),
     Box("EditN", "Panel3", {128, 24, 57, 19}).Says("N"),
     aircoil::Caption("Label3", "Panel3", {5, 59, 116, 13}, QStringLiteral("Diamètre extérieur ( a )"),
                      QStringLiteral("Exterior diameter (a)"))
         .For("EditA"),
     Box("EditA", "Panel3", {128, 56, 57, 19}).Says("a"),
     Units("ComboBox1", "Panel3", {184, 56, 60, 0}, aircoil::LengthUnits()).For("EditA"),
     aircoil::Caption("Label7", "Panel3", {5, 91, 116, 13}, QStringLiteral("Diamètre intérieur ( b )"),
                      QStringLiteral("Interior diameter (b)"))
         .For("Editb"),
     Box("Editb", "Panel3", {128, 88, 57, 19}).Says("b"),
     Units("ComboBox2", "Panel3", {184, 88, 60, 0}, aircoil::LengthUnits()).For("Editb"),
     Symbol("Image7", "Panel3", {8, 124, 33, 17}, QStringLiteral("L =")).Says("L ="),
     Result("Label8", "Panel3", {40, 124, 145, 17}).Says("L"),
     Units("ComboBox3", "Panel3", {184, 122, 60, 0}, aircoil::InductanceUnits()).For("Label8"),
     Check("CheckBox1", "Panel3", {184, 152, 62, 17}, QStringLiteral("2  Digit")),
     Reset("BitBtn1", "Panel3", {32, 208, 33, 25}),
     Equals("Button1", "Panel3", {86, 208, 75, 25}),
     Print("BitBtn2", "Panel3", {184, 208, 33, 25})},
    {"EditN", "EditA", "ComboBox1", "Editb", "ComboBox2", "ComboBox3", "CheckBox1", "BitBtn1", "Button1",
     "BitBtn2"}};

} // namespace

TBobineDair::TBobineDair(QWidget* parent) : AirCoilWindow(parent) {
    setObjectName(QStringLiteral("BobineDair"));
    SetForm(QStringLiteral("Calcul de l'inductance d'une bobine toroïdale à noyau d'air"), 471, 297,
            ui::kSilver);

    const ui::FormParts parts = ui::BuildForm(this, kForm);
    editN_ = parts.Get<QLineEdit>("EditN");
    editA_ = parts.Get<QLineEdit>("EditA");
    editB_ = parts.Get<QLineEdit>("Editb");
    outerUnit_ = parts.Get<ui::UnitList>("ComboBox1");
    innerUnit_ = parts.Get<ui::UnitList>("ComboBox2");
    inductanceUnit_ = parts.Get<ui::UnitList>("ComboBox3");
    result_ = parts.Get<QLabel>("Label8");
    twoDigits_ = parts.Get<QCheckBox>("CheckBox1");

    page_.Boxes({editN_, editA_, editB_})
        .Results({result_})
        .Fields({&Inductance, &OuterDiameter, &InnerDiameter, &Turns});

    ui::On(parts.Get<QPushButton>("Button1"), &QPushButton::clicked, this, [this] { Button1Click(); });
    ui::On(outerUnit_, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    ui::On(innerUnit_, &QComboBox::activated, this, [this] { ComboBox2Change(); });
    ui::On(inductanceUnit_, &QComboBox::activated, this, [this] { ComboBox3Change(); });
    ui::On(twoDigits_, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });
    ui::On(parts.Get<QPushButton>("BitBtn1"), &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    ui::On(parts.Get<QPushButton>("BitBtn2"), &QPushButton::clicked, this, [this] { BitBtn2Click(); });
}

void TBobineDair::FormCreate() {
    outerUnit_->setCurrentIndex(0);
    innerUnit_->setCurrentIndex(0);
    inductanceUnit_->setCurrentIndex(0);
}

void TBobineDair::FormActivate() {
    if (!ui::IsEnglish()) return;
    ui::ApplyEnglish(this, kForm);
    setWindowTitle(QStringLiteral("Inductance (toroidale coil) "));
    MetresAgain({outerUnit_, innerUnit_});
}

void TBobineDair::Calculate() {
    // Each value is stored as soon as it converts, so a failing box leaves the earlier ones set.
    Turns = ui::Stored(page_.Read(editN_));
    OuterDiameter = ui::Stored(page_.Read(editA_, outerUnit_));
    InnerDiameter = ui::Stored(page_.Read(editB_, innerUnit_));
    Inductance = ui::Stored(page_.InUnit(
        ui::Compute([this] { return formulas::ToroidInductance(Turns, OuterDiameter, InnerDiameter); }),
        inductanceUnit_));
    page_.Show(result_, Inductance, ui::kGeneral10_4);
}

void TBobineDair::Button1Click() {
    Recalculate();
}

void TBobineDair::ComboBox1Change() {
    RecalculateWhenComplete();
}

void TBobineDair::ComboBox2Change() {
    ComboBox1Change();
}

void TBobineDair::ComboBox3Change() {
    // The output unit tests nothing: an empty box shows its conversion failure.
    Recalculate();
}

void TBobineDair::CheckBox1Click() {
    RefreshDisplay();
}

void TBobineDair::BitBtn1Click() {
    page_.Clear();
}

void TBobineDair::BitBtn2Click() {
    printing::PreviewReport(QStringLiteral("TQRIndNoyauAir"), this);
}

OHMBRIX_REGISTER_WINDOW(TBobineDair)

OHMBRIX_REGISTER_REPORT_ROW(TQRIndNoyauAir, TBobineDair,
                            QStringLiteral("Inductance d'une bobine à noyau d'air"),
                            {{{"Panel1", true}}, {{"Image2"}}},
                            {{QStringLiteral("N ="), "EditN"},
                             {QStringLiteral("a ="), "EditA", "ComboBox1"},
                             {QStringLiteral("b ="), "Editb", "ComboBox2"}},
                            {{QStringLiteral("L ="), "Label8", "ComboBox3"}})

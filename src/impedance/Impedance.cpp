#include "impedance/Impedance.h"
#include "printing/ReportRows.h"
#include "ui/Registry.h"

#include "formulas/SeriesParallel.h"
#include "pictures/impedance/ImpedancePictures.h"
#include "printing/Preview.h"
#include "ui/Density.h"
#include "ui/FormTable.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Widgets.h"

namespace {

using namespace ui::form;

const ui::FormTable kForm{
    {Panel("Panel1", nullptr, {8, 8, 297, 273}, ui::kSilver),
     Picture("Image1", "Panel1", {8, 56, 281, 169}, [] { return pictures::SeriesVectors(false); })
         .Says("Vecteurs des circuits série RL, thêta en avance, et RC, thêta en retard",
               "Vectors of the series RL circuit, theta leading, and RC circuit, theta lagging"),
     Picture("Image7", "Panel1", {96, 8, 97, 33}, pictures::SeriesPhaseFormula)
         .Says("Thêta égale arc tangente de X sur R", "Theta equals arc tangent of X over R"),
     Panel("Panel2", "Panel1", {8, 224, 281, 32}, ui::kBlue),
     Label("Label1", "Panel2", {24, 8, 241, 17}, QStringLiteral("Relation vectorielle en circuits séries"),
           QStringLiteral("Vectorial relation in series circuit"))
         .Align(Qt::AlignCenter)
         .Font("MS Sans Serif", 13)
         .Ink(ui::kYellow),
     Panel("Panel3", nullptr, {312, 8, 177, 121}, ui::kSilver),
     Picture("Image2", "Panel3", {32, 8, 113, 41}, pictures::SeriesImpedanceFormula)
         .Says("Z égale racine de R au carré plus X au carré",
               "Z equals the root of R squared plus X squared"),
     Symbol("Image3", "Panel3", {40, 56, 33, 17}, QStringLiteral("R =")).Says("R ="),
     Symbol("Image4", "Panel3", {40, 72, 33, 17}, QStringLiteral("X =")).Says("X ="),
     Symbol("Image5", "Panel3", {40, 96, 33, 17}, QStringLiteral("Z =")).Says("Z ="),
     Label("Label2", "Panel3", {80, 58, 0, 13}, QStringLiteral("Résistance "), QStringLiteral("Resistance")),
     Label("Label3", "Panel3", {80, 74, 0, 13}, QStringLiteral("Réactance "), QStringLiteral("Reactance")),
     Label("Label4", "Panel3", {80, 98, 0, 13}, QStringLiteral("Impédance"), QStringLiteral("Impedance")),
     Group("GroupBox1", nullptr, {312, 136, 177, 145}, QStringLiteral("Résultat"),
           QStringLiteral("Calculator"), ui::kSilver),
     Label("Label5", "GroupBox1", {8, 19, 96, 13}, QStringLiteral("Résistance (Ohms)"),
           QStringLiteral("Resistance (Ohms)"))
         .For("Edit1"),
     Box("Edit1", "GroupBox1", {104, 16, 65, 19}).Says("R"),
     Label("Label6", "GroupBox1", {8, 43, 96, 13}, QStringLiteral("Réactance (Ohms)"),
           QStringLiteral("Reactance (Ohms)"))
         .For("Edit2"),
     Box("Edit2", "GroupBox1", {104, 40, 65, 19}).Says("X"),
     Symbol("Image6", "GroupBox1", {8, 64, 33, 17}, QStringLiteral("Z =")).Says("Z ="),
     Result("Label7", "GroupBox1", {40, 64, 97, 17}).Says("Z"),
     FixedUnit("Label10", "GroupBox1", {136, 64, 33, 17}, QStringLiteral("Ohms")).For("Label7"),
     Symbol("Image8", "GroupBox1", {8, 88, 33, 17}, QStringLiteral("\\theta =")).Says("θ ="),
     Result("Label8", "GroupBox1", {40, 88, 81, 17}).Says("Degrés"),
     FixedUnit("Label9", "GroupBox1", {120, 88, 49, 17}, QStringLiteral("Degrés"), QStringLiteral("Degree"))
         .For("Label8"),
     Equals("Button1", "GroupBox1", {64, 112, 49, 25}),
     Reset("BitBtn1", "GroupBox1", {16, 112, 25, 25}),
     Print("BitBtn2", "GroupBox1", {136, 112, 28, 25})},
    {"Edit1", "Edit2", "BitBtn1", "Button1", "BitBtn2"}};

} // namespace

TFormImpedance::TFormImpedance(QWidget* parent) : ui::Window(parent) {
    setObjectName(QStringLiteral("FormImpedance"));
    SetForm(QStringLiteral("Impédance en circuit série RL et RC"), 496, 284, ui::kSilver);

    const ui::FormParts parts = ui::BuildForm(this, kForm);
    vectors_ = parts.Get<QLabel>("Image1");
    edit1_ = parts.Get<QLineEdit>("Edit1");
    edit2_ = parts.Get<QLineEdit>("Edit2");
    impedance_ = parts.Get<QLabel>("Label7");
    phase_ = parts.Get<QLabel>("Label8");

    page_.Boxes({edit1_, edit2_})
        .Results({impedance_, phase_})
        .Fields({&Resistance, &Reactance, &Impedance, &PhaseAngle});

    ui::On(parts.Get<QPushButton>("Button1"), &QPushButton::clicked, this, [this] { Button1Click(); });
    ui::On(parts.Get<QPushButton>("BitBtn1"), &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    ui::On(parts.Get<QPushButton>("BitBtn2"), &QPushButton::clicked, this, [this] { BitBtn2Click(); });
}

void TFormImpedance::FormActivate() {
    if (!ui::IsEnglish()) return;
    setWindowTitle(QStringLiteral("Impedance in series RL and RC"));
    ui::ApplyEnglish(this, kForm);
    // The leading and lagging notes are drawn on the picture.
    const auto englishVectors = [] { return pictures::SeriesVectors(true); };
    vectors_->setPixmap(QPixmap::fromImage(englishVectors()));
    ui::FollowDensity(vectors_, englishVectors);
}

void TFormImpedance::Calculate() {
    Resistance = ui::Stored(page_.Read(edit1_));
    Reactance = ui::Stored(page_.Read(edit2_));
    Impedance = ui::Stored(ui::Compute([this] { return formulas::SeriesImpedance(Resistance, Reactance); }));
    PhaseAngle = ui::Stored(ui::Compute([this] { return formulas::SeriesPhase(Resistance, Reactance); }));
    page_.Show(impedance_, Impedance, ui::kNumber10_4);
    page_.Show(phase_, PhaseAngle, ui::kNumber10_4);
}

void TFormImpedance::Button1Click() {
    Calculate();
}

void TFormImpedance::BitBtn1Click() {
    page_.Clear();
}

void TFormImpedance::BitBtn2Click() {
    printing::PreviewReport(QStringLiteral("TQRImpedance"), this);
}

OHMBRIX_REGISTER_WINDOW(TFormImpedance)

// The reactances are typed in ohms.
OHMBRIX_REGISTER_REPORT_ROW(TQRImpedance, TFormImpedance,
                            QStringLiteral("Impédance en circuit série RL et RC"),
                            {{{"Image1"}}, {{"Image2"}, {"Image7"}}},
                            {{QStringLiteral("R ="), "Edit1", nullptr, QStringLiteral("Ohms")},
                             {QStringLiteral("X ="), "Edit2", nullptr, QStringLiteral("Ohms")}},
                            {{QStringLiteral("Z ="), "Label7", "Label10"},
                             {QStringLiteral("Degrés ="), "Label8"}})

#include "impedance/ImpedanceLCserie.h"
#include "printing/ReportRows.h"
#include "ui/Registry.h"

#include "formulas/SeriesParallel.h"
#include "pictures/impedance/ImpedanceLCseriePictures.h"
#include "printing/Preview.h"
#include "ui/FormTable.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Widgets.h"

namespace {

using namespace ui::form;

const ui::FormTable kForm{
    {Panel("Panel2", nullptr, {2, 8, 217, 225}, ui::kSilver),
     Picture("Image2", "Panel2", {72, 104, 81, 33}, pictures::SeriesLCFormula)
         .Says("Z égale XL moins XC", "Z equals XL minus XC"),
     Symbol("Image3", "Panel2", {16, 152, 33, 17}, QStringLiteral("X_{L} =")).Says("Xl ="),
     Symbol("Image4", "Panel2", {16, 170, 33, 17}, QStringLiteral("X_{C} =")).Says("Xc ="),
     Symbol("Image5", "Panel2", {16, 200, 33, 17}, QStringLiteral("Z =")).Says("Z ="),
     Label("Label1", "Panel2", {48, 154, 0, 13}, QStringLiteral("Réactance Inductive en Ohms"),
           QStringLiteral("Inductive reactance in Ohms")),
     Label("Label2", "Panel2", {48, 172, 0, 13}, QStringLiteral("Réactance capacitive en Ohms"),
           QStringLiteral("Capacitive reactance in Ohms")),
     Label("Label3", "Panel2", {48, 202, 0, 13}, QStringLiteral("Impédance en Ohms"),
           QStringLiteral("Impedance in Ohms")),
     Panel("Panel3", "Panel2", {40, 8, 137, 89}, ui::kYellow),
     Picture("Image1", "Panel3", {8, 8, 121, 73}, pictures::SeriesLCCircuit)
         .Says("Circuit série : condensateur C et bobine L",
               "Series circuit: a capacitor C and an inductor L"),
     Group("GroupBox1", nullptr, {224, 8, 201, 225}, QStringLiteral("Résultat"), QStringLiteral("Calculator"),
           ui::kSilver),
     Symbol("Image6", "GroupBox1", {24, 80, 33, 17}, QStringLiteral("Z =")).Says("Z ="),
     Result("Label9", "GroupBox1", {56, 80, 89, 17}).Says("Z"),
     FixedUnit("Label10", "GroupBox1", {144, 80, 41, 17}, QStringLiteral("Ohms")).For("Label9"),
     Symbol("Image7", "GroupBox1", {24, 104, 33, 17}, QStringLiteral("\\theta =")).Says("θ ="),
     Result("Label11", "GroupBox1", {56, 104, 89, 17}).Says("Degrés"),
     FixedUnit("Label12", "GroupBox1", {144, 104, 41, 17}, QStringLiteral("Degrées"),
               QStringLiteral("Degree"))
         .Align(Qt::AlignLeft | Qt::AlignVCenter)
         .For("Label11"),
     Label("Label4", "GroupBox1", {8, 26, 110, 13}, QStringLiteral("Réactance Xl  (Ohms)"),
           QStringLiteral("Reactance Xl (Ohms)"))
         .For("Edit1"),
     Label("Label5", "GroupBox1", {8, 50, 110, 13}, QStringLiteral("Réactance Xc (Ohms)"),
           QStringLiteral("Reactance Xc (Ohms)"))
         .For("Edit2"),
     Box("Edit1", "GroupBox1", {120, 24, 73, 17}).Says("Xl"),
     Box("Edit2", "GroupBox1", {120, 48, 73, 17}).Says("Xc"),
     Equals("Button1", "GroupBox1", {80, 160, 49, 25}),
     Reset("BitBtn1", "GroupBox1", {24, 160, 33, 25}),
     Print("BitBtn2", "GroupBox1", {152, 160, 33, 25})},
    {"Edit1", "Edit2", "BitBtn1", "Button1", "BitBtn2"}};

} // namespace

TFormCircuitLCSerie::TFormCircuitLCSerie(QWidget* parent) : ui::Window(parent) {
    setObjectName(QStringLiteral("FormCircuitLCSerie"));
    SetForm(QStringLiteral("L'impédance en circuit série LC"), 426, 235, ui::kSilver);

    const ui::FormParts parts = ui::BuildForm(this, kForm);
    edit1_ = parts.Get<QLineEdit>("Edit1");
    edit2_ = parts.Get<QLineEdit>("Edit2");
    impedance_ = parts.Get<QLabel>("Label9");
    phase_ = parts.Get<QLabel>("Label11");

    page_.Boxes({edit1_, edit2_})
        .Results({impedance_, phase_})
        .Fields({&InductiveReactance, &CapacitiveReactance, &Impedance, &PhaseAngle});

    ui::On(parts.Get<QPushButton>("Button1"), &QPushButton::clicked, this, [this] { Button1Click(); });
    ui::On(parts.Get<QPushButton>("BitBtn1"), &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    ui::On(parts.Get<QPushButton>("BitBtn2"), &QPushButton::clicked, this, [this] { BitBtn2Click(); });
}

void TFormCircuitLCSerie::FormActivate() {
    if (!ui::IsEnglish()) return;
    setWindowTitle(QStringLiteral("Impedance in series LC"));
    ui::ApplyEnglish(this, kForm);
}

void TFormCircuitLCSerie::Calculate() {
    InductiveReactance = ui::Stored(page_.Read(edit1_));
    CapacitiveReactance = ui::Stored(page_.Read(edit2_));
    Impedance = ui::Stored(
        ui::Compute([this] { return formulas::SeriesLCImpedance(InductiveReactance, CapacitiveReactance); }));
    PhaseAngle = ui::Stored(
        ui::Compute([this] { return formulas::SeriesLCPhase(InductiveReactance, CapacitiveReactance); }));
    page_.Show(impedance_, Impedance, ui::kNumber10_4);
    page_.Show(phase_, PhaseAngle, ui::kNumber10_4);
}

void TFormCircuitLCSerie::Button1Click() {
    Calculate();
}

void TFormCircuitLCSerie::BitBtn1Click() {
    page_.Clear();
}

void TFormCircuitLCSerie::BitBtn2Click() {
    printing::PreviewReport(QStringLiteral("TQRImpSerieLC"), this);
}

OHMBRIX_REGISTER_WINDOW(TFormCircuitLCSerie)

// The reactances are typed in ohms.
OHMBRIX_REGISTER_REPORT_ROW(TQRImpSerieLC, TFormCircuitLCSerie,
                            QStringLiteral("Impédance en circuit série LC"),
                            {{{"Panel3", true}}, {{"Image2"}}},
                            {{QStringLiteral("Xl ="), "Edit1", nullptr, QStringLiteral("Ohms")},
                             {QStringLiteral("Xc ="), "Edit2", nullptr, QStringLiteral("Ohms")}},
                            {{QStringLiteral("Z ="), "Label9", "Label10"},
                             {QStringLiteral("Degrés ="), "Label11"}})

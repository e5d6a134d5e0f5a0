#include "impedance/CircuitSerieLRC.h"

#include "formulas/Impedance.h"
#include "pictures/impedance/CircuitSerieLRCPictures.h"
#include "printing/Preview.h"
#include "printing/ReportRows.h"
#include "ui/CalculatorPage.h"
#include "ui/FormTable.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Registry.h"
#include "ui/Widgets.h"

using Op = ui::UnitList::Op;

namespace {

using namespace ui::form;

const ui::FormTable kForm{
    {Panel("Panel1", nullptr, {3, 0, 318, 273}, ui::kSilver),
     Panel("Panel2", "Panel1", {6, 8, 305, 105}, ui::kWhite),
     Picture("Image1", "Panel2", {8, 8, 289, 89}, pictures::SerieRLCCircuit)
         .Says("Circuit série : résistance R, condensateur C et bobine L",
               "Series circuit: a resistor R, a capacitor C and an inductor L"),
     Picture("Image2", "Panel1", {16, 120, 169, 49}, pictures::SerieRLCImpedance)
         .Says("Z égale racine de R au carré plus XL moins XC au carré",
               "Z equals the root of R squared plus XL minus XC squared"),
     Picture("Image9", "Panel1", {216, 120, 89, 49}, pictures::SerieRLCPhase)
         .Says("Tangente thêta égale XL moins XC sur R", "Tangent theta equals XL minus XC over R"),
     Symbol("Image3", "Panel1", {88, 176, 33, 17}, QStringLiteral("R =")).Says("R ="),
     Label("Label1", "Panel1", {120, 176, 0, 13}, QStringLiteral("Résistance  en Ohms"),
           QStringLiteral("Resistance")),
     Symbol("Image4", "Panel1", {88, 200, 33, 17}, QStringLiteral("X_{L} =")).Says("Xl ="),
     Label("Label2", "Panel1", {120, 200, 0, 13}, QStringLiteral("Réactance inductive en Ohms"),
           QStringLiteral("Inductive reactance")),
     Symbol("Image5", "Panel1", {88, 224, 33, 17}, QStringLiteral("X_{C} =")).Says("Xc ="),
     Label("Label3", "Panel1", {120, 224, 0, 13}, QStringLiteral("Réactance capacitive en Ohms"),
           QStringLiteral("Capacitice reactance")),
     Symbol("Image6", "Panel1", {88, 248, 33, 17}, QStringLiteral("Z =")).Says("Z ="),
     Label("Label4", "Panel1", {120, 248, 0, 13}, QStringLiteral("Impédance en Ohms"),
           QStringLiteral("Impedance")),
     Group("GroupBox1", nullptr, {328, 0, 217, 273}, QStringLiteral("Résultat"), QStringLiteral("Calculator"),
           ui::kSilver),
     Label("Label5", "GroupBox1", {9, 20, 56, 13}, QStringLiteral("Résistance "),
           QStringLiteral("Resistance"))
         .For("Edit1"),
     Box("Edit1", "GroupBox1", {80, 16, 65, 19}).Says("R"),
     Units("ComboBox1", "GroupBox1", {144, 16, 66, 0},
           {{QStringLiteral("Ohms"), Op::Multiply, 1.0L}, {QStringLiteral("kOhms"), Op::Multiply, 1000.0L}})
         .For("Edit1"),
     Label("Label6", "GroupBox1", {8, 50, 115, 13}, QStringLiteral("Réactance Xl (Ohms)"),
           QStringLiteral("Reactance Xl (Ohms)"))
         .For("Edit2"),
     Box("Edit2", "GroupBox1", {128, 48, 73, 17}).Says("Xl"),
     Label("Label7", "GroupBox1", {8, 82, 115, 13}, QStringLiteral("Réactance Xc (Ohms)"),
           QStringLiteral("Reactance Xc (Ohms)"))
         .For("Edit3"),
     Box("Edit3", "GroupBox1", {128, 80, 73, 17}).Says("Xc"),
     Symbol("Image7", "GroupBox1", {16, 112, 33, 17}, QStringLiteral("Z =")).Says("Z ="),
     Result("Label10", "GroupBox1", {48, 112, 105, 17}).Says("Z"),
     FixedUnit("Label11", "GroupBox1", {160, 112, 41, 17}, QStringLiteral("Ohms")).For("Label10"),
     Symbol("Image8", "GroupBox1", {16, 136, 33, 17}, QStringLiteral("\\theta =")).Says("θ ="),
     Result("Label12", "GroupBox1", {48, 136, 105, 17}).Says("Degrés"),
     FixedUnit("Label13", "GroupBox1", {160, 136, 41, 17}, QStringLiteral("Degrés"), QStringLiteral("Degree"))
         .For("Label12"),
     Reset("BitBtn1", "GroupBox1", {32, 192, 25, 25}),
     Equals("Button1", "GroupBox1", {80, 192, 57, 25}),
     Print("BitBtn2", "GroupBox1", {160, 192, 28, 25})},
    {"Edit1", "ComboBox1", "Edit2", "Edit3", "BitBtn1", "Button1", "BitBtn2"}};

} // namespace

TFormSerieRLC::TFormSerieRLC(QWidget* parent) : ui::Window(parent) {
    setObjectName(QStringLiteral("FormSerieRLC"));
    SetForm(QStringLiteral("Impédance en circuit série RLC"), 547, 275, ui::kSilver);

    const ui::FormParts parts = ui::BuildForm(this, kForm);
    edit1_ = parts.Get<QLineEdit>("Edit1");
    edit2_ = parts.Get<QLineEdit>("Edit2");
    edit3_ = parts.Get<QLineEdit>("Edit3");
    resistanceUnit_ = parts.Get<ui::UnitList>("ComboBox1");
    impedance_ = parts.Get<QLabel>("Label10");
    phase_ = parts.Get<QLabel>("Label12");

    page_.Boxes({edit1_, edit2_, edit3_})
        .Results({impedance_, phase_})
        .Fields({&PhaseAngle, &Resistance, &InductiveReactance, &CapacitiveReactance, &Impedance});

    ui::On(parts.Get<QPushButton>("Button1"), &QPushButton::clicked, this, [this] { Button1Click(); });
    ui::On(resistanceUnit_, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    ui::On(parts.Get<QPushButton>("BitBtn1"), &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    ui::On(parts.Get<QPushButton>("BitBtn2"), &QPushButton::clicked, this, [this] { BitBtn2Click(); });
}

void TFormSerieRLC::FormCreate() {
    resistanceUnit_->setCurrentIndex(0);
}

void TFormSerieRLC::FormActivate() {
    if (!ui::IsEnglish()) return;
    setWindowTitle(QStringLiteral("Impedance in series RCL"));
    ui::ApplyEnglish(this, kForm);
}

void TFormSerieRLC::Calculate() {
    // Each value is stored as soon as it converts, so a failing box leaves the earlier ones set;
    // the resistance is scaled to ohms once all three have converted.
    Resistance = ui::Stored(page_.Read(edit1_));
    InductiveReactance = ui::Stored(page_.Read(edit2_));
    CapacitiveReactance = ui::Stored(page_.Read(edit3_));
    Resistance = ui::Stored(page_.InUnit(Resistance, resistanceUnit_));

    Impedance = ui::Stored(ui::Compute([this] {
        return formulas::SeriesRLCImpedance(Resistance, InductiveReactance, CapacitiveReactance);
    }));
    PhaseAngle = ui::Stored(ui::Compute(
        [this] { return formulas::SeriesRLCPhase(Resistance, InductiveReactance, CapacitiveReactance); }));
    page_.Show(impedance_, Impedance, ui::kNumber10_4);
    page_.Show(phase_, PhaseAngle, ui::kNumber10_4);
}

void TFormSerieRLC::Button1Click() {
    Calculate();
}

void TFormSerieRLC::ComboBox1Change() {
    if (page_.AllHoldText()) Calculate();
}

void TFormSerieRLC::BitBtn1Click() {
    page_.Clear();
}

void TFormSerieRLC::BitBtn2Click() {
    printing::PreviewReport(QStringLiteral("TQRImpSerieRLC"), this);
}

OHMBRIX_REGISTER_WINDOW(TFormSerieRLC)

// The reactance boxes are in ohms, as their captions say.
OHMBRIX_REGISTER_REPORT_ROW(TQRImpSerieRLC, TFormSerieRLC, QStringLiteral("Impédance en circuit série RLC"),
                            {{{"Panel2", true}}, {{"Image2"}, {"Image9"}}},
                            {{QStringLiteral("R ="), "Edit1", "ComboBox1"},
                             {QStringLiteral("Xl ="), "Edit2", nullptr, QStringLiteral("Ohms")},
                             {QStringLiteral("Xc ="), "Edit3", nullptr, QStringLiteral("Ohms")}},
                            {{QStringLiteral("Z ="), "Label10", "Label11"},
                             {QStringLiteral("Degrés ="), "Label12"}})

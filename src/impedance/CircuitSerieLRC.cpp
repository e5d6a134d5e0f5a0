#include "impedance/CircuitSerieLRC.h"

#include "formulas/Impedance.h"
#include "pictures/Glyphs.h"
#include "pictures/impedance/CircuitSerieLRCPictures.h"
#include "printing/Preview.h"
#include "printing/ReportRows.h"
#include "ui/CalculatorPage.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Registry.h"
#include "ui/Widgets.h"

#include <QFrame>
#include <QGroupBox>

using Op = ui::UnitList::Op;

namespace {

QLabel* MakeFixedUnit(QWidget* parent, const char* name, const QString& text, int x, int y) {
    QLabel* label = ui::MakeLabel(parent, name, text, x, y, 41, 17);
    label->setAlignment(Qt::AlignCenter);
    ui::SetBackground(label, ui::kLime);
    return label;
}

} // namespace

TFormSerieRLC::TFormSerieRLC(QWidget* parent) : ui::Window(parent) {
    setObjectName(QStringLiteral("FormSerieRLC"));
    SetForm(QStringLiteral("Impédance en circuit série RLC"), 547, 275, ui::kSilver);

    QFrame* panel = ui::MakePanel(this, "Panel1", 3, 0, 318, 273, ui::kSilver);
    QFrame* circuit = ui::MakePanel(panel, "Panel2", 6, 8, 305, 105, ui::kWhite);
    ui::MakePicture(circuit, "Image1", pictures::SerieRLCCircuit, 8, 8, 289, 89);
    ui::MakePicture(panel, "Image2", pictures::SerieRLCImpedance, 16, 120, 169, 49);
    ui::MakePicture(panel, "Image9", pictures::SerieRLCPhase, 216, 120, 89, 49);
    const QSize symbol(33, 17);
    ui::MakePicture(
        panel, "Image3", [=] { return pictures::LegendSymbol(QStringLiteral("R ="), symbol); }, 88, 176, 33,
        17);
    ui::MakeLabel(panel, "Label1", QStringLiteral("Résistance  en Ohms"), 120, 176, 0, 13);
    ui::MakePicture(
        panel, "Image4", [=] { return pictures::LegendSymbol(QStringLiteral("X_{L} ="), symbol); }, 88, 200,
        33, 17);
    ui::MakeLabel(panel, "Label2", QStringLiteral("Réactance inductive en Ohms"), 120, 200, 0, 13);
    ui::MakePicture(
        panel, "Image5", [=] { return pictures::LegendSymbol(QStringLiteral("X_{C} ="), symbol); }, 88, 224,
        33, 17);
    ui::MakeLabel(panel, "Label3", QStringLiteral("Réactance capacitive en Ohms"), 120, 224, 0, 13);
    ui::MakePicture(
        panel, "Image6", [=] { return pictures::LegendSymbol(QStringLiteral("Z ="), symbol); }, 88, 248, 33,
        17);
    ui::MakeLabel(panel, "Label4", QStringLiteral("Impédance en Ohms"), 120, 248, 0, 13);

    QGroupBox* calc =
        ui::MakeGroup(this, "GroupBox1", QStringLiteral("Résultat"), 328, 0, 217, 273, ui::kSilver);
    ui::MakeLabel(calc, "Label5", QStringLiteral("Résistance "), 9, 20, 56, 13);
    edit1_ = ui::MakeValueBox(calc, "Edit1", 80, 16, 65, 19);
    resistanceUnit_ = ui::MakeUnitList(
        calc, "ComboBox1", 144, 16, 66,
        {{QStringLiteral("Ohms"), Op::Multiply, 1.0L}, {QStringLiteral("kOhms"), Op::Multiply, 1000.0L}});
    ui::MakeLabel(calc, "Label6", QStringLiteral("Réactance Xl (Ohms)"), 8, 50, 115, 13);
    edit2_ = ui::MakeValueBox(calc, "Edit2", 128, 48, 73, 17);
    ui::MakeLabel(calc, "Label7", QStringLiteral("Réactance Xc (Ohms)"), 8, 82, 115, 13);
    edit3_ = ui::MakeValueBox(calc, "Edit3", 128, 80, 73, 17);

    ui::MakePicture(
        calc, "Image7", [=] { return pictures::LegendSymbol(QStringLiteral("Z ="), symbol); }, 16, 112, 33,
        17);
    impedance_ = ui::MakeResultLabel(calc, "Label10", 48, 112, 105, 17);
    MakeFixedUnit(calc, "Label11", QStringLiteral("Ohms"), 160, 112);
    ui::MakePicture(
        calc, "Image8", [=] { return pictures::LegendSymbol(QStringLiteral("\\theta ="), symbol); }, 16, 136,
        33, 17);
    phase_ = ui::MakeResultLabel(calc, "Label12", 48, 136, 105, 17);
    MakeFixedUnit(calc, "Label13", QStringLiteral("Degrés"), 160, 136);

    QPushButton* reset = ui::MakeResetButton(calc, "BitBtn1", 32, 192, 25, 25);
    QPushButton* equals = ui::MakeEqualsButton(calc, "Button1", 80, 192, 57, 25);
    QPushButton* print = ui::MakePrintButton(calc, "BitBtn2", 160, 192, 28, 25);

    ui::SetTabOrder({edit1_, resistanceUnit_, edit2_, edit3_, reset, equals, print});

    page_.Boxes({edit1_, edit2_, edit3_})
        .Results({impedance_, phase_})
        .Fields({&PhaseAngle, &Resistance, &InductiveReactance, &CapacitiveReactance, &Impedance});

    ui::On(equals, &QPushButton::clicked, this, [this] { Button1Click(); });
    ui::On(resistanceUnit_, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    ui::On(reset, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    ui::On(print, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
}

void TFormSerieRLC::FormCreate() {
    resistanceUnit_->setCurrentIndex(0);
}

void TFormSerieRLC::FormActivate() {
    if (!ui::IsEnglish()) return;
    setWindowTitle(QStringLiteral("Impedance in series RCL"));
    ui::ApplyTexts(this, {{"Label1", "Resistance"},
                          {"Label2", "Inductive reactance"},
                          {"Label3", "Capacitice reactance"},
                          {"Label4", "Impedance"},
                          {"Label5", "Resistance"},
                          {"Label6", "Reactance Xl (Ohms)"},
                          {"Label7", "Reactance Xc (Ohms)"},
                          {"Label13", "Degree"},
                          {"GroupBox1", "Calculator"}});
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

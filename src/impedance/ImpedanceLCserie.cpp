#include "impedance/ImpedanceLCserie.h"
#include "printing/ReportRows.h"
#include "ui/Registry.h"

#include "formulas/SeriesParallel.h"
#include "impedance/FixedUnit.h"
#include "pictures/Glyphs.h"
#include "pictures/impedance/ImpedanceLCseriePictures.h"
#include "printing/Preview.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Widgets.h"

#include <QFrame>
#include <QGroupBox>

TFormCircuitLCSerie::TFormCircuitLCSerie(QWidget* parent) : ui::Window(parent) {
    setObjectName(QStringLiteral("FormCircuitLCSerie"));
    SetForm(QStringLiteral("L'impédance en circuit série LC"), 426, 235, ui::kSilver);

    const QSize symbol(33, 17);
    QFrame* legend = ui::MakePanel(this, "Panel2", 2, 8, 217, 225, ui::kSilver);
    ui::MakePicture(legend, "Image2", pictures::SeriesLCFormula, 72, 104, 81, 33);
    ui::MakePicture(
        legend, "Image3", [=] { return pictures::LegendSymbol(QStringLiteral("X_{L} ="), symbol); }, 16, 152,
        33, 17);
    ui::MakePicture(
        legend, "Image4", [=] { return pictures::LegendSymbol(QStringLiteral("X_{C} ="), symbol); }, 16, 170,
        33, 17);
    ui::MakePicture(
        legend, "Image5", [=] { return pictures::LegendSymbol(QStringLiteral("Z ="), symbol); }, 16, 200, 33,
        17);
    ui::MakeLabel(legend, "Label1", QStringLiteral("Réactance Inductive en Ohms"), 48, 154, 0, 13);
    ui::MakeLabel(legend, "Label2", QStringLiteral("Réactance capacitive en Ohms"), 48, 172, 0, 13);
    ui::MakeLabel(legend, "Label3", QStringLiteral("Impédance en Ohms"), 48, 202, 0, 13);
    QFrame* frame = ui::MakePanel(legend, "Panel3", 40, 8, 137, 89, ui::kYellow);
    ui::MakePicture(frame, "Image1", pictures::SeriesLCCircuit, 8, 8, 121, 73);

    QGroupBox* calc =
        ui::MakeGroup(this, "GroupBox1", QStringLiteral("Résultat"), 224, 8, 201, 225, ui::kSilver);
    ui::MakePicture(
        calc, "Image6", [=] { return pictures::LegendSymbol(QStringLiteral("Z ="), symbol); }, 24, 80, 33,
        17);
    impedance_ = ui::MakeResultLabel(calc, "Label9", 56, 80, 89, 17);
    impedance::MakeFixedUnit(calc, "Label10", QStringLiteral("Ohms"), 144, 80, 41);
    ui::MakePicture(
        calc, "Image7", [=] { return pictures::LegendSymbol(QStringLiteral("\\theta ="), symbol); }, 24, 104,
        33, 17);
    phase_ = ui::MakeResultLabel(calc, "Label11", 56, 104, 89, 17);
    impedance::MakeFixedUnit(calc, "Label12", QStringLiteral("Degrées"), 144, 104, 41, 17, false);
    ui::MakeLabel(calc, "Label4", QStringLiteral("Réactance Xl  (Ohms)"), 8, 26, 110, 13);
    ui::MakeLabel(calc, "Label5", QStringLiteral("Réactance Xc (Ohms)"), 8, 50, 110, 13);
    edit1_ = ui::MakeValueBox(calc, "Edit1", 120, 24, 73, 17);
    edit2_ = ui::MakeValueBox(calc, "Edit2", 120, 48, 73, 17);

    QPushButton* equals = ui::MakeEqualsButton(calc, "Button1", 80, 160, 49, 25);
    QPushButton* reset = ui::MakeResetButton(calc, "BitBtn1", 24, 160, 33, 25);
    QPushButton* print = ui::MakePrintButton(calc, "BitBtn2", 152, 160, 33, 25);
    ui::SetTabOrder({edit1_, edit2_, reset, equals, print});

    page_.Boxes({edit1_, edit2_})
        .Results({impedance_, phase_})
        .Fields({&InductiveReactance, &CapacitiveReactance, &Impedance, &PhaseAngle});

    ui::On(equals, &QPushButton::clicked, this, [this] { Button1Click(); });
    ui::On(reset, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    ui::On(print, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
}

void TFormCircuitLCSerie::FormActivate() {
    if (!ui::IsEnglish()) return;
    setWindowTitle(QStringLiteral("Impedance in series LC"));
    ui::ApplyTexts(this, {{"Label1", "Inductive reactance in Ohms"},
                          {"Label2", "Capacitive reactance in Ohms"},
                          {"Label3", "Impedance in Ohms"},
                          {"GroupBox1", "Calculator"},
                          {"Label4", "Reactance Xl (Ohms)"},
                          {"Label5", "Reactance Xc (Ohms)"},
                          {"Label12", "Degree"}});
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

#include "impedance/Impedance.h"
#include "printing/ReportRows.h"
#include "ui/Registry.h"

#include "formulas/SeriesParallel.h"
#include "impedance/FixedUnit.h"
#include "pictures/Glyphs.h"
#include "pictures/impedance/ImpedancePictures.h"
#include "printing/Preview.h"
#include "ui/Density.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Widgets.h"

#include <QFrame>
#include <QGroupBox>

TFormImpedance::TFormImpedance(QWidget* parent) : ui::Window(parent) {
    setObjectName(QStringLiteral("FormImpedance"));
    SetForm(QStringLiteral("Impédance en circuit série RL et RC"), 496, 284, ui::kSilver);

    QFrame* pictures = ui::MakePanel(this, "Panel1", 8, 8, 297, 273, ui::kSilver);
    vectors_ = ui::MakePicture(
        pictures, "Image1", [=] { return pictures::SeriesVectors(false); }, 8, 56, 281, 169);
    ui::MakePicture(pictures, "Image7", pictures::SeriesPhaseFormula, 96, 8, 97, 33);
    QFrame* strip = ui::MakePanel(pictures, "Panel2", 8, 224, 281, 32, ui::kBlue);
    QLabel* caption = ui::MakeLabel(
        strip, "Label1", QStringLiteral("Relation vectorielle en circuits séries"), 24, 8, 241, 17);
    caption->setAlignment(Qt::AlignCenter);
    caption->setFont(ui::FormFont("MS Sans Serif", 13));
    ui::SetTextColour(caption, ui::kYellow);

    const QSize symbol(33, 17);
    QFrame* legend = ui::MakePanel(this, "Panel3", 312, 8, 177, 121, ui::kSilver);
    ui::MakePicture(legend, "Image2", pictures::SeriesImpedanceFormula, 32, 8, 113, 41);
    ui::MakePicture(
        legend, "Image3", [=] { return pictures::LegendSymbol(QStringLiteral("R ="), symbol); }, 40, 56, 33,
        17);
    ui::MakePicture(
        legend, "Image4", [=] { return pictures::LegendSymbol(QStringLiteral("X ="), symbol); }, 40, 72, 33,
        17);
    ui::MakePicture(
        legend, "Image5", [=] { return pictures::LegendSymbol(QStringLiteral("Z ="), symbol); }, 40, 96, 33,
        17);
    ui::MakeLabel(legend, "Label2", QStringLiteral("Résistance "), 80, 58, 0, 13);
    ui::MakeLabel(legend, "Label3", QStringLiteral("Réactance "), 80, 74, 0, 13);
    ui::MakeLabel(legend, "Label4", QStringLiteral("Impédance"), 80, 98, 0, 13);

    QGroupBox* calc =
        ui::MakeGroup(this, "GroupBox1", QStringLiteral("Résultat"), 312, 136, 177, 145, ui::kSilver);
    ui::MakeLabel(calc, "Label5", QStringLiteral("Résistance (Ohms)"), 8, 19, 96, 13);
    edit1_ = ui::MakeValueBox(calc, "Edit1", 104, 16, 65, 19);
    ui::MakeLabel(calc, "Label6", QStringLiteral("Réactance (Ohms)"), 8, 43, 96, 13);
    edit2_ = ui::MakeValueBox(calc, "Edit2", 104, 40, 65, 19);
    ui::MakePicture(
        calc, "Image6", [=] { return pictures::LegendSymbol(QStringLiteral("Z ="), symbol); }, 8, 64, 33, 17);
    impedance_ = ui::MakeResultLabel(calc, "Label7", 40, 64, 97, 17);
    impedance::MakeFixedUnit(calc, "Label10", QStringLiteral("Ohms"), 136, 64, 33);
    ui::MakePicture(
        calc, "Image8", [=] { return pictures::LegendSymbol(QStringLiteral("\\theta ="), symbol); }, 8, 88,
        33, 17);
    phase_ = ui::MakeResultLabel(calc, "Label8", 40, 88, 81, 17);
    impedance::MakeFixedUnit(calc, "Label9", QStringLiteral("Degrés"), 120, 88, 49);

    QPushButton* equals = ui::MakeEqualsButton(calc, "Button1", 64, 112, 49, 25);
    QPushButton* reset = ui::MakeResetButton(calc, "BitBtn1", 16, 112, 25, 25);
    QPushButton* print = ui::MakePrintButton(calc, "BitBtn2", 136, 112, 28, 25);
    ui::SetTabOrder({edit1_, edit2_, reset, equals, print});

    page_.Boxes({edit1_, edit2_})
        .Results({impedance_, phase_})
        .Fields({&Resistance, &Reactance, &Impedance, &PhaseAngle});

    ui::On(equals, &QPushButton::clicked, this, [this] { Button1Click(); });
    ui::On(reset, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    ui::On(print, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
}

void TFormImpedance::FormActivate() {
    if (!ui::IsEnglish()) return;
    setWindowTitle(QStringLiteral("Impedance in series RL and RC"));
    ui::ApplyTexts(this, {{"Label2", "Resistance"},
                          {"Label3", "Reactance"},
                          {"Label4", "Impedance"},
                          {"GroupBox1", "Calculator"},
                          {"Label5", "Resistance (Ohms)"},
                          {"Label6", "Reactance (Ohms)"},
                          {"Label9", "Degree"},
                          {"Label1", "Vectorial relation in series circuit"}});
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

#include "impedance/Resonance.h"
#include "printing/ReportRows.h"
#include "ui/Registry.h"

#include "formulas/Resonance.h"
#include "impedance/ProdIndCapReso.h"
#include "pictures/Glyphs.h"
#include "pictures/impedance/ResonancePictures.h"
#include "printing/Preview.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Widgets.h"

#include <QFrame>

using Op = ui::UnitList::Op;

TFormResonance::TFormResonance(QWidget* parent) : ui::TwoValueWindow(parent) {
    setObjectName(QStringLiteral("FormResonance"));
    SetForm(QStringLiteral("Calcul de la résonance"), 430, 280, ui::kSilver);

    tableur_ = ui::MakeClickablePicture(
        this, "Image7", [=] { return pictures::TableurOval(QStringLiteral("TABLEUR")); }, 264, 200, 113, 41);

    QFrame* legend = ui::MakePanel(this, "Panel1", 8, 152, 193, 121, ui::kSilver);
    ui::MakePicture(legend, "Image1", pictures::ResonanceFormula, 48, 8, 105, 41);
    const QSize symbol(33, 17);
    ui::MakePicture(
        legend, "Image2", [=] { return pictures::LegendSymbol(QStringLiteral("L ="), symbol); }, 32, 56, 33,
        17);
    ui::MakePicture(
        legend, "Image3", [=] { return pictures::LegendSymbol(QStringLiteral("C ="), symbol); }, 32, 72, 33,
        17);
    ui::MakePicture(
        legend, "Image4", [=] { return pictures::LegendSymbol(QStringLiteral("f_{0} ="), symbol); }, 32, 96,
        33, 17);
    ui::MakeLabel(legend, "Label1", QStringLiteral("Inductance en uH"), 72, 56, 0, 13);
    ui::MakeLabel(legend, "Label2", QStringLiteral("Capacitance en uF"), 72, 72, 0, 13);
    ui::MakeLabel(legend, "Label3", QStringLiteral("Fréquence en mHz"), 72, 96, 0, 13);

    QFrame* circuit = ui::MakePanel(this, "Panel2", 8, 8, 193, 137, ui::kYellow);
    ui::MakePicture(circuit, "Image5", pictures::ResonanceCircuit, 32, 24, 121, 97);
    echo1_ = ui::MakeCentredLabel(circuit, "Label7", 128, 32, 57, 17);
    unitEcho1_ = ui::MakeCentredLabel(circuit, "Label8", 128, 48, 57, 17);
    echo2_ = ui::MakeCentredLabel(circuit, "Label9", 128, 80, 57, 17);
    unitEcho2_ = ui::MakeCentredLabel(circuit, "Label10", 128, 112, 57, 17);

    QFrame* calc = ui::MakePanel(this, "Panel3", 208, 8, 217, 161, ui::kSilver);
    ui::MakePicture(
        calc, "Image6", [=] { return pictures::LegendSymbol(QStringLiteral("f_{0} ="), symbol); }, 16, 64, 33,
        17);
    result_ = ui::MakeResultLabel(calc, "Label4", 51, 64, 106, 17);
    ui::MakeLabel(calc, "Label5", QStringLiteral("Capacitance"), 16, 32, 60, 13);
    ui::MakeLabel(calc, "Label6", QStringLiteral("Inductance "), 16, 8, 57, 13);
    edit1_ = ui::MakeValueBox(calc, "Edit1", 89, 8, 73, 19);
    edit2_ = ui::MakeValueBox(calc, "Edit2", 89, 32, 73, 19);
    unit1_ = ui::MakeUnitList(
        calc, "ComboBox1", 157, 8, 57,
        {{QStringLiteral("mH"), Op::Divide, 1000.0L}, {QStringLiteral("uH"), Op::Divide, 1000000.0L}});
    unit2_ = ui::MakeUnitList(calc, "ComboBox2", 157, 32, 57,
                              {{QStringLiteral("uF"), Op::Divide, 1e6L},
                               {QStringLiteral("nF"), Op::Divide, 1e9L},
                               {QStringLiteral("pF"), Op::Divide, 1e12L}});
    // "mHz" is mega, as in the reactance windows.
    resultUnit_ = ui::MakeUnitList(calc, "ComboBox3", 157, 64, 57,
                                   {{QStringLiteral("Hz"), Op::Divide, 1.0L},
                                    {QStringLiteral("kHz"), Op::Divide, 1000.0L},
                                    {QStringLiteral("mHz"), Op::Divide, 1000000.0L}});
    QPushButton* equals = ui::MakeEqualsButton(calc, "Button1", 80, 112, 65, 25);
    QPushButton* reset = ui::MakeResetButton(calc, "BitBtn1", 24, 112, 33, 25);
    QPushButton* print = ui::MakePrintButton(calc, "BitBtn2", 168, 112, 33, 25);

    ui::SetTabOrder({edit1_, edit2_, unit1_, unit2_, resultUnit_, equals, reset, print});

    page_.Boxes({edit1_, edit2_}).Results({result_}).Fields({&Inductance, &Capacitance, &Frequency});

    ui::On(equals, &QPushButton::clicked, this, [this] { Button1Click(); });
    ConnectUnits();
    LinkResponse(Quantity::Inductance, Quantity::Capacitance);
    ui::On(reset, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    ui::On(print, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    ui::On(tableur_, &ui::PictureLabel::clicked, this, [this] { Image7Click(); });
}

void TFormResonance::FormCreate() {
    unit1_->setCurrentIndex(1);
    unit2_->setCurrentIndex(0);
    resultUnit_->setCurrentIndex(2);
}

void TFormResonance::FormActivate() {
    if (!ui::IsEnglish()) return;
    setWindowTitle(QStringLiteral("Resonance"));
    ui::ApplyTexts(this, {{"Label1", "Inductance"},
                          {"Label2", "Capacitance"},
                          {"Label3", "Frequency"},
                          {"Label6", "Inductance"},
                          {"Label5", "Capacitance"}});
    EnglishTableur();
}

void TFormResonance::Calculate() {
    // The unit lists leave the echoes to this routine once both boxes hold text.
    Echo();

    Inductance = ui::Stored(page_.Read(edit1_, unit1_));
    Capacitance = ui::Stored(page_.Read(edit2_, unit2_));
    Frequency = ui::Stored(page_.InUnit(
        ui::Compute([this] { return formulas::ResonantFrequency(Inductance, Capacitance); }), resultUnit_));
    page_.Show(result_, Frequency, ui::kNumber10_4);
}

void TFormResonance::Button1Click() {
    Calculate();
}

void TFormResonance::BitBtn1Click() {
    page_.Clear();
}

void TFormResonance::BitBtn2Click() {
    printing::PreviewReport(QStringLiteral("TQRResonance"), this);
}

// The resonance table of this guide is the LC product window's table of frequencies.
void TFormResonance::Image7Click() {
    if (auto* table = ui::Find<TFormIndCapProReso>()) table->ShowTopic();
}

OHMBRIX_REGISTER_WINDOW(TFormResonance)

OHMBRIX_REGISTER_REPORT_ROW(TQRResonance, TFormResonance, QStringLiteral("Résonance"),
                            {{{"Panel2", true}}, {{"Image1"}}},
                            {{QStringLiteral("L ="), "Edit1", "ComboBox1"},
                             {QStringLiteral("C ="), "Edit2", "ComboBox2"}},
                            {{QStringLiteral("Fo="), "Label4", "ComboBox3"}})

#include "impedance/Resonance.h"
#include "printing/ReportRows.h"
#include "ui/Registry.h"

#include "formulas/Resonance.h"
#include "impedance/ProdIndCapReso.h"
#include "pictures/Glyphs.h"
#include "pictures/impedance/ResonancePictures.h"
#include "printing/Preview.h"
#include "ui/FormTable.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Widgets.h"

using Op = ui::UnitList::Op;

namespace {

QImage Symbol(const char* text) {
    return pictures::LegendSymbol(QString::fromUtf8(text), {33, 17});
}

using namespace ui::form;

const ui::FormTable kForm{
    {PictureButton("Image7", nullptr, {264, 200, 113, 41},
                   [] { return pictures::TableurOval(QStringLiteral("TABLEUR")); }),
     Panel("Panel1", nullptr, {8, 152, 193, 121}, ui::kSilver),
     Picture("Image1", "Panel1", {48, 8, 105, 41}, pictures::ResonanceFormula)
         .Says("f0 égale 1 sur 2 pi racine de L C", "f0 equals 1 over 2 pi square root of L C"),
     Picture("Image2", "Panel1", {32, 56, 33, 17}, [] { return Symbol("L ="); }).Says("L ="),
     Picture("Image3", "Panel1", {32, 72, 33, 17}, [] { return Symbol("C ="); }).Says("C ="),
     Picture("Image4", "Panel1", {32, 96, 33, 17}, [] { return Symbol("f_{0} ="); }).Says("f0 ="),
     Label("Label1", "Panel1", {72, 56, 0, 13}, QStringLiteral("Inductance en uH"),
           QStringLiteral("Inductance")),
     Label("Label2", "Panel1", {72, 72, 0, 13}, QStringLiteral("Capacitance en uF"),
           QStringLiteral("Capacitance")),
     Label("Label3", "Panel1", {72, 96, 0, 13}, QStringLiteral("Fréquence en mHz"),
           QStringLiteral("Frequency")),
     Panel("Panel2", nullptr, {8, 8, 193, 137}, ui::kYellow),
     Picture("Image5", "Panel2", {32, 24, 121, 97}, pictures::ResonanceCircuit)
         .Says("Circuit : bobine L et condensateur C, fréquence de résonance f0",
               "Circuit: a coil L and a capacitor C, resonant frequency f0"),
     Echo("Label7", "Panel2", {128, 32, 57, 17}), Echo("Label8", "Panel2", {128, 48, 57, 17}),
     Echo("Label9", "Panel2", {128, 80, 57, 17}), Echo("Label10", "Panel2", {128, 112, 57, 17}),
     Panel("Panel3", nullptr, {208, 8, 217, 161}, ui::kSilver),
     Picture("Image6", "Panel3", {16, 64, 33, 17}, [] { return Symbol("f_{0} ="); }).Says("f0 ="),
     Result("Label4", "Panel3", {51, 64, 106, 17}).Says("Fo"),
     Label("Label5", "Panel3", {16, 32, 60, 13}, QStringLiteral("Capacitance")).For("Edit2"),
     Label("Label6", "Panel3", {16, 8, 57, 13}, QStringLiteral("Inductance "), QStringLiteral("Inductance"))
         .For("Edit1"),
     Box("Edit1", "Panel3", {89, 8, 73, 19}).Says("L"), Box("Edit2", "Panel3", {89, 32, 73, 19}).Says("C"),
     Units("ComboBox1", "Panel3", {157, 8, 57, 0},
           {{QStringLiteral("mH"), Op::Divide, 1000.0L}, {QStringLiteral("uH"), Op::Divide, 1000000.0L}})
         .For("Edit1"),
     Units("ComboBox2", "Panel3", {157, 32, 57, 0},
           {{QStringLiteral("uF"), Op::Divide, 1e6L},
            {QStringLiteral("nF"), Op::Divide, 1e9L},
            {QStringLiteral("pF"), Op::Divide, 1e12L}})
         .For("Edit2"),
     // "mHz" is mega, as in the reactance windows.
     Units("ComboBox3", "Panel3", {157, 64, 57, 0},
           {{QStringLiteral("Hz"), Op::Divide, 1.0L},
            {QStringLiteral("kHz"), Op::Divide, 1000.0L},
            {QStringLiteral("mHz"), Op::Divide, 1000000.0L}})
         .For("Label4"),
     Equals("Button1", "Panel3", {80, 112, 65, 25}), Reset("BitBtn1", "Panel3", {24, 112, 33, 25}),
     Print("BitBtn2", "Panel3", {168, 112, 33, 25})},
    {"Edit1", "Edit2", "ComboBox1", "ComboBox2", "ComboBox3", "Button1", "BitBtn1", "BitBtn2"}};

} // namespace

TFormResonance::TFormResonance(QWidget* parent) : ui::TwoValueWindow(parent) {
    setObjectName(QStringLiteral("FormResonance"));
    SetForm(QStringLiteral("Calcul de la résonance"), 430, 280, ui::kSilver);

    const ui::FormParts parts = Build(kForm);

    page_.Fields({&Inductance, &Capacitance, &Frequency});

    ui::On(parts.Get<QPushButton>("Button1"), &QPushButton::clicked, this, [this] { Button1Click(); });
    ConnectUnits();
    LinkResponse(Quantity::Inductance, Quantity::Capacitance);
    ui::On(parts.Get<QPushButton>("BitBtn1"), &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    ui::On(parts.Get<QPushButton>("BitBtn2"), &QPushButton::clicked, this, [this] { BitBtn2Click(); });
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
    ui::ApplyEnglish(this, kForm);
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

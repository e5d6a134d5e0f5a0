#include "inductance/ReactanceInd.h"
#include "printing/ReportRows.h"
#include "ui/Registry.h"

#include "formulas/Reactance.h"
#include "inductance/TableurInd.h"
#include "pictures/Glyphs.h"
#include "pictures/inductance/ReactanceIndPictures.h"
#include "printing/Preview.h"
#include "ui/FormTable.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Widgets.h"

using Op = ui::UnitList::Op;

namespace {

using namespace ui::form;

const ui::FormTable kForm{
    {Panel("Panel1", nullptr, {6, 8, 193, 121}, ui::kYellow),
     Picture("Image1", "Panel1", {41, 17, 105, 88}, pictures::ReactanceIndCircuit)
         .Says("Circuit : générateur de fréquence f et bobine L",
               "Circuit: a generator of frequency f and an inductor L"),
     Echo("Label1", "Panel1", {0, 33, 62, 13}),
     Echo("Label9", "Panel1", {16, 72, 33, 17}),
     Echo("Label2", "Panel1", {136, 65, 52, 13}),
     Echo("Label10", "Panel1", {147, 80, 29, 21}),
     Panel("Panel2", nullptr, {6, 136, 193, 121}, ui::kSilver),
     Picture("Image2", "Panel2", {43, 7, 103, 34}, pictures::ReactanceIndFormula)
         .Says("XL égale 2 pi f L", "XL equals 2 pi f L"),
     Symbol("Image4", "Panel2", {24, 48, 33, 17}, QStringLiteral("f =")).Says("f ="),
     Label("Label3", "Panel2", {72, 48, 0, 13}, QStringLiteral("Fréquence en hertz"),
           QStringLiteral("Frequency")),
     Symbol("Image3", "Panel2", {24, 64, 33, 17}, QStringLiteral("L =")).Says("L ="),
     Label("Label4", "Panel2", {72, 64, 0, 13}, QStringLiteral("Inductance en henries"),
           QStringLiteral("Inductance")),
     Symbol("Image5", "Panel2", {24, 96, 33, 17}, QStringLiteral("X_{L} =")).Says("Xl ="),
     Label("Label5", "Panel2", {72, 96, 0, 13}, QStringLiteral("Réactance en ohms"),
           QStringLiteral("Reactance")),
     Panel("Panel3", nullptr, {204, 8, 217, 185}, ui::kSilver),
     Label("Label6", "Panel3", {8, 11, 66, 13}, QStringLiteral("Fréquence (f) "),
           QStringLiteral("Frequency (f)"))
         .For("Edit1"),
     Box("Edit1", "Panel3", {79, 8, 73, 19}).Says("f"),
     Units("ComboBox1", "Panel3", {155, 8, 57, 0},
           {{QStringLiteral("Hz"), Op::Multiply, 1.0L},
            {QStringLiteral("kHz"), Op::Multiply, 1000.0L},
            {QStringLiteral("mHz"), Op::Multiply, 1000000.0L}})
         .For("Edit1"),
     Label("Label7", "Panel3", {8, 35, 69, 13}, QStringLiteral("Inductance (L)"),
           QStringLiteral("Inductance (L)"))
         .For("Edit2"),
     Box("Edit2", "Panel3", {79, 32, 73, 19}).Says("L"),
     Units("ComboBox2", "Panel3", {155, 32, 57, 0},
           {{QStringLiteral("H"), Op::Divide, 1.0L},
            {QStringLiteral("mH"), Op::Divide, 1000.0L},
            {QStringLiteral("uH"), Op::Divide, 1000000.0L}})
         .For("Edit2"),
     Symbol("Image6", "Panel3", {2, 64, 33, 17}, QStringLiteral("X_{L} =")).Says("Xl ="),
     Result("Label8", "Panel3", {35, 64, 118, 17}).Says("Xl"),
     Units("ComboBox3", "Panel3", {152, 62, 62, 0},
           {{QStringLiteral("Ohms"), Op::Divide, 1.0L},
            {QStringLiteral("kOhms"), Op::Divide, 1000.0L},
            {QStringLiteral("mOhms"), Op::Divide, 1000000.0L}})
         .For("Label8"),
     Reset("BitBtn1", "Panel3", {28, 120, 28, 25}),
     Equals("Button1", "Panel3", {78, 120, 65, 25}),
     Print("BitBtn2", "Panel3", {166, 120, 28, 25}),
     PictureButton("Image7", nullptr, {252, 208, 121, 41},
                   [] {
                       return pictures::TableurOval(QStringLiteral("TABLEUR"), {121, 41});
                   })},
    {"Edit1", "ComboBox1", "Edit2", "ComboBox2", "ComboBox3", "BitBtn1", "Button1", "BitBtn2"}};

} // namespace

TFormReacInd::TFormReacInd(QWidget* parent) : ui::TwoValueWindow(parent) {
    setObjectName(QStringLiteral("FormReacInd"));
    // The form's active-border colour is silver in the classic scheme the forms are drawn for.
    SetForm(QStringLiteral("Calcul de la Réactance inductive"), 425, 263, ui::kSilver);

    const ui::FormParts parts = Build(kForm);
    ui::SetTextBackground(echo1_, ui::kSilver);

    page_.Fields({&Frequency, &Inductance, &Reactance});

    ui::On(parts.Get<QPushButton>("Button1"), &QPushButton::clicked, this, [this] { Button1Click(); });
    ConnectUnits();
    LinkResponse(Quantity::Frequency, Quantity::Inductance);
    ui::On(parts.Get<QPushButton>("BitBtn1"), &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    ui::On(parts.Get<QPushButton>("BitBtn2"), &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    ui::On(tableur_, &ui::PictureLabel::clicked, this, [this] { Image7Click(); });
}

void TFormReacInd::FormCreate() {
    unit1_->setCurrentIndex(0);
    unit2_->setCurrentIndex(0);
    resultUnit_->setCurrentIndex(0);
}

void TFormReacInd::FormActivate() {
    if (!ui::IsEnglish()) return;
    setWindowTitle(QStringLiteral("Inductive reactance"));
    ui::ApplyEnglish(this, kForm);
    EnglishTableur();
}

void TFormReacInd::Calculate() {
    // The circuit picture shows what was typed, before anything converts.
    Echo();

    Frequency = ui::Stored(page_.Read(edit1_, unit1_));
    Inductance = ui::Stored(page_.Read(edit2_, unit2_));
    Reactance = ui::Stored(page_.InUnit(
        ui::Compute([this] { return formulas::InductiveReactance(Frequency, Inductance); }), resultUnit_));
    page_.Show(result_, Reactance, ui::kNumber10_4);
}

void TFormReacInd::Button1Click() {
    Calculate();
}

void TFormReacInd::BitBtn1Click() {
    page_.Clear();
    edit1_->setFocus();
}

void TFormReacInd::BitBtn2Click() {
    printing::PreviewReport(QStringLiteral("TQRReacInd"), this);
}

void TFormReacInd::Image7Click() {
    if (auto* table = ui::Find<TFormTableurInd>()) table->ShowTopic();
}

OHMBRIX_REGISTER_WINDOW(TFormReacInd)

OHMBRIX_REGISTER_REPORT_ROW(TQRReacInd, TFormReacInd, QStringLiteral("Réactance inductive"),
                            {{{"Panel1", true}}, {{"Image2"}}},
                            {{QStringLiteral("f ="), "Edit1", "ComboBox1"},
                             {QStringLiteral("L ="), "Edit2", "ComboBox2"}},
                            {{QStringLiteral("Xl ="), "Label8", "ComboBox3"}})

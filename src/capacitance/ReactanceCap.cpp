#include "capacitance/ReactanceCap.h"

#include "capacitance/TabReacCap.h"
#include "formulas/Reactance.h"
#include "pictures/Glyphs.h"
#include "pictures/capacitance/ReactanceCapPictures.h"
#include "printing/Preview.h"
#include "printing/ReportRows.h"
#include "ui/FormTable.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Registry.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>

using Unit = ui::UnitList::Unit;
using Op = ui::UnitList::Op;

namespace {

using namespace ui::form;

const ui::FormTable kForm{
    {Panel("Panel2", nullptr, {8, 8, 185, 105}, ui::kYellow),
     Picture("Image5", "Panel2", {40, 8, 105, 89}, pictures::ReactanceCapCircuit)
         .Says("Circuit : générateur de fréquence f et condensateur C",
               "Circuit: a generator of frequency f and a capacitor C"),
     Echo("Label8", "Panel2", {8, 32, 41, 17}),
     Echo("Label10", "Panel2", {8, 48, 33, 17}),
     Echo("Label9", "Panel2", {134, 32, 49, 13}),
     Echo("Label11", "Panel2", {144, 48, 33, 17}),
     Panel("Panel1", nullptr, {8, 120, 185, 145}, ui::kSilver),
     Picture("Image1", "Panel1", {40, 8, 105, 41}, pictures::ReactanceCapFormula)
         .Says("Xc égale 1 sur 2 pi f C", "Xc equals 1 over 2 pi f C"),
     Symbol("Image3", "Panel1", {16, 56, 33, 17}, "f ="),
     Label("Label2", "Panel1", {48, 56, 113, 13}, "Fréquence en Hertz", "Frequency"),
     Symbol("Image2", "Panel1", {16, 80, 41, 17}, "C ="),
     Label("Label1", "Panel1", {48, 80, 0, 0}, "Condensateur en Farad", "Capacitance"),
     Symbol("Image4", "Panel1", {16, 112, 33, 17}, "X_{c} ="),
     Label("Label3", "Panel1", {48, 112, 0, 0}, "Réactance en ohms", "Reactance"),
     Group("GroupBox1", nullptr, {200, 8, 225, 169}, "Résultat", "Calculator", ui::kSilver),
     Label("Label4", "GroupBox1", {14, 28, 0, 0}, "Fréquence", "Frequency").For("Edit1"),
     Box("Edit1", "GroupBox1", {80, 24, 73, 21}).Says("f"),
     Units("ComboBox1", "GroupBox1", {160, 24, 60, 0},
           {{"Hertz", Op::Multiply, 1.0L},
            {"kHertz", Op::Multiply, 1000.0L},
            {"mHertz", Op::Multiply, 1000000.0L}})
         .For("Edit1"),
     Label("Label5", "GroupBox1", {13, 52, 0, 0}, "Capacitance").For("Edit2"),
     Box("Edit2", "GroupBox1", {80, 48, 73, 21}).Says("C"),
     Units("ComboBox2", "GroupBox1", {160, 48, 60, 0},
           {{"uF", Op::Divide, 1000000.0L}, {"nF", Op::Divide, 1000000000.0L}})
         .For("Edit2"),
     Symbol("Image7", "GroupBox1", {16, 80, 33, 17}, "X_{c} ="),
     Result("Label6", "GroupBox1", {48, 80, 113, 17}).Says("Xc"),
     Units("ComboBox3", "GroupBox1", {160, 80, 60, 0},
           {{"Ohms", Op::Divide, 1.0L}, {"kOhms", Op::Divide, 1000.0L}, {"mOhms", Op::Divide, 1000000.0L}})
         .For("Label6"),
     Check("CheckBox1", "GroupBox1", {160, 104, 57, 17}, "2 Digit"),
     Reset("BitBtn2", "GroupBox1", {32, 134, 33, 25}),
     Equals("Button1", "GroupBox1", {82, 134, 65, 25}),
     Print("BitBtn1", "GroupBox1", {164, 134, 33, 25}),
     PictureButton("Image6", nullptr, {256, 205, 113, 41}, [] { return pictures::TableurOval("TABLEUR"); })},
    {"Edit1", "ComboBox1", "Edit2", "ComboBox2", "ComboBox3", "BitBtn2", "Button1", "BitBtn1", "CheckBox1"}};

} // namespace

TFormReacCap::TFormReacCap(QWidget* parent) : ui::TwoValueWindow(parent) {
    setObjectName(QStringLiteral("FormReacCap"));
    SetForm(QStringLiteral("Calcul de la Réactance Capacitive"), 432, 268, ui::kSilver);

    const ui::FormParts parts = Build(kForm);

    page_.Fields({&Frequency, &Capacitance, &Reactance});

    ui::On(parts.Get<QPushButton>("Button1"), &QPushButton::clicked, this, [this] { Calculate(); });
    ConnectUnits();
    LinkResponse(Quantity::Frequency, Quantity::Capacitance);
    ui::On(parts.Get<QPushButton>("BitBtn2"), &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    ui::On(parts.Get<QPushButton>("BitBtn1"), &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    ui::On(tableur_, &ui::PictureLabel::clicked, this, [this] { Image6Click(); });
}

void TFormReacCap::FormCreate() {
    unit1_->setCurrentIndex(0);
    unit2_->setCurrentIndex(0);
    resultUnit_->setCurrentIndex(0);
}

void TFormReacCap::FormActivate() {
    if (!ui::IsEnglish()) return;
    setWindowTitle(QStringLiteral("Capacitive reactance"));
    ui::ApplyEnglish(this, kForm);
    EnglishTableur();
}

void TFormReacCap::Calculate() {
    Echo();

    Frequency = ui::Stored(page_.Read(edit1_, unit1_));
    Capacitance = ui::Stored(page_.Read(edit2_, unit2_));
    Reactance = ui::Stored(page_.InUnit(
        ui::Compute([this] { return formulas::CapacitiveReactance(Frequency, Capacitance); }), resultUnit_));
    page_.Show(result_, Reactance, kReactanceDisplay);
}

void TFormReacCap::BitBtn2Click() {
    page_.Clear();
    edit1_->setFocus();
}

void TFormReacCap::BitBtn1Click() {
    printing::PreviewReport(QStringLiteral("TQRReacCap"), this);
}

void TFormReacCap::Image6Click() {
    if (auto* table = ui::Find<TFormTabReacCap>()) table->ShowTopic();
}

OHMBRIX_REGISTER_WINDOW(TFormReacCap)

OHMBRIX_REGISTER_REPORT_ROW(TQRReacCap, TFormReacCap, QStringLiteral("Réactance capacitive"),
                            {{{"Panel2", true}}, {{"Image1"}}},
                            {{QStringLiteral("f ="), "Edit1", "ComboBox1"},
                             {QStringLiteral("C ="), "Edit2", "ComboBox2"}},
                            {{QStringLiteral("Xc ="), "Label6", "ComboBox3"}})

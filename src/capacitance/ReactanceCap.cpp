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

QImage Symbol(const char* text, QSize size) {
    return pictures::LegendSymbol(QString::fromUtf8(text), size);
}

const ui::FormTable kForm{
    {ui::form::Panel("Panel2", nullptr, {8, 8, 185, 105}, ui::kYellow),
     ui::form::Picture("Image5", "Panel2", {40, 8, 105, 89}, pictures::ReactanceCapCircuit)
         .Says("Circuit : générateur de fréquence f et condensateur C",
               "Circuit: a generator of frequency f and a capacitor C"),
     ui::form::Echo("Label8", "Panel2", {8, 32, 41, 17}),
     ui::form::Echo("Label10", "Panel2", {8, 48, 33, 17}),
     ui::form::Echo("Label9", "Panel2", {134, 32, 49, 13}),
     ui::form::Echo("Label11", "Panel2", {144, 48, 33, 17}),
     ui::form::Panel("Panel1", nullptr, {8, 120, 185, 145}, ui::kSilver),
     ui::form::Picture("Image1", "Panel1", {40, 8, 105, 41}, pictures::ReactanceCapFormula)
         .Says("Xc égale 1 sur 2 pi f C", "Xc equals 1 over 2 pi f C"),
     ui::form::Picture("Image3", "Panel1", {16, 56, 33, 17},
                       [] {
                           return Symbol("f =", {33, 17});
                       })
         .Says("f ="),
     ui::form::Label("Label2", "Panel1", {48, 56, 113, 13}, QStringLiteral("Fréquence en Hertz"),
                     QStringLiteral("Frequency")),
     ui::form::Picture("Image2", "Panel1", {16, 80, 41, 17},
                       [] {
                           return Symbol("C =", {41, 17});
                       })
         .Says("C ="),
     ui::form::Label("Label1", "Panel1", {48, 80, 0, 0}, QStringLiteral("Condensateur en Farad"),
                     QStringLiteral("Capacitance")),
     ui::form::Picture("Image4", "Panel1", {16, 112, 33, 17},
                       [] {
                           return Symbol("X_{c} =", {33, 17});
                       })
         .Says("Xc ="),
     ui::form::Label("Label3", "Panel1", {48, 112, 0, 0}, QStringLiteral("Réactance en ohms"),
                     QStringLiteral("Reactance")),
     ui::form::Group("GroupBox1", nullptr, {200, 8, 225, 169}, QStringLiteral("Résultat"),
                     QStringLiteral("Calculator"), ui::kSilver),
     ui::form::Label("Label4", "GroupBox1", {14, 28, 0, 0}, QStringLiteral("Fréquence"),
                     QStringLiteral("Frequency"))
         .For("Edit1"),
     ui::form::Box("Edit1", "GroupBox1", {80, 24, 73, 21}).Says("f"),
     ui::form::Units("ComboBox1", "GroupBox1", {160, 24, 60, 0},
                     {{QStringLiteral("Hertz"), Op::Multiply, 1.0L},
                      {QStringLiteral("kHertz"), Op::Multiply, 1000.0L},
                      {QStringLiteral("mHertz"), Op::Multiply, 1000000.0L}})
         .For("Edit1"),
     ui::form::Label("Label5", "GroupBox1", {13, 52, 0, 0}, QStringLiteral("Capacitance")).For("Edit2"),
     ui::form::Box("Edit2", "GroupBox1", {80, 48, 73, 21}).Says("C"),
     ui::form::Units(
         "ComboBox2", "GroupBox1", {160, 48, 60, 0},
         {{QStringLiteral("uF"), Op::Divide, 1000000.0L}, {QStringLiteral("nF"), Op::Divide, 1000000000.0L}})
         .For("Edit2"),
     ui::form::Picture("Image7", "GroupBox1", {16, 80, 33, 17},
                       [] {
                           return Symbol("X_{c} =", {33, 17});
                       })
         .Says("Xc ="),
     ui::form::Result("Label6", "GroupBox1", {48, 80, 113, 17}).Says("Xc"),
     ui::form::Units("ComboBox3", "GroupBox1", {160, 80, 60, 0},
                     {{QStringLiteral("Ohms"), Op::Divide, 1.0L},
                      {QStringLiteral("kOhms"), Op::Divide, 1000.0L},
                      {QStringLiteral("mOhms"), Op::Divide, 1000000.0L}})
         .For("Label6"),
     ui::form::Check("CheckBox1", "GroupBox1", {160, 104, 57, 17}, QStringLiteral("2 Digit")),
     ui::form::Reset("BitBtn2", "GroupBox1", {32, 134, 33, 25}),
     ui::form::Equals("Button1", "GroupBox1", {82, 134, 65, 25}),
     ui::form::Print("BitBtn1", "GroupBox1", {164, 134, 33, 25}),
     ui::form::PictureButton("Image6", nullptr, {256, 205, 113, 41},
                             [] { return pictures::TableurOval(QStringLiteral("TABLEUR")); })},
    {"Edit1", "ComboBox1", "Edit2", "ComboBox2", "ComboBox3", "BitBtn2", "Button1", "BitBtn1", "CheckBox1"}};

} // namespace

TFormReacCap::TFormReacCap(QWidget* parent) : ui::TwoValueWindow(parent) {
    setObjectName(QStringLiteral("FormReacCap"));
    SetForm(QStringLiteral("Calcul de la Réactance Capacitive"), 432, 268, ui::kSilver);

    const ui::FormParts parts = ui::BuildForm(this, kForm);
    edit1_ = parts.Get<QLineEdit>("Edit1");
    edit2_ = parts.Get<QLineEdit>("Edit2");
    unit1_ = parts.Get<ui::UnitList>("ComboBox1");
    unit2_ = parts.Get<ui::UnitList>("ComboBox2");
    resultUnit_ = parts.Get<ui::UnitList>("ComboBox3");
    result_ = parts.Get<QLabel>("Label6");
    echo1_ = parts.Get<QLabel>("Label8");
    unitEcho1_ = parts.Get<QLabel>("Label10");
    echo2_ = parts.Get<QLabel>("Label9");
    unitEcho2_ = parts.Get<QLabel>("Label11");
    tableur_ = parts.Get<ui::PictureLabel>("Image6");

    page_.Boxes({edit1_, edit2_}).Results({result_}).Fields({&Frequency, &Capacitance, &Reactance});

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

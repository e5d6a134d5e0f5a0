#include "impedance/Constants.h"
#include "printing/ReportRows.h"
#include "ui/Registry.h"

#include "formulas/TimeConstants.h"
#include "impedance/TableurRC.h"
#include "impedance/TableurRL.h"
#include "pictures/Glyphs.h"
#include "pictures/impedance/ConstantsPictures.h"
#include "printing/Preview.h"
#include "ui/FormTable.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Pictures.h"
#include "ui/Widgets.h"

using Unit = ui::UnitList::Unit;
using Op = ui::UnitList::Op;

namespace {

// General rather than Number: time constants run from picoseconds to hours.
constexpr ui::Display kTimeDisplay = ui::kGeneral10_4;

// Three units whose factors are 1, `second` and `third`.
std::vector<Unit> Three(Op op, const char* first, const char* middle, const char* last,
                        long double second = 1e3L, long double third = 1e6L) {
    return {{QLatin1String(first), op, 1.0L},
            {QLatin1String(middle), op, second},
            {QLatin1String(last), op, third}};
}

QImage Symbol(const char* text, QSize size) {
    return pictures::LegendSymbol(QString::fromUtf8(text), size);
}

QImage Tableur() {
    return pictures::TableurOval(QStringLiteral("TABLEUR"));
}

// The circuit's letters beside its parts.
ui::FormRow Letter(const char* name, const char* parent, QRect at, const char* text) {
    return ui::form::Label(name, parent, at, QString::fromUtf8(text))
        .Align(Qt::AlignHCenter | Qt::AlignTop)
        .Font("MS Sans Serif", 11, true);
}

// "mOhms" is mega, as in the capacitive reactance window.
const std::vector<Unit> kResistanceUnits = Three(Op::Multiply, "Ohms", "kOhms", "mOhms");
const std::vector<Unit> kTimeUnits = Three(Op::Multiply, "S", "mS", "uS");

using namespace ui::form;

const ui::FormTable kForm{
    {Tabs("PageControl1", nullptr, {0, 0, 401, 289}), Page("TabSheet1", "PageControl1", QStringLiteral("RL")),
     Page("TabSheet2", "PageControl1", QStringLiteral("RC")),

     // RL
     Panel("Panel1", "TabSheet1", {0, 149, 169, 110}, ui::kSilver),
     Picture("Image1", "Panel1", {56, 8, 57, 41}, pictures::TimeConstantRLFormula)
         .Says("t égale L sur R", "t equals L over R"),
     Picture("Image2", "Panel1", {16, 48, 41, 17},
             [] {
                 return Symbol("L =", {41, 17});
             })
         .Says("L ="),
     Picture("Image3", "Panel1", {16, 64, 33, 17},
             [] {
                 return Symbol("R =", {33, 17});
             })
         .Says("R ="),
     Picture("Image4", "Panel1", {16, 88, 33, 17},
             [] {
                 return Symbol("t =", {33, 17});
             })
         .Says("t ="),
     Label("Label1", "Panel1", {48, 48, 0, 13}, QStringLiteral("Inductance en Henry"),
           QStringLiteral("Inductance ")),
     Label("Label2", "Panel1", {48, 64, 0, 13}, QStringLiteral("Résistance en ohms"),
           QStringLiteral("Resistance")),
     Label("Label3", "Panel1", {48, 88, 0, 13}, QStringLiteral("Temp en secondes"), QStringLiteral("Time ")),
     Panel("Panel2", "TabSheet1", {0, 0, 169, 145}, ui::kYellow),
     Picture("Image5", "Panel2", {16, 8, 145, 129}, pictures::TimeConstantRLCircuit)
         .Says("Circuit : résistance R et bobine L", "Circuit: a resistor R and a coil L"),
     Letter("Label7", "Panel2", {112, 40, 9, 13}, "R"), Letter("Label8", "Panel2", {112, 96, 8, 13}, "L"),
     Panel("Panel3", "TabSheet1", {176, 0, 217, 257}, ui::kSilver),
     Label("Label4", "Panel3", {4, 8, 0, 13}, QStringLiteral("Inductance (L)")).For("Edit1"),
     Label("Label5", "Panel3", {4, 32, 0, 13}, QStringLiteral("Résistance (R)"),
           QStringLiteral("Resistance (R)"))
         .For("Edit2"),
     Picture("Image6", "Panel3", {16, 64, 33, 17},
             [] {
                 return Symbol("t =", {33, 17});
             })
         .Says("t ="),
     Result("Label6", "Panel3", {48, 64, 105, 17}).Says("t"),
     PictureButton("Image13", "Panel3", {56, 176, 113, 41}, Tableur)
         .Says("Tableur de la constante de temp RL", "Table of time constants RL"),
     Box("Edit1", "Panel3", {80, 8, 73, 19}).Says("L"), Box("Edit2", "Panel3", {80, 32, 73, 19}).Says("R"),
     Units("ComboBox1", "Panel3", {152, 8, 57, 0}, Three(Op::Divide, "H", "mH", "uH")).For("Edit1"),
     Units("ComboBox2", "Panel3", {152, 32, 57, 0}, kResistanceUnits).For("Edit2"),
     Units("ComboBox3", "Panel3", {152, 64, 57, 0}, kTimeUnits).For("Label6"),
     Equals("Button1", "Panel3", {80, 112, 65, 25}), Reset("BitBtn1", "Panel3", {32, 112, 33, 25}),
     Print("BitBtn2", "Panel3", {160, 112, 33, 25}),

     // RC
     Panel("Panel4", "TabSheet2", {0, 144, 169, 113}, ui::kSilver),
     Picture("Image7", "Panel4", {48, 8, 73, 25}, pictures::TimeConstantRCFormula)
         .Says("t égale R fois C", "t equals R times C"),
     Picture("Image8", "Panel4", {16, 48, 33, 17},
             [] {
                 return Symbol("C =", {33, 17});
             })
         .Says("C ="),
     Picture("Image9", "Panel4", {16, 64, 33, 17},
             [] {
                 return Symbol("R =", {33, 17});
             })
         .Says("R ="),
     Picture("Image10", "Panel4", {16, 88, 33, 17},
             [] {
                 return Symbol("t =", {33, 17});
             })
         .Says("t ="),
     Label("Label9", "Panel4", {48, 48, 0, 13}, QStringLiteral("Capacitance en Farads"),
           QStringLiteral("Capacitance ")),
     Label("Label10", "Panel4", {48, 64, 0, 13}, QStringLiteral("Résistance en ohms"),
           QStringLiteral("Resistance")),
     Label("Label11", "Panel4", {48, 88, 0, 13}, QStringLiteral("Temp en secondes"), QStringLiteral("Time ")),
     Panel("Panel5", "TabSheet2", {0, 0, 169, 137}, ui::kYellow),
     Picture("Image11", "Panel5", {24, 8, 129, 121}, pictures::TimeConstantRCCircuit)
         .Says("Circuit : résistance R et condensateur C", "Circuit: a resistor R and a capacitor C"),
     Letter("Label12", "Panel5", {96, 48, 10, 13}, "R"), Letter("Label13", "Panel5", {96, 104, 9, 13}, "C"),
     Panel("Panel6", "TabSheet2", {176, 0, 217, 257}, ui::kSilver),
     // Clear of its value box, Edit3 at 80.
     Label("Label14", "Panel6", {3, 8, 0, 13}, QStringLiteral("Capacitance (C)")).Fit(75).For("Edit3"),
     Label("Label15", "Panel6", {4, 32, 0, 13}, QStringLiteral("Résistance (R)"),
           QStringLiteral("Resistance (R)"))
         .For("Edit4"),
     Picture("Image12", "Panel6", {16, 64, 33, 17},
             [] {
                 return Symbol("t =", {33, 17});
             })
         .Says("t ="),
     Result("Label16", "Panel6", {48, 64, 105, 17}).Says("t"),
     PictureButton("Image14", "Panel6", {56, 176, 113, 41}, Tableur)
         .Says("Tableur de la constante de temp RC", "Table of time constants RC"),
     Box("Edit3", "Panel6", {80, 8, 73, 19}).Says("C"), Box("Edit4", "Panel6", {80, 32, 73, 19}).Says("R"),
     Units("ComboBox4", "Panel6", {152, 8, 57, 0}, Three(Op::Divide, "F", "uF", "pF", 1e6L, 1e12L))
         .For("Edit3"),
     Units("ComboBox5", "Panel6", {152, 32, 57, 0}, kResistanceUnits).For("Edit4"),
     Units("ComboBox6", "Panel6", {152, 64, 57, 0}, kTimeUnits).For("Label16"),
     Equals("Button2", "Panel6", {80, 112, 65, 25}), Reset("BitBtn3", "Panel6", {32, 112, 33, 25}),
     Print("BitBtn4", "Panel6", {160, 112, 33, 25})},
    {"Edit1", "Edit2", "ComboBox1", "ComboBox2", "ComboBox3", "BitBtn1", "Button1", "BitBtn2", nullptr,
     "Edit3", "Edit4", "ComboBox4", "ComboBox5", "ComboBox6", "BitBtn3", "Button2", "BitBtn4"}};

} // namespace

// The table is built before the calculator pages, which name its tabs.
ui::FormParts TFormConstants::Build() {
    setObjectName(QStringLiteral("FormConstants"));
    SetForm(QStringLiteral("Constante de temp RL et RC"), 403, 291, ui::kSilver);
    return ui::BuildForm(this, kForm);
}

TFormConstants::TFormConstants(QWidget* parent)
    : ui::Window(parent), parts_(Build()), rl_(parts_.Find("TabSheet1")), rc_(parts_.Find("TabSheet2")) {
    edit1_ = parts_.Get<QLineEdit>("Edit1");
    edit2_ = parts_.Get<QLineEdit>("Edit2");
    comboBox1_ = parts_.Get<ui::UnitList>("ComboBox1");
    comboBox2_ = parts_.Get<ui::UnitList>("ComboBox2");
    comboBox3_ = parts_.Get<ui::UnitList>("ComboBox3");
    label6_ = parts_.Get<QLabel>("Label6");
    image13_ = parts_.Get<ui::PictureLabel>("Image13");
    edit3_ = parts_.Get<QLineEdit>("Edit3");
    edit4_ = parts_.Get<QLineEdit>("Edit4");
    comboBox4_ = parts_.Get<ui::UnitList>("ComboBox4");
    comboBox5_ = parts_.Get<ui::UnitList>("ComboBox5");
    comboBox6_ = parts_.Get<ui::UnitList>("ComboBox6");
    label16_ = parts_.Get<QLabel>("Label16");
    image14_ = parts_.Get<ui::PictureLabel>("Image14");

    rl_.Boxes({edit1_, edit2_}).Results({label6_}).Fields({&InductanceRL, &ResistanceRL, &TimeRL});
    rc_.Boxes({edit3_, edit4_}).Results({label16_}).Fields({&CapacitanceRC, &ResistanceRC, &TimeRC});

    const auto clicked = [this](const char* button, void (TFormConstants::*handler)()) {
        ui::On(parts_.Get<QPushButton>(button), &QPushButton::clicked, this,
               [this, handler] { (this->*handler)(); });
    };
    ui::On(comboBox1_, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    ui::On(comboBox2_, &QComboBox::activated, this, [this] { ComboBox2Change(); });
    ui::On(comboBox3_, &QComboBox::activated, this, [this] { ComboBox3Change(); });
    clicked("Button1", &TFormConstants::Button1Click);
    clicked("BitBtn1", &TFormConstants::BitBtn1Click);
    clicked("BitBtn2", &TFormConstants::BitBtn2Click);
    ui::On(image13_, &ui::PictureLabel::clicked, this, [this] { Image13Click(); });
    ui::On(comboBox4_, &QComboBox::activated, this, [this] { ComboBox4Change(); });
    ui::On(comboBox5_, &QComboBox::activated, this, [this] { ComboBox5Change(); });
    ui::On(comboBox6_, &QComboBox::activated, this, [this] { ComboBox6Change(); });
    clicked("Button2", &TFormConstants::Button2Click);
    clicked("BitBtn3", &TFormConstants::BitBtn3Click);
    clicked("BitBtn4", &TFormConstants::BitBtn4Click);
    ui::On(image14_, &ui::PictureLabel::clicked, this, [this] { Image14Click(); });
}

void TFormConstants::FormCreate() {
    comboBox1_->setCurrentIndex(1);
    comboBox2_->setCurrentIndex(0);
    comboBox3_->setCurrentIndex(2);
    comboBox4_->setCurrentIndex(1);
    comboBox5_->setCurrentIndex(0);
    comboBox6_->setCurrentIndex(0);
}

void TFormConstants::FormActivate() {
    if (!ui::IsEnglish()) return;
    setWindowTitle(QStringLiteral("Time constants RL & RC"));
    ui::ApplyEnglish(this, kForm);
    // A missing picture ends the activation here, leaving Image14 as it was.
    image13_->clear();
    ui::LoadPictureInto(image13_, QStringLiteral("interface/tableur_en.bmp"));
    image14_->clear();
    ui::LoadPictureInto(image14_, QStringLiteral("interface/tableur_en.bmp"));
}

void TFormConstants::CalculateRL() {
    InductanceRL = ui::Stored(rl_.Read(edit1_, comboBox1_));
    ResistanceRL = ui::Stored(rl_.Read(edit2_, comboBox2_));
    // No resistance is a division by zero: the result keeps its text.
    TimeRL = ui::Stored(rl_.InUnit(
        ui::Compute([this] { return formulas::RLTimeConstant(InductanceRL, ResistanceRL); }), comboBox3_));
    rl_.Show(label6_, TimeRL, kTimeDisplay);
}

void TFormConstants::CalculateRC() {
    CapacitanceRC = ui::Stored(rc_.Read(edit3_, comboBox4_));
    ResistanceRC = ui::Stored(rc_.Read(edit4_, comboBox5_));
    TimeRC = ui::Stored(rc_.InUnit(
        ui::Compute([this] { return formulas::RCTimeConstant(ResistanceRC, CapacitanceRC); }), comboBox6_));
    rc_.Show(label16_, TimeRC, kTimeDisplay);
}

void TFormConstants::ComboBox1Change() {
    if (rl_.AllHoldText()) CalculateRL();
}

void TFormConstants::ComboBox2Change() {
    if (rl_.AllHoldText()) CalculateRL();
}

void TFormConstants::ComboBox3Change() {
    if (rl_.AllHoldText())
        CalculateRL();
    else
        label6_->clear();
}

void TFormConstants::ComboBox4Change() {
    if (rc_.AllHoldText()) CalculateRC();
}

void TFormConstants::ComboBox5Change() {
    if (rc_.AllHoldText()) CalculateRC();
}

// Unlike the RL time unit, the RC one leaves the result as it is while a box is empty.
void TFormConstants::ComboBox6Change() {
    if (rc_.AllHoldText()) CalculateRC();
}

void TFormConstants::Button1Click() {
    CalculateRL();
}

void TFormConstants::Button2Click() {
    CalculateRC();
}

void TFormConstants::BitBtn1Click() {
    rl_.Clear();
    edit1_->setFocus();
}

void TFormConstants::BitBtn3Click() {
    rc_.Clear();
    edit3_->setFocus();
}

void TFormConstants::BitBtn2Click() {
    printing::PreviewReport(QStringLiteral("TQRConstanteRL"), this);
}

void TFormConstants::BitBtn4Click() {
    printing::PreviewReport(QStringLiteral("TQRConstanteRC"), this);
}

void TFormConstants::Image13Click() {
    if (auto* table = ui::Find<TFormTableurRL>()) table->ShowTopic();
}

void TFormConstants::Image14Click() {
    if (auto* table = ui::Find<TFormTableurRC>()) table->ShowTopic();
}

OHMBRIX_REGISTER_WINDOW(TFormConstants)

OHMBRIX_REGISTER_REPORT_ROW(TQRConstanteRL, TFormConstants, QStringLiteral("Constante de temp RL"),
                            {{{"Panel2", true}}, {{"Image1"}}},
                            {{QStringLiteral("L ="), "Edit1", "ComboBox1"},
                             {QStringLiteral("R ="), "Edit2", "ComboBox2"}},
                            {{QStringLiteral("t ="), "Label6", "ComboBox3"}})

OHMBRIX_REGISTER_REPORT_ROW(TQRConstanteRC, TFormConstants, QStringLiteral("Constante de temp RC"),
                            {{{"Panel5", true}}, {{"Image7"}}},
                            {{QStringLiteral("C ="), "Edit3", "ComboBox4"},
                             {QStringLiteral("R ="), "Edit4", "ComboBox5"}},
                            {{QStringLiteral("t ="), "Label16", "ComboBox6"}})

#include "impedance/Constants.h"
#include "printing/ReportRows.h"
#include "ui/Registry.h"

#include "formulas/TimeConstants.h"
#include "impedance/TableurRC.h"
#include "impedance/TableurRL.h"
#include "pictures/Glyphs.h"
#include "pictures/impedance/ConstantsPictures.h"
#include "printing/Preview.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Pictures.h"
#include "ui/Widgets.h"

#include <QFrame>
#include <QTabWidget>

using Unit = ui::UnitList::Unit;
using Op = ui::UnitList::Op;

namespace {

// General rather than Number: time constants run from picoseconds to hours.
constexpr ui::Display kTimeDisplay = ui::kGeneral10_4;

// Three units whose factors are 1, `second` and `third`.
std::vector<Unit> Units(Op op, const char* first, const char* middle, const char* last,
                        long double second = 1e3L, long double third = 1e6L) {
    return {{QLatin1String(first), op, 1.0L},
            {QLatin1String(middle), op, second},
            {QLatin1String(last), op, third}};
}

// What a tab shows around its calculator, in the order it is made: panels, and in the last panel
// above them pictures, symbols ("L =", drawn at the picture's size), texts and circuit letters.
enum class Kind { Panel, YellowPanel, Picture, Symbol, Text, Letter };
struct Piece {
    Kind kind;
    const char* name;
    const char* text;
    QRect at;
    QImage (*draw)() = nullptr;
};

} // namespace

struct TFormConstants::TabLayout {
    std::vector<Piece> pieces; // the calculator goes into the last panel
    // The result, the tableur, the value and resistance boxes, their lists and the time list, "=",
    // Reset and Print.
    const char* names[10];
    std::vector<Unit> valueUnits;
    // The three lists' changes, "=", Reset, Print and the tableur.
    void (TFormConstants::*handlers[7])();
};

const TFormConstants::TabLayout TFormConstants::kRL{
    {{Kind::Panel, "Panel1", nullptr, {0, 149, 169, 110}},
     {Kind::Picture, "Image1", nullptr, {56, 8, 57, 41}, pictures::TimeConstantRLFormula},
     {Kind::Symbol, "Image2", "L =", {16, 48, 41, 17}},
     {Kind::Symbol, "Image3", "R =", {16, 64, 33, 17}},
     {Kind::Symbol, "Image4", "t =", {16, 88, 33, 17}},
     {Kind::Text, "Label1", "Inductance en Henry", {48, 48, 0, 13}},
     {Kind::Text, "Label2", "Résistance en ohms", {48, 64, 0, 13}},
     {Kind::Text, "Label3", "Temp en secondes", {48, 88, 0, 13}},
     {Kind::YellowPanel, "Panel2", nullptr, {0, 0, 169, 145}},
     {Kind::Picture, "Image5", nullptr, {16, 8, 145, 129}, pictures::TimeConstantRLCircuit},
     {Kind::Letter, "Label7", "R", {112, 40, 9, 13}},
     {Kind::Letter, "Label8", "L", {112, 96, 8, 13}},
     {Kind::Panel, "Panel3", nullptr, {176, 0, 217, 257}},
     {Kind::Text, "Label4", "Inductance (L)", {4, 8, 0, 13}},
     {Kind::Text, "Label5", "Résistance (R)", {4, 32, 0, 13}},
     {Kind::Symbol, "Image6", "t =", {16, 64, 33, 17}}},
    {"Label6", "Image13", "Edit1", "Edit2", "ComboBox1", "ComboBox2", "ComboBox3", "Button1", "BitBtn1",
     "BitBtn2"},
    Units(Op::Divide, "H", "mH", "uH"),
    {&TFormConstants::ComboBox1Change, &TFormConstants::ComboBox2Change, &TFormConstants::ComboBox3Change,
     &TFormConstants::Button1Click, &TFormConstants::BitBtn1Click, &TFormConstants::BitBtn2Click,
     &TFormConstants::Image13Click}};

const TFormConstants::TabLayout TFormConstants::kRC{
    {{Kind::Panel, "Panel4", nullptr, {0, 144, 169, 113}},
     {Kind::Picture, "Image7", nullptr, {48, 8, 73, 25}, pictures::TimeConstantRCFormula},
     {Kind::Symbol, "Image8", "C =", {16, 48, 33, 17}},
     {Kind::Symbol, "Image9", "R =", {16, 64, 33, 17}},
     {Kind::Symbol, "Image10", "t =", {16, 88, 33, 17}},
     {Kind::Text, "Label9", "Capacitance en Farads", {48, 48, 0, 13}},
     {Kind::Text, "Label10", "Résistance en ohms", {48, 64, 0, 13}},
     {Kind::Text, "Label11", "Temp en secondes", {48, 88, 0, 13}},
     {Kind::YellowPanel, "Panel5", nullptr, {0, 0, 169, 137}},
     {Kind::Picture, "Image11", nullptr, {24, 8, 129, 121}, pictures::TimeConstantRCCircuit},
     {Kind::Letter, "Label12", "R", {96, 48, 10, 13}},
     {Kind::Letter, "Label13", "C", {96, 104, 9, 13}},
     {Kind::Panel, "Panel6", nullptr, {176, 0, 217, 257}},
     {Kind::Text, "Label14", "Capacitance (C)", {3, 8, 0, 13}},
     {Kind::Text, "Label15", "Résistance (R)", {4, 32, 0, 13}},
     {Kind::Symbol, "Image12", "t =", {16, 64, 33, 17}}},
    {"Label16", "Image14", "Edit3", "Edit4", "ComboBox4", "ComboBox5", "ComboBox6", "Button2", "BitBtn3",
     "BitBtn4"},
    Units(Op::Divide, "F", "uF", "pF", 1e6L, 1e12L),
    {&TFormConstants::ComboBox4Change, &TFormConstants::ComboBox5Change, &TFormConstants::ComboBox6Change,
     &TFormConstants::Button2Click, &TFormConstants::BitBtn3Click, &TFormConstants::BitBtn4Click,
     &TFormConstants::Image14Click}};

TFormConstants::TFormConstants(QWidget* parent) : ui::Window(parent) {
    setObjectName(QStringLiteral("FormConstants"));
    SetForm(QStringLiteral("Constante de temp RL et RC"), 403, 291, ui::kSilver);

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("PageControl1"));
    pages_->setGeometry(0, 0, 401, 289);
    rlTab_->setObjectName(QStringLiteral("TabSheet1"));
    rlTab_->setProperty("formCaption", QStringLiteral("RL"));
    rcTab_->setObjectName(QStringLiteral("TabSheet2"));
    rcTab_->setProperty("formCaption", QStringLiteral("RC"));
    pages_->addTab(rlTab_, QStringLiteral("RL"));
    pages_->addTab(rcTab_, QStringLiteral("RC"));
    rlParts_ = MakeTab(rlTab_, kRL);
    rcParts_ = MakeTab(rcTab_, kRC);
    // Clear of its value box, Edit3 at 80.
    ui::FitText(rcTab_->findChild<QLabel*>(QStringLiteral("Label14")), 75);

    rl_.Boxes({rlParts_.value, rlParts_.resistance})
        .Results({rlParts_.result})
        .Fields({&InductanceRL, &ResistanceRL, &TimeRL});
    rc_.Boxes({rcParts_.value, rcParts_.resistance})
        .Results({rcParts_.result})
        .Fields({&CapacitanceRC, &ResistanceRC, &TimeRC});
}

TFormConstants::TimeTab TFormConstants::MakeTab(QWidget* page, const TabLayout& l) {
    QWidget* panel = page;
    for (const Piece& p : l.pieces) {
        const QRect& a = p.at;
        const QString text = QString::fromUtf8(p.text);
        switch (p.kind) {
        case Kind::Panel:
        case Kind::YellowPanel:
            panel = ui::MakePanel(page, p.name, a.x(), a.y(), a.width(), a.height(),
                                  p.kind == Kind::Panel ? ui::kSilver : ui::kYellow);
            break;
        case Kind::Picture:
            ui::MakePicture(panel, p.name, p.draw, a.x(), a.y(), a.width(), a.height());
            break;
        case Kind::Symbol:
            ui::MakePicture(
                panel, p.name, [=] { return pictures::LegendSymbol(text, a.size()); }, a.x(), a.y(),
                a.width(), a.height());
            break;
        case Kind::Text:
            ui::MakeLabel(panel, p.name, text, a.x(), a.y(), a.width(), a.height());
            break;
        case Kind::Letter:
            QLabel* letter = ui::MakeLabel(panel, p.name, text, a.x(), a.y(), a.width(), a.height());
            letter->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            letter->setFont(ui::FormFont("MS Sans Serif", 11, true));
            break;
        }
    }
    const char* const* n = l.names;
    TimeTab t;
    t.result = ui::MakeResultLabel(panel, n[0], 48, 64, 105, 17);
    t.tableur = ui::MakeClickablePicture(
        panel, n[1], [] { return pictures::TableurOval(QStringLiteral("TABLEUR")); }, 56, 176, 113, 41);
    t.value = ui::MakeValueBox(panel, n[2], 80, 8, 73, 19);
    t.resistance = ui::MakeValueBox(panel, n[3], 80, 32, 73, 19);
    t.valueUnit = ui::MakeUnitList(panel, n[4], 152, 8, 57, l.valueUnits);
    // "mOhms" is mega, as in the capacitive reactance window.
    t.resistanceUnit =
        ui::MakeUnitList(panel, n[5], 152, 32, 57, Units(Op::Multiply, "Ohms", "kOhms", "mOhms"));
    t.timeUnit = ui::MakeUnitList(panel, n[6], 152, 64, 57, Units(Op::Multiply, "S", "mS", "uS"));
    QPushButton* equals = ui::MakeEqualsButton(panel, n[7], 80, 112, 65, 25);
    QPushButton* reset = ui::MakeResetButton(panel, n[8], 32, 112, 33, 25);
    QPushButton* print = ui::MakePrintButton(panel, n[9], 160, 112, 33, 25);
    ui::SetTabOrder({t.value, t.resistance, t.valueUnit, t.resistanceUnit, t.timeUnit, reset, equals, print});

    const auto on = [this, &l](auto* sender, auto signal, int handler) {
        ui::On(sender, signal, this, [this, h = l.handlers[handler]] { (this->*h)(); });
    };
    on(t.valueUnit, &QComboBox::activated, 0);
    on(t.resistanceUnit, &QComboBox::activated, 1);
    on(t.timeUnit, &QComboBox::activated, 2);
    on(equals, &QPushButton::clicked, 3);
    on(reset, &QPushButton::clicked, 4);
    on(print, &QPushButton::clicked, 5);
    on(t.tableur, &ui::PictureLabel::clicked, 6);
    return t;
}

void TFormConstants::FormCreate() {
    rlParts_.valueUnit->setCurrentIndex(1);
    rlParts_.resistanceUnit->setCurrentIndex(0);
    rlParts_.timeUnit->setCurrentIndex(2);
    rcParts_.valueUnit->setCurrentIndex(1);
    rcParts_.resistanceUnit->setCurrentIndex(0);
    rcParts_.timeUnit->setCurrentIndex(0);
}

void TFormConstants::FormActivate() {
    if (!ui::IsEnglish()) return;
    setWindowTitle(QStringLiteral("Time constants RL & RC"));
    ui::ApplyTexts(this, {{"Label1", "Inductance "},
                          {"Label2", "Resistance"},
                          {"Label10", "Resistance"},
                          {"Label3", "Time "},
                          {"Label11", "Time "},
                          {"Label4", "Inductance (L)"},
                          {"Label5", "Resistance (R)"},
                          {"Label15", "Resistance (R)"},
                          {"Label9", "Capacitance "},
                          {"Label14", "Capacitance (C)"}});
    // A missing picture ends the activation here, leaving Image14 as it was.
    rlParts_.tableur->clear();
    ui::LoadPictureInto(rlParts_.tableur, QStringLiteral("interface/tableur_en.bmp"));
    rcParts_.tableur->clear();
    ui::LoadPictureInto(rcParts_.tableur, QStringLiteral("interface/tableur_en.bmp"));
}

void TFormConstants::CalculateRL() {
    InductanceRL = ui::Stored(rl_.Read(rlParts_.value, rlParts_.valueUnit));
    ResistanceRL = ui::Stored(rl_.Read(rlParts_.resistance, rlParts_.resistanceUnit));
    // No resistance is a division by zero: the result keeps its text.
    TimeRL = ui::Stored(
        rl_.InUnit(ui::Compute([this] { return formulas::RLTimeConstant(InductanceRL, ResistanceRL); }),
                   rlParts_.timeUnit));
    rl_.Show(rlParts_.result, TimeRL, kTimeDisplay);
}

void TFormConstants::CalculateRC() {
    CapacitanceRC = ui::Stored(rc_.Read(rcParts_.value, rcParts_.valueUnit));
    ResistanceRC = ui::Stored(rc_.Read(rcParts_.resistance, rcParts_.resistanceUnit));
    TimeRC = ui::Stored(
        rc_.InUnit(ui::Compute([this] { return formulas::RCTimeConstant(ResistanceRC, CapacitanceRC); }),
                   rcParts_.timeUnit));
    rc_.Show(rcParts_.result, TimeRC, kTimeDisplay);
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
        rlParts_.result->clear();
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
    rlParts_.value->setFocus();
}

void TFormConstants::BitBtn3Click() {
    rc_.Clear();
    rcParts_.value->setFocus();
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

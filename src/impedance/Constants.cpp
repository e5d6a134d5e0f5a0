#include "impedance/Constants.h"
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

// "mOhms" is mega, as in the capacitive reactance window.
std::vector<Unit> ResistanceUnits() {
    return {{QStringLiteral("Ohms"), Op::Multiply, 1.0L},
            {QStringLiteral("kOhms"), Op::Multiply, 1000.0L},
            {QStringLiteral("mOhms"), Op::Multiply, 1000000.0L}};
}

std::vector<Unit> TimeUnits() {
    return {{QStringLiteral("S"), Op::Multiply, 1.0L},
            {QStringLiteral("mS"), Op::Multiply, 1000.0L},
            {QStringLiteral("uS"), Op::Multiply, 1000000.0L}};
}

QLabel* MakeLetter(QWidget* parent, const char* name, const char* letter, int x, int y, int w) {
    QLabel* label = ui::MakeLabel(parent, name, QLatin1String(letter), x, y, w, 13);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setFont(ui::FormFont("MS Sans Serif", 11, true));
    return label;
}

} // namespace

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
    const QSize symbol(33, 17);

    QFrame* legendRL = ui::MakePanel(rlTab_, "Panel1", 0, 149, 169, 110, ui::kSilver);
    ui::MakePicture(legendRL, "Image1", pictures::TimeConstantRLFormula, 56, 8, 57, 41);
    ui::MakePicture(
        legendRL, "Image2",
        [&] {
            return pictures::LegendSymbol(QStringLiteral("L ="), {41, 17});
        },
        16, 48, 41, 17);
    ui::MakePicture(
        legendRL, "Image3", [&] { return pictures::LegendSymbol(QStringLiteral("R ="), symbol); }, 16, 64, 33,
        17);
    ui::MakePicture(
        legendRL, "Image4", [&] { return pictures::LegendSymbol(QStringLiteral("t ="), symbol); }, 16, 88, 33,
        17);
    ui::MakeLabel(legendRL, "Label1", QStringLiteral("Inductance en Henry"), 48, 48, 0, 13);
    ui::MakeLabel(legendRL, "Label2", QStringLiteral("Résistance en ohms"), 48, 64, 0, 13);
    ui::MakeLabel(legendRL, "Label3", QStringLiteral("Temp en secondes"), 48, 88, 0, 13);

    QFrame* circuitRL = ui::MakePanel(rlTab_, "Panel2", 0, 0, 169, 145, ui::kYellow);
    ui::MakePicture(circuitRL, "Image5", pictures::TimeConstantRLCircuit, 16, 8, 145, 129);
    MakeLetter(circuitRL, "Label7", "R", 112, 40, 9);
    MakeLetter(circuitRL, "Label8", "L", 112, 96, 8);

    QFrame* calcRL = ui::MakePanel(rlTab_, "Panel3", 176, 0, 217, 257, ui::kSilver);
    ui::MakeLabel(calcRL, "Label4", QStringLiteral("Inductance (L)"), 4, 8, 0, 13);
    ui::MakeLabel(calcRL, "Label5", QStringLiteral("Résistance (R)"), 4, 32, 0, 13);
    ui::MakePicture(
        calcRL, "Image6", [&] { return pictures::LegendSymbol(QStringLiteral("t ="), symbol); }, 16, 64, 33,
        17);
    resultRL_ = ui::MakeResultLabel(calcRL, "Label6", 48, 64, 105, 17);
    tableurRL_ = ui::MakeClickablePicture(
        calcRL, "Image13", [&] { return pictures::TableurOval(QStringLiteral("TABLEUR")); }, 56, 176, 113,
        41);
    edit1_ = ui::MakeValueBox(calcRL, "Edit1", 80, 8, 73, 19);
    edit2_ = ui::MakeValueBox(calcRL, "Edit2", 80, 32, 73, 19);
    inductanceUnit_ = ui::MakeUnitList(calcRL, "ComboBox1", 152, 8, 57,
                                       {{QStringLiteral("H"), Op::Divide, 1.0L},
                                        {QStringLiteral("mH"), Op::Divide, 1000.0L},
                                        {QStringLiteral("uH"), Op::Divide, 1000000.0L}});
    resistanceUnitRL_ = ui::MakeUnitList(calcRL, "ComboBox2", 152, 32, 57, ResistanceUnits());
    timeUnitRL_ = ui::MakeUnitList(calcRL, "ComboBox3", 152, 64, 57, TimeUnits());
    QPushButton* equalsRL = ui::MakeEqualsButton(calcRL, "Button1", 80, 112, 65, 25);
    QPushButton* resetRL = ui::MakeResetButton(calcRL, "BitBtn1", 32, 112, 33, 25);
    QPushButton* printRL = ui::MakePrintButton(calcRL, "BitBtn2", 160, 112, 33, 25);

    QFrame* legendRC = ui::MakePanel(rcTab_, "Panel4", 0, 144, 169, 113, ui::kSilver);
    ui::MakePicture(legendRC, "Image7", pictures::TimeConstantRCFormula, 48, 8, 73, 25);
    ui::MakePicture(
        legendRC, "Image8", [&] { return pictures::LegendSymbol(QStringLiteral("C ="), symbol); }, 16, 48, 33,
        17);
    ui::MakePicture(
        legendRC, "Image9", [&] { return pictures::LegendSymbol(QStringLiteral("R ="), symbol); }, 16, 64, 33,
        17);
    ui::MakePicture(
        legendRC, "Image10", [&] { return pictures::LegendSymbol(QStringLiteral("t ="), symbol); }, 16, 88,
        33, 17);
    ui::MakeLabel(legendRC, "Label9", QStringLiteral("Capacitance en Farads"), 48, 48, 0, 13);
    ui::MakeLabel(legendRC, "Label10", QStringLiteral("Résistance en ohms"), 48, 64, 0, 13);
    ui::MakeLabel(legendRC, "Label11", QStringLiteral("Temp en secondes"), 48, 88, 0, 13);

    QFrame* circuitRC = ui::MakePanel(rcTab_, "Panel5", 0, 0, 169, 137, ui::kYellow);
    ui::MakePicture(circuitRC, "Image11", pictures::TimeConstantRCCircuit, 24, 8, 129, 121);
    MakeLetter(circuitRC, "Label12", "R", 96, 48, 10);
    MakeLetter(circuitRC, "Label13", "C", 96, 104, 9);

    QFrame* calcRC = ui::MakePanel(rcTab_, "Panel6", 176, 0, 217, 257, ui::kSilver);
    ui::MakeLabel(calcRC, "Label14", QStringLiteral("Capacitance (C)"), 3, 8, 0, 13);
    ui::MakeLabel(calcRC, "Label15", QStringLiteral("Résistance (R)"), 4, 32, 0, 13);
    ui::MakePicture(
        calcRC, "Image12", [&] { return pictures::LegendSymbol(QStringLiteral("t ="), symbol); }, 16, 64, 33,
        17);
    resultRC_ = ui::MakeResultLabel(calcRC, "Label16", 48, 64, 105, 17);
    tableurRC_ = ui::MakeClickablePicture(
        calcRC, "Image14", [&] { return pictures::TableurOval(QStringLiteral("TABLEUR")); }, 56, 176, 113,
        41);
    edit3_ = ui::MakeValueBox(calcRC, "Edit3", 80, 8, 73, 19);
    edit4_ = ui::MakeValueBox(calcRC, "Edit4", 80, 32, 73, 19);
    capacitanceUnit_ = ui::MakeUnitList(calcRC, "ComboBox4", 152, 8, 57,
                                        {{QStringLiteral("F"), Op::Divide, 1.0L},
                                         {QStringLiteral("uF"), Op::Divide, 1e6L},
                                         {QStringLiteral("pF"), Op::Divide, 1e12L}});
    resistanceUnitRC_ = ui::MakeUnitList(calcRC, "ComboBox5", 152, 32, 57, ResistanceUnits());
    timeUnitRC_ = ui::MakeUnitList(calcRC, "ComboBox6", 152, 64, 57, TimeUnits());
    QPushButton* equalsRC = ui::MakeEqualsButton(calcRC, "Button2", 80, 112, 65, 25);
    QPushButton* resetRC = ui::MakeResetButton(calcRC, "BitBtn3", 32, 112, 33, 25);
    QPushButton* printRC = ui::MakePrintButton(calcRC, "BitBtn4", 160, 112, 33, 25);

    ui::SetTabOrder(
        {edit1_, edit2_, inductanceUnit_, resistanceUnitRL_, timeUnitRL_, resetRL, equalsRL, printRL});
    ui::SetTabOrder(
        {edit3_, edit4_, capacitanceUnit_, resistanceUnitRC_, timeUnitRC_, resetRC, equalsRC, printRC});

    rl_.Boxes({edit1_, edit2_}).Results({resultRL_}).Fields({&InductanceRL, &ResistanceRL, &TimeRL});
    rc_.Boxes({edit3_, edit4_}).Results({resultRC_}).Fields({&CapacitanceRC, &ResistanceRC, &TimeRC});

    ui::On(inductanceUnit_, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    ui::On(resistanceUnitRL_, &QComboBox::activated, this, [this] { ComboBox2Change(); });
    ui::On(timeUnitRL_, &QComboBox::activated, this, [this] { ComboBox3Change(); });
    ui::On(capacitanceUnit_, &QComboBox::activated, this, [this] { ComboBox4Change(); });
    ui::On(resistanceUnitRC_, &QComboBox::activated, this, [this] { ComboBox5Change(); });
    ui::On(timeUnitRC_, &QComboBox::activated, this, [this] { ComboBox6Change(); });
    ui::On(equalsRL, &QPushButton::clicked, this, [this] { Button1Click(); });
    ui::On(equalsRC, &QPushButton::clicked, this, [this] { Button2Click(); });
    ui::On(resetRL, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    ui::On(resetRC, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
    ui::On(printRL, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    ui::On(printRC, &QPushButton::clicked, this, [this] { BitBtn4Click(); });
    ui::On(tableurRL_, &ui::PictureLabel::clicked, this, [this] { Image13Click(); });
    ui::On(tableurRC_, &ui::PictureLabel::clicked, this, [this] { Image14Click(); });
}

void TFormConstants::FormCreate() {
    inductanceUnit_->setCurrentIndex(1);
    resistanceUnitRL_->setCurrentIndex(0);
    timeUnitRL_->setCurrentIndex(2);
    capacitanceUnit_->setCurrentIndex(1);
    resistanceUnitRC_->setCurrentIndex(0);
    timeUnitRC_->setCurrentIndex(0);
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
    tableurRL_->clear();
    ui::LoadPictureInto(tableurRL_, QStringLiteral("interface/tableur_en.bmp"));
    tableurRC_->clear();
    ui::LoadPictureInto(tableurRC_, QStringLiteral("interface/tableur_en.bmp"));
}

void TFormConstants::CalculateRL() {
    InductanceRL = ui::Stored(rl_.Read(edit1_, inductanceUnit_));
    ResistanceRL = ui::Stored(rl_.Read(edit2_, resistanceUnitRL_));
    // No resistance is a division by zero: the result keeps its text.
    TimeRL = ui::Stored(rl_.InUnit(
        ui::Compute([this] { return formulas::RLTimeConstant(InductanceRL, ResistanceRL); }), timeUnitRL_));
    rl_.Show(resultRL_, TimeRL, kTimeDisplay);
}

void TFormConstants::CalculateRC() {
    CapacitanceRC = ui::Stored(rc_.Read(edit3_, capacitanceUnit_));
    ResistanceRC = ui::Stored(rc_.Read(edit4_, resistanceUnitRC_));
    TimeRC = ui::Stored(rc_.InUnit(
        ui::Compute([this] { return formulas::RCTimeConstant(ResistanceRC, CapacitanceRC); }), timeUnitRC_));
    rc_.Show(resultRC_, TimeRC, kTimeDisplay);
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
        resultRL_->clear();
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

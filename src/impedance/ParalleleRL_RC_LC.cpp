#include "impedance/ParalleleRL_RC_LC.h"
#include "printing/ReportRows.h"
#include "ui/Registry.h"

#include "formulas/SeriesParallel.h"
#include "pictures/Formula.h"
#include "pictures/Glyphs.h"
#include "pictures/impedance/ParalleleRL_RC_LCPictures.h"
#include "printing/Preview.h"
#include "ui/FormTable.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Widgets.h"

using Op = ui::UnitList::Op;

namespace {

std::vector<ui::UnitList::Unit> ResistanceUnits() {
    return {{QStringLiteral("Ohms"), Op::Multiply, 1.0L}, {QStringLiteral("KOhms"), Op::Multiply, 1000.0L}};
}

// A legend symbol ("R =") drawn at its picture's size.
ui::FormRow Symbol(const char* name, const char* parent, QRect at, const char* markup, const char* says) {
    return ui::form::Picture(
               name, parent, at,
               [markup, size = at.size()] { return pictures::LegendSymbol(QString::fromUtf8(markup), size); })
        .Says(QString::fromUtf8(says));
}

// The lime label that names a result's fixed unit.
ui::FormRow FixedUnit(const char* name, const char* parent, QRect at, const QString& french,
                      const QString& english = {}) {
    return ui::form::Label(name, parent, at, french, english).Align(Qt::AlignCenter).Background(ui::kLime);
}

using namespace ui::form;

const ui::FormTable kForm{
    {Tabs("PageControl1", nullptr, {8, 8, 441, 297}),
     Page("TabSheet1", "PageControl1", QStringLiteral("RL")).Background(ui::kSilver),
     Page("TabSheet2", "PageControl1", QStringLiteral("RC")).Background(ui::kSilver),
     Page("TabSheet3", "PageControl1", QStringLiteral("LC")).Background(ui::kSilver),

     // RL
     Panel("Panel1", "TabSheet1", {8, 8, 193, 97}, ui::kYellow),
     Picture("Image1", "Panel1", {16, 8, 161, 73}, pictures::ParallelRLCircuit)
         .Says("Circuit : résistance R et bobine L en parallèle",
               "Circuit: a resistor R and a coil L in parallel"),
     Panel("Panel2", "TabSheet1", {8, 112, 193, 145}, ui::kSilver),
     Picture("Image2", "Panel2", {24, 8, 137, 65}, pictures::ParallelRLFormula)
         .Says("Z égale R fois Xl sur racine de R carré plus Xl carré",
               "Z equals R times Xl over the square root of R squared plus Xl squared"),
     Symbol("Image3", "Panel2", {8, 80, 33, 17}, "R =", "R ="),
     Symbol("Image4", "Panel2", {8, 96, 33, 17}, "X_{L} =", "Xl ="),
     Symbol("Image5", "Panel2", {8, 120, 33, 17}, "Z =", "Z ="),
     Label("Label1", "Panel2", {40, 82, 0, 13}, QStringLiteral("Résistance en Ohms"),
           QStringLiteral("Resistance")),
     Label("Label2", "Panel2", {40, 98, 0, 13}, QStringLiteral("Réactance Inductive en Ohms"),
           QStringLiteral("Inductive reactance")),
     Label("Label3", "Panel2", {40, 122, 0, 13}, QStringLiteral("Impédance en Ohms"),
           QStringLiteral("Impedance")),
     Panel("Panel3", "TabSheet1", {208, 8, 217, 249}, ui::kSilver),
     Picture("Image6", "Panel3", {52, 112, 113, 57}, pictures::ParallelRLPhaseFormula)
         .Says("thêta égale arc tangente de R sur Xl", "theta equals arc tangent of R over Xl"),
     Label("Label4", "Panel3", {6, 11, 0, 13}, QStringLiteral("Résistance"), QStringLiteral("Resistance"))
         .For("Edit1"),
     Label("Label5", "Panel3", {6, 35, 0, 13}, QStringLiteral("Réactance Xl (Ohms)"),
           QStringLiteral("Reactance Xl (Ohms)"))
         .For("Edit2"),
     Symbol("Image7", "Panel3", {9, 57, 33, 16}, "Z =", "Z ="),
     Result("Label6", "Panel3", {40, 56, 121, 17}).Says("Z"),
     FixedUnit("Label9", "Panel3", {160, 56, 49, 17}, QStringLiteral("Ohms")).For("Label6"),
     Symbol("Image8", "Panel3", {9, 80, 33, 17}, "\\theta =", "thêta ="),
     Result("Label10", "Panel3", {40, 80, 121, 17}).Says("Degrés"),
     FixedUnit("Label11", "Panel3", {160, 80, 49, 17}, QStringLiteral("Degrées"), QStringLiteral("Degree"))
         .For("Label10"),
     Box("Edit1", "Panel3", {72, 8, 76, 19}).Says("R"),
     Units("ComboBox1", "Panel3", {149, 8, 61, 0}, ResistanceUnits()).For("Edit1"),
     Box("Edit2", "Panel3", {120, 32, 89, 19}).Says("Xl"), Equals("BitBtn2", "Panel3", {85, 200, 49, 25}),
     Print("BitBtn3", "Panel3", {160, 200, 33, 25}), Reset("BitBtn1", "Panel3", {24, 200, 33, 25}),

     // RC
     Panel("Panel4", "TabSheet2", {8, 8, 193, 97}, ui::kYellow),
     Picture("Image9", "Panel4", {16, 8, 169, 81}, pictures::ParallelRCCircuit)
         .Says("Circuit : résistance R et condensateur C en parallèle",
               "Circuit: a resistor R and a capacitor C in parallel"),
     Panel("Panel5", "TabSheet2", {8, 112, 193, 145}, ui::kSilver),
     Picture("Image10", "Panel5", {24, 8, 137, 65}, pictures::ParallelRCFormula)
         .Says("Z égale R fois Xc sur racine de R carré plus Xc carré",
               "Z equals R times Xc over the square root of R squared plus Xc squared"),
     Symbol("Image11", "Panel5", {8, 80, 33, 17}, "R =", "R ="),
     Symbol("Image12", "Panel5", {8, 96, 33, 17}, "X_{C} =", "Xc ="),
     Symbol("Image13", "Panel5", {8, 120, 33, 17}, "Z =", "Z ="),
     Label("Label19", "Panel5", {40, 82, 0, 13}, QStringLiteral("Résistance en Ohms"),
           QStringLiteral("Resistance")),
     // Clear of the panel's edge.
     Label("Label20", "Panel5", {40, 98, 0, 13}, QStringLiteral("Réactance capacitive en Ohms"),
           QStringLiteral("Capacitive reactance"))
         .Fit(148),
     Label("Label21", "Panel5", {40, 122, 0, 13}, QStringLiteral("Impédance en Ohms"),
           QStringLiteral("Impedance")),
     Panel("Panel6", "TabSheet2", {208, 8, 217, 249}, ui::kSilver),
     Label("Label12", "Panel6", {6, 10, 0, 17}, QStringLiteral("Résistance"), QStringLiteral("Resistance"))
         .For("Edit3"),
     Label("Label13", "Panel6", {6, 35, 0, 13}, QStringLiteral("Réactance Xc (Ohms)"),
           QStringLiteral("Reactance Xc (Ohms)"))
         .For("Edit4"),
     Symbol("Image14", "Panel6", {8, 56, 33, 17}, "Z =", "Z ="),
     Result("Label15", "Panel6", {40, 56, 121, 17}).Says("Z"),
     FixedUnit("Label16", "Panel6", {160, 56, 49, 17}, QStringLiteral("Ohms")).For("Label15"),
     Symbol("Image15", "Panel6", {8, 80, 33, 17}, "\\theta =", "thêta ="),
     Result("Label17", "Panel6", {40, 80, 121, 17}).Says("Degrés"),
     FixedUnit("Label18", "Panel6", {160, 80, 49, 17}, QStringLiteral("Degrées"), QStringLiteral("Degree"))
         .For("Label17"),
     Picture("Image16", "Panel6", {52, 112, 113, 57}, pictures::ParallelRCPhaseFormula)
         .Says("thêta égale moins arc tangente de R sur Xc", "theta equals minus arc tangent of R over Xc"),
     Box("Edit3", "Panel6", {72, 8, 76, 19}).Says("R"), Box("Edit4", "Panel6", {120, 32, 89, 19}).Says("Xc"),
     Units("ComboBox2", "Panel6", {149, 8, 61, 0}, ResistanceUnits()).For("Edit3"),
     Reset("BitBtn4", "Panel6", {24, 200, 33, 25}), Equals("BitBtn5", "Panel6", {85, 200, 49, 25}),
     Print("BitBtn6", "Panel6", {160, 200, 33, 25}),

     // LC
     Panel("Panel7", "TabSheet3", {6, 112, 193, 145}, ui::kSilver),
     Picture("Image18", "Panel7", {24, 8, 137, 65}, pictures::ParallelLCFormula)
         .Says("Z égale Xl fois Xc sur Xl moins Xc", "Z equals Xl times Xc over Xl minus Xc"),
     Symbol("Image21", "Panel7", {8, 120, 33, 17}, "Z =", "Z ="),
     Label("Label22", "Panel7", {40, 82, 0, 13}, QStringLiteral("Réactance inductive (Ohms)"),
           QStringLiteral("Inductive reactance")),
     Label("Label23", "Panel7", {40, 98, 0, 13}, QStringLiteral("Réactance Capacitive (Ohms)"),
           QStringLiteral("Capacitive reactance")),
     Label("Label24", "Panel7", {40, 122, 0, 13}, QStringLiteral("Impédance en Ohms"),
           QStringLiteral("Impedance")),
     Symbol("Image19", "Panel7", {8, 96, 33, 17}, "X_{C} =", "Xc ="),
     Symbol("Image25", "Panel7", {8, 80, 33, 17}, "X_{L} =", "Xl ="),
     Panel("Panel8", "TabSheet3", {208, 8, 217, 249}, ui::kSilver),
     Label("Label25", "Panel8", {6, 10, 0, 17}, QStringLiteral("Réactance Xl (Ohms)"),
           QStringLiteral("Reactance Xl(Ohms)"))
         .For("Edit5"),
     // Clear of Edit6.
     Label("Label26", "Panel8", {6, 35, 0, 13}, QStringLiteral("Réactance Xc (Ohms)"),
           QStringLiteral("Reactance Xc(Ohms)"))
         .Fit(104)
         .For("Edit6"),
     Symbol("Image22", "Panel8", {8, 56, 33, 17}, "Z =", "Z ="),
     Result("Label28", "Panel8", {40, 56, 121, 17}).Says("Z"),
     FixedUnit("Label29", "Panel8", {160, 56, 49, 17}, QStringLiteral("Ohms")).For("Label28"),
     Box("Edit5", "Panel8", {112, 8, 97, 19}).Says("Xl"),
     Box("Edit6", "Panel8", {112, 32, 97, 19}).Says("Xc"), Reset("BitBtn10", "Panel8", {24, 200, 33, 25}),
     Equals("BitBtn7", "Panel8", {85, 200, 49, 25}), Print("BitBtn8", "Panel8", {160, 200, 33, 25}),
     Panel("Panel10", "Panel8", {8, 120, 201, 33}, ui::kBlue),
     // On the blue note the symbol is drawn in the note's yellow.
     Picture("Image20", "Panel10", {11, 8, 28, 17},
             [] {
                 return pictures::Formula(QStringLiteral("\\theta ="), {28, 17}, Qt::transparent, ui::kYellow,
                                          13);
             })
         .Says("thêta =", "theta ="),
     Label("Label33", "Panel10", {40, 9, 145, 16}, QStringLiteral("0 degrée lorsque Xl=Xc"),
           QStringLiteral("0 Degree if  Xl = Xc"))
         .Align(Qt::AlignCenter)
         .Font("MS Sans Serif", 13)
         .Ink(ui::kYellow),
     Panel("Panel9", "TabSheet3", {6, 8, 193, 97}, ui::kYellow),
     Picture("Image17", "Panel9", {8, 8, 177, 81}, pictures::ParallelLCCircuit)
         .Says("Circuit : bobine L et condensateur C en parallèle",
               "Circuit: a coil L and a capacitor C in parallel")},
    {"Edit1", "ComboBox1", "Edit2", "BitBtn1", "BitBtn2", "BitBtn3", nullptr, "Edit3", "ComboBox2", "Edit4",
     "BitBtn4", "BitBtn5", "BitBtn6", nullptr, "Edit5", "Edit6", "BitBtn10", "BitBtn7", "BitBtn8"}};

} // namespace

// The table is built before the calculator pages, which name its tabs.
ui::FormParts TFormParaRLRCLC::Build() {
    setObjectName(QStringLiteral("FormParaRLRCLC"));
    SetForm(QStringLiteral("Impédance en circuit parallèle RL - RC - LC"), 457, 310, ui::kSilver);
    return ui::BuildForm(this, kForm);
}

TFormParaRLRCLC::TFormParaRLRCLC(QWidget* parent)
    : ui::Window(parent), parts_(Build()), rl_(parts_.Find("TabSheet1")), rc_(parts_.Find("TabSheet2")),
      lc_(parts_.Find("TabSheet3")) {
    edit1_ = parts_.Get<QLineEdit>("Edit1");
    edit2_ = parts_.Get<QLineEdit>("Edit2");
    rlUnit_ = parts_.Get<ui::UnitList>("ComboBox1");
    rlImpedance_ = parts_.Get<QLabel>("Label6");
    rlPhase_ = parts_.Get<QLabel>("Label10");
    edit3_ = parts_.Get<QLineEdit>("Edit3");
    edit4_ = parts_.Get<QLineEdit>("Edit4");
    rcUnit_ = parts_.Get<ui::UnitList>("ComboBox2");
    rcImpedance_ = parts_.Get<QLabel>("Label15");
    rcPhase_ = parts_.Get<QLabel>("Label17");
    edit5_ = parts_.Get<QLineEdit>("Edit5");
    edit6_ = parts_.Get<QLineEdit>("Edit6");
    lcImpedance_ = parts_.Get<QLabel>("Label28");

    rl_.Boxes({edit1_, edit2_})
        .Results({rlImpedance_, rlPhase_})
        .Fields({&ResistanceRL, &InductiveReactanceRL, &ImpedanceRL, &PhaseAngleRL});
    rc_.Boxes({edit3_, edit4_})
        .Results({rcImpedance_, rcPhase_})
        .Fields({&ResistanceRC, &CapacitiveReactanceRC, &ImpedanceRC, &PhaseAngleRC});
    lc_.Boxes({edit5_, edit6_})
        .Results({lcImpedance_})
        .Fields({&InductiveReactanceLC, &CapacitiveReactanceLC, &ImpedanceLC, &PhaseAngleLC});

    const auto clicked = [this](const char* button, void (TFormParaRLRCLC::*handler)()) {
        ui::On(parts_.Get<QPushButton>(button), &QPushButton::clicked, this,
               [this, handler] { (this->*handler)(); });
    };
    ui::On(rlUnit_, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    clicked("BitBtn2", &TFormParaRLRCLC::BitBtn2Click);
    clicked("BitBtn1", &TFormParaRLRCLC::BitBtn1Click);
    clicked("BitBtn3", &TFormParaRLRCLC::BitBtn3Click);
    ui::On(rcUnit_, &QComboBox::activated, this, [this] { ComboBox2Change(); });
    clicked("BitBtn5", &TFormParaRLRCLC::BitBtn5Click);
    clicked("BitBtn4", &TFormParaRLRCLC::BitBtn4Click);
    clicked("BitBtn6", &TFormParaRLRCLC::BitBtn6Click);
    clicked("BitBtn7", &TFormParaRLRCLC::BitBtn7Click);
    clicked("BitBtn10", &TFormParaRLRCLC::BitBtn10Click);
    clicked("BitBtn8", &TFormParaRLRCLC::BitBtn8Click);
}

void TFormParaRLRCLC::FormCreate() {
    rlUnit_->setCurrentIndex(0);
    rcUnit_->setCurrentIndex(0);
}

void TFormParaRLRCLC::FormActivate() {
    if (!ui::IsEnglish()) return;
    setWindowTitle(QStringLiteral("Impedance in parallel RC"));
    ui::ApplyEnglish(this, kForm);
}

void TFormParaRLRCLC::CalculateRL() {
    ResistanceRL = ui::Stored(rl_.Read(edit1_, rlUnit_));
    InductiveReactanceRL = ui::Stored(rl_.Read(edit2_));
    ImpedanceRL = ui::Stored(
        ui::Compute([this] { return formulas::ParallelImpedance(ResistanceRL, InductiveReactanceRL); }));
    PhaseAngleRL = ui::Stored(
        ui::Compute([this] { return formulas::ParallelRLPhase(ResistanceRL, InductiveReactanceRL); }));
    rl_.Show(rlImpedance_, ImpedanceRL, ui::kNumber10_4);
    rl_.Show(rlPhase_, PhaseAngleRL, ui::kNumber10_4);
}

void TFormParaRLRCLC::CalculateRC() {
    ResistanceRC = ui::Stored(rc_.Read(edit3_, rcUnit_));
    CapacitiveReactanceRC = ui::Stored(rc_.Read(edit4_));
    ImpedanceRC = ui::Stored(
        ui::Compute([this] { return formulas::ParallelImpedance(ResistanceRC, CapacitiveReactanceRC); }));
    PhaseAngleRC = ui::Stored(
        ui::Compute([this] { return formulas::ParallelRCPhase(ResistanceRC, CapacitiveReactanceRC); }));
    rc_.Show(rcImpedance_, ImpedanceRC, ui::kNumber10_4);
    rc_.Show(rcPhase_, PhaseAngleRC, ui::kNumber10_4);
}

void TFormParaRLRCLC::CalculateLC() {
    InductiveReactanceLC = ui::Stored(lc_.Read(edit5_));
    CapacitiveReactanceLC = ui::Stored(lc_.Read(edit6_));
    // XL = XC: the pair is unbounded; the division by zero ends the handler, the result stays.
    ImpedanceLC = ui::Stored(ui::Compute(
        [this] { return formulas::ParallelLCImpedance(InductiveReactanceLC, CapacitiveReactanceLC); }));
    PhaseAngleLC = ui::Stored(ui::Compute(
        [this] { return formulas::ParallelLCPhase(InductiveReactanceLC, CapacitiveReactanceLC); }));
    lc_.Show(lcImpedance_, ImpedanceLC, ui::kNumber10_4);
}

void TFormParaRLRCLC::ComboBox1Change() {
    if (rl_.AllHoldText()) CalculateRL();
}

void TFormParaRLRCLC::ComboBox2Change() {
    if (rc_.AllHoldText()) CalculateRC();
}

void TFormParaRLRCLC::BitBtn2Click() {
    CalculateRL();
}
void TFormParaRLRCLC::BitBtn5Click() {
    CalculateRC();
}
void TFormParaRLRCLC::BitBtn7Click() {
    CalculateLC();
}

void TFormParaRLRCLC::BitBtn1Click() {
    rl_.Clear();
}
void TFormParaRLRCLC::BitBtn4Click() {
    rc_.Clear();
}
void TFormParaRLRCLC::BitBtn10Click() {
    lc_.Clear();
}

void TFormParaRLRCLC::BitBtn3Click() {
    printing::PreviewReport(QStringLiteral("TQRImpParaRL"), this);
}
void TFormParaRLRCLC::BitBtn6Click() {
    printing::PreviewReport(QStringLiteral("TQRImpParaRC"), this);
}
void TFormParaRLRCLC::BitBtn8Click() {
    printing::PreviewReport(QStringLiteral("TQRImpParaLC"), this);
}

OHMBRIX_REGISTER_WINDOW(TFormParaRLRCLC)

// The reactances are typed in ohms.
OHMBRIX_REGISTER_REPORT_ROW(TQRImpParaRL, TFormParaRLRCLC,
                            QStringLiteral("Impédance en circuit parallèle RL"),
                            {{{"Panel1", true}}, {{"Image2"}, {"Image6"}}},
                            {{QStringLiteral("R ="), "Edit1", "ComboBox1"},
                             {QStringLiteral("Xl ="), "Edit2", nullptr, QStringLiteral("Ohms")}},
                            {{QStringLiteral("Z ="), "Label6", "Label9"},
                             {QStringLiteral("Degrés ="), "Label10"}})

OHMBRIX_REGISTER_REPORT_ROW(TQRImpParaRC, TFormParaRLRCLC,
                            QStringLiteral("Impédance en circuit parallèle RC"),
                            {{{"Panel4", true}}, {{"Image10"}, {"Image16"}}},
                            {{QStringLiteral("R ="), "Edit3", "ComboBox2"},
                             {QStringLiteral("Xc ="), "Edit4", nullptr, QStringLiteral("Ohms")}},
                            {{QStringLiteral("Z ="), "Label15", "Label16"},
                             {QStringLiteral("Degrés ="), "Label17"}})

OHMBRIX_REGISTER_REPORT_ROW(TQRImpParaLC, TFormParaRLRCLC,
                            QStringLiteral("Impédance en circuit parallèle LC"),
                            {{{"Panel9", true}}, {{"Image18"}}},
                            {{QStringLiteral("Xl ="), "Edit5", nullptr, QStringLiteral("Ohms")},
                             {QStringLiteral("Xc ="), "Edit6", nullptr, QStringLiteral("Ohms")}},
                            {{QStringLiteral("Z ="), "Label28", "Label29"}})

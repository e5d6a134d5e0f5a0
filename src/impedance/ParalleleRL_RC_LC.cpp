#include "impedance/ParalleleRL_RC_LC.h"
#include "printing/ReportRows.h"
#include "ui/Registry.h"

#include "formulas/SeriesParallel.h"
#include "impedance/FixedUnit.h"
#include "pictures/Formula.h"
#include "pictures/Glyphs.h"
#include "pictures/impedance/ParalleleRL_RC_LCPictures.h"
#include "printing/Preview.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Widgets.h"

#include <QFrame>
#include <QTabWidget>

using Op = ui::UnitList::Op;

namespace {

const QSize kSymbol(33, 17);

std::vector<ui::UnitList::Unit> ResistanceUnits() {
    return {{QStringLiteral("Ohms"), Op::Multiply, 1.0L}, {QStringLiteral("KOhms"), Op::Multiply, 1000.0L}};
}

void Symbol(QWidget* parent, const char* name, const char* markup, int x, int y, QSize size = kSymbol) {
    ui::MakePicture(
        parent, name, [=] { return pictures::LegendSymbol(QString::fromUtf8(markup), size); }, x, y,
        size.width(), size.height());
}

} // namespace

TFormParaRLRCLC::TFormParaRLRCLC(QWidget* parent) : ui::Window(parent) {
    setObjectName(QStringLiteral("FormParaRLRCLC"));
    SetForm(QStringLiteral("Impédance en circuit parallèle RL - RC - LC"), 457, 310, ui::kSilver);

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("PageControl1"));
    pages_->setGeometry(8, 8, 441, 297);
    const struct {
        QWidget* page;
        const char* name;
        const char* caption;
    } tabs[] = {{rlTab_, "TabSheet1", "RL"}, {rcTab_, "TabSheet2", "RC"}, {lcTab_, "TabSheet3", "LC"}};
    for (const auto& t : tabs) {
        t.page->setObjectName(QLatin1String(t.name));
        t.page->setProperty("formCaption", QString::fromUtf8(t.caption));
        ui::SetBackground(t.page, ui::kSilver);
        pages_->addTab(t.page, QString::fromUtf8(t.caption));
    }
    BuildRL();
    BuildRC();
    BuildLC();
}

void TFormParaRLRCLC::BuildRL() {
    QFrame* frame = ui::MakePanel(rlTab_, "Panel1", 8, 8, 193, 97, ui::kYellow);
    ui::MakePicture(frame, "Image1", pictures::ParallelRLCircuit, 16, 8, 161, 73);
    QFrame* legend = ui::MakePanel(rlTab_, "Panel2", 8, 112, 193, 145, ui::kSilver);
    ui::MakePicture(legend, "Image2", pictures::ParallelRLFormula, 24, 8, 137, 65);
    Symbol(legend, "Image3", "R =", 8, 80);
    Symbol(legend, "Image4", "X_{L} =", 8, 96);
    Symbol(legend, "Image5", "Z =", 8, 120);
    ui::MakeLabel(legend, "Label1", QStringLiteral("Résistance en Ohms"), 40, 82, 0, 13);
    ui::MakeLabel(legend, "Label2", QStringLiteral("Réactance Inductive en Ohms"), 40, 98, 0, 13);
    ui::MakeLabel(legend, "Label3", QStringLiteral("Impédance en Ohms"), 40, 122, 0, 13);

    QFrame* calc = ui::MakePanel(rlTab_, "Panel3", 208, 8, 217, 249, ui::kSilver);
    ui::MakePicture(calc, "Image6", pictures::ParallelRLPhaseFormula, 52, 112, 113, 57);
    ui::MakeLabel(calc, "Label4", QStringLiteral("Résistance"), 6, 11, 0, 13);
    ui::MakeLabel(calc, "Label5", QStringLiteral("Réactance Xl (Ohms)"), 6, 35, 0, 13);
    Symbol(calc, "Image7", "Z =", 9, 57, {33, 16});
    rlImpedance_ = ui::MakeResultLabel(calc, "Label6", 40, 56, 121, 17);
    impedance::MakeFixedUnit(calc, "Label9", QStringLiteral("Ohms"), 160, 56, 49);
    Symbol(calc, "Image8", "\\theta =", 9, 80);
    rlPhase_ = ui::MakeResultLabel(calc, "Label10", 40, 80, 121, 17);
    impedance::MakeFixedUnit(calc, "Label11", QStringLiteral("Degrées"), 160, 80, 49);
    edit1_ = ui::MakeValueBox(calc, "Edit1", 72, 8, 76, 19);
    rlUnit_ = ui::MakeUnitList(calc, "ComboBox1", 149, 8, 61, ResistanceUnits());
    edit2_ = ui::MakeValueBox(calc, "Edit2", 120, 32, 89, 19);
    QPushButton* equals = ui::MakeEqualsButton(calc, "BitBtn2", 85, 200, 49, 25);
    QPushButton* print = ui::MakePrintButton(calc, "BitBtn3", 160, 200, 33, 25);
    QPushButton* reset = ui::MakeResetButton(calc, "BitBtn1", 24, 200, 33, 25);
    ui::SetTabOrder({edit1_, rlUnit_, edit2_, reset, equals, print});

    rl_.Boxes({edit1_, edit2_})
        .Results({rlImpedance_, rlPhase_})
        .Fields({&ResistanceRL, &InductiveReactanceRL, &ImpedanceRL, &PhaseAngleRL});
    ui::On(rlUnit_, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    ui::On(equals, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    ui::On(reset, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    ui::On(print, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
}

void TFormParaRLRCLC::BuildRC() {
    QFrame* frame = ui::MakePanel(rcTab_, "Panel4", 8, 8, 193, 97, ui::kYellow);
    ui::MakePicture(frame, "Image9", pictures::ParallelRCCircuit, 16, 8, 169, 81);
    QFrame* legend = ui::MakePanel(rcTab_, "Panel5", 8, 112, 193, 145, ui::kSilver);
    ui::MakePicture(legend, "Image10", pictures::ParallelRCFormula, 24, 8, 137, 65);
    Symbol(legend, "Image11", "R =", 8, 80);
    Symbol(legend, "Image12", "X_{C} =", 8, 96);
    Symbol(legend, "Image13", "Z =", 8, 120);
    ui::MakeLabel(legend, "Label19", QStringLiteral("Résistance en Ohms"), 40, 82, 0, 13);
    ui::FitText(
        ui::MakeLabel(legend, "Label20", QStringLiteral("Réactance capacitive en Ohms"), 40, 98, 0, 13),
        148); // clear of the panel's edge
    ui::MakeLabel(legend, "Label21", QStringLiteral("Impédance en Ohms"), 40, 122, 0, 13);

    QFrame* calc = ui::MakePanel(rcTab_, "Panel6", 208, 8, 217, 249, ui::kSilver);
    ui::MakeLabel(calc, "Label12", QStringLiteral("Résistance"), 6, 10, 0, 17);
    ui::MakeLabel(calc, "Label13", QStringLiteral("Réactance Xc (Ohms)"), 6, 35, 0, 13);
    Symbol(calc, "Image14", "Z =", 8, 56);
    rcImpedance_ = ui::MakeResultLabel(calc, "Label15", 40, 56, 121, 17);
    impedance::MakeFixedUnit(calc, "Label16", QStringLiteral("Ohms"), 160, 56, 49);
    Symbol(calc, "Image15", "\\theta =", 8, 80);
    rcPhase_ = ui::MakeResultLabel(calc, "Label17", 40, 80, 121, 17);
    impedance::MakeFixedUnit(calc, "Label18", QStringLiteral("Degrées"), 160, 80, 49);
    ui::MakePicture(calc, "Image16", pictures::ParallelRCPhaseFormula, 52, 112, 113, 57);
    edit3_ = ui::MakeValueBox(calc, "Edit3", 72, 8, 76, 19);
    edit4_ = ui::MakeValueBox(calc, "Edit4", 120, 32, 89, 19);
    rcUnit_ = ui::MakeUnitList(calc, "ComboBox2", 149, 8, 61, ResistanceUnits());
    QPushButton* reset = ui::MakeResetButton(calc, "BitBtn4", 24, 200, 33, 25);
    QPushButton* equals = ui::MakeEqualsButton(calc, "BitBtn5", 85, 200, 49, 25);
    QPushButton* print = ui::MakePrintButton(calc, "BitBtn6", 160, 200, 33, 25);
    ui::SetTabOrder({edit3_, rcUnit_, edit4_, reset, equals, print});

    rc_.Boxes({edit3_, edit4_})
        .Results({rcImpedance_, rcPhase_})
        .Fields({&ResistanceRC, &CapacitiveReactanceRC, &ImpedanceRC, &PhaseAngleRC});
    ui::On(rcUnit_, &QComboBox::activated, this, [this] { ComboBox2Change(); });
    ui::On(equals, &QPushButton::clicked, this, [this] { BitBtn5Click(); });
    ui::On(reset, &QPushButton::clicked, this, [this] { BitBtn4Click(); });
    ui::On(print, &QPushButton::clicked, this, [this] { BitBtn6Click(); });
}

void TFormParaRLRCLC::BuildLC() {
    QFrame* legend = ui::MakePanel(lcTab_, "Panel7", 6, 112, 193, 145, ui::kSilver);
    ui::MakePicture(legend, "Image18", pictures::ParallelLCFormula, 24, 8, 137, 65);
    Symbol(legend, "Image21", "Z =", 8, 120);
    ui::MakeLabel(legend, "Label22", QStringLiteral("Réactance inductive (Ohms)"), 40, 82, 0, 13);
    ui::MakeLabel(legend, "Label23", QStringLiteral("Réactance Capacitive (Ohms)"), 40, 98, 0, 13);
    ui::MakeLabel(legend, "Label24", QStringLiteral("Impédance en Ohms"), 40, 122, 0, 13);
    Symbol(legend, "Image19", "X_{C} =", 8, 96);
    Symbol(legend, "Image25", "X_{L} =", 8, 80);

    QFrame* calc = ui::MakePanel(lcTab_, "Panel8", 208, 8, 217, 249, ui::kSilver);
    ui::MakeLabel(calc, "Label25", QStringLiteral("Réactance Xl (Ohms)"), 6, 10, 0, 17);
    ui::FitText(ui::MakeLabel(calc, "Label26", QStringLiteral("Réactance Xc (Ohms)"), 6, 35, 0, 13),
                104); // clear of Edit6
    Symbol(calc, "Image22", "Z =", 8, 56);
    lcImpedance_ = ui::MakeResultLabel(calc, "Label28", 40, 56, 121, 17);
    impedance::MakeFixedUnit(calc, "Label29", QStringLiteral("Ohms"), 160, 56, 49);
    edit5_ = ui::MakeValueBox(calc, "Edit5", 112, 8, 97, 19);
    edit6_ = ui::MakeValueBox(calc, "Edit6", 112, 32, 97, 19);
    QPushButton* reset = ui::MakeResetButton(calc, "BitBtn10", 24, 200, 33, 25);
    QPushButton* equals = ui::MakeEqualsButton(calc, "BitBtn7", 85, 200, 49, 25);
    QPushButton* print = ui::MakePrintButton(calc, "BitBtn8", 160, 200, 33, 25);
    QFrame* note = ui::MakePanel(calc, "Panel10", 8, 120, 201, 33, ui::kBlue);
    // On the blue note the symbol is drawn in the note's yellow.
    ui::MakePicture(
        note, "Image20",
        [=] {
            return pictures::Formula(QStringLiteral("\\theta ="), {28, 17}, Qt::transparent, ui::kYellow, 13);
        },
        11, 8, 28, 17);
    QLabel* noteText =
        ui::MakeLabel(note, "Label33", QStringLiteral("0 degrée lorsque Xl=Xc"), 40, 9, 145, 16);
    noteText->setAlignment(Qt::AlignCenter);
    noteText->setFont(ui::FormFont("MS Sans Serif", 13));
    ui::SetTextColour(noteText, ui::kYellow);
    QFrame* frame = ui::MakePanel(lcTab_, "Panel9", 6, 8, 193, 97, ui::kYellow);
    ui::MakePicture(frame, "Image17", pictures::ParallelLCCircuit, 8, 8, 177, 81);
    ui::SetTabOrder({edit5_, edit6_, reset, equals, print});

    lc_.Boxes({edit5_, edit6_})
        .Results({lcImpedance_})
        .Fields({&InductiveReactanceLC, &CapacitiveReactanceLC, &ImpedanceLC, &PhaseAngleLC});
    ui::On(equals, &QPushButton::clicked, this, [this] { BitBtn7Click(); });
    ui::On(reset, &QPushButton::clicked, this, [this] { BitBtn10Click(); });
    ui::On(print, &QPushButton::clicked, this, [this] { BitBtn8Click(); });
}

void TFormParaRLRCLC::FormCreate() {
    rlUnit_->setCurrentIndex(0);
    rcUnit_->setCurrentIndex(0);
}

void TFormParaRLRCLC::FormActivate() {
    if (!ui::IsEnglish()) return;
    setWindowTitle(QStringLiteral("Impedance in parallel RC"));
    ui::ApplyTexts(this, {{"Label1", "Resistance"},
                          {"Label19", "Resistance"},
                          {"Label2", "Inductive reactance"},
                          {"Label20", "Capacitive reactance"},
                          {"Label3", "Impedance"},
                          {"Label21", "Impedance"},
                          {"Label24", "Impedance"},
                          {"Label4", "Resistance"},
                          {"Label12", "Resistance"},
                          {"Label5", "Reactance Xl (Ohms)"},
                          {"Label13", "Reactance Xc (Ohms)"},
                          {"Label11", "Degree"},
                          {"Label18", "Degree"},
                          {"Label22", "Inductive reactance"},
                          {"Label23", "Capacitive reactance"},
                          {"Label25", "Reactance Xl(Ohms)"},
                          {"Label26", "Reactance Xc(Ohms)"},
                          {"Label33", "0 Degree if  Xl = Xc"}});
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

#include "capacitance/Condensor.h"
#include "printing/ReportRows.h"
#include "ui/Registry.h"

#include "pictures/capacitance/CondensorPictures.h"
#include "printing/Preview.h"
#include "ui/FormTable.h"
#include "ui/Language.h"
#include "ui/Widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

namespace form = ui::form;

// "Ct=": bold, centred, black on green.
ui::FormRow Caption(const char* name, const char* group, const char* result) {
    return form::Label(name, group, {8, 24, 33, 17}, QStringLiteral("Ct="))
        .Align(Qt::AlignCenter)
        .Font("MS Sans Serif", 11, true)
        .Background(QColor(0x00, 0xFF, 0x00))
        .Ink(Qt::black)
        .For(result);
}

const ui::FormTable kForm{
    {form::Panel("Panel1", nullptr, {0, 0, 438, 299}, ui::kSilver).NoFrame(),
     form::Tabs("PageControl1", "Panel1", {5, 0, 428, 297}).NoFocus(),
     form::Page("TabSheet1", "PageControl1", QStringLiteral("Série"), QStringLiteral("Series")),
     form::Page("TabSheet2", "PageControl1", QStringLiteral("Parallèle"), QStringLiteral("Parallel")),
     form::Page("TabSheet3", "PageControl1", QStringLiteral("Type de condensateur"), QStringLiteral("Type")),
     form::Page("TabSheet4", "PageControl1", QStringLiteral("Autres formules"),
                QStringLiteral("Other formulas")),
     // Series
     form::Picture("Image1", "TabSheet1", {7, 8, 241, 121}, pictures::CondSeriesCircuit)
         .Background(ui::kYellow)
         .Says("Circuit : C1, C2 et C3 en série, Ct aux bornes de la chaîne",
               "Circuit: C1, C2 and C3 in series, Ct across the chain"),
     form::Picture("Image3", "TabSheet1", {40, 137, 177, 65}, pictures::CondSeriesFormula)
         .Says("1 sur Ct égale 1 sur C1 plus 1 sur C2 plus ... plus 1 sur Cn",
               "1 over Ct equals 1 over C1 plus 1 over C2 plus ... plus 1 over Cn"),
     form::Note(
         "RichEdit2", "TabSheet1", {16, 208, 225, 49},
         QStringLiteral("En configuration série Ct est toujours\ninférieur a la plus faible valeur\n"
                        "du circuit.\n "),
         QStringLiteral("In series configuration *Ct* is always lower to the small value of circuit.")),
     form::Reset("BitBtn2", "TabSheet1", {256, 8, 25, 21}),
     form::Box("Edit1", "TabSheet1", {280, 8, 129, 21}).Says("C"),
     form::List("ListBox2", "TabSheet1", {256, 36, 153, 129}),
     form::Group("GroupBox1", "TabSheet1", {256, 168, 153, 97}, QStringLiteral("Résultat"),
                 QStringLiteral("Value"), ui::kSilver),
     Caption("Label6", "GroupBox1", "Label7"),
     form::Result("Label7", "GroupBox1", {40, 24, 105, 17}).Says("Ct"),
     form::Print("BitBtn3", "GroupBox1", {40, 56, 28, 25}),
     form::Check("CheckBox1", "GroupBox1", {88, 59, 57, 17}, QStringLiteral("2 Digit")),
     // Parallel
     form::Picture("Image2", "TabSheet2", {32, 16, 193, 113}, pictures::CondParallelCircuit)
         .Background(ui::kYellow)
         .Says("Circuit : C1, C2 et C3 en parallèle, Ct à leurs bornes",
               "Circuit: C1, C2 and C3 in parallel, Ct across them"),
     form::Picture("Image4", "TabSheet2", {43, 144, 169, 41}, pictures::CondParallelFormula)
         .Says("Ct égale C1 plus C2 plus ... plus Cn", "Ct equals C1 plus C2 plus ... plus Cn"),
     form::Note(
         "RichEdit1", "TabSheet2", {16, 208, 225, 49},
         QStringLiteral("En configuration parallèle Ct est égale\na tous les condensateurs additionnés.\n "),
         QStringLiteral("In parallel configuration *Ct* is equal to all addition capacitor."))
         .ReadOnly(),
     form::Reset("BitBtn4", "TabSheet2", {256, 8, 25, 21}),
     form::Box("Edit2", "TabSheet2", {280, 8, 129, 21}).Says("C"),
     form::List("ListBox1", "TabSheet2", {256, 36, 153, 129}),
     form::Group("GroupBox2", "TabSheet2", {256, 168, 153, 97}, QStringLiteral("Résultat"),
                 QStringLiteral("Value"), ui::kSilver),
     Caption("Label8", "GroupBox2", "Label2"),
     form::Result("Label2", "GroupBox2", {40, 24, 105, 17}).Says("Ct"),
     form::Print("BitBtn5", "GroupBox2", {40, 56, 28, 25}),
     form::Check("CheckBox2", "GroupBox2", {88, 59, 57, 17}, QStringLiteral("2 Digit")),
     // Type, other formulas
     form::Picture("Image5", "TabSheet3", {48, 32, 329, 193}, pictures::CapacitorTypesTable)
         .Says("Tableau des types de condensateurs", "Table of capacitor types"),
     form::Picture("Image6", "TabSheet4", {112, 24, 201, 97}, pictures::CondReciprocalFormula)
         .Says("Ct égale 1 sur 1 sur C1 plus 1 sur C2 plus 1 sur C3 plus ...",
               "Ct equals 1 over 1 over C1 plus 1 over C2 plus 1 over C3 plus ..."),
     form::Picture("Image7", "TabSheet4", {72, 152, 113, 73}, pictures::CondTwoFormula)
         .Says("Ct égale C1 fois C2 sur C1 plus C2", "Ct equals C1 times C2 over C1 plus C2"),
     form::Picture("Image8", "TabSheet4", {272, 160, 73, 57}, pictures::CondEqualFormula)
         .Says("Ct égale C1 sur 2", "Ct equals C1 over 2")},
    // The lists and notes are left to the mouse.
    {"Edit1", "BitBtn3", "CheckBox1", "BitBtn2", nullptr, "Edit2", "BitBtn5", "CheckBox2", "BitBtn4"}};

} // namespace

TCondensateur::TCondensateur(QWidget* parent) : ui::EntryTabsWindow(parent) {
    MakeTabs(kForm, {&SeriesLast, &SeriesInverseSum, &SeriesTotal}, {&ParallelLast, &ParallelTotal},
             QStringLiteral("C"), ui::EntryList::OnEmpty::Nothing);
    setObjectName(QStringLiteral("Condensateur"));
    SetForm(QStringLiteral("Condensateur Série et Parallèle"), 438, 299, ui::kSilver);

    series_->Connect(this, &TCondensateur::Edit1KeyDown, &TCondensateur::CheckBox1Click,
                     &TCondensateur::BitBtn2Click, &TCondensateur::BitBtn3Click);
    parallel_->Connect(this, &TCondensateur::Edit2KeyDown, &TCondensateur::CheckBox2Click,
                       &TCondensateur::BitBtn4Click, &TCondensateur::BitBtn5Click);
}

void TCondensateur::FormCreate() {
    // The series values start at zero with the program; creation clears only the parallel ones.
    SeriesCount = 0;
    ParallelCount = 0;
    parallel_->Box()->clear();
    series_->Box()->clear();
    parallel_->List()->clear();
    series_->List()->clear();
    ParallelLast = 0;
    ParallelTotal = 0;
    parallel_->Total()->clear();
    series_->Total()->clear();
}

void TCondensateur::FormActivate() {
    if (!ui::IsEnglish()) return;
    ui::ApplyEnglish(this, kForm);
    setWindowTitle(QStringLiteral("Capacitors in series & parallel"));
}

void TCondensateur::Edit1KeyDown() {
    series_->EnterReciprocalSum(SeriesLast, SeriesInverseSum, SeriesTotal);
}

void TCondensateur::Edit2KeyDown() {
    parallel_->EnterSum(ParallelLast, ParallelTotal);
}

void TCondensateur::BitBtn4Click() {
    parallel_->Reset();
}

void TCondensateur::BitBtn3Click() {
    printing::PreviewReport(QStringLiteral("TQRCondSerie"), this);
}

void TCondensateur::BitBtn5Click() {
    printing::PreviewReport(QStringLiteral("TQRCondPara"), this);
}

OHMBRIX_REGISTER_WINDOW(TCondensateur)

OHMBRIX_REGISTER_REPORT_ROW(TQRCondSerie, TCondensateur, QStringLiteral("Condensateur en série"),
                            {{{"Image1"}}, {{"Image3"}}}, {}, {{QStringLiteral("Ct ="), "Label7"}},
                            "ListBox2")

OHMBRIX_REGISTER_REPORT_ROW(TQRCondPara, TCondensateur, QStringLiteral("Condensateur en parallèle"),
                            {{{"Image2"}}, {{"Image4"}}}, {}, {{QStringLiteral("Ct ="), "Label2"}},
                            "ListBox1")

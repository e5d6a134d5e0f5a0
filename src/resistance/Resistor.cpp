#include "resistance/Resistor.h"
#include "printing/ReportRows.h"
#include "ui/Registry.h"

#include "formulas/RunningTotals.h"
#include "pictures/resistance/ResistorPictures.h"
#include "printing/Preview.h"
#include "ui/FormTable.h"
#include "ui/Language.h"
#include "ui/Widgets.h"

#include <QLabel>
#include <QListWidget>

namespace {

namespace form = ui::form;

// "Rt=", "G=": bold and centred.
ui::FormRow Caption(const char* name, const char* group, QRect at, const char* text, const char* result) {
    return form::Label(name, group, at, QString::fromLatin1(text))
        .Align(Qt::AlignCenter)
        .Font("MS Sans Serif", 11, true)
        .For(result);
}

const ui::FormTable kForm{
    {form::Tabs("PageControl1", nullptr, {0, 0, 426, 300}).NoFocus(),
     form::Page("TabSheet1", "PageControl1", QStringLiteral("Série"), QStringLiteral("Series")),
     form::Page("TabSheet2", "PageControl1", QStringLiteral("Parallèle"), QStringLiteral("Parallel")),
     form::Page("TabSheet3", "PageControl1", QStringLiteral("Autres formules"),
                QStringLiteral("Other formulas")),
     // Series
     form::Picture("Image1", "TabSheet1", {8, 8, 241, 113}, pictures::ResSeriesCircuit)
         .Background(ui::kYellow)
         .Says("Circuit : R1, R2 et R3 en série, Rt aux bornes de la chaîne",
               "Circuit: R1, R2 and R3 in series, Rt across the chain"),
     form::Picture("Image3", "TabSheet1", {8, 128, 241, 45}, pictures::ResSeriesFormula)
         .Says("Rt égale R1 plus R2 plus ... plus Rn", "Rt equals R1 plus R2 plus ... plus Rn"),
     form::Rule("StaticText1", "TabSheet1", {8, 184, 241, 49},
                QStringLiteral("En configuration SÉRIE les résistances sont additionnées."),
                QStringLiteral("In series configuration *Rt* is equal to all addition resistors.")),
     form::Reset("BitBtn2", "TabSheet1", {256, 8, 25, 21}),
     form::Box("Edit1", "TabSheet1", {280, 8, 129, 21}).Says("R"),
     form::List("ListBox1", "TabSheet1", {256, 36, 153, 121}),
     form::Group("GroupBox2", "TabSheet1", {256, 164, 153, 97}, QStringLiteral("Résultat"),
                 QStringLiteral("Value"), ui::kSilver),
     Caption("Label6", "GroupBox2", {8, 24, 33, 17}, "Rt=", "Label5"),
     form::Result("Label5", "GroupBox2", {40, 24, 105, 17}).Says("Rt"),
     form::Print("BitBtn3", "GroupBox2", {40, 56, 28, 25}),
     form::Check("CheckBox1", "GroupBox2", {88, 59, 57, 17}, QStringLiteral("2 Digit")),
     // Parallel
     form::Picture("Image2", "TabSheet2", {8, 8, 241, 113}, pictures::ResParallelCircuit)
         .Background(ui::kYellow)
         .Says("Circuit : R1, R2 et R3 en parallèle, Rt entre les deux lignes",
               "Circuit: R1, R2 and R3 in parallel, Rt across the rails"),
     form::Picture("Image4", "TabSheet2", {8, 126, 161, 49}, pictures::ResParallelFormula)
         .Says("1 sur Rt égale 1 sur R1 plus 1 sur R2 plus ... plus 1 sur Rn",
               "1 over Rt equals 1 over R1 plus 1 over R2 plus ... plus 1 over Rn"),
     form::Picture("Image5", "TabSheet2", {176, 126, 73, 49}, pictures::ConductanceFormula)
         .Says("G égale 1 sur R", "G equals 1 over R"),
     form::Rule(
         "StaticText2", "TabSheet2", {8, 180, 241, 85},
         QStringLiteral("En configuration PARALLÈLE la résistance Totale est toujours inférieur a la plus "
                        "faible des résistances.  L'inverse de la résistance s'appelle CONDUCTANCE (G) "
                        "sont unité est le siemens (1 siemens = 1/ohm)."),
         QStringLiteral("In parallel configuration *Rt* is always lower to the small values of circuit. "
                        "Conductance (G) is the ability of a circuit to conduct electricity (G = 1/R).")),
     form::Reset("BitBtn1", "TabSheet2", {256, 8, 25, 21}),
     form::Box("EditSerie", "TabSheet2", {280, 8, 129, 21}).Says("R"),
     form::List("ListBox2", "TabSheet2", {256, 36, 153, 113}),
     form::Group("GroupBox1", "TabSheet2", {256, 156, 153, 109}, QStringLiteral("Résultat"),
                 QStringLiteral("Value"), ui::kSilver),
     Caption("Label2", "GroupBox1", {8, 22, 33, 17}, "Rt=", "Label3"),
     form::Result("Label3", "GroupBox1", {40, 22, 105, 17}).Says("Rt"),
     Caption("Label1", "GroupBox1", {8, 44, 33, 17}, "G=", "Label4"),
     form::Result("Label4", "GroupBox1", {40, 44, 105, 17}).Says("G"),
     form::Print("BitBtn4", "GroupBox1", {40, 72, 28, 25}),
     form::Check("CheckBox2", "GroupBox1", {88, 75, 57, 17}, QStringLiteral("2 Digit")),
     // Other formulas
     form::Panel("Panel1", "TabSheet3", {8, 8, 404, 257}, ui::kSilver),
     form::Picture("Image7", "Panel1", {82, 12, 241, 97}, pictures::ResReciprocalFormula)
         .Says("Rt égale 1 sur 1 sur R1 plus 1 sur R2 plus ... plus 1 sur Rn",
               "Rt equals 1 over 1 over R1 plus 1 over R2 plus ... plus 1 over Rn"),
     form::Picture("Image6", "Panel1", {24, 140, 161, 81}, pictures::ResTwoFormula)
         .Says("Rt égale R1 fois R2 sur R1 plus R2", "Rt equals R1 times R2 over R1 plus R2"),
     form::Picture("Image8", "Panel1", {232, 148, 145, 65}, pictures::ResEqualFormula)
         .Says("Rt égale R1 sur 2 égale R2 sur 2", "Rt equals R1 over 2 equals R2 over 2")},
    // The lists and rules are left to the mouse.
    {"Edit1", "BitBtn3", "CheckBox1", "BitBtn2", nullptr, "EditSerie", "BitBtn4", "CheckBox2", "BitBtn1"}};

} // namespace

TFormResistor::TFormResistor(QWidget* parent) : ui::EntryTabsWindow(parent) {
    MakeTabs(kForm, {&SeriesLast, &SeriesTotal},
             {&ParallelLast, &ParallelInverseSum, &ParallelTotal, &Conductance}, QStringLiteral("R"),
             ui::EntryList::OnEmpty::AskForValue);
    setObjectName(QStringLiteral("FormResistor"));
    SetForm(QStringLiteral("RESISTANCE série et parallèle"), 426, 300, ui::kSilver);

    series_->Connect(this, &TFormResistor::Edit1KeyDown, &TFormResistor::CheckBox1Click,
                     &TFormResistor::BitBtn2Click, &TFormResistor::BitBtn3Click);
    parallel_->Connect(this, &TFormResistor::EditSerieKeyDown, &TFormResistor::CheckBox2Click,
                       &TFormResistor::BitBtn1Click, &TFormResistor::BitBtn4Click);
}

void TFormResistor::FormCreate() {
    series_->List()->clear();
    parallel_->List()->clear();
    SeriesCount = 0;
    ParallelCount = 0;
    SeriesLast = SeriesTotal = 0;
    ParallelLast = ParallelInverseSum = ParallelTotal = Conductance = 0;
    series_->Total()->clear();
    parallel_->Total()->clear();
}

void TFormResistor::FormActivate() {
    if (!ui::IsEnglish()) return;
    setWindowTitle(QStringLiteral("Resistance in series & parallel"));
    ui::ApplyEnglish(this, kForm);
}

void TFormResistor::Edit1KeyDown() {
    AddSeriesValue();
}

void TFormResistor::EditSerieKeyDown() {
    AddParallelValue();
}

void TFormResistor::AddSeriesValue() {
    series_->EnterSum(SeriesLast, SeriesTotal);
}

void TFormResistor::AddParallelValue() {
    parallel_->Enter([this](long double r) {
        const long double inverseSum =
            ui::Compute([&] { return formulas::AddedReciprocal(ParallelInverseSum, r); });
        const long double total = ui::Compute([&] { return formulas::Reciprocal(inverseSum); });
        const long double conductance = ui::Compute([&] { return formulas::Reciprocal(total); });
        // Nothing is stored until every value is known to fit.
        const double last = ui::Stored(r), sum = ui::Stored(inverseSum), shown = ui::Stored(total),
                     g = ui::Stored(conductance);
        ParallelLast = last;
        ParallelInverseSum = sum;
        ParallelTotal = shown;
        Conductance = g;
        parallel_->Show({ParallelTotal, Conductance});
    });
}

void TFormResistor::RefreshParallelDisplay() {
    parallel_->Refresh({ParallelTotal, Conductance});
}

void TFormResistor::BitBtn1Click() {
    parallel_->Reset();
}

void TFormResistor::BitBtn3Click() {
    printing::PreviewReport(QStringLiteral("TQRResSerie"), this);
}

void TFormResistor::BitBtn4Click() {
    printing::PreviewReport(QStringLiteral("TQRResPara"), this);
}

OHMBRIX_REGISTER_WINDOW(TFormResistor)

// Series and parallel lists: the memo is the tab's list as the window shows it.
OHMBRIX_REGISTER_REPORT_ROW(TQRResSerie, TFormResistor, QStringLiteral("Résistance en série"),
                            {{{"Image1"}}, {{"Image3"}}}, {}, {{QStringLiteral("Rt ="), "Label5"}},
                            "ListBox1")

OHMBRIX_REGISTER_REPORT_ROW(TQRResPara, TFormResistor, QStringLiteral("Résistance en parallèle"),
                            {{{"Image2"}}, {{"Image4"}, {"Image5"}}}, {},
                            {{QStringLiteral("Rt ="), "Label3"}, {QStringLiteral("G ="), "Label4"}},
                            "ListBox2")

#include "resistance/Resistor.h"
#include "printing/ReportRows.h"
#include "ui/Registry.h"

#include "formulas/RunningTotals.h"
#include "pictures/resistance/ResistorPictures.h"
#include "printing/Preview.h"
#include "ui/Language.h"
#include "ui/Widgets.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>

namespace {

using Tab = ui::EntryTab;

const Tab::Layout kSeries{{{"Image1", pictures::ResSeriesCircuit, {8, 8, 241, 113}},
                           {"Image3", pictures::ResSeriesFormula, {8, 128, 241, 45}}},
                          {"StaticText1", {}, {8, 184, 241, 49}, Tab::NoteKind::Rule},
                          {"BitBtn2", {256, 8, 25, 21}},
                          {"Edit1", {280, 8, 129, 21}},
                          {"ListBox1", {256, 36, 153, 121}},
                          {"GroupBox2", {256, 164, 153, 97}},
                          {"BitBtn3", {40, 56, 28, 25}},
                          {"CheckBox1", {88, 59, 57, 17}},
                          {{"Label6", "Rt=", {8, 24, 33, 17}, "Label5", {40, 24, 105, 17}}},
                          Tab::TextCaption,
                          false};

const Tab::Layout kParallel{{{"Image2", pictures::ResParallelCircuit, {8, 8, 241, 113}},
                             {"Image4", pictures::ResParallelFormula, {8, 126, 161, 49}},
                             {"Image5", pictures::ConductanceFormula, {176, 126, 73, 49}}},
                            {"StaticText2", {}, {8, 180, 241, 85}, Tab::NoteKind::Rule},
                            {"BitBtn1", {256, 8, 25, 21}},
                            {"EditSerie", {280, 8, 129, 21}},
                            {"ListBox2", {256, 36, 153, 113}},
                            {"GroupBox1", {256, 156, 153, 109}},
                            {"BitBtn4", {40, 72, 28, 25}},
                            {"CheckBox2", {88, 75, 57, 17}},
                            {{"Label2", "Rt=", {8, 22, 33, 17}, "Label3", {40, 22, 105, 17}},
                             {"Label1", "G=", {8, 44, 33, 17}, "Label4", {40, 44, 105, 17}}},
                            Tab::TextCaption,
                            false};

} // namespace

TFormResistor::TFormResistor(QWidget* parent) : ui::EntryTabsWindow(parent) {
    MakeTabs(MakePages(this, {0, 0, 426, 300},
                       {{"TabSheet1", QStringLiteral("Série")},
                        {"TabSheet2", QStringLiteral("Parallèle")},
                        {"TabSheet3", QStringLiteral("Autres formules")}}),
             kSeries, {&SeriesLast, &SeriesTotal}, kParallel,
             {&ParallelLast, &ParallelInverseSum, &ParallelTotal, &Conductance}, QStringLiteral("R"),
             ui::EntryList::OnEmpty::AskForValue);
    setObjectName(QStringLiteral("FormResistor"));
    SetForm(QStringLiteral("RESISTANCE série et parallèle"), 426, 300, ui::kSilver);
    MakeFormulasTab();

    series_->Connect(this, &TFormResistor::Edit1KeyDown, &TFormResistor::CheckBox1Click,
                     &TFormResistor::BitBtn2Click, &TFormResistor::BitBtn3Click);
    parallel_->Connect(this, &TFormResistor::EditSerieKeyDown, &TFormResistor::CheckBox2Click,
                       &TFormResistor::BitBtn1Click, &TFormResistor::BitBtn4Click);
}

void TFormResistor::MakeFormulasTab() {
    QFrame* panel = ui::MakePanel(pages_->widget(2), "Panel1", 8, 8, 404, 257, ui::kSilver);
    ui::MakePicture(panel, "Image7", pictures::ResReciprocalFormula, 82, 12, 241, 97);
    ui::MakePicture(panel, "Image6", pictures::ResTwoFormula, 24, 140, 161, 81);
    ui::MakePicture(panel, "Image8", pictures::ResEqualFormula, 232, 148, 145, 65);
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
    if (!ui::IsEnglish()) {
        series_->Rule()->setText(QStringLiteral("En configuration SÉRIE les résistances sont additionnées."));
        parallel_->Rule()->setText(QStringLiteral(
            "En configuration PARALLÈLE la résistance Totale est toujours inférieur a la plus faible des "
            "résistances.  L'inverse de la résistance s'appelle CONDUCTANCE (G) sont unité est le siemens "
            "(1 siemens = 1/ohm)."));
        return;
    }
    setWindowTitle(QStringLiteral("Resistance in series & parallel"));
    ui::ApplyTexts(this,
                   {{"TabSheet1", "Series"},
                    {"TabSheet2", "Parallel"},
                    {"TabSheet3", "Other formulas"},
                    {"GroupBox1", "Value"},
                    {"GroupBox2", "Value"},
                    {"StaticText1", "In series configuration *Rt* is equal to all addition resistors."},
                    {"StaticText2", "In parallel configuration *Rt* is always lower to the small values of "
                                    "circuit. Conductance (G) is the ability of a circuit to conduct "
                                    "electricity (G = 1/R)."}});
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

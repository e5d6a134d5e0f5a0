#include "inductance/IndSeriePara.h"
#include "printing/ReportRows.h"
#include "ui/Registry.h"

#include "pictures/inductance/IndSerieParaPictures.h"
#include "printing/Preview.h"
#include "ui/FormTable.h"
#include "ui/Language.h"
#include "ui/Widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

namespace form = ui::form;

// The drawn "Lt =".
ui::FormRow Symbol(const char* name, const char* group) {
    return form::Picture(name, group, {10, 24, 33, 17},
                         [] {
                             return pictures::LtSymbol({33, 17});
                         })
        .Says("Lt =");
}

const ui::FormTable kForm{
    {form::Panel("Panel1", nullptr, {0, 0, 427, 289}, ui::kSilver).NoFrame(),
     form::Tabs("PageControl1", "Panel1", {5, 5, 372, 276}).NoFocus(),
     form::Page("TabSheet1", "PageControl1", QStringLiteral("Inductance en série"),
                QStringLiteral("Inductance in series")),
     form::Page("TabSheet2", "PageControl1", QStringLiteral("Inductance en parallèle"),
                QStringLiteral("Inductance in parallel")),
     // Series
     form::Picture("Image1", "TabSheet1", {14, 8, 177, 121}, pictures::IndSeriesCircuit)
         .Background(ui::kYellow)
         .Says("Circuit : L1 et L2 en série, un appareil de mesure Lt à leurs bornes",
               "Circuit: L1 and L2 in series, a meter Lt across them"),
     form::Picture("Image3", "TabSheet1", {10, 140, 185, 31}, pictures::IndSeriesFormula)
         .Says("Lt égale L1 plus L2 plus L3 plus ...", "Lt equals L1 plus L2 plus L3 plus ..."),
     form::Note("RichEdit1", "TabSheet1", {10, 192, 185, 33},
                QStringLiteral("En configuration série Lt est égale\na tous les inducteurs additionnés."),
                QStringLiteral("In series configuration *Lt* is equal to all addition inductors."))
         .Disabled(),
     form::Reset("BitBtn2", "TabSheet1", {208, 8, 25, 19}),
     form::Box("Edit1", "TabSheet1", {232, 8, 129, 21}).Says("L"),
     form::List("ListBox1", "TabSheet1", {208, 32, 153, 121}),
     form::Group("GroupBox1", "TabSheet1", {208, 160, 153, 81}, QStringLiteral("Résultat"),
                 QStringLiteral("Result"), ui::kSilver),
     Symbol("Image5", "GroupBox1"), form::Result("Label1", "GroupBox1", {40, 24, 105, 17}).Says("Lt"),
     form::Check("CheckBox1", "GroupBox1", {32, 52, 57, 17}, QStringLiteral("2 Digit")),
     form::Print("BitBtn1", "GroupBox1", {96, 48, 28, 25}),
     // Parallel
     form::Picture("Image2", "TabSheet2", {24, 0, 153, 121}, pictures::IndParallelCircuit)
         .Background(ui::kYellow)
         .Says("Circuit : un appareil de mesure Lt aux bornes de L1 et L2 en parallèle",
               "Circuit: a meter Lt across L1 and L2 in parallel"),
     form::Picture("Image4", "TabSheet2", {8, 122, 181, 77}, pictures::IndParallelFormula)
         .Says("Lt égale 1 sur 1 sur L1 plus 1 sur L2 plus ... plus 1 sur Ln",
               "Lt equals 1 over 1 over L1 plus 1 over L2 plus ... plus 1 over Ln"),
     form::Note(
         "RichEdit2", "TabSheet2", {0, 200, 196, 47},
         QStringLiteral("En configuration parallèle Lt est\ntoujours inférieur a la plus faible\n"
                        "valeur du circuit."),
         QStringLiteral("In parallel configuration *Lt* is always lower to the small value of circuit."))
         .Disabled(),
     form::Reset("BitBtn3", "TabSheet2", {208, 8, 25, 19}),
     form::Box("Edit2", "TabSheet2", {232, 8, 129, 21}).Says("L"),
     form::List("ListBox2", "TabSheet2", {208, 32, 153, 121}),
     form::Group("GroupBox2", "TabSheet2", {208, 160, 153, 81}, QStringLiteral("Résultat"),
                 QStringLiteral("Result"), ui::kSilver),
     Symbol("Image6", "GroupBox2"), form::Result("Label2", "GroupBox2", {40, 24, 105, 17}).Says("Lt"),
     form::Check("CheckBox2", "GroupBox2", {32, 52, 57, 17}, QStringLiteral("2 Digit")),
     form::Print("BitBtn4", "GroupBox2", {96, 48, 28, 25})},
    // The lists and notes are left to the mouse.
    {"Edit1", "BitBtn1", "CheckBox1", "BitBtn2", nullptr, "Edit2", "BitBtn4", "CheckBox2", "BitBtn3"}};

} // namespace

TIndSerPara::TIndSerPara(QWidget* parent) : ui::EntryTabsWindow(parent) {
    MakeTabs(kForm, {&SeriesLast, &SeriesTotal}, {&ParallelLast, &ParallelInverseSum, &ParallelTotal},
             QStringLiteral("L"), ui::EntryList::OnEmpty::AskForValue);
    setObjectName(QStringLiteral("IndSerPara"));
    SetForm(QStringLiteral("INDUCTANCE série et parallèle "), 382, 286, ui::kSilver);

    series_->Connect(this, &TIndSerPara::Edit1KeyDown, &TIndSerPara::CheckBox1Click,
                     &TIndSerPara::BitBtn2Click, &TIndSerPara::BitBtn1Click);
    parallel_->Connect(this, &TIndSerPara::Edit2KeyDown, &TIndSerPara::CheckBox2Click,
                       &TIndSerPara::BitBtn3Click, &TIndSerPara::BitBtn4Click);
}

void TIndSerPara::FormCreate() {
    SeriesCount = 0;
    ParallelCount = 0;
    series_->Box()->clear();
    parallel_->Box()->clear();
    series_->List()->clear();
    parallel_->List()->clear();
    SeriesLast = 0;
    SeriesTotal = 0;
    series_->Total()->clear();
    parallel_->Total()->clear();
}

void TIndSerPara::FormActivate() {
    if (!ui::IsEnglish()) return;
    setWindowTitle(QStringLiteral("Inductance in SERIES & PARALLEL"));
    ui::ApplyEnglish(this, kForm);
}

void TIndSerPara::Edit1KeyDown() {
    AddSeriesValue();
}

void TIndSerPara::Edit2KeyDown() {
    AddParallelValue();
}

void TIndSerPara::AddSeriesValue() {
    series_->EnterSum(SeriesLast, SeriesTotal);
}

void TIndSerPara::AddParallelValue() {
    parallel_->EnterReciprocalSum(ParallelLast, ParallelInverseSum, ParallelTotal);
}

void TIndSerPara::BitBtn3Click() {
    parallel_->Reset();
}

void TIndSerPara::BitBtn1Click() {
    printing::PreviewReport(QStringLiteral("TQRIndSerie"), this);
}

void TIndSerPara::BitBtn4Click() {
    printing::PreviewReport(QStringLiteral("TQRIndPara"), this);
}

OHMBRIX_REGISTER_WINDOW(TIndSerPara)

OHMBRIX_REGISTER_REPORT_ROW(TQRIndSerie, TIndSerPara, QStringLiteral("Inductance en série"),
                            {{{"Image1"}}, {{"Image3"}}}, {}, {{QStringLiteral("Lt ="), "Label1"}},
                            "ListBox1")

OHMBRIX_REGISTER_REPORT_ROW(TQRIndPara, TIndSerPara, QStringLiteral("Inductance en parallèle"),
                            {{{"Image2"}}, {{"Image4"}}}, {}, {{QStringLiteral("Lt ="), "Label2"}},
                            "ListBox2")

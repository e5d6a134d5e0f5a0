#include "inductance/IndSeriePara.h"
#include "printing/ReportRows.h"
#include "ui/Registry.h"

#include "pictures/inductance/IndSerieParaPictures.h"
#include "printing/Preview.h"
#include "ui/Language.h"
#include "ui/Widgets.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>

namespace {

// The drawn "Lt=".
QWidget* MakeSymbol(QWidget* group, const char* name, const char*, const QRect& at) {
    return ui::MakePicture(
        group, name,
        [] {
            return pictures::LtSymbol({33, 17});
        },
        at.x(), at.y(), at.width(), at.height());
}

ui::EntryTab::Layout Tab(std::vector<ui::EntryTab::Picture> pictures, ui::EntryTab::Note note,
                         const char* reset, const char* box, const char* list, const char* group,
                         const char* symbol, const char* total, const char* digits, const char* print) {
    return {std::move(pictures),
            std::move(note),
            {reset, {208, 8, 25, 19}},
            {box, {232, 8, 129, 21}},
            {list, {208, 32, 153, 121}},
            {group, {208, 160, 153, 81}},
            {print, {96, 48, 28, 25}},
            {digits, {32, 52, 57, 17}},
            {{symbol, "", {10, 24, 33, 17}, total, {40, 24, 105, 17}}},
            MakeSymbol,
            true};
}

} // namespace

TIndSerPara::TIndSerPara(QWidget* parent) : ui::EntryTabsWindow(parent) {
    QFrame* frame = ui::MakePanel(this, "Panel1", 0, 0, 427, 289, ui::kSilver);
    frame->setFrameStyle(QFrame::NoFrame);
    MakeTabs(
        MakePages(frame, {5, 5, 372, 276},
                  {{"TabSheet1", QStringLiteral("Inductance en série")},
                   {"TabSheet2", QStringLiteral("Inductance en parallèle")}}),
        Tab({{"Image1", pictures::IndSeriesCircuit, {14, 8, 177, 121}},
             {"Image3", pictures::IndSeriesFormula, {10, 140, 185, 31}}},
            {"RichEdit1",
             {QStringLiteral("En configuration série Lt est égale"),
              QStringLiteral("a tous les inducteurs additionnés.")},
             {10, 192, 185, 33},
             ui::EntryTab::NoteKind::Disabled},
            "BitBtn2", "Edit1", "ListBox1", "GroupBox1", "Image5", "Label1", "CheckBox1", "BitBtn1"),
        {&SeriesLast, &SeriesTotal},
        Tab({{"Image2", pictures::IndParallelCircuit, {24, 0, 153, 121}},
             {"Image4", pictures::IndParallelFormula, {8, 122, 181, 77}}},
            {"RichEdit2",
             {QStringLiteral("En configuration parallèle Lt est"),
              QStringLiteral("toujours inférieur a la plus faible"), QStringLiteral("valeur du circuit.")},
             {0, 200, 196, 47},
             ui::EntryTab::NoteKind::Disabled},
            "BitBtn3", "Edit2", "ListBox2", "GroupBox2", "Image6", "Label2", "CheckBox2", "BitBtn4"),
        {&ParallelLast, &ParallelInverseSum, &ParallelTotal}, QStringLiteral("L"),
        ui::EntryList::OnEmpty::AskForValue);
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
    ui::ApplyTexts(this, {{"TabSheet1", "Inductance in series"},
                          {"TabSheet2", "Inductance in parallel"},
                          {"GroupBox1", "Result"},
                          {"GroupBox2", "Result"}});
    ui::SetNoteLines(series_->NoteText(),
                     {QStringLiteral("In series configuration *Lt* is equal to all addition inductors.")});
    ui::SetNoteLines(
        parallel_->NoteText(),
        {QStringLiteral("In parallel configuration *Lt* is always lower to the small value of circuit.")});
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

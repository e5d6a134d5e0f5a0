#include "capacitance/Condensor.h"
#include "printing/ReportRows.h"
#include "ui/Registry.h"

#include "pictures/capacitance/CondensorPictures.h"
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

// "Ct=" in black on green.
QWidget* MakeCaption(QWidget* group, const char* name, const char* text, const QRect& at) {
    QWidget* caption = ui::EntryTab::TextCaption(group, name, text, at);
    ui::SetBackground(caption, QColor(0x00, 0xFF, 0x00));
    ui::SetTextColour(caption, Qt::black);
    return caption;
}

ui::EntryTab::Layout Tab(std::vector<ui::EntryTab::Picture> pictures, ui::EntryTab::Note note,
                         const char* reset, const char* box, const char* list, const char* group,
                         const char* caption, const char* total, const char* print, const char* digits) {
    return {std::move(pictures),
            std::move(note),
            {reset, {256, 8, 25, 21}},
            {box, {280, 8, 129, 21}},
            {list, {256, 36, 153, 129}},
            {group, {256, 168, 153, 97}},
            {print, {40, 56, 28, 25}},
            {digits, {88, 59, 57, 17}},
            {{caption, "Ct=", {8, 24, 33, 17}, total, {40, 24, 105, 17}}},
            MakeCaption,
            false};
}

} // namespace

TCondensateur::TCondensateur(QWidget* parent) : ui::EntryTabsWindow(parent) {
    QFrame* frame = ui::MakePanel(this, "Panel1", 0, 0, 438, 299, ui::kSilver);
    frame->setFrameStyle(QFrame::NoFrame);
    MakeTabs(MakePages(frame, {5, 0, 428, 297},
                       {{"TabSheet1", QStringLiteral("Série")},
                        {"TabSheet2", QStringLiteral("Parallèle")},
                        {"TabSheet3", QStringLiteral("Type de condensateur")},
                        {"TabSheet4", QStringLiteral("Autres formules")}}),
             Tab({{"Image1", pictures::CondSeriesCircuit, {7, 8, 241, 121}},
                  {"Image3", pictures::CondSeriesFormula, {40, 137, 177, 65}}},
                 {"RichEdit2",
                  {QStringLiteral("En configuration série Ct est toujours"),
                   QStringLiteral("inférieur a la plus faible valeur"), QStringLiteral("du circuit."),
                   QStringLiteral(" ")},
                  {16, 208, 225, 49},
                  ui::EntryTab::NoteKind::Editable},
                 "BitBtn2", "Edit1", "ListBox2", "GroupBox1", "Label6", "Label7", "BitBtn3", "CheckBox1"),
             {&SeriesLast, &SeriesInverseSum, &SeriesTotal},
             Tab({{"Image2", pictures::CondParallelCircuit, {32, 16, 193, 113}},
                  {"Image4", pictures::CondParallelFormula, {43, 144, 169, 41}}},
                 {"RichEdit1",
                  {QStringLiteral("En configuration parallèle Ct est égale"),
                   QStringLiteral("a tous les condensateurs additionnés."), QStringLiteral(" ")},
                  {16, 208, 225, 49},
                  ui::EntryTab::NoteKind::ReadOnly},
                 "BitBtn4", "Edit2", "ListBox1", "GroupBox2", "Label8", "Label2", "BitBtn5", "CheckBox2"),
             {&ParallelLast, &ParallelTotal}, QStringLiteral("C"), ui::EntryList::OnEmpty::Nothing);
    setObjectName(QStringLiteral("Condensateur"));
    SetForm(QStringLiteral("Condensateur Série et Parallèle"), 438, 299, ui::kSilver);

    ui::MakePicture(pages_->widget(2), "Image5", pictures::CapacitorTypesTable, 48, 32, 329, 193);
    QWidget* formulas = pages_->widget(3);
    ui::MakePicture(formulas, "Image6", pictures::CondReciprocalFormula, 112, 24, 201, 97);
    ui::MakePicture(formulas, "Image7", pictures::CondTwoFormula, 72, 152, 113, 73);
    ui::MakePicture(formulas, "Image8", pictures::CondEqualFormula, 272, 160, 73, 57);

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
    ui::ApplyTexts(this, {{"TabSheet1", "Series"},
                          {"TabSheet2", "Parallel"},
                          {"TabSheet3", "Type"},
                          {"TabSheet4", "Other formulas"},
                          {"GroupBox1", "Value"},
                          {"GroupBox2", "Value"}});
    setWindowTitle(QStringLiteral("Capacitors in series & parallel"));
    ui::SetNoteLines(parallel_->NoteText(),
                     {QStringLiteral("In parallel configuration *Ct* is equal to all addition capacitor.")});
    ui::SetNoteLines(
        series_->NoteText(),
        {QStringLiteral("In series configuration *Ct* is always lower to the small value of circuit.")});
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

#include "capacitance/Condensor.h"
#include "ui/Registry.h"

#include "formulas/RunningTotals.h"
#include "pictures/capacitance/CondensorPictures.h"
#include "printing/Preview.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>

struct TCondensateur::TabLayout {
    int index;
    const char *image1, *image2, *note, *reset, *box, *list, *group, *caption, *total, *print, *digits;
    QImage (*circuit)();
    QRect circuitAt;
    QImage (*formula)();
    QRect formulaAt;
    QStringList noteLines;
    bool noteReadOnly;
};

TCondensateur::TCondensateur(QWidget* parent)
    : ui::Window(parent), pages_(MakePages()),
      seriesTab_(MakeEntryTab({0,
                               "Image1",
                               "Image3",
                               "RichEdit2",
                               "BitBtn2",
                               "Edit1",
                               "ListBox2",
                               "GroupBox1",
                               "Label6",
                               "Label7",
                               "BitBtn3",
                               "CheckBox1",
                               pictures::CondSeriesCircuit,
                               {7, 8, 241, 121},
                               pictures::CondSeriesFormula,
                               {40, 137, 177, 65},
                               {QStringLiteral("En configuration série Ct est toujours"),
                                QStringLiteral("inférieur a la plus faible valeur"),
                                QStringLiteral("du circuit."), QStringLiteral(" ")},
                               false})),
      parallelTab_(
          MakeEntryTab({1,
                        "Image2",
                        "Image4",
                        "RichEdit1",
                        "BitBtn4",
                        "Edit2",
                        "ListBox1",
                        "GroupBox2",
                        "Label8",
                        "Label2",
                        "BitBtn5",
                        "CheckBox2",
                        pictures::CondParallelCircuit,
                        {32, 16, 193, 113},
                        pictures::CondParallelFormula,
                        {43, 144, 169, 41},
                        {QStringLiteral("En configuration parallèle Ct est égale"),
                         QStringLiteral("a tous les condensateurs additionnés."), QStringLiteral(" ")},
                        true})) {
    setObjectName(QStringLiteral("Condensateur"));
    SetForm(QStringLiteral("Condensateur Série et Parallèle"), 438, 299, ui::kSilver);

    ui::MakePicture(pages_->widget(2), "Image5", pictures::CapacitorTypesTable, 48, 32, 329, 193);
    QWidget* formulas = pages_->widget(3);
    ui::MakePicture(formulas, "Image6", pictures::CondReciprocalFormula, 112, 24, 201, 97);
    ui::MakePicture(formulas, "Image7", pictures::CondTwoFormula, 72, 152, 113, 73);
    ui::MakePicture(formulas, "Image8", pictures::CondEqualFormula, 272, 160, 73, 57);

    series_.Boxes({seriesTab_.box})
        .Results({seriesTab_.total})
        .Fields({&SeriesLast, &SeriesInverseSum, &SeriesTotal});
    parallel_.Boxes({parallelTab_.box}).Results({parallelTab_.total}).Fields({&ParallelLast, &ParallelTotal});

    ui::On(seriesTab_.box, &QLineEdit::returnPressed, this, [this] { Edit1KeyDown(); });
    ui::On(parallelTab_.box, &QLineEdit::returnPressed, this, [this] { Edit2KeyDown(); });
    ui::On(seriesTab_.twoDigits, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });
    ui::On(parallelTab_.twoDigits, &QCheckBox::clicked, this, [this] { CheckBox2Click(); });
    ui::On(findChild<QPushButton*>(QStringLiteral("BitBtn2")), &QPushButton::clicked, this,
           [this] { BitBtn2Click(); });
    ui::On(findChild<QPushButton*>(QStringLiteral("BitBtn4")), &QPushButton::clicked, this,
           [this] { BitBtn4Click(); });
    ui::On(findChild<QPushButton*>(QStringLiteral("BitBtn3")), &QPushButton::clicked, this,
           [this] { BitBtn3Click(); });
    ui::On(findChild<QPushButton*>(QStringLiteral("BitBtn5")), &QPushButton::clicked, this,
           [this] { BitBtn5Click(); });
}

QTabWidget* TCondensateur::MakePages() {
    QFrame* frame = ui::MakePanel(this, "Panel1", 0, 0, 438, 299, ui::kSilver);
    frame->setFrameStyle(QFrame::NoFrame);
    auto* pages = new QTabWidget(frame);
    pages->setObjectName(QStringLiteral("PageControl1"));
    pages->setGeometry(5, 0, 428, 297);
    pages->tabBar()->setFocusPolicy(Qt::NoFocus);
    ui::AddTabPage(pages, "TabSheet1", QStringLiteral("Série"));
    ui::AddTabPage(pages, "TabSheet2", QStringLiteral("Parallèle"));
    ui::AddTabPage(pages, "TabSheet3", QStringLiteral("Type de condensateur"));
    ui::AddTabPage(pages, "TabSheet4", QStringLiteral("Autres formules"));
    return pages;
}

TCondensateur::EntryTab TCondensateur::MakeEntryTab(const TabLayout& l) {
    QWidget* page = pages_->widget(l.index);
    const QRect c = l.circuitAt, f = l.formulaAt;
    QLabel* circuit = ui::MakePicture(page, l.image1, l.circuit, c.x(), c.y(), c.width(), c.height());
    ui::SetBackground(circuit, ui::kYellow);
    ui::MakePicture(page, l.image2, l.formula, f.x(), f.y(), f.width(), f.height());
    QTextEdit* note = ui::MakeNote(page, l.note, l.noteLines, 16, 208, 225, 49);
    note->setReadOnly(l.noteReadOnly);
    QPushButton* reset = ui::MakeResetButton(page, l.reset, 256, 8, 25, 21);
    QLineEdit* box = ui::MakeValueBox(page, l.box, 280, 8, 129, 21);
    QListWidget* list = ui::MakeListBox(page, l.list, 256, 36, 153, 129);
    QGroupBox* group =
        ui::MakeGroup(page, l.group, QStringLiteral("Résultat"), 256, 168, 153, 97, ui::kSilver);
    QLabel* caption = ui::MakeLabel(group, l.caption, QStringLiteral("Ct="), 8, 24, 33, 17);
    caption->setAlignment(Qt::AlignCenter);
    caption->setFont(ui::FormFont("MS Sans Serif", 11, true));
    ui::SetBackground(caption, QColor(0x00, 0xFF, 0x00));
    ui::SetTextColour(caption, Qt::black);
    QLabel* total = ui::MakeResultLabel(group, l.total, 40, 24, 105, 17);
    QPushButton* print = ui::MakePrintButton(group, l.print, 40, 56, 28, 25);
    QCheckBox* twoDigits = ui::MakeCheckBox(group, l.digits, QStringLiteral("2 Digit"), 88, 59, 57, 17);
    ui::SetTabOrder({box, list, print, twoDigits, reset, note});
    return {page, box, list, total, twoDigits, note};
}

void TCondensateur::FormCreate() {
    // The series values start at zero with the program; creation clears only the parallel ones.
    SeriesCount = 0;
    ParallelCount = 0;
    parallelTab_.box->clear();
    seriesTab_.box->clear();
    parallelTab_.list->clear();
    seriesTab_.list->clear();
    ParallelLast = 0;
    ParallelTotal = 0;
    parallelTab_.total->clear();
    seriesTab_.total->clear();
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
    ui::SetNoteLines(parallelTab_.note,
                     {QStringLiteral("In parallel configuration *Ct* is equal to all addition capacitor.")});
    ui::SetNoteLines(
        seriesTab_.note,
        {QStringLiteral("In series configuration *Ct* is always lower to the small value of circuit.")});
}

void TCondensateur::AddSeriesValue() {
    seriesEntries_.Enter([this](long double c) {
        const long double inverseSum =
            ui::Compute([&] { return formulas::AddedReciprocal(SeriesInverseSum, c); });
        const long double total = ui::Compute([&] { return formulas::Reciprocal(inverseSum); });
        // Nothing is stored until every value is known to fit.
        const double last = ui::Stored(c), sum = ui::Stored(inverseSum), shown = ui::Stored(total);
        SeriesLast = last;
        SeriesInverseSum = sum;
        SeriesTotal = shown;
        series_.Show(seriesTab_.total, SeriesTotal, ui::kGeneral10_4);
        RefreshSeriesDisplay();
    });
}

void TCondensateur::AddParallelValue() {
    parallelEntries_.Enter([this](long double c) {
        const long double total = ui::Compute([&] { return formulas::AddedValue(ParallelTotal, c); });
        const double last = ui::Stored(c), shown = ui::Stored(total);
        ParallelLast = last;
        ParallelTotal = shown;
        parallel_.Show(parallelTab_.total, ParallelTotal, ui::kGeneral10_4);
        RefreshParallelDisplay();
    });
}

void TCondensateur::Edit1KeyDown() {
    AddSeriesValue();
}

void TCondensateur::Edit2KeyDown() {
    AddParallelValue();
}

void TCondensateur::RefreshSeriesDisplay() {
    series_.Refresh(seriesTab_.total, seriesTab_.twoDigits->isChecked(), SeriesTotal);
}

void TCondensateur::RefreshParallelDisplay() {
    parallel_.Refresh(parallelTab_.total, parallelTab_.twoDigits->isChecked(), ParallelTotal);
}

void TCondensateur::CheckBox1Click() {
    RefreshSeriesDisplay();
}

void TCondensateur::CheckBox2Click() {
    RefreshParallelDisplay();
}

void TCondensateur::BitBtn2Click() {
    seriesEntries_.Clear();
    series_.Clear();
}

void TCondensateur::BitBtn4Click() {
    parallelEntries_.Clear();
    parallel_.Clear();
}

void TCondensateur::BitBtn3Click() {
    printing::PreviewReport(QStringLiteral("TQRCondSerie"), this);
}

void TCondensateur::BitBtn5Click() {
    printing::PreviewReport(QStringLiteral("TQRCondPara"), this);
}

OHMBRIX_REGISTER_WINDOW(TCondensateur)

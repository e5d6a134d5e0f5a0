#include "inductance/IndSeriePara.h"
#include "ui/Registry.h"

#include "formulas/RunningTotals.h"
#include "pictures/inductance/IndSerieParaPictures.h"
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

struct TIndSerPara::TabLayout {
    int index;
    const char *image1, *image2, *note, *reset, *box, *list, *group, *symbol, *total, *digits, *print;
    QImage (*circuit)();
    QRect circuitAt;
    QImage (*formula)();
    QRect formulaAt;
    QStringList noteLines;
    QRect noteAt;
};

TIndSerPara::TIndSerPara(QWidget* parent)
    : ui::Window(parent), pages_(MakePages()),
      seriesTab_(MakeEntryTab({0,
                               "Image1",
                               "Image3",
                               "RichEdit1",
                               "BitBtn2",
                               "Edit1",
                               "ListBox1",
                               "GroupBox1",
                               "Image5",
                               "Label1",
                               "CheckBox1",
                               "BitBtn1",
                               pictures::IndSeriesCircuit,
                               {14, 8, 177, 121},
                               pictures::IndSeriesFormula,
                               {10, 140, 185, 31},
                               {QStringLiteral("En configuration série Lt est égale"),
                                QStringLiteral("a tous les inducteurs additionnés.")},
                               {10, 192, 185, 33}})),
      parallelTab_(MakeEntryTab(
          {1,
           "Image2",
           "Image4",
           "RichEdit2",
           "BitBtn3",
           "Edit2",
           "ListBox2",
           "GroupBox2",
           "Image6",
           "Label2",
           "CheckBox2",
           "BitBtn4",
           pictures::IndParallelCircuit,
           {24, 0, 153, 121},
           pictures::IndParallelFormula,
           {8, 122, 181, 77},
           {QStringLiteral("En configuration parallèle Lt est"),
            QStringLiteral("toujours inférieur a la plus faible"), QStringLiteral("valeur du circuit.")},
           {0, 200, 196, 47}})) {
    setObjectName(QStringLiteral("IndSerPara"));
    SetForm(QStringLiteral("INDUCTANCE série et parallèle "), 382, 286, ui::kSilver);

    series_.Boxes({seriesTab_.box}).Results({seriesTab_.total}).Fields({&SeriesLast, &SeriesTotal});
    parallel_.Boxes({parallelTab_.box})
        .Results({parallelTab_.total})
        .Fields({&ParallelLast, &ParallelInverseSum, &ParallelTotal});

    ui::On(seriesTab_.box, &QLineEdit::returnPressed, this, [this] { Edit1KeyDown(); });
    ui::On(parallelTab_.box, &QLineEdit::returnPressed, this, [this] { Edit2KeyDown(); });
    ui::On(seriesTab_.twoDigits, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });
    ui::On(parallelTab_.twoDigits, &QCheckBox::clicked, this, [this] { CheckBox2Click(); });
    ui::On(findChild<QPushButton*>(QStringLiteral("BitBtn2")), &QPushButton::clicked, this,
           [this] { BitBtn2Click(); });
    ui::On(findChild<QPushButton*>(QStringLiteral("BitBtn3")), &QPushButton::clicked, this,
           [this] { BitBtn3Click(); });
    ui::On(findChild<QPushButton*>(QStringLiteral("BitBtn1")), &QPushButton::clicked, this,
           [this] { BitBtn1Click(); });
    ui::On(findChild<QPushButton*>(QStringLiteral("BitBtn4")), &QPushButton::clicked, this,
           [this] { BitBtn4Click(); });
}

QTabWidget* TIndSerPara::MakePages() {
    QFrame* frame = ui::MakePanel(this, "Panel1", 0, 0, 427, 289, ui::kSilver);
    frame->setFrameStyle(QFrame::NoFrame);
    auto* pages = new QTabWidget(frame);
    pages->setObjectName(QStringLiteral("PageControl1"));
    pages->setGeometry(5, 5, 372, 276);
    pages->tabBar()->setFocusPolicy(Qt::NoFocus);
    ui::AddTabPage(pages, "TabSheet1", QStringLiteral("Inductance en série"));
    ui::AddTabPage(pages, "TabSheet2", QStringLiteral("Inductance en parallèle"));
    return pages;
}

TIndSerPara::EntryTab TIndSerPara::MakeEntryTab(const TabLayout& l) {
    QWidget* page = pages_->widget(l.index);
    const QRect c = l.circuitAt, f = l.formulaAt, n = l.noteAt;
    QLabel* circuit = ui::MakePicture(page, l.image1, l.circuit, c.x(), c.y(), c.width(), c.height());
    ui::SetBackground(circuit, ui::kYellow);
    ui::MakePicture(page, l.image2, l.formula, f.x(), f.y(), f.width(), f.height());
    QTextEdit* note = ui::MakeNote(page, l.note, l.noteLines, n.x(), n.y(), n.width(), n.height());
    note->setEnabled(false);
    QPushButton* reset = ui::MakeResetButton(page, l.reset, 208, 8, 25, 19);
    QLineEdit* box = ui::MakeValueBox(page, l.box, 232, 8, 129, 21);
    QListWidget* list = ui::MakeListBox(page, l.list, 208, 32, 153, 121);
    QGroupBox* group =
        ui::MakeGroup(page, l.group, QStringLiteral("Résultat"), 208, 160, 153, 81, ui::kSilver);
    ui::MakePicture(
        group, l.symbol,
        [&] {
            return pictures::LtSymbol({33, 17});
        },
        10, 24, 33, 17);
    QLabel* total = ui::MakeResultLabel(group, l.total, 40, 24, 105, 17);
    QCheckBox* twoDigits = ui::MakeCheckBox(group, l.digits, QStringLiteral("2 Digit"), 32, 52, 57, 17);
    QPushButton* print = ui::MakePrintButton(group, l.print, 96, 48, 28, 25);
    ui::SetTabOrder({box, list, print, twoDigits, reset, note});
    return {page, box, list, total, twoDigits, note};
}

void TIndSerPara::FormCreate() {
    SeriesCount = 0;
    ParallelCount = 0;
    seriesTab_.box->clear();
    parallelTab_.box->clear();
    seriesTab_.list->clear();
    parallelTab_.list->clear();
    SeriesLast = 0;
    SeriesTotal = 0;
    seriesTab_.total->clear();
    parallelTab_.total->clear();
}

void TIndSerPara::FormActivate() {
    if (!ui::IsEnglish()) return;
    setWindowTitle(QStringLiteral("Inductance in SERIES & PARALLEL"));
    ui::ApplyTexts(this, {{"TabSheet1", "Inductance in series"},
                          {"TabSheet2", "Inductance in parallel"},
                          {"GroupBox1", "Result"},
                          {"GroupBox2", "Result"}});
    ui::SetNoteLines(seriesTab_.note,
                     {QStringLiteral("In series configuration *Lt* is equal to all addition inductors.")});
    ui::SetNoteLines(
        parallelTab_.note,
        {QStringLiteral("In parallel configuration *Lt* is always lower to the small value of circuit.")});
}

void TIndSerPara::Edit1KeyDown() {
    AddSeriesValue();
}

void TIndSerPara::Edit2KeyDown() {
    AddParallelValue();
}

void TIndSerPara::AddSeriesValue() {
    seriesEntries_.Enter([this](long double l) {
        const long double total = ui::Compute([&] { return formulas::AddedValue(SeriesTotal, l); });
        const double last = ui::Stored(l), shown = ui::Stored(total);
        SeriesLast = last;
        SeriesTotal = shown;
        series_.Show(seriesTab_.total, SeriesTotal, ui::kGeneral10_4);
        RefreshSeriesDisplay();
    });
}

void TIndSerPara::AddParallelValue() {
    parallelEntries_.Enter([this](long double l) {
        const long double inverseSum =
            ui::Compute([&] { return formulas::AddedReciprocal(ParallelInverseSum, l); });
        const long double total = ui::Compute([&] { return formulas::Reciprocal(inverseSum); });
        // Nothing is stored until every value is known to fit.
        const double last = ui::Stored(l), sum = ui::Stored(inverseSum), shown = ui::Stored(total);
        ParallelLast = last;
        ParallelInverseSum = sum;
        ParallelTotal = shown;
        parallel_.Show(parallelTab_.total, ParallelTotal, ui::kGeneral10_4);
        RefreshParallelDisplay();
    });
}

void TIndSerPara::RefreshSeriesDisplay() {
    series_.Refresh(seriesTab_.total, seriesTab_.twoDigits->isChecked(), SeriesTotal);
}

void TIndSerPara::RefreshParallelDisplay() {
    parallel_.Refresh(parallelTab_.total, parallelTab_.twoDigits->isChecked(), ParallelTotal);
}

void TIndSerPara::CheckBox1Click() {
    RefreshSeriesDisplay();
}

void TIndSerPara::CheckBox2Click() {
    RefreshParallelDisplay();
}

void TIndSerPara::BitBtn2Click() {
    seriesEntries_.Clear();
    series_.Clear();
}

void TIndSerPara::BitBtn3Click() {
    parallelEntries_.Clear();
    parallel_.Clear();
}

void TIndSerPara::BitBtn1Click() {
    printing::PreviewReport(QStringLiteral("TQRIndSerie"), this);
}

void TIndSerPara::BitBtn4Click() {
    printing::PreviewReport(QStringLiteral("TQRIndPara"), this);
}

OHMBRIX_REGISTER_WINDOW(TIndSerPara)

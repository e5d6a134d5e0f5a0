#include "resistance/Resistor.h"
#include "ui/Registry.h"

#include "formulas/RunningTotals.h"
#include "pictures/resistance/ResistorPictures.h"
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

namespace {

// A rule text: white, single border, wrapped.
QLabel* MakeRule(QWidget* page, const char* name, int x, int y, int w, int h) {
    QLabel* rule = ui::MakeLabel(page, name, QString(), x, y, w, h);
    rule->setWordWrap(true);
    rule->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    rule->setFrameStyle(QFrame::Box | QFrame::Plain);
    rule->setMargin(2);
    ui::SetBackground(rule, ui::kWhite);
    return rule;
}

QLabel* MakeCaption(QWidget* group, const char* name, const char* text, int x, int y) {
    QLabel* caption = ui::MakeLabel(group, name, QString::fromUtf8(text), x, y, 33, 17);
    caption->setAlignment(Qt::AlignCenter);
    caption->setFont(ui::FormFont("MS Sans Serif", 11, true));
    return caption;
}

} // namespace

TFormResistor::TFormResistor(QWidget* parent)
    : ui::Window(parent), pages_(MakePages()), seriesTab_(MakeSeriesTab()), parallelTab_(MakeParallelTab()) {
    setObjectName(QStringLiteral("FormResistor"));
    SetForm(QStringLiteral("RESISTANCE série et parallèle"), 426, 300, ui::kSilver);
    MakeFormulasTab();

    series_.Boxes({seriesTab_.box}).Results({seriesTab_.total}).Fields({&SeriesLast, &SeriesTotal});
    parallel_.Boxes({parallelTab_.box})
        .Results({parallelTab_.total, parallelTab_.conductance})
        .Fields({&ParallelLast, &ParallelInverseSum, &ParallelTotal, &Conductance});

    ui::On(seriesTab_.box, &QLineEdit::returnPressed, this, [this] { Edit1KeyDown(); });
    ui::On(parallelTab_.box, &QLineEdit::returnPressed, this, [this] { EditSerieKeyDown(); });
    ui::On(seriesTab_.twoDigits, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });
    ui::On(parallelTab_.twoDigits, &QCheckBox::clicked, this, [this] { CheckBox2Click(); });
    ui::On(findChild<QPushButton*>(QStringLiteral("BitBtn2")), &QPushButton::clicked, this,
           [this] { BitBtn2Click(); });
    ui::On(findChild<QPushButton*>(QStringLiteral("BitBtn1")), &QPushButton::clicked, this,
           [this] { BitBtn1Click(); });
    ui::On(findChild<QPushButton*>(QStringLiteral("BitBtn3")), &QPushButton::clicked, this,
           [this] { BitBtn3Click(); });
    ui::On(findChild<QPushButton*>(QStringLiteral("BitBtn4")), &QPushButton::clicked, this,
           [this] { BitBtn4Click(); });
}

QTabWidget* TFormResistor::MakePages() {
    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("PageControl1"));
    pages->setGeometry(0, 0, 426, 300);
    pages->tabBar()->setFocusPolicy(Qt::NoFocus);
    ui::AddTabPage(pages, "TabSheet1", QStringLiteral("Série"));
    ui::AddTabPage(pages, "TabSheet2", QStringLiteral("Parallèle"));
    ui::AddTabPage(pages, "TabSheet3", QStringLiteral("Autres formules"));
    return pages;
}

TFormResistor::SeriesTab TFormResistor::MakeSeriesTab() {
    QWidget* page = pages_->widget(0);
    QLabel* circuit = ui::MakePicture(page, "Image1", pictures::ResSeriesCircuit, 8, 8, 241, 113);
    ui::SetBackground(circuit, ui::kYellow);
    ui::MakePicture(page, "Image3", pictures::ResSeriesFormula, 8, 128, 241, 45);
    QLabel* rule = MakeRule(page, "StaticText1", 8, 184, 241, 49);
    QPushButton* reset = ui::MakeResetButton(page, "BitBtn2", 256, 8, 25, 21);
    QLineEdit* box = ui::MakeValueBox(page, "Edit1", 280, 8, 129, 21);
    QListWidget* list = ui::MakeListBox(page, "ListBox1", 256, 36, 153, 121);
    QGroupBox* group =
        ui::MakeGroup(page, "GroupBox2", QStringLiteral("Résultat"), 256, 164, 153, 97, ui::kSilver);
    MakeCaption(group, "Label6", "Rt=", 8, 24);
    QLabel* total = ui::MakeResultLabel(group, "Label5", 40, 24, 105, 17);
    QPushButton* print = ui::MakePrintButton(group, "BitBtn3", 40, 56, 28, 25);
    QCheckBox* twoDigits = ui::MakeCheckBox(group, "CheckBox1", QStringLiteral("2 Digit"), 88, 59, 57, 17);
    ui::SetTabOrder({box, list, print, twoDigits, reset});
    return {page, box, list, total, twoDigits, rule};
}

TFormResistor::ParallelTab TFormResistor::MakeParallelTab() {
    QWidget* page = pages_->widget(1);
    QLabel* circuit = ui::MakePicture(page, "Image2", pictures::ResParallelCircuit, 8, 8, 241, 113);
    ui::SetBackground(circuit, ui::kYellow);
    ui::MakePicture(page, "Image4", pictures::ResParallelFormula, 8, 126, 161, 49);
    ui::MakePicture(page, "Image5", pictures::ConductanceFormula, 176, 126, 73, 49);
    QLabel* rule = MakeRule(page, "StaticText2", 8, 180, 241, 85);
    QPushButton* reset = ui::MakeResetButton(page, "BitBtn1", 256, 8, 25, 21);
    QLineEdit* box = ui::MakeValueBox(page, "EditSerie", 280, 8, 129, 21);
    QListWidget* list = ui::MakeListBox(page, "ListBox2", 256, 36, 153, 113);
    QGroupBox* group =
        ui::MakeGroup(page, "GroupBox1", QStringLiteral("Résultat"), 256, 156, 153, 109, ui::kSilver);
    MakeCaption(group, "Label2", "Rt=", 8, 22);
    QLabel* total = ui::MakeResultLabel(group, "Label3", 40, 22, 105, 17);
    MakeCaption(group, "Label1", "G=", 8, 44);
    QLabel* conductance = ui::MakeResultLabel(group, "Label4", 40, 44, 105, 17);
    QPushButton* print = ui::MakePrintButton(group, "BitBtn4", 40, 72, 28, 25);
    QCheckBox* twoDigits = ui::MakeCheckBox(group, "CheckBox2", QStringLiteral("2 Digit"), 88, 75, 57, 17);
    ui::SetTabOrder({box, list, print, twoDigits, reset});
    return {page, box, list, total, conductance, twoDigits, rule};
}

void TFormResistor::MakeFormulasTab() {
    QFrame* panel = ui::MakePanel(pages_->widget(2), "Panel1", 8, 8, 404, 257, ui::kSilver);
    ui::MakePicture(panel, "Image7", pictures::ResReciprocalFormula, 82, 12, 241, 97);
    ui::MakePicture(panel, "Image6", pictures::ResTwoFormula, 24, 140, 161, 81);
    ui::MakePicture(panel, "Image8", pictures::ResEqualFormula, 232, 148, 145, 65);
}

void TFormResistor::FormCreate() {
    seriesTab_.list->clear();
    parallelTab_.list->clear();
    SeriesCount = 0;
    ParallelCount = 0;
    SeriesLast = SeriesTotal = 0;
    ParallelLast = ParallelInverseSum = ParallelTotal = Conductance = 0;
    seriesTab_.total->clear();
    parallelTab_.total->clear();
}

void TFormResistor::FormActivate() {
    if (!ui::IsEnglish()) {
        seriesTab_.rule->setText(QStringLiteral("En configuration SÉRIE les résistances sont additionnées."));
        parallelTab_.rule->setText(QStringLiteral(
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
    seriesEntries_.Enter([this](long double r) {
        const long double total = ui::Compute([&] { return formulas::AddedValue(SeriesTotal, r); });
        const double last = ui::Stored(r), shown = ui::Stored(total);
        SeriesLast = last;
        SeriesTotal = shown;
        series_.Show(seriesTab_.total, SeriesTotal, ui::kGeneral10_4);
        RefreshSeriesDisplay();
    });
}

void TFormResistor::AddParallelValue() {
    parallelEntries_.Enter([this](long double r) {
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
        parallel_.Show(parallelTab_.total, ParallelTotal, ui::kGeneral10_4);
        parallel_.Show(parallelTab_.conductance, Conductance, ui::kGeneral10_4);
        RefreshParallelDisplay();
    });
}

void TFormResistor::RefreshSeriesDisplay() {
    series_.Refresh(seriesTab_.total, seriesTab_.twoDigits->isChecked(), SeriesTotal);
}

void TFormResistor::RefreshParallelDisplay() {
    if (parallelTab_.total->text().isEmpty()) return;
    const bool twoDigits = parallelTab_.twoDigits->isChecked();
    parallel_.Refresh(parallelTab_.total, twoDigits, ParallelTotal);
    parallel_.Refresh(parallelTab_.conductance, twoDigits, Conductance);
}

void TFormResistor::CheckBox1Click() {
    RefreshSeriesDisplay();
}

void TFormResistor::CheckBox2Click() {
    RefreshParallelDisplay();
}

void TFormResistor::BitBtn2Click() {
    seriesEntries_.Clear();
    series_.Clear();
}

void TFormResistor::BitBtn1Click() {
    parallelEntries_.Clear();
    parallel_.Clear();
}

void TFormResistor::BitBtn3Click() {
    printing::PreviewReport(QStringLiteral("TQRResSerie"), this);
}

void TFormResistor::BitBtn4Click() {
    printing::PreviewReport(QStringLiteral("TQRResPara"), this);
}

OHMBRIX_REGISTER_WINDOW(TFormResistor)

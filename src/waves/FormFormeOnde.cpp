#include "waves/FormFormeOnde.h"
#include "printing/ReportRows.h"
#include "ui/Registry.h"

#include "formulas/Waves.h"
#include "pictures/waves/FormFormeOndePictures.h"
#include "printing/Preview.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Pictures.h"
#include "ui/Widgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QTabBar>
#include <QTabWidget>

using Op = ui::UnitList::Op;

namespace {

std::vector<ui::UnitList::Unit> FrequencyUnits(Op op) {
    return {{QStringLiteral("Hz"), op, 1.0L},
            {QStringLiteral("Khz"), op, 1e3L},
            {QStringLiteral("Mhz"), op, 1e6L},
            {QStringLiteral("Ghz"), op, 1e9L}};
}

// Every result of the window, small periods and large frequencies alike.
constexpr ui::Display kWaveDisplay = ui::kGeneral10_4;

// A picture centred on its tab whatever the tab bar takes.
QLabel* CentredPicture(QWidget* page, const char* name, const pictures::Drawing& draw) {
    QLabel* picture = ui::MakePicture(page, name, draw, 0, 0, 0, 0);
    picture->setFixedSize(picture->pixmap().size());
    auto* layout = new QGridLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture, 0, 0, Qt::AlignCenter);
    return picture;
}

ui::PictureLabel* MakeLink(QWidget* parent, const char* name, const char* caption, int x, int y) {
    auto* link = new ui::PictureLabel(QString::fromUtf8(caption), parent);
    link->setObjectName(QLatin1String(name));
    link->setGeometry(x, y, 25, 13);
    link->setAlignment(Qt::AlignCenter);
    link->setCursor(Qt::PointingHandCursor);
    link->setAutoFillBackground(true);
    ui::SetBackground(link, ui::kLime);
    ui::SetTextColour(link, Qt::black);
    return link;
}

} // namespace

// One calculator tab: an input row, a result row and the three buttons, in a "Résultat" group
// right of the formula; the wavelength tab has its speed row above them.
struct TFormOnde::Row {
    QWidget* page;
    const char *formula, *group;
    QImage (*formulaPicture)();
    const char *inSymbol, *inMarkup, *inCaption, *inText, *box, *inList;
    std::vector<ui::UnitList::Unit> inUnits;
    const char *outSymbol, *outMarkup, *outCaption, *outText, *result, *outList;
    std::vector<ui::UnitList::Unit> outUnits;
    const char *reset, *equals, *print;
    int top = 40;

    struct Built {
        QGroupBox* group;
        QLineEdit* box;
        ui::UnitList* in;
        QLabel* result;
        ui::UnitList* out;
        QPushButton *reset, *equals, *print;
    };
    Built Make() const {
        QLabel* f = ui::MakePicture(page, formula, formulaPicture, 16, 64, 0, 0);
        f->resize(f->pixmap().size());
        QGroupBox* g = ui::MakeGroup(page, group, QStringLiteral("Résultat"), 176, 8, 273, 213, ui::kSilver);
        ui::MakePicture(
            g, inSymbol, [m = inMarkup] { return pictures::WaveSymbol(QString::fromUtf8(m)); }, 10, top + 2,
            33, 17);
        ui::MakeLabel(g, inCaption, QString::fromUtf8(inText), 48, top + 4, 0, 13);
        QLineEdit* b = ui::MakeValueBox(g, box, 140, top, 73);
        ui::UnitList* i = ui::MakeUnitList(g, inList, 216, top, 50, inUnits);
        const int y = top + 36;
        ui::MakePicture(
            g, outSymbol, [m = outMarkup] { return pictures::WaveSymbol(QString::fromUtf8(m)); }, 10, y + 2,
            33, 17);
        ui::MakeLabel(g, outCaption, QString::fromUtf8(outText), 48, y + 4, 0, 13);
        QLabel* r = ui::MakeResultLabel(g, result, 140, y + 2, 73, 17);
        ui::UnitList* o = ui::MakeUnitList(g, outList, 216, y, 50, outUnits);
        QPushButton* z = ui::MakeResetButton(g, reset, 48, 172, 33, 25);
        QPushButton* e = ui::MakeEqualsButton(g, equals, 104, 172, 65, 25);
        QPushButton* p = ui::MakePrintButton(g, print, 192, 172, 33, 25);
        ui::SetTabOrder({b, i, o, z, e, p});
        return {g, b, i, r, o, z, e, p};
    }
};

TFormOnde::TFormOnde(QWidget* parent)
    : ui::Window(parent), pages_(new QTabWidget(this)),
      aidTab_(ui::AddTabPage(pages_, "TabSheet5", QStringLiteral("Aide mémoire"))),
      diagramTab_(ui::AddTabPage(pages_, "TabSheet6", QStringLiteral("Schémas"))),
      frequencyTab_(ui::AddTabPage(pages_, "TabSheet1", QStringLiteral("Fréquence"))),
      periodTab_(ui::AddTabPage(pages_, "TabSheet2", QStringLiteral("Période"))),
      wavelengthTab_(ui::AddTabPage(pages_, "TabSheet3", QStringLiteral("Longueur d'onde"))),
      bandTab_(ui::AddTabPage(pages_, "TabSheet4", QStringLiteral("Bande de fréquence"))) {
    setObjectName(QStringLiteral("FormOnde"));
    SetForm(QStringLiteral("Onde et fréquence"), 466, 268, ui::kSilver);
    pages_->setObjectName(QStringLiteral("PageControl1"));
    pages_->setGeometry(2, 2, 462, 264);
    pages_->tabBar()->setFocusPolicy(Qt::NoFocus);
    // Six captions on a 466-pixel form: small type, narrow margins.
    pages_->tabBar()->setFont(ui::FormFont("MS Sans Serif", 11));
    // A styled bar takes no palette from its form: it gets the form's own.
    pages_->tabBar()->setPalette(ui::FormPalette(ui::kSilver));
    pages_->tabBar()->setStyleSheet(QStringLiteral(
        "QTabBar::tab { padding: 3px 4px; border: 1px solid #808080; border-bottom: none;"
        " border-top-left-radius: 3px; border-top-right-radius: 3px; background: #d4d4d4; margin-top: 2px; }"
        "QTabBar::tab:selected { background: #c0c0c0; margin-top: 0px; }"));
    for (QWidget* page : {aidTab_, diagramTab_, frequencyTab_, periodTab_, wavelengthTab_, bandTab_})
        ui::SetBackground(page, ui::kSilver);
    BuildFrequency();
    BuildPeriod();
    BuildWavelength();
    BuildReferences();
}

void TFormOnde::BuildFrequency() {
    const Row::Built t = Row{frequencyTab_,
                             "Image3",
                             "GroupBox1",
                             pictures::FrequencyOfPeriodFormula,
                             "Image4",
                             "T =",
                             "Label4",
                             "Période (sec)",
                             "Edit1",
                             "ComboBox5",
                             {{QStringLiteral("s"), Op::Multiply, 1.0L},
                              {QStringLiteral("ms"), Op::Divide, 1e3L},
                              {QStringLiteral("us"), Op::Divide, 1e6L},
                              {QStringLiteral("ns"), Op::Divide, 1e9L}},
                             "Image5",
                             "f =",
                             "Label5",
                             "Fréquence ",
                             "Label6",
                             "ComboBox1",
                             FrequencyUnits(Op::Divide),
                             "BitBtn1",
                             "Button1",
                             "BitBtn4"}
                             .Make();
    edit1_ = t.box;
    periodIn_ = t.in;
    frequencyShown_ = t.result;
    frequencyOut_ = t.out;
    frequency_.Boxes({edit1_}).Results({frequencyShown_}).Fields({&PeriodOfTab1, &FrequencyOfTab1});
    ui::On(periodIn_, &QComboBox::activated, this, [this] { ComboBox5Change(); });
    ui::On(frequencyOut_, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    ui::On(t.equals, &QPushButton::clicked, this, [this] { Button1Click(); });
    ui::On(t.reset, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    ui::On(t.print, &QPushButton::clicked, this, [this] { BitBtn4Click(); });
}

void TFormOnde::BuildPeriod() {
    const Row::Built t = Row{periodTab_,
                             "Image1",
                             "GroupBox2",
                             pictures::PeriodOfFrequencyFormula,
                             "Image8",
                             "f =",
                             "Label8",
                             "Fréquence ",
                             "Edit2",
                             "ComboBox2",
                             FrequencyUnits(Op::Multiply),
                             "Image9",
                             "T =",
                             "Label9",
                             "Période ",
                             "Label10",
                             "ComboBox3",
                             // No "s": a period is shown in ms, us or ns.
                             {{QStringLiteral("ms"), Op::Multiply, 1e3L},
                              {QStringLiteral("us"), Op::Multiply, 1e6L},
                              {QStringLiteral("ns"), Op::Multiply, 1e9L}},
                             "BitBtn5",
                             "BitBtn2",
                             "BitBtn6"}
                             .Make();
    edit2_ = t.box;
    frequencyIn_ = t.in;
    periodShown_ = t.result;
    periodOut_ = t.out;
    period_.Boxes({edit2_}).Results({periodShown_}).Fields({&FrequencyOfTab2, &PeriodOfTab2});
    ui::On(frequencyIn_, &QComboBox::activated, this, [this] { ComboBox2Change(); });
    ui::On(periodOut_, &QComboBox::activated, this, [this] { ComboBox3Change(); });
    ui::On(t.equals, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    ui::On(t.reset, &QPushButton::clicked, this, [this] { BitBtn5Click(); });
    ui::On(t.print, &QPushButton::clicked, this, [this] { BitBtn6Click(); });
}

void TFormOnde::BuildWavelength() {
    Row row{wavelengthTab_,
            "Image10",
            "GroupBox3",
            pictures::WavelengthFormula,
            "Image12",
            "f =",
            "Label17",
            "Fréquence",
            "Edit3",
            "ComboBox4",
            FrequencyUnits(Op::Multiply),
            "Image13",
            "\\lambda =",
            "Label14",
            "Longueur d'onde",
            "Label15",
            "ComboBox6",
            {{QStringLiteral("m"), Op::Multiply, 1.0L},
             {QStringLiteral("mm"), Op::Multiply, 1e3L},
             {QStringLiteral("um"), Op::Multiply, 1e6L},
             {QStringLiteral("nm"), Op::Multiply, 1e9L}},
            "BitBtn3",
            "BitBtn7",
            "BitBtn8"};
    row.top = 80;
    const Row::Built t = row.Make();
    ui::MakePicture(
        t.group, "Image11", [] { return pictures::WaveSymbol(QStringLiteral("V =")); }, 10, 24, 33, 17);
    ui::MakeLabel(t.group, "Label13", QStringLiteral("Vitesse de propagation"), 48, 26, 0, 13);
    ui::MakeLabel(t.group, "Label11", QStringLiteral("Onde électromagnétique (299 820 000 m/s)"), 48, 46, 0,
                  13);
    edit3_ = t.box;
    waveFrequencyIn_ = t.in;
    wavelengthShown_ = t.result;
    wavelengthOut_ = t.out;
    wavelength_.Boxes({edit3_}).Results({wavelengthShown_}).Fields({&FrequencyOfTab3, &WavelengthOfTab3});
    ui::On(waveFrequencyIn_, &QComboBox::activated, this, [this] { ComboBox4Change(); });
    ui::On(wavelengthOut_, &QComboBox::activated, this, [this] { ComboBox6Change(); });
    ui::On(t.equals, &QPushButton::clicked, this, [this] { BitBtn7Click(); });
    ui::On(t.reset, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
    ui::On(t.print, &QPushButton::clicked, this, [this] { BitBtn8Click(); });
}

void TFormOnde::BuildReferences() {
    bandTable_ = CentredPicture(bandTab_, "Image6", [] { return pictures::FrequencyBandTable(false); });
    CentredPicture(diagramTab_, "Image2", pictures::SineWaveDiagram);
    memoryAid_ = CentredPicture(aidTab_, "Image7", [] { return pictures::MemoryAid(false); });
    // The links lie over the memory aid, in its coordinates, and stay when its picture changes.
    ui::On(MakeLink(memoryAid_, "Label1", "e1", 344, 72), &ui::PictureLabel::clicked, this,
           [this] { Label1Click(); });
    ui::On(MakeLink(memoryAid_, "Label2", "Em", 344, 96), &ui::PictureLabel::clicked, this,
           [this] { Label2Click(); });
    ui::On(MakeLink(memoryAid_, "Label3", "(T)", 96, 133), &ui::PictureLabel::clicked, this,
           [this] { Label3Click(); });
    ui::On(MakeLink(memoryAid_, "Label7", "(f)", 112, 195), &ui::PictureLabel::clicked, this,
           [this] { Label7Click(); });
}

void TFormOnde::FormCreate() {
    for (ui::UnitList* list :
         {periodIn_, frequencyOut_, frequencyIn_, periodOut_, waveFrequencyIn_, wavelengthOut_})
        list->setCurrentIndex(0);
}

void TFormOnde::FormActivate() {
    if (!ui::IsEnglish()) return;
    setWindowTitle(QStringLiteral("Wave and Frequency"));
    ui::ApplyTexts(this, {{"TabSheet5", "Memory help"},
                          {"TabSheet6", "Diagram"},
                          {"TabSheet1", "Frequency"},
                          {"TabSheet2", "Period"},
                          {"TabSheet3", "Wavelength"},
                          {"TabSheet4", "Allocation of frequency"},
                          {"Label4", "Period (sec)"},
                          {"Label5", "Frequency"},
                          {"Label8", "Frequency"},
                          {"Label9", "Period"},
                          {"Label17", "Frequency"},
                          {"Label14", "Wavelength"},
                          {"Label13", "Propagation speed"},
                          {"Label11", "Electromagnetic waves (299 820 000 m/s)"},
                          {"GroupBox1", "Calculator"},
                          {"GroupBox2", "Calculator"},
                          {"GroupBox3", "Calculator"}});
    // Both emptied first: a missing memory aid leaves the band table empty too.
    memoryAid_->clear();
    bandTable_->clear();
    ui::LoadPictureInto(memoryAid_, QStringLiteral("interface/waveform.bmp"));
    ui::LoadPictureInto(bandTable_, QStringLiteral("interface/frequencytab_en.bmp"));
}

// Each computation stores its tab's pair only once both are known, so a failure (an empty
// box, a zero) leaves the pair as the shown result has it.
void TFormOnde::CalculateFrequency() {
    const double period = ui::Stored(frequency_.Read(edit1_, periodIn_));
    const double frequency = ui::Stored(
        frequency_.InUnit(ui::Compute([&] { return formulas::FrequencyOfPeriod(period); }), frequencyOut_));
    PeriodOfTab1 = period;
    FrequencyOfTab1 = frequency;
    frequency_.Show(frequencyShown_, FrequencyOfTab1, kWaveDisplay);
}

void TFormOnde::CalculatePeriod() {
    const double frequency = ui::Stored(period_.Read(edit2_, frequencyIn_));
    const double period = ui::Stored(
        period_.InUnit(ui::Compute([&] { return formulas::PeriodOfFrequency(frequency); }), periodOut_));
    FrequencyOfTab2 = frequency;
    PeriodOfTab2 = period;
    period_.Show(periodShown_, PeriodOfTab2, kWaveDisplay);
}

void TFormOnde::CalculateWavelength() {
    const double frequency = ui::Stored(wavelength_.Read(edit3_, waveFrequencyIn_));
    const double wavelength = ui::Stored(
        wavelength_.InUnit(ui::Compute([&] { return formulas::Wavelength(frequency); }), wavelengthOut_));
    FrequencyOfTab3 = frequency;
    WavelengthOfTab3 = wavelength;
    wavelength_.Show(wavelengthShown_, WavelengthOfTab3, kWaveDisplay);
}

void TFormOnde::Button1Click() {
    CalculateFrequency();
}
void TFormOnde::BitBtn2Click() {
    CalculatePeriod();
}
void TFormOnde::BitBtn7Click() {
    CalculateWavelength();
}

void TFormOnde::ComboBox5Change() {
    if (frequency_.AllHoldText()) CalculateFrequency();
}
void TFormOnde::ComboBox1Change() {
    if (frequency_.AllHoldText()) CalculateFrequency();
}
void TFormOnde::ComboBox2Change() {
    if (period_.AllHoldText()) CalculatePeriod();
}
void TFormOnde::ComboBox3Change() {
    if (period_.AllHoldText()) CalculatePeriod();
}
void TFormOnde::ComboBox4Change() {
    if (wavelength_.AllHoldText()) CalculateWavelength();
}
void TFormOnde::ComboBox6Change() {
    if (wavelength_.AllHoldText()) CalculateWavelength();
}

void TFormOnde::BitBtn1Click() {
    frequency_.Clear();
}
void TFormOnde::BitBtn5Click() {
    period_.Clear();
}
void TFormOnde::BitBtn3Click() {
    wavelength_.Clear();
}

void TFormOnde::BitBtn4Click() {
    printing::PreviewReport(QStringLiteral("TQRFrequence"), this);
}
void TFormOnde::BitBtn6Click() {
    printing::PreviewReport(QStringLiteral("TQRPeriode"), this);
}
void TFormOnde::BitBtn8Click() {
    printing::PreviewReport(QStringLiteral("TQRLongueurOnde"), this);
}

void TFormOnde::SelectTab(QWidget* page) {
    pages_->setCurrentWidget(page);
}

void TFormOnde::Label1Click() {
    SelectTab(diagramTab_);
}
void TFormOnde::Label2Click() {
    SelectTab(diagramTab_);
}
void TFormOnde::Label3Click() {
    SelectTab(periodTab_);
}
void TFormOnde::Label7Click() {
    SelectTab(frequencyTab_);
}

OHMBRIX_REGISTER_WINDOW(TFormOnde)

// The wave window's three calculator tabs print their formula.
OHMBRIX_REGISTER_REPORT_ROW(TQRFrequence, TFormOnde, QStringLiteral("Fréquence"), {{{"Image3"}}},
                            {{QStringLiteral("T ="), "Edit1", "ComboBox5"}},
                            {{QStringLiteral("f ="), "Label6", "ComboBox1"}})

OHMBRIX_REGISTER_REPORT_ROW(TQRPeriode, TFormOnde, QStringLiteral("Période"), {{{"Image1"}}},
                            {{QStringLiteral("f ="), "Edit2", "ComboBox2"}},
                            {{QStringLiteral("T ="), "Label10", "ComboBox3"}})

OHMBRIX_REGISTER_REPORT_ROW(TQRLongueurOnde, TFormOnde, QStringLiteral("Longueur d'onde"), {{{"Image10"}}},
                            {{QStringLiteral("f ="), "Edit3", "ComboBox4"}},
                            {{QStringLiteral("L'ongueur d'onde ="), "Label15", "ComboBox6"}})

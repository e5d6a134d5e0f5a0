#include "waves/FormFormeOnde.h"
#include "printing/ReportRows.h"
#include "ui/Registry.h"

#include "formulas/Waves.h"
#include "pictures/waves/FormFormeOndePictures.h"
#include "printing/Preview.h"
#include "ui/FormTable.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Pictures.h"
#include "ui/Widgets.h"

#include <QGridLayout>
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

QImage Symbol(const char* markup) {
    return pictures::WaveSymbol(QString::fromUtf8(markup));
}

using namespace ui::form;

const ui::FormTable kForm{
    {Tabs("PageControl1", nullptr, {2, 2, 462, 264}),
     Page("TabSheet5", "PageControl1", QStringLiteral("Aide mémoire"), QStringLiteral("Memory help"))
         .Background(ui::kSilver),
     Page("TabSheet6", "PageControl1", QStringLiteral("Schémas"), QStringLiteral("Diagram"))
         .Background(ui::kSilver),
     Page("TabSheet1", "PageControl1", QStringLiteral("Fréquence"), QStringLiteral("Frequency"))
         .Background(ui::kSilver),
     Page("TabSheet2", "PageControl1", QStringLiteral("Période"), QStringLiteral("Period"))
         .Background(ui::kSilver),
     Page("TabSheet3", "PageControl1", QStringLiteral("Longueur d'onde"), QStringLiteral("Wavelength"))
         .Background(ui::kSilver),
     Page("TabSheet4", "PageControl1", QStringLiteral("Bande de fréquence"),
          QStringLiteral("Allocation of frequency"))
         .Background(ui::kSilver),

     // Frequency of a period
     Picture("Image3", "TabSheet1", {16, 64, 0, 0}, pictures::FrequencyOfPeriodFormula)
         .Says("f égale 1 sur T", "f equals 1 over T"),
     Group("GroupBox1", "TabSheet1", {176, 8, 273, 213}, QStringLiteral("Résultat"),
           QStringLiteral("Calculator"), ui::kSilver),
     Picture("Image4", "GroupBox1", {10, 42, 33, 17}, [] { return Symbol("T ="); }).Says("T ="),
     Label("Label4", "GroupBox1", {48, 44, 0, 13}, QStringLiteral("Période (sec)"),
           QStringLiteral("Period (sec)"))
         .For("Edit1"),
     Box("Edit1", "GroupBox1", {140, 40, 73, 0}).Says("T"),
     Units("ComboBox5", "GroupBox1", {216, 40, 50, 0},
           {{QStringLiteral("s"), Op::Multiply, 1.0L},
            {QStringLiteral("ms"), Op::Divide, 1e3L},
            {QStringLiteral("us"), Op::Divide, 1e6L},
            {QStringLiteral("ns"), Op::Divide, 1e9L}})
         .For("Edit1"),
     Picture("Image5", "GroupBox1", {10, 78, 33, 17}, [] { return Symbol("f ="); }).Says("f ="),
     Label("Label5", "GroupBox1", {48, 80, 0, 13}, QStringLiteral("Fréquence "), QStringLiteral("Frequency")),
     Result("Label6", "GroupBox1", {140, 78, 73, 17}).Says("f"),
     Units("ComboBox1", "GroupBox1", {216, 76, 50, 0}, FrequencyUnits(Op::Divide)).For("Label6"),
     Reset("BitBtn1", "GroupBox1", {48, 172, 33, 25}), Equals("Button1", "GroupBox1", {104, 172, 65, 25}),
     Print("BitBtn4", "GroupBox1", {192, 172, 33, 25}),

     // Period of a frequency
     Picture("Image1", "TabSheet2", {16, 64, 0, 0}, pictures::PeriodOfFrequencyFormula)
         .Says("T égale 1 sur f", "T equals 1 over f"),
     Group("GroupBox2", "TabSheet2", {176, 8, 273, 213}, QStringLiteral("Résultat"),
           QStringLiteral("Calculator"), ui::kSilver),
     Picture("Image8", "GroupBox2", {10, 42, 33, 17}, [] { return Symbol("f ="); }).Says("f ="),
     Label("Label8", "GroupBox2", {48, 44, 0, 13}, QStringLiteral("Fréquence "), QStringLiteral("Frequency"))
         .For("Edit2"),
     Box("Edit2", "GroupBox2", {140, 40, 73, 0}).Says("f"),
     Units("ComboBox2", "GroupBox2", {216, 40, 50, 0}, FrequencyUnits(Op::Multiply)).For("Edit2"),
     Picture("Image9", "GroupBox2", {10, 78, 33, 17}, [] { return Symbol("T ="); }).Says("T ="),
     Label("Label9", "GroupBox2", {48, 80, 0, 13}, QStringLiteral("Période "), QStringLiteral("Period")),
     Result("Label10", "GroupBox2", {140, 78, 73, 17}).Says("T"),
     // No "s": a period is shown in ms, us or ns.
     Units("ComboBox3", "GroupBox2", {216, 76, 50, 0},
           {{QStringLiteral("ms"), Op::Multiply, 1e3L},
            {QStringLiteral("us"), Op::Multiply, 1e6L},
            {QStringLiteral("ns"), Op::Multiply, 1e9L}})
         .For("Label10"),
     Reset("BitBtn5", "GroupBox2", {48, 172, 33, 25}), Equals("BitBtn2", "GroupBox2", {104, 172, 65, 25}),
     Print("BitBtn6", "GroupBox2", {192, 172, 33, 25}),

     // Wavelength of an electromagnetic wave: its speed row above the rows
     Picture("Image10", "TabSheet3", {16, 64, 0, 0}, pictures::WavelengthFormula)
         .Says("lambda égale V sur f", "lambda equals V over f"),
     Group("GroupBox3", "TabSheet3", {176, 8, 273, 213}, QStringLiteral("Résultat"),
           QStringLiteral("Calculator"), ui::kSilver),
     Picture("Image12", "GroupBox3", {10, 82, 33, 17}, [] { return Symbol("f ="); }).Says("f ="),
     Label("Label17", "GroupBox3", {48, 84, 0, 13}, QStringLiteral("Fréquence"), QStringLiteral("Frequency"))
         .For("Edit3"),
     Box("Edit3", "GroupBox3", {140, 80, 73, 0}).Says("f"),
     Units("ComboBox4", "GroupBox3", {216, 80, 50, 0}, FrequencyUnits(Op::Multiply)).For("Edit3"),
     Picture("Image13", "GroupBox3", {10, 118, 33, 17}, [] { return Symbol("\\lambda ="); }).Says("lambda ="),
     Label("Label14", "GroupBox3", {48, 120, 0, 13}, QStringLiteral("Longueur d'onde"),
           QStringLiteral("Wavelength")),
     Result("Label15", "GroupBox3", {140, 118, 73, 17}).Says("L'ongueur d'onde"),
     Units("ComboBox6", "GroupBox3", {216, 116, 50, 0},
           {{QStringLiteral("m"), Op::Multiply, 1.0L},
            {QStringLiteral("mm"), Op::Multiply, 1e3L},
            {QStringLiteral("um"), Op::Multiply, 1e6L},
            {QStringLiteral("nm"), Op::Multiply, 1e9L}})
         .For("Label15"),
     Reset("BitBtn3", "GroupBox3", {48, 172, 33, 25}), Equals("BitBtn7", "GroupBox3", {104, 172, 65, 25}),
     Print("BitBtn8", "GroupBox3", {192, 172, 33, 25}),
     Picture("Image11", "GroupBox3", {10, 24, 33, 17}, [] { return Symbol("V ="); }).Says("V ="),
     Label("Label13", "GroupBox3", {48, 26, 0, 13}, QStringLiteral("Vitesse de propagation"),
           QStringLiteral("Propagation speed")),
     Label("Label11", "GroupBox3", {48, 46, 0, 13},
           QStringLiteral("Onde électromagnétique (299 820 000 m/s)"),
           QStringLiteral("Electromagnetic waves (299 820 000 m/s)"))},
    {"Edit1", "ComboBox5", "ComboBox1", "BitBtn1", "Button1", "BitBtn4", nullptr,
     "Edit2", "ComboBox2", "ComboBox3", "BitBtn5", "BitBtn2", "BitBtn6", nullptr,
     "Edit3", "ComboBox4", "ComboBox6", "BitBtn3", "BitBtn7", "BitBtn8"}};

} // namespace

// The table is built before the calculator pages, which name its tabs.
ui::FormParts TFormOnde::Build() {
    setObjectName(QStringLiteral("FormOnde"));
    SetForm(QStringLiteral("Onde et fréquence"), 466, 268, ui::kSilver);
    return ui::BuildForm(this, kForm);
}

TFormOnde::TFormOnde(QWidget* parent)
    : ui::Window(parent), parts_(Build()), frequency_(parts_.Find("TabSheet1")),
      period_(parts_.Find("TabSheet2")), wavelength_(parts_.Find("TabSheet3")) {
    pages_ = parts_.Get<QTabWidget>("PageControl1");
    pages_->tabBar()->setFocusPolicy(Qt::NoFocus);
    // Six captions on a 466-pixel form: small type, narrow margins.
    pages_->tabBar()->setFont(ui::FormFont("MS Sans Serif", 11));
    // A styled bar takes no palette from its form: it gets the form's own.
    pages_->tabBar()->setPalette(ui::FormPalette(ui::kSilver));
    pages_->tabBar()->setStyleSheet(QStringLiteral(
        "QTabBar::tab { padding: 3px 4px; border: 1px solid #808080; border-bottom: none;"
        " border-top-left-radius: 3px; border-top-right-radius: 3px; background: #d4d4d4; margin-top: 2px; }"
        "QTabBar::tab:selected { background: #c0c0c0; margin-top: 0px; }"));

    edit1_ = parts_.Get<QLineEdit>("Edit1");
    periodIn_ = parts_.Get<ui::UnitList>("ComboBox5");
    frequencyShown_ = parts_.Get<QLabel>("Label6");
    frequencyOut_ = parts_.Get<ui::UnitList>("ComboBox1");
    edit2_ = parts_.Get<QLineEdit>("Edit2");
    frequencyIn_ = parts_.Get<ui::UnitList>("ComboBox2");
    periodShown_ = parts_.Get<QLabel>("Label10");
    periodOut_ = parts_.Get<ui::UnitList>("ComboBox3");
    edit3_ = parts_.Get<QLineEdit>("Edit3");
    waveFrequencyIn_ = parts_.Get<ui::UnitList>("ComboBox4");
    wavelengthShown_ = parts_.Get<QLabel>("Label15");
    wavelengthOut_ = parts_.Get<ui::UnitList>("ComboBox6");

    frequency_.Boxes({edit1_}).Results({frequencyShown_}).Fields({&PeriodOfTab1, &FrequencyOfTab1});
    period_.Boxes({edit2_}).Results({periodShown_}).Fields({&FrequencyOfTab2, &PeriodOfTab2});
    wavelength_.Boxes({edit3_}).Results({wavelengthShown_}).Fields({&FrequencyOfTab3, &WavelengthOfTab3});

    const auto clicked = [this](const char* button, void (TFormOnde::*handler)()) {
        ui::On(parts_.Get<QPushButton>(button), &QPushButton::clicked, this,
               [this, handler] { (this->*handler)(); });
    };
    ui::On(periodIn_, &QComboBox::activated, this, [this] { ComboBox5Change(); });
    ui::On(frequencyOut_, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    clicked("Button1", &TFormOnde::Button1Click);
    clicked("BitBtn1", &TFormOnde::BitBtn1Click);
    clicked("BitBtn4", &TFormOnde::BitBtn4Click);
    ui::On(frequencyIn_, &QComboBox::activated, this, [this] { ComboBox2Change(); });
    ui::On(periodOut_, &QComboBox::activated, this, [this] { ComboBox3Change(); });
    clicked("BitBtn2", &TFormOnde::BitBtn2Click);
    clicked("BitBtn5", &TFormOnde::BitBtn5Click);
    clicked("BitBtn6", &TFormOnde::BitBtn6Click);
    ui::On(waveFrequencyIn_, &QComboBox::activated, this, [this] { ComboBox4Change(); });
    ui::On(wavelengthOut_, &QComboBox::activated, this, [this] { ComboBox6Change(); });
    clicked("BitBtn7", &TFormOnde::BitBtn7Click);
    clicked("BitBtn3", &TFormOnde::BitBtn3Click);
    clicked("BitBtn8", &TFormOnde::BitBtn8Click);

    BuildReferences();
}

void TFormOnde::BuildReferences() {
    bandTable_ = CentredPicture(parts_.Find("TabSheet4"), "Image6",
                                [] { return pictures::FrequencyBandTable(false); });
    CentredPicture(parts_.Find("TabSheet6"), "Image2", pictures::SineWaveDiagram);
    memoryAid_ =
        CentredPicture(parts_.Find("TabSheet5"), "Image7", [] { return pictures::MemoryAid(false); });
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
    ui::ApplyEnglish(this, kForm);
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

void TFormOnde::SelectTab(const char* page) {
    pages_->setCurrentWidget(parts_.Find(page));
}

void TFormOnde::Label1Click() {
    SelectTab("TabSheet6");
}
void TFormOnde::Label2Click() {
    SelectTab("TabSheet6");
}
void TFormOnde::Label3Click() {
    SelectTab("TabSheet2");
}
void TFormOnde::Label7Click() {
    SelectTab("TabSheet1");
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

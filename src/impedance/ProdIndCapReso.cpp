#include "impedance/ProdIndCapReso.h"
#include "printing/ReportRows.h"
#include "ui/Registry.h"

#include "core/Regional.h"
#include "formulas/Resonance.h"
#include "pictures/impedance/ResonancePictures.h"
#include "printing/Preview.h"
#include "ui/FormTable.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/TablePage.h"
#include "ui/Widgets.h"

#include <QFrame>
#include <QScrollBar>
#include <QTableWidget>

using Op = ui::UnitList::Op;

namespace {

constexpr ui::Display kWavelengthDisplay{core::FloatFormat::Number, 4, 2};
constexpr ui::Display kTableLCDisplay{core::FloatFormat::Number, 8, 7};

} // namespace

const QStringList& TFormIndCapProReso::Frequencies() {
    // Close to 300000 / wavelength for 1 to 10 m, 20 to 500 m by 10 and 505 to 1000 m by 5, but
    // the table shows these texts. Row 65 (569) halves the gap between 572 and 566.
    static const QStringList list = [] {
        const int kilohertz[kTableRows] = {
            300000, 150000, 100000, 75000, 60000, 50000, 42900, 37500, 33333, 30000, 15000, 10000, 7500, 6000,
            5000,   4290,   3750,   3333,  3000,  2727,  2500,  2308,  2143,  2000,  1875,  1764,  1667, 1569,
            1500,   1429,   1364,   1304,  1250,  1200,  1154,  1112,  1071,  1034,  1000,  968,   938,  909,
            883,    857,    834,    811,   790,   769,   750,   732,   715,   698,   682,   667,   652,  639,
            625,    612,    600,    594,   588,   583,   577,   572,   569,   566,   561,   556,   551,  546,
            541,    536,    531,    527,   522,   517,   513,   509,   504,   500,   496,   492,   488,  484,
            480,    476,    472,    469,   465,   462,   458,   455,   451,   448,   444,   441,   438,  435,
            432,    429,    426,    423,   420,   417,   414,   411,   408,   405,   403,   400,   397,  395,
            392,    390,    387,    385,   382,   380,   377,   375,   373,   370,   366,   364,   361,  359,
            357,    355,    353,    351,   349,   347,   345,   343,   341,   339,   337,   335,   333,  331,
            330,    328,    326,    324,   323,   321,   319,   317,   316,   314,   313,   311,   309,  308,
            306,    305,    303,    302,   300};
        QStringList texts;
        for (int f : kilohertz)
            texts << QString::number(f); // whole numbers: no separator in them
        return texts;
    }();
    return list;
}

namespace {

using namespace ui::form;

const ui::FormTable kForm{
    {Grid("StringGrid1", nullptr, {TFormIndCapProReso::kTableRows + 1, 3, 0, 0, 233, 350, 64, 20, ui::kAqua}),
     // A panel with a caption, over the grid's empty top-left cell.
     Label("Panel2", nullptr, {2, 2, 60, 20}, QStringLiteral("f (Khz)"))
         .Align(Qt::AlignCenter)
         .Background(ui::kAqua),
     Panel("Panel1", nullptr, {238, 8, 185, 337}, ui::kSilver),
     Picture("Image2", "Panel1", {40, 8, 105, 41}, pictures::ProductLCFormula)
         .Says("L C égale 1 sur 2 pi f0 au carré", "L C equals 1 over 2 pi f0 squared"),
     Label("Label1", "Panel1", {8, 64, 51, 13}, QStringLiteral("Fréquence"), QStringLiteral("Frequency"))
         .For("Edit1"),
     Box("Edit1", "Panel1", {62, 64, 67, 19}).Says("f"),
     // "mHz" is mega; the product is computed from megahertz.
     Units("ComboBox1", "Panel1", {128, 64, 53, 0},
           {{QStringLiteral("Hz"), Op::Divide, 1000000.0L},
            {QStringLiteral("kHz"), Op::Divide, 1000.0L},
            {QStringLiteral("mHz"), Op::Divide, 1.0L}})
         .For("Edit1"),
     Label("Label2", "Panel1", {14, 96, 33, 17}, QStringLiteral("LC ="))
         .Align(Qt::AlignCenter)
         .Font("MS Sans Serif", 11, true)
         .Ink(ui::kLime),
     Result("Label3", "Panel1", {48, 96, 129, 17}).Says("L X C"),
     Reset("BitBtn1", "Panel1", {16, 152, 33, 25}), Equals("Button1", "Panel1", {65, 152, 57, 25}),
     Print("BitBtn2", "Panel1", {137, 152, 33, 25}),
     Button("BitBtn3", "Panel1", {8, 288, 169, 17}, QStringLiteral("Impression du tableur Page 1"),
            QStringLiteral("Table page 1")),
     Button("BitBtn4", "Panel1", {8, 312, 169, 17}, QStringLiteral("Impression du tableur Page 2"),
            QStringLiteral("Table page 2"))},
    {"Edit1", "ComboBox1", "Button1", "BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4"}};

} // namespace

TFormIndCapProReso::TFormIndCapProReso(QWidget* parent) : ui::Window(parent) {
    setObjectName(QStringLiteral("FormIndCapProReso"));
    SetForm(QStringLiteral("Produit LC de la résonance"), 428, 350, ui::kSilver);

    const ui::FormParts parts = ui::BuildForm(this, kForm);
    grid_ = parts.Get<QTableWidget>("StringGrid1");
    edit1_ = parts.Get<QLineEdit>("Edit1");
    frequencyUnit_ = parts.Get<ui::UnitList>("ComboBox1");
    result_ = parts.Get<QLabel>("Label3");

    grid_->setColumnWidth(0, 60);
    grid_->setColumnWidth(2, 71);
    // "Wavelength" fits its 64 pixels only in a smaller, regular type.
    for (int c = 1; c < 3; ++c)
        grid_->item(0, c)->setFont(ui::FormFont("MS Sans Serif", 10));
    auto* corner = parts.Get<QLabel>("Panel2");
    corner->setFrameStyle(QFrame::Panel | QFrame::Raised);
    // The panel scrolls away with the head row it stands on, instead of hiding a frequency.
    ui::On(grid_->verticalScrollBar(), &QScrollBar::valueChanged, this,
           [this, corner] { corner->move(2, 2 + grid_->rowViewportPosition(0)); });

    page_.Boxes({edit1_}).Results({result_}).Fields({&ResonantFrequency, &ProductLC});

    ui::On(parts.Get<QPushButton>("Button1"), &QPushButton::clicked, this, [this] { Button1Click(); });
    ui::On(frequencyUnit_, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    ui::On(parts.Get<QPushButton>("BitBtn1"), &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    ui::On(parts.Get<QPushButton>("BitBtn2"), &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    ui::On(parts.Get<QPushButton>("BitBtn3"), &QPushButton::clicked, this, [this] { BitBtn3Click(); });
    ui::On(parts.Get<QPushButton>("BitBtn4"), &QPushButton::clicked, this, [this] { BitBtn4Click(); });
}

void TFormIndCapProReso::FormCreate() {
    heads_ = {QStringLiteral("L d'onde(m)"), QStringLiteral("L x C")};
    frequencyUnit_->setCurrentIndex(0);
}

void TFormIndCapProReso::FormActivate() {
    if (ui::IsEnglish()) {
        heads_[0] = QStringLiteral("Wavelength");
        setWindowTitle(QStringLiteral("Product LC"));
        ui::ApplyEnglish(this, kForm);
    } else {
        heads_[0] = QStringLiteral("L d'onde(m)");
    }
    FillTable();
}

void TFormIndCapProReso::Calculate() {
    ResonantFrequency = ui::Stored(page_.Read(edit1_, frequencyUnit_));
    ProductLC = ui::Stored(ui::Compute([this] { return formulas::ResonantProductLC(ResonantFrequency); }));
    page_.Show(result_, ProductLC, ui::kNumber10_8);
}

void TFormIndCapProReso::FillTable() {
    const core::Separators& seps = core::CurrentSeparators();
    auto text = [&seps](double value, ui::Display d) {
        return core::FormatNumber(value, d.format, d.precision, d.digits, seps);
    };
    auto set = [this](int r, int c, const QString& t) {
        if (QTableWidgetItem* item = grid_->item(r, c)) item->setText(t);
    };
    grid_->setUpdatesEnabled(false);
    set(0, 1, heads_.value(0));
    set(0, 2, heads_.value(1));
    const QStringList& frequencies = Frequencies();
    for (int r = 1; r <= frequencies.size(); ++r)
        set(r, 0, frequencies[r - 1]);
    // Each row is computed from the text its frequency cell holds.
    core::FloatGuard guard;
    for (int r = 1; r <= frequencies.size(); ++r) {
        const long double kilohertz = core::ParseNumber(grid_->item(r, 0)->text(), seps);
        const double lc = static_cast<double>(formulas::ResonantProductLC(kilohertz / 1000.0L));
        const double wavelength = static_cast<double>(formulas::TableWavelength(kilohertz));
        set(r, 2, text(lc, kTableLCDisplay));
        set(r, 1, text(wavelength, kWavelengthDisplay));
    }
    grid_->setUpdatesEnabled(true);
    guard.check();
}

void TFormIndCapProReso::Button1Click() {
    Calculate();
}

void TFormIndCapProReso::ComboBox1Change() {
    if (page_.AllHoldText())
        Calculate();
    else
        result_->clear();
}

void TFormIndCapProReso::BitBtn1Click() {
    page_.Clear();
}

void TFormIndCapProReso::BitBtn2Click() {
    printing::PreviewReport(QStringLiteral("TQRProduitLC"), this);
}

void TFormIndCapProReso::BitBtn3Click() {
    printing::PreviewReport(QStringLiteral("TQRtabProduitLC"), this, 1);
}

void TFormIndCapProReso::BitBtn4Click() {
    printing::PreviewReport(QStringLiteral("TQRtabProduitLC"), this, 2);
}

OHMBRIX_REGISTER_WINDOW(TFormIndCapProReso)

// The product is in microhenry x microfarad, which the window leaves unwritten.
OHMBRIX_REGISTER_REPORT_ROW(TQRProduitLC, TFormIndCapProReso, QStringLiteral("Produit L X C"), {{{"Image2"}}},
                            {{QStringLiteral("f ="), "Edit1", "ComboBox1"}},
                            {{QStringLiteral("L X C ="), "Label3", nullptr, QStringLiteral("uH x uF")}})

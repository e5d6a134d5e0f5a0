#include "impedance/ProdIndCapReso.h"
#include "printing/ReportRows.h"
#include "ui/Registry.h"

#include "core/Regional.h"
#include "formulas/Resonance.h"
#include "pictures/impedance/ResonancePictures.h"
#include "printing/Preview.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/TablePage.h"
#include "ui/Widgets.h"

#include <QFrame>
#include <QScrollBar>
#include <QTableWidget>

using Op = ui::UnitList::Op;

namespace {

const QColor kAqua{0x00, 0xFF, 0xFF};
const QColor kLime{0x00, 0xFF, 0x00};
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

TFormIndCapProReso::TFormIndCapProReso(QWidget* parent) : ui::Window(parent) {
    setObjectName(QStringLiteral("FormIndCapProReso"));
    SetForm(QStringLiteral("Produit LC de la résonance"), 428, 350, ui::kSilver);

    grid_ = ui::MakeGrid(this, "StringGrid1", {kTableRows + 1, 3, 0, 0, 233, 350, 64, 20, kAqua});
    grid_->setColumnWidth(0, 60);
    grid_->setColumnWidth(2, 71);
    // "Wavelength" fits its 64 pixels only in a smaller, regular type.
    for (int c = 1; c < 3; ++c)
        grid_->item(0, c)->setFont(ui::FormFont("MS Sans Serif", 10));
    // A panel with a caption, over the grid's empty top-left cell.
    QLabel* corner = ui::MakeLabel(this, "Panel2", QStringLiteral("f (Khz)"), 2, 2, 60, 20);
    corner->setFrameStyle(QFrame::Panel | QFrame::Raised);
    corner->setAlignment(Qt::AlignCenter);
    ui::SetBackground(corner, kAqua);
    // The panel scrolls away with the head row it stands on, instead of hiding a frequency.
    ui::On(grid_->verticalScrollBar(), &QScrollBar::valueChanged, this,
           [this, corner] { corner->move(2, 2 + grid_->rowViewportPosition(0)); });

    QFrame* calc = ui::MakePanel(this, "Panel1", 238, 8, 185, 337, ui::kSilver);
    ui::MakePicture(calc, "Image2", pictures::ProductLCFormula, 40, 8, 105, 41);
    ui::MakeLabel(calc, "Label1", QStringLiteral("Fréquence"), 8, 64, 51, 13);
    edit1_ = ui::MakeValueBox(calc, "Edit1", 62, 64, 67, 19);
    // "mHz" is mega; the product is computed from megahertz.
    frequencyUnit_ = ui::MakeUnitList(calc, "ComboBox1", 128, 64, 53,
                                      {{QStringLiteral("Hz"), Op::Divide, 1000000.0L},
                                       {QStringLiteral("kHz"), Op::Divide, 1000.0L},
                                       {QStringLiteral("mHz"), Op::Divide, 1.0L}});
    QLabel* caption = ui::MakeLabel(calc, "Label2", QStringLiteral("LC ="), 14, 96, 33, 17);
    caption->setAlignment(Qt::AlignCenter);
    caption->setFont(ui::FormFont("MS Sans Serif", 11, true));
    ui::SetTextColour(caption, kLime);
    result_ = ui::MakeResultLabel(calc, "Label3", 48, 96, 129, 17);
    QPushButton* reset = ui::MakeResetButton(calc, "BitBtn1", 16, 152, 33, 25);
    QPushButton* equals = ui::MakeEqualsButton(calc, "Button1", 65, 152, 57, 25);
    QPushButton* print = ui::MakePrintButton(calc, "BitBtn2", 137, 152, 33, 25);
    QPushButton* page1 =
        ui::MakeButton(calc, "BitBtn3", QStringLiteral("Impression du tableur Page 1"), 8, 288, 169, 17);
    QPushButton* page2 =
        ui::MakeButton(calc, "BitBtn4", QStringLiteral("Impression du tableur Page 2"), 8, 312, 169, 17);

    ui::SetTabOrder({edit1_, frequencyUnit_, equals, reset, print, page1, page2});

    page_.Boxes({edit1_}).Results({result_}).Fields({&ResonantFrequency, &ProductLC});

    ui::On(equals, &QPushButton::clicked, this, [this] { Button1Click(); });
    ui::On(frequencyUnit_, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    ui::On(reset, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    ui::On(print, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    ui::On(page1, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
    ui::On(page2, &QPushButton::clicked, this, [this] { BitBtn4Click(); });
}

void TFormIndCapProReso::FormCreate() {
    heads_ = {QStringLiteral("L d'onde(m)"), QStringLiteral("L x C")};
    frequencyUnit_->setCurrentIndex(0);
}

void TFormIndCapProReso::FormActivate() {
    if (ui::IsEnglish()) {
        heads_[0] = QStringLiteral("Wavelength");
        setWindowTitle(QStringLiteral("Product LC"));
        ui::ApplyTexts(this,
                       {{"Label1", "Frequency"}, {"BitBtn3", "Table page 1"}, {"BitBtn4", "Table page 2"}});
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

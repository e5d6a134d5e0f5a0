#include "resistance/CalculDeCond.h"

#include "core/Numbers.h"
#include "core/Regional.h"
#include "formulas/Conductor.h"
#include "pictures/resistance/CalculDeCondPictures.h"
#include "printing/Preview.h"
#include "printing/ReportRows.h"
#include "ui/CalculatorPage.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Messages.h"
#include "ui/Registry.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <iterator>

namespace {

struct Metal {
    const char* french;
    const char* english;
    long double resistivity; // ohm-metres
};

// The form's list also ended in a blank item without a resistivity; it is left out so that no
// pick can compute with a missing or stale value.
const Metal kMetals[] = {
    {"argent", "Silver", 1.5E-8L},       {"cuivre", "Copper", 1.59E-8L},
    {"aluminium", "aluminum", 2.6E-8L},  {"tungstene", "Tungsten", 4.96E-8L},
    {"manganin", "manganese", 4.82E-7L}, {"nichrome", "nichrome", 1.08E-6L},
};

struct Gauge {
    const char* item;
    long double section; // square millimetres
};

// American Wire Gauge; the list has no 3/0.
const Gauge kGauges[] = {
    {"250MCM", 126.6L}, {"4/0", 107.4L}, {"2/0", 67.4L},  {"1/0", 53.5L},  {"1", 42.4L},    {"2", 33.6L},
    {"3", 26.6L},       {"4", 21.1L},    {"5", 16.8L},    {"6", 13.3L},    {"7", 10.5L},    {"8", 8.3L},
    {"9", 6.59L},       {"10", 5.27L},   {"11", 4.17L},   {"12", 3.31L},   {"13", 2.63L},   {"14", 2.08L},
    {"15", 1.65L},      {"16", 1.31L},   {"17", 1.04L},   {"18", 0.821L},  {"19", 0.654L},  {"20", 0.517L},
    {"21", 0.411L},     {"22", 0.324L},  {"23", 0.259L},  {"24", 0.205L},  {"25", 0.162L},  {"26", 0.128L},
    {"27", 0.102L},     {"28", 0.08L},   {"29", 0.065L},  {"30", 0.0507L}, {"31", 0.0401L}, {"32", 0.0324L},
    {"33", 0.0255L},    {"34", 0.0201L}, {"35", 0.0159L}, {"36", 0.0127L}, {"37", 0.0103L}, {"38", 0.0081L},
    {"39", 0.0062L},    {"40", 0.0049L},
};

constexpr int kCopper = 1;
constexpr int kGauge18 = 21;

// "p =", "A =", "L =", "R =": Impact on lime (a condensed heavy face where Impact is missing).
QLabel* MakeSymbol(QWidget* parent, const char* name, const char* text, int x, int y) {
    QLabel* label = ui::MakeLabel(parent, name, QLatin1String(text), x, y, 33, 21);
    QFont f = ui::FormFont("Impact", 16);
    f.setFamilies({QStringLiteral("Impact"), QStringLiteral("DejaVu Sans Condensed")});
    f.setBold(true);
    label->setFont(f);
    label->setAlignment(Qt::AlignCenter);
    ui::SetBackground(label, ui::kLime);
    return label;
}

QLabel* MakeEcho(QWidget* parent, const char* name, int x, int y) {
    QLabel* label = ui::MakeCentredLabel(parent, name, x, y, 105, 17);
    label->setAlignment(Qt::AlignCenter);
    ui::SetBackground(label, ui::kYellow);
    return label;
}

long double SectionOf(int gauge) {
    return kGauges[gauge].section * 1E-6L;
}

} // namespace

TFormResConduc::TFormResConduc(QWidget* parent) : ui::Window(parent) {
    setObjectName(QStringLiteral("FormResConduc"));
    SetForm(QStringLiteral("Résistance d'un conducteur"), 408, 342, ui::kSilver);

    QFont bold = font();
    bold.setBold(true);

    MakeSymbol(this, "Label18", "p =", 8, 8);
    ui::MakeLabel(this, "Label20", QStringLiteral("Résistivité de la substance:"), 48, 12, 170, 13);
    resistivity_ = ui::MakeLabel(this, "Label12", QString(), 224, 12, 66, 13);
    resistivity_->setFont(bold);
    resistivity_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ui::MakeLabel(this, "Label13", QStringLiteral("nOhm-m "), 296, 12);

    MakeSymbol(this, "Label19", "A =", 8, 34);
    ui::MakeLabel(this, "Label21", QStringLiteral("Section du conducteur:"), 48, 38, 170, 13);
    section_ = ui::MakeLabel(this, "Label14", QString(), 224, 38, 66, 13);
    section_->setFont(bold);
    section_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ui::MakeLabel(this, "Label15", QStringLiteral("mm"), 296, 38);
    QLabel* exponent = ui::MakeLabel(this, "Label16", QStringLiteral("2"), 313, 34, 8, 10);
    exponent->setFont(ui::FormFont("MS Sans Serif", 9));

    MakeSymbol(this, "Label17", "L =", 8, 60);
    ui::MakeLabel(this, "Label1", QStringLiteral("Longueur du conducteur (en Mètres)"), 48, 64, 240, 13);
    edit1_ = ui::MakeValueBox(this, "Edit1", 296, 60, 97);

    ui::MakeLabel(this, "Label2", QStringLiteral("Type de conducteur (résistivité)"), 8, 96, 205, 13);
    // Fixed lists that take no typing; their items carry no scale factor.
    std::vector<ui::UnitList::Unit> metals;
    for (const Metal& m : kMetals)
        metals.push_back({QString::fromUtf8(m.french), ui::UnitList::Op::Multiply, 1.0L});
    metal_ = ui::MakeUnitList(this, "ComboBox1", 216, 92, 177, metals);

    ui::MakeLabel(this, "Label3", QStringLiteral("Numéro de jauge (AWG) (Section)"), 8, 124, 205, 13);
    std::vector<ui::UnitList::Unit> gauges;
    for (const Gauge& g : kGauges)
        gauges.push_back({QLatin1String(g.item), ui::UnitList::Op::Multiply, 1.0L});
    gauge_ = ui::MakeUnitList(this, "ComboBox2", 216, 120, 177, gauges);
    gauge_->setMaxVisibleItems(20);

    QGroupBox* group =
        ui::MakeGroup(this, "GroupBox1", QStringLiteral("Résultat"), 8, 152, 392, 182, ui::kSilver);
    ui::MakeLabel(group, "Label8", QStringLiteral("Longueur (en Mètres)"), 12, 26, 125, 13);
    lengthEcho_ = MakeEcho(group, "Label7", 156, 24);
    ui::MakeLabel(group, "Label9", QStringLiteral("Type de conducteur"), 12, 50, 125, 13);
    metalEcho_ = MakeEcho(group, "Label4", 156, 48);
    ui::MakeLabel(group, "Label10", QStringLiteral("Numero de jauge"), 12, 74, 125, 13);
    gaugeEcho_ = MakeEcho(group, "Label5", 156, 72);

    MakeSymbol(group, "Label22", "R =", 8, 104);
    ui::MakeLabel(group, "Label11", QStringLiteral("Résistance en OHMS"), 46, 108, 108, 13);
    result_ = ui::MakeResultLabel(group, "Label6", 156, 104, 105, 21);

    ui::MakePicture(
        group, "Image1", [=] { return pictures::ConductorFormula(ui::kSilver); }, 268, 22, 113, 65);
    twoDigits_ = ui::MakeCheckBox(group, "CheckBox1", QStringLiteral("2 Digit"), 272, 106, 70, 17);

    QPushButton* equals = ui::MakeEqualsButton(group, "BitBtnCalcul", 156, 138, 65, 33);
    equals->setToolTip(QStringLiteral("Calcul"));
    QPushButton* print = ui::MakePrintButton(group, "BitBtn1", 236, 142, 33, 25);
    print->setToolTip(QStringLiteral("Impression"));

    ui::SetTabOrder({edit1_, metal_, gauge_, equals, print, twoDigits_});

    // No Reset button: the page keeps only the stored values.
    page_.Boxes({edit1_}).Results({result_}).Fields({&Resistivity, &Length, &Section, &Resistance});

    ui::On(edit1_, &QLineEdit::textChanged, this, [this] { Edit1Change(); });
    ui::On(metal_, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    ui::On(gauge_, &QComboBox::activated, this, [this] { ComboBox2Change(); });
    ui::On(equals, &QPushButton::clicked, this, [this] { BitBtnCalculClick(); });
    ui::On(twoDigits_, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });
    ui::On(print, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
}

void TFormResConduc::FormCreate() {
    edit1_->setText(QStringLiteral("100"));
    metal_->setCurrentIndex(kCopper);
    gauge_->setCurrentIndex(kGauge18);
    ComputeAndShow();
    const core::Separators& seps = core::CurrentSeparators();
    result_->setText(core::FormatNumber(Resistance, core::FloatFormat::General, 10, 2, seps));
    ShowResistivity(2);
    ShowSection(10);
}

void TFormResConduc::FormActivate() {
    if (!ui::IsEnglish()) return;
    setWindowTitle(QStringLiteral("Conductive resistance"));
    // Refilled in English at every activation. The metal chosen stays chosen (copper until the
    // user picks another), so the list, its echo and the shown result always tell the same metal.
    QStringList english;
    for (const Metal& m : kMetals)
        english << QLatin1String(m.english);
    metal_->SetItems(english);
    metalEcho_->setText(metal_->currentText());
    ui::ApplyTexts(this, {{"Label20", "Resistivities of conductors"},
                          {"Label21", "Conductor diameter"},
                          {"Label1", "-------------------------------> Length in metre"},
                          {"Label2", "Conductor type"},
                          {"Label3", "Cable section number"},
                          {"Label8", "Length in metre"},
                          {"Label9", "Conductor type"},
                          {"Label10", "Cable section number"},
                          {"Label11", "Resistance in OHMS"},
                          {"GroupBox1", "Values"}});
}

void TFormResConduc::Edit1Change() {
    result_->clear();
    lengthEcho_->setText(edit1_->text());
}

void TFormResConduc::ShowResistivity(int digits) {
    resistivity_->setText(core::FormatNumber(kMetals[metal_->currentIndex()].resistivity * 1E9L,
                                             core::FloatFormat::General, 10, digits,
                                             core::CurrentSeparators()));
}

void TFormResConduc::ShowSection(int precision) {
    section_->setText(core::FormatNumber(kGauges[gauge_->currentIndex()].section, core::FloatFormat::General,
                                         precision, 4, core::CurrentSeparators()));
}

void TFormResConduc::ComboBox1Change() {
    ShowResistivity(3);
    Calculate();
    RefreshDisplay();
}

void TFormResConduc::ComboBox2Change() {
    ShowSection(3); // 250MCM reads 127
    Calculate();
    RefreshDisplay();
}

void TFormResConduc::BitBtnCalculClick() {
    // Calculate gives the empty-length message itself.
    Calculate();
    RefreshDisplay();
}

void TFormResConduc::CheckBox1Click() {
    RefreshDisplay();
}

void TFormResConduc::BitBtn1Click() {
    Calculate();
    RefreshDisplay();
    if (edit1_->text().isEmpty()) {
        ui::Message(this,
                    ui::Tr(QStringLiteral("Aucune données a imprimer"), QStringLiteral("No value to print")));
        edit1_->setFocus();
        return;
    }
    printing::PreviewReport(QStringLiteral("TQRResCond"), this);
}

void TFormResConduc::Calculate() {
    if (edit1_->text().isEmpty()) {
        ui::Message(this, ui::Tr(QStringLiteral("vide non admis"), QStringLiteral("Value: none")));
        edit1_->setFocus();
        return;
    }
    if (!ComputeAndShow()) {
        result_->clear();
        return;
    }
    page_.Show(result_, Resistance, ui::kGeneral10_5);
}

bool TFormResConduc::ComputeAndShow() {
    const int metal = metal_->currentIndex();
    const int gauge = gauge_->currentIndex();
    if (metal < 0 || metal >= int(std::size(kMetals)) || gauge < 0 || gauge >= int(std::size(kGauges)))
        return false; // both lists always hold a choice; never compute without one
    Resistivity = ui::Stored(kMetals[metal].resistivity);
    Section = ui::Stored(SectionOf(gauge));
    Length = ui::Stored(page_.Read(edit1_));
    Resistance = ui::Stored(
        ui::Compute([this] { return formulas::ConductorResistance(Length, Section, Resistivity); }));
    lengthEcho_->setText(edit1_->text());
    metalEcho_->setText(metal_->currentText());
    gaugeEcho_->setText(gauge_->currentText());
    return true;
}

void TFormResConduc::RefreshDisplay() {
    page_.Refresh(result_, twoDigits_->isChecked(), Resistance);
}

OHMBRIX_REGISTER_WINDOW(TFormResConduc)

namespace {
// The formula beside its heading, the values further right than the standard layout's.
printing::CalculatorReport::Lines ConductorLayout() {
    printing::CalculatorReport::Lines layout;
    layout.pictureHeading = QStringLiteral("Formule:");
    layout.pictureBesideHeading = true;
    layout.valueLeft = 344;
    return layout;
}
} // namespace

OHMBRIX_REGISTER_REPORT_ROW(TQRResCond, TFormResConduc, QStringLiteral("Résistance du conducteur"),
                            {{{"Image1"}}},
                            {{QStringLiteral("L = Longueur du conducteur (Mètres) :"), "Edit1"},
                             {QStringLiteral("p = Type de conducteur (résistivité) :"), "ComboBox1"},
                             {QStringLiteral("A = Numéro de jauge (AWG) :"), "ComboBox2"}},
                            {{QStringLiteral("R = Résistance du conducteur (Ohms) :"), "Label6"}}, nullptr,
                            ConductorLayout())

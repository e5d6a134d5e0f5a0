#include "resistance/CalculDeCond.h"

#include "core/Numbers.h"
#include "core/Regional.h"
#include "formulas/Conductor.h"
#include "pictures/resistance/CalculDeCondPictures.h"
#include "printing/Preview.h"
#include "printing/ReportRows.h"
#include "ui/CalculatorPage.h"
#include "ui/FormTable.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Messages.h"
#include "ui/Registry.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
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

namespace form = ui::form;
using Unit = ui::UnitList::Unit;

// "p =", "A =", "L =", "R =": Impact on lime (a condensed heavy face where Impact is missing).
ui::FormRow Symbol(const char* name, const char* parent, int x, int y, const char* text) {
    return form::Label(name, parent, {x, y, 33, 21}, QLatin1String(text))
        .Font("Impact,DejaVu Sans Condensed", 16, true)
        .Align(Qt::AlignCenter)
        .Background(ui::kLime);
}

ui::FormRow Echo(const char* name, int y) {
    return form::Echo(name, "GroupBox1", {156, y, 105, 17}).Align(Qt::AlignCenter).Background(ui::kYellow);
}

// Fixed lists that take no typing; their items carry no scale factor.
std::vector<Unit> MetalItems() {
    std::vector<Unit> items;
    for (const Metal& m : kMetals)
        items.push_back({QString::fromUtf8(m.french), ui::UnitList::Op::Multiply, 1.0L});
    return items;
}

std::vector<Unit> GaugeItems() {
    std::vector<Unit> items;
    for (const Gauge& g : kGauges)
        items.push_back({QLatin1String(g.item), ui::UnitList::Op::Multiply, 1.0L});
    return items;
}

const ui::FormTable kForm{
    {Symbol("Label18", nullptr, 8, 8, "p ="),
     form::Label("Label20", nullptr, {48, 12, 170, 13}, QStringLiteral("Résistivité de la substance:"),
                 QStringLiteral("Resistivities of conductors"))
         .For("Label12"),
     form::Label("Label12", nullptr, {224, 12, 66, 13}, QString())
         .Bold()
         .Align(Qt::AlignRight | Qt::AlignVCenter),
     form::Label("Label13", nullptr, {296, 12, 0, 0}, QStringLiteral("nOhm-m ")),
     Symbol("Label19", nullptr, 8, 34, "A ="),
     form::Label("Label21", nullptr, {48, 38, 170, 13}, QStringLiteral("Section du conducteur:"),
                 QStringLiteral("Conductor diameter"))
         .For("Label14"),
     form::Label("Label14", nullptr, {224, 38, 66, 13}, QString())
         .Bold()
         .Align(Qt::AlignRight | Qt::AlignVCenter),
     form::Label("Label15", nullptr, {296, 38, 0, 0}, QStringLiteral("mm")),
     form::Label("Label16", nullptr, {313, 34, 8, 10}, QStringLiteral("2")).Font("MS Sans Serif", 9),
     Symbol("Label17", nullptr, 8, 60, "L ="),
     form::Label("Label1", nullptr, {48, 64, 240, 13}, QStringLiteral("Longueur du conducteur (en Mètres)"),
                 QStringLiteral("-------------------------------> Length in metre"))
         .For("Edit1"),
     form::Box("Edit1", nullptr, {296, 60, 97, 21}).Says("L"),
     form::Label("Label2", nullptr, {8, 96, 205, 13}, QStringLiteral("Type de conducteur (résistivité)"),
                 QStringLiteral("Conductor type"))
         .For("ComboBox1"),
     form::Units("ComboBox1", nullptr, {216, 92, 177, 0}, MetalItems()).Says("p"),
     form::Label("Label3", nullptr, {8, 124, 205, 13}, QStringLiteral("Numéro de jauge (AWG) (Section)"),
                 QStringLiteral("Cable section number"))
         .For("ComboBox2"),
     form::Units("ComboBox2", nullptr, {216, 120, 177, 0}, GaugeItems()).Says("A"),
     form::Group("GroupBox1", nullptr, {8, 152, 392, 182}, QStringLiteral("Résultat"),
                 QStringLiteral("Values"), ui::kSilver),
     form::Label("Label8", "GroupBox1", {12, 26, 125, 13}, QStringLiteral("Longueur (en Mètres)"),
                 QStringLiteral("Length in metre"))
         .For("Label7"),
     Echo("Label7", 24),
     form::Label("Label9", "GroupBox1", {12, 50, 125, 13}, QStringLiteral("Type de conducteur"),
                 QStringLiteral("Conductor type"))
         .For("Label4"),
     Echo("Label4", 48),
     form::Label("Label10", "GroupBox1", {12, 74, 125, 13}, QStringLiteral("Numero de jauge"),
                 QStringLiteral("Cable section number"))
         .For("Label5"),
     Echo("Label5", 72),
     Symbol("Label22", "GroupBox1", 8, 104, "R ="),
     form::Label("Label11", "GroupBox1", {46, 108, 108, 13}, QStringLiteral("Résistance en OHMS"),
                 QStringLiteral("Resistance in OHMS"))
         .For("Label6"),
     form::Result("Label6", "GroupBox1", {156, 104, 105, 21}).Says("R"),
     form::Picture("Image1", "GroupBox1", {268, 22, 113, 65},
                   [] { return pictures::ConductorFormula(ui::kSilver); })
         .Says("R égale L sur A fois p", "R equals L over A times p"),
     form::Check("CheckBox1", "GroupBox1", {272, 106, 70, 17}, QStringLiteral("2 Digit")),
     form::Equals("BitBtnCalcul", "GroupBox1", {156, 138, 65, 33}),
     form::Print("BitBtn1", "GroupBox1", {236, 142, 33, 25})},
    {"Edit1", "ComboBox1", "ComboBox2", "BitBtnCalcul", "BitBtn1", "CheckBox1"}};

long double SectionOf(int gauge) {
    return kGauges[gauge].section * 1E-6L;
}

} // namespace

TFormResConduc::TFormResConduc(QWidget* parent) : ui::Window(parent) {
    setObjectName(QStringLiteral("FormResConduc"));
    SetForm(QStringLiteral("Résistance d'un conducteur"), 408, 342, ui::kSilver);

    const ui::FormParts parts = ui::BuildForm(this, kForm);
    edit1_ = parts.Get<QLineEdit>("Edit1");
    metal_ = parts.Get<ui::UnitList>("ComboBox1");
    gauge_ = parts.Get<ui::UnitList>("ComboBox2");
    gauge_->setMaxVisibleItems(20);
    resistivity_ = parts.Get<QLabel>("Label12");
    section_ = parts.Get<QLabel>("Label14");
    lengthEcho_ = parts.Get<QLabel>("Label7");
    metalEcho_ = parts.Get<QLabel>("Label4");
    gaugeEcho_ = parts.Get<QLabel>("Label5");
    result_ = parts.Get<QLabel>("Label6");
    twoDigits_ = parts.Get<QCheckBox>("CheckBox1");
    auto* equals = parts.Get<QPushButton>("BitBtnCalcul");
    equals->setToolTip(QStringLiteral("Calcul"));
    auto* print = parts.Get<QPushButton>("BitBtn1");
    print->setToolTip(QStringLiteral("Impression"));

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
    ui::ApplyEnglish(this, kForm);
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

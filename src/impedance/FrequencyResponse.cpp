#include "impedance/FrequencyResponse.h"

#include "core/Failure.h"
#include "core/Regional.h"
#include "impedance/FrequencyResponseExport.h"
#include "impedance/ResponsePlot.h"
#include "printing/Preview.h"
#include "ui/FormTable.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Messages.h"
#include "ui/Registry.h"
#include "ui/Widgets.h"

#include <QFileDialog>
#include <QGroupBox>
#include <cmath>

using formulas::Topology;
using Op = ui::UnitList::Op;

namespace {

// A new window's lists use the standard prefixes ("M" is mega, "m" milli).
struct Scale {
    const char* symbol;
    Op op;
    long double factor;
};
const std::vector<Scale> kOhms{
    {"Ω", Op::Multiply, 1}, {"kΩ", Op::Multiply, 1e3L}, {"MΩ", Op::Multiply, 1e6L}};
const std::vector<Scale> kHenries{
    {"H", Op::Multiply, 1}, {"mH", Op::Divide, 1e3L}, {"µH", Op::Divide, 1e6L}, {"nH", Op::Divide, 1e9L}};
const std::vector<Scale> kFarads{
    {"F", Op::Multiply, 1}, {"µF", Op::Divide, 1e6L}, {"nF", Op::Divide, 1e9L}, {"pF", Op::Divide, 1e12L}};
const std::vector<Scale> kHertz{{"Hz", Op::Multiply, 1},
                                {"kHz", Op::Multiply, 1e3L},
                                {"MHz", Op::Multiply, 1e6L},
                                {"GHz", Op::Multiply, 1e9L}};

std::vector<ui::UnitList::Unit> Units(const std::vector<Scale>& scales) {
    std::vector<ui::UnitList::Unit> units;
    for (const Scale& s : scales)
        units.push_back({QString::fromUtf8(s.symbol), s.op, s.factor});
    return units;
}

const std::vector<Scale>& ScalesOf(const ui::UnitList* list) {
    const QString name = list->objectName();
    if (name == QLatin1String("RUnit")) return kOhms;
    if (name == QLatin1String("LUnit")) return kHenries;
    if (name == QLatin1String("CUnit")) return kFarads;
    return kHertz;
}

const char* const kTopologies[][2] = {
    {"Série RL", "Series RL"},       {"Série RC", "Series RC"},         {"Série LC", "Series LC"},
    {"Série RLC", "Series RLC"},     {"Parallèle RL", "Parallel RL"},   {"Parallèle RC", "Parallel RC"},
    {"Parallèle LC", "Parallel LC"}, {"Parallèle RLC", "Parallel RLC"},
};

// The span a sweep may cover; beyond it the chart would be a line of pixels per decade.
constexpr long double kMaxDecades = 15;

// The point of an increasing sweep nearest a frequency, on the log axis.
std::optional<int> NearestPoint(const std::vector<double>& f, double at) {
    if (f.empty()) return std::nullopt;
    int i = int(std::lower_bound(f.begin(), f.end(), at) - f.begin());
    if (i >= int(f.size())) return int(f.size()) - 1;
    if (i > 0 && at / f[i - 1] < f[i] / at) --i;
    return i;
}

QChar Decimal() {
    return core::CurrentSeparators().decimal;
}

std::vector<ui::UnitList::Unit> TopologyItems() {
    std::vector<ui::UnitList::Unit> topologies;
    for (const auto& t : kTopologies)
        topologies.push_back({QString::fromUtf8(t[0]), Op::Multiply, 1});
    return topologies;
}

namespace form = ui::form;

const ui::FormTable kForm{
    {form::Group("GroupBox1", nullptr, {8, 8, 240, 152}, QStringLiteral("Circuit"), {}, ui::kSilver),
     form::Units("TopologyList", "GroupBox1", {12, 22, 216, 0}, TopologyItems())
         .Says("Type de circuit", "Circuit type"),
     form::Own("Image1", "GroupBox1", {12, 50, 216, 94},
               [](QWidget* parent) { return new ResponseCircuitView(parent); })
         .Says("Schéma du circuit choisi", "Diagram of the chosen circuit"),
     form::Group("GroupBox2", nullptr, {8, 166, 240, 110}, QStringLiteral("Composants"),
                 QStringLiteral("Components"), ui::kSilver),
     form::Label("Label1", "GroupBox2", {16, 26, 20, 13}, QStringLiteral("R")).For("RBox"),
     form::Box("RBox", "GroupBox2", {40, 22, 100, 21}).Says("R"),
     form::Units("RUnit", "GroupBox2", {148, 22, 80, 0}, Units(kOhms)).For("RBox"),
     form::Label("Label2", "GroupBox2", {16, 54, 20, 13}, QStringLiteral("L")).For("LBox"),
     form::Box("LBox", "GroupBox2", {40, 50, 100, 21}).Says("L"),
     form::Units("LUnit", "GroupBox2", {148, 50, 80, 0}, Units(kHenries)).For("LBox"),
     form::Label("Label3", "GroupBox2", {16, 82, 20, 13}, QStringLiteral("C")).For("CBox"),
     form::Box("CBox", "GroupBox2", {40, 78, 100, 21}).Says("C"),
     form::Units("CUnit", "GroupBox2", {148, 78, 80, 0}, Units(kFarads)).For("CBox"),
     form::Group("GroupBox3", nullptr, {8, 282, 240, 82}, QStringLiteral("Plage de fréquence"),
                 QStringLiteral("Frequency range"), ui::kSilver),
     form::Label("Label4", "GroupBox3", {12, 26, 26, 13}, QStringLiteral("De"), QStringLiteral("From"))
         .For("FromBox"),
     form::Box("FromBox", "GroupBox3", {40, 22, 100, 21}).Says("De", "From"),
     form::Units("FromUnit", "GroupBox3", {148, 22, 80, 0}, Units(kHertz)).For("FromBox"),
     form::Label("Label5", "GroupBox3", {12, 54, 26, 13}, QStringLiteral("à"), QStringLiteral("to"))
         .For("ToBox"),
     form::Box("ToBox", "GroupBox3", {40, 50, 100, 21}).Says("à", "to"),
     form::Units("ToUnit", "GroupBox3", {148, 50, 80, 0}, Units(kHertz)).For("ToBox"),
     form::Group("GroupBox4", nullptr, {8, 370, 240, 112}, QStringLiteral("Résultat"),
                 QStringLiteral("Result"), ui::kSilver),
     form::Label("Label6", "GroupBox4", {12, 26, 90, 13}, QStringLiteral("f0 =")),
     form::Result("F0Label", "GroupBox4", {108, 22, 120, 19}).Says("f0"),
     form::Label("Label7", "GroupBox4", {12, 54, 90, 13}, QStringLiteral("Q =")),
     form::Result("QFactorLabel", "GroupBox4", {108, 50, 120, 19}).Says("Q"),
     form::Label("Label8", "GroupBox4", {12, 82, 94, 13}, QStringLiteral("Bande passante"),
                 QStringLiteral("Bandwidth")),
     form::Result("BandwidthLabel", "GroupBox4", {108, 78, 120, 19}).Says("Bande passante", "Bandwidth"),
     form::Reset("BitBtn1", nullptr, {16, 494, 33, 25}),
     form::Equals("Button1", nullptr, {60, 494, 65, 25}),
     form::Print("BitBtn2", nullptr, {136, 494, 33, 25}),
     form::Button("Button2", nullptr, {178, 494, 70, 25}, QStringLiteral("Exporter"),
                  QStringLiteral("Export")),
     form::Own("PlotView", nullptr, {256, 8, 526, 476},
               [](QWidget* parent) { return new ResponsePlot(parent); })
         .Says("Courbes du module et de la phase de Z", "Curves of the magnitude and phase of Z"),
     form::Label("ReadoutLabel", nullptr, {256, 490, 526, 17}, QString()),
     form::Label("Label9", nullptr, {256, 512, 526, 13},
                 QStringLiteral("Calcul avec 2π exact ; la fenêtre de réactance capacitive utilise 6,28."),
                 QStringLiteral("Computed with exact 2π; the capacitive reactance window uses 6.28."))},
    {"TopologyList", "RBox", "RUnit", "LBox", "LUnit", "CBox", "CUnit", "FromBox", "FromUnit", "ToBox",
     "ToUnit", "BitBtn1", "Button1", "BitBtn2", "Button2", "PlotView"}};

} // namespace

QString ResponseTopologyText(Topology t, bool english) {
    return QString::fromUtf8(kTopologies[int(t)][english ? 1 : 0]);
}

TFormFrequencyResponse::TFormFrequencyResponse(QWidget* parent) : ui::Window(parent) {
    setObjectName(QStringLiteral("FormFrequencyResponse"));
    SetForm(QStringLiteral("Réponse en fréquence"), 790, 540, ui::kSilver);

    const ui::FormParts parts = ui::BuildForm(this, kForm);
    topology_ = parts.Get<ui::UnitList>("TopologyList");
    circuit_ = parts.Get<ResponseCircuitView>("Image1");
    rBox_ = parts.Get<QLineEdit>("RBox");
    lBox_ = parts.Get<QLineEdit>("LBox");
    cBox_ = parts.Get<QLineEdit>("CBox");
    fromBox_ = parts.Get<QLineEdit>("FromBox");
    toBox_ = parts.Get<QLineEdit>("ToBox");
    rUnit_ = parts.Get<ui::UnitList>("RUnit");
    lUnit_ = parts.Get<ui::UnitList>("LUnit");
    cUnit_ = parts.Get<ui::UnitList>("CUnit");
    fromUnit_ = parts.Get<ui::UnitList>("FromUnit");
    toUnit_ = parts.Get<ui::UnitList>("ToUnit");
    f0_ = parts.Get<QLabel>("F0Label");
    q_ = parts.Get<QLabel>("QFactorLabel");
    bandwidth_ = parts.Get<QLabel>("BandwidthLabel");
    readout_ = parts.Get<QLabel>("ReadoutLabel");
    plot_ = parts.Get<ResponsePlot>("PlotView");
    auto* reset = parts.Get<QPushButton>("BitBtn1");
    auto* equals = parts.Get<QPushButton>("Button1");
    auto* print = parts.Get<QPushButton>("BitBtn2");
    auto* exporter = parts.Get<QPushButton>("Button2");

    page_.Boxes({rBox_, lBox_, cBox_, fromBox_, toBox_})
        .Results({f0_, q_, bandwidth_})
        .Fields({&Resistance, &Inductance, &Capacitance, &FromFrequency, &ToFrequency, &ResonantFrequency});

    ui::On(topology_, &QComboBox::activated, this, [this] { TopologyListChange(); });
    for (QLineEdit* box : {rBox_, lBox_, cBox_, fromBox_, toBox_})
        ui::On(box, &QLineEdit::textEdited, this, [this] { Recalculate(); });
    for (ui::UnitList* unit : {rUnit_, lUnit_, cUnit_, fromUnit_, toUnit_})
        ui::On(unit, &QComboBox::activated, this, [this] { Recalculate(); });
    ui::On(equals, &QPushButton::clicked, this, [this] { Button1Click(); });
    ui::On(reset, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    ui::On(print, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    ui::On(exporter, &QPushButton::clicked, this, [this] { Button2Click(); });
    ui::On(plot_, &ResponsePlot::cursorMoved, this, [this] { ShowReadout(); });
}

void TFormFrequencyResponse::FormCreate() {
    topology_->setCurrentIndex(int(Topology::SeriesRLC));
    rUnit_->setCurrentIndex(0);
    lUnit_->setCurrentIndex(1);
    cUnit_->setCurrentIndex(1);
    fromUnit_->setCurrentIndex(0);
    toUnit_->setCurrentIndex(0);
    EnableComponents();
}

void TFormFrequencyResponse::FormActivate() {
    if (!ui::IsEnglish()) return;
    setWindowTitle(QStringLiteral("Frequency response"));
    ui::ApplyEnglish(this, kForm);
    QStringList items;
    for (const auto& t : kTopologies)
        items << QString::fromUtf8(t[1]);
    static_cast<ui::UnitList*>(topology_)->SetItems(items);
    ShowReadout();
}

Topology TFormFrequencyResponse::Topology() const {
    return formulas::Topology(std::max(0, topology_->currentIndex()));
}

void TFormFrequencyResponse::EnableComponents() {
    const auto t = Topology();
    for (auto [box, unit, used] : {std::tuple{rBox_, rUnit_, formulas::UsesResistance(t)},
                                   std::tuple{lBox_, lUnit_, formulas::UsesInductance(t)},
                                   std::tuple{cBox_, cUnit_, formulas::UsesCapacitance(t)}}) {
        box->setEnabled(used);
        unit->setEnabled(used);
    }
    circuit_->SetTopology(t);
}

void TFormFrequencyResponse::Calculate() {
    const auto t = Topology();
    auto read = [this](QLineEdit* box, ui::UnitList* unit, bool used) -> long double {
        if (!used) return 0;
        const long double v = page_.Read(box, unit);
        if (v < 0) throw core::InvalidOperation();
        return v;
    };
    const formulas::Circuit c{t, read(rBox_, rUnit_, formulas::UsesResistance(t)),
                              read(lBox_, lUnit_, formulas::UsesInductance(t)),
                              read(cBox_, cUnit_, formulas::UsesCapacitance(t))};
    const auto resonance = ui::Compute([&] { return formulas::ResonanceOf(c); });
    auto [from, to] = ui::Compute([&] { return formulas::DefaultRange(c); });
    if (!fromBox_->text().isEmpty()) from = page_.Read(fromBox_, fromUnit_);
    if (!toBox_->text().isEmpty()) to = page_.Read(toBox_, toUnit_);
    if (!(from > 0) || !(to > from) || std::log10(to / from) > kMaxDecades)
        throw core::Failure(
            ui::Tr(QStringLiteral("La plage de fréquence doit aller d'une fréquence positive à "
                                  "une plus haute, sur 15 décades au plus"),
                   QStringLiteral("The frequency range must run from a positive frequency to a "
                                  "higher one, over 15 decades at most")));
    auto points =
        ui::Compute([&] { return formulas::Sweep(c, from, to, formulas::SweepPointCount(from, to)); });

    // Everything is computed: store and show.
    const double stored[] = {
        ui::Stored(c.resistance), ui::Stored(c.inductance), ui::Stored(c.capacitance),
        ui::Stored(from),         ui::Stored(to),           ui::Stored(resonance ? resonance->f0 : 0)};
    Resistance = stored[0];
    Inductance = stored[1];
    Capacitance = stored[2];
    FromFrequency = stored[3];
    ToFrequency = stored[4];
    ResonantFrequency = stored[5];

    const QChar decimal = Decimal();
    const QString none = QStringLiteral("—"), unbounded = QStringLiteral("∞");
    if (resonance) {
        f0_->setText(pictures::SiText(double(resonance->f0), 5, decimal, QStringLiteral("Hz")));
        q_->setText(resonance->q ? core::FormatNumber(*resonance->q, core::FloatFormat::General, 5, 0,
                                                      core::CurrentSeparators())
                                 : unbounded);
        bandwidth_->setText(resonance->bandwidth ? pictures::SiText(double(*resonance->bandwidth), 5, decimal,
                                                                    QStringLiteral("Hz"))
                                                 : unbounded);
    } else {
        f0_->setText(none);
        q_->setText(none);
        bandwidth_->setText(none);
    }

    // The cursor stays on its frequency while that is still in range.
    std::optional<double> cursorAt;
    if (plot_->Data().cursor) cursorAt = plot_->Data().frequency[*plot_->Data().cursor];
    pictures::BodeData data;
    data.frequency.reserve(points.size());
    data.magnitude.reserve(points.size());
    data.phase.reserve(points.size());
    for (const formulas::ImpedancePoint& p : points) {
        data.frequency.push_back(double(p.frequency));
        data.magnitude.push_back(double(p.Magnitude()));
        data.phase.push_back(double(p.Phase()));
    }
    if (resonance) {
        data.f0 = double(resonance->f0);
        if (const auto edges = formulas::BandEdges(*resonance))
            data.band = std::make_pair(double(edges->first), double(edges->second));
    }
    points_ = std::move(points);
    pictures::BodeTexts texts = plot_->Texts();
    texts.decimal = decimal;
    plot_->SetTexts(texts);
    plot_->SetData(std::move(data));
    if (cursorAt && *cursorAt >= FromFrequency && *cursorAt <= ToFrequency)
        plot_->SetCursor(NearestPoint(plot_->Data().frequency, *cursorAt));
    ShowReadout();
}

void TFormFrequencyResponse::Recalculate() {
    try {
        Calculate();
    } catch (const core::Failure&) {
        // Not a whole value yet: the chart keeps what it showed; "=" reports the fault.
    }
}

void TFormFrequencyResponse::TopologyListChange() {
    EnableComponents();
    Recalculate();
}

void TFormFrequencyResponse::Button1Click() {
    Calculate();
}

void TFormFrequencyResponse::BitBtn1Click() {
    page_.Clear();
    points_.clear();
    plot_->SetData({});
    readout_->clear();
    rBox_->setFocus();
}

void TFormFrequencyResponse::BitBtn2Click() {
    if (points_.empty()) {
        ui::Message(this,
                    ui::Tr(QStringLiteral("Aucune courbe à imprimer"), QStringLiteral("No curve to print")));
        return;
    }
    printing::PreviewReport(QStringLiteral("TQRFrequencyResponse"), this);
}

void TFormFrequencyResponse::Button2Click() {
    if (points_.empty()) {
        ui::Message(this,
                    ui::Tr(QStringLiteral("Aucune courbe à exporter"), QStringLiteral("No curve to export")));
        return;
    }
    const QString file = QFileDialog::getSaveFileName(
        this, ui::Tr(QStringLiteral("Exporter"), QStringLiteral("Export")), QStringLiteral("reponse.svg"),
        QStringLiteral("SVG (*.svg);;PNG (*.png);;CSV (*.csv)"));
    if (!file.isEmpty()) ExportTo(file);
}

void TFormFrequencyResponse::ExportTo(const QString& fileName) {
    const QString suffix = fileName.section(QLatin1Char('.'), -1).toLower();
    bool written = false;
    if (suffix == QLatin1String("csv"))
        written = WriteText(fileName, SweepCsv(points_, core::CurrentSeparators(), ui::IsEnglish()));
    else if (suffix == QLatin1String("png"))
        written = WriteChartPng(fileName, *plot_);
    else
        written = WriteChartSvg(fileName, *plot_, windowTitle());
    if (!written)
        ui::ErrorBox(this, ui::Tr(QStringLiteral("Impossible d'écrire ") + fileName,
                                  QStringLiteral("Cannot write ") + fileName));
}

void TFormFrequencyResponse::ShowReadout() {
    const auto& d = plot_->Data();
    if (!d.cursor || points_.empty()) {
        readout_->setText(points_.empty()
                              ? QString()
                              : ui::Tr(QStringLiteral("Curseur : souris ou flèches sur la courbe"),
                                       QStringLiteral("Cursor: mouse or arrow keys on the chart")));
        return;
    }
    readout_->setText(ReadoutText(points_.at(std::size_t(*d.cursor)), Decimal(), ui::IsEnglish()));
}

void TFormFrequencyResponse::Fill(QLineEdit* box, ui::UnitList* unit, long double value) {
    const std::vector<Scale>& scales = ScalesOf(unit);
    // The unit that shows the smallest number of at least 1; a tinier value takes the finest unit.
    int chosen = 0;
    long double best = value;
    for (std::size_t i = 0; i < scales.size() && value != 0; ++i) {
        const long double v =
            scales[i].op == Op::Multiply ? value / scales[i].factor : value * scales[i].factor;
        const bool better = std::fabs(best) < 1 ? std::fabs(v) > std::fabs(best)
                                                : std::fabs(v) >= 1 && std::fabs(v) < std::fabs(best);
        if (better) {
            chosen = int(i);
            best = v;
        }
    }
    unit->setCurrentIndex(chosen);
    box->setText(core::FormatNumber(best, core::FloatFormat::General, 12, 0, core::CurrentSeparators()));
}

void TFormFrequencyResponse::TakeValues(const ui::ResponseValues& values) {
    topology_->setCurrentIndex(int(values.topology));
    EnableComponents();
    if (values.resistance)
        Fill(rBox_, rUnit_, *values.resistance);
    else if (formulas::UsesResistance(values.topology) && rBox_->text().isEmpty())
        Fill(rBox_, rUnit_, 0); // the bare reactance of the window it came from
    if (values.inductance) Fill(lBox_, lUnit_, *values.inductance);
    if (values.capacitance) Fill(cBox_, cUnit_, *values.capacitance);
    if (values.frequency) {
        Fill(fromBox_, fromUnit_, *values.frequency / 100);
        Fill(toBox_, toUnit_, *values.frequency * 100);
    } else {
        fromBox_->clear();
        toBox_->clear();
    }
    Recalculate();
    if (values.frequency) plot_->SetCursor(NearestPoint(plot_->Data().frequency, double(*values.frequency)));
}

OHMBRIX_REGISTER_TOOL(TFormFrequencyResponse, 10, "Réponse en fréquence…", "Frequency response…")

#include "impedance/FrequencyResponse.h"

#include "core/Failure.h"
#include "core/Regional.h"
#include "impedance/FrequencyResponseExport.h"
#include "impedance/ResponsePlot.h"
#include "printing/Preview.h"
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

} // namespace

QString ResponseTopologyText(Topology t, bool english) {
    return QString::fromUtf8(kTopologies[int(t)][english ? 1 : 0]);
}

TFormFrequencyResponse::TFormFrequencyResponse(QWidget* parent) : ui::Window(parent) {
    setObjectName(QStringLiteral("FormFrequencyResponse"));
    SetForm(QStringLiteral("Réponse en fréquence"), 790, 540, ui::kSilver);

    QGroupBox* circuit =
        ui::MakeGroup(this, "GroupBox1", QStringLiteral("Circuit"), 8, 8, 240, 152, ui::kSilver);
    std::vector<ui::UnitList::Unit> topologies;
    for (const auto& t : kTopologies)
        topologies.push_back({QString::fromUtf8(t[0]), Op::Multiply, 1});
    topology_ = ui::MakeUnitList(circuit, "TopologyList", 12, 22, 216, std::move(topologies));
    circuit_ = new ResponseCircuitView(circuit);
    circuit_->setObjectName(QStringLiteral("Image1"));
    ui::Place(circuit_, 12, 50, 216, 94);

    QGroupBox* values =
        ui::MakeGroup(this, "GroupBox2", QStringLiteral("Composants"), 8, 166, 240, 110, ui::kSilver);
    ui::MakeLabel(values, "Label1", QStringLiteral("R"), 16, 26, 20, 13);
    rBox_ = ui::MakeValueBox(values, "RBox", 40, 22, 100);
    rUnit_ = ui::MakeUnitList(values, "RUnit", 148, 22, 80, Units(kOhms));
    ui::MakeLabel(values, "Label2", QStringLiteral("L"), 16, 54, 20, 13);
    lBox_ = ui::MakeValueBox(values, "LBox", 40, 50, 100);
    lUnit_ = ui::MakeUnitList(values, "LUnit", 148, 50, 80, Units(kHenries));
    ui::MakeLabel(values, "Label3", QStringLiteral("C"), 16, 82, 20, 13);
    cBox_ = ui::MakeValueBox(values, "CBox", 40, 78, 100);
    cUnit_ = ui::MakeUnitList(values, "CUnit", 148, 78, 80, Units(kFarads));

    QGroupBox* range =
        ui::MakeGroup(this, "GroupBox3", QStringLiteral("Plage de fréquence"), 8, 282, 240, 82, ui::kSilver);
    ui::MakeLabel(range, "Label4", QStringLiteral("De"), 12, 26, 26, 13);
    fromBox_ = ui::MakeValueBox(range, "FromBox", 40, 22, 100);
    fromUnit_ = ui::MakeUnitList(range, "FromUnit", 148, 22, 80, Units(kHertz));
    ui::MakeLabel(range, "Label5", QStringLiteral("à"), 12, 54, 26, 13);
    toBox_ = ui::MakeValueBox(range, "ToBox", 40, 50, 100);
    toUnit_ = ui::MakeUnitList(range, "ToUnit", 148, 50, 80, Units(kHertz));

    QGroupBox* result =
        ui::MakeGroup(this, "GroupBox4", QStringLiteral("Résultat"), 8, 370, 240, 112, ui::kSilver);
    ui::MakeLabel(result, "Label6", QStringLiteral("f0 ="), 12, 26, 90, 13);
    f0_ = ui::MakeResultLabel(result, "F0Label", 108, 22, 120, 19);
    ui::MakeLabel(result, "Label7", QStringLiteral("Q ="), 12, 54, 90, 13);
    q_ = ui::MakeResultLabel(result, "QFactorLabel", 108, 50, 120, 19);
    ui::MakeLabel(result, "Label8", QStringLiteral("Bande passante"), 12, 82, 94, 13);
    bandwidth_ = ui::MakeResultLabel(result, "BandwidthLabel", 108, 78, 120, 19);

    QPushButton* reset = ui::MakeResetButton(this, "BitBtn1", 16, 494, 33, 25);
    QPushButton* equals = ui::MakeEqualsButton(this, "Button1", 60, 494, 65, 25);
    QPushButton* print = ui::MakePrintButton(this, "BitBtn2", 136, 494, 33, 25);
    QPushButton* exporter = ui::MakeButton(this, "Button2", QStringLiteral("Exporter"), 178, 494, 70, 25);

    plot_ = new ResponsePlot(this);
    plot_->setObjectName(QStringLiteral("PlotView"));
    ui::Place(plot_, 256, 8, 526, 476);
    readout_ = ui::MakeLabel(this, "ReadoutLabel", QString(), 256, 490, 526, 17);
    ui::MakeLabel(this, "Label9",
                  QStringLiteral("Calcul avec 2π exact ; la fenêtre de réactance capacitive utilise 6,28."),
                  256, 512, 526, 13);

    ui::SetTabOrder({topology_, rBox_, rUnit_, lBox_, lUnit_, cBox_, cUnit_, fromBox_, fromUnit_, toBox_,
                     toUnit_, reset, equals, print, exporter, plot_});

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
    ui::ApplyTexts(this, {{"GroupBox2", "Components"},
                          {"GroupBox3", "Frequency range"},
                          {"GroupBox4", "Result"},
                          {"Label4", "From"},
                          {"Label5", "to"},
                          {"Label8", "Bandwidth"},
                          {"Button2", "Export"},
                          {"Label9", "Computed with exact 2π; the capacitive reactance window uses 6.28."}});
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

#include "resistance/StandardValues.h"

#include "core/Failure.h"
#include "core/Regional.h"
#include "formulas/Combinations.h"
#include "formulas/StandardValues.h"
#include "pictures/resistance/StandardValuesPictures.h"
#include "printing/Preview.h"
#include "resistance/CodeResTables.h"
#include "resistance/StandardValuesReport.h"
#include "ui/CalculatorPage.h"
#include "ui/FormTable.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Registry.h"
#include "ui/Widgets.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QKeyEvent>
#include <algorithm>
#include <cmath>
#include <list>

using formulas::Combination;
using formulas::Form;
using formulas::Quantity;

namespace {

struct UnitRow {
    const char* item;
    long double factor;
    Quantity quantity;
};
const UnitRow kUnits[] = {
    {"Ω", 1.0L, Quantity::Resistance},    {"kΩ", 1e3L, Quantity::Resistance},
    {"MΩ", 1e6L, Quantity::Resistance},   {"pF", 1e-12L, Quantity::Capacitance},
    {"nF", 1e-9L, Quantity::Capacitance}, {"µF", 1e-6L, Quantity::Capacitance},
    {"mF", 1e-3L, Quantity::Capacitance}, {"nH", 1e-9L, Quantity::Inductance},
    {"µH", 1e-6L, Quantity::Inductance},  {"mH", 1e-3L, Quantity::Inductance},
    {"H", 1.0L, Quantity::Inductance},
};
const char* const kBaseUnit[] = {"Ω", "F", "H"};

// Values this far from the base unit are typing slips, not parts.
constexpr long double kLowest = 1e-15L;
constexpr long double kHighest = 1e15L;

const core::Separators& Seps() {
    return core::CurrentSeparators();
}

// In the largest unit of the quantity's list that the value reaches: "4,7 kΩ", "0,47 Ω".
QString WithUnit(long double value, Quantity quantity) {
    const UnitRow* chosen = nullptr;
    for (const UnitRow& u : kUnits) {
        if (u.quantity != quantity) continue;
        if (!chosen || value >= u.factor * (1 - 1e-12L)) chosen = &u;
    }
    return core::FormatNumber(value / chosen->factor, core::FloatFormat::General, 4, 0, Seps()) +
           QLatin1Char(' ') + QString::fromUtf8(chosen->item);
}

// "+2,53 %", "-0,0013 %", "-0,000051 %" (two figures at least, never an exponent), "0 %" for an
// exact value.
QString Percent(long double percent) {
    if (std::fabs(percent) < 1e-10L) return QStringLiteral("0 %");
    const int decimals = std::clamp(1 - static_cast<int>(std::floor(std::log10(std::fabs(percent)))), 2, 8);
    QString text = core::FormatNumber(percent, core::FloatFormat::Fixed, 18, decimals, Seps());
    if (percent > 0) text.prepend(QLatin1Char('+'));
    return text + QStringLiteral(" %");
}

// How the parts are wired: "—" in series, "∥" in parallel.
QString Expression(const Combination& c, Quantity q) {
    const QString a = WithUnit(c.parts[0], q), b = WithUnit(c.parts[1], q), d = WithUnit(c.parts[2], q);
    const QString s = QStringLiteral(" — "), p = QStringLiteral(" ∥ ");
    switch (c.form) {
    case Form::Single:
        return a + ui::Tr(QStringLiteral(" (une seule valeur)"), QStringLiteral(" (one part)"));
    case Form::Series2:
        return a + s + b;
    case Form::Parallel2:
        return a + p + b;
    case Form::Series3:
        return a + s + b + s + d;
    case Form::Parallel3:
        return a + p + b + p + d;
    case Form::SeriesInParallel:
        return QLatin1Char('(') + a + s + b + QLatin1Char(')') + p + d;
    case Form::ParallelInSeries:
        return QLatin1Char('(') + a + p + b + QLatin1Char(')') + s + d;
    }
    return QString();
}

QColor MultiplierColour(int power) {
    if (power == -2) return resistance::kRingSilver;
    if (power == -1) return resistance::k3DLight; // gold, as the colour-code window paints it
    return resistance::DigitColour(power);
}

QString MultiplierName(int power) {
    if (power == -2) return ui::Tr(QStringLiteral("Argent"), QStringLiteral("Silver"));
    if (power == -1) return ui::Tr(QStringLiteral("Or"), QStringLiteral("Gold"));
    return ui::IsEnglish() ? resistance::DigitNamesEnglish()[power] : resistance::DigitNamesFrench()[power];
}

// The tolerance ring of a series: none (20 %), silver, gold, red, brown, green.
struct ToleranceRing {
    long double percent;
    QColor colour;
    const char* french;
    const char* english;
};
const ToleranceRing kToleranceRings[] = {
    {20, QColor(), "", ""},
    {10, resistance::kRingSilver, "Argent", "Silver"},
    {5, resistance::k3DLight, "Or", "Gold"},
    {2, resistance::DigitColour(2), "Rouge", "Red"},
    {1, resistance::DigitColour(1), "Brun", "Brown"},
    {0.5L, resistance::DigitColour(5), "Vert", "Green"},
};

// The window's own colours, so that a dark platform theme leaves its text readable.
void FormColours(QWidget* w) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, ui::kBtnFace);
    p.setColor(QPalette::WindowText, Qt::black);
    p.setColor(QPalette::Base, ui::kWhite);
    p.setColor(QPalette::Text, Qt::black);
    p.setColor(QPalette::Button, ui::kBtnFace);
    p.setColor(QPalette::ButtonText, Qt::black);
    w->setPalette(p);
}

namespace form = ui::form;

std::vector<ui::UnitList::Unit> UnitItems() {
    std::vector<ui::UnitList::Unit> units;
    for (const UnitRow& u : kUnits)
        units.push_back({QString::fromUtf8(u.item), ui::UnitList::Op::Multiply, u.factor});
    return units;
}

std::vector<ui::UnitList::Unit> SeriesItems() {
    std::vector<ui::UnitList::Unit> series;
    for (formulas::Series s : formulas::kAllSeries)
        series.push_back({QLatin1String(formulas::SeriesName(s)), ui::UnitList::Op::Multiply, 1.0L});
    return series;
}

// The names of the combination rows, made once for the program's life.
const char* RowName(const char* prefix, const char* part, int row) {
    static std::list<QByteArray> names;
    names.push_back(QByteArray(prefix) + part + QByteArray::number(row));
    return names.back().constData();
}

constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;

// A heading, then five rows of wiring, sum and deviation.
void AddCombinationRows(std::vector<ui::FormRow>& rows, const char* headingName, const QString& french,
                        const QString& english, const char* prefix, int top) {
    rows.push_back(form::Label(headingName, "GroupBox4", {10, top, 300, 18}, french, english).Bold());
    for (int i = 1; i <= 5; ++i) {
        const int rowTop = top + i * 22;
        rows.push_back(
            form::Label(RowName(prefix, "Label", i), "GroupBox4", {20, rowTop, 330, 18}, QString()));
        rows.push_back(
            form::Label(RowName(prefix, "ValueLabel", i), "GroupBox4", {356, rowTop, 130, 18}, QString()));
        rows.push_back(
            form::Label(RowName(prefix, "ErrorLabel", i), "GroupBox4", {490, rowTop, 100, 18}, QString())
                .Align(kRight));
    }
}

const ui::FormTable kForm = [] {
    std::vector<ui::FormRow> rows{
        form::Group("GroupBox1", nullptr, {8, 6, 604, 78}, QStringLiteral("Valeur"), QStringLiteral("Value"),
                    ui::kBtnFace),
        form::Label("Label1", "GroupBox1", {12, 24, 66, 21}, QStringLiteral("Valeur :"),
                    QStringLiteral("Value:"))
            .For("ValueBox"),
        form::Box("ValueBox", "GroupBox1", {80, 24, 120, 21}).Says("Valeur", "Value"),
        form::Units("UnitList", "GroupBox1", {206, 24, 70, 0}, UnitItems()).For("ValueBox"),
        form::Label("Label2", "GroupBox1", {294, 24, 54, 21}, QStringLiteral("Série :"),
                    QStringLiteral("Series:"))
            .For("SeriesList"),
        form::Units("SeriesList", "GroupBox1", {350, 24, 70, 0}, SeriesItems()).Says("Série", "Series"),
        form::Print("PrintButton", "GroupBox1", {560, 20, 34, 26}),
        form::Label("MessageLabel", "GroupBox1", {12, 53, 580, 18}, QString()).Ink(QColor(176, 0, 0)),

        form::Group("GroupBox2", nullptr, {8, 90, 300, 172}, QStringLiteral("Valeurs normalisées"),
                    QStringLiteral("Standard values"), ui::kBtnFace),
        form::Label("Label3", "GroupBox2", {10, 24, 96, 20}, QStringLiteral("La plus proche"),
                    QStringLiteral("Nearest"))
            .For("NearestLabel"),
        form::Result("NearestLabel", "GroupBox2", {110, 24, 100, 20}).Says("La plus proche", "Nearest"),
        form::Label("ErrorLabelNearest", "GroupBox2", {214, 24, 80, 20}, QString()).Align(kRight),
        form::Label("Label4", "GroupBox2", {10, 52, 96, 20}, QStringLiteral("Inférieure"),
                    QStringLiteral("Below"))
            .For("BelowLabel"),
        form::Result("BelowLabel", "GroupBox2", {110, 52, 100, 20}).Says("Inférieure", "Below"),
        form::Label("ErrorLabelBelow", "GroupBox2", {214, 52, 80, 20}, QString()).Align(kRight),
        form::Label("Label5", "GroupBox2", {10, 80, 96, 20}, QStringLiteral("Supérieure"),
                    QStringLiteral("Above"))
            .For("AboveLabel"),
        form::Result("AboveLabel", "GroupBox2", {110, 80, 100, 20}).Says("Supérieure", "Above"),
        form::Label("ErrorLabelAbove", "GroupBox2", {214, 80, 80, 20}, QString()).Align(kRight),
        form::Label("Label6", "GroupBox2", {10, 112, 96, 20}, QStringLiteral("Tolérance"),
                    QStringLiteral("Tolerance"))
            .For("ToleranceLabel"),
        form::Label("ToleranceLabel", "GroupBox2", {110, 112, 184, 20}, QString()),
        form::Label("Label7", "GroupBox2", {10, 138, 96, 20}, QStringLiteral("Plage"),
                    QStringLiteral("Range"))
            .For("RangeLabel"),
        form::Label("RangeLabel", "GroupBox2", {110, 138, 184, 20}, QString()),

        form::Group("GroupBox3", nullptr, {316, 90, 296, 172}, QStringLiteral("Marquage"),
                    QStringLiteral("Marking"), ui::kBtnFace),
        // The rings of the nearest value, drawn at each change.
        form::Label("RingsImage", "GroupBox3", {10, 20, 276, 71}, QString())
            .Says("Anneaux de la valeur la plus proche", "Rings of the nearest value"),
        form::Label("Label8", "GroupBox3", {10, 96, 66, 20}, QStringLiteral("Anneaux"),
                    QStringLiteral("Rings"))
            .For("RingsLabel"),
        form::Label("RingsLabel", "GroupBox3", {80, 96, 210, 20}, QString()),
        form::Label("Label9", "GroupBox3", {10, 120, 66, 20}, QStringLiteral("CMS"), QStringLiteral("SMD"))
            .For("SmdLabel"),
        form::Label("SmdLabel", "GroupBox3", {80, 120, 210, 20}, QString()),
        form::Label("Label10", "GroupBox3", {10, 144, 66, 20}, QStringLiteral("EIA-96")).For("EiaLabel"),
        form::Label("EiaLabel", "GroupBox3", {80, 144, 210, 20}, QString()),
        form::Label("MarkingNote", "GroupBox3", {10, 78, 276, 18},
                    QStringLiteral("Anneaux et marquage : résistances seulement."),
                    QStringLiteral("Rings and marking: resistors only."))
            .Align(Qt::AlignCenter),

        form::Group("GroupBox4", nullptr, {8, 268, 604, 314}, QStringLiteral("Combinaisons"),
                    QStringLiteral("Combinations"), ui::kBtnFace),
        form::Label("Label11", "GroupBox4", {330, 22, 0, 0},
                    QStringLiteral("—  en série        ∥  en parallèle"),
                    QStringLiteral("—  in series        ∥  in parallel")),
    };
    AddCombinationRows(rows, "Label12", QStringLiteral("Deux composants"), QStringLiteral("Two parts"),
                       "TwoPart", 24);
    AddCombinationRows(rows, "Label13", QStringLiteral("Trois composants"), QStringLiteral("Three parts"),
                       "ThreePart", 168);
    return ui::FormTable{std::move(rows), {"ValueBox", "UnitList", "SeriesList", "PrintButton"}};
}();

} // namespace

TFormStandardValues::TFormStandardValues(QWidget* parent) : ui::Window(parent) {
    setObjectName(QStringLiteral("FormStandardValues"));
    SetForm(QStringLiteral("Valeurs normalisées"), 620, 590, ui::kBtnFace);
    FormColours(this);

    const ui::FormParts parts = ui::BuildForm(this, kForm);
    value_ = parts.Get<ui::ValueBox>("ValueBox");
    unit_ = parts.Get<ui::UnitList>("UnitList");
    series_ = parts.Get<ui::UnitList>("SeriesList");
    print_ = parts.Get<QPushButton>("PrintButton");
    message_ = parts.Get<QLabel>("MessageLabel");
    nearest_ = parts.Get<QLabel>("NearestLabel");
    below_ = parts.Get<QLabel>("BelowLabel");
    above_ = parts.Get<QLabel>("AboveLabel");
    nearestError_ = parts.Get<QLabel>("ErrorLabelNearest");
    belowError_ = parts.Get<QLabel>("ErrorLabelBelow");
    aboveError_ = parts.Get<QLabel>("ErrorLabelAbove");
    tolerance_ = parts.Get<QLabel>("ToleranceLabel");
    range_ = parts.Get<QLabel>("RangeLabel");
    marking_ = parts.Get<QGroupBox>("GroupBox3");
    ringsPicture_ = parts.Get<QLabel>("RingsImage");
    rings_ = parts.Get<QLabel>("RingsLabel");
    smd_ = parts.Get<QLabel>("SmdLabel");
    eia_ = parts.Get<QLabel>("EiaLabel");
    markingNote_ = parts.Get<QLabel>("MarkingNote");
    for (int i = 0; i < 5; ++i) {
        const auto row = [&](const char* name) {
            return parts.Get<QLabel>((name + QByteArray::number(i + 1)).constData());
        };
        twoParts_[i] = row("TwoPartLabel");
        twoValues_[i] = row("TwoPartValueLabel");
        twoErrors_[i] = row("TwoPartErrorLabel");
        threeParts_[i] = row("ThreePartLabel");
        threeValues_[i] = row("ThreePartValueLabel");
        threeErrors_[i] = row("ThreePartErrorLabel");
    }

    copyAll_ = new QAction(QStringLiteral("Copier tout"), this);
    copyAll_->setObjectName(QStringLiteral("CopyAll"));
    copyAll_->setShortcut(QKeySequence::Copy);
    copyAll_->setShortcutContext(Qt::WindowShortcut);
    addAction(copyAll_);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    value_->installEventFilter(this);

    ui::On(value_, &QLineEdit::textChanged, this, [this] { ValueBoxChange(); });
    ui::On(unit_, &QComboBox::activated, this, [this] { UnitListChange(); });
    ui::On(series_, &QComboBox::activated, this, [this] { SeriesListChange(); });
    ui::On(print_, &QPushButton::clicked, this, [this] { PrintButtonClick(); });
    ui::On(copyAll_, &QAction::triggered, this, [this] { CopyAllClick(); });
}

void TFormStandardValues::FormCreate() {
    unit_->setCurrentIndex(0);
    series_->setCurrentIndex(3); // E24
    Recompute();
}

void TFormStandardValues::FormActivate() {
    if (ui::IsEnglish()) {
        setWindowTitle(QStringLiteral("Standard values"));
        ui::ApplyEnglish(this, kForm);
        copyAll_->setText(QStringLiteral("Copy all"));
    }
    Recompute(); // the results' own words follow the language
}

void TFormStandardValues::ValueBoxChange() {
    Recompute();
}

void TFormStandardValues::UnitListChange() {
    Recompute();
}

void TFormStandardValues::SeriesListChange() {
    Recompute();
}

void TFormStandardValues::PrintButtonClick() {
    printing::PreviewReport(QStringLiteral("TQRStandardValues"), this);
}

void TFormStandardValues::CopyAllClick() {
    QApplication::clipboard()->setText(resistance::StandardValuesLines(this).join(QLatin1Char('\n')) +
                                       QLatin1Char('\n'));
}

bool TFormStandardValues::eventFilter(QObject* watched, QEvent* e) {
    // Ctrl+C in the box copies its selection, or the results when nothing is selected (the box's
    // key filter would take it as a character and drop it).
    if (watched == value_ && e->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(e)->matches(QKeySequence::Copy)) {
        if (value_->hasSelectedText())
            value_->copy();
        else
            CopyAllClick();
        return true;
    }
    return ui::Window::eventFilter(watched, e);
}

void TFormStandardValues::ClearResults(const QString& why) {
    Value = 0;
    Nearest = 0;
    message_->setText(why);
    for (QLabel* l : {nearest_, below_, above_, nearestError_, belowError_, aboveError_, tolerance_, range_,
                      rings_, smd_, eia_})
        l->clear();
    for (const auto* row : {&twoParts_, &twoValues_, &twoErrors_, &threeParts_, &threeValues_, &threeErrors_})
        for (QLabel* l : *row)
            l->clear();
    ringsPicture_->clear();
    ringColours_.clear();
    print_->setEnabled(false);
}

void TFormStandardValues::Recompute() {
    const int unitIndex = std::max(0, unit_->currentIndex());
    const Quantity quantity = kUnits[unitIndex].quantity;
    const bool resistor = quantity == Quantity::Resistance;
    for (QWidget* w : marking_->findChildren<QWidget*>())
        w->setVisible(resistor != (w == markingNote_));

    if (value_->text().trimmed().isEmpty()) return ClearResults(QString());
    long double x = 0;
    try {
        x = ui::CalculatorPage::Read(value_, unit_);
    } catch (const core::Failure&) {
        return ClearResults(
            ui::Tr(QStringLiteral("« %1 » n'est pas un nombre."), QStringLiteral("\"%1\" is not a number."))
                .arg(value_->text()));
    }
    if (!(x > 0))
        return ClearResults(ui::Tr(QStringLiteral("La valeur doit être supérieure à zéro."),
                                   QStringLiteral("The value must be greater than zero.")));
    if (x < kLowest || x > kHighest) {
        const QString unit = QString::fromUtf8(kBaseUnit[static_cast<int>(quantity)]);
        return ClearResults(ui::Tr(QStringLiteral("La valeur doit être comprise entre 1E-15 et 1E15 %1."),
                                   QStringLiteral("The value must lie between 1E-15 and 1E15 %1."))
                                .arg(unit));
    }

    const formulas::Series series = formulas::kAllSeries[std::max(0, series_->currentIndex())];
    const formulas::Neighbours n = formulas::FindNeighbours(x, series);
    const long double nearest = n.nearest.Value();
    Value = static_cast<double>(x);
    Nearest = static_cast<double>(nearest);
    message_->clear();
    print_->setEnabled(true);
    nearest_->setText(WithUnit(nearest, quantity));
    below_->setText(WithUnit(n.below.Value(), quantity));
    above_->setText(WithUnit(n.above.Value(), quantity));
    nearestError_->setText(Percent(formulas::DeviationPercent(nearest, x)));
    belowError_->setText(Percent(formulas::DeviationPercent(n.below.Value(), x)));
    aboveError_->setText(Percent(formulas::DeviationPercent(n.above.Value(), x)));

    const formulas::SeriesTolerance t = formulas::Tolerance(series);
    const QString percent = core::FormatNumber(t.percent, core::FloatFormat::General, 4, 0, Seps());
    tolerance_->setText(
        t.over ? ui::Tr(QStringLiteral("plus de ± %1 %"), QStringLiteral("over ± %1 %")).arg(percent)
               : QStringLiteral("± %1 %").arg(percent));
    const QString low = WithUnit(nearest * (1 - t.percent / 100), quantity);
    const QString high = WithUnit(nearest * (1 + t.percent / 100), quantity);
    range_->setText((t.over ? ui::Tr(QStringLiteral("au-delà de %1 à %2"), QStringLiteral("beyond %1 to %2"))
                            : ui::Tr(QStringLiteral("%1 à %2"), QStringLiteral("%1 to %2")))
                        .arg(low, high));

    if (resistor) {
        const int figures = formulas::SignificantFigures(series);
        const formulas::RingCode code = formulas::Rings(n.nearest, figures);
        ringColours_.clear();
        QStringList names;
        for (int f : code.figures) {
            ringColours_ << resistance::DigitColour(f);
            names << (ui::IsEnglish() ? resistance::DigitNamesEnglish() : resistance::DigitNamesFrench())[f];
        }
        if (code.figures.empty()) {
            ringsPicture_->clear();
            rings_->setText(ui::Tr(QStringLiteral("aucun anneau pour cette valeur"),
                                   QStringLiteral("no rings for this value")));
        } else {
            ringColours_ << MultiplierColour(code.power);
            names << MultiplierName(code.power);
            for (const ToleranceRing& r : kToleranceRings) {
                if (r.percent != t.percent) continue;
                ringColours_ << r.colour;
                if (*r.french) names << ui::Tr(QString::fromUtf8(r.french), QString::fromUtf8(r.english));
            }
            ringsPicture_->setPixmap(
                QPixmap::fromImage(pictures::RingedResistorPicture(ringsPicture_->size(), ringColours_)));
            rings_->setText(names.join(QStringLiteral(", ")));
        }
        const QString smd = formulas::SmdCode(n.nearest, figures);
        smd_->setText(smd.isEmpty() ? QStringLiteral("—") : smd);
        const QString eia = figures == 3 ? formulas::Eia96Code(n.nearest) : QString();
        eia_->setText(eia.isEmpty() ? QStringLiteral("—") : eia);
    } else {
        ringsPicture_->clear();
        ringColours_.clear();
        for (QLabel* l : {rings_, smd_, eia_})
            l->clear();
    }

    const std::vector<double> parts =
        formulas::CombinationValues(series, formulas::CombinationSpan(quantity));
    const formulas::Search search{quantity, static_cast<double>(x), parts,
                                  static_cast<double>(t.percent / 100)};
    auto fill = [&](const std::vector<Combination>& found, std::array<QLabel*, 5>& exprs,
                    std::array<QLabel*, 5>& sums, std::array<QLabel*, 5>& errors) {
        for (std::size_t i = 0; i < exprs.size(); ++i) {
            const bool shown = i < found.size();
            exprs[i]->setText(shown ? Expression(found[i], quantity) : QString());
            sums[i]->setText(shown ? QStringLiteral("= ") + WithUnit(found[i].value, quantity) : QString());
            errors[i]->setText(shown ? Percent(found[i].deviation * 100.0L) : QString());
        }
    };
    fill(formulas::BestTwoParts(search), twoParts_, twoValues_, twoErrors_);
    fill(formulas::BestThreeParts(search), threeParts_, threeValues_, threeErrors_);
}

OHMBRIX_REGISTER_TOOL(TFormStandardValues, 20, "Valeurs normalisées…", "Standard values…")

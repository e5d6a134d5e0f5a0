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

} // namespace

TFormStandardValues::TFormStandardValues(QWidget* parent) : ui::Window(parent) {
    setObjectName(QStringLiteral("FormStandardValues"));
    SetForm(QStringLiteral("Valeurs normalisées"), 620, 590, ui::kBtnFace);
    FormColours(this);

    QGroupBox* input =
        ui::MakeGroup(this, "GroupBox1", QStringLiteral("Valeur"), 8, 6, 604, 78, ui::kBtnFace);
    ui::MakeLabel(input, "Label1", QStringLiteral("Valeur :"), 12, 24, 66, 21);
    value_ = ui::MakeValueBox(input, "ValueBox", 80, 24, 120);
    std::vector<ui::UnitList::Unit> units;
    for (const UnitRow& u : kUnits)
        units.push_back({QString::fromUtf8(u.item), ui::UnitList::Op::Multiply, u.factor});
    unit_ = ui::MakeUnitList(input, "UnitList", 206, 24, 70, units);
    ui::MakeLabel(input, "Label2", QStringLiteral("Série :"), 294, 24, 54, 21);
    std::vector<ui::UnitList::Unit> series;
    for (formulas::Series s : formulas::kAllSeries)
        series.push_back({QLatin1String(formulas::SeriesName(s)), ui::UnitList::Op::Multiply, 1.0L});
    series_ = ui::MakeUnitList(input, "SeriesList", 350, 24, 70, series);
    print_ = ui::MakePrintButton(input, "PrintButton", 560, 20, 34, 26);
    message_ = ui::MakeLabel(input, "MessageLabel", QString(), 12, 53, 580, 18);
    ui::SetTextColour(message_, QColor(176, 0, 0));

    QGroupBox* values = ui::MakeGroup(this, "GroupBox2", QStringLiteral("Valeurs normalisées"), 8, 90, 300,
                                      172, ui::kBtnFace);
    const struct {
        const char* caption;
        const char* name;
        const char* value;
        const char* error;
        QLabel** label;
        QLabel** errorLabel;
    } rows[] = {
        {"La plus proche", "Label3", "NearestLabel", "ErrorLabelNearest", &nearest_, &nearestError_},
        {"Inférieure", "Label4", "BelowLabel", "ErrorLabelBelow", &below_, &belowError_},
        {"Supérieure", "Label5", "AboveLabel", "ErrorLabelAbove", &above_, &aboveError_},
    };
    int y = 24;
    for (const auto& r : rows) {
        ui::MakeLabel(values, r.name, QString::fromUtf8(r.caption), 10, y, 96, 20);
        *r.label = ui::MakeResultLabel(values, r.value, 110, y, 100, 20);
        *r.errorLabel = ui::MakeLabel(values, r.error, QString(), 214, y, 80, 20);
        (*r.errorLabel)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        y += 28;
    }
    ui::MakeLabel(values, "Label6", QStringLiteral("Tolérance"), 10, 112, 96, 20);
    tolerance_ = ui::MakeLabel(values, "ToleranceLabel", QString(), 110, 112, 184, 20);
    ui::MakeLabel(values, "Label7", QStringLiteral("Plage"), 10, 138, 96, 20);
    range_ = ui::MakeLabel(values, "RangeLabel", QString(), 110, 138, 184, 20);

    marking_ = ui::MakeGroup(this, "GroupBox3", QStringLiteral("Marquage"), 316, 90, 296, 172, ui::kBtnFace);
    ringsPicture_ = ui::MakeLabel(marking_, "RingsImage", QString(), 10, 20, 276, 71);
    ui::MakeLabel(marking_, "Label8", QStringLiteral("Anneaux"), 10, 96, 66, 20);
    rings_ = ui::MakeLabel(marking_, "RingsLabel", QString(), 80, 96, 210, 20);
    ui::MakeLabel(marking_, "Label9", QStringLiteral("CMS"), 10, 120, 66, 20);
    smd_ = ui::MakeLabel(marking_, "SmdLabel", QString(), 80, 120, 210, 20);
    ui::MakeLabel(marking_, "Label10", QStringLiteral("EIA-96"), 10, 144, 66, 20);
    eia_ = ui::MakeLabel(marking_, "EiaLabel", QString(), 80, 144, 210, 20);
    markingNote_ =
        ui::MakeLabel(marking_, "MarkingNote", QStringLiteral("Anneaux et marquage : résistances seulement."),
                      10, 78, 276, 18);
    markingNote_->setAlignment(Qt::AlignCenter);

    QGroupBox* combos =
        ui::MakeGroup(this, "GroupBox4", QStringLiteral("Combinaisons"), 8, 268, 604, 314, ui::kBtnFace);
    ui::MakeLabel(combos, "Label11", QStringLiteral("—  en série        ∥  en parallèle"), 330, 22);
    auto makeRows = [&](const char* heading, const char* headingName, const char* prefix, int top,
                        std::array<QLabel*, 5>& parts, std::array<QLabel*, 5>& sums,
                        std::array<QLabel*, 5>& errors) {
        QLabel* h = ui::MakeLabel(combos, headingName, QString::fromUtf8(heading), 10, top, 300, 18);
        QFont bold = h->font();
        bold.setBold(true);
        h->setFont(bold);
        for (int i = 0; i < 5; ++i) {
            const int rowTop = top + 22 + i * 22;
            const QByteArray n = QByteArray::number(i + 1);
            parts[i] = ui::MakeLabel(combos, QByteArray(prefix + QByteArray("Label") + n).constData(),
                                     QString(), 20, rowTop, 330, 18);
            sums[i] = ui::MakeLabel(combos, QByteArray(prefix + QByteArray("ValueLabel") + n).constData(),
                                    QString(), 356, rowTop, 130, 18);
            errors[i] = ui::MakeLabel(combos, QByteArray(prefix + QByteArray("ErrorLabel") + n).constData(),
                                      QString(), 490, rowTop, 100, 18);
            errors[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
    };
    makeRows("Deux composants", "Label12", "TwoPart", 24, twoParts_, twoValues_, twoErrors_);
    makeRows("Trois composants", "Label13", "ThreePart", 168, threeParts_, threeValues_, threeErrors_);

    copyAll_ = new QAction(QStringLiteral("Copier tout"), this);
    copyAll_->setObjectName(QStringLiteral("CopyAll"));
    copyAll_->setShortcut(QKeySequence::Copy);
    copyAll_->setShortcutContext(Qt::WindowShortcut);
    addAction(copyAll_);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    value_->installEventFilter(this);

    ui::SetTabOrder({value_, unit_, series_, print_});
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
        ui::ApplyTexts(this, {{"GroupBox1", "Value"},
                              {"Label1", "Value:"},
                              {"Label2", "Series:"},
                              {"GroupBox2", "Standard values"},
                              {"Label3", "Nearest"},
                              {"Label4", "Below"},
                              {"Label5", "Above"},
                              {"Label6", "Tolerance"},
                              {"Label7", "Range"},
                              {"GroupBox3", "Marking"},
                              {"Label8", "Rings"},
                              {"Label9", "SMD"},
                              {"MarkingNote", "Rings and marking: resistors only."},
                              {"GroupBox4", "Combinations"},
                              {"Label11", "—  in series        ∥  in parallel"},
                              {"Label12", "Two parts"},
                              {"Label13", "Three parts"}});
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

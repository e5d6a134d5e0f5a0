#include "impedance/CircuitSerieLRC.h"

#include "core/FloatGuard.h"
#include "core/Numbers.h"
#include "core/Regional.h"
#include "pictures/Glyphs.h"
#include "pictures/impedance/CircuitSerieLRCPictures.h"
#include "printing/Preview.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Widgets.h"

#include <QFrame>
#include <QGroupBox>
#include <cmath>

using Op = ui::UnitList::Op;

namespace {

const QColor kLime{0x00, 0xFF, 0x00};
// The full extended-precision pi, not the 3.14 some of the other windows use.
constexpr long double kPi = 3.141592653589793238462643383279502884L;

QLabel* MakeFixedUnit(QWidget* parent, const char* name, const QString& text, int x, int y) {
    QLabel* label = ui::MakeLabel(parent, name, text, x, y, 41, 17);
    label->setAlignment(Qt::AlignCenter);
    ui::SetBackground(label, kLime);
    return label;
}

} // namespace

TFormSerieRLC::TFormSerieRLC(QWidget* parent) : ui::Window(parent) {
    setObjectName(QStringLiteral("FormSerieRLC"));
    SetForm(QStringLiteral("Impédance en circuit série RLC"), 547, 275, ui::kSilver);

    QFrame* panel = ui::MakePanel(this, "Panel1", 3, 0, 318, 273, ui::kSilver);
    QFrame* circuit = ui::MakePanel(panel, "Panel2", 6, 8, 305, 105, ui::kWhite);
    ui::MakePicture(circuit, "Image1", pictures::SerieRLCCircuit(), 8, 8, 289, 89);
    ui::MakePicture(panel, "Image2", pictures::SerieRLCImpedance(), 16, 120, 169, 49);
    ui::MakePicture(panel, "Image9", pictures::SerieRLCPhase(), 216, 120, 89, 49);
    const QSize symbol(33, 17);
    ui::MakePicture(panel, "Image3", pictures::LegendSymbol(QStringLiteral("R ="), symbol), 88, 176, 33, 17);
    ui::MakeLabel(panel, "Label1", QStringLiteral("Résistance  en Ohms"), 120, 176, 0, 13);
    ui::MakePicture(panel, "Image4", pictures::LegendSymbol(QStringLiteral("X_{L} ="), symbol), 88, 200, 33,
                    17);
    ui::MakeLabel(panel, "Label2", QStringLiteral("Réactance inductive en Ohms"), 120, 200, 0, 13);
    ui::MakePicture(panel, "Image5", pictures::LegendSymbol(QStringLiteral("X_{C} ="), symbol), 88, 224, 33,
                    17);
    ui::MakeLabel(panel, "Label3", QStringLiteral("Réactance capacitive en Ohms"), 120, 224, 0, 13);
    ui::MakePicture(panel, "Image6", pictures::LegendSymbol(QStringLiteral("Z ="), symbol), 88, 248, 33, 17);
    ui::MakeLabel(panel, "Label4", QStringLiteral("Impédance en Ohms"), 120, 248, 0, 13);

    QGroupBox* calc =
        ui::MakeGroup(this, "GroupBox1", QStringLiteral("Résultat"), 328, 0, 217, 273, ui::kSilver);
    ui::MakeLabel(calc, "Label5", QStringLiteral("Résistance "), 9, 20, 56, 13);
    edit1_ = ui::MakeValueBox(calc, "Edit1", 80, 16, 65, 19);
    resistanceUnit_ = ui::MakeUnitList(
        calc, "ComboBox1", 144, 16, 66,
        {{QStringLiteral("Ohms"), Op::Multiply, 1.0L}, {QStringLiteral("kOhms"), Op::Multiply, 1000.0L}});
    ui::MakeLabel(calc, "Label6", QStringLiteral("Réactance Xl (Ohms)"), 8, 50, 115, 13);
    edit2_ = ui::MakeValueBox(calc, "Edit2", 128, 48, 73, 17);
    ui::MakeLabel(calc, "Label7", QStringLiteral("Réactance Xc (Ohms)"), 8, 82, 115, 13);
    edit3_ = ui::MakeValueBox(calc, "Edit3", 128, 80, 73, 17);

    ui::MakePicture(calc, "Image7", pictures::LegendSymbol(QStringLiteral("Z ="), symbol), 16, 112, 33, 17);
    impedance_ = ui::MakeResultLabel(calc, "Label10", 48, 112, 105, 17);
    MakeFixedUnit(calc, "Label11", QStringLiteral("Ohms"), 160, 112);
    ui::MakePicture(calc, "Image8", pictures::LegendSymbol(QStringLiteral("\\theta ="), symbol), 16, 136, 33,
                    17);
    phase_ = ui::MakeResultLabel(calc, "Label12", 48, 136, 105, 17);
    MakeFixedUnit(calc, "Label13", QStringLiteral("Degrés"), 160, 136);

    QPushButton* reset = ui::MakeResetButton(calc, "BitBtn1", 32, 192, 25, 25);
    QPushButton* equals = ui::MakeEqualsButton(calc, "Button1", 80, 192, 57, 25);
    QPushButton* print = ui::MakePrintButton(calc, "BitBtn2", 160, 192, 28, 25);

    ui::SetTabOrder({edit1_, resistanceUnit_, edit2_, edit3_, reset, equals, print});

    ui::On(equals, &QPushButton::clicked, this, [this] { Button1Click(); });
    ui::On(resistanceUnit_, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    ui::On(reset, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    ui::On(print, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
}

void TFormSerieRLC::FormCreate() {
    resistanceUnit_->setCurrentIndex(0);
}

void TFormSerieRLC::FormActivate() {
    if (!ui::IsEnglish()) return;
    setWindowTitle(QStringLiteral("Impedance in series RCL"));
    const std::pair<const char*, const char*> texts[] = {
        {"Label1", "Resistance"},           {"Label2", "Inductive reactance"},
        {"Label3", "Capacitice reactance"}, {"Label4", "Impedance"},
        {"Label5", "Resistance"},           {"Label6", "Reactance Xl (Ohms)"},
        {"Label7", "Reactance Xc (Ohms)"},  {"Label13", "Degree"},
    };
    for (const auto& [name, text] : texts)
        findChild<QLabel*>(QLatin1String(name))->setText(QLatin1String(text));
    findChild<QGroupBox*>(QStringLiteral("GroupBox1"))->setTitle(QStringLiteral("Calculator"));
}

void TFormSerieRLC::Calculate() {
    const core::Separators& seps = core::CurrentSeparators();
    core::FloatGuard guard;
    // Each value is stored as soon as it converts, so a failing box leaves the earlier ones set.
    Resistance = static_cast<double>(core::ParseNumber(edit1_->text(), seps));
    guard.check();
    InductiveReactance = static_cast<double>(core::ParseNumber(edit2_->text(), seps));
    guard.check();
    CapacitiveReactance = static_cast<double>(core::ParseNumber(edit3_->text(), seps));
    guard.check();
    Resistance = static_cast<double>(resistanceUnit_->Scale(Resistance));
    guard.check();

    const long double r = Resistance;
    const long double x = static_cast<long double>(InductiveReactance) - CapacitiveReactance;
    Impedance = static_cast<double>(std::sqrt(r * r + x * x));
    guard.check();
    // The one-argument arctangent: R = 0 fails here (x / 0, or 0 / 0 when XL = XC).
    PhaseAngle = static_cast<double>(std::atan(x / r) * 180.0L / kPi);
    guard.check();

    impedance_->setText(core::FormatNumber(Impedance, core::FloatFormat::Number, 10, 4, seps));
    phase_->setText(core::FormatNumber(PhaseAngle, core::FloatFormat::Number, 10, 4, seps));
}

void TFormSerieRLC::Button1Click() {
    Calculate();
}

void TFormSerieRLC::ComboBox1Change() {
    if (!edit1_->text().isEmpty() && !edit2_->text().isEmpty() && !edit3_->text().isEmpty()) Calculate();
}

void TFormSerieRLC::BitBtn1Click() {
    edit1_->clear();
    edit2_->clear();
    edit3_->clear();
    impedance_->clear();
    phase_->clear();
    PhaseAngle = Resistance = InductiveReactance = CapacitiveReactance = Impedance = 0;
}

void TFormSerieRLC::BitBtn2Click() {
    printing::PreviewReport(QStringLiteral("TQRImpSerieRLC"), this);
}

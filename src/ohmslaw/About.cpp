#include "ohmslaw/About.h"

#include "core/KeyFilter.h"
#include "core/Numbers.h"
#include "core/Regional.h"
#include "formulas/OhmsLaw.h"
#include "pictures/Palette.h"
#include "pictures/ohmslaw/OhmsLawPictures.h"
#include "printing/Preview.h"
#include "ui/CalculatorPage.h"
#include "ui/Density.h"
#include "ui/FormTable.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Messages.h"
#include "ui/Pictures.h"
#include "ui/Registry.h"
#include "ui/Widgets.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>

using ohmslaw::Quantity;
namespace art = pictures::ohmslaw;

namespace {

using palette::k3DLight;
using palette::kAqua;
using palette::kRed;

// The ink of a black-on-white picture as black with coverage alpha: white becomes see-through
// and the letters keep their smooth edges on any panel colour.
QPixmap SeeThrough(const QImage& picture) {
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            line[x] = qRgba(0, 0, 0, 255 - qGray(line[x]));
    }
    return QPixmap::fromImage(out);
}

} // namespace

// Both faces of a formula button from its picture, the one showing kept as it is (pressed or not).
void TAboutBox::ShowButtonPicture(Button& b, const QImage& picture) {
    b.opaque = QPixmap::fromImage(picture);
    b.transparent = SeeThrough(picture);
    b.picture->setPixmap(b.panel->frameShadow() == QFrame::Sunken ? b.opaque : b.transparent);
}

namespace {

// The form's 15-pixel type, made smaller only as far as the longest definitions need to show whole.
void FitDefinition(QLabel* label) {
    const QRect room =
        label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    QFont font = label->font();
    for (int px = 15; px >= 11; --px) {
        font.setPixelSize(px);
        const QRect need =
            QFontMetrics(font).boundingRect(QRect(0, 0, room.width(), 1000), Qt::TextWordWrap, label->text());
        if (need.height() <= room.height()) break;
    }
    label->setFont(font);
}

namespace form = ui::form;

const char* const kSans = "MS Sans Serif";
constexpr Qt::Alignment kRightMiddle = Qt::AlignRight | Qt::AlignVCenter;

QWidget* MakeQuantityList(QWidget* parent) {
    return new ohmslaw::QuantityList(parent);
}

// The letters on the wheel's hub, each a quarter away from its centre.
ui::FormRow HubLetter(const char* name, const char* letter, int dx, int dy) {
    const int hubX = 248 + int(art::kWheelCentreX), hubY = int(art::kWheelCentreY);
    return form::Label(name, nullptr, {hubX + dx * 18 - 10, hubY + dy * 18 - 11, 20, 22},
                       QLatin1String(letter))
        .Font(kSans, 20, true)
        .Align(Qt::AlignCenter)
        .Ink(Qt::white)
        .Background(art::HubColour());
}

// The texts that follow the chosen formula are set by the handlers.
const ui::FormTable kForm{
    {form::Label("LabelPuis", nullptr, {0, 0, 249, 33}, QString())
         .Font("Dauphin", 24, true)
         .Align(Qt::AlignCenter)
         .Ink(Qt::white)
         .Background(kRed),
     form::Label("StaticText5", nullptr, {0, 32, 249, 65}, QString())
         .Font(kSans, 15)
         .Align(Qt::AlignLeft | Qt::AlignTop)
         .Ink(Qt::black)
         .Background(Qt::white),
     form::Panel("Panel1", nullptr, {0, 96, 249, 233}, ui::kSilver),
     form::Label("Label1", "Panel1", {8, 8, 100, 16}, QStringLiteral("Unité de mesure:"),
                 QStringLiteral("Unit:  "))
         .Font(kSans, 11, true)
         .Ink(Qt::black),
     form::Label("LabelUnite", "Panel1", {110, 5, 130, 20}, QString()).Font(kSans, 16, true).Ink(ui::kNavy),
     form::Picture("Image15", "Panel1", {152, 6, 30, 18}, art::OhmSignPicture).Says("oméga", "omega"),
     form::Panel("Panel8", "Panel1", {7, 30, 235, 54}, kAqua),
     form::Label("LabelEgale", "Panel8", {14, 10, 70, 32}, QString()).Font(kSans, 24, true),
     form::Picture("Image3", "Panel8", {100, 7, 81, 40}, {}).Says("Formule choisie", "Chosen formula"),
     form::Label("Label3", "Panel1", {8, 89, 120, 16}, QStringLiteral("Résultat"),
                 QStringLiteral("Calculator"))
         .Font(kSans, 11, true)
         .Ink(Qt::black),
     form::Panel("Panel9", "Panel1", {4, 106, 241, 122}, ui::kSilver),
     form::Label("Label1a", "Panel9", {2, 9, 112, 16}, QString())
         .Font(kSans, 11)
         .Align(kRightMiddle)
         .Ink(ui::kNavy)
         .For("Edit2"),
     form::Box("Edit2", "Panel9", {116, 6, 58, 21}),
     form::Own("ComboBox2", "Panel9", {176, 6, 61, 21}, MakeQuantityList).For("Edit2"),
     form::Label("Label1b", "Panel9", {2, 35, 112, 16}, QString())
         .Font(kSans, 11)
         .Align(kRightMiddle)
         .Ink(ui::kNavy)
         .For("Edit1"),
     form::Box("Edit1", "Panel9", {116, 32, 58, 21}),
     form::Own("ComboBox1", "Panel9", {176, 32, 61, 21}, MakeQuantityList).For("Edit1"),
     form::Result("LabelAnswer", "Panel9", {8, 63, 161, 19}).Says("Réponse", "Answer"),
     form::Own("ComboBox3", "Panel9", {176, 62, 61, 21}, MakeQuantityList).For("LabelAnswer"),
     form::Reset("BitBtn1", "Panel9", {28, 89, 52, 28}),
     form::Equals("ButtonCalcul", "Panel9", {94, 89, 52, 28}),
     form::Print("BitBtn2", "Panel9", {160, 89, 52, 28}),
     // The wheel, then what stands on it (the formula buttons follow in code: their faces change).
     form::Picture("Image1", nullptr, {248, 0, art::kWheelWidth, art::kWheelHeight}, art::WheelPicture)
         .Align(Qt::AlignLeft | Qt::AlignTop)
         .Says("Roue des douze formules de la loi d'Ohm", "Wheel of the twelve formulas of Ohm's law"),
     HubLetter("StaticText1", "P", -1, -1), HubLetter("StaticText2", "I", 1, -1),
     HubLetter("StaticText3", "E", -1, 1), HubLetter("StaticText4", "R", 1, 1)},
    {}};

} // namespace

TAboutBox::TAboutBox(QWidget* parent) : ui::Window(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    SetForm(QStringLiteral("Memory Device"), 589, 330, k3DLight);
    setWindowFlags(windowFlags() | Qt::WindowMinimizeButtonHint);

    const ui::FormParts parts = ui::BuildForm(this, kForm);
    title_ = parts.Get<QLabel>("LabelPuis");
    definition_ = parts.Get<QLabel>("StaticText5");
    definition_->setWordWrap(true);
    definition_->setMargin(2);
    unit_ = parts.Get<QLabel>("LabelUnite");
    ohmSign_ = parts.Get<QLabel>("Image15");
    ohmSign_->hide();
    equals_ = parts.Get<QLabel>("LabelEgale");
    formula_ = parts.Get<QLabel>("Image3");
    firstName_ = parts.Get<QLabel>("Label1a");
    secondName_ = parts.Get<QLabel>("Label1b");
    first_ = parts.Get<ui::ValueBox>("Edit2");
    second_ = parts.Get<ui::ValueBox>("Edit1");
    firstUnits_ = parts.Get<ohmslaw::QuantityList>("ComboBox2");
    secondUnits_ = parts.Get<ohmslaw::QuantityList>("ComboBox1");
    resultUnits_ = parts.Get<ohmslaw::QuantityList>("ComboBox3");
    answer_ = parts.Get<QLabel>("LabelAnswer");
    auto* reset = parts.Get<QPushButton>("BitBtn1");
    reset->setToolTip(QStringLiteral("Reset"));
    auto* equals = parts.Get<QPushButton>("ButtonCalcul");
    equals->setToolTip(QStringLiteral("Calcul"));
    auto* print = parts.Get<QPushButton>("BitBtn2");
    print->setToolTip(QStringLiteral("Impression des données"));
    wheel_ = parts.Get<QLabel>("Image1");
    wheel_->setMouseTracking(true);
    wheel_->installEventFilter(this);

    first_->SetKeyFilter([this](QChar c) { return Edit2KeyPress(c); });
    second_->SetKeyFilter([this](QChar c) { return Edit1KeyPress(c); });
    firstUnits_->SetKeyHook([this](QChar c) { return ComboBox2KeyPress(c); });

    ui::On(reset, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    ui::On(equals, &QPushButton::clicked, this, [this] { ButtonCalculClick(); });
    ui::On(print, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    ui::On(firstUnits_, &QComboBox::activated, this, [this] { ComboBox2Change(); });
    ui::On(secondUnits_, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    ui::On(resultUnits_, &QComboBox::activated, this, [this] { ComboBox3Change(); });

    void (TAboutBox::*const clicks[12])() = {
        &TAboutBox::Image7Click,  &TAboutBox::Image8Click,  &TAboutBox::Image2Click,
        &TAboutBox::Image9Click,  &TAboutBox::Image10Click, &TAboutBox::Image11Click,
        &TAboutBox::Image12Click, &TAboutBox::Image13Click, &TAboutBox::Image14Click,
        &TAboutBox::Image6Click,  &TAboutBox::Image5Click,  &TAboutBox::Image4Click,
    };
    for (int i = 0; i < 12; ++i) {
        const ohmslaw::FormulaButton& f = ohmslaw::FormulaButtons()[i];
        Button& b = buttons_[i];
        b.panel = ui::MakePanel(this, QByteArray("Panel").append(f.name).constData(), f.x, f.y, 33, 25,
                                ui::kBtnFace);
        b.panel->setLineWidth(2);
        b.picture = ui::MakeClickablePicture(b.panel, f.name, {}, 2, 2, 29, 21);
        const auto draw = [number = f.number] { return art::FormulaButtonPicture(number); };
        ShowButtonPicture(b, ui::StoredPicture(b.picture, f.name, draw));
        ui::FollowDensity(b.picture, draw, [&b](const QImage& picture) { ShowButtonPicture(b, picture); });
        b.picture->setMouseTracking(true);
        b.picture->installEventFilter(this);
        const auto click = clicks[i];
        ui::On(b.picture, &ui::PictureLabel::clicked, this, [this, click] { (this->*click)(); });
    }
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        if (watched == wheel_) ui::Guard(this, [this] { Image1MouseMove(); });
        for (const Button& b : buttons_)
            if (watched == b.picture) ui::Guard(this, [this, &b] { Press(int(&b - buttons_) + 1); });
    }
    return ui::Window::eventFilter(watched, event);
}

QString TAboutBox::NameOf(Quantity q) const {
    switch (q) {
    case Quantity::E:
        return nameE_;
    case Quantity::R:
        return nameR_;
    case Quantity::P:
        return nameP_;
    case Quantity::I:
        return nameI_;
    }
    return {};
}

QString TAboutBox::DefinitionOf(Quantity q) const {
    switch (q) {
    case Quantity::E:
        return definitionE_;
    case Quantity::R:
        return definitionR_;
    case Quantity::P:
        return definitionP_;
    case Quantity::I:
        return definitionI_;
    }
    return {};
}

QString TAboutBox::UnitOf(Quantity q) const {
    switch (q) {
    case Quantity::E:
        return unitE_;
    case Quantity::R:
        return unitR_;
    case Quantity::P:
        return unitP_;
    case Quantity::I:
        return unitI_;
    }
    return {};
}

void TAboutBox::ShowTexts(Quantity result, Quantity first, Quantity second) {
    static const char* const letters[] = {"E =", "R =", "P =", "I ="};
    firstName_->setText(NameOf(first));
    secondName_->setText(NameOf(second));
    title_->setText(NameOf(result));
    unit_->setText(UnitOf(result));
    equals_->setText(QLatin1String(letters[int(result)]));
    definition_->setText(DefinitionOf(result));
    FitDefinition(definition_);
}

void TAboutBox::FillResultList(Quantity q) {
    resultUnits_->Fill(q);
    ohmSign_->setVisible(q == Quantity::R);
}

void TAboutBox::ResetWindow() {
    for (QLabel* l : {title_, definition_, unit_, formula_, equals_, firstName_, secondName_, answer_})
        l->clear();
    first_->clear();
    second_->clear();
    FirstValue = SecondValue = ResultValue = 0;
    FormulaNumber = 0;
}

void TAboutBox::FormActivate() {
    firstUnits_->Fill(Quantity::E);
    secondUnits_->Fill(Quantity::R);
    FillResultList(Quantity::I);
    ResetWindow();

    const bool english = ui::IsEnglish();
    nameE_ = english ? QStringLiteral("VOLTAGE (E) ") : QStringLiteral("TENSION (E) ");
    nameR_ = english ? QStringLiteral("RESISTANCE (R) ") : QStringLiteral("RÉSISTANCE (R) ");
    nameP_ = english ? QStringLiteral("POWER (P)") : QStringLiteral("PUISSANCE (P)");
    nameI_ = english ? QStringLiteral("AMPERE (I)") : QStringLiteral("COURANT (I)");
    // The formula buttons show only their formula: a screen reader says what each computes.
    for (int i = 0; i < 12; ++i) {
        const ohmslaw::FormulaButton& f = ohmslaw::FormulaButtons()[i];
        buttons_[i].picture->setAccessibleName(
            ui::Tr(QStringLiteral("Calculer "), QStringLiteral("Compute ")) + NameOf(f.result).trimmed() +
            ui::Tr(QStringLiteral(" avec "), QStringLiteral(" from ")) + NameOf(f.first).trimmed() +
            ui::Tr(QStringLiteral(" et "), QStringLiteral(" and ")) + NameOf(f.second).trimmed());
    }
    definitionP_ = english ? QStringLiteral("The rate of doing work, or producing or transmitting energy. In "
                                            "electronics, power is the product of current and voltage(EI).")
                           : QStringLiteral("La puissance est une mesure de la quantité de travail qui peut "
                                            "être fournie en un temps déterminé.");
    definitionI_ = english ? QStringLiteral("The flow of electricity, the characteristic drift movement of "
                                            "carriers, such as ions, electrons, or holes.")
                           : QStringLiteral("Le courant est la circulation d'électrons libres dans un "
                                            "conducteur.");
    definitionR_ = english
                       ? QStringLiteral("it's the simple opposition to current flow.")
                       : QStringLiteral("Force d'opposition, qui résulte des collisions des électrons avec "
                                        "les atomes, transformant de l'énergie électrique en énergie "
                                        "thermique.");
    definitionE_ = english ? QStringLiteral("Electromotive force, or difference of potential.")
                           : QStringLiteral("Il s'agit d'une pression obtenue d'une énergie potentielle soit "
                                            "par définition *différence de potentielle*.");
    ui::ApplyEnglish(this, kForm);
    unitP_ = QStringLiteral("WATT (W)");
    unitI_ = QStringLiteral("AMPERE (I)");
    unitR_ = QStringLiteral("OHM");
    unitE_ = QStringLiteral("Volt (V)");

    FormulaNumber = 1;
    first_->clear();
    second_->clear();
    answer_->clear();
    ShowTexts(Quantity::I, Quantity::E, Quantity::R);
    ui::LoadPictureInto(formula_, art::FormulaFileName(1));
}

void TAboutBox::SetUpFormula(int formula) {
    const ohmslaw::FormulaButton& f = ohmslaw::ButtonOf(formula);
    firstUnits_->Fill(f.first);
    secondUnits_->Fill(f.second);
    FillResultList(f.result);
    ResetWindow();
    FormulaNumber = formula;
    first_->setFocus();
    ui::LoadPictureInto(formula_, art::FormulaFileName(formula)); // a failure leaves the texts empty
    first_->clear();
    second_->clear();
    answer_->clear();
    ShowTexts(f.result, f.first, f.second);
}

void TAboutBox::Image7Click() {
    SetUpFormula(1);
}
void TAboutBox::Image8Click() {
    SetUpFormula(2);
}
void TAboutBox::Image2Click() {
    SetUpFormula(3);
}
void TAboutBox::Image9Click() {
    SetUpFormula(4);
}
void TAboutBox::Image10Click() {
    SetUpFormula(5);
}
void TAboutBox::Image11Click() {
    SetUpFormula(6);
}
void TAboutBox::Image12Click() {
    SetUpFormula(7);
}
void TAboutBox::Image13Click() {
    SetUpFormula(8);
}
void TAboutBox::Image14Click() {
    SetUpFormula(9);
}
void TAboutBox::Image6Click() {
    SetUpFormula(10);
}
void TAboutBox::Image5Click() {
    SetUpFormula(11);
}
void TAboutBox::Image4Click() {
    SetUpFormula(12);
}

void TAboutBox::SetPressed(Button& b, bool pressed) {
    b.panel->setFrameShadow(pressed ? QFrame::Sunken : QFrame::Raised);
    b.picture->setPixmap(pressed ? b.opaque : b.transparent);
}

void TAboutBox::Press(int formula) {
    SetPressed(buttons_[formula - 1], true);
}

void TAboutBox::Image1MouseMove() {
    for (Button& b : buttons_)
        SetPressed(b, false);
}

QChar TAboutBox::Edit1KeyPress(QChar key) {
    return core::FilterNumericKey(key);
}
QChar TAboutBox::Edit2KeyPress(QChar key) {
    return core::FilterNumericKey(key);
}
QChar TAboutBox::ComboBox2KeyPress(QChar) {
    return QChar();
}

void TAboutBox::ButtonCalculClick() {
    Calculate();
}

void TAboutBox::ComboBox2Change() {
    if (!first_->text().isEmpty()) Calculate();
}

void TAboutBox::ComboBox1Change() {
    if (!second_->text().isEmpty()) Calculate();
}

void TAboutBox::ComboBox3Change() {
    if (!answer_->text().isEmpty()) Calculate();
}

void TAboutBox::Calculate() {
    if (first_->text().isEmpty()) {
        ui::Message(this, QStringLiteral("Value: none"));
        first_->setFocus();
        return;
    }
    if (second_->text().isEmpty()) {
        ui::Message(this, QStringLiteral("Value: none"));
        second_->setFocus();
        return;
    }
    const core::Separators& separators = core::CurrentSeparators();
    const long double second = core::ParseNumber(second_->text(), separators);
    const long double first = core::ParseNumber(first_->text(), separators);
    if (FormulaNumber < 1 || FormulaNumber > art::kFormulaCount) return;

    // Each step under the guard; the three values are stored only once all of them fit.
    const long double a = ui::Compute([&] { return firstUnits_->ToBase(first); });
    const long double b = ui::Compute([&] { return secondUnits_->ToBase(second); });
    const long double result =
        ui::Compute([&] { return resultUnits_->FromBase(formulas::OhmsLaw(FormulaNumber, a, b)); });
    const double stored[] = {ui::Stored(a), ui::Stored(b), ui::Stored(result)};
    FirstValue = stored[0];
    SecondValue = stored[1];
    ResultValue = stored[2];
    answer_->setText(
        core::FormatNumber(result, core::FloatFormat::Number, 20, FormulaNumber == 1 ? 5 : 6, separators));
}

void TAboutBox::BitBtn1Click() {
    first_->setFocus();
    FirstValue = SecondValue = ResultValue = 0;
    first_->clear();
    second_->clear();
    answer_->clear();
}

void TAboutBox::BitBtn2Click() {
    if (answer_->text().isEmpty()) {
        ui::Message(this, QStringLiteral("Aucune données a imprimer"));
        first_->setFocus();
        return;
    }
    printing::PreviewReport(QStringLiteral("TQRMemory"), this);
}

OHMBRIX_REGISTER_WINDOW(TAboutBox)

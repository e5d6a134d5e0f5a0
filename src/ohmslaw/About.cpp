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

QLabel* Styled(QLabel* label, const QFont& font, const QColor& ink) {
    label->setFont(font);
    ui::SetTextColour(label, ink);
    return label;
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent) : ui::Window(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    SetForm(QStringLiteral("Memory Device"), 589, 330, k3DLight);
    setWindowFlags(windowFlags() | Qt::WindowMinimizeButtonHint);

    title_ = ui::MakeLabel(this, "LabelPuis", QString(), 0, 0, 249, 33);
    Styled(title_, ui::FormFont("Dauphin", 24, true), Qt::white);
    title_->setAlignment(Qt::AlignCenter);
    ui::SetBackground(title_, kRed);

    definition_ = ui::MakeLabel(this, "StaticText5", QString(), 0, 32, 249, 65);
    Styled(definition_, ui::FormFont("MS Sans Serif", 15), Qt::black);
    definition_->setWordWrap(true);
    definition_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    definition_->setMargin(2);
    ui::SetBackground(definition_, Qt::white);

    QFrame* panel1 = ui::MakePanel(this, "Panel1", 0, 96, 249, 233, ui::kSilver);
    unitCaption_ = ui::MakeLabel(panel1, "Label1", QStringLiteral("Unité de mesure:"), 8, 8, 100, 16);
    Styled(unitCaption_, ui::FormFont("MS Sans Serif", 11, true), Qt::black);
    unit_ = ui::MakeLabel(panel1, "LabelUnite", QString(), 110, 5, 130, 20);
    Styled(unit_, ui::FormFont("MS Sans Serif", 16, true), ui::kNavy);
    ohmSign_ = ui::MakePicture(panel1, "Image15", art::OhmSignPicture, 152, 6, 30, 18);
    ohmSign_->hide();

    QFrame* panel8 = ui::MakePanel(panel1, "Panel8", 7, 30, 235, 54, kAqua);
    equals_ = ui::MakeLabel(panel8, "LabelEgale", QString(), 14, 10, 70, 32);
    equals_->setFont(ui::FormFont("MS Sans Serif", 24, true));
    formula_ = ui::MakePicture(panel8, "Image3", {}, 100, 7, 81, 40);

    resultCaption_ = ui::MakeLabel(panel1, "Label3", QStringLiteral("Résultat"), 8, 89, 120, 16);
    Styled(resultCaption_, ui::FormFont("MS Sans Serif", 11, true), Qt::black);

    QFrame* panel9 = ui::MakePanel(panel1, "Panel9", 4, 106, 241, 122, ui::kSilver);
    auto row = [&](const char* nameId, const char* boxId, const char* listId, int y, QLabel*& name,
                   ui::ValueBox*& box, ohmslaw::QuantityList*& list) {
        name = ui::MakeLabel(panel9, nameId, QString(), 2, y + 3, 112, 16);
        Styled(name, ui::FormFont("MS Sans Serif", 11), ui::kNavy);
        name->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        box = ui::MakeValueBox(panel9, boxId, 116, y, 58);
        list = new ohmslaw::QuantityList(panel9);
        list->setObjectName(QLatin1String(listId));
        list->setGeometry(176, y, 61, 21);
    };
    row("Label1a", "Edit2", "ComboBox2", 6, firstName_, first_, firstUnits_);
    row("Label1b", "Edit1", "ComboBox1", 32, secondName_, second_, secondUnits_);
    answer_ = ui::MakeResultLabel(panel9, "LabelAnswer", 8, 63, 161, 19);
    resultUnits_ = new ohmslaw::QuantityList(panel9);
    resultUnits_->setObjectName(QStringLiteral("ComboBox3"));
    resultUnits_->setGeometry(176, 62, 61, 21);

    QPushButton* reset = ui::MakeResetButton(panel9, "BitBtn1", 28, 89, 52, 28);
    reset->setToolTip(QStringLiteral("Reset"));
    QPushButton* equals = ui::MakeEqualsButton(panel9, "ButtonCalcul", 94, 89, 52, 28);
    equals->setToolTip(QStringLiteral("Calcul"));
    QPushButton* print = ui::MakePrintButton(panel9, "BitBtn2", 160, 89, 52, 28);
    print->setToolTip(QStringLiteral("Impression des données"));

    first_->SetKeyFilter([this](QChar c) { return Edit2KeyPress(c); });
    second_->SetKeyFilter([this](QChar c) { return Edit1KeyPress(c); });
    firstUnits_->SetKeyHook([this](QChar c) { return ComboBox2KeyPress(c); });

    ui::On(reset, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    ui::On(equals, &QPushButton::clicked, this, [this] { ButtonCalculClick(); });
    ui::On(print, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    ui::On(firstUnits_, &QComboBox::activated, this, [this] { ComboBox2Change(); });
    ui::On(secondUnits_, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    ui::On(resultUnits_, &QComboBox::activated, this, [this] { ComboBox3Change(); });

    // The wheel, then what stands on it.
    wheel_ = ui::MakePicture(this, "Image1", art::WheelPicture, 248, 0, art::kWheelWidth, art::kWheelHeight);
    wheel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    wheel_->setMouseTracking(true);
    wheel_->installEventFilter(this);

    const int hubX = 248 + int(art::kWheelCentreX), hubY = int(art::kWheelCentreY);
    const struct {
        const char* name;
        const char* letter;
        int dx, dy;
    } letters[] = {{"StaticText1", "P", -1, -1},
                   {"StaticText2", "I", 1, -1},
                   {"StaticText3", "E", -1, 1},
                   {"StaticText4", "R", 1, 1}};
    for (const auto& l : letters) {
        QLabel* letter = ui::MakeLabel(this, l.name, QLatin1String(l.letter), hubX + l.dx * 18 - 10,
                                       hubY + l.dy * 18 - 11, 20, 22);
        Styled(letter, ui::FormFont("MS Sans Serif", 20, true), Qt::white);
        letter->setAlignment(Qt::AlignCenter);
        ui::SetBackground(letter, art::HubColour());
    }

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
    if (english) {
        unitCaption_->setText(QStringLiteral("Unit:  "));
        resultCaption_->setText(QStringLiteral("Calculator"));
    }
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

void TAboutBox::Image7MouseMove() {
    Press(1);
}
void TAboutBox::Image8MouseMove() {
    Press(2);
}
void TAboutBox::Image2MouseMove() {
    Press(3);
}
void TAboutBox::Image9MouseMove() {
    Press(4);
}
void TAboutBox::Image10MouseMove() {
    Press(5);
}
void TAboutBox::Image11MouseMove() {
    Press(6);
}
void TAboutBox::Image12MouseMove() {
    Press(7);
}
void TAboutBox::Image13MouseMove() {
    Press(8);
}
void TAboutBox::Image14MouseMove() {
    Press(9);
}
void TAboutBox::Image6MouseMove() {
    Press(10);
}
void TAboutBox::Image5MouseMove() {
    Press(11);
}
void TAboutBox::Image4MouseMove() {
    Press(12);
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

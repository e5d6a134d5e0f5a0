#include "inductance/BobineAAir.h"

#include "formulas/Coils.h"
#include "pictures/Glyphs.h"
#include "pictures/inductance/BobineAAirPictures.h"
#include "printing/Preview.h"
#include "ui/CalculatorPage.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Registry.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QFrame>

using Op = ui::UnitList::Op;

namespace {

std::vector<ui::UnitList::Unit> LengthUnits() {
    return {{QStringLiteral("mètres"), Op::Divide, 1.0L},
            {QStringLiteral("cm"), Op::Divide, 100.0L},
            {QStringLiteral("mm"), Op::Divide, 1000.0L}};
}

// A row caption whose text ends where the row's box begins.
QLabel* MakeCaption(QWidget* parent, const char* name, const QString& text, int x, int y, int w) {
    QLabel* label = ui::MakeLabel(parent, name, text, x, y, w, 13);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace

TBobineDair::TBobineDair(QWidget* parent) : ui::Window(parent) {
    setObjectName(QStringLiteral("BobineDair"));
    SetForm(QStringLiteral("Calcul de l'inductance d'une bobine toroïdale à noyau d'air"), 471, 297,
            ui::kSilver);

    QFrame* coil = ui::MakePanel(this, "Panel1", 8, 8, 201, 121, ui::kYellow);
    ui::MakePicture(coil, "Image1", pictures::ToroidPicture, 8, 8, 185, 105);

    QFrame* legend = ui::MakePanel(this, "Panel2", 8, 136, 201, 153, ui::kSilver);
    ui::MakePicture(legend, "Image2", pictures::ToroidFormula, 8, 16, 185, 41);
    ui::MakePicture(
        legend, "Image4",
        [&] {
            return pictures::LegendSymbol(QStringLiteral("N ="), {31, 16});
        },
        16, 72, 31, 16);
    ui::MakeLabel(legend, "Label1", QStringLiteral("Le nombre de spires"), 48, 72, 0, 13);
    ui::MakePicture(
        legend, "Image5",
        [&] {
            return pictures::LegendSymbol(QStringLiteral("a ="), {33, 17});
        },
        16, 88, 33, 17);
    ui::MakeLabel(legend, "Label2", QStringLiteral("Diamètre extérieur, en mètres"), 48, 88, 0, 13);
    ui::MakePicture(
        legend, "Image3",
        [&] {
            return pictures::LegendSymbol(QStringLiteral("b ="), {33, 18});
        },
        16, 104, 33, 18);
    ui::MakeLabel(legend, "Label4", QStringLiteral("Diamètre intérieur, en mètres"), 48, 104, 0, 13);
    ui::MakePicture(
        legend, "Image6",
        [&] {
            return pictures::LegendSymbol(QStringLiteral("L ="), {33, 17});
        },
        16, 128, 33, 17);
    ui::MakeLabel(legend, "Label5", QStringLiteral("Inductance en microhenrys"), 48, 128, 0, 13);

    QFrame* calc = ui::MakePanel(this, "Panel3", 216, 8, 249, 281, ui::kSilver);
    MakeCaption(calc, "Label6", QStringLiteral("Nombre de spires (N) "), 5, 27, 116);
    editN_ = ui::MakeValueBox(calc, "EditN", 128, 24, 57, 19);
    MakeCaption(calc, "Label3", QStringLiteral("Diamètre extérieur ( a )"), 5, 59, 116);
    editA_ = ui::MakeValueBox(calc, "EditA", 128, 56, 57, 19);
    outerUnit_ = ui::MakeUnitList(calc, "ComboBox1", 184, 56, 60, LengthUnits());
    MakeCaption(calc, "Label7", QStringLiteral("Diamètre intérieur ( b )"), 5, 91, 116);
    editB_ = ui::MakeValueBox(calc, "Editb", 128, 88, 57, 19);
    innerUnit_ = ui::MakeUnitList(calc, "ComboBox2", 184, 88, 60, LengthUnits());

    ui::MakePicture(
        calc, "Image7",
        [&] {
            return pictures::LegendSymbol(QStringLiteral("L ="), {33, 17});
        },
        8, 124, 33, 17);
    result_ = ui::MakeResultLabel(calc, "Label8", 40, 124, 145, 17);
    inductanceUnit_ = ui::MakeUnitList(calc, "ComboBox3", 184, 122, 60,
                                       {{QStringLiteral("uH"), Op::Divide, 1.0L},
                                        {QStringLiteral("mH"), Op::Divide, 1000.0L},
                                        {QStringLiteral("H"), Op::Divide, 1000000.0L}});
    twoDigits_ = ui::MakeCheckBox(calc, "CheckBox1", QStringLiteral("2  Digit"), 184, 152, 62, 17);

    QPushButton* reset = ui::MakeResetButton(calc, "BitBtn1", 32, 208, 33, 25);
    QPushButton* equals = ui::MakeEqualsButton(calc, "Button1", 86, 208, 75, 25);
    QPushButton* print = ui::MakePrintButton(calc, "BitBtn2", 184, 208, 33, 25);

    ui::SetTabOrder(
        {editN_, editA_, outerUnit_, editB_, innerUnit_, inductanceUnit_, twoDigits_, reset, equals, print});

    page_.Boxes({editN_, editA_, editB_})
        .Results({result_})
        .Fields({&Inductance, &OuterDiameter, &InnerDiameter, &Turns});

    ui::On(equals, &QPushButton::clicked, this, [this] { Button1Click(); });
    ui::On(outerUnit_, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    ui::On(innerUnit_, &QComboBox::activated, this, [this] { ComboBox2Change(); });
    ui::On(inductanceUnit_, &QComboBox::activated, this, [this] { ComboBox3Change(); });
    ui::On(twoDigits_, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });
    ui::On(reset, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    ui::On(print, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
}

void TBobineDair::FormCreate() {
    outerUnit_->setCurrentIndex(0);
    innerUnit_->setCurrentIndex(0);
    inductanceUnit_->setCurrentIndex(0);
}

void TBobineDair::FormActivate() {
    if (!ui::IsEnglish()) return;
    ui::ApplyTexts(this, {{"Label1", "Number of turns"},
                          {"Label2", "Exterior diameter"},
                          {"Label4", "Interior diameter"},
                          {"Label5", "Inductance"},
                          {"Label6", "Number of turns (N)"},
                          {"Label3", "Exterior diameter (a)"},
                          {"Label7", "Interior diameter (b)"}});
    setWindowTitle(QStringLiteral("Inductance (toroidale coil) "));
    // Both diameter lists are refilled and go back to metres at every activation; the typed
    // numbers and the shown result stay.
    const QStringList metres = {QStringLiteral("metre"), QStringLiteral("cm"), QStringLiteral("mm")};
    for (ui::UnitList* list : {outerUnit_, innerUnit_}) {
        list->SetItems(metres);
        list->setCurrentIndex(0);
    }
}

void TBobineDair::Calculate() {
    // Each value is stored as soon as it converts, so a failing box leaves the earlier ones set.
    Turns = ui::Stored(page_.Read(editN_));
    OuterDiameter = ui::Stored(page_.Read(editA_, outerUnit_));
    InnerDiameter = ui::Stored(page_.Read(editB_, innerUnit_));
    Inductance = ui::Stored(page_.InUnit(
        ui::Compute([this] { return formulas::ToroidInductance(Turns, OuterDiameter, InnerDiameter); }),
        inductanceUnit_));
    page_.Show(result_, Inductance, ui::kGeneral10_4);
}

void TBobineDair::RefreshDisplay() {
    page_.Refresh(result_, twoDigits_->isChecked(), Inductance);
}

void TBobineDair::Button1Click() {
    Calculate();
    RefreshDisplay();
}

void TBobineDair::ComboBox1Change() {
    if (page_.AllHoldText()) {
        Calculate();
        RefreshDisplay();
    }
}

void TBobineDair::ComboBox2Change() {
    ComboBox1Change();
}

void TBobineDair::ComboBox3Change() {
    // The output unit tests nothing: an empty box shows its conversion failure.
    Calculate();
    RefreshDisplay();
}

void TBobineDair::CheckBox1Click() {
    RefreshDisplay();
}

void TBobineDair::BitBtn1Click() {
    page_.Clear();
}

void TBobineDair::BitBtn2Click() {
    printing::PreviewReport(QStringLiteral("TQRIndNoyauAir"), this);
}

OHMBRIX_REGISTER_WINDOW(TBobineDair)

#include "inductance/BobineAAir.h"

#include "formulas/Coils.h"
#include "pictures/inductance/BobineAAirPictures.h"
#include "printing/Preview.h"
#include "printing/ReportRows.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Registry.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QFrame>

TBobineDair::TBobineDair(QWidget* parent) : AirCoilWindow(parent) {
    setObjectName(QStringLiteral("BobineDair"));
    SetForm(QStringLiteral("Calcul de l'inductance d'une bobine toroïdale à noyau d'air"), 471, 297,
            ui::kSilver);

    QFrame* coil = ui::MakePanel(this, "Panel1", 8, 8, 201, 121, ui::kYellow);
    ui::MakePicture(coil, "Image1", pictures::ToroidPicture, 8, 8, 185, 105);

    QFrame* legend = ui::MakePanel(this, "Panel2", 8, 136, 201, 153, ui::kSilver);
    ui::MakePicture(legend, "Image2", pictures::ToroidFormula, 8, 16, 185, 41);
    MakeSymbol(legend, "Image4", "N =", {16, 72, 31, 16});
    ui::MakeLabel(legend, "Label1", QStringLiteral("Le nombre de spires"), 48, 72, 0, 13);
    MakeSymbol(legend, "Image5", "a =", {16, 88, 33, 17});
    ui::MakeLabel(legend, "Label2", QStringLiteral("Diamètre extérieur, en mètres"), 48, 88, 0, 13);
    MakeSymbol(legend, "Image3", "b =", {16, 104, 33, 18});
    ui::MakeLabel(legend, "Label4", QStringLiteral("Diamètre intérieur, en mètres"), 48, 104, 0, 13);
    MakeSymbol(legend, "Image6", "L =", {16, 128, 33, 17});
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

    MakeSymbol(calc, "Image7", "L =", {8, 124, 33, 17});
    result_ = ui::MakeResultLabel(calc, "Label8", 40, 124, 145, 17);
    inductanceUnit_ = ui::MakeUnitList(calc, "ComboBox3", 184, 122, 60, InductanceUnits());
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
    MetresAgain({outerUnit_, innerUnit_});
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

void TBobineDair::Button1Click() {
    Recalculate();
}

void TBobineDair::ComboBox1Change() {
    RecalculateWhenComplete();
}

void TBobineDair::ComboBox2Change() {
    ComboBox1Change();
}

void TBobineDair::ComboBox3Change() {
    // The output unit tests nothing: an empty box shows its conversion failure.
    Recalculate();
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

OHMBRIX_REGISTER_REPORT_ROW(TQRIndNoyauAir, TBobineDair,
                            QStringLiteral("Inductance d'une bobine à noyau d'air"),
                            {{{"Panel1", true}}, {{"Image2"}}},
                            {{QStringLiteral("N ="), "EditN"},
                             {QStringLiteral("a ="), "EditA", "ComboBox1"},
                             {QStringLiteral("b ="), "Editb", "ComboBox2"}},
                            {{QStringLiteral("L ="), "Label8", "ComboBox3"}})

#include "inductance/IndPropre.h"
#include "printing/ReportRows.h"
#include "ui/Registry.h"

#include "formulas/Inductors.h"
#include "inductance/BobineAAir.h"
#include "inductance/InducCoaxial.h"
#include "pictures/inductance/IndProprePictures.h"
#include "printing/Preview.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QFrame>

TInducPropre::TInducPropre(QWidget* parent) : AirCoilWindow(parent) {
    setObjectName(QStringLiteral("InducPropre"));
    SetForm(QStringLiteral("Calcul de l'inductance d'une bobine cylindrique à noyau d'air"), 496, 285,
            ui::kSilver);

    QFrame* legend = ui::MakePanel(this, "Panel1", 8, 120, 217, 161, ui::kSilver);
    ui::MakePicture(legend, "Image2", pictures::CylindricalCoilFormula, 47, 8, 121, 57);
    MakeSymbol(legend, "Image3", "N =", {16, 72, 33, 17});
    ui::MakeLabel(legend, "Label1", QStringLiteral("Nombre de spires"), 48, 72, 0, 13);
    MakeSymbol(legend, "Image5", "d =", {16, 88, 33, 17});
    ui::MakeLabel(legend, "Label3", QStringLiteral("Diamètre en mètres"), 48, 88, 0, 13);
    MakeSymbol(legend, "Image6", "l =", {16, 104, 33, 17});
    ui::MakeLabel(legend, "Label4", QStringLiteral("Longueur du noyau en mètres"), 48, 104, 0, 13);
    MakeSymbol(legend, "Image7", "L =", {8, 136, 49, 17}, {33, 17});
    ui::MakeLabel(legend, "Label5", QStringLiteral("Inductance, en microhenrys"), 48, 136, 0, 13);

    QPushButton* toroid = ui::MakeGlyphButton(this, "BitBtn1", pictures::SmallToroidGlyph, 264, 216, 73, 57);

    QFrame* coil = ui::MakePanel(this, "Panel2", 8, 8, 217, 105, ui::kYellow);
    ui::MakePicture(coil, "Image1", pictures::CylindricalCoilPicture, 16, 8, 185, 89);

    QPushButton* coax = ui::MakeGlyphButton(this, "BitBtn2", pictures::CoaxPieceGlyph, 384, 216, 75, 57);

    QFrame* calc = ui::MakePanel(this, "Panel3", 232, 8, 257, 193, ui::kSilver);
    MakeCaption(calc, "Label6", QStringLiteral("Nombre de spires ( N ) "), 0, 15, 124);
    editN_ = ui::MakeValueBox(calc, "EditN", 128, 12, 57, 19);
    MakeCaption(calc, "Label8", QStringLiteral("Diamètre du noyau ( d ) "), 0, 47, 124);
    editD_ = ui::MakeValueBox(calc, "EditD", 128, 44, 65, 19);
    diameterUnit_ = ui::MakeUnitList(calc, "ComboBox1", 192, 44, 60, LengthUnits());
    MakeCaption(calc, "Label9", QStringLiteral("Longueur du noyau ( l )"), 0, 79, 124);
    editL_ = ui::MakeValueBox(calc, "EditI", 128, 76, 65, 19);
    lengthUnit_ = ui::MakeUnitList(calc, "ComboBox2", 192, 76, 60, LengthUnits());

    MakeSymbol(calc, "Image8", "L =", {32, 112, 33, 17});
    result_ = ui::MakeResultLabel(calc, "Label10", 64, 112, 129, 17);
    inductanceUnit_ = ui::MakeUnitList(calc, "ComboBox3", 192, 110, 60, InductanceUnits());
    twoDigits_ = ui::MakeCheckBox(calc, "CheckBox1", QStringLiteral("2 Digit"), 192, 136, 60, 17);

    QPushButton* reset = ui::MakeResetButton(calc, "BitBtn3", 46, 157, 33, 25);
    QPushButton* equals = ui::MakeEqualsButton(calc, "ButtonCalcul", 95, 157, 73, 25);
    QPushButton* print = ui::MakePrintButton(calc, "BitBtn4", 184, 160, 33, 22);

    ui::SetTabOrder({editN_, editD_, diameterUnit_, editL_, lengthUnit_, inductanceUnit_, twoDigits_, reset,
                     equals, print, toroid, coax});

    page_.Boxes({editN_, editD_, editL_}).Results({result_}).Fields({&Diameter, &Length, &Inductance});

    ui::On(equals, &QPushButton::clicked, this, [this] { ButtonCalculClick(); });
    ui::On(diameterUnit_, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    ui::On(lengthUnit_, &QComboBox::activated, this, [this] { ComboBox2Change(); });
    ui::On(inductanceUnit_, &QComboBox::activated, this, [this] { ComboBox3Change(); });
    ui::On(twoDigits_, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });
    ui::On(reset, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
    ui::On(toroid, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    ui::On(coax, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    ui::On(print, &QPushButton::clicked, this, [this] { BitBtn4Click(); });
}

void TInducPropre::FormCreate() {
    diameterUnit_->setCurrentIndex(0);
    lengthUnit_->setCurrentIndex(0);
    inductanceUnit_->setCurrentIndex(0);
}

void TInducPropre::FormActivate() {
    if (!ui::IsEnglish()) return;
    setWindowTitle(QStringLiteral("Inductance (cylindrical coil)"));
    ui::ApplyTexts(this, {{"Label1", "Number of turns "},
                          {"Label3", "Exterior diameter"},
                          {"Label4", "Core lenght"},
                          {"Label5", "Inductance"},
                          {"Label6", "Number of turns (N)"},
                          {"Label8", "Exterior diameter (d)"},
                          {"Label9", "Core lenght (l)"}});
    MetresAgain({diameterUnit_, lengthUnit_});
}

void TInducPropre::Calculate() {
    // N is read on each computation; the form keeps the lengths and the result.
    const long double turns = page_.Read(editN_);
    Diameter = ui::Stored(page_.Read(editD_, diameterUnit_));
    Length = ui::Stored(page_.Read(editL_, lengthUnit_));
    Inductance = ui::Stored(page_.InUnit(
        ui::Compute([&] { return formulas::CylindricalCoilInductance(turns, Diameter, Length); }),
        inductanceUnit_));
    page_.Show(result_, Inductance, ui::kGeneral10_4);
}

void TInducPropre::ButtonCalculClick() {
    Recalculate();
}

void TInducPropre::ComboBox1Change() {
    RecalculateWhenComplete();
}

void TInducPropre::ComboBox2Change() {
    ComboBox1Change();
}

void TInducPropre::ComboBox3Change() {
    ComboBox1Change();
}

void TInducPropre::CheckBox1Click() {
    RefreshDisplay();
}

void TInducPropre::BitBtn3Click() {
    page_.Clear();
}

void TInducPropre::BitBtn1Click() {
    if (auto* toroid = ui::Find<TBobineDair>()) toroid->ShowTopic();
}

void TInducPropre::BitBtn2Click() {
    if (auto* cable = ui::Find<TIndCoaxial>()) cable->ShowTopic();
}

void TInducPropre::BitBtn4Click() {
    printing::PreviewReport(QStringLiteral("TQRBobineCyl"), this);
}

OHMBRIX_REGISTER_WINDOW(TInducPropre)

OHMBRIX_REGISTER_REPORT_ROW(TQRBobineCyl, TInducPropre,
                            QStringLiteral("Inductance d'une bobine cylindrique à noyau d'air"),
                            {{{"Panel2", true}}, {{"Image2"}}},
                            {{QStringLiteral("N ="), "EditN"},
                             {QStringLiteral("d ="), "EditD", "ComboBox1"},
                             {QStringLiteral("l ="), "EditI", "ComboBox2"}},
                            {{QStringLiteral("L ="), "Label10", "ComboBox3"}})

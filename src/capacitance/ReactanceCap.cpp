#include "capacitance/ReactanceCap.h"

#include "capacitance/TabReacCap.h"
#include "formulas/Reactance.h"
#include "pictures/Glyphs.h"
#include "pictures/capacitance/ReactanceCapPictures.h"
#include "printing/Preview.h"
#include "printing/ReportRows.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Registry.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>

using Unit = ui::UnitList::Unit;
using Op = ui::UnitList::Op;

TFormReacCap::TFormReacCap(QWidget* parent) : ui::TwoValueWindow(parent) {
    setObjectName(QStringLiteral("FormReacCap"));
    SetForm(QStringLiteral("Calcul de la Réactance Capacitive"), 432, 268, ui::kSilver);

    QFrame* circuit = ui::MakePanel(this, "Panel2", 8, 8, 185, 105, ui::kYellow);
    ui::MakePicture(circuit, "Image5", pictures::ReactanceCapCircuit, 40, 8, 105, 89);
    echo1_ = ui::MakeCentredLabel(circuit, "Label8", 8, 32, 41, 17);
    unitEcho1_ = ui::MakeCentredLabel(circuit, "Label10", 8, 48, 33, 17);
    echo2_ = ui::MakeCentredLabel(circuit, "Label9", 134, 32, 49, 13);
    unitEcho2_ = ui::MakeCentredLabel(circuit, "Label11", 144, 48, 33, 17);

    QFrame* legend = ui::MakePanel(this, "Panel1", 8, 120, 185, 145, ui::kSilver);
    ui::MakePicture(legend, "Image1", pictures::ReactanceCapFormula, 40, 8, 105, 41);
    ui::MakePicture(
        legend, "Image3",
        [=] {
            return pictures::LegendSymbol(QStringLiteral("f ="), {33, 17});
        },
        16, 56, 33, 17);
    ui::MakeLabel(legend, "Label2", QStringLiteral("Fréquence en Hertz"), 48, 56, 113, 13);
    ui::MakePicture(
        legend, "Image2",
        [=] {
            return pictures::LegendSymbol(QStringLiteral("C ="), {41, 17});
        },
        16, 80, 41, 17);
    ui::MakeLabel(legend, "Label1", QStringLiteral("Condensateur en Farad"), 48, 80);
    ui::MakePicture(
        legend, "Image4",
        [=] {
            return pictures::LegendSymbol(QStringLiteral("X_{c} ="), {33, 17});
        },
        16, 112, 33, 17);
    ui::MakeLabel(legend, "Label3", QStringLiteral("Réactance en ohms"), 48, 112);

    QGroupBox* calc =
        ui::MakeGroup(this, "GroupBox1", QStringLiteral("Résultat"), 200, 8, 225, 169, ui::kSilver);
    ui::MakeLabel(calc, "Label4", QStringLiteral("Fréquence"), 14, 28);
    edit1_ = ui::MakeValueBox(calc, "Edit1", 80, 24, 73);
    unit1_ = ui::MakeUnitList(calc, "ComboBox1", 160, 24, 60,
                              {{QStringLiteral("Hertz"), Op::Multiply, 1.0L},
                               {QStringLiteral("kHertz"), Op::Multiply, 1000.0L},
                               {QStringLiteral("mHertz"), Op::Multiply, 1000000.0L}});
    ui::MakeLabel(calc, "Label5", QStringLiteral("Capacitance"), 13, 52);
    edit2_ = ui::MakeValueBox(calc, "Edit2", 80, 48, 73);
    unit2_ = ui::MakeUnitList(
        calc, "ComboBox2", 160, 48, 60,
        {{QStringLiteral("uF"), Op::Divide, 1000000.0L}, {QStringLiteral("nF"), Op::Divide, 1000000000.0L}});
    ui::MakePicture(
        calc, "Image7",
        [=] {
            return pictures::LegendSymbol(QStringLiteral("X_{c} ="), {33, 17});
        },
        16, 80, 33, 17);
    result_ = ui::MakeResultLabel(calc, "Label6", 48, 80, 113, 17);
    resultUnit_ = ui::MakeUnitList(calc, "ComboBox3", 160, 80, 60,
                                   {{QStringLiteral("Ohms"), Op::Divide, 1.0L},
                                    {QStringLiteral("kOhms"), Op::Divide, 1000.0L},
                                    {QStringLiteral("mOhms"), Op::Divide, 1000000.0L}});
    QCheckBox* twoDigits = ui::MakeCheckBox(calc, "CheckBox1", QStringLiteral("2 Digit"), 160, 104, 57, 17);
    QPushButton* reset = ui::MakeResetButton(calc, "BitBtn2", 32, 134, 33, 25);
    QPushButton* equals = ui::MakeEqualsButton(calc, "Button1", 82, 134, 65, 25);
    QPushButton* print = ui::MakePrintButton(calc, "BitBtn1", 164, 134, 33, 25);

    tableur_ = ui::MakeClickablePicture(
        this, "Image6", [=] { return pictures::TableurOval(QStringLiteral("TABLEUR")); }, 256, 205, 113, 41);

    ui::SetTabOrder({edit1_, unit1_, edit2_, unit2_, resultUnit_, reset, equals, print, twoDigits});

    page_.Boxes({edit1_, edit2_}).Results({result_}).Fields({&Frequency, &Capacitance, &Reactance});

    ui::On(equals, &QPushButton::clicked, this, [this] { Calculate(); });
    ConnectUnits();
    LinkResponse(Quantity::Frequency, Quantity::Capacitance);
    ui::On(reset, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    ui::On(print, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    ui::On(tableur_, &ui::PictureLabel::clicked, this, [this] { Image6Click(); });
}

void TFormReacCap::FormCreate() {
    unit1_->setCurrentIndex(0);
    unit2_->setCurrentIndex(0);
    resultUnit_->setCurrentIndex(0);
}

void TFormReacCap::FormActivate() {
    if (!ui::IsEnglish()) return;
    setWindowTitle(QStringLiteral("Capacitive reactance"));
    ui::ApplyTexts(this, {{"Label2", "Frequency"},
                          {"Label1", "Capacitance"},
                          {"Label3", "Reactance"},
                          {"Label4", "Frequency"},
                          {"Label5", "Capacitance"},
                          {"GroupBox1", "Calculator"}});
    EnglishTableur();
}

void TFormReacCap::Calculate() {
    Echo();

    Frequency = ui::Stored(page_.Read(edit1_, unit1_));
    Capacitance = ui::Stored(page_.Read(edit2_, unit2_));
    Reactance = ui::Stored(page_.InUnit(
        ui::Compute([this] { return formulas::CapacitiveReactance(Frequency, Capacitance); }), resultUnit_));
    page_.Show(result_, Reactance, kReactanceDisplay);
}

void TFormReacCap::BitBtn2Click() {
    page_.Clear();
    edit1_->setFocus();
}

void TFormReacCap::BitBtn1Click() {
    printing::PreviewReport(QStringLiteral("TQRReacCap"), this);
}

void TFormReacCap::Image6Click() {
    if (auto* table = ui::Find<TFormTabReacCap>()) table->ShowTopic();
}

OHMBRIX_REGISTER_WINDOW(TFormReacCap)

OHMBRIX_REGISTER_REPORT_ROW(TQRReacCap, TFormReacCap, QStringLiteral("Réactance capacitive"),
                            {{{"Panel2", true}}, {{"Image1"}}},
                            {{QStringLiteral("f ="), "Edit1", "ComboBox1"},
                             {QStringLiteral("C ="), "Edit2", "ComboBox2"}},
                            {{QStringLiteral("Xc ="), "Label6", "ComboBox3"}})

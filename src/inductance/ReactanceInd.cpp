#include "inductance/ReactanceInd.h"
#include "printing/ReportRows.h"
#include "ui/Registry.h"

#include "formulas/Reactance.h"
#include "inductance/TableurInd.h"
#include "pictures/Glyphs.h"
#include "pictures/inductance/ReactanceIndPictures.h"
#include "printing/Preview.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Widgets.h"

#include <QFrame>

using Op = ui::UnitList::Op;

TFormReacInd::TFormReacInd(QWidget* parent) : ui::TwoValueWindow(parent) {
    setObjectName(QStringLiteral("FormReacInd"));
    // The form's active-border colour is silver in the classic scheme the forms are drawn for.
    SetForm(QStringLiteral("Calcul de la Réactance inductive"), 425, 263, ui::kSilver);

    QFrame* circuit = ui::MakePanel(this, "Panel1", 6, 8, 193, 121, ui::kYellow);
    ui::MakePicture(circuit, "Image1", pictures::ReactanceIndCircuit, 41, 17, 105, 88);
    echo1_ = ui::MakeCentredLabel(circuit, "Label1", 0, 33, 62, 13);
    ui::SetTextBackground(echo1_, ui::kSilver);
    unitEcho1_ = ui::MakeCentredLabel(circuit, "Label9", 16, 72, 33, 17);
    echo2_ = ui::MakeCentredLabel(circuit, "Label2", 136, 65, 52, 13);
    unitEcho2_ = ui::MakeCentredLabel(circuit, "Label10", 147, 80, 29, 21);

    QFrame* legend = ui::MakePanel(this, "Panel2", 6, 136, 193, 121, ui::kSilver);
    ui::MakePicture(legend, "Image2", pictures::ReactanceIndFormula, 43, 7, 103, 34);
    ui::MakePicture(
        legend, "Image4",
        [=] {
            return pictures::LegendSymbol(QStringLiteral("f ="), {33, 17});
        },
        24, 48, 33, 17);
    ui::MakeLabel(legend, "Label3", QStringLiteral("Fréquence en hertz"), 72, 48, 0, 13);
    ui::MakePicture(
        legend, "Image3",
        [=] {
            return pictures::LegendSymbol(QStringLiteral("L ="), {33, 17});
        },
        24, 64, 33, 17);
    ui::MakeLabel(legend, "Label4", QStringLiteral("Inductance en henries"), 72, 64, 0, 13);
    ui::MakePicture(
        legend, "Image5",
        [=] {
            return pictures::LegendSymbol(QStringLiteral("X_{L} ="), {33, 17});
        },
        24, 96, 33, 17);
    ui::MakeLabel(legend, "Label5", QStringLiteral("Réactance en ohms"), 72, 96, 0, 13);

    QFrame* calc = ui::MakePanel(this, "Panel3", 204, 8, 217, 185, ui::kSilver);
    ui::MakeLabel(calc, "Label6", QStringLiteral("Fréquence (f) "), 8, 11, 66, 13);
    edit1_ = ui::MakeValueBox(calc, "Edit1", 79, 8, 73, 19);
    unit1_ = ui::MakeUnitList(calc, "ComboBox1", 155, 8, 57,
                              {{QStringLiteral("Hz"), Op::Multiply, 1.0L},
                               {QStringLiteral("kHz"), Op::Multiply, 1000.0L},
                               {QStringLiteral("mHz"), Op::Multiply, 1000000.0L}});
    ui::MakeLabel(calc, "Label7", QStringLiteral("Inductance (L)"), 8, 35, 69, 13);
    edit2_ = ui::MakeValueBox(calc, "Edit2", 79, 32, 73, 19);
    unit2_ = ui::MakeUnitList(calc, "ComboBox2", 155, 32, 57,
                              {{QStringLiteral("H"), Op::Divide, 1.0L},
                               {QStringLiteral("mH"), Op::Divide, 1000.0L},
                               {QStringLiteral("uH"), Op::Divide, 1000000.0L}});
    ui::MakePicture(
        calc, "Image6",
        [=] {
            return pictures::LegendSymbol(QStringLiteral("X_{L} ="), {33, 17});
        },
        2, 64, 33, 17);
    result_ = ui::MakeResultLabel(calc, "Label8", 35, 64, 118, 17);
    resultUnit_ = ui::MakeUnitList(calc, "ComboBox3", 152, 62, 62,
                                   {{QStringLiteral("Ohms"), Op::Divide, 1.0L},
                                    {QStringLiteral("kOhms"), Op::Divide, 1000.0L},
                                    {QStringLiteral("mOhms"), Op::Divide, 1000000.0L}});
    QPushButton* reset = ui::MakeResetButton(calc, "BitBtn1", 28, 120, 28, 25);
    QPushButton* equals = ui::MakeEqualsButton(calc, "Button1", 78, 120, 65, 25);
    QPushButton* print = ui::MakePrintButton(calc, "BitBtn2", 166, 120, 28, 25);

    tableur_ = ui::MakeClickablePicture(
        this, "Image7",
        [=] {
            return pictures::TableurOval(QStringLiteral("TABLEUR"), {121, 41});
        },
        252, 208, 121, 41);

    ui::SetTabOrder({edit1_, unit1_, edit2_, unit2_, resultUnit_, reset, equals, print});

    page_.Boxes({edit1_, edit2_}).Results({result_}).Fields({&Frequency, &Inductance, &Reactance});

    ui::On(equals, &QPushButton::clicked, this, [this] { Button1Click(); });
    ConnectUnits();
    LinkResponse(Quantity::Frequency, Quantity::Inductance);
    ui::On(reset, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    ui::On(print, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    ui::On(tableur_, &ui::PictureLabel::clicked, this, [this] { Image7Click(); });
}

void TFormReacInd::FormCreate() {
    unit1_->setCurrentIndex(0);
    unit2_->setCurrentIndex(0);
    resultUnit_->setCurrentIndex(0);
}

void TFormReacInd::FormActivate() {
    if (!ui::IsEnglish()) return;
    setWindowTitle(QStringLiteral("Inductive reactance"));
    ui::ApplyTexts(this, {{"Label3", "Frequency"},
                          {"Label4", "Inductance"},
                          {"Label5", "Reactance"},
                          {"Label6", "Frequency (f)"},
                          {"Label7", "Inductance (L)"}});
    EnglishTableur();
}

void TFormReacInd::Calculate() {
    // The circuit picture shows what was typed, before anything converts.
    Echo();

    Frequency = ui::Stored(page_.Read(edit1_, unit1_));
    Inductance = ui::Stored(page_.Read(edit2_, unit2_));
    Reactance = ui::Stored(page_.InUnit(
        ui::Compute([this] { return formulas::InductiveReactance(Frequency, Inductance); }), resultUnit_));
    page_.Show(result_, Reactance, ui::kNumber10_4);
}

void TFormReacInd::Button1Click() {
    Calculate();
}

void TFormReacInd::BitBtn1Click() {
    page_.Clear();
    edit1_->setFocus();
}

void TFormReacInd::BitBtn2Click() {
    printing::PreviewReport(QStringLiteral("TQRReacInd"), this);
}

void TFormReacInd::Image7Click() {
    if (auto* table = ui::Find<TFormTableurInd>()) table->ShowTopic();
}

OHMBRIX_REGISTER_WINDOW(TFormReacInd)

OHMBRIX_REGISTER_REPORT_ROW(TQRReacInd, TFormReacInd, QStringLiteral("Réactance inductive"),
                            {{{"Panel1", true}}, {{"Image2"}}},
                            {{QStringLiteral("f ="), "Edit1", "ComboBox1"},
                             {QStringLiteral("L ="), "Edit2", "ComboBox2"}},
                            {{QStringLiteral("Xl ="), "Label8", "ComboBox3"}})

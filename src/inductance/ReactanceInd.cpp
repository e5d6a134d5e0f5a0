#include "inductance/ReactanceInd.h"
#include "ui/Registry.h"

#include "formulas/Reactance.h"
#include "inductance/TableurInd.h"
#include "pictures/Glyphs.h"
#include "pictures/inductance/ReactanceIndPictures.h"
#include "printing/Preview.h"
#include "ui/CalculatorPage.h"
#include "ui/Guard.h"
#include "ui/Language.h"
#include "ui/Pictures.h"
#include "ui/Widgets.h"

#include <QFrame>

using Op = ui::UnitList::Op;

TFormReacInd::TFormReacInd(QWidget* parent) : ui::Window(parent) {
    setObjectName(QStringLiteral("FormReacInd"));
    // The form's active-border colour is silver in the classic scheme the forms are drawn for.
    SetForm(QStringLiteral("Calcul de la Réactance inductive"), 425, 263, ui::kSilver);

    QFrame* circuit = ui::MakePanel(this, "Panel1", 6, 8, 193, 121, ui::kYellow);
    ui::MakePicture(circuit, "Image1", pictures::ReactanceIndCircuit, 41, 17, 105, 88);
    frequencyEcho_ = ui::MakeCentredLabel(circuit, "Label1", 0, 33, 62, 13);
    ui::SetBackground(frequencyEcho_, ui::kSilver);
    frequencyUnitEcho_ = ui::MakeCentredLabel(circuit, "Label9", 16, 72, 33, 17);
    inductanceEcho_ = ui::MakeCentredLabel(circuit, "Label2", 136, 65, 52, 13);
    inductanceUnitEcho_ = ui::MakeCentredLabel(circuit, "Label10", 147, 80, 29, 21);

    QFrame* legend = ui::MakePanel(this, "Panel2", 6, 136, 193, 121, ui::kSilver);
    ui::MakePicture(legend, "Image2", pictures::ReactanceIndFormula, 43, 7, 103, 34);
    ui::MakePicture(
        legend, "Image4",
        [&] {
            return pictures::LegendSymbol(QStringLiteral("f ="), {33, 17});
        },
        24, 48, 33, 17);
    ui::MakeLabel(legend, "Label3", QStringLiteral("Fréquence en hertz"), 72, 48, 0, 13);
    ui::MakePicture(
        legend, "Image3",
        [&] {
            return pictures::LegendSymbol(QStringLiteral("L ="), {33, 17});
        },
        24, 64, 33, 17);
    ui::MakeLabel(legend, "Label4", QStringLiteral("Inductance en henries"), 72, 64, 0, 13);
    ui::MakePicture(
        legend, "Image5",
        [&] {
            return pictures::LegendSymbol(QStringLiteral("X_{L} ="), {33, 17});
        },
        24, 96, 33, 17);
    ui::MakeLabel(legend, "Label5", QStringLiteral("Réactance en ohms"), 72, 96, 0, 13);

    QFrame* calc = ui::MakePanel(this, "Panel3", 204, 8, 217, 185, ui::kSilver);
    ui::MakeLabel(calc, "Label6", QStringLiteral("Fréquence (f) "), 8, 11, 66, 13);
    edit1_ = ui::MakeValueBox(calc, "Edit1", 79, 8, 73, 19);
    frequencyUnit_ = ui::MakeUnitList(calc, "ComboBox1", 155, 8, 57,
                                      {{QStringLiteral("Hz"), Op::Multiply, 1.0L},
                                       {QStringLiteral("kHz"), Op::Multiply, 1000.0L},
                                       {QStringLiteral("mHz"), Op::Multiply, 1000000.0L}});
    ui::MakeLabel(calc, "Label7", QStringLiteral("Inductance (L)"), 8, 35, 69, 13);
    edit2_ = ui::MakeValueBox(calc, "Edit2", 79, 32, 73, 19);
    inductanceUnit_ = ui::MakeUnitList(calc, "ComboBox2", 155, 32, 57,
                                       {{QStringLiteral("H"), Op::Divide, 1.0L},
                                        {QStringLiteral("mH"), Op::Divide, 1000.0L},
                                        {QStringLiteral("uH"), Op::Divide, 1000000.0L}});
    ui::MakePicture(
        calc, "Image6",
        [&] {
            return pictures::LegendSymbol(QStringLiteral("X_{L} ="), {33, 17});
        },
        2, 64, 33, 17);
    result_ = ui::MakeResultLabel(calc, "Label8", 35, 64, 118, 17);
    reactanceUnit_ = ui::MakeUnitList(calc, "ComboBox3", 152, 62, 62,
                                      {{QStringLiteral("Ohms"), Op::Divide, 1.0L},
                                       {QStringLiteral("kOhms"), Op::Divide, 1000.0L},
                                       {QStringLiteral("mOhms"), Op::Divide, 1000000.0L}});
    QPushButton* reset = ui::MakeResetButton(calc, "BitBtn1", 28, 120, 28, 25);
    QPushButton* equals = ui::MakeEqualsButton(calc, "Button1", 78, 120, 65, 25);
    QPushButton* print = ui::MakePrintButton(calc, "BitBtn2", 166, 120, 28, 25);

    tableur_ = ui::MakeClickablePicture(
        this, "Image7",
        [&] {
            return pictures::TableurOval(QStringLiteral("TABLEUR"), {121, 41});
        },
        252, 208, 121, 41);

    ui::SetTabOrder({edit1_, frequencyUnit_, edit2_, inductanceUnit_, reactanceUnit_, reset, equals, print});

    page_.Boxes({edit1_, edit2_}).Results({result_}).Fields({&Frequency, &Inductance, &Reactance});

    ui::On(equals, &QPushButton::clicked, this, [this] { Button1Click(); });
    ui::On(frequencyUnit_, &QComboBox::activated, this, [this] { ComboBox1Change(); });
    ui::On(inductanceUnit_, &QComboBox::activated, this, [this] { ComboBox2Change(); });
    ui::On(reactanceUnit_, &QComboBox::activated, this, [this] { ComboBox3Change(); });
    ui::On(reset, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    ui::On(print, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    ui::On(tableur_, &ui::PictureLabel::clicked, this, [this] { Image7Click(); });
}

void TFormReacInd::FormCreate() {
    frequencyUnit_->setCurrentIndex(0);
    inductanceUnit_->setCurrentIndex(0);
    reactanceUnit_->setCurrentIndex(0);
}

void TFormReacInd::FormActivate() {
    if (!ui::IsEnglish()) return;
    setWindowTitle(QStringLiteral("Inductive reactance"));
    ui::ApplyTexts(this, {{"Label3", "Frequency"},
                          {"Label4", "Inductance"},
                          {"Label5", "Reactance"},
                          {"Label6", "Frequency (f)"},
                          {"Label7", "Inductance (L)"}});
    tableur_->clear();
    ui::LoadPictureInto(tableur_, QStringLiteral("interface/tableur_en.bmp"));
}

void TFormReacInd::Calculate() {
    // The circuit picture shows what was typed, before anything converts.
    frequencyEcho_->setText(edit1_->text());
    frequencyUnitEcho_->setText(frequencyUnit_->currentText());
    inductanceEcho_->setText(edit2_->text());
    inductanceUnitEcho_->setText(inductanceUnit_->currentText());

    Frequency = ui::Stored(page_.Read(edit1_, frequencyUnit_));
    Inductance = ui::Stored(page_.Read(edit2_, inductanceUnit_));
    Reactance = ui::Stored(page_.InUnit(
        ui::Compute([this] { return formulas::InductiveReactance(Frequency, Inductance); }), reactanceUnit_));
    page_.Show(result_, Reactance, ui::kNumber10_4);
}

void TFormReacInd::Button1Click() {
    Calculate();
}

void TFormReacInd::ComboBox1Change() {
    if (page_.AllHoldText())
        Calculate();
    else
        frequencyUnitEcho_->setText(frequencyUnit_->currentText());
}

void TFormReacInd::ComboBox2Change() {
    if (page_.AllHoldText())
        Calculate();
    else
        inductanceUnitEcho_->setText(inductanceUnit_->currentText());
}

void TFormReacInd::ComboBox3Change() {
    if (page_.AllHoldText())
        Calculate();
    else
        result_->clear();
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

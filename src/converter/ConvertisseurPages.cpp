// The converter's layout: the display options row and the twelve pages.
#include "converter/Convertisseur.h"

#include "converter/ConvertisseurLists.h"
#include "pictures/converter/ConvertisseurPictures.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QListWidget>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

namespace {

const char* const kCaptions[TFormConvertisseur::kPages] = {
    "Courant",   "Puissance", "Résistance", "Voltage", "Capacitance", "Inductance",
    "Fréquence", "Divers",    "Distance",   "Surface", "Volume",      "Poid"};

constexpr int kSmallFont = 11; // 8 points
constexpr int kLargeFont = 13; // 10 points

QListWidget* MakeList(QWidget* parent, const char* name, int x, int y, int w, int h, int fontPixels,
                      int itemHeight) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setGeometry(x, y, w, h);
    list->setFont(ui::FormFont("MS Sans Serif", fontPixels));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    list->setProperty("itemHeight", itemHeight);
    return list;
}

QLineEdit* MakeOutputBox(QWidget* parent, const char* name, int x, int y, int w, bool readOnly,
                         bool tabStop) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(x, y, w, 21);
    QPalette p = box->palette();
    p.setColor(QPalette::Base, ui::kYellow);
    box->setPalette(p);
    box->setReadOnly(readOnly);
    if (!tabStop) box->setFocusPolicy(Qt::ClickFocus);
    return box;
}

void AddItems(QListWidget* list, const QStringList& items) {
    const int height = list->property("itemHeight").toInt();
    for (const QString& text : items) {
        auto* item = new QListWidgetItem(text, list);
        item->setSizeHint(QSize(0, height));
    }
}

} // namespace

void TFormConvertisseur::BuildOptions() {
    precision_ = new QComboBox(this);
    precision_->setObjectName(QStringLiteral("ComboBox2"));
    precision_->setGeometry(12, 1, 129, 22);
    for (int digits = 8; digits <= 20; digits += 2)
        precision_->addItem(QStringLiteral("Précision=%1").arg(digits));
    precision_->addItem(QStringLiteral(" "));

    decimals_ = new QComboBox(this);
    decimals_->setObjectName(QStringLiteral("ComboBox1"));
    decimals_->setGeometry(144, 1, 129, 22);
    for (int digits = 2; digits <= 12; ++digits)
        decimals_->addItem(QStringLiteral("Décimal = %1").arg(digits));
    decimals_->addItem(QStringLiteral(" "));

    // Right-aligned captions; grown to the left by a few pixels, as our sans serif runs wider
    // than the form's.
    auto rightLabel = [this](const char* name, const QString& text, int x, int w) {
        QLabel* label = ui::MakeLabel(this, name, text, x - 8, 4, w + 8, 15);
        label->setFont(ui::FormFont("MS Sans Serif", kSmallFont));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return label;
    };
    rightLabel("Label16", QStringLiteral("Général"), 292, 37);
    general_ = new QRadioButton(this);
    general_->setObjectName(QStringLiteral("RadioButton1"));
    general_->setGeometry(336, 5, 17, 17);
    rightLabel("Label18", QStringLiteral("Intégral"), 366, 35);
    integral_ = new QRadioButton(this);
    integral_->setObjectName(QStringLiteral("RadioButton2"));
    integral_->setGeometry(416, 5, 17, 17);
    digCaption_ = rightLabel("Label17", QStringLiteral("Dig 2"), 440, 33);
    twoDigits_ = ui::MakeCheckBox(this, "CheckBox1", QString(), 477, 5, 17, 17);

    pageControl_ = new QTabWidget(this);
    pageControl_->setObjectName(QStringLiteral("PageControl1"));
    pageControl_->setGeometry(8, 24, 497, 305);
    pageControl_->setFocusPolicy(Qt::NoFocus);
    pageControl_->tabBar()->setFocusPolicy(Qt::NoFocus);
    pageControl_->tabBar()->setFont(ui::FormFont("MS Sans Serif", kSmallFont));
    pageControl_->setUsesScrollButtons(true);
    for (int i = 0; i < kPages; ++i) {
        auto* sheet = new QWidget;
        sheet->setObjectName(QStringLiteral("TabSheet%1").arg(i + 1));
        sheet->setProperty("formCaption", QString::fromUtf8(kCaptions[i]));
        ui::SetBackground(sheet, ui::kBtnFace);
        pageControl_->addTab(sheet, QString::fromUtf8(kCaptions[i]));
        pages_[i].sheet = sheet;
    }
    // The tab row scrolls by its arrows; they are no tab stops either.
    for (QToolButton* arrow : pageControl_->tabBar()->findChildren<QToolButton*>())
        arrow->setFocusPolicy(Qt::NoFocus);
}

void TFormConvertisseur::BuildPrefixPage(int index) {
    const converter::PrefixPage& units = converter::PrefixPages()[index];
    Page& page = pages_[index];
    QWidget* sheet = page.sheet;
    page.units = &units;
    page.from = MakeList(sheet, units.fromList, 104, 56, 65, 105, kLargeFont, 16);
    page.to = MakeList(sheet, units.toList, 304, 56, 65, 105, kLargeFont, 16);
    for (auto [list, items] : {std::pair{page.from, &units.fromUnits}, std::pair{page.to, &units.toUnits}}) {
        QStringList texts;
        for (const converter::PrefixUnit& u : *items)
            texts << QLatin1String(u.item);
        AddItems(list, texts);
    }
    ui::MakePicture(sheet, QStringLiteral("Image%1").arg(index + 1).toLatin1().constData(),
                    pictures::ConverterArrow, 192, 96, 81, 17);

    if (index == 0) {
        QFrame* panel = ui::MakePanel(sheet, "Panel6", 8, 192, 473, 49, ui::kBtnFace, false);
        page.input = ui::MakeValueBox(panel, units.input, 32, 12, 161);
        page.fromLabel = ui::MakeLabel(panel, units.fromLabel, QString(), 200, 16, 49, 17);
        page.output = MakeOutputBox(panel, units.output, 256, 12, 161, true, false);
        page.toLabel = ui::MakeLabel(panel, units.toLabel, QString(), 424, 16, 41, 17);
        for (QLabel* label : {page.fromLabel, page.toLabel})
            label->setFont(ui::FormFont("MS Sans Serif", kLargeFont, true));
    } else {
        page.input = ui::MakeValueBox(sheet, units.input, 56, 192, 161);
        page.output = MakeOutputBox(sheet, units.output, 256, 192, 161, true, false);
        if (index == 2) {
            page.fromLabel = ui::MakeCentredLabel(sheet, units.fromLabel, 216, 196, 41, 17);
            page.toLabel = ui::MakeCentredLabel(sheet, units.toLabel, 416, 196, 41, 17);
            for (QLabel* label : {page.fromLabel, page.toLabel})
                label->setFont(ui::FormFont("MS Sans Serif", kSmallFont));
        } else {
            // Auto-sized in the form; wide enough here for the longest unit.
            page.fromLabel = ui::MakeLabel(sheet, units.fromLabel, QString(), 224, 194, 32, 17);
            page.toLabel = ui::MakeLabel(sheet, units.toLabel, QString(), 424, 194, 48, 17);
            for (QLabel* label : {page.fromLabel, page.toLabel})
                label->setFont(ui::FormFont("MS Sans Serif", kLargeFont));
        }
    }
    ui::SetTabOrder({page.from, page.to, page.input});
}

void TFormConvertisseur::BuildPairPage(int index) {
    const converter::PairList& names = converter::PairLists()[index - kFirstPairPage];
    Page& page = pages_[index];
    QWidget* sheet = page.sheet;
    page.kind = names.pairs;
    double* const stored[] = {&VariedValue, &LengthValue, &AreaValue, &VolumeValue, &MassValue};
    page.stored = stored[index - kFirstPairPage];

    if (index == kFirstPairPage) {
        page.pairs = MakeList(sheet, names.list, 8, 0, 473, 209, kSmallFont, 13);
        QGroupBox* group = ui::MakeGroup(sheet, "GroupBox1", QString(), 8, 208, 473, 41, ui::kBtnFace);
        page.input = ui::MakeValueBox(group, names.input, 8, 14, 193);
        page.output = MakeOutputBox(group, names.output, 270, 14, 193, true, false);
        QFrame* panel = ui::MakePanel(sheet, "Panel1", 8, 252, 473, 25, ui::kBtnFace, true);
        panel->setLineWidth(2);
        page.pairLabel = ui::MakeLabel(panel, names.label, QString(), 2, 2, 469, 21);
        page.pairLabel->setFont(ui::FormFont("MS Sans Serif", kSmallFont, true));
    } else {
        const bool wide = index == kPages - 1;
        page.pairs = MakeList(sheet, names.list, wide ? 120 : 160, 8, wide ? 249 : 161, 201, kLargeFont, 16);
        const int n = index - kFirstPairPage + 1;
        QGroupBox* group = ui::MakeGroup(sheet, QStringLiteral("GroupBox%1").arg(n).toLatin1().constData(),
                                         QString(), 0, 216, 489, 33, ui::kBtnFace);
        page.input = ui::MakeValueBox(group, names.input, 32, 8, 185);
        const bool typeable = index >= 10; // "Volume" and "Poid"
        page.output = MakeOutputBox(group, names.output, 264, 8, 193, !typeable, true);
        QFrame* panel = ui::MakePanel(sheet, QStringLiteral("Panel%1").arg(n).toLatin1().constData(), 0, 248,
                                      489, 27, ui::kBtnFace, false);
        panel->setLineWidth(2);
        page.pairLabel = ui::MakeLabel(panel, names.label, QString(), 2, 2, 485, 23);
        page.pairLabel->setFont(ui::FormFont("MS Sans Serif", kLargeFont, true));
    }
    page.pairLabel->setAlignment(Qt::AlignCenter);
    if (index == kFirstPairPage + 1)
        AddItems(page.pairs, converter::PairItems(page.kind, false)); // the form's
    ui::SetTabOrder({page.pairs, page.input, page.output});
}

void TFormConvertisseur::FillPairLists(bool english) {
    for (int index = kFirstPairPage; index < kPages; ++index) {
        Page& page = pages_[index];
        const QSignalBlocker block(page.pairs);
        if (page.kind != formulas::PairPage::Length || english) {
            page.pairs->clear();
            AddItems(page.pairs, converter::PairItems(page.kind, english));
        }
        page.pairs->setCurrentRow(0);
        page.pairLabel->setText(page.pairs->item(0)->text());
    }
}

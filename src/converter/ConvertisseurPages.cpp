// The converter's layout: the display options row and the twelve pages, as one form table
// generated from the pages' lists.
#include "converter/Convertisseur.h"

#include "converter/ConvertisseurLists.h"
#include "pictures/converter/ConvertisseurPictures.h"
#include "ui/FormTable.h"
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

namespace form = ui::form;

ui::FormMaker List(int x, int y, int w, int h, int fontPixels, int itemHeight) {
    return [=](QWidget* parent) -> QWidget* {
        auto* list = new QListWidget(parent);
        list->setGeometry(x, y, w, h);
        list->setFont(ui::FormFont("MS Sans Serif", fontPixels));
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setUniformItemSizes(true);
        list->setProperty("itemHeight", itemHeight);
        return list;
    };
}

// A result box on yellow; "Volume" and "Poid" take typing in theirs.
ui::FormMaker OutputBox(int x, int y, int w, bool readOnly, bool tabStop) {
    return [=](QWidget* parent) -> QWidget* {
        auto* box = new QLineEdit(parent);
        box->setGeometry(x, y, w, 21);
        QPalette p = box->palette();
        p.setColor(QPalette::Base, ui::kYellow);
        box->setPalette(p);
        box->setReadOnly(readOnly);
        if (!tabStop) box->setFocusPolicy(Qt::ClickFocus);
        return box;
    };
}

QWidget* MakePageControl(QWidget* parent) {
    auto* tabs = new QTabWidget(parent);
    tabs->setFocusPolicy(Qt::NoFocus);
    tabs->tabBar()->setFocusPolicy(Qt::NoFocus);
    tabs->tabBar()->setFont(ui::FormFont("MS Sans Serif", kSmallFont));
    tabs->setUsesScrollButtons(true);
    return tabs;
}

std::vector<ui::UnitList::Unit> Choices(const QString& format, int from, int to, int step) {
    std::vector<ui::UnitList::Unit> items;
    for (int digits = from; digits <= to; digits += step)
        items.push_back({format.arg(digits), ui::UnitList::Op::Multiply, 1.0L});
    items.push_back({QStringLiteral(" "), ui::UnitList::Op::Multiply, 1.0L}); // keeps the one in force
    return items;
}

// Right-aligned captions; grown to the left by a few pixels, as our sans serif runs wider than
// the form's.
ui::FormRow RightLabel(const char* name, const QString& french, const QString& english, int x, int w) {
    return form::Label(name, nullptr, {x - 8, 4, w + 8, 15}, french, english)
        .Font("MS Sans Serif", kSmallFont)
        .Align(Qt::AlignRight | Qt::AlignVCenter);
}

const char* const kSheets[] = {"TabSheet1", "TabSheet2",  "TabSheet3",  "TabSheet4",
                               "TabSheet5", "TabSheet6",  "TabSheet7",  "TabSheet8",
                               "TabSheet9", "TabSheet10", "TabSheet11", "TabSheet12"};
const char* const kArrows[] = {"Image1", "Image2", "Image3", "Image4", "Image5", "Image6", "Image7"};
const char* const kPairGroups[] = {"GroupBox1", "GroupBox2", "GroupBox3", "GroupBox4", "GroupBox5"};
const char* const kPairPanels[] = {"Panel1", "Panel2", "Panel3", "Panel4", "Panel5"};
// Null: the caption reads the same in English.
const char* const kEnglishCaptions[] = {"Current",   "Power",  "Resistance", "Voltage", nullptr, nullptr,
                                        "Frequency", "Varied", "Length",     "Area",    nullptr, "Mass"};

void AddPrefixPage(ui::FormTable& t, int index) {
    const converter::PrefixPage& units = converter::PrefixPages()[index];
    const char* sheet = kSheets[index];
    auto& r = t.rows;
    r.push_back(form::Own(units.fromList, sheet, {}, List(104, 56, 65, 105, kLargeFont, 16))
                    .Says("Unité de départ", "From unit"));
    r.push_back(form::Own(units.toList, sheet, {}, List(304, 56, 65, 105, kLargeFont, 16))
                    .Says("Unité d'arrivée", "To unit"));
    r.push_back(form::Picture(kArrows[index], sheet, {192, 96, 81, 17}, pictures::ConverterArrow));
    if (index == 0) {
        r.push_back(form::Panel("Panel6", sheet, {8, 192, 473, 49}, ui::kBtnFace).Flat());
        r.push_back(form::Box(units.input, "Panel6", {32, 12, 161, 21}).Says("Valeur", "Value"));
        r.push_back(form::Label(units.fromLabel, "Panel6", {200, 16, 49, 17}, QString())
                        .Font("MS Sans Serif", kLargeFont, true));
        r.push_back(form::Own(units.output, "Panel6", {}, OutputBox(256, 12, 161, true, false)));
        r.push_back(form::Label(units.toLabel, "Panel6", {424, 16, 41, 17}, QString())
                        .Font("MS Sans Serif", kLargeFont, true));
    } else {
        r.push_back(form::Box(units.input, sheet, {56, 192, 161, 21}).Says("Valeur", "Value"));
        r.push_back(form::Own(units.output, sheet, {}, OutputBox(256, 192, 161, true, false)));
        if (index == 2) {
            r.push_back(
                form::Echo(units.fromLabel, sheet, {216, 196, 41, 17}).Font("MS Sans Serif", kSmallFont));
            r.push_back(
                form::Echo(units.toLabel, sheet, {416, 196, 41, 17}).Font("MS Sans Serif", kSmallFont));
        } else {
            // Auto-sized in the form; wide enough here for the longest unit.
            r.push_back(form::Label(units.fromLabel, sheet, {224, 194, 32, 17}, QString())
                            .Font("MS Sans Serif", kLargeFont));
            r.push_back(form::Label(units.toLabel, sheet, {424, 194, 48, 17}, QString())
                            .Font("MS Sans Serif", kLargeFont));
        }
    }
    t.tabOrder.insert(t.tabOrder.end(), {nullptr, units.fromList, units.toList, units.input});
}

void AddPairPage(ui::FormTable& t, int index) {
    const converter::PairList& names = converter::PairLists()[index - TFormConvertisseur::kFirstPairPage];
    const char* sheet = kSheets[index];
    const int n = index - TFormConvertisseur::kFirstPairPage;
    auto& r = t.rows;
    if (n == 0) {
        r.push_back(form::Own(names.list, sheet, {}, List(8, 0, 473, 209, kSmallFont, 13))
                        .Says("Conversions", "Conversions"));
        r.push_back(form::Group("GroupBox1", sheet, {8, 208, 473, 41}, QString(), {}, ui::kBtnFace));
        r.push_back(form::Box(names.input, "GroupBox1", {8, 14, 193, 21}).Says("Valeur", "Value"));
        r.push_back(form::Own(names.output, "GroupBox1", {}, OutputBox(270, 14, 193, true, false))
                        .Says("Valeur convertie", "Converted value"));
        r.push_back(form::Panel("Panel1", sheet, {8, 252, 473, 25}, ui::kBtnFace));
        r.push_back(form::Label(names.label, "Panel1", {2, 2, 469, 21}, QString())
                        .Font("MS Sans Serif", kSmallFont, true)
                        .Align(Qt::AlignCenter));
    } else {
        const bool wide = index == TFormConvertisseur::kPages - 1;
        const bool typeable = index >= 10; // "Volume" and "Poid"
        r.push_back(
            form::Own(names.list, sheet, {}, List(wide ? 120 : 160, 8, wide ? 249 : 161, 201, kLargeFont, 16))
                .Says("Conversions", "Conversions"));
        r.push_back(form::Group(kPairGroups[n], sheet, {0, 216, 489, 33}, QString(), {}, ui::kBtnFace));
        r.push_back(form::Box(names.input, kPairGroups[n], {32, 8, 185, 21}).Says("Valeur", "Value"));
        r.push_back(form::Own(names.output, kPairGroups[n], {}, OutputBox(264, 8, 193, !typeable, true))
                        .Says("Valeur convertie", "Converted value"));
        r.push_back(form::Panel(kPairPanels[n], sheet, {0, 248, 489, 27}, ui::kBtnFace).Flat());
        r.push_back(form::Label(names.label, kPairPanels[n], {2, 2, 485, 23}, QString())
                        .Font("MS Sans Serif", kLargeFont, true)
                        .Align(Qt::AlignCenter));
    }
    t.tabOrder.insert(t.tabOrder.end(), {nullptr, names.list, names.input});
    if (n > 0) t.tabOrder.push_back(names.output); // the first page's result is no tab stop
}

// The options row, the twelve pages, then each page's parts, generated from the pages' lists.
ui::FormTable MakeForm() {
    ui::FormTable t{
        {form::Units("ComboBox2", nullptr, {12, 1, 129, 22},
                     Choices(QStringLiteral("Précision=%1"), 8, 20, 2))
             .Says("Précision", "Precision"),
         form::Units("ComboBox1", nullptr, {144, 1, 129, 22},
                     Choices(QStringLiteral("Décimal = %1"), 2, 12, 1))
             .Says("Décimales", "Decimals"),
         RightLabel("Label16", QStringLiteral("Général"), QStringLiteral("General"), 292, 37),
         form::Radio("RadioButton1", nullptr, {336, 5, 17, 17}, QString()).Says("Général", "General"),
         RightLabel("Label18", QStringLiteral("Intégral"), QStringLiteral("Integral"), 366, 35),
         form::Radio("RadioButton2", nullptr, {416, 5, 17, 17}, QString()).Says("Intégral", "Integral"),
         RightLabel("Label17", QStringLiteral("Dig 2"), {}, 440, 33),
         form::Check("CheckBox1", nullptr, {477, 5, 17, 17}, QString()).Says("Dig 2"),
         form::Own("PageControl1", nullptr, {8, 24, 497, 305}, MakePageControl)},
        {"ComboBox2", "ComboBox1", "RadioButton1", "RadioButton2", "CheckBox1"}};
    for (int i = 0; i < TFormConvertisseur::kPages; ++i)
        t.rows.push_back(
            form::Page(kSheets[i], "PageControl1", QString::fromUtf8(kCaptions[i]),
                       kEnglishCaptions[i] ? QString::fromLatin1(kEnglishCaptions[i]) : QString())
                .Background(ui::kBtnFace));
    for (int i = 0; i < TFormConvertisseur::kFirstPairPage; ++i)
        AddPrefixPage(t, i);
    for (int i = TFormConvertisseur::kFirstPairPage; i < TFormConvertisseur::kPages; ++i)
        AddPairPage(t, i);
    return t;
}

void AddItems(QListWidget* list, const QStringList& items) {
    const int height = list->property("itemHeight").toInt();
    for (const QString& text : items) {
        auto* item = new QListWidgetItem(text, list);
        item->setSizeHint(QSize(0, height));
    }
}

} // namespace

const ui::FormTable& TFormConvertisseur::Form() {
    static const ui::FormTable form = MakeForm();
    return form;
}

void TFormConvertisseur::BuildPages() {
    const ui::FormParts parts = ui::BuildForm(this, Form());
    precision_ = parts.Get<QComboBox>("ComboBox2");
    decimals_ = parts.Get<QComboBox>("ComboBox1");
    general_ = parts.Get<QRadioButton>("RadioButton1");
    integral_ = parts.Get<QRadioButton>("RadioButton2");
    digCaption_ = parts.Get<QLabel>("Label17");
    twoDigits_ = parts.Get<QCheckBox>("CheckBox1");
    pageControl_ = parts.Get<QTabWidget>("PageControl1");
    // The tab row scrolls by its arrows; they are no tab stops either.
    for (QToolButton* arrow : pageControl_->tabBar()->findChildren<QToolButton*>())
        arrow->setFocusPolicy(Qt::NoFocus);

    for (int i = 0; i < kPages; ++i) {
        Page& page = pages_[i];
        page.sheet = parts.Get(kSheets[i]);
        if (i < kFirstPairPage) {
            const converter::PrefixPage& units = converter::PrefixPages()[i];
            page.units = &units;
            page.from = parts.Get<QListWidget>(units.fromList);
            page.to = parts.Get<QListWidget>(units.toList);
            page.input = parts.Get<QLineEdit>(units.input);
            page.output = parts.Get<QLineEdit>(units.output);
            page.fromLabel = parts.Get<QLabel>(units.fromLabel);
            page.toLabel = parts.Get<QLabel>(units.toLabel);
            for (auto [list, items] :
                 {std::pair{page.from, &units.fromUnits}, std::pair{page.to, &units.toUnits}}) {
                QStringList texts;
                for (const converter::PrefixUnit& u : *items)
                    texts << QLatin1String(u.item);
                AddItems(list, texts);
            }
            continue;
        }
        const converter::PairList& names = converter::PairLists()[i - kFirstPairPage];
        double* const stored[] = {&VariedValue, &LengthValue, &AreaValue, &VolumeValue, &MassValue};
        page.kind = names.pairs;
        page.stored = stored[i - kFirstPairPage];
        page.pairs = parts.Get<QListWidget>(names.list);
        page.input = parts.Get<QLineEdit>(names.input);
        page.output = parts.Get<QLineEdit>(names.output);
        page.pairLabel = parts.Get<QLabel>(names.label);
        static_cast<QFrame*>(page.pairLabel->parentWidget())->setLineWidth(2);
        if (i == kFirstPairPage + 1)
            AddItems(page.pairs, converter::PairItems(page.kind, false)); // the form's
    }
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

// What a form table builds: every row kind on its parent, named and placed as its row says, the
// looks its modifiers give (type, alignment, colours; a condensed text measured in its final
// type), and its English texts applied.
#include "support/GuiFixture.h"

#include "pictures/Glyphs.h"
#include "ui/FormTable.h"

#include <QFrame>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>

namespace {

using namespace ui::form;

QWidget* Framed(QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setGeometry(1, 1, 2, 2); // the row's place overrides it
    return frame;
}

QWidget* PlacedByItself(QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setGeometry(5, 6, 7, 8);
    return frame;
}

// Kept for the program's life, as BuildForm asks.
const ui::FormTable kTable{
    {Panel("Panel1", nullptr, {0, 0, 300, 200}, ui::kSilver),
     Label("Fits", "Panel1", {4, 4, 0, 0}, QStringLiteral("Court"),
           QStringLiteral("A caption much longer in English"))
         .Font("MS Sans Serif", 13, true)
         .FitsText()
         .Align(Qt::AlignRight | Qt::AlignVCenter)
         .Ink(Qt::red),
     Label("Bold", "Panel1", {4, 30, 60, 16}, QStringLiteral("gras")).Bold(),
     Label("Filled", "Panel1", {4, 50, 60, 16}, QStringLiteral("fond")).Background(Qt::yellow),
     Echo("Echo", "Panel1", {70, 30, 60, 16}).Text(QStringLiteral("écho"), QStringLiteral("echo")),
     Result("Result", "Panel1", {70, 50, 60, 16}).Text(QStringLiteral("titre"), QStringLiteral("title")),
     Radio("Radio", "Panel1", {140, 30, 80, 18}, QStringLiteral("quatre"), QStringLiteral("four")),
     GlyphButton("Glyph", "Panel1", {140, 50, 33, 25}, pictures::PrinterGlyph),
     Units("Tall", "Panel1", {10, 80, 80, 22}, {{QStringLiteral("x"), ui::UnitList::Op::Multiply, 1}}),
     Units("Usual", "Panel1", {100, 80, 80, 0}, {{QStringLiteral("x"), ui::UnitList::Op::Multiply, 1}}),
     Own("Placed", "Panel1", {10, 110, 40, 30}, Framed), Own("Itself", "Panel1", {}, PlacedByItself)},
    {}};

TEST_F(GuiTest, FormTableRowsAndModifiers) {
    Build(QStringLiteral("*"));
    QWidget root;
    const ui::FormParts parts = ui::BuildForm(&root, kTable);

    auto* fits = parts.Get<QLabel>("Fits");
    EXPECT_EQ(fits->parentWidget(), parts.Find("Panel1"));
    EXPECT_EQ(fits->font().pixelSize(), 13);
    EXPECT_TRUE(fits->font().bold());
    EXPECT_EQ(fits->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(fits->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(fits->width(), fits->sizeHint().width()); // fitted in its own font
    const QFont inherited = parts.Get<QLabel>("Filled")->font();
    EXPECT_TRUE(parts.Get<QLabel>("Bold")->font().bold());
    EXPECT_EQ(parts.Get<QLabel>("Bold")->font().family(), inherited.family());
    EXPECT_FALSE(inherited.bold());
    EXPECT_TRUE(parts.Get<QLabel>("Filled")->autoFillBackground());
    EXPECT_EQ(parts.Get<QLabel>("Filled")->palette().color(QPalette::Window), QColor(Qt::yellow));
    EXPECT_EQ(parts.Get<QLabel>("Echo")->text(), QStringLiteral("écho"));
    EXPECT_EQ(parts.Get<QLabel>("Result")->text(), QStringLiteral("titre"));
    EXPECT_EQ(parts.Get<QRadioButton>("Radio")->text(), QStringLiteral("quatre"));
    EXPECT_EQ(parts.Get<QRadioButton>("Radio")->geometry(), QRect(140, 30, 80, 18));
    EXPECT_TRUE(parts.Get<QPushButton>("Glyph")->text().isEmpty());
    EXPECT_FALSE(parts.Get<QPushButton>("Glyph")->icon().isNull());
    EXPECT_EQ(parts.Get<ui::UnitList>("Tall")->height(), 22);
    EXPECT_EQ(parts.Get<ui::UnitList>("Usual")->height(), 21);
    EXPECT_EQ(parts.Get("Placed")->objectName(), QStringLiteral("Placed"));
    EXPECT_EQ(parts.Get("Placed")->geometry(), QRect(10, 110, 40, 30));
    EXPECT_EQ(parts.Get("Itself")->objectName(), QStringLiteral("Itself"));
    EXPECT_EQ(parts.Get("Itself")->geometry(), QRect(5, 6, 7, 8));

    const int frenchWidth = fits->width();
    ui::ApplyEnglish(&root, kTable);
    EXPECT_EQ(fits->text(), QStringLiteral("A caption much longer in English"));
    EXPECT_GT(fits->width(), frenchWidth);
    EXPECT_GE(fits->width(), fits->fontMetrics().horizontalAdvance(fits->text()));
    EXPECT_EQ(parts.Get<QLabel>("Echo")->text(), QStringLiteral("echo"));
    EXPECT_EQ(parts.Get<QLabel>("Result")->text(), QStringLiteral("title"));
    EXPECT_EQ(parts.Get<QRadioButton>("Radio")->text(), QStringLiteral("four"));
    EXPECT_EQ(parts.Get<QLabel>("Bold")->text(), QStringLiteral("gras")); // no English: stays
}

const ui::FormTable kLooks{
    {FixedUnit("Ohms", nullptr, {0, 0, 41, 17}, QStringLiteral("Ohms")),
     FixedUnit("Degrees", nullptr, {0, 20, 41, 17}, QStringLiteral("Degrées"))
         .Align(Qt::AlignLeft | Qt::AlignVCenter),
     Label("Heading", nullptr, {0, 40, 0, 0}, QStringLiteral("mH")).Font("MS Sans Serif", 13, true),
     Label("Small", nullptr, {0, 60, 180, 13}, QStringLiteral("(en mm)")).TextSize(10),
     Label("Yellow", nullptr, {0, 80, 241, 17}, QStringLiteral("Relation")).Ink(ui::kYellow),
     Result("Navy", nullptr, {0, 100, 153, 17}).Background(ui::kNavy).TextSize(13)},
    {}};

TEST(FormRowLook, ModifiersDressTheBuiltLabels) {
    QWidget root;
    const ui::FormParts parts = ui::BuildForm(&root, kLooks);
    const QFont inherited = root.font();
    const struct {
        const char* name;
        Qt::Alignment align;
        int pixels; // 0: the inherited type
        bool bold;
        QString family;
        QColor text, background; // invalid: the inherited colour, no background of its own
    } looks[] = {
        {"Ohms", Qt::AlignCenter, 0, false, inherited.family(), {}, ui::kLime},
        {"Degrees", Qt::AlignLeft | Qt::AlignVCenter, 0, false, inherited.family(), {}, ui::kLime},
        {"Heading",
         Qt::AlignLeft | Qt::AlignVCenter,
         13,
         true,
         ui::FormFont("MS Sans Serif", 13).family(),
         {},
         {}},
        {"Small", Qt::AlignLeft | Qt::AlignVCenter, 10, false, inherited.family(), {}, {}},
        {"Yellow", Qt::AlignLeft | Qt::AlignVCenter, 0, false, inherited.family(), ui::kYellow, {}},
        // A result keeps its white text on the background its row gives.
        {"Navy", Qt::AlignCenter, 13, false, inherited.family(), ui::kWhite, ui::kNavy},
    };
    for (const auto& l : looks) {
        SCOPED_TRACE(l.name);
        auto* label = parts.Get<QLabel>(l.name);
        EXPECT_EQ(label->alignment(), l.align);
        EXPECT_EQ(label->font().pixelSize(), l.pixels ? l.pixels : inherited.pixelSize());
        EXPECT_EQ(label->font().bold(), l.bold);
        EXPECT_EQ(label->font().family(), l.family);
        if (l.text.isValid()) EXPECT_EQ(label->palette().color(QPalette::WindowText), l.text);
        EXPECT_EQ(label->autoFillBackground(), l.background.isValid());
        if (l.background.isValid()) EXPECT_EQ(label->palette().color(QPalette::Window), l.background);
    }
}

// A caption set in its own type is condensed to its room in that type, not in the inherited one.
TEST(FormRowLook, ACaptionFitsItsRoomInItsOwnType) {
    const QString text = QStringLiteral("Diamètre du conducteur intérieur");
    QFont inherited = QWidget().font();
    QFont large = inherited;
    large.setPixelSize(20);
    const int room = QFontMetrics(inherited).horizontalAdvance(text) + 2;
    ASSERT_GT(QFontMetrics(large).horizontalAdvance(text), room);

    static const ui::FormTable kFitted{{Label("Caption", nullptr, {0, 0, 0, 0}, text).TextSize(20).Fit(room)},
                                       {}};
    QWidget root;
    auto* label = ui::BuildForm(&root, kFitted).Get<QLabel>("Caption");
    EXPECT_EQ(label->font().pixelSize(), 20);
    EXPECT_LT(label->font().letterSpacing(), 100.0);
}

TEST(FormRowLook, RadiosSymbolsAndGlyphButtons) {
    static const ui::FormTable kParts{
        {Radio("Laid", nullptr, {}, QStringLiteral("Frequence 1 - 1000 Khz"), QStringLiteral("Frequency")),
         Radio("Placed", nullptr, {8, 30, 440, 20}, QStringLiteral("Réactance")),
         Symbol("Own", nullptr, {16, 56, 33, 17}, QStringLiteral("f =")),
         Symbol("Drawn", nullptr, {8, 136, 49, 17}, QStringLiteral("L ="), {33, 17}),
         GlyphButton("Toroid", nullptr, {264, 216, 73, 57}, pictures::ResetGlyph)},
        {}};
    QWidget root;
    const ui::FormParts parts = ui::BuildForm(&root, kParts);

    // A radio without a place is left where a layout will put it.
    QRadioButton unplaced(&root);
    EXPECT_EQ(parts.Get<QRadioButton>("Laid")->geometry(), unplaced.geometry());
    EXPECT_EQ(parts.Get<QRadioButton>("Laid")->text(), QStringLiteral("Frequence 1 - 1000 Khz"));
    EXPECT_EQ(parts.Get<QRadioButton>("Placed")->geometry(), QRect(8, 30, 440, 20));

    // A symbol is drawn at the size asked for, whatever room its picture has.
    for (const auto& [name, drawn] : {std::pair{"Own", QSize(33, 17)}, std::pair{"Drawn", QSize(33, 17)}}) {
        const QPixmap pixmap = parts.Get<QLabel>(name)->pixmap();
        EXPECT_EQ((QSizeF(pixmap.size()) / pixmap.devicePixelRatio()).toSize(), drawn) << name;
    }
    EXPECT_EQ(parts.Get<QLabel>("Drawn")->geometry(), QRect(8, 136, 49, 17));

    auto* glyph = parts.Get<QPushButton>("Toroid");
    EXPECT_TRUE(glyph->text().isEmpty());
    EXPECT_FALSE(glyph->icon().isNull());
    EXPECT_EQ(glyph->geometry(), QRect(264, 216, 73, 57));
}

const QString kLong = QStringLiteral("Une légende bien plus longue que sa place");

QImage Plate() {
    QImage image(41, 23, QImage::Format_ARGB32);
    image.fill(Qt::red);
    return image;
}

const ui::FormTable kLook{
    {Tabs("Tabs", nullptr, {0, 0, 300, 200}),
     Page("Sheet", "Tabs", QStringLiteral("Feuille"), QStringLiteral("Sheet")).Background(ui::kYellow),
     Label("Bold", "Sheet", {8, 8, 0, 13}, kLong).Font("MS Sans Serif", 11, true),
     Label("Condensed", "Sheet", {8, 28, 0, 13}, kLong).Font("MS Sans Serif", 11, true).Fit(150),
     Label("Unit", "Sheet", {8, 48, 49, 17}, QStringLiteral("Ohms"))
         .Align(Qt::AlignCenter)
         .Background(ui::kLime),
     Label("Note", "Sheet", {8, 68, 145, 16}, QStringLiteral("note")).Ink(ui::kYellow),
     Picture("Plate", "Sheet", {8, 90, 0, 0}, Plate),
     Grid("Grid", "Sheet", {5, 3, 100, 90, 150, 80, 40, 15, ui::kAqua})},
    {}};

bool Condensed(const QLabel* label) {
    const QFont& f = label->font();
    return f.letterSpacingType() == QFont::PercentageSpacing && f.letterSpacing() > 0 &&
           f.letterSpacing() < 100;
}

class FormRowLookTest : public GuiTest {};

TEST_F(FormRowLookTest, BuiltComponentsShowTheirRowsLook) {
    QWidget root;
    const ui::FormParts parts = ui::BuildForm(&root, kLook);

    // A label that fits its text grows to it in its own type; the condensed one keeps its room
    // measured in that type, not in the one it was made with.
    auto* bold = parts.Get<QLabel>("Bold");
    EXPECT_TRUE(bold->font().bold());
    EXPECT_FALSE(Condensed(bold));
    EXPECT_GE(bold->width(), QFontMetrics(bold->font()).horizontalAdvance(kLong));
    auto* condensed = parts.Get<QLabel>("Condensed");
    EXPECT_TRUE(condensed->font().bold());
    EXPECT_TRUE(Condensed(condensed));

    auto* unit = parts.Get<QLabel>("Unit");
    EXPECT_EQ(unit->alignment(), Qt::AlignCenter);
    EXPECT_TRUE(unit->autoFillBackground());
    EXPECT_EQ(unit->palette().color(QPalette::Window), ui::kLime);
    EXPECT_EQ(unit->size(), QSize(49, 17));
    EXPECT_EQ(parts.Get<QLabel>("Note")->palette().color(QPalette::WindowText), ui::kYellow);

    QWidget* sheet = parts.Find("Sheet");
    EXPECT_TRUE(sheet->autoFillBackground());
    EXPECT_EQ(sheet->palette().color(QPalette::Window), ui::kYellow);
    EXPECT_EQ(parts.Get<QTabWidget>("Tabs")->tabText(0), "Feuille");

    // Without a size a picture shows its whole drawing.
    EXPECT_EQ(parts.Get<QLabel>("Plate")->size(), QSize(41, 23));

    auto* grid = parts.Get<QTableWidget>("Grid");
    EXPECT_EQ(grid->rowCount(), 5);
    EXPECT_EQ(grid->columnCount(), 3);
    EXPECT_EQ(grid->geometry(), QRect(100, 90, 150, 80));
}

} // namespace

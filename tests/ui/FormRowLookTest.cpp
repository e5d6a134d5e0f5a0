#include "support/GuiFixture.h"

#include "pictures/Glyphs.h"
#include "ui/FormTable.h"

#include <QRadioButton>

namespace {

using namespace ui::form;

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

} // namespace

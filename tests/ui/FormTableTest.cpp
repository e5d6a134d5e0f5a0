// The rows and modifiers a form table builds beyond the factories: each made on its parent, named,
// placed and dressed as its row says, and its English text applied.
#include "support/GuiFixture.h"

#include "pictures/Glyphs.h"
#include "ui/FormTable.h"

#include <QFrame>
#include <QRadioButton>

namespace {

namespace form = ui::form;

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
    {form::Panel("Panel1", nullptr, {0, 0, 300, 200}, ui::kSilver),
     form::Label("Fits", "Panel1", {4, 4, 0, 0}, QStringLiteral("Court"),
                 QStringLiteral("A caption much longer in English"))
         .Font("MS Sans Serif", 13, true)
         .FitsText()
         .Align(Qt::AlignRight | Qt::AlignVCenter)
         .Ink(Qt::red),
     form::Label("Bold", "Panel1", {4, 30, 60, 16}, QStringLiteral("gras")).Bold(),
     form::Label("Filled", "Panel1", {4, 50, 60, 16}, QStringLiteral("fond")).Background(Qt::yellow),
     form::Echo("Echo", "Panel1", {70, 30, 60, 16}).Text(QStringLiteral("écho"), QStringLiteral("echo")),
     form::Result("Result", "Panel1", {70, 50, 60, 16})
         .Text(QStringLiteral("titre"), QStringLiteral("title")),
     form::Radio("Radio", "Panel1", {140, 30, 80, 18}, QStringLiteral("quatre"), QStringLiteral("four")),
     form::GlyphButton("Glyph", "Panel1", {140, 50, 33, 25}, pictures::PrinterGlyph),
     form::Units("Tall", "Panel1", {10, 80, 80, 22}, {{QStringLiteral("x"), ui::UnitList::Op::Multiply, 1}}),
     form::Units("Usual", "Panel1", {100, 80, 80, 0}, {{QStringLiteral("x"), ui::UnitList::Op::Multiply, 1}}),
     form::Own("Placed", "Panel1", {10, 110, 40, 30}, Framed),
     form::Own("Itself", "Panel1", {}, PlacedByItself)},
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

} // namespace

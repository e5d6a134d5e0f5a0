// A form row's own look (type, alignment, colours, a picture's or a grid's size) is what the
// built component shows, and the condensing of a text measures it in that final type.
#include "support/GuiFixture.h"

#include "ui/FormTable.h"

#include <QTabWidget>
#include <QTableWidget>

namespace {

using namespace ui::form;

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

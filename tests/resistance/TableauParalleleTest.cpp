#include "support/GuiFixture.h"

#include "resistance/TableauParallele.h"

#include <QTableWidget>

namespace {

const char* const kForm = "TFormTableauParallele";

class TableauParalleleTest : public SeparatorTest {
  protected:
    void SetUp() override { Build(QStringLiteral("F"), GetParam().separators); }
    QTableWidget* Grid() { return Get<QTableWidget>(kForm, "StringGrid1"); }
    QString Cell(int row, int column) { return Grid()->item(row, column)->text(); }
    long double Parse(QString text) {
        return core::ParseNumber(text.remove(Separators().thousands), Separators());
    }
};

TEST_P(TableauParalleleTest, CellsAreTheParallelValueOfTheirHeadings) {
    Click(Get<QWidget>("TInterface1", "Label10"));
    ASSERT_TRUE(Window(kForm)->isVisible());
    Activate(Window(kForm));
    ASSERT_EQ(Grid()->rowCount(), 40);
    ASSERT_EQ(Grid()->columnCount(), 40);
    EXPECT_EQ(Grid()->editTriggers(), QAbstractItemView::NoEditTriggers);
    // Worked out by hand as R1 R2 / (R1 + R2), to four significant digits.
    const struct {
        int row, column;
        const char* r1;
        const char* r2;
        const char* cell;
    } cells[] = {
        {1, 1, "10", "10", "5"},
        {1, 2, "10", "12", "5.455"},
        {2, 1, "12", "10", "5.455"},
        {1, 39, "10", "15,000", "9.993"},
        {39, 39, "15,000", "15,000", "7500"},
        {13, 25, "100", "1,000", "90.91"},
        {9, 17, "47", "220", "38.73"},
        {37, 38, "10,000", "12,000", "5455"},
    };
    for (const auto& c : cells) {
        EXPECT_EQ(Cell(c.row, 0), Local(c.r1));
        EXPECT_EQ(Cell(0, c.column), Local(c.r2));
        EXPECT_EQ(Cell(c.row, c.column), Local(c.cell)) << c.row << "," << c.column;
    }
    // Every cell within four significant digits of its headings' parallel value.
    for (int r = 1; r < 40; ++r) {
        for (int c = 1; c < 40; ++c) {
            const long double r1 = Parse(Cell(r, 0)), r2 = Parse(Cell(0, c));
            const long double joined = r1 * r2 / (r1 + r2);
            ASSERT_NEAR(double(Parse(Cell(r, c))), double(joined), double(joined) * 5e-4) << r << "," << c;
        }
    }
    EXPECT_TRUE(Boxes().empty());
    Window(kForm)->hide();
}

INSTANTIATE_TEST_SUITE_P(Separators, TableauParalleleTest, BothSeparators(), SeparatorName);

class TableauParalleleWindow : public GuiTest {};

TEST_F(TableauParalleleWindow, OpensMaximisedInBothLanguages) {
    for (const char* mark : {"F", "*"}) {
        const bool english = mark[0] == '*';
        Build(QString::fromLatin1(mark), english ? core::EnglishSeparators() : core::FrenchSeparators());
        Click(Get<QWidget>("TInterface1", "Label10"));
        QWidget* table = Window(kForm);
        ASSERT_TRUE(table->isVisible());
        Activate(table);
        EXPECT_TRUE(table->isMaximized());
        EXPECT_EQ(table->windowTitle(), english ? QString("Table of two resistors in parallel")
                                                : QString::fromUtf8("Tableur de deux résistances parallèle"));
        EXPECT_EQ(Get<QTableWidget>(kForm, "StringGrid1")->geometry(), table->rect());
        Snapshot(table, english ? "TableauParallele-en" : "TableauParallele-fr");
        delete Main();
    }
}

} // namespace

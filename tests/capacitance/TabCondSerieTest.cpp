#include "support/GuiFixture.h"

#include "capacitance/TabCondSerie.h"

#include <QTableWidget>
#include <algorithm>

namespace {

const char* const kForm = "TTableurCondserie";

class TabCondSerieTest : public SeparatorTest {
  protected:
    void SetUp() override { Build(QStringLiteral("F"), GetParam().separators); }
    QTableWidget* Grid() { return Get<QTableWidget>(kForm, "StringGrid1"); }
    QString Cell(int row, int column) { return Grid()->item(row, column)->text(); }
    QStringList AllCells() {
        QStringList cells;
        for (int r = 0; r < Grid()->rowCount(); ++r)
            for (int c = 0; c < Grid()->columnCount(); ++c)
                cells << Cell(r, c);
        return cells;
    }
};

TEST_P(TabCondSerieTest, CellsAreTheSeriesValueOfTheirHeadings) {
    Click(Get<QWidget>("TInterface1", "Label4"));
    ASSERT_TRUE(Window(kForm)->isVisible());
    Activate(Window(kForm));
    ASSERT_EQ(Grid()->rowCount(), 36);
    ASSERT_EQ(Grid()->columnCount(), 36);
    EXPECT_EQ(Grid()->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_TRUE(Boxes().empty());
    // Worked out by hand as a b / (a + b), rounded to three decimals.
    const struct {
        int row, column;
        const char* rowHeading;
        const char* columnHeading;
        const char* cell;
    } cells[] = {
        {1, 1, "1", "1", "0.500"},        {35, 1, "100", "1", "0.990"},  {1, 35, "1", "100", "0.990"},
        {35, 35, "100", "100", "50.000"}, {14, 8, "10", "4.7", "3.197"}, {8, 14, "4.7", "10", "3.197"},
        {6, 4, "3.3", "2.2", "1.320"},    {2, 2, "1.5", "1.5", "0.750"}, {13, 12, "8.2", "7.5", "3.917"},
    };
    for (const auto& c : cells) {
        EXPECT_EQ(Cell(c.row, 0), Local(c.rowHeading));
        EXPECT_EQ(Cell(0, c.column), Local(c.columnHeading));
        EXPECT_EQ(Cell(c.row, c.column), Local(c.cell)) << c.row << "," << c.column;
    }
    // Every cell within half a thousandth of a b / (a + b) (2.0625 rounds up); the largest is 50.
    long double largest = 0;
    for (int r = 1; r < 36; ++r) {
        for (int c = 1; c < 36; ++c) {
            const long double a = core::ParseNumber(Cell(0, c), Separators());
            const long double b = core::ParseNumber(Cell(r, 0), Separators());
            const long double v = core::ParseNumber(Cell(r, c), Separators());
            ASSERT_NEAR(double(v), double(a * b / (a + b)), 0.0005 + 1e-12) << r << "," << c;
            largest = std::max(largest, v);
        }
    }
    EXPECT_EQ(largest, 50);
    // The eight headings with a fraction carry the probed separator.
    const TTableurCondserie* form = static_cast<TTableurCondserie*>(Window(kForm));
    EXPECT_EQ(form->ColumnHeadings, form->RowHeadings);
    EXPECT_EQ(form->ColumnHeadings.filter(Separators().decimal).size(), 8);
    Window(kForm)->hide();
}

TEST_P(TabCondSerieTest, ASecondActivationGivesTheSameGrid) {
    Activate(Window(kForm));
    const QStringList first = AllCells();
    Window(kForm)->hide();
    Grid()->item(20, 20)->setText(QString());
    Activate(Window(kForm));
    EXPECT_EQ(AllCells(), first);
    EXPECT_TRUE(Boxes().empty());
}

// The headings keep the separator of creation: once the settings change, the next activation
// stops at the first heading with a fraction, after its first cell.
TEST_P(TabCondSerieTest, SeparatorChangedAfterCreationStopsTheRebuild) {
    Activate(Window(kForm));
    Window(kForm)->hide();
    const core::Separators other =
        Separators().decimal == '.' ? core::FrenchSeparators() : core::EnglishSeparators();
    {
        core::PinnedSeparators pinned(other);
        Activate(Window(kForm));
        ASSERT_TRUE(LastBox());
        EXPECT_EQ(LastBox()->kind, ui::BoxKind::Error);
        EXPECT_EQ(LastBox()->text, QString("'1") + Separators().decimal +
                                       "5' n'est pas une valeur en virgule flottante correcte.");
        EXPECT_EQ(Cell(1, 1), InSeparators("0.500", other)); // written before the failure
        EXPECT_EQ(Cell(1, 2), Local("0.600"));               // as before
        EXPECT_EQ(Cell(0, 2), Local("1.5"));                 // the heading of creation
        Window(kForm)->hide();
    }
    ForgetBoxes();
    Activate(Window(kForm));
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Cell(1, 1), Local("0.500"));
}

INSTANTIATE_TEST_SUITE_P(Separators, TabCondSerieTest, BothSeparators(), SeparatorName);

class TabCondSerieWindow : public GuiTest {};

TEST_F(TabCondSerieWindow, OpensMaximisedWithTheSameTextsInBothLanguages) {
    for (const char* mark : {"F", "*"}) {
        const bool english = mark[0] == '*';
        Build(QString::fromLatin1(mark), english ? core::EnglishSeparators() : core::FrenchSeparators());
        Click(Get<QWidget>("TInterface1", "Label4"));
        QWidget* table = Window(kForm);
        ASSERT_TRUE(table->isVisible());
        Activate(table);
        EXPECT_TRUE(table->isMaximized());
        EXPECT_EQ(table->windowTitle(), QString::fromUtf8("Tableur de deux condensateurs en série"));
        EXPECT_EQ(Get<QWidget>(kForm, "BitBtn1")->geometry(), QRect(1, 0, 41, 23));
        EXPECT_EQ(Get<QTableWidget>(kForm, "StringGrid1")->geometry(), table->rect());
        Snapshot(table, english ? "TabCondSerie-en" : "TabCondSerie-fr");
        delete Main();
    }
}

} // namespace

#include "support/GuiFixture.h"

#include "inductance/TableurInd.h"

#include <QRadioButton>
#include <QTableWidget>

namespace {

class TableurIndTest : public SeparatorTest {
  protected:
    void SetUp() override { Build(QStringLiteral("F"), GetParam().separators); }
    TFormTableurInd* Form() { return static_cast<TFormTableurInd*>(Window("TFormTableurInd")); }
    QTableWidget* Grid() { return Get<QTableWidget>("TFormTableurInd", "StringGrid1"); }
    void Choose(int range) {
        Click(Get<QWidget>("TFormTableurInd", range == 0 ? "RadioButton1" : "RadioButton2"));
    }
};

TEST_P(TableurIndTest, CellsFollowTheFormulaInBothRanges) {
    ASSERT_EQ(Grid()->rowCount(), 36);
    ASSERT_EQ(Grid()->columnCount(), 11);
    EXPECT_EQ(Grid()->editTriggers(), QAbstractItemView::NoEditTriggers);
    // Independent values, 2 pi f L, rounded by hand to six significant digits.
    const struct {
        int range;
        int row, column;
        const char* frequency;  // the side heading
        const char* inductance; // the top heading
        const char* cell;
    } cells[] = {
        {0, 1, 1, "1", "10", "62.8319"},      {0, 35, 10, "1,000", "100", "628319"},
        {0, 21, 5, "90", "50", "28274.3"},    {1, 1, 1, "25", "0.001", "0.15708"},
        {1, 5, 8, "60", "1", "376.991"},      {1, 35, 10, "1,000", "5", "31415.9"},
        {1, 14, 6, "150", "0.25", "235.619"},
    };
    const core::Separators& s = GetParam().separators;
    for (const auto& c : cells) {
        Choose(c.range);
        EXPECT_EQ(Form()->Range(), c.range);
        EXPECT_EQ(Grid()->item(c.row, 0)->text(), InSeparators(c.frequency, s));
        EXPECT_EQ(Grid()->item(0, c.column)->text(), InSeparators(c.inductance, s));
        EXPECT_EQ(Grid()->item(c.row, c.column)->text(), InSeparators(c.cell, s)) << c.row << "," << c.column;
    }
    // Every cell is filled, and the axis labels name the range's units.
    const char* units[][2] = {{"mH", "Khz"}, {"H", "hz"}};
    for (int range : {1, 0}) {
        Choose(range);
        EXPECT_EQ(Text("TFormTableurInd", "Label1"), units[range][0]);
        EXPECT_EQ(Text("TFormTableurInd", "Label2"), units[range][1]);
        for (int r = 1; r < 36; ++r)
            for (int col = 1; col < 11; ++col)
                EXPECT_FALSE(Grid()->item(r, col)->text().isEmpty()) << range << ": " << r << "," << col;
    }
}

INSTANTIATE_TEST_SUITE_P(Separators, TableurIndTest, BothSeparators(), SeparatorName);

} // namespace

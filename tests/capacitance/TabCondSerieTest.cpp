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

// The cells themselves are checked with the other table windows (TableWindowsTest).
TEST_P(TabCondSerieTest, HeadingsAndTheLargestCell) {
    Activate(Window(kForm));
    long double largest = 0;
    for (int r = 1; r < 36; ++r)
        for (int c = 1; c < 36; ++c)
            largest = std::max(largest, core::ParseNumber(Cell(r, c), Separators()));
    EXPECT_EQ(largest, 50);
    // The eight headings with a fraction carry the probed separator.
    const TTableurCondserie* form = static_cast<TTableurCondserie*>(Window(kForm));
    EXPECT_EQ(form->ColumnHeadings, form->RowHeadings);
    EXPECT_EQ(form->ColumnHeadings.filter(Separators().decimal).size(), 8);
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

} // namespace

#include "support/GuiFixture.h"

#include "impedance/TabImpSerie.h"

#include <QTableWidget>
#include <cmath>

namespace {

const char* const kForm = "TFormTableurImpedance";

class TabImpSerieTest : public SeparatorTest {
  protected:
    void SetUp() override { Build(QStringLiteral("F"), GetParam().separators); }
    QTableWidget* Grid() { return Get<QTableWidget>(kForm, "StringGrid1"); }
    QString Cell(int row, int column) { return Grid()->item(row, column)->text(); }
    // Cells and headings carry thousands separators, which the parser does not take.
    long double Parse(QString text) {
        return core::ParseNumber(text.remove(Separators().thousands), Separators());
    }
};

TEST_P(TabImpSerieTest, CellsAreTheHypotenuseOfTheirHeadings) {
    Click(Get<QWidget>("TInterface1", "Label31"));
    ASSERT_TRUE(Window(kForm)->isVisible());
    ASSERT_EQ(Grid()->rowCount(), 36);
    ASSERT_EQ(Grid()->columnCount(), 36);
    EXPECT_EQ(Cell(0, 0), "X \\ R");
    // Worked out by hand, with the row (X) first and the column (R) second.
    const struct {
        int row, column;
        const char* x;
        const char* r;
        const char* z;
    } cells[] = {
        {1, 1, "1", "1", "1.41"},
        {4, 3, "4", "3", "5.00"},
        {3, 4, "3", "4", "5.00"},
        {12, 20, "15", "80", "81.39"},
        {10, 35, "10", "1,200", "1,200.04"},
        {35, 35, "1,200", "1,200", "1,697.06"},
        {22, 22, "100", "100", "141.42"},
    };
    for (const auto& c : cells) {
        EXPECT_EQ(Cell(c.row, 0), Local(c.x));
        EXPECT_EQ(Cell(0, c.column), Local(c.r));
        EXPECT_EQ(Cell(c.row, c.column), Local(c.z)) << c.row << " " << c.column;
    }
    // Every cell within half a hundredth of sqrt(R^2 + X^2) of its headings.
    for (int row = 1; row < 36; ++row) {
        for (int column = 1; column < 36; ++column) {
            const long double z = std::hypot(Parse(Cell(0, column)), Parse(Cell(row, 0)));
            ASSERT_NEAR(double(Parse(Cell(row, column))), double(z), 0.005) << row << " " << column;
        }
    }
    Window(kForm)->hide();
}

// The cells follow the separators of the moment, at the next activation.
TEST_P(TabImpSerieTest, ActivationRewritesTheCells) {
    const core::Separators other =
        Separators().decimal == '.' ? core::FrenchSeparators() : core::EnglishSeparators();
    core::PinnedSeparators pinned(other);
    Activate(Window(kForm));
    EXPECT_EQ(Cell(35, 35), InSeparators("1,697.06", other));
    EXPECT_EQ(Cell(0, 35), InSeparators("1,200", other));
}

INSTANTIATE_TEST_SUITE_P(Separators, TabImpSerieTest, BothSeparators(), SeparatorName);

class TabImpSerieLanguage : public GuiTest {};

TEST_F(TabImpSerieLanguage, CaptionsAndSnapshots) {
    for (const char* mark : {"F", "*"}) {
        const bool english = mark[0] == '*';
        Build(QString::fromLatin1(mark), english ? core::EnglishSeparators() : core::FrenchSeparators());
        Activate(Window(kForm));
        EXPECT_EQ(Window(kForm)->windowTitle(),
                  english ? QString("Table of impedance in series (Ohms)")
                          : QString::fromUtf8("Tableur de l'impédance série(Ohms)"));
        EXPECT_EQ(Text(kForm, "Label1"), "R");
        EXPECT_EQ(Text(kForm, "Label2"), "X");
        Snapshot(Window(kForm), english ? "TabImpSerie-en" : "TabImpSerie-fr");
        delete Main();
    }
}

} // namespace

// The grid's cells and texts are checked with the other table windows (TableWindowsTest).
#include "support/GuiFixture.h"

#include "impedance/TabImpSerie.h"

#include <QTableWidget>

namespace {

const char* const kForm = "TFormTableurImpedance";

class TabImpSerieTest : public SeparatorTest {
  protected:
    void SetUp() override { Build(QStringLiteral("F"), GetParam().separators); }
    QString Cell(int row, int column) {
        return Get<QTableWidget>(kForm, "StringGrid1")->item(row, column)->text();
    }
};

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

} // namespace

// The reference grids of the table windows, checked over a table of windows: opened from their
// topic, read-only, cells worked out by hand, every cell within its rounding of the formula of
// its headings, and the window's title and texts in both languages.
#include "support/GuiFixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTableWidget>
#include <QTest>
#include <cmath>
#include <functional>

namespace {

struct HandCell {
    int row, column;
    const char* down;   // the row's heading, English layout
    const char* across; // the column's heading
    const char* text;   // the cell
};

struct GridShape {
    const char* window;
    const char* topic;         // the main window's label opening it
    int rows, columns;         // headings included
    const char* corner;        // the corner cell, or null: not written
    double absolute, relative; // how far a cell may be from the formula
};

struct TableGrid {
    GridShape at;
    std::function<long double(long double down, long double across)> formula;
    std::vector<HandCell> cells;
};

const TableGrid kGrids[] = {
    // The row (X) first and the column (R) second.
    {{"TFormTableurImpedance", "Label31", 36, 36, "X \\ R", 0.005, 0},
     [](long double x, long double r) { return std::hypot(r, x); },
     {{1, 1, "1", "1", "1.41"},
      {4, 3, "4", "3", "5.00"},
      {3, 4, "3", "4", "5.00"},
      {12, 20, "15", "80", "81.39"},
      {10, 35, "10", "1,200", "1,200.04"},
      {35, 35, "1,200", "1,200", "1,697.06"},
      {22, 22, "100", "100", "141.42"}}},
    // R1 R2 / (R1 + R2), to four significant digits.
    {{"TFormTableauParallele", "Label10", 40, 40, nullptr, 0, 5e-4},
     [](long double r1, long double r2) { return r1 * r2 / (r1 + r2); },
     {{1, 1, "10", "10", "5"},
      {1, 2, "10", "12", "5.455"},
      {2, 1, "12", "10", "5.455"},
      {1, 39, "10", "15,000", "9.993"},
      {39, 39, "15,000", "15,000", "7500"},
      {13, 25, "100", "1,000", "90.91"},
      {9, 17, "47", "220", "38.73"},
      {37, 38, "10,000", "12,000", "5455"}}},
    // a b / (a + b), rounded to three decimals (2.0625 rounds up).
    {{"TTableurCondserie", "Label4", 36, 36, nullptr, 0.0005 + 1e-12, 0},
     [](long double b, long double a) { return a * b / (a + b); },
     {{1, 1, "1", "1", "0.500"},
      {35, 1, "100", "1", "0.990"},
      {1, 35, "1", "100", "0.990"},
      {35, 35, "100", "100", "50.000"},
      {14, 8, "10", "4.7", "3.197"},
      {8, 14, "4.7", "10", "3.197"},
      {6, 4, "3.3", "2.2", "1.320"},
      {2, 2, "1.5", "1.5", "0.750"},
      {13, 12, "8.2", "7.5", "3.917"}}},
};

void PrintTo(const TableGrid& t, std::ostream* os) {
    *os << t.at.window;
}

class TableGrids : public GuiTest,
                   public ::testing::WithParamInterface<std::tuple<TableGrid, SeparatorCase>> {
  protected:
    const TableGrid& Row() const { return std::get<0>(GetParam()); }
    const core::Separators& Separators() const { return std::get<1>(GetParam()).separators; }
    // Cells and headings carry thousands separators, which the parser does not take.
    long double Parse(QString text) const {
        return core::ParseNumber(text.remove(Separators().thousands), Separators());
    }
};

TEST_P(TableGrids, CellsFollowTheFormulaOfTheirHeadings) {
    const GridShape& t = Row().at;
    Build(QStringLiteral("F"), Separators());
    Click(Get<QWidget>("TInterface1", t.topic));
    ASSERT_TRUE(Window(t.window)->isVisible());
    Activate(Window(t.window));
    auto* grid = Get<QTableWidget>(t.window, "StringGrid1");
    ASSERT_EQ(grid->rowCount(), t.rows);
    ASSERT_EQ(grid->columnCount(), t.columns);
    EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    const auto cell = [&](int row, int column) { return grid->item(row, column)->text(); };
    if (t.corner) {
        EXPECT_EQ(cell(0, 0), t.corner);
    }
    for (const HandCell& c : Row().cells) {
        EXPECT_EQ(cell(c.row, 0), InSeparators(c.down, Separators()));
        EXPECT_EQ(cell(0, c.column), InSeparators(c.across, Separators()));
        EXPECT_EQ(cell(c.row, c.column), InSeparators(c.text, Separators())) << c.row << "," << c.column;
    }
    for (int r = 1; r < t.rows; ++r) {
        for (int c = 1; c < t.columns; ++c) {
            const double expected = double(Row().formula(Parse(cell(r, 0)), Parse(cell(0, c))));
            ASSERT_NEAR(double(Parse(cell(r, c))), expected, t.absolute + t.relative * expected)
                << r << "," << c;
        }
    }
    EXPECT_TRUE(Boxes().empty());
    Window(t.window)->hide();
}

// Ctrl+C copies the whole grid as tab-separated rows when no cell is selected, else the selected
// cell under its column heading and beside its row heading: text a spreadsheet pastes as a grid.
TEST_P(TableGrids, CtrlCCopiesTheGridWithItsHeadings) {
    const GridShape& t = Row().at;
    Build(QStringLiteral("F"), Separators());
    Click(Get<QWidget>("TInterface1", t.topic));
    Activate(Window(t.window));
    auto* grid = Get<QTableWidget>(t.window, "StringGrid1");
    grid->setFocus();
    grid->clearSelection();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    const QStringList rows = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
    ASSERT_EQ(rows.size(), t.rows);
    for (int r = 0; r < t.rows; ++r) {
        const QStringList cells = rows[r].split(QLatin1Char('\t'));
        ASSERT_EQ(cells.size(), t.columns) << r;
        for (int c = 0; c < t.columns; ++c)
            ASSERT_EQ(cells[c], grid->item(r, c) ? grid->item(r, c)->text() : QString()) << r << "," << c;
    }

    const HandCell& hand = Row().cells.back();
    grid->setCurrentCell(hand.row, hand.column);
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    const QString corner = t.corner           ? QString::fromUtf8(t.corner)
                           : grid->item(0, 0) ? grid->item(0, 0)->text()
                                              : "";
    EXPECT_EQ(QGuiApplication::clipboard()->text(), corner + "\t" + InSeparators(hand.across, Separators()) +
                                                        "\n" + InSeparators(hand.down, Separators()) + "\t" +
                                                        InSeparators(hand.text, Separators()));
    Window(t.window)->hide();
}

INSTANTIATE_TEST_SUITE_P(Tables, TableGrids,
                         ::testing::Combine(::testing::ValuesIn(kGrids), BothSeparators()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).at.window) + "_" +
                                    std::get<1>(info.param).name;
                         });

struct TableTexts {
    const char* window;
    const char* topic;
    bool maximised;
    bool gridFills;         // the grid covers the whole window
    const char* otherRange; // a range button to show as well, or null
    const char* french;     // the title
    const char* english;
    std::vector<std::tuple<const char*, const char*, const char*>> texts = {}; // component, French, English
    std::vector<std::pair<const char*, QRect>> places = {};
};

TEST_F(GuiTest, TableWindowsOpenFromTheirTopicInBothLanguages) {
    const TableTexts tables[] = {
        {"TFormTableurImpedance",
         "Label31",
         false,
         false,
         nullptr,
         "Tableur de l'impédance série(Ohms)",
         "Table of impedance in series (Ohms)",
         {{"Label1", "R", "R"}, {"Label2", "X", "X"}}},
        {"TFormTableauParallele", "Label10", true, true, nullptr, "Tableur de deux résistances parallèle",
         "Table of two resistors in parallel"},
        {"TTableurCondserie",
         "Label4",
         true,
         true,
         nullptr,
         "Tableur de deux condensateurs en série",
         "Tableur de deux condensateurs en série",
         {},
         {{"BitBtn1", QRect(1, 0, 41, 23)}}},
        {"TFormTableurInd",
         "Label27",
         true,
         false,
         "RadioButton2",
         "Tableur de la réactance inductive",
         "Table of inductive reactance",
         {{"RadioButton2", "Frequence 25 - 1000 hz / Inductance 0.001 - 5 H",
           "Frequency 25 - 1000 Hz / Inductance 0.001 - 5 H"}}},
    };
    for (const TableTexts& t : tables) {
        for (const char* mark : {"F", "*"}) {
            SCOPED_TRACE(std::string(t.window) + " " + mark);
            const bool english = BuildIn(mark);
            Click(Get<QWidget>("TInterface1", t.topic));
            QWidget* table = Window(t.window);
            ASSERT_TRUE(table->isVisible());
            Activate(table);
            EXPECT_EQ(table->windowTitle(), QString::fromUtf8(english ? t.english : t.french));
            for (const auto& [name, french, inEnglish] : t.texts)
                EXPECT_EQ(Text(t.window, name), QString::fromUtf8(english ? inEnglish : french)) << name;
            EXPECT_EQ(table->isMaximized(), t.maximised);
            if (t.gridFills) {
                EXPECT_EQ(Get<QTableWidget>(t.window, "StringGrid1")->geometry(), table->rect());
            }
            for (const auto& [name, place] : t.places)
                EXPECT_EQ(Get<QWidget>(t.window, name)->geometry(), place) << name;
            const QString shot = QString::fromLatin1(t.window) + (english ? "-en" : "-fr");
            Snapshot(table, shot);
            if (t.otherRange) {
                Click(Get<QWidget>(t.window, t.otherRange));
                Snapshot(table, shot + "-2");
            }
            EXPECT_TRUE(Boxes().empty());
            delete Main();
        }
    }
}

} // namespace

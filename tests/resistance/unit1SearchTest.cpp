#include "support/GuiFixture.h"

#include "resistance/Shape.h"
#include "resistance/unit1.h"
#include "ui/Language.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

namespace {

const char* const kFrenchNames[] = {"Noir", "Brun", "Rouge",  "Orange", "Jaune",
                                    "Vert", "Bleu", "Violet", "Gris",   "Blanc"};
const char* const kEnglishNames[] = {"Black", "Brown", "Red",    "Orange", "Yellow",
                                     "Green", "Blue",  "Violet", "Gray",   "White"};
const QColor kDigitColours[] = {{0, 0, 0},   {128, 0, 0}, {255, 0, 0},   {255, 128, 0},   {255, 255, 0},
                                {0, 128, 0}, {0, 0, 255}, {128, 0, 128}, {128, 128, 128}, {255, 255, 255}};
// The multiplier disc for 10^-2 ... 10^6.
const struct {
    const char* text;
    QColor colour;
    const char* french;
    const char* english;
} kMultiplierDiscs[] = {
    {"X .01", {192, 192, 192}, "Argent", "Silver"},
    {"X .1", {128, 128, 128}, "Or", "Gold"},
    {"X 1", {0, 0, 0}, "Noir", "Black"},
    {"X 10", {128, 0, 0}, "Brun", "Brown"},
    {"X 100", {255, 0, 0}, "Rouge", "Red"},
    {"X 1 K", {255, 128, 0}, "Orange", "Orange"},
    {"X 10 K", {255, 255, 0}, "Jaune", "Yellow"},
    {"X 100 K", {0, 128, 0}, "Vert", "Green"},
    {"X 1 M", {0, 0, 255}, "Bleu", "Blue"},
};

struct Rings {
    std::vector<int> digits;
    int power; // multiplier 10^power
};

class CodeResSearchTest : public GuiTest {
  protected:
    TFormCodeRes* Form() { return static_cast<TFormCodeRes*>(Window("TFormCodeRes")); }
    QWidget* Component(const char* name) { return Get<QWidget>("TFormCodeRes", name); }
    resistance::Shape* Disc(const char* name) { return Get<resistance::Shape>("TFormCodeRes", name); }
    QString Label(const char* name) { return Text("TFormCodeRes", name); }
    QComboBox* Unit() { return Get<QComboBox>("TFormCodeRes", "ComboBox2"); }
    QWidget* Edit() { return Component("Edit1"); }
    bool English() const { return ui::IsEnglish(); }
    void Open() {
        Get<QTabWidget>("TFormCodeRes", "PageControl1")->setCurrentIndex(1);
        Activate(Form());
    }
    void Mode(int rings) { Click(Component(rings == 5 ? "RadioButton2" : "RadioButton1")); }
    // Types the value with the unit already chosen (-1: none) and presses the search button.
    void Search(int rings, const QString& text, int unit = -1) {
        Clear(Edit());
        Mode(rings);
        Unit()->setCurrentIndex(unit);
        Type(Edit(), text);
        Click(Component("BitBtn2"));
    }
    // What the result group shows, checked against the rings it should show.
    void ExpectRings(const Rings& r, const std::string& where) {
        const char* discs[] = {"Shape11", "Shape12", "Shape20"};
        const char* digits[] = {"Label10", "Label11", "Label12"};
        const char* names[] = {"Label17", "Label18", "Label19"};
        for (size_t i = 0; i < r.digits.size(); ++i) {
            const int d = r.digits[i];
            EXPECT_EQ(Label(digits[i]), QString::number(d)) << where;
            EXPECT_EQ(Disc(discs[i])->Fill(), kDigitColours[d]) << where;
            EXPECT_EQ(Label(names[i]), QString::fromUtf8(English() ? kEnglishNames[d] : kFrenchNames[d]))
                << where;
        }
        const auto& m = kMultiplierDiscs[r.power + 2];
        EXPECT_EQ(Label("Label13"), QLatin1String(m.text)) << where;
        EXPECT_EQ(Disc("Shape21")->Fill(), m.colour) << where;
        EXPECT_EQ(Label("Label20"), QString::fromUtf8(English() ? m.english : m.french)) << where;
        EXPECT_EQ(Label("Label14"), "") << where;
        EXPECT_EQ(Disc("Shape22")->Fill(), QColor(192, 192, 192)) << where;
    }
};

// The decimal text of figures × 10^exponent, with the given separator.
QString Decimal(const QString& figures, int exponent, QChar separator) {
    if (exponent >= 0) return figures + QString(exponent, '0');
    const int point = figures.size() + exponent;
    if (point > 0) return figures.left(point) + separator + figures.mid(point);
    return QStringLiteral("0") + separator + QString(-point, '0') + figures;
}

TEST_F(CodeResSearchTest, EdgeCases) {
    const struct {
        int rings;
        const char* text; // with "." for the decimal separator
        int unit;
        Rings result;
    } cases[] = {
        {4, "0.1", -1, {{1, 0}, -2}}, {5, "1", -1, {{1, 0, 0}, -2}},    {4, "99", 2, {{9, 9}, 6}},
        {5, "99", 2, {{9, 9, 0}, 5}}, {4, "4.79", -1, {{4, 7}, -1}},    {4, "4.7", 1, {{4, 7}, 2}},
        {4, "0.47", 0, {{4, 7}, -2}}, {5, "47.5", 0, {{4, 7, 5}, -1}},  {4, "470", -1, {{4, 7}, 1}},
        {4, "470", 0, {{4, 7}, 1}},   {5, "470.5", -1, {{4, 7, 0}, 0}}, {4, "0.999", -1, {{9, 9}, -2}},
    };
    for (const char* mark : {"F", "*"}) {
        for (const core::Separators& s : {core::EnglishSeparators(), core::FrenchSeparators()}) {
            Build(QString::fromLatin1(mark), s);
            Open();
            for (const auto& c : cases) {
                const QString text = QString::fromLatin1(c.text).replace('.', s.decimal);
                Search(c.rings, text, c.unit);
                ExpectRings(c.result, text.toStdString() + " " + mark);
            }
            EXPECT_TRUE(Boxes().empty());
            delete Main();
        }
    }
}

// Every pair (or triple) of figures at every multiplier, typed exactly and with one more figure
// that must be cut, not rounded.
TEST_F(CodeResSearchTest, EveryRingsValueFindsItsRings) {
    Build("*");
    Open();
    for (int rings : {4, 5}) {
        const int count = rings == 5 ? 3 : 2;
        int failures = 0;
        Clear(Edit());
        Mode(rings);
        for (int figures = rings == 5 ? 100 : 10; figures < (rings == 5 ? 1000 : 100); ++figures) {
            for (int power = -2; power <= 6; ++power) {
                for (bool extra : {false, true}) {
                    const QString typed = Decimal(QString::number(figures) + (extra ? "9" : ""),
                                                  extra ? power - 1 : power, '.');
                    if (typed.toDouble() > 99e6) // out of range; covered with its message elsewhere
                        continue;
                    const QString digits = QString::number(figures);
                    static_cast<QLineEdit*>(Edit())->setText(
                        typed); // pasted: the key filter has its own test
                    Click(Component("BitBtn2"));
                    std::vector<int> expected;
                    for (QChar c : digits)
                        expected.push_back(c.digitValue());
                    const char* labels[] = {"Label10", "Label11", "Label12"};
                    bool ok = Label("Label13") == QLatin1String(kMultiplierDiscs[power + 2].text);
                    for (int i = 0; i < count; ++i)
                        ok = ok && Label(labels[i]) == QString::number(expected[i]);
                    if (!ok && ++failures <= 5)
                        ADD_FAILURE()
                            << rings << " rings, " << typed.toStdString() << ": "
                            << Label("Label10").toStdString() << Label("Label11").toStdString()
                            << Label("Label12").toStdString() << " " << Label("Label13").toStdString();
                }
            }
        }
        EXPECT_EQ(failures, 0) << rings << " rings";
    }
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(CodeResSearchTest, BoundsShowTheirMessageAndEmptyTheBox) {
    const struct {
        int rings;
        const char* text;
        int unit;
        const char* french;
        const char* english;
    } cases[] = {
        {4, "0.09", -1, "0,1 est le minimun", "0,1 is the minimun"},
        {4, ".", -1, "0,1 est le minimun", "0,1 is the minimun"},
        {5, "0.99", -1, "1 Ohm est le minimun", "1 Ohm is the minimun"},
        {5, "0.05", -1, "1 Ohm est le minimun", "1 Ohm is the minimun"},
        {4, "99.5", 2, "99 Mohm est le maximun", "99 Mohm is the maximun"},
        {5, "99.5", 2, "99 Mohm est le maximun", "99 Mohm is the maximun"},
        {4, "99000.1", 1, "99 Mohm est le maximun", "99 Mohm is the maximun"},
    };
    for (const char* mark : {"F", "*"}) {
        Build(QString::fromLatin1(mark));
        Open();
        for (const auto& c : cases) {
            Search(4, "4.7", 1); // a result that must stay on screen
            ForgetBoxes();
            Search(c.rings, QString::fromLatin1(c.text), c.unit);
            ASSERT_EQ(Boxes().size(), 1u) << c.text;
            EXPECT_EQ(LastBox()->kind, ui::BoxKind::Message);
            EXPECT_EQ(LastBox()->caption, ui::AppTitle());
            EXPECT_EQ(LastBox()->text, QString::fromUtf8(mark[0] == '*' ? c.english : c.french)) << c.text;
            EXPECT_EQ(Label("Edit1"), "") << c.text;
            EXPECT_EQ(Form()->focusWidget(), Edit()) << c.text;
            EXPECT_EQ(Label("Label10"), "4");
            EXPECT_EQ(Label("Label11"), "7");
            EXPECT_EQ(Label("Label13"), "X 100"); // the previous search's multiplier
        }
        delete Main();
    }
}

TEST_F(CodeResSearchTest, EmptyValueMessages) {
    for (const char* mark : {"F", "*"}) {
        Build(QString::fromLatin1(mark));
        Open();
        const bool english = mark[0] == '*';
        const struct {
            std::function<void()> act;
            QString french, english;
        } cases[] = {
            {[&] { Click(Component("BitBtn2")); }, "vide non admis", "Value: None"},
            {[&] { Pick(Unit(), 1); }, "vide non admis", "Value: None"},
            {[&] { Click(Component("BitBtn4")); }, "Aucun résultat a imprimer", "No value to print"},
        };
        for (const auto& c : cases) {
            ForgetBoxes();
            Component("Label7")->setFocus(); // the focus elsewhere
            c.act();
            ASSERT_EQ(Boxes().size(), 1u);
            EXPECT_EQ(LastBox()->kind, ui::BoxKind::Message);
            EXPECT_EQ(LastBox()->text, english ? c.english : c.french);
            EXPECT_EQ(Form()->focusWidget(), Edit());
            EXPECT_EQ(Label("Label13"), ""); // nothing was searched
        }
        ForgetBoxes();
        Type(Edit(), "47");
        Click(Component("BitBtn4")); // a value to print: no message
        Click(Component("BitBtn5"));
        EXPECT_TRUE(Boxes().empty());
        delete Main();
    }
}

TEST_F(CodeResSearchTest, UnitChangeSearchesAgain) {
    Build("F");
    Open();
    EXPECT_EQ(Unit()->currentIndex(), -1);
    EXPECT_EQ(Unit()->placeholderText(), "Ohms");
    Search(4, "4.7");
    ExpectRings({{4, 7}, -1}, "ohms");
    Pick(Unit(), 1);
    ExpectRings({{4, 7}, 2}, "KOhms");
    Pick(Unit(), 2);
    ExpectRings({{4, 7}, 5}, "MOhms");
    Type(Unit(), "k"); // typing picks nothing
    EXPECT_EQ(Unit()->currentIndex(), 2);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(CodeResSearchTest, SwitchingRingsSearchesAgainOrKeepsTheDiscs) {
    Build("F");
    Open();
    Search(5, "470");
    ExpectRings({{4, 7, 0}, 0}, "5 rings");
    EXPECT_EQ(Component("Label7")->width(), 185);
    for (const char* shown : {"Label19", "Shape20", "Label12"})
        EXPECT_FALSE(Component(shown)->isHidden()) << shown;
    Mode(4);
    ExpectRings({{4, 7}, 1}, "4 rings");
    EXPECT_EQ(Component("Label7")->width(), 113);
    for (const char* hidden : {"Label19", "Shape20", "Label12"})
        EXPECT_TRUE(Component(hidden)->isHidden()) << hidden;
    // With no value, switching only changes the layout.
    Search(5, "68.2");
    Clear(Edit());
    Mode(4);
    Mode(5);
    ExpectRings({{6, 8, 2}, -1}, "kept");
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(CodeResSearchTest, ResetEmptiesTheResultButKeepsUnitAndMode) {
    Build("*");
    Open();
    Search(5, "68.2", 1);
    Click(Component("BitBtn1"));
    for (const char* empty : {"Edit1", "Label10", "Label11", "Label12", "Label13", "Label14", "Label17",
                              "Label18", "Label19", "Label20"})
        EXPECT_EQ(Label(empty), "") << empty;
    for (const char* disc : {"Shape11", "Shape12", "Shape20", "Shape21"})
        EXPECT_EQ(Disc(disc)->Fill(), QColor(0, 0, 0)) << disc;
    EXPECT_EQ(Disc("Shape22")->Fill(), QColor(192, 192, 192));
    EXPECT_EQ(Label("Label21"), "Silver");
    EXPECT_EQ(Unit()->currentIndex(), 1);
    EXPECT_TRUE(Get<QRadioButton>("TFormCodeRes", "RadioButton2")->isChecked());
    EXPECT_DOUBLE_EQ(Form()->SearchOhms, 68200); // the stored values stay
}

TEST_F(CodeResSearchTest, TypingAndConversion) {
    Build("*", core::FrenchSeparators());
    Open();
    Type(Edit(), "a-+e 1,5.");
    EXPECT_EQ(Label("Edit1"), "1,5.");
    Search(4, "4,7");
    ForgetBoxes();
    Search(4, "2.5");
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(LastBox()->kind, ui::BoxKind::Error);
    EXPECT_EQ(LastBox()->text, "'2.5' n'est pas une valeur en virgule flottante correcte.");
    EXPECT_EQ(Label("Label13"), "X .1"); // the last result stays
    EXPECT_EQ(Label("Edit1"), "2.5");
    // A pasted value beyond the range of a stored value fails instead of searching.
    ForgetBoxes();
    static_cast<QLineEdit*>(Edit())->setText("1E400");
    Click(Component("BitBtn2"));
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(LastBox()->text, "Débordement en virgule flottante.");
    EXPECT_EQ(Label("Label13"), "X .1");
}

TEST_F(CodeResSearchTest, TextsOfTheSearchAndStandardTabs) {
    const std::pair<const char*, std::pair<const char*, const char*>> labels[] = {
        {"Label7", {"Chiffres significatifs", "Digits"}},
        {"Label8", {"Multiplificateur", "Multiplier"}},
        {"Label9", {"Tolérance", "Tolerance"}},
        {"Label21", {"Argent", "Silver"}},
        {"Label15",
         {"Le standard de EIA (Electronics Industry Association) ",
          "Standard EIA (Electronics Industry Association)"}},
        {"RadioButton1", {"4", "4"}},
        {"RadioButton2", {"5", "5"}},
    };
    const std::pair<const char*, std::pair<const char*, const char*>> groups[] = {
        {"GroupBox1", {"Valeur recherchée", "Resistor search"}},
        {"GroupBox2", {"Nombre d'anneaux", "Number of rings"}},
        {"GroupBox3", {"Résultat dans l'ordre", "Order result"}},
        {"GroupBox4", {"Ohms", "Ohms"}},
        {"GroupBox5", {"KOhms", "KOhms"}},
        {"GroupBox6", {"MOhms", "MOhms"}},
    };
    for (const char* mark : {"F", "*"}) {
        Build(QString::fromLatin1(mark));
        Open();
        const bool english = mark[0] == '*';
        for (const auto& [name, texts] : labels)
            EXPECT_EQ(Label(name), QString::fromUtf8(english ? texts.second : texts.first)) << name;
        for (const auto& [name, texts] : groups)
            EXPECT_EQ(Get<QGroupBox>("TFormCodeRes", name)->title(),
                      QString::fromUtf8(english ? texts.second : texts.first))
                << name;
        EXPECT_EQ(Component("BitBtn1")->toolTip(), "Reset");
        delete Main();
    }
}

// The grids are read down their columns: a cell holds figures exactly where a value belongs.
TEST_F(CodeResSearchTest, StandardValueGrids) {
    Build("F");
    const struct {
        const char* image;
        int values, rows;
    } grids[] = {{"Image1", 72, 7}, {"Image2", 72, 7}, {"Image3", 33, 4}};
    for (const auto& g : grids) {
        const QImage image = Get<QLabel>("TFormCodeRes", g.image)->pixmap().toImage();
        ASSERT_FALSE(image.isNull()) << g.image;
        const int columns = (g.values + g.rows - 1) / g.rows;
        const qreal w = qreal(image.width()) / columns, h = qreal(image.height()) / g.rows;
        for (int c = 0; c < columns; ++c) {
            for (int r = 0; r < g.rows; ++r) {
                int black = 0, yellow = 0;
                for (int y = int(r * h) + 1; y < int((r + 1) * h) - 1; ++y)
                    for (int x = int(c * w) + 2; x < int((c + 1) * w) - 2; ++x) {
                        const QColor px = image.pixelColor(x, y);
                        black += px.lightness() < 60;
                        yellow += px == QColor(255, 255, 0);
                    }
                const bool filled = c * g.rows + r < g.values;
                EXPECT_EQ(black > 10, filled) << g.image << " column " << c << " row " << r;
                EXPECT_GT(yellow, black) << g.image;
            }
        }
    }
}

TEST_F(CodeResSearchTest, TopicsOpenTheirTab) {
    Build("*");
    const struct {
        const char* topic;
        int tab;
    } cases[] = {{"Label15", 1}, {"Label1", 2}, {"Label2", 0}, {"Label1", 2}};
    for (const auto& c : cases) {
        Click(Get<QWidget>("TInterface1", c.topic));
        QCoreApplication::processEvents();
        EXPECT_TRUE(Form()->isVisible()) << c.topic;
        EXPECT_EQ(Get<QTabWidget>("TFormCodeRes", "PageControl1")->currentIndex(), c.tab) << c.topic;
        EXPECT_EQ(Form()->windowTitle(), "Resistance");
        Form()->hide();
    }
    EXPECT_TRUE(Boxes().empty());
}

} // namespace

// The resonance window and the LC product window with its table of 159 frequencies.
#include "support/GuiFixture.h"

#include "impedance/ProdIndCapReso.h"
#include "impedance/Resonance.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTableWidget>

namespace {

class ResonanceWindowsTest : public SettingTest {
  protected:
    TFormResonance* Resonance() { return static_cast<TFormResonance*>(Window("TFormResonance")); }
    TFormIndCapProReso* Product() { return static_cast<TFormIndCapProReso*>(Window("TFormIndCapProReso")); }
    template <class W = QWidget> W* R(const char* name) { return Get<W>("TFormResonance", name); }
    template <class W = QWidget> W* P(const char* name) { return Get<W>("TFormIndCapProReso", name); }
    void Enter(QWidget* box, const char* english) {
        Clear(box);
        Type(box, Local(english));
    }
    QTableWidget* Grid() { return P<QTableWidget>("StringGrid1"); }
    QString Cell(int r, int c) { return Grid()->item(r, c)->text(); }
};

TEST_P(ResonanceWindowsTest, ResonantFrequencyInTheChosenUnit) {
    Activate(Resonance());
    EXPECT_EQ(R<QComboBox>("ComboBox1")->currentText(), "uH");
    EXPECT_EQ(R<QComboBox>("ComboBox2")->currentText(), "uF");
    EXPECT_EQ(R<QComboBox>("ComboBox3")->currentText(), "mHz");
    const struct {
        const char* l;
        int lUnit;
        const char* c;
        int cUnit;
        int fUnit;
        const char* f0;
    } cases[] = {
        {"10", 1, "100", 2, 2, "5.0329"},         // 5 032 921.2104 Hz; "mHz" is mega
        {"10", 1, "100", 2, 1, "5,032.9212"},     // kHz
        {"10", 1, "100", 2, 0, "5,032,921.2100"}, // Hz: ten significant digits
        {"1", 0, "1", 1, 1, "159.1549"},          // 1 mH, 1 nF: 2 pi, not 6.28 (159.2357)
        {"1", 1, "1", 0, 2, "0.1592"},            // 1 uH, 1 uF
        {"2.5", 0, "0.47", 0, 0, "4,643.0269"},   // 2.5 mH, 0.47 uF
    };
    for (const auto& c : cases) {
        Enter(R("Edit1"), c.l);
        R<QComboBox>("ComboBox1")->setCurrentIndex(c.lUnit);
        Enter(R("Edit2"), c.c);
        R<QComboBox>("ComboBox2")->setCurrentIndex(c.cUnit);
        Pick(R<QComboBox>("ComboBox3"), c.fUnit);
        EXPECT_EQ(Text("TFormResonance", "Label4"), Local(c.f0)) << c.l << " " << c.c;
        // The echoes on the circuit picture.
        EXPECT_EQ(Text("TFormResonance", "Label7"), Local(c.l));
        EXPECT_EQ(Text("TFormResonance", "Label8"), R<QComboBox>("ComboBox1")->currentText());
        EXPECT_EQ(Text("TFormResonance", "Label9"), Local(c.c));
        EXPECT_EQ(Text("TFormResonance", "Label10"), R<QComboBox>("ComboBox2")->currentText());
    }
    EXPECT_DOUBLE_EQ(Resonance()->Inductance, 2.5e-3);
    EXPECT_DOUBLE_EQ(Resonance()->Capacitance, 0.47e-6);
    EXPECT_NEAR(Resonance()->Frequency, 4643.02688418944, 1e-9);
    EXPECT_TRUE(Boxes().empty());
    Snapshot(Resonance(), QStringLiteral("Resonance-values-%1").arg(GetParam().name));
}

TEST_P(ResonanceWindowsTest, UnitListsWithAnEmptyBoxEchoOrEmptyTheResult) {
    Enter(R("Edit1"), "10");
    Enter(R("Edit2"), "100");
    Click(R("Button1"));
    const QString shown = Text("TFormResonance", "Label4");
    Clear(R("Edit2"));
    Pick(R<QComboBox>("ComboBox2"), 1);
    EXPECT_EQ(Text("TFormResonance", "Label10"), "nF");
    EXPECT_EQ(Text("TFormResonance", "Label4"), shown);
    Pick(R<QComboBox>("ComboBox1"), 0);
    EXPECT_EQ(Text("TFormResonance", "Label8"), "mH");
    EXPECT_EQ(Text("TFormResonance", "Label4"), shown);
    Pick(R<QComboBox>("ComboBox3"), 1);
    EXPECT_EQ(Text("TFormResonance", "Label4"), "");

    // Reset keeps the circuit's labels (the fields and units are the calculator contract's).
    Click(R("BitBtn1"));
    EXPECT_EQ(Text("TFormResonance", "Label7"), Local("10"));
    EXPECT_EQ(Text("TFormResonance", "Label10"), "nF");
}

TEST_P(ResonanceWindowsTest, TopicsAndTableurOpenTheWindows) {
    Click(Get<QLabel>("TInterface1", "Label21"));
    EXPECT_TRUE(Resonance()->isVisible());
    Activate(Resonance());
    Click(R("Image7"));
    EXPECT_TRUE(Product()->isVisible());
    Product()->hide();
    Click(Get<QLabel>("TInterface1", "Label22"));
    EXPECT_TRUE(Product()->isVisible());
    EXPECT_EQ(Resonance()->windowTitle(), English() ? "Resonance" : "Calcul de la résonance");
    EXPECT_EQ(R<QLabel>("Image7")->pixmap().isNull(), false);
    Snapshot(Resonance(), QStringLiteral("Resonance-%1").arg(GetParam().name));
}

TEST_P(ResonanceWindowsTest, LCProduct) {
    Activate(Product());
    EXPECT_EQ(P<QComboBox>("ComboBox1")->currentText(), "Hz");
    const struct {
        const char* f;
        int unit;
        const char* lc;
    } cases[] = {
        {"1", 2, "0.02533030"},      // eight decimals of 1 / (2 pi)^2
        {"1", 1, "25,330.29591000"}, // ten significant digits
        {"1000", 0, "25,330.29591000"},
        {"652", 1, "0.05958612"},
    };
    for (const auto& c : cases) {
        Enter(P("Edit1"), c.f);
        Pick(P<QComboBox>("ComboBox1"), c.unit);
        EXPECT_EQ(Text("TFormIndCapProReso", "Label3"), Local(c.lc)) << c.f;
    }
    EXPECT_DOUBLE_EQ(Product()->ResonantFrequency, 0.652);
    EXPECT_NEAR(Product()->ProductLC, 0.0595861151873058, 1e-16);

    // Zero divides by zero: the result stays, the frequency is stored.
    Enter(P("Edit1"), "0");
    Click(P("Button1"));
    ASSERT_TRUE(LastBox());
    EXPECT_EQ(LastBox()->text, "Division par zéro en virgule flottante.");
    EXPECT_EQ(Text("TFormIndCapProReso", "Label3"), Local("0.05958612"));
    EXPECT_EQ(Product()->ResonantFrequency, 0.0);
    // An empty box: the unit list empties the result.
    Clear(P("Edit1"));
    Pick(P<QComboBox>("ComboBox1"), 0);
    EXPECT_EQ(Text("TFormIndCapProReso", "Label3"), "");
}

TEST_P(ResonanceWindowsTest, TableRowsAndHeads) {
    Activate(Product());
    ASSERT_EQ(Grid()->rowCount(), 160);
    ASSERT_EQ(Grid()->columnCount(), 3);
    EXPECT_EQ(Text("TFormIndCapProReso", "Panel2"), "f (Khz)");
    EXPECT_EQ(Cell(0, 0), "");
    EXPECT_EQ(Cell(0, 1), English() ? "Wavelength" : "L d'onde(m)");
    EXPECT_EQ(Cell(0, 2), "L x C");
    // The head panel scrolls away with the head row rather than hiding the first frequency shown.
    Grid()->verticalScrollBar()->setValue(3);
    EXPECT_LT(P("Panel2")->geometry().bottom(), 0);
    Grid()->verticalScrollBar()->setValue(0);
    EXPECT_EQ(P("Panel2")->pos(), QPoint(2, 2));
    // Wavelength 300000 / f (Number 4/2), LC 1 / (2 pi f / 1000)^2 (Number 8/7), worked out apart.
    const struct {
        int row;
        const char* f;
        const char* wavelength;
        const char* lc;
    } rows[] = {
        {1, "300000", "1.00", "0.0000003"}, {10, "30000", "10.00", "0.0000281"},
        {55, "652", "460.10", "0.0595861"}, {60, "594", "505.10", "0.0717906"},
        {64, "572", "524.50", "0.0774191"}, {65, "569", "527.20", "0.0782376"},
        {66, "566", "530.00", "0.0790692"}, {80, "500", "600.00", "0.1013212"},
        {81, "496", "604.80", "0.1029620"}, {159, "300", "1,000.00", "0.2814477"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(Cell(r.row, 0), r.f) << r.row;
        EXPECT_EQ(Cell(r.row, 1), Local(r.wavelength)) << r.row;
        EXPECT_EQ(Cell(r.row, 2), Local(r.lc)) << r.row;
    }
    // The frequency column falls from row to row.
    const QStringList& list = TFormIndCapProReso::Frequencies();
    ASSERT_EQ(list.size(), 159);
    for (int i = 1; i < list.size(); ++i)
        EXPECT_LT(list[i].toInt(), list[i - 1].toInt()) << "row " << i + 1;

    std::vector<QString> first;
    for (int r = 0; r < 160; ++r)
        for (int c = 0; c < 3; ++c)
            first.push_back(Cell(r, c));
    Activate(Resonance());
    Activate(Product());
    std::vector<QString> again;
    for (int r = 0; r < 160; ++r)
        for (int c = 0; c < 3; ++c)
            again.push_back(Cell(r, c));
    EXPECT_EQ(again, first);
    Snapshot(Product(), QStringLiteral("ProdIndCapReso-%1").arg(GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(Settings, ResonanceWindowsTest, Settings(), SettingName);

} // namespace

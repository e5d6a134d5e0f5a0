// The frequency response tool: opened from the reactance and resonance windows, its results
// and limits, the cursor, the exports and the report (its Tools entry: tests/app/ToolsTest).
#include "support/GuiFixture.h"

#include "../printing/PrintingSupport.h"
#include "impedance/FrequencyResponse.h"
#include "impedance/ResponsePlot.h"
#include "ui/Registry.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr char kTool[] = "TFormFrequencyResponse";

class FrequencyResponseTest : public SettingTest {
  protected:
    // An English-layout text (UTF-8) in the setting's separators.
    QString Local(const char* english) const {
        QString text = QString::fromUtf8(english);
        for (QChar& c : text)
            c = c == '.' ? GetParam().separators.decimal : c == ',' ? GetParam().separators.thousands : c;
        return text;
    }
    TFormFrequencyResponse* Form() { return static_cast<TFormFrequencyResponse*>(Window(kTool)); }
    template <class W = QWidget> W* F(const char* name) { return Get<W>(kTool, name); }
    ResponsePlot* Plot() { return F<ResponsePlot>("PlotView"); }
    void Enter(const char* box, const char* english) {
        Clear(F(box));
        Type(F(box), Local(english));
    }
    void Topology(formulas::Topology t) { Pick(F<QComboBox>("TopologyList"), int(t)); }
    QString Shown(const char* label) { return Text(kTool, label); }
    // Series RLC, 10 ohms, 1 mH, 1 uF: f0 5.0329 kHz, Q 3.1623, bandwidth 1.5915 kHz.
    void EnterRlc() {
        Activate(Form());
        Enter("RBox", "10");
        Enter("LBox", "1");
        Enter("CBox", "1");
    }
};

TEST_P(FrequencyResponseTest, ResultsFollowEveryKeystroke) {
    EnterRlc();
    EXPECT_EQ(Shown("F0Label"), Local("5.0329 kHz"));
    EXPECT_EQ(Shown("QFactorLabel"), Local("3.1623"));
    EXPECT_EQ(Shown("BandwidthLabel"), Local("1.5915 kHz"));
    // Two decades either side of f0, 1000 points a decade.
    EXPECT_EQ(Form()->Points().size(), 4001u);
    EXPECT_NEAR(Form()->FromFrequency, 50.329212104487, 1e-9);
    EXPECT_NEAR(Form()->ToFrequency, 503292.12104487, 1e-6);

    Type(F("RBox"), "0"); // 100 ohms: Q a tenth
    EXPECT_EQ(Shown("QFactorLabel"), Local("0.31623"));
    EXPECT_EQ(Shown("BandwidthLabel"), Local("15.915 kHz"));

    // An incomplete or bad value keeps what the chart and the results show, without a box.
    const std::size_t points = Form()->Points().size();
    Clear(F("LBox"));
    Type(F("LBox"), Local("."));
    EXPECT_EQ(Shown("QFactorLabel"), Local("0.31623"));
    EXPECT_EQ(Plot()->Data().frequency.size(), points);
    EXPECT_TRUE(Boxes().empty());

    // A range typed in replaces the default.
    Enter("LBox", "1");
    Enter("FromBox", "1");
    Pick(F<QComboBox>("ToUnit"), 1);
    Enter("ToBox", "100");
    EXPECT_DOUBLE_EQ(Form()->FromFrequency, 1);
    EXPECT_DOUBLE_EQ(Form()->ToFrequency, 1e5);
    EXPECT_EQ(Form()->Points().size(), 5001u);
    // An empty or inverted range is the usual error box on "=".
    Enter("ToBox", "0.0001");
    Click(F("Button1"));
    ASSERT_TRUE(LastBox());
    EXPECT_EQ(LastBox()->kind, ui::BoxKind::Error);
    EXPECT_DOUBLE_EQ(Form()->ToFrequency, 1e5);
}

TEST_P(FrequencyResponseTest, TopologiesUseTheirComponentsAndShowTheirLimits) {
    EnterRlc();
    const struct {
        formulas::Topology t;
        bool r, l, c;
        const char *f0, *q, *bandwidth;
    } rows[] = {
        {formulas::Topology::SeriesRL, true, true, false, "—", "—", "—"},
        {formulas::Topology::ParallelRC, true, false, true, "—", "—", "—"},
        // Lossless: Q unbounded, no width, never "INF".
        {formulas::Topology::SeriesLC, false, true, true, "5.0329 kHz", "∞", "0 Hz"},
        {formulas::Topology::ParallelLC, false, true, true, "5.0329 kHz", "∞", "0 Hz"},
        // Parallel: Q = R sqrt(C / L) = 0.31623 for 10 ohms.
        {formulas::Topology::ParallelRLC, true, true, true, "5.0329 kHz", "0.31623", "15.915 kHz"},
    };
    for (const auto& r : rows) {
        Topology(r.t);
        EXPECT_EQ(F("RBox")->isEnabled(), r.r) << int(r.t);
        EXPECT_EQ(F("RUnit")->isEnabled(), r.r) << int(r.t);
        EXPECT_EQ(F("LBox")->isEnabled(), r.l) << int(r.t);
        EXPECT_EQ(F("CBox")->isEnabled(), r.c) << int(r.t);
        EXPECT_EQ(Shown("F0Label"), Local(r.f0)) << int(r.t);
        EXPECT_EQ(Shown("QFactorLabel"), Local(r.q)) << int(r.t);
        EXPECT_EQ(Shown("BandwidthLabel"), Local(r.bandwidth)) << int(r.t);
    }
    EXPECT_TRUE(Boxes().empty());
}

// The cursor follows the mouse and the arrow keys; at a parallel LC's f0 the readout says the
// impedance is off the scale rather than showing INF.
TEST_P(FrequencyResponseTest, CursorReadout) {
    EnterRlc();
    ResponsePlot* plot = Plot();
    QTest::mouseMove(plot, plot->rect().center() - QPoint(20, 0));
    QTest::mouseMove(plot, plot->rect().center());
    ASSERT_TRUE(plot->Data().cursor);
    const int at = *plot->Data().cursor;
    const QString shown = Shown("ReadoutLabel");
    EXPECT_TRUE(shown.startsWith("f = ")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("|Z| = ")) << shown.toStdString();
    QTest::keyClick(plot, Qt::Key_Right);
    EXPECT_GT(*plot->Data().cursor, at);
    EXPECT_NE(Shown("ReadoutLabel"), shown);
    QTest::keyClick(plot, Qt::Key_Home);
    EXPECT_EQ(*plot->Data().cursor, 0);
    EXPECT_TRUE(Shown("ReadoutLabel").startsWith(Local("f = 50.33 Hz")))
        << Shown("ReadoutLabel").toStdString();
    EXPECT_TRUE(Shown("ReadoutLabel").contains(QStringLiteral("− j"))); // capacitive below f0

    // Series LC: the middle point is f0 itself, where |Z| is 0; parallel LC: unbounded there.
    Topology(formulas::Topology::SeriesLC);
    plot->SetCursor(2000);
    EXPECT_TRUE(Shown("ReadoutLabel").contains(QStringLiteral("|Z| = 0 Ω")))
        << Shown("ReadoutLabel").toStdString();
    Topology(formulas::Topology::ParallelLC);
    EXPECT_EQ(*plot->Data().cursor, 2000); // the cursor keeps its frequency
    EXPECT_TRUE(Shown("ReadoutLabel").contains(English() ? "unbounded" : "non borné"))
        << Shown("ReadoutLabel").toStdString();
    EXPECT_FALSE(Shown("ReadoutLabel").contains("inf", Qt::CaseInsensitive));
    EXPECT_TRUE(std::isinf(plot->Data().magnitude[2000]));
}

TEST_P(FrequencyResponseTest, CsvExportReadsBack) {
    EnterRlc();
    QTemporaryDir dir;
    const QString file = dir.filePath("sweep.csv");
    Form()->ExportTo(file);
    QFile in(file);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(in.readAll()).split("\r\n", Qt::SkipEmptyParts);
    const auto& points = Form()->Points();
    ASSERT_EQ(lines.size(), qsizetype(points.size() + 1));
    const QString sep = GetParam().separators.decimal == ',' ? ";" : ",";
    EXPECT_EQ(lines[0].split(sep).size(), 5);
    EXPECT_TRUE(lines[0].startsWith(English() ? "Frequency (Hz)" : "Fréquence (Hz)"))
        << lines[0].toStdString();
    for (std::size_t i = 0; i < points.size(); i += 97) {
        const QStringList fields = lines[qsizetype(i + 1)].split(sep);
        ASSERT_EQ(fields.size(), 5) << lines[qsizetype(i + 1)].toStdString();
        const auto& p = points[i];
        const long double expected[] = {p.frequency, p.Magnitude(), p.Phase(), p.z.real(), p.z.imag()};
        for (int k = 0; k < 5; ++k) {
            const long double read = core::ParseNumber(fields[k], GetParam().separators);
            EXPECT_NEAR(double(read), double(expected[k]), std::fabs(double(expected[k])) * 1e-14 + 1e-300)
                << i << " field " << k;
        }
    }
    // A parallel LC's unbounded point leaves its fields empty.
    Topology(formulas::Topology::ParallelLC);
    Form()->ExportTo(file);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly) || (in.close(), in.open(QIODevice::ReadOnly)));
    in.seek(0);
    const QStringList lc = QString::fromUtf8(in.readAll()).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_TRUE(Form()->Points()[2000].unbounded);
    EXPECT_TRUE(lc[2001].endsWith(sep + sep + sep + sep)) << lc[2001].toStdString();
}

TEST_P(FrequencyResponseTest, ChartExports) {
    EnterRlc();
    QTemporaryDir dir;
    Form()->ExportTo(dir.filePath("chart.svg"));
    Form()->ExportTo(dir.filePath("chart.png"));
    EXPECT_TRUE(Boxes().empty());
    QFile svg(dir.filePath("chart.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(svg.readAll());
    EXPECT_TRUE(text.contains("<svg"));
    // Text stays text, and curves are paths, not a picture.
    EXPECT_TRUE(text.contains(Local("5.033 kHz"))) << "f0 label";
    EXPECT_FALSE(text.contains("<image"));
    const QImage png(dir.filePath("chart.png"));
    EXPECT_EQ(png.size(), QSize(1600, 1120));
    // A folder that cannot be written is an error box.
    Form()->ExportTo(dir.filePath("missing/chart.csv"));
    ASSERT_TRUE(LastBox());
    EXPECT_EQ(LastBox()->kind, ui::BoxKind::Error);
}

// Ctrl+R in the resonance and reactance windows opens the response with their values.
TEST_P(FrequencyResponseTest, OpenedFilledFromTheReactanceAndResonanceWindows) {
    const struct {
        const char* window;
        std::pair<const char*, const char*> edit1, edit2;
        int unit1, unit2;
        formulas::Topology topology;
        std::vector<std::pair<const char*, const char*>> boxes; // the response's box, its text
        std::vector<std::pair<const char*, const char*>> units;
        const char* readout; // at the cursor, the window's frequency
        const char* f0;
    } rows[] = {
        {"TFormResonance",
         {"Edit1", "10"},
         {"Edit2", "100"},
         1,
         2,
         formulas::Topology::SeriesLC,
         {{"LBox", "10"}, {"CBox", "100"}, {"FromBox", ""}, {"ToBox", ""}},
         {{"LUnit", "µH"}, {"CUnit", "pF"}},
         nullptr,
         "5.0329 MHz"},
        // 1 kHz, 1 uF: R 0, the range two decades either side, |Z| = 1 / (2 pi f C) = 159.2 ohms
        // where the window, with 6.28, shows 159.2357.
        {"TFormReacCap",
         {"Edit1", "1"},
         {"Edit2", "1"},
         1,
         0,
         formulas::Topology::SeriesRC,
         {{"RBox", "0"}, {"CBox", "1"}, {"FromBox", "10"}, {"ToBox", "100"}},
         {{"CUnit", "µF"}, {"FromUnit", "Hz"}, {"ToUnit", "kHz"}},
         "|Z| = 159.2 Ω",
         "—"},
        // 50 Hz, 2 H: XL = 628.3 ohms.
        {"TFormReacInd",
         {"Edit1", "50"},
         {"Edit2", "2"},
         0,
         0,
         formulas::Topology::SeriesRL,
         {{"RBox", "0"}, {"LBox", "2"}, {"FromBox", "0.5"}, {"ToBox", "5"}},
         {{"LUnit", "H"}, {"FromUnit", "Hz"}, {"ToUnit", "kHz"}},
         "|Z| = 628.3 Ω",
         "—"},
    };
    for (const auto& r : rows) {
        ui::Window* source = Window(r.window);
        Activate(source);
        Clear(Get<QLineEdit>(r.window, r.edit1.first));
        Type(Get<QLineEdit>(r.window, r.edit1.first), Local(r.edit1.second));
        Clear(Get<QLineEdit>(r.window, r.edit2.first));
        Type(Get<QLineEdit>(r.window, r.edit2.first), Local(r.edit2.second));
        Get<QComboBox>(r.window, "ComboBox1")->setCurrentIndex(r.unit1);
        Get<QComboBox>(r.window, "ComboBox2")->setCurrentIndex(r.unit2);
        QTest::keyClick(source, Qt::Key_R, Qt::ControlModifier);
        ASSERT_NE(ui::FindWindow(kTool), nullptr) << r.window;
        EXPECT_TRUE(Form()->isVisible());
        EXPECT_EQ(Form()->Topology(), r.topology) << r.window;
        for (const auto& [box, text] : r.boxes)
            EXPECT_EQ(Shown(box), Local(text)) << r.window << " " << box;
        for (const auto& [list, text] : r.units)
            EXPECT_EQ(F<QComboBox>(list)->currentText(), QString::fromUtf8(text)) << r.window << " " << list;
        EXPECT_EQ(Shown("F0Label"), Local(r.f0)) << r.window;
        if (r.readout)
            EXPECT_TRUE(Shown("ReadoutLabel").contains(Local(r.readout)))
                << Shown("ReadoutLabel").toStdString();
        // The entry in the window's context menu is the same action.
        auto* action = source->findChild<QAction*>(QStringLiteral("ResponseAction"));
        ASSERT_NE(action, nullptr);
        EXPECT_TRUE(source->actions().contains(action));
        EXPECT_EQ(source->contextMenuPolicy(), Qt::ActionsContextMenu);
        EXPECT_EQ(action->text(), English() ? "Frequency response…" : "Réponse en fréquence…");
    }
    EXPECT_TRUE(Boxes().empty());
}

TEST_P(FrequencyResponseTest, ReportPrintsTheChartAsVectors) {
    REQUIRE_POPPLER();
    EnterRlc();
    Click(F("BitBtn2"));
    ASSERT_EQ(Previews().shown.size(), 1u);
    const printing::Document& doc = Previews().shown[0].doc;
    EXPECT_EQ(doc.reportClass, "TQRFrequencyResponse");
    int drawings = 0;
    for (const printing::Element& e : doc.pages[0].elements)
        drawings += e.kind == printing::Element::Kind::Drawing;
    EXPECT_EQ(drawings, 1);
    PdfFile pdf(doc);
    pdf.Keep(QStringLiteral("FrequencyResponse-report-") + GetParam().name);
    const QString text = Squeezed(pdf.Text());
    for (const QString& line : {Local("R = 10 Ω"), Local("f0 = 5.0329 kHz"), Local("Q = 3.1623"),
                                Local(English() ? "Bandwidth = 1.5915 kHz" : "Bande passante = 1.5915 kHz")})
        EXPECT_TRUE(text.contains(line)) << line.toStdString() << " in " << text.toStdString();
    // The chart's tick labels are text at the page's scale, and the only picture is the circuit.
    EXPECT_TRUE(text.contains(Local("f0 = 5.033 kHz 10 kΩ"))) << text.toStdString();
    EXPECT_TRUE(text.contains(Local("100 Hz 200 Hz 500 Hz 1 kHz"))) << text.toStdString();
    EXPECT_EQ(pdf.Images(), 1);

    // Saved and loaded back, the chart is still there.
    QTemporaryDir dir;
    ASSERT_TRUE(printing::SaveReport(doc, dir.filePath("r.qrp")));
    const auto loaded = printing::LoadReport(dir.filePath("r.qrp"));
    ASSERT_TRUE(loaded);
    int loadedDrawings = 0;
    for (const printing::Element& e : loaded->pages[0].elements)
        loadedDrawings += e.kind == printing::Element::Kind::Drawing && !e.drawing.isNull();
    EXPECT_EQ(loadedDrawings, 1);
}

TEST_P(FrequencyResponseTest, Snapshots) {
    Activate(Form());
    const struct {
        formulas::Topology t;
        const char *r, *l, *c, *name;
    } shots[] = {
        {formulas::Topology::SeriesRLC, "10", "1", "1", "series-RLC"},
        {formulas::Topology::ParallelRC, "1000", "1", "0.1", "parallel-RC"},
        {formulas::Topology::SeriesLC, "10", "1", "1", "series-LC"},
    };
    for (const auto& s : shots) {
        Topology(s.t);
        Enter("RBox", s.r);
        Enter("LBox", s.l);
        Enter("CBox", s.c);
        QTest::mouseMove(Plot(), Plot()->rect().center() + QPoint(40, 0));
        Snapshot(Form(), QStringLiteral("FrequencyResponse-%1-%2").arg(s.name, GetParam().name));
    }
    // On a dark palette the chart takes the palette's base and text, its curves lighter tones.
    QPalette dark = Plot()->palette();
    dark.setColor(QPalette::Base, QColor(0x1E, 0x1E, 0x1E));
    dark.setColor(QPalette::Text, QColor(0xE0, 0xE0, 0xE0));
    Plot()->setPalette(dark);
    const QImage shot = Plot()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(2, 2), QColor(0x1E, 0x1E, 0x1E));
    const pictures::PlotColours colours = pictures::PlotColoursFrom(dark);
    EXPECT_GT(colours.magnitude.lightness(), 128);
    EXPECT_GT(colours.phase.lightness(), 128);
    Snapshot(Plot(), QStringLiteral("FrequencyResponse-dark-%1").arg(GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(Settings, FrequencyResponseTest, Settings(), SettingName);

} // namespace

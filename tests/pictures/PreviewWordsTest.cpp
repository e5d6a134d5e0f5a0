#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <climits>

#include "pictures/Previews.h"

namespace {

using namespace pictures;

// Keeps the text of every text item painted through it and drops everything else, so a preview's
// words can be read back without reading pixels.
class TextRecorder : public QPaintEngine {
  public:
    TextRecorder() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath&) override {}
    void drawTextItem(const QPointF&, const QTextItem& item) override { texts << item.text(); }
    Type type() const override { return QPaintEngine::User; }
    QStringList texts;
};

class TextDevice : public QPaintDevice {
  public:
    QPaintEngine* paintEngine() const override { return &engine_; }
    QStringList Texts() const { return engine_.texts; }

  protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return kPreviewWidth;
        case PdmHeight:
            return kPreviewHeight;
        case PdmWidthMM:
            return kPreviewWidth * 254 / 960;
        case PdmHeightMM:
            return kPreviewHeight * 254 / 960;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return INT_MAX;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(QPaintDevice::devicePixelRatioFScale());
        default:
            return QPaintDevice::metric(metric);
        }
    }

  private:
    mutable TextRecorder engine_;
};

QStringList DrawnTexts(const Topic& topic, bool english) {
    TextDevice device;
    QPainter p(&device);
    PaintTopic(p, topic, english);
    p.end();
    return device.Texts();
}

// The French-only texts found in texts: words from a short list, accented letters, decimal commas.
QStringList FrenchIn(const QStringList& texts) {
    static const QSet<QString> words{
        "de",      "la",         "en",         "et",         "deux",      "autres",       "formules",
        "tableur", "tableau",    "circuits",   "série",      "séries",    "parallèle",    "parallèles",
        "jaune",   "rouge",      "or",         "anneaux",    "spires",    "bobine",       "câble",
        "valeur",  "recherchée", "conducteur", "résistance", "réactance", "condensateur", "constante",
        "temp",    "fréquence",  "période",    "longueur",   "onde",      "schémas",      "produit"};
    static const QRegularExpression accent(QStringLiteral("[éèêàçùÉÈ]")), decimalComma("\\d,\\d"),
        separators("[^\\p{L}]+");
    QStringList found;
    for (const QString& text : texts) {
        if (text.contains(accent) || text.contains(decimalComma)) found << text;
        for (const QString& word : text.split(separators, Qt::SkipEmptyParts))
            if (words.contains(word.toLower())) found << word;
    }
    return found;
}

std::vector<Topic> TopicsWithEnglish() {
    std::vector<Topic> all;
    for (auto group :
         {UtilityTopics, ResistanceTopics, ImpedanceTopics, WaveTopics, CapacitanceTopics, InductanceTopics})
        for (Topic& topic : group())
            if (topic.english) all.push_back(std::move(topic));
    return all;
}

TEST(PreviewWords, EnglishVariantsDrawNoFrenchWords) {
    const std::vector<Topic> topics = TopicsWithEnglish();
    EXPECT_EQ(topics.size(), 39u);
    for (const Topic& topic : topics) {
        // The French drawing shows the detector sees the preview's words at all.
        EXPECT_FALSE(FrenchIn(DrawnTexts(topic, false)).isEmpty()) << topic.file;
        EXPECT_EQ(FrenchIn(DrawnTexts(topic, true)).join(", ").toStdString(), "") << topic.file;
    }
}

TEST(PreviewWords, EnglishTextsOfSomePreviews) {
    const struct {
        const char* file;
        std::vector<const char*> texts; // each must be among the texts drawn in English
    } cases[] = {
        {"interface/resistance2.bmp",
         {"Resistor color code", "yellow", "violet", "red", "gold", "4.7 kΩ  ± 5 %"}},
        {"interface/ValRec.bmp", {"Resistor search", "Yellow", "Gold", "Ω  (4 bands)"}},
        {"interface/Annexe_Res.bmp", {"Standard EIA (Ohms)", "1.1", "9.1"}},
        {"interface/Cylindrique.bmp", {"Inductance (cylindrical coil)", "N turns", "2.2"}},
        {"interface/TabReactCap.bmp", {"Table of capacitive reactance", "0.25"}},
        {"interface/TabRL.bmp", {"Table of time constants RL (s)", "0.0001"}},
    };
    const std::vector<Topic> topics = TopicsWithEnglish();
    for (const auto& c : cases) {
        const auto topic = std::find_if(topics.begin(), topics.end(),
                                        [&](const Topic& t) { return QLatin1String(t.file) == c.file; });
        ASSERT_NE(topic, topics.end()) << c.file;
        // A text mixing scripts ("4.7 kΩ") arrives in several items, one after the other.
        const QString drawn = DrawnTexts(*topic, true).join(QString());
        for (const char* text : c.texts)
            EXPECT_TRUE(drawn.contains(QString::fromUtf8(text))) << c.file << ": " << text;
    }
}

} // namespace

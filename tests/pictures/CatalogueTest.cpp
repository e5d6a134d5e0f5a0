#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

#include "pictures/Catalogue.h"
#include "pictures/waves/FormFormeOndePictures.h"

namespace {

using pictures::AllFiles;
using pictures::InterfaceFiles;

const QSize kPreview(261, 153), kHeading(169, 17);

// Every interface file the program loads, with the size of the component that shows it.
const std::map<QString, QSize>& Expected() {
    static const std::map<QString, QSize> table{
        {"interface/Convertion.bmp", kPreview},
        {"interface/Convertion_en.bmp", kPreview},
        {"interface/MemoryDevice.bmp", kPreview},
        {"interface/resistance2.bmp", kPreview},
        {"interface/ValRec.bmp", kPreview},
        {"interface/Annexe_Res.bmp", kPreview},
        {"interface/ResCable.bmp", kPreview},
        {"interface/SerieParal.bmp", kPreview},
        {"interface/ResPara.bmp", kPreview},
        {"interface/Autformule.bmp", kPreview},
        {"interface/TableurSP.bmp", kPreview},
        {"interface/ImpSerieRLRC.bmp", kPreview},
        {"interface/ImpSerieRLC.bmp", kPreview},
        {"interface/TabImpSerie.bmp", kPreview},
        {"interface/ImpSerieLC.bmp", kPreview},
        {"interface/ImpParaRLC.bmp", kPreview},
        {"interface/ImpParaRC.bmp", kPreview},
        {"interface/ImpParaLC.bmp", kPreview},
        {"interface/AideMemoire.bmp", kPreview},
        {"interface/memoryhelp_en.bmp", kPreview},
        {"interface/Onde.bmp", kPreview},
        {"interface/frequence.bmp", kPreview},
        {"interface/Periode.bmp", kPreview},
        {"interface/LongueurOnde.bmp", kPreview},
        {"interface/BandeFrequence.bmp", kPreview},
        {"interface/BandeFrequence_en.bmp", kPreview},
        {"interface/Resonance.bmp", kPreview},
        {"interface/ProduitResonance.bmp", kPreview},
        {"interface/CondSerieParal.bmp", kPreview},
        {"interface/CondPara.bmp", kPreview},
        {"interface/CondType.bmp", kPreview},
        {"interface/AutreFormCSerie.bmp", kPreview},
        {"interface/CondSerie.bmp", kPreview},
        {"interface/ReactanceCap.bmp", kPreview},
        {"interface/TabReactCap.bmp", kPreview},
        {"interface/Cylindrique.bmp", kPreview},
        {"interface/Toroidale.bmp", kPreview},
        {"interface/Coaxial.bmp", kPreview},
        {"interface/IndSerie.bmp", kPreview},
        {"interface/IndPara.bmp", kPreview},
        {"interface/ReacInd.bmp", kPreview},
        {"interface/TabReactance.bmp", kPreview},
        {"interface/ConsTempRL.bmp", kPreview},
        {"interface/TabRL.bmp", kPreview},
        {"interface/ConsTempRC.bmp", kPreview},
        {"interface/TabConstTempRC.bmp", kPreview},
        {"interface/labelutility.bmp", kHeading},
        {"interface/labelresistance.bmp", kHeading},
        {"interface/labelimpedance.bmp", kHeading},
        {"interface/labelfrequency.bmp", kHeading},
        {"interface/labelcapacitance.bmp", kHeading},
        {"interface/labelinductance.bmp", kHeading},
        {"interface/tableur_en.bmp", {113, 41}},
        {"interface/frequencytab_en.bmp", {449, 213}},
        {"interface/waveform.bmp", {417, 217}},
    };
    return table;
}

// The previews drawn again in English beside the French file ("X.bmp" -> "X_en.bmp").
const char* const kWithEnglish[] = {
    "resistance2",     "ValRec",     "Annexe_Res",       "ResCable",       "SerieParal",   "ResPara",
    "Autformule",      "TableurSP",  "ImpSerieRLRC",     "ImpSerieRLC",    "TabImpSerie",  "ImpSerieLC",
    "ImpParaRLC",      "ImpParaRC",  "ImpParaLC",        "Onde",           "frequence",    "Periode",
    "LongueurOnde",    "Resonance",  "ProduitResonance", "CondSerieParal", "CondPara",     "CondType",
    "AutreFormCSerie", "CondSerie",  "ReactanceCap",     "TabReactCap",    "Cylindrique",  "Toroidale",
    "Coaxial",         "IndSerie",   "IndPara",          "ReacInd",        "TabReactance", "ConsTempRL",
    "TabRL",           "ConsTempRC", "TabConstTempRC"};

QString Interface(const char* name, const char* suffix) {
    return QStringLiteral("interface/%1%2.bmp").arg(QLatin1String(name), QLatin1String(suffix));
}

// Every interface file the program loads, the English previews included.
const std::map<QString, QSize>& Loaded() {
    static const std::map<QString, QSize> table = [] {
        std::map<QString, QSize> all = Expected();
        for (const char* name : kWithEnglish)
            all.emplace(Interface(name, "_en"), kPreview);
        return all;
    }();
    return table;
}

QImage Draw(const QString& name) {
    for (const auto& file : AllFiles())
        if (file.name == name) return file.draw();
    ADD_FAILURE() << "no picture named " << name.toStdString();
    return {};
}

int Colours(const QImage& image) {
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            seen.insert(image.pixel(x, y));
    return seen.size();
}

TEST(Catalogue, InterfaceNamesAreExactlyTheLoadedOnes) {
    std::map<QString, int> counts;
    for (const auto& file : InterfaceFiles())
        ++counts[file.name];
    EXPECT_EQ(InterfaceFiles().size(), 94u);
    for (const auto& [name, size] : Loaded())
        EXPECT_EQ(counts[name], 1) << name.toStdString();
    for (const auto& [name, count] : counts)
        EXPECT_TRUE(Loaded().count(name)) << "unexpected " << name.toStdString();
}

TEST(Catalogue, AllNamesAreUniqueBitmapsUnderTheTwoDirectories) {
    QSet<QString> names;
    for (const auto& file : AllFiles()) {
        const std::string name = file.name.toStdString();
        EXPECT_FALSE(names.contains(file.name)) << "twice: " << name;
        names.insert(file.name);
        EXPECT_TRUE(file.name.endsWith(".bmp")) << name;
        EXPECT_TRUE(file.name.startsWith("interface/") || file.name.startsWith("formule/")) << name;
        EXPECT_TRUE(file.draw) << name;
    }
}

TEST(Catalogue, EveryPictureHasItsSizeAndIsNotBlank) {
    for (const auto& file : AllFiles()) {
        const QImage image = file.draw();
        const std::string name = file.name.toStdString();
        const auto expected = Loaded().find(file.name);
        if (expected != Loaded().end()) {
            EXPECT_EQ(image.size(), expected->second) << name;
        }
        EXPECT_GT(Colours(image), 1) << name;
    }
}

TEST(Catalogue, EnglishVariantsDifferFromTheFrenchOnes) {
    const char* const pairs[][2] = {
        {"interface/Convertion.bmp", "interface/Convertion_en.bmp"},
        {"interface/AideMemoire.bmp", "interface/memoryhelp_en.bmp"},
        {"interface/BandeFrequence.bmp", "interface/BandeFrequence_en.bmp"},
    };
    for (const auto& pair : pairs) {
        EXPECT_NE(Draw(pair[0]), Draw(pair[1])) << pair[1];
    }
    for (const char* name : kWithEnglish)
        EXPECT_NE(Draw(Interface(name, "")), Draw(Interface(name, "_en"))) << name;
}

TEST(Catalogue, HeadingsDifferByTitle) {
    QSet<QByteArray> seen;
    for (const auto& [name, size] : Expected()) {
        if (size != kHeading) continue;
        const QImage image = Draw(name);
        const QByteArray bits(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
        EXPECT_FALSE(seen.contains(bits)) << name.toStdString();
        seen.insert(bits);
    }
    EXPECT_EQ(seen.size(), 6);
}

TEST(WritePictureFiles, WritesEveryFileAsADecodableBitmap) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString failed;
    ASSERT_TRUE(pictures::WritePictureFiles(dir.path(), &failed)) << failed.toStdString();
    for (const auto& file : AllFiles()) {
        const QString path = QDir(dir.path()).filePath(file.name);
        QFile raw(path);
        ASSERT_TRUE(raw.open(QIODevice::ReadOnly)) << path.toStdString();
        EXPECT_EQ(raw.read(2), QByteArray("BM")) << path.toStdString();
        QImageReader reader(path);
        EXPECT_EQ(reader.format(), QByteArray("bmp")) << path.toStdString();
        const QImage image = reader.read();
        EXPECT_FALSE(image.isNull()) << path.toStdString();
        EXPECT_EQ(image.size(), file.draw().size()) << path.toStdString();
    }
}

TEST(WritePictureFiles, NamesTheFileItCouldNotWrite) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A plain file where the "interface" directory should be makes every interface write fail.
    QFile blocker(QDir(dir.path()).filePath("interface"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QString failed;
    EXPECT_FALSE(pictures::WritePictureFiles(dir.path(), &failed));
    EXPECT_EQ(failed, AllFiles().front().name);
}

} // namespace

namespace {

// The wave window lays its link labels over the memory aid (the stored French one and the
// English file); each must cover blank paper, with its line's text just before it.
TEST(Catalogue, MemoryAidLeavesRoomForItsLinks) {
    for (const QImage& aid : {Draw("interface/waveform.bmp"), pictures::MemoryAid(false)}) {
        ASSERT_EQ(aid.size(), QSize(417, 217));
        const QRgb paper = aid.pixel(aid.width() - 2, aid.height() - 2);
        const QPoint links[] = {{344, 72}, {344, 96}, {96, 133}, {112, 195}};
        for (const QPoint& at : links) {
            int inkUnder = 0, inkBefore = 0;
            for (int y = at.y(); y < at.y() + 13; ++y) {
                for (int x = at.x(); x < at.x() + 25; ++x)
                    inkUnder += aid.pixel(x, y) != paper;
                for (int x = at.x() - 40; x < at.x(); ++x)
                    inkBefore += aid.pixel(x, y) != paper;
            }
            EXPECT_EQ(inkUnder, 0) << at.x() << "," << at.y();
            EXPECT_GT(inkBefore, 0) << at.x() << "," << at.y();
        }
    }
}

} // namespace

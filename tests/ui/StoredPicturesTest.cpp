// The pictures the windows are built with come from the program's resources, drawn by the build,
// and are what the drawing code gives now, whatever the mark and the separators.
#include "app/LanguageChooser.h"
#include "pictures/Stored.h"
#include "support/GuiFixture.h"
#include "ui/Registry.h"

#include <QDialog>
#include <set>

namespace {

// A picture named after a decimal separator exists once for each.
bool NamesSeparator(const QString& key) {
    return key.endsWith(QLatin1Char(',')) || key.endsWith(QLatin1Char('.'));
}

std::set<QString> StoredKeys(QChar decimal) {
    std::set<QString> keys;
    for (const QString& key : pictures::StoredNames())
        if (!NamesSeparator(key) || key.endsWith(decimal)) keys.insert(key);
    return keys;
}

class StoredPicturesTest : public GuiTest, public ::testing::WithParamInterface<Setting> {
  protected:
    // The tools are created at their first opening; the build stores their pictures too.
    static void OpenTools() {
        for (const ui::Tool& tool : ui::Tools())
            ui::OpenTool(tool.className);
    }
};

TEST_P(StoredPicturesTest, EveryWindowPictureIsLoadedNoneDrawn) {
    const pictures::StoreCounts before = pictures::Counts();
    Build(QString::fromLatin1(GetParam().mark), GetParam().separators);
    OpenTools();
    app::MakeLanguageChooser();
    const pictures::StoreCounts after = pictures::Counts();
    EXPECT_EQ(after.drawn - before.drawn, 0);
    EXPECT_GE(after.loaded - before.loaded, int(StoredKeys(GetParam().separators.decimal).size()));
    EXPECT_GT(StoredKeys(GetParam().separators.decimal).size(), 200u);
}

TEST_P(StoredPicturesTest, StoredPicturesAreWhatTheCodeDrawsNow) {
    pictures::Record(true);
    Build(QString::fromLatin1(GetParam().mark), GetParam().separators);
    OpenTools();
    app::MakeLanguageChooser();
    pictures::Record(false);
    EXPECT_EQ(pictures::RecordingFaults(), QStringList());
    std::set<QString> asked;
    for (const auto& [key, drawn] : pictures::Recorded()) {
        if (NamesSeparator(key) && !key.endsWith(GetParam().separators.decimal)) continue;
        asked.insert(key);
        SCOPED_TRACE(key.toStdString());
        const QString form = key.section(QLatin1Char('/'), 0, 0), name = key.section(QLatin1Char('/'), 1);
        bool missing = false;
        const QImage stored = pictures::Stored(form, name, [&missing] {
            missing = true;
            return QImage();
        });
        EXPECT_FALSE(missing) << "not among the resources";
        EXPECT_EQ(stored.size(), drawn.size());
        // Compared with their alpha: an opaque format for a see-through picture would be a fault.
        constexpr auto kFormat = QImage::Format_ARGB32_Premultiplied;
        EXPECT_TRUE(stored.convertToFormat(kFormat) == drawn.convertToFormat(kFormat)) << "stale";
    }
    EXPECT_GT(asked.size(), 200u);
    EXPECT_EQ(asked, StoredKeys(GetParam().separators.decimal)) << "a stored picture no window asks for";
}

INSTANTIATE_TEST_SUITE_P(Windows, StoredPicturesTest, Settings(), SettingName);

} // namespace

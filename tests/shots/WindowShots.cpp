// Not a test: writes a PNG of every window and every tab page under each language mark and
// separator setting into $OHMBRIX_SHOTS, so that a change meant to keep the pixels can be
// compared byte for byte with the shots taken before it (scripts/shots).
#include "support/GuiFixture.h"
#include "ui/Registry.h"

#include <QCoreApplication>
#include <QDir>
#include <QTabWidget>

namespace {

struct ShotSetting {
    const char* name;
    const char* mark;
    core::Separators separators;
};

class WindowShots : public GuiTest, public ::testing::WithParamInterface<ShotSetting> {};

void Save(QWidget* widget, const QString& file) {
    ASSERT_TRUE(widget->grab().toImage().save(file)) << file.toStdString();
}

TEST_P(WindowShots, EveryWindowAndTab) {
    const QString root = qEnvironmentVariable("OHMBRIX_SHOTS");
    if (root.isEmpty()) GTEST_SKIP() << "OHMBRIX_SHOTS names no folder";
    const QString dir = root + QLatin1Char('/') + QLatin1String(GetParam().name);
    ASSERT_TRUE(QDir().mkpath(dir));
    Build(QString::fromLatin1(GetParam().mark), GetParam().separators);

    std::vector<const char*> classes;
    for (const auto& [name, factory] : ui::StartupFactories())
        classes.push_back(name);
    for (const ui::Tool& tool : ui::Tools())
        classes.push_back(tool.className);
    for (const char* name : classes) {
        QWidget* form = Window(name);
        ASSERT_NE(form, nullptr) << name;
        Activate(form);
        Save(form, dir + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
        for (QTabWidget* tabs : form->findChildren<QTabWidget*>()) {
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                QCoreApplication::processEvents();
                Save(form, QStringLiteral("%1/%2-%3-%4.png")
                               .arg(dir, QLatin1String(name), tabs->objectName())
                               .arg(i));
            }
            tabs->setCurrentIndex(0);
        }
        form->hide();
    }
}

INSTANTIATE_TEST_SUITE_P(Settings, WindowShots,
                         ::testing::Values(ShotSetting{"FrComma", "F", core::FrenchSeparators()},
                                           ShotSetting{"FrPoint", "F", core::EnglishSeparators()},
                                           ShotSetting{"EnPoint", "*", core::EnglishSeparators()},
                                           ShotSetting{"EnComma", "*", core::FrenchSeparators()}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

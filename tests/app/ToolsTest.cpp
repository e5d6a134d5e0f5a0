// The Tools menu over every registered tool: none exists at start-up, each opens from its entry
// under the main window, and a second opening shows the same window with what it held.
#include "support/GuiFixture.h"

#include "ui/Registry.h"
#include "ui/Widgets.h"

#include <QAction>
#include <QMenu>
#include <algorithm>

namespace {

class ToolsTest : public SettingTest {};

TEST_P(ToolsTest, NotCreatedAtStartUpEachOpensFromTheToolsMenu) {
    const std::vector<ui::Tool> tools = ui::Tools();
    // The tools this program has; a registration lost at link time would empty the menu silently.
    for (const char* known : {"TFormFrequencyResponse", "TFormStandardValues"})
        EXPECT_TRUE(std::any_of(tools.begin(), tools.end(), [known](const ui::Tool& t) {
            return qstrcmp(t.className, known) == 0;
        })) << known;
    // Before any opening: the fixture's Window() would open a tool, ui::FindWindow does not.
    for (const ui::Tool& tool : tools)
        EXPECT_EQ(ui::FindWindow(tool.className), nullptr) << tool.className;

    auto* menu = Main()->findChild<QMenu*>(QStringLiteral("Outils1"));
    ASSERT_NE(menu, nullptr);
    Activate(Main());
    EXPECT_EQ(menu->menuAction()->iconText(), English() ? "Tools" : "Outils");
    // The entries in the tools' order, each named after the class it opens.
    const QList<QAction*> entries = menu->actions();
    ASSERT_EQ(entries.size(), qsizetype(tools.size()));
    for (std::size_t i = 0; i < tools.size(); ++i)
        EXPECT_EQ(entries[qsizetype(i)]->objectName(), QLatin1String(tools[i].className));

    for (const ui::Tool& tool : tools) {
        SCOPED_TRACE(tool.className);
        QAction* entry = entries[qsizetype(&tool - tools.data())];
        EXPECT_EQ(entry->text(), QString::fromUtf8(English() ? tool.english : tool.french));
        entry->trigger();
        ui::Window* opened = ui::FindWindow(tool.className);
        ASSERT_NE(opened, nullptr);
        EXPECT_TRUE(opened->isVisible());
        EXPECT_EQ(opened->parentWidget(), Main());
        // Again: the same window, with what it was left holding.
        auto* box = opened->findChild<ui::ValueBox*>();
        ASSERT_NE(box, nullptr);
        Activate(opened);
        Clear(box);
        Type(box, QStringLiteral("47"));
        entry->trigger();
        EXPECT_EQ(ui::FindWindow(tool.className), opened);
        EXPECT_EQ(box->text(), QStringLiteral("47"));
        opened->hide();
    }
}

INSTANTIATE_TEST_SUITE_P(Settings, ToolsTest, Settings(), SettingName);

} // namespace

// Not a test: writes what a screen reader finds in three windows, for reading and comparing.
#include "support/GuiFixture.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QMetaEnum>
#include <QTextStream>

namespace {

// With OHMBRIX_ACCESS_TREES naming a folder, writes what a screen reader finds in three windows
// (role, name, description, actions, component), in both languages.
void DumpTree(QAccessibleInterface* a, int depth, QTextStream& out) {
    if (!a || depth > 12) return;
    const QMetaEnum roles = QMetaEnum::fromType<QAccessible::Role>();
    QString line = QString(depth * 2, QLatin1Char(' ')) + QLatin1String(roles.valueToKey(a->role()));
    line += QStringLiteral(" \"%1\"").arg(a->text(QAccessible::Name));
    if (!a->text(QAccessible::Description).isEmpty())
        line += QStringLiteral(" desc=\"%1\"").arg(a->text(QAccessible::Description));
    if (a->actionInterface() && !a->actionInterface()->actionNames().isEmpty())
        line += QStringLiteral(" actions=") + a->actionInterface()->actionNames().join(QLatin1Char(','));
    if (a->object() && !a->object()->objectName().isEmpty())
        line += QStringLiteral(" (%1)").arg(a->object()->objectName());
    if (a->state().invisible) line += QStringLiteral(" [hidden]");
    out << line << '\n';
    for (int i = 0; i < a->childCount(); ++i)
        DumpTree(a->child(i), depth + 1, out);
}

TEST_F(GuiTest, DumpAccessibilityTrees) {
    const QString root = qEnvironmentVariable("OHMBRIX_ACCESS_TREES");
    if (root.isEmpty()) GTEST_SKIP() << "OHMBRIX_ACCESS_TREES names no folder";
    ASSERT_TRUE(QDir().mkpath(root));
    for (const char* mark : {"F", "*"}) {
        const bool english = BuildIn(mark);
        for (const char* name : {"TFormReacCap", "TFormResistor", "TFormConstants"}) {
            QWidget* form = Window(name);
            Activate(form);
            QFile file(QStringLiteral("%1/%2-%3.txt").arg(root, QLatin1String(name), english ? "en" : "fr"));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Text));
            QTextStream out(&file);
            DumpTree(QAccessible::queryAccessibleInterface(form), 0, out);
            form->hide();
        }
        delete Main();
    }
}

} // namespace

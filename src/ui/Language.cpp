#include "ui/Language.h"
#include <QLabel>
#include <QPointer>

namespace ui {
namespace {
QPointer<QWidget> g_main;
}

void SetMainWindow(QWidget* mainWindow) {
    g_main = mainWindow;
}
QWidget* MainWindow() {
    return g_main;
}

bool MarkIsEnglish(const QString& mark) {
    return mark == QStringLiteral("*");
}

bool IsEnglish() {
    if (!g_main) return false;
    const auto* mark = g_main->findChild<QLabel*>(QStringLiteral("Label44"), Qt::FindDirectChildrenOnly);
    return mark && MarkIsEnglish(mark->text());
}

} // namespace ui

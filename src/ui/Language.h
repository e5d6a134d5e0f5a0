#pragma once
// The language mark: the caption of the main window's hidden Label44. "*" means English.
#include <QString>

class QWidget;

namespace ui {

void SetMainWindow(QWidget* mainWindow);
QWidget* MainWindow();

bool MarkIsEnglish(const QString& mark);
// Reads the mark again each time: messages are chosen at the moment they are shown.
bool IsEnglish();

// The text of the current language.
inline QString Tr(const QString& french, const QString& english) {
    return IsEnglish() ? english : french;
}

} // namespace ui

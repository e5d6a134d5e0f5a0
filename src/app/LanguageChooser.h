#pragma once
#include <QLocale>
#include <QString>
#include <memory>
#include <optional>

class QDialog;

namespace app {
// Asks for the language before the first window is activated: "*" for English, "F" for French;
// nothing when the user closes the chooser.
std::optional<QString> ChooseLanguage();
// The chooser, built and not shown (the build draws its picture from it too). It starts on
// FRANÇAIS when the regional settings are French, else on ENGLISH.
std::unique_ptr<QDialog> MakeLanguageChooser(const QLocale& regional = QLocale::system());
} // namespace app

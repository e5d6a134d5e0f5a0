#pragma once
#include <QString>
#include <optional>

namespace app {
// Asks for the language before the first window is activated: "*" for English, "F" for French;
// nothing when the user closes the chooser.
std::optional<QString> ChooseLanguage();
} // namespace app

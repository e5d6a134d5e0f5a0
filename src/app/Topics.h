#pragma once
// The topic table of the main window: place, captions, what a click opens, the hover picture and
// the neighbours a hover makes plain.
#include <vector>

namespace app {

struct Topic {
    const char* label;
    int x, y;
    const char* french;
    const char* english; // null: the caption is the same in both languages
    const char* window;  // class of the window the click shows
    const char* tab;     // form caption of the tab the click selects first, or null
    bool modal;
    const char* preview;        // picture file, or the French one where the language chooses
    const char* previewEnglish; // null: same picture in both languages
    std::vector<const char*> plain;
};

const std::vector<Topic>& Topics();

// Order in which activation sets the English captions, and order of the reset to plain.
const std::vector<const char*>& EnglishOrder();
const std::vector<const char*>& ResetOrder();

} // namespace app

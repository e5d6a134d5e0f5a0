#pragma once
// The windows of the program: each window unit registers its class once; start-up creates them
// in the order below; everyone else finds the single instance by type (topics, a data table,
// by class name).
#include "ui/Window.h"

#include <vector>

namespace ui {

using WindowFactory = Window* (*)(QWidget* owner);

// Called by OHMBRIX_REGISTER_WINDOW. A class missing from the start-up order comes last.
bool RegisterWindow(const char* className, WindowFactory factory);
// The registered window classes in start-up order, with their factories.
std::vector<std::pair<const char*, WindowFactory>> StartupFactories();

// The windows created so far in creation order, the main window first.
const std::vector<Window*>& Windows();
void AddWindow(Window* window);
void ForgetWindows();

// The single instance of a window class, or null when that window is not part of the program.
Window* FindWindow(const char* className);
template <class W> W* Find() {
    for (Window* w : Windows())
        if (auto* found = qobject_cast<W*>(w)) return found;
    return nullptr;
}

} // namespace ui

// In the window's unit, at namespace scope.
#define OHMBRIX_REGISTER_WINDOW(W)                                                                           \
    namespace {                                                                                              \
    [[maybe_unused]] const bool kRegistered##W =                                                             \
        ::ui::RegisterWindow(#W, [](QWidget* owner) -> ::ui::Window* { return new W(owner); });              \
    }

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

// Windows of the main window's Tools menu ("Outils"): listed in their order, each created at its
// first opening (owned by the main window, then found like any other), not at start-up.
struct Tool {
    int order;
    const char* className;
    const char* french; // the menu entry's texts
    const char* english;
    WindowFactory factory;
};
bool RegisterTool(const Tool& tool);
std::vector<Tool> Tools();
// The tool's window, created at the first call; null for a class that is not a tool.
Window* OpenTool(const char* className);

} // namespace ui

// In the tool window's unit, at namespace scope, instead of OHMBRIX_REGISTER_WINDOW.
#define OHMBRIX_REGISTER_TOOL(W, order, french, english)                                                     \
    namespace {                                                                                              \
    [[maybe_unused]] const bool kRegistered##W = ::ui::RegisterTool(                                         \
        {order, #W, french, english, [](QWidget* owner) -> ::ui::Window* { return new W(owner); }});         \
    }

// In the window's unit, at namespace scope.
#define OHMBRIX_REGISTER_WINDOW(W)                                                                           \
    namespace {                                                                                              \
    [[maybe_unused]] const bool kRegistered##W =                                                             \
        ::ui::RegisterWindow(#W, [](QWidget* owner) -> ::ui::Window* { return new W(owner); });              \
    }

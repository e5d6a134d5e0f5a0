#include "ui/Registry.h"

#include "ui/Language.h"
#include "ui/Window.h"

#include <QByteArray>
#include <algorithm>
#include <cstring>
#include <map>

namespace ui {
namespace {

// Start-up order after the main window; the table windows, opened by topics and TABLEUR
// pictures, come after the listed ones.
const char* const kStartupOrder[] = {
    "TFormResistor",         "TFormResConduc",        "TFormCodeRes",      "TFormOnde",
    "TCondensateur",         "TInducPropre",          "TBobineDair",       "TIndCoaxial",
    "TIndSerPara",           "TFormReacInd",          "TTableurCondserie", "TFormReacCap",
    "TFormIndCapProReso",    "TFormResonance",        "TFormConstants",    "TFormImpedance",
    "TFormCircuitLCSerie",   "TFormSerieRLC",         "TFormParaRLRCLC",   "TFormImpTabPara",
    "TFormImpTabserie",      "TFormImpSerieRLC",      "TAboutBox",         "TFormAPropos",
    "TFormImpReacInd",       "TFormConvertisseur",    "TFormTabReacCap",   "TFormTableurInd",
    "TFormTableauParallele", "TFormTableurImpedance", "TFormTableurRL",    "TFormTableurRC",
};

std::map<QByteArray, WindowFactory>& Registered() {
    static std::map<QByteArray, WindowFactory> registered;
    return registered;
}

std::vector<Tool>& RegisteredTools() {
    static std::vector<Tool> tools;
    return tools;
}

std::vector<Window*> g_windows;

} // namespace

bool RegisterWindow(const char* className, WindowFactory factory) {
    Registered()[QByteArray(className)] = factory;
    return true;
}

std::vector<std::pair<const char*, WindowFactory>> StartupFactories() {
    std::vector<std::pair<const char*, WindowFactory>> factories;
    for (const char* name : kStartupOrder) {
        const auto found = Registered().find(QByteArray(name));
        if (found != Registered().end()) factories.emplace_back(name, found->second);
    }
    for (const auto& [name, factory] : Registered())
        if (std::find_if(std::begin(kStartupOrder), std::end(kStartupOrder),
                         [&](const char* listed) { return name == listed; }) == std::end(kStartupOrder))
            factories.emplace_back(name.constData(), factory);
    return factories;
}

const std::vector<Window*>& Windows() {
    return g_windows;
}

void AddWindow(Window* window) {
    g_windows.push_back(window);
}

void ForgetWindows() {
    g_windows.clear();
}

Window* FindWindow(const char* className) {
    for (Window* w : g_windows)
        if (std::strcmp(w->metaObject()->className(), className) == 0) return w;
    return nullptr;
}

bool RegisterTool(const Tool& tool) {
    RegisteredTools().push_back(tool);
    return true;
}

std::vector<Tool> Tools() {
    std::vector<Tool> tools = RegisteredTools();
    std::sort(tools.begin(), tools.end(), [](const Tool& a, const Tool& b) { return a.order < b.order; });
    return tools;
}

Window* OpenTool(const char* className) {
    if (Window* open = FindWindow(className)) return open;
    for (const Tool& tool : RegisteredTools()) {
        if (std::strcmp(tool.className, className) != 0) continue;
        Window* w = tool.factory(MainWindow());
        AddWindow(w);
        w->Initialise();
        return w;
    }
    return nullptr;
}

} // namespace ui

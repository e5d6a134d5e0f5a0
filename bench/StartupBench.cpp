// Start-up as a user meets it, beside a minimal Qt program showing one empty window, in one run:
// launch to the language chooser painted, Return on it to the main window's first paint and to
// every window created, resident memory after start-up, and the creation cost of each window.
// The program runs at scale 1 and again at QT_SCALE_FACTOR=2, interleaved. Then one hover over a
// topic (its picture read from disk).
// With DISPLAY set (Xvfb and a window manager, say) it runs on that X server; else offscreen.
#include "app/Application.h"
#include "app/Inter.h"
#include "app/LanguageChooser.h"
#include "app/Startup.h"
#include "ui/Window.h"

#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

char g_self[4096];

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// CPU time of the whole process, which a busy machine inflates far less than wall time.
double CpuMilliseconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double ResidentMebibytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').front().toDouble() / 1024.0;
    return 0;
}

// One line to the parent, which timestamps it on arrival.
void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

// Runs `then` at the first paint event of the widget named `name`.
class FirstPaint : public QObject {
  public:
    FirstPaint(const char* name, std::function<void(QWidget*)> then) : name_(name), then_(std::move(then)) {
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint && !done_ && watched->objectName() == QLatin1String(name_)) {
            done_ = true;
            then_(static_cast<QWidget*>(watched));
        }
        return false;
    }

  private:
    const char* name_;
    std::function<void(QWidget*)> then_;
    bool done_ = false;
};

int MinimalChild(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setObjectName(QStringLiteral("minimal"));
    FirstPaint painted("minimal", [](QWidget*) {
        Say("shown " + std::to_string(ResidentMebibytes()));
        _exit(0);
    });
    window.show();
    return application.exec();
}

// The program's own main, with Return pressed on the chooser as soon as it is painted.
int ProgramChild(int argc, char** argv) {
    app::Application application(argc, argv);
    app::ConfigureApplication(QStringLiteral("*"));
    Clock::time_point returned;
    double returnedCpu = 0;
    FirstPaint chooserPainted("FormLangue", [&returned, &returnedCpu](QWidget* chooser) {
        Say("chooser");
        QMetaObject::invokeMethod(
            chooser,
            [&returned, &returnedCpu, chooser] {
                returned = Clock::now();
                returnedCpu = CpuMilliseconds();
                QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
                QApplication::sendEvent(chooser, &press);
            },
            Qt::QueuedConnection);
    });
    const std::optional<QString> mark = app::ChooseLanguage();
    if (!mark) return 1;
    app::ConfigureApplication(*mark);
    app::ObserveCreation([](ui::Window* w, qint64 microseconds) {
        Say(std::string("window ") + w->metaObject()->className() + " " + std::to_string(microseconds));
    });
    FirstPaint mainPainted("Interface1", [&returned, &returnedCpu](QWidget*) {
        Say("shown " + std::to_string(MillisecondsSince(returned)) + " " +
            std::to_string(CpuMilliseconds() - returnedCpu));
    });
    app::StartUp(*mark, [&returned, &returnedCpu] {
        const double ms = MillisecondsSince(returned);
        Say("created " + std::to_string(ms) + " " + std::to_string(ResidentMebibytes()) + " " +
            std::to_string(CpuMilliseconds() - returnedCpu));
        _exit(0);
    });
    return application.exec();
}

struct Run {
    double launchToFirst = 0; // launch to the chooser (or the minimal window) painted, by the parent
    double returnToShown = 0;
    double returnToCreated = 0;
    double cpuToShown = 0; // process CPU time over the same spans
    double cpuToCreated = 0;
    double resident = 0;
    std::vector<std::pair<std::string, double>> windows; // class, creation in ms
};

// `scale`: the child's QT_SCALE_FACTOR, or null for the environment as it is.
Run SpawnAndRead(const char* mode, const char* scale = nullptr) {
    Run run;
    int fds[2];
    if (pipe(fds) != 0) return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    char* args[] = {g_self, const_cast<char*>("--child"), const_cast<char*>(mode), nullptr};
    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    std::vector<std::string> settings;
    for (char** e = environ; *e; ++e)
        if (!scale || std::strncmp(*e, "QT_SCALE_FACTOR=", 16) != 0) settings.emplace_back(*e);
    if (scale) settings.push_back(std::string("QT_SCALE_FACTOR=") + scale);
    std::vector<char*> env;
    for (std::string& setting : settings)
        env.push_back(setting.data());
    env.push_back(nullptr);
    posix_spawn(&pid, g_self, &actions, nullptr, args, env.data());
    close(fds[1]);
    std::string pending;
    char buf[512];
    ssize_t n;
    while ((n = read(fds[0], buf, sizeof buf)) > 0) {
        const double at = MillisecondsSince(start);
        pending.append(buf, static_cast<std::size_t>(n));
        std::size_t eol;
        while ((eol = pending.find('\n')) != std::string::npos) {
            std::istringstream line(pending.substr(0, eol));
            pending.erase(0, eol + 1);
            std::string what;
            line >> what;
            if (what == "chooser") {
                run.launchToFirst = at;
            } else if (what == "shown") {
                if (std::strcmp(mode, "minimal") == 0) {
                    run.launchToFirst = at;
                    line >> run.resident;
                } else {
                    line >> run.returnToShown >> run.cpuToShown;
                }
            } else if (what == "created") {
                line >> run.returnToCreated >> run.resident >> run.cpuToCreated;
            } else if (what == "window") {
                std::string name;
                double microseconds = 0;
                line >> name >> microseconds;
                run.windows.emplace_back(name, microseconds / 1000.0);
            }
        }
    }
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

struct Spread {
    double median, low, high;
};
Spread SpreadOf(std::vector<double> v) {
    if (v.empty()) return {0, 0, 0};
    std::sort(v.begin(), v.end());
    return {v[v.size() / 2], v.front(), v.back()};
}

void PrintRow(const char* what, const std::vector<double>& values, const char* unit, int decimals = 1) {
    const Spread s = SpreadOf(values);
    std::printf("  %-48s %8.*f %-3s (%.*f to %.*f)\n", what, decimals, s.median, unit, decimals, s.low,
                decimals, s.high);
}

void StartUpStudy(int runs) {
    std::vector<Run> minimal, program, scaled;
    for (int i = 0; i < runs; ++i) { // interleaved, so that all see the same machine
        minimal.push_back(SpawnAndRead("minimal", "1"));
        program.push_back(SpawnAndRead("program", "1"));
        scaled.push_back(SpawnAndRead("program", "2")); // a HiDPI screen: pictures drawn at 2
    }
    auto column = [](const std::vector<Run>& rs, double Run::*field) {
        std::vector<double> v;
        for (const Run& r : rs)
            v.push_back(r.*field);
        return v;
    };
    std::printf("Start-up, %d runs each, median (lowest to highest), platform %s\n", runs,
                std::getenv("DISPLAY") && !std::getenv("QT_QPA_PLATFORM") ? "xcb" : "offscreen");
    PrintRow("minimal Qt window: launch -> painted", column(minimal, &Run::launchToFirst), "ms");
    PrintRow("minimal Qt window: resident memory", column(minimal, &Run::resident), "MiB");
    PrintRow("Ohmbrix: launch -> language chooser painted", column(program, &Run::launchToFirst), "ms");
    PrintRow("Ohmbrix: Return -> main window's first paint", column(program, &Run::returnToShown), "ms");
    PrintRow("Ohmbrix: Return -> every window created", column(program, &Run::returnToCreated), "ms");
    PrintRow("Ohmbrix: resident memory after start-up", column(program, &Run::resident), "MiB");
    PrintRow("Ohmbrix: CPU time, Return -> first paint", column(program, &Run::cpuToShown), "ms");
    PrintRow("Ohmbrix: CPU time, Return -> every window created", column(program, &Run::cpuToCreated), "ms");
    PrintRow("Ohmbrix at scale 2: launch -> language chooser painted", column(scaled, &Run::launchToFirst),
             "ms");
    PrintRow("Ohmbrix at scale 2: Return -> main window's first paint", column(scaled, &Run::returnToShown),
             "ms");
    PrintRow("Ohmbrix at scale 2: Return -> every window created", column(scaled, &Run::returnToCreated),
             "ms");
    PrintRow("Ohmbrix at scale 2: CPU time, Return -> every window created",
             column(scaled, &Run::cpuToCreated), "ms");
    auto ratio = [&](double Run::*field) {
        return SpreadOf(column(scaled, field)).median / SpreadOf(column(program, field)).median;
    };
    std::printf(
        "  scale 2 over scale 1, medians: launch -> chooser %.2f, Return -> every window created %.2f\n",
        ratio(&Run::launchToFirst), ratio(&Run::returnToCreated));

    std::vector<std::string> order;
    std::map<std::string, std::vector<double>> perWindow;
    for (const Run& r : program) {
        for (const auto& [name, ms] : r.windows) {
            if (perWindow[name].empty()) order.push_back(name);
            perWindow[name].push_back(ms);
        }
    }
    std::printf("Creation of each window with its FormCreate, in start-up order\n");
    double total = 0;
    for (const std::string& name : order) {
        PrintRow(name.c_str(), perWindow[name], "ms", 2);
        total += SpreadOf(perWindow[name]).median;
    }
    std::printf("  %-48s %8.1f ms for %zu windows\n", "sum of the medians", total, order.size());
    std::fflush(stdout);
}

void Hover(benchmark::State& state) {
    int argc = 1;
    char* argv[] = {g_self, nullptr};
    static app::Application* application = new app::Application(argc, argv);
    (void)application;
    app::ConfigureApplication(QStringLiteral("*"));
    TInterface1* main = app::CreateWindows(QStringLiteral("*"));
    main->show();
    const char* labels[] = {"Label25", "Label41", "Label13", "Label2"};
    std::size_t i = 0;
    for (auto _ : state) {
        QWidget* label = main->findChild<QWidget*>(QLatin1String(labels[i++ % 4]));
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), label->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(label, &move);
    }
    delete main;
}
BENCHMARK(Hover)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
    std::strncpy(g_self, "/proc/self/exe", sizeof g_self - 1);
    const ssize_t n = readlink("/proc/self/exe", g_self, sizeof g_self - 1);
    if (n > 0) g_self[n] = 0;
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0)
        return std::strcmp(argv[2], "minimal") == 0 ? MinimalChild(argc, argv) : ProgramChild(argc, argv);
    int runs = 20;
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--runs=", 7) == 0) runs = std::atoi(argv[i] + 7);
    benchmark::Initialize(&argc, argv);
    StartUpStudy(runs);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

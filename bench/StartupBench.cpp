// Start-up (process start to the main window painted, every window created) beside a minimal Qt
// program showing one empty window, and one hover over a topic (its picture read from disk).
#include "app/Application.h"
#include "app/Inter.h"
#include "app/Startup.h"
#include "ui/Registry.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QMouseEvent>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

char g_self[4096];

QByteArray ResidentMemory() {
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed();
    return "?";
}

void Report(const char* what) {
    std::printf("%s %s\n", what, ResidentMemory().constData());
    std::fflush(stdout);
}

// Tells the parent once the window has painted; `leave` ends the child there, without teardown.
class ShownProbe : public QObject {
  public:
    explicit ShownProbe(bool leave) : leave_(leave) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && !done_) {
            done_ = true;
            Report("shown");
            if (leave_) _exit(0);
        }
        return false;
    }

  private:
    bool leave_;
    bool done_ = false;
};

int Child(const char* mode, int argc, char** argv) {
    app::Application application(argc, argv);
    ShownProbe probe(std::strcmp(mode, "minimal") == 0);
    if (std::strcmp(mode, "minimal") == 0) {
        QWidget window;
        window.installEventFilter(&probe);
        window.show();
        return application.exec();
    }
    app::ConfigureApplication(QStringLiteral("*"));
    TInterface1* main = app::StartUp(QStringLiteral("*"), [] {
        Report("created");
        _exit(0);
    });
    main->installEventFilter(&probe);
    return application.exec();
}

struct ChildTimes {
    double shown = 0;   // seconds from spawn to the main window painted
    double created = 0; // to every window created (the minimal program has none to create)
    std::string memory; // resident memory at the last report
};

ChildTimes SpawnAndWait(const char* mode) {
    ChildTimes times;
    int fds[2];
    if (pipe(fds) != 0) return times;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    char* args[] = {g_self, const_cast<char*>("--child"), const_cast<char*>(mode), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    posix_spawn(&pid, g_self, &actions, nullptr, args, environ);
    close(fds[1]);
    std::string pending;
    char buf[256];
    ssize_t n;
    while ((n = read(fds[0], buf, sizeof buf)) > 0) {
        const double at = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        pending.append(buf, static_cast<std::size_t>(n));
        std::size_t eol;
        while ((eol = pending.find('\n')) != std::string::npos) {
            const std::string line = pending.substr(0, eol);
            pending.erase(0, eol + 1);
            if (line.rfind("shown", 0) == 0)
                times.shown = times.created = at;
            else if (line.rfind("created", 0) == 0)
                times.created = at;
            times.memory = line.substr(line.find(' ') + 1);
        }
    }
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    return times;
}

void StartUp(benchmark::State& state, const char* mode, bool untilCreated) {
    std::string memory;
    for (auto _ : state) {
        const ChildTimes t = SpawnAndWait(mode);
        state.SetIterationTime(untilCreated ? t.created : t.shown);
        memory = t.memory;
    }
    state.SetLabel("resident: " + memory);
}
BENCHMARK_CAPTURE(StartUp, minimal_qt_window_shown, "minimal", false)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK_CAPTURE(StartUp, ohmbrix_main_window_shown, "full", false)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK_CAPTURE(StartUp, ohmbrix_every_window_created, "full", true)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

void Hover(benchmark::State& state) {
    int argc = 1;
    char* argv[] = {g_self, nullptr};
    static app::Application* application = new app::Application(argc, argv);
    (void)application;
    app::ConfigureApplication(QStringLiteral("*"));
    TInterface1* main = app::createWindows(QStringLiteral("*"));
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
    qputenv("QT_QPA_PLATFORM", "offscreen");
    std::strncpy(g_self, "/proc/self/exe", sizeof g_self - 1);
    const ssize_t n = readlink("/proc/self/exe", g_self, sizeof g_self - 1);
    if (n > 0) g_self[n] = 0;
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0) return Child(argv[2], argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

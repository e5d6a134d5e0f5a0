// Start-up (process start to the main window painted, every window created) beside a minimal Qt
// program showing one empty window, and one hover over a topic (its picture read from disk).
#include "app/Application.h"
#include "app/Inter.h"
#include "app/Startup.h"

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

// Reports to the parent once the window has painted, with the resident memory, then leaves
// without tearing down.
class ShownProbe : public QObject {
public:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) {
            QFile status(QStringLiteral("/proc/self/status"));
            status.open(QIODevice::ReadOnly);
            QByteArray rss = "0";
            for (const QByteArray& line : status.readAll().split('\n'))
                if (line.startsWith("VmRSS:"))
                    rss = line.mid(6).trimmed();
            std::printf("%s\n", rss.constData());
            std::fflush(stdout);
            _exit(0);
        }
        return false;
    }
};

int Child(const char* mode, int argc, char** argv)
{
    app::Application application(argc, argv);
    ShownProbe probe;
    if (std::strcmp(mode, "minimal") == 0) {
        QWidget window;
        window.installEventFilter(&probe);
        window.show();
        return application.exec();
    }
    app::ConfigureApplication(QStringLiteral("*"));
    TInterface1* main = app::createWindows(QStringLiteral("*"));
    main->installEventFilter(&probe);
    main->showMaximized();
    return application.exec();
}

// Runs the child and returns seconds from spawn to its report.
double SpawnAndWait(const char* mode, std::string* report)
{
    int fds[2];
    if (pipe(fds) != 0)
        return 0;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    char* args[] = {g_self, const_cast<char*>("--child"), const_cast<char*>(mode), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    posix_spawn(&pid, g_self, &actions, nullptr, args, environ);
    close(fds[1]);
    char buf[128] = {};
    const ssize_t n = read(fds[0], buf, sizeof buf - 1);
    const auto end = std::chrono::steady_clock::now();
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    if (report)
        *report = std::string(buf, n > 0 ? static_cast<std::size_t>(n) : 0);
    return std::chrono::duration<double>(end - start).count();
}

void StartUp(benchmark::State& state, const char* mode)
{
    std::string rss;
    for (auto _ : state)
        state.SetIterationTime(SpawnAndWait(mode, &rss));
    while (!rss.empty() && (rss.back() == '\n'))
        rss.pop_back();
    state.SetLabel("resident after start: " + rss);
}
BENCHMARK_CAPTURE(StartUp, minimal_qt_window, "minimal")->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK_CAPTURE(StartUp, ohmbrix_all_windows, "full")->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void Hover(benchmark::State& state)
{
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

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    std::strncpy(g_self, "/proc/self/exe", sizeof g_self - 1);
    const ssize_t n = readlink("/proc/self/exe", g_self, sizeof g_self - 1);
    if (n > 0)
        g_self[n] = 0;
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0)
        return Child(argv[2], argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

// quorvel-bench: timing, speed and footprint figures of the real program on
// the real clock, printed as one table. Not part of the test suite.
//   quorvel-bench [--quick]
// Runs on Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include "app/Application.h"
#include "game/Drawing.h"
#include "game/GameSetup.h"
#include "game/GameState.h"
#include "game/Observation.h"
#include "ui/Board.h"
#include "assets/Assets.h"
#include "ui/MainWindow.h"
#include "ui/Picture.h"
#include "ui/RealClock.h"
#include "ui/ToolkitContext.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPaintEvent>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using namespace quorvel;
using Steady = std::chrono::steady_clock;

double msSince(Steady::time_point start)
{
    return std::chrono::duration<double, std::milli>(Steady::now() - start).count();
}

double monotonicMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

double cpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

long rssKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}

struct Row {
    std::string figure;
    std::string target;
    std::vector<double> samples;
    std::function<bool(double min, double median, double max)> met;
    std::string unit;
};

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    if (v.empty())
        return 0;
    const std::size_t i = std::min(v.size() - 1, static_cast<std::size_t>(p * (v.size() - 1) + 0.5));
    return v[i];
}

std::vector<Row> rows;

void report(Row row) { rows.push_back(std::move(row)); }

// A window on the real clock, ready to play.
struct LiveGame {
    RealClock clock;
    ToolkitContext context{clock};
    LiveGame()
    {
        openMainWindow(context);
        QApplication::processEvents();
    }
};

// What the machine itself allows: a plain absolute kernel sleep, no event
// loop, no Qt. The waits cannot be better than this.
double kernelSleepOvershoot(int ms)
{
    const auto start = Steady::now();
    const auto ns =
        std::chrono::duration_cast<std::chrono::nanoseconds>((start + std::chrono::milliseconds(ms)).time_since_epoch())
            .count();
    timespec ts{};
    ts.tv_sec = ns / 1'000'000'000;
    ts.tv_nsec = ns % 1'000'000'000;
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) != 0) {
    }
    return msSince(start) - ms;
}

// Waits and kernel sleeps alternate, so both meet the same machine.
void benchWaits(int count)
{
    RealClock clock;
    std::vector<double> overshoot, baseline;
    for (int i = 0; i < count; ++i) {
        const auto start = Steady::now();
        clock.wait(300);
        overshoot.push_back(msSince(start) - 300);
        baseline.push_back(kernelSleepOvershoot(300));
    }
    report({"timed wait 300 ms: overshoot median", "<= 0.5 ms, never early", overshoot,
            [](double mn, double med, double) { return mn >= 0 && med <= 0.5; }, "ms"});
    const double p99 = percentile(overshoot, 0.99);
    report({"timed wait 300 ms: overshoot p99", "<= 2 ms", {p99}, [](double, double med, double) { return med <= 2; },
            "ms"});
    auto reference = [](double, double, double) { return true; };
    report({"machine baseline: kernel sleep 300 ms", "(reference)", baseline, reference, "ms"});
    report({"machine baseline: kernel sleep 300 ms, p99", "(reference)", {percentile(baseline, 0.99)}, reference, "ms"});
}

// The game arms 时钟1 afresh at the end of every question (each tick stops
// it first), so what matters is the time from arming to the tick.
void benchTimer(int count)
{
    RealClock clock;
    std::vector<double> overshoot;
    QEventLoop loop;
    Steady::time_point armed;
    clock.setTickHandler([&] {
        overshoot.push_back(msSince(armed) - 500);
        clock.setTimerPeriod(0);
        loop.quit();
    });
    for (int i = 0; i < count; ++i) {
        armed = Steady::now();
        clock.setTimerPeriod(500);
        loop.exec();
    }
    report({"timer 500 ms period: overshoot median", "<= 0.5 ms, never early", overshoot,
            [](double mn, double med, double) { return mn >= 0 && med <= 0.5; }, "ms"});
    report({"timer 500 ms period: overshoot p99", "<= 2 ms", {percentile(overshoot, 0.99)},
            [](double, double med, double) { return med <= 2; }, "ms"});
}

// Records when each question board actually paints.
class PaintLog : public QObject {
public:
    std::vector<std::pair<QObject*, double>> paints;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            paints.emplace_back(watched, monotonicMs());
        return false;
    }
};

void benchObservation()
{
    LiveGame game;
    PaintLog log;
    for (BoardHandle handle : gameState.questionBoards)
        game.context.board(handle)->installEventFilter(&log);
    QApplication::processEvents();
    log.paints.clear();

    const double cpuBefore = cpuMs();
    const auto start = Steady::now();
    startObserving();
    // Wait for the last question to finish: the quiz button appears.
    QEventLoop loop;
    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (tk::isVisible(Control::按钮1))
            loop.quit();
    });
    poll.start(50);
    if (!tk::isVisible(Control::按钮1))
        loop.exec();
    const double wall = msSince(start);
    const double cpu = cpuMs() - cpuBefore;
    poll.stop();

    std::vector<double> intervals;
    for (std::size_t i = 1; i < log.paints.size(); ++i)
        if (log.paints[i].first == log.paints[i - 1].first)
            intervals.push_back(log.paints[i].second - log.paints[i - 1].second);
    report({"marker paint spacing (observation)", "300 +/- 2 ms median", intervals,
            [](double, double med, double) { return med >= 298 && med <= 302; }, "ms"});
    // The poll above costs a little CPU of its own; it is counted against us.
    report({"CPU during a 3-question observation", "< 1 % of one core", {100.0 * cpu / wall},
            [](double, double med, double) { return med < 1; }, "%"});

    const double idleBefore = cpuMs();
    const auto idleStart = Steady::now();
    QEventLoop idle;
    QTimer::singleShot(3000, Qt::PreciseTimer, &idle, &QEventLoop::quit);
    idle.exec();
    report({"CPU of an idle window (3 s)", "~0 % (no polling)", {100.0 * (cpuMs() - idleBefore) / msSince(idleStart)},
            [](double, double med, double) { return med < 0.2; }, "%"});
}

template <typename F>
std::vector<double> microsPerCall(F&& f, int batches = 30, int calls = 200)
{
    std::vector<double> samples;
    for (int b = 0; b < batches; ++b) {
        const auto start = Steady::now();
        for (int i = 0; i < calls; ++i)
            f(i);
        samples.push_back(msSince(start) * 1000 / calls);
    }
    return samples;
}

void benchDrawing()
{
    LiveGame game;
    const BoardHandle board = questionBoard(1);
    auto under50 = [](double, double med, double) { return med < 50; };
    report({"drawCover", "< 50 us", microsPerCall([&](int) { drawCover(board); }), under50, "us"});
    report({"lightPoint", "< 50 us", microsPerCall([&](int i) { lightPoint(board, 1 + i % 16); }), under50, "us"});
    report({"writeNumber", "< 50 us", microsPerCall([&](int i) { writeNumber(board, 1 + i % 30); }), under50, "us"});
    // The red disc is decoded on its first drawing, not at start-up: what the
    // first lit point of a session costs on top of a normal one.
    std::vector<double> firstDisc;
    for (int i = 0; i < 10; ++i) {
        const auto bytes = assets::markerPng();
        const auto start = Steady::now();
        const auto disc = Picture::fromPng(bytes.data(), bytes.size());
        disc->scaledTo(QSize(markerSize, markerSize));
        firstDisc.push_back(msSince(start));
    }
    report({"first lit point: decode and scale the disc", "(reference)", firstDisc,
            [](double, double, double) { return true; }, "ms"});
    tk::setText(Control::组合框1, "30");
    std::vector<double> setup;
    for (int i = 0; i < 20; ++i) {
        const auto start = Steady::now();
        startGame();
        setup.push_back(msSince(start));
        QApplication::processEvents();
    }
    report({"startGame, 30 questions", "< 20 ms", setup, [](double, double med, double) { return med < 20; }, "ms"});
}

// Child mode: build a window, and once it has painted, print the time and
// the resident memory.
int childStartup(bool bare, int argc, char** argv)
{
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> bareWindow;
    std::unique_ptr<RealClock> clock;
    std::unique_ptr<ToolkitContext> context;
    QWidget* window = nullptr;
    if (bare) {
        bareWindow = std::make_unique<QWidget>();
        bareWindow->setFixedSize(1377, 825);
        auto* label = new QLabel(QStringLiteral("Quorvel"), bareWindow.get());
        label->move(20, 20);
        bareWindow->show();
        window = bareWindow.get();
    } else {
        QApplication::setQuitOnLastWindowClosed(false);
        prepareApplicationLook();
        clock = std::make_unique<RealClock>();
        context = std::make_unique<ToolkitContext>(*clock);
        openMainWindow(*context);
        window = context->window();
    }
    struct FirstPaint : QObject {
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint && !done) {
                done = true;
                // Runs after the whole batch of paints of this frame.
                QTimer::singleShot(0, [] {
                    std::printf("%.3f %ld\n", monotonicMs(), rssKb());
                    std::fflush(stdout);
                    QCoreApplication::exit(0);
                });
            }
            return false;
        }
        bool done = false;
    } firstPaint;
    window->installEventFilter(&firstPaint);
    return QApplication::exec();
}

void benchStartup(const char* self, int runs)
{
    std::vector<double> gameMs, bareMs, gameKb, bareKb;
    for (int i = 0; i < runs * 2; ++i) {
        const bool bare = i % 2 == 1;
        int pipeFds[2];
        if (pipe(pipeFds) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
        posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
        std::string mode = bare ? "--child-bare" : "--child-game";
        std::string program = self;
        char* argv[] = {program.data(), mode.data(), nullptr};
        const double start = monotonicMs();
        pid_t pid = 0;
        posix_spawn(&pid, self, &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        close(pipeFds[1]);
        char buffer[128] = {};
        const ssize_t got = read(pipeFds[0], buffer, sizeof buffer - 1);
        close(pipeFds[0]);
        waitpid(pid, nullptr, 0);
        double paintedAt = 0;
        long kb = 0;
        if (got > 0 && std::sscanf(buffer, "%lf %ld", &paintedAt, &kb) == 2) {
            (bare ? bareMs : gameMs).push_back(paintedAt - start);
            (bare ? bareKb : gameKb).push_back(static_cast<double>(kb));
        }
    }
    const double bareMedian = percentile(bareMs, 0.5);
    const double bareKbMedian = percentile(bareKb, 0.5);
    report({"start-up to first painted window", "<= 1.3 x bare (" + std::to_string(int(bareMedian)) + " ms)", gameMs,
            [bareMedian](double, double med, double) { return med <= 1.3 * bareMedian; }, "ms"});
    report({"bare Qt window start-up (reference)", "-", bareMs, [](double, double, double) { return true; }, "ms"});
    report({"resident memory at first paint", "<= 1.3 x bare (" + std::to_string(int(bareKbMedian / 1024)) + " MiB)",
            [&] { std::vector<double> mib; for (double k : gameKb) mib.push_back(k / 1024); return mib; }(),
            [bareKbMedian](double, double med, double) { return med * 1024 <= 1.3 * bareKbMedian; }, "MiB"});
}

void printTable()
{
    std::printf("\n| figure | target | min | median | max | result |\n|---|---|---|---|---|---|\n");
    for (const Row& row : rows) {
        std::vector<double> s = row.samples;
        std::sort(s.begin(), s.end());
        const double mn = s.empty() ? 0 : s.front(), mx = s.empty() ? 0 : s.back(), med = percentile(s, 0.5);
        const bool met = !s.empty() && row.met(mn, med, mx);
        std::printf("| %s | %s | %.3f %s | %.3f %s | %.3f %s | %s |\n", row.figure.c_str(), row.target.c_str(), mn,
                    row.unit.c_str(), med, row.unit.c_str(), mx, row.unit.c_str(), met ? "met" : "MISSED");
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && std::strcmp(argv[1], "--child-game") == 0)
        return childStartup(false, argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--child-bare") == 0)
        return childStartup(true, argc, argv);
    const bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;

    benchStartup(argv[0], quick ? 3 : 10);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    prepareApplicationLook();
    std::fprintf(stderr, "measuring drawing...\n");
    benchDrawing();
    std::fprintf(stderr, "measuring a real-time observation...\n");
    benchObservation();
    std::fprintf(stderr, "measuring %d timed waits and timer periods...\n", quick ? 20 : 200);
    benchWaits(quick ? 20 : 200);
    benchTimer(quick ? 10 : 100);
    printTable();
    return 0;
}

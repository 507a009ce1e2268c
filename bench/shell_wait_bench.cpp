// What waiting for a command costs the window: CPU time of the waiting thread
// while ShellAndWait waits 3 s for "sleep 3", and how late the window's events
// are handled meanwhile. Usage: shell_wait_bench [rounds]   (default 5)
#include "app/WindowEvents.h"
#include "platform/ShellAndWait.h"
#include "platform/TerminalConsole_posix.h"

#include <QApplication>
#include <QEvent>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <ctime>
#include <thread>
#include <vector>

using namespace velmora;
using Clock = std::chrono::steady_clock;

namespace {

double threadCpuSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// An event stamped with the moment it was posted.
struct StampedEvent final : QEvent
{
    static const QEvent::Type stampedType;
    explicit StampedEvent(Clock::time_point posted)
        : QEvent(stampedType)
        , posted(posted)
    {
    }
    Clock::time_point posted;
};
const QEvent::Type StampedEvent::stampedType = static_cast<QEvent::Type>(QEvent::registerEventType());

struct DelayRecorder final : QObject
{
    std::vector<double> delaysMs;
    bool event(QEvent* event) override
    {
        if (event->type() != StampedEvent::stampedType)
            return QObject::event(event);
        const auto delay = Clock::now() - static_cast<StampedEvent*>(event)->posted;
        delaysMs.push_back(std::chrono::duration<double, std::milli>(delay).count());
        return true;
    }
};

struct Round
{
    double wallSeconds = 0;
    double cpuSeconds = 0;
    std::vector<double> delaysMs;
};

// One wait for "sleep 3"; another thread posts an event every `postEvery`
// (none when zero), as a user's clicks and repaints would arrive.
Round waitForSleep(const platform::DispatchEvents& dispatch, std::chrono::milliseconds postEvery)
{
    DelayRecorder recorder;
    std::atomic<bool> waiting {true};
    std::thread poster([&] {
        while (postEvery.count() > 0 && waiting) {
            QCoreApplication::postEvent(&recorder, new StampedEvent(Clock::now()));
            std::this_thread::sleep_for(postEvery);
        }
    });
    // The system's console with "env" standing in for the terminal: no window.
    platform::TerminalConsole console {{{"env", {}, "", "--"}}};
    const double cpuBefore = threadCpuSeconds();
    const auto wallBefore = Clock::now();
    platform::ShellAndWait("/bin/sh -c", "sleep 3", console, dispatch);
    Round round;
    round.wallSeconds = std::chrono::duration<double>(Clock::now() - wallBefore).count();
    round.cpuSeconds = threadCpuSeconds() - cpuBefore;
    waiting = false;
    poster.join();
    QCoreApplication::removePostedEvents(&recorder);
    round.delaysMs = std::move(recorder.delaysMs);
    return round;
}

void report(const char* label, const Round& round)
{
    const double worst = round.delaysMs.empty() ? 0 : *std::max_element(round.delaysMs.begin(), round.delaysMs.end());
    std::printf("%-28s wall %.3f s  cpu %.4f s = %5.2f %% of a core  events %4zu  worst delay %6.2f ms\n", label,
                round.wallSeconds, round.cpuSeconds, 100 * round.cpuSeconds / round.wallSeconds, round.delaysMs.size(),
                worst);
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    for (int round = 1; round <= rounds; ++round) {
        std::printf("round %d\n", round);
        report("  idle window", waitForSleep(app::dispatchWindowEvents, std::chrono::milliseconds::zero()));
        report("  event every 10 ms", waitForSleep(app::dispatchWindowEvents, std::chrono::milliseconds {10}));
    }
    // For comparison: looking again straight after each dispatch, with no wait.
    report("no wait between looks", waitForSleep([](auto) { QCoreApplication::processEvents(); }, {}));
    return 0;
}

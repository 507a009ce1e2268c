// Time from process start to the window's first paint, and peak memory, on
// Qt's offscreen platform, alternating with a bare window of the same size and
// captions and with that window holding the real controls.
// Usage: startup_bench [runs]   (default 15)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct Run
{
    double startupMs = 0;
    long peakKiB = 0;
};

long long monotonicNanoseconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

bool runProbe(Run& run, const char* option)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    char probe[] = VELMORA_STARTUP_PROBE;
    char* argv[] = {probe, const_cast<char*>(option), nullptr};
    const long long started = monotonicNanoseconds();
    pid_t child = 0;
    const int error = posix_spawn(&child, probe, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (error != 0) {
        close(pipeEnds[0]);
        return false;
    }
    char line[64] = {};
    const ssize_t length = read(pipeEnds[0], line, sizeof line - 1);
    close(pipeEnds[0]);
    int status = 0;
    rusage usage {};
    wait4(child, &status, 0, &usage);
    if (length <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return false;
    run.startupMs = static_cast<double>(std::atoll(line) - started) / 1e6;
    run.peakKiB = usage.ru_maxrss;
    return true;
}

template <typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    setenv("QT_QPA_PLATFORM", "offscreen", 0); // QT_QPA_PLATFORM=xcb measures a real X display
    std::vector<double> times, bareTimes, controlsTimes;
    std::vector<long> peaks;
    for (int i = 0; i < runs; ++i) {
        Run run, bare, controls;
        if (!runProbe(run, nullptr) || !runProbe(bare, "--bare") || !runProbe(controls, "--controls")) {
            std::fprintf(stderr, "run %d of the probe failed\n", i + 1);
            return 1;
        }
        times.push_back(run.startupMs);
        bareTimes.push_back(bare.startupMs);
        controlsTimes.push_back(controls.startupMs);
        peaks.push_back(run.peakKiB);
    }
    std::printf("runs: %d (%s)\n", runs, std::getenv("QT_QPA_PLATFORM"));
    std::printf("start to first paint: median %.1f ms, min %.1f ms, max %.1f ms\n", median(times),
                *std::min_element(times.begin(), times.end()), *std::max_element(times.begin(), times.end()));
    std::printf("bare window, same captions: median %.1f ms; ratio %.2f\n", median(bareTimes),
                median(times) / median(bareTimes));
    std::printf("bare window with the real controls: median %.1f ms, %.2f times the bare window; the window %.2f "
                "times it\n",
                median(controlsTimes), median(controlsTimes) / median(bareTimes),
                median(times) / median(controlsTimes));
    std::printf("peak memory (max RSS): median %.1f MiB, max %.1f MiB\n", median(peaks) / 1024.0,
                *std::max_element(peaks.begin(), peaks.end()) / 1024.0);
    return 0;
}

// The job's own work, apart from the tool and the user: a press of each
// button with a stand-in tool that ends at once and no pauses. What is left
// is the checks, the command lines, the files written, copied and deleted.
#include "job/CertificateJob.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace velmora;

// Leaves each step's "-out" file, about as large as the tool's.
struct InstantTool final : platform::Console, platform::RunningCommand
{
    std::unique_ptr<RunningCommand> start(std::string_view, std::string_view command,
                                          const platform::EnvironmentValues&) override
    {
        std::istringstream words {std::string(command)};
        for (std::string word; words >> word;)
            if (word == "-out" && words >> word)
                std::ofstream(word) << std::string(1800, 'k');
        return std::make_unique<Ended>();
    }
    bool hasEnded() override { return true; }
    struct Ended final : RunningCommand
    {
        bool hasEnded() override { return true; }
    };
};

struct Window final : job::JobWindow
{
    std::string save;
    bool server = false;
    int messages = 0;
    std::string text(job::InputControl input) const override
    {
        using enum job::InputControl;
        return input == MaxLen   ? "2048"
            : input == StartDate ? "2026/12/06"
            : input == EndDate   ? "2027/12/06"
            : input == Url       ? "https://www.example.test"
            : input == SavePath  ? save
                                 : "";
    }
    void setText(job::InputControl, const std::string&) override { }
    bool clientAndServerSelected() const override { return server; }
    bool clientOnlySelected() const override { return !server; }
    bool autoRequestChecked() const override { return true; }
    void setStatusText(const std::string&) override { }
    void setFocusTo(job::InputControl) override { }
    void showWarning(const std::string& text) override { std::fprintf(stderr, "warning: %s\n", text.c_str()); }
    void showInformation(const std::string&) override { ++messages; }
    bool askYesNo(const std::string&) override { return true; }
    void setBusy(bool) override { }
};

double medianMs(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 200;
    const fs::path root = fs::temp_directory_path() / ("velmora-job-bench-" + std::to_string(getpid()));
    const fs::path app = root / "app";
    fs::create_directories(app);
    fs::create_directories(root / "save");
    for (const char* name : {"openssl", "openssl.cnf", "ca.db.index", "ca.db.serial"})
        std::ofstream(app / name) << name;

    InstantTool tool;
    const job::JobServices services {app.string(), tool, [](auto) {}, std::chrono::milliseconds::zero()};
    Window window;
    window.save = (root / "save").string();
    std::vector<double> clientOnly, generate, signingFinished;
    const auto time = [](std::vector<double>& into, auto&& run) {
        const auto start = std::chrono::steady_clock::now();
        run();
        into.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    };
    for (int i = 0; i < runs; ++i) {
        window.server = false;
        time(clientOnly, [&] { job::runGenerateJob(window, services); });
        window.server = true;
        time(generate, [&] { job::runGenerateJob(window, services); });
        // What the signing leaves: the certificate, the tool's copy and the backups.
        for (const char* name : {"server.crt", "01.pem", "ca.db.index.old", "ca.db.serial.old"})
            std::ofstream(app / name) << std::string(1800, 'c');
        time(signingFinished, [&] { job::runSigningFinishedJob(window, services); });
    }
    fs::remove_all(root);
    std::printf("%d runs, %d messages; median per press:\n", runs, window.messages);
    std::printf("  generate, client only (2 steps, export, clean-up): %.3f ms\n", medianMs(clientOnly));
    std::printf("  generate, client and server (4 steps, script):     %.3f ms\n", medianMs(generate));
    std::printf("  signing finished (notice, 10 copies, clean-up):    %.3f ms\n", medianMs(signingFinished));
    return window.messages == 3 * runs ? 0 : 1;
}

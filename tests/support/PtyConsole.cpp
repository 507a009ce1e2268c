#include "PtyConsole.h"

#include "platform/PosixCommand.h"
#include "platform/PosixProcess.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <unistd.h>

namespace velmora::testing {

namespace {

// Owns the terminal's master side and answers prompts each time the
// runner looks at the process.
class PtyProcess final : public platform::RunningCommand
{
public:
    PtyProcess(pid_t pid, int master, std::vector<PromptAnswer> answers, std::shared_ptr<std::string> transcript)
        : process_(pid)
        , master_(master)
        , answers_(std::move(answers))
        , transcript_(std::move(transcript))
    {
    }
    ~PtyProcess() override { close(master_); }
    PtyProcess(const PtyProcess&) = delete;
    PtyProcess& operator=(const PtyProcess&) = delete;

    bool hasEnded() override
    {
        readOutput();
        answerPrompt();
        if (!process_.hasEnded())
            return false;
        readOutput();
        return true;
    }

private:
    void readOutput()
    {
        char buffer[4096];
        for (ssize_t count; (count = read(master_, buffer, sizeof buffer)) > 0;) {
            unanswered_.append(buffer, static_cast<std::size_t>(count));
            transcript_->append(buffer, static_cast<std::size_t>(count));
        }
    }

    void answerPrompt()
    {
        const auto lineStart = unanswered_.find_last_of('\n');
        std::string lastLine = unanswered_.substr(lineStart == std::string::npos ? 0 : lineStart + 1);
        lastLine.erase(lastLine.find_last_not_of(' ') + 1);
        if (lastLine.empty() || std::string_view {":]?"}.find(lastLine.back()) == std::string_view::npos)
            return;
        std::string typed = "\n";
        for (const auto& answer : answers_) {
            if (lastLine.find(answer.promptContains) != std::string::npos) {
                typed = answer.answer + "\n";
                break;
            }
        }
        unanswered_.clear();
        [[maybe_unused]] const auto written = write(master_, typed.data(), typed.size());
    }

    platform::PosixProcess process_;
    int master_;
    const std::vector<PromptAnswer> answers_;
    std::shared_ptr<std::string> transcript_;
    std::string unanswered_;
};

// Spawns the program as the leader of a new session whose standard
// streams and controlling terminal are the pseudo-terminal's other side.
std::optional<pid_t> spawnOnTerminal(const std::vector<std::string>& argv,
                                     const platform::EnvironmentValues& environment, const char* terminalName)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, terminalName, O_RDWR, 0);
    posix_spawn_file_actions_adddup2(&actions, STDIN_FILENO, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, STDIN_FILENO, STDERR_FILENO);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    const auto pid = platform::spawnProcess(argv, environment, &actions, &attributes);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

} // namespace

PtyConsole::PtyConsole(std::vector<PromptAnswer> answers)
    : answers_(std::move(answers))
{
}

std::unique_ptr<platform::RunningCommand> PtyConsole::start(std::string_view prefix, std::string_view command,
                                                            const platform::EnvironmentValues& environment)
{
    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    char terminalName[PATH_MAX];
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0
        || ptsname_r(master, terminalName, sizeof terminalName) != 0 || fcntl(master, F_SETFL, O_NONBLOCK) != 0) {
        if (master >= 0)
            close(master);
        return nullptr;
    }
    const auto pid = spawnOnTerminal(platform::posixCommandArgv(prefix, command), environment, terminalName);
    if (!pid) {
        close(master);
        return nullptr;
    }
    return std::make_unique<PtyProcess>(*pid, master, answers_, transcript_);
}

} // namespace velmora::testing

#include "platform/ChildEnvironment.h"
#include "platform/HiddenRun.h"

#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace velmora::platform {

namespace {

// Standard input, output and error all on /dev/null, in the folder to start in.
class SilentFiles
{
public:
    explicit SilentFiles(const std::string& startFolder)
    {
        posix_spawn_file_actions_init(&actions_);
        for (int descriptor : {0, 1, 2})
            posix_spawn_file_actions_addopen(&actions_, descriptor, "/dev/null", descriptor == 0 ? O_RDONLY : O_WRONLY,
                                             0);
        if (!startFolder.empty())
            posix_spawn_file_actions_addchdir_np(&actions_, startFolder.c_str());
    }
    ~SilentFiles() { posix_spawn_file_actions_destroy(&actions_); }
    SilentFiles(const SilentFiles&) = delete;
    SilentFiles& operator=(const SilentFiles&) = delete;
    const posix_spawn_file_actions_t* get() const { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
};

} // namespace

std::optional<int> runHidden(const std::vector<std::string>& argv, const EnvironmentValues& environment,
                             const std::string& startFolder)
{
    if (argv.empty() || !argv.front().starts_with('/'))
        return std::nullopt;
    std::vector<char*> arguments;
    for (const auto& argument : argv)
        arguments.push_back(const_cast<char*>(argument.c_str()));
    arguments.push_back(nullptr);
    std::vector<std::string> entries;
    for (char** entry = environ; *entry; ++entry)
        entries.emplace_back(*entry);
    entries = environmentWith(std::move(entries), environment, false);
    std::vector<char*> environmentPointers;
    for (auto& entry : entries)
        environmentPointers.push_back(entry.data());
    environmentPointers.push_back(nullptr);
    const SilentFiles silent(startFolder);
    pid_t pid = 0;
    // posix_spawn, not posix_spawnp: the path is used as given, never searched.
    if (posix_spawn(&pid, arguments[0], silent.get(), nullptr, arguments.data(), environmentPointers.data()) != 0)
        return std::nullopt;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return std::nullopt;
    if (!WIFEXITED(status))
        return std::nullopt;
    return WEXITSTATUS(status);
}

} // namespace velmora::platform

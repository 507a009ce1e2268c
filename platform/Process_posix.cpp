#include "platform/Process_posix.h"

#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace velmora::platform {

namespace {

// The pointers a spawn takes: to each string, then null.
std::vector<char*> pointersTo(const std::vector<std::string>& strings)
{
    std::vector<char*> pointers;
    for (const auto& string : strings)
        pointers.push_back(const_cast<char*>(string.c_str()));
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

std::optional<pid_t> spawnProcess(const std::vector<std::string>& argv, const EnvironmentValues& environment,
                                  const std::string& startFolder)
{
    if (argv.empty())
        return std::nullopt;
    std::vector<std::string> entries;
    for (char** entry = environ; *entry; ++entry)
        entries.emplace_back(*entry);
    entries = environmentWith(std::move(entries), environment, false);
    auto arguments = pointersTo(argv);
    auto environmentPointers = pointersTo(entries);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!startFolder.empty())
        posix_spawn_file_actions_addchdir_np(&actions, startFolder.c_str());
    pid_t pid = 0;
    const int failed
        = posix_spawnp(&pid, arguments[0], &actions, nullptr, arguments.data(), environmentPointers.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed)
        return std::nullopt;
    return pid;
}

PosixProcess::PosixProcess(pid_t pid)
    : pid_(pid)
{
}

PosixProcess::~PosixProcess()
{
    if (hasEnded())
        return;
    // Nobody would wait for the child any more, and it would stay a zombie
    // once it ends. A thread of its own waits for it instead, so neither this
    // destructor nor the child is held up.
    try {
        std::thread([pid = pid_] {
            while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) { }
        }).detach();
    } catch (const std::system_error&) {
        // No thread to be had: a zombie is better than blocking or ending the child.
    }
}

bool PosixProcess::hasEnded()
{
    if (ended_)
        return true;
    int status = 0;
    const pid_t result = waitpid(pid_, &status, WNOHANG);
    // A child that cannot be asked about any more (ECHILD) has ended as well:
    // waiting for it would never end.
    ended_ = result == pid_ || (result < 0 && errno != EINTR);
    return ended_;
}

} // namespace velmora::platform

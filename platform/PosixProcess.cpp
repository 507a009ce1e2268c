#include "platform/PosixProcess.h"

#include <cerrno>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace velmora::platform {

std::optional<pid_t> spawnProcess(const std::vector<std::string>& argv, const posix_spawn_file_actions_t* fileActions,
                                  const posix_spawnattr_t* attributes)
{
    if (argv.empty())
        return std::nullopt;
    std::vector<char*> arguments;
    for (const auto& argument : argv)
        arguments.push_back(const_cast<char*>(argument.c_str()));
    arguments.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, arguments[0], fileActions, attributes, arguments.data(), environ) != 0)
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

#pragma once

#include "platform/Console.h"

#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace velmora::platform {

// Starts a program (looked up on PATH when the name has no slash) with the
// given arguments and this process's environment plus the values, in the
// given folder (this process's current one when empty). No process when the
// program cannot be started.
std::optional<pid_t> spawnProcess(const std::vector<std::string>& argv, const EnvironmentValues& environment,
                                  const std::string& startFolder = {});

// A started child, looked at with waitpid without waiting. Ending it is not
// its business: the runner waits for it however long it takes. Dropped while
// the child still runs, it leaves the child running and has it reaped once it
// ends, so no zombie stays behind.
class PosixProcess final : public RunningCommand
{
public:
    explicit PosixProcess(pid_t pid);
    ~PosixProcess() override;
    PosixProcess(const PosixProcess&) = delete;
    PosixProcess& operator=(const PosixProcess&) = delete;
    bool hasEnded() override;

private:
    pid_t pid_;
    bool ended_ = false;
};

} // namespace velmora::platform

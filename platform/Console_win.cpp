#include "platform/Console.h"
#include "platform/EnvironmentBlock_win.h"
#include "platform/ShellAndWait.h"
#include "platform/WideText_win.h"

#include <string>
#include <windows.h>

namespace velmora::platform {

namespace {

// A started process, looked at through a handle that may only wait and
// ask; closed when the runner is done with it.
class WindowsProcess final : public RunningCommand
{
public:
    explicit WindowsProcess(HANDLE handle)
        : handle_(handle)
    {
    }
    ~WindowsProcess() override { CloseHandle(handle_); }
    WindowsProcess(const WindowsProcess&) = delete;
    WindowsProcess& operator=(const WindowsProcess&) = delete;

    // A zero-time wait tells a running process from an ended one; the
    // exit code cannot, as a process may end with STILL_ACTIVE (259).
    bool hasEnded() override { return WaitForSingleObject(handle_, 0) != WAIT_TIMEOUT; }

private:
    HANDLE handle_;
};

// The interpreter the prefix names, in the system folder. Found by the search
// order instead, a program of that name in this program's own folder or the
// current one would run first.
std::wstring interpreterPath(std::string_view prefix)
{
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    return std::wstring(folder, length) + L'\\' + toUtf16(prefix.substr(0, prefix.find(' ')));
}

// The line that runs. cmd.exe gets /d: the AutoRun command the registry may
// hold for it would otherwise run before every step, in the pass phrases' console.
std::wstring interpreterLine(std::string_view prefix, std::string_view command)
{
    constexpr std::string_view cmd = "cmd.exe ";
    if (prefix.starts_with(cmd))
        return toUtf16(composeCommandLine(std::string(cmd) + "/d " + std::string(prefix.substr(cmd.size())), command));
    return toUtf16(composeCommandLine(prefix, command));
}

class WindowsConsole final : public Console
{
public:
    explicit WindowsConsole(std::wstring startFolder)
        : startFolder_(std::move(startFolder))
    {
    }

    std::unique_ptr<RunningCommand> start(std::string_view prefix, std::string_view command,
                                          const EnvironmentValues& environment) override
    {
        const std::wstring interpreter = interpreterPath(prefix);
        std::wstring block = environmentBlock(environment);
        // The wide start: folder names in the line reach the interpreter
        // whatever the ANSI code page can spell.
        std::wstring line = interpreterLine(prefix, command);
        STARTUPINFOW startup {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        PROCESS_INFORMATION process {};
        if (interpreter.empty()
            || !CreateProcessW(interpreter.c_str(), line.data(), nullptr, nullptr, FALSE,
                               CREATE_NEW_CONSOLE | CREATE_UNICODE_ENVIRONMENT, block.data(),
                               startFolder_.empty() ? nullptr : startFolder_.c_str(), &startup, &process))
            return nullptr;
        CloseHandle(process.hThread);
        // Opened by id while the start's own handle still holds the id,
        // so it cannot name another process by then.
        HANDLE handle = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, process.dwProcessId);
        if (handle) {
            CloseHandle(process.hProcess);
            return std::make_unique<WindowsProcess>(handle);
        }
        // Without the narrower handle the start's own still tells the end;
        // returning at once would run the next step beside this one.
        return std::make_unique<WindowsProcess>(process.hProcess);
    }

private:
    std::wstring startFolder_;
};

} // namespace

std::unique_ptr<Console> makeSystemConsole(const std::string& startFolder)
{
    return std::make_unique<WindowsConsole>(toUtf16(startFolder));
}

} // namespace velmora::platform

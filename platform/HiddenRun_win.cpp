#include "platform/EnvironmentBlock_win.h"
#include "platform/HiddenRun.h"
#include "platform/WideText_win.h"

#include <windows.h>

namespace velmora::platform {

namespace {

// One argument as the C runtime splits a command line back into arguments:
// quoted when it holds a blank, with the backslashes before a quote doubled.
std::wstring quotedForStart(const std::wstring& argument)
{
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos)
        return argument;
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, L'\\');
    return quoted + L'"';
}

} // namespace

std::optional<int> runHidden(const std::vector<std::string>& argv, const EnvironmentValues& environment,
                             const std::string& startFolder)
{
    if (argv.empty())
        return std::nullopt;
    std::wstring line;
    for (const auto& argument : argv)
        line += (line.empty() ? L"" : L" ") + quotedForStart(toUtf16(argument));
    SECURITY_ATTRIBUTES inherited {sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE nothing = CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                                 OPEN_EXISTING, 0, nullptr);
    if (nothing == INVALID_HANDLE_VALUE)
        return std::nullopt;
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = startup.hStdOutput = startup.hStdError = nothing;
    PROCESS_INFORMATION process {};
    // The full path as the program to start: no search order applies.
    const std::wstring program = toUtf16(argv.front());
    std::wstring block = environmentBlock(environment);
    const std::wstring folder = toUtf16(startFolder);
    const bool started = CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, TRUE,
                                        CREATE_NO_WINDOW | CREATE_UNICODE_ENVIRONMENT, block.data(),
                                        folder.empty() ? nullptr : folder.c_str(), &startup, &process);
    CloseHandle(nothing);
    if (!started)
        return std::nullopt;
    CloseHandle(process.hThread);
    DWORD exitCode = 0;
    const bool ended = WaitForSingleObject(process.hProcess, INFINITE) == WAIT_OBJECT_0
        && GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hProcess);
    if (!ended)
        return std::nullopt;
    return static_cast<int>(exitCode);
}

} // namespace velmora::platform

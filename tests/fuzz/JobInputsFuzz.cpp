// libFuzzer target over what the window's texts reach before any tool runs:
// trimming, the site name and host, the subjectAltName, the output folder,
// the key length, the masked dates and the quoting for both interpreters.
// Besides crashes and undefined behaviour it checks what a user relies on.
#include "job/KeyLength.h"
#include "job/MaskedDate.h"
#include "job/ShellQuoting.h"
#include "job/SiteAddress.h"
#include "job/SiteHost.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/wait.h>

using namespace velmora::job;
namespace fs = std::filesystem;

namespace {

void require(bool holds, const char* what)
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

// Both separators lead out of a folder on Windows; compared as POSIX paths.
fs::path normalized(std::string path, char separator)
{
    std::replace(path.begin(), path.end(), separator, '/');
    return fs::path(path).lexically_normal();
}

void checkOutputFolder(const std::string& siteName)
{
    if (!isUsableSiteName(siteName))
        return;
    for (const char separator : {'/', '\\'}) {
        const std::string save = separator == '/' ? "/srv/save" : "C:\\save";
        std::string name = siteName;
        if (separator == '\\')
            std::replace(name.begin(), name.end(), '/', '\\');
        const fs::path folder = normalized(outputFolderPath(save, separator, name), separator);
        const fs::path base = normalized(save, separator);
        const auto [end, ignored] = std::mismatch(base.begin(), base.end(), folder.begin(), folder.end());
        require(end == base.end() && folder != base,
                "a usable site name leads the output folder out of the save location");
    }
}

void checkKeyLength(const std::string& text)
{
    if (!isAcceptableKeyLength(text) || text.empty())
        return;
    require(std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }),
            "an accepted key length holds more than digits");
    long length = 0;
    for (const char digit : text)
        length = std::min(length * 10 + (digit - '0'), 1000000L);
    require(length >= minimumKeyLength && length <= maximumKeyLength, "an accepted key length is out of range");
}

void checkDate(const std::string& text)
{
    const auto date = parseMaskedDate(text);
    if (!date)
        return;
    require(date->ok(), "an accepted date is no real date");
    char written[16];
    std::snprintf(written, sizeof written, "%04d/%02u/%02u", static_cast<int>(date->year()),
                  static_cast<unsigned>(date->month()), static_cast<unsigned>(date->day()));
    require(text == written, "an accepted date is not the date its text says");
}

// What the system's shell makes of the quoted argument: it must be the
// argument again. Run for a sample only: each run starts a shell.
void checkPosixQuoting(const std::string& argument)
{
    if (argument.empty() || argument.find('\0') != std::string::npos || std::hash<std::string> {}(argument) % 64 != 0)
        return;
    FILE* shell = popen(("printf %s " + quoteArgument(argument, Shell::Posix)).c_str(), "r");
    require(shell != nullptr, "no shell");
    std::string printed;
    for (int c; (c = std::fgetc(shell)) != EOF;)
        printed += static_cast<char>(c);
    const int status = pclose(shell);
    require(WIFEXITED(status) && WEXITSTATUS(status) == 0 && printed == argument,
            "the shell reads a quoted argument as another");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string trimmed = trimSpaces(input);
    require(trimmed.empty() || (trimmed.front() != ' ' && trimmed.back() != ' '), "trimming left a blank");
    const std::string siteName = siteNameFromAddress(trimmed);
    const SiteHost host = siteHostOf(siteName);
    if (host.isCertificateName())
        require(host.subjectAltName().find_first_of(", \"'%&") == std::string::npos,
                "a certificate name can add another to the tool's list or escape the script");
    checkOutputFolder(siteName);
    (void)withoutTrailingSeparator(trimmed, '\\');
    checkKeyLength(input);
    checkDate(input);
    (void)quoteArgument(input, Shell::Cmd);
    checkPosixQuoting(input);
    return 0;
}

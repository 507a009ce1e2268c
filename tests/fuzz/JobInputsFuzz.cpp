// libFuzzer target over what the window's texts reach before any tool runs:
// trimming, the site name and host, the subjectAltName, the output folder,
// the key length, the masked dates and the quoting for both interpreters.
// Besides crashes and undefined behaviour it checks what a user relies on.
#include "TestFolder.h"
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

using namespace velmora::job;

namespace {

void require(bool holds, const char* what)
{
    if (!holds)
        std::fprintf(stderr, "property broken: %s\n", what), std::abort();
}

// Within the save location on either system, where both separators divide.
bool staysInside(const std::string& siteName, char separator)
{
    std::string folder = outputFolderPath("/srv/save", separator, siteName);
    std::replace(folder.begin(), folder.end(), '\\', '/');
    const auto normal = std::filesystem::path(folder).lexically_normal().string();
    return normal.starts_with("/srv/save/");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string trimmed = trimSpaces(input);
    require(trimmed.empty() || (trimmed.front() != ' ' && trimmed.back() != ' '), "trimming left a blank");
    const std::string siteName = siteNameFromAddress(trimmed);
    const SiteHost host = siteHostOf(siteName);
    require(!host.isCertificateName() || host.subjectAltName().find_first_of(", \"'%&") == std::string::npos,
            "a certificate name adds another to the tool's list or escapes the script");
    require(!isUsableSiteName(siteName) || (staysInside(siteName, '/') && staysInside(siteName, '\\')),
            "a usable site name leads the output folder out of the save location");
    (void)withoutTrailingSeparator(trimmed, '\\');

    if (isAcceptableKeyLength(input) && !input.empty()) {
        long length = 0;
        for (const char c : input)
            length = c >= '0' && c <= '9' ? std::min(length * 10 + (c - '0'), 1000000L) : -1000000L;
        require(length >= minimumKeyLength && length <= maximumKeyLength, "an accepted key length is no length");
    }
    if (const auto date = parseMaskedDate(input)) {
        char written[16];
        std::snprintf(written, sizeof written, "%04d/%02u/%02u", static_cast<int>(date->year()),
                      static_cast<unsigned>(date->month()), static_cast<unsigned>(date->day()));
        require(date->ok() && input == written, "an accepted date is not the real date its text says");
    }
    (void)quoteArgument(input, Shell::Cmd);
    // A sample only: each look starts a shell.
    if (!input.empty() && input.find('\0') == std::string::npos && std::hash<std::string> {}(input) % 64 == 0)
        require(velmora::testing::run("printf %s " + quoteArgument(input, Shell::Posix)) == std::pair(0, input),
                "the shell reads a quoted argument as another");
    return 0;
}

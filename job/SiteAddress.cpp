#include "job/SiteAddress.h"

#include "job/SiteHost.h"

#include <algorithm>
#include <array>

namespace velmora::job {

namespace {

bool isRootAlone(std::string_view saveLocation, char separator)
{
    return saveLocation.size() == 1 && saveLocation.front() == separator;
}

std::string_view withoutPrefix(std::string_view text, std::string_view prefix)
{
    return text.starts_with(prefix) ? text.substr(prefix.size()) : text;
}

} // namespace

std::string trimSpaces(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string siteNameFromAddress(std::string_view trimmedAddress)
{
    std::string lower(trimmedAddress);
    // Only ASCII letters change case: a byte-wise change would corrupt UTF-8.
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; });
    std::string_view name = withoutPrefix(lower, "http://");
    name = withoutPrefix(name, "https://");
    return std::string(name);
}

bool isUsableSiteName(std::string_view siteName)
{
    if (siteHostOf(siteName).name.empty())
        return false;
    for (std::size_t begin = 0; begin <= siteName.size();) {
        const std::size_t end = std::min(siteName.find_first_of("/\\", begin), siteName.size());
        const std::string_view part = siteName.substr(begin, end - begin);
        // Dots alone name this folder or its parent (Windows drops trailing dots).
        if (!part.empty() && part.find_first_not_of('.') == std::string_view::npos)
            return false;
        begin = end + 1;
    }
    return true;
}

namespace {

bool isDeviceName(std::string_view stem)
{
    static constexpr std::array<std::string_view, 6> plain {"con", "prn", "aux", "nul", "conin$", "conout$"};
    std::string lower(stem);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; });
    if (std::find(plain.begin(), plain.end(), lower) != plain.end())
        return true;
    // COM and LPT with a digit, the superscript ones included.
    if (lower.size() < 4 || (!lower.starts_with("com") && !lower.starts_with("lpt")))
        return false;
    const std::string_view number = std::string_view(lower).substr(3);
    return (number.size() == 1 && number[0] >= '0' && number[0] <= '9') || number == "\u00b9" || number == "\u00b2"
        || number == "\u00b3";
}

std::optional<FolderNameFault> partFault(std::string_view part)
{
    for (const char c : part)
        if (static_cast<unsigned char>(c) < 0x20 || std::string_view(":*?\"<>|").find(c) != std::string_view::npos)
            return FolderNameFault {FolderNameFault::Character, std::string(1, c)};
    if (part.ends_with('.') || part.ends_with(' '))
        return FolderNameFault {FolderNameFault::TrailingDotOrBlank, std::string(part)};
    // "nul.example.test" names the device as "nul" does; blanks before the dot do not help.
    std::string_view stem = part.substr(0, part.find('.'));
    stem = stem.substr(0, stem.find_last_not_of(' ') + 1);
    if (isDeviceName(stem))
        return FolderNameFault {FolderNameFault::DeviceName, std::string(stem)};
    return std::nullopt;
}

} // namespace

std::optional<FolderNameFault> windowsFolderNameFault(std::string_view siteName)
{
    for (std::size_t begin = 0; begin <= siteName.size();) {
        const std::size_t end = std::min(siteName.find_first_of("/\\", begin), siteName.size());
        if (auto fault = partFault(siteName.substr(begin, end - begin)))
            return fault;
        begin = end + 1;
    }
    return std::nullopt;
}

std::string withoutTrailingSeparator(std::string_view saveLocation, char separator)
{
    if (saveLocation.empty() || saveLocation.back() != separator || isRootAlone(saveLocation, separator))
        return std::string(saveLocation);
    return std::string(saveLocation.substr(0, saveLocation.size() - 1));
}

std::string outputFolderPath(std::string_view saveLocation, char separator, std::string_view siteName)
{
    std::string folder(saveLocation);
    if (!isRootAlone(saveLocation, separator))
        folder += separator;
    folder += siteName;
    return folder;
}

} // namespace velmora::job

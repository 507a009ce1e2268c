#include "job/SiteAddress.h"

#include "job/SiteHost.h"

#include <algorithm>

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

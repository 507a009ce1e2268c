#include "platform/ChildEnvironment.h"

#include <algorithm>
#include <cctype>

namespace velmora::platform {

namespace {

bool namesEntry(const std::string& entry, const std::string& name, bool ignoreCase)
{
    if (entry.size() <= name.size() || entry[name.size()] != '=')
        return false;
    return std::equal(name.begin(), name.end(), entry.begin(), [ignoreCase](char a, char b) {
        return ignoreCase ? std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b))
                          : a == b;
    });
}

} // namespace

std::vector<std::string> environmentWith(std::vector<std::string> entries, const EnvironmentValues& values,
                                         bool namesIgnoreCase)
{
    for (const auto& value : values) {
        const std::string& name = value.first;
        std::erase_if(entries, [&](const std::string& entry) { return namesEntry(entry, name, namesIgnoreCase); });
        entries.push_back(name + "=" + value.second);
    }
    return entries;
}

} // namespace velmora::platform

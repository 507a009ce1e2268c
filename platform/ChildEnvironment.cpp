#include "platform/ChildEnvironment.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace velmora::platform {

namespace {

bool startsWith(std::string_view entry, std::string_view start, bool ignoreCase)
{
    return entry.size() >= start.size()
        && std::equal(start.begin(), start.end(), entry.begin(), [ignoreCase](char a, char b) {
               return ignoreCase
                   ? std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b))
                   : a == b;
           });
}

bool namesEntry(const std::string& entry, const std::string& name, bool ignoreCase)
{
    return entry.size() > name.size() && entry[name.size()] == '=' && startsWith(entry, name, ignoreCase);
}

} // namespace

std::vector<std::string> environmentWith(std::vector<std::string> entries, const EnvironmentValues& values,
                                         bool namesIgnoreCase)
{
    std::erase_if(entries, [&](const std::string& entry) { return startsWith(entry, "OPENSSL_", namesIgnoreCase); });
    for (const auto& value : values) {
        const std::string& name = value.first;
        std::erase_if(entries, [&](const std::string& entry) { return namesEntry(entry, name, namesIgnoreCase); });
        entries.push_back(name + "=" + value.second);
    }
    return entries;
}

} // namespace velmora::platform

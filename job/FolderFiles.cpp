#include "job/FolderFiles.h"

#include <algorithm>

namespace velmora::job {

namespace fs = std::filesystem;

namespace {

char lowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool sameNameIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

std::vector<std::string> ordinaryFileNames(const fs::path& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        std::error_code statusError;
        if (entry->is_regular_file(statusError))
            names.push_back(platform::utf8FromPath(entry->path().filename()));
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<fs::path> findFile(const fs::path& folder, std::string_view name)
{
    const auto names = ordinaryFileNames(folder);
    auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end())
        found = std::find_if(names.begin(), names.end(),
                             [name](const std::string& candidate) { return sameNameIgnoringCase(candidate, name); });
    if (found == names.end())
        return std::nullopt;
    return folder / pathFromUtf8(*found);
}

std::vector<std::string> fileNamesEndingIn(const fs::path& folder, std::string_view suffix)
{
    auto names = ordinaryFileNames(folder);
    std::erase_if(names, [suffix](const std::string& name) {
        return name.size() < suffix.size()
            || !sameNameIgnoringCase(std::string_view(name).substr(name.size() - suffix.size()), suffix);
    });
    return names;
}

bool removeFile(const fs::path& folder, std::string_view name)
{
    // Every spelling of the name goes, or one left over would be found instead.
    for (auto file = findFile(folder, name); file; file = findFile(folder, name)) {
        std::error_code error;
        if (!fs::remove(*file, error))
            return false;
    }
    return true;
}

} // namespace velmora::job

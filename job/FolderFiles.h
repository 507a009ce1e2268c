#pragma once

#include "platform/Utf8Path.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::job {

using platform::pathFromUtf8;

// Whether two file names are the same to Windows, which ignores the letter
// case of ASCII letters.
bool sameNameIgnoringCase(std::string_view a, std::string_view b);

// The names of the folder's ordinary files, sorted; none when it cannot be read.
std::vector<std::string> ordinaryFileNames(const std::filesystem::path& folder);

// The ordinary file of the folder with the given name, matched without regard
// to letter case as on Windows; an exact match wins where the file system
// tells case apart and holds both.
std::optional<std::filesystem::path> findFile(const std::filesystem::path& folder, std::string_view name);

// The names of the folder's ordinary files that end in the suffix, in any
// letter case, sorted.
std::vector<std::string> fileNamesEndingIn(const std::filesystem::path& folder, std::string_view suffix);

// Deletes every file findFile would find; true when there is none afterwards.
bool removeFile(const std::filesystem::path& folder, std::string_view name);

} // namespace velmora::job

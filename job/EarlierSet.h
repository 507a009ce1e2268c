#pragma once

#include "job/Export.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace velmora::job {

// What became of an earlier export found in the output folder.
struct EarlierSet
{
    std::string movedTo; // the folder it went to (UTF-8); empty when there was none
    std::optional<std::string> problem; // why it could not go: then nothing of the new set may be exported
};

// The folder an earlier set moved at that moment goes to, in local time so
// the user reads it and sorted by time; a later try in the same minute gets a
// number that sorts after the first.
std::string earlierSetFolderName(std::chrono::system_clock::time_point movedAt, int attempt);

// Before the new set takes the fixed names: every file an earlier export
// left there (a fixed name of either kind, or a .pem file) moves, whole and
// unchanged, into a new folder of the user's alone inside the output folder,
// so nothing is overwritten and the output folder holds the new set alone.
// Files that are all what the rows would copy again are this set's own,
// from an export that stopped short, and stay. A move that fails midway is
// undone, so the earlier set stays together.
EarlierSet moveEarlierSet(const std::filesystem::path& workingFolder, const std::filesystem::path& outputFolder,
                          const std::vector<ExportRow>& rows, std::chrono::system_clock::time_point now);

} // namespace velmora::job

#include "job/EarlierSet.h"

#include "job/FolderFiles.h"
#include "job/Messages.h"
#include "platform/WorkingFolder.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>

namespace velmora::job {

namespace fs = std::filesystem;

namespace {

// A set is seldom moved twice in one minute; the number is bounded so that
// the names keep sorting by time.
constexpr int lastAttempt = 99;

std::optional<std::string> bytesOf(const fs::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    if (!stream)
        return std::nullopt;
    return std::string {std::istreambuf_iterator<char> {stream}, {}};
}

// Whether the output folder's file is what the row of its name would copy.
bool copiedAgainUnchanged(const fs::path& workingFolder, const fs::path& outputFile, const std::vector<ExportRow>& rows)
{
    const std::string name = platform::utf8FromPath(outputFile.filename());
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [&name](const ExportRow& r) { return sameNameIgnoringCase(r.target, name); });
    if (row == rows.end())
        return false;
    const auto source = findFile(workingFolder, row->source);
    const auto sourceBytes = source ? bytesOf(*source) : std::nullopt;
    return sourceBytes && sourceBytes == bytesOf(outputFile);
}

// A new folder of that name, for the user alone; nothing when every name the
// minute gives is taken or none can be made.
std::optional<fs::path> claimFolder(const fs::path& outputFolder, std::chrono::system_clock::time_point now)
{
    for (int attempt = 1; attempt <= lastAttempt; ++attempt) {
        const fs::path folder = outputFolder / earlierSetFolderName(now, attempt);
        if (platform::makeNewPrivateFolder(platform::utf8FromPath(folder)))
            return folder;
        std::error_code error;
        if (!fs::exists(fs::symlink_status(folder, error)))
            return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

std::string earlierSetFolderName(std::chrono::system_clock::time_point movedAt, int attempt)
{
    const std::time_t time = std::chrono::system_clock::to_time_t(movedAt);
    const std::tm* local = std::localtime(&time);
    char name[32] = "earlier";
    if (local)
        std::strftime(name, sizeof name, "earlier-%Y%m%d-%H%M", local);
    char number[16] = "";
    if (attempt > 1)
        std::snprintf(number, sizeof number, "-%02d", attempt);
    return std::string(name) + number;
}

EarlierSet moveEarlierSet(const fs::path& workingFolder, const fs::path& outputFolder,
                          const std::vector<ExportRow>& rows, std::chrono::system_clock::time_point now)
{
    auto names = ordinaryFileNames(outputFolder);
    std::erase_if(names, [](const std::string& name) { return !isExportedName(name); });
    if (std::all_of(names.begin(), names.end(), [&](const std::string& name) {
            return copiedAgainUnchanged(workingFolder, outputFolder / pathFromUtf8(name), rows);
        }))
        return {};
    const auto folder = claimFolder(outputFolder, now);
    if (!folder)
        return {{},
                messages::earlierFolderNotMade(platform::utf8FromPath(outputFolder / earlierSetFolderName(now, 1)))};
    std::vector<std::string> moved;
    for (const auto& name : names) {
        std::error_code error;
        fs::rename(outputFolder / pathFromUtf8(name), *folder / pathFromUtf8(name), error);
        if (!error) {
            moved.push_back(name);
            continue;
        }
        for (const auto& back : moved)
            fs::rename(*folder / pathFromUtf8(back), outputFolder / pathFromUtf8(back), error);
        fs::remove(*folder, error); // only when all went back
        return {{}, messages::earlierFileNotMoved(name, platform::utf8FromPath(*folder))};
    }
    return {platform::utf8FromPath(*folder), {}};
}

} // namespace velmora::job

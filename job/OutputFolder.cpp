#include "job/OutputFolder.h"

#include "job/FolderFiles.h"
#include "platform/WorkingFolder.h"

#include <filesystem>
#include <system_error>

namespace velmora::job {

namespace fs = std::filesystem;

OutputFolderState ensureOutputFolder(const std::string& path)
{
    const fs::path folder = pathFromUtf8(path);
    std::error_code error;
    // For the user alone from the start: a folder made open and closed after
    // could be entered, or a link swapped in, in between.
    const bool made = !fs::exists(fs::symlink_status(folder, error)) && platform::makeNewPrivateFolder(path);
    return {fs::is_directory(folder, error), made};
}

void takeBackOutputFolder(const std::string& path, const OutputFolderState& state)
{
    // A folder that holds anything is not removed: whatever is in it now is
    // not the press's to take.
    std::error_code error;
    if (state.made && fs::is_empty(pathFromUtf8(path), error) && !error)
        fs::remove(pathFromUtf8(path), error);
}

} // namespace velmora::job

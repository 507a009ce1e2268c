#include "job/OutputFolder.h"

#include "job/FolderFiles.h"
#include "platform/WorkingFolder.h"

#include <filesystem>
#include <system_error>

namespace velmora::job {

bool ensureOutputFolder(const std::string& path)
{
    namespace fs = std::filesystem;
    const fs::path folder = pathFromUtf8(path);
    std::error_code error;
    // For the user alone from the start: a folder made open and closed after
    // could be entered, or a link swapped in, in between.
    if (!fs::exists(fs::symlink_status(folder, error)))
        platform::makePrivateFolder(path);
    return fs::is_directory(folder, error);
}

} // namespace velmora::job

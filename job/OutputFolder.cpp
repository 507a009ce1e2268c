#include "job/OutputFolder.h"

#include "job/FolderFiles.h"

#include <filesystem>
#include <system_error>

namespace velmora::job {

bool ensureOutputFolder(const std::string& path)
{
    namespace fs = std::filesystem;
    const fs::path folder = pathFromUtf8(path);
    std::error_code error;
    if (!fs::exists(folder, error))
        fs::create_directory(folder, error);
    return fs::is_directory(folder, error);
}

} // namespace velmora::job

#include "job/OutputFolder.h"

#include <filesystem>
#include <system_error>

namespace velmora::job {

bool ensureOutputFolder(const std::string& path)
{
    namespace fs = std::filesystem;
    // The path is UTF-8 whatever the system's own 8-bit code page is.
    const fs::path folder(std::u8string(path.begin(), path.end()));
    std::error_code error;
    if (!fs::exists(folder, error))
        fs::create_directory(folder, error);
    return fs::is_directory(folder, error);
}

} // namespace velmora::job

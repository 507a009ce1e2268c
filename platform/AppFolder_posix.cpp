#include "platform/AppFolder.h"

#include <filesystem>
#include <system_error>

namespace velmora::platform {

char pathSeparator()
{
    return '/';
}

std::string executableFolder()
{
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string {} : executable.parent_path().string();
}

} // namespace velmora::platform

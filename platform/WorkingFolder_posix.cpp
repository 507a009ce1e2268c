#include "platform/AppFolder.h"
#include "platform/WorkingFolder.h"

#include <cstdlib>
#include <unistd.h>

namespace velmora::platform {

bool folderIsWritable(const std::string& folder)
{
    if (folder.empty() || access(folder.c_str(), W_OK) != 0)
        return false;
    std::string probe = folder + "/.velmora-write-XXXXXX";
    const int file = mkstemp(probe.data());
    if (file < 0)
        return false;
    close(file);
    unlink(probe.c_str());
    return true;
}

WorkingFolder workingFolder()
{
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    return prepareWorkingFolder(executableFolder(), perUserFolder(dataHome ? dataHome : "", home ? home : ""));
}

} // namespace velmora::platform

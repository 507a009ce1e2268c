#include "platform/UserFolder_posix.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::platform {

bool makePrivateFolder(const std::string& folder)
{
    return makeNewPrivateFolder(folder) || errno == EEXIST;
}

bool makeNewPrivateFolder(const std::string& folder)
{
    return mkdir(folder.c_str(), S_IRWXU) == 0;
}

bool folderIsWritable(const std::string& folder)
{
    // Only a file really made tells whether one can be: the probe decides.
    if (folder.empty())
        return false;
    std::string probe = folder + "/.velmora-write-XXXXXX";
    const int file = mkstemp(probe.data());
    if (file < 0)
        return false;
    close(file);
    unlink(probe.c_str());
    return true;
}

WorkingFolder workingFolder(const std::string& executableFolder, const std::string& userFolder,
                            const ShippedFiles& files)
{
    return prepareWorkingFolder(executableFolder, userFolder, files);
}

} // namespace velmora::platform

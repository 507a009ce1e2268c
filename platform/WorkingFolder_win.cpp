#include "platform/AppFolder.h"
#include "platform/WorkingFolder.h"

#include <windows.h>

namespace velmora::platform {

bool folderIsWritable(const std::string& folder)
{
    char probe[MAX_PATH];
    if (GetTempFileNameA(folder.c_str(), "vel", 0, probe) == 0)
        return false;
    DeleteFileA(probe);
    return true;
}

// The program's own folder, as it always was here: Windows programs that keep
// their files beside them are installed where their user can write.
WorkingFolder workingFolder()
{
    return {executableFolder(), true};
}

} // namespace velmora::platform

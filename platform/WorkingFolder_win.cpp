#include "platform/AppFolder.h"
#include "platform/WideText_win.h"
#include "platform/WorkingFolder.h"

#include <windows.h>

namespace velmora::platform {

bool folderIsWritable(const std::string& folder)
{
    wchar_t probe[MAX_PATH];
    if (GetTempFileNameW(toUtf16(folder).c_str(), L"vel", 0, probe) == 0)
        return false;
    DeleteFileW(probe);
    return true;
}

// The program's own folder, as it always was here: Windows programs that keep
// their files beside them are installed where their user can write.
WorkingFolder workingFolder()
{
    return {executableFolder(), true};
}

} // namespace velmora::platform

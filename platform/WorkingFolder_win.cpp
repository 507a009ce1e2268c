#include "platform/WideText_win.h"
#include "platform/WorkingFolder.h"

#include <windows.h>

namespace velmora::platform {

bool makePrivateFolder(const std::string& folder)
{
    return CreateDirectoryW(toUtf16(folder).c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

// The program's own folder, as it always was here: Windows programs that keep
// their files beside them are installed where their user can write.
WorkingFolder workingFolder(const std::string& executableFolder, const std::string&, const ShippedFiles&)
{
    return {executableFolder, FolderProblem::None};
}

} // namespace velmora::platform

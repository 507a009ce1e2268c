#include "platform/WorkingFolder.h"

namespace velmora::platform {

// The program's own folder, as it always was here: Windows programs that keep
// their files beside them are installed where their user can write.
WorkingFolder workingFolder(const std::string& executableFolder, const std::string&, const ShippedFiles&)
{
    return {executableFolder, FolderProblem::None};
}

} // namespace velmora::platform

#include "job/ToolFiles.h"

#include "platform/ThisSystem.h"

namespace velmora::job {

const SystemForm& thisSystemForm()
{
    return platform::thisSystem() == platform::System::Windows ? windowsForm : posixForm;
}

} // namespace velmora::job

#include "job/ToolFiles.h"

#include "platform/ThisSystem.h"

namespace velmora::job {

const SystemForm& thisSystemForm()
{
    return platform::thisSystem() == platform::System::Windows ? windowsForm : posixForm;
}

platform::ShippedFiles shippedFiles()
{
    return {std::string(thisSystemForm().toolFile),
            std::string(toolFiles::configuration),
            {std::string(toolFiles::databaseIndex), std::string(toolFiles::databaseSerial)}};
}

} // namespace velmora::job

#include "job/ToolFiles.h"

namespace velmora::job {

const SystemForm& thisSystem()
{
    return windowsForm;
}

} // namespace velmora::job

#include "job/ToolFiles.h"

namespace velmora::job {

const SystemForm& thisSystem()
{
    return posixForm;
}

} // namespace velmora::job

#include "platform/VersionName.h"

namespace velmora::platform {

std::string GetOSName()
{
    return {};
}

} // namespace velmora::platform

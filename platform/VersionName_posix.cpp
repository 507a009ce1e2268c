#include "platform/VersionName.h"

namespace velmora::platform {

std::string GetOSName()
{
    return {};
}

std::string systemShellPrefix()
{
    return "/bin/sh -c";
}

} // namespace velmora::platform

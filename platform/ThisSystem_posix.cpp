#include "platform/ThisSystem.h"

namespace velmora::platform {

System thisSystem()
{
    return System::Posix;
}

} // namespace velmora::platform

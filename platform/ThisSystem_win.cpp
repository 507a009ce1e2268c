#include "platform/ThisSystem.h"

namespace velmora::platform {

System thisSystem()
{
    return System::Windows;
}

} // namespace velmora::platform

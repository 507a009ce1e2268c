#include "platform/Paths.h"

namespace velmora::platform {

char pathSeparator()
{
    return '/';
}

} // namespace velmora::platform

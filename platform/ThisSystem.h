#pragma once

namespace velmora::platform {

enum class System { Windows, Posix };

// The system this program was built for.
System thisSystem();

} // namespace velmora::platform

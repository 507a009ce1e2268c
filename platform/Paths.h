#pragma once

namespace velmora::platform {

// The character that joins folder and file names in the paths this system
// builds and shows: "\" on Windows, "/" elsewhere.
char pathSeparator();

} // namespace velmora::platform

#pragma once

#include <string>

namespace velmora::platform {

// The character that joins folder and file names in the paths this system
// builds and shows: "\" on Windows, "/" elsewhere.
char pathSeparator();

// The folder of the running executable, without a trailing separator: the
// application folder that holds the OpenSSL tool, its configuration, its CA
// database and every working file. Empty when the system cannot tell.
// Callers take it once and pass it on, so tests can hand them another folder.
std::string executableFolder();

} // namespace velmora::platform

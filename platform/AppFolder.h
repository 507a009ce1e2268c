#pragma once

#include <string>
#include <string_view>

namespace velmora::platform {

// The character that joins folder and file names in the paths this system
// builds and shows: "\" on Windows, "/" elsewhere.
char pathSeparator();

// The folder of the running executable, without a trailing separator: the
// application folder that holds the OpenSSL tool, its configuration, its CA
// database and every working file. Empty when the system cannot tell.
// Callers take it once and pass it on, so tests can hand them another folder.
std::string executableFolder();

// A file in a folder, joined by plain concatenation as the command lines need
// it: the folder, the separator and the name, with no quoting.
std::string fileInFolder(std::string_view folder, std::string_view fileName);

} // namespace velmora::platform

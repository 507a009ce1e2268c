#pragma once

#include <string>
#include <string_view>

namespace velmora::platform {

// Text between a Windows code page (CP_UTF8 for the program's own text) and
// the UTF-16 the wide system calls take. Invalid input gives the empty text
// when strict, replacement characters otherwise.
std::wstring toUtf16(std::string_view text, unsigned codePage = 65001 /* CP_UTF8 */, bool strict = false);
std::string fromUtf16(std::wstring_view wide, unsigned codePage = 65001 /* CP_UTF8 */);

} // namespace velmora::platform

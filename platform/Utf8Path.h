#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace velmora::platform {

// A path from the program's UTF-8 text. On Windows the file calls then take
// the UTF-16 form, so names the ANSI code page lacks still work.
std::filesystem::path pathFromUtf8(std::string_view text);
// The path as the program's UTF-8 text.
std::string utf8FromPath(const std::filesystem::path& path);

} // namespace velmora::platform

#pragma once

#include <string_view>

namespace velmora::job {

inline constexpr int minimumKeyLength = 512;
inline constexpr int maximumKeyLength = 16384;

// The key length goes into a shell command line, so only an empty text (the
// tool's default) or a whole number in range written in digits gets through.
bool isAcceptableKeyLength(std::string_view text);

} // namespace velmora::job

#include "platform/Utf8Path.h"

#include <string>

namespace velmora::platform {

std::filesystem::path pathFromUtf8(std::string_view text)
{
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

} // namespace velmora::platform

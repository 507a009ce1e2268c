#include "job/KeyLength.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace velmora::job {

bool isAcceptableKeyLength(std::string_view text)
{
    if (text.empty())
        return true;
    const bool digitsOnly
        = std::all_of(text.begin(), text.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
    if (!digitsOnly)
        return false;
    long long value = 0;
    // Only digits: the whole text is read, and an error means too many of them to be a length at all.
    if (std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc {})
        return false;
    return value >= minimumKeyLength && value <= maximumKeyLength;
}

} // namespace velmora::job

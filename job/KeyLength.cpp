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
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc {} || end != text.data() + text.size())
        return false; // too many digits to be a length at all
    return value >= minimumKeyLength && value <= maximumKeyLength;
}

} // namespace velmora::job

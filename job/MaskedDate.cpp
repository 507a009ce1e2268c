#include "job/MaskedDate.h"

#include <cctype>

namespace velmora::job {

namespace {

std::optional<int> digitsValue(std::string_view digits)
{
    int value = 0;
    for (char c : digits) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

std::optional<std::chrono::year_month_day> parseMaskedDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '/' || text[7] != '/')
        return std::nullopt;
    const auto year = digitsValue(text.substr(0, 4));
    const auto month = digitsValue(text.substr(5, 2));
    const auto day = digitsValue(text.substr(8, 2));
    if (!year || !month || !day || *year == 0)
        return std::nullopt;
    const std::chrono::year_month_day date {std::chrono::year {*year},
                                            std::chrono::month {static_cast<unsigned>(*month)},
                                            std::chrono::day {static_cast<unsigned>(*day)}};
    if (!date.ok())
        return std::nullopt;
    return date;
}

} // namespace velmora::job

#include "window/MaskedDateEntry.h"

#include "job/MaskedDate.h"

#include <algorithm>
#include <cstdio>

namespace velmora::window {

namespace {

constexpr std::size_t maskLength = job::emptyMaskedDate.size();

bool isSeparatorPlace(std::size_t place)
{
    return place < maskLength && job::emptyMaskedDate[place] == '/';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string emptiedPlaces(std::string_view text, std::size_t from, std::size_t to)
{
    std::string emptied(text);
    for (std::size_t place = from; place < std::min(to, maskLength); ++place)
        if (!isSeparatorPlace(place))
            emptied[place] = '_';
    return emptied;
}

} // namespace

bool fitsDateMask(std::string_view text)
{
    if (text.size() != maskLength)
        return false;
    for (std::size_t place = 0; place < maskLength; ++place) {
        const char c = text[place];
        if (isSeparatorPlace(place) ? c != '/' : !(c == '_' || isDigit(c)))
            return false;
    }
    return true;
}

std::string maskedDate(std::chrono::year_month_day date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d/%02u/%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

MaskedEntry typedInto(std::string_view text, std::size_t from, std::size_t to, char typed)
{
    if (!isDigit(typed))
        return {std::string(text), from};
    MaskedEntry entry {emptiedPlaces(text, from, to), from};
    std::size_t place = isSeparatorPlace(from) ? from + 1 : from;
    if (place >= maskLength)
        return entry;
    entry.text[place++] = typed;
    entry.caret = isSeparatorPlace(place) ? place + 1 : place;
    return entry;
}

MaskedEntry erasedFrom(std::string_view text, std::size_t from, std::size_t to, bool backward)
{
    if (from < to)
        return {emptiedPlaces(text, from, to), from};
    if (!backward)
        return {emptiedPlaces(text, from, from + (isSeparatorPlace(from) ? 2 : 1)), from};
    if (from == 0)
        return {std::string(text), 0};
    std::size_t place = from - 1;
    if (isSeparatorPlace(place))
        --place;
    return {emptiedPlaces(text, place, place + 1), place};
}

MaskedEntry pastedInto(std::string_view text, std::size_t caret, std::string_view pasted)
{
    if (fitsDateMask(pasted))
        return {std::string(pasted), pasted.size()};
    return {std::string(text), caret};
}

std::size_t caretOnEntry(std::string_view text, std::size_t caret)
{
    return text == job::emptyMaskedDate ? 0 : caret;
}

} // namespace velmora::window

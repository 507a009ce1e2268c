#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

// The masked date, once for both date boxes and both toolkits: its shape
// "####/##/##" with "_" in each unfilled place (job::emptyMaskedDate), its
// text for a date, and its editing rules, which each toolkit's plain text box
// follows instead of a mask of its own: a digit fills the place at the
// caret, the two "/" cannot be overtyped, and an erased place shows "_".
namespace velmora::window {

struct MaskedEntry
{
    std::string text; // always fits the mask
    std::size_t caret = 0;
};

// Ten characters: digits or "_" in the digit places, "/" in the other two.
bool fitsDateMask(std::string_view text);

// "2026/12/05" for that day.
std::string maskedDate(std::chrono::year_month_day date);

// A character typed over the selection [from, to): for a digit, its places
// are emptied and the digit fills the first place from there. Anything else
// changes nothing.
MaskedEntry typedInto(std::string_view text, std::size_t from, std::size_t to, char typed);

// Backspace (backward) or Delete over the selection [from, to), or, with
// none, over the place before or at the caret.
MaskedEntry erasedFrom(std::string_view text, std::size_t from, std::size_t to, bool backward);

// A paste takes a whole date that fits the mask, with the caret after it;
// anything else changes nothing.
MaskedEntry pastedInto(std::string_view text, std::size_t caret, std::string_view pasted);

// Where the caret goes when the box takes the focus or a click: an empty box
// starts typing at its first place, wherever the caret was put.
std::size_t caretOnEntry(std::string_view text, std::size_t caret);

} // namespace velmora::window

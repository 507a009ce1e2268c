#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The editing rules of a date entry on the mask "####/##/##", for a toolkit
// whose text box has no mask of its own: a digit fills the place at the
// caret, the two "/" cannot be overtyped, and an erased place shows "_".
namespace velmora::window {

struct MaskedEntry
{
    std::string text; // always fits the mask
    std::size_t caret = 0;
};

// Ten characters: digits or "_" in the digit places, "/" in the other two.
bool fitsDateMask(std::string_view text);

// A character typed over the selection [from, to): for a digit, its places
// are emptied and the digit fills the first place from there. Anything else
// changes nothing.
MaskedEntry typedInto(std::string_view text, std::size_t from, std::size_t to, char typed);

// Backspace (backward) or Delete over the selection [from, to), or, with
// none, over the place before or at the caret.
MaskedEntry erasedFrom(std::string_view text, std::size_t from, std::size_t to, bool backward);

} // namespace velmora::window

#pragma once

#include <chrono>
#include <optional>
#include <string_view>

namespace velmora::job {

// What a masked date entry reads when nothing has been typed into it.
inline constexpr std::string_view emptyMaskedDate = "____/__/__";

// The calendar date that a masked "yyyy/mm/dd" text stands for, or nothing
// when a place is unfilled or the date does not exist (2026/02/30, year 0).
std::optional<std::chrono::year_month_day> parseMaskedDate(std::string_view text);

} // namespace velmora::job

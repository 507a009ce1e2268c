#pragma once

#include <chrono>
#include <optional>
#include <string_view>

namespace velmora::job {

// The server certificate's validity, from the first second of the start date
// to the last of the end date, in UTC. The press takes it from the window
// once, so the CA certificate and the signing script cannot disagree on it.
struct Validity
{
    std::chrono::year_month_day start;
    std::chrono::year_month_day end;
};

// The masked dates as a validity; nothing when either is no date.
std::optional<Validity> validityOf(std::string_view startDateText, std::string_view endDateText);

// The days the CA certificate, made at the given moment, must be valid for to
// outlive the server certificate's last second by less than a day: the tool
// counts them from the moment it makes the certificate, not from the start
// date. Below 1 once the end date has passed.
int caDayCount(const Validity& validity, std::chrono::system_clock::time_point madeAt);

// The calendar days the server certificate is valid on, the start and end
// dates included: its life runs to the end date's last second, so it is
// longer than this count less one day.
int serverDayCount(const Validity& validity);

// The longest life Apple's systems take for a TLS server certificate, even
// from a CA the user trusts.
inline constexpr int longestServerLifeAppleTakes = 825;

} // namespace velmora::job

#include "job/Validity.h"

#include "job/MaskedDate.h"

namespace velmora::job {

std::optional<Validity> validityOf(std::string_view startDateText, std::string_view endDateText)
{
    const auto start = parseMaskedDate(startDateText);
    const auto end = parseMaskedDate(endDateText);
    if (!start || !end)
        return std::nullopt;
    return Validity {*start, *end};
}

// Made on day D at a time t, a CA valid for (end - D + 1) days ends on the day
// after the end date at t: after the end date's 23:59:59, by at most a day.
int caDayCount(const Validity& validity, std::chrono::system_clock::time_point madeAt)
{
    const auto madeOn = std::chrono::floor<std::chrono::days>(madeAt);
    return static_cast<int>((std::chrono::sys_days {validity.end} - madeOn).count()) + 1;
}

int serverDayCount(const Validity& validity)
{
    return static_cast<int>((std::chrono::sys_days {validity.end} - std::chrono::sys_days {validity.start}).count())
        + 1;
}

} // namespace velmora::job

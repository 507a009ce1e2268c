#include "window/FrmMainDescription.h"

#include "window/MaskedDateEntry.h"

#include <cstdlib>

namespace velmora::window {

std::size_t controlPosition(std::string_view name, int index)
{
    for (std::size_t position = 0; position < frmMainControls.size(); ++position)
        if (frmMainControls[position].name == name && frmMainControls[position].index == index)
            return position;
    std::abort();
}

DefaultDates defaultDates(std::chrono::year_month_day today)
{
    using namespace std::chrono;
    year_month_day later = today + years(1);
    if (!later.ok())
        later = later.year() / later.month() / last;
    return {maskedDate(today), maskedDate(later)};
}

std::optional<bool> requestFrameEnabled(int kindIndex)
{
    if (kindIndex == 0)
        return false;
    if (kindIndex == 1)
        return true;
    return std::nullopt;
}

std::string savePathTextForFolder(std::string folder)
{
    while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\'))
        folder.pop_back();
    return folder;
}

} // namespace velmora::window

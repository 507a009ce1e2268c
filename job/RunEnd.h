#pragma once

#include "job/BusyWindow.h"
#include "job/CleanUp.h"
#include "job/EarlierSet.h"
#include "job/Export.h"
#include "job/Messages.h"
#include "job/Press.h"

#include <string>

namespace velmora::job {

// What the end of a run that exported tells the user.
struct ExportReport
{
    ExportOutcome outcome {};
    std::string_view completion = messages::completed;
    EarlierSet earlierSet {};
    CleanUpOutcome cleanUp {};
};

// The end of a run that exported: the window back, then the completion with
// where an earlier set went; or, when the output folder lacks a file or the
// working folder kept one it should not have, a warning that names each and
// why.
void finishExport(const Press& press, BusyWindow& busy, const ExportReport& report, const std::string& outputFolder);

// The end of a run that stops: the window back, an empty status line, then
// why it stopped.
void endStoppedRun(const Press& press, BusyWindow& busy, const Stop& stop);

} // namespace velmora::job

#pragma once

#include "job/BusyWindow.h"
#include "job/Export.h"
#include "job/Messages.h"
#include "job/Press.h"

#include <string>

namespace velmora::job {

// The end of a run that exported: the window back, then the completion, or
// a warning naming what the output folder lacks and where its sources stay.
void finishExport(const Press& press, BusyWindow& busy, const ExportOutcome& outcome, const std::string& outputFolder,
                  std::string_view completion = messages::completed);

// The end of a run that stops: the window back, an empty status line, then
// why it stopped.
void stopBusy(const Press& press, BusyWindow& busy, const Stop& stop);

} // namespace velmora::job

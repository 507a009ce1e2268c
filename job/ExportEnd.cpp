#include "job/ExportEnd.h"

namespace velmora::job {

void stopBusy(const Press& press, BusyWindow& busy, const Stop& stop)
{
    busy.release();
    press.window.setStatusText({});
    showStop(press.window, stop);
}

void finishExport(const Press& press, BusyWindow& busy, const ExportOutcome& outcome, const std::string& outputFolder,
                  std::string_view completion)
{
    busy.release();
    press.window.setStatusText({});
    if (outcome.complete())
        return press.window.showInformation(std::string(completion));
    press.window.showWarning(messages::notExported(outputFolder, outcome.missingTargets, press.services.workingFolder));
}

} // namespace velmora::job

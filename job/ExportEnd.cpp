#include "job/ExportEnd.h"

#include "job/Messages.h"

namespace velmora::job {

void finishExport(const Press& press, BusyWindow& busy, const ExportOutcome& outcome, const std::string& outputFolder)
{
    busy.release();
    press.window.setStatusText({});
    if (outcome.complete())
        return press.window.showInformation(std::string(messages::completed));
    press.window.showWarning(messages::notExported(outputFolder, outcome.missingTargets, press.services.workingFolder));
}

} // namespace velmora::job

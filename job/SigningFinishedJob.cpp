#include "job/BusyWindow.h"
#include "job/CleanUp.h"
#include "job/Export.h"
#include "job/ExportEnd.h"
#include "job/FolderFiles.h"
#include "job/InputChecks.h"
#include "job/Messages.h"
#include "job/PressChecks.h"

namespace velmora::job {

namespace {

void signingFinished(const Press& press)
{
    const auto target = checkedTarget(press, runSigningFinishedChecks);
    if (!target)
        return;
    const OutputFolderClaim claim(*target);
    if (!findFile(press.workingFolder, toolFiles::serverCertificate))
        return press.window.showWarning(messages::notSigned(press.form.signingScript));
    BusyWindow busy(press.window);
    press.window.setStatusText(messages::exportStatus(target->outputFolder));
    press.pause();
    if (auto stop = workingFolderProblem(press))
        return stopBusy(press, busy, *stop);
    platform::writeTextLines(press.pathOf(toolFiles::serverNotice), {std::string(messages::serverNotice)},
                             press.services.codePage);
    const auto outputFolder = pathFromUtf8(target->outputFolder);
    const bool requestPasted = !findFile(press.workingFolder, toolFiles::serverKey);
    ExportReport report {exportFiles(press.workingFolder, outputFolder, clientAndServerRows(press.workingFolder)),
                         requestPasted ? messages::completedWithoutServerKey : messages::completed};
    if (requestPasted)
        removeServerKeys(outputFolder);
    report.cleanUp = cleanUpAfterSigning(press.workingFolder, report.outcome.sourcesToKeep, press.services.dispatch);
    finishExport(press, busy, report, target->outputFolder);
}

} // namespace

void runSigningFinishedJob(JobWindow& window, const JobServices& services)
{
    runGuarded(window, [&] { signingFinished(Press(window, services)); });
}

} // namespace velmora::job

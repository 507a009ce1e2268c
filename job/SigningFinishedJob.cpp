#include "job/BusyWindow.h"
#include "job/CleanUp.h"
#include "job/EarlierSet.h"
#include "job/Export.h"
#include "job/FolderFiles.h"
#include "job/InputChecks.h"
#include "job/Messages.h"
#include "job/PressChecks.h"
#include "job/RequestOrigin.h"
#include "job/RunEnd.h"

namespace velmora::job {

namespace {

// Every working file of the set: a press after the fault is mended exports
// the set again, whole, and nothing of it is deleted before then.
std::set<std::string> wholeSet(const std::vector<ExportRow>& rows)
{
    std::set<std::string> names {std::string(toolFiles::requestOrigin)};
    for (const auto& row : rows)
        names.insert(row.source);
    return names;
}

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
        return endStoppedRun(press, busy, *stop);
    platform::writeTextLines(press.pathOf(toolFiles::serverNotice), {std::string(messages::serverNotice)},
                             press.services.codePage);
    const auto outputFolder = pathFromUtf8(target->outputFolder);
    const bool requestPasted = requestWasPasted(press.workingFolder);
    const auto rows = clientAndServerRows(press.workingFolder, !requestPasted);
    const EarlierSet earlierSet = moveEarlierSet(press.workingFolder, outputFolder, rows, press.services.now());
    ExportOutcome outcome
        = earlierSet.problem ? nothingExported(rows) : exportFiles(press.workingFolder, outputFolder, rows);
    CleanUpOutcome cleanUp = cleanUpAfterSigning(
        press.workingFolder, outcome.complete() ? std::set<std::string> {} : wholeSet(rows), press.services.dispatch);
    finishExport(press, busy,
                 {std::move(outcome), requestPasted ? messages::completedWithoutServerKey : messages::completed,
                  earlierSet, std::move(cleanUp)},
                 target->outputFolder);
}

} // namespace

void runSigningFinishedJob(JobWindow& window, const JobServices& services)
{
    runGuarded(window, [&] { signingFinished(Press(window, services)); });
}

} // namespace velmora::job

#include "job/RunEnd.h"

namespace velmora::job {

void endStoppedRun(const Press& press, BusyWindow& busy, const Stop& stop)
{
    busy.release();
    press.window.setStatusText({});
    showStop(press.window, stop);
}

void finishExport(const Press& press, BusyWindow& busy, const ExportReport& report, const std::string& outputFolder)
{
    busy.release();
    press.window.setStatusText({});
    const std::string& workingFolder = press.services.workingFolder;
    std::vector<std::string> lines;
    if (report.earlierSet.problem)
        lines.push_back(*report.earlierSet.problem);
    if (report.outcome.complete())
        lines.emplace_back(report.completion);
    else
        lines.push_back(messages::notExported(outputFolder, report.outcome.missingTargets, workingFolder));
    if (!report.earlierSet.movedTo.empty())
        lines.push_back(messages::earlierSetMoved(report.earlierSet.movedTo));
    if (!report.cleanUp.notRemoved.empty())
        lines.push_back(messages::notRemoved(workingFolder, report.cleanUp.notRemoved));
    if (!report.cleanUp.notRestored.empty())
        lines.push_back(messages::notRestored(workingFolder, report.cleanUp.notRestored));
    std::string text;
    for (const auto& line : lines)
        text += (text.empty() ? "" : "\r\n") + line;
    // Anything short of a whole set and a clean folder is for the user to see to.
    if (report.outcome.complete() && report.cleanUp.clean())
        return press.window.showInformation(text);
    press.window.showWarning(text);
}

} // namespace velmora::job

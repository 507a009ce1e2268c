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
#include "job/ToolSteps.h"
#include "platform/VersionName.h"

#include <functional>
#include <initializer_list>
#include <utility>

namespace velmora::job {

namespace {

// A server certificate Apple's systems would refuse is made only when the
// user says so; No stops with the focus on the date to change.
Outcome serverLifeRefused(const Press& press, const Validity& validity)
{
    const int days = serverDayCount(validity);
    if (days <= longestServerLifeAppleTakes || press.window.askYesNo(messages::serverLifeQuestion(days)))
        return std::nullopt;
    return Stop {{}, InputControl::EndDate};
}

// What the press refuses before the user types a pass phrase: an end date
// that has passed and, for a server certificate, a host no certificate can
// name, a tool the signing script could not run, a life the user does not
// want, or a pasted request the tool cannot read.
Outcome pressProblem(const Press& press, const Validity& validity, const SiteHost& host)
{
    if (caDayCount(validity, press.services.now()) < 1)
        return Stop {std::string(messages::endDatePassed), InputControl::EndDate};
    if (!press.window.clientAndServerSelected())
        return std::nullopt;
    if (auto stop = hostProblem(host))
        return stop;
    if (auto stop = signingToolProblem(press))
        return stop;
    if (auto stop = serverLifeRefused(press, validity))
        return stop;
    return press.window.autoRequestChecked() ? std::nullopt : takePastedRequest(press);
}

// The steps of a run in order, with the pause between each and the next
// and, when asked, after the last: the one place the steps pause.
Outcome runInTurn(const Press& press, std::initializer_list<std::function<Outcome()>> steps, bool pauseAfterLast)
{
    bool first = true;
    for (const auto& step : steps) {
        if (!std::exchange(first, false))
            press.pause();
        if (auto stop = step())
            return stop;
    }
    if (pauseAfterLast)
        press.pause();
    return std::nullopt;
}

Outcome makeClientFiles(const Press& press, std::string_view prefix, const SiteHost& host, const Validity& validity)
{
    return runInTurn(press,
                     {[&] { return makeKey(press, prefix, messages::caKeyStatus, toolFiles::caKey); },
                      [&] { return makeCaCertificate(press, prefix, host, validity); }},
                     false);
}

// The request, and where it came from for the signing-finished press. A
// pasted request needs no server key: its own stays where it was made.
Outcome makeServerRequestFiles(const Press& press, std::string_view prefix, const SiteHost& host)
{
    // An earlier set's record must not speak for this one if the run stops.
    if (!removeFile(press.workingFolder, toolFiles::requestOrigin))
        return Stop {messages::stepFailed(toolFiles::requestOrigin), {}};
    const bool pasted = !press.window.autoRequestChecked();
    const auto stop = pasted
        ? takePastedRequest(press)
        : runInTurn(press,
                    {[&] { return makeKey(press, prefix, messages::serverKeyStatus, toolFiles::serverKey); },
                     [&] { return makeServerRequest(press, prefix, host); }},
                    false);
    if (stop)
        return stop;
    if (!recordRequestOrigin(press.pathOf(toolFiles::requestOrigin), pasted, press.services.codePage))
        return Stop {messages::stepFailed(toolFiles::requestOrigin), {}};
    return std::nullopt;
}

// The kind may have been switched since the press: the host and the life are
// checked again first.
Outcome makeServerFiles(const Press& press, std::string_view prefix, const SiteHost& host, const Validity& validity,
                        bool askedAtPress)
{
    const auto checks = [&]() -> Outcome {
        if (auto stop = hostProblem(host))
            return stop;
        return askedAtPress ? std::nullopt : serverLifeRefused(press, validity);
    };
    return runInTurn(press,
                     {checks, [&] { return makeServerRequestFiles(press, prefix, host); },
                      [&] { return writeSigningScript(press, validity, host); }},
                     true);
}

void exportClientOnly(const Press& press, BusyWindow& busy, const std::string& outputFolder)
{
    press.window.setStatusText(messages::exportStatus(outputFolder));
    press.pause();
    const auto rows = clientOnlyRows();
    if (auto stop = workingFolderProblem(press))
        return endStoppedRun(press, busy, *stop);
    // The kind may have been switched during the pause.
    if (!press.window.clientOnlySelected())
        return finishExport(press, busy, {nothingExported(rows)}, outputFolder);
    const auto output = pathFromUtf8(outputFolder);
    const EarlierSet earlierSet = moveEarlierSet(press.workingFolder, output, rows, press.services.now());
    // An earlier set that could not go keeps the new one out, whole in the working folder.
    ExportOutcome outcome = earlierSet.problem ? nothingExported(rows) : exportFiles(press.workingFolder, output, rows);
    CleanUpOutcome cleanUp = cleanUpClientOnly(press.workingFolder, outcome.sourcesToKeep);
    finishExport(press, busy, {std::move(outcome), messages::completed, earlierSet, std::move(cleanUp)}, outputFolder);
}

void handOff(const Press& press, BusyWindow& busy)
{
    busy.release();
    const std::string script = press.pathOf(press.form.signingScript);
    press.window.setStatusText(messages::runScriptStatus(script));
    press.window.showInformation(messages::handOff(script));
}

void generate(const Press& press)
{
    // What an earlier press left there says nothing about this one.
    press.window.setStatusText({});
    const auto target = checkedTarget(press, runGenerateChecks);
    if (!target)
        return;
    const OutputFolderClaim claim(*target);
    if (auto stop = toolFileProblem(press))
        return showStop(press.window, *stop);
    const SiteHost host = siteHostOf(target->siteName);
    const Validity& validity = target->validity.value();
    const bool serverAtPress = press.window.clientAndServerSelected();
    if (auto stop = pressProblem(press, validity, host))
        return showStop(press.window, *stop);
    const std::string prefix = platform::systemShellPrefix();
    BusyWindow busy(press.window);
    if (auto stop = makeClientFiles(press, prefix, host, validity))
        return endStoppedRun(press, busy, *stop);
    if (!press.window.clientAndServerSelected())
        return exportClientOnly(press, busy, target->outputFolder);
    if (auto stop = makeServerFiles(press, prefix, host, validity, serverAtPress))
        return endStoppedRun(press, busy, *stop);
    handOff(press, busy);
}

} // namespace

void runGenerateJob(JobWindow& window, const JobServices& services)
{
    runGuarded(window, [&] { generate(Press(window, services)); });
}

} // namespace velmora::job

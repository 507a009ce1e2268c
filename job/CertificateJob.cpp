#include "job/CertificateJob.h"

#include "job/CheckMessages.h"
#include "job/CleanUp.h"
#include "job/CommandLines.h"
#include "job/Export.h"
#include "job/FolderFiles.h"
#include "job/InputChecks.h"
#include "job/JobTexts.h"
#include "job/MaskedDate.h"
#include "job/SigningScript.h"
#include "job/SiteHost.h"
#include "job/ToolFiles.h"
#include "platform/Environment.h"
#include "platform/ShellAndWait.h"
#include "platform/VersionName.h"

#include <filesystem>

namespace velmora::job {

namespace fs = std::filesystem;

namespace {

// The names openssl.cnf takes its per-run defaults from.
constexpr const char* commonNameVariable = "VELMORA_COMMON_NAME";
constexpr const char* subjectAltNameVariable = "VELMORA_SUBJECT_ALT_NAME";

std::string caCommonName(const SiteHost& host)
{
    std::string name = "Velmora CA for " + host.name;
    return name.size() <= 64 ? name : "Velmora CA";
}

// Keeps the window busy for as long as it lives, unless told earlier.
class BusyWindow final
{
public:
    explicit BusyWindow(JobWindow& window)
        : window_(window)
    {
        window_.setBusy(true);
    }
    ~BusyWindow() { release(); }
    BusyWindow(const BusyWindow&) = delete;
    BusyWindow& operator=(const BusyWindow&) = delete;

    void release()
    {
        if (busy_)
            window_.setBusy(false);
        busy_ = false;
    }

private:
    JobWindow& window_;
    bool busy_ = true;
};

// One press of a job button, from its checks to its last message.
class JobRun final
{
public:
    JobRun(JobWindow& window, const JobServices& services)
        : window_(window)
        , services_(services)
        , form_(thisSystem())
        , commands_ {form_, services.appFolder}
        , appFolder_(pathFromUtf8(services.appFolder))
    {
    }

    void generate()
    {
        const auto target = runGenerateChecks(window_, form_.separator);
        if (!target || !toolFilesPresent())
            return;
        const SiteHost host = siteHostOf(target->siteName);
        BusyWindow busy(window_);
        if (!makeClientFiles(host))
            return stop(busy);
        if (!window_.clientAndServerSelected())
            return exportClientOnly(busy, target->outputFolder);
        if (!makeServerFiles(host) || !writeSigningScript())
            return stop(busy);
        handOff(busy);
    }

    void signingFinished()
    {
        const auto target = runSigningFinishedChecks(window_, form_.separator);
        if (!target)
            return;
        if (!findFile(appFolder_, toolFiles::serverCertificate)) {
            window_.showWarning(std::string(texts::notSignedBefore) + std::string(form_.signingScript)
                                + std::string(texts::notSignedAfter));
            return;
        }
        BusyWindow busy(window_);
        showExportStatus(target->outputFolder);
        pause();
        platform::writeTextLines(commands_.pathOf(toolFiles::serverNotice), {std::string(texts::serverNotice)},
                                 services_.codePage);
        const fs::path outputFolder = pathFromUtf8(target->outputFolder);
        const auto outcome = exportFiles(appFolder_, outputFolder, clientAndServerRows(appFolder_));
        cleanUpAfterSigning(appFolder_, outcome.sourcesToKeep, services_.dispatch);
        finish(busy, outcome, target->outputFolder);
    }

private:
    bool toolFilesPresent()
    {
        for (const auto name : {form_.toolFile, toolFiles::configuration}) {
            const std::string path = commands_.pathOf(name);
            std::error_code error;
            if (!fs::exists(pathFromUtf8(path), error)) {
                window_.showWarning(std::string(texts::toolMissingBefore) + path
                                    + std::string(texts::toolMissingAfter));
                return false;
            }
        }
        return true;
    }

    bool makeClientFiles(const SiteHost& host)
    {
        prefix_ = platform::GetShellPrefix(platform::GetOSName());
        const int days = dayCount(window_.startDateText(), window_.endDateText());
        if (!runStep(texts::caKeyStatus, commands_.caKey(window_.maxLenText()), toolFiles::caKey))
            return false;
        pause();
        // The CA's certificate names the CA: a subject equal to the server's
        // would make the server certificate look self-issued.
        platform::setInheritedVariable(commonNameVariable, caCommonName(host));
        return runStep(texts::caCertificateStatus, commands_.caCertificate(days), toolFiles::caCertificate);
    }

    bool makeServerFiles(const SiteHost& host)
    {
        pause();
        if (!runStep(texts::serverKeyStatus, commands_.serverKey(window_.maxLenText()), toolFiles::serverKey))
            return false;
        pause();
        platform::setInheritedVariable(commonNameVariable, host.name);
        platform::setInheritedVariable(subjectAltNameVariable, host.subjectAltName());
        if (!runStep(texts::serverRequestStatus, commands_.serverRequest(), toolFiles::serverRequest))
            return false;
        return window_.autoRequestChecked() || replaceRequestWithPasted();
    }

    // One tool step. The file it must leave is removed first, so a file
    // from an earlier run cannot pass for its result.
    bool runStep(std::string_view status, const std::string& command, std::string_view producedFile)
    {
        window_.setStatusText(std::string(status));
        if (!removeFile(appFolder_, producedFile))
            return failedToProduce(producedFile);
        if (!platform::ShellAndWait(prefix_, command, services_.console, services_.dispatch)) {
            failure_ = std::string(texts::noConsole);
            return false;
        }
        services_.dispatch(std::chrono::milliseconds::zero());
        return produced(producedFile);
    }

    bool produced(std::string_view fileName) { return findFile(appFolder_, fileName) || failedToProduce(fileName); }

    bool failedToProduce(std::string_view fileName)
    {
        failure_ = std::string(texts::stepFailedBefore) + std::string(fileName) + std::string(texts::stepFailedAfter);
        return false;
    }

    bool replaceRequestWithPasted()
    {
        removeFile(appFolder_, toolFiles::serverRequest);
        services_.dispatch(std::chrono::milliseconds::zero());
        return platform::writeTextLines(commands_.pathOf(toolFiles::serverRequest), {window_.serverRequestText()},
                                        services_.codePage)
            || failedToProduce(toolFiles::serverRequest);
    }

    bool writeSigningScript()
    {
        pause();
        window_.setStatusText(std::string(texts::signingScriptStatus));
        // The dates may have changed since the checks; the script needs real ones.
        const auto start = parseMaskedDate(window_.startDateText());
        const auto end = parseMaskedDate(window_.endDateText());
        if (!start || !end) {
            failure_ = std::string(start ? messages::endDateInvalid : messages::startDateInvalid);
            return false;
        }
        const std::string path = commands_.pathOf(form_.signingScript);
        const bool posix = form_.shell == Shell::Posix;
        if (!platform::writeTextLines(path, signingScriptLines(form_, *start, *end), services_.codePage,
                                      posix ? platform::LineEnd::Lf : platform::LineEnd::CrLf))
            return failedToProduce(form_.signingScript);
        if (posix) {
            std::error_code error;
            fs::permissions(pathFromUtf8(path),
                            fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec
                                | fs::perms::others_read | fs::perms::others_exec,
                            fs::perm_options::replace, error);
        }
        services_.dispatch(std::chrono::milliseconds::zero());
        pause();
        return true;
    }

    void handOff(BusyWindow& busy)
    {
        busy.release();
        const std::string script = commands_.pathOf(form_.signingScript);
        window_.setStatusText(std::string(texts::runScriptStatus) + script);
        window_.showInformation(std::string(texts::handOffBefore) + std::string(texts::lineBreak) + script
                                + std::string(texts::lineBreak) + std::string(texts::handOffAfter));
    }

    void exportClientOnly(BusyWindow& busy, const std::string& outputFolder)
    {
        showExportStatus(outputFolder);
        pause();
        const auto rows = clientOnlyRows();
        if (!window_.clientOnlySelected())
            return finish(busy, nothingExported(rows), outputFolder);
        const auto outcome = exportFiles(appFolder_, pathFromUtf8(outputFolder), rows);
        cleanUpClientOnly(appFolder_, outcome.sourcesToKeep);
        finish(busy, outcome, outputFolder);
    }

    void showExportStatus(const std::string& outputFolder)
    {
        window_.setStatusText(std::string(texts::exportStatusBefore) + outputFolder
                              + std::string(texts::exportStatusAfter));
    }

    void finish(BusyWindow& busy, const ExportOutcome& outcome, const std::string& outputFolder)
    {
        busy.release();
        window_.setStatusText({});
        if (outcome.complete())
            return window_.showInformation(std::string(texts::completed));
        const std::string lineBreak(texts::lineBreak);
        std::string message = std::string(texts::notExportedBefore) + outputFolder + ":" + lineBreak;
        for (const auto& name : outcome.missingTargets)
            message += name + lineBreak;
        window_.showWarning(message + std::string(texts::sourcesKeptBefore) + services_.appFolder);
    }

    void stop(BusyWindow& busy)
    {
        busy.release();
        window_.setStatusText({});
        window_.showWarning(failure_);
    }

    void pause() { platform::pauseDispatchingEvents(services_.pauseLength, services_.dispatch); }

    JobWindow& window_;
    const JobServices& services_;
    const SystemForm& form_;
    const ToolCommands commands_;
    const fs::path appFolder_;
    std::string prefix_;
    std::string failure_;
};

} // namespace

void runGenerateJob(JobWindow& window, const JobServices& services)
{
    JobRun(window, services).generate();
}

void runSigningFinishedJob(JobWindow& window, const JobServices& services)
{
    JobRun(window, services).signingFinished();
}

} // namespace velmora::job

#include "job/CertificateJob.h"

#include "job/BusyWindow.h"
#include "job/CheckMessages.h"
#include "job/CleanUp.h"
#include "job/CommandLines.h"
#include "job/Export.h"
#include "job/FolderFiles.h"
#include "job/InputChecks.h"
#include "job/JobTexts.h"
#include "job/KeyLength.h"
#include "job/MaskedDate.h"
#include "job/SigningScript.h"
#include "job/SiteHost.h"
#include "job/ToolFiles.h"
#include "platform/ShellAndWait.h"
#include "platform/VersionName.h"

#include <filesystem>
#include <optional>

namespace velmora::job {

namespace fs = std::filesystem;

namespace {

// The names openssl.cnf takes its per-run defaults from.
constexpr const char* commonNameVariable = "VELMORA_COMMON_NAME";
constexpr const char* subjectAltNameVariable = "VELMORA_SUBJECT_ALT_NAME";
// Makes the Windows tool take its arguments (and pass phrases) as UTF-8
// instead of in the ANSI code page; other systems' tools do not look at it.
constexpr const char* toolReadsUtf8Variable = "OPENSSL_WIN32_UTF8";

std::string caCommonName(const SiteHost& host)
{
    std::string name = "Velmora CA for " + host.name;
    return name.size() <= 64 ? name : "Velmora CA";
}

std::string join(std::initializer_list<std::string_view> pieces)
{
    std::string text;
    for (const auto piece : pieces)
        text += piece;
    return text;
}

// Why a run stopped, and where the user can mend it.
struct Stop
{
    std::string message;
    std::optional<InputControl> focus;
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
        if (!appFolderUsable())
            return;
        const auto target = runGenerateChecks(window_, form_.separator);
        if (!target || !usableOutputFolder(target->outputFolder) || !toolFilesPresent())
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
        if (!appFolderUsable())
            return;
        const auto target = runSigningFinishedChecks(window_, form_.separator);
        if (!target || !usableOutputFolder(target->outputFolder))
            return;
        if (!findFile(appFolder_, toolFiles::serverCertificate))
            return window_.showWarning(join({texts::notSignedBefore, form_.signingScript, texts::notSignedAfter}));
        BusyWindow busy(window_);
        showExportStatus(target->outputFolder);
        pause();
        platform::writeTextLines(commands_.pathOf(toolFiles::serverNotice), {std::string(texts::serverNotice)},
                                 services_.codePage);
        const auto outcome
            = exportFiles(appFolder_, pathFromUtf8(target->outputFolder), clientAndServerRows(appFolder_));
        cleanUpAfterSigning(appFolder_, outcome.sourcesToKeep, services_.dispatch);
        finish(busy, outcome, target->outputFolder);
    }

private:
    bool appFolderUsable()
    {
        const auto reason = folderProblemText();
        if (!reason)
            return true;
        const std::string why = reason->empty() ? "" : join({", ", *reason});
        window_.showWarning(join({texts::folderUnusableBefore, services_.appFolder, why, texts::folderUnusableAfter}));
        return false;
    }

    // Why the working folder cannot be used, empty when no reason is known;
    // nothing when it can.
    std::optional<std::string_view> folderProblemText() const
    {
        using enum platform::FolderProblem;
        switch (services_.appFolderProblem) {
        case None: break;
        case CannotPrepare: return "";
        case NotAFolder: return texts::folderNotAFolder;
        case IsALink: return texts::folderIsALink;
        case OwnedByAnother: return texts::folderOwnedByAnother;
        case OthersMayWrite: return texts::folderOthersMayWrite;
        }
        // cmd.exe expands %NAME% even inside quotes: the tool would be given
        // another folder's files.
        if (form_.shell == Shell::Cmd && services_.appFolder.find('%') != std::string::npos)
            return texts::folderNameRewritten;
        return std::nullopt;
    }

    // The export into the application folder itself would copy files onto
    // themselves and the clean-up would then delete them.
    bool usableOutputFolder(const std::string& outputFolder)
    {
        std::error_code error;
        if (!fs::equivalent(pathFromUtf8(outputFolder), appFolder_, error))
            return true;
        window_.showWarning(std::string(messages::outputIsAppFolder));
        window_.setFocusTo(InputControl::SavePath);
        return false;
    }

    bool toolFilesPresent()
    {
        for (const auto name : {form_.toolFile, toolFiles::configuration}) {
            const std::string path = commands_.pathOf(name);
            std::error_code error;
            if (!fs::exists(pathFromUtf8(path), error)) {
                window_.showWarning(join({texts::toolMissingBefore, path, texts::toolMissingAfter}));
                return false;
            }
        }
        return true;
    }

    bool makeClientFiles(const SiteHost& host)
    {
        prefix_ = platform::GetShellPrefix(platform::GetOSName());
        const int days = dayCount(window_.startDateText(), window_.endDateText());
        if (!runKeyStep(texts::caKeyStatus, toolFiles::caKey))
            return false;
        pause();
        // The CA's certificate names the CA: a subject equal to the server's
        // would make the server certificate look self-issued.
        return runStep(texts::caCertificateStatus, commands_.caCertificate(days), toolFiles::caCertificate,
                       toolEnvironment({{commonNameVariable, caCommonName(host)}}));
    }

    bool makeServerFiles(const SiteHost& host)
    {
        pause();
        if (!runKeyStep(texts::serverKeyStatus, toolFiles::serverKey))
            return false;
        pause();
        if (!runStep(
                texts::serverRequestStatus, commands_.serverRequest(), toolFiles::serverRequest,
                toolEnvironment({{commonNameVariable, host.name}, {subjectAltNameVariable, host.subjectAltName()}})))
            return false;
        return window_.autoRequestChecked() || replaceRequestWithPasted();
    }

    // The length is read when the step runs and may have changed since the
    // checks; it reaches the tool only as a length.
    bool runKeyStep(std::string_view status, std::string_view keyFile)
    {
        const std::string keyLength = window_.maxLenText();
        if (!isAcceptableKeyLength(keyLength))
            return stopWith(std::string(messages::keyLengthInvalid), InputControl::MaxLen);
        return runStep(status, commands_.key(keyFile, keyLength), keyFile, toolEnvironment());
    }

    // What the tool's process gets in its environment for a step: the
    // step's values for the configuration file and, only where a folder name
    // the ANSI code page lacks needs it, UTF-8 arguments. Otherwise the tool
    // reads as the signing script, started by the user, finds it: a pass
    // phrase typed there must match the key's.
    platform::EnvironmentValues toolEnvironment(platform::EnvironmentValues values = {}) const
    {
        if (!platform::encodeText(services_.appFolder, services_.codePage))
            values.emplace_back(toolReadsUtf8Variable, "1");
        return values;
    }

    // One tool step. The file it must leave is removed first, so a file
    // from an earlier run cannot pass for its result.
    bool runStep(std::string_view status, const std::string& command, std::string_view producedFile,
                 const platform::EnvironmentValues& environment)
    {
        window_.setStatusText(std::string(status));
        if (!removeFile(appFolder_, producedFile))
            return failedToProduce(producedFile);
        if (!platform::ShellAndWait(prefix_, command, services_.console, services_.dispatch, environment))
            return stopWith(std::string(texts::noConsole));
        services_.dispatch(std::chrono::milliseconds::zero());
        if (holdsSomething(producedFile))
            return true;
        // A console closed at a prompt leaves an empty file: nothing may
        // take it for a key later.
        removeFile(appFolder_, producedFile);
        return failedToProduce(producedFile);
    }

    bool holdsSomething(std::string_view fileName) const
    {
        const auto file = findFile(appFolder_, fileName);
        std::error_code error;
        return file && fs::file_size(*file, error) > 0 && !error;
    }

    bool replaceRequestWithPasted()
    {
        removeFile(appFolder_, toolFiles::serverRequest);
        services_.dispatch(std::chrono::milliseconds::zero());
        const std::string request = window_.serverRequestText();
        if (request.empty()) // emptied, or the automatic request turned off, since the checks
            return stopWith(std::string(messages::serverRequestMissing), InputControl::SrvReq);
        return platform::writeTextLines(commands_.pathOf(toolFiles::serverRequest), {request}, services_.codePage)
            || failedToProduce(toolFiles::serverRequest);
    }

    bool writeSigningScript()
    {
        pause();
        window_.setStatusText(std::string(texts::signingScriptStatus));
        // The dates may have changed since the checks; the script needs real ones.
        const auto start = parseMaskedDate(window_.startDateText());
        const auto end = parseMaskedDate(window_.endDateText());
        if (!start || !end)
            return start ? stopWith(std::string(messages::endDateInvalid), InputControl::EndDate)
                         : stopWith(std::string(messages::startDateInvalid), InputControl::StartDate);
        // A certificate an earlier script signed must not pass for this one's.
        const std::string path = commands_.pathOf(form_.signingScript);
        const bool posix = form_.shell == Shell::Posix;
        if (!removeFile(appFolder_, toolFiles::serverCertificate)
            || !platform::writeTextLines(path, signingScriptLines(form_, *start, *end), services_.codePage,
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
        window_.setStatusText(join({texts::runScriptStatus, script}));
        window_.showInformation(
            join({texts::handOffBefore, texts::lineBreak, script, texts::lineBreak, texts::handOffAfter}));
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
        window_.setStatusText(join({texts::exportStatusBefore, outputFolder, texts::exportStatusAfter}));
    }

    void finish(BusyWindow& busy, const ExportOutcome& outcome, const std::string& outputFolder)
    {
        busy.release();
        window_.setStatusText({});
        if (outcome.complete())
            return window_.showInformation(std::string(texts::completed));
        std::string message = join({texts::notExportedBefore, outputFolder, ":", texts::lineBreak});
        for (const auto& name : outcome.missingTargets)
            message += join({name, texts::lineBreak});
        window_.showWarning(join({message, texts::sourcesKeptBefore, services_.appFolder}));
    }

    bool failedToProduce(std::string_view fileName)
    {
        return stopWith(join({texts::stepFailedBefore, fileName, texts::stepFailedAfter}));
    }

    bool stopWith(std::string message, std::optional<InputControl> focus = std::nullopt)
    {
        stop_ = {std::move(message), focus};
        return false;
    }

    void stop(BusyWindow& busy)
    {
        busy.release();
        window_.setStatusText({});
        window_.showWarning(stop_.message);
        if (stop_.focus)
            window_.setFocusTo(*stop_.focus);
    }

    void pause() { platform::pauseDispatchingEvents(services_.pauseLength, services_.dispatch); }

    JobWindow& window_;
    const JobServices& services_;
    const SystemForm& form_;
    const ToolCommands commands_;
    const fs::path appFolder_;
    std::string prefix_;
    Stop stop_;
};

// A file-system error the job did not foresee (a path the system cannot
// convert, say) ends the run with a message, not the program.
template <typename Run>
void runGuarded(JobWindow& window, Run run)
{
    try {
        run();
    } catch (const std::exception&) {
        window.setStatusText({});
        window.showWarning(join({texts::stepFailedBefore, "SSL 憑證", texts::stepFailedAfter}));
    }
}

} // namespace

void runGenerateJob(JobWindow& window, const JobServices& services)
{
    runGuarded(window, [&] { JobRun(window, services).generate(); });
}

void runSigningFinishedJob(JobWindow& window, const JobServices& services)
{
    runGuarded(window, [&] { JobRun(window, services).signingFinished(); });
}

} // namespace velmora::job

#include "job/ToolSteps.h"

#include "job/FolderFiles.h"
#include "job/KeyLength.h"
#include "job/Messages.h"
#include "job/PressChecks.h"
#include "job/SigningScript.h"
#include "platform/ShellAndWait.h"

namespace velmora::job {

namespace fs = std::filesystem;

namespace {

Stop failedToProduce(std::string_view fileName)
{
    return {messages::stepFailed(fileName), {}};
}

// What the tool's process gets in its environment: the configuration file
// that was checked, which it then reads instead of its built-in one, the
// step's values for that file and, only where a folder name the ANSI code
// page lacks needs it, UTF-8 arguments. Otherwise the tool reads as it does
// when the user starts the signing script: a pass phrase typed there must
// match. Every other variable of the tool's the user's environment holds is
// left out by the runner.
platform::EnvironmentValues toolEnvironment(const Press& press, platform::EnvironmentValues values = {})
{
    values.emplace_back(toolVariables::configuration, press.pathOf(toolFiles::configuration));
    if (press.toolReadsUtf8())
        values.emplace_back(toolVariables::readsUtf8, "1");
    return values;
}

bool holdsSomething(const Press& press, std::string_view fileName)
{
    const auto file = findFile(press.workingFolder, fileName);
    std::error_code error;
    return file && fs::file_size(*file, error) > 0 && !error;
}

// One run of the tool in a console: the status line it shows, the file it
// must leave, its arguments after the tool (the working files by their
// toolFiles names) and what it adds to the tool's environment.
struct ToolStep
{
    std::string_view status;
    std::string_view producedFile;
    std::vector<std::string> arguments;
    platform::EnvironmentValues environment {};
};

// The file the step must leave is removed first, so a file from an earlier
// run cannot pass for its result.
Outcome runStep(const Press& press, std::string_view prefix, const ToolStep& step)
{
    press.window.setStatusText(std::string(step.status));
    if (auto stop = workingFolderProblem(press))
        return stop;
    if (!removeFile(press.workingFolder, step.producedFile))
        return failedToProduce(step.producedFile);
    const auto& services = press.services;
    if (!platform::ShellAndWait(prefix, press.commands.line(step.arguments), services.console, services.dispatch,
                                toolEnvironment(press, step.environment)))
        return Stop {std::string(messages::noConsole), {}};
    press.dispatch();
    if (holdsSomething(press, step.producedFile))
        return std::nullopt;
    // A console closed at a prompt leaves an empty file: nothing may take it
    // for a key later.
    removeFile(press.workingFolder, step.producedFile);
    return failedToProduce(step.producedFile);
}

std::string caCommonName(const SiteHost& host)
{
    std::string name = "Velmora CA for " + host.name;
    return name.size() <= 64 ? name : "Velmora CA";
}

} // namespace

// The steps, each as its command names the tool's files. The length is read
// when the step runs and may have changed since the checks; it reaches the
// tool only as a length.
Outcome makeKey(const Press& press, std::string_view prefix, std::string_view status, std::string_view keyFile)
{
    const std::string keyLength = press.window.text(InputControl::MaxLen);
    if (!isAcceptableKeyLength(keyLength))
        return Stop {std::string(messages::keyLengthInvalid), InputControl::MaxLen};
    const auto file = [&](std::string_view name) { return press.commands.fileArgument(name); };
    return runStep(press, prefix, {status, keyFile, {"genrsa", "-des3", "-out", file(keyFile), keyLength}});
}

// The CA's certificate names the CA: a subject equal to the server's would
// make the server certificate look self-issued.
Outcome makeCaCertificate(const Press& press, std::string_view prefix, const SiteHost& host, const Validity& validity)
{
    // Counted now, as the step starts: the press may have been a day ago.
    const int days = caDayCount(validity, press.services.now());
    if (days < 1)
        return Stop {std::string(messages::endDatePassed), InputControl::EndDate};
    const auto file = [&](std::string_view name) { return press.commands.fileArgument(name); };
    return runStep(press, prefix,
                   {messages::caCertificateStatus,
                    toolFiles::caCertificate,
                    {"req", "-config", file(toolFiles::configuration), "-new", "-x509", "-days", std::to_string(days),
                     "-key", file(toolFiles::caKey), "-out", file(toolFiles::caCertificate)},
                    {{std::string(configurationVariables::commonName), caCommonName(host)}}});
}

Outcome makeServerRequest(const Press& press, std::string_view prefix, const SiteHost& host)
{
    const auto file = [&](std::string_view name) { return press.commands.fileArgument(name); };
    return runStep(press, prefix,
                   {messages::serverRequestStatus,
                    toolFiles::serverRequest,
                    {"req", "-config", file(toolFiles::configuration), "-new", "-key", file(toolFiles::serverKey),
                     "-out", file(toolFiles::serverRequest)},
                    {{std::string(configurationVariables::commonName), host.name},
                     {std::string(configurationVariables::subjectAltName), host.subjectAltName()}}});
}

Outcome takePastedRequest(const Press& press)
{
    if (!removeFile(press.workingFolder, toolFiles::serverKey)
        || !removeFile(press.workingFolder, toolFiles::serverRequest))
        return failedToProduce(toolFiles::serverRequest);
    const std::string request = press.window.text(InputControl::SrvReq);
    if (request.empty()) // emptied, or the automatic request turned off, since the checks
        return Stop {std::string(messages::serverRequestMissing), InputControl::SrvReq};
    const std::string path = press.pathOf(toolFiles::serverRequest);
    if (!platform::writeTextLines(path, {request}, press.services.codePage))
        return failedToProduce(toolFiles::serverRequest);
    if (press.services.runHidden(press.commands.requestCheck(), toolEnvironment(press), press.services.workingFolder)
        == 0)
        return std::nullopt;
    removeFile(press.workingFolder, toolFiles::serverRequest);
    return Stop {std::string(messages::serverRequestUnreadable), InputControl::SrvReq};
}

// A batch file is read in the ANSI code page: a folder of the tool's that it
// cannot spell there, it could not run the tool from.
Outcome signingToolProblem(const Press& press)
{
    const std::string& folder = press.services.toolFolder;
    if (press.form.shell != Shell::Cmd || folder.empty() || platform::encodeText(folder, press.services.codePage))
        return std::nullopt;
    return Stop {messages::toolFolderNotInCodePage(folder), {}};
}

Outcome hostProblem(const SiteHost& host)
{
    if (host.isCertificateName())
        return std::nullopt;
    return Stop {std::string(messages::urlInvalid), InputControl::Url};
}

Outcome writeSigningScript(const Press& press, const Validity& validity, const SiteHost& host)
{
    press.window.setStatusText(std::string(messages::signingScriptStatus));
    // A certificate an earlier script signed must not pass for this one's.
    const std::string path = press.pathOf(press.form.signingScript);
    const bool posix = press.form.shell == Shell::Posix;
    const SigningTool tool {press.services.toolFolder.empty() ? std::string() : press.commands.toolPath(),
                            press.toolReadsUtf8()};
    if (!removeFile(press.workingFolder, toolFiles::serverCertificate)
        || !platform::writeTextLines(path, signingScriptLines(press.form, validity, host.subjectAltName(), tool),
                                     press.services.codePage, posix ? platform::LineEnd::Lf : platform::LineEnd::CrLf))
        return failedToProduce(press.form.signingScript);
    // A script the user cannot run is no hand-off.
    std::error_code error;
    if (posix)
        fs::permissions(pathFromUtf8(path), fs::perms(0755), fs::perm_options::replace, error);
    if (error)
        return failedToProduce(press.form.signingScript);
    press.dispatch();
    return std::nullopt;
}

} // namespace velmora::job

#include "job/PressChecks.h"

#include "job/FolderFiles.h"
#include "job/Messages.h"

namespace velmora::job {

namespace fs = std::filesystem;

namespace {

std::string_view reasonText(platform::FolderProblem problem)
{
    using enum platform::FolderProblem;
    switch (problem) {
    case None:
    case CannotPrepare: break;
    case NotAFolder: return messages::folderNotAFolder;
    case IsALink: return messages::folderIsALink;
    case OwnedByAnother: return messages::folderOwnedByAnother;
    case OthersMayWrite: return messages::folderOthersMayWrite;
    case Replaced: return messages::folderReplaced;
    }
    return "";
}

// The reason, naming the folder above or the file behind where that is at fault.
std::string reasonFor(const platform::TrustProblem& problem, std::string_view path)
{
    const std::string_view reason = reasonText(problem.problem);
    if (problem.at.empty() || problem.at == path || reason.empty())
        return std::string(reason);
    return problem.at + " " + std::string(reason);
}

Outcome outputFolderProblem(const Press& press, const std::string& outputFolder)
{
    std::error_code error;
    if (fs::equivalent(pathFromUtf8(outputFolder), press.workingFolder, error))
        return Stop {std::string(messages::outputIsWorkingFolder), InputControl::SavePath};
    if (const auto problem = platform::folderTrustProblem(outputFolder, false))
        return Stop {messages::outputFolderUnusable(outputFolder, reasonFor(problem, outputFolder)),
                     InputControl::SavePath};
    return std::nullopt;
}

// The tool's files that are there: a file another account may change would
// run its code, or sign with its database, in the user's name.
Outcome untrustedToolFile(const Press& press)
{
    for (const std::string& path : {press.commands.toolPath(), press.pathOf(toolFiles::configuration),
                                    press.pathOf(toolFiles::databaseIndex), press.pathOf(toolFiles::databaseSerial)}) {
        std::error_code error;
        if (!fs::exists(fs::symlink_status(pathFromUtf8(path), error)))
            continue;
        if (const auto problem = platform::fileTrustProblem(path))
            return Stop {messages::toolFileUnusable(path, reasonFor(problem, path)), {}};
    }
    return std::nullopt;
}

} // namespace

// cmd.exe expands %NAME% even inside quotes: the tool would be given
// another folder's files, or another program would run.
Outcome rewrittenFolderName(const Press& press, const std::string& folder)
{
    if (press.form.shell == Shell::Cmd && folder.find('%') != std::string::npos)
        return Stop {messages::folderUnusable(folder, messages::folderNameRewritten), {}};
    return std::nullopt;
}

// The tool's own folder, where it lies apart from the working folder: another
// account that could change it, or the configuration shipped there that the
// working folder's copy is made from, could change what the tool does.
Outcome toolFolderProblem(const Press& press)
{
    const std::string& folder = press.services.toolFolder;
    if (folder.empty())
        return std::nullopt;
    if (const auto problem = platform::folderTrustProblem(folder, true))
        return Stop {messages::programFolderUnusable(folder, reasonFor(problem, folder)), {}};
    const std::string shipped = folder + press.form.separator + std::string(toolFiles::configuration);
    std::error_code error;
    if (fs::exists(fs::symlink_status(pathFromUtf8(shipped), error)))
        if (const auto problem = platform::fileTrustProblem(shipped))
            return Stop {messages::toolFileUnusable(shipped, reasonFor(problem, shipped)), {}};
    return rewrittenFolderName(press, folder);
}

Outcome workingFolderProblem(const Press& press)
{
    const std::string& folder = press.services.workingFolder;
    platform::TrustProblem problem {press.services.workingFolderProblem, folder};
    if (!problem)
        problem = platform::folderTrustProblem(folder, true);
    if (!problem && platform::folderIdentity(folder) != press.workingFolderIdentity)
        problem = {platform::FolderProblem::Replaced, folder};
    if (problem)
        return Stop {messages::folderUnusable(folder, reasonFor(problem, folder)), {}};
    if (auto stop = rewrittenFolderName(press, folder))
        return stop;
    return toolFolderProblem(press);
}

std::optional<CheckedTarget> checkedTarget(const Press& press, WindowChecks windowChecks)
{
    Outcome stop = workingFolderProblem(press);
    if (!stop)
        stop = untrustedToolFile(press);
    std::optional<CheckedTarget> target;
    if (!stop) {
        target = windowChecks(press.window, press.form);
        if (target)
            stop = outputFolderProblem(press, target->outputFolder);
        if (target && stop)
            takeBackOutputFolder(*target);
    }
    if (!stop)
        return target;
    showStop(press.window, *stop);
    return std::nullopt;
}

Outcome toolFileProblem(const Press& press)
{
    for (const std::string& path : {press.commands.toolPath(), press.pathOf(toolFiles::configuration)}) {
        std::error_code error;
        if (!fs::exists(pathFromUtf8(path), error))
            return Stop {messages::toolMissing(path), {}};
    }
    return std::nullopt;
}

} // namespace velmora::job

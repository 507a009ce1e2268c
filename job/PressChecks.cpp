#include "job/PressChecks.h"

#include "job/FolderFiles.h"
#include "job/Messages.h"

namespace velmora::job {

namespace fs = std::filesystem;

namespace {

// Why the working folder cannot be used, empty when no reason is known;
// nothing when it can.
std::optional<std::string_view> folderProblemText(const Press& press)
{
    using enum platform::FolderProblem;
    switch (press.services.workingFolderProblem) {
    case None: break;
    case CannotPrepare: return "";
    case NotAFolder: return messages::folderNotAFolder;
    case IsALink: return messages::folderIsALink;
    case OwnedByAnother: return messages::folderOwnedByAnother;
    case OthersMayWrite: return messages::folderOthersMayWrite;
    }
    // cmd.exe expands %NAME% even inside quotes: the tool would be given
    // another folder's files.
    if (press.form.shell == Shell::Cmd && press.services.workingFolder.find('%') != std::string::npos)
        return messages::folderNameRewritten;
    return std::nullopt;
}

Outcome workingFolderProblem(const Press& press)
{
    if (const auto reason = folderProblemText(press))
        return Stop {messages::folderUnusable(press.services.workingFolder, *reason), {}};
    return std::nullopt;
}

Outcome outputFolderProblem(const Press& press, const std::string& outputFolder)
{
    std::error_code error;
    if (!fs::equivalent(pathFromUtf8(outputFolder), press.workingFolder, error))
        return std::nullopt;
    return Stop {std::string(messages::outputIsWorkingFolder), InputControl::SavePath};
}

} // namespace

std::optional<CheckedTarget> checkedTarget(const Press& press, WindowChecks windowChecks)
{
    Outcome stop = workingFolderProblem(press);
    std::optional<CheckedTarget> target;
    if (!stop) {
        target = windowChecks(press.window, press.form.separator);
        if (target)
            stop = outputFolderProblem(press, target->outputFolder);
    }
    if (!stop)
        return target;
    showStop(press.window, *stop);
    return std::nullopt;
}

Outcome toolFileProblem(const Press& press)
{
    for (const auto name : {press.form.toolFile, toolFiles::configuration}) {
        const std::string path = press.pathOf(name);
        std::error_code error;
        if (!fs::exists(pathFromUtf8(path), error))
            return Stop {messages::toolMissing(path), {}};
    }
    return std::nullopt;
}

} // namespace velmora::job

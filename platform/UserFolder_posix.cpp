#include "platform/UserFolder_posix.h"

#include <filesystem>
#include <functional>
#include <system_error>

namespace velmora::platform {

namespace fs = std::filesystem;

namespace {

// A link of the given name to a shipped file, pointed at the current target
// so a moved or upgraded program is followed. What else stands at the name
// is replaced unless it may stay.
bool linkTo(const fs::path& target, const fs::path& link, const std::function<bool(const fs::path&)>& mayStay)
{
    std::error_code error;
    const auto status = fs::symlink_status(link, error);
    if (fs::is_symlink(status) && fs::read_symlink(link, error) == target)
        return true;
    if (fs::exists(status) && !fs::is_symlink(status) && mayStay(link))
        return true;
    fs::remove(link, error);
    return fs::create_symlink(target, link, error), !error;
}

// The user's own configuration, as long as no other account may change it.
bool isTheUsersOwnFile(const fs::path& file)
{
    return fs::is_regular_file(fs::symlink_status(file)) && fileProblem(file.string()) == FolderProblem::None;
}

// Made for the user alone in one step, so it is never open to others in
// between; one that is there already must be the user's alone.
FolderProblem makeUserFolder(const fs::path& folder)
{
    std::error_code error;
    fs::create_directories(folder.parent_path(), error);
    if (!makePrivateFolder(folder.string()))
        return FolderProblem::CannotPrepare;
    return folderProblem(folder.string(), false);
}

// The tool itself rather than the executable folder's link to it, so the
// per-user folder names the system's tool as the executable folder does.
fs::path toolOf(const fs::path& shippedLink)
{
    std::error_code error;
    const fs::path tool = fs::canonical(shippedLink, error);
    return error ? shippedLink : tool;
}

// A database is copied only where there is none: once a job has used it, it
// is the user's, and the tool must be able to update it even when the
// shipped copy is read-only.
bool copyUnlessPresent(const fs::path& source, const fs::path& target)
{
    std::error_code error;
    if (fs::exists(fs::symlink_status(target, error)))
        return true;
    if (!fs::copy_file(source, target, error))
        return false;
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, error);
    return true;
}

} // namespace

WorkingFolder prepareWorkingFolder(const std::string& executableFolder, const std::string& userFolder,
                                   const ShippedFiles& files, const FolderTest& writable)
{
    // The tool and the configuration come from here, whichever folder runs them.
    if (const auto problem = folderProblem(executableFolder, true); problem != FolderProblem::None)
        return {executableFolder, problem};
    if (writable(executableFolder))
        return {executableFolder, FolderProblem::None};
    if (userFolder.empty())
        return {executableFolder, FolderProblem::CannotPrepare};
    const fs::path from {executableFolder}, to {userFolder};
    // Keys lie here between the steps of a job.
    if (const auto problem = makeUserFolder(to); problem != FolderProblem::None)
        return {userFolder, problem};
    bool ready = linkTo(from / files.configuration, to / files.configuration, isTheUsersOwnFile)
        && linkTo(toolOf(from / files.tool), to / files.tool, [](const fs::path&) { return false; });
    for (const auto& name : files.database)
        ready = copyUnlessPresent(from / name, to / name) && ready;
    return {userFolder, ready && writable(userFolder) ? FolderProblem::None : FolderProblem::CannotPrepare};
}

} // namespace velmora::platform

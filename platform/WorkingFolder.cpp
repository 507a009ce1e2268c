#include "platform/WorkingFolder.h"

#include <filesystem>
#include <system_error>

namespace velmora::platform {

namespace fs = std::filesystem;

namespace {

// A link of the given name to a shipped file. A link is pointed at the
// current target, so a moved or upgraded program is followed; anything else
// of that name is the user's own and stays.
void linkTo(const fs::path& target, const fs::path& link)
{
    std::error_code error;
    const auto status = fs::symlink_status(link, error);
    if (fs::is_symlink(status)) {
        if (fs::read_symlink(link, error) == target)
            return;
        fs::remove(link, error);
    } else if (fs::exists(status)) {
        return;
    }
    fs::create_symlink(target, link, error);
}

// The tool itself rather than the executable folder's link to it, so the
// per-user folder names the system's tool as the executable folder does.
fs::path toolOf(const fs::path& executableFolder)
{
    std::error_code error;
    const fs::path tool = fs::canonical(executableFolder / "openssl", error);
    return error ? executableFolder / "openssl" : tool;
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

std::string perUserFolder(std::string_view xdgDataHome, std::string_view home)
{
    if (xdgDataHome.starts_with('/'))
        return std::string(xdgDataHome) + "/velmora";
    if (home.empty())
        return {};
    return std::string(home) + "/.local/share/velmora";
}

WorkingFolder prepareWorkingFolder(const std::string& executableFolder, const std::string& userFolder,
                                   const FolderTest& writable)
{
    if (writable(executableFolder))
        return {executableFolder, true};
    if (userFolder.empty())
        return {executableFolder, false};
    const fs::path from {executableFolder}, to {userFolder};
    std::error_code error;
    // Keys lie here between the steps of a job: the folder is the user's alone.
    if (fs::create_directories(to, error))
        fs::permissions(to, fs::perms::owner_all, error);
    if (!fs::is_directory(to, error))
        return {userFolder, false};
    linkTo(from / "openssl.cnf", to / "openssl.cnf");
    linkTo(toolOf(from), to / "openssl");
    bool databasePresent = true;
    for (const char* name : {"ca.db.index", "ca.db.serial"})
        databasePresent = copyUnlessPresent(from / name, to / name) && databasePresent;
    return {userFolder, databasePresent && writable(userFolder)};
}

} // namespace velmora::platform

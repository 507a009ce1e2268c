#include "platform/WorkingFolder.h"

#include <cerrno>
#include <cstdlib>
#include <grp.h>
#include <pwd.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace velmora::platform {

namespace {

// The group that only the user is in, named after the user, as Debian gives
// every account: its write bit lets no other account in.
bool isPrivateGroupOf(gid_t groupId, uid_t userId)
{
    std::vector<char> accountText(16384), groupText(16384);
    passwd account {};
    group found {};
    passwd* accountFound = nullptr;
    group* groupFound = nullptr;
    if (getpwuid_r(userId, &account, accountText.data(), accountText.size(), &accountFound) != 0 || !accountFound
        || getgrgid_r(groupId, &found, groupText.data(), groupText.size(), &groupFound) != 0 || !groupFound)
        return false;
    const std::string_view name = account.pw_name;
    const bool noOtherMember = !found.gr_mem[0] || (found.gr_mem[0] == name && !found.gr_mem[1]);
    return account.pw_gid == groupId && found.gr_name == name && noOtherMember;
}

FolderProblem problemOf(const std::string& path, bool wantFolder, bool rootMayOwn)
{
    struct stat facts
    {
    };
    if (lstat(path.c_str(), &facts) != 0)
        return FolderProblem::CannotPrepare;
    if (S_ISLNK(facts.st_mode))
        return FolderProblem::IsALink;
    if (wantFolder ? !S_ISDIR(facts.st_mode) : !S_ISREG(facts.st_mode))
        return FolderProblem::NotAFolder;
    const uid_t user = geteuid();
    if (facts.st_uid != user && !(rootMayOwn && facts.st_uid == 0))
        return FolderProblem::OwnedByAnother;
    if ((facts.st_mode & S_IWOTH) || ((facts.st_mode & S_IWGRP) && !isPrivateGroupOf(facts.st_gid, user)))
        return FolderProblem::OthersMayWrite;
    return FolderProblem::None;
}

} // namespace

FolderProblem folderProblem(const std::string& folder, bool rootMayOwn)
{
    return problemOf(folder, true, rootMayOwn);
}

FolderProblem fileProblem(const std::string& file)
{
    return problemOf(file, false, true);
}

bool makePrivateFolder(const std::string& folder)
{
    return mkdir(folder.c_str(), S_IRWXU) == 0 || errno == EEXIST;
}

bool folderIsWritable(const std::string& folder)
{
    if (folder.empty() || access(folder.c_str(), W_OK) != 0)
        return false;
    std::string probe = folder + "/.velmora-write-XXXXXX";
    const int file = mkstemp(probe.data());
    if (file < 0)
        return false;
    close(file);
    unlink(probe.c_str());
    return true;
}

WorkingFolder workingFolder(const std::string& executableFolder, const std::string& userFolder,
                            const ShippedFiles& files)
{
    return prepareWorkingFolder(executableFolder, userFolder, files);
}

} // namespace velmora::platform

#include "platform/FolderTrust.h"

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace velmora::platform {

namespace fs = std::filesystem;

namespace {

bool hasOwner(const struct stat& facts, bool rootMayOwn)
{
    return facts.st_uid == geteuid() || (rootMayOwn && facts.st_uid == 0);
}

// No account but the user's has the group as its primary group: such an
// account is in it without being listed as a member.
bool noOtherAccountHasAsPrimary(gid_t groupId, uid_t userId)
{
    std::vector<char> text(16384);
    passwd entry {};
    passwd* found = nullptr;
    bool alone = true;
    setpwent();
    while (alone && getpwent_r(&entry, text.data(), text.size(), &found) == 0 && found)
        alone = found->pw_gid != groupId || found->pw_uid == userId;
    endpwent();
    return alone;
}

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
    return account.pw_gid == groupId && found.gr_name == name && noOtherMember
        && noOtherAccountHasAsPrimary(groupId, userId);
}

bool othersMayWrite(const struct stat& facts)
{
    return (facts.st_mode & S_IWOTH) || ((facts.st_mode & S_IWGRP) && !isPrivateGroupOf(facts.st_gid, geteuid()));
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
    if (!hasOwner(facts, rootMayOwn))
        return FolderProblem::OwnedByAnother;
    if (othersMayWrite(facts))
        return FolderProblem::OthersMayWrite;
    return FolderProblem::None;
}

// The folders above the entry, from its own folder up to the root, with the
// links among them resolved.
TrustProblem ancestorsProblem(const fs::path& entry)
{
    char resolved[PATH_MAX];
    if (!realpath(fs::absolute(entry).parent_path().c_str(), resolved))
        return {FolderProblem::CannotPrepare, entry.parent_path().string()};
    struct stat child
    {
    };
    if (lstat(entry.c_str(), &child) != 0)
        return {FolderProblem::CannotPrepare, entry.string()};
    for (fs::path folder = resolved;; folder = folder.parent_path()) {
        struct stat facts
        {
        };
        if (stat(folder.c_str(), &facts) != 0 || !S_ISDIR(facts.st_mode))
            return {FolderProblem::NotAFolder, folder.string()};
        if (!hasOwner(facts, true))
            return {FolderProblem::OwnedByAnother, folder.string()};
        // In a sticky folder only an entry's owner (and root) may rename or remove it.
        if (othersMayWrite(facts) && !((facts.st_mode & S_ISVTX) && hasOwner(child, true)))
            return {FolderProblem::OthersMayWrite, folder.string()};
        if (folder == folder.root_path())
            return {};
        child = facts;
    }
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

TrustProblem folderTrustProblem(const std::string& folder, bool rootMayOwn)
{
    if (const auto problem = folderProblem(folder, rootMayOwn); problem != FolderProblem::None)
        return {problem, folder};
    return ancestorsProblem(folder);
}

TrustProblem fileTrustProblem(const std::string& file)
{
    fs::path path = file;
    // As many links as the system itself follows.
    for (int links = 0; links < 40; ++links) {
        struct stat facts
        {
        };
        if (lstat(path.c_str(), &facts) != 0)
            return {FolderProblem::CannotPrepare, path.string()};
        if (!S_ISLNK(facts.st_mode)) {
            if (const auto problem = fileProblem(path.string()); problem != FolderProblem::None)
                return {problem, path.string()};
            return ancestorsProblem(path);
        }
        if (!hasOwner(facts, true))
            return {FolderProblem::OwnedByAnother, path.string()};
        if (auto problem = ancestorsProblem(path))
            return problem;
        std::error_code error;
        const fs::path target = fs::read_symlink(path, error);
        if (error)
            return {FolderProblem::CannotPrepare, path.string()};
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return {FolderProblem::IsALink, file};
}

std::optional<std::string> findTrustedProgram(std::string_view name, std::string_view searchPath)
{
    for (std::size_t begin = 0; begin <= searchPath.size();) {
        const std::size_t end = std::min(searchPath.find(':', begin), searchPath.size());
        const std::string entry(searchPath.substr(begin, end - begin));
        begin = end + 1;
        char resolved[PATH_MAX];
        if (!entry.starts_with('/') || !realpath(entry.c_str(), resolved) || folderTrustProblem(resolved, true))
            continue;
        const std::string program = std::string(resolved) + "/" + std::string(name);
        if (access(program.c_str(), X_OK) == 0 && !fileTrustProblem(program))
            return program;
    }
    return std::nullopt;
}

std::optional<FolderIdentity> folderIdentity(const std::string& folder)
{
    struct stat facts
    {
    };
    if (lstat(folder.c_str(), &facts) != 0)
        return std::nullopt;
    return FolderIdentity {static_cast<unsigned long long>(facts.st_dev),
                           static_cast<unsigned long long>(facts.st_ino)};
}

} // namespace velmora::platform

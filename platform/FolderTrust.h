#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora::platform {

// Why a folder may not hold the tool, its configuration and the keys.
enum class FolderProblem {
    None,
    CannotPrepare, // it could not be made, or given the tool's files
    NotAFolder,
    IsALink, // what it leads to can be swapped
    OwnedByAnother, // an account other than the user's (or, for the program's own, root's)
    OthersMayWrite, // the other write bit, or a group's that is not the user's private one
    Replaced, // another stands under its name since the press
};

// What keeps a folder another account could change from holding the job's
// files: OpenSSH and GnuPG refuse their own folders on the same grounds.
// Root may own the program's own folder, not the user's.
FolderProblem folderProblem(const std::string& folder, bool rootMayOwn);
// The same for a file in the user's folder, which the user or root may own.
FolderProblem fileProblem(const std::string& file);

// Why a path cannot be trusted, and the path at fault: the path itself, a
// folder above it, or a link or file it leads to.
struct TrustProblem
{
    FolderProblem problem = FolderProblem::None;
    std::string at;
    explicit operator bool() const { return problem != FolderProblem::None; }
};

// A folder that keys lie in or the tool runs from: it passes folderProblem,
// and so does every folder above it up to the root, where root may own them,
// except that a folder with the sticky bit (as /tmp has) may be open to all
// when the entry below it is the user's or root's. Nobody else can then
// rename it away and put another in its place.
TrustProblem folderTrustProblem(const std::string& folder, bool rootMayOwn);

// A file the tool reads or runs: every link on the way to it and the file
// itself owned by the user or root, the file writable by nobody else, and
// its folder trusted as above.
TrustProblem fileTrustProblem(const std::string& file);

// The program of that name in the first absolute entry of the search path
// (PATH's form) that is a trusted folder and holds it; nothing when none
// does. Empty and relative entries, which name the current folder, are
// passed over.
std::optional<std::string> findTrustedProgram(std::string_view name, std::string_view searchPath);

// What tells a folder from another put in its place under the same name.
struct FolderIdentity
{
    unsigned long long device = 0;
    unsigned long long node = 0;
    bool operator==(const FolderIdentity&) const = default;
};
std::optional<FolderIdentity> folderIdentity(const std::string& folder);

} // namespace velmora::platform

#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

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

// The folder a job keeps the tool's configuration and the keys in, and what
// keeps it from being used, if anything; and the folder the tool is run from
// when it is not there.
struct WorkingFolder
{
    std::string path;
    FolderProblem problem = FolderProblem::CannotPrepare;
    std::string toolFolder {}; // empty: the tool is in the working folder
    bool usable() const { return problem == FolderProblem::None; }
};

// What keeps a folder another account could change from holding the job's
// files: OpenSSH and GnuPG refuse their own folders on the same grounds.
// Root may own the program's own folder, not the user's.
FolderProblem folderProblem(const std::string& folder, bool rootMayOwn);
// The same for a file in the user's folder, which the user or root may own.
FolderProblem fileProblem(const std::string& file);
// Makes the folder with room for its owner alone, by one mkdir with that
// mode; true also when something of that name is there already. (On Windows
// the folder takes the access list of the one above it: an output folder's
// certificates are for others to read.)
bool makePrivateFolder(const std::string& folder);
// The same, but true only when this call made the folder: a name that is
// taken already gives false, so a caller can claim a fresh name, and knows
// what it may take back.
bool makeNewPrivateFolder(const std::string& folder);

// Whether files can really be made in the folder: the system's permission
// check alone would pass an administrator everywhere, even on a folder whose
// writes fail.
bool folderIsWritable(const std::string& folder);
using FolderTest = std::function<bool(const std::string& folder)>;

// What the program's own folder ships for a job, by name.
struct ShippedFiles
{
    std::string tool; // linked to where the program's own link leads
    std::string configuration; // linked
    std::vector<std::string> database; // copied: the tool updates it
};

// The executable's folder when it is writable, as a build or a copy in a
// folder of the user's own is. An installed program's folder is not: then the
// per-user folder is made, for the user alone, and given what the
// executable's folder holds: links to its openssl.cnf and to its tool and a
// copy of its empty CA database. A database or a configuration file the user
// already has stays, unless others may write the configuration; anything
// else in the tool's place is replaced by the link. A folder another account
// could change is never used: the result names it and why.
WorkingFolder prepareWorkingFolder(const std::string& executableFolder, const std::string& userFolder,
                                   const ShippedFiles& files, const FolderTest& writable = folderIsWritable);

// The working folder of the running program, made ready. Elsewhere as
// prepareWorkingFolder chooses. On Windows always the user's folder, made for
// the user alone and given a copy of the executable folder's configuration
// (each start: it follows the program's) and of its empty CA database (only
// where there is none), while the tool runs from the executable's folder,
// which is never written: it may be read-only, or the user's Downloads. The
// functions above that choose between the two folders exist only on POSIX.
WorkingFolder workingFolder(const std::string& executableFolder, const std::string& userFolder,
                            const ShippedFiles& files);

} // namespace velmora::platform

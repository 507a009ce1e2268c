#pragma once

#include "platform/FolderTrust.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::platform {

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

// Makes the folder with room for its owner alone, by one mkdir with that
// mode; true also when something of that name is there already. (On Windows
// the folder takes the access list of the one above it: an output folder's
// certificates are for others to read.)
bool makePrivateFolder(const std::string& folder);
// The same, but true only when this call made the folder: a name that is
// taken already gives false, so a caller can claim a fresh name, and knows
// what it may take back.
bool makeNewPrivateFolder(const std::string& folder);

// What the program's own folder ships for a job, by name.
struct ShippedFiles
{
    std::string tool; // linked to where the program's own link leads
    std::string configuration; // linked
    std::vector<std::string> database; // copied: the tool updates it
};

// The working folder of the running program, made ready. Elsewhere as
// prepareWorkingFolder chooses. On Windows always the user's folder, made for
// the user alone and given a copy of the executable folder's configuration
// (each start: it follows the program's) and of its empty CA database (only
// where there is none), while the tool runs from the executable's folder,
// which is never written: it may be read-only, or the user's Downloads.
WorkingFolder workingFolder(const std::string& executableFolder, const std::string& userFolder,
                            const ShippedFiles& files);

} // namespace velmora::platform

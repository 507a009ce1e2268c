#pragma once

#include "platform/EventWait.h"

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace velmora::job {

// What the clean-up left for the user to see to: files it could not delete,
// and database files it could not put back from their backups.
struct CleanUpOutcome
{
    std::vector<std::string> notRemoved;
    std::vector<std::string> notRestored;

    bool clean() const { return notRemoved.empty() && notRestored.empty(); }
};

// After the client-only export: the CA key and certificate go, unless a copy
// made from them failed, so nothing is lost that the output folder lacks.
CleanUpOutcome cleanUpClientOnly(const std::filesystem::path& workingFolder,
                                 const std::set<std::string>& sourcesToKeep);

// After the client-and-server export: every working file goes but those to
// keep, then the CA database returns to its state from before the signing.
// A current database file is replaced only by a backup that exists, so the
// folder never loses its database.
CleanUpOutcome cleanUpAfterSigning(const std::filesystem::path& workingFolder,
                                   const std::set<std::string>& sourcesToKeep,
                                   const platform::DispatchEvents& dispatch);

} // namespace velmora::job

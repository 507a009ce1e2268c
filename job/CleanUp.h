#pragma once

#include "platform/EventWait.h"

#include <filesystem>
#include <set>
#include <string>

namespace velmora::job {

// After the client-only export: the CA key and certificate go, unless a copy
// made from them failed, so nothing is lost that the output folder lacks.
void cleanUpClientOnly(const std::filesystem::path& workingFolder, const std::set<std::string>& sourcesToKeep);

// After the client-and-server export: every working file goes but those a
// failed copy was made from, then the CA database returns to its state from
// before the signing. A current database file is replaced only by a backup
// that exists, so the folder never loses its database.
void cleanUpAfterSigning(const std::filesystem::path& workingFolder, const std::set<std::string>& sourcesToKeep,
                         const platform::DispatchEvents& dispatch);

} // namespace velmora::job

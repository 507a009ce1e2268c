#pragma once

#include "platform/WorkingFolder.h"

#include <functional>
#include <string>

namespace velmora::platform {

// Whether files can really be made in the folder: the system's permission
// check alone would pass an administrator everywhere, even on a folder whose
// writes fail.
bool folderIsWritable(const std::string& folder);
using FolderTest = std::function<bool(const std::string& folder)>;

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

} // namespace velmora::platform

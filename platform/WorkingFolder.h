#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace velmora::platform {

// The folder a job keeps the tool's files and its working files in, and
// whether it could be made ready for them.
struct WorkingFolder
{
    std::string path;
    bool usable = false;
};

// Whether files can really be made in the folder: the system's permission
// check alone would pass an administrator everywhere, even on a folder whose
// writes fail.
bool folderIsWritable(const std::string& folder);
using FolderTest = std::function<bool(const std::string& folder)>;

// The user's own folder for Velmora's working files: "velmora" under the XDG
// data home, which is $XDG_DATA_HOME when that is an absolute path and
// $HOME/.local/share otherwise. Empty when neither variable gives a folder.
std::string perUserFolder(std::string_view xdgDataHome, std::string_view home);

// The executable's folder when it is writable, as a build or a copy in a
// folder of the user's own is. An installed program's folder is not: then the
// per-user folder is made and given what the executable's folder holds, links
// to its openssl.cnf and to its tool and a copy of its empty CA database,
// without replacing a database or a configuration file the user already has.
WorkingFolder prepareWorkingFolder(const std::string& executableFolder, const std::string& userFolder,
                                   const FolderTest& writable = folderIsWritable);

// The working folder of the running program, made ready: on Windows always
// the executable's folder, elsewhere as prepareWorkingFolder chooses. The
// functions above exist only where the program's own folder may be closed
// to its user, so not on Windows.
WorkingFolder workingFolder();

} // namespace velmora::platform

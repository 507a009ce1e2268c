#include "job/CleanUp.h"

#include "job/FolderFiles.h"
#include "job/ToolFiles.h"

#include <vector>

namespace velmora::job {

namespace fs = std::filesystem;

namespace {

void removeUnlessKept(const fs::path& folder, const std::string& name, const std::set<std::string>& sourcesToKeep,
                      CleanUpOutcome& outcome)
{
    if (!sourcesToKeep.contains(name) && !removeFile(folder, name))
        outcome.notRemoved.push_back(name);
}

std::string backupOf(std::string_view name)
{
    return std::string(name) + std::string(toolFiles::backupSuffix);
}

void restoreDatabase(const fs::path& workingFolder, const platform::DispatchEvents& dispatch, CleanUpOutcome& outcome)
{
    const std::vector<std::string_view> databaseFiles {toolFiles::databaseIndex, toolFiles::databaseSerial,
                                                       toolFiles::databaseAttributes};
    // Only a file whose backup exists is replaced, and the backup takes its
    // place in one rename, so no failure can leave the folder without it.
    // Spellings in another letter case go first: they are the same file on
    // Windows, and would stay beside the restored one elsewhere.
    std::vector<std::pair<fs::path, fs::path>> restorable; // backup, file it becomes
    for (const auto name : databaseFiles) {
        if (const auto backup = findFile(workingFolder, backupOf(name))) {
            const auto current = findFile(workingFolder, name);
            if (current && current->filename() != pathFromUtf8(name) && !removeFile(workingFolder, name))
                outcome.notRemoved.push_back(platform::utf8FromPath(current->filename()));
            restorable.emplace_back(*backup, workingFolder / pathFromUtf8(name));
        }
    }
    // Made by the signing when the folder had none before it: nothing to keep.
    if (!findFile(workingFolder, backupOf(toolFiles::databaseAttributes)))
        removeUnlessKept(workingFolder, std::string(toolFiles::databaseAttributes), {}, outcome);
    dispatch(std::chrono::milliseconds::zero());
    for (const auto& [backup, restored] : restorable) {
        std::error_code error;
        fs::rename(backup, restored, error);
        if (error)
            outcome.notRestored.push_back(platform::utf8FromPath(restored.filename()));
    }
}

} // namespace

CleanUpOutcome cleanUpClientOnly(const fs::path& workingFolder, const std::set<std::string>& sourcesToKeep)
{
    CleanUpOutcome outcome;
    removeUnlessKept(workingFolder, std::string(toolFiles::caKey), sourcesToKeep, outcome);
    removeUnlessKept(workingFolder, std::string(toolFiles::caCertificate), sourcesToKeep, outcome);
    return outcome;
}

CleanUpOutcome cleanUpAfterSigning(const fs::path& workingFolder, const std::set<std::string>& sourcesToKeep,
                                   const platform::DispatchEvents& dispatch)
{
    CleanUpOutcome outcome;
    for (const auto name : {toolFiles::caKey, toolFiles::caCertificate, toolFiles::serverKey, toolFiles::serverRequest,
                            toolFiles::serverCertificate, toolFiles::serverNotice, toolFiles::requestOrigin})
        removeUnlessKept(workingFolder, std::string(name), sourcesToKeep, outcome);
    for (const auto suffix : {".pem", ".rnd"})
        for (const auto& name : fileNamesEndingIn(workingFolder, suffix))
            removeUnlessKept(workingFolder, name, sourcesToKeep, outcome);
    restoreDatabase(workingFolder, dispatch, outcome);
    return outcome;
}

} // namespace velmora::job

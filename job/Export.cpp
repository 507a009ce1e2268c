#include "job/Export.h"

#include "job/FolderFiles.h"
#include "job/ToolFiles.h"

#include <algorithm>
#include <array>

namespace velmora::job {

namespace fs = std::filesystem;

namespace {

bool isPrivateKey(std::string_view target)
{
    constexpr std::array<std::string_view, 3> privateKeys {"client.key", "server.key", "privkey.pem"};
    return std::find(privateKeys.begin(), privateKeys.end(), target) != privateKeys.end();
}

bool copyRow(const fs::path& workingFolder, const fs::path& outputFolder, const ExportRow& row)
{
    const auto source = findFile(workingFolder, row.source);
    if (!source)
        return false;
    const fs::path target = outputFolder / pathFromUtf8(row.target);
    std::error_code error;
    // An older target goes first. The new file then takes the source's
    // permissions, so a key is never readable through an older file's looser
    // ones, not even until the change below; and the Windows build's library
    // cannot copy over an existing file (it takes any two for the same one).
    if (fs::is_directory(target, error))
        return false;
    fs::remove(target, error);
    if (error || !fs::copy_file(*source, target, error))
        return false;
    if (isPrivateKey(row.target))
        fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::replace, error);
    return !error;
}

} // namespace

std::vector<ExportRow> clientOnlyRows()
{
    return {
        {std::string(toolFiles::caKey), "client.key"},
        {std::string(toolFiles::caCertificate), "client.crt"},
        {std::string(toolFiles::caCertificate), "client.cer"},
    };
}

std::vector<ExportRow> serverKeyRows()
{
    return {
        {std::string(toolFiles::serverKey), "server.key"},
        {std::string(toolFiles::serverKey), "privkey.pem"},
    };
}

std::vector<ExportRow> clientAndServerRows(const fs::path& workingFolder)
{
    auto rows = clientOnlyRows();
    if (findFile(workingFolder, toolFiles::serverKey)) {
        const auto keyRows = serverKeyRows();
        rows.insert(rows.end(), keyRows.begin(), keyRows.end());
    }
    rows.insert(rows.end(),
                {
                    {std::string(toolFiles::serverRequest), "server.csr"},
                    {std::string(toolFiles::serverCertificate), "server.crt"},
                    {std::string(toolFiles::serverNotice), "server.cer"},
                });
    for (const auto& name : fileNamesEndingIn(workingFolder, ".pem"))
        rows.push_back({name, name});
    return rows;
}

void removeServerKeys(const fs::path& outputFolder)
{
    for (const auto& row : serverKeyRows())
        removeFile(outputFolder, row.target);
}

ExportOutcome exportFiles(const fs::path& workingFolder, const fs::path& outputFolder,
                          const std::vector<ExportRow>& rows)
{
    ExportOutcome outcome;
    for (const auto& row : rows) {
        if (!copyRow(workingFolder, outputFolder, row)) {
            outcome.missingTargets.push_back(row.target);
            outcome.sourcesToKeep.insert(row.source);
        }
    }
    return outcome;
}

ExportOutcome nothingExported(const std::vector<ExportRow>& rows)
{
    ExportOutcome outcome;
    for (const auto& row : rows) {
        outcome.missingTargets.push_back(row.target);
        outcome.sourcesToKeep.insert(row.source);
    }
    return outcome;
}

} // namespace velmora::job

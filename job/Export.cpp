#include "job/Export.h"

#include "job/FolderFiles.h"
#include "job/ToolFiles.h"
#include "platform/TextFile.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>

namespace velmora::job {

namespace fs = std::filesystem;

namespace {

bool isPrivateKey(std::string_view target)
{
    constexpr std::array<std::string_view, 3> privateKeys {"client.key", "server.key", "privkey.pem"};
    return std::find(privateKeys.begin(), privateKeys.end(), target) != privateKeys.end();
}

// The copy replaces the target in one step: a full disk or any other failure
// leaves an older target whole, never half a key.
bool copyRow(const fs::path& workingFolder, const fs::path& outputFolder, const ExportRow& row)
{
    const auto source = findFile(workingFolder, row.source);
    if (!source)
        return false;
    std::ifstream file(*source, std::ios::binary);
    if (!file)
        return false;
    const std::string bytes {std::istreambuf_iterator<char> {file}, {}};
    return platform::replaceFileWith(platform::utf8FromPath(outputFolder / pathFromUtf8(row.target)), bytes,
                                     isPrivateKey(row.target) ? platform::Readers::OwnerAlone
                                                              : platform::Readers::Anyone);
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

std::vector<ExportRow> clientAndServerRows(const fs::path& workingFolder, bool withServerKey)
{
    auto rows = clientOnlyRows();
    if (withServerKey)
        rows.insert(rows.end(),
                    {
                        {std::string(toolFiles::serverKey), "server.key"},
                        {std::string(toolFiles::serverKey), "privkey.pem"},
                    });
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

bool isExportedName(std::string_view name)
{
    // privkey.pem is among the .pem files.
    constexpr std::array<std::string_view, 7> fixedNames {"client.key", "client.crt", "client.cer", "server.key",
                                                          "server.csr", "server.crt", "server.cer"};
    return std::any_of(fixedNames.begin(), fixedNames.end(),
                       [name](std::string_view fixed) { return sameNameIgnoringCase(name, fixed); })
        || (name.size() > 4 && sameNameIgnoringCase(name.substr(name.size() - 4), ".pem"));
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

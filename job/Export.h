#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::job {

// One copy from the working folder into the output folder.
struct ExportRow
{
    std::string source;
    std::string target;
};

// The client files: the CA's own key and certificate.
std::vector<ExportRow> clientOnlyRows();
// The client files, the server files, the notice file and every .pem file the
// signing left in the working folder, in that order. The server key, twice,
// unless the request was pasted: its key is where the request was made.
std::vector<ExportRow> clientAndServerRows(const std::filesystem::path& workingFolder, bool withServerKey);

// A name an export of either kind writes into the output folder: one of the
// fixed names, or a .pem file, as the tool's copies of a certificate are.
bool isExportedName(std::string_view name);

// What did not reach the output folder.
struct ExportOutcome
{
    std::vector<std::string> missingTargets;
    std::set<std::string> sourcesToKeep; // a copy made from them failed

    bool complete() const { return missingTargets.empty(); }
};

// Copies every row, replacing files of the same name. Private keys end up
// readable by their owner alone, also where they replace a readable file.
ExportOutcome exportFiles(const std::filesystem::path& workingFolder, const std::filesystem::path& outputFolder,
                          const std::vector<ExportRow>& rows);

// A row whose copy was not made at all counts as not exported.
ExportOutcome nothingExported(const std::vector<ExportRow>& rows);

} // namespace velmora::job

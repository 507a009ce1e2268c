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
// The server key, twice.
std::vector<ExportRow> serverKeyRows();
// The client files, the server files, the notice file and every .pem file the
// signing left in the working folder, in that order. The server key only
// when the working folder holds one: a pasted request's key is elsewhere.
std::vector<ExportRow> clientAndServerRows(const std::filesystem::path& workingFolder);

// After a pasted request's certificate: a server key an earlier run put in the
// output folder does not belong to it, and a web server given the two
// would refuse to start.
void removeServerKeys(const std::filesystem::path& outputFolder);

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

#include "job/RequestOrigin.h"

#include "job/FolderFiles.h"
#include "job/ToolFiles.h"

#include <fstream>

namespace velmora::job {

namespace {

constexpr std::string_view pastedWord = "pasted";
constexpr std::string_view madeWord = "made";

} // namespace

bool recordRequestOrigin(const std::string& path, bool pasted, const platform::CodePage& codePage)
{
    return platform::writeTextLines(path, {std::string(pasted ? pastedWord : madeWord)}, codePage);
}

bool requestWasPasted(const std::filesystem::path& workingFolder)
{
    const auto record = findFile(workingFolder, toolFiles::requestOrigin);
    if (!record)
        return false;
    std::ifstream file(*record, std::ios::binary);
    std::string word;
    file >> word;
    return word == pastedWord;
}

} // namespace velmora::job

#pragma once

#include "platform/TextFile.h"

#include <filesystem>
#include <string>

namespace velmora::job {

// Records in the working folder whether the server request was pasted (its
// key is where it was made) or made by the tool with a server key here.
bool recordRequestOrigin(const std::string& path, bool pasted, const platform::CodePage& codePage);

// What the generate press recorded. Without a record the key is expected:
// a set reported short of a key it never had is mended by a look, a key
// taken for absent is lost.
bool requestWasPasted(const std::filesystem::path& workingFolder);

} // namespace velmora::job

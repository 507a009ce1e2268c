#pragma once

#include <string>

namespace velmora::job {

// Whether the output folder is there, and whether this press made it.
struct OutputFolderState
{
    bool present = false;
    bool made = false;
};

// Makes the output folder, for the user alone, when nothing of that name
// exists yet: this one folder only, never its parents. A file of that name, a
// missing parent or an impossible name leave it not present.
OutputFolderState ensureOutputFolder(const std::string& path);

// A press that stops before it exports takes back the folder it made, while
// that is still empty: a refused press leaves nothing behind.
void takeBackOutputFolder(const std::string& path, const OutputFolderState& state);

} // namespace velmora::job

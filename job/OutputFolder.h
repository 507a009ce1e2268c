#pragma once

#include <string>

namespace velmora::job {

// Makes the output folder, for the user alone, when nothing of that name
// exists yet: this one folder only, never its parents. True when a folder of that name is there
// afterwards; a file of that name, a missing parent or an impossible name
// give false.
bool ensureOutputFolder(const std::string& path);

} // namespace velmora::job

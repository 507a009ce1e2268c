#pragma once

#include <string>
#include <utility>
#include <vector>

namespace velmora::platform {

// Variables a started command gets on top of this process's environment, as
// name and value. They go to that child alone: this process's own
// environment is never changed, as other threads may read it at any time.
using EnvironmentValues = std::vector<std::pair<std::string, std::string>>;

// A child's environment entries ("NAME=VALUE"): the given ones, each value
// set over an entry of the same name. Windows names match in any letter case.
// Every child is a run of the OpenSSL tool, which reads its configuration,
// modules and engines from where OPENSSL_* variables point: none the user's
// environment holds reaches it, only those in the values.
std::vector<std::string> environmentWith(std::vector<std::string> entries, const EnvironmentValues& values,
                                         bool namesIgnoreCase);

} // namespace velmora::platform

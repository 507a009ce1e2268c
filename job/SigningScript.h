#pragma once

#include "job/ToolFiles.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::job {

// A time stamp as the tool's "ca" command takes it, in UTC: two-digit years
// for 1950 to 2049, which the tool reads back as the same year, four digits
// for every other year, which it would otherwise read a century off.
std::string signingTimestamp(std::chrono::year_month_day date, std::string_view timeOfDay);

// The command that signs the server request with the CA, valid from the first
// second of the start date to the last of the end date. Files are named
// without a folder: the script runs in the working folder.
std::string signingCommand(const SystemForm& form, std::chrono::year_month_day start, std::chrono::year_month_day end);

// The script's lines: a batch file on Windows; elsewhere a shell script that
// first changes to its own folder, so it works wherever it is started from.
std::vector<std::string> signingScriptLines(const SystemForm& form, std::chrono::year_month_day start,
                                            std::chrono::year_month_day end);

} // namespace velmora::job

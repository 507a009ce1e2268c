#pragma once

#include "job/ToolFiles.h"
#include "job/Validity.h"

#include <chrono>
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
std::string signingCommand(const SystemForm& form, const Validity& validity);

// The script's lines: a batch file on Windows; elsewhere a shell script that
// first changes to its own folder, so it works wherever it is started from.
// Before the command, the script tells the configuration the one name the
// certificate carries, given as a certificate name that needs no quoting.
std::vector<std::string> signingScriptLines(const SystemForm& form, const Validity& validity,
                                            std::string_view subjectAltName);

} // namespace velmora::job

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

// How the script reaches the tool: by its full path, or, when that is empty,
// as the tool in the script's own folder; and whether the tool is to take its
// arguments and pass phrases as UTF-8, as the steps before it did.
struct SigningTool
{
    std::string path;
    bool readsUtf8 = false;
};

// The command that signs the server request with the CA, valid from the first
// second of the start date to the last of the end date. Files are named
// without a folder: the script runs in the working folder.
std::string signingCommand(const SystemForm& form, const Validity& validity, const SigningTool& tool);

// The script's lines: a batch file on Windows, a shell script elsewhere. Each
// first changes to its own folder, so it works wherever it is started from
// (an elevated batch file starts in the system folder). Then it gives the tool
// the configuration beside it and none the user's environment names, and
// tells that configuration the one name the certificate carries, given as a
// certificate name that needs no quoting.
std::vector<std::string> signingScriptLines(const SystemForm& form, const Validity& validity,
                                            std::string_view subjectAltName, const SigningTool& tool);

} // namespace velmora::job

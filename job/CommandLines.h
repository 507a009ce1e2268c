#pragma once

#include "job/ToolFiles.h"

#include <string>
#include <string_view>

namespace velmora::job {

// The tool's command lines for the generation steps. Every file is named by
// its full path in the working folder; the runner puts the interpreter
// prefix in front.
struct ToolCommands
{
    const SystemForm& form;
    std::string workingFolder;

    // A new pass-phrase protected key, ca.key or server.key.
    std::string key(std::string_view keyFile, std::string_view keyLength) const;
    std::string caCertificate(int days) const;
    std::string serverRequest() const;

    std::string pathOf(std::string_view fileName) const;
};

// Whole days from the start date to the end date (negative when the end comes
// first); 0 when either masked text is no date.
int dayCount(std::string_view startDateText, std::string_view endDateText);

} // namespace velmora::job

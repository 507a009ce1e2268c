#pragma once

#include "job/JobWindow.h"
#include "job/ToolFiles.h"
#include "job/Validity.h"

#include <optional>
#include <string>

namespace velmora::job {

// What the checks work out once and the rest of the handler keeps.
struct CheckedTarget
{
    std::string siteName;
    std::string outputFolder;
    std::optional<Validity> validity; // the generate press's dates
};

// The checks that open the generate handler. Each failure shows its warning,
// moves the focus to the control concerned and yields nothing. On success the
// address and location boxes are tidied and the output folder exists.
std::optional<CheckedTarget> runGenerateChecks(JobWindow& window, const SystemForm& form);

// The subset that opens the signing-finished handler: address, location and
// output folder only.
std::optional<CheckedTarget> runSigningFinishedChecks(JobWindow& window, const SystemForm& form);

} // namespace velmora::job

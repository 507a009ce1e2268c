#pragma once

#include "job/InputChecks.h"
#include "job/Press.h"

#include <string>

namespace velmora::job {

// What a press checks before it touches a file: the working folder, the
// window's values (whose own checks tell the user what is wrong), then the
// output folder, which must not be the working folder: the export would copy
// files onto themselves and the clean-up then delete them. Where the press is
// to export, or nothing once the user has been told why it cannot go on.
using WindowChecks = std::optional<CheckedTarget> (*)(JobWindow& window, const SystemForm& form);
std::optional<CheckedTarget> checkedTarget(const Press& press, WindowChecks windowChecks);

// The tool or its configuration is not in the working folder.
Outcome toolFileProblem(const Press& press);

// The working folder cannot be trusted, or another stands in its place since
// the press: checked at the press, and again before each step and export.
Outcome workingFolderProblem(const Press& press);

} // namespace velmora::job

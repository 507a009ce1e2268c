#pragma once

#include "job/Press.h"

#include <string>

namespace velmora::job {

// The working folder could not be made ready, another account could change
// it, or the interpreter would rewrite its name.
Outcome workingFolderProblem(const Press& press);

// The export into the working folder itself would copy files onto
// themselves, and the clean-up would then delete them.
Outcome outputFolderProblem(const Press& press, const std::string& outputFolder);

// The tool or its configuration is not in the working folder.
Outcome toolFileProblem(const Press& press);

} // namespace velmora::job

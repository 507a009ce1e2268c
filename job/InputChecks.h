#pragma once

#include "job/JobWindow.h"
#include "job/OutputFolder.h"
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
    OutputFolderState outputFolderState;
    std::optional<Validity> validity; // the generate press's dates
};

// A press that stops before it exports leaves no output folder it made.
void takeBackOutputFolder(const CheckedTarget& target);

// Takes the output folder back when the press ends, however it ends, if the
// press made it and left it empty: a refused or stopped press, or one that
// hands off to the signing script, leaves no folder the user never asked for.
class OutputFolderClaim final
{
public:
    explicit OutputFolderClaim(const CheckedTarget& target)
        : target_(target)
    {
    }
    ~OutputFolderClaim() { takeBackOutputFolder(target_); }
    OutputFolderClaim(const OutputFolderClaim&) = delete;
    OutputFolderClaim& operator=(const OutputFolderClaim&) = delete;

private:
    const CheckedTarget& target_;
};

// The checks that open the generate handler. Each failure shows its warning,
// moves the focus to the control concerned and yields nothing. On success the
// address and location boxes are tidied and the output folder exists; a check
// that fails after the folder was made takes it back.
std::optional<CheckedTarget> runGenerateChecks(JobWindow& window, const SystemForm& form);

// The subset that opens the signing-finished handler: address, location and
// output folder only.
std::optional<CheckedTarget> runSigningFinishedChecks(JobWindow& window, const SystemForm& form);

} // namespace velmora::job

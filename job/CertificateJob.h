#pragma once

#include "job/JobWindow.h"
#include "platform/Console.h"
#include "platform/EventWait.h"
#include "platform/HiddenRun.h"
#include "platform/TextFile.h"
#include "platform/WorkingFolder.h"

#include <chrono>
#include <functional>
#include <string>

namespace velmora::job {

// What a job needs besides the window. The program passes the system's;
// tests pass their own console, folder and a short pause.
struct JobServices
{
    std::string workingFolder; // holds the tool's configuration, its CA database and every working file
    platform::Console& console;
    platform::DispatchEvents dispatch;
    std::chrono::milliseconds pauseLength {5000};
    platform::CodePage codePage = platform::systemCodePage();
    // Why no folder could be made ready for the job's files, if so: a job
    // then says so and does nothing.
    platform::FolderProblem workingFolderProblem = platform::FolderProblem::None;
    // The clock the CA's life is counted on, and how the tool is run for a
    // look at a pasted request.
    std::function<std::chrono::system_clock::time_point()> now = std::chrono::system_clock::now;
    platform::HiddenRun runHidden = platform::runHidden;
    // The folder the tool itself is run from, by its full path; the working
    // folder when empty.
    std::string toolFolder {};
};

// The generate button: the checks, the tool's steps, then either the
// client-only export or the signing script and the hand-off to the user.
void runGenerateJob(JobWindow& window, const JobServices& services);

// The signing-finished button: the checks, then the client-and-server export,
// the clean-up and the CA database restore.
void runSigningFinishedJob(JobWindow& window, const JobServices& services);

} // namespace velmora::job

#include "job/Press.h"

#include "job/FolderFiles.h"
#include "job/Messages.h"
#include "platform/EventWait.h"

namespace velmora::job {

Press::Press(JobWindow& window, const JobServices& services)
    : window(window)
    , services(services)
    , form(thisSystemForm())
    , commands {form, services.workingFolder, services.toolFolder}
    , workingFolder(pathFromUtf8(services.workingFolder))
    , workingFolderIdentity(platform::folderIdentity(services.workingFolder))
{
}

bool Press::toolReadsUtf8() const
{
    return !platform::encodeText(services.workingFolder, services.codePage)
        || !platform::encodeText(services.toolFolder, services.codePage);
}

void Press::pause() const
{
    platform::pauseDispatchingEvents(services.pauseLength, services.dispatch);
}

void Press::dispatch() const
{
    services.dispatch(std::chrono::milliseconds::zero());
}

void showStop(JobWindow& window, const Stop& stop)
{
    // A stop the user chose, by answering No, needs no warning.
    if (!stop.message.empty())
        window.showWarning(stop.message);
    if (stop.focus)
        window.setFocusTo(*stop.focus);
}

void runGuarded(JobWindow& window, const std::function<void()>& run)
{
    try {
        run();
    } catch (const std::exception& fault) {
        window.setStatusText({});
        // The system's words are all there is to go on when the user asks for help.
        window.showWarning(messages::runFailed(fault.what()));
    }
}

} // namespace velmora::job

#include "platform/EventWait.h"

namespace velmora::platform {

void pauseDispatchingEvents(std::chrono::milliseconds length, const DispatchEvents& dispatch, const SteadyNow& now)
{
    using std::chrono::ceil;
    using std::chrono::milliseconds;
    const auto end = now() + length;
    for (auto remaining = end - now(); remaining > remaining.zero(); remaining = end - now())
        dispatch(ceil<milliseconds>(remaining));
}

} // namespace velmora::platform

#pragma once

#include "job/JobWindow.h"

namespace velmora::job {

// Keeps the window busy for as long as it lives, unless released earlier:
// however a job ends, the window comes back.
class BusyWindow final
{
public:
    explicit BusyWindow(JobWindow& window)
        : window_(window)
    {
        window_.setBusy(true);
    }
    ~BusyWindow() { release(); }
    BusyWindow(const BusyWindow&) = delete;
    BusyWindow& operator=(const BusyWindow&) = delete;

    void release()
    {
        if (busy_)
            window_.setBusy(false);
        busy_ = false;
    }

private:
    JobWindow& window_;
    bool busy_ = true;
};

} // namespace velmora::job

#pragma once

#include <memory>
#include <windows.h>

namespace velmora::platform {

// What the system hands over for the caller to release, released however the
// call that holds it ends.
struct HandleClosing
{
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using OwnedHandle = std::unique_ptr<void, HandleClosing>;

struct LocalFreeing
{
    void operator()(void* memory) const { LocalFree(memory); }
};
using OwnedLocal = std::unique_ptr<void, LocalFreeing>;

} // namespace velmora::platform

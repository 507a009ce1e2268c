#pragma once

#include <memory>
#include <windows.h>

namespace velmora::platform {

struct LocalFreeing
{
    void operator()(void* memory) const { LocalFree(memory); }
};
using OwnedDescriptor = std::unique_ptr<void, LocalFreeing>;

// A protected access list of full control for the user, the system and the
// administrators (who may read every file anyway), so nothing a folder above
// passes on reaches what it is given. For a folder, each entry is passed on
// to what is made inside it as well. Null when it cannot be made.
OwnedDescriptor userAloneDescriptor(bool passedOnInside);

} // namespace velmora::platform

#include "platform/AccessList_win.h"

#include "platform/FolderTrust_win.h"

#include <sddl.h>
#include <string>

namespace velmora::platform {

OwnedDescriptor userAloneDescriptor(bool passedOnInside)
{
    const std::wstring flags = passedOnInside ? L"OICI" : L"";
    const std::wstring list
        = L"D:P(A;" + flags + L";FA;;;SY)(A;" + flags + L";FA;;;BA)(A;" + flags + L";FA;;;" + currentUserSid() + L")";
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(list.c_str(), SDDL_REVISION_1, &descriptor, nullptr))
        return nullptr;
    return OwnedDescriptor(descriptor);
}

} // namespace velmora::platform

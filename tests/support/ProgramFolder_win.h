#pragma once

#include <filesystem>
#include <string>
#include <windows.h>

namespace velmora::testing {

// The running program's folder, where the build puts the Windows test
// helpers beside the tests. Asked in UTF-16, so no folder name is lost.
inline std::filesystem::path programFolder()
{
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return std::filesystem::path {path}.parent_path();
}

} // namespace velmora::testing

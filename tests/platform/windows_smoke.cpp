// Built by the Windows cross build, so every Windows routine must link; run by
// hand on Windows it shows what the platform services see there.
#include "platform/AppFolder.h"
#include "platform/Console.h"
#include "platform/ShellAndWait.h"
#include "platform/TextFile.h"
#include "platform/VersionName.h"

#include <cstdio>
#include <thread>

using namespace velmora::platform;

int main()
{
    const std::string name = GetOSName();
    const std::string prefix = GetShellPrefix(name);
    const std::string folder = executableFolder();
    std::printf("version name: \"%s\"\nprefix: \"%s\"\napplication folder: %s\ncode page: %u\n", name.c_str(),
                prefix.c_str(), folder.c_str(), systemCodePage().windowsCodePage);
    const bool written = writeTextLines(fileInFolder(folder, "smoke.txt"), {"SSL 憑證產生完成!"});
    const auto console = makeSystemConsole();
    const bool started = ShellAndWait(prefix, "echo A console of its own & exit 259", *console,
                                      [](std::chrono::milliseconds longest) { std::this_thread::sleep_for(longest); });
    std::printf("text written: %d\nconsole started and ended: %d\n", written, started);
    return written && started ? 0 : 1;
}

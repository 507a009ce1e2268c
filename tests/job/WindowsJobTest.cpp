// Windows under Wine: the runner with the system's console and cmd.exe, and
// the whole client-and-server job with a stand-in openssl.exe that records
// what cmd.exe hands it: command lines, signing script, export, clean-up and
// restore, in folders whose names need quoting or lie outside the ANSI code page.
#include "FakeJobWindow.h"
#include "IdleWindow.h"
#include "TestFolder.h"
#include "job/CertificateJob.h"
#include "platform/ShellAndWait.h"
#include "platform/TextFile.h"
#include "platform/UserFolder_win.h"
#include "platform/Utf8Path.h"
#include "platform/WideText_win.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <windows.h>

namespace {

using namespace velmora;
using namespace std::chrono_literals;
namespace fs = std::filesystem;
using velmora::testing::contentOf;
using velmora::testing::namesIn;
using Files = std::set<std::string>;
using std::chrono::milliseconds;

// The test helpers, built beside this program.
const fs::path helpers = platform::pathFromUtf8(platform::executableFolder());

TEST(WindowsRunner, WaitsForTheSystemsInterpreterInANewConsoleUntilTheCommandHasEndedWhateverItsExitCode)
{
    const velmora::testing::TestFolder folder {"runner"};
    const fs::path release = folder.path() / "release";
    const auto console = platform::makeSystemConsole();
    const std::string waiting = '"' + platform::utf8FromPath(helpers / "stand_in_openssl.exe") + "\" wait-for "
        + platform::utf8FromPath(release);
    // Wine's cmd.exe passes on none of the helper's exit codes: the
    // interpreter ends with its own, 259 being Windows' "still active".
    for (const auto& [releaseAt, exitCode] : {std::pair {10, "0"}, {3, "259"}}) {
        // The release comes at the chosen dispatch. A runner that misses the
        // end fails instead of hanging the suite.
        int dispatches = 0;
        const auto dispatch = [&, releaseAt = releaseAt](milliseconds longest) {
            if (++dispatches == releaseAt)
                std::ofstream {release} << "go";
            if (dispatches > releaseAt + 500)
                throw std::runtime_error("still waiting long after the command ended");
            velmora::testing::sleepThrough(longest);
        };
        EXPECT_TRUE(platform::ShellAndWait("cmd.exe /c", waiting + " & exit " + exitCode, *console, dispatch));
        EXPECT_FALSE(fs::exists(release)) << "returned before the helper took the release";
    }
    EXPECT_FALSE(platform::ShellAndWait("no-such-interpreter.exe /c", "exit 0", *console, [](auto) {}));
}

class WindowsJob : public ::testing::TestWithParam<const char*>
{
protected:
    void SetUp() override
    {
        fs::create_directories(app_);
        fs::create_directories(save_);
        fs::copy_file(helpers / "stand_in_openssl.exe", app_ / "openssl.exe");
        std::ofstream(app_ / "openssl.cnf") << "# the tool's settings\n";
        std::ofstream(app_ / "ca.db.index", std::ios::binary) << "";
        std::ofstream(app_ / "ca.db.serial", std::ios::binary) << "01\n";
    }

    const velmora::testing::TestFolder root_ {"windows-job"};
    const fs::path app_ = root_.path() / platform::pathFromUtf8(GetParam());
    const fs::path save_ = root_.path() / platform::pathFromUtf8("存放 位置");
    FakeJobWindow window_ {{.savePath = platform::utf8FromPath(save_), .clientAndServer = true}};
    // Started in the working folder, as the program starts its console.
    const std::unique_ptr<platform::Console> console_ = platform::makeSystemConsole(platform::utf8FromPath(app_));
    job::JobServices services_ {.workingFolder = platform::utf8FromPath(app_),
                                .console = *console_,
                                .dispatch = velmora::testing::cappedIdleWait([this] { return window_.status; }),
                                .pauseLength = std::chrono::milliseconds::zero(),
                                // Noon of the start date.
                                .now = [] { return std::chrono::sys_days {std::chrono::year {2026} / 12 / 6} + 12h; }};
};

// With a pasted request, which the tool reads without a console. The whole
// runs under Wine take the usual folders; these names need quoting or lie
// outside the ANSI code page.
TEST_P(WindowsJob, StepsScriptExportAndRestoreRunThroughCmdExe)
{
    window_.in.serverRequest = "-----BEGIN CERTIFICATE REQUEST-----";
    job::runGenerateJob(window_, services_);
    ASSERT_EQ(window_.warnings, std::vector<std::string> {});
    const std::string script = "@echo off\r\ncd /d \"%~dp0\"\r\nsetlocal\r\nset \"OPENSSL_CONF=%~dp0openssl.cnf\"\r\n"
                               "for /f \"delims==\" %%v in ('set OPENSSL_') do set \"%%v=\"\r\n"
                               "set \"OPENSSL_CONF=%~dp0openssl.cnf\"\r\n"
        // As the steps took their arguments: as UTF-8 where the ANSI code page lacks the folder's name.
        + std::string(platform::encodeText(platform::utf8FromPath(app_), platform::systemCodePage())
                          ? ""
                          : "set \"OPENSSL_WIN32_UTF8=1\"\r\n")
        + "set \"VELMORA_SUBJECT_ALT_NAME=DNS:www.example.test\"\r\n"
          "\"%~dp0openssl.exe\" ca -config openssl.cnf -startdate 261206000000Z -enddate "
          "271206235959Z -cert ca.crt -keyfile ca.key -in server.csr -out server.crt\r\n";
    EXPECT_EQ(contentOf(app_ / "UserSign.bat"), script);
    EXPECT_EQ(contentOf(app_ / "ca.crt"), "made by req for Velmora CA for www.example.test");
    EXPECT_EQ(contentOf(app_ / "server.csr"), "-----BEGIN CERTIFICATE REQUEST-----\r\n");
    EXPECT_EQ(GetEnvironmentVariableW(L"VELMORA_COMMON_NAME", nullptr, 0), 0u) << "set in the job's own process";

    // As "Run as administrator" starts it: in the system folder, with a configuration of another's named.
    SetEnvironmentVariableW(L"OPENSSL_CONF", L"C:\\planted\\openssl.cnf");
    wchar_t system[MAX_PATH];
    const auto systemConsole
        = platform::makeSystemConsole(platform::fromUtf16(std::wstring(system, GetSystemDirectoryW(system, MAX_PATH))));
    ASSERT_TRUE(platform::ShellAndWait("cmd.exe /c", "\"" + platform::utf8FromPath(app_ / "UserSign.bat") + "\"",
                                       *systemConsole,
                                       velmora::testing::cappedIdleWait([] { return "UserSign.bat"; })));
    SetEnvironmentVariableW(L"OPENSSL_CONF", nullptr);
    // What the tool was given, one call a line; "@" stands for the working folder. The request is
    // looked at on the press, and again where it is used.
    // Each reads the configuration beside it, whatever the environment named.
    // The files by their names, as the tool runs in the working folder.
    const std::string look = "req | -config | openssl.cnf | -noout | -in | server.csr < @openssl.cnf\n";
    std::string calls = look
        + "genrsa | -des3 | -out | ca.key | 2048 < @openssl.cnf\n"
          "req | -config | openssl.cnf | -new | -x509 | -days | 366 | -key | ca.key | -out | ca.crt < @openssl.cnf\n"
        + look
        + "ca | -config | openssl.cnf | -startdate | 261206000000Z | -enddate | 271206235959Z | "
          "-cert | ca.crt | -keyfile | ca.key | -in | server.csr | -out | server.crt < @openssl.cnf\n";
    const std::string folder = platform::utf8FromPath(app_) + "\\";
    for (auto at = calls.find('@'); at != std::string::npos; at = calls.find('@', at + folder.size()))
        calls.replace(at, 1, folder);
    EXPECT_EQ(contentOf(app_ / "calls.txt"), calls);

    job::runSigningFinishedJob(window_, services_);
    EXPECT_EQ(window_.informations.back(),
              "SSL 憑證產生完成!\r\n伺服器的私密金鑰仍在產生請求檔的地方, 沒有輸出 server.key 與 privkey.pem。");
    EXPECT_EQ(contentOf(save_ / "www.example.test" / "server.crt"), "made by ca for DNS:www.example.test");
    EXPECT_EQ(namesIn(save_ / "www.example.test"),
              (Files {"01.pem", "client.cer", "client.crt", "client.key", "server.cer", "server.crt", "server.csr"}));
    EXPECT_EQ(namesIn(app_),
              (Files {"UserSign.bat", "ca.db.index", "ca.db.serial", "calls.txt", "openssl.cnf", "openssl.exe"}));
}

INSTANTIATE_TEST_SUITE_P(ApplicationFolders, WindowsJob, ::testing::Values("app", "My App", "憑證 工具"));

} // namespace

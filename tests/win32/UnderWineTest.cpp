// The real velmora.exe and openssl.exe, as the installer puts them in
// Program Files (VELMORA_EXE) and as a user unpacks the zip (VELMORA_ZIP_EXE),
// under Wine on a virtual display, driven from outside as a user meets them.
// First the window, at two screen resolutions: its size, dates, focus and
// picture, a refused press and the close question. Then whole runs: a
// client-only set, a client-and-server set with the automatic request and one
// with a pasted request, and a client-only set again from the zip. The
// answers are typed into each console as key presses;
// the signing script runs through cmd.exe from the system folder, as "Run as
// administrator" starts it. The sets land in VELMORA_SETS_FOLDER, where
// Linux's openssl checks them afterwards.
#include "VelmoraUnderWine.h"
#include "job/Messages.h"
#include "platform/AccessList_win.h"
#include "platform/UserFolder_win.h"

#include <aclapi.h>
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sddl.h>
#include <set>
#include <sstream>

namespace {

using namespace velmora;
namespace fs = std::filesystem;
namespace driver = velmora::testing;
using driver::Velmora;
using namespace std::chrono_literals;

// Read wide: the narrow environment is in the ANSI code page, which lacks é.
fs::path fromEnvironment(const wchar_t* name)
{
    std::wstring value(GetEnvironmentVariableW(name, nullptr, 0), L'\0');
    if (value.empty())
        throw std::runtime_error(platform::fromUtf16(name) + " is not set: whole_runs.sh sets it");
    value.resize(GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size())));
    return fs::path(value);
}
const fs::path planted = platform::pathFromUtf8(platform::executableFolder()) / "stand_in_openssl.exe";

TEST(WindowUnderWine, AsAUserMeetsIt)
{
    // The window's sizes as they are on the screen, not as a program that knows no resolutions would see them.
    SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    // The display's pointer, drawn into its screen, out of the window's way long before its picture is taken.
    SetCursorPos(0, 0);
    // At each screen resolution, which each program reads as it starts, with the picture under_wine_x.sh
    // compares with the reference of its name; the last leaves the resolution the other tests run at.
    for (const auto& [dpi, picture] :
         {std::pair<DWORD, const char*> {144, "frmMain-wine-144.xwd"}, {96, "frmMain-wine.xwd"}}) {
        RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dpi, sizeof dpi);
        SCOPED_TRACE(picture);
        const Velmora app(fromEnvironment(L"VELMORA_EXE"), planted);

        // At start: centred, at its size at that resolution, with today's dates and the focus on the key length.
        // The rest of the load is the window behaviour's, tested on a fake toolkit; the picture shows the captions.
        RECT client, outer;
        GetClientRect(app.main, &client);
        GetWindowRect(app.main, &outer);
        EXPECT_EQ(client.right, MulDiv(window::clientWidth, static_cast<int>(dpi), 96));
        EXPECT_EQ(client.bottom, MulDiv(window::clientHeight, static_cast<int>(dpi), 96));
        EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2);
        EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2);
        SYSTEMTIME now;
        GetLocalTime(&now);
        const auto dates = window::defaultDates(std::chrono::year(now.wYear) / now.wMonth / now.wDay);
        EXPECT_EQ(app.text("meb_EndDate"), dates.end);
        EXPECT_EQ(GetParent(app.focus()), app("cmb_MaxLen"));

        // The picture on fixed dates, compared with the reference by the script that runs this test.
        app.setText("meb_StartDate", "2026/12/06");
        app.setText("meb_EndDate", "2027/12/06");
        app.setText("meb_EndDate", "2027/13"); // refused: the box keeps its date
        EXPECT_EQ(app.text("meb_EndDate"), "2027/12/06");
        // What the virtual display shows, from the file it keeps its screen in.
        RedrawWindow(app.main, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        fs::remove(picture);
        fs::copy_file(platform::pathFromUtf8(std::getenv("VELMORA_SCREEN_FILE")), picture);
        app.setText("meb_StartDate", dates.start);
        app.setText("meb_EndDate", dates.end);

        // A refused press says why and puts the focus where the input is missing.
        app.click("cmd_Create");
        EXPECT_NE(app.answer(IDOK).find(job::messages::urlMissing), std::string::npos);
        driver::waitUntil("the focus on the site address", [&] { return app.focus() == app("txt_URL"); });

        // The close asks first; No keeps the window.
        app.click("cmd_Cancel");
        EXPECT_EQ(app.answer(IDNO), std::string(window::closeQuestion) + " / Velmora");
        EXPECT_TRUE(IsWindowVisible(app.main));

        // Yes closes it, and the program ends.
        app.click("cmd_Cancel");
        app.answer(IDYES);
        EXPECT_EQ(WaitForSingleObject(app.process.hProcess, 30000), WAIT_OBJECT_0);
        DWORD status = 1;
        GetExitCodeProcess(app.process.hProcess, &status);
        EXPECT_EQ(status, 0u);
    }
}

// What a user types at each step's prompts, from the harnesses' one table.
// Wine titles every console with cmd.exe's path, so the steps are told apart
// by their order.
using Answers = std::vector<std::string>;
Answers answersFor(const std::string& step)
{
    std::ifstream table(VELMORA_PROMPT_ANSWERS);
    for (std::string line; std::getline(table, line);)
        if (line.starts_with(step + "|")) {
            Answers answers;
            std::istringstream fields(line.substr(step.size() + 1) + "|");
            for (std::string field; std::getline(fields, field, '|');)
                answers.push_back(field);
            return answers;
        }
    throw std::runtime_error("no answers for " + step + " in " VELMORA_PROMPT_ANSWERS);
}
const Answers newKey = answersFor("genrsa"), request = answersFor("req"), signing = answersFor("UserSign");

// Keys go to the console window itself: typed from outside, they would go to
// whichever window is active.
void typeLine(HWND console, const std::string& line)
{
    auto press = [console](UINT key) {
        const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
        PostMessageW(console, WM_KEYDOWN, key, 1 | scan);
        PostMessageW(console, WM_KEYUP, key, 1 | scan | (LPARAM {3} << 30));
    };
    for (char c : line)
        press(LOBYTE(VkKeyScanW(static_cast<wchar_t>(c))));
    press(VK_RETURN);
}

// Answers each console not yet answered with the next step's answers.
void answerNewConsoles(std::set<HWND>& answered, const std::vector<Answers>& steps)
{
    // Wine's consoles, whichever program runs in them.
    for (const auto& [console, owner] : driver::windowsOfClass(L"WineConsoleClass"))
        if (answered.insert(console).second) {
            if (answered.size() > steps.size())
                throw std::runtime_error("more consoles than steps");
            for (const std::string& line : steps[answered.size() - 1])
                typeLine(console, line);
        }
}

// Answers the consoles that open until the program's message box shows;
// gives back what the box said, and closes it.
std::string answerConsolesUntilMessageBox(const Velmora& app, const std::vector<Answers>& steps)
{
    std::set<HWND> answered;
    driver::waitUntil(
        "the run's consoles and its message box",
        [&] {
            answerNewConsoles(answered, steps);
            return app.findMessageBox() != nullptr;
        },
        300s);
    return app.answer(IDOK);
}

// The signing script by its full path, started in the system folder as "Run
// as administrator" starts it.
void runSigningScript(const fs::path& folder)
{
    std::wstring commandLine = L"cmd.exe /c " + (folder / "UserSign.bat").wstring();
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    STARTUPINFOW startup {sizeof startup};
    PROCESS_INFORMATION process {};
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr,
                               system, &startup, &process));
    std::set<HWND> answered;
    driver::waitUntil("UserSign.bat to end", [&] {
        answerNewConsoles(answered, {signing});
        return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0;
    });
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

// A file's access list in SDDL's form.
std::string accessListOf(const fs::path& file)
{
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    LPWSTR text = nullptr;
    GetNamedSecurityInfoW(file.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, nullptr, nullptr,
                          &descriptor);
    ConvertSecurityDescriptorToStringSecurityDescriptorW(descriptor, SDDL_REVISION_1, DACL_SECURITY_INFORMATION, &text,
                                                         nullptr);
    const platform::OwnedLocal ownedDescriptor(descriptor), ownedText(text);
    return text ? platform::fromUtf16(text) : "";
}

// The set's private keys may be read by the user, SYSTEM and the
// administrators alone, though the folder lets everyone read the rest.
void expectKeysPrivate(const fs::path& set)
{
    EXPECT_NE(accessListOf(set / "client.crt").find(";WD)"), std::string::npos);
    // Wine keeps no mark of a protected list.
    const std::regex ownersAlone("D:P?(\\(A;;FA;;;(SY|BA|" + platform::fromUtf16(platform::currentUserSid())
                                 + ")\\))+");
    for (const char* key : {"client.key", "server.key", "privkey.pem"}) {
        const std::string list = fs::exists(set / key) ? accessListOf(set / key) : "D:(A;;FA;;;SY)";
        EXPECT_TRUE(std::regex_match(list, ownersAlone)) << key << ": " << list;
    }
}

// A run of the program as installed or unpacked.
struct WholeRun
{
    explicit WholeRun(const fs::path& executable = fromEnvironment(L"VELMORA_EXE"))
        : app(executable, planted)
        , shippedSerial(driver::contentOf(executable.parent_path() / "ca.db.serial"))
    {
    }
    const fs::path sets = fromEnvironment(L"VELMORA_SETS_FOLDER");
    Velmora app;
    // The user's own, under the profile: the program's folder is never written.
    const fs::path folder = platform::pathFromUtf8(platform::perUserWorkingFolder());
    const std::string shippedSerial;

    void fill(const char* site, const fs::path& save, int kind)
    {
        fs::create_directories(save);
        app.setText("txt_URL", site);
        app.setText("txt_SavePath", platform::utf8FromPath(save));
        app.click("opt_Type", kind);
        driver::waitUntil("the kind switched", [&] { return app.checked("opt_Type", kind); });
    }
    // The user runs the signing script and presses the signing-finished
    // button; the run's last message says what was exported.
    void signAndFinish(std::string_view completion)
    {
        runSigningScript(folder);
        app.click("cmd_Sign");
        EXPECT_NE(app.answer(IDOK).find(completion), std::string::npos);
        expectFolderAsShipped();
    }
    // After a whole run the working folder holds the configuration and the
    // CA database as it was before the signing, and the signing script; the
    // planted cmd.exe never ran.
    void expectFolderAsShipped()
    {
        std::set<std::string> names = driver::namesIn(folder);
        names.erase("UserSign.bat");
        EXPECT_EQ(names, (std::set<std::string> {"ca.db.index", "ca.db.serial", "openssl.cnf"}));
        EXPECT_EQ(driver::contentOf(folder / "ca.db.index"), "");
        EXPECT_EQ(driver::contentOf(folder / "ca.db.serial"), shippedSerial);
        EXPECT_FALSE(app.plantedRan());
    }
    void clientOnly(const fs::path& save)
    {
        fill("https://client.example.test/", save, 0);
        app.click("cmd_Create");
        driver::waitUntil("the generate button disabled while the run lasts",
                          [&] { return !app.enabled("cmd_Create"); });
        const std::string said = answerConsolesUntilMessageBox(app, {newKey, request});
        EXPECT_NE(said.find(job::messages::completed), std::string::npos) << said;
        EXPECT_TRUE(app.enabled("cmd_Create"));
        expectFolderAsShipped();
        expectKeysPrivate(save / "client.example.test");
    }
};

struct WholeRuns : ::testing::Test, WholeRun
{
};

// Twice for the same site, the second time from the zip unpacked where
// browsers put it, beside the user's own keys (which whole_runs.sh looks at
// afterwards): the first set, its CA key above all, moves aside whole.
TEST_F(WholeRuns, ClientOnlyTwiceTheSecondFromTheZip)
{
    const fs::path out = sets / "client-only" / "client.example.test";
    clientOnly(sets / "client-only");
    const std::string firstKey = driver::contentOf(out / "client.key");
    WholeRun(fromEnvironment(L"VELMORA_ZIP_EXE")).clientOnly(sets / "client-only");
    const auto earlier = std::find_if(fs::directory_iterator(out), {}, [](auto& e) { return e.is_directory(); });
    ASSERT_NE(earlier, fs::directory_iterator {});
    EXPECT_TRUE(earlier->path().filename().string().starts_with("earlier-"));
    EXPECT_EQ(driver::contentOf(earlier->path() / "client.key"), firstKey);
    EXPECT_NE(driver::contentOf(out / "client.key"), firstKey);
    expectKeysPrivate(earlier->path());
}

TEST_F(WholeRuns, ClientAndServerWithTheAutomaticRequest)
{
    // A save location the ANSI code page (Big5) cannot spell, as the profile folder holding the working folder.
    fill("www.example.test", sets / platform::pathFromUtf8("\u00fc automatic"), 1);
    app.click("chk_AutoReq");
    driver::waitUntil("the automatic request checked", [&] { return app.checked("chk_AutoReq"); });
    app.click("cmd_Create");
    const auto handOff = answerConsolesUntilMessageBox(app, {newKey, request, newKey, request});
    EXPECT_NE(handOff.find("UserSign.bat"), std::string::npos);
    signAndFinish(job::messages::completed);
    expectKeysPrivate(sets / platform::pathFromUtf8("\u00fc automatic") / "www.example.test");
}

TEST_F(WholeRuns, ClientAndServerWithAPastedRequest)
{
    fill("www.example.test", sets / "pasted", 1);
    app.setText("txt_SrvReq", driver::contentOf(sets / "pasted.csr"));
    app.click("cmd_Create");
    EXPECT_NE(answerConsolesUntilMessageBox(app, {newKey, request}).find("UserSign.bat"), std::string::npos);
    signAndFinish(job::messages::completedWithoutServerKey);
}

} // namespace

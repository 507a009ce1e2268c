// The real velmora.exe under Wine on a virtual X display, driven from
// outside as a user meets it: its defaults, the kind switch, a refused press,
// and the close question. A client-only run is one of the whole runs.
#include "ProgramFolder_win.h"
#include "VelmoraUnderWine.h"
#include "job/Messages.h"
#include "platform/Utf8Path.h"

#include <gtest/gtest.h>

namespace {

using namespace velmora;
using velmora::testing::Velmora;
using velmora::testing::waitUntil;
namespace fs = std::filesystem;

TEST(WindowUnderWine, AsAUserMeetsIt)
{
    const Velmora app(velmora::testing::programFolder() / "stand_in_openssl.exe");

    // At start: centred, at its size, with its defaults and the focus on the key length.
    RECT client, outer;
    GetClientRect(app.main, &client);
    GetWindowRect(app.main, &outer);
    EXPECT_EQ(client.right, window::clientWidth);
    EXPECT_EQ(client.bottom, window::clientHeight);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2);
    EXPECT_EQ(app.text("cmb_MaxLen"), "2048");
    EXPECT_EQ(SendMessageW(app("cmb_MaxLen"), CB_GETCOUNT, 0, 0), 6);
    SYSTEMTIME now;
    GetLocalTime(&now);
    const auto dates = window::defaultDates(std::chrono::year(now.wYear) / now.wMonth / now.wDay);
    EXPECT_EQ(app.text("meb_StartDate"), dates.start);
    EXPECT_EQ(app.text("meb_EndDate"), dates.end);
    EXPECT_TRUE(app.checked("opt_Type", 0));
    EXPECT_FALSE(app.checked("opt_Type", 1));
    for (const char* name : {"fae_Main", "txt_SrvReq", "chk_AutoReq"})
        EXPECT_FALSE(app.enabled(name)) << name;
    EXPECT_EQ(GetParent(app.focus()), app("cmb_MaxLen"));
    EXPECT_EQ(app.text("lab_Title", 4), "到期日期：");

    // The picture on fixed dates, compared with the reference by the script that runs this test.
    app.setText("meb_StartDate", "2026/12/06");
    app.setText("meb_EndDate", "2027/12/06");
    app.setText("meb_EndDate", "2027/13"); // refused: the box keeps its date
    EXPECT_EQ(app.text("meb_EndDate"), "2027/12/06");
    // What the virtual display shows, from the file it keeps its screen in;
    // its pointer, drawn into that screen, out of the way.
    SetCursorPos(0, 0);
    RedrawWindow(app.main, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    fs::remove("frmMain-wine.xwd");
    fs::copy_file(platform::pathFromUtf8(std::getenv("VELMORA_SCREEN_FILE")), "frmMain-wine.xwd");
    app.setText("meb_StartDate", dates.start);
    app.setText("meb_EndDate", dates.end);

    // The kind switch: the frame follows the kind, and the pasted text stays.
    app.click("opt_Type", 1);
    waitUntil("the request frame to be enabled", [&] { return app.enabled("fae_Main") && app.enabled("txt_SrvReq"); });
    app.setText("txt_SrvReq", "pasted");
    app.click("opt_Type", 0);
    waitUntil("the request frame to be disabled", [&] { return !app.enabled("txt_SrvReq"); });
    EXPECT_FALSE(app.enabled("fae_Main"));
    EXPECT_EQ(app.text("txt_SrvReq"), "pasted");

    // A refused press says why and puts the focus where the input is missing.
    app.click("cmd_Create");
    EXPECT_NE(app.answer(IDOK).find(job::messages::urlMissing), std::string::npos);
    waitUntil("the focus on the site address", [&] { return app.focus() == app("txt_URL"); });

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

} // namespace

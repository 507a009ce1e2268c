// The real velmora.exe under Wine on a virtual X display, driven from
// outside as a user meets it: its defaults, the kind switch, a refused press,
// the close question and a client-only run with the stand-in tool.
#include "ProgramFolder_win.h"
#include "VelmoraUnderWine.h"
#include "job/Messages.h"
#include "platform/Utf8Path.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

using namespace velmora;
using velmora::testing::Velmora;
using velmora::testing::waitUntil;
namespace fs = std::filesystem;

// The window as the screen shows it, as a 32-bit bitmap file.
void saveWindowPicture(HWND window, const fs::path& file)
{
    RECT place;
    GetWindowRect(window, &place);
    const int width = place.right - place.left, height = place.bottom - place.top;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP picture = CreateCompatibleBitmap(screen, width, height);
    SelectObject(memory, picture);
    BitBlt(memory, 0, 0, width, height, screen, place.left, place.top, SRCCOPY);
    BITMAPINFOHEADER info {sizeof info, width, -height, 1, 32, BI_RGB};
    std::string pixels(static_cast<std::size_t>(width) * height * 4, '\0');
    GetDIBits(memory, picture, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    for (std::size_t alpha = 3; alpha < pixels.size(); alpha += 4)
        pixels[alpha] = '\xff'; // the screen has no transparency; readers take 0 for it
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    const BITMAPFILEHEADER header {0x4d42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof info + pixels.size()),
                                   0, 0, sizeof(BITMAPFILEHEADER) + sizeof info};
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out << pixels;
}

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
    saveWindowPicture(app.main, "frmMain-wine.bmp");
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

    // A client-only run, with the generate button disabled while it runs.
    const fs::path save = app.folder.path() / "save";
    fs::create_directories(save);
    app.setText("txt_URL", "https://www.example.test/");
    app.setText("txt_SavePath", platform::utf8FromPath(save));
    app.click("cmd_Create");
    waitUntil("the generate button to be disabled", [&] { return !app.enabled("cmd_Create"); });
    EXPECT_NE(app.answer(IDOK).find(job::messages::completed), std::string::npos);
    waitUntil("the generate button to be enabled again", [&] { return app.enabled("cmd_Create"); });
    for (const char* name : {"client.key", "client.crt", "client.cer"})
        EXPECT_TRUE(fs::exists(save / "www.example.test" / name)) << name;

    // Yes closes it, and the program ends.
    app.click("cmd_Cancel");
    app.answer(IDYES);
    EXPECT_EQ(WaitForSingleObject(app.process.hProcess, 30000), WAIT_OBJECT_0);
    DWORD status = 1;
    GetExitCodeProcess(app.process.hProcess, &status);
    EXPECT_EQ(status, 0u);
}

} // namespace

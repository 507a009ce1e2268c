#include "job/CertificateJob.h"

#include "FakeJobWindow.h"
#include "TestFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace velmora;
namespace fs = std::filesystem;
using velmora::testing::contentOf;
using Names = std::vector<std::string>;

namespace {

// Stands in for the console and the tool: records each command with what the
// window and the tool's environment showed then, and leaves the "-out" file
// unless the step is told to fail.
struct FakeTool final : platform::Console, platform::RunningCommand
{
    struct Started
    {
        std::string line;
        bool windowBusy;
        std::string commonName, altName;
    };
    const FakeJobWindow* window = nullptr;
    std::vector<Started> started;
    int failingStep = 0; // 1-based; 0 for none
    bool noConsole = false;

    std::unique_ptr<RunningCommand> start(std::string_view prefix, std::string_view command) override
    {
        if (noConsole)
            return nullptr;
        const auto variable = [](const char* name) { return std::string(std::getenv(name) ? std::getenv(name) : ""); };
        started.push_back({std::string(prefix) + " " + std::string(command), window->busy,
                           variable("VELMORA_COMMON_NAME"), variable("VELMORA_SUBJECT_ALT_NAME")});
        std::istringstream words {std::string(command)};
        for (std::string word; words >> word;)
            if (word == "-out" && words >> word && int(started.size()) != failingStep)
                std::ofstream(word) << "made by step " << started.size();
        return std::make_unique<Ended>();
    }
    bool hasEnded() override { return true; }
    struct Ended final : RunningCommand
    {
        bool hasEnded() override { return true; }
    };
};

class CertificateJob : public ::testing::Test
{
public:
    void SetUp() override
    {
        fs::create_directories(app);
        fs::create_directories(save);
        for (const char* name : {"openssl", "openssl.cnf"})
            std::ofstream(app / name) << name;
        tool.window = &window;
    }
    Names namesIn(const fs::path& folder) const
    {
        Names names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    void generate() { job::runGenerateJob(window, services); }
    void signingFinished() { job::runSigningFinishedJob(window, services); }
    // The window is idle again, with an empty status, and showed the one warning.
    void expectStoppedWith(const std::string& warning, const std::string& status = "")
    {
        EXPECT_EQ(window.warnings, Names {warning});
        EXPECT_FALSE(window.busy);
        EXPECT_EQ(window.status, status);
        EXPECT_TRUE(window.informations.empty());
    }

    velmora::testing::TestFolder root {"job"};
    fs::path app = root.path() / "app", save = root.path() / "save";
    FakeJobWindow window {{.savePath = save.string()}};
    FakeTool tool;
    std::function<void()> onDispatch = [] {};
    job::JobServices services {app.string(), tool, [this](auto) { onDispatch(); }, std::chrono::milliseconds(1)};
    const std::string out = save.string() + "/www.example.test";
};

TEST_F(CertificateJob, ClientAndServerRunHandsTheScriptToTheUser)
{
    window.in = {.url = "https://www.example.test:8443/",
                 .savePath = save.string(),
                 .clientAndServer = true,
                 .serverRequest = "-----BEGIN CERTIFICATE REQUEST-----\nMIIB\n-----END CERTIFICATE REQUEST-----",
                 .clientOnly = false};
    window.onMessage = [](const FakeJobWindow& shown) { EXPECT_FALSE(shown.busy); };
    generate();

    const std::string a = app.string();
    ASSERT_EQ(tool.started.size(), 4u);
    EXPECT_EQ(tool.started[0].line, "cmd.exe /c " + a + "/openssl genrsa -des3 -out " + a + "/ca.key 2048");
    EXPECT_EQ(tool.started[1].line,
              "cmd.exe /c " + a + "/openssl req -config " + a + "/openssl.cnf -new -x509 -days 365 -key " + a
                  + "/ca.key -out " + a + "/ca.crt");
    EXPECT_EQ(tool.started[3].line,
              "cmd.exe /c " + a + "/openssl req -config " + a + "/openssl.cnf -new -key " + a + "/server.key -out " + a
                  + "/server.csr");
    for (const auto& step : tool.started)
        EXPECT_TRUE(step.windowBusy) << step.line;
    EXPECT_EQ(tool.started[1].commonName, "Velmora CA for www.example.test");
    EXPECT_EQ(tool.started[3].commonName, "www.example.test");
    EXPECT_EQ(tool.started[3].altName, "DNS:www.example.test");

    const std::string script = a + "/UserSign.sh";
    EXPECT_EQ(window.statuses,
              (Names {"", "正在產生用戶端憑證 Key ...", "正在產生用戶端憑證 ...", "正在產生伺服器端憑證 Key ...",
                      "正在初始化伺服器憑證請求檔 ...", "正在產生伺服器憑證簽章指令檔 ...", "請點選執行:" + script}));
    EXPECT_EQ(window.informations,
              Names {"簽核伺服器憑證需要您的參與, 請點選執行:\r\n" + script + "\r\n後按『已完成簽章』來產生憑證!"});
    EXPECT_EQ(window.busyChanges, 2);
    EXPECT_EQ(contentOf(app / "server.csr"), window.in.serverRequest + "\r\n");
    EXPECT_EQ(fs::status(script).permissions() & fs::perms::owner_exec, fs::perms::owner_exec);
}

TEST_F(CertificateJob, AFailedStepStopsTheRunAndLeavesTheWindowIdle)
{
    struct Case
    {
        const char* label;
        std::function<void(CertificateJob&)> arrange;
        std::string warning;
        std::size_t stepsRun;
    };
    const std::string a = app.string();
    const Case cases[] {
        {"tool missing", [](auto& t) { fs::remove(t.app / "openssl"); }, "找不到 " + a + "/openssl, 無法產生憑證!", 0},
        {"configuration missing", [](auto& t) { fs::remove(t.app / "openssl.cnf"); },
         "找不到 " + a + "/openssl.cnf, 無法產生憑證!", 0},
        {"no console", [](auto& t) { t.tool.noConsole = true; }, "無法開啟命令視窗, 已停止產生憑證!", 0},
        {"CA key", [](auto& t) { t.tool.failingStep = 1; }, "無法產生 ca.key, 已停止產生憑證!", 1},
        {"CA certificate, an old one left",
         [](auto& t) {
             t.tool.failingStep = 2;
             std::ofstream(t.app / "ca.crt") << "from an earlier run";
         },
         "無法產生 ca.crt, 已停止產生憑證!", 2},
        {"server key", [](auto& t) { t.tool.failingStep = 3; }, "無法產生 server.key, 已停止產生憑證!", 3},
        {"server request", [](auto& t) { t.tool.failingStep = 4; }, "無法產生 server.csr, 已停止產生憑證!", 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        SetUp();
        window = FakeJobWindow({.savePath = save.string(), .clientAndServer = true, .autoRequest = true});
        tool = FakeTool {};
        tool.window = &window;
        c.arrange(*this);
        generate();
        expectStoppedWith(c.warning);
        EXPECT_EQ(tool.started.size(), c.stepsRun);
        EXPECT_TRUE(namesIn(out).empty());
        EXPECT_FALSE(fs::exists(app / "UserSign.sh"));
        fs::remove_all(app);
    }
}

TEST_F(CertificateJob, ClientOnlyRunSwitchedToTheOtherKindDuringThePauseExportsNothing)
{
    onDispatch = [this] {
        if (window.status.starts_with("輸出憑證到 ")) {
            window.in.clientOnly = false;
            window.in.clientAndServer = true;
        }
    };
    generate();
    EXPECT_EQ(tool.started.size(), 2u);
    expectStoppedWith("下列檔案沒有輸出到 " + out + ":\r\nclient.key\r\nclient.crt\r\nclient.cer\r\n原始檔案仍保留在 "
                      + app.string());
    EXPECT_EQ(namesIn(app), (Names {"ca.crt", "ca.key", "openssl", "openssl.cnf"}));
}

TEST_F(CertificateJob, SigningFinishedWritesTheNoticeInTheSystemCodePage)
{
    window.onMessage = [](const FakeJobWindow& shown) {
        EXPECT_FALSE(shown.busy);
        EXPECT_EQ(shown.status, "");
    };
    for (const char* name : {"ca.key", "ca.crt", "server.key", "server.csr", "server.crt"})
        std::ofstream(app / name) << name;
    services.codePage = platform::big5CodePage;
    signingFinished();
    EXPECT_EQ(window.informations, Names {"SSL 憑證產生完成!"});
    EXPECT_EQ(fs::file_size(fs::path(out) / "server.cer"), 85u); // 83 bytes of Big5 text and CR LF
    EXPECT_EQ(namesIn(app), (Names {"openssl", "openssl.cnf"}));
}

} // namespace

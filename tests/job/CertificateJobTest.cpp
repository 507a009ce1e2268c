#include "job/CertificateJob.h"

#include "FakeCommand.h"
#include "FakeJobWindow.h"
#include "TestFolder.h"
#include "job/JobTexts.h"
#include "job/ToolFiles.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace velmora;
namespace fs = std::filesystem;
using velmora::testing::contentOf;
using velmora::testing::namesIn;
using Names = std::vector<std::string>;
using Files = std::set<std::string>;

namespace {

// Stands in for the console and the tool: records each command with the
// environment it gives the tool, and leaves the "-out" file unless told to
// fail: then none, or an empty one as a console closed at a prompt does.
struct FakeTool final : platform::Console
{
    struct Started
    {
        std::string line;
        std::string commonName, altName;
    };
    FakeJobWindow* window = nullptr;
    std::vector<Started> started;
    int failingStep = 0; // 1-based; 0 for none
    bool failureLeavesEmptyFile = false, noConsole = false;

    std::unique_ptr<platform::RunningCommand> start(std::string_view prefix, std::string_view command,
                                                    const platform::EnvironmentValues& environment) override
    {
        if (noConsole)
            return nullptr;
        const auto variable = [&](std::string_view name) {
            for (const auto& [set, value] : environment)
                if (set == name)
                    return value;
            return std::string();
        };
        started.push_back({std::string(prefix) + " " + std::string(command), variable("VELMORA_COMMON_NAME"),
                           variable("VELMORA_SUBJECT_ALT_NAME")});
        window->events.push_back("step");
        if (int(started.size()) != failingStep || failureLeavesEmptyFile)
            velmora::testing::leaveOutputFile(command, int(started.size()) == failingStep ? "" : "made");
        return std::make_unique<velmora::testing::CommandUntil>([] { return true; });
    }
};

class CertificateJob : public ::testing::Test
{
public:
    void SetUp() override
    {
        fs::create_directories(app);
        fs::create_directories(save);
        for (const std::string_view name : {form.toolFile, std::string_view("openssl.cnf")})
            std::ofstream(app / name) << name;
        tool.window = &window;
    }
    void generate() { job::runGenerateJob(window, services); }
    void signingFinished() { job::runSigningFinishedJob(window, services); }
    const job::SystemForm& form = job::thisSystem();
    velmora::testing::TestFolder root {"job"};
    fs::path app = root.path() / "app", save = root.path() / "save";
    FakeJobWindow window {{.savePath = save.string()}};
    FakeTool tool;
    std::function<void()> onDispatch = [] {};
    // A single dispatch, or one of the many that make up a pause.
    void dispatch(std::chrono::milliseconds longest)
    {
        const std::string event = longest.count() == 0 ? "dispatch" : "pause";
        if (event == "dispatch" || window.events.empty() || window.events.back() != event)
            window.events.push_back(event);
        onDispatch();
    }
    job::JobServices services {app.string(), tool, [this](auto longest) { dispatch(longest); },
                               std::chrono::milliseconds(1)};
    const std::string out = save.string() + form.separator + "www.example.test";
    // A file of the application folder as the job names it.
    std::string inApp(std::string_view name) const { return app.string() + form.separator + std::string(name); }
};

const Names stepEvents {"step", "dispatch", "dispatch"}; // the runner's dispatch, then the job's

Names concat(std::initializer_list<Names> parts)
{
    Names all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST_F(CertificateJob, ClientAndServerRunHandsTheScriptToTheUser)
{
    window.in = {.url = "https://www.example.test:8443/",
                 .savePath = save.string(),
                 .clientAndServer = true,
                 .serverRequest = "-----BEGIN CERTIFICATE REQUEST-----\nMIIB\n-----END CERTIFICATE REQUEST-----",
                 .clientOnly = false};
    std::ofstream(app / "server.crt") << "signed by an earlier script";
    generate();

    // The lines' wording is the command-line test's; here what the window and the folder give them.
    ASSERT_EQ(tool.started.size(), 4u);
    EXPECT_EQ(tool.started[0].line,
              "cmd.exe /c " + inApp(form.toolFile) + " genrsa -des3 -out " + inApp("ca.key") + " 2048");
    EXPECT_NE(tool.started[1].line.find(" -days 365 -key " + inApp("ca.key") + " "), std::string::npos);
    EXPECT_TRUE(tool.started[2].line.ends_with(inApp("server.key") + " 2048"));
    EXPECT_EQ(tool.started[1].commonName, "Velmora CA for www.example.test");
    EXPECT_EQ(tool.started[3].commonName, "www.example.test");
    EXPECT_EQ(tool.started[3].altName, "DNS:www.example.test");
    EXPECT_EQ(std::getenv("VELMORA_COMMON_NAME"), nullptr) << "the tool's values stay in its own environment";

    const std::string script = inApp(form.signingScript);
    EXPECT_EQ(window.events,
              concat({{"status ", "busy", "status 正在產生用戶端憑證 Key ..."},
                      stepEvents,
                      {"pause", "status 正在產生用戶端憑證 ..."},
                      stepEvents,
                      {"pause", "status 正在產生伺服器端憑證 Key ..."},
                      stepEvents,
                      {"pause", "status 正在初始化伺服器憑證請求檔 ..."},
                      stepEvents,
                      {"dispatch", "pause", "status 正在產生伺服器憑證簽章指令檔 ...", "dispatch", "pause", "idle",
                       "status 請點選執行:" + script, "information"}}));
    EXPECT_FALSE(fs::exists(app / "server.crt"));
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
    // Changes a control once the given number of steps have run.
    const auto afterStep = [](std::size_t step, auto change) {
        return [step, change](CertificateJob& t) {
            t.onDispatch = [&t, step, change] {
                if (t.tool.started.size() == step)
                    change(t.window.in);
            };
        };
    };
    const Case cases[] {
        {"tool missing", [](auto& t) { fs::remove(t.app / t.form.toolFile); },
         "找不到 " + inApp(form.toolFile) + ", 無法產生憑證!", 0},
        {"configuration missing", [](auto& t) { fs::remove(t.app / "openssl.cnf"); },
         "找不到 " + inApp("openssl.cnf") + ", 無法產生憑證!", 0},
        {"output into the application folder",
         [](auto& t) {
             t.window.in.url = "app";
             t.window.in.savePath = t.root.path().string();
             fs::create_directories(t.out);
         },
         "存放位置 不可以是程式所在的資料夾!", 0},
        {"no console", [](auto& t) { t.tool.noConsole = true; }, "無法開啟命令視窗, 已停止產生憑證!", 0},
        {"CA key", [](auto& t) { t.tool.failingStep = 1; }, "無法產生 ca.key, 已停止產生憑證!", 1},
        {"CA key left empty",
         [](auto& t) {
             t.tool.failingStep = 1;
             t.tool.failureLeavesEmptyFile = true;
         },
         "無法產生 ca.key, 已停止產生憑證!", 1},
        {"CA certificate, an old one left",
         [](auto& t) {
             t.tool.failingStep = 2;
             std::ofstream(t.app / "ca.crt") << "from an earlier run";
         },
         "無法產生 ca.crt, 已停止產生憑證!", 2},
        {"server key", [](auto& t) { t.tool.failingStep = 3; }, "無法產生 server.key, 已停止產生憑證!", 3},
        {"server request", [](auto& t) { t.tool.failingStep = 4; }, "無法產生 server.csr, 已停止產生憑證!", 4},
        {"key length changed to shell text", afterStep(2, [](WindowInputs& in) { in.maxLen = "2048 & del *.*"; }),
         "憑證強度 必須是 512 到 16384 之間的數字!", 2},
        {"automatic request turned off, no request pasted",
         afterStep(4, [](WindowInputs& in) { in.autoRequest = false; }), "您沒有輸入 伺服器憑證請求檔!", 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        SetUp();
        window = FakeJobWindow({.savePath = save.string(), .clientAndServer = true, .autoRequest = true});
        tool = FakeTool {};
        tool.window = &window;
        onDispatch = [] {};
        c.arrange(*this);
        generate();
        EXPECT_EQ(window.warnings, Names {c.warning});
        EXPECT_FALSE(window.busy);
        EXPECT_EQ(window.status, "");
        EXPECT_TRUE(window.informations.empty());
        EXPECT_EQ(tool.started.size(), c.stepsRun);
        EXPECT_TRUE(namesIn(out).empty());
        EXPECT_FALSE(fs::exists(app / form.signingScript));
        for (const auto& file : fs::directory_iterator(app))
            EXPECT_GT(file.file_size(), 0u) << file.path() << " could pass for a result";
        fs::remove_all(app);
    }
}

TEST_F(CertificateJob, UnusableWorkingFolderIsNamedBeforeAnyCheckOrStep)
{
    std::ofstream(app / "server.crt") << "signed";
    for (const auto& [problem, press, warning] :
         {std::tuple {platform::FolderProblem::CannotPrepare, &CertificateJob::generate, app.string() + "!"},
          std::tuple {platform::FolderProblem::OthersMayWrite, &CertificateJob::signingFinished,
                      app.string() + ", 其他帳號可以修改它!"}}) {
        services.appFolderProblem = problem;
        window = FakeJobWindow({.savePath = save.string()});
        (this->*press)();
        EXPECT_EQ(window.events, Names {"warning"});
        EXPECT_EQ(window.warnings, Names {"無法使用工作資料夾 " + warning});
        EXPECT_TRUE(tool.started.empty());
        EXPECT_FALSE(fs::exists(out));
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
    EXPECT_EQ(window.events,
              concat({{"status ", "busy", "status 正在產生用戶端憑證 Key ..."},
                      stepEvents,
                      {"pause", "status 正在產生用戶端憑證 ..."},
                      stepEvents,
                      {"status 輸出憑證到 " + out + " 中, 請稍後 ...", "pause", "idle", "status ", "warning"}}));
    EXPECT_EQ(window.warnings,
              Names {"下列檔案沒有輸出到 " + out + ":\r\nclient.key\r\nclient.crt\r\nclient.cer\r\n原始檔案仍保留在 "
                     + app.string()});
    EXPECT_EQ(namesIn(app), (Files {"ca.crt", "ca.key", std::string(form.toolFile), "openssl.cnf"}));
}

TEST_F(CertificateJob, SigningFinishedWritesTheNoticeInTheCodePageItIsGiven)
{
    // Big5 gives 83 bytes of text and CR LF; the system's own code page is the
    // locale's, Big5 too where the test run names code page 950.
    const char* expected = std::getenv("VELMORA_TEST_CODE_PAGE");
    const bool systemIsBig5 = expected && std::string_view(expected) == "950";
    const std::string notice {job::texts::serverNotice};
    for (const auto& [codePage, isBig5] :
         {std::pair {platform::systemCodePage(), systemIsBig5}, std::pair {platform::big5CodePage, true}}) {
        for (const char* name : {"ca.key", "ca.crt", "server.key", "server.csr", "server.crt"})
            std::ofstream(app / name) << name;
        window.events.clear();
        window.informations.clear();
        services.codePage = codePage;
        signingFinished();
        EXPECT_EQ(window.events,
                  (Names {"busy", "status 輸出憑證到 " + out + " 中, 請稍後 ...", "pause", "dispatch", "idle",
                          "status ", "information"}));
        EXPECT_EQ(window.informations, Names {"SSL 憑證產生完成!"});
        EXPECT_EQ(contentOf(fs::path(out) / "server.cer"),
                  platform::encodeText(notice, codePage).value_or(notice) + "\r\n");
        if (isBig5) {
            EXPECT_EQ(fs::file_size(fs::path(out) / "server.cer"), 85u);
        }
        EXPECT_EQ(namesIn(app), (Files {std::string(form.toolFile), "openssl.cnf"}));
    }
}

} // namespace

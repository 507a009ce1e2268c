// The two buttons' presses on a fake window and a fake tool: what the user is
// told, where the focus goes, what the tool is given and what is left behind.
#include "job/CertificateJob.h"

#include "FakeCommand.h"
#include "FakeJobWindow.h"
#include "TestFolder.h"
#include "job/ToolFiles.h"
#include "platform/Utf8Path.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <stdexcept>

using namespace velmora;
namespace fs = std::filesystem;
using velmora::testing::contentOf;
using velmora::testing::namesIn;
using Names = std::vector<std::string>;
using Files = std::set<std::string>;
using job::InputControl;

namespace {

// Stands in for the console and the tool: records each command with the
// environment it gives the tool, and leaves the "-out" file unless told to
// fail: then none, or an empty one as a console closed at a prompt does.
struct FakeTool final : platform::Console
{
    struct Started
    {
        std::string line;
        std::map<std::string, std::string> environment;
    };
    std::vector<Started> started;
    int failingStep = 0; // 1-based; 0 for none
    bool failureLeavesEmptyFile = false, noConsole = false, throws = false;

    std::unique_ptr<platform::RunningCommand> start(std::string_view prefix, std::string_view command,
                                                    const platform::EnvironmentValues& environment) override
    {
        if (noConsole)
            return nullptr;
        if (throws)
            throw std::runtime_error("a path the system cannot convert");
        started.push_back({std::string(prefix) + " " + std::string(command), {environment.begin(), environment.end()}});
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
    }
    void generate() { job::runGenerateJob(window, services); }
    void signingFinished() { job::runSigningFinishedJob(window, services); }
    // Changes the window once the given number of steps have run.
    void afterStep(std::size_t step, std::function<void(WindowInputs&)> change)
    {
        onDispatch = [this, step, change] {
            if (tool.started.size() == step)
                change(window.in);
        };
    }
    // A file of the working folder as the job names it.
    std::string inApp(std::string_view name) const { return app.string() + form.separator + std::string(name); }

    const job::SystemForm& form = job::thisSystemForm();
    velmora::testing::TestFolder root {"job"};
    fs::path app = root.path() / "app", save = root.path() / "save";
    FakeJobWindow window {{.savePath = save.string()}};
    FakeTool tool;
    std::function<void()> onDispatch = [] {};
    job::JobServices services {app.string(), tool, [this](auto) { onDispatch(); }, std::chrono::milliseconds(1)};
    const std::string out = save.string() + form.separator + "www.example.test";
};

const std::string empty = "____/__/__";

TEST_F(CertificateJob, EveryPressThatCannotGoOnSaysWhyAndLeavesNothingBehind)
{
    using enum InputControl;
    using Press = void (CertificateJob::*)();
    const Press generate = &CertificateJob::generate, signingFinished = &CertificateJob::signingFinished;
    const WindowInputs server {.savePath = "save", .clientAndServer = true, .autoRequest = true};
    struct Case
    {
        const char* label;
        WindowInputs inputs; // the save location is the test's folder of that name
        std::function<void(CertificateJob&)> arrange;
        Press press;
        std::string warning; // with {out}, {app}, {tool}, {cnf} and {script} for those paths and names
        std::optional<InputControl> focus;
        std::size_t stepsRun = 0;
    };
    const auto none = [](CertificateJob&) {};
    const Case cases[] {
        {"both dates empty", {.startDate = empty, .endDate = empty}, none, generate, "您沒有輸入 開始日期!", StartDate},
        {"end date empty", {.endDate = empty}, none, generate, "您沒有輸入 到期日期!", EndDate},
        {"start half typed", {.startDate = "2026/1_/__"}, none, generate, "開始日期 不是正確的日期!", StartDate},
        {"end impossible", {.endDate = "2027/02/29"}, none, generate, "到期日期 不是正確的日期!", EndDate},
        {"end equals start, length bad",
         {.maxLen = "x", .endDate = "2026/12/06"},
         none,
         generate,
         "到期日期 必須晚於 開始日期!",
         EndDate},
        {"key length with shell text",
         {.maxLen = "2048 & del *.*", .url = ""},
         none,
         generate,
         "憑證強度 必須是 512 到 16384 之間的數字!",
         MaxLen},
        {"address blank", {.url = "   "}, none, signingFinished, "您沒有輸入 使用網址!", Url},
        {"save location blank",
         {.maxLen = "x", .savePath = " "},
         none,
         signingFinished,
         "您沒有輸入 存放位置!",
         SavePath},
        {"request missing", {.clientAndServer = true}, none, generate, "您沒有輸入 伺服器憑證請求檔!", SrvReq},
        {"output folder's parent missing",
         {.savePath = "save/missing"},
         none,
         signingFinished,
         "無法建立資料夾 {out}!",
         SavePath},
        {"output folder is the working folder",
         {.url = "app", .savePath = ""},
         none,
         generate,
         "存放位置 不可以是程式所在的資料夾!",
         SavePath},
        {"working folder not ready",
         {},
         [](auto& t) { t.services.workingFolderProblem = platform::FolderProblem::CannotPrepare; },
         signingFinished,
         "無法使用工作資料夾 {app}!"},
        {"working folder open to others",
         {.startDate = empty},
         [](auto& t) { t.services.workingFolderProblem = platform::FolderProblem::OthersMayWrite; },
         generate,
         "無法使用工作資料夾 {app}, 其他帳號可以修改它!"},
        {"tool missing",
         {},
         [](auto& t) { fs::remove(t.app / t.form.toolFile); },
         generate,
         "找不到 {tool}, 無法產生憑證!"},
        {"no console", {}, [](auto& t) { t.tool.noConsole = true; }, generate, "無法開啟命令視窗, 已停止產生憑證!"},
        {"an error nobody foresaw",
         {},
         [](auto& t) { t.tool.throws = true; },
         generate,
         "無法產生 SSL 憑證, 已停止產生憑證!"},
        {"CA key", {}, [](auto& t) { t.tool.failingStep = 1; }, generate, "無法產生 ca.key, 已停止產生憑證!", {}, 1},
        {"CA key left empty",
         {},
         [](auto& t) {
             t.tool.failingStep = 1;
             t.tool.failureLeavesEmptyFile = true;
         },
         generate,
         "無法產生 ca.key, 已停止產生憑證!",
         {},
         1},
        {"CA certificate, an old one left",
         {},
         [](auto& t) {
             t.tool.failingStep = 2;
             std::ofstream(t.app / "ca.crt") << "from an earlier run";
         },
         generate,
         "無法產生 ca.crt, 已停止產生憑證!",
         {},
         2},
        {"server request",
         server,
         [](auto& t) { t.tool.failingStep = 4; },
         generate,
         "無法產生 server.csr, 已停止產生憑證!",
         {},
         4},
        {"key length changed to shell text", server,
         [](auto& t) { t.afterStep(2, [](WindowInputs& in) { in.maxLen = "2048 & del *.*"; }); }, generate,
         "憑證強度 必須是 512 到 16384 之間的數字!", MaxLen, 2},
        {"automatic request turned off, none pasted", server,
         [](auto& t) { t.afterStep(4, [](WindowInputs& in) { in.autoRequest = false; }); }, generate,
         "您沒有輸入 伺服器憑證請求檔!", SrvReq, 4},
        {"start date spoiled during the run", server,
         [](auto& t) { t.afterStep(4, [](WindowInputs& in) { in.startDate = "2026/13/01"; }); }, generate,
         "開始日期 不是正確的日期!", StartDate, 4},
        {"end date spoiled during the run", server,
         [](auto& t) { t.afterStep(4, [](WindowInputs& in) { in.endDate = "2027/02/29"; }); }, generate,
         "到期日期 不是正確的日期!", EndDate, 4},
        {"client-only switched to the other kind during the pause",
         {},
         [](auto& t) {
             t.onDispatch = [&t] {
                 if (t.window.status.starts_with("輸出憑證到 "))
                     t.window.in = {.savePath = t.window.in.savePath, .clientAndServer = true, .clientOnly = false};
             };
         },
         generate,
         "下列檔案沒有輸出到 {out}:\r\nclient.key\r\nclient.crt\r\nclient.cer\r\n原始檔案仍保留在 {app}",
         {},
         2},
        {"signing finished before the script ran",
         {},
         none,
         signingFinished,
         "找不到 server.crt, 請先執行 {script} 後再按『已完成簽章』!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        fs::remove_all(root.path());
        SetUp();
        tool = FakeTool {};
        onDispatch = [] {};
        services.workingFolderProblem = platform::FolderProblem::None;
        window = FakeJobWindow(c.inputs);
        if (!c.inputs.savePath.starts_with(' '))
            window.in.savePath = (root.path() / c.inputs.savePath).string();
        c.arrange(*this);
        (this->*c.press)();

        const std::string outputFolder = window.in.savePath + form.separator + "www.example.test";
        std::string warning = c.warning;
        for (const auto& [token, text] : {std::pair<std::string, std::string> {"{out}", outputFolder},
                                          {"{app}", app.string()},
                                          {"{tool}", inApp(form.toolFile)},
                                          {"{cnf}", inApp("openssl.cnf")},
                                          {"{script}", std::string(form.signingScript)}})
            if (const auto at = warning.find(token); at != std::string::npos)
                warning.replace(at, token.size(), text);
        EXPECT_EQ(window.warnings, Names {warning});
        if (c.inputs.savePath == " ") {
            EXPECT_EQ(window.in.savePath, "") << "the box keeps the blanks";
        }
        EXPECT_EQ(window.focused, c.focus ? std::vector {*c.focus} : std::vector<InputControl> {});
        EXPECT_FALSE(window.busy);
        EXPECT_TRUE(window.informations.empty());
        EXPECT_EQ(tool.started.size(), c.stepsRun);
        EXPECT_FALSE(fs::exists(outputFolder) && !fs::is_empty(outputFolder)) << "exported";
        EXPECT_FALSE(fs::exists(app / form.signingScript));
        for (const auto& file : fs::directory_iterator(app))
            EXPECT_GT(file.file_size(), 0u) << file.path() << " could pass for a result";
    }
}

TEST_F(CertificateJob, ClientAndServerRunTakesTheWindowsValuesWhenEachIsUsedThenExportsOnSigning)
{
    const std::string request = "-----BEGIN CERTIFICATE REQUEST-----\nMIIB\n-----END CERTIFICATE REQUEST-----";
    window.in = {.maxLen = "3000",
                 .url = "  https://www.example.test ",
                 .savePath = save.string() + form.separator,
                 .clientAndServer = true,
                 .serverRequest = request,
                 .clientOnly = false};
    afterStep(2, [](WindowInputs& in) {
        in.maxLen = "4096";
        in.endDate = "2028/01/31";
    });
    std::ofstream(app / "server.crt") << "signed by an earlier script";
    generate();

    ASSERT_EQ(window.warnings, Names {});
    EXPECT_EQ(window.in.url, "https://www.example.test");
    EXPECT_EQ(window.in.savePath, save.string());
    ASSERT_EQ(tool.started.size(), 4u);
    EXPECT_TRUE(tool.started[0].line.ends_with(inApp("ca.key") + " 3000"));
    EXPECT_NE(tool.started[1].line.find(" -days 365 "), std::string::npos);
    EXPECT_TRUE(tool.started[2].line.ends_with(inApp("server.key") + " 4096"));
    using Values = std::map<std::string, std::string>;
    EXPECT_EQ(tool.started[0].environment, Values {});
    EXPECT_EQ(tool.started[1].environment, (Values {{"VELMORA_COMMON_NAME", "Velmora CA for www.example.test"}}));
    EXPECT_EQ(
        tool.started[3].environment,
        (Values {{"VELMORA_COMMON_NAME", "www.example.test"}, {"VELMORA_SUBJECT_ALT_NAME", "DNS:www.example.test"}}));
    EXPECT_EQ(std::getenv("VELMORA_COMMON_NAME"), nullptr) << "the tool's values stay in its own environment";
    EXPECT_EQ(contentOf(app / "server.csr"), request + "\r\n");
    EXPECT_NE(contentOf(app / form.signingScript).find(" -startdate 261206000000Z -enddate 280131235959Z "),
              std::string::npos);
    EXPECT_FALSE(fs::exists(app / "server.crt"));
    const std::string script = inApp(form.signingScript);
    EXPECT_EQ(window.status, "請點選執行:" + script);
    EXPECT_EQ(window.informations,
              Names {"簽核伺服器憑證需要您的參與, 請點選執行:\r\n" + script + "\r\n後按『已完成簽章』來產生憑證!"});
    EXPECT_FALSE(window.busy);

    std::ofstream(app / "server.crt") << "signed";
    services.codePage = {"BIG5", 950};
    signingFinished();
    EXPECT_EQ(window.informations.back(), "SSL 憑證產生完成!");
    EXPECT_EQ(namesIn(out),
              (Files {"client.cer", "client.crt", "client.key", "privkey.pem", "server.cer", "server.crt", "server.csr",
                      "server.key"}));
    // The placeholder's text in Big5.
    EXPECT_EQ(contentOf(fs::path(out) / "server.cer"),
              "\xbd\xd0\xb1N server.crt \xa4\xa4\xaa\xba -----BEGIN CERTIFICATE----- \xb0\xcf\xacq\xbd\xc6\xbbs\xa8"
              "\xec\xa6\xb9\xb3"
              "B, \xa6\xf8\xaa"
              "A\xbe\xb9\xbe\xcc\xc3\xd2\xa7Y\xa5i\xa5\xcd\xae\xc4\r\n");
    EXPECT_EQ(namesIn(app), (Files {std::string(form.toolFile), "openssl.cnf", std::string(form.signingScript)}));
}

TEST_F(CertificateJob, TheToolIsToldTheCaNameThatFitsAndUtf8OnlyWhereTheCodePageLacksTheFolder)
{
    // With "Velmora CA for ", a 49-character host makes the longest name a certificate takes: 64 characters.
    const std::string host49 = std::string(44, 'a') + ".test";
    const platform::CodePage ascii {"ANSI_X3.4-1968", 20127};
    const std::tuple<std::string, const char*, platform::CodePage, std::string, bool> cases[] {
        {host49, "app", ascii, "Velmora CA for " + host49, false},
        {"b" + host49, "app", ascii, "Velmora CA", false},
        {"www.example.test", "憑證", ascii, "Velmora CA for www.example.test", true},
    };
    for (const auto& [host, folder, codePage, caName, utf8] : cases) {
        SCOPED_TRACE(host + " " + folder);
        fs::remove_all(root.path());
        app = root.path() / platform::pathFromUtf8(folder);
        SetUp();
        services.workingFolder = platform::utf8FromPath(app);
        services.codePage = codePage;
        tool = FakeTool {};
        window = FakeJobWindow({.url = host, .savePath = save.string()});
        generate();
        ASSERT_EQ(tool.started.size(), 2u);
        EXPECT_EQ(tool.started[1].environment["VELMORA_COMMON_NAME"], caName);
        for (auto& step : tool.started)
            EXPECT_EQ(step.environment.count("OPENSSL_WIN32_UTF8"), utf8 ? 1u : 0u);
        EXPECT_EQ(window.informations, Names {"SSL 憑證產生完成!"});
    }
}

} // namespace

// The two buttons' presses on a fake window and a fake tool: what the user is
// told, where the focus goes, what the tool is given and what is left behind.
#include "job/CertificateJob.h"

#include "FakeJobWindow.h"
#include "FakeTool.h"
#include "TestFolder.h"
#include "job/EarlierSet.h"
#include "job/ToolFiles.h"
#include "platform/TextFile.h"
#include "platform/Utf8Path.h"

#include <gtest/gtest.h>

using namespace velmora;
namespace fs = std::filesystem;
using velmora::testing::contentOf;
using velmora::testing::namesIn;
using Names = std::vector<std::string>;
using job::InputControl;

namespace {

// A job in a folder of its own, whose working folder holds the tool and its
// configuration. The save location is a folder of that name in it, as typed
// when it is only blanks.
struct Job
{
    explicit Job(WindowInputs inputs = {}, std::string_view workingFolder = "app")
        : app(root.path() / platform::pathFromUtf8(workingFolder))
        , window(std::move(inputs))
    {
        fs::create_directories(app);
        for (const std::string_view name : {form.toolFile, std::string_view("openssl.cnf")})
            std::ofstream(app / name) << name;
        if (!window.in.savePath.starts_with(' '))
            window.in.savePath = (root.path() / window.in.savePath).string();
        services.runHidden = velmora::testing::FakeTool::runHidden;
        tool.startFolder = app;
        // Noon of the default start date.
        services.now
            = [] { return std::chrono::sys_days {std::chrono::year {2026} / 12 / 6} + std::chrono::hours {12}; };
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
    fs::path app;
    FakeJobWindow window;
    velmora::testing::FakeTool tool;
    std::function<void()> onDispatch = [] {};
    // The steps run by each pause's start, one entry a pause, and what the
    // status line said at each dispatch.
    std::vector<std::size_t> stepsAtPause;
    bool pausing = false;
    std::set<std::string> statusesShown;
    job::JobServices services {platform::utf8FromPath(app), tool,
                               [this](std::chrono::milliseconds longest) {
                                   if (longest == longest.zero())
                                       pausing = false;
                                   else if (!std::exchange(pausing, true))
                                       stepsAtPause.push_back(tool.started.size());
                                   statusesShown.insert(window.status);
                                   onDispatch();
                               },
                               std::chrono::milliseconds(1)};
};

using Arrange = std::function<void(Job&)>;

// The tool in a folder of its own beside the working folder, as an installed
// program keeps it, and the code page of a system whose users' names are ASCII.
Arrange toolApart(const char* folder)
{
    return [=](Job& job) {
        const fs::path tools = job.root.path() / platform::pathFromUtf8(folder);
        fs::create_directory(tools);
        fs::rename(job.app / job.form.toolFile, tools / job.form.toolFile);
        job.services.toolFolder = platform::utf8FromPath(tools);
        job.services.codePage = {"ANSI_X3.4-1968", 20127};
    };
}

#ifndef _WIN32 // what Windows decides by access lists
// Made in the job's folder, with the mode.
Arrange mode(const char* name, int mode)
{
    return [=](Job& job) {
        const fs::path path = job.root.path() / name;
        if (!fs::exists(path))
            fs::create_directory(path);
        fs::permissions(path, fs::perms(mode));
    };
}
#endif

// The user turns to a client-and-server set while the job pauses before a client-only export.
void switchKindBeforeExport(Job& job)
{
    job.onDispatch = [&job] {
        if (job.window.status.starts_with("輸出憑證到 "))
            job.window.in = {.savePath = job.window.in.savePath, .clientAndServer = true, .clientOnly = false};
    };
}

const std::string empty = "____/__/__";
const std::string unreadable = "伺服器憑證請求檔 不是正確的憑證請求檔!";
const std::chrono::sys_days dayOfTheEnd = std::chrono::year {2027} / 12 / 6;

TEST(CertificateJob, EveryPressThatCannotGoOnSaysWhyAndLeavesNothingBehind)
{
    using enum InputControl;
    using Press = void (Job::*)();
    const Press generate = &Job::generate, signingFinished = &Job::signingFinished;
    const WindowInputs server {.clientAndServer = true, .autoRequest = true};
    // A second name in the tool's list.
    const WindowInputs badHost {.url = "a.test,b.test"},
        badServerHost {.url = badHost.url, .clientAndServer = true, .autoRequest = true};
    const auto pasteAfterTheCa = [](std::string text) {
        return
            [=](Job& j) { j.afterStep(2, [=](WindowInputs& in) { in.autoRequest = false, in.serverRequest = text; }); };
    };
    // Three years, and No to the question they bring.
    const WindowInputs longServer {.endDate = "2029/12/06", .clientAndServer = true, .autoRequest = true},
        longClient {.endDate = longServer.endDate};
    struct Case
    {
        const char* label;
        WindowInputs inputs;
        Arrange arrange;
        Press press;
        std::string warning; // with {out}, {app}, {tool} and {script} for those paths and names
        std::optional<InputControl> focus;
        std::size_t stepsRun = 0;
    };
    // One row a line, as a table reads.
    // clang-format off
    const Case cases[] {
        {"both dates empty", {.startDate = empty, .endDate = empty}, {}, generate, "您沒有輸入 開始日期!", StartDate},
        {"end date empty", {.endDate = empty}, {}, generate, "您沒有輸入 到期日期!", EndDate},
        {"start half typed", {.startDate = "2026/1_/__"}, {}, generate, "開始日期 不是正確的日期!", StartDate},
        {"end impossible", {.endDate = "2027/02/29"}, {}, generate, "到期日期 不是正確的日期!", EndDate},
        {"end on start", {.maxLen = "x", .endDate = "2026/12/06"}, {}, generate, "到期日期 必須晚於 開始日期!", EndDate},
        {"shell text", {.maxLen = "2048 & del *.*", .url = ""}, {}, generate, "憑證強度 必須是 512 到 16384 之間的數字!", MaxLen},
        {"address blank", {.url = "   "}, {}, signingFinished, "您沒有輸入 使用網址!", Url},
        {"save blank", {.maxLen = "x", .savePath = " "}, {}, signingFinished, "您沒有輸入 存放位置!", SavePath},
        {"request missing", {.clientAndServer = true}, {}, generate, "您沒有輸入 伺服器憑證請求檔!", SrvReq},
        {"request unreadable", {.clientAndServer = true, .serverRequest = "MIIB"}, {}, generate, unreadable, SrvReq},
        {"parent missing", {.savePath = "missing"}, {}, signingFinished, "無法建立資料夾 {out}!", SavePath},
        {"output in working folder", {.url = "app"}, {}, generate, "存放位置 不可以是程式所在的資料夾!", SavePath},
        {"folder not ready", {}, [](Job& j) { j.services.workingFolderProblem = platform::FolderProblem::CannotPrepare; }, signingFinished, "無法使用工作資料夾 {app}!"},
        {"folder open to others", {.startDate = empty}, [](Job& j) { j.services.workingFolderProblem = platform::FolderProblem::OthersMayWrite; }, generate, "無法使用工作資料夾 {app}, 其他帳號可以修改它!"},
        {"tool missing", {}, [](Job& j) { fs::remove(j.app / j.form.toolFile); }, generate, "找不到 {tool}, 無法產生憑證!"},
        {"no console", {}, [](Job& j) { j.tool.noConsole = true; }, generate, "無法開啟命令視窗, 已停止產生憑證!"},
        {"unforeseen", {}, [](Job& j) { j.tool.throws = true; }, generate, "無法產生 SSL 憑證, 已停止產生憑證!\r\na path the system cannot convert"},
        {"CA key", {}, [](Job& j) { j.tool.failingStep = 1; }, generate, "無法產生 ca.key, 已停止產生憑證!", {}, 1},
        {"CA key left empty", {}, [](Job& j) { j.tool.failingStep = 1, j.tool.failureLeavesEmptyFile = true; }, generate, "無法產生 ca.key, 已停止產生憑證!", {}, 1},
        {"CA certificate, an old one left", {}, [](Job& j) { j.tool.failingStep = 2; std::ofstream(j.app / "ca.crt") << "old"; }, generate, "無法產生 ca.crt, 已停止產生憑證!", {}, 2},
        {"server request", server, [](Job& j) { j.tool.failingStep = 4; }, generate, "無法產生 server.csr, 已停止產生憑證!", {}, 4},
        // The window changed during the run: each value is checked again where it is used.
        {"key length", server, [](Job& j) { j.afterStep(2, [](WindowInputs& in) { in.maxLen = "2048 & del *.*"; }); }, generate, "憑證強度 必須是 512 到 16384 之間的數字!", MaxLen, 2},
        {"no request", server, pasteAfterTheCa(""), generate, "您沒有輸入 伺服器憑證請求檔!", SrvReq, 2},
        {"no request by then", server, pasteAfterTheCa("MIIB"), generate, unreadable, SrvReq, 2},
        {"a long server life declined", longServer, {}, generate, "", EndDate},
        {"a long server life declined once the kind switched", longClient, [](Job& j) { j.afterStep(2, [](WindowInputs& in) { in.clientAndServer = in.autoRequest = true; }); }, generate, "", EndDate, 2},
        {"host for a server", badServerHost, {}, generate, "使用網址 不是正確的網址!", Url},
        {"host once a server", badHost, [](Job& j) { j.afterStep(2, [](WindowInputs& in) { in.clientAndServer = in.autoRequest = true; }); }, generate, "使用網址 不是正確的網址!", Url, 2},
        {"end date passed", {.startDate = "2020/01/01", .endDate = "2021/01/01"}, {}, generate, "到期日期 已經過了!", EndDate},
        {"end date passed by the CA: the next day has begun", {}, [](Job& j) { j.services.now = [&j] { return dayOfTheEnd + std::chrono::days {j.tool.started.empty() ? 0 : 1}; }; }, generate, "到期日期 已經過了!", EndDate, 1},
        {"working folder replaced after a step", {}, [](Job& j) { j.afterStep(1, [&j](WindowInputs&) { if (!fs::exists(j.root.path() / "moved")) fs::rename(j.app, j.root.path() / "moved"), fs::copy(j.root.path() / "moved", j.app); }); }, generate, "無法使用工作資料夾 {app}, 它已被更換!", {}, 1},
#ifndef _WIN32 // access lists, not modes, decide this on Windows
        {"output open to all", {}, mode("www.example.test", 0777), signingFinished, "無法使用存放資料夾 {out}, 其他帳號可以修改它!", SavePath},
        {"output a link", {}, [](Job& j) { mode("x", 0700)(j), fs::create_directory_symlink(j.root.path() / "x", j.root.path() / "www.example.test"); }, generate, "無法使用存放資料夾 {out}, 它是一個連結!", SavePath},
        {"save location open to all", {.savePath = "open"}, mode("open", 0777), generate, "無法使用存放資料夾 {out}, {save} 其他帳號可以修改它!", SavePath},
        {"configuration open to all", {}, mode("app/openssl.cnf", 0666), signingFinished, "無法使用 {app}/openssl.cnf, 其他帳號可以修改它!"},
        {"tool folder open to all", {}, [](Job& j) { toolApart("tools")(j), mode("tools", 0777)(j); }, generate, "無法使用程式資料夾 {tools}, 其他帳號可以修改它!"},
        {"shipped configuration open to all", {}, [](Job& j) { toolApart("tools")(j), std::ofstream(j.root.path() / "tools/openssl.cnf") << "x", mode("tools/openssl.cnf", 0666)(j); }, signingFinished, "無法使用 {tools}/openssl.cnf, 其他帳號可以修改它!"},
#endif
#ifdef _WIN32 // names Windows cannot give a folder, a folder cmd.exe would rewrite, and a batch file that could not name the tool
        {"working folder cmd.exe rewrites", {}, [](Job& j) { fs::rename(j.app, j.root.path() / "a%PATH%b"), j.app = j.root.path() / "a%PATH%b", j.services.workingFolder = platform::utf8FromPath(j.app); }, generate, "無法使用工作資料夾 {app}, 命令視窗會改寫名稱中的 %!"},
        {"port in the site name", {.url = "www.example.test:8443"}, {}, signingFinished, "使用網址 中的 \":\" 不能用在 Windows 的資料夾名稱中!", Url},
        {"device name", {.url = "https://Aux.example.test"}, {}, generate, "使用網址 中的 \"aux\" 是 Windows 保留的裝置名稱, 不能作為資料夾名稱!", Url},
        {"trailing dot", {.url = "www.example.test./x"}, {}, generate, "使用網址 中的 \"www.example.test.\" 以點或空白結尾, 不能作為 Windows 的資料夾名稱!", Url},
        {"tool folder the code page lacks", server, toolApart("\u00fc"), generate, "程式資料夾 {tools} 的名稱有系統字碼頁沒有的字元, 簽章指令檔無法執行其中的 openssl.exe!\r\n請把 Velmora 安裝或解壓縮到名稱只有系統字碼頁字元的資料夾。"},
#endif
        {"tool apart, missing", {}, [](Job& j) { toolApart("tools")(j); fs::remove(j.root.path() / "tools" / j.form.toolFile); }, generate, "找不到 {tools}{sep}{toolname}, 無法產生憑證!"},
        {"kind switched before the export", {}, switchKindBeforeExport, generate, "下列檔案沒有輸出到 {out}:\r\nclient.key\r\nclient.crt\r\nclient.cer\r\n原始檔案仍保留在 {app}", {}, 2},
        {"signing finished first", {}, {}, signingFinished, "找不到 server.crt, 請先執行 {script} 後再按『已完成簽章』!"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        Job j(c.inputs);
        j.window.status = "請點選執行:UserSign.sh"; // left by an earlier press
        if (c.arrange)
            c.arrange(j);
        // Where the press puts the output folder, in whatever folder the save location names.
        const fs::path output = platform::pathFromUtf8(j.window.in.savePath) / "www.example.test";
        const bool outputBefore = fs::exists(fs::symlink_status(output));
        (j.*c.press)();
        EXPECT_EQ(j.window.status, c.press == generate ? "" : "請點選執行:UserSign.sh")
            << "a generate press empties it";

        const std::string outputFolder = j.window.in.savePath + j.form.separator + "www.example.test";
        std::string warning = c.warning;
        for (const auto& [token, text] : {std::pair<std::string, std::string> {"{out}", outputFolder},
                                          {"{app}", j.app.string()},
                                          {"{save}", j.window.in.savePath},
                                          {"{tool}", j.inApp(j.form.toolFile)},
                                          {"{tools}", j.services.toolFolder},
                                          {"{sep}", std::string(1, j.form.separator)},
                                          {"{toolname}", std::string(j.form.toolFile)},
                                          {"{script}", std::string(j.form.signingScript)}})
            if (const auto at = warning.find(token); at != std::string::npos)
                warning.replace(at, token.size(), text);
        EXPECT_EQ(j.window.warnings, warning.empty() ? Names {} : Names {warning});
        EXPECT_EQ(j.window.questions.size(), warning.empty() ? 1u : 0u) << "only the long server life asks";
        EXPECT_EQ(fs::exists(fs::symlink_status(output)), outputBefore) << "made, left";
        EXPECT_NE(j.window.in.savePath, " ") << "blanks are cleared from the box";
        EXPECT_EQ(j.window.focused, c.focus ? std::vector {*c.focus} : std::vector<InputControl> {});
        EXPECT_FALSE(j.window.busy);
        EXPECT_TRUE(j.window.informations.empty());
        EXPECT_EQ(j.tool.started.size(), c.stepsRun);
        EXPECT_FALSE(fs::exists(outputFolder) && !fs::is_empty(outputFolder)) << "exported";
        EXPECT_FALSE(fs::exists(j.app / j.form.signingScript));
        EXPECT_FALSE(fs::exists(j.app / "server.csr")) << "a request the tool could not read, or made in part";
        for (const auto& file : fs::directory_iterator(j.app))
            EXPECT_GT(file.file_size(), 0u) << file.path() << " could pass for a result";
    }
}

TEST(CertificateJob, ClientAndServerRunTakesTheWindowsValuesWhenEachIsUsedThenExportsOnSigning)
{
    Job j({.maxLen = "3000",
           .url = "  https://www.example.test ",
           .clientAndServer = true,
           .autoRequest = true,
           .serverRequest = "ignored"});
    const std::string save = j.root.path().string(), out = save + j.form.separator + "www.example.test";
    j.window.in.savePath = save + j.form.separator;
    if (j.form.shell == job::Shell::Posix) // the code page binds the tool's folder for cmd.exe alone
        toolApart("\u00fc")(j);
    // The key length is read where it is used; the dates were taken by the press.
    j.afterStep(2, [](WindowInputs& in) {
        in.maxLen = "4096";
        in.endDate = "2028/01/31";
    });
    std::ofstream(j.app / "server.crt") << "signed by an earlier script";
    j.generate();

    ASSERT_EQ(j.window.warnings, Names {});
    EXPECT_EQ(j.window.in.url, "https://www.example.test");
    EXPECT_EQ(j.window.in.savePath, save);
    ASSERT_EQ(j.tool.started.size(), 4u);
    EXPECT_EQ(j.stepsAtPause, (std::vector<std::size_t> {1, 2, 3, 4, 4})) << "after each step and the script";
    EXPECT_TRUE(j.tool.started[0].first.ends_with("ca.key 3000"));
    // From noon of the start date to the day after the end date.
    EXPECT_NE(j.tool.started[1].first.find(" -days 366 "), std::string::npos);
    EXPECT_TRUE(j.tool.started[2].first.ends_with("server.key 4096"));
    EXPECT_EQ(j.tool.started[3].second["VELMORA_SUBJECT_ALT_NAME"], "DNS:www.example.test");
    const std::string lines = contentOf(j.app / j.form.signingScript);
    EXPECT_NE(lines.find(" -startdate 261206000000Z -enddate 271206235959Z "), std::string::npos) << lines;
    for (const char* status : {"正在產生用戶端憑證 Key ...", "正在產生用戶端憑證 ...", "正在產生伺服器端憑證 Key ...",
                               "正在初始化伺服器憑證請求檔 ...", "正在產生伺服器憑證簽章指令檔 ..."})
        EXPECT_TRUE(j.statusesShown.contains(status)) << status;
    EXPECT_FALSE(fs::exists(j.app / "server.crt"));
    const std::string script = j.inApp(j.form.signingScript);
    EXPECT_EQ(j.window.status, "請點選執行:" + script);
    EXPECT_EQ(j.window.informations,
              Names {"簽核伺服器憑證需要您的參與, 請點選執行:\r\n" + script + "\r\n後按『已完成簽章』來產生憑證!"});

    std::ofstream(j.app / "server.crt") << "signed";
    // A folder in the database settings' place, which no restore can replace.
    fs::create_directories(j.app / "ca.db.index.attr" / "in the way");
    std::ofstream(j.app / "ca.db.index.attr.old") << "unique_subject = no";
    j.services.codePage = {"BIG5", 950};
    std::string shownWhileExporting;
    j.onDispatch = [&] { shownWhileExporting = j.window.status; };
    j.stepsAtPause.clear(), j.pausing = false;
    j.signingFinished();
    EXPECT_EQ(shownWhileExporting, "輸出憑證到 " + out + " 中, 請稍後 ...");
    EXPECT_EQ(j.stepsAtPause.size(), 1u) << "the pause before the export";
    EXPECT_EQ(j.window.warnings,
              Names {"SSL 憑證產生完成!\r\n下列 CA 資料庫檔案無法還原, 簽章前的備份 (.old) 仍在 " + j.app.string()
                     + ":\r\nca.db.index.attr"});
    EXPECT_EQ(contentOf(fs::path(out) / "server.key"), "made");
    // The placeholder's text, in the code page (Big5 is checked with the text files).
    const auto notice = "請將 server.crt 中的 -----BEGIN CERTIFICATE----- 區段複製到此處, 伺服器憑證即可生效";
    EXPECT_EQ(contentOf(fs::path(out) / "server.cer"), platform::encodeText(notice, {"BIG5", 950}).value() + "\r\n");
}

TEST(CertificateJob, AClientOnlyRunTellsTheToolTheCaNameThatFitsAndUtf8OnlyWhereTheCodePageLacksTheFolder)
{
    // With "Velmora CA for ", a 49-character host makes the longest name a certificate takes: 64 characters.
    const std::string host49 = std::string(44, 'a') + ".test";
    // Only cmd.exe would rewrite a % in the folder's name.
    const char* const percent = job::thisSystemForm().shell == job::Shell::Cmd ? "app" : "100%";
    const std::tuple<std::string, const char*, std::string, bool, const char*> cases[] {
        {host49, "app", "Velmora CA for " + host49, false, nullptr},
        {"b" + host49, percent, "Velmora CA", false, "tools"},
        {"www.example.test", "憑證", "Velmora CA for www.example.test", true, nullptr},
        {"www.example.test", "app", "Velmora CA for www.example.test", true, "\u00fcber"},
    };
    for (const auto& [host, folder, caName, utf8, tools] : cases) {
        SCOPED_TRACE(host + " " + folder);
        Job j({.url = host}, folder);
        if (tools)
            toolApart(tools)(j);
        j.services.codePage = {"ANSI_X3.4-1968", 20127};
        j.generate();
        ASSERT_EQ(j.tool.started.size(), 2u);
        EXPECT_EQ(j.stepsAtPause, (std::vector<std::size_t> {1, 2}))
            << "a pause between the steps and before the export";
        EXPECT_EQ(j.tool.started[1].second["VELMORA_COMMON_NAME"], caName);
        const fs::path tool
            = tools ? j.root.path() / platform::pathFromUtf8(tools) / j.form.toolFile : j.app / j.form.toolFile;
        for (auto& [line, environment] : j.tool.started) {
            EXPECT_NE(line.find(platform::utf8FromPath(tool)), std::string::npos) << line;
            // The configuration checked at the press, whatever the user's environment names.
            EXPECT_EQ(environment["OPENSSL_CONF"], j.inApp("openssl.cnf"));
            EXPECT_EQ(environment.count("OPENSSL_WIN32_UTF8"), utf8 ? 1u : 0u);
        }
        EXPECT_EQ(j.window.informations, Names {"SSL 憑證產生完成!"});
        EXPECT_EQ(j.window.status, "");
        EXPECT_EQ(namesIn(j.root.path() / host), (std::set<std::string> {"client.cer", "client.crt", "client.key"}));
#ifndef _WIN32
        EXPECT_EQ(fs::status(j.root.path() / host).permissions(), fs::perms::owner_all) << "made for the user alone";
#endif
        EXPECT_EQ(namesIn(j.app).count("ca.key"), 0u);
    }
}

// Apple's systems refuse a server certificate valid for more than 825 days; a CA certificate has no such limit.
TEST(CertificateJob, AServerCertificateValidForMoreThan825DaysIsMadeOnlyAfterTheUserSaysYes)
{
    const std::tuple<const char*, bool, int> cases[] {
        {"2029/03/09", true, 0}, {"2029/03/10", true, 826}, {"2029/12/06", true, 1097}, {"2029/12/06", false, 0}};
    for (const auto& [end, server, days] : cases) {
        Job j({.endDate = end, .clientAndServer = server, .autoRequest = true, .clientOnly = !server});
        j.window.answerYes = true;
        j.generate();
        const std::string question = "伺服器憑證的有效期間是 " + std::to_string(days)
            + " 天, 超過 825 天。\r\nApple 的裝置 (iPhone、iPad、Mac) 不接受有效期間超過 825 天的伺服器憑證, "
              "即使它來自您信任的憑證中心; 其他系統的瀏覽器則接受。\r\n您確定要繼續嗎?";
        EXPECT_EQ(j.window.questions, days ? Names {question} : Names {});
        EXPECT_EQ(j.tool.started.size(), server ? 4u : 2u);
    }
}

// The output folder then holds the new set alone, and nothing is overwritten.
TEST(CertificateJob, AnEarlierSetMovesWholeIntoAFolderOfTheUsersOwnOrNothingNewIsExported)
{
    Job j;
    const fs::path out = j.root.path() / "www.example.test";
    const auto now = j.services.now();
    const auto earlier = [&](int attempt) { return out / job::earlierSetFolderName(now, attempt); };
    fs::create_directory(out);
    for (const char* name :
         {"client.key", "Server.KEY", "server.csr", "server.crt", "server.cer", "01.pem", "notes.txt"})
        std::ofstream(out / name) << "earlier " << name;
    for (int attempt = 1; attempt <= 99; ++attempt) // every name this minute gives is taken
        fs::create_directory(earlier(attempt));
    j.generate();
    EXPECT_EQ(j.window.warnings,
              Names {"無法建立資料夾 " + earlier(1).string()
                     + ", 無法移開存放資料夾中先前輸出的憑證, 新的憑證沒有輸出!\r\n下列檔案沒有輸出到 " + out.string()
                     + ":\r\nclient.key\r\nclient.crt\r\nclient.cer\r\n原始檔案仍保留在 " + j.app.string()});
    EXPECT_EQ(contentOf(out / "client.key") + ", " + contentOf(j.app / "ca.key"), "earlier client.key, made");

    fs::remove(earlier(99)); // the last name this minute gives
    j.generate();
    EXPECT_EQ(j.window.informations,
              Names {"SSL 憑證產生完成!\r\n存放資料夾中先前輸出的憑證已移到 " + earlier(99).string()});
    EXPECT_EQ(namesIn(earlier(99)),
              (std::set<std::string> {"01.pem", "Server.KEY", "client.key", "server.cer", "server.crt", "server.csr"}));
    EXPECT_EQ(contentOf(earlier(99) / "client.key") + ", " + contentOf(out / "client.key"), "earlier client.key, made");
    EXPECT_TRUE(fs::exists(out / "notes.txt")) << "not a name a set takes";
    EXPECT_LT(earlier(99), out / job::earlierSetFolderName(now + std::chrono::minutes(1), 1)) << "names sort by time";
    EXPECT_TRUE(earlier(2).string().ends_with("-02")) << "and by attempt";
}

} // namespace

#include "FakeJobWindow.h"
#include "IdleWindow.h"
#include "StdinConsole.h"
#include "TestFolder.h"
#include "job/CertificateJob.h"
#include "platform/ShellAndWait.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <gtest/gtest.h>
#include <sys/wait.h>

// The real job with the real tool and the shipped configuration: the one place
// where the command lines, openssl.cnf, the signing script and the export have
// to agree with each other and with what the tool really does.
namespace {

namespace fs = std::filesystem;
namespace job = velmora::job;
namespace platform = velmora::platform;
namespace support = velmora::testing;
using namespace std::chrono_literals;
using velmora::testing::contentOf;
using velmora::testing::namesIn;
using Names = std::set<std::string>;

const std::string passPhrase = "velmora-test";
const Names shippedFiles {"openssl", "openssl.cnf", "ca.db.index", "ca.db.serial"};
const Names clientFiles {"client.key", "client.crt", "client.cer"};
const std::string tool = VELMORA_TEST_OPENSSL;
// What a user types: a new key's pass phrase twice; for a request the key's
// pass phrase, then Enter for each name's default; for the signing, yes twice.
const std::vector<support::TypedLines> answers {{" genrsa ", passPhrase + "\n" + passPhrase + "\n"},
                                                {" req ", passPhrase + "\n" + std::string(10, '\n')},
                                                {"UserSign.sh", passPhrase + "\ny\ny\n"}};

std::string quoted(const fs::path& path)
{
    return "'" + path.string() + "'";
}

// A shell command's exit status (-1 when it did not exit) and all it wrote.
std::pair<int, std::string> run(const std::string& command)
{
    std::string output;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    for (int c; pipe && (c = std::fgetc(pipe)) != EOF;)
        output += static_cast<char>(c);
    const int status = pipe ? pclose(pipe) : -1;
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

std::string describe(const fs::path& certificate)
{
    return run(tool + " x509 -noout -subject -ext subjectAltName,basicConstraints"
               + " -startdate -enddate -dateopt iso_8601 -in " + quoted(certificate))
        .second;
}

// The value after "name=" on its line of a description.
std::string valueOf(const std::string& description, const std::string& name)
{
    const auto start = description.find(name + "=");
    const auto from = start == std::string::npos ? description.size() : start + name.size() + 1;
    return description.substr(from, description.find('\n', from) - from);
}

fs::perms modeOf(const fs::path& path)
{
    return fs::status(path).permissions() & fs::perms::mask;
}

// A day as the window's masked date ('/') or as the tool prints it ('-').
std::string dateText(std::chrono::sys_days day, char separator)
{
    const std::time_t time = std::chrono::system_clock::to_time_t(day);
    char text[16];
    std::strftime(text, sizeof text, ("%Y" + std::string {separator} + "%m" + separator + "%d").c_str(),
                  std::gmtime(&time));
    return text;
}

class EndToEnd : public ::testing::Test
{
protected:
    void SetUp() override { useAppFolder("app"); }

    // A fresh application folder as the build lays it out, and a save location.
    void useAppFolder(const std::string& name)
    {
        app_ = root_.path() / name;
        save_ = root_.path() / (name + " saved");
        fs::remove_all(app_);
        fs::remove_all(save_);
        fs::create_directories(app_);
        fs::create_directories(save_);
        for (const char* file : {"openssl.cnf", "ca.db.index", "ca.db.serial"})
            fs::copy_file(fs::path(VELMORA_TEST_RESOURCES) / file, app_ / file);
        fs::create_symlink(VELMORA_TEST_OPENSSL, app_ / "openssl");
    }

    FakeJobWindow makeWindow(bool clientAndServer, bool autoRequest = true, std::string request = {}) const
    {
        return FakeJobWindow({.startDate = dateText(today_, '/'),
                              .endDate = dateText(aYearOn_, '/'),
                              .url = "https://www.example.test:8443",
                              .savePath = save_.string(),
                              .clientAndServer = clientAndServer,
                              .autoRequest = autoRequest,
                              .serverRequest = std::move(request),
                              .clientOnly = !clientAndServer});
    }
    fs::path output() const { return save_ / "www.example.test:8443"; }

    void generate(FakeJobWindow& window) { job::runGenerateJob(window, services()); }
    void signingFinished(FakeJobWindow& window) { job::runSigningFinishedJob(window, services()); }
    job::JobServices services() { return {app_.string(), console_, support::sleepThrough, 3ms}; }

    // The user starts the script from a folder of their own.
    void runSigningScriptElsewhere()
    {
        const fs::path elsewhere = root_.path() / "elsewhere";
        fs::create_directories(elsewhere);
        ASSERT_TRUE(platform::ShellAndWait("cmd.exe /c",
                                           "cd " + quoted(elsewhere) + " && " + quoted(app_ / "UserSign.sh"), console_,
                                           support::sleepThrough));
        ASSERT_TRUE(fs::exists(app_ / "server.crt")) << console_.transcript();
        EXPECT_EQ(namesIn(elsewhere), Names {});
    }

    void expectCompleted(const FakeJobWindow& window)
    {
        EXPECT_EQ(window.warnings, std::vector<std::string> {});
        ASSERT_FALSE(window.informations.empty());
        EXPECT_EQ(window.informations.back(), "SSL 憑證產生完成!");
        EXPECT_FALSE(window.busy);
        EXPECT_EQ(window.status, "");
    }

    support::TestFolder root_ {"end-to-end"};
    support::StdinConsole console_ {root_.path(), answers};
    // Today in UTC: the server certificate then is valid now, as the check of
    // its chain requires.
    const std::chrono::sys_days today_ = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    const std::chrono::sys_days aYearOn_ = today_ + std::chrono::days {365};
    fs::path app_, save_;
};

TEST_F(EndToEnd, ClientOnlyRunExportsTheCaAndLeavesOnlyTheShippedFiles)
{
    for (const char* appFolder : {"app", "My Apps"}) {
        SCOPED_TRACE(appFolder);
        useAppFolder(appFolder);
        auto clientOnly = makeWindow(false);
        generate(clientOnly);
        expectCompleted(clientOnly);
        EXPECT_EQ(namesIn(output()), clientFiles);
        EXPECT_EQ(contentOf(output() / "client.cer"), contentOf(output() / "client.crt"));
        // The CA is valid from now for the window's day count, to the second.
        const std::string ca = describe(output() / "client.crt"), from = valueOf(ca, "notBefore");
        EXPECT_NE(ca.find("CA:TRUE"), std::string::npos) << ca;
        ASSERT_EQ(from.size(), 20u) << ca;
        EXPECT_EQ(from.substr(0, 10), dateText(today_, '-')) << ca;
        EXPECT_EQ(valueOf(ca, "notAfter"), dateText(aYearOn_, '-') + from.substr(10)) << ca;
        EXPECT_EQ(modeOf(output() / "client.key"), fs::perms(0600));
        EXPECT_EQ(namesIn(app_), shippedFiles);
    }
}

TEST_F(EndToEnd, SignedServerSetNamesTheRequestedHostAndLeavesTheCaDatabaseAsBefore)
{
    const fs::path made = root_.path() / "made elsewhere.csr";
    const auto [status, printed] = run(tool + " req -new -newkey rsa:2048 -nodes -keyout /dev/null"
                                       + " -subj /CN=pasted.example.test -addext subjectAltName=DNS:pasted.example.test"
                                       + " -out " + quoted(made));
    ASSERT_EQ(status, 0) << printed;
    std::string pasted = contentOf(made);
    pasted.pop_back(); // a text box holds no line break after the last line
    // The request the job makes for the site, and one made elsewhere and pasted.
    for (const auto& [autoRequest, host] : {std::pair {true, "www.example.test"}, {false, "pasted.example.test"}}) {
        SCOPED_TRACE(host);
        useAppFolder("app");
        auto window = makeWindow(true, autoRequest, autoRequest ? "" : pasted);
        generate(window);
        const std::string script = (app_ / "UserSign.sh").string(), lineBreak("\r\n");
        ASSERT_EQ(window.informations,
                  std::vector<std::string> {std::string("簽核伺服器憑證需要您的參與, 請點選執行:") + lineBreak + script
                                            + lineBreak + std::string("後按『已完成簽章』來產生憑證!")});
        EXPECT_EQ(modeOf(script), fs::perms(0755));
        EXPECT_EQ(contentOf(script).find('\r'), std::string::npos);
        ASSERT_NO_FATAL_FAILURE(runSigningScriptElsewhere());
        signingFinished(window);

        expectCompleted(window);
        EXPECT_EQ(namesIn(output()),
                  (Names {"client.key", "client.crt", "client.cer", "server.key", "privkey.pem", "server.csr",
                          "server.crt", "server.cer", "01.pem"}));
        EXPECT_EQ(contentOf(output() / "privkey.pem"), contentOf(output() / "server.key"));
        for (const char* key : {"client.key", "server.key", "privkey.pem"})
            EXPECT_EQ(modeOf(output() / key), fs::perms(0600)) << key;
        if (!autoRequest) {
            EXPECT_EQ(contentOf(output() / "server.csr"), pasted + "\r\n");
        }
        const auto [verified, why]
            = run(tool + " verify -CAfile " + quoted(output() / "client.crt") + " " + quoted(output() / "server.crt"));
        EXPECT_EQ(verified, 0) << why;
        const std::string server = describe(output() / "server.crt");
        EXPECT_NE(server.find("CN = " + std::string(host) + "\n"), std::string::npos) << server;
        EXPECT_NE(server.find("DNS:" + std::string(host) + "\n"), std::string::npos) << server;
        EXPECT_EQ(valueOf(server, "notBefore"), dateText(today_, '-') + " 00:00:00Z") << server;
        EXPECT_EQ(valueOf(server, "notAfter"), dateText(aYearOn_, '-') + " 23:59:59Z") << server;
        for (const char* file : {"ca.db.index", "ca.db.serial"})
            EXPECT_EQ(contentOf(app_ / file), contentOf(fs::path(VELMORA_TEST_RESOURCES) / file)) << file;
        auto kept = shippedFiles;
        kept.insert("UserSign.sh");
        EXPECT_EQ(namesIn(app_), kept);
    }
}

} // namespace

#include "FakeJobWindow.h"
#include "IdleWindow.h"
#include "TestFolder.h"
#include "job/CertificateJob.h"
#include "platform/ShellAndWait.h"
#include "platform/TerminalConsole.h"

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

const std::string tool = VELMORA_TEST_OPENSSL;

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
    // A fresh working folder as the build lays it out, and a save location.
    void useWorkingFolder(const std::string& name)
    {
        app_ = root_.path() / name;
        save_ = root_.path() / (name + " saved");
        for (const fs::path& folder : {app_, save_}) {
            fs::remove_all(folder);
            fs::create_directories(folder);
        }
        for (const char* file : {"openssl.cnf", "ca.db.index", "ca.db.serial"})
            fs::copy_file(fs::path(VELMORA_TEST_RESOURCES) / file, app_ / file);
        fs::create_symlink(VELMORA_TEST_OPENSSL, app_ / "openssl");
    }
    fs::path output() const { return save_ / "www.example.test:8443"; }
    job::JobServices services() { return {app_.string(), console_, support::sleepThrough, 3ms}; }

    // The user starts the script from a folder of their own.
    void runSigningScriptElsewhere()
    {
        const fs::path elsewhere = root_.path() / "elsewhere";
        fs::create_directories(elsewhere);
        ASSERT_TRUE(platform::ShellAndWait("cmd.exe /c",
                                           "cd " + quoted(elsewhere) + " && " + quoted(app_ / "UserSign.sh"), console_,
                                           support::sleepThrough));
        ASSERT_TRUE(fs::exists(app_ / "server.crt"));
        EXPECT_EQ(namesIn(elsewhere), Names {});
    }

    support::TestFolder root_ {"end-to-end"};
    // A terminal that types the user's answers.
    platform::TerminalConsole console_ {{{VELMORA_TEST_TERMINAL, {}, "-T", "-e"}}};
    // Today in UTC: the server certificate then is valid now, as the check of
    // its chain requires.
    const std::chrono::sys_days today_ = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    const std::chrono::sys_days aYearOn_ = today_ + std::chrono::days {365};
    fs::path app_, save_;
};

TEST_F(EndToEnd, SignedSetVerifiesAgainstItsCaForTheWindowsDatesAndLeavesTheWorkingFolderAsShipped)
{
    const fs::path made = root_.path() / "made elsewhere.csr";
    const auto [status, printed] = run(tool + " req -new -newkey rsa:2048 -nodes -keyout /dev/null"
                                       + " -subj /CN=pasted.example.test -addext subjectAltName=DNS:pasted.example.test"
                                       + " -out " + quoted(made));
    ASSERT_EQ(status, 0) << printed;
    std::string pasted = contentOf(made);
    pasted.pop_back(); // a text box holds no line break after the last line
    // The request the job makes for the site, and one made elsewhere and pasted.
    const std::tuple<bool, const char*, const char*> runs[] {{true, "www.example.test", "app"},
                                                             {false, "pasted.example.test", "My Apps"}};
    for (const auto& [autoRequest, host, workingFolder] : runs) {
        SCOPED_TRACE(host);
        useWorkingFolder(workingFolder);
        FakeJobWindow window({.startDate = dateText(today_, '/'),
                              .endDate = dateText(aYearOn_, '/'),
                              .url = "https://www.example.test:8443",
                              .savePath = save_.string(),
                              .clientAndServer = true,
                              .autoRequest = autoRequest,
                              .serverRequest = autoRequest ? "" : pasted,
                              .clientOnly = false});
        job::runGenerateJob(window, services());
        ASSERT_EQ(window.warnings, std::vector<std::string> {});
        ASSERT_NO_FATAL_FAILURE(runSigningScriptElsewhere());
        job::runSigningFinishedJob(window, services());

        EXPECT_EQ(window.warnings, std::vector<std::string> {});
        EXPECT_EQ(window.informations.back(), "SSL 憑證產生完成!");
        EXPECT_EQ(namesIn(output()),
                  (Names {"client.key", "client.crt", "client.cer", "server.key", "privkey.pem", "server.csr",
                          "server.crt", "server.cer", "01.pem"}));
        EXPECT_EQ(contentOf(output() / "privkey.pem"), contentOf(output() / "server.key"));
        EXPECT_EQ(contentOf(output() / "client.cer"), contentOf(output() / "client.crt"));
        for (const char* key : {"client.key", "server.key", "privkey.pem"})
            EXPECT_EQ(fs::status(output() / key).permissions() & fs::perms::mask, fs::perms(0600)) << key;
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
        // The CA is valid from now for the window's day count, to the second.
        const std::string ca = describe(output() / "client.crt"), from = valueOf(ca, "notBefore");
        EXPECT_NE(ca.find("CA:TRUE"), std::string::npos) << ca;
        ASSERT_EQ(from.size(), 20u) << ca;
        EXPECT_EQ(from.substr(0, 10), dateText(today_, '-')) << ca;
        EXPECT_EQ(valueOf(ca, "notAfter"), dateText(aYearOn_, '-') + from.substr(10)) << ca;
        for (const char* file : {"ca.db.index", "ca.db.serial"})
            EXPECT_EQ(contentOf(app_ / file), contentOf(fs::path(VELMORA_TEST_RESOURCES) / file)) << file;
        EXPECT_EQ(namesIn(app_), (Names {"openssl", "openssl.cnf", "ca.db.index", "ca.db.serial", "UserSign.sh"}));
    }
}

} // namespace

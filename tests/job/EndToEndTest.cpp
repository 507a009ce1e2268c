#include "FakeJobWindow.h"
#include "IdleWindow.h"
#include "TestFolder.h"
#include "job/CertificateJob.h"
#include "platform/ShellAndWait.h"
#include "platform/TerminalConsole_posix.h"
#include "window/MaskedDateEntry.h"

#include <chrono>
#include <cstdio>
#include <gtest/gtest.h>

// The real job with the real tool and the shipped configuration: the one place
// where the command lines, openssl.cnf, the signing script and the export have
// to agree with each other and with what the tool really does.
namespace {

namespace fs = std::filesystem;
namespace job = velmora::job;
namespace platform = velmora::platform;
namespace support = velmora::testing;
using namespace std::chrono;
using velmora::testing::contentOf;
using velmora::testing::namesIn;
using velmora::testing::run;
using Names = std::set<std::string>;

const std::string tool = VELMORA_TEST_OPENSSL;
// What the answering terminal types at each pass-phrase prompt.
const std::string passPhrase = "velmora-test";
// A client-and-server set with the server's key.
const Names serverSetFiles {"client.key", "client.crt", "client.cer", "server.key", "privkey.pem",
                            "server.csr", "server.crt", "server.cer", "01.pem"};

std::string quoted(const fs::path& path)
{
    return "'" + path.string() + "'";
}

std::string describe(const fs::path& certificate)
{
    return run(tool + " x509 -noout -subject -ext subjectAltName,basicConstraints,keyUsage"
               + " -startdate -enddate -dateopt iso_8601 -in " + quoted(certificate))
        .second;
}

// A certificate's "startdate" or "enddate" as `date` reads what the tool prints; the epoch when it cannot.
sys_seconds momentOf(const fs::path& certificate, const std::string& which)
{
    const auto [status, epoch] = run("date -u +%s -d \"$(" + tool + " x509 -noout -" + which + " -in "
                                     + quoted(certificate) + " | cut -d= -f2)\"");
    return sys_seconds {seconds {status == 0 ? std::stoll(epoch) : 0}};
}

class EndToEnd : public ::testing::Test
{
protected:
    // A fresh working folder as the build lays it out, and a save location.
    void useWorkingFolder(const std::string& name)
    {
        app_ = root_.path() / name;
        save_ = root_.path() / (name + " saved");
        for (const fs::path& folder : {app_, save_})
            fs::create_directories(folder);
        for (const char* file : {"openssl.cnf", "ca.db.index", "ca.db.serial"})
            fs::copy_file(fs::path(VELMORA_TEST_RESOURCES) / file, app_ / file);
        fs::create_symlink(VELMORA_TEST_OPENSSL, app_ / "openssl");
    }
    fs::path output() const { return save_ / "www.example.test:8443"; }
    // The folder an earlier set was moved to, if any.
    fs::path earlierFolder() const
    {
        const auto names = namesIn(output());
        const auto found
            = std::find_if(names.begin(), names.end(), [](auto& name) { return name.starts_with("earlier-"); });
        return found == names.end() ? fs::path() : output() / *found;
    }
    // Each press waits a minute at most, and then names the step it was at.
    job::JobServices services(const FakeJobWindow& window)
    {
        return {app_.string(), console_, support::cappedIdleWait([&] { return "the step \"" + window.status + "\""; }),
                3ms};
    }
    WindowInputs serverSet(sys_days start, bool autoRequest, const std::string& pasted = {}) const
    {
        return {.startDate = velmora::window::maskedDate(start),
                .endDate = velmora::window::maskedDate(start + days {365}),
                .url = "https://www.example.test:8443",
                .savePath = save_.string(),
                .clientAndServer = true,
                .autoRequest = autoRequest,
                .serverRequest = pasted};
    }

    // Both presses, with the user running the script between them from a
    // folder of their own. The moments before and after the CA was made.
    std::pair<sys_seconds, sys_seconds> makeSignedSet(FakeJobWindow& window, std::vector<std::string> warnings = {})
    {
        const auto before = floor<seconds>(system_clock::now());
        job::runGenerateJob(window, services(window));
        const auto after = floor<seconds>(system_clock::now());
        EXPECT_EQ(window.warnings, std::vector<std::string> {});
        const fs::path elsewhere = root_.path() / "elsewhere";
        fs::create_directories(elsewhere);
        EXPECT_TRUE(platform::ShellAndWait("/bin/sh -c",
                                           "cd " + quoted(elsewhere) + " && " + quoted(app_ / "UserSign.sh"), console_,
                                           support::cappedIdleWait([] { return "the signing script"; })));
        job::runSigningFinishedJob(window, services(window));
        EXPECT_EQ(window.warnings, warnings);
        return {before, after};
    }

    // The server certificate spans the window's dates, from the first second
    // of the start date to the last of the end date, in UTC; the CA, from its
    // making until after that, by a day at most.
    void expectDatesHold(sys_days start, std::pair<sys_seconds, sys_seconds> caMade) const
    {
        const fs::path server = output() / "server.crt", ca = output() / "client.crt";
        const sys_seconds serverEnd = start + days {365} + 23h + 59min + 59s;
        EXPECT_EQ(momentOf(server, "startdate"), start) << describe(server);
        EXPECT_EQ(momentOf(server, "enddate"), serverEnd) << describe(server);
        const sys_seconds caStart = momentOf(ca, "startdate"), caEnd = momentOf(ca, "enddate");
        EXPECT_TRUE(caStart >= caMade.first && caStart <= caMade.second) << describe(ca);
        EXPECT_TRUE(caEnd >= serverEnd && caEnd <= serverEnd + 24h) << describe(ca);
        // The chain as strictly as a browser checks it; the tool counts a
        // certificate as expired from its last second on.
        for (const sys_seconds moment : {max(sys_seconds {start}, caMade.second), serverEnd - 1s})
            EXPECT_EQ(run(tool + " verify -x509_strict -attime " + std::to_string(moment.time_since_epoch().count())
                          + " -CAfile " + quoted(ca) + " " + quoted(server)),
                      std::pair(0, server.string() + ": OK\n"));
    }

    // The CA database as shipped, and no working file left.
    void expectWorkingFolderAsShipped() const
    {
        for (const char* file : {"ca.db.index", "ca.db.serial"})
            EXPECT_EQ(contentOf(app_ / file), contentOf(fs::path(VELMORA_TEST_RESOURCES) / file)) << file;
        EXPECT_EQ(namesIn(app_), (Names {"openssl", "openssl.cnf", "ca.db.index", "ca.db.serial", "UserSign.sh"}));
    }

    support::TestFolder root_ {"end-to-end"};
    // A terminal that types the user's answers.
    platform::TerminalConsole console_ {{{VELMORA_TEST_TERMINAL, {}, "-T", "-e"}}};
    // Today in UTC: a server certificate from today is valid now.
    const sys_days today_ = floor<days>(system_clock::now());
    fs::path app_, save_;
};

TEST_F(EndToEnd, AnAutomaticRequestsSetFromTodayServesAStrictTlsClientAndItsCaOutlivesIt)
{
    useWorkingFolder("app");
    FakeJobWindow window(serverSet(today_, true));
    const auto caMade = makeSignedSet(window);

    EXPECT_EQ(window.informations.back(), "SSL 憑證產生完成!");
    EXPECT_EQ(namesIn(output()), serverSetFiles);
    EXPECT_EQ(contentOf(output() / "privkey.pem"), contentOf(output() / "server.key"));
    EXPECT_EQ(contentOf(output() / "client.cer"), contentOf(output() / "client.crt"));
    for (const char* key : {"client.key", "server.key", "privkey.pem"})
        EXPECT_EQ(fs::status(output() / key).permissions() & fs::perms::mask, fs::perms(0600)) << key;
    EXPECT_NE(describe(output() / "server.crt").find("CN = www.example.test\n"), std::string::npos);
    expectDatesHold(today_, caMade);
    // A whole TLS handshake: a server on a loopback port with the set's certificate and key, a client that trusts
    // the set's CA alone and checks the host. The server ends after one client, or after a minute without one.
    FILE* listening = popen(("timeout 60 " + tool + " s_server -accept 127.0.0.1:0 -naccept 1 -www -cert "
                             + quoted(output() / "server.crt") + " -key " + quoted(output() / "server.key")
                             + " -pass pass:" + passPhrase + " 2>&1")
                                .c_str(),
                            "r");
    std::string shown;
    char port[8] = "";
    for (char line[256]; !*port && std::fgets(line, sizeof line, listening);)
        shown += std::sscanf(line, "ACCEPT 127.0.0.1:%7[0-9]", port) == 1 ? "" : line;
    const auto [connected, said] = run("printf 'GET / HTTP/1.0\\r\\n\\r\\n' | " + tool + " s_client -connect 127.0.0.1:"
                                       + port + " -verify_return_error -x509_strict -verify_hostname www.example.test"
                                       + " -CAfile " + quoted(output() / "client.crt") + " -brief -ign_eof");
    pclose(listening);
    EXPECT_EQ(connected, 0) << said << (*port ? "" : "no port from the server, which said: " + shown);
    expectWorkingFolderAsShipped();
}

TEST_F(EndToEnd, APastedRequestIsSignedForTheSiteAloneWithItsOwnKeyWhichStaysWhereItWasMade)
{
    // Made elsewhere, asking for another host and for the powers of a CA.
    const fs::path made = root_.path() / "made elsewhere.csr", key = root_.path() / "made elsewhere.key";
    const auto [status, printed] = run(
        tool + " req -new -newkey rsa:2048 -nodes -keyout " + quoted(key) + " -subj /CN=www.example.test"
        + " -addext subjectAltName=DNS:www.example.test,DNS:login.bank.example"
        + " -addext basicConstraints=critical,CA:TRUE -addext keyUsage=critical,keyCertSign -out " + quoted(made));
    ASSERT_EQ(status, 0) << printed;
    std::string pasted = contentOf(made);
    pasted.pop_back(); // a text box holds no line break after the last line
    useWorkingFolder("My Apps");
    const sys_days start = today_ + days {30};

    // Refused by the tool before any step.
    FakeJobWindow refused(serverSet(start, false, "-----BEGIN CERTIFICATE REQUEST-----\nMIIB"));
    job::runGenerateJob(refused, services(refused));
    EXPECT_EQ(refused.warnings, std::vector<std::string> {"伺服器憑證請求檔 不是正確的憑證請求檔!"});
    EXPECT_FALSE(fs::exists(app_ / "ca.key"));

    // An earlier run's server key, made with its own request.
    fs::create_directories(output());
    for (const fs::path& earlier : {app_ / "server.key", output() / "server.key", output() / "privkey.pem"})
        std::ofstream(earlier) << "an earlier key";
    FakeJobWindow window(serverSet(start, false, pasted));
    const auto caMade = makeSignedSet(window);
    EXPECT_EQ(window.informations.back(),
              "SSL 憑證產生完成!\r\n伺服器的私密金鑰仍在產生請求檔的地方, 沒有輸出 server.key 與 privkey.pem。"
              "\r\n存放資料夾中先前輸出的憑證已移到 "
                  + earlierFolder().string());
    EXPECT_EQ(namesIn(output()),
              (Names {"client.key", "client.crt", "client.cer", "server.csr", "server.crt", "server.cer", "01.pem",
                      earlierFolder().filename().string()}));
    EXPECT_EQ(namesIn(earlierFolder()), (Names {"server.key", "privkey.pem"})) << "kept, apart from the new set";
    EXPECT_EQ(contentOf(output() / "server.csr"), pasted + "\r\n");
    EXPECT_EQ(run(tool + " x509 -noout -pubkey -in " + quoted(output() / "server.crt")),
              run(tool + " pkey -pubout -in " + quoted(key)));
    const std::string server = describe(output() / "server.crt");
    EXPECT_NE(server.find("subject=CN = www.example.test\n"), std::string::npos) << server;
    // The site alone, and Velmora's own powers: none of what the request asked for.
    for (const char* granted : {"Name: \n    DNS:www.example.test\n", "critical\n    CA:FALSE\n",
                                "critical\n    Digital Signature, Key Encipherment\n"})
        EXPECT_NE(server.find(granted), std::string::npos) << server;
    expectDatesHold(start, caMade);
    expectWorkingFolderAsShipped();
}

// A press that stopped short keeps the set; pressed again once the fault is mended, it ends with the set whole.
TEST_F(EndToEnd, ASigningFinishedPressRetriedAfterABlockedCopyExportsTheSetWhole)
{
    useWorkingFolder("app");
    FakeJobWindow window(serverSet(today_, true));
    fs::create_directories(output() / "server.crt"); // a folder in its place: no copy can replace it
    makeSignedSet(window,
                  {"下列檔案沒有輸出到 " + output().string() + ":\r\nserver.crt\r\n原始檔案仍保留在 " + app_.string()});
    fs::remove(output() / "server.crt");
    job::runSigningFinishedJob(window, services(window));
    EXPECT_EQ(window.informations.back(), "SSL 憑證產生完成!");
    EXPECT_EQ(namesIn(output()), serverSetFiles);
    EXPECT_EQ(run(tool + " x509 -noout -pubkey -in " + quoted(output() / "server.crt")),
              run(tool + " pkey -pubout -passin pass:" + passPhrase + " -in " + quoted(output() / "server.key")));
    expectWorkingFolderAsShipped();
}

} // namespace

// The shipped configuration, driven for real: the system's OpenSSL through the
// application folder's tool link, its prompts answered on a pseudo-terminal.
#include "IdleWindow.h"
#include "PtyConsole.h"
#include "TestFolder.h"
#include "platform/AppFolder.h"
#include "platform/ShellAndWait.h"
#include "platform/ToolFiles.h"

#include <ctime>
#include <filesystem>
#include <gtest/gtest.h>

namespace velmora::platform {
namespace {

namespace fs = std::filesystem;
using testing::PromptAnswer;
using testing::PtyConsole;

using testing::contentOf;

class ToolConfiguration : public ::testing::Test
{
protected:
    // A copy of the folder the build laid out, so the test's jobs leave
    // the build's own CA database alone.
    void SetUp() override
    {
        const fs::path built {VELMORA_BUILT_APP_FOLDER};
        for (auto name : {toolFiles::configuration, toolFiles::databaseIndex, toolFiles::databaseSerial})
            fs::copy_file(built / name, folder_.path() / name);
        fs::copy_symlink(built / toolFileName(), folder_.path() / toolFileName());
    }
    std::string at(std::string_view name) const { return fileInFolder(folder_.path().string(), name); }

    // Runs one tool command as the job does: full paths, no quoting.
    std::string run(const std::string& arguments, std::vector<PromptAnswer> answers)
    {
        PtyConsole console {std::move(answers)};
        const bool started
            = ShellAndWait("cmd.exe /c", at(toolFileName()) + " " + arguments, console, testing::sleepThrough);
        EXPECT_TRUE(started) << arguments;
        return console.transcript();
    }

    std::string describe(std::string_view certificate) { return run("x509 -noout -text -in " + at(certificate), {}); }

    testing::TestFolder folder_ {"tool"};
};

const PromptAnswer passPhrase {"pass phrase", "velmora-test"};

// A UTC day in the given strftime format, days from today.
std::string utcDay(int daysFromToday, const char* format)
{
    const std::time_t moment = std::time(nullptr) + daysFromToday * 86400L;
    std::tm day {};
    gmtime_r(&moment, &day);
    char text[64];
    std::strftime(text, sizeof text, format, &day);
    return text;
}

TEST_F(ToolConfiguration, MakesACaThatSignsAServerCertificate)
{
    ASSERT_EQ(contentOf(folder_.path() / toolFiles::databaseIndex), "");
    ASSERT_EQ(contentOf(folder_.path() / toolFiles::databaseSerial), "01\n");

    run("genrsa -des3 -out " + at(toolFiles::caKey) + " 2048", {passPhrase});
    run("req -config " + at(toolFiles::configuration) + " -new -x509 -days 365 -key " + at(toolFiles::caKey) + " -out "
            + at(toolFiles::caCertificate),
        {passPhrase, {"Common Name", "Velmora Test CA"}});
    run("genrsa -des3 -out " + at(toolFiles::serverKey) + " 2048", {passPhrase});
    // The request asks for a subjectAltName, as a pasted one may.
    const std::string request
        = run("req -config " + at(toolFiles::configuration) + " -new -key " + at(toolFiles::serverKey)
                  + " -addext subjectAltName=DNS:www.example.test -out " + at(toolFiles::serverRequest),
              {passPhrase, {"Common Name", "www.example.test"}});
    EXPECT_NE(request.find("[TW]:"), std::string::npos) << "the subject prompts offer defaults\n" << request;
    EXPECT_NE(contentOf(folder_.path() / toolFiles::caKey).find("ENCRYPTED"), std::string::npos);

    // The signing step runs in the application folder and names its files bare.
    PtyConsole signingConsole {{passPhrase, {"[y/n]", "y"}}};
    const std::string signing = "cd " + folder_.path().string() + " && ./" + std::string {toolFileName()}
        + " ca -config openssl.cnf -startdate " + utcDay(0, "%y%m%d000000Z") + " -enddate "
        + utcDay(365, "%y%m%d235959Z") + " -cert ca.crt -keyfile ca.key -in server.csr -out server.crt";
    ASSERT_TRUE(ShellAndWait("cmd.exe /c", signing, signingConsole, testing::sleepThrough));

    const std::string verified
        = run("verify -CAfile " + at(toolFiles::caCertificate) + " " + at(toolFiles::serverCertificate), {});
    EXPECT_NE(verified.find("server.crt: OK"), std::string::npos) << signingConsole.transcript() << verified;
    for (const auto name : {"ca.db.index.old", "ca.db.serial.old", "01.pem"})
        EXPECT_TRUE(fs::exists(folder_.path() / name)) << name;
    EXPECT_EQ(contentOf(folder_.path() / "ca.db.serial"), "02\n");

    const std::string ca = describe(toolFiles::caCertificate);
    for (const char* expected : {"CA:TRUE", "Certificate Sign, CRL Sign", "Subject Key Identifier"})
        EXPECT_NE(ca.find(expected), std::string::npos) << expected << '\n' << ca;
    const std::string server = describe(toolFiles::serverCertificate);
    for (const char* expected : {"CA:FALSE", "Digital Signature, Key Encipherment", "TLS Web Server Authentication",
                                 "DNS:www.example.test", "sha256WithRSAEncryption"})
        EXPECT_NE(server.find(expected), std::string::npos) << expected << '\n' << server;
    // The signing dates hold from the first second of the one to the last of the other.
    for (const std::string& expected :
         {"Not Before: " + utcDay(0, "%b %e 00:00:00 %Y GMT"), "Not After : " + utcDay(365, "%b %e 23:59:59 %Y GMT")})
        EXPECT_NE(server.find(expected), std::string::npos) << expected << '\n' << server;
}

} // namespace
} // namespace velmora::platform

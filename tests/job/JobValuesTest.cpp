// The values the job derives from the window's texts: site names and hosts,
// folders, key lengths, dates, quoted arguments and the signing script.
#include "job/CommandLines.h"
#include "job/KeyLength.h"
#include "job/Messages.h"
#include "job/ShellQuoting.h"
#include "job/SigningScript.h"
#include "job/SiteAddress.h"
#include "job/SiteHost.h"
#include "job/Validity.h"

#include <gtest/gtest.h>

using namespace velmora::job;
using namespace std::chrono;

namespace {

TEST(CommandLines, ArgumentsTheInterpreterWouldSplitOrReadAreQuoted)
{
    // On Windows the tool by its full path, in its own folder; the files by their names, as it runs in the
    // working folder.
    const ToolCommands windows {windowsForm, "C:\\Users\\Jos\u00e9\\Velmora", "C:\\Program Files\\Velmora"};
    EXPECT_EQ(windows.line({"genrsa", "-des3", "-out", windows.fileArgument("ca.key"), "2048 & del *.*"}),
              "\"\"C:\\Program Files\\Velmora\\openssl.exe\" genrsa -des3 -out ca.key \"2048 & del *.*\"\"");

    const std::tuple<const char*, Shell, const char*> arguments[] {
        {"it's $HOME", Shell::Posix, R"('it'\''s $HOME')"},
        {"/srv/證書\x80", Shell::Posix, "/srv/證書\x80"}, // letters of any script are plain
        {"a\"b|c", Shell::Cmd, "\"a\"\"b|c\""},
        {"%PATH%", Shell::Cmd, "\"%PATH%\""},
        {"D:\\證書\\x", Shell::Cmd, "D:\\證書\\x"},
    };
    for (const auto& [argument, shell, quoted] : arguments)
        EXPECT_EQ(quoteArgument(argument, shell), quoted) << argument;
}

TEST(Validity, TheCaMadeAtAnyMomentOutlivesTheServerCertificatesLastSecondByADayAtMost)
{
    const Validity validity = validityOf("2027/01/08", "2027/12/08").value();
    const sys_seconds serverEnd = sys_days {validity.end} + 23h + 59min + 59s;
    // From a month before the start date to the end date's last second.
    for (sys_seconds made = sys_days {2026y / 12 / 8} + 15h + 24min + 9s; made <= serverEnd; made += 7h + 13min) {
        const int days = caDayCount(validity, made);
        const sys_seconds caEnd = made + days * 24h;
        ASSERT_TRUE(caEnd >= serverEnd && caEnd <= serverEnd + 24h) << days;
    }
    EXPECT_EQ(caDayCount(validity, serverEnd), 1);
    EXPECT_EQ(caDayCount(validity, serverEnd + 1s), 0) << "the end date has passed";
    EXPECT_FALSE(validityOf("2027/01/08", "2027/12/__") || validityOf("2027/01/0_", "2027/12/08")
                 || validityOf("2_27/01/08", "2027/12/08") || validityOf("2027-01/08", "2027/12/08"));
}

// The scripts run in the Windows job test and the end-to-end test; /bin/sh
// would run the latter without its first line, a user starting it would not.
TEST(SigningScript, TimeStampsHaveYearsTheToolReadsRight)
{
    using Lines = std::vector<std::string>;
    const Validity dates {year {2025} / 3 / 7, year {2026} / 3 / 7};
    EXPECT_EQ(signingScriptLines(posixForm, dates, "DNS:a", {})[0] + signingScriptLines(windowsForm, dates, "", {})[0],
              "#!/bin/sh@echo off");
    EXPECT_EQ(signingScriptLines(windowsForm, dates, "", {.readsUtf8 = true})[6], "set \"OPENSSL_WIN32_UTF8=1\"");
    // Two-digit years outside 1950-2049 would be read a century off.
    Lines stamps;
    for (int y : {2055, 1949, 2049, 2050, 1950})
        stamps.push_back(signingTimestamp(year_month_day {year {y}, March, day {7}}, "000000"));
    EXPECT_EQ(stamps,
              (Lines {"20550307000000Z", "19490307000000Z", "490307000000Z", "20500307000000Z", "500307000000Z"}));
}

TEST(SiteName, HostForTheCertificateAndNamesThatAreNoFolder)
{
    const std::tuple<const char*, const char*> hosts[] {
        {"www.example.test:8443/app", "DNS:www.example.test"},
        {"192.0.2.7/x", "IP:192.0.2.7"},
        {"[2001:db8::1]:443", "IP:2001:db8::1"},
        {"1.2.3.256", "DNS:1.2.3.256"},
        {"1.2.3.4.", "DNS:1.2.3.4."},
        {"10.0.0.255", "IP:10.0.0.255"},
    };
    for (const auto& [siteName, altName] : hosts) {
        EXPECT_EQ(siteHostOf(siteName).subjectAltName(), altName) << siteName;
        EXPECT_TRUE(siteHostOf(siteName).isCertificateName()) << siteName;
    }
    // Anything the tool's list of names, the signing script or a folder would read otherwise.
    for (const char* siteName : {"a.test,DNS:bank.example", "a b.test", "a&b.test", "a%PATH%.test", "a\"b", "例子.tw",
                                 "[::1,DNS:x]", "[]", "[::g]"})
        EXPECT_FALSE(siteHostOf(siteName).isCertificateName()) << siteName;
    EXPECT_TRUE(siteHostOf("*.example-1_a.TEST").isCertificateName());

    for (const char* name : {"", ".", "..", "...", "../x", "a/../b", "x\\..", ":8080"})
        EXPECT_FALSE(isUsableSiteName(name)) << name;
    for (const char* name : {"www.example.test", "a..b", "host/.well-known", "[::1]"})
        EXPECT_TRUE(isUsableSiteName(name)) << name;

    // What Windows cannot give a folder, and the piece the message names.
    using enum FolderNameFault::Kind;
    // clang-format off
    const std::tuple<const char*, FolderNameFault::Kind, const char*> faults[] {
        {"www.example.test:8443", Character, ":"}, {"*.example.test", Character, "*"}, {"a?b", Character, "?"},
        {"a<b>", Character, "<"}, {"a|b", Character, "|"}, {"a\"b", Character, "\""}, {"a\tb", Character, "\t"},
        {"www.example.test.", TrailingDotOrBlank, "www.example.test."}, {"x/a ", TrailingDotOrBlank, "a "},
        {"con", DeviceName, "con"}, {"NUL.example.test", DeviceName, "NUL"}, {"x\\com1", DeviceName, "com1"},
        {"lpt9.test", DeviceName, "lpt9"}, {"aux .test", DeviceName, "aux"}, {"com\u00b9", DeviceName, "com\u00b9"},
        {"lpt\u00b3", DeviceName, "lpt\u00b3"}};
    // clang-format on
    for (const auto& [name, kind, piece] : faults) {
        const auto fault = windowsFolderNameFault(name);
        ASSERT_TRUE(fault) << name;
        EXPECT_EQ(fault->kind, kind) << name;
        EXPECT_EQ(fault->piece, piece) << name;
    }
    for (const char* name :
         {"www.example.test", "console.example.test", "com10.test", "lpt.test", "host/.well-known", "nula"})
        EXPECT_FALSE(windowsFolderNameFault(name)) << name;
}

TEST(SiteAddress, SiteNameDropsHttpThenHttpsInAnyCaseAndASaveLocationAtARootStays)
{
    const std::pair<const char*, const char*> cases[] {
        {"http://https://host", "host"},
        {"https://http://host", "http://host"}, // http:// is looked for first
        {"https://", ""},
        {"https://例子.測試", "例子.測試"}, // UTF-8 is left whole
        {"HTTP://AZ.Test@[`", "az.test@[`"}, // the ASCII letters and no neighbour
    };
    for (const auto& [address, siteName] : cases)
        EXPECT_EQ(siteNameFromAddress(address), siteName) << address;
    EXPECT_EQ(trimSpaces("\t a b  "), "\t a b"); // blanks only

    // A save location at a root: a trailing separator goes, as the job test shows, but a root stays a root, or
    // the box would empty itself. The location, the separator, the location tidied and the output folder in it.
    const std::tuple<const char*, char, const char*, const char*> roots[] {{"C:\\", '\\', "C:", "C:\\site"},
                                                                           {"/", '/', "/", "/site"}};
    for (const auto& [location, separator, tidied, folder] : roots) {
        EXPECT_EQ(withoutTrailingSeparator(location, separator), tidied);
        EXPECT_EQ(outputFolderPath(tidied, separator, "site"), folder);
    }
}

TEST(KeyLength, EmptyOrDigitsInRange)
{
    for (const char* text : {"", "512", "3000", "16384"})
        EXPECT_TRUE(isAcceptableKeyLength(text)) << text;
    for (const char* text : {"511", "16385", "2048 ", "+2048", "1e4", "184467440737095516160"})
        EXPECT_FALSE(isAcceptableKeyLength(text)) << text;
}

// A key the clean-up could not delete is what the user must see first.
TEST(Messages, WorkingFilesLeftBehindNameTheKeysFirst)
{
    EXPECT_EQ(
        messages::notRemoved("/w", {"ca.crt", "ca.key", "x.rnd", "server.key"}),
        "下列工作檔案無法從 /w 刪除, 請自行刪除:\r\nca.key (私密金鑰)\r\nserver.key (私密金鑰)\r\nca.crt\r\nx.rnd");
}

} // namespace

#include "platform/TextFile.h"

#include "TestFolder.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

namespace velmora::platform {
namespace {

namespace fs = std::filesystem;
using testing::contentOf;
const CodePage big5 {"BIG5", 950}, ascii {"ANSI_X3.4-1968", 20127};

TEST(CodePage, TextIsEncodedOnlyWhereTheCodePageHoldsAllOfItAndTheSystemsIsTheLocales)
{
    const std::tuple<std::string, CodePage, std::optional<std::string>> cases[] = {
        {"", big5, ""},
        {std::string(1000, 'x'), big5, std::string(1000, 'x')}, // more than one piece of the conversion
#ifndef _WIN32 // Wine has no such code page
        // A character set with shift states gets its closing reset as well.
        {"日", {"ISO-2022-JP", 50220}, "\x1b$BF|\x1b(B"},
#endif
        {"café", big5, std::nullopt},
        {"憑證", ascii, std::nullopt},
        {"\xff not UTF-8", big5, std::nullopt},
        {"cut short \xe6\x86", big5, std::nullopt},
    };
    for (const auto& [utf8, codePage, encoded] : cases)
        EXPECT_EQ(encodeText(utf8, codePage), encoded) << utf8;

    // The system's is the locale's character set; on Windows the ANSI code
    // page, which Wine takes from the locale too. The test run names it.
    const CodePage system = systemCodePage();
    const std::string name = system.charsetName.empty() ? std::to_string(system.windowsCodePage) : system.charsetName;
    EXPECT_STREQ(name.c_str(), std::getenv("VELMORA_TEST_CODE_PAGE"));
}

TEST(TextFiles, EachLineEndsInCrLfInTheCodePageOrUtf8AndNothingElseIsLeftOrWrittenThrough)
{
    const testing::TestFolder folder {"text"};
    const fs::path certificate = folder.path() / "server.cer", notice = folder.path() / "notice.txt";
    std::ofstream {certificate} << std::string(500, 'x');
    ASSERT_TRUE(writeTextLines(certificate.string(), {"憑證", "", "end"}, big5));
    EXPECT_EQ(contentOf(certificate), "\xbe\xcc\xc3\xd2\r\n\r\nend\r\n");
    ASSERT_TRUE(writeTextLines(notice.string(), {"SSL 憑證"}, ascii));
    EXPECT_EQ(contentOf(notice), "SSL 憑證\r\n");

    // What cannot be written is reported, and leaves no temporary.
    fs::create_directory(folder.path() / "taken");
    EXPECT_FALSE(writeTextLines((folder.path() / "taken").string(), {"a"}));
    EXPECT_EQ(testing::namesIn(folder.path()), (std::set<std::string> {"notice.txt", "server.cer", "taken"}));

#ifndef _WIN32 // links are a matter of the POSIX file systems here
    // A link planted at the name or at a temporary name is replaced, not written through.
    const fs::path outside = folder.path() / "outside", script = folder.path() / "UserSign.sh";
    std::ofstream {outside} << "theirs";
    fs::create_symlink(outside, script);
    fs::create_symlink(outside, folder.path() / "UserSign.sh.velmora-new");
    ASSERT_TRUE(writeTextLines(script.string(), {"ours"}, systemCodePage(), LineEnd::Lf));
    EXPECT_EQ(contentOf(outside), "theirs");
    EXPECT_EQ(contentOf(script), "ours\n");
    EXPECT_EQ(fs::status(script).permissions(), fs::perms(0644)); // readable, as an editor's file would be
#endif
}

} // namespace
} // namespace velmora::platform

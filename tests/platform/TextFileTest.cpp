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

#ifdef _WIN32
    // The ANSI code page, which Wine takes from the locale it was started in;
    // a run in another locale names the one it expects.
    const char* expected = std::getenv("VELMORA_TEST_CODE_PAGE");
    EXPECT_EQ(std::to_string(systemCodePage().windowsCodePage), expected ? expected : "1252");
#else
    // The character set of the locale the environment names, read afresh.
    for (const auto& [locale, charset] : {std::pair {"C", "ANSI_X3.4-1968"}, {"C.UTF-8", "UTF-8"}}) {
        setenv("LC_ALL", locale, 1);
        EXPECT_EQ(systemCodePage().charsetName, charset) << locale;
    }
#endif
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
    // A link planted at the name is replaced, not written through. The
    // temporary beside it is made by mkstemp, which never opens a name that is
    // there already, so no other name in the folder can lead elsewhere.
    const fs::path outside = folder.path() / "outside", script = folder.path() / "taken" / "UserSign.sh";
    std::ofstream {outside} << "theirs";
    fs::create_symlink(outside, script);
    fs::last_write_time(folder.path(), {}); // and the temporary is made in the file's folder, not the one above
    ASSERT_TRUE(writeTextLines(script.string(), {"ours"}, systemCodePage(), LineEnd::Lf));
    EXPECT_EQ(fs::last_write_time(folder.path()), fs::file_time_type {});
    EXPECT_EQ(contentOf(outside), "theirs");
    EXPECT_EQ(contentOf(script), "ours\n");
    EXPECT_EQ(fs::status(script).permissions(), fs::perms(0644)); // readable, as an editor's file would be
#endif
}

} // namespace
} // namespace velmora::platform

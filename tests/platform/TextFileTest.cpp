#include "platform/TextFile.h"

#include "TestFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace velmora::platform {
namespace {

namespace fs = std::filesystem;

using testing::contentOf;
const CodePage big5 {"BIG5", 950};

TEST(CodePage, Big5GivesTheKnownBytes)
{
    // "SSL 憑證產生完成!" in Big5 (code page 950).
    EXPECT_EQ(encodeText("SSL 憑證產生完成!", big5), "SSL \xbe\xcc\xc3\xd2\xb2\xa3\xa5\xcd\xa7\xb9\xa6\xa8!");
    EXPECT_EQ(encodeText("", big5), "");
#ifndef _WIN32 // Wine has no such code page
    // A character set with shift states gets its closing reset as well.
    EXPECT_EQ(encodeText("日", {"ISO-2022-JP", 50220}), "\x1b$BF|\x1b(B");
#endif
}

TEST(CodePage, TextTheCodePageCannotHoldIsNotEncoded)
{
    EXPECT_EQ(encodeText("café", big5), std::nullopt);
    EXPECT_EQ(encodeText("憑證", {"ANSI_X3.4-1968", 20127}), std::nullopt);
    EXPECT_EQ(encodeText("\xff not UTF-8", big5), std::nullopt);
    EXPECT_EQ(encodeText("cut short \xe6\x86", big5), std::nullopt);
}

TEST(CodePage, TheSystemsIsTheOneTheLocaleGives)
{
    // The locale's character set; on Windows the ANSI code page, which Wine
    // takes from the locale too. The test run names the one it expects.
    const CodePage system = systemCodePage();
    const char* expected = std::getenv("VELMORA_TEST_CODE_PAGE");
    EXPECT_EQ(system.charsetName.empty() ? std::to_string(system.windowsCodePage) : system.charsetName,
              expected ? expected : "unset");
}

class TextFiles : public ::testing::Test
{
protected:
    const testing::TestFolder testFolder_ {"text"};
    const fs::path& folder_ = testFolder_.path();
};

TEST_F(TextFiles, EachLineEndsInCrLfInTheCodePageAndReplacesTheOldFile)
{
    const fs::path path = folder_ / "server.cer";
    std::ofstream {path} << std::string(500, 'x');
    ASSERT_TRUE(writeTextLines(path.string(), {"憑證", "", "end"}, big5));
    EXPECT_EQ(contentOf(path), "\xbe\xcc\xc3\xd2\r\n\r\nend\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator {folder_}, fs::directory_iterator {}), 1);
}

TEST_F(TextFiles, TextTheCodePageCannotHoldIsKeptInUtf8)
{
    const fs::path path = folder_ / "notice.txt";
    ASSERT_TRUE(writeTextLines(path.string(), {"SSL 憑證"}, {"ANSI_X3.4-1968", 20127}));
    EXPECT_EQ(contentOf(path), "SSL 憑證\r\n");
}

TEST_F(TextFiles, AFileThatCannotBeWrittenIsReportedAndLeavesNothing)
{
    const fs::path taken = folder_ / "taken";
    fs::create_directory(taken);
    EXPECT_FALSE(writeTextLines((folder_ / "missing" / "x.txt").string(), {"a"}));
    EXPECT_FALSE(writeTextLines(taken.string(), {"a"})); // a folder of that name
    EXPECT_TRUE(fs::is_directory(taken));
    EXPECT_EQ(std::distance(fs::directory_iterator {folder_}, fs::directory_iterator {}), 1) << "a leftover file";
}

#ifndef _WIN32 // links are a matter of the POSIX file systems here
TEST_F(TextFiles, ALinkPlantedAtTheNameOrATemporaryNameIsReplacedNotWrittenThrough)
{
    const fs::path outside = folder_ / "outside", script = folder_ / "UserSign.sh";
    std::ofstream {outside} << "theirs";
    fs::create_symlink(outside, script);
    fs::create_symlink(outside, folder_ / "UserSign.sh.velmora-new");
    ASSERT_TRUE(writeTextLines(script.string(), {"ours"}, systemCodePage(), LineEnd::Lf));
    EXPECT_EQ(contentOf(outside), "theirs");
    EXPECT_FALSE(fs::is_symlink(script));
    EXPECT_EQ(contentOf(script), "ours\n");
}
#endif

} // namespace
} // namespace velmora::platform

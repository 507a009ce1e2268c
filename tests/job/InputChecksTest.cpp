#include "job/InputChecks.h"

#include "FakeJobWindow.h"
#include "TestFolder.h"
#include "job/CheckMessages.h"

#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
namespace messages = velmora::job::messages;
using velmora::job::InputControl;
using velmora::job::runGenerateChecks;
using velmora::job::runSigningFinishedChecks;

namespace {

const std::string empty = "____/__/__";

class InputChecks : public testing::Test
{
protected:
    // The inputs with the save location in this test's own folder.
    FakeJobWindow windowWith(WindowInputs inputs) const
    {
        inputs.savePath = root.string() + inputs.savePath;
        return FakeJobWindow(inputs);
    }

    velmora::testing::TestFolder folder {"checks"};
    const fs::path root = folder.path();
};

// The order of the checks and the focus each failure gives; the key length
// and site-name rules themselves are the job-values and command-line tests'.
TEST_F(InputChecks, GenerateReportsOnlyTheFirstFailingInput)
{
    using namespace messages;
    using enum InputControl;
    const std::tuple<const char*, WindowInputs, std::string_view, InputControl> failures[] {
        {"both dates empty", {.startDate = empty, .endDate = empty}, startDateMissing, StartDate},
        {"end date empty", {.endDate = empty}, endDateMissing, EndDate},
        {"start half typed", {.startDate = "2026/1_/__", .endDate = empty}, endDateMissing, EndDate},
        {"start half typed, end set", {.startDate = "2026/1_/__"}, startDateInvalid, StartDate},
        {"end impossible", {.endDate = "2027/02/29"}, endDateInvalid, EndDate},
        {"end equals start", {.endDate = "2026/12/06"}, endDateNotAfterStart, EndDate},
        {"end before start", {.maxLen = "x", .endDate = "2026/12/05"}, endDateNotAfterStart, EndDate},
        {"key length with shell text", {.maxLen = "2048 & del *.*", .url = ""}, keyLengthInvalid, MaxLen},
        {"address blank", {.url = "   "}, urlMissing, Url},
        {"the save location itself", {.url = " . "}, urlInvalid, Url},
        {"request missing", {.clientAndServer = true}, serverRequestMissing, SrvReq},
    };
    for (const auto& [name, inputs, message, focus] : failures) {
        SCOPED_TRACE(name);
        auto window = windowWith(inputs);
        EXPECT_FALSE(runGenerateChecks(window, '/'));
        EXPECT_EQ(window.warnings, std::vector<std::string> {std::string(message)});
        EXPECT_EQ(window.focused, std::vector<InputControl> {focus});
        EXPECT_EQ(window.status, "");
    }
}

TEST_F(InputChecks, GenerateAcceptsEveryUsableJob)
{
    const WindowInputs accepted[] {
        {},
        {.maxLen = ""}, // the tool's own default length
        {.maxLen = "16384", .endDate = "2026/12/07"},
        {.maxLen = "3000", .startDate = "2028/02/29", .endDate = "2029/02/28"},
        {.clientAndServer = true, .autoRequest = true},
        {.clientAndServer = true, .serverRequest = "   "}, // blanks are not empty
    };
    for (const auto& inputs : accepted) {
        auto window = windowWith(inputs);
        EXPECT_TRUE(runGenerateChecks(window, '/')) << inputs.maxLen << " " << inputs.startDate;
        EXPECT_TRUE(window.warnings.empty());
    }
}

TEST_F(InputChecks, SigningFinishedLooksAtAddressAndLocationOnly)
{
    auto window = windowWith({.maxLen = "x", .startDate = empty, .endDate = empty, .clientAndServer = true});
    ASSERT_TRUE(runSigningFinishedChecks(window, '/'));
    EXPECT_EQ(window.status, "earlier status");

    auto blankSavePath = FakeJobWindow({.savePath = " "});
    EXPECT_FALSE(runSigningFinishedChecks(blankSavePath, '/'));
    EXPECT_EQ(blankSavePath.warnings, std::vector<std::string> {std::string(messages::savePathMissing)});
    EXPECT_EQ(blankSavePath.focused, std::vector<InputControl> {InputControl::SavePath});
}

TEST_F(InputChecks, TidyTheBoxesAndMakeTheOutputFolder)
{
    // The address and the save location after the test's folder, as typed and as tidied; the site name.
    const std::tuple<const char*, const char*, const char*, const char*, const char*> cases[] {
        {"  HTTPS://Www.Example.Test  ", "/ ", "HTTPS://Www.Example.Test", "", "www.example.test"},
        {"Host.Test", "//", "Host.Test", "/", "host.test"}, // only one separator goes
    };
    for (const auto& [url, savePath, tidiedUrl, tidiedSavePath, siteName] : cases) {
        SCOPED_TRACE(url);
        auto window = windowWith({.url = url, .savePath = savePath});
        const auto target = runSigningFinishedChecks(window, '/');
        EXPECT_EQ(window.in.url, tidiedUrl);
        EXPECT_EQ(window.in.savePath, root.string() + tidiedSavePath);
        ASSERT_TRUE(target);
        EXPECT_EQ(target->outputFolder, window.in.savePath + "/" + siteName);
        EXPECT_TRUE(fs::is_directory(target->outputFolder));
    }
}

TEST_F(InputChecks, AnOutputFolderThatCannotBeMadeStopsBothHandlers)
{
    std::ofstream(root / "taken.test") << "a file, not a folder";
    // The address, the save location after the test's folder, and the folder that cannot be made.
    const std::tuple<const char*, const char*, const char*> cases[] {
        {"www.example.test", "/missing", "/missing/www.example.test"}, // the parent is never made
        {"FTP://Files.Test", "", "/ftp://files.test"}, // another scheme nests the name
        {"taken.test", "", "/taken.test"}, // a file is no folder
    };
    for (const auto& [url, savePath, folderSuffix] : cases) {
        for (bool generate : {true, false}) {
            auto window = windowWith({.url = url, .savePath = savePath, .clientAndServer = true});
            EXPECT_FALSE(generate ? runGenerateChecks(window, '/') : runSigningFinishedChecks(window, '/'));
            const std::string folder = root.string() + folderSuffix;
            EXPECT_EQ(window.warnings,
                      std::vector<std::string> {std::string(messages::folderNotCreatedPrefix) + folder + "!"});
            EXPECT_EQ(window.focused, std::vector<InputControl> {InputControl::SavePath});
        }
    }
    EXPECT_FALSE(fs::exists(root / "missing"));
}

} // namespace

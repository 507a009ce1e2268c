#include "job/InputChecks.h"

#include "FakeJobWindow.h"
#include "job/CheckMessages.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

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
    void SetUp() override
    {
        root = fs::temp_directory_path() / ("velmora-checks-" + std::to_string(getpid()));
        fs::remove_all(root);
        fs::create_directories(root);
    }
    void TearDown() override { fs::remove_all(root); }

    // The inputs with the save location in this test's own folder.
    FakeJobWindow windowWith(WindowInputs inputs) const
    {
        inputs.savePath = root.string() + inputs.savePath;
        return FakeJobWindow(inputs);
    }

    fs::path root;
};

struct Failure
{
    const char* name;
    WindowInputs inputs;
    std::string_view message;
    InputControl focus;
};

TEST_F(InputChecks, GenerateReportsOnlyTheFirstFailingInput)
{
    const Failure failures[] {
        {"both dates empty",
         {.startDate = empty, .endDate = empty},
         messages::startDateMissing,
         InputControl::StartDate},
        {"end date empty", {.endDate = empty}, messages::endDateMissing, InputControl::EndDate},
        {"start half typed",
         {.startDate = "2026/1_/__", .endDate = empty},
         messages::endDateMissing,
         InputControl::EndDate},
        {"start half typed, end set", {.startDate = "2026/1_/__"}, messages::startDateInvalid, InputControl::StartDate},
        {"start impossible", {.startDate = "2026/02/30"}, messages::startDateInvalid, InputControl::StartDate},
        {"end impossible", {.endDate = "2027/02/29"}, messages::endDateInvalid, InputControl::EndDate},
        {"end equals start", {.endDate = "2026/12/06"}, messages::endDateNotAfterStart, InputControl::EndDate},
        {"end before start",
         {.maxLen = "x", .endDate = "2026/12/05"},
         messages::endDateNotAfterStart,
         InputControl::EndDate},
        {"key length too short", {.maxLen = "511"}, messages::keyLengthInvalid, InputControl::MaxLen},
        {"key length with shell text",
         {.maxLen = "2048 & del *.*", .url = ""},
         messages::keyLengthInvalid,
         InputControl::MaxLen},
        {"address blank", {.url = "   "}, messages::urlMissing, InputControl::Url},
        {"no site name", {.url = "http://"}, messages::urlInvalid, InputControl::Url},
        {"the save location's parent", {.url = "https://.."}, messages::urlInvalid, InputControl::Url},
        {"the save location itself", {.url = " . "}, messages::urlInvalid, InputControl::Url},
        {"request missing", {.clientAndServer = true}, messages::serverRequestMissing, InputControl::SrvReq},
    };
    for (const auto& failure : failures) {
        SCOPED_TRACE(failure.name);
        auto window = windowWith(failure.inputs);
        EXPECT_FALSE(runGenerateChecks(window, '/'));
        EXPECT_EQ(window.warnings, std::vector<std::string> {std::string(failure.message)});
        EXPECT_EQ(window.focused, std::vector<InputControl> {failure.focus});
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
    struct Case
    {
        std::string url, savePathSuffix, tidiedUrl, tidiedSuffix, siteName;
    };
    const Case cases[] {
        {"  HTTPS://Www.Example.Test  ", "", "HTTPS://Www.Example.Test", "", "www.example.test"},
        {"http://https://host", "/ ", "http://https://host", "", "host"},
        {"Host.Test", "//", "Host.Test", "/", "host.test"}, // only one separator goes
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.url);
        auto window = windowWith({.url = c.url, .savePath = c.savePathSuffix});
        const auto target = runSigningFinishedChecks(window, '/');
        EXPECT_EQ(window.in.url, c.tidiedUrl);
        EXPECT_EQ(window.in.savePath, root.string() + c.tidiedSuffix);
        ASSERT_TRUE(target);
        EXPECT_EQ(target->outputFolder, window.in.savePath + "/" + c.siteName);
        EXPECT_TRUE(fs::is_directory(target->outputFolder));
    }
}

TEST_F(InputChecks, AnOutputFolderThatCannotBeMadeStopsBothHandlers)
{
    std::ofstream(root / "taken.test") << "a file, not a folder";
    struct Case
    {
        std::string url, savePathSuffix, folderSuffix;
    };
    const Case cases[] {
        {"www.example.test", "/missing", "/missing/www.example.test"}, // the parent is never made
        {"FTP://Files.Test", "", "/ftp://files.test"}, // another scheme nests the name
        {"taken.test", "", "/taken.test"}, // a file is no folder
    };
    for (const auto& c : cases) {
        for (bool generate : {true, false}) {
            auto window = windowWith({.url = c.url, .savePath = c.savePathSuffix, .clientAndServer = true});
            EXPECT_FALSE(generate ? runGenerateChecks(window, '/') : runSigningFinishedChecks(window, '/'));
            const std::string folder = root.string() + c.folderSuffix;
            EXPECT_EQ(window.warnings,
                      std::vector<std::string> {std::string(messages::folderNotCreatedPrefix) + folder + "!"});
            EXPECT_EQ(window.focused, std::vector<InputControl> {InputControl::SavePath});
        }
    }
    EXPECT_FALSE(fs::exists(root / "missing"));
}

} // namespace

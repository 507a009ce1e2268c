#include "job/InputChecks.h"

#include "FakeJobWindow.h"
#include "job/CheckMessages.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using velmora::job::InputControl;
namespace messages = velmora::job::messages;

namespace {

class InputChecksTest : public testing::Test
{
protected:
    void SetUp() override
    {
        root = fs::temp_directory_path()
            / ("velmora-checks-" + std::to_string(::getpid()) + "-"
               + testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root);
        window.savePath = root.string();
    }
    void TearDown() override { fs::remove_all(root); }

    fs::path root;
    FakeJobWindow window;
};

struct FailureCase
{
    const char* name;
    std::function<void(FakeJobWindow&)> arrange;
    std::string_view message;
    InputControl focus;
};

// Each case breaks one input of an otherwise valid window; the generate checks
// must report exactly that input's message and focus, and nothing else.
const std::vector<FailureCase> generateFailures {
    {"start date empty", [](auto& w) { w.startDate = "____/__/__"; }, messages::startDateMissing,
     InputControl::StartDate},
    {"both dates empty reports the start only",
     [](auto& w) {
         w.startDate = "____/__/__";
         w.endDate = "____/__/__";
     },
     messages::startDateMissing, InputControl::StartDate},
    {"end date empty", [](auto& w) { w.endDate = "____/__/__"; }, messages::endDateMissing, InputControl::EndDate},
    {"start date partly filled", [](auto& w) { w.startDate = "2026/1_/__"; }, messages::startDateInvalid,
     InputControl::StartDate},
    {"start date impossible", [](auto& w) { w.startDate = "2026/02/30"; }, messages::startDateInvalid,
     InputControl::StartDate},
    {"end date impossible", [](auto& w) { w.endDate = "2027/13/01"; }, messages::endDateInvalid, InputControl::EndDate},
    {"end date partly filled", [](auto& w) { w.endDate = "2027/12/0_"; }, messages::endDateInvalid,
     InputControl::EndDate},
    {"end equals start", [](auto& w) { w.endDate = w.startDate; }, messages::endDateNotAfterStart,
     InputControl::EndDate},
    {"end before start", [](auto& w) { w.endDate = "2026/12/05"; }, messages::endDateNotAfterStart,
     InputControl::EndDate},
    {"key length below range", [](auto& w) { w.maxLen = "511"; }, messages::keyLengthInvalid, InputControl::MaxLen},
    {"key length above range", [](auto& w) { w.maxLen = "16385"; }, messages::keyLengthInvalid, InputControl::MaxLen},
    {"key length with shell text", [](auto& w) { w.maxLen = "2048 & del *.*"; }, messages::keyLengthInvalid,
     InputControl::MaxLen},
    {"key length with blank", [](auto& w) { w.maxLen = " 2048"; }, messages::keyLengthInvalid, InputControl::MaxLen},
    {"key length not a number", [](auto& w) { w.maxLen = "-1024"; }, messages::keyLengthInvalid, InputControl::MaxLen},
    {"key length huge", [](auto& w) { w.maxLen = "99999999999999999999999"; }, messages::keyLengthInvalid,
     InputControl::MaxLen},
    {"address blank", [](auto& w) { w.url = "   "; }, messages::urlMissing, InputControl::Url},
    {"save location blank", [](auto& w) { w.savePath = "  "; }, messages::savePathMissing, InputControl::SavePath},
    {"server request missing",
     [](auto& w) {
         w.clientAndServer = true;
         w.serverRequest.clear();
     },
     messages::serverRequestMissing, InputControl::SrvReq},
};

TEST_F(InputChecksTest, GenerateReportsOnlyTheFirstFailingInput)
{
    for (const auto& failure : generateFailures) {
        SCOPED_TRACE(failure.name);
        FakeJobWindow w = window;
        failure.arrange(w);
        EXPECT_FALSE(velmora::job::runGenerateChecks(w, '/'));
        ASSERT_EQ(w.warnings, std::vector<std::string> {std::string(failure.message)});
        EXPECT_EQ(w.focused, std::vector<InputControl> {failure.focus});
        EXPECT_EQ(w.status, "") << "the status is cleared on every press";
    }
}

TEST_F(InputChecksTest, GenerateAcceptsWhatATlsSiteNeeds)
{
    const std::vector<std::function<void(FakeJobWindow&)>> accepted {
        [](auto&) {},
        [](auto& w) { w.maxLen = ""; }, // the tool's own default
        [](auto& w) { w.maxLen = "512"; },
        [](auto& w) { w.maxLen = "16384"; },
        [](auto& w) { w.maxLen = "3000"; },
        [](auto& w) { w.endDate = "2026/12/07"; },
        [](auto& w) {
            w.startDate = "2028/02/29";
            w.endDate = "2029/02/28";
        },
        [](auto& w) {
            w.clientAndServer = true;
            w.autoRequest = true;
        },
        [](auto& w) {
            w.clientAndServer = true;
            w.serverRequest = "   "; // blanks are not empty
        },
        [](auto& w) { w.serverRequest.clear(); }, // client only never looks at the request
    };
    for (std::size_t i = 0; i < accepted.size(); ++i) {
        SCOPED_TRACE(i);
        FakeJobWindow w = window;
        accepted[i](w);
        EXPECT_TRUE(velmora::job::runGenerateChecks(w, '/'));
        EXPECT_TRUE(w.warnings.empty()) << w.warnings.front();
    }
}

TEST_F(InputChecksTest, AMissingRequestIsReportedAfterTheFolderIsMade)
{
    window.clientAndServer = true;
    EXPECT_FALSE(velmora::job::runGenerateChecks(window, '/'));
    EXPECT_TRUE(fs::is_directory(root / "www.example.test"));
}

TEST_F(InputChecksTest, SigningFinishedLooksAtAddressAndLocationOnly)
{
    window.startDate = "____/__/__";
    window.endDate = "____/__/__";
    window.maxLen = "nonsense";
    window.clientAndServer = true;
    auto target = velmora::job::runSigningFinishedChecks(window, '/');
    ASSERT_TRUE(target);
    EXPECT_EQ(target->outputFolder, root.string() + "/www.example.test");
    EXPECT_EQ(window.status, "earlier status");

    window.url = "";
    EXPECT_FALSE(velmora::job::runSigningFinishedChecks(window, '/'));
    window.url = "x";
    window.savePath = "";
    EXPECT_FALSE(velmora::job::runSigningFinishedChecks(window, '/'));
    EXPECT_EQ(window.warnings,
              (std::vector<std::string> {std::string(messages::urlMissing), std::string(messages::savePathMissing)}));
    EXPECT_EQ(window.focused, (std::vector<InputControl> {InputControl::Url, InputControl::SavePath}));
}

TEST_F(InputChecksTest, TidiesTheBoxesAndDerivesTheOutputFolder)
{
    struct Case
    {
        std::string url, savePathSuffix;
        std::string expectedUrl, expectedSavePathSuffix, expectedSiteName;
    };
    const std::vector<Case> cases {
        {"  HTTPS://Www.Example.Test  ", "", "HTTPS://Www.Example.Test", "", "www.example.test"},
        {"http://https://host", "/", "http://https://host", "", "host"},
        {"Host.Test", "//", "Host.Test", "/", "host.test"}, // only one separator goes
        {"http://", "  ", "http://", "", ""},
        {"host:8443", "", "host:8443", "", "host:8443"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.url);
        FakeJobWindow w = window;
        w.url = c.url;
        w.savePath = " " + root.string() + c.savePathSuffix;
        auto target = velmora::job::runSigningFinishedChecks(w, '/');
        EXPECT_EQ(w.url, c.expectedUrl);
        EXPECT_EQ(w.savePath, root.string() + c.expectedSavePathSuffix);
        ASSERT_TRUE(target);
        EXPECT_EQ(target->siteName, c.expectedSiteName);
        EXPECT_EQ(target->outputFolder, w.savePath + "/" + c.expectedSiteName);
        EXPECT_TRUE(fs::is_directory(target->outputFolder));
    }
}

TEST_F(InputChecksTest, AnOutputFolderThatCannotBeMadeStopsBothHandlers)
{
    std::ofstream(root / "taken.test") << "a file, not a folder";
    struct Case
    {
        const char* name;
        std::string url, savePath, folder;
    };
    const std::vector<Case> cases {
        {"parent missing", "www.example.test", (root / "missing").string(),
         (root / "missing").string() + "/www.example.test"},
        {"another scheme makes a nested name", "FTP://Files.Test", root.string(), root.string() + "/ftp://files.test"},
        {"a file of that name", "taken.test", root.string(), root.string() + "/taken.test"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (bool generate : {true, false}) {
            FakeJobWindow w = window;
            w.url = c.url;
            w.savePath = c.savePath;
            const auto target
                = generate ? velmora::job::runGenerateChecks(w, '/') : velmora::job::runSigningFinishedChecks(w, '/');
            EXPECT_FALSE(target);
            EXPECT_EQ(w.warnings,
                      std::vector<std::string> {std::string(messages::folderNotCreatedPrefix) + c.folder + "!"});
            EXPECT_EQ(w.focused, std::vector<InputControl> {InputControl::SavePath});
        }
    }
    EXPECT_FALSE(fs::exists(root / "missing")) << "the parent is never created";
}

} // namespace

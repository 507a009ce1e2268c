#include "TestFolder.h"
#include "job/CleanUp.h"
#include "job/Export.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace velmora::job;
namespace fs = std::filesystem;
using velmora::testing::contentOf;
using Names = std::vector<std::string>;

namespace {

class WorkingFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fs::create_directories(app);
        fs::create_directories(out);
    }
    void put(const fs::path& folder, const Names& names)
    {
        for (const auto& name : names)
            std::ofstream(folder / name) << "content of " << name;
    }
    static Names namesIn(const fs::path& folder)
    {
        Names names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    void cleanUpAfterSigning(const std::set<std::string>& keep = {})
    {
        velmora::job::cleanUpAfterSigning(app, keep, [this](auto) { ++dispatches; });
    }

    velmora::testing::TestFolder root {"working-files"};
    fs::path app = root.path() / "app", out = root.path() / "out";
    int dispatches = 0;
};

const Names shipped {"UserSign.sh", "ca.db.index", "ca.db.serial", "openssl", "openssl.cnf"};

TEST_F(WorkingFiles, ClientAndServerRunExportsEveryFileThenLeavesOnlyTheShippedOnes)
{
    put(app, shipped);
    put(app,
        {"ca.key", "ca.crt", "server.key", "server.csr", "server.crt", "server.cer", "01.pem", "X.PEM", ".rnd",
         "ca.db.index.old", "ca.db.serial.old", "ca.db.index.attr"});
    const auto outcome = exportFiles(app, out, clientAndServerRows(app));
    EXPECT_TRUE(outcome.complete());
    EXPECT_EQ(namesIn(out),
              (Names {"01.pem", "X.PEM", "client.cer", "client.crt", "client.key", "privkey.pem", "server.cer",
                      "server.crt", "server.csr", "server.key"}));
    EXPECT_EQ(contentOf(out / "client.cer"), "content of ca.crt");
    EXPECT_EQ(contentOf(out / "privkey.pem"), "content of server.key");
    for (const char* key : {"client.key", "server.key", "privkey.pem"})
        EXPECT_EQ(fs::status(out / key).permissions(), fs::perms::owner_read | fs::perms::owner_write) << key;

    cleanUpAfterSigning();
    EXPECT_EQ(namesIn(app), shipped);
    EXPECT_EQ(contentOf(app / "ca.db.index"), "content of ca.db.index.old");
    EXPECT_EQ(contentOf(app / "ca.db.serial"), "content of ca.db.serial.old");
    EXPECT_EQ(dispatches, 1);
}

TEST_F(WorkingFiles, AFileWhoseCopyFailedStaysAndIsReported)
{
    put(app, {"ca.key", "ca.crt", "server.key", "server.csr", "server.crt", "server.cer"});
    put(out, {"client.key"});
    fs::permissions(out / "client.key", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::create_directory(out / "client.cer"); // a target nothing can replace, also for root
    const auto outcome = exportFiles(app, out, clientAndServerRows(app));
    EXPECT_EQ(outcome.missingTargets, Names {"client.cer"});
    EXPECT_EQ(fs::status(out / "client.key").permissions(), fs::perms::owner_read | fs::perms::owner_write);

    cleanUpAfterSigning(outcome.sourcesToKeep);
    EXPECT_EQ(namesIn(app), Names {"ca.crt"}); // client.crt was made from it too, but client.cer was not

    fs::remove(app / "ca.crt");
    put(app, {"ca.key"});
    const auto clientOnly = exportFiles(app, out, clientOnlyRows());
    EXPECT_EQ(clientOnly.missingTargets, (Names {"client.crt", "client.cer"}));
    cleanUpClientOnly(app, clientOnly.sourcesToKeep);
    EXPECT_TRUE(namesIn(app).empty());
}

TEST_F(WorkingFiles, TheDatabaseIsReplacedOnlyByABackupThatExists)
{
    struct Case
    {
        const char* label;
        Names before;
        Names after;
    };
    const Case cases[] {
        {"no backups: a second press", {"ca.db.index", "ca.db.serial"}, {"ca.db.index", "ca.db.serial"}},
        {"index backup only", {"ca.db.index", "ca.db.index.old", "ca.db.serial"}, {"ca.db.index", "ca.db.serial"}},
        {"index in other letter cases",
         {"ca.db.Index", "CA.DB.INDEX", "ca.db.index.old", "ca.db.serial"},
         {"ca.db.index", "ca.db.serial"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        fs::remove_all(app);
        fs::create_directories(app);
        put(app, c.before);
        cleanUpAfterSigning();
        EXPECT_EQ(namesIn(app), c.after);
        EXPECT_EQ(contentOf(app / "ca.db.serial"), "content of ca.db.serial");
    }
    EXPECT_EQ(contentOf(app / "ca.db.index"), "content of ca.db.index.old");
}

} // namespace

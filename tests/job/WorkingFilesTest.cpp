#include "TestFolder.h"
#include "job/CleanUp.h"
#include "job/Export.h"

#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

using namespace velmora::job;
namespace fs = std::filesystem;
using velmora::testing::contentOf;
using velmora::testing::namesIn;
using Names = std::set<std::string>;

namespace {

class WorkingFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fs::create_directories(app);
        fs::create_directories(out);
    }
    static void put(const fs::path& folder, const Names& names)
    {
        for (const auto& name : names)
            std::ofstream(folder / name) << "content of " << name;
    }

    velmora::testing::TestFolder root {"working-files"};
    fs::path app = root.path() / "app", out = root.path() / "out";
};

TEST_F(WorkingFiles, AFileWhoseCopyFailedStaysAndIsReported)
{
    // The usual files, and the names the tool's runs seldom leave.
    put(app, {"ca.key", "ca.crt", "server.key", "server.csr", "server.crt", "server.cer", "X.PEM", ".rnd"});
    put(out, {"client.key"});
#ifndef _WIN32 // Windows refuses to replace a read-only file at all
    fs::permissions(out / "client.key", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
#endif
    fs::create_directory(out / "client.cer"); // a target nothing can replace, also for root
    const auto outcome = exportFiles(app, out, clientAndServerRows(app, true));
    EXPECT_EQ(outcome.missingTargets, std::vector<std::string> {"client.cer"});
    EXPECT_EQ(contentOf(out / "X.PEM"), "content of X.PEM");
#ifndef _WIN32
    EXPECT_EQ(fs::status(out / "client.key").permissions(), fs::perms::owner_read | fs::perms::owner_write);
#endif

    cleanUpAfterSigning(app, outcome.sourcesToKeep, [](auto) {});
    EXPECT_EQ(namesIn(app), Names {"ca.crt"}); // client.crt was made from it too, but client.cer was not

    fs::remove(app / "ca.crt");
    put(app, {"ca.key"});
    const auto clientOnly = exportFiles(app, out, clientOnlyRows());
    EXPECT_EQ(clientOnly.missingTargets, (std::vector<std::string> {"client.crt", "client.cer"}));
    cleanUpClientOnly(app, clientOnly.sourcesToKeep);
    EXPECT_TRUE(namesIn(app).empty());
}

#ifndef _WIN32
// A disk that fills up midway: the file-size limit makes each write past its
// size fail as a full disk does.
TEST_F(WorkingFiles, AnExportThatCannotBeWrittenWholeLeavesTheOlderFilesWhole)
{
    put(app, {"ca.key", "ca.crt"});
    std::ofstream(app / "ca.key") << std::string(16211, 'k');
    put(out, {"client.key", "client.crt"});
    rlimit before {};
    getrlimit(RLIMIT_FSIZE, &before);
    const rlimit small {8192, before.rlim_max};
    signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const auto outcome = exportFiles(app, out, clientOnlyRows());
    setrlimit(RLIMIT_FSIZE, &before);
    EXPECT_EQ(outcome.missingTargets, std::vector<std::string> {"client.key"});
    EXPECT_EQ(contentOf(out / "client.key"), "content of client.key");
    EXPECT_EQ(namesIn(out), (Names {"client.cer", "client.crt", "client.key"})) << "no temporary stays";
}
#endif

TEST_F(WorkingFiles, TheDatabaseIsReplacedOnlyByABackupThatExists)
{
    // The serial has no backup in any case, so it keeps its own content.
    const std::pair<const char*, Names> cases[] {
        {"no backups: a second press", {"ca.db.index", "ca.db.serial", "ca.db.index.attr"}},
        {"index backup only", {"ca.db.index", "ca.db.index.old", "ca.db.serial"}},
        {"index and backup in other letter cases", {"ca.db.Index", "CA.DB.INDEX", "Ca.Db.Index.Old", "ca.db.serial"}},
    };
    for (const auto& [label, before] : cases) {
        SCOPED_TRACE(label);
        fs::remove_all(app);
        fs::create_directories(app);
        put(app, before);
        cleanUpAfterSigning(app, {}, [](auto) {});
        EXPECT_EQ(namesIn(app), (Names {"ca.db.index", "ca.db.serial"}));
        EXPECT_EQ(contentOf(app / "ca.db.serial"), "content of ca.db.serial");
    }
    EXPECT_EQ(contentOf(app / "ca.db.index"), "content of Ca.Db.Index.Old");
}

} // namespace

#include "TestFolder.h"
#include "platform/FolderTrust.h"
#include "platform/UserFolder_posix.h"

#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

namespace velmora::platform {
namespace {

namespace fs = std::filesystem;
using velmora::testing::contentOf;

class WorkingFolderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fs::create_directories(program);
        std::ofstream(program / "openssl.cnf") << "shipped";
        std::ofstream(program / "ca.db.index");
        std::ofstream(program / "ca.db.serial") << "01\n";
        std::ofstream(tool) << "tool";
        fs::create_symlink(tool, program / "openssl");
    }
    // The program's folder read-only, whoever runs the test.
    WorkingFolder prepare()
    {
        return prepareWorkingFolder(program.string(), user.string(), files, [this](const std::string& folder) {
            return folder != program && folderIsWritable(folder);
        });
    }

    // Each case arranges the folders afresh; the folder chosen and its problem.
    void expectChosen(
        const std::vector<std::tuple<const char*, std::function<void()>, std::filesystem::path, FolderProblem>>& cases);

    const ShippedFiles files {"openssl", "openssl.cnf", {"ca.db.index", "ca.db.serial"}};
    velmora::testing::TestFolder root {"working-folder"};
    const fs::path program = root.path() / "usr lib velmora", tool = root.path() / "system-openssl";
    const fs::path data = root.path() / "data", user = data / "velmora";
};

TEST_F(WorkingFolderTest, AProgramFolderWhereAFileCanReallyBeMadeIsUsedAsItIs)
{
    const WorkingFolder chosen = prepareWorkingFolder(program.string(), user.string(), files);
    EXPECT_EQ(chosen.path, program.string());
    EXPECT_TRUE(chosen.usable());
    EXPECT_FALSE(fs::exists(user));
    EXPECT_FALSE(folderIsWritable("/proc") || folderIsWritable("")); // not even by an administrator; nothing named

    // Otherwise a per-user folder is needed, one that can be made and written.
    for (const fs::path& userFolder : {fs::path(), root.path() / "closed"})
        EXPECT_FALSE(prepareWorkingFolder(program.string(), userFolder, files, [](auto&) { return false; }).usable());
    std::ofstream {data}; // a file where the folder for user data should be
    EXPECT_EQ(prepare().problem, FolderProblem::CannotPrepare);
}

TEST_F(WorkingFolderTest, AReadOnlyProgramFolderGivesAPrivateUserFolderThatKeepsTheUsersFiles)
{
    fs::permissions(program / "ca.db.serial", fs::perms(0444));
    EXPECT_TRUE(prepare().usable());
    EXPECT_EQ(fs::status(user).permissions() & fs::perms::all, fs::perms::owner_all);
    // The links, the copied database and nothing else: the probe for writing leaves nothing behind.
    EXPECT_EQ(testing::namesIn(user),
              (std::set<std::string> {"ca.db.index", "ca.db.serial", "openssl", "openssl.cnf"}));
    EXPECT_EQ(contentOf(user / "ca.db.serial"), "01\n");
    EXPECT_EQ(fs::status(user / "ca.db.serial").permissions() & fs::perms::owner_write, fs::perms::owner_write);

    // The user's own configuration and a database in use survive the next
    // start; a tool another account could have put there does not: the link
    // to the system's tool takes its place.
    fs::remove(user / "openssl.cnf");
    std::ofstream(user / "openssl.cnf") << "the user's own";
    std::ofstream(user / "ca.db.serial") << "02\n";
    fs::remove(user / "openssl");
    fs::create_symlink(root.path() / "another's tool", user / "openssl");
    EXPECT_TRUE(prepare().usable());
    EXPECT_EQ(contentOf(user / "openssl.cnf"), "the user's own");
    EXPECT_EQ(contentOf(user / "ca.db.serial"), "02\n");
    EXPECT_EQ(fs::read_symlink(user / "openssl"), fs::canonical(tool));

    // Nor does a configuration that others may write: the shipped one is linked. Nor any tool, even a file.
    fs::permissions(user / "openssl.cnf", fs::perms(0666));
    fs::remove(user / "openssl"), std::ofstream(user / "openssl") << "a tool of the user's";
    EXPECT_TRUE(prepare().usable());
    EXPECT_EQ(fs::read_symlink(user / "openssl.cnf"), program / "openssl.cnf");
    EXPECT_EQ(fs::read_symlink(user / "openssl"), fs::canonical(tool));
    fs::remove(user / "ca.db.serial"), fs::remove(program / "ca.db.serial");
    EXPECT_EQ(prepare().problem, FolderProblem::CannotPrepare) << "a database that could not be copied";
}

// A folder with the mode, and the owner and group unless left at -1.
std::function<void()> folder(const fs::path& path, int mode, uid_t owner = -1, gid_t group = -1)
{
    return [=] {
        fs::create_directories(path);
        fs::permissions(path, fs::perms(mode));
        EXPECT_EQ(chown(path.c_str(), owner, group), 0);
    };
}

using FolderCase = std::tuple<const char*, std::function<void()>, fs::path, FolderProblem>;

void WorkingFolderTest::expectChosen(const std::vector<FolderCase>& cases)
{
    for (const auto& [label, arrange, path, problem] : cases) {
        SCOPED_TRACE(label);
        folder(program, 0755, geteuid(), getegid())();
        fs::remove_all(data);
        fs::create_directories(data);
        arrange();
        const WorkingFolder chosen = prepare();
        EXPECT_EQ(chosen.path, path.string());
        EXPECT_EQ(chosen.problem, problem);
        // Nothing goes into a folder that is not used, nor where its link leads.
        EXPECT_EQ(fs::is_symlink(user / "openssl"), chosen.usable());
    }
}

TEST_F(WorkingFolderTest, AFolderAnotherAccountCouldChangeIsNamedWithTheReasonAndNotUsed)
{
    expectChosen({
        {"program's open to others", folder(program, 0757), program, FolderProblem::OthersMayWrite},
        {"user's open to all", folder(user, 0777), user, FolderProblem::OthersMayWrite},
        {"user's a link", [&] { fs::create_symlink(root.path(), user); }, user, FolderProblem::IsALink},
        {"user's a file", [&] { std::ofstream {user}; }, user, FolderProblem::NotAFolder},
    });
}

TEST_F(WorkingFolderTest, AFolderOfAnotherAccountOrGroupIsUsedOnlyWhereNoneOfThemCanWriteIt)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can give a folder to another account or group";
    expectChosen({
        {"program's open to root's own group", folder(program, 0775, -1, 0), user, FolderProblem::None},
        {"program's another's", folder(program, 0755, 65534), program, FolderProblem::OwnedByAnother},
        {"user's open to another group", folder(user, 0770, -1, 65534), user, FolderProblem::OthersMayWrite},
        {"user's in another group closed to it", folder(user, 0750, -1, 65534), user, FolderProblem::None},
        {"user's another's", folder(user, 0700, 65534), user, FolderProblem::OwnedByAnother},
    });
    // An account whose primary group is root's own is in that group, though no member list names it; so is one
    // the list names.
    for (const std::string joins : {"-g 0", "-G root"}) {
        const std::string other = "velmora-" + std::to_string(getpid());
        ASSERT_EQ(std::system(("useradd -M -N " + joins + " " + other).c_str()), 0);
        const std::shared_ptr<void> removeAccount(nullptr, [&](void*) { std::system(("userdel " + other).c_str()); });
        expectChosen({{joins.c_str(), folder(program, 0775, -1, 0), program, FolderProblem::OthersMayWrite}});
    }
}

TEST_F(WorkingFolderTest, ATerminalIsFoundOnlyInAbsoluteSearchFoldersThatNoOtherAccountCanChange)
{
    // The current folder (an empty entry and "."), one open to all, one missing, and one to trust.
    const fs::path open = root.path() / "open", good = root.path() / "good";
    for (const fs::path& folder : {fs::path("."), open, good}) {
        fs::create_directories(folder);
        std::ofstream(folder / "velmora-term");
        fs::permissions(folder / "velmora-term", fs::perms(0755));
    }
    fs::permissions(open, fs::perms(0777));
    const std::string search = ":.:" + open.string() + ":" + (root.path() / "missing").string() + ":";
    EXPECT_EQ(findTrustedProgram("velmora-term", search + good.string()), (good / "velmora-term").string());
    fs::remove("velmora-term");
    EXPECT_EQ(findTrustedProgram("velmora-term", search), std::nullopt);
}

} // namespace
} // namespace velmora::platform

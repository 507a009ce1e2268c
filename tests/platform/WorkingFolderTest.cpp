#include "platform/WorkingFolder.h"

#include "TestFolder.h"

#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

namespace velmora::platform {
namespace {

namespace fs = std::filesystem;
using velmora::testing::contentOf;

TEST(FolderIsWritable, OnlyWhereAFileCanReallyBeMade)
{
    const velmora::testing::TestFolder writable {"writable"};
    EXPECT_TRUE(folderIsWritable(writable.path().string()));
    EXPECT_TRUE(fs::is_empty(writable.path())); // the probe leaves nothing
    // Not even an administrator can make a file here.
    EXPECT_FALSE(folderIsWritable("/proc"));
    EXPECT_FALSE(folderIsWritable((writable.path() / "missing").string()));
}

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

    const ShippedFiles files {"openssl", "openssl.cnf", {"ca.db.index", "ca.db.serial"}};
    velmora::testing::TestFolder root {"working-folder"};
    const fs::path program = root.path() / "usr lib velmora", tool = root.path() / "system-openssl";
    const fs::path user = root.path() / "data" / "velmora";
};

TEST_F(WorkingFolderTest, AWritableProgramFolderIsUsedAsItIs)
{
    const WorkingFolder chosen = prepareWorkingFolder(program.string(), user.string(), files);
    EXPECT_EQ(chosen.path, program.string());
    EXPECT_TRUE(chosen.usable());
    EXPECT_FALSE(fs::exists(user));
}

TEST_F(WorkingFolderTest, ReadOnlyExecutableFolderGivesAPerUserFolderThatKeepsTheUsersFiles)
{
    fs::permissions(program / "ca.db.serial", fs::perms(0444));
    const WorkingFolder first = prepare();
    EXPECT_EQ(first.path, user.string());
    EXPECT_TRUE(first.usable());
    EXPECT_EQ(fs::read_symlink(user / "openssl.cnf"), program / "openssl.cnf");
    EXPECT_EQ(fs::read_symlink(user / "openssl"), fs::canonical(tool));
    EXPECT_EQ(contentOf(user / "ca.db.index"), "");
    EXPECT_EQ(contentOf(user / "ca.db.serial"), "01\n");
    EXPECT_EQ(fs::status(user / "ca.db.serial").permissions() & fs::perms::owner_write, fs::perms::owner_write);
    EXPECT_EQ(fs::status(user).permissions() & fs::perms::all, fs::perms::owner_all);

    // The user's own configuration and a database in use survive the next start.
    fs::remove(user / "openssl.cnf");
    std::ofstream(user / "openssl.cnf") << "the user's own";
    std::ofstream(user / "ca.db.serial") << "02\n";
    const WorkingFolder second = prepare();
    EXPECT_TRUE(second.usable());
    EXPECT_EQ(contentOf(user / "openssl.cnf"), "the user's own");
    EXPECT_EQ(contentOf(user / "ca.db.serial"), "02\n");

    // What another account could have put there is not: a tool, and a
    // configuration that others may write.
    fs::remove(user / "openssl");
    std::ofstream(user / "openssl") << "#!/bin/sh\ntouch /tmp/mark\n";
    fs::permissions(user / "openssl.cnf", fs::perms(0666));
    EXPECT_TRUE(prepare().usable());
    EXPECT_EQ(fs::read_symlink(user / "openssl"), fs::canonical(tool));
    EXPECT_EQ(fs::read_symlink(user / "openssl.cnf"), program / "openssl.cnf");
}

TEST_F(WorkingFolderTest, AFolderAnotherAccountCouldChangeIsNamedWithTheReasonAndNotUsed)
{
    const fs::path elsewhere = root.path() / "elsewhere";
    const bool asRoot = geteuid() == 0; // only root can give a folder away
    const std::tuple<const char*, std::function<void()>, fs::path, FolderProblem> cases[] = {
        {"program's folder open to others", [&] { fs::permissions(program, fs::perms(0757)); }, program,
         FolderProblem::OthersMayWrite},
        {"program's folder another's", [&] { EXPECT_EQ(chown(program.c_str(), 65534, 65534), 0); }, program,
         FolderProblem::OwnedByAnother},
        {"user's folder open to all",
         [&] {
             fs::create_directories(user);
             fs::permissions(user, fs::perms(0777));
         },
         user, FolderProblem::OthersMayWrite},
        {"user's folder another's",
         [&] {
             fs::create_directories(user);
             EXPECT_EQ(chown(user.c_str(), 65534, 65534), 0);
         },
         user, FolderProblem::OwnedByAnother},
        {"user's folder a link",
         [&] {
             fs::create_directories(elsewhere);
             fs::create_directories(user.parent_path());
             fs::create_symlink(elsewhere, user);
         },
         user, FolderProblem::IsALink},
        {"user's folder a file",
         [&] {
             fs::create_directories(user.parent_path());
             std::ofstream {user};
         },
         user, FolderProblem::NotAFolder},
    };
    for (const auto& [label, arrange, path, problem] : cases) {
        if (std::string_view(label).ends_with("another's") && !asRoot)
            continue;
        SCOPED_TRACE(label);
        fs::permissions(program, fs::perms(0755));
        EXPECT_EQ(chown(program.c_str(), geteuid(), getegid()), 0);
        fs::remove_all(root.path() / "data");
        fs::remove_all(elsewhere);
        arrange();
        const WorkingFolder chosen = prepare();
        EXPECT_EQ(chosen.path, path.string());
        EXPECT_EQ(chosen.problem, problem);
        EXPECT_FALSE(fs::exists(fs::symlink_status(user / "openssl"))) << "tool linked in a refused folder";
        EXPECT_FALSE(fs::exists(elsewhere / "openssl"));
    }
}

TEST_F(WorkingFolderTest, PerUserFolderThatCannotBeMadeIsNotUsable)
{
    std::ofstream(root.path() / "data"); // a file where the data home should be
    EXPECT_FALSE(prepare().usable());
    EXPECT_EQ(prepare().path, user.string());
    EXPECT_FALSE(prepareWorkingFolder(program.string(), "", files, [](const std::string&) { return false; }).usable());
}

} // namespace
} // namespace velmora::platform

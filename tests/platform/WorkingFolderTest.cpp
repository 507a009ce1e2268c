#include "platform/WorkingFolder.h"

#include "TestFolder.h"
#include "platform/AppFolder.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

namespace velmora::platform {
namespace {

namespace fs = std::filesystem;
using velmora::testing::contentOf;

TEST(PerUserFolder, IsVelmoraUnderTheXdgDataHome)
{
    const std::tuple<const char*, const char*, std::string> table[] = {
        {"/data", "/home/ann", "/data/velmora"},
        {"", "/home/ann", "/home/ann/.local/share/velmora"},
        {"relative/data", "/home/ann", "/home/ann/.local/share/velmora"}, // not a data home by the XDG rules
        {"", "", ""},
    };
    for (const auto& [dataHome, home, folder] : table)
        EXPECT_EQ(perUserFolder(dataHome, home), folder) << dataHome << " " << home;
}

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
        return prepareWorkingFolder(program.string(), user.string(), [this](const std::string& folder) {
            return folder != program && folderIsWritable(folder);
        });
    }

    velmora::testing::TestFolder root {"working-folder"};
    const fs::path program = root.path() / "usr lib velmora", tool = root.path() / "system-openssl";
    const fs::path user = root.path() / "data" / "velmora";
};

TEST_F(WorkingFolderTest, WritableExecutableFolderIsUsedAsItIs)
{
    // The test's own folder is writable; the data home is the test's, in case it is not.
    setenv("XDG_DATA_HOME", root.path().c_str(), 1);
    const WorkingFolder chosen = workingFolder();
    EXPECT_EQ(chosen.path, executableFolder());
    EXPECT_TRUE(chosen.usable);
    EXPECT_FALSE(fs::exists(root.path() / "velmora"));
}

TEST_F(WorkingFolderTest, ReadOnlyExecutableFolderGivesAPerUserFolderThatKeepsTheUsersFiles)
{
    fs::permissions(program / "ca.db.serial", fs::perms(0444));
    const WorkingFolder first = prepare();
    EXPECT_EQ(first.path, user.string());
    EXPECT_TRUE(first.usable);
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
    EXPECT_TRUE(second.usable);
    EXPECT_EQ(contentOf(user / "openssl.cnf"), "the user's own");
    EXPECT_EQ(contentOf(user / "ca.db.serial"), "02\n");
}

TEST_F(WorkingFolderTest, PerUserFolderThatCannotBeMadeIsNotUsable)
{
    std::ofstream(root.path() / "data"); // a file where the data home should be
    EXPECT_FALSE(prepare().usable);
    EXPECT_EQ(prepare().path, user.string());
    EXPECT_FALSE(prepareWorkingFolder(program.string(), "", [](const std::string&) { return false; }).usable);
}

} // namespace
} // namespace velmora::platform

#include "app/core/file_io.h"

#include <csignal>

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include "tests/app/core/test_folder.h"

namespace quintavo::appcore {
namespace {

using test::Entries;
using test::ReadAll;
using test::TestFolder;
using test::WriteAll;

TEST(ReadFileBounded, TellsAFileAtTheLimitFromALargerOne) {
    TestFolder dir;
    WriteAll(dir / "at", "12345");
    WriteAll(dir / "over", "123456");

    const ReadResult at = ReadFileBounded(dir / "at", 5);
    EXPECT_EQ(at.Status, ReadStatus::Read);
    EXPECT_EQ(at.Data, "12345");

    const ReadResult over = ReadFileBounded(dir / "over", 5);
    EXPECT_EQ(over.Status, ReadStatus::TooLarge);
    EXPECT_EQ(over.Data, "12345");
}

TEST(ReadFileBounded, RefusesWhatIsNotARegularFileWithoutBlocking) {
    TestFolder dir;
    EXPECT_EQ(ReadFileBounded(dir / "none", 10).Status, ReadStatus::Missing);
    EXPECT_EQ(ReadFileBounded(dir.Path(), 10).Status, ReadStatus::Unreadable);
    // A pipe with no writer would hold a plain open forever.
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    const ReadResult pipe = ReadFileBounded(dir / "pipe", 10);
    EXPECT_EQ(pipe.Status, ReadStatus::Unreadable);
    EXPECT_NE(pipe.Error.find("pipe"), std::string::npos);
}

TEST(WriteFileAtomically, ReplacesTheFileKeepingItsPermissionsAndNoTemporary) {
    TestFolder dir;
    WriteAll(dir / "f", "old content");
    ::chmod((dir / "f").c_str(), 0640);

    ASSERT_TRUE(WriteFileAtomically(dir / "f", "new"));
    EXPECT_EQ(ReadAll(dir / "f"), "new");
    struct stat info {};
    ::stat((dir / "f").c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"f"});
}

TEST(WriteFileAtomically, WritesThroughASymbolicLink) {
    TestFolder dir;
    WriteAll(dir / "target", "old");
    std::filesystem::create_symlink(dir / "target", dir / "link");

    ASSERT_TRUE(WriteFileAtomically(dir / "link", "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link"));
    EXPECT_EQ(ReadAll(dir / "target"), "new");
}

TEST(WriteFileAtomically, ReportsTheSystemErrorForAnImpossiblePath) {
    TestFolder dir;
    WriteAll(dir / "file", "x");
    // Tests run as root, so permissions cannot make a folder unwritable; a
    // file standing where the folder should be can.
    const FileResult result = WriteFileAtomically(dir / "file" / "game.vsr", "data");
    EXPECT_FALSE(result);
    EXPECT_EQ(result.Error, (dir / "file" / "game.vsr").string() + ": Not a directory");
    EXPECT_EQ(ReadAll(dir / "file"), "x");
}

// A write cut short half-way (here by a file-size limit, as a full disk
// would) must leave the old file whole and no temporary behind.
TEST(WriteFileAtomically, KeepsTheOldFileWhenWritingFails) {
    TestFolder dir;
    const std::string old(100, 'o');
    WriteAll(dir / "f", old);

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileResult result = WriteFileAtomically(dir / "f", std::string(10000, 'n'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(result);
    EXPECT_NE(result.Error.find("File too large"), std::string::npos) << result.Error;
    EXPECT_EQ(ReadAll(dir / "f"), old);
    EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"f"});
}

} // namespace
} // namespace quintavo::appcore

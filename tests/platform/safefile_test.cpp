// Files read only when regular and bounded, written whole or not at all.
#include "platform/safefile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/platform/bad_files.h"

namespace fs = std::filesystem;

namespace {

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class SafeFile : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("safefile-" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    // Nothing but the named files remains in the folder: no temporary left over.
    size_t FileCount() const {
        return static_cast<size_t>(
            std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
    }
    fs::path dir_;
};

TEST_F(SafeFile, WritesAndReplacesWhole) {
    const fs::path target = dir_ / "out.txt";
    ASSERT_TRUE(WriteFileAtomically(target.string(), std::string("first\nline")));
    EXPECT_EQ(ReadAll(target), "first\nline");
    ASSERT_TRUE(WriteFileAtomically(target.string(), std::string("second")));
    EXPECT_EQ(ReadAll(target), "second");
    EXPECT_EQ(FileCount(), 1u);
}

TEST_F(SafeFile, FailedWriteKeepsTheOldFile) {
    const fs::path target = dir_ / "out.txt";
    ASSERT_TRUE(WriteFileAtomically(target.string(), std::string("kept")));
    EXPECT_FALSE(WriteFileAtomically(target.string(), [](std::ostream& out) {
        out << "half";
        return false;
    }));
    EXPECT_EQ(ReadAll(target), "kept");
    EXPECT_EQ(FileCount(), 1u);
}

TEST_F(SafeFile, UnwritableFolderFails) {
    // The tests may run as root, so a read-only folder would not fail: a
    // parent that is a regular file always does.
    const fs::path parent = dir_ / "plain";
    ASSERT_TRUE(WriteFileAtomically(parent.string(), std::string("x")));
    EXPECT_FALSE(WriteFileAtomically((parent / "out.txt").string(), std::string("y")));
    EXPECT_FALSE(WriteFileAtomically("", std::string("y")));
}

}  // namespace

namespace {

TEST_F(SafeFile, ReadsOnlyRegularFilesUpToTheBound) {
    const fs::path file = dir_ / "in.txt";
    ASSERT_TRUE(WriteFileAtomically(file.string(), std::string("a\0b\r\n", 5)));
    std::string text;
    EXPECT_EQ(ReadFileBounded(file.string(), text, 5), FileReadStatus::Read);
    EXPECT_EQ(text, std::string("a\0b\r\n", 5));
    EXPECT_EQ(ReadFileBounded(file.string(), text, 4), FileReadStatus::TooLarge);
    EXPECT_EQ(text, "");
    // The other bad paths are in the tests of every reader.
    ASSERT_TRUE(MakeBadFile(BadFile::Pipe, file));
    EXPECT_EQ(ReadFileBounded(file.string(), text), FileReadStatus::Unavailable);
}

TEST_F(SafeFile, WritesThroughLinksKeepingPermissions) {
    // A link to a relative link in another folder; the file keeps its mode.
    fs::create_directory(dir_ / "real");
    const fs::path real = dir_ / "real" / "data.txt";
    ASSERT_TRUE(WriteFileAtomically(real.string(), std::string("old")));
    fs::permissions(real, fs::perms(0751));
    fs::create_symlink("real/data.txt", dir_ / "link");
    fs::create_symlink(dir_ / "link", dir_ / "chain");
    ASSERT_TRUE(WriteFileAtomically((dir_ / "chain").string(), std::string("new")));
    EXPECT_TRUE(fs::is_symlink(dir_ / "link") && fs::is_symlink(dir_ / "chain"));
    EXPECT_EQ(ReadAll(real), "new");
    EXPECT_EQ(fs::status(real).permissions(), fs::perms(0751));
    // A link to no file yet makes the file; a loop of links is refused.
    fs::create_symlink("real/later.txt", dir_ / "dangling");
    ASSERT_TRUE(WriteFileAtomically((dir_ / "dangling").string(), std::string("made")));
    EXPECT_EQ(ReadAll(dir_ / "real" / "later.txt"), "made");
    fs::create_symlink("loop", dir_ / "loop");
    EXPECT_FALSE(WriteFileAtomically((dir_ / "loop").string(), std::string("x")));
    EXPECT_EQ(FileCount(), 5u);
}

TEST_F(SafeFile, RefusesWhatIsNoWritableFileAndTakesLongNames) {
    const fs::path pipe = dir_ / "pipe";
    ASSERT_TRUE(MakeBadFile(BadFile::Pipe, pipe));
    EXPECT_FALSE(WriteFileAtomically(pipe.string(), std::string("x")));
    EXPECT_TRUE(fs::is_fifo(pipe));
    // Root may write any file in place; anyone else keeps a read-only one.
    const fs::path target = dir_ / std::string(255, 'n');
    ASSERT_TRUE(WriteFileAtomically(target.string(), std::string("old")));
    fs::permissions(target, fs::perms(0444));
    EXPECT_EQ(WriteFileAtomically(target.string(), std::string("new")), ::geteuid() == 0);
    EXPECT_EQ(ReadAll(target), ::geteuid() == 0 ? "new" : "old");
    EXPECT_EQ(FileCount(), 2u);
}

}  // namespace

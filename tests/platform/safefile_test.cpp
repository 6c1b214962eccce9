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

TEST_F(SafeFile, ReadsRegularFilesUpToTheBound) {
    const fs::path file = dir_ / "in.txt";
    ASSERT_TRUE(WriteFileAtomically(file.string(), std::string("a\0b\r\n", 5)));
    std::string text = "stale";
    EXPECT_EQ(ReadFileBounded(file.string(), text), FileReadStatus::Read);
    EXPECT_EQ(text, std::string("a\0b\r\n", 5));
    EXPECT_EQ(ReadFileBounded(file.string(), text, 5), FileReadStatus::Read);
    EXPECT_EQ(ReadFileBounded(file.string(), text, 4), FileReadStatus::TooLarge);
    EXPECT_EQ(text, "");
    for (const BadFileRow& row : BadFiles) {
        SCOPED_TRACE(row.name);
        if (!MakeBadFile(row.kind, file)) continue;
        text = "stale";
        EXPECT_EQ(ReadFileBounded(file.string(), text), row.kind == BadFile::Oversized
                                                            ? FileReadStatus::TooLarge
                                                            : FileReadStatus::Unavailable);
        EXPECT_EQ(text, "");
    }
}

TEST_F(SafeFile, WritesThroughSymbolicLinks) {
    // A relative link in another folder, then a link to that link.
    fs::create_directory(dir_ / "real");
    const fs::path real = dir_ / "real" / "data.txt";
    ASSERT_TRUE(WriteFileAtomically(real.string(), std::string("old")));
    fs::create_symlink("real/data.txt", dir_ / "link.txt");
    fs::create_symlink(dir_ / "link.txt", dir_ / "chain.txt");
    ASSERT_TRUE(WriteFileAtomically((dir_ / "chain.txt").string(), std::string("new")));
    EXPECT_TRUE(fs::is_symlink(dir_ / "link.txt") && fs::is_symlink(dir_ / "chain.txt"));
    EXPECT_EQ(ReadAll(real), "new");
    // A link to a file not there yet makes that file.
    fs::create_symlink("real/later.txt", dir_ / "dangling.txt");
    ASSERT_TRUE(WriteFileAtomically((dir_ / "dangling.txt").string(), std::string("made")));
    EXPECT_EQ(ReadAll(dir_ / "real" / "later.txt"), "made");
    EXPECT_EQ(FileCount(), 4u);
    // A loop of links is refused.
    fs::create_symlink("loop.txt", dir_ / "loop.txt");
    EXPECT_FALSE(WriteFileAtomically((dir_ / "loop.txt").string(), std::string("x")));
}

TEST_F(SafeFile, KeepsPermissionsAndRefusesWhatIsNoWritableFile) {
    const fs::path target = dir_ / "private.txt";
    for (const fs::perms mode : {fs::perms(0600), fs::perms(0751)}) {
        ASSERT_TRUE(WriteFileAtomically(target.string(), std::string("old")));
        fs::permissions(target, mode);
        ASSERT_TRUE(WriteFileAtomically(target.string(), std::string("new")));
        EXPECT_EQ(fs::status(target).permissions(), mode);
    }
    // A pipe or a folder under the name stays what it is.
    const fs::path pipe = dir_ / "pipe";
    ASSERT_TRUE(MakeBadFile(BadFile::Pipe, pipe));
    EXPECT_FALSE(WriteFileAtomically(pipe.string(), std::string("x")));
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_FALSE(WriteFileAtomically(dir_.string(), std::string("x")));
    // Root may write any file in place; anyone else keeps a read-only one.
    fs::permissions(target, fs::perms(0444));
    EXPECT_EQ(WriteFileAtomically(target.string(), std::string("replaced")), ::geteuid() == 0);
    if (::geteuid() != 0) {
        EXPECT_EQ(ReadAll(target), "new");
    }
    EXPECT_EQ(FileCount(), 2u);
}

TEST_F(SafeFile, NamesAsLongAsTheFolderAllows) {
    const fs::path longest = dir_ / std::string(255, 'n');
    ASSERT_TRUE(WriteFileAtomically(longest.string(), std::string("long")));
    EXPECT_EQ(ReadAll(longest), "long");
    EXPECT_FALSE(WriteFileAtomically((dir_ / std::string(256, 'n')).string(), std::string("x")));
    EXPECT_EQ(FileCount(), 1u);
}

}  // namespace

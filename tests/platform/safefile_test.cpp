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

}  // namespace

#include "storage/atomic_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("vantrel_lab_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  int Entries() {
    return static_cast<int>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
  }

  fs::path dir_;
};

TEST_F(AtomicFileTest, ReplacesTheTargetWholeAndLeavesNothingElse) {
  const fs::path target = dir_ / "runs.csv";
  EXPECT_EQ(CheckWritable(target), "");
  EXPECT_EQ(WriteFileAtomically(target, "old"), "");
  EXPECT_EQ(WriteFileAtomically(target, "new,\"text\"\r\n"), "");
  EXPECT_EQ(Read(target), "new,\"text\"\r\n");
  EXPECT_EQ(Entries(), 1);
}

TEST_F(AtomicFileTest, FailuresNameTheFileAndTouchNothing) {
  // Root ignores permissions; a parent that is a regular file fails for everyone.
  const fs::path file = dir_ / "plain";
  ASSERT_EQ(WriteFileAtomically(file, "kept"), "");
  const std::string below = (file / "runs.csv").string();
  EXPECT_NE(CheckWritable(below).find(below), std::string::npos);
  const std::string error = WriteFileAtomically(below, "text");
  EXPECT_NE(error.find("cannot write " + below + ": "), std::string::npos) << error;

  const fs::path folder = dir_ / "folder";
  fs::create_directory(folder);
  EXPECT_NE(WriteFileAtomically(folder, "text"), "");
  EXPECT_NE(CheckWritable(folder), "");
  EXPECT_TRUE(fs::is_directory(folder));
  EXPECT_EQ(Read(file), "kept");
  EXPECT_EQ(Entries(), 2);
}

// A writer that fails half-way, as a full disk would: neither a replaced file nor one
// written in place (it has a second hard link) keeps any of the new bytes.
TEST_F(AtomicFileTest, AWriteThatFailsHalfWayLeavesTheOldBytes) {
  const auto fail_half_way = [](std::FILE* file) {
    std::fputs("new bytes, but not all of them", file);
    return false;
  };
  const fs::path target = dir_ / "runs.csv";
  ASSERT_EQ(WriteFileAtomically(target, "old"), "");
  EXPECT_EQ(WriteFileWhole(target, fail_half_way).result, FileResult::kWriteError);
  EXPECT_EQ(Read(target), "old");
  EXPECT_EQ(Entries(), 1);

  fs::create_hard_link(target, dir_ / "second name");
  EXPECT_EQ(WriteFileWhole(target, fail_half_way).result, FileResult::kWriteError);
  EXPECT_EQ(Read(target), "old");
  EXPECT_EQ(fs::hard_link_count(target), 2u);
  EXPECT_EQ(Entries(), 2);
}

}  // namespace
}  // namespace vantrel

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "skin/mask_file.h"
#include "tests/support/bmp_fixture.h"
#include "tests/support/scratch_dir.h"

namespace qv {
namespace {

TEST(ReadMaskFileTest, ReadsAFile) {
  const test::ScratchDir dir;
  const test::CodeRows codes = {{0, 9, 9}, {15, 10, 0}};
  const MaskFileResult result = ReadMaskFile(dir.Write("mask.bmp", test::WriteBmp(codes)));
  ASSERT_TRUE(result.mask) << result.error;
  EXPECT_EQ(result.mask->bits, test::PackStoredRows(codes).bytes);
}

TEST(ReadMaskFileTest, ReasonsStartWithThePathAndTellTheCasesApart) {
  const test::ScratchDir dir;
  const std::filesystem::path missing = dir.path() / "mask.bmp";
  EXPECT_EQ(ReadMaskFile(missing).error, missing.string() + ": file not found");
  EXPECT_EQ(ReadMaskFile(dir.path()).error, dir.path().string() + ": is a directory, not a file");

  const std::filesystem::path notBmp = dir.Write("notes.txt", {'h', 'e', 'l', 'l', 'o'});
  EXPECT_EQ(ReadMaskFile(notBmp).error, notBmp.string() + ": not a BMP file (bad magic)");

  // Refused from its size alone; the sparse file is never read.
  const std::filesystem::path huge = dir.Write("huge.bmp", {'B', 'M'});
  std::filesystem::resize_file(huge, (64u << 20) + 1);
  EXPECT_EQ(ReadMaskFile(huge).error,
            huge.string() + ": file too large for a mask (67108865 bytes, at most 67108864)");
}

TEST(ReadMaskFileTest, UnreadableFileIsNotReportedAsMissing) {
  const test::ScratchDir dir;
  const std::filesystem::path locked = dir.Write("mask.bmp", test::WriteBmp({{1}}));
  std::filesystem::permissions(locked, std::filesystem::perms::none);
  if (std::FILE* probe = std::fopen(locked.c_str(), "rb")) {
    std::fclose(probe);
    GTEST_SKIP() << "permissions do not apply to this user";
  }
  EXPECT_EQ(ReadMaskFile(locked).error, locked.string() + ": cannot open file: Permission denied");
}

}  // namespace
}  // namespace qv

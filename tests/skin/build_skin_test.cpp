#include "skin/build_skin.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "skin/decode_mask.h"
#include "tests/support/bmp_fixture.h"
#include "tests/support/scratch_dir.h"

namespace qv {
namespace {

void ExpectSamePlane(const MaskPlane& actual, const MaskPlane& expected) {
  EXPECT_EQ(actual.width, expected.width);
  EXPECT_EQ(actual.height, expected.height);
  EXPECT_EQ(actual.stride, expected.stride);
  EXPECT_EQ(actual.bits, expected.bits);
}

TEST(BuildSkinTest, DecodesTheFileAndMakesTheFiveStencils) {
  const test::ScratchDir dir;
  const test::CodeRows codes = {{0, 15, 15, 11, 0}, {1, 9, 12, 10, 14}, {0, 0, 13, 0, 0}};
  const std::filesystem::path file = dir.Write("mask.bmp", test::WriteBmp(codes));

  const BuildSkinResult built = BuildSkin(file);
  ASSERT_TRUE(built.skin) << built.error;
  const test::StoredRows stored = test::PackStoredRows(codes);
  const DecodedMask expected =
      DecodeMask(stored.width, stored.height, stored.rowBytes, stored.bytes);
  const Skin& skin = *built.skin;
  EXPECT_EQ(skin.outline, (Outline{{2, 2, 3, 3}, {0, 1, 5, 2}, {1, 0, 4, 1}}));
  EXPECT_EQ(skin.masks.width, 5);
  EXPECT_EQ(skin.masks.height, 3);
  ExpectSamePlane(skin.masks.dragHandle, expected.masks.dragHandle);
  ExpectSamePlane(skin.masks.closeButton, expected.masks.closeButton);
  ExpectSamePlane(skin.bitmaps.shape, expected.masks.shape);
  ExpectSamePlane(skin.bitmaps.firstViewportCut, expected.masks.firstViewportCut);
  ExpectSamePlane(skin.bitmaps.secondViewportCut, expected.masks.secondViewportCut);
  ExpectSamePlane(skin.bitmaps.firstTrackButton, expected.masks.firstTrackButton);
  ExpectSamePlane(skin.bitmaps.secondTrackButton, expected.masks.secondTrackButton);
}

TEST(BuildSkinTest, AFileThatCannotBeReadGivesNoSkinAndTheReason) {
  const test::ScratchDir dir;
  const std::filesystem::path missing = dir.path() / "mask.bmp";
  const BuildSkinResult built = BuildSkin(missing);
  EXPECT_FALSE(built.skin);
  EXPECT_EQ(built.error, missing.string() + ": file not found");
}

}  // namespace
}  // namespace qv

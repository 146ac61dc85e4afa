#include "skin/mask_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/bmp_fixture.h"

namespace qv {
namespace {

using test::BmpOptions;
using test::CodeRows;
using test::PutU16;
using test::PutU32;
using test::WriteBmp;

// Odd width, every code, and rows that differ so a flipped row order shows.
const CodeRows kCodes = {{0, 1, 2, 3, 4}, {5, 6, 7, 8, 9}, {10, 11, 12, 13, 14}, {15, 0, 9, 12, 0}};
// One-bit files can only hold codes 0 and 1; eleven pixels cross a byte boundary.
const CodeRows kBinaryCodes = {{0, 1, 1, 0, 1, 0, 0, 1, 1, 1, 0},
                               {1, 0, 0, 0, 0, 1, 1, 0, 0, 0, 1}};

MaskBitmap ParseOrFail(const std::vector<uint8_t>& file) {
  MaskFileResult result = ParseMaskFile(file);
  EXPECT_TRUE(result.mask) << result.error;
  return result.mask ? *result.mask : MaskBitmap{};
}

TEST(ParseMaskFileTest, ReadsTheCanonicalFileAsStored) {
  const MaskBitmap mask = ParseOrFail(WriteBmp(kCodes));
  EXPECT_EQ(mask.width, 5);
  EXPECT_EQ(mask.height, 4);
  EXPECT_EQ(mask.rowBytes, 4);
  const std::vector<uint8_t> bottomUp = {
      0xF0, 0x9C, 0x00, 0, 0xAB, 0xCD, 0xE0, 0, 0x56, 0x78, 0x90, 0, 0x01, 0x23, 0x40, 0,
  };
  EXPECT_EQ(mask.bits, bottomUp);
}

TEST(ParseMaskFileTest, OtherLayoutsGiveTheSameCodesAsTheCanonicalFile) {
  const struct {
    std::string name;
    const CodeRows* codes;
    BmpOptions options;
  } cases[] = {
      {"4-bit top-down", &kCodes, {.topDown = true}},
      {"4-bit, V4 header", &kCodes, {.infoHeaderSize = 108}},
      {"4-bit, V5 header, top-down", &kCodes, {.topDown = true, .infoHeaderSize = 124}},
      {"4-bit, non-zero padding nibble", &kCodes, {.paddingNibble = 9}},
      {"8-bit", &kCodes, {.bitsPerPixel = 8}},
      {"8-bit top-down", &kCodes, {.bitsPerPixel = 8, .topDown = true}},
      {"1-bit", &kBinaryCodes, {.bitsPerPixel = 1}},
      {"1-bit top-down", &kBinaryCodes, {.bitsPerPixel = 1, .topDown = true}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const MaskBitmap canonical = ParseOrFail(WriteBmp(*c.codes));
    const MaskBitmap converted = ParseOrFail(WriteBmp(*c.codes, c.options));
    EXPECT_EQ(converted.width, canonical.width);
    EXPECT_EQ(converted.height, canonical.height);
    EXPECT_EQ(converted.rowBytes, canonical.rowBytes);
    EXPECT_EQ(converted.bits, canonical.bits);
  }
}

TEST(ParseMaskFileTest, RefusesMalformedFilesWithAReason) {
  using Edit = std::function<void(std::vector<uint8_t>&)>;
  const auto setU32 = [](size_t at, uint32_t value) {
    return Edit([=](std::vector<uint8_t>& f) { PutU32(f, at, value); });
  };
  const auto setU16 = [](size_t at, uint16_t value) {
    return Edit([=](std::vector<uint8_t>& f) { PutU16(f, at, value); });
  };
  const auto truncate = [](size_t size) {
    return Edit([=](std::vector<uint8_t>& f) { f.resize(size); });
  };
  const auto setSize = [](int32_t width, int32_t height) {
    return Edit([=](std::vector<uint8_t>& f) {
      PutU32(f, test::kWidthField, static_cast<uint32_t>(width));
      PutU32(f, test::kHeightField, static_cast<uint32_t>(height));
    });
  };
  const struct {
    std::string name;
    Edit edit;
    std::string reason;
  } cases[] = {
      {"empty", truncate(0), "too short for a BMP file (0 bytes)"},
      {"file header only", truncate(14), "too short for a BMP file"},
      {"wrong magic", [](auto& f) { f[0] = 'P', f[1] = 'K'; }, "not a BMP file (bad magic)"},
      {"truncated info header", truncate(30), "truncated BMP header (30 bytes, headers need 54)"},
      {"core header", setU32(test::kInfoHeaderSizeField, 12), "unsupported BMP header size 12"},
      {"unknown header", setU32(test::kInfoHeaderSizeField, 64), "unsupported BMP header size 64"},
      {"two planes", setU16(test::kPlanesField, 2), "invalid plane count 2"},
      {"RLE4", setU32(test::kCompressionField, 2), "compressed pixel data (RLE4"},
      {"RLE8", setU32(test::kCompressionField, 1), "compressed pixel data (RLE8"},
      {"bitfields", setU32(test::kCompressionField, 3), "compressed pixel data (bitfields"},
      {"24-bit", setU16(test::kBitsPerPixelField, 24), "24 bits per pixel is not supported"},
      {"32-bit", setU16(test::kBitsPerPixelField, 32), "32 bits per pixel is not supported"},
      {"16-bit", setU16(test::kBitsPerPixelField, 16), "16 bits per pixel is not supported"},
      {"2-bit", setU16(test::kBitsPerPixelField, 2), "2 bits per pixel is not supported"},
      {"zero width", setSize(0, 4), "invalid size 0 x 4"},
      {"zero height", setSize(5, 0), "invalid size 5 x 0"},
      {"negative width", setSize(-5, 4), "invalid size -5 x 4"},
      {"too wide", setSize(16385, 4), "size 16385 x 4 is too large"},
      {"too tall top-down", setSize(5, -16385), "size 5 x 16385 is too large"},
      {"most negative height", setSize(5, INT32_MIN), "size 5 x 2147483648 is too large"},
      {"product overflowing 32 bits", setSize(46341, 46341), "is too large"},
      {"largest size, data missing", setSize(16384, 16384),
       "truncated pixel data (134217728 bytes"},
      {"last byte missing", [](auto& f) { f.pop_back(); }, "truncated pixel data (16 bytes"},
      {"offset past the end", setU32(test::kDataOffsetField, 0xFFFFFFFF),
       "pixel data offset 4294967295 is past the end"},
      {"offset inside the headers", setU32(test::kDataOffsetField, 20),
       "pixel data offset 20 lies inside the headers"},
  };
  const std::vector<uint8_t> canonical = WriteBmp(kCodes);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<uint8_t> file = canonical;
    c.edit(file);
    file.shrink_to_fit();  // exactly sized, so an overread is caught
    const MaskFileResult result = ParseMaskFile(file);
    EXPECT_FALSE(result.mask);
    EXPECT_NE(result.error.find(c.reason), std::string::npos) << result.error;
    EXPECT_EQ(result.error.find('\n'), std::string::npos);
  }
}

TEST(ParseMaskFileTest, RefusesAnEightBitIndexThatIsNoCode) {
  CodeRows codes = kCodes;
  codes[1][3] = 200;
  const MaskFileResult result = ParseMaskFile(WriteBmp(codes, {.bitsPerPixel = 8}));
  EXPECT_FALSE(result.mask);
  EXPECT_EQ(result.error, "palette index 200 at pixel (3, 1) is not a mask code (0 to 15)");
}

// Every cut of a valid file is refused, and none is read past its end (ASan watches).
TEST(ParseMaskFileTest, EveryTruncationIsRefusedWithoutOverreading) {
  const std::vector<uint8_t> files[] = {
      WriteBmp(kCodes, {.infoHeaderSize = 124}),
      WriteBmp(kCodes, {.bitsPerPixel = 8, .topDown = true}),
      WriteBmp(kBinaryCodes, {.bitsPerPixel = 1}),
  };
  for (const std::vector<uint8_t>& file : files) {
    for (size_t size = 0; size < file.size(); ++size) {
      const std::vector<uint8_t> cut(file.begin(), file.begin() + static_cast<ptrdiff_t>(size));
      EXPECT_FALSE(ParseMaskFile(cut).mask) << "cut at " << size << " of " << file.size();
    }
  }
}

}  // namespace
}  // namespace qv

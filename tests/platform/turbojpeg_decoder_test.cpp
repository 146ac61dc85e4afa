#include "platform/turbojpeg/turbojpeg_decoder.h"

#include <gtest/gtest.h>
#include <turbojpeg.h>

#include <cstdlib>
#include <fstream>
#include <vector>

#include "tests/support/scratch_dir.h"

namespace qv {
namespace {

// A JPEG of a few flat blocks of colour, which survive compression within a level or two.
std::vector<uint8_t> EncodeBlocks(int width, int height) {
  std::vector<uint8_t> rgb(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      uint8_t* p =
          &rgb[(static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3];
      const bool left = x < width / 2;
      p[0] = left ? 200 : 20;
      p[1] = y < height / 2 ? 40 : 160;
      p[2] = 90;
    }
  }
  tjhandle compressor = tjInitCompress();
  unsigned char* jpeg = nullptr;
  unsigned long size = 0;
  const int result = tjCompress2(compressor, rgb.data(), width, 0, height, TJPF_RGB, &jpeg, &size,
                                 TJSAMP_444, 100, 0);
  std::vector<uint8_t> bytes;
  if (result == 0) bytes.assign(jpeg, jpeg + size);
  tjFree(jpeg);
  tjDestroy(compressor);
  return bytes;
}

TEST(TurboJpegDecoder, DecodesToZeroPaddedXrgbAtTheFilesSize) {
  test::ScratchDir dir;
  const std::vector<uint8_t> jpeg = EncodeBlocks(32, 16);
  ASSERT_FALSE(jpeg.empty());
  const auto file = dir.Write("blocks.jpg", jpeg);

  auto decoder = MakeTurboJpegDecoder();
  ASSERT_NE(decoder, nullptr);
  ColorBitmap picture;
  ASSERT_TRUE(decoder->Decode(file, picture));
  ASSERT_EQ(picture.width, 32);
  ASSERT_EQ(picture.height, 16);
  const auto near = [](uint32_t pixel, int r, int g, int b) {
    return (pixel >> 24) == 0 && std::abs(int((pixel >> 16) & 0xFF) - r) <= 2 &&
           std::abs(int((pixel >> 8) & 0xFF) - g) <= 2 && std::abs(int(pixel & 0xFF) - b) <= 2;
  };
  EXPECT_TRUE(near(picture.At(3, 3), 200, 40, 90)) << std::hex << picture.At(3, 3);
  EXPECT_TRUE(near(picture.At(28, 12), 20, 160, 90)) << std::hex << picture.At(28, 12);
}

TEST(TurboJpegDecoder, RefusesWhatIsNotAWholeJpeg) {
  test::ScratchDir dir;
  std::vector<uint8_t> jpeg = EncodeBlocks(64, 64);
  const std::vector<uint8_t> cut(jpeg.begin(), jpeg.begin() + static_cast<long>(jpeg.size() / 2));
  const std::vector<uint8_t> text{'n', 'o', 't', ' ', 'j', 'p', 'e', 'g'};

  auto decoder = MakeTurboJpegDecoder();
  ColorBitmap picture;
  EXPECT_FALSE(decoder->Decode(dir.path() / "missing.jpg", picture));
  EXPECT_FALSE(decoder->Decode(dir.Write("cut.jpg", cut), picture));
  EXPECT_FALSE(decoder->Decode(dir.Write("text.jpg", text), picture));
  EXPECT_FALSE(decoder->Decode(dir.Write("empty.jpg", {}), picture));
  EXPECT_FALSE(decoder->Decode(dir.path(), picture));  // a folder
  // The decoder stays usable after failures.
  EXPECT_TRUE(decoder->Decode(dir.Write("whole.jpg", jpeg), picture));
}

}  // namespace
}  // namespace qv

#include <gtest/gtest.h>

#include "tests/support/fake_decoder.h"
#include "visuals/image_holder.h"
#include "visuals/pictures.h"

namespace qv {
namespace {

using test::FakePictures;
using test::PatternBitmap;

TEST(ImageHolder, KeepsItsStatesAndStatusCodes) {
  FakePictures files;
  files.byPath["good.jpg"] = PatternBitmap(4, 3, 7);

  ImageHolder started(files.Factory());
  EXPECT_TRUE(started.HasDecoder());
  ColorBitmap untouched(4, 3);
  EXPECT_EQ(started.Draw(untouched, DrawRect{0, 0, 4, 3}), E_UNEXPECTED);

  ImageHolder loaded(files.Factory());
  EXPECT_EQ(loaded.Load("good.jpg"), S_OK);
  EXPECT_TRUE(loaded.HasImage());
  EXPECT_TRUE(loaded.HasDecoder());
  ColorBitmap target(4, 3);
  EXPECT_EQ(loaded.Draw(target, DrawRect{0, 0, 4, 3}), S_OK);
  EXPECT_EQ(target.pixels, files.byPath["good.jpg"].pixels);
  EXPECT_EQ(loaded.Draw(target, DrawRect{0, 0, -1, 3}), E_FAIL);

  // A failed load gives up the picture and the decoder; drawing then touches nothing.
  ImageHolder failed(files.Factory());
  EXPECT_EQ(failed.Load("missing.jpg"), E_FAIL);
  EXPECT_FALSE(failed.HasImage());
  EXPECT_FALSE(failed.HasDecoder());
  EXPECT_EQ(failed.Draw(untouched, DrawRect{0, 0, 4, 3}), E_UNEXPECTED);
  EXPECT_EQ(untouched.pixels, ColorBitmap(4, 3).pixels);

  ImageHolder noDecoder(ImageDecoderFactory{});
  EXPECT_EQ(noDecoder.Load("good.jpg"), E_FAIL);
}

TEST(PreparePictures, MakesFourBitmapsAtTheirSizesAndBlackWherePicturesAreMissing) {
  std::vector<std::string> log;
  FakePictures files;
  files.log = &log;
  files.byPath["data/duskvale.jpg"] = PatternBitmap(596, 356, 1);  // stretched to 1192 x 712
  files.byPath["data/greets.jpg"] = PatternBitmap(1357, 765, 2);
  files.byPath["data/player_on.jpg"] = PatternBitmap(500, 310, 3);
  // player_off.jpg is missing.

  PictureHolders holders(files.Factory());
  const Pictures pictures = PreparePictures(holders, 520, 300);

  EXPECT_EQ(log,
            (std::vector<std::string>{"decoder", "decoder", "decoder", "decoder",
                                      "decode data/duskvale.jpg", "decode data/greets.jpg",
                                      "decode data/player_on.jpg", "decode data/player_off.jpg"}));
  EXPECT_EQ(pictures.firstPicture.width, 1192);
  EXPECT_EQ(pictures.firstPicture.height, 712);
  EXPECT_EQ(pictures.secondPicture.pixels, files.byPath["data/greets.jpg"].pixels);

  // The skins take the mask's size but are drawn at 500 × 310: cut off below, black beyond.
  const ColorBitmap& on = pictures.skinOn;
  ASSERT_EQ(on.width, 520);
  ASSERT_EQ(on.height, 300);
  EXPECT_EQ(on.At(499, 299), files.byPath["data/player_on.jpg"].At(499, 299));
  EXPECT_EQ(on.At(500, 0), 0u);
  EXPECT_EQ(on.At(519, 299), 0u);

  EXPECT_FALSE(holders.skinOffHolder.HasDecoder());
  EXPECT_TRUE(holders.skinOnHolder.HasDecoder());
  EXPECT_EQ(pictures.skinOff.width, 520);
  EXPECT_EQ(pictures.skinOff.pixels, ColorBitmap(520, 300).pixels);
}

}  // namespace
}  // namespace qv

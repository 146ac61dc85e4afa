#include "visuals/pictures.h"

namespace qv {

namespace {

ColorBitmap Render(const ImageHolder& holder, int width, int height, const PictureFile& file) {
  ColorBitmap bitmap(width, height);
  holder.Draw(bitmap, DrawRect{0, 0, file.width, file.height});  // a missing picture leaves black
  return bitmap;
}

}  // namespace

Pictures PreparePictures(PictureHolders& holders, int maskWidth, int maskHeight) {
  // Every load is tried, whatever the others gave.
  holders.firstPictureHolder.Load(kFirstPictureFile.path);
  holders.secondPictureHolder.Load(kSecondPictureFile.path);
  holders.skinOnHolder.Load(kSkinOnFile.path);
  holders.skinOffHolder.Load(kSkinOffFile.path);

  Pictures pictures;
  pictures.firstPicture = Render(holders.firstPictureHolder, kFirstPictureFile.width,
                                 kFirstPictureFile.height, kFirstPictureFile);
  pictures.secondPicture = Render(holders.secondPictureHolder, kSecondPictureFile.width,
                                  kSecondPictureFile.height, kSecondPictureFile);
  // The skins are drawn at their own size from the top-left corner, whatever the mask's size.
  pictures.skinOn = Render(holders.skinOnHolder, maskWidth, maskHeight, kSkinOnFile);
  pictures.skinOff = Render(holders.skinOffHolder, maskWidth, maskHeight, kSkinOffFile);
  return pictures;
}

}  // namespace qv

#pragma once

#include "platform/bitmap.h"
#include "platform/image_decoder.h"
#include "visuals/image_holder.h"

namespace qv {

struct PictureFile {
  const char* path;
  int width;  // the size the picture is drawn at
  int height;
};

inline constexpr PictureFile kFirstPictureFile{"data/duskvale.jpg", 1192, 712};
inline constexpr PictureFile kSecondPictureFile{"data/greets.jpg", 1357, 765};
inline constexpr PictureFile kSkinOnFile{"data/player_on.jpg", 500, 310};
inline constexpr PictureFile kSkinOffFile{"data/player_off.jpg", 500, 310};

// The four holders, made in this order on the window procedure's first call.
struct PictureHolders {
  ImageHolder firstPictureHolder;
  ImageHolder secondPictureHolder;
  ImageHolder skinOnHolder;
  ImageHolder skinOffHolder;

  explicit PictureHolders(const ImageDecoderFactory& makeDecoder)
      : firstPictureHolder(makeDecoder),
        secondPictureHolder(makeDecoder),
        skinOnHolder(makeDecoder),
        skinOffHolder(makeDecoder) {}
};

// The pictures at the sizes frames use them; made once, then only read.
struct Pictures {
  ColorBitmap firstPicture;
  ColorBitmap secondPicture;
  ColorBitmap skinOn;   // the mask's size
  ColorBitmap skinOff;  // the mask's size
};

// Decodes the four files and renders each into a new bitmap at its size. A picture that
// cannot be loaded leaves its bitmap black; the others are unaffected.
Pictures PreparePictures(PictureHolders& holders, int maskWidth, int maskHeight);

}  // namespace qv

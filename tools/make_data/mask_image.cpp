#include "tools/make_data/mask_image.h"

#include "tools/make_data/bmp_writer.h"
#include "tools/make_data/mask_codes.h"

namespace qv::make_data {

std::vector<uint8_t> EncodeMaskImage(const PlayerLayout& layout) {
  constexpr Palette16 kPalette = {
      0x000000,  // 0 outside
      0x5A5F69,  // 1 shell
      0xA8AEB8,  // 2 bezels
      0x30343B,  // 3 button wells
      0x8C9099,  // 4 close pod
      0x747A84,  // 5 handle mount
      0xC7CBD1,  // 6 grommet
      0x404040,  // 7 unused body code
      0x606060,  // 8 unused body code
      0x7A4A10,  // 9 first viewport
      0xFFB030,  // 10 first track button
      0xE0382A,  // 11 close button
      0x1C3A78,  // 12 second viewport
      0x808080,  // 13 unused body code
      0x3F7CFF,  // 14 second track button
      0x3CCB6E,  // 15 drag handle
  };
  return EncodeBmp4(kSkinWidth, kSkinHeight, DrawMaskCodes(layout), kPalette);
}

}  // namespace qv::make_data

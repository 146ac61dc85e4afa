#include "skin/build_skin.h"

#include <utility>

#include "skin/decode_mask.h"
#include "skin/mask_file.h"

namespace qv {

BuildSkinResult BuildSkin(const std::filesystem::path& maskPath) {
  MaskFileResult read = ReadMaskFile(maskPath);
  if (!read.mask) return {std::nullopt, std::move(read.error)};
  const MaskBitmap& mask = *read.mask;

  DecodedMask decoded = DecodeMask(mask.width, mask.height, mask.rowBytes, mask.bits);
  Skin skin;
  skin.outline = std::move(decoded.outline);
  skin.masks = std::move(decoded.masks);
  const SkinMasks& masks = skin.masks;
  skin.bitmaps = {masks.shape, masks.firstViewportCut, masks.secondViewportCut,
                  masks.firstTrackButton, masks.secondTrackButton};
  return {std::move(skin), {}};
}

}  // namespace qv

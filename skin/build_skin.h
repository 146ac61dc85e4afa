#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "skin/outline.h"
#include "skin/skin_masks.h"

namespace qv {

inline constexpr const char* kMaskPath = "data/mask.bmp";

// Everything the mask decides, built once before the window exists and kept for the run.
struct Skin {
  Outline outline;  // empty: no outline, a full rectangle
  SkinMasks masks;
  SkinBitmaps bitmaps;
};

struct BuildSkinResult {
  std::optional<Skin> skin;
  std::string error;  // one line naming the file and the reason, when `skin` is empty
};

BuildSkinResult BuildSkin(const std::filesystem::path& maskPath = kMaskPath);

}  // namespace qv

#include "resources/icon.h"

#include <array>

namespace qv {

namespace {

constexpr std::array<uint32_t, kIconSize * kIconSize> kIconPixels{
#include "resources/icon_129_pixels.inc"
};

}  // namespace

std::span<const uint32_t> ProgramIconPixels() {
  return kIconPixels;
}

}  // namespace qv

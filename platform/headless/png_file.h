#pragma once

#include <filesystem>

#include "platform/bitmap.h"

namespace qv {

// Writes a colour bitmap as an 8-bit RGB PNG file; false when the file cannot be written.
bool WritePng(const std::filesystem::path& file, const ColorBitmap& bitmap);

}  // namespace qv

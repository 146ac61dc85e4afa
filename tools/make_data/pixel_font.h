#pragma once

#include <string_view>
#include <vector>

namespace qv::make_data {

// Text set in a 5 × 7 pixel face, each face pixel drawn as a scale × scale block, one face pixel of
// space between letters.
struct TextMask {
  int width = 0;
  int height = 0;
  std::vector<bool> cells;  // rows top-down
  bool at(int x, int y) const {
    return x >= 0 && y >= 0 && x < width && y < height &&
           cells[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
  }
};

// Throws for a character the face does not have.
TextMask SetText(std::string_view text, int scale);

}  // namespace qv::make_data

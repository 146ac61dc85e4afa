#include "tools/make_data/pixel_font.h"

#include <array>
#include <stdexcept>
#include <string>

namespace qv::make_data {
namespace {

constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 7;

struct Glyph {
  char character;
  std::array<const char*, kGlyphHeight> rows;
};

// Only what the pictures spell; add letters here as labels need them.
constexpr std::array kGlyphs = {
    Glyph{'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    Glyph{'B', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
    Glyph{'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
    Glyph{'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    Glyph{'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    Glyph{'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
    Glyph{'G', {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".###."}},
    Glyph{'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    Glyph{'I', {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    Glyph{'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    Glyph{'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    Glyph{'N', {"#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"}},
    Glyph{'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    Glyph{'Q', {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}},
    Glyph{'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    Glyph{'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    Glyph{'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    Glyph{'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    Glyph{'V', {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
    Glyph{'>', {"#....", "##...", "###..", "####.", "###..", "##...", "#...."}},
    Glyph{'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    Glyph{'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    Glyph{' ', {".....", ".....", ".....", ".....", ".....", ".....", "....."}},
};

const Glyph& FindGlyph(char c) {
  for (const Glyph& glyph : kGlyphs) {
    if (glyph.character == c) return glyph;
  }
  throw std::invalid_argument(std::string("the pixel face has no '") + c + "'");
}

}  // namespace

TextMask SetText(std::string_view text, int scale) {
  TextMask mask;
  if (text.empty()) return mask;
  const int advance = (kGlyphWidth + 1) * scale;
  mask.width = static_cast<int>(text.size()) * advance - scale;
  mask.height = kGlyphHeight * scale;
  mask.cells.assign(static_cast<size_t>(mask.width) * static_cast<size_t>(mask.height), false);
  for (size_t i = 0; i < text.size(); ++i) {
    const Glyph& glyph = FindGlyph(text[i]);
    for (int y = 0; y < mask.height; ++y) {
      for (int x = 0; x < kGlyphWidth * scale; ++x) {
        if (glyph.rows[static_cast<size_t>(y / scale)][x / scale] != '#') continue;
        const int column = static_cast<int>(i) * advance + x;
        mask.cells[static_cast<size_t>(y) * static_cast<size_t>(mask.width) +
                   static_cast<size_t>(column)] = true;
      }
    }
  }
  return mask;
}

}  // namespace qv::make_data

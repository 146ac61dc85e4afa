// Draws the player's mask, its two skin looks and its icon from one description of shapes,
// and the two tracks' pictures.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "tools/make_data/duskvale_painter.h"
#include "tools/make_data/file_output.h"
#include "tools/make_data/greets_painter.h"
#include "tools/make_data/icon.h"
#include "tools/make_data/jpeg_writer.h"
#include "tools/make_data/layout.h"
#include "tools/make_data/mask_image.h"
#include "tools/make_data/skin_painter.h"

namespace {

using qv::make_data::PlayerLayout;

struct Product {
  std::filesystem::path path;
  std::function<std::vector<uint8_t>()> make;
};

std::vector<uint8_t> EncodePicture(const qv::make_data::Canvas& picture) {
  return qv::make_data::EncodeJpeg(picture.width(), picture.height(), picture.ToRgb8());
}

std::vector<uint8_t> EncodeSkin(const PlayerLayout& layout, qv::make_data::Look look) {
  const qv::make_data::Canvas skin = qv::make_data::PaintSkin(layout, look);
  return qv::make_data::EncodeJpeg(skin.width(), skin.height(), skin.ToRgb8());
}

// Every file the tool makes; a new data file is one more row here.
std::vector<Product> Products(const std::filesystem::path& dataDir,
                              const std::filesystem::path& resourcesDir,
                              const PlayerLayout& layout) {
  using qv::make_data::Look;
  return {
      {dataDir / "mask.bmp", [&layout] { return qv::make_data::EncodeMaskImage(layout); }},
      {dataDir / "player_off.jpg", [&layout] { return EncodeSkin(layout, Look::kOff); }},
      {dataDir / "player_on.jpg", [&layout] { return EncodeSkin(layout, Look::kOn); }},
      {dataDir / "duskvale.jpg", [] { return EncodePicture(qv::make_data::PaintDuskvale()); }},
      {dataDir / "greets.jpg", [] { return EncodePicture(qv::make_data::PaintGreets()); }},
      {resourcesDir / "icon_129_pixels.inc",
       [&layout] { return qv::make_data::EncodeIconInclude(layout); }},
  };
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_data <data-dir> <resources-dir>\n");
    return 2;
  }
  try {
    const PlayerLayout layout = qv::make_data::MakePlayerLayout();
    for (const Product& product : Products(argv[1], argv[2], layout)) {
      const std::vector<uint8_t> bytes = product.make();
      qv::make_data::WriteFileBytes(product.path, bytes);
      std::printf("wrote %s (%zu bytes)\n", product.path.string().c_str(), bytes.size());
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "make_data: %s\n", error.what());
    return 1;
  }
  return 0;
}

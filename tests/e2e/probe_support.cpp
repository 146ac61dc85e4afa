#include "tests/e2e/probe_support.h"

#include <cstdio>
#include <iostream>

#include "platform/turbojpeg/turbojpeg_decoder.h"
#include "tests/e2e/x_connection.h"

namespace qv::probe {

Window ParseWindow(const std::string& text) {
  return std::stoul(text, nullptr, 0);
}

std::optional<Skin> LoadSkin(const std::string& maskPath) {
  BuildSkinResult built = BuildSkin(maskPath);
  if (!built.skin) std::cerr << "window_probe: " << built.error << '\n';
  return std::move(built.skin);
}

std::optional<ColorBitmap> LoadPicture(const std::string& path) {
  ColorBitmap picture;
  const auto decoder = MakeTurboJpegDecoder();
  if (!decoder || !decoder->Decode(path, picture)) {
    std::cerr << "window_probe: cannot decode " << path << '\n';
    return std::nullopt;
  }
  return picture;
}

std::optional<ColorBitmap> CaptureWindow(Display* display, Window window, int width, int height) {
  const Window root = DefaultRootWindow(display);
  int left = 0;
  int top = 0;
  Window child = 0;
  XTranslateCoordinates(display, window, root, 0, 0, &left, &top, &child);
  const ImagePtr screen(XGetImage(display, root, left, top, static_cast<unsigned>(width),
                                  static_cast<unsigned>(height), AllPlanes, ZPixmap));
  if (!screen) {
    std::cerr << "window_probe: cannot read the screen\n";
    return std::nullopt;
  }
  ColorBitmap shot(width, height);
  for (int y = 0; y < height; ++y) {
    uint32_t* row = shot.Row(y);
    for (int x = 0; x < width; ++x)
      row[x] = static_cast<uint32_t>(XGetPixel(screen.get(), x, y)) & 0xFFFFFFu;
  }
  return shot;
}

std::string Hex(uint32_t rgb) {
  char text[8];
  std::snprintf(text, sizeof text, "%06x", rgb & 0xFFFFFFu);
  return text;
}

}  // namespace qv::probe

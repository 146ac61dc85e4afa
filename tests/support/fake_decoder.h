#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/image_decoder.h"

namespace qv::test {

// Pictures served from memory by path, for tests that must not depend on files or codecs.
// Every decoder made and every decode is written to the log: "decoder", "decode <path>".
struct FakePictures {
  std::map<std::string, ColorBitmap> byPath;
  std::vector<std::string>* log = nullptr;

  ImageDecoderFactory Factory() {
    return [this]() -> std::unique_ptr<ImageDecoder> {
      if (log) log->push_back("decoder");
      return std::make_unique<Decoder>(*this);
    };
  }

 private:
  class Decoder final : public ImageDecoder {
   public:
    explicit Decoder(FakePictures& pictures) : pictures_(pictures) {}
    bool Decode(const std::filesystem::path& file, ColorBitmap& picture) override {
      if (pictures_.log) pictures_.log->push_back("decode " + file.generic_string());
      auto it = pictures_.byPath.find(file.generic_string());
      if (it == pictures_.byPath.end()) return false;
      picture = it->second;
      return true;
    }

   private:
    FakePictures& pictures_;
  };
};

// A bitmap whose every pixel differs from its neighbours, so a misplaced copy shows.
inline ColorBitmap PatternBitmap(int width, int height, uint32_t seed) {
  ColorBitmap bitmap(width, height);
  uint32_t state = seed * 2654435761u + 1u;
  for (uint32_t& pixel : bitmap.pixels) {
    state = state * 1664525u + 1013904223u;
    pixel = state >> 8;
  }
  return bitmap;
}

}  // namespace qv::test

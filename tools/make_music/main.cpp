// Composes the player's two modules and writes them into the data folder.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <vector>

#include "tools/make_music/amber_drift.h"
#include "tools/make_music/cobalt_orbit.h"
#include "tools/make_music/it_writer.h"

namespace {

void WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_music <data-dir>\n");
    return 2;
  }
  try {
    const std::filesystem::path dataDir = argv[1];
    struct Product {
      const char* file;
      std::function<qv::make_music::Module()> compose;
    };
    const std::vector<Product> products = {
        {"tov_amber_drift.it", qv::make_music::AmberDrift},
        {"tov_cobalt_orbit.it", qv::make_music::CobaltOrbit},
    };
    for (const Product& product : products) {
      WriteFile(dataDir / product.file, qv::make_music::WriteItModule(product.compose()));
      std::printf("wrote %s\n", (dataDir / product.file).string().c_str());
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_music: %s\n", e.what());
    return 1;
  }
  return 0;
}

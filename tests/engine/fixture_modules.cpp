#include "tests/engine/fixture_modules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>
#include <random>

#include "tools/make_music/it_writer.h"

namespace qv::test {
namespace {

// 100 frames a cycle at 44100 Hz: ten whole cycles loop without a seam.
make_music::Sample HeldSine() {
  make_music::Sample sine;
  sine.name = "sine";
  sine.c5Speed = 44100;
  for (int i = 0; i < 1000; ++i) {
    sine.pcm.push_back(
        static_cast<int16_t>(std::lround(16000 * std::sin(2 * std::numbers::pi * i / 100.0))));
  }
  sine.loop = make_music::SampleLoop{0, 1000, false};
  return sine;
}

}  // namespace

make_music::Module ToneModule(int orders, int rows, const std::vector<int>& extraNotes) {
  make_music::Module module;
  module.title = "engine fixture";
  module.channels.resize(1);
  module.samples = {HeldSine()};
  const make_music::Cell strike{make_music::kMiddleNote, 1, 64, make_music::kNoEffect, 0};
  for (int order = 0; order < orders; ++order) {
    make_music::Pattern pattern(rows, 1);
    pattern.at(0, 0) = strike;
    if (order == 0) {
      for (int row : extraNotes)
        pattern.at(row, 0) = strike;
    }
    module.patterns.push_back(pattern);
    module.orders.push_back(static_cast<uint8_t>(order));
  }
  return module;
}

std::string WriteModule(const ScratchDir& folder, const std::string& name,
                        const make_music::Module& module) {
  return folder.Write(name, make_music::WriteItModule(module)).string();
}

}  // namespace qv::test

#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/scratch_dir.h"
#include "tools/make_music/it_module.h"

namespace qv::test {

// At speed 6 and tempo 125 a tick lasts 20 ms and a row 120 ms: 5292 frames at 44100 Hz.
constexpr double kRowSeconds = 0.12;
constexpr uint64_t kFramesPerRow = 5292;

// One channel, `orders` patterns of `rows` rows each played once. A 441 Hz sine tone,
// looped so that once struck it sounds until something stops it, is struck on row 0 of
// every pattern and on each row listed in `extraNotes` (of the first pattern).
make_music::Module ToneModule(int orders, int rows, const std::vector<int>& extraNotes = {});

// Writes `module` into the scratch folder as `name`; returns the file's path.
std::string WriteModule(const ScratchDir& folder, const std::string& name,
                        const make_music::Module& module);

}  // namespace qv::test

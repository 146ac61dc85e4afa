#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <libopenmpt/libopenmpt.hpp>

#include <cmath>
#include <cstdint>
#include <functional>
#include <numbers>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/modules/module_probe.h"
#include "tools/make_music/it_writer.h"

namespace qv::make_music {
namespace {

using modules_test::ModuleProbe;

// 44000 frames a second make a 440 Hz cycle exactly 100 frames, so the loop is seamless.
Sample Sine440() {
  Sample sine;
  sine.name = "sine";
  sine.c5Speed = 44000;
  for (int i = 0; i < 4400; ++i) {
    sine.pcm.push_back(
        static_cast<int16_t>(std::lround(16000 * std::sin(2 * std::numbers::pi * i / 100.0))));
  }
  sine.loop = SampleLoop{0, 4400, false};
  return sine;
}

// An odd-length sample ahead of the sine: any slip in the data offsets lands inside the sine.
Sample Decoy() {
  Sample decoy;
  decoy.name = "decoy";
  for (int i = 0; i < 333; ++i)
    decoy.pcm.push_back(static_cast<int16_t>(i * 90 - 15000));
  return decoy;
}

Module Fixture(int channels, const std::vector<int>& patternRows,
               const std::vector<uint8_t>& orders) {
  Module module;
  module.title = "fixture";
  module.channels.resize(static_cast<size_t>(channels));
  module.samples = {Decoy(), Sine440()};
  for (int rows : patternRows) {
    Pattern pattern(rows, channels);
    pattern.at(0, channels - 1) = Cell{kMiddleNote, 2, 32, kNoEffect, 0};
    module.patterns.push_back(pattern);
  }
  module.orders = orders;
  return module;
}

struct Layout {
  int channels;
  std::vector<int> patternRows;
  std::vector<uint8_t> orders;
};

void PrintTo(const Layout& layout, std::ostream* os) {
  *os << layout.channels << " channels, " << layout.patternRows.size() << " patterns, "
      << layout.orders.size() << " orders";
}

class WriterLayoutTest : public testing::TestWithParam<Layout> {};

TEST_P(WriterLayoutTest, PlayerReportsTheOrdersPatternsRowsAndChannelsWritten) {
  const Layout& layout = GetParam();
  ModuleProbe probe(WriteItModule(Fixture(layout.channels, layout.patternRows, layout.orders)));
  openmpt::module& mod = probe.module();

  EXPECT_EQ(mod.get_num_channels(), layout.channels);
  EXPECT_EQ(mod.get_num_patterns(), static_cast<int>(layout.patternRows.size()));
  for (size_t p = 0; p < layout.patternRows.size(); ++p) {
    EXPECT_EQ(mod.get_pattern_num_rows(static_cast<int>(p)), layout.patternRows[p]);
  }
  ASSERT_EQ(mod.get_num_orders(), static_cast<int>(layout.orders.size()));
  int rowsPlayed = 0;
  for (size_t o = 0; o < layout.orders.size(); ++o) {
    EXPECT_EQ(mod.get_order_pattern(static_cast<int>(o)), layout.orders[o]);
    rowsPlayed += layout.patternRows[layout.orders[o]];
  }
  // Speed 6 at tempo 125: a row lasts 120 ms.
  EXPECT_NEAR(mod.get_duration_seconds(), rowsPlayed * 0.12, 0.005);
}

INSTANTIATE_TEST_SUITE_P(Layouts, WriterLayoutTest,
                         testing::Values(Layout{1, {64}, {0}}, Layout{4, {32, 128}, {1, 0, 1}},
                                         Layout{12, {64, 112, 200}, {2, 1, 0, 0, 2}},
                                         Layout{64, {1, 17}, {1, 0}}));

TEST(WriterHeaderTest, OrderCountIncludesTheEndMarkerAndPointersAreAbsolute) {
  const std::vector<uint8_t> bytes = WriteItModule(Fixture(4, {64, 32}, {1, 0, 1}));
  auto u16 = [&](size_t at) { return bytes.at(at) | (bytes.at(at + 1) << 8); };
  auto u32 = [&](size_t at) { return static_cast<uint32_t>(u16(at) | (u16(at + 2) << 16)); };

  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "IMPM");
  EXPECT_EQ(u16(0x20), 4);             // three orders and the end marker
  EXPECT_EQ(u16(0x22), 0);             // sample mode: no instruments
  EXPECT_EQ(u16(0x24), 2);             // samples
  EXPECT_EQ(u16(0x26), 2);             // patterns
  EXPECT_EQ(u16(0x28), 0x0214);        // made with
  EXPECT_EQ(u16(0x2A), 0x0214);        // compatible with
  EXPECT_EQ(u16(0x2C) & 0x05, 0x01);   // stereo, instruments off
  EXPECT_EQ(bytes.at(0xC0 + 3), 255);  // the order list ends with the marker
  const size_t sampleHeader = u32(0xC0 + 4);
  EXPECT_EQ(std::string(bytes.begin() + static_cast<long>(sampleHeader),
                        bytes.begin() + static_cast<long>(sampleHeader) + 4),
            "IMPS");
  const size_t secondData = u32(u32(0xC0 + 8) + 0x48);
  EXPECT_EQ(secondData, u32(sampleHeader + 0x48) + 2 * 333);
  EXPECT_EQ(bytes.size(), secondData + 2 * 4400);
  EXPECT_EQ(u16(u32(0xC0 + 12 + 4) + 2), 32);  // second pattern's row count
}

struct PitchCase {
  uint8_t note;
  double hertz;
};

void PrintTo(const PitchCase& pitch, std::ostream* os) {
  *os << "note " << int{pitch.note} << " at " << pitch.hertz << " Hz";
}

class WriterPitchTest : public testing::TestWithParam<PitchCase> {};

TEST_P(WriterPitchTest, SineSampleSoundsAtTheNotesPitchAndLevel) {
  Module module = Fixture(2, {64}, {0});
  module.patterns[0].at(0, 1).note = GetParam().note;
  ModuleProbe probe(WriteItModule(module));
  const modules_test::Stereo sound = probe.Render(2.0);

  EXPECT_NEAR(modules_test::ZeroCrossingFrequency(sound, 0.1), GetParam().hertz,
              GetParam().hertz * 0.002);
  // A clean sine peaks at sqrt(2) times its RMS; sample data read from a wrong offset does not,
  // and a broken loop would fade out.
  const modules_test::Stereo early = modules_test::Slice(sound, 0.1, 0.5);
  const modules_test::Stereo late = modules_test::Slice(sound, 1.4, 0.5);
  EXPECT_GT(modules_test::Decibels(modules_test::Rms(early)), -30.0);
  EXPECT_NEAR(modules_test::Peak(early) / modules_test::Rms(early), std::numbers::sqrt2, 0.05);
  EXPECT_NEAR(modules_test::Decibels(modules_test::Rms(late)),
              modules_test::Decibels(modules_test::Rms(early)), 0.5);
}

INSTANTIATE_TEST_SUITE_P(Notes, WriterPitchTest,
                         testing::Values(PitchCase{kMiddleNote, 440.0},
                                         PitchCase{kMiddleNote + 12, 880.0},
                                         PitchCase{kMiddleNote - 7, 293.665}));

TEST(WriterPitchTest, SilentVolumeColumnSilencesTheNote) {
  Module module = Fixture(2, {64}, {0});
  module.patterns[0].at(0, 1).volume = 0;
  ModuleProbe probe(WriteItModule(module));
  EXPECT_LT(modules_test::Peak(probe.Render(1.0)), 1e-4);
}

TEST(WriterValidationTest, RejectsModulesTheFormatCannotHold) {
  const std::vector<std::function<void(Module&)>> breakages = {
      [](Module& m) { m.channels.resize(65); },
      [](Module& m) { m.channels.clear(); },
      [](Module& m) { m.patterns[0].at(0, 1).sample = 3; },
      [](Module& m) { m.patterns[0].at(0, 1).note = 120; },
      [](Module& m) { m.orders.push_back(1); },
      [](Module& m) { m.orders.clear(); },
      [](Module& m) {
        m.samples[1].loop = SampleLoop{0, 4401, false};
      },
      [](Module& m) { m.title = std::string(26, 'x'); },
      [](Module& m) { m.patterns[0] = Pattern(201, 2); },
      [](Module& m) { m.patterns[0] = Pattern(64, 3); },
  };
  for (size_t i = 0; i < breakages.size(); ++i) {
    Module module = Fixture(2, {64}, {0});
    breakages[i](module);
    EXPECT_THROW(WriteItModule(module), std::invalid_argument) << "breakage " << i;
  }
}

}  // namespace
}  // namespace qv::make_music

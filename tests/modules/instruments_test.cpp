#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/modules/module_probe.h"
#include "tools/make_music/it_writer.h"
#include "tools/make_music/track_sounds.h"

namespace qv::make_music {
namespace {

constexpr int kA3 = 57;
constexpr double kA3Hertz = 220.0;

// The sample alone, one note from the start of a one-channel module.
std::vector<uint8_t> SoloNote(const Sample& sample, int note) {
  Module module;
  module.title = "solo";
  module.channels.resize(1);
  module.samples = {sample};
  Pattern pattern(64, 1);
  pattern.at(0, 0) = Cell{static_cast<uint8_t>(note), 1, 64, kNoEffect, 0};
  module.patterns = {pattern};
  module.orders = {0};
  return WriteItModule(module);
}

double OctaveFreeCents(double hertz, double reference) {
  const double cents = 1200.0 * std::log2(hertz / reference);
  return cents - 1200.0 * std::round(cents / 1200.0);
}

// Chords and bass lines only agree when every instrument plays A3 as an A. Stacked octaves and
// fifths may make the period an octave long, so the pitch is compared octave-free.
TEST(InstrumentPitchTest, EveryPitchedInstrumentPlaysItsNoteInTune) {
  struct Set {
    std::vector<Sample> samples;
    std::vector<int> pitched;
  };
  const std::vector<Set> sets = {
      {AmberSamples(), {amber::kBass, amber::kPad, amber::kLead, amber::kPluck, amber::kStab}},
      {CobaltSamples(),
       {cobalt::kBass, cobalt::kSub, cobalt::kPad, cobalt::kLead, cobalt::kBell, cobalt::kPower,
        cobalt::kPluck}},
  };
  for (const Set& set : sets) {
    for (int number : set.pitched) {
      const Sample& sample = set.samples.at(static_cast<size_t>(number - 1));
      modules_test::ModuleProbe probe(SoloNote(sample, kA3));
      // Held tones are judged once their attack has settled, one-shots while they ring.
      const double from = sample.loop ? 0.6 : 0.1;
      const modules_test::Stereo sound = modules_test::Slice(probe.Render(1.0), from, 0.3);
      const double hertz = modules_test::PeriodFrequency(sound, 50.0, 1000.0);
      EXPECT_NEAR(OctaveFreeCents(hertz, kA3Hertz), 0.0, 10.0) << sample.name << ": " << hertz;
    }
  }
}

// A held note repeats its loop for as long as it sounds: a jump at the seam would tick every
// time round.
TEST(InstrumentLoopTest, LoopsJoinWithoutAStep) {
  for (const std::vector<Sample>& set : {AmberSamples(), CobaltSamples()}) {
    for (const Sample& sample : set) {
      if (!sample.loop) continue;
      const SampleLoop& loop = *sample.loop;
      int largestStep = 0;
      for (uint32_t i = loop.begin + 1; i < loop.end; ++i) {
        largestStep = std::max(largestStep, std::abs(sample.pcm[i] - sample.pcm[i - 1]));
      }
      const int seam = std::abs(sample.pcm[loop.begin] - sample.pcm[loop.end - 1]);
      EXPECT_LE(seam, largestStep) << sample.name;
    }
  }
}

}  // namespace
}  // namespace qv::make_music

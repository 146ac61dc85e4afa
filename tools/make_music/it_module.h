#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A module in sample mode, described in memory; WriteItModule turns it into file bytes.
namespace qv::make_music {

// Note values of the note column: 0 is C-0, 60 is C-5 (the sample plays at its C5 speed).
inline constexpr uint8_t kMiddleNote = 60;
inline constexpr uint8_t kHighestNote = 119;
inline constexpr uint8_t kNoteCut = 254;
inline constexpr uint8_t kNoteOff = 255;

// Effect column letters as the file numbers them (A = 1 ... Z = 26).
enum Effect : uint8_t {
  kNoEffect = 0,
  kSetSpeed = 1,        // A
  kJumpToOrder = 2,     // B
  kBreakToRow = 3,      // C
  kVolumeSlide = 4,     // D
  kPortaDown = 5,       // E
  kPortaUp = 6,         // F
  kTonePorta = 7,       // G
  kVibrato = 8,         // H
  kChannelVolume = 13,  // M
  kSampleOffset = 15,   // O
  kRetrigger = 17,      // Q
  kSpecial = 19,        // S (SCx cuts, SDx delays)
  kSetTempo = 20,       // T
  kGlobalVolume = 22,   // V
  kSetPanning = 24,     // X
};

struct Cell {
  std::optional<uint8_t> note;    // 0..119, kNoteCut or kNoteOff
  uint8_t sample = 0;             // 1-based sample number; 0 leaves the channel's sample
  std::optional<uint8_t> volume;  // volume column: 0..64 sets the volume, 128..192 the panning
  uint8_t effect = kNoEffect;
  uint8_t param = 0;

  bool IsEmpty() const {
    return !note && sample == 0 && !volume && effect == kNoEffect && param == 0;
  }
};

struct Pattern {
  Pattern(int rowCount, int channelCount)
      : rows(rowCount),
        channels(channelCount),
        cells(static_cast<size_t>(rowCount) * static_cast<size_t>(channelCount)) {}

  Cell& at(int row, int channel) {
    return cells.at(static_cast<size_t>(row) * static_cast<size_t>(channels) +
                    static_cast<size_t>(channel));
  }
  const Cell& at(int row, int channel) const {
    return cells.at(static_cast<size_t>(row) * static_cast<size_t>(channels) +
                    static_cast<size_t>(channel));
  }

  int rows;
  int channels;
  std::vector<Cell> cells;  // row by row
};

struct SampleLoop {
  uint32_t begin = 0;  // first frame of the loop
  uint32_t end = 0;    // one past the last frame
  bool pingPong = false;
};

struct Sample {
  std::string name;
  std::vector<int16_t> pcm;    // mono
  uint32_t c5Speed = 44100;    // frames per second at note C-5
  uint8_t defaultVolume = 64;  // 0..64
  uint8_t globalVolume = 64;   // 0..64
  std::optional<SampleLoop> loop;
  // Auto-vibrato: speed, depth and sweep 0..64; wave 0 sine.
  uint8_t vibratoSpeed = 0;
  uint8_t vibratoDepth = 0;
  uint8_t vibratoSweep = 0;
  uint8_t vibratoWave = 0;
};

struct Channel {
  uint8_t pan = 32;     // 0 left .. 64 right
  uint8_t volume = 64;  // 0..64
};

struct Module {
  std::string title;
  uint8_t initialSpeed = 6;    // ticks per row
  uint8_t initialTempo = 125;  // beats per minute; a tick lasts 2.5 / tempo seconds
  uint8_t globalVolume = 128;  // 0..128
  uint8_t mixingVolume = 48;   // 0..128
  uint8_t rowsPerBeat = 4;
  uint8_t rowsPerMeasure = 16;
  std::vector<Channel> channels;  // at most 64
  std::vector<Sample> samples;    // sample 1 is samples[0]
  std::vector<Pattern> patterns;
  std::vector<uint8_t> orders;  // pattern numbers; the writer appends the end marker
};

}  // namespace qv::make_music

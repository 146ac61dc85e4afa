#include "tools/make_music/it_writer.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>

namespace qv::make_music {
namespace {

constexpr size_t kHeaderSize = 0xC0;
constexpr size_t kSampleHeaderSize = 0x50;
constexpr size_t kPatternHeaderSize = 8;
constexpr size_t kMaxChannels = 64;
constexpr size_t kNameField = 26;  // names keep one byte for the terminating zero
constexpr uint8_t kOrderEnd = 255;
constexpr uint16_t kTrackerVersion = 0x0214;

constexpr uint16_t kFlagStereo = 0x0001;
constexpr uint16_t kFlagLinearSlides = 0x0008;

constexpr uint8_t kSampleHasData = 0x01;
constexpr uint8_t kSample16Bit = 0x02;
constexpr uint8_t kSampleLoop = 0x10;
constexpr uint8_t kSamplePingPong = 0x40;
constexpr uint8_t kConvertSigned = 0x01;

constexpr uint8_t kChannelDisabled = 0x80;
constexpr uint8_t kMaskFollows = 0x80;
constexpr uint8_t kHasNote = 0x01;
constexpr uint8_t kHasSample = 0x02;
constexpr uint8_t kHasVolume = 0x04;
constexpr uint8_t kHasEffect = 0x08;

// The rows per pattern that trackers of the format accept.
constexpr int kMinRows = 1;
constexpr int kMaxRows = 200;
constexpr uint8_t kMaxVolumeColumn = 212;
constexpr uint8_t kLastEffect = 26;
constexpr size_t kMaxPackedPattern = 65535;

class ByteWriter {
 public:
  size_t size() const { return bytes_.size(); }
  std::vector<uint8_t> Take() { return std::move(bytes_); }

  void U8(uint8_t v) { bytes_.push_back(v); }
  void U16(uint16_t v) {
    U8(static_cast<uint8_t>(v & 0xFF));
    U8(static_cast<uint8_t>(v >> 8));
  }
  void U32(uint32_t v) {
    U16(static_cast<uint16_t>(v & 0xFFFF));
    U16(static_cast<uint16_t>(v >> 16));
  }
  void Text(const std::string& text, size_t field) {
    for (size_t i = 0; i < field; ++i)
      U8(i < text.size() ? static_cast<uint8_t>(text[i]) : 0);
  }
  void Zeros(size_t count) { bytes_.insert(bytes_.end(), count, 0); }

  // Fills a 32-bit field reserved earlier at `at`.
  void PatchU32(size_t at, uint32_t v) {
    for (size_t i = 0; i < 4; ++i)
      bytes_.at(at + i) = static_cast<uint8_t>(v >> (8 * i));
  }

 private:
  std::vector<uint8_t> bytes_;
};

void Require(bool condition, const std::string& what) {
  if (!condition) throw std::invalid_argument(what);
}

uint32_t Offset(size_t at) {
  Require(at <= UINT32_MAX, "module larger than 4 GiB");
  return static_cast<uint32_t>(at);
}

void CheckName(const std::string& name, const std::string& what) {
  Require(name.size() < kNameField, what + " '" + name + "' is longer than 25 characters");
}

void CheckCell(const Cell& cell, const Module& module, const std::string& where) {
  if (cell.note) {
    const uint8_t n = *cell.note;
    Require(n <= kHighestNote || n == kNoteCut || n == kNoteOff, where + ": no such note");
  }
  Require(cell.sample <= module.samples.size(), where + ": no such sample");
  Require(!cell.volume || *cell.volume <= kMaxVolumeColumn, where + ": bad volume column");
  Require(cell.effect <= kLastEffect, where + ": no such effect");
}

void CheckModule(const Module& module) {
  CheckName(module.title, "title");
  Require(!module.channels.empty() && module.channels.size() <= kMaxChannels,
          "a module has 1 to 64 channels");
  Require(module.initialSpeed > 0 && module.initialTempo >= 32, "speed 1.., tempo 32..");
  Require(module.globalVolume <= 128 && module.mixingVolume <= 128, "volumes go to 128");
  for (const Channel& channel : module.channels) {
    Require(channel.pan <= 64 && channel.volume <= 64, "channel pan and volume go to 64");
  }
  Require(module.samples.size() < 100, "at most 99 samples");
  for (const Sample& sample : module.samples) {
    CheckName(sample.name, "sample name");
    Require(sample.defaultVolume <= 64 && sample.globalVolume <= 64,
            "sample '" + sample.name + "': volumes go to 64");
    Require(sample.c5Speed > 0, "sample '" + sample.name + "': C5 speed must be positive");
    if (sample.loop) {
      Require(sample.loop->begin < sample.loop->end && sample.loop->end <= sample.pcm.size(),
              "sample '" + sample.name + "': loop outside the sample");
    }
  }
  Require(module.patterns.size() < 200, "at most 199 patterns");
  for (size_t p = 0; p < module.patterns.size(); ++p) {
    const Pattern& pattern = module.patterns[p];
    const std::string where = "pattern " + std::to_string(p);
    Require(pattern.rows >= kMinRows && pattern.rows <= kMaxRows, where + ": 1 to 200 rows");
    Require(pattern.channels == static_cast<int>(module.channels.size()),
            where + ": channel count differs from the module's");
    for (int row = 0; row < pattern.rows; ++row) {
      for (int ch = 0; ch < pattern.channels; ++ch) {
        CheckCell(pattern.at(row, ch), module,
                  where + " row " + std::to_string(row) + " channel " + std::to_string(ch));
      }
    }
  }
  Require(!module.orders.empty() && module.orders.size() < 256, "1 to 255 orders");
  for (uint8_t order : module.orders) {
    Require(order < module.patterns.size(), "order names a missing pattern");
  }
}

// Every non-empty cell is written with its own mask byte; the format's "same as last" bits stay
// unused, which costs a few bytes and keeps each cell self-contained.
std::vector<uint8_t> PackPattern(const Pattern& pattern) {
  ByteWriter out;
  for (int row = 0; row < pattern.rows; ++row) {
    for (int ch = 0; ch < pattern.channels; ++ch) {
      const Cell& cell = pattern.at(row, ch);
      if (cell.IsEmpty()) continue;
      uint8_t mask = 0;
      if (cell.note) mask |= kHasNote;
      if (cell.sample != 0) mask |= kHasSample;
      if (cell.volume) mask |= kHasVolume;
      if (cell.effect != kNoEffect || cell.param != 0) mask |= kHasEffect;
      out.U8(static_cast<uint8_t>((ch + 1) | kMaskFollows));
      out.U8(mask);
      if (cell.note) out.U8(*cell.note);
      if (cell.sample != 0) out.U8(cell.sample);
      if (cell.volume) out.U8(*cell.volume);
      if (mask & kHasEffect) {
        out.U8(cell.effect);
        out.U8(cell.param);
      }
    }
    out.U8(0);  // end of row
  }
  Require(out.size() <= kMaxPackedPattern, "a packed pattern exceeds 64 KiB");
  return out.Take();
}

void WriteHeader(ByteWriter& out, const Module& module) {
  out.Text("IMPM", 4);
  out.Text(module.title, kNameField);
  out.U8(module.rowsPerBeat);
  out.U8(module.rowsPerMeasure);
  out.U16(static_cast<uint16_t>(module.orders.size() + 1));  // counts the end marker
  out.U16(0);                                                // instruments: sample mode
  out.U16(static_cast<uint16_t>(module.samples.size()));
  out.U16(static_cast<uint16_t>(module.patterns.size()));
  out.U16(kTrackerVersion);
  out.U16(kTrackerVersion);
  out.U16(kFlagStereo | kFlagLinearSlides);
  out.U16(0);  // special: no message, nothing embedded
  out.U8(module.globalVolume);
  out.U8(module.mixingVolume);
  out.U8(module.initialSpeed);
  out.U8(module.initialTempo);
  out.U8(128);  // full stereo separation
  out.U8(0);    // pitch wheel depth
  out.U16(0);   // message length
  out.U32(0);   // message offset
  out.U32(0);   // reserved
  std::array<uint8_t, kMaxChannels> pans{};
  std::array<uint8_t, kMaxChannels> volumes{};
  for (size_t ch = 0; ch < kMaxChannels; ++ch) {
    const bool used = ch < module.channels.size();
    pans[ch] = used ? module.channels[ch].pan : static_cast<uint8_t>(32 | kChannelDisabled);
    volumes[ch] = used ? module.channels[ch].volume : 64;
  }
  for (uint8_t pan : pans)
    out.U8(pan);
  for (uint8_t volume : volumes)
    out.U8(volume);
}

void WriteSampleHeader(ByteWriter& out, const Sample& sample, uint32_t dataOffset) {
  uint8_t flags = kSample16Bit;
  if (!sample.pcm.empty()) flags |= kSampleHasData;
  if (sample.loop) flags |= kSampleLoop;
  if (sample.loop && sample.loop->pingPong) flags |= kSamplePingPong;
  out.Text("IMPS", 4);
  out.Zeros(12);  // DOS file name
  out.U8(0);
  out.U8(sample.globalVolume);
  out.U8(flags);
  out.U8(sample.defaultVolume);
  out.Text(sample.name, kNameField);
  out.U8(kConvertSigned);
  out.U8(32);  // default pan, not enabled
  out.U32(static_cast<uint32_t>(sample.pcm.size()));
  out.U32(sample.loop ? sample.loop->begin : 0);
  out.U32(sample.loop ? sample.loop->end : 0);
  out.U32(sample.c5Speed);
  out.U32(0);  // sustain loop begin
  out.U32(0);  // sustain loop end
  out.U32(dataOffset);
  out.U8(sample.vibratoSpeed);
  out.U8(sample.vibratoDepth);
  out.U8(sample.vibratoSweep);
  out.U8(sample.vibratoWave);
}

}  // namespace

std::vector<uint8_t> WriteItModule(const Module& module) {
  CheckModule(module);

  ByteWriter out;
  WriteHeader(out, module);
  for (uint8_t order : module.orders)
    out.U8(order);
  out.U8(kOrderEnd);

  // Parapointers are absolute file offsets, known only once the blocks behind them are placed.
  const size_t samplePointers = out.size();
  out.Zeros(4 * module.samples.size());
  const size_t patternPointers = out.size();
  out.Zeros(4 * module.patterns.size());

  // Sample data goes last, so the headers' data offsets follow from the packed pattern sizes.
  std::vector<std::vector<uint8_t>> packed;
  packed.reserve(module.patterns.size());
  for (const Pattern& pattern : module.patterns)
    packed.push_back(PackPattern(pattern));
  size_t dataAt = out.size() + kSampleHeaderSize * module.samples.size();
  for (const std::vector<uint8_t>& bytes : packed)
    dataAt += kPatternHeaderSize + bytes.size();

  for (size_t s = 0; s < module.samples.size(); ++s) {
    const Sample& sample = module.samples[s];
    out.PatchU32(samplePointers + 4 * s, Offset(out.size()));
    WriteSampleHeader(out, sample, sample.pcm.empty() ? 0 : Offset(dataAt));
    dataAt += 2 * sample.pcm.size();
  }
  for (size_t p = 0; p < module.patterns.size(); ++p) {
    out.PatchU32(patternPointers + 4 * p, Offset(out.size()));
    out.U16(static_cast<uint16_t>(packed[p].size()));
    out.U16(static_cast<uint16_t>(module.patterns[p].rows));
    out.U32(0);
    for (uint8_t byte : packed[p])
      out.U8(byte);
  }
  for (const Sample& sample : module.samples) {
    for (int16_t frame : sample.pcm)
      out.U16(static_cast<uint16_t>(frame));
  }
  return out.Take();
}

}  // namespace qv::make_music

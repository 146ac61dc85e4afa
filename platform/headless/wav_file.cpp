#include "platform/headless/wav_file.h"

#include <algorithm>
#include <array>
#include <bit>
#include <string_view>

namespace qv {

namespace {

constexpr uint16_t kChannels = 2;
constexpr uint16_t kFloatFormat = 3;
constexpr uint16_t kBytesPerSample = 4;

template <typename T>
void Put(std::ofstream& out, T value) {
  std::array<char, sizeof(T)> bytes{};
  for (size_t i = 0; i < sizeof(T); ++i)
    bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  out.write(bytes.data(), bytes.size());
}

}  // namespace

WavFile::WavFile(const std::filesystem::path& file, uint32_t rate)
    : out_(file, std::ios::binary), rate_(rate) {
  if (out_) WriteHeader();
}

WavFile::~WavFile() {
  if (!out_) return;
  out_.seekp(0);
  WriteHeader();
}

void WavFile::WriteHeader() {
  // Sizes above 4 GiB cannot be told; they are capped, as players expect.
  const uint32_t data = static_cast<uint32_t>(std::min<uint64_t>(dataBytes_, 0xFFFFFFFFu - 36));
  out_.write("RIFF", 4);
  Put<uint32_t>(out_, 36 + data);
  out_.write("WAVEfmt ", 8);
  Put<uint32_t>(out_, 16);
  Put<uint16_t>(out_, kFloatFormat);
  Put<uint16_t>(out_, kChannels);
  Put<uint32_t>(out_, rate_);
  Put<uint32_t>(out_, rate_ * kChannels * kBytesPerSample);
  Put<uint16_t>(out_, kChannels * kBytesPerSample);
  Put<uint16_t>(out_, 8 * kBytesPerSample);
  out_.write("data", 4);
  Put<uint32_t>(out_, data);
}

void WavFile::Append(std::span<const float> interleaved) {
  static_assert(sizeof(float) == 4 && std::endian::native == std::endian::little,
                "WAV samples are little-endian IEEE floats");
  out_.write(reinterpret_cast<const char*>(interleaved.data()),
             static_cast<std::streamsize>(interleaved.size_bytes()));
  dataBytes_ += interleaved.size_bytes();
}

}  // namespace qv

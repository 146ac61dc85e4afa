#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>

namespace qv {

// A WAV file of 32-bit float stereo frames, exactly the samples the output was given. The
// sizes in its header are filled in when it is closed.
class WavFile {
 public:
  WavFile(const std::filesystem::path& file, uint32_t rate);
  ~WavFile();
  WavFile(const WavFile&) = delete;
  WavFile& operator=(const WavFile&) = delete;

  bool IsOpen() const { return out_.is_open() && out_.good(); }
  void Append(std::span<const float> interleaved);

 private:
  void WriteHeader();

  std::ofstream out_;
  uint32_t rate_;
  uint64_t dataBytes_ = 0;
};

}  // namespace qv

#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "tools/make_music/it_module.h"

namespace qv::make_music {

// A whole song as one long grid of rows, so phrases, echoes and fades may cross from one order
// into the next; Patterns() cuts it into one pattern per order.
class Score {
 public:
  Score(std::vector<int> orderRows, int channels);

  int Start(int order) const { return starts_.at(static_cast<size_t>(order)); }
  int Rows(int order) const { return orderRows_.at(static_cast<size_t>(order)); }
  int TotalRows() const { return total_; }
  int Orders() const { return static_cast<int>(orderRows_.size()); }
  int Channels() const { return channels_; }
  bool Contains(int row) const { return row >= 0 && row < total_; }

  Cell& at(int row, int channel);
  const Cell& at(int row, int channel) const;

  // Volumes are clamped to 0..64.
  void Play(int row, int channel, int note, int sample, int volume);
  void Cut(int row, int channel);
  void SetVolume(int row, int channel, int volume);

  std::vector<Pattern> Patterns() const;

  // The whole song as a module: one channel a pan (at full volume), one pattern an order,
  // played in order.
  Module ToModule(std::string title, uint8_t mixingVolume, std::span<const uint8_t> pans,
                  std::vector<Sample> samples) const;

 private:
  size_t Index(int row, int channel) const;

  std::vector<int> orderRows_;
  std::vector<int> starts_;
  int total_ = 0;
  int channels_;
  std::vector<Cell> cells_;
};

}  // namespace qv::make_music

#include "tools/make_music/score.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

namespace qv::make_music {

Score::Score(std::vector<int> orderRows, int channels)
    : orderRows_(std::move(orderRows)), channels_(channels) {
  for (int rows : orderRows_) {
    starts_.push_back(total_);
    total_ += rows;
  }
  cells_.resize(static_cast<size_t>(total_) * static_cast<size_t>(channels_));
}

size_t Score::Index(int row, int channel) const {
  if (!Contains(row) || channel < 0 || channel >= channels_) {
    throw std::out_of_range("score cell " + std::to_string(row) + ", " + std::to_string(channel));
  }
  return static_cast<size_t>(row) * static_cast<size_t>(channels_) + static_cast<size_t>(channel);
}

Cell& Score::at(int row, int channel) {
  return cells_[Index(row, channel)];
}
const Cell& Score::at(int row, int channel) const {
  return cells_[Index(row, channel)];
}

void Score::Play(int row, int channel, int note, int sample, int volume) {
  Cell& cell = at(row, channel);
  cell.note = static_cast<uint8_t>(note);
  cell.sample = static_cast<uint8_t>(sample);
  cell.volume = static_cast<uint8_t>(std::clamp(volume, 0, 64));
}

void Score::Cut(int row, int channel) {
  Cell& cell = at(row, channel);
  cell.note = kNoteCut;
  cell.sample = 0;
  cell.volume.reset();
}

void Score::SetVolume(int row, int channel, int volume) {
  at(row, channel).volume = static_cast<uint8_t>(std::clamp(volume, 0, 64));
}

std::vector<Pattern> Score::Patterns() const {
  std::vector<Pattern> patterns;
  for (size_t order = 0; order < orderRows_.size(); ++order) {
    Pattern pattern(orderRows_[order], channels_);
    for (int row = 0; row < pattern.rows; ++row) {
      for (int ch = 0; ch < channels_; ++ch)
        pattern.at(row, ch) = at(starts_[order] + row, ch);
    }
    patterns.push_back(std::move(pattern));
  }
  return patterns;
}

Module Score::ToModule(std::string title, uint8_t mixingVolume, std::span<const uint8_t> pans,
                       std::vector<Sample> samples) const {
  Module module;
  module.title = std::move(title);
  module.globalVolume = 128;
  module.mixingVolume = mixingVolume;
  for (uint8_t pan : pans)
    module.channels.push_back(Channel{pan, 64});
  module.samples = std::move(samples);
  module.patterns = Patterns();
  for (int order = 0; order < Orders(); ++order)
    module.orders.push_back(static_cast<uint8_t>(order));
  return module;
}

}  // namespace qv::make_music

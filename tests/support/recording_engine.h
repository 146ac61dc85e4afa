#pragma once

#include <map>
#include <string>
#include <vector>

#include "music/audio_engine.h"

namespace qv::test {

// An engine that plays nothing and writes down every call, in a short form: "init -1",
// "load data/x.it", "amp 1 100", "stop 1", "rewind 2", "play 1", "ask 2", "pos 1", "free".
// Handles are 1 and 2 in load order unless a path is set to fail.
class RecordingEngine final : public AudioEngine {
 public:
  explicit RecordingEngine(std::vector<std::string>& log) : log_(log) {}

  bool defaultDeviceWorks = true;
  std::map<std::string, bool> loadFails;   // module path -> fails to load
  std::map<MusicHandle, uint32_t> active;  // what ChannelIsActive answers; missing: 1
  std::map<MusicHandle, uint32_t> position;

  bool Init(int device, uint32_t rate) override {
    Note("init " + std::to_string(device) + " " + std::to_string(rate));
    return device != kDefaultDevice || defaultDeviceWorks;
  }
  MusicHandle MusicLoad(const std::string& path) override {
    Note("load " + path);
    ++loads_;
    return loadFails[path] ? 0 : loads_;
  }
  void MusicSetAttribute(MusicHandle music, int attribute, float value) override {
    Note("attr " + std::to_string(music) + " " + std::to_string(attribute) + " " +
         std::to_string(static_cast<int>(value)));
  }
  void ChannelStop(MusicHandle music) override { Note("stop " + std::to_string(music)); }
  void ChannelSetPosition(MusicHandle music, uint16_t order, uint16_t row) override {
    Note(order == 0 && row == 0 ? "rewind " + std::to_string(music)
                                : "seek " + std::to_string(music));
  }
  void ChannelPlay(MusicHandle music, bool restart) override {
    Note(std::string(restart ? "replay " : "play ") + std::to_string(music));
  }
  uint32_t ChannelIsActive(MusicHandle music) override {
    Note("ask " + std::to_string(music));
    if (music == 0) return 0;
    auto it = active.find(music);
    return it == active.end() ? 1 : it->second;
  }
  uint32_t MusicGetOrderPosition(MusicHandle music) override {
    Note("pos " + std::to_string(music));
    return position[music];
  }
  void Free() override { Note("free"); }

 private:
  void Note(const std::string& entry) { log_.push_back(entry); }
  std::vector<std::string>& log_;
  MusicHandle loads_ = 0;
};

}  // namespace qv::test

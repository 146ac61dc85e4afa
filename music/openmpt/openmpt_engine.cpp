#include "music/openmpt/openmpt_engine.h"

#include "music/openmpt/module_file.h"
#include "music/openmpt/sdl_audio_output.h"
#include "music/openmpt/steady_clock_output.h"

namespace qv {

std::unique_ptr<AudioOutput> OpenSystemOutput(int device, uint32_t rate, SoundSource& source) {
  if (device == kDefaultDevice) return OpenSdlAudioOutput(rate, source);
  if (device == kNoSoundDevice) return OpenSteadyClockOutput(rate, source);
  return nullptr;
}

OpenMptEngine::OpenMptEngine() : OpenMptEngine(OpenSystemOutput, AudioClock::now) {}

OpenMptEngine::OpenMptEngine(OutputOpener openOutput, std::function<AudioClock::time_point()> now)
    : openOutput_(std::move(openOutput)), now_(std::move(now)) {}

OpenMptEngine::~OpenMptEngine() {
  Free();
}

bool OpenMptEngine::Init(int device, uint32_t rate) {
  if (output_ != nullptr || rate == 0) return false;
  {
    const std::lock_guard lock(mutex_);
    mixer_.SetRate(rate);
    clock_ = HeardFrameClock(rate);
  }
  output_ = openOutput_(device, rate, *this);
  return output_ != nullptr;
}

MusicHandle OpenMptEngine::MusicLoad(const std::string& path) {
  // Reading and parsing stay outside the lock: the output must not wait for the disk.
  const auto bytes = ReadModuleFile(path);
  if (!bytes) return 0;
  auto module = OpenMptModule::Load(*bytes);
  if (!module) return 0;
  const std::lock_guard lock(mutex_);
  return mixer_.Add(std::move(*module));
}

void OpenMptEngine::MusicSetAttribute(MusicHandle music, int attribute, float value) {
  if (attribute != kAmplificationAttribute) return;
  const std::lock_guard lock(mutex_);
  mixer_.SetAmplification(music, value);
}

void OpenMptEngine::ChannelStop(MusicHandle music) {
  const std::lock_guard lock(mutex_);
  mixer_.Stop(music);
}

void OpenMptEngine::ChannelSetPosition(MusicHandle music, uint16_t order, uint16_t row) {
  const std::lock_guard lock(mutex_);
  mixer_.SetPosition(music, order, row);
}

void OpenMptEngine::ChannelPlay(MusicHandle music, bool restart) {
  const std::lock_guard lock(mutex_);
  mixer_.Play(music, restart);
}

uint32_t OpenMptEngine::ChannelIsActive(MusicHandle music) {
  const std::lock_guard lock(mutex_);
  return mixer_.IsPlaying(music) ? 1 : 0;
}

uint32_t OpenMptEngine::MusicGetOrderPosition(MusicHandle music) {
  const std::lock_guard lock(mutex_);
  return mixer_.PositionAt(music, clock_.HeardFrame(now_()));
}

void OpenMptEngine::Free() {
  output_.reset();
  const std::lock_guard lock(mutex_);
  mixer_.Clear();
}

void OpenMptEngine::Pull(float* interleaved, std::size_t frames, AudioClock::time_point heardAt) {
  const std::lock_guard lock(mutex_);
  clock_.OnPull(mixer_.FramesRendered(), frames, heardAt);
  mixer_.Render(interleaved, frames);
}

}  // namespace qv

#include "music/openmpt/sdl_audio_output.h"

#include <SDL.h>

#include <string_view>

#include "music/openmpt/stderr_silencer.h"

namespace qv {
namespace {

// 10 ms a buffer: the hand-over between tracks and the audible position stay close to the
// renderer, and SDL's file-writing driver paces whole milliseconds exactly.
constexpr Uint16 kBufferFrames = 441;
constexpr int kChannels = 2;

// SDL counts initialisations, so this holds the audio subsystem alongside the window's.
class SdlAudioSubsystem {
 public:
  SdlAudioSubsystem() : started_(SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {}
  ~SdlAudioSubsystem() {
    if (!started_) return;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();
  }
  SdlAudioSubsystem(const SdlAudioSubsystem&) = delete;
  SdlAudioSubsystem& operator=(const SdlAudioSubsystem&) = delete;

  bool Started() const { return started_; }

 private:
  bool started_;
};

class SdlAudioDevice {
 public:
  SdlAudioDevice() = default;
  ~SdlAudioDevice() {
    if (id_ != 0) SDL_CloseAudioDevice(id_);
  }
  SdlAudioDevice(const SdlAudioDevice&) = delete;
  SdlAudioDevice& operator=(const SdlAudioDevice&) = delete;

  void Reset(SDL_AudioDeviceID id) { id_ = id; }
  SDL_AudioDeviceID Id() const { return id_; }

 private:
  SDL_AudioDeviceID id_ = 0;
};

// What the device holds ahead of the speaker when it asks for more. SDL's sound-card
// drivers keep two buffers in flight; the file and no-op drivers take a buffer as soon
// as it is filled.
AudioClock::duration QueueAhead(const SDL_AudioSpec& spec) {
  const char* driver = SDL_GetCurrentAudioDriver();
  const std::string_view name = driver == nullptr ? "" : driver;
  const int frames = name == "disk" || name == "dummy" ? 0 : 2 * spec.samples;
  return std::chrono::duration_cast<AudioClock::duration>(
      std::chrono::duration<double>(static_cast<double>(frames) / spec.freq));
}

class SdlAudioOutput final : public AudioOutput {
 public:
  explicit SdlAudioOutput(SoundSource& source) : source_(source) {}

  bool Open(uint32_t rate) {
    if (!subsystem_.Started()) return false;
    SDL_AudioSpec wanted{};
    wanted.freq = static_cast<int>(rate);
    wanted.format = AUDIO_F32SYS;
    wanted.channels = kChannels;
    wanted.samples = kBufferFrames;
    wanted.callback = &SdlAudioOutput::Callback;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    // No changes allowed: SDL then adapts the device to this spec, and every callback gets
    // exactly the buffer it asked for (letting the size change overran the buffer SDL's
    // no-op driver hands out).
    device_.Reset(SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0));
    if (device_.Id() == 0) return false;
    queueAhead_ = QueueAhead(obtained);
    SDL_PauseAudioDevice(device_.Id(), 0);
    return true;
  }

 private:
  static void SDLCALL Callback(void* self, Uint8* stream, int bytes) {
    auto& output = *static_cast<SdlAudioOutput*>(self);
    const auto frames = static_cast<std::size_t>(bytes) / (kChannels * sizeof(float));
    output.source_.Pull(reinterpret_cast<float*>(stream), frames,
                        AudioClock::now() + output.queueAhead_);
  }

  SoundSource& source_;
  AudioClock::duration queueAhead_{};
  SdlAudioSubsystem subsystem_;
  SdlAudioDevice device_;  // after the subsystem: closed before it is released
};

}  // namespace

std::unique_ptr<AudioOutput> OpenSdlAudioOutput(uint32_t rate, SoundSource& source) {
  const StderrSilencer quiet;
  auto output = std::make_unique<SdlAudioOutput>(source);
  if (!output->Open(rate)) return nullptr;
  return output;
}

}  // namespace qv

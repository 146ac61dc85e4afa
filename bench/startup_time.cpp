// Measures the player's start-up on the real window system: from the start of the run to
// the first frame on screen, and how much of that went into decoding pictures. The run is
// closed right after the first frame.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <iostream>

#include "app/run_player.h"
#include "music/silent_engine.h"
#include "platform/sdl/sdl_window_system.h"
#include "platform/turbojpeg/turbojpeg_decoder.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Adds up the time its decoders spend decoding.
class TimedDecoder final : public qv::ImageDecoder {
 public:
  TimedDecoder(std::unique_ptr<qv::ImageDecoder> inner, double& totalMs)
      : inner_(std::move(inner)), totalMs_(totalMs) {}
  bool Decode(const std::filesystem::path& file, qv::ColorBitmap& picture) override {
    const auto start = Clock::now();
    const bool decoded = inner_->Decode(file, picture);
    totalMs_ += MsSince(start);
    return decoded;
  }

 private:
  std::unique_ptr<qv::ImageDecoder> inner_;
  double& totalMs_;
};

// The real window system, noting when the first frame is presented and closing then.
class FirstFrameWindows final : public qv::WindowSystem {
 public:
  explicit FirstFrameWindows(Clock::time_point start) : start_(start) {}
  double firstFrameMs = -1;

  void RegisterClass(const qv::WindowClass& c) override { real_.RegisterClass(c); }
  bool CreateWindow(const qv::WindowCreation& c, std::string& failure) override {
    return real_.CreateWindow(c, failure);
  }
  void SetWindowShape(const qv::Outline& outline) override { real_.SetWindowShape(outline); }
  void ShowWindow() override { real_.ShowWindow(); }
  void UpdateWindow() override { real_.UpdateWindow(); }
  bool GetMessage(qv::Message& message, int& quitCode) override {
    return real_.GetMessage(message, quitCode);
  }
  void DispatchMessage(const qv::Message& message) override { real_.DispatchMessage(message); }
  intptr_t DefWindowProc(const qv::Message& message) override {
    return real_.DefWindowProc(message);
  }
  void PostMessage(const qv::Message& message) override { real_.PostMessage(message); }
  void PostQuitMessage(int code) override { real_.PostQuitMessage(code); }
  void DestroyWindow() override { real_.DestroyWindow(); }
  void SetTimer(uintptr_t id, int periodMs) override { real_.SetTimer(id, periodMs); }
  void InvalidateWindow() override { real_.InvalidateWindow(); }
  void BeginPaint() override { real_.BeginPaint(); }
  void EndPaint() override { real_.EndPaint(); }
  void SetCursor(qv::SystemCursor cursor) override { real_.SetCursor(cursor); }
  void PresentFrame(const qv::ColorBitmap& frame) override {
    real_.PresentFrame(frame);
    if (firstFrameMs < 0) {
      firstFrameMs = MsSince(start_);
      real_.PostMessage(qv::Message{qv::MessageId::Close, 0, 0});
    }
  }

 private:
  Clock::time_point start_;
  qv::SdlWindowSystem real_;
};

}  // namespace

int main() {
  const auto start = Clock::now();
  double decodingMs = 0;
  FirstFrameWindows windows(start);
  qv::SilentEngine audio;
  qv::PlayerServices services{
      windows,
      audio,
      [&decodingMs]() -> std::unique_ptr<qv::ImageDecoder> {
        return std::make_unique<TimedDecoder>(qv::MakeTurboJpegDecoder(), decodingMs);
      },
      [] { return 0u; },
      [] { return std::time(nullptr); },
      std::cerr,
  };
  const int exitCode = qv::RunPlayer(services);
  if (exitCode != 0 || windows.firstFrameMs < 0) return 1;
  std::printf("first frame %.1f ms, of which decoding pictures %.1f ms\n", windows.firstFrameMs,
              decodingMs);
  return 0;
}

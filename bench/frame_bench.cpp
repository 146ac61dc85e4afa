// The per-paint costs: a playing frame fused, the same frame by raster operations one by one,
// and the memory floor (one frame's bytes copied); one pan step; decoding the mask.
// Run from the repository root so that data/mask.bmp is found.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "skin/build_skin.h"
#include "skin/decode_mask.h"
#include "skin/mask_file.h"
#include "skin/mask_plane.h"
#include "tests/support/fake_decoder.h"
#include "tests/support/raster_reference.h"
#include "visuals/compose_frame.h"
#include "visuals/pan_motion.h"

namespace {

struct PlayingFrame {
  qv::Skin skin = *qv::BuildSkin().skin;
  int width = skin.masks.width, height = skin.masks.height;
  qv::ColorBitmap off = qv::test::PatternBitmap(width, height, 1);
  qv::ColorBitmap on = qv::test::PatternBitmap(width, height, 2);
  qv::ColorBitmap picture = qv::test::PatternBitmap(1192, 712, 3);
  qv::ColorBitmap frame{width, height};

  qv::FrameLayers Layers() const {
    return {off,      skin.bitmaps.shape,
            &on,      &skin.bitmaps.secondTrackButton,
            &picture, &skin.bitmaps.firstViewportCut,
            412,      233};
  }
};

void BM_PlayingFrameFused(benchmark::State& state) {
  PlayingFrame f;
  for (auto _ : state) {
    qv::ComposeLayers(f.Layers(), f.frame);
    benchmark::DoNotOptimize(f.frame.pixels.data());
  }
}
BENCHMARK(BM_PlayingFrameFused);

void BM_PlayingFrameStepByStep(benchmark::State& state) {
  PlayingFrame f;
  for (auto _ : state) {
    qv::test::raster::Compose(f.Layers(), f.frame);
    benchmark::DoNotOptimize(f.frame.pixels.data());
  }
}
BENCHMARK(BM_PlayingFrameStepByStep);

// The memory floor: a plain copy of as many bytes as a playing frame must touch, one source
// pixel for every frame pixel plus one for every viewport pixel the picture brings.
void BM_MemoryFloorFrameCopy(benchmark::State& state) {
  PlayingFrame f;
  size_t viewportPixels = 0;
  for (int y = 0; y < f.height; ++y) {
    for (int x = 0; x < f.width; ++x)
      viewportPixels += !qv::HitTest(x, y, f.skin.masks.firstViewportCut);
  }
  const size_t bytes = (f.on.pixels.size() + viewportPixels) * sizeof(uint32_t);
  std::vector<uint8_t> from(bytes, 1), to(bytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_MemoryFloorFrameCopy);

void BM_StepPan(benchmark::State& state) {
  qv::PanState pan{400, 200, 1, 1, 1, 1};
  const qv::MotionParams params{11.0, 0.7, 10.0};
  uint32_t tick = 123456;
  const qv::TickSource source = [&tick] { return tick; };
  for (auto _ : state) {
    qv::StepPan(pan, qv::kPanBounds[0], params, source);
    tick += 50;
    benchmark::DoNotOptimize(pan);
  }
}
BENCHMARK(BM_StepPan);

void BM_DecodeMask(benchmark::State& state) {
  const qv::MaskBitmap mask = *qv::ReadMaskFile(qv::kMaskPath).mask;
  for (auto _ : state) {
    qv::DecodedMask decoded = qv::DecodeMask(mask.width, mask.height, mask.rowBytes, mask.bits);
    benchmark::DoNotOptimize(decoded.outline.data());
  }
}
BENCHMARK(BM_DecodeMask);

}  // namespace

BENCHMARK_MAIN();

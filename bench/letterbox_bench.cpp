// What putting a frame into the window costs when the processor scales it: the 480 x 384 play
// screen into a window twice and three times its size, and into a fullscreen desktop with bars.

#include <benchmark/benchmark.h>

#include <vector>

#include "platform/letterbox.h"

namespace {

using platform::kPlayHeight;
using platform::kPlayWidth;

void BM_PaintLetterboxed(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
  const bool bars = state.range(2) != 0;
  std::vector<uint32_t> frame(static_cast<size_t>(kPlayWidth) * kPlayHeight);
  for (size_t i = 0; i < frame.size(); ++i) frame[i] = static_cast<uint32_t>(i * 2654435761u);
  std::vector<uint32_t> window(static_cast<size_t>(width) * height);
  const platform::PixelRows rows{window.data(), width, width, height};
  for (auto _ : state) {
    platform::PaintLetterboxed(frame.data(), kPlayWidth, rows, bars, 0);
    benchmark::DoNotOptimize(window.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(window.size()) * 4);
}
BENCHMARK(BM_PaintLetterboxed)->Args({960, 768, 0})->Args({1440, 1152, 0})->Args({1920, 1080, 1});

}  // namespace

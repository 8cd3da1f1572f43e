// One redraw of the progress bar in each style at the main window's size
// (Bar1: 353 x 25, its colour and its percentage text), next to filling the
// same buffer with one colour, the floor no redraw can go below.

#include <benchmark/benchmark.h>

#include <memory>

#include "graphics/PixelCanvas.h"
#include "progressbar/DesignValues.h"
#include "progressbar/XpProgressBar.h"
#include "progressbar/PixelBarHost.h"

namespace brivex {
namespace {

constexpr int kWidth = 353;
constexpr int kHeight = 25;

void BM_OneColourFill(benchmark::State& state) {
    PixelCanvas buffer(kWidth, kHeight);
    for (auto _ : state) {
        buffer.FillRect({0, 0, kWidth, kHeight}, 0xFFD3A8);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_OneColourFill);

void BM_DrawProgressBar(benchmark::State& state) {
    PixelBarHost host(kWidth, kHeight);
    XpProgressBar bar(host);
    bar.LoadProperties(DesignPropertyBag(kBar1Design));
    auto picture = std::make_shared<Picture>();
    picture->width = 8;
    picture->height = 8;
    for (int i = 0; i < 64; ++i) picture->pixels.push_back(i % 3 ? 0xFFD3A8 : 0xFFFFFF);
    bar.SetImage(picture);
    bar.SetScrolling(static_cast<std::int32_t>(state.range(0)));
    bar.SetValue(42);
    for (auto _ : state) {
        bar.DrawProgressBar();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawProgressBar)->ArgName("Scrolling")->DenseRange(0, 9);

}  // namespace
}  // namespace brivex

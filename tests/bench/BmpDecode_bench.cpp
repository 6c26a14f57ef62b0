// Decoding a 24-bit picture sheet of 4096 x 1024 pixels.

#include <benchmark/benchmark.h>

#include "formats/BmpDecoder.h"

namespace nuv {
namespace {

void BM_DecodeBmp24(benchmark::State& state) {
    Image sheet(4096, 1024);
    for (int y = 0; y < sheet.height(); ++y) {
        for (int x = 0; x < sheet.width(); ++x) {
            sheet.Set(x, y,
                      (x * 7 + y * 13) % 5 ? MakePixel(uint8_t(x), uint8_t(y), 90) : kPureGreen);
        }
    }
    const std::string file = EncodeBmp24(sheet);
    for (auto _ : state) {
        std::optional<Image> image = DecodeBmp(file);
        if (!image) state.SkipWithError("the sheet did not decode");
        benchmark::DoNotOptimize(image);
    }
    // Bytes of stored pixels decoded per second.
    state.SetBytesProcessed(int64_t(state.iterations()) * sheet.width() * sheet.height() * 3);
}
BENCHMARK(BM_DecodeBmp24)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace nuv

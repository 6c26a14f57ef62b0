// Reading a pet script whose one animation lists a great many frames.

#include <benchmark/benchmark.h>

#include "script/AniScript.h"
#include "script/ScriptFixture.h"
#include "support/TestEnv.h"

namespace nuv {
namespace {

// The sample script with animation 10 made of `frames` frames (0 to 9 in turn): about two
// bytes a frame.
std::string LongListScript(int frames) {
    test::ScriptParts parts;
    std::string list;
    list.reserve(std::size_t(frames) * 2);
    for (int i = 0; i < frames; ++i) {
        if (i) list += ',';
        list += char('0' + i % 10);
    }
    parts.anilist = "[ANILIST]\n10;walk;;" + list + ";\n11;idle;;2;\n";
    return parts.Text();
}

void BM_ReadLongAnimationList(benchmark::State& state) {
    test::MemoryEnv env;
    const int frames = int(state.range(0));
    const std::string text = LongListScript(frames);
    for (auto _ : state) {
        CAniScript script;
        bool ok = script.LoadScriptText(text) && script.ReadAllSections();
        const AniEntry* walk = script.FindAnimation(10);
        if (!ok || !walk || int(walk->frames.size()) != frames)
            state.SkipWithError("the list did not read whole");
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
    state.counters["script_bytes"] = double(text.size());
}
BENCHMARK(BM_ReadLongAnimationList)->Arg(80000)->Arg(200000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace nuv

// The engine's speed on the simulated desktop: one tick, and an hour of pet life.

#include <benchmark/benchmark.h>

#include "BenchPet.h"
#include "app/PetMainDlg.h"

namespace nuv::bench {
namespace {

constexpr uint64_t kHourMs = 3600 * 1000;

// One tick of timer 2 as the simulated desktop delivers it: the virtual clock moves 120 ms and
// the main window's timer handler runs the engine (frame, shape, movement, and now and then a
// new action with its effects and saves).
void BM_TimerTick(benchmark::State& state) {
    SimPet pet;
    if (!pet.started()) state.SkipWithError("the bench pet did not start");
    CSimDesktop& desktop = pet.desktop();
    int shapes = desktop.ShapeChanges();
    for (auto _ : state)
        desktop.RunUntil(desktop.Now() + 120);
    state.counters["shapes_per_tick"] =
        double(desktop.ShapeChanges() - shapes) / double(state.iterations());
}
BENCHMARK(BM_TimerTick)->Repetitions(9)->ReportAggregatesOnly(true);

// The engine's Tick alone, called as the timer handler calls it, without the clock moving.
void BM_EngineTick(benchmark::State& state) {
    SimPet pet;
    if (!pet.started()) state.SkipWithError("the bench pet did not start");
    CPetEngine& engine = pet.desktop().dialog().pet().Engine();
    int shapes = pet.desktop().ShapeChanges();
    for (auto _ : state)
        engine.Tick();
    state.counters["shapes_per_tick"] =
        double(pet.desktop().ShapeChanges() - shapes) / double(state.iterations());
}
BENCHMARK(BM_EngineTick)->Repetitions(9)->ReportAggregatesOnly(true);

// An hour of pet life (30,000 ticks of timer 2) from the start, on in-memory files.
void BM_SimulatedHour(benchmark::State& state) {
    for (auto _ : state) {
        SimPet pet;
        pet.desktop().RunUntil(kHourMs);
        benchmark::DoNotOptimize(pet.desktop().Now());
    }
}
BENCHMARK(BM_SimulatedHour)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);

}  // namespace
}  // namespace nuv::bench

BENCHMARK_MAIN();

// Reading a result file of a million lines into the two chart series, with X rising (what kelmo
// writes) and falling (the worst case for keeping the points in X order), and the memory each stored
// point costs.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>

#include "calc/PointSeries.h"
#include "calc/ResultFileReader.h"

namespace {

constexpr int kLines = 1'000'000;

std::string MakeResultFile(bool rising) {
    const std::string path = std::string("/tmp/bench_result_") + (rising ? "rising" : "falling") + ".out";
    std::ofstream file(path);
    char line[80];
    for (int i = 0; i < kLines; ++i) {
        const double energy = 0.001 * std::pow(1e4, (rising ? i : kLines - 1 - i) / double(kLines));
        std::snprintf(line, sizeof line, "%.6e %.6e %.6e\n", energy, energy * 1.3e-3, 250.0 / (energy + 0.1));
        file << line;
    }
    return path;
}

void ReadIntoSeries(benchmark::State& state, bool rising) {
    const std::string path = MakeResultFile(rising);
    double bytesPerPoint = 0;
    for (auto _ : state) {
        const std::size_t heapBefore = mallinfo2().uordblks;
        calc::PointSeries range;
        calc::PointSeries dedx;
        calc::TResultRow last;
        const calc::ResultReadOutcome outcome = calc::ReadResultFile(path, range, dedx, last);
        // What drawing asks for first: the points in X order.
        benchmark::DoNotOptimize(range.Points().front());
        benchmark::DoNotOptimize(dedx.Points().front());
        const std::size_t heapAfter = mallinfo2().uordblks;
        bytesPerPoint = double(heapAfter - heapBefore) / double(2 * outcome.pointsAdded);
        if (outcome.pointsAdded != kLines) state.SkipWithError("not every line became a point");
    }
    state.counters["bytes_per_point"] = bytesPerPoint;
    state.counters["lines_per_s"] = benchmark::Counter(double(kLines), benchmark::Counter::kIsIterationInvariantRate);
    std::remove(path.c_str());
}

void BM_ReadResultRisingX(benchmark::State& state) { ReadIntoSeries(state, true); }
void BM_ReadResultFallingX(benchmark::State& state) { ReadIntoSeries(state, false); }

BENCHMARK(BM_ReadResultRisingX)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ReadResultFallingX)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();

// kelmo's table in process and the whole process. Goals of the issue: the 200-point table in under 1 ms,
// the whole process in under 10 ms.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "kelmo/cli/output.hpp"
#include "kelmo/physics/stopping.hpp"

extern char** environ;
namespace kp = kelmo::physics;

namespace {

// Everything kelmo does for one request apart from parsing and writing: the model, the table, its text.
void table(benchmark::State& state, int A, int Z, double E, const std::vector<kp::ComponentSpec>& components,
           double density) {
    const int points = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const kp::StoppingModel model(kp::make_particle(A, Z), kp::make_target(components, density), E);
        const std::string text = kelmo::cli::format_table(kp::range_table(model, E, points));
        benchmark::DoNotOptimize(text.data());
    }
    state.SetItemsProcessed(state.iterations() * points);
}

void BM_Table_C12_Water(benchmark::State& state) {
    table(state, 12, 6, 1200.0, {{1, 1, 0.111894}, {16, 8, 0.888106}}, 1.0);
}
BENCHMARK(BM_Table_C12_Water)->Arg(200)->Arg(10000)->Unit(benchmark::kMicrosecond);

// A five-component target (cortical-bone-like: H, C, N, O, Ca by weight).
void BM_Table_C12_FiveComponents(benchmark::State& state) {
    table(state, 12, 6, 1200.0, {{1, 1, 0.064}, {12, 6, 0.278}, {14, 7, 0.027}, {16, 8, 0.41}, {40, 20, 0.221}}, 1.85);
}
BENCHMARK(BM_Table_C12_FiveComponents)->Arg(200)->Arg(10000)->Unit(benchmark::kMicrosecond);

// The front end's example: kelmo -a 4 -e 10 -z 2 -c 12,6,1.000000 -d 2.26 -o FILE, started and waited for.
void BM_Process_ExampleRequest(benchmark::State& state) {
    const std::string out = "/tmp/kelmo-bench-" + std::to_string(::getpid()) + ".out";
    std::vector<std::string> args = {KELMO_BINARY, "-a", "4", "-e", "10", "-z", "2", "-c", "12,6,1.000000", "-d", "2.26",
                                     "-o", out};
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    for (auto _ : state) {
        pid_t pid = 0;
        if (::posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
            state.SkipWithError("cannot start kelmo");
            break;
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("kelmo failed");
            break;
        }
    }
    ::unlink(out.c_str());
}
BENCHMARK(BM_Process_ExampleRequest)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();

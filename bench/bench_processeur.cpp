// Simulated instruction cycles per second of the tick loop, per kind of program.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "processeur.h"

namespace {

void executer(benchmark::State& etat, const char* nom)
{
    auto p = std::make_unique<P18f4550>();
    p->readFromHex((std::string(TAVREX_BENCH_HEX_DIR) + "/" + nom + ".hex").c_str());
    for (auto _ : etat) {
        const uint64_t fin = p->time() + ticksParCycle * 100000;
        while (p->time() < fin)
            p->clock4();
    }
    etat.counters["cycles/s"] = benchmark::Counter(100000.0 * static_cast<double>(etat.iterations()),
                                                   benchmark::Counter::kIsRate);
}

void clockSeul(benchmark::State& etat)
{
    // The single-tick form, for comparison with clock4()'s unrolled ticks.
    auto p = std::make_unique<P18f4550>();
    p->readFromHex((std::string(TAVREX_BENCH_HEX_DIR) + "/arith.hex").c_str());
    for (auto _ : etat)
        for (uint64_t i = 0; i < ticksParCycle * 100000; ++i)
            p->clock();
    etat.counters["cycles/s"] = benchmark::Counter(100000.0 * static_cast<double>(etat.iterations()),
                                                   benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK_CAPTURE(executer, arith, "arith")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(executer, sousprog, "sousprog")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(executer, pwm, "pwm")->Unit(benchmark::kMillisecond);
BENCHMARK(clockSeul)->Unit(benchmark::kMillisecond);

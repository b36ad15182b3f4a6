// The cost of the two oscilloscopes on a run of the board's demo: the same run with
// and without both scopes sampling the motors' PWM pins, their sweeps restarted
// every 10th slice of 10 ms as the main window does. A fixed number of iterations
// so that instruction counts (valgrind --tool=callgrind) compare too.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "modele.h"
#include "oscillo.h"

namespace {

void demo(benchmark::State& etat, bool avecOscillos)
{
    auto modele = std::make_unique<Modele>();
    modele->getProcesseur()->readFromHex((std::string(TAVREX_EXAMPLES_DIR) + "/demo.hex").c_str());
    modele->setPotAN0Value(2.0);
    modele->powerOn();
    Oscillo voie1(modele->getProcesseur());
    Oscillo voie2(modele->getProcesseur());
    if (avecOscillos) {
        voie1.observer(modele->getMoteurD(), 0);
        voie2.observer(modele->getMoteurG(), 0);
    }
    // Past the LCD's start: the PWM runs.
    for (int i = 0; i < 10; ++i)
        modele->clock();
    for (auto _ : etat) {
        for (int i = 0; i < 10; ++i)
            modele->clock();
        voie1.debut();
        voie2.debut();
    }
    etat.counters["cycles/s"] = benchmark::Counter(10 * 120000.0 * static_cast<double>(etat.iterations()),
                                                   benchmark::Counter::kIsRate);
    etat.counters["traces"] = voie2.getNbTraces();
}

}  // namespace

BENCHMARK_CAPTURE(demo, sans_oscillos, false)->Iterations(50)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(demo, avec_oscillos, true)->Iterations(50)->Unit(benchmark::kMillisecond);

// The hot pieces one by one: the event list's passes, a port evaluation, and the
// board's step (instruction, then LCD controller) around the cycle engine.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "modele.h"

namespace {

// Registers itself again `periode` passes ahead, as the timers do.
class Periodique : public Evenement
{
public:
    Periodique(ListeEvts* l, uint16_t periode) : liste(l), periode(periode) {}
    void executer() override
    {
        supprimer();
        enregistrer(periode, liste);
    }
    ListeEvts* liste;
    uint16_t periode;
};

void passes(benchmark::State& etat, uint16_t periode)
{
    auto l = std::make_unique<ListeEvts>();
    Periodique e(l.get(), periode);
    e.enregistrer(periode, l.get());
    for (auto _ : etat)
        for (int i = 0; i < 100000; ++i)
            l->executer();
    e.supprimer();
    etat.counters["passes/s"] = benchmark::Counter(1e5 * static_cast<double>(etat.iterations()),
                                                   benchmark::Counter::kIsRate);
}

void evaluationPortD(benchmark::State& etat)
{
    // The LCD's seven lines on port D, the latch toggled: one evaluation per tick.
    Modele m;
    m.powerOn();
    P18f4550* p = m.getProcesseur();
    DataMemory* dm = p->getDM();
    dm->write(DataMemory::TRISD, 0x00);
    Byte v = 0;
    for (auto _ : etat) {
        dm->write(DataMemory::LATD, v ^= 0x0F);
        p->clock();
    }
}

void pasCarte(benchmark::State& etat, const char* nom)
{
    Modele m;
    m.getProcesseur()->readFromHex((std::string(TAVREX_BENCH_HEX_DIR) + "/" + nom + ".hex").c_str());
    m.powerOn();
    for (auto _ : etat)
        for (int i = 0; i < 100000; ++i)
            m.pas();
    etat.counters["instructions/s"] = benchmark::Counter(1e5 * static_cast<double>(etat.iterations()),
                                                         benchmark::Counter::kIsRate);
}

// The same programs as the runner drives them: runs of quiet instructions at once.
void executeCarte(benchmark::State& etat, const char* nom)
{
    Modele m;
    m.getProcesseur()->readFromHex((std::string(TAVREX_BENCH_HEX_DIR) + "/" + nom + ".hex").c_str());
    m.powerOn();
    for (auto _ : etat)
        m.executeJusqua(m.time() + ticksParMs);
    etat.counters["cycles/s"] = benchmark::Counter(static_cast<double>(ticksParMs / ticksParCycle) *
                                                       static_cast<double>(etat.iterations()),
                                                   benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK_CAPTURE(passes, rare, 48000)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(passes, toutes_les_32, 32)->Unit(benchmark::kMicrosecond);
BENCHMARK(evaluationPortD);
BENCHMARK_CAPTURE(pasCarte, arith, "arith")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(pasCarte, sousprog, "sousprog")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(pasCarte, pwm, "pwm")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(executeCarte, arith, "arith")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(executeCarte, sousprog, "sousprog")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(executeCarte, pwm, "pwm")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(executeCarte, attente, "attente")->Unit(benchmark::kMicrosecond);

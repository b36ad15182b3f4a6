// The run driver: entries at their instants and in their order, time passing while
// the board is off, and runs broken anywhere (interruptions, instruction by
// instruction) ending exactly where one unbroken run ends.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "harness.h"
#include "preparation.h"
#include "seance.h"

namespace {

std::unique_ptr<Modele> suiveur()
{
    DonneesCarte d;
    d.programme = TAVREX_EXAMPLES_DIR "/suiveur.hex";
    d.piste = TAVREX_EXAMPLES_SRC_DIR "/piste001.pis";
    d.robot = TAVREX_EXAMPLES_SRC_DIR "/rombo001.rbo";
    std::string erreur, note;
    auto m = prepareCarte(d, erreur, note);
    EXPECT_TRUE(m) << erreur;
    return m;
}

// The user's side of the run: the jack pulled, BP1 tapped, the board switched off a
// moment and held in reset another.
void planifieUtilisateur(Seance& s, Modele& m)
{
    s.planifie(ticksParMs * 5, 0, [&m] { m.retireJack(true); });
    s.planifie(ticksParMs * 40, 0, [&m] { m.appuyeBP0(); });
    s.planifie(ticksParMs * 45, 0, [&m] { m.relacheBP0(); });
    s.planifie(ticksParMs * 90, 0, [&m] { m.powerOff(); });
    s.planifie(ticksParMs * 97, 0, [&m] { m.powerOn(); });
    s.planifie(ticksParMs * 150, 0, [&m] { m.appuyeReset(); });
    s.planifie(ticksParMs * 151, 0, [&m] { m.relacheReset(); });
}

constexpr uint64_t duree = 300 * ticksParMs;

}  // namespace

TEST(Seance, BrokenRunsEndWhereOneRunEnds)
{
    std::string attendu;
    {
        auto m = suiveur();
        Seance s(*m);
        planifieUtilisateur(s, *m);
        m->powerOn();
        s.avanceJusqua(duree);
        attendu = etatCarte(*m);
        EXPECT_EQ(s.horloge(), duree);
        // 7 ms off and 1 ms in reset: the chip ran the rest.
        EXPECT_NEAR(static_cast<double>(s.ticksExecutes()), static_cast<double>(duree - 8 * ticksParMs), 100);
    }
    // Interrupted at random instants, each time resumed; then the first 2,000
    // instructions one by one.
    std::mt19937 hasard(21);
    for (int essai = 0; essai < 2; ++essai) {
        auto m = suiveur();
        Seance s(*m);
        planifieUtilisateur(s, *m);
        int arrets = 0;
        int instructions = 0;
        if (essai == 0) {
            for (int i = 0; i < 25; ++i)
                s.planifie(hasard() % duree, 1, [&s, &arrets] {
                    ++arrets;
                    s.interrompre();
                });
        } else {
            s.suisInstructions([&instructions](uint64_t) { return ++instructions < 2000; });
        }
        m->powerOn();
        int reprises = 0;
        while (s.horloge() < duree) {
            s.avanceJusqua(duree);
            ++reprises;
        }
        EXPECT_EQ(etatCarte(*m), attendu) << "essai " << essai;
        if (essai == 0) {
            EXPECT_EQ(reprises, arrets + 1);
        }
    }
}

TEST(Seance, EntriesInOrderAndOffTimeAtTheWallClocksPace)
{
    auto m = suiveur();
    Seance s(*m);
    std::vector<int> joues;
    s.planifie(ticksParMs, 2, [&] { joues.push_back(2); });
    s.planifie(ticksParMs, 1, [&] {
        joues.push_back(1);
        // Added late, at an instant already past: played next.
        s.planifie(0, 0, [&] { joues.push_back(3); });
    });
    s.planifie(ticksParMs, 1, [&] { joues.push_back(4); });
    s.planifie(3 * ticksParMs, 0, [&] { m->powerOff(); });
    s.planifie(20 * ticksParMs, 0, [&] { m->powerOn(); });

    // Off: the slices run nothing, the clock follows the wall clock.
    EXPECT_EQ(s.tranche(Modele::ticksParTranche), 0u);
    s.passeHorsTension(ticksParMs);
    EXPECT_EQ(joues, (std::vector<int>{1, 3, 4, 2}));
    m->powerOn();
    const uint64_t puce = m->time();
    // The slice stops where the board is switched off.
    const uint64_t fait = s.tranche(Modele::ticksParTranche);
    EXPECT_GE(s.horloge(), 3 * ticksParMs);
    EXPECT_LT(fait, 2 * ticksParMs + 8);
    EXPECT_EQ(m->time() - puce, fait);
    EXPECT_FALSE(s.tourne());
    s.passeHorsTension(17 * ticksParMs);
    EXPECT_TRUE(s.tourne());
    EXPECT_EQ(m->time() - puce, fait);
}

TEST(Seance, RunsStopBetweenInstructionsNeverInsideOne)
{
    DonneesCarte d;
    d.programme = cheminHex("limites_instructions");
    std::string erreur, note;
    const auto m = prepareCarte(d, erreur, note);
    ASSERT_TRUE(m) << erreur;
    Seance s(*m);
    m->powerOn();
    s.demarre();
    const std::vector<DWord> debuts = {0x00, 0x02, 0x06, 0x08, 0x0e, 0x12, 0x14};
    for (uint64_t t = 1; t < 200; ++t) {
        s.avanceJusqua(t);
        const DWord pc = m->getProcesseur()->getFetchPC();
        EXPECT_NE(std::find(debuts.begin(), debuts.end(), pc), debuts.end()) << "tick " << t << ": " << pc;
        EXPECT_FALSE(m->getProcesseur()->entreDeuxCycles()) << "tick " << t;
    }
}

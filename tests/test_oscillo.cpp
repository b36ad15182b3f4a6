// The oscilloscope trace without its window: sampling from the event list, the
// trigger on a PWM edge of the chip, the timeout, the time axis, what its screen is told.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "harness.h"
#include "oscillo.h"

namespace {

using DM = DataMemory;

// Records the tick at which the port's evaluation brought the pin above 3 V.
class Sonde : public Connexion
{
public:
    explicit Sonde(const P18f4550* p) : proc(p) {}
    void modifie(double v) override
    {
        if ((v > 3.0) != haut) {
            haut = !haut;
            if (haut)
                montees.push_back(proc->time());
        }
    }
    bool haut = false;
    std::vector<uint64_t> montees;

private:
    const P18f4550* proc;
};

// Counts what the scope tells its screen, and checks it is told about itself.
class Ecran : public EcranOscillo
{
public:
    explicit Ecran(const Oscillo& o) : attendu(&o) {}
    void traceFinie(const Oscillo& o) override { traces += &o == attendu; }
    void baseTempsChangee(const Oscillo& o) override { basesDeTemps += &o == attendu; }
    int traces = 0;
    int basesDeTemps = 0;

private:
    const Oscillo* attendu;
};

class OscilloTest : public ::testing::Test
{
protected:
    void SetUp() override { scope.setEcran(&ecran); }

    void ecrit(Word adr, Byte v) { p->getDM()->write(adr, v); }
    // Ticks until the sweep ends (the event leaves the list), at most `max`.
    uint64_t jusquaFin(uint64_t max = 200000)
    {
        const uint64_t debut = p->time();
        while (scope.estEnregistre() && p->time() - debut < max)
            p->clock();
        return p->time() - debut;
    }
    // PWM1 on RC2, Timer2 without prescaler: a period of (pr2 + 1) * 4 ticks.
    void pwm(Byte pr2, Byte ccpr1l)
    {
        p->getPortC()->connecte(2, &rc2);
        ecrit(DM::TRISC, 0xFB);
        ecrit(DM::PR2, pr2);
        ecrit(DM::CCPR1L, ccpr1l);
        ecrit(DM::CCP1CON, 0x0C);
        ecrit(DM::T2CON, 0x04);
    }

    std::unique_ptr<P18f4550> p = std::make_unique<P18f4550>();
    Sonde rc2{p.get()};
    Connexion rb0;
    Oscillo scope{p.get()};
    Ecran ecran{scope};
};

TEST_F(OscilloTest, TimeBaseSetsTheIntervalTheAxisAndStopsTheSweep)
{
    struct Cas { int d; int dt; const char* unite; double facteur; };
    const QString micro = QString(QChar(0x03BC)) + "s";
    for (const Cas& c : {Cas{0, 1, "us", 1e6}, Cas{29, 11, "us", 1e6}, Cas{60, 170, "us", 1e6},
                         Cas{65, 261, "ms", 1e3}, Cas{99, 4799, "ms", 1e3}}) {
        scope.setBaseTemps(c.d);
        EXPECT_EQ(scope.getDt(), c.dt) << c.d;
        EXPECT_EQ(scope.getUnite(), std::string(c.unite) == "us" ? micro : QString(c.unite)) << c.d;
        // One point before the trigger, 248 after it.
        EXPECT_DOUBLE_EQ(scope.getX()[0], -c.facteur * c.dt / 48e6) << c.d;
        EXPECT_DOUBLE_EQ(scope.getX()[1], 0.0) << c.d;
        EXPECT_DOUBLE_EQ(scope.getX()[249], c.facteur * 248 * c.dt / 48e6) << c.d;
    }
    // A 25 ms sweep at the last position of the dial.
    EXPECT_NEAR(scope.getX()[249] - scope.getX()[0], 24.9, 0.01);
    EXPECT_EQ(ecran.basesDeTemps, 5);

    p->getPortB()->connecte(0, &rb0);
    scope.observer(&rb0, 0);
    scope.debut();
    ASSERT_TRUE(scope.estEnregistre());
    scope.setBaseTemps(29);
    EXPECT_FALSE(scope.estEnregistre());
    for (int i = 0; i < 100000; ++i)
        p->clock();
    EXPECT_EQ(scope.getNbTraces(), 0);
}

TEST_F(OscilloTest, NoConnectionNoSweep)
{
    scope.debut();
    EXPECT_FALSE(scope.estEnregistre());
    p->getPortB()->connecte(0, &rb0);
    scope.observer(&rb0, 0);
    scope.debut();
    EXPECT_TRUE(scope.estEnregistre());
    // Taken off the connection in the middle of a sweep: nothing is sampled any more.
    scope.observer(nullptr, 0);
    EXPECT_FALSE(scope.estEnregistre());
    for (int i = 0; i < 1000; ++i)
        p->clock();
    EXPECT_EQ(scope.getNbTraces(), 0);
}

TEST_F(OscilloTest, AFlatPinEndsByTheTimeout)
{
    p->getPortB()->connecte(0, &rb0);
    scope.observer(&rb0, 0);
    const int dt = scope.getDt();

    // At 0 V: armed after 250 samples, the first armed sample is low, and from then
    // on it waits for the edge sampling every tick, as long as the longest PWM period.
    rb0.setSrc(0.0, 100.0);
    p->clock();
    scope.debut();
    // 250 samples to fill, the armed one, then dt to the first sample of the wait.
    const uint64_t remplissage = 251 * static_cast<uint64_t>(dt);
    const uint64_t bas = jusquaFin();
    EXPECT_FALSE(scope.estEnregistre());
    EXPECT_GE(bas, remplissage + dt + Oscillo::attenteFront);
    EXPECT_LE(bas, remplissage + dt + Oscillo::attenteFront + 3);
    EXPECT_EQ(scope.getNbTraces(), 1);
    EXPECT_FALSE(scope.estDeclenche());
    for (int k = 0; k < Oscillo::nbPoints; ++k)
        ASSERT_LT(scope.getY()[k], 0.1) << k;

    // At 5 V it never leaves the armed state: 5000 samples dt apart.
    rb0.setSrc(5.0, 100.0);
    p->clock();
    scope.debut();
    const uint64_t haut = jusquaFin();
    EXPECT_GE(haut, remplissage + 5000 * static_cast<uint64_t>(dt));
    EXPECT_LE(haut, remplissage + 5002 * static_cast<uint64_t>(dt));
    EXPECT_EQ(scope.getNbTraces(), 2);
    EXPECT_FALSE(scope.estDeclenche());
    for (int k = 0; k < Oscillo::nbPoints; ++k)
        ASSERT_GT(scope.getY()[k], 4.9) << k;
    EXPECT_EQ(ecran.traces, 2);
}

TEST_F(OscilloTest, TriggersOnThePwmEdgeToTheTick)
{
    // Period 400 ticks, high for 120 (duty 30 * 4 ticks).
    pwm(99, 30);
    scope.observer(&rc2, 0);
    scope.setBaseTemps(29);   // 11 ticks
    // Sweeps started at several phases of the PWM period.
    for (int decalage : {0, 7, 123, 250, 399}) {
        for (int i = 0; i < decalage; ++i)
            p->clock();
        scope.debut();
        jusquaFin();
        ASSERT_TRUE(scope.estDeclenche()) << decalage;
        // The sample of the trigger tick sees the level that the end of the previous
        // tick set: the edge's evaluation tick plus one.
        const uint64_t t = scope.getInstantDeclenchement();
        bool trouve = false;
        for (uint64_t m : rc2.montees)
            trouve = trouve || m + 1 == t;
        EXPECT_TRUE(trouve) << decalage << " trigger at " << t;
        const double* y = scope.getY();
        EXPECT_LT(y[0], 2.5);
        EXPECT_GT(y[1], 2.5);
        // The point after the edge one tick later, then 11 ticks apart; the level
        // stays high for 120 ticks: point 12 (tick 111 after the trigger) is high,
        // point 13 (tick 122) low.
        for (int k = 2; k <= 12; ++k)
            EXPECT_GT(y[k], 2.5) << decalage << " point " << k;
        EXPECT_LT(y[13], 2.5) << decalage;
    }
}

TEST_F(OscilloTest, TheSlowestPwmTriggersEverySweep)
{
    // Prescaler 16, PR2 = 255: a period of 16,384 ticks, high for 1,920 of them.
    pwm(255, 30);
    ecrit(DM::T2CON, 0x06);
    scope.observer(&rc2, 0);
    for (int decalage : {0, 3000, 9000}) {
        for (int i = 0; i < decalage; ++i)
            p->clock();
        scope.debut();
        jusquaFin(100000);
        EXPECT_TRUE(scope.estDeclenche()) << decalage;
    }
}

TEST_F(OscilloTest, APeriodLongerThanTheSweepIsFlatAfterTheEdge)
{
    // Period 1024 ticks, high for 512; a sweep of 250 ticks.
    pwm(255, 128);
    scope.observer(&rc2, 0);
    scope.setBaseTemps(0);
    scope.debut();
    jusquaFin();
    ASSERT_TRUE(scope.estDeclenche());
    EXPECT_EQ(ecran.traces, 1);
    // Without a screen it samples all the same.
    scope.setEcran(nullptr);
    scope.debut();
    jusquaFin();
    EXPECT_EQ(scope.getNbTraces(), 2);
    EXPECT_EQ(ecran.traces, 1);
    const double* y = scope.getY();
    EXPECT_LT(y[0], 2.5);
    for (int k = 1; k < Oscillo::nbPoints; ++k)
        ASSERT_GT(y[k], 4.5) << k;
}

}  // namespace

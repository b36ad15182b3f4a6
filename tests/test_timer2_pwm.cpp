// Timer2 and the PWM modules: the counter between events, period ends, postscaler,
// and the waveform on RC2 as a device on the pin sees it.
// Registers written between two ticks: a delay d fires at the end of tick d + 1.

#include <gtest/gtest.h>

#include <vector>

#include "harness.h"

namespace {

using DM = DataMemory;

class Timer2Pwm : public PuceTest
{
protected:
    void SetUp() override
    {
        p->getPortC()->connecte(2, &rc2);
        ecrit(DM::TRISC, 0xFB);
    }
    bool tmr2if() { return lit(DM::PIR1) & 0x02; }
    // PWM1 on, Timer2 on without prescaler.
    void demarre(Byte pr2, Byte ccpr1l, Byte ccp1con = 0x0C)
    {
        ecrit(DM::PR2, pr2);
        ecrit(DM::CCPR1L, ccpr1l);
        ecrit(DM::CCP1CON, ccp1con);
        ecrit(DM::T2CON, 0x04);
    }

    Sonde rc2{p.get()};
};

TEST_F(Timer2Pwm, Period3kHzDutyCycle50)
{
    ecrit(DM::PR2, 249);
    ecrit(DM::CCPR1L, 125);
    ecrit(DM::CCP1CON, 0x0C);
    ecrit(DM::T2CON, 0x06);   // 1:16
    const uint64_t t0 = p->time();
    tick(2 * 16000 + 8010);
    // Low until the first period end, then 8,000 ticks high in every 16,000.
    ASSERT_EQ(rc2.descentes.size(), 2u);
    EXPECT_EQ(rc2.montees, (std::vector<uint64_t>{t0 + 16001, t0 + 32001}));
    EXPECT_EQ(rc2.descentes, (std::vector<uint64_t>{t0 + 24001, t0 + 40001}));
    // As an input the pin shows the chip's 2.5 V whatever the PWM does.
    p->getDM()->setBit(DM::TRISC, 2);
    tick(16000);
    EXPECT_DOUBLE_EQ(rc2.getVin(), 2.5);
}

TEST_F(Timer2Pwm, CounterBetweenEvents)
{
    ecrit(DM::T2CON, 0x04);
    tick(42);
    EXPECT_EQ(litRegistre(DM::TMR2), 10);
    ecrit(DM::T2CON, 0x05);   // 1:4, a count every 16 ticks; the half count is dropped
    tick(16 * 5 + 15);
    EXPECT_EQ(litRegistre(DM::TMR2), 15);

    ecrit(DM::T2CON, 0x04);
    ecrit(DM::PR2, 200);
    ecrit(DM::TMR2, 100);
    p->getDM()->clrBit(DM::PIR1, 1);
    tick(20);
    EXPECT_EQ(litRegistre(DM::TMR2), 105);
    tick(383);
    EXPECT_EQ(litRegistre(DM::TMR2), 200);
    EXPECT_FALSE(tmr2if());
    tick(1);   // 404 ticks after the write: the read itself ends the period
    EXPECT_EQ(litRegistre(DM::TMR2), 0);
    EXPECT_TRUE(tmr2if());
}

TEST_F(Timer2Pwm, CountSeenWithoutCatchingUp)
{
    // What a debugger shows between two instructions: the count a read would give,
    // the timer left as it is (its period end, due in this very tick, not taken).
    ecrit(DM::T2CON, 0x05);   // 1:4
    ecrit(DM::PR2, 200);
    ecrit(DM::TMR2, 100);
    p->getDM()->clrBit(DM::PIR1, 1);
    const Timer2* t2 = p->getTimer2();
    for (int ticks : {1, 15, 16, 17, 400, 2000, 1}) {
        tick(ticks);
        const Byte vu = t2->tmr2Lu();
        EXPECT_EQ(vu, litRegistre(DM::TMR2)) << ticks;
    }
    ecrit(DM::T2CON, 0x04);
    ecrit(DM::TMR2, 199);
    p->getDM()->clrBit(DM::PIR1, 1);
    tick(8);   // at PR2 + 1: the read ends the period, the look does not
    EXPECT_EQ(t2->tmr2Lu(), 0);
    EXPECT_FALSE(tmr2if());
    EXPECT_EQ(litRegistre(DM::TMR2), 0);
    EXPECT_TRUE(tmr2if());
}

TEST_F(Timer2Pwm, Postscaler)
{
    ecrit(DM::PR2, 9);   // 40 ticks
    ecrit(DM::T2CON, 0x1C);   // postscaler 1:4
    const uint64_t t0 = p->time();
    std::vector<uint64_t> drapeaux;
    for (int i = 0; i < 13 * 40; ++i) {
        tick();
        if (tmr2if()) {
            drapeaux.push_back(p->time() - t0);
            p->getDM()->clrBit(DM::PIR1, 1);
        }
    }
    EXPECT_EQ(drapeaux, (std::vector<uint64_t>{161, 321, 481}));
}

TEST_F(Timer2Pwm, DutyChangesAtTheNextPeriod)
{
    demarre(99, 25);   // 400-tick periods, 100 ticks high
    tick(401 + 50);
    ecrit(DM::CCPR1L, 50);
    ecrit(DM::CCPR1H, 7);   // refused while the module runs
    EXPECT_EQ(litRegistre(DM::CCPR1H), 25);
    tick(800);
    ASSERT_EQ(rc2.montees.size(), 3u);
    EXPECT_EQ(rc2.descentes[0] - rc2.montees[0], 100u);
    EXPECT_EQ(rc2.descentes[1] - rc2.montees[1], 200u);
    EXPECT_EQ(litRegistre(DM::CCPR1H), 50);

    // Out of PWM mode while high: back to LATC at the end of the tick; the pending
    // falling edge removes itself.
    ASSERT_TRUE(rc2.haut);
    ecrit(DM::CCP1CON, 0x00);
    tick();
    EXPECT_FALSE(rc2.haut);
    tick(200);
    EXPECT_FALSE(p->getPwm1()->estEnregistre());
    EXPECT_EQ(rc2.montees.size(), 3u);
}

TEST_F(Timer2Pwm, ExtremeDuties)
{
    demarre(0xFF, 0);   // 1,024 ticks
    tick(3000);
    EXPECT_TRUE(rc2.montees.empty());
    ecrit(DM::CCPR1L, 0xFF);
    ecrit(DM::CCP1CON, 0x3C);   // duty 1,023: one tick low a period
    tick(3 * 1024);
    ASSERT_GE(rc2.montees.size(), 2u);
    EXPECT_EQ(rc2.montees[1] - rc2.descentes[0], 1u);
    ecrit(DM::PR2, 0x3F);   // 256 ticks: the pulse outlasts the period
    tick(256);
    const size_t descentes = rc2.descentes.size();
    tick(10 * 256);
    EXPECT_EQ(rc2.descentes.size(), descentes);
    EXPECT_TRUE(rc2.haut);
}

TEST_F(Timer2Pwm, Pr2LoweredBelowTheCounter)
{
    demarre(200, 10);
    ecrit(DM::TMR2, 150);
    ecrit(DM::PR2, 100);
    const uint64_t t0 = p->time();
    tick(1000);
    // Up to 255, the wrap starts a PWM period, then periods of 101 counts.
    ASSERT_GE(rc2.montees.size(), 2u);
    EXPECT_EQ(rc2.montees[0], t0 + 106 * 4 + 1);
    EXPECT_EQ(rc2.montees[1] - rc2.montees[0], 101u * 4);
}

TEST(Timer2Program, FlagWaitAndPulseMeasurement)
{
    auto p = chargeProgramme("periph_timer2");
    Connexion rc2;   // floating: the driven pin reads its own level
    p->getPortC()->connecte(2, &rc2);
    // Cycle c runs ticks 4c+1 to 4c+4; T2CON is written at tick 20 and the periods
    // end at ticks 420 and 820. gpsim agrees on the rounds; it reads TMR2 one count
    // higher, because it counts the cycle of the T2CON write.
    EXPECT_EQ(executeJusquaArret(*p), 4u * 250);
    EXPECT_EQ(ram(*p, 0x30), 0);    // TMR2 read in the cycle after the T2CON write
    EXPECT_EQ(ram(*p, 0x31), 25);   // the 25th round reads PIR1 at tick 426
    EXPECT_EQ(ram(*p, 0x32), 3);    // read at tick 434: 14 ticks into the period
    EXPECT_EQ(ram(*p, 0x33), 11);   // a 160-tick pulse from tick 820, 16-tick rounds from 834
}

}  // namespace

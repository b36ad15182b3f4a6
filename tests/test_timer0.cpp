// Timer0: counting period, overflow, the TMR0H buffer, the external clock on RA4.
// Registers written between two ticks: a delay d fires at the end of tick d + 1.

#include <gtest/gtest.h>

#include "harness.h"

namespace {

using DM = DataMemory;

class Timer0Test : public PuceTest
{
protected:
    bool tmr0if() { return lit(DM::INTCON) & 0x04; }

    Timer0* t0 = p->getTimer0();
};

TEST_F(Timer0Test, PeriodAndSixteenBitOverflow)
{
    ecrit(DM::T0CON, 0x88);
    ecrit(DM::TMR0H, 0xFF);
    ecrit(DM::TMR0L, 0xFE);
    tick(3);
    ecrit(DM::T0CON, 0x88);   // the same value restarts the period
    tick(4);
    EXPECT_EQ(t0->getTmr0(), 0xFFFE);
    tick(1);
    EXPECT_EQ(t0->getTmr0(), 0xFFFF);
    EXPECT_FALSE(tmr0if());
    tick(4);
    EXPECT_EQ(t0->getTmr0(), 0);
    EXPECT_TRUE(tmr0if());
    ecrit(DM::T0CON, 0x08);   // stopped: the count stays
    tick(100);
    EXPECT_EQ(t0->getTmr0(), 0);
    EXPECT_FALSE(t0->estEnregistre());
}

TEST_F(Timer0Test, Tmr0hBuffer)
{
    ecrit(DM::T0CON, 0x08);   // off, 16 bits
    ecrit(DM::TMR0H, 0x12);
    ecrit(DM::TMR0L, 0x34);
    ecrit(DM::TMR0H, 0x99);
    EXPECT_EQ(t0->getTmr0(), 0x1234);
    EXPECT_EQ(litRegistre(DM::TMR0L), 0x34);
    EXPECT_EQ(litRegistre(DM::TMR0H), 0x12);   // latched by the TMR0L read
    ecrit(DM::T0CON, 0x48);   // 8 bits: TMR0H plays no part
    ecrit(DM::TMR0H, 0x55);
    ecrit(DM::TMR0L, 0x10);
    EXPECT_EQ(t0->getTmr0(), 0x10);
}

TEST_F(Timer0Test, ExternalClockOnRA4)
{
    Connexion ra4;
    p->getPortA()->connecte(4, &ra4);
    auto niveau = [&](double v) {
        ra4.setSrc(v, 100.0);
        tick();
    };
    niveau(0.0);
    ecrit(DM::T0CON, 0xE0);   // rising edges, 1:2
    ecrit(DM::TMR0L, 0);
    for (int i = 0; i < 3; ++i) {
        niveau(5.0);
        niveau(5.0);   // no change of level, no edge
        niveau(0.0);
    }
    EXPECT_EQ(t0->getTmr0(), 1);
    ecrit(DM::T0CON, 0xF8);   // falling edges, no prescaler
    niveau(5.0);
    EXPECT_EQ(t0->getTmr0(), 1);
    niveau(0.0);
    EXPECT_EQ(t0->getTmr0(), 2);
    EXPECT_FALSE(t0->estEnregistre());
}

TEST(Timer0Program, LoopDurationAndOverflow)
{
    auto p = chargeProgramme("periph_timer0");
    EXPECT_EQ(executeJusquaArret(*p), 3320u);
    // Read 302 cycles after the TMR0L write, whose first count comes one cycle later
    // (gpsim, which counts the cycle of the write, gives 302). The flag round agrees.
    EXPECT_EQ(ram(*p, 0x30), 301 & 0xFF);
    EXPECT_EQ(ram(*p, 0x31), 301 >> 8);
    EXPECT_EQ(ram(*p, 0x32), 129);   // overflow 512 cycles after the write, 4-cycle rounds
}

}  // namespace

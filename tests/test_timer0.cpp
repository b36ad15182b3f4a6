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

// Every prescaler in both widths, tick by tick from a write: a count every P ticks,
// the first at tick P + 1, and TMR0IF with the count that wraps, three counts later.
TEST_F(Timer0Test, EveryTickOfTheCountsAndTheOverflow)
{
    for (Byte cfg : {0x88, 0x80, 0x81, 0x82, 0x83, 0x84, 0x85, 0x86, 0x87,
                     0xC8, 0xC0, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 0xC7}) {
        SCOPED_TRACE(static_cast<int>(cfg));
        const bool huitBits = cfg & 0x40;
        const int periode = (cfg & 0x08) ? 4 : 8 << (cfg & 0x07);
        const int depart = huitBits ? 0xFD : 0xFFFD;
        ecrit(DM::T0CON, cfg);
        ecrit(DM::TMR0H, static_cast<Byte>(depart >> 8));
        ecrit(DM::TMR0L, static_cast<Byte>(depart));
        p->getDM()->clrBit(DM::INTCON, 2);
        for (int k = 1; k <= 4 * periode + 2; ++k) {
            tick();
            const int comptes = (k - 1) / periode;
            const int attendu = comptes < 3 ? depart + comptes : comptes - 3;
            ASSERT_EQ(t0->getTmr0(), attendu) << "tick " << k;
            ASSERT_EQ(tmr0if(), comptes >= 3) << "tick " << k;
            if (k % 3 == 0) {   // the program's view: TMR0L, then the latched TMR0H
                ASSERT_EQ(litRegistre(DM::TMR0L), attendu & 0xFF);
                if (!huitBits) {
                    ASSERT_EQ(litRegistre(DM::TMR0H), attendu >> 8);
                }
            }
        }
    }
}

// Overflows further than the event wheel reaches (65,535 ticks) come through
// intermediate events that leave the count exact on both sides of them.
TEST_F(Timer0Test, OverflowsBeyondTheWheel)
{
    struct Cas { Byte cfg; int periode; int depart; };
    for (Cas c : {Cas{0x80, 8, 0}, Cas{0x87, 1024, 0xFF00}}) {
        SCOPED_TRACE(static_cast<int>(c.cfg));
        ecrit(DM::T0CON, c.cfg);
        ecrit(DM::TMR0H, static_cast<Byte>(c.depart >> 8));
        ecrit(DM::TMR0L, static_cast<Byte>(c.depart));
        p->getDM()->clrBit(DM::INTCON, 2);
        const int debordement = (0x10000 - c.depart) * c.periode + 1;
        const int pas = (65535 / c.periode) * c.periode;   // the intermediate events' spacing
        for (int k = 1; k <= debordement; ++k) {
            tick();
            const int ecart = k % pas;
            if (ecart > 1 && ecart < pas - 1 && k < debordement - 1 && k % 997 != 0)
                continue;
            ASSERT_EQ(t0->getTmr0(), k < debordement ? c.depart + (k - 1) / c.periode : 0) << "tick " << k;
            ASSERT_EQ(tmr0if(), k == debordement) << "tick " << k;
        }
        ASSERT_TRUE(t0->estEnregistre());
    }
}

// A write in the middle of a count restarts the period from the write, whatever the
// new prescaler, the width or the value.
TEST_F(Timer0Test, WritesInTheMiddleOfACount)
{
    for (int decalage = 0; decalage < 16; ++decalage) {
        SCOPED_TRACE(decalage);
        ecrit(DM::T0CON, 0x81);   // 16 bits, 1:2: 16 ticks a count
        ecrit(DM::TMR0H, 0x01);
        ecrit(DM::TMR0L, 0x00);
        tick(16 * 3 + decalage);
        ASSERT_EQ(t0->getTmr0(), 0x103 - (decalage == 0));
        ecrit(DM::T0CON, 0x80);   // 1:2: 8 ticks
        const int avant = t0->getTmr0();
        tick(8);
        ASSERT_EQ(t0->getTmr0(), avant);
        tick(1);
        ASSERT_EQ(t0->getTmr0(), avant + 1);
        tick(decalage);
        // TMR0L set while counting: the high byte from the buffer, a new period.
        ecrit(DM::TMR0H, 0x22);
        ecrit(DM::TMR0L, 0x33);
        tick(8);
        ASSERT_EQ(t0->getTmr0(), 0x2233);
        p->getDM()->setBit(DM::TMR0L, 7);   // read, modify, write: a new period too
        ASSERT_EQ(t0->getTmr0(), 0x22B3);
        tick(8);
        ASSERT_EQ(t0->getTmr0(), 0x22B3);
        tick(1);
        ASSERT_EQ(t0->getTmr0(), 0x22B4);
        tick(decalage);
        // Down to 8 bits with a count above 255: the next count wraps and sets the flag.
        p->getDM()->clrBit(DM::INTCON, 2);
        ecrit(DM::T0CON, 0xC8);
        tick(4);
        ASSERT_EQ(t0->getTmr0(), 0x22B4 + (decalage >= 8));
        ASSERT_FALSE(tmr0if());
        tick(1);
        ASSERT_EQ(t0->getTmr0(), 0);
        ASSERT_TRUE(tmr0if());
        tick(4 * 2 + decalage % 4);
        ecrit(DM::T0CON, 0xE8);   // on RA4, which does not move: frozen
        tick(decalage + 5);
        ASSERT_EQ(t0->getTmr0(), 2);
        ecrit(DM::T0CON, 0x48);   // off: frozen
        tick(decalage + 5);
        ASSERT_EQ(t0->getTmr0(), 2);
    }
}

// Program reads (in the second tick of an instruction) against counts started
// between two ticks at each phase of the instruction cycle, including the count
// whose event is due at the end of the very tick of the read.
TEST_F(Timer0Test, ReadsByTheProgramAtEveryPhaseOfTheCount)
{
    // movf TMR0L, W; movwf POSTINC2, eight times, then bra back
    for (int i = 0; i < 8; ++i) {
        p->getFM()->write(static_cast<DWord>(4 * i), 0x50D6);
        p->getFM()->write(static_cast<DWord>(4 * i + 2), 0x6EDE);
    }
    p->getFM()->write(32, 0xD7EF);
    std::string lectures;
    for (int phase = 0; phase < 8; ++phase) {
        p->powerOnReset();
        p->getDM()->write(DM::FSR2H, 0x01);
        p->getDM()->write(DM::FSR2L, 0x00);
        p->clock4();
        tick(phase);
        ecrit(DM::T0CON, 0xC0);   // 8 bits, 1:2: 8 ticks a count
        ecrit(DM::TMR0L, 0xFB);
        p->getDM()->clrBit(DM::INTCON, 2);
        while (p->getEtat() != 0)
            tick();
        for (int i = 0; i < 16; ++i)
            p->clock4();
        lectures += ramHex(*p, 0x100, 8) + " " + std::to_string(lit(DM::INTCON) & 0x04) + "\n";
    }
    // Phase 1: the read of the second instruction falls in the tick whose end brings
    // the first count, and still sees the value written.
    EXPECT_EQ(lectures, "fbfcfdfeff000102 4\n"
                        "fbfbfcfdfeff0001 4\n"
                        "00fbfcfdfeff0001 4\n"
                        "00fbfcfdfeff0001 4\n"
                        "00fbfcfdfeff0001 4\n"
                        "00fbfcfdfeff0001 4\n"
                        "00fbfcfdfeff0001 4\n"
                        "00fbfcfdfeff0001 4\n");
}

TEST(Timer0Program, SamplesAcrossCountsOverflowsAndWrites)
{
    auto p = chargeProgramme("periph_timer0_lectures");
    EXPECT_EQ(executeJusquaArret(*p), 62068u);
    // TMR0L, TMR0H, INTCON of ten samples, one series a line: 16 bits with no
    // prescaler, then 1:2 to 1:256; the same in 8 bits.
    EXPECT_EQ(ramHex(*p, 0x100, 18 * 30),
              "c2ff00cfff00dcff00e9ff00f6ff000300041000041d00042a0004370004"
              "e1ff00e8ff00eeff00f5ff00fbff000200040800040f00041500041c0004"
              "f0ff00f4ff00f7ff00faff00fdff000100040400040700040a00040e0004"
              "f8ff00faff00fbff00fdff00feff00000004020004030004050004070004"
              "faff00fbff00fcff00feff00ffff00010004020004030004050004060004"
              "f9ff00faff00fbff00fdff00feff00000004010004030004040004060004"
              "f9ff00faff00fbff00fdff00feff00000004010004030004040004050004"
              "f9ff00faff00fbff00fdff00feff00000004010004020004040004050004"
              "f9ff00faff00fbff00fdff00feff00000004010004020004040004050004"
              "c20000cf0000dc0000e90000f600000300041000041d00042a0004370004"
              "e10000e80000ee0000f50000fb00000200040800040f00041500041c0004"
              "f00000f40000f70000fa0000fd00000100040400040700040a00040e0004"
              "f80000fa0000fb0000fd0000fe0000000004020004030004050004070004"
              "fa0000fb0000fc0000fe0000ff0000010004020004030004050004060004"
              "f90000fa0000fb0000fd0000fe0000000004010004030004040004060004"
              "f90000fa0000fb0000fd0000fe0000000004010004030004040004050004"
              "f90000fa0000fb0000fd0000fe0000000004010004020004040004050004"
              "f90000fa0000fb0000fd0000fe0000000004010004020004040004050004");
    // The writes while counting, in the program's order.
    EXPECT_EQ(ramHex(*p, 0x400, 48),
              "040000060000090000890000" "8d0000fe1200fe1200001204"
              "021204031204031204051204" "061204" "fe0004" "0404" "12fe" "1302");
}

}  // namespace

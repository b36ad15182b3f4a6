// The A/D converter: timing, codes and justification, the hold capacitor, and writes
// to ADCON0 while it works.
// Registers written between two ticks: a delay d fires at the end of tick d + 1.

#include <gtest/gtest.h>

#include <cmath>

#include "harness.h"

namespace {

using DM = DataMemory;

class Adc : public PuceTest
{
protected:
    void SetUp() override
    {
        ecrit(DM::ADCON1, 0x0D);   // AN0, AN1
        ecrit(DM::ADCON2, 0x80);   // right justified, no acquisition time, TAD = 2 ticks
        ecrit(DM::ADCON0, 0x01);
        p->getPortA()->connecte(0, &ra0);
    }
    bool go() { return lit(DM::ADCON0) & 0x02; }
    // Starts a conversion and waits for GO/DONE; the ticks it took.
    int convertit()
    {
        p->getDM()->setBit(DM::ADCON0, 1);
        int n = 0;
        for (; go() && n < 100000; ++n)
            tick();
        return n;
    }
    int code(double v)
    {
        ra0.setSrc(v, 100.0);
        tick(1000);
        convertit();
        return lit(DM::ADRESH) * 256 + lit(DM::ADRESL);
    }

    Connexion ra0;
};

TEST_F(Adc, CodesAndJustification)
{
    EXPECT_EQ(code(2.5), 0x200);
    EXPECT_EQ(code(5.0), 0x3FF);
    EXPECT_EQ(code(1.0), 204);
    EXPECT_EQ(code(-1.0), 0);
    ecrit(DM::ADCON2, 0x00);
    EXPECT_EQ(code(2.5), 0x8000);
    EXPECT_EQ(code(5.0), 0xFFC0);
}

TEST_F(Adc, ConversionTime)
{
    ecrit(DM::ADCON2, 0x96);   // 4 TAD acquisition, TAD = 64 ticks
    p->getDM()->clrBit(DM::PIR1, 6);
    EXPECT_EQ(convertit(), 16 * 64 + 1);
    EXPECT_TRUE(lit(DM::PIR1) & 0x40);
    EXPECT_FALSE(p->getADC()->estEnregistre());
    ecrit(DM::ADCON2, 0x82);   // no acquisition time: the sample one TAD after GO
    EXPECT_EQ(convertit(), 13 * 32 + 1);
}

TEST_F(Adc, SwitchOnAndGoInTheSameWrite)
{
    ecrit(DM::ADCON0, 0x00);
    ecrit(DM::ADCON0, 0x03);
    tick(100);
    EXPECT_TRUE(go());   // only switched on
    ecrit(DM::ADCON0, 0x03);
    tick(13 * 2 + 1);
    EXPECT_FALSE(go());
}

TEST_F(Adc, HoldCapacitorOnAChannelChange)
{
    Connexion ra1;
    ra1.setSrc(5.0, 10000.0);
    p->getPortA()->connecte(1, &ra1);
    code(0.0);
    const double v0 = p->getADC()->getSample();
    // Select AN1 and start at once: 3 ticks of charge from AN0's voltage through 13 kohm.
    ecrit(DM::ADCON0, 0x05);
    ecrit(DM::ADCON0, 0x07);
    tick(13 * 2 + 1);
    const double v1 = ra1.getVin();
    const double attendu = v1 + (v0 - v1) * std::exp(-enSecondes(3.0) / (13000.0 * 25e-12));
    EXPECT_NEAR(p->getADC()->getSample(), attendu, 1e-12);
    EXPECT_EQ(lit(DM::ADRESH) * 256 + lit(DM::ADRESL), static_cast<int>(attendu * 1024.0 / 5.0));
}

TEST_F(Adc, Adcon0WritesDuringAConversion)
{
    ecrit(DM::ADCON2, 0x96);
    // A write that keeps ADON and GO set leaves the timing alone.
    p->getDM()->setBit(DM::ADCON0, 1);
    tick(300);
    ecrit(DM::ADCON0, 0x03);
    tick(16 * 64 - 300);
    EXPECT_TRUE(go());
    tick(1);
    EXPECT_FALSE(go());

    // Clearing GO/DONE abandons it: no result, no flag; the next one starts normally.
    ecrit(DM::ADRESH, 0x55);
    p->getDM()->clrBit(DM::PIR1, 6);
    p->getDM()->setBit(DM::ADCON0, 1);
    tick(500);
    p->getDM()->clrBit(DM::ADCON0, 1);
    tick(2000);
    EXPECT_EQ(lit(DM::ADRESH), 0x55);
    EXPECT_FALSE(lit(DM::PIR1) & 0x40);
    EXPECT_EQ(convertit(), 16 * 64 + 1);

    p->getDM()->setBit(DM::ADCON0, 1);
    tick(10);
    ecrit(DM::ADCON0, 0x02);   // ADON cleared: off from any state
    EXPECT_EQ(p->getADC()->getEtat(), EtatOff);
    EXPECT_FALSE(p->getADC()->estEnregistre());
}

// ADCON2 written at every tick of a conversion: the TAD under way keeps its length,
// the following ones take the new one; the sample (seen through a slowly charging
// hold capacitor) is taken at the end of the last acquisition TAD.
TEST_F(Adc, TadAndAcquisitionTimeChangedAtEveryTick)
{
    ra0.setSrc(5.0, 2e5);   // 240 ticks of time constant: the code tells the sample's tick
    Connexion ra1;
    ra1.setSrc(0.0, 100.0);
    p->getPortA()->connecte(1, &ra1);
    std::string releve;
    for (Byte nouveau : {0x91, 0x96, 0x8E, 0xBE, 0x80}) {
        for (int instant : {0, 1, 2, 62, 63, 64, 65, 127, 128, 129, 255, 256, 257, 300, 1022, 1023, 1024}) {
            ecrit(DM::ADCON2, 0x80);
            ecrit(DM::ADCON0, 0x05);   // AN1 at 0 V: the hold capacitor emptied
            tick(200);
            convertit();
            ecrit(DM::ADCON2, 0x96);   // 4 TAD acquisition, 64 ticks
            ecrit(DM::ADCON0, 0x01);
            p->getDM()->setBit(DM::ADCON0, 1);
            tick(instant);
            ecrit(DM::ADCON2, nouveau);
            int n = instant;
            for (; go() && n < 100000; ++n)
                tick();
            releve += std::to_string(n) + ":" + std::to_string(lit(DM::ADRESH) * 256 + lit(DM::ADRESL)) + " ";
        }
        releve += "\n";
    }
    // Ticks from GO to the result, and the code, at each instant of the write.
    EXPECT_EQ(releve,
              "185:313 185:313 185:313 185:313 185:313 185:313 241:459 241:459 241:459 297:575 353:667 353:667 409:667 409:667 1025:667 1025:667 1025:667 \n"   // TAD 64 -> 8 ticks
              "1025:667 1025:667 1025:667 1025:667 1025:667 1025:667 1025:667 1025:667 1025:667 1025:667 1025:667 1025:667 1025:667 1025:667 1025:667 1025:667 1025:667 \n"   // the same ADCON2
              "897:420 897:420 897:420 897:420 897:420 897:420 897:420 897:420 897:420 961:560 1025:667 1025:667 1025:667 1025:667 1025:667 1025:667 1025:667 \n"   // acquisition 4 -> 2 TAD
              "2049:1018 2049:1018 2049:1018 2049:1018 2049:1018 2049:1018 2049:1018 2049:1018 2049:1018 2049:1018 2049:1018 2049:1018 1025:667 1025:667 1025:667 1025:667 1025:667 \n"   // acquisition 4 -> 20 TAD
              "89:239 89:239 89:239 89:239 89:239 89:239 153:420 153:420 153:420 217:560 281:667 281:667 343:667 343:667 1025:667 1025:667 1025:667 \n"   // no acquisition, TAD 2 ticks
    );
}

// With the RC clock a TAD is the longest delay the event wheel holds.
TEST_F(Adc, RcClockAndTheWayBack)
{
    ecrit(DM::ADCON2, 0x8B);   // 2 TAD acquisition, RC
    p->getDM()->setBit(DM::ADCON0, 1);
    tick(100000);
    ecrit(DM::ADCON2, 0x88);   // Fosc/2 from the end of the second TAD on
    int n = 100000;
    for (; go() && n < 1000000; ++n)
        tick();
    EXPECT_EQ(n, 2 * 65535 + 12 * 2 + 1);
    EXPECT_EQ(convertit(), (2 + 12) * 2 + 1);
}

TEST(AdcProgram, ConversionAwaitedByPolling)
{
    auto p = chargeProgramme("periph_adc");
    Connexion pot;
    pot.setSrc(2.5, 100.0);
    p->getPortA()->connecte(0, &pot);
    // GO is set at tick 32 (Q4 of cycle 7) and clears at the end of tick 32 + 1,024;
    // the 65th round reads ADCON0 at tick 1,066.
    EXPECT_EQ(executeJusquaArret(*p), 4u * 272);
    EXPECT_EQ(ram(*p, 0x30), 65);
    EXPECT_EQ(ram(*p, 0x31), 0x02);
    EXPECT_EQ(ram(*p, 0x32), 0x00);
}

TEST(AdcProgram, SettingsChangedWhileConverting)
{
    auto p = chargeProgramme("periph_adc_reprises");
    EXPECT_EQ(executeJusquaArret(*p), 10236u);
    // Polling rounds and PIR1 of each conversion (ADCON0 and PIR1 after an abandon).
    EXPECT_EQ(ramHex(*p, 0x100, 24), "41400c400b400a401540344080400b4005003c4001001b40");
}

}  // namespace

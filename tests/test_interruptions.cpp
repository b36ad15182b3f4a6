// Interrupts of the silicon mode, from small programs that log what their routines
// saw; in the default mode the same programs never vector. The logs of
// silicium_interruptions were checked against gpsim; the cases where gpsim departs
// from the data sheet (silicium_ecarts, the nesting of priorities) against the data
// sheet's rules.

#include <gtest/gtest.h>

#include "harness.h"
#include "lanceur.h"

TEST(Interruptions, SourcesEnablesPrioritiesAndTheFastStackInBothModes)
{
    struct Cas
    {
        const char* programme;
        bool silicium;
        const char* journal;   // RAM from 0x100
    };
    const Cas cas[] = {
        // Triplets vector, return address, expected return; markers 0xEn. Compatibility
        // mode: TMR0, INT0 (not without INT0IE), RB; TMR2 waiting for PEIE, ADIF,
        // TMR3IF; GIE cleared with the flag raised; skip; MOVFF. Priority mode:
        // TMR0 low then high, INT0, RB low, TMR2 low waiting for GIEL, ADIF high
        // with GIEL clear. RETFIE FAST after a high and a low vectoring.
        {"silicium_interruptions", true,
         "0842424c085858086464e174087c7c088888089494e208a8a8e308bcbc08cccce518e2e208ecec08f8f8"
         "1806061618" "1e1e082e2ee6084a5a0d021860a51a03e7"},
        {"silicium_interruptions", false, "424c5864e1747c8894e2a8e3bccce5e2ecf806161e2ee65a0d02a51a03e7"},
        // IPR1 and IPR2 at power-on; INT1IF and INT2IF set by the program; a skip over
        // a two-word instruction returns past it; INT1 low.
        {"silicium_ecarts", true, "ffff083c3c0848480" "85a5a186a6a"},
        {"silicium_ecarts", false, "00003c485a6a"},
        // A high-priority routine inside the low one (GIEH and GIEL cleared there),
        // back to it, then out with both set; a low flag raised in the high routine
        // vectors after its RETFIE.
        {"silicium_imbrication", true, "4ca44820686c4de048606" "84ca46c4de0"},
        {"silicium_imbrication", false, "4de44de4"},
    };
    for (const Cas& c : cas) {
        auto p = chargeProgramme(c.programme, c.silicium);
        executeJusquaArret(*p);
        const std::string attendu = c.journal;
        EXPECT_EQ(ramHex(*p, 0x100, static_cast<int>(attendu.size() / 2)), attendu)
            << c.programme << (c.silicium ? ", silicon" : ", default");
    }
}

TEST(Interruptions, VectorThreeCyclesAfterTheFlagsCycleFourAfterAPinEdgeWhateverTheInstruction)
{
    // From the Q1 of the cycle in which the flag rose (Timer0's overflow) to the Q1 of
    // the vector's first instruction: 12 ticks, whether the cycle was a one-cycle
    // instruction, either cycle of a MOVFF, a taken branch or its NOP, a skip or its
    // NOP. An edge of RB0 (the program's own output) passes the synchroniser: 16.
    for (int genre = 0; genre < 5; ++genre) {
        for (int depart : {0xF0, 0xF1, 0xF2, 0xF3}) {
            SCOPED_TRACE("kind " + std::to_string(genre) + ", Timer0 from " + std::to_string(depart));
            auto p = chargeProgramme("silicium_latence", true);
            Sonde sonde(0.0, 1e5);   // holds RB0 low while it is an input
            p->getPortB()->connecte(0, &sonde);
            p->getDM()->write(0xF0, static_cast<Byte>(genre));
            p->getDM()->write(0xF1, static_cast<Byte>(depart));
            uint64_t debutCycle = 0, cycleDuDrapeau = 0, vecteur = 0;
            for (int t = 0; t < 8000 && !vecteur; ++t) {
                p->clock();
                if (p->getEtat() == 1 || p->getEtat() == 5)
                    debutCycle = p->time();
                const Byte registre = p->getDM()->readDirect(genre == 4 ? DataMemory::PORTB : DataMemory::INTCON);
                if ((registre & (genre == 4 ? 0x01 : 0x04)) && !cycleDuDrapeau)
                    cycleDuDrapeau = debutCycle;
                if (p->getEtat() == 1 && p->getInstrPC() == 0x08 && p->getInstrPtr() != p->getJeu()->nop())
                    vecteur = p->time();
            }
            ASSERT_NE(cycleDuDrapeau, 0u);
            EXPECT_EQ(vecteur - cycleDuDrapeau, genre == 4 ? 16u : 12u);
            p->getPortB()->deconnecte(0);
        }
    }
    // The default mode never vectors.
    auto p = chargeProgramme("silicium_latence", false);
    p->getDM()->write(0xF1, 0xF0);
    for (int i = 0; i < 3000; ++i)
        p->clock4();
    EXPECT_EQ(ram(*p, 0x21), 0);
    EXPECT_TRUE(p->getDM()->readDirect(DataMemory::INTCON) & 0x04);
}

TEST(Interruptions, RbChangeOnlyOnRB4ToRB7InputsAndUntilPortBIsRead)
{
    // silicium_rb counts changes in 0x20 and reads PORTB in its routine.
    auto p = chargeProgramme("silicium_rb", true);
    Sonde rb3(5.0, 100.0), rb4(5.0, 100.0);
    p->getPortB()->connecte(3, &rb3);
    p->getPortB()->connecte(4, &rb4);
    auto attend = [&] {
        for (int i = 0; i < 400; ++i)
            p->clock4();
    };
    attend();
    EXPECT_EQ(ram(*p, 0x20), 0);
    rb3.setSrc(0.0, 100.0);   // RB3: no change interrupt
    attend();
    EXPECT_EQ(ram(*p, 0x20), 0);
    rb4.setSrc(0.0, 100.0);
    attend();
    EXPECT_EQ(ram(*p, 0x20), 1);   // once: the routine's read ended the mismatch
    EXPECT_EQ(ram(*p, 0x21) & 0x18, 0x00);
    rb4.setSrc(5.0, 100.0);
    attend();
    EXPECT_EQ(ram(*p, 0x20), 2);
    // RBIF cleared while the mismatch lasts is set again.
    p->getDM()->write(DataMemory::INTCON, 0x00);
    rb4.setSrc(0.0, 100.0);
    attend();
    p->getDM()->write(DataMemory::INTCON, 0x00);
    EXPECT_EQ(p->getDM()->readDirect(DataMemory::INTCON) & 0x01, 0x01);
    p->getDM()->read(DataMemory::PORTB);
    p->getDM()->write(DataMemory::INTCON, 0x00);
    EXPECT_EQ(p->getDM()->readDirect(DataMemory::INTCON) & 0x01, 0x00);
    p->getPortB()->deconnecte(3);
    p->getPortB()->deconnecte(4);
}

// The robot's jack and switch, wired to RB0 and RB1 by the example robot, are INT0 and
// INT1: the jack, in at power-on, pulled out then put back gives one falling edge of
// RB0; the switch pressed then released gives both edges of RB1.
TEST(Interruptions, TheRobotsJackAndSwitchOnInt0AndInt1)
{
    for (const bool silicium : {true, false}) {
        std::vector<std::string> arguments = {"--ms", "50", "--robot", TAVREX_ROBOT_EXEMPLE, "--at", "10",
                                              "jack-out", "--at", "15", "jack-in", "--at", "20", "fdc-press", "--at", "30",
                                              "fdc-release", "--dump", "--warnings=none", cheminHex("silicium_robot")};
        if (silicium)
            arguments.insert(arguments.begin(), "--silicon");
        const Sortie s = lanceCli(arguments);
        ASSERT_EQ(s.code, 0) << s.erreurs;
        EXPECT_NE(s.texte.find(silicium ? "\n020: 01 02 " : "\n020: 00 00 "), std::string::npos) << silicium;
    }
}

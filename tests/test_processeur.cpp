// The cycle engine: pipeline, tick accounting, resets, and the tick's end of work.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "harness.h"
#include "processeur.h"

namespace {

// Writes a program word by word (little-endian bytes) into program memory.
void ecrire(P18f4550& p, DWord adresse, const std::vector<Word>& mots)
{
    for (Word w : mots) {
        p.getFM()->write(adresse, w);
        adresse += 2;
    }
}

constexpr Word MOVLW(Byte k) { return static_cast<Word>(0x0E00 | k); }
constexpr Word MOVWF(Byte f) { return static_cast<Word>(0x6E00 | f); }   // access bank
constexpr Word INCF(Byte f) { return static_cast<Word>(0x2A00 | f); }    // d = 1, access bank
constexpr Word BRA(int n) { return static_cast<Word>(0xD000 | (n & 0x7FF)); }
constexpr Word RESET_ = 0x00FF;

}  // namespace

TEST(Processor, FirstCycleAfterResetExecutesTheNopWhileFetchingAddressZero)
{
    auto p = std::make_unique<P18f4550>();
    ecrire(*p, 0, {MOVLW(0x42), BRA(-1)});
    p->powerOnReset();
    const uint64_t t0 = p->time();
    EXPECT_EQ(p->clock4(), 4);
    EXPECT_EQ(p->getDM()->w(), 0x00);   // the NOP, not the MOVLW, ran
    EXPECT_EQ(p->getFetchPC(), 0u);
    EXPECT_EQ(p->clock4(), 4);
    EXPECT_EQ(p->getDM()->w(), 0x42);
    EXPECT_EQ(p->time() - t0, 8u);
}

TEST(Processor, TicksAreTheSumOfWhatClock4Returns)
{
    auto p = chargeProgramme("instr_call");
    uint64_t somme = 0;
    const uint64_t t0 = p->time();
    for (int i = 0; i < 5000; ++i)
        somme += static_cast<uint64_t>(p->clock4());
    EXPECT_EQ(p->time() - t0, somme);
}

TEST(Processor, SingleTicksFollowTheSameStatesAsWholeInstructions)
{
    // The same program run with clock4() and with clock() must reach the same state
    // at every instruction boundary.
    // Quiet instructions (access RAM, plain SFR reads) run their cycle at once, the
    // others tick by tick: the programs mix both, with and without events nearby.
    // Both modes: in the silicon one the interrupt programs vector at every kind of
    // word.
    for (bool silicium : {false, true})
    for (const char* nom : {"instr_arith", "instr_call", "instr_fsr", "instr_table", "instr_skip", "instr_bank",
                            "instr_branch", "instr_misc", "carte_entrees", "lcd_busy", "periph_timer0",
                            "periph_timer2", "periph_adc", "periph_timer0_lectures", "periph_adc_reprises",
                            "silicium_interruptions", "silicium_imbrication", "silicium_latence", "silicium_rb"}) {
        SCOPED_TRACE(std::string(nom) + (silicium ? ", silicon" : ""));
        auto a = chargeProgramme(nom, silicium);
        auto b = chargeProgramme(nom, silicium);
        // At least 3,000 instructions, and the programs that store samples to their end.
        auto arrive = [&] { return a->getFetchPtr()->getInstr() == motBraSurPlace; };
        for (int i = 0; i < 3000 || (i < 40000 && !arrive()); ++i) {
            const int ticks = a->clock4();
            for (int t = 0; t < ticks; ++t)
                b->clock();
            ASSERT_EQ(b->getEtat(), 0) << "instruction " << i;
            ASSERT_EQ(a->time(), b->time());
            ASSERT_EQ(a->getDM()->getPC(), b->getDM()->getPC());
            ASSERT_EQ(a->getInstrPC(), b->getInstrPC());
            ASSERT_EQ(a->getDM()->w(), b->getDM()->w());
            ASSERT_EQ(a->getDM()->readStatus(), b->getDM()->readStatus());
        }
        for (Word adr = 0; adr < 0x800; ++adr)
            ASSERT_EQ(ram(*a, adr), ram(*b, adr)) << "address " << adr;
    }
}

namespace {
// Notes the tick at which it fires; optionally registers again.
class Horloge : public Evenement
{
public:
    Horloge(P18f4550& p, uint16_t periode) : p(p), periode(periode) {}
    void executer() override
    {
        supprimer();
        instants.push_back(p.time());
        if (periode)
            enregistrer(periode, p.getListeEvts());
    }
    P18f4550& p;
    uint16_t periode;
    std::vector<uint64_t> instants;
};
}  // namespace

TEST(Processor, EventsFireAtTheirTickWhateverTheGapBetweenThem)
{
    // Ticks known to be free of events are passed quickly; an event registered
    // between instructions, far ahead or just ahead, still fires at its own tick.
    auto p = chargeProgramme("instr_arith");
    for (uint16_t delai : {0, 1, 3, 7, 8, 9, 100, 48000, 65535}) {
        SCOPED_TRACE(delai);
        Horloge h(*p, 0);
        const uint64_t t0 = p->time();
        h.enregistrer(delai, p->getListeEvts());
        while (p->time() < t0 + delai + 20)
            p->clock4();
        ASSERT_EQ(h.instants.size(), 1u);
        EXPECT_EQ(h.instants[0], t0 + delai + 1);
    }
    // A periodic event keeps its period across instructions of both lengths.
    Horloge periodique(*p, 37);
    const uint64_t debut = p->time();
    periodique.enregistrer(5, p->getListeEvts());
    while (p->time() < debut + 10000)
        p->clock4();
    ASSERT_GT(periodique.instants.size(), 200u);
    for (size_t i = 0; i < periodique.instants.size(); ++i)
        ASSERT_EQ(periodique.instants[i], debut + 6 + 37 * i);
    periodique.supprimer();
}

namespace {
// Runs `a` by runs of whole instructions ending anywhere (1 to `course` ticks) and `b`
// tick by tick up to the same instants, until `fin`, with a periodic event of the
// test's own on each; the pipeline (both counters, the fetched word, a NOP in the
// execute stage, the instruction starts the LCD is stepped by), the core and, at the
// end, RAM, the stack and the event instants must agree. `debuts`: the starts counted.
void compareCoursesEtTicks(P18f4550& a, P18f4550& b, uint64_t fin, uint16_t periode, uint32_t course,
                           uint64_t& debuts)
{
    Horloge ha(a, periode), hb(b, periode);
    ha.enregistrer(3, a.getListeEvts());
    hb.enregistrer(3, b.getListeEvts());
    uint64_t debutsA = 0, debutsB = 0;
    uint32_t hasard = periode;
    while (a.time() < fin) {
        hasard = hasard * 1103515245u + 12345u;
        debutsA += a.executeCalmes(a.time() + 1 + (hasard >> 16) % course);
        while (b.time() < a.time() || b.getEtat() != 0) {
            debutsB += b.getEtat() == 0;
            b.clock();
        }
        ASSERT_EQ(a.time(), b.time());
        ASSERT_EQ(debutsA, debutsB);
        ASSERT_EQ(a.getInstrPC(), b.getInstrPC());
        ASSERT_EQ(a.getFetchPC(), b.getFetchPC());
        ASSERT_EQ(a.getInstrPtr() == a.getJeu()->nop(), b.getInstrPtr() == b.getJeu()->nop());
        ASSERT_EQ(a.getFetch(), b.getFetch());
        ASSERT_EQ(a.getDM()->getPC(), b.getDM()->getPC());
        ASSERT_EQ(a.getDM()->w(), b.getDM()->w());
        ASSERT_EQ(a.getDM()->readStatus(), b.getDM()->readStatus());
        ASSERT_EQ(a.getDM()->readFSR0(), b.getDM()->readFSR0());
        ASSERT_EQ(a.getDM()->readFSR1(), b.getDM()->readFSR1());
        ASSERT_EQ(a.getDM()->readFSR2(), b.getDM()->readFSR2());
    }
    EXPECT_EQ(ha.instants, hb.instants);
    for (Word adr = 0; adr < 0x800; ++adr)
        EXPECT_EQ(ram(a, adr), ram(b, adr)) << "address " << adr;
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ(a.getDM()->stackEntry(i), b.getDM()->stackEntry(i)) << "stack " << i;
    ha.supprimer();
    hb.supprimer();
    debuts = debutsA;
}
}  // namespace

TEST(Processor, QuietRunsReachTheSameStatesAsSingleTicks)
{
    // Runs of quiet instructions (banked RAM, FSR targets, MOVFF found quiet at the
    // start of their cycle; jumps, skips, table reads, a stack-overflow reset) against
    // single ticks, with the event falling at every phase of the cycles, so that each
    // kind of word runs both ways and each way out of a stretch is taken.
    for (bool silicium : {false, true})
    for (const char* nom : {"instr_fsr", "instr_bank", "instr_table", "instr_call", "instr_skip", "instr_branch",
                            "cmp_memory", "cmp_control", "silicium_latence", "silicium_rb"}) {
        for (uint16_t periode : {7, 29, 613}) {
            SCOPED_TRACE(std::string(nom) + " period " + std::to_string(periode) + (silicium ? ", silicon" : ""));
            auto a = chargeProgramme(nom, silicium);
            auto b = chargeProgramme(nom, silicium);
            uint64_t debuts = 0;
            compareCoursesEtTicks(*a, *b, 40000, periode, 400, debuts);
            EXPECT_GT(debuts, 5000u);
        }
    }
}

TEST(Processor, RandomProgramsRunAlikeByRunsAndBySingleTicks)
{
    // Random words, most of them with an access-RAM operand so that long stretches of
    // quiet words form (every mnemonic, jumps anywhere, skips, table reads, resets,
    // stack overflows, SFR writes that start peripherals): what each word's call tells
    // the run loop (the counter it leaves, a flush, a second cycle, a reset) must lead
    // where the ticks lead.
    uint32_t hasard = 2026;
    auto tire = [&hasard] {
        hasard = hasard * 1103515245u + 12345u;
        return hasard >> 8;
    };
    for (int essai = 0; essai < 24; ++essai) {
        // Jumps go forward inside the program, which loops (a `bra` back to its start
        // at the end): the run neither slides through empty program memory nor stays
        // in one short loop.
        std::vector<Word> mots(256);
        for (size_t i = 0; i + 1 < mots.size(); ++i) {
            Word w = static_cast<Word>(tire());
            if (tire() % 8 < 6)
                w = static_cast<Word>((w & 0xFE00) | (tire() % 0x60));   // access RAM, a = 0
            const Word avant = static_cast<Word>(tire() % 16);
            if ((w & 0xF000) == 0xD000)   // BRA, RCALL
                w = static_cast<Word>((w & 0xF800) | avant);
            if ((w & 0xF800) == 0xE000)   // the conditional branches
                w = static_cast<Word>((w & 0xFF00) | avant);
            if ((w & 0xFE00) == 0xEC00 || (w & 0xFF00) == 0xEF00) {   // CALL, GOTO
                w = static_cast<Word>((w & 0xFF00) | std::min<size_t>(i + 2 + avant, mots.size() - 1));
                mots[i++] = w;
                w = 0xF000;
            }
            mots[i] = w;
        }
        mots.back() = BRA(-256);
        // In the silicon mode the words that write INTCON, PIRx, PIEx or RCON make
        // interrupts too, which vector into the program.
        for (bool silicium : {false, true}) {
            SCOPED_TRACE("program " + std::to_string(essai) + (silicium ? ", silicon" : ""));
            auto a = std::make_unique<P18f4550>();
            auto b = std::make_unique<P18f4550>();
            a->setSilicium(silicium);
            b->setSilicium(silicium);
            ecrire(*a, 0, mots);
            ecrire(*b, 0, mots);
            a->powerOnReset();
            b->powerOnReset();
            uint64_t debuts = 0;
            compareCoursesEtTicks(*a, *b, 30000, 61, 300, debuts);
            EXPECT_GT(debuts, 3000u);
        }
    }
}

TEST(Processor, WaitLoopsPassedAtOnceReachTheSameStatesAsSingleTicks)
{
    // Runs pass whole turns of wait loops up to the next event and short of their
    // end: against single ticks, with runs ending anywhere, the peripherals' events
    // and a sparse event of the test's own. The instruction starts counted (the LCD
    // steps once per start) must agree too.
    auto a = chargeProgramme("attentes");
    auto b = chargeProgramme("attentes");
    Horloge ha(*a, 997), hb(*b, 997);
    ha.enregistrer(3, a->getListeEvts());
    hb.enregistrer(3, b->getListeEvts());
    uint64_t debutsA = 0, debutsB = 0;
    uint32_t hasard = 12345;
    while (a->time() < 150000) {
        hasard = hasard * 1103515245u + 12345u;
        debutsA += a->executeCalmes(a->time() + 1 + (hasard >> 16) % 3000);
        while (b->time() < a->time() || b->getEtat() != 0) {
            debutsB += b->getEtat() == 0;
            b->clock();
        }
        ASSERT_EQ(a->time(), b->time());
        ASSERT_EQ(debutsA, debutsB);
        ASSERT_EQ(a->getInstrPC(), b->getInstrPC());
        ASSERT_EQ(a->getFetchPC(), b->getFetchPC());
        ASSERT_EQ(a->getDM()->getPC(), b->getDM()->getPC());
        ASSERT_EQ(a->getDM()->w(), b->getDM()->w());
        ASSERT_EQ(a->getDM()->readStatus(), b->getDM()->readStatus());
    }
    EXPECT_EQ(ram(*a, 0x22), 6);   // every round ran, then the final `bra $`
    EXPECT_EQ(ha.instants, hb.instants);
    for (Word adr = 0; adr < 0x1000; ++adr)
        ASSERT_EQ(a->getDM()->read(adr), b->getDM()->read(adr)) << "address " << adr;
    ha.supprimer();
    hb.supprimer();
}

TEST(Processor, ResetInstructionRestartsWithoutTouchingRegisters)
{
    auto p = std::make_unique<P18f4550>();
    // 0: movlw 0x37; 2: movwf 0x10; 4: incf 0x11; 6: reset
    ecrire(*p, 0, {MOVLW(0x37), MOVWF(0x10), INCF(0x11), RESET_});
    p->powerOnReset();
    p->getDM()->write(Word(0xFD8), 0x1F);   // STATUS
    for (int i = 0; i < 5; ++i)             // NOP, MOVLW, MOVWF, INCF, RESET
        p->clock4();
    EXPECT_EQ(p->getDM()->getPC(), 0u);
    EXPECT_EQ(ram(*p, 0x11), 1);
    EXPECT_EQ(p->getDM()->w(), 0x37);
    // The cycle after the reset is a NOP fetching address 0; then the program runs again.
    EXPECT_EQ(p->clock4(), 4);
    EXPECT_EQ(p->getInstrPtr(), p->getJeu()->nop());
    for (int i = 0; i < 3; ++i)
        p->clock4();
    EXPECT_EQ(ram(*p, 0x11), 2);
}

TEST(Processor, ResetsBetweenInstructionsRestartLikeAPowerOn)
{
    // A debugger's reset between two clock4() calls: the next cycle is the NOP that
    // fetches address 0, and the instruction there runs once, in the cycle after.
    for (bool pile : {false, true}) {
        SCOPED_TRACE(pile ? "stackReset" : "mclrReset");
        auto p = std::make_unique<P18f4550>();
        ecrire(*p, 0, {INCF(0x10), BRA(-1)});
        p->powerOnReset();
        p->clock4();   // NOP
        p->clock4();   // INCF
        EXPECT_EQ(ram(*p, 0x10), 1);
        pile ? p->stackReset() : p->mclrReset();
        EXPECT_EQ(p->clock4(), 4);
        EXPECT_EQ(p->getInstrPtr(), p->getJeu()->nop());
        EXPECT_EQ(p->getDM()->getPC(), 2u);
        for (int i = 0; i < 10; ++i)
            p->clock4();
        EXPECT_EQ(ram(*p, 0x10), 2);
    }
}

TEST(Processor, WholeInstructionAfterSingleTicksStartsAtQ1AndLeavesQ1Next)
{
    // clock4() begins a cycle whatever state clock() left, and single ticks resume
    // from Q1 after it, as they would after the same ticks run one by one.
    auto a = std::make_unique<P18f4550>();
    auto b = std::make_unique<P18f4550>();
    for (auto* p : {a.get(), b.get()}) {
        ecrire(*p, 0, {MOVLW(1), MOVLW(2), MOVLW(3), MOVLW(4), BRA(-1)});
        p->powerOnReset();
        p->clock();
        p->clock();
        p->clock4();
        EXPECT_EQ(p->getEtat(), 0);
    }
    for (int i = 0; i < 3; ++i) {
        for (int t = 0; t < 4; ++t)
            a->clock();
        b->clock4();
        ASSERT_EQ(a->getEtat(), 0);
        EXPECT_EQ(a->getDM()->w(), b->getDM()->w());
        EXPECT_EQ(a->getDM()->getPC(), b->getDM()->getPC());
    }
    EXPECT_EQ(a->getDM()->w(), 3);
}

TEST(Processor, PowerOnResetKeepsTimeAndTheEventWheelPosition)
{
    auto p = chargeProgramme("instr_arith");
    for (int i = 0; i < 1234; ++i)
        p->clock4();
    const uint64_t t = p->time();
    const uint16_t now = p->getListeEvts()->maintenant();
    EXPECT_EQ(now, static_cast<uint16_t>(t));
    p->powerOnReset();
    EXPECT_EQ(p->time(), t);
    EXPECT_EQ(p->getListeEvts()->maintenant(), now);
    EXPECT_EQ(p->getDM()->getPC(), 0u);
    EXPECT_EQ(p->getDM()->w(), 0);
}

TEST(Processor, ProgramCounterWrapsAtTheEndOfProgramMemory)
{
    auto p = std::make_unique<P18f4550>();
    p->getDM()->setPC(0x7FFE);
    p->getDM()->nextPC();
    EXPECT_EQ(p->getDM()->getPC(), 0u);
    // Running off the end: an empty memory executes NOPs and wraps to 0.
    p->powerOnReset();
    for (int i = 0; i < 0x3FFF; ++i)   // each cycle advances the counter by 2
        p->clock4();
    EXPECT_EQ(p->getDM()->getPC(), 0x7FFEu);
    p->clock4();
    EXPECT_EQ(p->getDM()->getPC(), 0u);
}

TEST(Processor, AChangedPortIsEvaluatedOnceAtTheEndOfTheTick)
{
    auto p = std::make_unique<P18f4550>();
    Sonde sonde;
    p->getPortD()->connecte(0, &sonde);
    // 0: movlw 0; 2: movwf TRISD; 4: movlw 1; 6: movwf LATD; 8: bra $
    ecrire(*p, 0, {MOVLW(0), MOVWF(0x95), MOVLW(1), MOVWF(0x8C), BRA(-1)});
    p->powerOnReset();
    sonde.evaluations = 0;
    for (int i = 0; i < 4; ++i)   // NOP, MOVLW, MOVWF TRISD, MOVLW
        p->clock4();
    EXPECT_EQ(sonde.evaluations, 1);
    // MOVWF LATD writes at Q4: the pin is evaluated at the end of that very tick.
    for (int t = 0; t < 3; ++t)
        p->clock();
    EXPECT_EQ(sonde.evaluations, 1);
    p->clock();
    EXPECT_EQ(sonde.evaluations, 2);
    EXPECT_NEAR(sonde.getVin(), 5.0, 1e-6);
    EXPECT_EQ(ram(*p, 0xF83) & 1, 1);   // PORTD holds the evaluated level
    for (int i = 0; i < 10; ++i)
        p->clock4();
    EXPECT_EQ(sonde.evaluations, 2);    // nothing changed since
    p->getPortD()->deconnecte(0);
}

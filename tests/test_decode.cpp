// Instruction decoding: the prototype table, the fallback to NOP, operand field
// extraction and the assembly text of each instruction class.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "nomsbits.h"
#include "processeur.h"

namespace {

// What program memory does with a word: decode, copy, extract the fields.
std::unique_ptr<Instruction> decodeMot(P18f4550& p, Word w)
{
    std::unique_ptr<Instruction> i(p.getJeu()->decode(w)->copie());
    i->preParametres();
    return i;
}

std::string texte(P18f4550& p, Word w)
{
    return decodeMot(p, w)->affiche();
}

// The text up to and including `fin`, for texts whose tail shows a field that is
// only filled during execution.
std::string debut(const std::string& s, const std::string& fin)
{
    const auto k = s.find(fin);
    return k == std::string::npos ? s : s.substr(0, k + fin.size());
}

// Field access for the classes whose fields the text does not show.
struct SondeLfsr : InstructionLfsr {
    using InstructionLfsr::InstructionLfsr;
    Byte numeroFsr() const { return f; }
    Byte hautLitteral() const { return kH; }
};

struct SondeReturn : InstructionReturn {
    using InstructionReturn::InstructionReturn;
    bool rapide() const { return s; }
};

class Decode : public ::testing::Test
{
protected:
    std::unique_ptr<P18f4550> p = std::make_unique<P18f4550>();
    JeuInstructions* jeu() { return p->getJeu(); }
};

} // namespace

TEST_F(Decode, EveryWordMatchesAtMostOneEntryAnd1693MatchNone)
{
    const auto& table = jeu()->table();
    int sansInstruction = 0;
    int ambigus = 0;
    int motsPerdus = 0;
    for (unsigned w = 0; w <= 0xFFFF; ++w) {
        int correspondances = 0;
        for (const Instruction* i : table)
            if ((w & i->getMask()) == i->getOpcode())
                ++correspondances;
        if (correspondances > 1)
            ++ambigus;
        InstructionPtr d = jeu()->decode(static_cast<Word>(w));
        if (d == jeu()->nop() && w != 0)
            ++sansInstruction;
        // the prototype returned carries the word
        if (d->getInstr() != w)
            ++motsPerdus;
    }
    EXPECT_EQ(ambigus, 0);
    EXPECT_EQ(motsPerdus, 0);
    EXPECT_EQ(sansInstruction, 1693);
}

TEST_F(Decode, SpecialWords)
{
    const auto& table = jeu()->table();
    EXPECT_EQ(jeu()->decode(0x0000), table[0]);
    EXPECT_EQ(jeu()->decode(0xFFFF), table[50]);   // the two-word NOP
    EXPECT_EQ(jeu()->decode(0xF123), table[50]);
    for (Word w : {0x0001, 0x0014, 0x0110, 0xE800, 0xEBFF, 0xEE40, 0xEEFF})
        EXPECT_EQ(jeu()->decode(w), table[0]) << std::hex << w;
    EXPECT_EQ(jeu()->decode(0x0010)->mnemo(), "RETFIE");
    EXPECT_EQ(jeu()->decode(0x0011)->mnemo(), "RETFIE");
    EXPECT_EQ(jeu()->decode(0x0012)->mnemo(), "RETURN");
    EXPECT_EQ(jeu()->decode(0x0013)->mnemo(), "RETURN");
    EXPECT_EQ(jeu()->decode(0xEC00)->mnemo(), "CALL");
    EXPECT_EQ(jeu()->decode(0xEDFF)->mnemo(), "CALL");
    EXPECT_EQ(jeu()->decode(0xEF00)->mnemo(), "GOTO");
    EXPECT_EQ(jeu()->decode(0xEE3F)->mnemo(), "LFSR");
    EXPECT_EQ(jeu()->decode(0x010F)->mnemo(), "MOVLB");
    EXPECT_EQ(jeu()->decode(0xE0FF)->mnemo(), "BZ");
    EXPECT_EQ(jeu()->decode(0xD000)->mnemo(), "BRA");
    EXPECT_EQ(jeu()->decode(0xD800)->mnemo(), "RCALL");
}

TEST_F(Decode, OperandFields)
{
    SondeLfsr lfsr(p.get());
    lfsr.decode(0xEE3F);
    lfsr.preParametres();
    EXPECT_EQ(lfsr.numeroFsr(), 3);
    EXPECT_EQ(lfsr.hautLitteral(), 0x0F);
    lfsr.decode(0xEE12);
    lfsr.preParametres();
    EXPECT_EQ(lfsr.numeroFsr(), 1);
    EXPECT_EQ(lfsr.hautLitteral(), 0x02);

    SondeReturn ret(p.get());
    ret.decode(0x0013);
    ret.preParametres();
    EXPECT_TRUE(ret.rapide());
    ret.decode(0x0012);
    ret.preParametres();
    EXPECT_FALSE(ret.rapide());
}

TEST_F(Decode, TextOfEachClass)
{
    EXPECT_EQ(texte(*p, 0x0E5A), "MOVLW 0x5a");
    EXPECT_EQ(texte(*p, 0x0105), "MOVLB 0x5");
    EXPECT_EQ(texte(*p, 0x0C00), "RETLW 0x0");
    // relative branches: signed decimal
    EXPECT_EQ(texte(*p, 0xD7FF), "BRA -1");
    EXPECT_EQ(texte(*p, 0xD400), "BRA -1024");
    EXPECT_EQ(texte(*p, 0xD3FF), "BRA 1023");
    EXPECT_EQ(texte(*p, 0xDFFE), "RCALL -2");
    EXPECT_EQ(texte(*p, 0xE280), "BC -128");
    EXPECT_EQ(texte(*p, 0xE17F), "BNZ 127");
    // byte-oriented: f8, d, a in hexadecimal, then the register name
    EXPECT_EQ(debut(texte(*p, 0x2620), " --- "), "ADDWF 0x20, 1, 0  NOT A SFR --- ");
    EXPECT_EQ(debut(texte(*p, 0x50D8), " --- "), "MOVF 0xd8, 0, 0  STATUS --- ");
    // bit-oriented: b and a in decimal
    EXPECT_EQ(texte(*p, 0x8EE8), "BSF 0xe8, 7, 0  WREG");
    EXPECT_EQ(texte(*p, 0xB3D8), "BTFSC 0xd8, 1, 1  NOT A SFR");
    // the name follows the effective address, with BSR as it is now
    p->getDM()->writeBSR(15);
    EXPECT_EQ(texte(*p, 0x9180), "BCF 0x80, 0, 1  PORTA");
    EXPECT_EQ(debut(texte(*p, 0xC123), ", 0x"), "MOVFF 0x123, 0x");
    EXPECT_EQ(debut(texte(*p, 0xEE3F), ", 0x"), "LFSR 3, 0x");
    EXPECT_EQ(texte(*p, 0x0013), "RETURN 1");
    EXPECT_EQ(texte(*p, 0x0012), "RETURN 0");
    for (Word w : {0x0000, 0x0007, 0x0005, 0x0006, 0x00FF, 0x0009, 0x000F, 0x0011, 0xFFFF})
        EXPECT_EQ(texte(*p, w), jeu()->decode(w)->mnemo()) << std::hex << w;
}

TEST_F(Decode, ListingTextFromTheWordsAlone)
{
    // At 0x0100, with the program word after it: what the debugger's listing shows,
    // the same before and after a run, whatever BSR holds.
    p->getDM()->writeBSR(15);
    const struct
    {
        Word mot, suivant;
        const char* texte;
        int32_t cible;
        bool deuxMots;
    } cas[] = {
        {0x6E81, 0x0000, "MOVWF 0x81, 0  PORTB", -1, false},   // no d bit to show
        {0x2A20, 0x0000, "INCF 0x20, 1, 0", -1, false},        // access RAM: no name
        {0x2B81, 0x0000, "INCF 0x81, 1, 1", -1, false},        // banked: no name
        {0x6A61, 0x0000, "CLRF 0x61, 0", -1, false},           // 0xF61: no SFR there
        {0xA681, 0x0000, "BTFSS 0x81, 3, 0  PORTB", -1, false},
        {0xD7FF, 0x0000, "BRA 0x100", 0x100, false},
        {0xE102, 0x0000, "BNZ 0x106", 0x106, false},
        {0xD805, 0x0000, "RCALL 0x10c", 0x10C, false},
        {0xEC1A, 0xF009, "CALL 0x1234", 0x1234, true},
        {0xED1A, 0xF009, "CALL 0x1234, 1", 0x1234, true},
        {0xEF00, 0xF000, "GOTO 0x0", 0, true},
        {0xC020, 0xFF8A, "MOVFF 0x20, 0xf8a", -1, true},
        {0xEE11, 0xF023, "LFSR 1, 0x123", -1, true},
        {0x0E5A, 0x0000, "MOVLW 0x5a", -1, false},
        {0x0011, 0x0000, "RETFIE 1", -1, false},                // FAST, as RETURN shows it
    };
    for (const auto& c : cas) {
        const std::unique_ptr<Instruction> i = decodeMot(*p, c.mot);
        EXPECT_EQ(i->desassemble(0x100, c.suivant), c.texte) << std::hex << c.mot;
        EXPECT_EQ(i->cible(0x100, c.suivant), c.cible) << std::hex << c.mot;
        EXPECT_EQ(i->deuxMots(), c.deuxMots) << std::hex << c.mot;
    }
}

TEST_F(Decode, BitNamesOnlyForTheChipsSfrs)
{
    int nommes = 0;
    for (Word a = 0; a < DataMemory::taille; ++a)
        if (nomsBits(a)) {
            ++nommes;
            EXPECT_TRUE(DataMemory::estSfr(a)) << std::hex << a;
        }
    EXPECT_EQ(nommes, 80);
    const char* const status[8] = {"-", "-", "-", "N", "OV", "Z", "DC", "C"};
    const char* const* bits = nomsBits(DataMemory::STATUS);
    ASSERT_NE(bits, nullptr);
    for (int b = 0; b < 8; ++b)
        EXPECT_STREQ(bits[b], status[b]);
    EXPECT_STREQ(nomsBits(DataMemory::TRISC)[7], "TRISC0");
    EXPECT_STREQ(nomsBits(DataMemory::INTCON)[0], "GIE/GIEH");
    EXPECT_EQ(nomsBits(DataMemory::TMR0L), nullptr);
}

TEST_F(Decode, CopiesAreIndependentOfThePrototype)
{
    InstructionPtr proto = jeu()->decode(0x0E5A);
    std::unique_ptr<Instruction> copie(proto->copie());
    copie->preParametres();
    jeu()->decode(0x0EA5);   // overwrites the prototype's word
    EXPECT_EQ(proto->getInstr(), 0x0EA5);
    EXPECT_EQ(copie->getInstr(), 0x0E5A);
    EXPECT_EQ(copie->affiche(), "MOVLW 0x5a");
    EXPECT_EQ(copie->mnemo(), "MOVLW");
    EXPECT_EQ(copie->numero(), 63);
}

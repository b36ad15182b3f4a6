// Instruction families, each run as a small program from tests/asm/instr_*.asm.
// The programs store their results in RAM; the expected values were checked
// against gpsim wherever this core follows the silicon, and worked out from the
// core's own flag rules where it does not (those cases say so).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness.h"

namespace {

// STATUS bits
constexpr Byte C = 0x01, DC = 0x02, Z = 0x04, OV = 0x08, N = 0x10;

struct Cas {
    Byte valeur;
    Byte status;
};

// Case i of a program that stores (value, STATUS) pairs from `base` on.
void verifieCas(const P18f4550& p, Word base, const std::vector<Cas>& attendus)
{
    for (size_t i = 0; i < attendus.size(); ++i) {
        const Word adr = static_cast<Word>(base + 2 * i);
        EXPECT_EQ(ram(p, adr), attendus[i].valeur) << "case " << i << ", value";
        EXPECT_EQ(ram(p, adr + 1), attendus[i].status) << "case " << i << ", STATUS";
    }
}

// Markers m+i: 1 when the instruction after the test ran, 0 when it was skipped
// or branched over.
void verifieMarques(const P18f4550& p, Word base, const std::vector<int>& attendus)
{
    for (size_t i = 0; i < attendus.size(); ++i)
        EXPECT_EQ(ram(p, static_cast<Word>(base + i)), attendus[i]) << "marker " << i;
}

} // namespace

TEST(InstrArith, AdditionsSubtractionsAndFlags)
{
    auto p = chargeProgramme("instr_arith");
    // 329 instruction cycles after the NOP cycle that follows the reset.
    EXPECT_EQ(executeJusquaArret(*p), 4u + 4u * 329u);
    verifieCas(*p, 0x100, {
        {0x00, C | Z | OV},         // 0: ADDWF 80 + 80
        {0x80, DC | OV | N},        // 1: ADDWF 7F + 01 into f
        {0x10, DC},                 // 2: ADDLW 0F + 01
        {0x00, C | DC | Z},         // 3: ADDLW 01 + FF
        {0x34, 0},                  // 4: ADDWFC 11 + 22 + C
        {0xFF, N},                  // 5: ADDWFC F0 + 0F without carry
        // 6: ADDWFC 08 + 07 + C: DC from the low nibbles alone, the carry in does
        // not enter it (the silicon gives DC = 1)
        {0x10, 0},
        // 7: ADDWFC 7F + 00 + C: OV from the sum with the carry; DC without it
        {0x80, OV | N},
        // 8: SUBWF 5 - 5: equal low nibbles give DC = 0 here (silicon: 1)
        {0x00, C | Z},
        {0xFE, N},                  // 9: SUBWF 3 - 5
        {0x7F, C | OV},             // 10: SUBWF 80 - 01
        {0x10, C},                  // 11: SUBWF 25 - 15, equal low nibbles: DC = 0
        {0x0F, C},                  // 12: SUBLW 10 - 01
        {0xFF, N},                  // 13: SUBLW 00 - 01
        {0x25, C | DC},             // 14: SUBLW 37 - 12
        {0x02, C | DC},             // 15: SUBWFB 5 - 2 - borrow
        {0x03, C | DC},             // 16: SUBWFB 5 - 2
        {0xFF, N},                  // 17: SUBWFB 0 - 0 - borrow
        {0x10, C},                  // 18: SUBWFB 12 - 02, equal low nibbles: DC = 0
        {0x03, C | DC},             // 19: SUBFWB 5 - 2
        {0xFC, N},                  // 20: SUBFWB 2 - 5 - borrow
        {0x10, C},                  // 21: SUBFWB 15 - 05, equal low nibbles: DC = 0
        {0x00, C | DC | Z},         // 22: INCF FF
        {0x80, DC | OV | N},        // 23: INCF 7F into W
        {0x0F, 0},                  // 24: INCF 0E clears all five flags
        {0x7F, C | OV},             // 25: DECF 80
        {0xFF, N},                  // 26: DECF 00
        {0x00, C | DC | Z},         // 27: DECF 01
        // NEGF: C set for every non-zero operand, DC always cleared (silicon: C
        // only for 0, DC from the low nibble)
        {0x00, Z},                  // 28: NEGF 00
        {0xFF, C | N},              // 29: NEGF 01
        {0x80, C | OV | N},         // 30: NEGF 80
        {0xD0, C | N},              // 31: NEGF 30 with every flag set before
    });
    EXPECT_EQ(ram(*p, 0x140), 0x42);    // INCF reads what MOVWF wrote just before
    EXPECT_EQ(ram(*p, 0x180), 0x7F);    // a W destination leaves f alone
}

TEST(InstrLogic, LogicMovesAndBitOperations)
{
    auto p = chargeProgramme("instr_logic");
    EXPECT_EQ(executeJusquaArret(*p), 4u + 4u * 194u);
    verifieCas(*p, 0x100, {
        {0x00, C | DC | Z | OV},    // 0: ANDLW: Z set, C DC OV kept
        {0x81, N},                  // 1: IORLW
        {0x00, C | Z},              // 2: XORLW: N cleared, C kept
        {0x88, N},                  // 3: ANDWF into f
        {0x00, Z},                  // 4: IORWF
        {0xFF, C | DC | OV | N},    // 5: XORWF
        {0x00, Z},                  // 6: COMF FF into W
        {0x80, N},                  // 7: COMF 7F into f
        {0x00, C | DC | Z | OV},    // 8: MOVF 00: N cleared
        {0x80, N},                  // 9: MOVF f, F
        {0x00, C | DC | Z | OV | N},// 10: CLRF changes Z only
        {0xFF, C | Z},              // 11: SETF changes no flag
        {0x99, C | DC | Z | OV | N},// 12: MOVWF changes no flag
        {0xA0, DC | OV},            // 13: MOVLW changes no flag
        {0x00, Z},                  // 14: CLRF STATUS leaves Z set
        {0xBE, C | DC | Z | OV | N},// 15: BSF 7, BCF 0, BTG 4, BTG 5 of 0F
    });
    EXPECT_EQ(ram(*p, 0x120), C | N);   // 16: BSF and BTG on STATUS itself
    EXPECT_EQ(ram(*p, 0x122), 0xAE);    // 17: bit operations on WREG
    EXPECT_EQ(ram(*p, 0x123), 0x00);
    // 18: IORWF STATUS, F with W = 0B: the result is written, then Z and N are
    // merged into it
    EXPECT_EQ(ram(*p, 0x124), C | DC | OV);
    EXPECT_EQ(ram(*p, 0x180), 0xFF);    // COMF into W leaves f alone
}

TEST(InstrRotate, RotatesThroughAndAroundCarry)
{
    auto p = chargeProgramme("instr_rotate");
    EXPECT_EQ(executeJusquaArret(*p), 4u + 4u * 119u);
    verifieCas(*p, 0x100, {
        {0x00, C | Z},              // 0: RLCF 80, C = 0
        {0x83, N},                  // 1: RLCF 41, C = 1
        {0x03, C | DC | OV},        // 2: RLNCF 81: C DC OV kept
        {0x81, N},                  // 3: RLNCF C0
        {0x00, C | DC | Z | OV},    // 4: RRCF 01: DC OV kept
        {0x81, N},                  // 5: RRCF 02, C = 1
        {0x80, N},                  // 6: RRNCF 01
        {0x00, C | Z},              // 7: RRNCF 00: C kept
        {0x5A, C | DC | Z | OV | N},// 8: SWAPF changes no flag
        {0xC3, 0},                  // 9: SWAPF into W
        {0x00, N},                  // 10: 16-bit shift, low byte; STATUS after the high byte
    });
    EXPECT_EQ(ram(*p, 0x180), 0x41);    // RLCF into W leaves f alone
    EXPECT_EQ(ram(*p, 0x181), 0x3C);    // SWAPF into W leaves f alone
    EXPECT_EQ(ram(*p, 0x182), 0x81);    // high byte: 40 << 1 + carry
}

TEST(InstrSkip, CompareTestAndCountSkips)
{
    auto p = chargeProgramme("instr_skip");
    // Each skip costs one cycle more; a skipped GOTO or MOVFF two more.
    EXPECT_EQ(executeJusquaArret(*p), 4u + 4u * 118u);
    verifieMarques(*p, 0x40, {
        0, 1,       // CPFSEQ equal, not equal
        0, 1, 1,    // CPFSGT 80 > 7F (unsigned), equal, less
        0, 1, 1,    // CPFSLT less, 80 < 7F false, equal
        0, 1,       // TSTFSZ 0, 1
        0, 1,       // DECFSZ 1 -> 0, 0 -> FF
        0, 1,       // DCFSNZ 2 -> 1, 1 -> 0
        0, 1, 0,    // INCFSZ FF -> 0, 0 -> 1, FF -> 0 into W
        1, 0,       // INFSNZ FF -> 0, 5 -> 6
        1, 0,       // BTFSC bit set, bit clear
        0, 1,       // BTFSS bit set, bit clear
        1, 0,       // after a skipped GOTO; the GOTO target never ran
        0, 1,       // a GOTO that is not skipped jumps
        0, 1,       // a skipped MOVFF writes nothing; the next instruction runs
    });
    EXPECT_EQ(ram(*p, 0x5D), 0x77);     // a MOVFF that is not skipped
    EXPECT_EQ(ram(*p, 0x100), 0x00);    // DECFSZ wrote 0 ...
    EXPECT_EQ(ram(*p, 0x101), DC | OV); // ... and left STATUS alone
    EXPECT_EQ(ram(*p, 0x102), 0xFF);
    EXPECT_EQ(ram(*p, 0x103), 0x00);
    EXPECT_EQ(ram(*p, 0x104), 0x00);    // INCFSZ wrote 0 ...
    EXPECT_EQ(ram(*p, 0x105), N);       // ... without setting Z or clearing N
    EXPECT_EQ(ram(*p, 0x106), 0x00);    // INCFSZ into W: W = 0 ...
    EXPECT_EQ(ram(*p, 0x107), 0xFF);    // ... f unchanged
    EXPECT_EQ(ram(*p, 0x108), 0x06);
}

TEST(InstrBranch, ConditionalBranchesBraAndGoto)
{
    auto p = chargeProgramme("instr_branch");
    // 16 flag tests of 4 cycles each (taken: 2 + NOP; not taken: 1 + INCF), then
    // 15 cycles of BRA, GOTO and the rest.
    EXPECT_EQ(executeJusquaArret(*p), 4u + 4u * 79u);
    // BC, BNC, BZ, BNZ, BOV, BNOV, BN, BNN: taken, then not taken
    verifieMarques(*p, 0x40, {0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1});
    EXPECT_EQ(ram(*p, 0x50), 1);        // BNC after ADDLW that set C
    EXPECT_EQ(ram(*p, 0x51), 1);        // BRA backwards
    EXPECT_EQ(ram(*p, 0x52), 0);        // after an unconditional BRA
    EXPECT_EQ(ram(*p, 0x53), 1);        // GOTO 0x1000
    EXPECT_EQ(ram(*p, 0x54), 1);        // GOTO back
}

TEST(InstrCall, CallsReturnsAndTheStack)
{
    auto p = chargeProgramme("instr_call");
    executeJusquaArret(*p);
    // The program stores at 0x180+ the low bytes of the expected return addresses.
    EXPECT_EQ(ram(*p, 0x100), 1);                   // STKPTR inside a CALL
    EXPECT_EQ(ram(*p, 0x101), ram(*p, 0x180));      // TOS: after CALL's 2nd word
    EXPECT_EQ(ram(*p, 0x102), 0);                   // after RETURN
    EXPECT_EQ(ram(*p, 0x103), 1);                   // STKPTR inside an RCALL
    EXPECT_EQ(ram(*p, 0x104), ram(*p, 0x181));      // TOS: after the RCALL
    EXPECT_EQ(ram(*p, 0x105), 0);
    EXPECT_EQ(ram(*p, 0x106), 2);                   // two levels deep
    EXPECT_EQ(ram(*p, 0x107), ram(*p, 0x182));
    EXPECT_EQ(ram(*p, 0x108), 0);
    // CALL FAST then RETURN FAST: W, STATUS and BSR as they were at the call
    EXPECT_EQ(ram(*p, 0x109), 0x5A);
    EXPECT_EQ(ram(*p, 0x10A), 0x15);
    EXPECT_EQ(ram(*p, 0x10B), 3);
    // a plain RETURN after CALL FAST keeps what the subroutine left
    EXPECT_EQ(ram(*p, 0x10C), 0x77);
    EXPECT_EQ(ram(*p, 0x10D), 6);
    EXPECT_EQ(ram(*p, 0x10E), 0x42);                // RETLW
    EXPECT_EQ(ram(*p, 0x10F), 1);                   // after PUSH
    EXPECT_EQ(ram(*p, 0x110), ram(*p, 0x183));      // PUSH pushes the next address
    EXPECT_EQ(ram(*p, 0x111), 0);                   // after POP
    EXPECT_EQ(ram(*p, 0x32), 2);                    // PUSH then RETURN loops once
    EXPECT_EQ(ram(*p, 0x112), 0);
    EXPECT_EQ(ram(*p, 0x40), 0);                    // POP: RETURN skips a level
    EXPECT_EQ(ram(*p, 0x113), 0);
    for (Word a = 0x180; a < 0x184; ++a)
        EXPECT_NE(ram(*p, a), 0) << a;

    // Recursion: the 31st push overflows with STVREN set and restarts at 0.
    EXPECT_EQ(ram(*p, 0x31), 31);
    EXPECT_EQ(ram(*p, 0x114), 0x80);                // STKFUL, SP = 0
    // TOS holds the overflowing entry: the program counter + 2 at the RCALL's Q2
    EXPECT_EQ(ram(*p, 0x115), ram(*p, 0x184));
    EXPECT_EQ(ram(*p, 0x116), 0x81);                // STKFUL stays set while in use
    EXPECT_EQ(ram(*p, 0x117), 0x80);
    // RETURN from the empty stack: address 0 and STKUNF
    EXPECT_EQ(ram(*p, 0x30), 3);
    EXPECT_EQ(ram(*p, 0x118), 0xC0);
}

TEST(InstrFsr, IndirectAddressingModes)
{
    auto p = chargeProgramme("instr_fsr");
    EXPECT_EQ(executeJusquaArret(*p), 4u + 4u * 154u);
    // FSR0: INDF0, PREINC0, POSTINC0, POSTDEC0 writes
    EXPECT_EQ(ram(*p, 0x200), 0x12);    // 11, then INCF POSTINC0
    EXPECT_EQ(ram(*p, 0x201), 0xB3);    // 22, 33, then BSF POSTINC0, 7
    EXPECT_EQ(ram(*p, 0x202), 0x44);
    EXPECT_EQ(ram(*p, 0x100), 0x33);    // MOVF POSTDEC0
    EXPECT_EQ(ram(*p, 0x101), 0x00);    // FSR0L after it
    EXPECT_EQ(ram(*p, 0x102), 0x44);    // PLUSW0 with W = 2 ...
    EXPECT_EQ(ram(*p, 0x103), 0x00);    // ... leaves FSR0
    EXPECT_EQ(ram(*p, 0x104), 0x01);    // read-modify-write moves the pointer once
    EXPECT_EQ(ram(*p, 0x105), 0x02);    // so does a bit operation
    EXPECT_EQ(ram(*p, 0x20F), 0xFF);    // PLUSW0 with W = -1
    // FSR1
    EXPECT_EQ(ram(*p, 0x220), 0x55);
    EXPECT_EQ(ram(*p, 0x221), 0x55);
    EXPECT_EQ(ram(*p, 0x222), 0xFF);    // SETF INDF1
    EXPECT_EQ(ram(*p, 0x106), 0x55);    // PLUSW1 with W = -2
    EXPECT_EQ(ram(*p, 0x223), 0xFF);    // DECF PREINC1
    EXPECT_EQ(ram(*p, 0x107), 0x22);
    // FSR2
    EXPECT_EQ(ram(*p, 0x240), 0x77);
    EXPECT_EQ(ram(*p, 0x241), 0x67);    // ADDWF PLUSW2: W is offset and addend
    EXPECT_EQ(ram(*p, 0x108), 0x40);
    // pointer arithmetic: carry and borrow through FSRnH, 12-bit wrap
    EXPECT_EQ(ram(*p, 0x109), 0x00);    // 0FF + 1
    EXPECT_EQ(ram(*p, 0x10A), 0x01);
    EXPECT_EQ(ram(*p, 0x10B), 0x00);    // FFF + 1
    EXPECT_EQ(ram(*p, 0x10C), 0x00);
    EXPECT_EQ(ram(*p, 0x10D), 0xFF);    // 000 - 1
    EXPECT_EQ(ram(*p, 0x10E), 0x0F);
    EXPECT_EQ(ram(*p, 0x10F), 0xFF);    // 300 - 1
    EXPECT_EQ(ram(*p, 0x110), 0x02);
    EXPECT_EQ(ram(*p, 0x111), 0x5C);    // PLUSW1: 010 + (-1)
    EXPECT_EQ(ram(*p, 0x112), 0xA7);    // PLUSW2: FFF + 1 wraps to 000
    // an indirect register reached indirectly
    EXPECT_EQ(ram(*p, 0x113), 0x00);    // reads 0
    EXPECT_EQ(ram(*p, 0x050), 0x99);    // a write through it is lost
    EXPECT_EQ(ram(*p, 0x114), 0x50);    // and POSTINC1 reached that way does not move FSR1
    // MOVFF POSTINC0, POSTINC1
    EXPECT_EQ(ram(*p, 0x270), 0xA1);
    EXPECT_EQ(ram(*p, 0x271), 0xA2);
    EXPECT_EQ(ram(*p, 0x272), 0xA3);
    EXPECT_EQ(ram(*p, 0x115), 0x63);
    EXPECT_EQ(ram(*p, 0x116), 0x73);
    EXPECT_EQ(ram(*p, 0x117), 0xA1);    // MOVFF PREINC2: pointer moved before the read
    EXPECT_EQ(ram(*p, 0x118), 0x60);
    // FSR2H written with 0x10: beyond the data memory, INDF2 reads 0 (the silicon
    // keeps 4 bits and would read [060] = 3C)
    EXPECT_EQ(ram(*p, 0x119), 0x00);
}

TEST(InstrBank, BankedAndAccessOperands)
{
    auto p = chargeProgramme("instr_bank");
    EXPECT_EQ(executeJusquaArret(*p), 4u + 4u * 52u);
    EXPECT_EQ(ram(*p, 0x210), 0x21);
    EXPECT_EQ(ram(*p, 0x7FF), 0x71);
    EXPECT_EQ(ram(*p, 0x710), 0x09);    // BSF then INCF, banked
    EXPECT_EQ(ram(*p, 0x100), 0x21);    // read back through bank 2
    EXPECT_EQ(ram(*p, 0x05F), 0x5F);    // access 5F is RAM 05F whatever BSR
    EXPECT_EQ(ram(*p, 0x25F), 0x5F);
    EXPECT_EQ(ram(*p, 0x101), 0x3D);    // access F6 is TBLPTRL
    EXPECT_EQ(ram(*p, 0x060), 0x00);    // access 60 is not RAM 060 ...
    EXPECT_EQ(ram(*p, 0x102), 0x60);    // ... but 0xF60 (unimplemented SFR, plain storage)
    EXPECT_EQ(ram(*p, 0x103), 0x4E);    // TBLPTRL through bank 15
    EXPECT_EQ(ram(*p, 0x104), 0x0F);    // BSR read through bank 15
    EXPECT_EQ(ram(*p, 0x105), 0x00);    // bank 8: the write was lost, the read gives 0
    EXPECT_EQ(ram(*p, 0x106), 0x00);    // bank 14
    EXPECT_EQ(ram(*p, 0x107), 0x00);    // 0x800 through MOVFF
    EXPECT_EQ(ram(*p, 0x108), 0x03);    // BSR keeps 4 bits of F3
    EXPECT_EQ(ram(*p, 0x333), 0x33);
}

TEST(InstrMul, ProductsLeaveWAndStatus)
{
    auto p = chargeProgramme("instr_mul");
    EXPECT_EQ(executeJusquaArret(*p), 4u + 4u * 71u);
    struct Produit {
        Byte l, h, w, status;
    };
    const Produit attendus[] = {
        {0x01, 0xFE, 0xFF, C | DC | Z | OV | N},   // MULWF FF x FF
        {0x00, 0x01, 0x10, Z},                      // MULLW 10 x 10
        {0x00, 0x00, 0x00, 0},                      // MULLW 0 x C8: no Z
        {0x90, 0x00, 0x0C, 0},                      // MULWF WREG
        {0x7E, 0x3F, 0x81, 0},                      // MULLW 81 x 7E, unsigned
        {0xFF, 0x00, 0x55, 0},                      // MULWF POSTINC0
    };
    for (int i = 0; i < 6; ++i) {
        const Word a = static_cast<Word>(0x100 + 4 * i);
        EXPECT_EQ(ram(*p, a), attendus[i].l) << i;
        EXPECT_EQ(ram(*p, a + 1), attendus[i].h) << i;
        EXPECT_EQ(ram(*p, a + 2), attendus[i].w) << i;
        EXPECT_EQ(ram(*p, a + 3), attendus[i].status) << i;
    }
    EXPECT_EQ(ram(*p, 0x118), 0x41);    // FSR0 moved once
}

TEST(InstrTable, TableReadsAndConfiguration)
{
    auto p = chargeProgramme("instr_table");
    // Each TBLRD takes two cycles (gpsim counts one).
    EXPECT_EQ(executeJusquaArret(*p), 4u + 4u * 199u);
    const Byte tablat[] = {0x11, 0x11, 0x22, 0x33, 0x33, 0x55, 0x66, 0x00};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(ram(*p, static_cast<Word>(0x100 + i)), tablat[i]) << i;
    EXPECT_EQ(ram(*p, 0x140), 0x00);    // TBLRD* leaves the pointer
    EXPECT_EQ(ram(*p, 0x141), 0x01);    // +, +, - : table + 1
    EXPECT_EQ(ram(*p, 0x142), 0x02);    // +* increments first
    EXPECT_EQ(ram(*p, 0x143), 0x00);    // 2FF + 1 = 300
    EXPECT_EQ(ram(*p, 0x144), 0x03);
    EXPECT_EQ(ram(*p, 0x145), 0xFF);    // 300 - 1 = 2FF
    EXPECT_EQ(ram(*p, 0x146), 0x02);
    // The configuration bytes as the program's CONFIG wrote them (masked to their
    // writable bits; 0x300004 and 0x300007 keep their default 0), then DEVID1/2.
    const Byte config[] = {0x04, 0x0E, 0x1F, 0x1E, 0x00, 0x81, 0x81, 0x00,
                           0x0F, 0xC0, 0x0F, 0xE0, 0x0F, 0x40, 0x00, 0x12};
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(ram(*p, static_cast<Word>(0x160 + i)), config[i]) << i;
}

TEST(InstrDaw, DecimalAdjust)
{
    auto p = chargeProgramme("instr_daw");
    EXPECT_EQ(executeJusquaArret(*p), 4u + 4u * 64u);
    // DC is always cleared; Z, OV and N are kept.
    EXPECT_EQ(ram(*p, 0x100), 0x28);                // 19 + 09 = 22 with DC
    EXPECT_EQ(ram(*p, 0x101), 0);
    EXPECT_EQ(ram(*p, 0x106), 0x10);                // 50 + 60 = B0: high digit
    EXPECT_EQ(ram(*p, 0x107), C | OV | N);
    EXPECT_EQ(ram(*p, 0x10A), 0x03);                // 01 + 02: nothing to adjust
    EXPECT_EQ(ram(*p, 0x10B), 0);
    EXPECT_EQ(ram(*p, 0x10C), 0x16);                // 08 + 08 = 10 with DC
    EXPECT_EQ(ram(*p, 0x10D), 0);
    EXPECT_EQ(ram(*p, 0x10E), 0x18);                // 12 with DC, Z OV N set before
    EXPECT_EQ(ram(*p, 0x10F), Z | OV | N);
}

// The high digit is corrected with the carry out of the low digit's correction, as
// the chip does: a BCD sum whose low digit passes 9 without a half carry (05 + 05)
// still carries into the tens.
TEST(InstrDaw, LowDigitCorrectionCarriesIntoTheHighDigit)
{
    auto p = chargeProgramme("instr_daw");
    executeJusquaArret(*p);
    EXPECT_EQ(ram(*p, 0x102), 0x00);                // 45 + 55 = 9A -> 100
    EXPECT_EQ(ram(*p, 0x103), C | OV | N);
    EXPECT_EQ(ram(*p, 0x104), 0x06);                // 98 + 08 = A0 with DC -> 106
    EXPECT_EQ(ram(*p, 0x105), C | N);
    EXPECT_EQ(ram(*p, 0x108), 0x98);                // 99 + 99 = 32 with C and DC -> 198
    EXPECT_EQ(ram(*p, 0x109), C | OV);
    EXPECT_EQ(ram(*p, 0x110), 0x10);                // 05 + 05 = 0A -> 10
    EXPECT_EQ(ram(*p, 0x111), 0);
}

TEST(InstrMisc, ResetRetfieSleepTblwtAndUndecodableWords)
{
    auto p = chargeProgramme("instr_misc");
    executeJusquaArret(*p);
    // RESET keeps W, STATUS, BSR, TBLPTRL and FSR1
    EXPECT_EQ(ram(*p, 0x100), 0x5A);
    EXPECT_EQ(ram(*p, 0x101), 0x13);
    EXPECT_EQ(ram(*p, 0x102), 5);
    EXPECT_EQ(ram(*p, 0x103), 0x77);
    EXPECT_EQ(ram(*p, 0x104), 0xAB);
    EXPECT_EQ(ram(*p, 0x40), 0);        // nothing after RESET ran
    EXPECT_EQ(ram(*p, 0x41), 1);        // RETFIE fell through
    EXPECT_EQ(ram(*p, 0x105), 1);       // and popped nothing
    EXPECT_EQ(ram(*p, 0x42), 1);        // RETFIE FAST too
    EXPECT_EQ(ram(*p, 0x106), 0x99);    // and restored nothing
    EXPECT_EQ(ram(*p, 0x107), 0x00);    // INTCON untouched (no GIE)
    EXPECT_EQ(ram(*p, 0x43), 1);        // SLEEP
    EXPECT_EQ(ram(*p, 0x44), 1);        // CLRWDT
    EXPECT_EQ(ram(*p, 0x108), 0x00);    // TBLWT*, *+, *-, +* left TBLPTRL
    EXPECT_EQ(ram(*p, 0x109), 0x11);    // and wrote nothing
    EXPECT_EQ(ram(*p, 0x45), 1);        // undecodable words ran as NOPs
    EXPECT_EQ(ram(*p, 0x46), 1);        // 0x7FFC
    EXPECT_EQ(ram(*p, 0x47), 1);        // 0x7FFE, then address 0
    EXPECT_EQ(ram(*p, 0x10A), 3);
}

TEST(InstrTiming, TicksPerInstructionClass)
{
    auto p = chargeProgramme("instr_timing");
    struct Pas {
        int ticks;
        const char* mnemo;
    };
    // The NOP cycles of a flush execute the NOP prototype; the second word of a
    // skipped GOTO executes as the two-word NOP decoded at its own address.
    const Pas attendus[] = {
        {4, "NOP"},     // the prototype, while address 0 is fetched
        {4, "NOP"},     {8, "MOVFF"},   {8, "LFSR"},    {8, "TBLRD*+"},
        {4, "MOVLW"},   // TBLRD re-fetched the word after it
        {4, "BZ"},      // not taken
        {4, "BNZ"},     {4, "NOP"},     // taken: 8 ticks
        {4, "BSF"},
        {4, "BTFSS"},   {4, "NOP"},     {4, "NOP"},     // skip over GOTO: 12 ticks
        {4, "CALL"},    {4, "NOP"},
        {4, "RETURN"},  {4, "NOP"},
        {4, "RCALL"},   {4, "NOP"},
        {4, "RETLW"},   {4, "NOP"},
        {4, "PUSH"},    {4, "POP"},     {4, "DAW"},     {4, "MULWF"},
        {4, "BRA"},     {4, "NOP"},
    };
    const bool flush[] = {true, false, false, false, false, false, false, false, true, false,
                          false, true, false, false, true, false, true, false, true, false,
                          true, false, false, false, false, false, true};
    const uint64_t debut = p->time();
    uint64_t total = 0;
    for (size_t i = 0; i < sizeof attendus / sizeof attendus[0]; ++i) {
        const int t = p->clock4();
        total += t;
        EXPECT_EQ(t, attendus[i].ticks) << "step " << i;
        EXPECT_EQ(p->getInstrPtr()->mnemo(), attendus[i].mnemo) << "step " << i;
        EXPECT_EQ(p->getInstrPtr() == p->getJeu()->nop(), flush[i]) << "step " << i;
    }
    EXPECT_EQ(total, 120u);
    EXPECT_EQ(p->time() - debut, total);
    // the final `bra $` is next
    EXPECT_EQ(p->getFetchPtr()->getInstr(), motBraSurPlace);
    EXPECT_EQ(ram(*p, 0x20), 0x01);
    EXPECT_EQ(p->getDM()->readDirect(DataMemory::FSR0H), 0x01);
    EXPECT_EQ(p->getDM()->readDirect(DataMemory::FSR0L), 0x23);
}

// PCL, TOSx and STKPTR written, in both modes: by default plain storage (the table's
// first entry runs, RETURN keeps its address); in the silicon mode as on the chip,
// the results checked against gpsim.
TEST(InstrSilicium, ComputedGotosAndTheStackRegistersInBothModes)
{
    struct Cas {
        const char* programme;
        bool silicium;
        const char* attendu;   // RAM from 0x100
    };
    const Cas cas[] = {
        // ADDWF PCL case 2; RETLW entries 0 and 3; entries 1 and 5 of a table across
        // 0x200 through PCLATH; PCL read and LOW of the next word; PCLATH then; BSF
        {"silicium_sauts", false, "a01010eeee0430ff2222"},
        {"silicium_sauts", true, "a2101351553030001100"},
        // TOSL, then TOSU:TOSH:TOSL, moved; TOSL after STKPTR = 1, LOW of the first
        // PUSH's address, STKPTR; STKPTR written 0xC2 then 1
        {"silicium_pile", false, "01031a1801c201"},
        {"silicium_pile", true, "02041818" "01c201"},
    };
    for (const Cas& c : cas) {
        auto p = std::make_unique<P18f4550>();
        p->setSilicium(c.silicium);
        p->readFromHex(cheminHex(c.programme).c_str());
        executeJusquaArret(*p);
        const std::string attendu = c.attendu;
        EXPECT_EQ(ramHex(*p, 0x100, static_cast<int>(attendu.size() / 2)), attendu)
            << c.programme << (c.silicium ? ", silicon" : ", default");
    }
    // What the silicon mode models is not said as left out.
    for (const char* nom : {"diag_pcl", "diag_tos", "diag_stkptr", "diag_interruptions", "diag_retfie"}) {
        auto p = std::make_unique<P18f4550>();
        p->setSilicium(true);
        p->readFromHex(cheminHex(nom).c_str());
        p->nouvelleExecution();
        for (int i = 0; i < 200; ++i)
            p->clock4();
        EXPECT_TRUE(p->diagnostics().liste().empty()) << nom;
    }
}

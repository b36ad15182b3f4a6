// Program memory: the three segments, their bounds and write masks, and the decoded
// instruction object kept for every byte address.

#include <gtest/gtest.h>

#include <memory>

#include "processeur.h"

namespace {

class Flash : public ::testing::Test
{
protected:
    std::unique_ptr<P18f4550> p = std::make_unique<P18f4550>();
    FlashMemory* fm = p->getFM();

    Byte octet(DWord adr)
    {
        Byte b = 0xA5;
        EXPECT_EQ(fm->readByte(adr, b), 0) << std::hex << adr;
        return b;
    }
    // The word the instruction object at `adr` was decoded from.
    Word motDecode(DWord adr) { return fm->getInstr(adr)->getInstr(); }
};

TEST_F(Flash, FreshProgramMemoryHoldsOwnNopCopies)
{
    Instruction* prototype = p->getJeu()->nop();
    for (DWord adr = 0; adr < 0x8000; ++adr) {
        Instruction* i = fm->getInstr(adr);
        ASSERT_NE(i, nullptr) << adr;
        ASSERT_EQ(i->numero(), Op::NOP) << adr;
        ASSERT_NE(i, prototype) << "address " << adr << " shares the prototype";
    }
    EXPECT_NE(fm->getInstr(0), fm->getInstr(2));
    EXPECT_EQ(octet(0x0000), 0);
    EXPECT_EQ(octet(0x7FFF), 0);
}

TEST_F(Flash, ReadsOutsideEverySegmentGiveZeroAndFail)
{
    for (DWord adr : {0x008000u, 0x200000u, 0x2FFFFFu, 0x30000Eu, 0x3FFFFDu, 0x400000u, 0xFFFFFFFFu}) {
        Byte b = 0x5A;
        EXPECT_EQ(fm->readByte(adr, b), -1) << std::hex << adr;
        EXPECT_EQ(b, 0) << std::hex << adr;
    }
}

TEST_F(Flash, WritesOutsideEverySegmentOrIntoTheDeviceIdFail)
{
    for (DWord adr : {0x008000u, 0x200000u, 0x2FFFFFu, 0x30000Eu, 0x3FFFFEu, 0x3FFFFFu, 0xF00000u})
        EXPECT_EQ(fm->writeByte(adr, 0x77), -1) << std::hex << adr;
    EXPECT_EQ(fm->write(0x3FFFFE, 0xAA55), -1);
    EXPECT_EQ(octet(0x7FFF), 0);
    EXPECT_EQ(octet(0x300000), 0x00);
    EXPECT_EQ(octet(0x30000D), 0x40);
    EXPECT_EQ(octet(0x3FFFFE), 0x00);
    EXPECT_EQ(octet(0x3FFFFF), 0x12);
}

TEST_F(Flash, PbadenAndStvrenFollowTheirConfigurationBits)
{
    EXPECT_TRUE(fm->bitPBADEN());
    EXPECT_TRUE(fm->bitSTVREN());
    EXPECT_EQ(fm->writeByte(0x300005, 0x00), 0);
    EXPECT_EQ(fm->writeByte(0x300006, 0x00), 0);
    EXPECT_FALSE(fm->bitPBADEN());
    EXPECT_FALSE(fm->bitSTVREN());

    fm->writeByte(0x300005, 0x02);
    fm->writeByte(0x300006, 0x01);
    EXPECT_TRUE(fm->bitPBADEN());
    EXPECT_TRUE(fm->bitSTVREN());
}

TEST_F(Flash, WordWriteIsLittleEndianAndStopsAtTheFirstRefusedByte)
{
    EXPECT_EQ(fm->write(0x0100, 0x0E5A), 0);
    EXPECT_EQ(octet(0x0100), 0x5A);
    EXPECT_EQ(octet(0x0101), 0x0E);

    // Both bytes land in configuration memory, each through its own mask.
    EXPECT_EQ(fm->write(0x300000, 0xFFFF), 0);
    EXPECT_EQ(octet(0x300000), 0x3F);
    EXPECT_EQ(octet(0x300001), 0xCF);

    // Low byte accepted, high byte past the configuration: stored, but reported.
    fm->writeByte(0x30000D, 0x00);
    EXPECT_EQ(fm->write(0x30000D, 0xFFFF), -1);
    EXPECT_EQ(octet(0x30000D), 0x40);

    // Low byte refused: the high byte is not written either, though its address exists.
    EXPECT_EQ(fm->write(0x2FFFFF, 0xFFFF), -1);
    EXPECT_EQ(octet(0x300000), 0x3F);
    fm->writeByte(0x300000, 0x00);
    EXPECT_EQ(fm->write(0x2FFFFF, 0xFFFF), -1);
    EXPECT_EQ(octet(0x300000), 0x00);
}

TEST_F(Flash, WritingAWordRedecodesTheNeighbouringAddresses)
{
    ASSERT_EQ(fm->write(2, 0xD7FF), 0);  // BRA $ at 2
    ASSERT_EQ(fm->write(4, 0x0E5A), 0);  // MOVLW 0x5A at 4

    EXPECT_EQ(fm->getInstr(4)->numero(), Op::MOVLW);
    EXPECT_EQ(motDecode(4), 0x0E5A);
    EXPECT_EQ(fm->getInstr(4)->affiche(), "MOVLW 0x5a");
    EXPECT_EQ(fm->getInstr(2)->numero(), Op::BRA);
    EXPECT_EQ(fm->getInstr(2)->affiche(), "BRA -1") << "operand fields extracted at load";
    // Odd addresses: the high byte of the word before and the low byte of the word after.
    EXPECT_EQ(motDecode(3), 0x5AD7);
    EXPECT_EQ(fm->getInstr(3)->numero(), Op::SUBWFB);
    EXPECT_EQ(motDecode(5), 0x000E);
    EXPECT_EQ(fm->getInstr(5)->numero(), Op::TBLWTPOSTDEC);
    EXPECT_EQ(motDecode(1), 0xFF00);
    EXPECT_EQ(fm->getInstr(1)->numero(), Op::NOP);

    // A single byte write redecodes its own address and the one before it.
    ASSERT_EQ(fm->writeByte(5, 0x6A), 0);  // 0x6A5A: CLRF 0x5A
    EXPECT_EQ(motDecode(4), 0x6A5A);
    EXPECT_EQ(fm->getInstr(4)->numero(), Op::CLRF);
    EXPECT_EQ(motDecode(5), 0x006A);
}

TEST_F(Flash, EachAddressOwnsAnIndependentObject)
{
    fm->write(4, 0x0E5A);
    fm->write(6, 0x0E33);
    fm->write(8, 0x0E5A);
    // Decoding later words must not change what an earlier address holds.
    EXPECT_EQ(fm->getInstr(4)->affiche(), "MOVLW 0x5a");
    EXPECT_EQ(fm->getInstr(6)->affiche(), "MOVLW 0x33");
    EXPECT_NE(fm->getInstr(4), fm->getInstr(8));
    EXPECT_EQ(p->getJeu()->decode(0x0E77)->numero(), Op::MOVLW);
    EXPECT_EQ(motDecode(4), 0x0E5A);

    // Rewriting an address replaces its object many times over without leaking.
    for (int i = 0; i < 1000; ++i)
        fm->write(4, static_cast<Word>(0x0E00 + (i & 0xFF)));
    EXPECT_EQ(motDecode(4), 0x0EE7);
}

TEST_F(Flash, EdgesOfProgramMemory)
{
    // Byte 0 has no word before it.
    ASSERT_EQ(fm->writeByte(0, 0x12), 0);
    EXPECT_EQ(motDecode(0), 0x0012);
    EXPECT_EQ(fm->getInstr(0)->numero(), Op::RETURN);

    // The last word: both bytes fit.
    ASSERT_EQ(fm->write(0x7FFE, 0xEF12), 0);
    EXPECT_EQ(fm->getInstr(0x7FFE)->numero(), Op::GOTO);
    EXPECT_EQ(fm->getInstr(0x7FFF)->numero(), Op::NOP) << "its word would end outside";

    // A word at the last byte: the low byte is stored, the high byte is outside.
    EXPECT_EQ(fm->write(0x7FFF, 0x0E5A), -1);
    EXPECT_EQ(octet(0x7FFF), 0x5A);
    EXPECT_EQ(motDecode(0x7FFE), 0x5A12);
    EXPECT_EQ(fm->getInstr(0x7FFF)->numero(), Op::NOP);
    EXPECT_NE(fm->getInstr(0x7FFF), p->getJeu()->nop());
}

}  // namespace

#ifndef TAVREX_ALU_H
#define TAVREX_ALU_H

#include "registre.h"
#include "types.h"

class P18f4550;

// Every STATUS flag rule of the instruction set lives here. An operation (called in
// Q3) computes the result `alu` and a pending copy `status` of STATUS with its flags
// applied, and remembers which flags the instruction may change (`mask`); Q4 stores
// the result and commits those flags with writeStatus().
//
// Deliberate rules, each different from the textbook computation:
// - DC comes from the two operands' low nibbles alone: neither the carry-in of
//   ADDWFC/SUBWFB/SUBFWB nor the +1 of the two's complement enters it;
// - NEG sets C for every non-zero operand and always clears DC;
// - writeStatus() always clears STATUS bits 7 to 5, even with an empty mask.
class Alu
{
public:
    enum Flag : Byte { C = 0x01, DC = 0x02, Z = 0x04, OV = 0x08, N = 0x10 };
    enum Masque : Byte {
        tous = C | DC | Z | OV | N,   // 0x1F
        rotation = C | Z | N,         // 0x15
        logique = Z | N,              // 0x14
        zero_ = Z,                    // 0x04
        aucun = 0x00
    };

    explicit Alu(P18f4550* p) : processeur(p) {}

    // Binds W and STATUS (data memory exists by then) and clears the result.
    void reset();
    // STATUS = (STATUS AND NOT mask) OR (pending AND mask); bits 7 to 5 cleared.
    void writeStatus() { regStatus->writeMask(status, mask); }

    bool operationMOV(Byte m, Byte a)
    {
        debut(m);
        resultat(a);
        return true;
    }
    bool operationMOVW(Byte m)
    {
        debut(m);
        alu = w();
        return true;
    }
    bool operationADD(Byte m, Byte a, bool c)
    {
        debut(m);
        addition(a, w(), (c && carry()) ? 1 : 0);
        return true;
    }
    // a - W, or a - W - (NOT C) when c: a + (NOT W) + (C or 1).
    bool operationSUB(Byte m, Byte a, bool c)
    {
        debut(m);
        addition(a, static_cast<Byte>(~w()), c ? (carry() ? 1 : 0) : 1);
        return true;
    }
    // W - a, or W - a - (NOT C) when c: W + (NOT a) + (C or 1).
    bool operationSUBW(Byte m, Byte a, bool c)
    {
        debut(m);
        addition(w(), static_cast<Byte>(~a), c ? (carry() ? 1 : 0) : 1);
        return true;
    }
    bool operationDEC(Byte m, Byte a)
    {
        debut(m);
        resultat(a - 1u);
        setCarry(a != 0);
        setDigitCarry((a & 0x0F) != 0);
        setOverflow(a == 0x80);
        return true;
    }
    bool operationINC(Byte m, Byte a)
    {
        debut(m);
        resultat(a + 1u);
        setCarry(a == 0xFF);
        setDigitCarry((a & 0x0F) == 0x0F);
        setOverflow(a == 0x7F);
        return true;
    }
    bool operationNEG(Byte m, Byte a)
    {
        debut(m);
        resultat(0u - a);
        setCarry(a != 0);
        setDigitCarry(false);
        setOverflow(a == 0x80);
        return true;
    }
    bool operationAND(Byte m, Byte a)
    {
        debut(m);
        resultat(a & w());
        return true;
    }
    bool operationOR(Byte m, Byte a)
    {
        debut(m);
        resultat(a | w());
        return true;
    }
    bool operationXOR(Byte m, Byte a)
    {
        debut(m);
        resultat(a ^ w());
        return true;
    }
    bool operationCOM(Byte m, Byte a)
    {
        debut(m);
        resultat(static_cast<Byte>(~a));
        return true;
    }
    bool operationCLR(Byte m)
    {
        debut(m);
        alu = 0;
        setZero(true);
        return true;
    }
    bool operationSET(Byte m)
    {
        debut(m);
        alu = 0xFF;
        return true;
    }
    // Through C when c: (a << 1) | C, C = bit 7; otherwise a plain rotation.
    bool operationLEFT(Byte m, Byte a, bool c)
    {
        debut(m);
        if (c) {
            resultat((a << 1) | (carry() ? 1u : 0u));
            setCarry(a & 0x80);
        } else {
            resultat((a << 1) | (a >> 7));
        }
        return true;
    }
    bool operationRIGHT(Byte m, Byte a, bool c)
    {
        debut(m);
        if (c) {
            resultat((a >> 1) | (carry() ? 0x80u : 0u));
            setCarry(a & 0x01);
        } else {
            resultat((a >> 1) | ((a & 1u) << 7));
        }
        return true;
    }
    bool operationSWAP(Byte m, Byte a)
    {
        debut(m);
        alu = static_cast<Byte>((a << 4) | (a >> 4));
        return true;
    }
    // Decimal adjust of W after a packed-BCD addition: each digit above 9 (or whose
    // addition carried: DC for the low digit, C for the high one) gets 6 added, the
    // low digit's carry going into the high one; sets C on a high-digit adjustment,
    // always clears DC (mask C | DC).
    bool operationDAW();

    Byte read() const { return alu; }
    Byte pendingStatus() const { return status; }
    Byte pendingMask() const { return mask; }

    bool carry() const { return status & C; }
    void setCarry(bool v) { setFlag(C, v); }
    bool digitCarry() const { return status & DC; }
    void setDigitCarry(bool v) { setFlag(DC, v); }
    bool zero() const { return status & Z; }
    void setZero(bool v) { setFlag(Z, v); }
    bool overflow() const { return status & OV; }
    void setOverflow(bool v) { setFlag(OV, v); }
    bool negative() const { return status & N; }
    void setNegative(bool v) { setFlag(N, v); }

private:
    void setFlag(Byte f, bool v) { status = v ? (status | f) : (status & ~f); }
    Byte w() const { return regW->readDirect(); }
    void debut(Byte m)
    {
        mask = m;
        status = regStatus->readDirect();
    }
    // Z and N of the result; the other flags of the pending status are left alone.
    void resultat(unsigned r)
    {
        alu = static_cast<Byte>(r);
        status = static_cast<Byte>((status & ~(Z | N)) | (alu == 0 ? Z : 0) | ((alu >> 3) & N));
    }
    // x + y + carryIn: C from the full sum, DC from the low nibbles of x and y alone,
    // OV when x and y have one sign and the result the other.
    void addition(Byte x, Byte y, unsigned carryIn)
    {
        const unsigned somme = x + y + carryIn;
        alu = static_cast<Byte>(somme);
        const unsigned c = (somme >> 8) & 1;
        const unsigned dc = (((x & 0x0F) + (y & 0x0F)) >> 3) & DC;
        const unsigned ov = (((x ^ alu) & (y ^ alu) & 0x80) >> 4);
        status = static_cast<Byte>((status & ~tous) | c | dc | (alu == 0 ? Z : 0) | ov | ((alu >> 3) & N));
    }

    P18f4550* processeur;
    Registre* regW = nullptr;
    RegistreStatus* regStatus = nullptr;
    Byte alu = 0;
    Byte status = 0;
    Byte mask = 0;
};

#endif

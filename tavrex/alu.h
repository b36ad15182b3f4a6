#ifndef TAVREX_ALU_H
#define TAVREX_ALU_H

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

    void reset();
    void writeStatus();

    bool operationMOV(Byte m, Byte a);
    bool operationMOVW(Byte m);
    bool operationADD(Byte m, Byte a, bool c);
    bool operationSUB(Byte m, Byte a, bool c);   // a - W (- borrow when c)
    bool operationSUBW(Byte m, Byte a, bool c);  // W - a (- borrow when c)
    bool operationDEC(Byte m, Byte a);
    bool operationINC(Byte m, Byte a);
    bool operationNEG(Byte m, Byte a);
    bool operationAND(Byte m, Byte a);
    bool operationOR(Byte m, Byte a);
    bool operationXOR(Byte m, Byte a);
    bool operationCOM(Byte m, Byte a);
    bool operationCLR(Byte m);
    bool operationSET(Byte m);
    bool operationLEFT(Byte m, Byte a, bool c);
    bool operationRIGHT(Byte m, Byte a, bool c);
    bool operationSWAP(Byte m, Byte a);
    // Decimal adjust of W after a packed-BCD addition: sets C on a high-digit
    // adjustment, always clears DC (mask C | DC).
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
    void debut(Byte m);                      // mask and status at the start of an operation
    void resultat(unsigned r);               // alu = r, Z and N from it
    void addition(Byte x, Byte y, unsigned carryIn); // x + y + carryIn with C, DC, Z, OV, N

    P18f4550* processeur;
    Byte alu = 0;
    Byte status = 0;
    Byte mask = 0;
};

#endif

#include "alu.h"

#include "processeur.h"

namespace {
inline bool debordementSigne(Byte x, Byte y, Byte r)
{
    // Both operands of one sign, the result of the other.
    return ((x ^ r) & (y ^ r) & 0x80) != 0;
}
}

void Alu::reset()
{
    alu = 0;
    status = processeur->getDM()->readStatus();
}

void Alu::writeStatus()
{
    processeur->getDM()->writeStatus(status, mask);
}

void Alu::debut(Byte m)
{
    mask = m;
    status = processeur->getDM()->readStatus();
}

void Alu::resultat(unsigned r)
{
    alu = static_cast<Byte>(r);
    setZero(alu == 0);
    setNegative(alu & 0x80);
}

void Alu::addition(Byte x, Byte y, unsigned carryIn)
{
    const unsigned somme = x + y + carryIn;
    resultat(somme);
    setCarry(somme > 0xFF);
    setDigitCarry((x & 0x0F) + (y & 0x0F) > 0x0F);
    setOverflow(debordementSigne(x, y, alu));
}

bool Alu::operationMOV(Byte m, Byte a)
{
    debut(m);
    resultat(a);
    return true;
}

bool Alu::operationMOVW(Byte m)
{
    debut(m);
    alu = processeur->getDM()->w();
    return true;
}

bool Alu::operationADD(Byte m, Byte a, bool c)
{
    debut(m);
    addition(a, processeur->getDM()->w(), (c && carry()) ? 1 : 0);
    return true;
}

bool Alu::operationSUB(Byte m, Byte a, bool c)
{
    debut(m);
    const Byte nonW = static_cast<Byte>(~processeur->getDM()->w());
    addition(a, nonW, c ? (carry() ? 1 : 0) : 1);
    return true;
}

bool Alu::operationSUBW(Byte m, Byte a, bool c)
{
    debut(m);
    const Byte nonA = static_cast<Byte>(~a);
    addition(processeur->getDM()->w(), nonA, c ? (carry() ? 1 : 0) : 1);
    return true;
}

bool Alu::operationDEC(Byte m, Byte a)
{
    debut(m);
    resultat(a - 1u);
    setCarry(a != 0);
    setDigitCarry((a & 0x0F) != 0);
    setOverflow(a == 0x80);
    return true;
}

bool Alu::operationINC(Byte m, Byte a)
{
    debut(m);
    resultat(a + 1u);
    setCarry(a == 0xFF);
    setDigitCarry((a & 0x0F) == 0x0F);
    setOverflow(a == 0x7F);
    return true;
}

bool Alu::operationNEG(Byte m, Byte a)
{
    debut(m);
    resultat(0u - a);
    setCarry(a != 0);
    setDigitCarry(false);
    setOverflow(a == 0x80);
    return true;
}

bool Alu::operationAND(Byte m, Byte a)
{
    debut(m);
    resultat(a & processeur->getDM()->w());
    return true;
}

bool Alu::operationOR(Byte m, Byte a)
{
    debut(m);
    resultat(a | processeur->getDM()->w());
    return true;
}

bool Alu::operationXOR(Byte m, Byte a)
{
    debut(m);
    resultat(a ^ processeur->getDM()->w());
    return true;
}

bool Alu::operationCOM(Byte m, Byte a)
{
    debut(m);
    resultat(static_cast<Byte>(~a));
    return true;
}

bool Alu::operationCLR(Byte m)
{
    debut(m);
    alu = 0;
    setZero(true);
    return true;
}

bool Alu::operationSET(Byte m)
{
    debut(m);
    alu = 0xFF;
    return true;
}

bool Alu::operationLEFT(Byte m, Byte a, bool c)
{
    debut(m);
    if (c) {
        const bool entrant = carry();
        resultat((a << 1) | (entrant ? 1u : 0u));
        setCarry(a & 0x80);
    } else {
        resultat((a << 1) | (a >> 7));
    }
    return true;
}

bool Alu::operationRIGHT(Byte m, Byte a, bool c)
{
    debut(m);
    if (c) {
        const bool entrant = carry();
        resultat((a >> 1) | (entrant ? 0x80u : 0u));
        setCarry(a & 0x01);
    } else {
        resultat((a >> 1) | ((a & 1u) << 7));
    }
    return true;
}

bool Alu::operationSWAP(Byte m, Byte a)
{
    debut(m);
    alu = static_cast<Byte>((a << 4) | (a >> 4));
    return true;
}

bool Alu::operationDAW()
{
    debut(C | DC);
    const Byte w = processeur->getDM()->w();
    const unsigned dc = digitCarry() ? 1 : 0;
    unsigned lo = w & 0x0F;
    const unsigned hi = w >> 4;
    if (dc || lo > 9)
        lo = (lo + 6) & 0x0F;
    if (hi + dc > 9 || carry()) {
        // The high digit takes the low digit's carry only when it is adjusted too.
        alu = static_cast<Byte>(lo + ((hi + 6 + dc) << 4));
        setCarry(true);
    } else {
        alu = static_cast<Byte>(lo + (hi << 4));
    }
    setDigitCarry(false);
    return true;
}

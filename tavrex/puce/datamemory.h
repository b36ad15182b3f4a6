#ifndef TAVREX_DATAMEMORY_H
#define TAVREX_DATAMEMORY_H

#include <string>

#include "registre.h"
#include "types.h"

class P18f4550;

// The data address space of the PIC18F4550: 4,096 locations, each a register object
// whose class gives it its behaviour, plus the core state that lives beside them
// (return stack, program counter, fast-return shadows).
//
// Quirks of the chip that this module implements:
// - access bank: a = 0 reaches RAM 0x000-0x05F for f < 0x60 and the SFRs
//   0xF60-0xFFF for f >= 0x60; a = 1 reaches BSR * 256 + f;
// - banks 8 to 14 and 0xF60 below the SFRs read 0 and ignore writes; BSR keeps 4 bits,
//   STATUS 5 bits;
// - indirect registers: INDFn and PLUSWn never move FSRn, PREINCn moves it before
//   the access, POSTINCn/POSTDECn after the instruction's last access, once per
//   instruction, also for read-modify-write instructions; an indirect access that
//   lands on an indirect register reads 0 and writes nothing; FSRnH counts modulo 16;
// - PORTx versus LATx: writing PORTx writes LATx; PORTx holds the levels the pins
//   had at their last evaluation;
// - by default PCL, PCLATH, PCLATU and TOSx are plain storage, not connected to the
//   program counter (TOSx are copies written by the stack operations), and INTCON,
//   INTCON2, INTCON3, PIRx, PIEx, IPRx and RCON plain storage (all 0 at power-on);
// - in the silicon mode PCL, TOSx and STKPTR are connected to the counter and the
//   stack; every change of the interrupt registers goes to the interrupt logic,
//   which looks whether an interrupt waits; INTCON2 (0xF5), INTCON3 (0xC0), IPR1
//   and IPR2 (0xFF) and RCON (0x1C) take the chip's power-on values; a read of
//   PORTB latches RB4-RB7 for the change interrupt, and RBIF cleared while RB4-RB7
//   (inputs) still differ from that latch is set again;
// - the return stack has 31 levels; entry 0 is never written and pops as address 0.
//
// The registers of what the board does not model stay plain storage; the program's
// accesses to them are said to the processor's diagnostics, the stack's overflow and
// underflow noted for them.
class DataMemory
{
    friend class EtatModele;   // a snapshot reads and restores the whole state

public:
    enum Adresse : Word {
        SPPDATA = 0xF62, SPPCFG, SPPEPS, SPPCON, UFRML, UFRMH, UIR, UIE, UEIR, UEIE, USTAT, UCON, UADDR, UCFG,
        UEP0 = 0xF70, UEP1, UEP2, UEP3, UEP4, UEP5, UEP6, UEP7, UEP8, UEP9, UEP10, UEP11, UEP12, UEP13, UEP14, UEP15,
        PORTA = 0xF80, PORTB, PORTC, PORTD, PORTE,
        LATA = 0xF89, LATB, LATC, LATD, LATE,
        TRISA = 0xF92, TRISB, TRISC, TRISD, TRISE,
        OSCTUNE = 0xF9B, PIE1 = 0xF9D, PIR1, IPR1,
        PIE2 = 0xFA0, PIR2, IPR2, EECON1 = 0xFA6, EECON2, EEDATA, EEADR, RCSTA = 0xFAB, TXSTA, TXREG, RCREG, SPBRG,
        SPBRGH = 0xFB0, T3CON, TMR3L, TMR3H, CMCON, CVRCON, ECCP1AS, ECCP1DEL, BAUDCON,
        CCP2CON = 0xFBA, CCPR2L, CCPR2H, CCP1CON, CCPR1L, CCPR1H,
        ADCON2 = 0xFC0, ADCON1, ADCON0, ADRESL, ADRESH, SSPCON2, SSPCON1, SSPSTAT, SSPADD, SSPBUF,
        T2CON, PR2, TMR2, T1CON, TMR1L, TMR1H,
        RCON = 0xFD0, WDTCON, HLVDCON, OSCCON, T0CON = 0xFD5, TMR0L, TMR0H, STATUS, FSR2L, FSR2H,
        PLUSW2, PREINC2, POSTDEC2, POSTINC2, INDF2,
        BSR = 0xFE0, FSR1L, FSR1H, PLUSW1, PREINC1, POSTDEC1, POSTINC1, INDF1, WREG, FSR0L, FSR0H,
        PLUSW0, PREINC0, POSTDEC0, POSTINC0, INDF0,
        INTCON3 = 0xFF0, INTCON2, INTCON, PRODL, PRODH, TABLAT, TBLPTRL, TBLPTRH, TBLPTRU,
        PCL, PCLATH, PCLATU, STKPTR, TOSL, TOSH, TOSU
    };

    static constexpr int taille = 4096;
    static constexpr Word finRam = finRamDonnees;
    static const std::string nameSFR[160];
    // An SFR of the chip sits at `adr` (0xF60 to 0xFFF, its name not a dash).
    static bool estSfr(Word adr);

    explicit DataMemory(P18f4550* p);
    ~DataMemory();
    DataMemory(const DataMemory&) = delete;
    DataMemory& operator=(const DataMemory&) = delete;

    // Operand access of the byte- and bit-oriented instructions.
    Word getAdr(bool a, Byte f) const
    {
        if (a)
            return static_cast<Word>(bsr->readDirect() * 256 + f);
        return f < 0x60 ? f : static_cast<Word>(0xF00 + f);
    }
    Byte read(bool a, Byte f) { return read(getAdr(a, f)); }
    void write(bool a, Byte f, Byte value) { write(getAdr(a, f), value); }
    void bitSetClr(bool a, Byte f, bool set, Byte bit) { bitSetClr(getAdr(a, f), set, bit); }
    void doPreIndirect(bool a, Byte f) { doPreIndirect(getAdr(a, f)); }
    void doPostIndirect(bool a, Byte f) { doPostIndirect(getAdr(a, f)); }
    std::string name(bool a, Byte f) const { return name(getAdr(a, f)); }

    // The same with a full 12-bit address (MOVFF, peripherals): above 0xFFF reads 0.
    Byte read(Word adr) { return adr < taille ? reg[adr]->read() : 0; }
    void write(Word adr, Byte value)
    {
        if (adr < taille)
            reg[adr]->write(value);
    }
    void bitSetClr(Word adr, bool set, Byte bit)
    {
        if (adr < taille)
            reg[adr]->bitSetClr(bit, set);
    }
    void setBit(Word adr, Byte bit) { bitSetClr(adr, true, bit); }
    void clrBit(Word adr, Byte bit) { bitSetClr(adr, false, bit); }
    void doPreIndirect(Word adr)
    {
        if (adr < taille)
            reg[adr]->avantAcces();
    }
    void doPostIndirect(Word adr)
    {
        if (adr < taille)
            reg[adr]->apresAcces();
    }
    bool isIndirectReg(Word adr) const { return adr < taille && reg[adr]->isIndirectReg(); }
    // An instruction's access to `adr` reaches plain RAM, directly or through the FSR
    // an indirect register uses now. The FSR steps of the instruction itself (a
    // PREINCn, both operands of a MOVFF) take the access at most two bytes further,
    // into the empty bank 8 at worst: no side effect there either.
    bool accesRam(Word adr) const
    {
        if (adr < finRam)
            return true;
        return adr < taille && reg[adr]->isIndirectReg() && static_cast<const RegistreIndirect*>(reg[adr])->cibleEnRam();
    }
    std::string name(Word adr) const;

    // The register of an instruction operand. BSR holds four bits, so every banked
    // address lies inside data memory.
    Registre* operande(bool a, Byte f) const { return reg[getAdr(a, f)]; }

    // The register object at an address (null above 0xFFF), and its stored byte
    // read without side effects.
    Registre* registre(Word adr) const { return adr < taille ? reg[adr] : nullptr; }
    Byte readDirect(Word adr) const { return adr < taille ? reg[adr]->readDirect() : 0; }

    void writePortADirect(Byte v) { regPort[0]->writeDirect(v); }
    void writePortBDirect(Byte v) { regPort[1]->writeDirect(v); }
    void writePortCDirect(Byte v) { regPort[2]->writeDirect(v); }
    void writePortDDirect(Byte v) { regPort[3]->writeDirect(v); }
    void writePortEDirect(Byte v) { regPort[4]->writeDirect(v); }

    void modifie(int adr, Registre* r);
    // The silicon mode: PCL, TOSx and STKPTR connected to the counter and the stack.
    void setSilicium(bool oui);
    // From those registers in the silicon mode: a read of PCL, a write of one of them
    // (`avant`: the byte it held).
    void litPCL();
    void ecritCoeur(Word adr, Byte avant);
    // The registers that watch for the diagnostics, armed (`actif`) or not.
    void arme(bool actif);
    // What the stack noted for the diagnostics since it was last asked: bit 0 an
    // overflow reset (STVREN), bit 1 a return address lost (STVREN off), bit 2 a
    // return with the stack empty; the address of the last instruction concerned.
    Byte pileEnAttente() const { return pileNotee; }
    DWord pcPile() const { return pcPileNotee; }
    void oubliePile() { pileNotee = 0; }

    // Core registers.
    Byte readBSR() const { return bsr->readDirect(); }
    void writeBSR(Byte v) { bsr->write(v); }
    Byte w() const { return wreg->readDirect(); }
    void setW(Byte v) { wreg->writeDirect(v); }
    Byte readStatus() const { return status->readDirect(); }
    void writeStatus(Byte value, Byte mask) { status->writeMask(value, mask); }
    bool carry() const { return status->carry(); }
    bool digitCarry() const { return status->digitCarry(); }
    bool zero() const { return status->zero(); }
    bool overflow() const { return status->overflow(); }
    bool negative() const { return status->negative(); }
    void setCarry(bool v) { status->setCarry(v); }
    void setDigitCarry(bool v) { status->setDigitCarry(v); }
    void setZero(bool v) { status->setZero(v); }
    void setOverflow(bool v) { status->setOverflow(v); }
    void setNegative(bool v) { status->setNegative(v); }

    void produit(Word p)
    {
        reg[PRODL]->writeDirect(static_cast<Byte>(p));
        reg[PRODH]->writeDirect(static_cast<Byte>(p >> 8));
    }
    void writeFSRfH(Byte n, Byte v);
    void writeFSRfL(Byte n, Byte v);
    Word readFSR0() const { return fsr(FSR0L); }
    Word readFSR1() const { return fsr(FSR1L); }
    Word readFSR2() const { return fsr(FSR2L); }
    void incFSR0() { incFSR(FSR0L); }
    void incFSR1() { incFSR(FSR1L); }
    void incFSR2() { incFSR(FSR2L); }
    void decFSR0() { decFSR(FSR0L); }
    void decFSR1() { decFSR(FSR1L); }
    void decFSR2() { decFSR(FSR2L); }
    // The 12-bit FSR whose low byte is at `low`: FSRnH counts modulo 16.
    void incFSR(Word low);
    void decFSR(Word low);

    // Program counter: every stored value is masked to the 32 KB program space.
    void resetPC() { programCounter = 0; }
    DWord getPC() const { return programCounter; }
    DWord nextPC() { return programCounter = (programCounter + 2) & 0x7FFF; }
    void prevPC() { programCounter = (programCounter - 2) & 0x7FFF; }
    void setPC(DWord a) { programCounter = a & 0x7FFF; }

    // Return stack. Every CALL, RCALL and PUSH goes through push(): inline.
    // The next push fills the stack (STVREN then decides between a reset and a full flag).
    bool pushRemplit() const { return (reg[STKPTR]->readDirect() & 0x1F) == 30; }
    bool push(DWord pc, bool stvren);
    DWord pop();
    void pushReg();
    void popReg();
    unsigned int stackEntry(int i) const { return stack[i & 31]; }

    // Table pointer.
    DWord readTBLPTR() const;
    void incTBLPTR();
    void decTBLPTR();
    void writeTABLAT(Byte v) { reg[TABLAT]->writeDirect(v); }

    void powerOnReset();

    P18f4550* getProcesseur() const { return processeur; }

private:
    Word fsr(Word low) const { return static_cast<Word>(reg[low + 1]->readDirect() * 256 + reg[low]->readDirect()); }
    void chargeTOS(DWord v);
    // Noted in two stores, so that the stack's operations stay calls of nothing.
    void notePile(Byte quoi)
    {
        pileNotee |= quoi;
        pcPileNotee = (programCounter - 2) & 0x7FFF;
    }

    Registre* reg[taille];
    RegistreStatus* status = nullptr;
    RegistreBSR* bsr = nullptr;
    unsigned int stack[32];
    DWord programCounter = 0;
    Byte bsrS = 0, statusS = 0, wS = 0;
    P18f4550* processeur;
    // Shortcuts to objects that never move after construction.
    Registre* wreg = nullptr;
    Registre* regPort[5] = {};
    Byte pileNotee = 0;
    DWord pcPileNotee = 0;
};

// --- File select registers and return stack: on every indirect step and call -----

inline void DataMemory::incFSR(Word low)
{
    pasFSR(reg[low], reg[low + 1], true);
}

inline void DataMemory::decFSR(Word low)
{
    pasFSR(reg[low], reg[low + 1], false);
}

inline void DataMemory::chargeTOS(DWord v)
{
    reg[TOSU]->writeDirect((v >> 16) & 0x1F);
    reg[TOSH]->writeDirect(static_cast<Byte>(v >> 8));
    reg[TOSL]->writeDirect(static_cast<Byte>(v));
}

inline bool DataMemory::push(DWord pc, bool stvren)
{
    Registre* stkptr = reg[STKPTR];
    const Byte ancien = stkptr->readDirect();
    const int sp = ancien & 0x1F;
    if (sp == 31) {
        notePile(2);
        return false;   // a full stack ignores further pushes
    }
    const int n = sp + 1;
    const Byte stkunf = ancien & 0x40;
    if (n == 31 && stvren) {
        notePile(1);
        // Overflow reset: the address saved is the one after the pushing instruction.
        stack[31] = (programCounter + 2) & 0x1FFFFF;
        chargeTOS(stack[31]);
        stkptr->writeDirect(0x80 | stkunf);
        return true;
    }
    stack[n] = pc & 0x1FFFFF;
    chargeTOS(stack[n]);
    const Byte stkful = (n == 31) ? 0x80 : (ancien & 0x80);
    stkptr->writeDirect(static_cast<Byte>(n | stkunf | stkful));
    return false;
}

inline DWord DataMemory::pop()
{
    Registre* stkptr = reg[STKPTR];
    Byte v = stkptr->readDirect();
    int sp = v & 0x1F;
    const DWord resultat = stack[sp];
    if (sp == 0) {
        v |= 0x40;
        notePile(4);
    } else {
        --sp;
    }
    stkptr->writeDirect(static_cast<Byte>((v & 0xE0) | sp));
    chargeTOS(stack[sp]);
    return resultat;
}

#endif

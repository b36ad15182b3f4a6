#ifndef TAVREX_REGISTRE_H
#define TAVREX_REGISTRE_H

#include <string>

#include "types.h"

// One object per data-memory location: its class decides what a read, a write or a
// single-bit operation does (plain storage, nothing, masked storage, indirect access,
// or a call into the peripheral that owns the register).

class DataMemory;
class Diagnostics;
class Interruptions;
class Port;

// Banks 0 to 7 of data memory: plain storage.
constexpr Word finRamDonnees = 0x800;
class ModuleADC;
class Pwm;
class Timer0;
class Timer2;

class Registre
{
public:
    static const Byte maskSet[8];
    static const Byte maskClr[8];

    Registre() = default;
    virtual ~Registre() = default;

    virtual Byte read() { return data; }
    virtual void write(Byte d) { data = d; }
    virtual void setBit(Byte num) { data |= maskSet[num & 7]; }
    virtual void clrBit(Byte num) { data &= maskClr[num & 7]; }
    virtual void powerOnReset() { write(0); }
    virtual std::string name() const { return "NOT A SFR"; }
    virtual void doPreIndirect() {}
    virtual void doPostIndirect() {}
    // For the diagnostics (`actif`) or not: a register that says the program's reads
    // reads by ticks while it may still say one.
    virtual void arme(bool actif) { (void)actif; }
    bool isIndirectReg() const { return indirect; }

    // Before and after an instruction's access to this register. Only the registers
    // that move an FSR around an access (PREINCn, POSTINCn, POSTDECn) act; testing a
    // flag spares every other operand two empty virtual calls.
    void avantAcces()
    {
        if (pointeurMobile)
            doPreIndirect();
    }
    void apresAcces()
    {
        if (pointeurMobile)
            doPostIndirect();
    }

    // read() gives the stored byte and does nothing else (no FSR step either): an
    // instruction that only reads such a register may run its cycle at once.
    bool lectureSimple() const { return lectureDirecte && !pointeurMobile; }

    // Without side effects: data memory and the peripherals use these.
    Byte readDirect() const { return data; }
    void writeDirect(Byte d) { data = d; }
    void incDirect() { ++data; }
    void incDirect(Byte add) { data = static_cast<Byte>(data + add); }
    void decDirect() { --data; }
    void bitSetClr(Byte num, bool set)
    {
        if (set)
            setBit(num);
        else
            clrBit(num);
    }

protected:
    Byte data = 0;
    bool pointeurMobile = false;
    bool lectureDirecte = true;   // every class that overrides read() clears it
    bool indirect = false;
};

// One step of a file select register, 12 bits in a pair whose high byte holds 4.
inline void pasFSR(Registre* bas, Registre* haut, bool monte)
{
    if (monte) {
        bas->incDirect();
        if (bas->readDirect() == 0)
            haut->writeDirect((haut->readDirect() + 1) & 0x0F);
    } else {
        bas->decDirect();
        if (bas->readDirect() == 0xFF)
            haut->writeDirect((haut->readDirect() - 1) & 0x0F);
    }
}

// Banks 8 to 14 and the start of bank 15: nothing there.
class RegistreInutilise : public Registre
{
public:
    RegistreInutilise() { lectureDirecte = false; }
    Byte read() override { return 0; }
    void write(Byte) override {}
    void setBit(Byte) override {}
    void clrBit(Byte) override {}
};

class RegistreSpecial : public Registre
{
public:
    explicit RegistreSpecial(const std::string& nom) : nom(nom) {}
    std::string name() const override { return nom; }

protected:
    std::string nom;
};

class RegistreStatus : public RegistreSpecial
{
public:
    enum : Byte { C = 0x01, DC = 0x02, Z = 0x04, OV = 0x08, N = 0x10 };
    RegistreStatus() : RegistreSpecial("STATUS") {}
    // Five bits exist: whatever the access, bits 7 to 5 read 0.
    void write(Byte d) override { data = d & 0x1F; }
    void setBit(Byte num) override { data = (data | maskSet[num & 7]) & 0x1F; }

    bool carry() const { return data & C; }
    void setCarry(bool v) { drapeau(C, v); }
    bool digitCarry() const { return data & DC; }
    void setDigitCarry(bool v) { drapeau(DC, v); }
    bool zero() const { return data & Z; }
    void setZero(bool v) { drapeau(Z, v); }
    bool overflow() const { return data & OV; }
    void setOverflow(bool v) { drapeau(OV, v); }
    bool negative() const { return data & N; }
    void setNegative(bool v) { drapeau(N, v); }
    void writeMask(Byte b, Byte m) { data = ((data & ~m) | (b & m)) & 0x1F; }

private:
    void drapeau(Byte f, bool v) { data = v ? (data | f) : (data & ~f); }
};

class RegistreBSR : public RegistreSpecial
{
public:
    RegistreBSR() : RegistreSpecial("BSR") {}
    // Four bits exist, so a banked address never leaves data memory.
    void write(Byte d) override { data = d & 0x0F; }
    void setBit(Byte num) override { data = (data | maskSet[num & 7]) & 0x0F; }
};

// TRISx and LATx: every change marks the port's pins for evaluation.
class RegistreTrisLat : public RegistreSpecial
{
public:
    RegistreTrisLat(const std::string& nom, Port* port) : RegistreSpecial(nom), port(port) {}
    void write(Byte d) override;
    void setBit(Byte num) override;
    void clrBit(Byte num) override;

private:
    Port* port;
};

// PORTx: reading refreshes the devices on the port's pins first; writing goes to LATx.
class RegistrePort : public RegistreSpecial
{
public:
    RegistrePort(const std::string& nom, Registre* lat, Port* port)
        : RegistreSpecial(nom), lat(lat), port(port)
    {
        lectureDirecte = false;
    }
    Byte read() override;
    void write(Byte d) override { lat->write(d); }
    void setBit(Byte num) override { lat->setBit(num); }
    void clrBit(Byte num) override { lat->clrBit(num); }
    // PORTB in the silicon mode: the program's reads latch the mismatch of RB4-RB7.
    void setLecteur(Interruptions* i) { lecteur = i; }

private:
    Registre* lat;
    Port* port;
    Interruptions* lecteur = nullptr;
};

// Indirect addressing: an access goes to the location an FSR points to. A target
// above 0xFFF, or a target that is itself an indirect register, reads 0 and ignores
// writes. INDFn and PLUSWn never move FSRn; PREINCn moves it before the access,
// POSTINCn and POSTDECn after the instruction's last access.
class RegistreIndirect : public RegistreSpecial
{
public:
    enum Pas : Byte { fixe, preIncremente, postIncremente, postDecremente };
    // `fsrBas`: the address of FSRn's low byte; `plusW`: the target is FSRn + W (W
    // signed), wrapped inside data memory.
    RegistreIndirect(const std::string& nom, DataMemory* mem, Word fsrBas, Pas pas, bool plusW = false);
    // An indirect register has no storage of its own: resetting it must not write
    // through a pointer that is itself being reset (PLUSW1 and PLUSW2 come before WREG).
    void powerOnReset() override {}
    Byte read() override;
    void write(Byte d) override;
    void setBit(Byte num) override;
    void clrBit(Byte num) override;
    void doPreIndirect() override;
    void doPostIndirect() override;

    // The FSR steps before and after an access, without the virtual calls, for a
    // word run at once that reaches RAM through this register.
    void pasAvant()
    {
        if (pas == preIncremente)
            pasFSR(fsrL, fsrH, true);
    }
    void pasApres()
    {
        if (pas == postIncremente)
            pasFSR(fsrL, fsrH, true);
        else if (pas == postDecremente)
            pasFSR(fsrL, fsrH, false);
    }

    // The target address now, before the instruction's own FSR steps.
    Word cible() const
    {
        const Word fsr = static_cast<Word>(fsrH->readDirect() * 256 + fsrL->readDirect());
        return w ? static_cast<Word>((fsr + static_cast<int8_t>(w->readDirect())) & 0xFFF) : fsr;
    }
    bool cibleEnRam() const { return cible() < finRamDonnees; }

private:
    Registre* registreCible() const;  // null when the access goes nowhere
    DataMemory* mem;
    Registre* fsrL;
    Registre* fsrH;
    const Registre* w = nullptr;
    Pas pas;
};

// A register whose every change (write or bit operation) is followed by the owning
// module's reaction to the new value.
class RegistreEffet : public RegistreSpecial
{
public:
    using RegistreSpecial::RegistreSpecial;
    void write(Byte d) override
    {
        data = d;
        applique();
    }
    void setBit(Byte num) override
    {
        Registre::setBit(num);
        applique();
    }
    void clrBit(Byte num) override
    {
        Registre::clrBit(num);
        applique();
    }

protected:
    virtual void applique() = 0;
};

// A/D control registers: every change reconfigures the converter.
class RegistreADC : public RegistreEffet
{
public:
    RegistreADC(const std::string& nom, ModuleADC* adc) : RegistreEffet(nom), adc(adc) {}

protected:
    ModuleADC* adc;
};
class RegistreADCON0 : public RegistreADC
{
public:
    explicit RegistreADCON0(ModuleADC* adc) : RegistreADC("ADCON0", adc) {}
protected:
    void applique() override;
};
class RegistreADCON1 : public RegistreADC
{
public:
    explicit RegistreADCON1(ModuleADC* adc) : RegistreADC("ADCON1", adc) {}
protected:
    void applique() override;
};
class RegistreADCON2 : public RegistreADC
{
public:
    explicit RegistreADCON2(ModuleADC* adc) : RegistreADC("ADCON2", adc) {}
protected:
    void applique() override;
};

// CCP registers of a PWM module. A mode other than PWM or off, or CCP1's enhanced
// PWM outputs, is said to the diagnostics.
class RegistreCCPxCON : public RegistreEffet
{
public:
    RegistreCCPxCON(const std::string& nom, Pwm* pwm, Diagnostics* diag)
        : RegistreEffet(nom), pwm(pwm), diag(diag) {}

protected:
    void applique() override;

private:
    Pwm* pwm;
    Diagnostics* diag;
};
class RegistreCCPRxL : public RegistreEffet
{
public:
    RegistreCCPRxL(const std::string& nom, Pwm* pwm) : RegistreEffet(nom), pwm(pwm) {}

protected:
    void applique() override;

private:
    Pwm* pwm;
};
// Read-only for the program while the module runs: the module loads it itself.
class RegistreCCPRxH : public RegistreSpecial
{
public:
    RegistreCCPRxH(const std::string& nom, Pwm* pwm) : RegistreSpecial(nom), pwm(pwm) {}
    void write(Byte d) override;
    void setBit(Byte num) override;
    void clrBit(Byte num) override;

private:
    Pwm* pwm;
};

class RegistreT0CON : public RegistreEffet
{
public:
    explicit RegistreT0CON(Timer0* t) : RegistreEffet("T0CON"), timer0(t) {}
    void powerOnReset() override { write(0xFF); }

protected:
    void applique() override;

private:
    Timer0* timer0;
};
class RegistreTMR0L : public RegistreSpecial
{
public:
    explicit RegistreTMR0L(Timer0* t) : RegistreSpecial("TMR0L"), timer0(t) { lectureDirecte = false; }
    Byte read() override;
    void write(Byte d) override;
    void setBit(Byte num) override;
    void clrBit(Byte num) override;

private:
    Timer0* timer0;
};
// The high-byte buffer of Timer0 in 16-bit mode: plain storage.
class RegistreTMR0H : public RegistreSpecial
{
public:
    RegistreTMR0H() : RegistreSpecial("TMR0H") {}
};

class RegistreT2CON : public RegistreEffet
{
public:
    explicit RegistreT2CON(Timer2* t) : RegistreEffet("T2CON"), timer2(t) {}

protected:
    void applique() override;

private:
    Timer2* timer2;
};
class RegistrePR2 : public RegistreSpecial
{
public:
    explicit RegistrePR2(Timer2* t) : RegistreSpecial("PR2"), timer2(t) {}
    void write(Byte d) override;
    void setBit(Byte num) override;
    void clrBit(Byte num) override;
    void powerOnReset() override { write(0xFF); }

private:
    Timer2* timer2;
};
class RegistreTMR2 : public RegistreSpecial
{
public:
    explicit RegistreTMR2(Timer2* t) : RegistreSpecial("TMR2"), timer2(t) { lectureDirecte = false; }
    Byte read() override;
    void write(Byte d) override;
    void setBit(Byte num) override;
    void clrBit(Byte num) override;

private:
    Timer2* timer2;
};

// A register of something the board does not model, plain storage as ever: the
// program's writes, and its reads when `lu`, are said to the diagnostics under
// `genre`, with the register's name. A write whose bits under `masqueRepos` equal
// `valeurRepos` leaves the module off and says nothing (no mask: every write says).
// Watched reads make the instructions that read it run by ticks (lectureDirecte
// clear); once the kind is said the register reads plainly again.
class RegistreNonModelise : public RegistreEffet
{
public:
    RegistreNonModelise(const std::string& nom, Diagnostics* diag, Byte genre, bool lu, Byte masqueRepos = 0,
                        Byte valeurRepos = 0);
    Byte read() override
    {
        if (veilleLecture)
            noteLecture();
        return data;
    }
    void powerOnReset() override { data = 0; }
    void arme(bool actif) override;

private:
    // Every change of the program: said unless it leaves the module at rest.
    void applique() override { noteEcriture(); }
    void noteEcriture();
    [[gnu::cold]] void noteLecture();

    Diagnostics* diag;
    Byte genre;
    bool lu;
    bool veilleLecture = false;
    Byte masqueRepos;
    Byte valeurRepos;
};

// PCL, TOSU, TOSH, TOSL and STKPTR. By default plain storage whose writes are said,
// the counter and the stack kept apart from them; in the silicon mode (set before the
// program's load, which reads whether PCL reads plainly) connected as on the chip:
// a write is passed to data memory, which moves the counter or the stack, and a
// read of PCL first loads it, PCLATH and PCLATU from the counter.
class RegistreCoeur : public RegistreNonModelise
{
public:
    RegistreCoeur(const std::string& nom, DataMemory* mem, Diagnostics* diag, Byte genre, Word adresse)
        : RegistreNonModelise(nom, diag, genre, false), mem(mem), adresse(adresse) {}
    Byte read() override
    {
        if (connecteLu)
            lit();
        return data;
    }
    void write(Byte d) override
    {
        const Byte avant = data;
        if (!silicium)
            return RegistreNonModelise::write(d);
        data = d;
        ecrit(avant);
    }
    void setBit(Byte num) override
    {
        const Byte avant = data;
        if (!silicium)
            return RegistreNonModelise::setBit(num);
        if (connecteLu)
            lit();   // a read-modify-write
        Registre::setBit(num);
        ecrit(avant);
    }
    void clrBit(Byte num) override
    {
        const Byte avant = data;
        if (!silicium)
            return RegistreNonModelise::clrBit(num);
        if (connecteLu)
            lit();   // a read-modify-write
        Registre::clrBit(num);
        ecrit(avant);
    }
    void arme(bool actif) override
    {
        RegistreNonModelise::arme(actif);
        lectureDirecte = !connecteLu;
    }
    void setSilicium(bool oui);

private:
    void lit();
    void ecrit(Byte avant);

    DataMemory* mem;
    Word adresse;
    bool silicium = false;
    bool connecteLu = false;   // PCL in the silicon mode
};

// INTCON, INTCON2, INTCON3, PIRx, PIEx, IPRx and RCON. In the default mode plain
// storage: a change of the program that sets one of the bits under `masque` (GIE,
// PEIE, the enables, IPEN) and leaves an interrupt armed is said to the diagnostics;
// the peripherals' flags (Timer0's TMR0IF) are outside the mask: setting them costs
// one test. In the silicon mode every change is passed to the interrupt logic, which
// looks whether an interrupt now waits, and the power-on value is the chip's
// (`porSilicium`: INTEDGx, RBPU and the priorities set).
class RegistreInterruptions : public RegistreSpecial
{
public:
    RegistreInterruptions(const std::string& nom, DataMemory* mem, Diagnostics* diag, Byte masque, Word adresse,
                          Byte porSilicium)
        : RegistreSpecial(nom), mem(mem), diag(diag), masque(masque), adresse(adresse), porSilicium(porSilicium) {}
    void write(Byte d) override
    {
        const Byte avant = data;
        data = d;
        apres(avant);
    }
    void setBit(Byte num) override
    {
        const Byte avant = data;
        Registre::setBit(num);
        apres(avant);
    }
    void clrBit(Byte num) override
    {
        Registre::clrBit(num);
        if (logique)
            change();
    }
    void powerOnReset() override { data = logique ? porSilicium : 0; }
    // The silicon mode's interrupt logic, or none (the default mode).
    void setLogique(Interruptions* i) { logique = i; }

private:
    void apres(Byte avant)
    {
        if (logique)
            change();
        else if (data & ~avant & masque)
            examine();
    }
    void change();
    [[gnu::cold]] void examine();

    DataMemory* mem;
    Diagnostics* diag;
    Byte masque;
    Word adresse;
    Byte porSilicium;
    Interruptions* logique = nullptr;
};

#endif

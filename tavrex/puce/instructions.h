#ifndef TAVREX_INSTRUCTIONS_H
#define TAVREX_INSTRUCTIONS_H

#include <string>
#include <vector>

#include "types.h"

// The PIC18 standard instruction set. Each program word is decoded once, when it is
// written into program memory: the matching prototype of the table is copied and the
// copy extracts its operand fields. At run time the processor only calls the copy's
// phase operations: parametres() in Q2, process() in Q3, execute() in Q4 (true for a
// one-cycle instruction), and specialQ2()/specialQ4() in the second cycle.

class P18f4550;
class Registre;
class RegistreIndirect;
class Instruction;
typedef Instruction* InstructionPtr;

// What a cycle run at once leaves to the pipeline, beside the program counter (the
// low 16 bits).
namespace Suite {
constexpr uint32_t pc = 0xFFFF;
constexpr uint32_t deuxCycles = 1u << 16;   // a second cycle follows
constexpr uint32_t vide = 1u << 17;         // the fetched word was flushed: a NOP comes next
constexpr uint32_t abandon = 1u << 18;      // a reset: the processor's own state tells the rest
}

class Instruction
{
public:
    // `mnemo`: a literal, kept by address (every program word has its own copy).
    Instruction(const char* mnemo, Word mask, Word opcode, int numero, P18f4550* p);
    virtual ~Instruction() = default;

    virtual void preParametres() {}
    virtual void parametres() {}
    virtual void process() {}
    virtual bool execute() { return true; }
    virtual void specialQ2() {}
    virtual void specialQ4() {}
    // The trace's text: the operands as the last run of this word left them.
    virtual std::string affiche() const;
    // The listing's text of the word at `adresse`, from its own words only (`suivant`
    // is the program word after it, the second word of a two-word instruction): no
    // value of a run in it, a jump's target as an address.
    virtual std::string desassemble(DWord adresse, Word suivant) const;
    // The program address a branch, call or goto at `adresse` goes to; -1 for the
    // other instructions.
    virtual int32_t cible(DWord adresse, Word suivant) const;
    // CALL, GOTO, MOVFF, LFSR: the word after this one is part of it.
    bool deuxMots() const;
    virtual Instruction* copie() const;
    // Q2 to Q4 in one call, for the processor's cycles run at once (estCalme()).
    // `pc`: the program counter during the cycle (the word's address + 2). Returns
    // the counter as Q4 finds it before its step, with the flags of `Suite`. The
    // phases also leave the counter and the fetch stage in the processor, as the
    // ticks do; the return tells the run loop the same without its reading them back.
    virtual uint32_t executeEnBloc(DWord pc);

    // The phases reach only the core: W, STATUS, BSR, RAM, FSR, the table pointer,
    // the stack and the program counter, which no event or port reads or changes.
    // Known when the word is decoded, or, for an operand found at run time (a banked
    // address, an FSR's target, MOVFF's two addresses), at the start of the cycle:
    // neither events nor ports move BSR, W or an FSR, so the cycle's ticks reach the
    // locations seen then.
    bool estCalme() const { return fermeBoucle() || estCalmeSansBoucle(); }
    bool estCalmeAuDecodage() const { return calme == Calme::oui; }
    // Quiet now, and no loop that may wait: it may run inside a stretch of quiet words.
    bool estCalmeSansBoucle() const { return calme == Calme::oui || (calme == Calme::selonCible && cibleEnRam()); }
    // A BRA back onto itself or onto the word before it, or a GOTO that may be one:
    // a loop that may be waiting. The processor looks, out of its run loop, whether
    // whole turns can pass at once.
    bool fermeBoucle() const { return calme == Calme::boucle; }
    // A breakpoint's stand-in (InstructionArret): the run loops stop before it.
    bool estMarque() const { return calme == Calme::marque; }
    // The word's own address, once decoded there.
    virtual void placer(DWord adresse) { (void)adresse; }
    // For the diagnostics (`actif`) or not: an instruction that says itself when it
    // runs runs by ticks while it may still say something.
    virtual void arme(bool actif) { (void)actif; }
    // A jump that closes a loop, about to run at `adresse`: 1 when it jumps onto
    // itself, 2 onto the word before it, 0 otherwise.
    virtual int motsDeBoucle(DWord adresse) const { (void)adresse; return 0; }
    // This word heads such a loop: passes at most `max` turns at once and returns how
    // many. A turn may pass only if this word does not leave the loop in it and
    // changes nothing but its own RAM byte. The processor sees to it that no event
    // and no port work falls inside the turns, so each turn reads what the one
    // before read, and only this word knows what its turns add up to.
    virtual uint32_t passeTours(uint32_t max);

    bool decode(Word w)
    {
        instr = w;
        return (w & mask) == opcode;
    }
    std::string mnemo() const { return name; }
    int numero() const { return code; }
    Word getInstr() const { return instr; }
    Word getMask() const { return mask; }
    Word getOpcode() const { return opcode; }

protected:
    // In this order: the quiet kinds after the others; a breakpoint's stand-in apart.
    enum class Calme : Byte { non, selonCible, oui, boucle, marque };
    // For Calme::selonCible: the operands are plain RAM now.
    virtual bool cibleEnRam() const { return false; }
    // A byte- or bit-oriented operand (a, f) whose register, for the access bank, is
    // `regAcces`: access RAM, or a plainly read SFR that the word only reads, is
    // quiet; banked and indirect operands are seen at run time.
    static Calme calmeOperande(bool a, Byte f, const Registre* regAcces, bool lectureSeule);
    bool operandeEnRam(bool a, const Registre* regAcces) const;

    Word mask;
    Word opcode;
    const char* name;
    Word instr = 0;
    int code;
    P18f4550* processeur;
    Calme calme = Calme::oui;
};

// Instruction numbers: they tell the instructions of one class apart.
namespace Op {
enum : int {
    NOP = 0, ADDWF = 1, ADDWFC, ANDWF, CLRF, COMF, CPFSEQ, CPFSGT, CPFSLT, DECF, DECFSZ, DCFSNZ,
    INCF, INCFSZ, INFSNZ, IORWF, MOVF, MOVFF, MOVWF, MULWF, NEGF, RLCF, RLNCF, RRCF, RRNCF,
    SETF, SUBFWB, SUBWF, SUBWFB, SWAPF, TSTFSZ, XORWF,
    BCF = 32, BSF, BTFSC, BTFSS, BTG,
    BC = 37, BN, BNC, BNN, BNOV, BNZ, BOV, BRA = 44, BZ = 45,
    CALL = 46, CLRWDT, DAW, GOTO, POP = 50, PUSH, RCALL, RESET, RETFIE, RETLW, RETURN, SLEEP,
    ADDLW = 58, ANDLW, IORLW, LFSR = 61, MOVLB = 62, MOVLW, MULLW, SUBLW, XORLW,
    TBLRD = 67, TBLRDPOSTINC, TBLRDPOSTDEC, TBLRDPREINC, TBLWT, TBLWTPOSTINC, TBLWTPOSTDEC, TBLWTPREINC
};
}

// ADDWF ... XORWF: oooo ooda ffff ffff
class InstructionByteOriented : public Instruction
{
public:
    using Instruction::Instruction;
    void preParametres() override;
    void parametres() override;
    void process() override;
    bool execute() override;
    std::string affiche() const override;
    std::string desassemble(DWord adresse, Word suivant) const override;
    Instruction* copie() const override { return new InstructionByteOriented(*this); }

protected:
    // The phase work of every byte-oriented mnemonic; the per-mnemonic classes of the
    // table call them with a constant number, so each compiles to its own code.
    // `direct`: a quiet word run at once reaches `ram`, plain storage (or only read,
    // and read plainly), read and written directly; `acces`, the indirect register
    // it was reached through, if any, takes the post-step.
    void lireOperande(int numero, bool direct = false, Registre* ram = nullptr);
    void lecture(int numero, Registre* r);
    void calcule(int numero);
    bool termine(int numero, bool direct = false, Registre* ram = nullptr, RegistreIndirect* acces = nullptr);
    Registre* operande() const;
    bool cibleEnRam() const override;

    bool d = false;
    bool a = false;
    Byte f8 = 0;
    Byte fReg = 0;
    bool condition = false;
    Registre* regAcces = nullptr;   // an access-bank operand's register, found at decoding
};

// BCF, BSF, BTFSC, BTFSS, BTG: oooo bbba ffff ffff
class InstructionBitOriented : public Instruction
{
public:
    using Instruction::Instruction;
    void preParametres() override;
    void parametres() override;
    void process() override;
    bool execute() override;
    std::string affiche() const override;
    std::string desassemble(DWord adresse, Word suivant) const override;
    Instruction* copie() const override { return new InstructionBitOriented(*this); }

protected:
    void calcule(int numero);
    bool termine(int numero, bool direct = false, Registre* ram = nullptr, RegistreIndirect* acces = nullptr);
    Registre* operande() const;
    bool cibleEnRam() const override;

    bool a = false;
    Byte b = 0;
    Byte f8 = 0;
    Byte fReg = 0;
    bool condition = false;
    Registre* regAcces = nullptr;   // an access-bank operand's register, found at decoding
};

// ADDLW ... XORLW, MOVLB, RETLW: oooo oooo kkkk kkkk
class InstructionLiteral : public Instruction
{
public:
    using Instruction::Instruction;
    void preParametres() override;
    void process() override;
    bool execute() override;
    std::string affiche() const override;
    Instruction* copie() const override { return new InstructionLiteral(*this); }

protected:
    void calcule(int numero);
    bool termine(int numero);
    // RETLW's Q4: W, then the return.
    uint32_t retour();

    Byte k = 0;
};

// Conditional branches: oooo oooo nnnn nnnn
class InstructionControl8bits : public Instruction
{
public:
    using Instruction::Instruction;
    void preParametres() override;
    void process() override;
    bool execute() override;
    std::string affiche() const override;
    std::string desassemble(DWord adresse, Word suivant) const override;
    int32_t cible(DWord adresse, Word suivant) const override;
    Instruction* copie() const override { return new InstructionControl8bits(*this); }

    // A jump to where nothing was loaded says so when it jumps; it runs by ticks
    // meanwhile.
    void surveilleSaut(bool oui, DWord cible);

protected:
    // True when the branch is taken.
    bool termine(int numero);
    // The value Q4's step turns into the target, from the counter during the cycle.
    DWord cibleDepuis(DWord pc) const { return (pc + 2 * n - 2) & 0x7FFF; }
    // A watched jump jumps: it says so.
    void sautSurveille()
    {
        if (horsProgramme)
            noteSaut();
    }
    [[gnu::cold]] void noteSaut();

    // Signed offset for the branches; the 20-bit word address for CALL and GOTO.
    DWord n = 0;
    DWord newPC = 0;
    bool horsProgramme = false;
    Calme calmeDecode = Calme::oui;   // its kind from the decoding, when not watched
    DWord cibleHors = 0;
};

// BRA: oooo onnn nnnn nnnn
class InstructionControl11bits : public InstructionControl8bits
{
public:
    using InstructionControl8bits::InstructionControl8bits;
    void preParametres() override;
    bool execute() override;
    uint32_t executeEnBloc(DWord pc) override;
    int motsDeBoucle(DWord adresse) const override;
    Instruction* copie() const override { return new InstructionControl11bits(*this); }
};

// RCALL: 1101 1nnn nnnn nnnn
class InstructionRCall : public InstructionControl11bits
{
public:
    explicit InstructionRCall(P18f4550* p);
    void parametres() override;
    uint32_t executeEnBloc(DWord pc) override;
    Instruction* copie() const override { return new InstructionRCall(*this); }
};

// CALL: 1110 110s kkkk kkkk, 1111 kkkk kkkk kkkk; GOTO: 1110 1111 kkkk kkkk, 1111 kkkk ...
class InstructionControl20bits : public InstructionControl8bits
{
public:
    using InstructionControl8bits::InstructionControl8bits;
    void preParametres() override;
    void parametres() override;
    void process() override;
    bool execute() override;
    uint32_t executeEnBloc(DWord pc) override;
    std::string affiche() const override;
    std::string desassemble(DWord adresse, Word suivant) const override;
    int32_t cible(DWord adresse, Word suivant) const override;
    void placer(DWord adresse) override;
    int motsDeBoucle(DWord adresse) const override;
    Instruction* copie() const override { return new InstructionControl20bits(*this); }

protected:
    bool s = false;
};

// MOVFF: 1100 ssss ssss ssss, 1111 dddd dddd dddd
class InstructionMovff : public Instruction
{
public:
    explicit InstructionMovff(P18f4550* p);
    void preParametres() override;
    void parametres() override;
    bool execute() override { return false; }
    uint32_t executeEnBloc(DWord pc) override;
    void specialQ4() override;
    std::string affiche() const override;
    std::string desassemble(DWord adresse, Word suivant) const override;
    Instruction* copie() const override { return new InstructionMovff(*this); }

protected:
    bool cibleEnRam() const override;

    Byte fReg = 0;
    Word fdest = 0;
    Word fsrc = 0;
    bool sourceSimple = false;
};

// LFSR: 1110 1110 00ff kkkk, 1111 0000 kkkk kkkk
class InstructionLfsr : public Instruction
{
public:
    explicit InstructionLfsr(P18f4550* p);
    void preParametres() override;
    void parametres() override;
    bool execute() override;
    void specialQ4() override;
    std::string affiche() const override;
    std::string desassemble(DWord adresse, Word suivant) const override;
    Instruction* copie() const override { return new InstructionLfsr(*this); }

protected:
    Byte kH = 0;
    Byte kL = 0;
    Byte f = 0;
};

// TBLRD*, TBLRD*+, TBLRD*-, TBLRD+*: 0000 0000 0000 10nn
class InstructionTblrd : public Instruction
{
public:
    using Instruction::Instruction;
    bool execute() override;
    uint32_t executeEnBloc(DWord pc) override;
    void specialQ4() override;
    Instruction* copie() const override { return new InstructionTblrd(*this); }
};

// RETURN: 0000 0000 0001 001s
class InstructionReturn : public Instruction
{
public:
    explicit InstructionReturn(P18f4550* p);
    void preParametres() override;
    void process() override;
    bool execute() override;
    uint32_t executeEnBloc(DWord pc) override;
    std::string affiche() const override;
    Instruction* copie() const override { return new InstructionReturn(*this); }

protected:
    bool s = false;
};

// DAW: 0000 0000 0000 0111
class InstructionDaw : public Instruction
{
public:
    explicit InstructionDaw(P18f4550* p);
    bool execute() override;
    Instruction* copie() const override { return new InstructionDaw(*this); }
};

// POP: 0000 0000 0000 0110
class InstructionPop : public Instruction
{
public:
    explicit InstructionPop(P18f4550* p);
    void process() override;
    Instruction* copie() const override { return new InstructionPop(*this); }
};

// PUSH: 0000 0000 0000 0101
class InstructionPush : public Instruction
{
public:
    explicit InstructionPush(P18f4550* p);
    void parametres() override;
    Instruction* copie() const override { return new InstructionPush(*this); }
};

// RESET: 0000 0000 1111 1111
class InstructionReset : public Instruction
{
public:
    explicit InstructionReset(P18f4550* p);
    void parametres() override;
    Instruction* copie() const override { return new InstructionReset(*this); }
};

// RETFIE, SLEEP, CLRWDT and the TBLWT forms: one-cycle no-operations on the board,
// which say so to the diagnostics when they run. While their kind may still be said
// they run by ticks (their time exact), then at once as before.
class InstructionSignalee : public Instruction
{
public:
    using Instruction::Instruction;
    void preParametres() override;
    void arme(bool actif) override;
    bool execute() override;
    Instruction* copie() const override { return new InstructionSignalee(*this); }
};

// RETFIE: in the default mode as above. In the silicon mode a return that sets GIE
// again (GIEH, or GIEL after a low-priority routine), and with s = 1 restores W,
// STATUS and BSR from the fast register stack; never run at once there, since the
// GIE it sets may let an interrupt wait.
class InstructionRetfie : public InstructionSignalee
{
public:
    using InstructionSignalee::InstructionSignalee;
    void preParametres() override;
    void arme(bool actif) override;
    bool execute() override;
    // In a listing with its s bit, as RETURN shows it: the fast register stack
    // restored or not.
    std::string desassemble(DWord, Word) const override { return std::string(name) + (instr & 1 ? " 1" : " 0"); }
    Instruction* copie() const override { return new InstructionRetfie(*this); }
};

// A program word that no load wrote: a NOP. The one just past a stretch of loaded
// program (or at 0) watches: execution that reaches it ran past the program's end.
class MotNonCharge : public Instruction
{
public:
    explicit MotNonCharge(const Instruction& nop) : Instruction(nop) {}
    bool execute() override
    {
        if (veille)
            note();
        return true;
    }
    // Watches, at `adresse`, or not; watching, it runs by ticks.
    void surveille(DWord adresse, bool oui);

private:
    [[gnu::cold]] void note();

    DWord adresse = 0;
    bool veille = false;
};

// The stand-in that a breakpoint puts in the per-address table in place of the word
// decoded there (which it keeps, with its text and its word): never quiet, so that a
// stretch of quiet words ends before it, never the head of a loop whose turns pass at
// once. The processor stops before it and, to go on, executes the word it stands for;
// should it execute the stand-in itself, the phases are the word's own.
class InstructionArret final : public Instruction
{
public:
    explicit InstructionArret(Instruction* original) : Instruction(*original), original(original)
    {
        calme = Calme::marque;
    }
    Instruction* remplace() const { return original; }
    void preParametres() override { original->preParametres(); }
    void parametres() override { original->parametres(); }
    void process() override { original->process(); }
    bool execute() override { return original->execute(); }
    void specialQ2() override { original->specialQ2(); }
    void specialQ4() override { original->specialQ4(); }
    std::string affiche() const override { return original->affiche(); }
    std::string desassemble(DWord adresse, Word suivant) const override { return original->desassemble(adresse, suivant); }
    int32_t cible(DWord adresse, Word suivant) const override { return original->cible(adresse, suivant); }
    Instruction* copie() const override { return original->copie(); }

private:
    Instruction* original;
};

class JeuInstructions
{
public:
    explicit JeuInstructions(P18f4550* p);
    ~JeuInstructions();
    JeuInstructions(const JeuInstructions&) = delete;
    JeuInstructions& operator=(const JeuInstructions&) = delete;

    // The first prototype, in table order, that matches w; the NOP prototype if none.
    InstructionPtr decode(Word w);
    InstructionPtr nop() const { return jeu.front(); }
    const std::vector<Instruction*>& table() const { return jeu; }

private:
    std::vector<Instruction*> jeu;
};

#endif

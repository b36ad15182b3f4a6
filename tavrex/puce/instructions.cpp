#include "instructions.h"

#include <sstream>

#include "processeur.h"

// The shared phase bodies are folded into each per-mnemonic class.
#define TAVREX_EN_LIGNE [[gnu::always_inline]] inline

// --- Base --------------------------------------------------------------------------

Instruction::Instruction(const char* mnemo, Word mask, Word opcode, int numero, P18f4550* p)
    : mask(mask), opcode(opcode), name(mnemo), code(numero), processeur(p)
{
}

std::string Instruction::affiche() const
{
    return name;
}

std::string Instruction::desassemble(DWord, Word) const
{
    return affiche();
}

int32_t Instruction::cible(DWord, Word) const
{
    return -1;
}

bool Instruction::deuxMots() const
{
    return code == Op::CALL || code == Op::GOTO || code == Op::MOVFF || code == Op::LFSR;
}

Instruction* Instruction::copie() const
{
    return new Instruction(*this);
}

Instruction::Calme Instruction::calmeOperande(bool a, Byte f, const Registre* regAcces, bool lectureSeule)
{
    if (!a && (f < 0x60 || (lectureSeule && regAcces->lectureSimple())))
        return Calme::oui;
    return (a || regAcces->isIndirectReg()) ? Calme::selonCible : Calme::non;
}

TAVREX_EN_LIGNE bool Instruction::operandeEnRam(bool a, const Registre* regAcces) const
{
    if (a)
        return processeur->getDM()->readBSR() < DataMemory::finRam / 256;
    return static_cast<const RegistreIndirect*>(regAcces)->cibleEnRam();
}

uint32_t Instruction::passeTours(uint32_t)
{
    return 0;
}

uint32_t Instruction::executeEnBloc(DWord)
{
    parametres();
    // A reset from a phase (RESET, a stack overflow) leaves the rest of the cycle to
    // the NOP now in the execute stage.
    InstructionPtr suite = processeur->getInstrPtr();
    suite->process();
    const bool unCycle = processeur->getInstrPtr()->execute();
    if (processeur->getInstrPtr() != this)
        return Suite::abandon;
    // The others (TBLRD moves the counter back) tell it as the ticks leave it.
    return processeur->suiteDesPhases() | (unCycle ? 0 : Suite::deuxCycles);
}

namespace {
// The pipeline's actions, named as the instructions use them.
inline DataMemory* dm(P18f4550* p) { return p->getDM(); }

// The register at getAdr(a, f), with the BSR of this moment for a banked operand;
// an access-bank operand's register was found when the word was decoded.
inline Registre* registreOperande(P18f4550* p, bool a, Byte f, Registre* regAcces)
{
    return a ? p->getDM()->operande(true, f) : regAcces;
}

// The indirect register an access-bank operand found at run time goes through;
// null for a banked operand.
inline RegistreIndirect* indirect(bool a, Registre* acces)
{
    return a ? nullptr : static_cast<RegistreIndirect*>(acces);
}

// The plain RAM byte that `acces`, an operand found at run time (banked RAM, an
// indirect register), reaches now, after the pre-step it makes; null outside RAM.
inline Registre* ramAtteinte(P18f4550* p, bool a, Registre* acces)
{
    RegistreIndirect* r = indirect(a, acces);
    if (!r)
        return acces;   // quiet only with BSR < 8
    r->pasAvant();
    const Word cible = r->cible();
    return cible < DataMemory::finRam ? p->getDM()->registre(cible) : nullptr;
}

// The counter set to `valeur` and the fetched word flushed; returns what a cycle run
// at once tells of it.
inline uint32_t sautVers(P18f4550* p, DWord valeur)
{
    p->getDM()->setPC(valeur);
    p->flush();
    return (valeur & 0x7FFF) | Suite::vide;
}

// Jump to `cible`: Q4's increment of the program counter lands on it.
inline uint32_t saute(P18f4550* p, DWord cible)
{
    return sautVers(p, cible - 2);
}

// A push that overflows with STVREN set restarts the program.
inline bool empile(P18f4550* p, DWord adresse)
{
    DataMemory* m = p->getDM();
    // STVREN matters only to the push that fills the stack: the configuration is read then.
    const bool stvren = m->pushRemplit() && p->getFM()->bitSTVREN();
    if (m->push(adresse, stvren)) {
        p->stackReset();
        return false;
    }
    return true;
}
}  // namespace

// --- Byte-oriented -------------------------------------------------------------------

void InstructionByteOriented::preParametres()
{
    d = instr & 0x0200;
    a = instr & 0x0100;
    f8 = static_cast<Byte>(instr);
    // An access-bank operand does not depend on BSR: its register is known now.
    regAcces = a ? nullptr : dm(processeur)->operande(false, f8);
    // Access RAM is plain storage; an SFR whose read has no side effect is quiet for
    // an instruction that does not write it back.
    const bool ecritF = d || code == Op::NEGF || code == Op::SETF;
    calme = calmeOperande(a, f8, regAcces, !ecritF);
}

bool InstructionByteOriented::cibleEnRam() const
{
    return operandeEnRam(a, regAcces);
}

TAVREX_EN_LIGNE Registre* InstructionByteOriented::operande() const
{
    return registreOperande(processeur, a, f8, regAcces);
}

void InstructionByteOriented::parametres() { lireOperande(code); }
void InstructionByteOriented::process() { calcule(code); }
bool InstructionByteOriented::execute() { return termine(code); }

TAVREX_EN_LIGNE void InstructionByteOriented::lireOperande(int numero, bool direct, Registre* ram)
{
    if (direct) {
        fReg = ram->readDirect();
        return;
    }
    Registre* r = operande();
    r->avantAcces();
    lecture(numero, r);
}

TAVREX_EN_LIGNE void InstructionByteOriented::lecture(int numero, Registre* r)
{
    // CLRF, MOVWF and SETF never read their register (no read side effects).
    if (numero != Op::CLRF && numero != Op::MOVWF && numero != Op::SETF)
        fReg = r->read();
}

TAVREX_EN_LIGNE void InstructionByteOriented::calcule(int numero)
{
    Alu* alu = processeur->getALU();
    switch (numero) {
    case Op::ADDWF:  alu->operationADD(Alu::tous, fReg, false); break;
    case Op::ADDWFC: alu->operationADD(Alu::tous, fReg, true); break;
    case Op::ANDWF:  alu->operationAND(Alu::logique, fReg); break;
    case Op::CLRF:   alu->operationCLR(Alu::zero_); break;
    case Op::COMF:   alu->operationCOM(Alu::logique, fReg); break;
    case Op::CPFSEQ: condition = fReg == dm(processeur)->w(); break;
    case Op::CPFSGT: condition = fReg > dm(processeur)->w(); break;
    case Op::CPFSLT: condition = fReg < dm(processeur)->w(); break;
    case Op::DECF:   alu->operationDEC(Alu::tous, fReg); break;
    case Op::DECFSZ: alu->operationDEC(Alu::aucun, fReg); condition = alu->read() == 0; break;
    case Op::DCFSNZ: alu->operationDEC(Alu::aucun, fReg); condition = alu->read() != 0; break;
    case Op::INCF:   alu->operationINC(Alu::tous, fReg); break;
    case Op::INCFSZ: alu->operationINC(Alu::aucun, fReg); condition = alu->read() == 0; break;
    case Op::INFSNZ: alu->operationINC(Alu::aucun, fReg); condition = alu->read() != 0; break;
    case Op::IORWF:  alu->operationOR(Alu::logique, fReg); break;
    case Op::MOVF:   alu->operationMOV(Alu::logique, fReg); break;
    case Op::MOVWF:  alu->operationMOVW(Alu::aucun); break;
    case Op::NEGF:   alu->operationNEG(Alu::tous, fReg); d = true; break;
    case Op::RLCF:   alu->operationLEFT(Alu::rotation, fReg, true); break;
    case Op::RLNCF:  alu->operationLEFT(Alu::logique, fReg, false); break;
    case Op::RRCF:   alu->operationRIGHT(Alu::rotation, fReg, true); break;
    case Op::RRNCF:  alu->operationRIGHT(Alu::logique, fReg, false); break;
    case Op::SETF:   alu->operationSET(Alu::aucun); d = true; break;
    case Op::SUBFWB: alu->operationSUBW(Alu::tous, fReg, true); break;
    case Op::SUBWF:  alu->operationSUB(Alu::tous, fReg, false); break;
    case Op::SUBWFB: alu->operationSUB(Alu::tous, fReg, true); break;
    case Op::SWAPF:  alu->operationSWAP(Alu::aucun, fReg); break;
    case Op::TSTFSZ: condition = fReg == 0; break;
    case Op::XORWF:  alu->operationXOR(Alu::logique, fReg); break;
    default: break;   // MULWF works in Q4
    }
}

TAVREX_EN_LIGNE bool InstructionByteOriented::termine(int numero, bool direct, Registre* ram, RegistreIndirect* acces)
{
    auto ecrit = [&](Byte v) { direct ? ram->writeDirect(v) : operande()->write(v); };
    DataMemory* m = dm(processeur);
    Alu* alu = processeur->getALU();
    switch (numero) {
    case Op::CPFSEQ:
    case Op::CPFSGT:
    case Op::CPFSLT:
    case Op::TSTFSZ:
        if (condition)
            processeur->flush();
        break;
    case Op::DECFSZ:
    case Op::DCFSNZ:
    case Op::INCFSZ:
    case Op::INFSNZ:
        if (d)
            ecrit(alu->read());
        else
            m->setW(alu->read());
        if (condition)
            processeur->flush();
        break;
    case Op::MULWF:
        m->produit(static_cast<Word>(m->w() * fReg));
        break;
    default:
        // The result first, then the flags: with STATUS as destination the flags
        // are merged into the written value.
        if (d)
            ecrit(alu->read());
        else
            m->setW(alu->read());
        alu->writeStatus();
        break;
    }
    // Found again: the BSR of this moment decides which register is post-updated.
    if (!direct)
        operande()->apresAcces();
    else if (acces)
        acces->pasApres();
    return true;
}

std::string InstructionByteOriented::affiche() const
{
    std::ostringstream s;
    s << name << " 0x" << std::hex << int(f8) << ", " << int(d) << ", " << int(a) << "  "
      << dm(processeur)->name(a, f8) << " --- " << int(fReg);
    return s.str();
}

std::string InstructionByteOriented::desassemble(DWord, Word) const
{
    // CLRF, SETF, NEGF, MOVWF, MULWF, TSTFSZ and the compares write no result to W:
    // their d bit is part of their opcode.
    const bool destination = code != Op::CLRF && code != Op::SETF && code != Op::NEGF && code != Op::MOVWF &&
                             code != Op::MULWF && code != Op::TSTFSZ && code != Op::CPFSEQ &&
                             code != Op::CPFSGT && code != Op::CPFSLT;
    std::ostringstream s;
    s << name << " 0x" << std::hex << int(f8);
    if (destination)
        s << ", " << int(d);
    s << ", " << int(a);
    // A banked operand's register depends on BSR when it runs: only an SFR of the
    // access bank is named.
    if (!a && DataMemory::estSfr(static_cast<Word>(0xF00 + f8)))
        s << "  " << dm(processeur)->name(false, f8);
    return s.str();
}

// --- Bit-oriented --------------------------------------------------------------------

void InstructionBitOriented::preParametres()
{
    b = (instr >> 9) & 0x07;
    a = instr & 0x0100;
    f8 = static_cast<Byte>(instr);
    regAcces = a ? nullptr : dm(processeur)->operande(false, f8);
    const bool teste = code == Op::BTFSC || code == Op::BTFSS;
    calme = calmeOperande(a, f8, regAcces, teste);
}

bool InstructionBitOriented::cibleEnRam() const
{
    return operandeEnRam(a, regAcces);
}

TAVREX_EN_LIGNE Registre* InstructionBitOriented::operande() const
{
    return registreOperande(processeur, a, f8, regAcces);
}

void InstructionBitOriented::parametres()
{
    Registre* r = operande();
    r->avantAcces();
    fReg = r->read();
}

void InstructionBitOriented::process() { calcule(code); }
bool InstructionBitOriented::execute() { return termine(code); }

TAVREX_EN_LIGNE void InstructionBitOriented::calcule(int numero)
{
    Alu* alu = processeur->getALU();
    const Byte masque = static_cast<Byte>(1u << b);
    switch (numero) {
    case Op::BCF:   alu->operationMOV(Alu::aucun, fReg & ~masque); break;
    case Op::BSF:   alu->operationMOV(Alu::aucun, fReg | masque); break;
    case Op::BTG:   alu->operationMOV(Alu::aucun, fReg ^ masque); break;
    case Op::BTFSC: condition = (fReg & masque) == 0; break;
    case Op::BTFSS: condition = (fReg & masque) != 0; break;
    default: break;
    }
}

TAVREX_EN_LIGNE bool InstructionBitOriented::termine(int numero, bool direct, Registre* ram, RegistreIndirect* acces)
{
    if (numero == Op::BTFSC || numero == Op::BTFSS) {
        if (condition)
            processeur->flush();
    } else if (direct) {
        // Plain RAM read in this same call: the byte with bit b changed is the bit
        // operation's result.
        ram->writeDirect(processeur->getALU()->read());
    } else {
        // Only bit b is touched, through the register's own bit operation.
        operande()->bitSetClr(b, (processeur->getALU()->read() >> b) & 1);
    }
    if (!direct)
        operande()->apresAcces();
    else if (acces)
        acces->pasApres();
    return true;
}

std::string InstructionBitOriented::affiche() const
{
    std::ostringstream s;
    s << name << " 0x" << std::hex << int(f8) << std::dec << ", " << int(b) << ", " << int(a) << "  "
      << dm(processeur)->name(a, f8);
    return s.str();
}

std::string InstructionBitOriented::desassemble(DWord, Word) const
{
    std::ostringstream s;
    s << name << " 0x" << std::hex << int(f8) << std::dec << ", " << int(b) << ", " << int(a);
    if (!a && DataMemory::estSfr(static_cast<Word>(0xF00 + f8)))
        s << "  " << dm(processeur)->name(false, f8);
    return s.str();
}

// --- Literal ---------------------------------------------------------------------------

void InstructionLiteral::preParametres()
{
    k = static_cast<Byte>(instr);
}

void InstructionLiteral::process() { calcule(code); }
bool InstructionLiteral::execute() { return termine(code); }

TAVREX_EN_LIGNE void InstructionLiteral::calcule(int numero)
{
    Alu* alu = processeur->getALU();
    switch (numero) {
    case Op::ADDLW: alu->operationADD(Alu::tous, k, false); break;
    case Op::ANDLW: alu->operationAND(Alu::logique, k); break;
    case Op::IORLW: alu->operationOR(Alu::logique, k); break;
    case Op::SUBLW: alu->operationSUB(Alu::tous, k, false); break;
    case Op::XORLW: alu->operationXOR(Alu::logique, k); break;
    case Op::RETLW: alu->operationMOV(Alu::aucun, k); break;
    default: break;
    }
}

TAVREX_EN_LIGNE bool InstructionLiteral::termine(int numero)
{
    DataMemory* m = dm(processeur);
    Alu* alu = processeur->getALU();
    switch (numero) {
    case Op::ADDLW:
    case Op::ANDLW:
    case Op::IORLW:
    case Op::SUBLW:
    case Op::XORLW:
        m->setW(alu->read());
        alu->writeStatus();
        break;
    case Op::MOVLB: m->writeBSR(k); break;
    case Op::MOVLW: m->setW(k); break;
    case Op::MULLW: m->produit(static_cast<Word>(m->w() * k)); break;
    case Op::RETLW:
        retour();
        break;
    default: break;
    }
    return true;
}

uint32_t InstructionLiteral::retour()
{
    DataMemory* m = dm(processeur);
    m->setW(processeur->getALU()->read());
    return saute(processeur, m->pop());
}

std::string InstructionLiteral::affiche() const
{
    std::ostringstream s;
    s << name << " 0x" << std::hex << int(k);
    return s.str();
}

// --- Relative branches ------------------------------------------------------------------

void InstructionControl8bits::preParametres()
{
    n = static_cast<DWord>(static_cast<int8_t>(instr & 0xFF));
}

void InstructionControl8bits::process()
{
    newPC = cibleDepuis(dm(processeur)->getPC());
}

bool InstructionControl8bits::execute()
{
    termine(code);
    return true;
}

TAVREX_EN_LIGNE bool InstructionControl8bits::termine(int numero)
{
    DataMemory* m = dm(processeur);
    bool pris;
    switch (numero) {
    case Op::BC:   pris = m->carry(); break;
    case Op::BN:   pris = m->negative(); break;
    case Op::BNC:  pris = !m->carry(); break;
    case Op::BNN:  pris = !m->negative(); break;
    case Op::BNOV: pris = !m->overflow(); break;
    case Op::BNZ:  pris = !m->zero(); break;
    case Op::BOV:  pris = m->overflow(); break;
    case Op::BZ:   pris = m->zero(); break;
    default:       pris = false; break;
    }
    if (pris)
        sautVers(processeur, newPC);
    return pris;
}

void InstructionControl8bits::surveilleSaut(bool oui, DWord cible)
{
    cibleHors = cible;
    if (oui == horsProgramme)
        return;
    if (oui)
        calmeDecode = calme;
    calme = oui ? Calme::non : calmeDecode;
    horsProgramme = oui;
}

void InstructionControl8bits::noteSaut()
{
    Diagnostics& d = processeur->diagnostics();
    d.signale(Diagnostic::SautHors, {Diagnostics::hex(cibleHors)});
    if (!d.attendu(Diagnostic::SautHors))
        surveilleSaut(false, cibleHors);
}

std::string InstructionControl8bits::affiche() const
{
    std::ostringstream s;
    s << name << " " << static_cast<int32_t>(n);
    return s.str();
}

int32_t InstructionControl8bits::cible(DWord adresse, Word) const
{
    return static_cast<int32_t>((adresse + 2 + 2 * n) & 0x7FFF);
}

std::string InstructionControl8bits::desassemble(DWord adresse, Word suivant) const
{
    std::ostringstream s;
    s << name << " 0x" << std::hex << cible(adresse, suivant);
    return s.str();
}

void InstructionControl11bits::preParametres()
{
    // 11-bit two's complement offset.
    const int32_t brut = instr & 0x07FF;
    n = static_cast<DWord>(brut >= 0x400 ? brut - 0x800 : brut);
    calme = Calme::oui;
    if (code == Op::BRA && InstructionControl11bits::motsDeBoucle(0))   // bra $, bra $-2
        calme = Calme::boucle;
}

bool InstructionControl11bits::execute()
{
    sautVers(processeur, newPC);
    sautSurveille();
    return true;
}

int InstructionControl11bits::motsDeBoucle(DWord) const
{
    return n == static_cast<DWord>(-1) ? 1 : n == static_cast<DWord>(-2) ? 2 : 0;
}

uint32_t InstructionControl11bits::executeEnBloc(DWord pc)
{
    newPC = cibleDepuis(pc);
    return sautVers(processeur, newPC);
}

InstructionRCall::InstructionRCall(P18f4550* p) : InstructionControl11bits("RCALL", 0xF800, 0xD800, Op::RCALL, p)
{
}

void InstructionRCall::parametres()
{
    // The program counter holds the address of the next instruction.
    empile(processeur, dm(processeur)->getPC());
}

uint32_t InstructionRCall::executeEnBloc(DWord pc)
{
    // A stack-overflow reset leaves the rest of the cycle to the NOP, which does nothing.
    if (!empile(processeur, pc))
        return Suite::abandon;
    newPC = cibleDepuis(pc);
    return sautVers(processeur, newPC);
}

// --- CALL and GOTO -------------------------------------------------------------------------

void InstructionControl20bits::preParametres()
{
    s = instr & 0x0100;
}

void InstructionControl20bits::parametres()
{
    // The second word is the one in the fetch stage.
    const Word second = processeur->getFetchPtr()->getInstr();
    n = (static_cast<DWord>(second & 0x0FFF) << 8) + (instr & 0xFF);
}

void InstructionControl20bits::process()
{
    newPC = 2 * n - 2;
    if (code != Op::CALL)
        return;
    DataMemory* m = dm(processeur);
    if (!empile(processeur, m->getPC() + 2))
        return;
    if (s)
        m->pushReg();
}

bool InstructionControl20bits::execute()
{
    sautVers(processeur, newPC);
    sautSurveille();
    return true;
}

uint32_t InstructionControl20bits::executeEnBloc(DWord)
{
    InstructionControl20bits::parametres();
    InstructionControl20bits::process();
    // A stack-overflow reset leaves the rest of the cycle to the NOP, which does nothing.
    if (processeur->getInstrPtr() != this)
        return Suite::abandon;
    return sautVers(processeur, newPC);
}

int InstructionControl20bits::motsDeBoucle(DWord adresse) const
{
    const Word second = processeur->getFetchPtr()->getInstr();
    const DWord cible = 2 * ((static_cast<DWord>(second & 0x0FFF) << 8) + (instr & 0xFF));
    return cible == adresse ? 1 : cible + 2 == adresse ? 2 : 0;
}

void InstructionControl20bits::placer(DWord adresse)
{
    // Its second word may still be unwritten: the first one's 8 bits of the target
    // decide, and the processor checks the whole target when the GOTO runs.
    const DWord mot = adresse / 2;
    const Byte bas = static_cast<Byte>(instr);
    if (code == Op::GOTO && (bas == static_cast<Byte>(mot) || bas == static_cast<Byte>(mot - 1)))
        calme = Calme::boucle;
}

std::string InstructionControl20bits::affiche() const
{
    std::ostringstream s_;
    s_ << name << " 0x" << std::hex << n << ", " << int(s);
    return s_.str();
}

int32_t InstructionControl20bits::cible(DWord, Word suivant) const
{
    return static_cast<int32_t>(2 * ((static_cast<DWord>(suivant & 0x0FFF) << 8) + (instr & 0xFF)));
}

std::string InstructionControl20bits::desassemble(DWord adresse, Word suivant) const
{
    std::ostringstream s_;
    s_ << name << " 0x" << std::hex << cible(adresse, suivant);
    if (code == Op::CALL && s)   // GOTO's opcode holds that bit
        s_ << ", 1";
    return s_.str();
}

// --- MOVFF -----------------------------------------------------------------------------------

InstructionMovff::InstructionMovff(P18f4550* p) : Instruction("MOVFF", 0xF000, 0xC000, Op::MOVFF, p)
{
    calme = Calme::selonCible;
}

void InstructionMovff::preParametres()
{
    fsrc = instr & 0x0FFF;
    // RAM, or a register that reads plainly; an indirect source is seen at run time.
    sourceSimple = fsrc < DataMemory::finRam || dm(processeur)->registre(fsrc)->lectureSimple();
}

bool InstructionMovff::cibleEnRam() const
{
    // The second word is in the fetch stage from Q1 on.
    const Word destination = processeur->getFetchPtr()->getInstr() & 0x0FFF;
    const DataMemory* m = dm(processeur);
    return (sourceSimple || m->accesRam(fsrc)) && m->accesRam(destination);
}

void InstructionMovff::parametres()
{
    DataMemory* m = dm(processeur);
    fdest = processeur->getFetchPtr()->getInstr() & 0x0FFF;
    m->doPreIndirect(fdest);
    m->doPreIndirect(fsrc);
    fReg = m->read(fsrc);
}

uint32_t InstructionMovff::executeEnBloc(DWord pc)
{
    // The first cycle reads; the write is the second cycle's Q4.
    InstructionMovff::parametres();
    return pc | Suite::deuxCycles;
}

void InstructionMovff::specialQ4()
{
    DataMemory* m = dm(processeur);
    m->write(fdest, fReg);
    m->doPostIndirect(fdest);
    m->doPostIndirect(fsrc);
}

std::string InstructionMovff::affiche() const
{
    std::ostringstream s;
    s << name << " 0x" << std::hex << fsrc << ", 0x" << fdest;
    return s.str();
}

std::string InstructionMovff::desassemble(DWord, Word suivant) const
{
    std::ostringstream s;
    s << name << " 0x" << std::hex << fsrc << ", 0x" << (suivant & 0x0FFF);
    return s.str();
}

// --- LFSR --------------------------------------------------------------------------------------

InstructionLfsr::InstructionLfsr(P18f4550* p) : Instruction("LFSR", 0xFFC0, 0xEE00, Op::LFSR, p)
{
}

void InstructionLfsr::preParametres()
{
    kH = instr & 0x0F;
    f = (instr >> 4) & 0x03;
}

void InstructionLfsr::parametres()
{
    kL = static_cast<Byte>(processeur->getFetchPtr()->getInstr());
}

bool InstructionLfsr::execute()
{
    dm(processeur)->writeFSRfH(f, kH);
    return false;
}

void InstructionLfsr::specialQ4()
{
    dm(processeur)->writeFSRfL(f, kL);
}

std::string InstructionLfsr::affiche() const
{
    std::ostringstream s;
    s << name << " " << int(f) << ", 0x" << std::hex << (kH * 256 + kL);
    return s.str();
}

std::string InstructionLfsr::desassemble(DWord, Word suivant) const
{
    std::ostringstream s;
    s << name << " " << int(f) << ", 0x" << std::hex << (kH * 256 + (suivant & 0xFF));
    return s.str();
}

// --- TBLRD ---------------------------------------------------------------------------------------

bool InstructionTblrd::execute()
{
    // Q4 adds 2 back: the second cycle fetches the instruction after the TBLRD again.
    dm(processeur)->prevPC();
    return false;
}

uint32_t InstructionTblrd::executeEnBloc(DWord pc)
{
    const DWord arriere = (pc - 2) & 0x7FFF;
    dm(processeur)->setPC(arriere);
    return arriere | Suite::deuxCycles;
}

void InstructionTblrd::specialQ4()
{
    DataMemory* m = dm(processeur);
    if (code == Op::TBLRDPREINC)
        m->incTBLPTR();
    Byte octet;
    processeur->getFM()->readByte(m->readTBLPTR(), octet);   // 0 outside every segment
    m->writeTABLAT(octet);
    if (code == Op::TBLRDPOSTINC)
        m->incTBLPTR();
    else if (code == Op::TBLRDPOSTDEC)
        m->decTBLPTR();
}

// --- RETURN --------------------------------------------------------------------------------------

InstructionReturn::InstructionReturn(P18f4550* p) : Instruction("RETURN", 0xFFFE, 0x0012, Op::RETURN, p)
{
}

void InstructionReturn::preParametres()
{
    s = instr & 0x0001;
}

void InstructionReturn::process()
{
    if (s)
        dm(processeur)->popReg();
}

bool InstructionReturn::execute()
{
    saute(processeur, dm(processeur)->pop());
    return true;
}

uint32_t InstructionReturn::executeEnBloc(DWord)
{
    InstructionReturn::process();
    return saute(processeur, dm(processeur)->pop());
}

std::string InstructionReturn::affiche() const
{
    std::ostringstream s_;
    s_ << name << " " << int(s);
    return s_.str();
}

// --- DAW, POP, PUSH, RESET -------------------------------------------------------------------------

InstructionDaw::InstructionDaw(P18f4550* p) : Instruction("DAW", 0xFFFF, 0x0007, Op::DAW, p)
{
}

bool InstructionDaw::execute()
{
    Alu* alu = processeur->getALU();
    alu->operationDAW();
    dm(processeur)->setW(alu->read());
    alu->writeStatus();
    return true;
}

InstructionPop::InstructionPop(P18f4550* p) : Instruction("POP", 0xFFFF, 0x0006, Op::POP, p)
{
}

void InstructionPop::process()
{
    dm(processeur)->pop();
}

InstructionPush::InstructionPush(P18f4550* p) : Instruction("PUSH", 0xFFFF, 0x0005, Op::PUSH, p)
{
}

void InstructionPush::parametres()
{
    empile(processeur, dm(processeur)->getPC());
}

InstructionReset::InstructionReset(P18f4550* p) : Instruction("RESET", 0xFFFF, 0x00FF, Op::RESET, p)
{
}

void InstructionReset::parametres()
{
    processeur->mclrReset();
}

// --- RETFIE, SLEEP, CLRWDT, TBLWT: said when they run ------------------------------------------

void InstructionSignalee::preParametres()
{
    arme(processeur->diagnostics().actif());
}

void InstructionSignalee::arme(bool actif)
{
    calme = actif ? Calme::non : Calme::oui;
}

bool InstructionSignalee::execute()
{
    Diagnostics& d = processeur->diagnostics();
    Diagnostic::Genre genre;
    switch (code) {
    case Op::RETFIE:
        genre = Diagnostic::Retfie;
        d.signale(genre);
        break;
    case Op::SLEEP:
        genre = Diagnostic::Sleep;
        d.signale(genre);
        break;
    case Op::CLRWDT: {
        genre = Diagnostic::ChienDeGarde;
        const bool wdten = processeur->getFM()->bitWDTEN();
        if (!wdten && !(dm(processeur)->readDirect(DataMemory::WDTCON) & 0x01)) {
            // No watchdog: nothing to say, now or later (setting SWDTEN says itself).
            calme = Calme::oui;
            return true;
        }
        d.signale(genre, {wdten ? "WDTEN" : "SWDTEN"});
        break;
    }
    default:
        genre = Diagnostic::Tblwt;
        d.signale(genre);
        break;
    }
    // Said, it runs at once again.
    if (!d.attendu(genre))
        calme = Calme::oui;
    return true;
}

void InstructionRetfie::preParametres()
{
    arme(processeur->diagnostics().actif());
}

void InstructionRetfie::arme(bool actif)
{
    calme = (actif || processeur->estSilicium()) ? Calme::non : Calme::oui;
}

bool InstructionRetfie::execute()
{
    if (!processeur->estSilicium())
        return InstructionSignalee::execute();
    DataMemory* m = dm(processeur);
    if (instr & 0x0001)
        m->popReg();
    processeur->interruptions()->retour();
    saute(processeur, m->pop());
    return true;
}

// --- Words no load wrote ---------------------------------------------------------------------

void MotNonCharge::surveille(DWord a, bool oui)
{
    adresse = a;
    veille = oui;
    calme = oui ? Calme::non : Calme::oui;
}

void MotNonCharge::note()
{
    Diagnostics& d = processeur->diagnostics();
    d.signale(Diagnostic::MemoireEffacee, {Diagnostics::hex(adresse)});
    if (!d.attendu(Diagnostic::MemoireEffacee))
        surveille(adresse, false);
}

// --- One class per mnemonic ----------------------------------------------------------
//
// The number is a compile-time constant here, so each mnemonic's phases compile to
// their own code and the processor's virtual call lands on it directly, without a
// second dispatch on the number.

namespace {

template <int Numero>
class ByteOp final : public InstructionByteOriented
{
public:
    ByteOp(const char* m, Word mask, Word op, P18f4550* p) : InstructionByteOriented(m, mask, op, Numero, p) {}
    void parametres() override { lireOperande(Numero); }
    void process() override { calcule(Numero); }
    bool execute() override { return termine(Numero); }
    // Only quiet words run at once: their operand is access RAM or a register that
    // is only read and reads plainly; or RAM found at run time (banked, through an
    // FSR, after the FSR's pre-step). Either is read and written directly.
    uint32_t executeEnBloc(DWord pc) override
    {
        // The other path apart, so that this one stays a leaf without a stack frame.
        if (calme != Calme::oui)
            return executeEnBlocSelonCible(pc);
        lireOperande(Numero, true, regAcces);
        calcule(Numero);
        termine(Numero, true, regAcces);
        return saut(pc);
    }
    [[gnu::noinline]] uint32_t executeEnBlocSelonCible(DWord pc)
    {
        Registre* acces = operande();
        Registre* octet = ramAtteinte(processeur, a, acces);
        if (!octet) {
            // A PREINCn stepped out of RAM: the usual accesses, from the read on,
            // which may reach any register: the counter and the fetch stage as left.
            lecture(Numero, acces);
            calcule(Numero);
            termine(Numero);
            return processeur->suiteDesPhases();
        }
        lireOperande(Numero, true, octet);
        calcule(Numero);
        termine(Numero, true, octet, indirect(a, acces));
        return saut(pc);
    }
    // The skips flush the fetched word when their condition holds.
    uint32_t saut(DWord pc) const
    {
        constexpr bool sautable = Numero == Op::CPFSEQ || Numero == Op::CPFSGT || Numero == Op::CPFSLT ||
                                  Numero == Op::DECFSZ || Numero == Op::DCFSNZ || Numero == Op::INCFSZ ||
                                  Numero == Op::INFSNZ || Numero == Op::TSTFSZ;
        return (sautable && condition) ? pc | Suite::vide : pc;
    }
    uint32_t passeTours(uint32_t max) override
    {
        if (calme != Calme::oui)
            return 0;
        switch (Numero) {
        case Op::TSTFSZ:
        case Op::CPFSEQ:
        case Op::CPFSGT:
        case Op::CPFSLT:
            // A test of a byte that stays as it is, against W, which nothing in the
            // loop writes: every turn or none.
            lireOperande(Numero, true, regAcces);
            calcule(Numero);
            return condition ? 0 : max;
        case Op::DECFSZ:
        case Op::INCFSZ: {
            // A count in access RAM (the only quiet operand it may write): the turns
            // before the one that reaches 0 and leaves.
            if (!d)
                return 0;
            const Byte v = regAcces->readDirect();
            const uint32_t avantZero = Numero == Op::DECFSZ ? Byte(v - 1) : Byte(~v);
            const uint32_t tours = avantZero < max ? avantZero : max;
            if (tours == 0)
                return 0;
            // The last turn's own work, which leaves the count and the ALU as it would.
            fReg = static_cast<Byte>(Numero == Op::DECFSZ ? v - (tours - 1) : v + (tours - 1));
            calcule(Numero);
            regAcces->writeDirect(processeur->getALU()->read());
            return tours;
        }
        default:
            return 0;
        }
    }
    Instruction* copie() const override { return new ByteOp(*this); }
};

template <int Numero>
class BitOp final : public InstructionBitOriented
{
public:
    BitOp(const char* m, Word mask, Word op, P18f4550* p) : InstructionBitOriented(m, mask, op, Numero, p) {}
    void process() override { calcule(Numero); }
    bool execute() override { return termine(Numero); }
    // Only quiet words run at once: their operand is access RAM or a register that
    // is only tested and reads plainly; or RAM found at run time (banked, through an
    // FSR, after the FSR's pre-step). Either is read and written directly.
    uint32_t executeEnBloc(DWord pc) override
    {
        // The other path apart, so that this one stays a leaf without a stack frame.
        if (calme != Calme::oui)
            return executeEnBlocSelonCible(pc);
        fReg = regAcces->readDirect();
        calcule(Numero);
        termine(Numero, true, regAcces);
        return saut(pc);
    }
    [[gnu::noinline]] uint32_t executeEnBlocSelonCible(DWord pc)
    {
        Registre* acces = operande();
        Registre* octet = ramAtteinte(processeur, a, acces);
        if (!octet) {
            // A PREINCn stepped out of RAM: the usual accesses, from the read on,
            // which may reach any register: the counter and the fetch stage as left.
            fReg = acces->read();
            calcule(Numero);
            termine(Numero);
            return processeur->suiteDesPhases();
        }
        fReg = octet->readDirect();
        calcule(Numero);
        termine(Numero, true, octet, indirect(a, acces));
        return saut(pc);
    }
    // BTFSC and BTFSS flush the fetched word when their condition holds.
    uint32_t saut(DWord pc) const
    {
        constexpr bool sautable = Numero == Op::BTFSC || Numero == Op::BTFSS;
        return (sautable && condition) ? pc | Suite::vide : pc;
    }
    uint32_t passeTours(uint32_t max) override
    {
        // A test of a bit that stays as it is: every turn or none.
        if ((Numero != Op::BTFSC && Numero != Op::BTFSS) || calme != Calme::oui)
            return 0;
        fReg = regAcces->readDirect();
        calcule(Numero);
        return condition ? 0 : max;
    }
    Instruction* copie() const override { return new BitOp(*this); }
};

template <int Numero>
class LitOp final : public InstructionLiteral
{
public:
    LitOp(const char* m, Word mask, Word op, P18f4550* p) : InstructionLiteral(m, mask, op, Numero, p) {}
    void process() override { calcule(Numero); }
    bool execute() override { return termine(Numero); }
    uint32_t executeEnBloc(DWord pc) override
    {
        calcule(Numero);
        if (Numero == Op::RETLW)
            return retour();
        termine(Numero);
        return pc;
    }
    Instruction* copie() const override { return new LitOp(*this); }
};

template <int Numero>
class BranchOp final : public InstructionControl8bits
{
public:
    BranchOp(const char* m, Word mask, Word op, P18f4550* p) : InstructionControl8bits(m, mask, op, Numero, p) {}
    bool execute() override
    {
        if (termine(Numero))
            sautSurveille();
        return true;
    }
    uint32_t executeEnBloc(DWord pc) override
    {
        newPC = cibleDepuis(pc);
        return termine(Numero) ? (newPC | Suite::vide) : pc;
    }
    Instruction* copie() const override { return new BranchOp(*this); }
};

}  // namespace

// --- Table -----------------------------------------------------------------------

JeuInstructions::JeuInstructions(P18f4550* p)
{
    auto base = [p](const char* m, Word mask, Word op, int n) { return new Instruction(m, mask, op, n, p); };

    jeu = {
        //      mnemonic   mask    opcode  number       bit pattern
        base("NOP",      0xFFFF, 0x0000, Op::NOP),     // 0000 0000 0000 0000
        new ByteOp<Op::ADDWF>("ADDWF",  0xFC00, 0x2400, p),   // 0010 01da ffff ffff
        new ByteOp<Op::ADDWFC>("ADDWFC", 0xFC00, 0x2000, p),  // 0010 00da ffff ffff
        new ByteOp<Op::ANDWF>("ANDWF",  0xFC00, 0x1400, p),   // 0001 01da ffff ffff
        new ByteOp<Op::CLRF>("CLRF",   0xFE00, 0x6A00, p),    // 0110 101a ffff ffff
        new ByteOp<Op::COMF>("COMF",   0xFC00, 0x1C00, p),    // 0001 11da ffff ffff
        new ByteOp<Op::CPFSEQ>("CPFSEQ", 0xFE00, 0x6200, p),  // 0110 001a ffff ffff
        new ByteOp<Op::CPFSGT>("CPFSGT", 0xFE00, 0x6400, p),  // 0110 010a ffff ffff
        new ByteOp<Op::CPFSLT>("CPFSLT", 0xFE00, 0x6000, p),  // 0110 000a ffff ffff
        new ByteOp<Op::DECF>("DECF",   0xFC00, 0x0400, p),    // 0000 01da ffff ffff
        new ByteOp<Op::DECFSZ>("DECFSZ", 0xFC00, 0x2C00, p),  // 0010 11da ffff ffff
        new ByteOp<Op::DCFSNZ>("DCFSNZ", 0xFC00, 0x4C00, p),  // 0100 11da ffff ffff
        new ByteOp<Op::INCF>("INCF",   0xFC00, 0x2800, p),    // 0010 10da ffff ffff
        new ByteOp<Op::INCFSZ>("INCFSZ", 0xFC00, 0x3C00, p),  // 0011 11da ffff ffff
        new ByteOp<Op::INFSNZ>("INFSNZ", 0xFC00, 0x4800, p),  // 0100 10da ffff ffff
        new ByteOp<Op::IORWF>("IORWF",  0xFC00, 0x1000, p),   // 0001 00da ffff ffff
        new ByteOp<Op::MOVF>("MOVF",   0xFC00, 0x5000, p),    // 0101 00da ffff ffff
        new InstructionMovff(p),                       // 1100 ssss ssss ssss, 1111 dddd dddd dddd
        new ByteOp<Op::MOVWF>("MOVWF",  0xFE00, 0x6E00, p),   // 0110 111a ffff ffff
        new ByteOp<Op::MULWF>("MULWF",  0xFE00, 0x0200, p),   // 0000 001a ffff ffff
        new ByteOp<Op::NEGF>("NEGF",   0xFE00, 0x6C00, p),    // 0110 110a ffff ffff
        new ByteOp<Op::RLCF>("RLCF",   0xFC00, 0x3400, p),    // 0011 01da ffff ffff
        new ByteOp<Op::RLNCF>("RLNCF",  0xFC00, 0x4400, p),   // 0100 01da ffff ffff
        new ByteOp<Op::RRCF>("RRCF",   0xFC00, 0x3000, p),    // 0011 00da ffff ffff
        new ByteOp<Op::RRNCF>("RRNCF",  0xFC00, 0x4000, p),   // 0100 00da ffff ffff
        new ByteOp<Op::SETF>("SETF",   0xFE00, 0x6800, p),    // 0110 100a ffff ffff
        new ByteOp<Op::SUBFWB>("SUBFWB", 0xFC00, 0x5400, p),  // 0101 01da ffff ffff
        new ByteOp<Op::SUBWF>("SUBWF",  0xFC00, 0x5C00, p),   // 0101 11da ffff ffff
        new ByteOp<Op::SUBWFB>("SUBWFB", 0xFC00, 0x5800, p),  // 0101 10da ffff ffff
        new ByteOp<Op::SWAPF>("SWAPF",  0xFC00, 0x3800, p),   // 0011 10da ffff ffff
        new ByteOp<Op::TSTFSZ>("TSTFSZ", 0xFE00, 0x6600, p),  // 0110 011a ffff ffff
        new ByteOp<Op::XORWF>("XORWF",  0xFC00, 0x1800, p),   // 0001 10da ffff ffff
        new BitOp<Op::BCF>("BCF",     0xF000, 0x9000, p),     // 1001 bbba ffff ffff
        new BitOp<Op::BSF>("BSF",     0xF000, 0x8000, p),     // 1000 bbba ffff ffff
        new BitOp<Op::BTFSC>("BTFSC",   0xF000, 0xB000, p),   // 1011 bbba ffff ffff
        new BitOp<Op::BTFSS>("BTFSS",   0xF000, 0xA000, p),   // 1010 bbba ffff ffff
        new BitOp<Op::BTG>("BTG",     0xF000, 0x7000, p),     // 0111 bbba ffff ffff
        new BranchOp<Op::BC>("BC",        0xFF00, 0xE200, p),      // 1110 0010 nnnn nnnn
        new BranchOp<Op::BN>("BN",        0xFF00, 0xE600, p),      // 1110 0110 nnnn nnnn
        new BranchOp<Op::BNC>("BNC",       0xFF00, 0xE300, p),     // 1110 0011 nnnn nnnn
        new BranchOp<Op::BNN>("BNN",       0xFF00, 0xE700, p),     // 1110 0111 nnnn nnnn
        new BranchOp<Op::BNOV>("BNOV",      0xFF00, 0xE500, p),    // 1110 0101 nnnn nnnn
        new BranchOp<Op::BNZ>("BNZ",       0xFF00, 0xE100, p),     // 1110 0001 nnnn nnnn
        new BranchOp<Op::BOV>("BOV",       0xFF00, 0xE400, p),     // 1110 0100 nnnn nnnn
        new BranchOp<Op::BZ>("BZ",        0xFF00, 0xE000, p),      // 1110 0000 nnnn nnnn
        new InstructionControl11bits("BRA", 0xF800, 0xD000, Op::BRA, p),   // 1101 0nnn nnnn nnnn
        new InstructionControl20bits("CALL", 0xFE00, 0xEC00, Op::CALL, p), // 1110 110s kkkk kkkk, 1111 k...
        new InstructionSignalee("CLRWDT", 0xFFFF, 0x0004, Op::CLRWDT, p),  // 0000 0000 0000 0100
        new InstructionDaw(p),                         // 0000 0000 0000 0111
        new InstructionControl20bits("GOTO", 0xFF00, 0xEF00, Op::GOTO, p), // 1110 1111 kkkk kkkk, 1111 k...
        base("NOP",      0xF000, 0xF000, Op::NOP),     // 1111 xxxx xxxx xxxx (second words, 0xFFFF)
        new InstructionPop(p),                         // 0000 0000 0000 0110
        new InstructionPush(p),                        // 0000 0000 0000 0101
        new InstructionRCall(p),                       // 1101 1nnn nnnn nnnn
        new InstructionReset(p),                       // 0000 0000 1111 1111
        new InstructionRetfie("RETFIE", 0xFFFE, 0x0010, Op::RETFIE, p),    // 0000 0000 0001 000s
        new LitOp<Op::RETLW>("RETLW",     0xFF00, 0x0C00, p),   // 0000 1100 kkkk kkkk
        new InstructionReturn(p),                      // 0000 0000 0001 001s
        new InstructionSignalee("SLEEP", 0xFFFF, 0x0003, Op::SLEEP, p),    // 0000 0000 0000 0011
        new LitOp<Op::ADDLW>("ADDLW",     0xFF00, 0x0F00, p),   // 0000 1111 kkkk kkkk
        new LitOp<Op::ANDLW>("ANDLW",     0xFF00, 0x0B00, p),   // 0000 1011 kkkk kkkk
        new LitOp<Op::IORLW>("IORLW",     0xFF00, 0x0900, p),   // 0000 1001 kkkk kkkk
        new LitOp<Op::MOVLB>("MOVLB",     0xFFF0, 0x0100, p),   // 0000 0001 0000 kkkk
        new LitOp<Op::MOVLW>("MOVLW",     0xFF00, 0x0E00, p),   // 0000 1110 kkkk kkkk
        new LitOp<Op::MULLW>("MULLW",     0xFF00, 0x0D00, p),   // 0000 1101 kkkk kkkk
        new LitOp<Op::SUBLW>("SUBLW",     0xFF00, 0x0800, p),   // 0000 1000 kkkk kkkk
        new LitOp<Op::XORLW>("XORLW",     0xFF00, 0x0A00, p),   // 0000 1010 kkkk kkkk
        new InstructionLfsr(p),                        // 1110 1110 00ff kkkk, 1111 0000 kkkk kkkk
        new InstructionTblrd("TBLRD*",  0xFFFF, 0x0008, Op::TBLRD, p),        // 0000 0000 0000 1000
        new InstructionTblrd("TBLRD*+", 0xFFFF, 0x0009, Op::TBLRDPOSTINC, p), // 0000 0000 0000 1001
        new InstructionTblrd("TBLRD*-", 0xFFFF, 0x000A, Op::TBLRDPOSTDEC, p), // 0000 0000 0000 1010
        new InstructionTblrd("TBLRD+*", 0xFFFF, 0x000B, Op::TBLRDPREINC, p),  // 0000 0000 0000 1011
        new InstructionSignalee("TBLWT*", 0xFFFF, 0x000C, Op::TBLWT, p),  // 0000 0000 0000 1100
        new InstructionSignalee("TBLWT*+", 0xFFFF, 0x000D, Op::TBLWTPOSTINC, p),  // 0000 0000 0000 1101
        new InstructionSignalee("TBLWT*-", 0xFFFF, 0x000E, Op::TBLWTPOSTDEC, p),  // 0000 0000 0000 1110
        new InstructionSignalee("TBLWT+*", 0xFFFF, 0x000F, Op::TBLWTPREINC, p),  // 0000 0000 0000 1111
    };
}

JeuInstructions::~JeuInstructions()
{
    for (Instruction* i : jeu)
        delete i;
}

InstructionPtr JeuInstructions::decode(Word w)
{
    // Every prototype tried keeps the word, so the one returned carries it.
    for (Instruction* i : jeu)
        if (i->decode(w))
            return i;
    return jeu.front();
}


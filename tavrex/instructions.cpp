#include "instructions.h"

#include <sstream>

#include "processeur.h"

// --- Table -----------------------------------------------------------------------

JeuInstructions::JeuInstructions(P18f4550* p) : processeur(p)
{
    auto byteOr = [p](const char* m, Word mask, Word op, int n) { return new InstructionByteOriented(m, mask, op, n, p); };
    auto bitOr = [p](const char* m, Word mask, Word op, int n) { return new InstructionBitOriented(m, mask, op, n, p); };
    auto lit = [p](const char* m, Word mask, Word op, int n) { return new InstructionLiteral(m, mask, op, n, p); };
    auto br8 = [p](const char* m, Word mask, Word op, int n) { return new InstructionControl8bits(m, mask, op, n, p); };
    auto base = [p](const char* m, Word mask, Word op, int n) { return new Instruction(m, mask, op, n, p); };

    jeu = {
        //      mnemonic   mask    opcode  number       bit pattern
        base("NOP",      0xFFFF, 0x0000, Op::NOP),     // 0000 0000 0000 0000
        byteOr("ADDWF",  0xFC00, 0x2400, Op::ADDWF),   // 0010 01da ffff ffff
        byteOr("ADDWFC", 0xFC00, 0x2000, Op::ADDWFC),  // 0010 00da ffff ffff
        byteOr("ANDWF",  0xFC00, 0x1400, Op::ANDWF),   // 0001 01da ffff ffff
        byteOr("CLRF",   0xFE00, 0x6A00, Op::CLRF),    // 0110 101a ffff ffff
        byteOr("COMF",   0xFC00, 0x1C00, Op::COMF),    // 0001 11da ffff ffff
        byteOr("CPFSEQ", 0xFE00, 0x6200, Op::CPFSEQ),  // 0110 001a ffff ffff
        byteOr("CPFSGT", 0xFE00, 0x6400, Op::CPFSGT),  // 0110 010a ffff ffff
        byteOr("CPFSLT", 0xFE00, 0x6000, Op::CPFSLT),  // 0110 000a ffff ffff
        byteOr("DECF",   0xFC00, 0x0400, Op::DECF),    // 0000 01da ffff ffff
        byteOr("DECFSZ", 0xFC00, 0x2C00, Op::DECFSZ),  // 0010 11da ffff ffff
        byteOr("DCFSNZ", 0xFC00, 0x4C00, Op::DCFSNZ),  // 0100 11da ffff ffff
        byteOr("INCF",   0xFC00, 0x2800, Op::INCF),    // 0010 10da ffff ffff
        byteOr("INCFSZ", 0xFC00, 0x3C00, Op::INCFSZ),  // 0011 11da ffff ffff
        byteOr("INFSNZ", 0xFC00, 0x4800, Op::INFSNZ),  // 0100 10da ffff ffff
        byteOr("IORWF",  0xFC00, 0x1000, Op::IORWF),   // 0001 00da ffff ffff
        byteOr("MOVF",   0xFC00, 0x5000, Op::MOVF),    // 0101 00da ffff ffff
        new InstructionMovff(p),                       // 1100 ssss ssss ssss, 1111 dddd dddd dddd
        byteOr("MOVWF",  0xFE00, 0x6E00, Op::MOVWF),   // 0110 111a ffff ffff
        byteOr("MULWF",  0xFE00, 0x0200, Op::MULWF),   // 0000 001a ffff ffff
        byteOr("NEGF",   0xFE00, 0x6C00, Op::NEGF),    // 0110 110a ffff ffff
        byteOr("RLCF",   0xFC00, 0x3400, Op::RLCF),    // 0011 01da ffff ffff
        byteOr("RLNCF",  0xFC00, 0x4400, Op::RLNCF),   // 0100 01da ffff ffff
        byteOr("RRCF",   0xFC00, 0x3000, Op::RRCF),    // 0011 00da ffff ffff
        byteOr("RRNCF",  0xFC00, 0x4000, Op::RRNCF),   // 0100 00da ffff ffff
        byteOr("SETF",   0xFE00, 0x6800, Op::SETF),    // 0110 100a ffff ffff
        byteOr("SUBFWB", 0xFC00, 0x5400, Op::SUBFWB),  // 0101 01da ffff ffff
        byteOr("SUBWF",  0xFC00, 0x5C00, Op::SUBWF),   // 0101 11da ffff ffff
        byteOr("SUBWFB", 0xFC00, 0x5800, Op::SUBWFB),  // 0101 10da ffff ffff
        byteOr("SWAPF",  0xFC00, 0x3800, Op::SWAPF),   // 0011 10da ffff ffff
        byteOr("TSTFSZ", 0xFE00, 0x6600, Op::TSTFSZ),  // 0110 011a ffff ffff
        byteOr("XORWF",  0xFC00, 0x1800, Op::XORWF),   // 0001 10da ffff ffff
        bitOr("BCF",     0xF000, 0x9000, Op::BCF),     // 1001 bbba ffff ffff
        bitOr("BSF",     0xF000, 0x8000, Op::BSF),     // 1000 bbba ffff ffff
        bitOr("BTFSC",   0xF000, 0xB000, Op::BTFSC),   // 1011 bbba ffff ffff
        bitOr("BTFSS",   0xF000, 0xA000, Op::BTFSS),   // 1010 bbba ffff ffff
        bitOr("BTG",     0xF000, 0x7000, Op::BTG),     // 0111 bbba ffff ffff
        br8("BC",        0xFF00, 0xE200, Op::BC),      // 1110 0010 nnnn nnnn
        br8("BN",        0xFF00, 0xE600, Op::BN),      // 1110 0110 nnnn nnnn
        br8("BNC",       0xFF00, 0xE300, Op::BNC),     // 1110 0011 nnnn nnnn
        br8("BNN",       0xFF00, 0xE700, Op::BNN),     // 1110 0111 nnnn nnnn
        br8("BNOV",      0xFF00, 0xE500, Op::BNOV),    // 1110 0101 nnnn nnnn
        br8("BNZ",       0xFF00, 0xE100, Op::BNZ),     // 1110 0001 nnnn nnnn
        br8("BOV",       0xFF00, 0xE400, Op::BOV),     // 1110 0100 nnnn nnnn
        br8("BZ",        0xFF00, 0xE000, Op::BZ),      // 1110 0000 nnnn nnnn
        new InstructionControl11bits("BRA", 0xF800, 0xD000, Op::BRA, p),   // 1101 0nnn nnnn nnnn
        new InstructionControl20bits("CALL", 0xFE00, 0xEC00, Op::CALL, p), // 1110 110s kkkk kkkk, 1111 k...
        base("CLRWDT",   0xFFFF, 0x0004, Op::CLRWDT),  // 0000 0000 0000 0100
        new InstructionDaw(p),                         // 0000 0000 0000 0111
        new InstructionControl20bits("GOTO", 0xFF00, 0xEF00, Op::GOTO, p), // 1110 1111 kkkk kkkk, 1111 k...
        base("NOP",      0xF000, 0xF000, Op::NOP),     // 1111 xxxx xxxx xxxx (second words, 0xFFFF)
        new InstructionPop(p),                         // 0000 0000 0000 0110
        new InstructionPush(p),                        // 0000 0000 0000 0101
        new InstructionRCall(p),                       // 1101 1nnn nnnn nnnn
        new InstructionReset(p),                       // 0000 0000 1111 1111
        base("RETFIE",   0xFFFE, 0x0010, Op::RETFIE),  // 0000 0000 0001 000s
        lit("RETLW",     0xFF00, 0x0C00, Op::RETLW),   // 0000 1100 kkkk kkkk
        new InstructionReturn(p),                      // 0000 0000 0001 001s
        base("SLEEP",    0xFFFF, 0x0003, Op::SLEEP),   // 0000 0000 0000 0011
        lit("ADDLW",     0xFF00, 0x0F00, Op::ADDLW),   // 0000 1111 kkkk kkkk
        lit("ANDLW",     0xFF00, 0x0B00, Op::ANDLW),   // 0000 1011 kkkk kkkk
        lit("IORLW",     0xFF00, 0x0900, Op::IORLW),   // 0000 1001 kkkk kkkk
        lit("MOVLB",     0xFFF0, 0x0100, Op::MOVLB),   // 0000 0001 0000 kkkk
        lit("MOVLW",     0xFF00, 0x0E00, Op::MOVLW),   // 0000 1110 kkkk kkkk
        lit("MULLW",     0xFF00, 0x0D00, Op::MULLW),   // 0000 1101 kkkk kkkk
        lit("SUBLW",     0xFF00, 0x0800, Op::SUBLW),   // 0000 1000 kkkk kkkk
        lit("XORLW",     0xFF00, 0x0A00, Op::XORLW),   // 0000 1010 kkkk kkkk
        new InstructionLfsr(p),                        // 1110 1110 00ff kkkk, 1111 0000 kkkk kkkk
        new InstructionTblrd("TBLRD*",  0xFFFF, 0x0008, Op::TBLRD, p),        // 0000 0000 0000 1000
        new InstructionTblrd("TBLRD*+", 0xFFFF, 0x0009, Op::TBLRDPOSTINC, p), // 0000 0000 0000 1001
        new InstructionTblrd("TBLRD*-", 0xFFFF, 0x000A, Op::TBLRDPOSTDEC, p), // 0000 0000 0000 1010
        new InstructionTblrd("TBLRD+*", 0xFFFF, 0x000B, Op::TBLRDPREINC, p),  // 0000 0000 0000 1011
        base("TBLWT*",   0xFFFF, 0x000C, Op::TBLWT),         // 0000 0000 0000 1100
        base("TBLWT*+",  0xFFFF, 0x000D, Op::TBLWTPOSTINC),  // 0000 0000 0000 1101
        base("TBLWT*-",  0xFFFF, 0x000E, Op::TBLWTPOSTDEC),  // 0000 0000 0000 1110
        base("TBLWT+*",  0xFFFF, 0x000F, Op::TBLWTPREINC),   // 0000 0000 0000 1111
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

// --- Base --------------------------------------------------------------------------

Instruction::Instruction(const std::string& mnemo, Word mask, Word opcode, int numero, P18f4550* p)
    : mask(mask), opcode(opcode), name(mnemo), code(numero), processeur(p)
{
}

std::string Instruction::affiche() const
{
    return name;
}

Instruction* Instruction::copie() const
{
    return new Instruction(*this);
}

namespace {
// The pipeline's actions, named as the instructions use them.
inline DataMemory* dm(P18f4550* p) { return p->getDM(); }

// Jump to `cible`: Q4's increment of the program counter lands on it.
inline void saute(P18f4550* p, DWord cible)
{
    p->getDM()->setPC(cible - 2);
    p->flush();
}

// A push that overflows with STVREN set restarts the program.
inline bool empile(P18f4550* p, DWord adresse)
{
    if (p->getDM()->push(adresse, p->getFM()->bitSTVREN())) {
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
}

void InstructionByteOriented::parametres()
{
    DataMemory* m = dm(processeur);
    m->doPreIndirect(a, f8);
    // CLRF, MOVWF and SETF never read their register (no read side effects).
    if (code != Op::CLRF && code != Op::MOVWF && code != Op::SETF)
        fReg = m->read(a, f8);
}

void InstructionByteOriented::process()
{
    Alu* alu = processeur->getALU();
    const Byte w = dm(processeur)->w();
    switch (code) {
    case Op::ADDWF:  alu->operationADD(Alu::tous, fReg, false); break;
    case Op::ADDWFC: alu->operationADD(Alu::tous, fReg, true); break;
    case Op::ANDWF:  alu->operationAND(Alu::logique, fReg); break;
    case Op::CLRF:   alu->operationCLR(Alu::zero_); break;
    case Op::COMF:   alu->operationCOM(Alu::logique, fReg); break;
    case Op::CPFSEQ: condition = fReg == w; break;
    case Op::CPFSGT: condition = fReg > w; break;
    case Op::CPFSLT: condition = fReg < w; break;
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

bool InstructionByteOriented::execute()
{
    DataMemory* m = dm(processeur);
    Alu* alu = processeur->getALU();
    switch (code) {
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
            m->write(a, f8, alu->read());
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
            m->write(a, f8, alu->read());
        else
            m->setW(alu->read());
        alu->writeStatus();
        break;
    }
    // Computed again: the BSR of this moment decides which register is post-updated.
    m->doPostIndirect(a, f8);
    return true;
}

std::string InstructionByteOriented::affiche() const
{
    std::ostringstream s;
    s << name << " 0x" << std::hex << int(f8) << ", " << int(d) << ", " << int(a) << "  "
      << dm(processeur)->name(a, f8) << " --- " << int(fReg);
    return s.str();
}

// --- Bit-oriented --------------------------------------------------------------------

void InstructionBitOriented::preParametres()
{
    b = (instr >> 9) & 0x07;
    a = instr & 0x0100;
    f8 = static_cast<Byte>(instr);
}

void InstructionBitOriented::parametres()
{
    DataMemory* m = dm(processeur);
    m->doPreIndirect(a, f8);
    fReg = m->read(a, f8);
}

void InstructionBitOriented::process()
{
    Alu* alu = processeur->getALU();
    const Byte masque = static_cast<Byte>(1u << b);
    switch (code) {
    case Op::BCF:   alu->operationMOV(Alu::aucun, fReg & ~masque); break;
    case Op::BSF:   alu->operationMOV(Alu::aucun, fReg | masque); break;
    case Op::BTG:   alu->operationMOV(Alu::aucun, fReg ^ masque); break;
    case Op::BTFSC: condition = (fReg & masque) == 0; break;
    case Op::BTFSS: condition = (fReg & masque) != 0; break;
    default: break;
    }
}

bool InstructionBitOriented::execute()
{
    DataMemory* m = dm(processeur);
    if (code == Op::BTFSC || code == Op::BTFSS) {
        if (condition)
            processeur->flush();
    } else {
        // Only bit b is touched, through the register's own bit operation.
        m->bitSetClr(a, f8, (processeur->getALU()->read() >> b) & 1, b);
    }
    m->doPostIndirect(a, f8);
    return true;
}

std::string InstructionBitOriented::affiche() const
{
    std::ostringstream s;
    s << name << " 0x" << std::hex << int(f8) << std::dec << ", " << int(b) << ", " << int(a) << "  "
      << dm(processeur)->name(a, f8);
    return s.str();
}

// --- Literal ---------------------------------------------------------------------------

void InstructionLiteral::preParametres()
{
    k = static_cast<Byte>(instr);
}

void InstructionLiteral::process()
{
    Alu* alu = processeur->getALU();
    switch (code) {
    case Op::ADDLW: alu->operationADD(Alu::tous, k, false); break;
    case Op::ANDLW: alu->operationAND(Alu::logique, k); break;
    case Op::IORLW: alu->operationOR(Alu::logique, k); break;
    case Op::SUBLW: alu->operationSUB(Alu::tous, k, false); break;
    case Op::XORLW: alu->operationXOR(Alu::logique, k); break;
    case Op::RETLW: alu->operationMOV(Alu::aucun, k); break;
    default: break;
    }
}

bool InstructionLiteral::execute()
{
    DataMemory* m = dm(processeur);
    Alu* alu = processeur->getALU();
    switch (code) {
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
        m->setW(alu->read());
        saute(processeur, m->pop());
        break;
    default: break;
    }
    return true;
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
    newPC = dm(processeur)->addPC(static_cast<int32_t>(n));
}

bool InstructionControl8bits::execute()
{
    DataMemory* m = dm(processeur);
    bool pris;
    switch (code) {
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
    if (pris) {
        m->setPC(newPC);
        processeur->flush();
    }
    return true;
}

std::string InstructionControl8bits::affiche() const
{
    std::ostringstream s;
    s << name << " " << static_cast<int32_t>(n);
    return s.str();
}

void InstructionControl11bits::preParametres()
{
    // 11-bit two's complement offset.
    const int32_t brut = instr & 0x07FF;
    n = static_cast<DWord>(brut >= 0x400 ? brut - 0x800 : brut);
}

bool InstructionControl11bits::execute()
{
    dm(processeur)->setPC(newPC);
    processeur->flush();
    return true;
}

InstructionRCall::InstructionRCall(P18f4550* p) : InstructionControl11bits("RCALL", 0xF800, 0xD800, Op::RCALL, p)
{
}

void InstructionRCall::parametres()
{
    // The program counter holds the address of the next instruction.
    empile(processeur, dm(processeur)->getPC());
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
    dm(processeur)->setPC(newPC);
    processeur->flush();
    return true;
}

std::string InstructionControl20bits::affiche() const
{
    std::ostringstream s_;
    s_ << name << " 0x" << std::hex << n << ", " << int(s);
    return s_.str();
}

// --- MOVFF -----------------------------------------------------------------------------------

InstructionMovff::InstructionMovff(P18f4550* p) : Instruction("MOVFF", 0xF000, 0xC000, Op::MOVFF, p)
{
}

void InstructionMovff::preParametres()
{
    fsrc = instr & 0x0FFF;
}

void InstructionMovff::parametres()
{
    DataMemory* m = dm(processeur);
    fdest = processeur->getFetchPtr()->getInstr() & 0x0FFF;
    m->doPreIndirect(fdest);
    m->doPreIndirect(fsrc);
    fReg = m->read(fsrc);
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

// --- TBLRD ---------------------------------------------------------------------------------------

bool InstructionTblrd::execute()
{
    // Q4 adds 2 back: the second cycle fetches the instruction after the TBLRD again.
    dm(processeur)->prevPC();
    return false;
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

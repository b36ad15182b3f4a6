#include "flashmemory.h"

#include <functional>

#include "instructions.h"

int Segment::write(DWord adr, Byte d)
{
    if (!contient(adr))
        return -1;
    data[adr - debut] = d;
    return 0;
}

int Segment::readWord(DWord adr, Word& w)
{
    Byte bas, haut;
    if (read(adr, bas) < 0 || read(adr + 1, haut) < 0) {
        w = 0;
        return -1;
    }
    w = static_cast<Word>(bas | (haut << 8));
    return 0;
}

// The first NOP copies are made in one block: a runner's start spares 32,768
// allocations. A word decoded later gets an object of its own.
SegProgram::SegProgram(DWord size, JeuInstructions* jeu)
    : Segment(0, size), instr(size), jeu(jeu), nopsInitiaux(size, MotNonCharge(*jeu->nop()))
{
    for (DWord adr = 0; adr < size; ++adr)
        instr[adr] = &nopsInitiaux[adr];
}

SegProgram::~SegProgram()
{
    for (Instruction* i : instr)
        libere(i);
}

// The word decoded at an address, through a breakpoint's stand-in.
static Instruction* motDecode(Instruction* i)
{
    return i->estMarque() ? static_cast<InstructionArret*>(i)->remplace() : i;
}

bool SegProgram::estInitial(const Instruction* i) const
{
    i = motDecode(const_cast<Instruction*>(i));
    const std::less<const Instruction*> avant;
    const Instruction* debutNops = nopsInitiaux.data();
    const Instruction* finNops = nopsInitiaux.data() + nopsInitiaux.size();
    return !avant(i, debutNops) && avant(i, finNops);
}

void SegProgram::libere(Instruction* i)
{
    Instruction* mot = motDecode(i);
    if (mot != i)
        delete i;
    if (!estInitial(mot))
        delete mot;
}

void SegProgram::arme(bool actif)
{
    for (DWord adr = 0; adr < fin; adr += 2) {
        Instruction* i = motDecode(instr[adr]);
        if (estInitial(i)) {
            // Execution comes here from the word before only past the end of a stretch
            // of loaded program, or at 0 where the chip starts; elsewhere a jump does,
            // which the jump says.
            static_cast<MotNonCharge*>(i)->surveille(adr, actif && (adr == 0 || estCharge(adr - 2)));
            continue;
        }
        i->arme(actif);
        const int n = i->numero();
        if ((n >= Op::BC && n <= Op::CALL) || n == Op::GOTO || n == Op::RCALL) {
            auto* saut = static_cast<InstructionControl8bits*>(i);
            const Word second = adr + 2 < fin ? instr[adr + 2]->getInstr() : 0;
            const DWord cible = static_cast<DWord>(saut->cible(adr, second));
            saut->surveilleSaut(actif && (cible > 0x7FFF || !estCharge(cible)), cible);
        }
    }
}

int SegProgram::write(DWord adr, Byte d)
{
    if (!contient(adr))
        return -1;
    data[adr - debut] = d;
    // A byte belongs to the word that starts one address earlier and to its own.
    calculInstr(adr - 1);
    calculInstr(adr);
    return 0;
}

void SegProgram::calculInstr(DWord adr)
{
    if (adr >= fin)   // also the address before 0, seen unsigned
        return;
    const bool marquee = instr[adr]->estMarque();
    libere(instr[adr]);
    Word w;
    Instruction* i;
    if (readWord(adr, w) < 0) {
        i = jeu->nop()->copie();
    } else {
        i = jeu->decode(w)->copie();
        i->preParametres();
        i->placer(adr);
    }
    instr[adr] = marquee ? new InstructionArret(i) : i;
}

void SegProgram::redecode()
{
    for (DWord adr = 0; adr < fin; adr += 2)
        if (estCharge(adr))
            calculInstr(adr);
}

void SegProgram::marque(DWord adr, bool oui)
{
    if (adr >= fin || (adr & 1) || instr[adr]->estMarque() == oui)
        return;
    if (oui) {
        instr[adr] = new InstructionArret(instr[adr]);
        return;
    }
    Instruction* marqueur = instr[adr];
    instr[adr] = static_cast<InstructionArret*>(marqueur)->remplace();
    delete marqueur;
}

namespace {
// Configuration bytes 0x300000 to 0x30000D: default value and writable bits.
const Byte configDefaut[14] = {0x00, 0x05, 0x1F, 0x1F, 0x00, 0x83, 0x85, 0x00, 0x0F, 0xC0, 0x0F, 0xE0, 0x0F, 0x40};
const Byte configMasque[14] = {0x3F, 0xCF, 0x3F, 0x1F, 0x00, 0x87, 0xE5, 0x00, 0x0F, 0xC0, 0x0F, 0xE0, 0x0F, 0x40};
}

SegConfig::SegConfig() : Segment(0x300000, 14)
{
    for (int i = 0; i < 14; ++i)
        data[i] = configDefaut[i];
}

int SegConfig::write(DWord adr, Byte d)
{
    if (!contient(adr))
        return -1;
    data[adr - debut] = d & configMasque[adr - debut];
    return 0;
}

SegDevID::SegDevID() : Segment(0x3FFFFE, 2)
{
    data[0] = 0x00;   // DEVID1
    data[1] = 0x12;   // DEVID2
}

FlashMemory::FlashMemory(JeuInstructions* jeu)
    : program(new SegProgram(0x8000, jeu)), config(new SegConfig), devID(new SegDevID), jeu(jeu)
{
}

FlashMemory::~FlashMemory()
{
    delete program;
    delete config;
    delete devID;
}

Instruction* FlashMemory::instruction(DWord adr) const
{
    Instruction* i = program->getInstr(adr);
    return i->estMarque() ? static_cast<InstructionArret*>(i)->remplace() : i;
}

int FlashMemory::writeByte(DWord adr, Byte b)
{
    if (program->write(adr, b) == 0 || config->write(adr, b) == 0 || devID->write(adr, b) == 0)
        return 0;
    return -1;
}

int FlashMemory::write(DWord adr, Word w)
{
    if (writeByte(adr, static_cast<Byte>(w)) < 0)
        return -1;
    return writeByte(adr + 1, static_cast<Byte>(w >> 8)) < 0 ? -1 : 0;
}

bool FlashMemory::bitPBADEN()
{
    Byte b;
    config->read(adrCONFIG3H, b);
    return b & 0x02;
}

bool FlashMemory::bitWDTEN()
{
    Byte b;
    config->read(adrCONFIG2H, b);
    return b & 0x01;
}

bool FlashMemory::bitSTVREN()
{
    // Read by the push that fills the stack: straight from the configuration segment.
    Byte b;
    config->read(adrCONFIG4L, b);
    return b & 0x01;
}

#ifndef TAVREX_FLASHMEMORY_H
#define TAVREX_FLASHMEMORY_H

#include <vector>

#include "types.h"

class Instruction;
class JeuInstructions;
class MotNonCharge;

// The chip's program address space: 32 KB of program flash, the configuration bytes
// and the device ID, each held by a segment. Program memory is kept twice: as bytes,
// and as one decoded instruction object per byte address, recomputed whenever one of
// its two bytes is written. The processor fetches instruction objects, never bytes.

class Segment
{
public:
    Segment(DWord debut, DWord size) : debut(debut), fin(debut + size), data(size, 0) {}
    virtual ~Segment() = default;

    virtual int write(DWord adr, Byte d);
    // Every TBLRD reads here: inline.
    int read(DWord adr, Byte& d) const
    {
        if (!contient(adr)) {
            d = 0;
            return -1;
        }
        d = data[adr - debut];
        return 0;
    }
    int readWord(DWord adr, Word& w);
    DWord debutSeg() const { return debut; }
    DWord finSeg() const { return fin; }
    bool contient(DWord adr) const { return adr >= debut && adr < fin; }

protected:
    DWord debut;
    DWord fin;
    std::vector<unsigned char> data;
};

class SegProgram : public Segment
{
public:
    SegProgram(DWord size, JeuInstructions* jeu);
    ~SegProgram() override;
    SegProgram(const SegProgram&) = delete;
    SegProgram& operator=(const SegProgram&) = delete;

    int write(DWord adr, Byte d) override;
    Instruction* getInstr(DWord adr) const { return instr[adr]; }
    // The per-address objects in one array that never moves (the fetch reads it).
    Instruction* const* tableInstr() const { return instr.data(); }
    void calculInstr(DWord adr);
    // Every loaded word decoded again (what a decoding reads of the registers changed).
    void redecode();
    // Whether a load wrote the word at `adr` (an even address).
    bool estCharge(DWord adr) const { return adr < fin && !estInitial(instr[adr]); }
    // For the diagnostics (`actif`), or not: the word just past each stretch of loaded
    // program and the jumps to where nothing was loaded watch; the rare instructions
    // that say themselves are armed.
    void arme(bool actif);
    // A breakpoint's stand-in put at (or taken from) an even address of the segment;
    // it stays through writes of the word, which it then stands for.
    void marque(DWord adr, bool oui);

private:
    void libere(Instruction* i);
    bool estInitial(const Instruction* i) const;

    std::vector<Instruction*> instr;
    JeuInstructions* jeu;
    std::vector<MotNonCharge> nopsInitiaux;   // never moved: sized once
};

class SegConfig : public Segment
{
public:
    SegConfig();
    int write(DWord adr, Byte d) override;
};

class SegDevID : public Segment
{
public:
    SegDevID();
    int write(DWord, Byte) override { return -1; }
};

// What the last HEX load did (for the runner's messages; the load itself stays silent).
struct BilanLecture
{
    bool ouvert = false;      // the file could be opened
    int lignes = 0;           // lines read
    int lignesIgnorees = 0;   // lines rejected and skipped
    // Data records the chip does not take, by where they point: the first address of
    // each (0 when none: no such range holds address 0).
    DWord auDela32K = 0;      // past the 32 KB of program memory, below 0x200000
    DWord identifiant = 0;    // the device ID, read-only
    DWord eeprom = 0;         // 0xF00000 to 0xF000FF, the data EEPROM
    DWord ailleurs = 0;       // anywhere else outside the chip's map
    bool oscillateur = false; // CONFIG1L or CONFIG1H written
};

class FlashMemory
{
public:
    static constexpr DWord adrCONFIG1L = 0x300000;
    static constexpr DWord adrCONFIG2H = 0x300003;
    static constexpr DWord adrCONFIG3H = 0x300005;
    static constexpr DWord adrCONFIG4L = 0x300006;

    explicit FlashMemory(JeuInstructions* jeu);
    ~FlashMemory();
    FlashMemory(const FlashMemory&) = delete;
    FlashMemory& operator=(const FlashMemory&) = delete;

    int writeByte(DWord adr, Byte b);
    int write(DWord adr, Word w);
    int readByte(DWord adr, Byte& b) const
    {
        if (program->read(adr, b) == 0 || config->read(adr, b) == 0 || devID->read(adr, b) == 0)
            return 0;
        return -1;
    }
    // The object the processor fetches at `adr`: a breakpoint's stand-in, if one is
    // there; the decoded word's own is `instruction`.
    Instruction* getInstr(DWord adr) const { return program->getInstr(adr); }
    Instruction* instruction(DWord adr) const;
    Instruction* const* tableInstr() const { return program->tableInstr(); }
    void marque(DWord adr, bool oui) { program->marque(adr, oui); }
    bool bitPBADEN();
    bool bitSTVREN();
    bool bitWDTEN();
    bool estCharge(DWord adr) const { return program->estCharge(adr); }
    void arme(bool actif) { program->arme(actif); }
    void redecode() { program->redecode(); }

    int readFromHex(const char* filename);
    const BilanLecture& bilan() const { return dernierBilan; }

private:
    SegProgram* program;
    Segment* config;
    Segment* devID;
    JeuInstructions* jeu;
    BilanLecture dernierBilan;
};

#endif

#ifndef TAVREX_FLASHMEMORY_H
#define TAVREX_FLASHMEMORY_H

#include <vector>

#include "types.h"

class Instruction;
class JeuInstructions;

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
    // A breakpoint's stand-in put at (or taken from) an even address of the segment;
    // it stays through writes of the word, which it then stands for.
    void marque(DWord adr, bool oui);

private:
    void libere(Instruction* i);

    std::vector<Instruction*> instr;
    JeuInstructions* jeu;
    std::vector<Instruction> nopsInitiaux;   // never moved: sized once
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
};

class FlashMemory
{
public:
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

#ifndef TAVREX_TESTS_HARNESS_H
#define TAVREX_TESTS_HARNESS_H

#include <memory>
#include <string>

#include "processeur.h"

// Test programs live in tests/asm/NAME.asm and are assembled by the build. They
// store their results in RAM and end in a `bra $` loop.

inline std::string cheminHex(const std::string& nom)
{
    return std::string(TAVREX_TEST_HEX_DIR) + "/" + nom + ".hex";
}

// A chip on the heap (its event wheel and data memory are large) with NAME.hex loaded.
inline std::unique_ptr<P18f4550> chargeProgramme(const std::string& nom)
{
    auto p = std::make_unique<P18f4550>();
    p->readFromHex(cheminHex(nom).c_str());
    return p;
}

constexpr Word motBraSurPlace = 0xD7FF;   // bra $

// Runs whole instructions until the processor's execute stage holds a `bra $`
// (the instruction about to execute), or until maxTicks have elapsed. Returns the
// tick count at that moment: the ticks that the program took before its final loop.
inline uint64_t executeJusquaArret(P18f4550& p, uint64_t maxTicks = ticksParSeconde)
{
    const uint64_t debut = p.time();
    while (p.time() - debut < maxTicks) {
        // After a clock4(), fetchPtr holds the instruction that executes next.
        if (p.getFetchPtr()->getInstr() == motBraSurPlace && p.getFetchPtr() != p.getJeu()->nop())
            return p.time() - debut;
        p.clock4();
    }
    return p.time() - debut;
}

inline Byte ram(const P18f4550& p, Word adr)
{
    return p.getDM()->readDirect(adr);
}

#endif

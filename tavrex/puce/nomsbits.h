#ifndef TAVREX_NOMSBITS_H
#define TAVREX_NOMSBITS_H

#include "types.h"

// The names of the bits of the PIC18F4550's special function registers, as the data
// sheet and the assembler's include file give them, for whatever shows a register
// (the desktop program's debugger, a dump). Only the registers whose bits each mean
// something have names: a register that holds a number (a counter, a pointer, a
// buffer, a result) has none.
//
// The eight names of the register at `adresse`, bit 7 first, "-" for a bit the chip
// does not implement; null when the register has no named bits.
const char* const* nomsBits(Word adresse);

#endif

#ifndef TAVREX_TYPES_H
#define TAVREX_TYPES_H

#include <cstdint>

typedef uint8_t Byte;    // data bytes
typedef uint16_t Word;   // instruction words, 12-bit data addresses
typedef uint32_t DWord;  // program addresses

#endif

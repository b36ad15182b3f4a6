#ifndef TAVREX_TYPES_H
#define TAVREX_TYPES_H

#include <cstdint>

typedef uint8_t Byte;    // data bytes
typedef uint16_t Word;   // instruction words, 12-bit data addresses
typedef uint32_t DWord;  // program addresses

// Time is counted in ticks of the chip's 48 MHz oscillator; an instruction cycle is
// four of them.
constexpr uint64_t ticksParMs = 48000;
constexpr uint64_t ticksParSeconde = 1000 * ticksParMs;
constexpr uint64_t ticksParCycle = 4;

// Seconds and milliseconds of chip time in `ticks`.
constexpr double enSecondes(double ticks)
{
    return ticks / static_cast<double>(ticksParSeconde);
}
constexpr double enMs(double ticks)
{
    return ticks / static_cast<double>(ticksParMs);
}

// Angles are radians inside the model, degrees wherever a user reads or types them
// (the windows, the files, the runner).
constexpr double pi = 3.14159265358979323846;
constexpr double degEnRad = 0.017453292519943295;
constexpr double radEnDeg = 57.29577951308232;

#endif

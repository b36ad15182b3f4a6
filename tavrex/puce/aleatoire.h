#ifndef TAVREX_ALEATOIRE_H
#define TAVREX_ALEATOIRE_H

#include <cstdint>

// The one random source of the simulation: TTL levels between the two thresholds
// and conversions of A/D channels that have no pin. Seeded, so that a run can be
// reproduced exactly; the default seed is fixed.
namespace Aleatoire {

constexpr uint64_t graineParDefaut = 0x7A5E12C4F0550ULL;

void graine(uint64_t g);
uint64_t suivant();                         // xorshift64*
// The source's state itself, for a snapshot of the run (never 0).
uint64_t etatCourant();
void reprend(uint64_t etat);
inline bool bit() { return (suivant() >> 63) != 0; }
inline int entier(int n) { return static_cast<int>((suivant() >> 33) % static_cast<uint64_t>(n)); } // 0 .. n-1

}  // namespace Aleatoire

#endif

#include "aleatoire.h"

namespace {
uint64_t etat = Aleatoire::graineParDefaut;
}

namespace Aleatoire {

void graine(uint64_t g)
{
    // xorshift must never hold 0; mixing the seed also spreads nearby seeds apart.
    g ^= 0x9E3779B97F4A7C15ULL;
    g = (g ^ (g >> 30)) * 0xBF58476D1CE4E5B9ULL;
    g = (g ^ (g >> 27)) * 0x94D049BB133111EBULL;
    g ^= g >> 31;
    etat = g ? g : graineParDefaut;
}

uint64_t etatCourant()
{
    return etat;
}

void reprend(uint64_t e)
{
    etat = e ? e : graineParDefaut;
}

uint64_t suivant()
{
    etat ^= etat >> 12;
    etat ^= etat << 25;
    etat ^= etat >> 27;
    return etat * 0x2545F4914F6CDD1DULL;
}

}  // namespace Aleatoire

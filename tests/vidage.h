#ifndef TAVREX_TESTS_VIDAGE_H
#define TAVREX_TESTS_VIDAGE_H

// What the runner prints with --dump --lcd --led, from a model in a test's hands: a
// run made in-process (a window's) is compared with the runner's replay of it.

#include <cinttypes>
#include <cstdio>
#include <string>

#include "modele.h"

inline std::string vidage(const Modele& m)
{
    const P18f4550& p = *m.getProcesseur();
    const DataMemory& dm = *p.getDM();
    char ligne[96];
    std::snprintf(ligne, sizeof ligne, "pc 0x%04x\nw 0x%02x\nstatus 0x%02x\nbsr 0x%02x\nticks %" PRIu64 "\n",
                  static_cast<unsigned>(p.getFetchPC()), dm.w(), dm.readStatus(), dm.readBSR(), p.time());
    std::string t = ligne;
    for (int debut = 0; debut < DataMemory::taille; debut += 16) {
        int n = std::snprintf(ligne, sizeof ligne, "%03x:", debut);
        for (int i = 0; i < 16; ++i)
            n += std::snprintf(ligne + n, sizeof ligne - n, " %02x", dm.readDirect(static_cast<Word>(debut + i)));
        t += std::string(ligne) + "\n";
    }
    for (int y = 0; y < 2; ++y) {
        t += "|";
        for (int x = 0; x < 16; ++x) {
            const int c = m.getLcd()->getAscii(x, y);
            t += c == 255 ? '#' : (c >= 32 && c < 127) ? static_cast<char>(c) : '?';
        }
        t += "|\n";
    }
    std::snprintf(ligne, sizeof ligne, "led %.2f mA\n", m.getLedA6()->getCourant() * 1000.0);
    return t + ligne;
}

#endif

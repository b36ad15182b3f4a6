#include "hex_file.h"

#include <cstdint>
#include <fstream>
#include <string>

#include "flashmemory.h"

int hexDigit(const char* s)
{
    const char c = *s;
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int hexByte(const char* s)
{
    // The second digit is looked at only when the first is one: a string that ends
    // early stops at its terminating zero.
    const int haut = hexDigit(s);
    if (haut < 0)
        return -1;
    const int bas = hexDigit(s + 1);
    if (bas < 0)
        return -1;
    return haut * 16 + bas;
}

int decode(const char* s, LigneDecode* ld)
{
    if (s[0] != ':')
        return -1;
    if ((ld->b = hexByte(s + 1)) < 0)
        return -2;
    const int haut = hexByte(s + 3);
    if (haut < 0)
        return -3;
    const int bas = hexByte(s + 5);
    if (bas < 0)
        return -4;
    ld->a = haut * 256 + bas;
    if ((ld->t = hexByte(s + 7)) < 0)
        return -5;
    int somme = ld->b + haut + bas + ld->t;

    if (ld->t == 1) {
        // An end-of-file record is taken to carry no data.
        const int checksum = hexByte(s + 9);
        if (checksum < 0)
            return -7;
        return ((somme + checksum) & 0xFF) ? -8 : 0;
    }
    if (ld->t != 0 && ld->t != 4)
        return -6;

    const char* p = s + 9;
    for (int i = 0; i < ld->b; ++i, p += 2) {
        const int octet = hexByte(p);
        if (octet < 0)
            return -9;
        ld->data[i] = octet;
        somme += octet;
    }
    const int checksum = hexByte(p);
    if (checksum < 0)
        return -10;
    return ((somme + checksum) & 0xFF) ? -11 : 0;
}

namespace {

// Where a data record's byte goes, for the diagnostics of the load: the first address
// of each kind of place the chip does not take, and whether the oscillator's
// configuration bytes are written.
void note(BilanLecture& bilan, uint64_t adr)
{
    auto premier = [adr](DWord& d) {
        if (d == 0)
            d = static_cast<DWord>(adr);
    };
    if (adr < 0x8000 || (adr >= 0x200000 && adr < 0x200008))   // program, ID locations
        return;
    if (adr < 0x200000)
        premier(bilan.auDela32K);
    else if (adr >= 0x300000 && adr < 0x30000E)
        bilan.oscillateur = bilan.oscillateur || adr <= 0x300001;
    else if (adr == 0x3FFFFE || adr == 0x3FFFFF)
        premier(bilan.identifiant);
    else if (adr >= 0xF00000 && adr < 0xF00100)
        premier(bilan.eeprom);
    else if (adr <= 0xFFFFFFFFu)
        premier(bilan.ailleurs);
}

}  // namespace

BilanLecture lisFichierHex(const char* filename, FlashMemory* cible)
{
    BilanLecture bilan;
    std::ifstream fichier(filename ? filename : "");
    if (!fichier.is_open())
        return bilan;
    bilan.ouvert = true;

    int adresseEtendue = 0;
    std::string ligne;
    LigneDecode ld;
    // Records of every valid length are read; a line too long to be a record is
    // skipped, not taken for the end of the file; a last line without a line feed
    // counts like the others.
    while (std::getline(fichier, ligne)) {
        ++bilan.lignes;
        while (!ligne.empty() && (ligne.back() == '\r' || ligne.back() == ' ' || ligne.back() == '\t'))
            ligne.pop_back();
        if (ligne.size() > static_cast<size_t>(longueurMaxEnregistrement) || decode(ligne.c_str(), &ld) < 0) {
            ++bilan.lignesIgnorees;
            continue;
        }
        if (!cible)
            continue;
        switch (ld.t) {
        case 0: {
            // Computed wide: a record near the top of the 4 GB space must not wrap
            // around to program memory.
            const uint64_t base = static_cast<uint64_t>(adresseEtendue) * 65536 + static_cast<uint64_t>(ld.a);
            auto dansEspace = [](uint64_t adr) { return adr <= 0xFFFFFFFFu; };
            for (int i = 0; i < ld.b; ++i)
                note(bilan, base + static_cast<uint64_t>(i));
            if (ld.b == 1) {
                cible->writeByte(static_cast<DWord>(base), static_cast<Byte>(ld.data[0]));
                break;
            }
            int i = 0;
            for (; i + 1 < ld.b; i += 2) {
                if (dansEspace(base + i + 1))
                    cible->write(static_cast<DWord>(base + i), static_cast<Word>(ld.data[i] + 256 * ld.data[i + 1]));
                else if (dansEspace(base + i))
                    cible->writeByte(static_cast<DWord>(base + i), static_cast<Byte>(ld.data[i]));
            }
            if (i < ld.b && dansEspace(base + i))
                cible->writeByte(static_cast<DWord>(base + i), static_cast<Byte>(ld.data[i]));
            break;
        }
        case 4:
            // A record too short to carry the address leaves it unchanged.
            if (ld.b >= 2)
                adresseEtendue = ld.data[0] * 256 + ld.data[1];
            break;
        default:   // end of file: reading goes on to the end
            break;
        }
    }
    return bilan;
}

int FlashMemory::readFromHex(const char* filename)
{
    dernierBilan = lisFichierHex(filename, this);
    return 0;
}

// Fuzz target: the Intel HEX reader on any bytes taken as a file, and the first
// instructions of the program read.
//
// The chip is built once (its program memory is slow to build); after each input the
// program and configuration bytes that it changed are put back, so that every input
// starts from a blank chip.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "fichier_temp.h"
#include "lecteurs.h"

namespace {

std::vector<DWord> adressesEcrivables()
{
    std::vector<DWord> a;
    for (DWord adr = 0; adr < 0x8000; ++adr)
        a.push_back(adr);
    for (DWord adr = 0x300000; adr < 0x30000E; ++adr)
        a.push_back(adr);
    return a;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static FichierTemp fichier;
    static P18f4550* const pic = new P18f4550;
    static const std::vector<DWord> adresses = adressesEcrivables();
    static const std::vector<Byte> vierge = [] {
        std::vector<Byte> v;
        for (DWord adr : adresses) {
            Byte b = 0;
            pic->getFM()->readByte(adr, b);
            v.push_back(b);
        }
        return v;
    }();

    if (essaieHex(*pic, fichier.ecrire(data, size)))
        std::abort();

    FlashMemory& fm = *pic->getFM();
    for (size_t i = 0; i < adresses.size(); ++i) {
        Byte b = 0;
        fm.readByte(adresses[i], b);
        if (b != vierge[i])
            fm.writeByte(adresses[i], vierge[i]);
    }
    return 0;
}

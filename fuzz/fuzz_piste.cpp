// Fuzz target: the track file reader on any bytes, the track's distance and obstacle
// questions at a few points, and a save of what was read.

#include <cstdint>
#include <cstdlib>

#include "fichier_temp.h"
#include "lecteurs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static FichierTemp fichier;
    const QString chemin = QString::fromStdString(fichier.ecrire(data, size));
    if (essaiePiste(chemin, QString::fromStdString(fichier.sortie)))
        std::abort();
    return 0;
}

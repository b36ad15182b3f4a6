// Fuzz target: the robot file reader (the model's generic open) on any bytes, the
// robot so read driven a little on the example circuit, and saved.
//
// The model is built once (its program memory is slow to build): before each input,
// a file of the default settings is read, so that no value of one input stays for the
// next.

#include <cstdint>
#include <cstdlib>

#include "fichier_temp.h"
#include "lecteurs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static FichierTemp fichier;
    static const QString defaut = QString::fromStdString(fichier.dossier + "/defaut.rbo");
    static Modele* const modele = [] {
        auto* m = new Modele;
        m->getPiste()->openData(QStringLiteral(TAVREX_EXAMPLES_SRC_DIR "/piste001.pis"));
        if (!m->saveRomboData(defaut))
            std::abort();
        return m;
    }();
    static Modele* const relu = new Modele;
    if (!modele->openData(defaut))
        std::abort();

    const QString chemin = QString::fromStdString(fichier.ecrire(data, size));
    if (essaieRobot(*modele, *relu, chemin, QString::fromStdString(fichier.sortie)))
        std::abort();
    return 0;
}

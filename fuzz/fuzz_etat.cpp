// Fuzz target: the snapshot reader on any bytes, and, when it takes them, the robot, the
// track and the state put into a board running the example program, which then runs a
// few milliseconds.
//
// The board is built once (its program memory is slow to build); each input that
// restores puts in every part of the state, so that none of one input stays for the
// next; one that is refused may leave part of its values, as it would in a scratch
// board.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "etat.h"
#include "modele.h"
#include "preparation.h"
#include "seance.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Modele* const modele = [] {
        auto* m = new Modele;
        chargeProgramme(*m, TAVREX_EXAMPLES_BIN_DIR "/demo.hex");
        return m;
    }();
    static Seance* const seance = new Seance(*modele);

    EtatLu etat;
    std::string erreur;
    const QByteArray texte(reinterpret_cast<const char*>(data), static_cast<int>(size));
    if (!analyseEtat(texte, "fuzz.json", etat, erreur)) {
        if (erreur.rfind("fuzz.json: ", 0) != 0 || erreur.find('\n') != std::string::npos)
            std::abort();   // one line naming the file
        return 0;
    }
    // The robot and the track it holds (a version 1 snapshot's files are not read).
    if ((etat.version >= 2 && !montageEtat(etat, *modele, {}, erreur)) || !restaureEtat(etat, *modele, seance, erreur))
        return 0;
    seance->avanceJusqua(seance->horloge() + 2 * ticksParMs);
    return 0;
}

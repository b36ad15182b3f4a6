// Fuzz target: the script readers on any bytes taken as a file: a script or scenario
// (its header and its actions) and a check file. Every action read must be written
// back as text that reads again to the same action; those that load no file are then
// done to a board with the example robot on the example circuit, which must stay
// finite.
//
// The board is built once (its program memory is slow to build); before each input
// the default robot and the example track are read again, so that no edit of one
// input stays for the next.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "check.h"
#include "fichier_temp.h"
#include "lecteurs.h"
#include "scenario.h"

namespace {

void relitAction(const Action& a)
{
    const std::string texte = texteAction(a);
    Action relue;
    std::string erreur;
    if (!lireAction(texte, relue, erreur) || texteAction(relue) != texte)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static FichierTemp fichier;
    static const QString robot = QString::fromStdString(fichier.dossier + "/defaut.rbo");
    static const QString piste = QStringLiteral(TAVREX_EXAMPLES_SRC_DIR "/piste001.pis");
    static Modele* const modele = [] {
        auto* m = new Modele;
        if (!m->saveRomboData(robot))
            std::abort();
        return m;
    }();
    const std::string chemin = fichier.ecrire(data, size);

    FichierCheck check;
    std::string erreur;
    if (lireCheck(chemin, check, erreur))
        for (const Action& a : check.actions)
            relitAction(a);

    EnteteScenario entete;
    std::vector<Action> actions;
    if (!lireScenario(chemin, entete, actions, erreur) || actions.size() > 64)
        return 0;
    if (!modele->openData(robot) || !modele->getPiste()->openData(piste))
        std::abort();
    modele->romboSurPiste(0.0, 0.0, 0.0);
    P18f4550& pic = *modele->getProcesseur();
    for (const Action& a : actions) {
        relitAction(a);
        if (a.avecFichier())
            continue;   // what a file names is the file readers' targets' concern
        a.appliquer(*modele);
        for (int i = 0; i < 50; ++i)
            pic.clock4();
        modele->deplacement();
    }
    if (!std::isfinite(modele->getX()) || !std::isfinite(modele->getY()) || !std::isfinite(modele->getTheta()))
        std::abort();
    return 0;
}

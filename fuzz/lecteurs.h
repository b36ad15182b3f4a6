#ifndef TAVREX_FUZZ_LECTEURS_H
#define TAVREX_FUZZ_LECTEURS_H

// What the fuzz targets do with one input file, shared with the test that replays the
// inputs they found: each returns the fault seen, or null when the reader held.

#include <cmath>
#include <memory>
#include <string>

#include <QString>

#include "modele.h"
#include "piste.h"
#include "processeur.h"

// The HEX reader, then a few hundred instructions of whatever program was read: the
// records become decoded instructions and the first of them run, as they would when
// a student loads the file.
inline const char* essaieHex(P18f4550& pic, const std::string& chemin)
{
    pic.readFromHex(chemin.c_str());
    const BilanLecture& bilan = pic.getFM()->bilan();
    if (!bilan.ouvert)
        return "the file was not opened";
    if (bilan.lignesIgnorees > bilan.lignes)
        return "more lines skipped than read";
    for (int i = 0; i < 300; ++i)
        pic.clock4();
    return nullptr;
}

// The model's generic open on the file; then the robot so read is driven a little
// (both motors switched on and off, the motion integrated, the sensors read where the
// robot stands), and saved to `sortie`, which `relu` must read back.
inline const char* essaieRobot(Modele& modele, Modele& relu, const QString& chemin, const QString& sortie)
{
    if (!modele.openData(chemin))
        return nullptr;
    P18f4550& pic = *modele.getProcesseur();
    for (int k = 0; k < 6; ++k) {
        for (int i = 0; i < 200; ++i)
            pic.clock4();
        modele.getMoteurG()->modifie(k % 2 ? 0.0 : 5.0);
        modele.getMoteurD()->modifie(k % 3 ? 5.0 : 0.0);
        modele.deplacement();
    }
    modele.romboSurPiste(-400, -1400, 0);
    auto fini = [](double v) { return std::isfinite(v); };
    if (!fini(modele.getX()) || !fini(modele.getY()) || !fini(modele.getTheta()))
        return "pose not finite";
    if (!fini(modele.getMoteurG()->getVitesse()) || !fini(modele.getMoteurD()->getVitesse()))
        return "wheel speed not finite";
    for (int i = 0; i < modele.nbCaptIr(); ++i)
        if (!fini(modele.getCaptIr(i)->getV0()) || !fini(modele.getCaptIr(i)->getVs()))
            return "sensor output not finite";
    if (!modele.saveRomboData(sortie))
        return "the robot read was not saved";
    if (!relu.openData(sortie))
        return "the saved robot does not read back";
    if (relu.nbCaptIr() != modele.nbCaptIr())
        return "the saved robot reads back with another sensor count";
    return nullptr;
}

namespace detail {
// On the carpet, at its corners and beyond them, and around the example circuit.
constexpr double pointsPiste[][2] = {
    {0, 0}, {-400, -1400}, {1000, 0}, {0, 1000}, {-5000, -5000}, {5000, 5000},
    {-5000, 5000}, {123.4, -987.6}, {1e6, -1e6}, {2500, 2500},
};

inline const char* interroge(const Piste& piste)
{
    for (const auto& p : pointsPiste) {
        const double d = piste.getScotchDistance(p[0], p[1]);
        if (std::isnan(d) || d < 0.0)
            return "distance to the tape not a number or negative";
        piste.getObstacleCollision(p[0], p[1]);
    }
    return nullptr;
}
}  // namespace detail

// The track's open, its two questions at a few points, and a save of what was read,
// which must read back with the same elements and answer as well.
inline const char* essaiePiste(const QString& chemin, const QString& sortie)
{
    auto piste = std::make_unique<Piste>();
    if (!piste->openData(chemin))
        return nullptr;
    if (const char* defaut = detail::interroge(*piste))
        return defaut;
    if (!piste->saveData(sortie))
        return "the track read was not saved";
    auto relue = std::make_unique<Piste>();
    if (!relue->openData(sortie))
        return "the saved track does not read back";
    if (relue->size() != piste->size())
        return "the saved track reads back with another element count";
    return detail::interroge(*relue);
}

#endif

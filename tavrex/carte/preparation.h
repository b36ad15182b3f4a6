#ifndef TAVREX_PREPARATION_H
#define TAVREX_PREPARATION_H

// Getting a board ready to run: the files it reads, checked and loaded the same way
// by every front end, with the same words for what is wrong.

#include <cstdint>
#include <memory>
#include <string>

#include "aleatoire.h"
#include "diagnostics.h"

class Modele;
struct BilanLecture;

// Why a file given to be read cannot be, as "FILE: reason" (missing, a directory,
// unreadable, empty); an empty text when it can.
std::string defautFichierLu(const std::string& chemin);
// The same for a robot or track file, which must also be well-formed XML, no deeper
// than the readers take, with the root element `racine` ("rombo", "piste").
std::string defautDocumentXml(const std::string& chemin, const char* racine);

// A robot or track file that passed the checks above and still could not be read, as
// "FILE: cannot be read as a robot" (`quoi`: "robot", "track").
std::string illisibleComme(const std::string& chemin, const char* quoi);

// How loading a HEX program went.
struct ChargementHex
{
    enum Issue {
        Charge,               // every line a valid record
        ChargeEnPartie,       // loaded, some lines skipped
        Illisible,            // the file could not be opened
        Vide,                 // not a line in it
        AucunEnregistrement   // no valid record: nothing loaded
    };
    Issue issue = Illisible;
    int lignes = 0;
    int lignesIgnorees = 0;

    bool reussi() const { return issue == Charge || issue == ChargeEnPartie; }
    // For a failed load, "FILE: reason"; for a partial one, "FILE: N lines skipped
    // (...)"; empty otherwise.
    std::string message(const std::string& chemin) const;
};
ChargementHex bilanChargement(const BilanLecture& bilan);
// Loads the program into the board's chip, which is reset as after any load; a file
// that would load nothing leaves the chip as it was. A load is told to the model's
// observer of actions.
ChargementHex chargeProgramme(Modele& m, const std::string& chemin);

// What a board is prepared from.
struct DonneesCarte
{
    std::string programme;   // HEX; none: the flash memory left blank
    std::string piste;       // optional track file
    std::string robot;       // optional robot file
    bool pose = false;       // the robot's pose, mm, mm, degrees
    double poseX = 0.0, poseY = 0.0, poseDeg = 0.0;
    uint64_t graine = Aleatoire::graineParDefaut;
    // What the chip's diagnostics say, set before the load.
    Diagnostics::Mode avertissements = Diagnostics::Mode::UneFois;
    // The chip's silicon mode, asked before the load.
    bool silicium = false;
};

// A fresh board, seeded, with the program, track, robot and pose. On failure returns
// null with "FILE: reason" in `erreur`; a note on the load (skipped lines) goes into
// `note`.
std::unique_ptr<Modele> prepareCarte(const DonneesCarte& d, std::string& erreur, std::string& note);

#endif

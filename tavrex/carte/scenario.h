#ifndef TAVREX_SCENARIO_H
#define TAVREX_SCENARIO_H

// A scenario: what was done to the board during a run, every action stamped with the
// tick of the run's clock it reached the model at, written as a script (one "T ACTION"
// a line, T to the tick) under a header of comments. Played again from a blank board
// seeded alike, it leaves the state the run left at the same time.
//
//   # tavrex scenario 1
//   # program: demo.hex
//   # sha256: 5f1c...
//   # robot: (none)
//   # track: piste001.pis
//   # seed: 0x7a5e12c4f0550
//   # end: 2501.354166667
//   # mode: silicon (...)          when a run of the record was in the silicon mode
//   0 track "piste001.pis"
//   0 program "demo.hex" 5f1c...
//   0 power-on
//   1210.5 press BP1
//
// The header names the first program, robot and track for the reader; the actions
// load them. A file name is relative to the scenario's folder, unless it lies outside.

#include <cstdint>
#include <string>
#include <vector>

#include "actions.h"
#include "aleatoire.h"
#include "modele.h"

class Seance;

constexpr int versionScenario = 1;

// What a scenario's header tells a player beyond its actions.
struct EnteteScenario
{
    bool present = false;   // the file opens with "# tavrex scenario N"
    uint64_t graine = Aleatoire::graineParDefaut;
    bool graineDonnee = false;
    uint64_t fin = 0;       // the run's clock when the scenario was written
    bool finDonnee = false;
};

// The SHA-256 of a file's contents in 64 lower-case hex digits; empty when it cannot
// be read.
std::string empreinteFichier(const std::string& chemin);

// Reads a script, and its header when it is a scenario (a plain script has none). On
// failure returns false with one line naming the file (and the line).
bool lireScenario(const std::string& chemin, EnteteScenario& entete, std::vector<Action>& actions,
                  std::string& erreur);

// The files given on a command line with a scenario: each takes the place of the files
// of its kind that the scenario loads, or is loaded first, at 0, when it loads none.
struct FichiersDonnes
{
    std::string programme, robot, piste;
};
void substitueFichiers(std::vector<Action>& actions, const FichiersDonnes& donnes);
// Why the files the actions load cannot be: missing, unreadable, not a HEX program or
// not a robot or track file, or (unless `force`) a program whose SHA-256 is not the one
// recorded. Empty when they can.
std::string defautFichiersActions(const std::vector<Action>& actions, bool force);

// The scenario's text: header and actions, file names relative to `dossier` when they
// lie in it.
std::string texteScenario(const std::vector<Action>& actions, uint64_t graine, uint64_t fin,
                          const std::string& dossier);

// Records every action done to the model from outside, stamped with the run's clock
// (Seance::horloge: the same instant the run driver plays it at). Always on, nothing
// written unless asked; nothing in the run loop. A program loaded is kept with its
// SHA-256, every file by its absolute name.
class Enregistreur : public ObservateurActions
{
public:
    Enregistreur(Modele& modele, const Seance& seance, uint64_t graine);
    ~Enregistreur() override;
    Enregistreur(const Enregistreur&) = delete;
    Enregistreur& operator=(const Enregistreur&) = delete;

    void actionRecue(const Action& action) override;

    const std::vector<Action>& actions() const { return liste; }
    uint64_t graine() const { return graineRun; }
    // A record taken up where it was (a saved state): its actions and seed.
    void reprend(std::vector<Action> actions, uint64_t graine);

    // The record as a scenario ending now, to be written in `dossier`.
    std::string texte(const std::string& dossier) const;
    // Writes it to `chemin`; otherwise false with "FILE: cannot be written (reason)".
    bool ecrire(const std::string& chemin, std::string& erreur) const;

private:
    Modele& modele;
    const Seance& seance;
    uint64_t graineRun;
    std::vector<Action> liste;
};

#endif

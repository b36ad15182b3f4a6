#ifndef TAVREX_OPTIONS_H
#define TAVREX_OPTIONS_H

// The command lines of the runner (tavrex-cli) and of the desktop program (tavrex):
// one table of options, each said once with its arguments, its reader and its help
// line, from which both parsers and both usage texts come. Errors are returned, one
// line each, never acted on here: a bad input gets the same words in both programs.

#include <cstdint>
#include <string>
#include <vector>

#include "actions.h"
#include "aleatoire.h"
#include "preparation.h"
#include "scenario.h"

enum class Programme { Runner, Fenetre };

// Everything either program reads from its command line.
struct OptionsLancement
{
    // Both programs.
    std::vector<std::string> programmes;   // HEX files; several only with --check
    std::vector<Action> actions;           // in time order once read
    std::string piste;
    std::string robot;
    bool aide = false;
    // A scenario given to --script: its header. Its actions are among `actions`, the
    // files given above in place of its own; the seed and the duration come from it
    // unless given.
    EnteteScenario scenario;
    bool force = false;   // a program whose SHA-256 differs from the one recorded
    bool graineDonnee = false;
    Diagnostics::Mode avertissements = Diagnostics::Mode::UneFois;
    bool silicium = false;   // --silicon
    std::vector<std::string> points;       // --break, as written
    std::vector<std::string> conditions;   // --break-if, as written
    std::string symboles;                  // the program's symbols; empty: beside it

    // The runner.
    uint64_t ticks = 0;
    bool dureeDonnee = false;
    bool dump = false;
    bool bench = false;
    bool lcd = false;
    bool led = false;
    uint64_t trace = 0;
    std::string vcd;
    uint64_t graine = Aleatoire::graineParDefaut;
    std::string check;
    std::string junit;
    bool tap = false;
    std::string trajectoire;
    std::string etatSauve;     // the snapshot written at the end
    std::string etatCharge;    // the snapshot the run starts from
    std::string diffA, diffB;  // two snapshots to compare
    bool pose = false;
    double poseX = 0.0, poseY = 0.0, poseDeg = 0.0;
    bool strict = false;

    // What a board running `programme` is prepared from.
    DonneesCarte carte(const std::string& programme) const;

    // The desktop program.
    bool powerOn = false;
    bool complet = false;
    bool oscillos = false;
    int baseTemps = -1;       // the scopes' time-base dial, 0 to 99; -1: the window's own
    double vitesse = 0.0;     // the slowing factor; 0: the window's own
    int ongletRobot = 0;      // 1 to 6; 0: the window's own
    bool quitter = false;
    uint64_t quitterApres = 0;   // ticks
    std::string capture;
    std::string enregistrement;   // the scenario written on quitting
    bool debogueur = false;   // the debugger window opened at start
};

// Reads the options of `programme` (argv[0] is the program's name; the desktop
// program's Qt options already taken out). Returns false with one line in `erreur`
// on a bad option or a file that cannot be read; with --help, true and `aide` set.
bool lireOptions(Programme programme, int argc, char** argv, OptionsLancement& o, std::string& erreur);
// The usage text, from the option table.
std::string usage(Programme programme);

#endif

#ifndef TAVREX_CLI_CHECK_H
#define TAVREX_CLI_CHECK_H

// Grading: a check file of timed actions and expectations is played against one or
// more programs, each from power-on on a fresh board, and every expectation is
// reported as passed or failed.

#include <cstdint>
#include <string>
#include <vector>

#include "actions.h"
#include "preparation.h"

// A number of the check file, or a symbol of the program's listing, which each
// program resolves for itself.
struct Operande
{
    double nombre = 0.0;
    std::string symbole;   // empty for a number
};

// What a measure must satisfy: a comparison with a value, or a range A..B (ends
// included).
struct Critere
{
    enum Op { Egal, Different, Inferieur, InferieurEgal, Superieur, SuperieurEgal, Entre };
    Op op = Egal;
    Operande a;
    Operande b;   // the range's upper end

    bool satisfait(double v) const;
};

struct Attente
{
    // Each kind has its row in the table of kinds (checkgenres.cpp): how it is
    // written, observed and judged.
    enum Sujet {
        Led,            // on (above 1 mA) or off (below)
        LedCourant,     // mA
        Lcd,            // a whole line; trailing spaces may be left out
        LcdContient,    // a line contains the text
        PinNiveau,      // the level the port last read
        PinTension,     // V
        Ram,
        W,
        Pc,             // the address of the next instruction to execute
        PwmRapport,     // %, each whole period of the interval
        PwmPeriode,     // us, each whole period of the interval
        RobotScotch,    // mm, the front point's largest distance to the tape centre line
        RobotPres,      // mm, from the robot's position to a point
        Fdc             // the end-of-travel switch pressed or released
    };
    Sujet sujet = Led;
    uint64_t debut = 0;   // ticks from power-on; an instant has debut == fin
    uint64_t fin = 0;
    bool intervalle = false;
    int ordre = 0;        // place among the file's entries
    int ligne = 0;
    std::string moment;   // "300 ms", "100..300 ms"
    std::string nom;      // "lcd 0", "pin RA6", "ram mesure"
    std::string attendu;  // as the file gives it: "\"Bonjour\"", "high", "15..21 mA"
    bool etat = false;    // led on, pin high, switch pressed
    int numero = 0;       // LCD line; for a pin, port * 8 + bit
    std::string texte;    // LCD text
    Operande adresse;     // RAM
    double x = 0.0, y = 0.0;   // robot near
    Critere critere;
};

struct FichierCheck
{
    std::string chemin;
    std::vector<Action> actions;   // their `ordre` is their place among the entries
    std::vector<Attente> attentes;
    uint64_t dernierInstant = 0;   // the last time the file names, in ticks
    bool avecSymboles = false;
};

// Reads a check file; on failure returns false with a message naming the file and
// the line.
bool lireCheck(const std::string& chemin, FichierCheck& f, std::string& erreur);

// The check run as the options ask for it.
struct ParametresCheck
{
    std::string fichier;
    std::vector<std::string> programmes;
    std::string junit;
    bool tap = false;
    std::string symboles;   // empty: each program's NAME.lst, .cod or .map beside it
    DonneesCarte carte;   // the program left out: each has its own
    uint64_t ticksMin = 0;   // --ms or --cycles: the run lasts at least that long
    bool bench = false;
};

// Grades every program and returns the exit status: 0 when every expectation passed,
// 1 when one failed, 2 on an error (one line on stderr, nothing graded).
int executerCheck(const ParametresCheck& p);

#endif

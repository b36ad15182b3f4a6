#ifndef TAVREX_CLI_ACTIONS_H
#define TAVREX_CLI_ACTIONS_H

#include <cstdint>
#include <string>
#include <vector>

class Modele;

// What a user does to the board at a given moment of chip time.
struct Action
{
    enum Type {
        Appuie, Relache, Pot, ResetAppuye, ResetRelache, PowerOff, PowerOn,
        JackIn, JackOut, FdcAppuye, FdcRelache
    };
    uint64_t ticks = 0;   // from the start of the run
    Type type = PowerOn;
    int bouton = 0;       // 0 to 2 for BP1 to BP3
    double valeur = 0.0;  // volts for the potentiometer
    int ordre = 0;        // actions at one moment run in the order given

    void appliquer(Modele& m) const;
};

// Parses "ACTION [ARGUMENT]" (e.g. "press BP1", "pot 2.5"); on failure returns false
// with the reason in `erreur`.
bool lireAction(const std::string& texte, Action& action, std::string& erreur);
// Parses a finite real number, the whole text.
bool lireReel(const std::string& texte, double& v);
// Parses a time in milliseconds of chip time.
bool lireInstant(const std::string& texte, uint64_t& ticks);
// Reads a script: one "T ACTION" a line, '#' starts a comment. On failure returns
// false with a message naming the line.
bool lireScript(const std::string& chemin, std::vector<Action>& actions, std::string& erreur);

// Puts the actions in time order, those of one moment in the order they were given.
void ordonneActions(std::vector<Action>& actions);

#endif

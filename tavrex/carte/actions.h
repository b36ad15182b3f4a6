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
        JackIn, JackOut, FdcAppuye, FdcRelache,
        Pose,        // the robot placed on the track: x, y (mm), cap (degrees)
        Programme,   // a HEX file loaded: `fichier`, and its SHA-256 in `empreinte` when known
        Robot,       // a robot file opened: `fichier`
        Piste,       // a track file opened: `fichier`
        // The robot edited, as its file would set it: a value (`objet`, the file's
        // container, `numero` for a sensor, `balise`, and `valeur`, or the pin's name in
        // `broche` for the wiring), a sensor added with sensor `numero`'s settings (-1:
        // the defaults) or removed, a sensor held over the tape (`valeur` 1) or the carpet
        // (0) for the white-line test.
        RobotValeur, CapteurAjoute, CapteurRetire, CapteurTest,
        // The track edited, as its editor does: element `numero` inserted or replaced by
        // one of type `objet` (its tag in the track file), deleted, or its value `balise`
        // set to `valeur` in the editor's units.
        PisteInsere, PisteRetire, PisteRemplace, PisteValeur,
        Silicium     // the silicon mode asked for (`valeur` 1) or left (0)
    };
    uint64_t ticks = 0;   // from the start of the run
    Type type = PowerOn;
    int bouton = 0;       // 0 to 2 for BP1 to BP3
    double valeur = 0.0;  // volts for the potentiometer
    double x = 0.0, y = 0.0, cap = 0.0;
    std::string fichier;     // as the file system names it
    std::string empreinte;   // 64 lower-case hex digits, or empty
    std::string objet, balise, broche;
    int numero = -1;
    int ordre = 0;        // actions at one moment run in the order given

    bool avecFichier() const { return type == Programme || type == Robot || type == Piste; }
    bool estEdition() const { return type >= RobotValeur; }
    void appliquer(Modele& m) const;
};

// Parses "ACTION [ARGUMENTS]" (e.g. "press BP1", "pot 2.5", "robot \"my robot.rbo\"");
// on failure returns false with the reason in `erreur`. A file name is taken as it is
// written: the caller places a relative one.
bool lireAction(const std::string& texte, Action& action, std::string& erreur);
// The action as lireAction reads it back, every number to its last bit and file names
// between double quotes.
std::string texteAction(const Action& action);
// Parses a finite real number, the whole text.
bool lireReel(const std::string& texte, double& v);
// Parses a whole number written in decimal or, after 0x, in hex: the whole text.
bool lireNaturel(const std::string& texte, uint64_t& n);
// The shortest text lireReel reads back as exactly `v`, whatever the C locale.
std::string texteReel(double v);
// Parses a time in milliseconds of chip time.
bool lireInstant(const std::string& texte, uint64_t& ticks);
// A time in milliseconds to 9 decimals, trailing zeros left out: finer than a tick
// (1/48,000 ms), so that lireInstant reads back exactly `ticks`.
std::string texteInstant(uint64_t ticks);
// Reads a script: one "T ACTION" a line, '#' starts a comment. On failure returns
// false with a message naming the line.
bool lireScript(const std::string& chemin, std::vector<Action>& actions, std::string& erreur);

// Puts the actions in time order, those of one moment in the order they were given.
void ordonneActions(std::vector<Action>& actions);

#endif

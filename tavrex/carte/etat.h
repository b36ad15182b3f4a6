#ifndef TAVREX_ETAT_H
#define TAVREX_ETAT_H

// A snapshot: the whole state of a run at an instruction boundary, written as text
// made to be read and compared with diff, and read back into a fresh board that runs
// on exactly as the saved one would have. Never a memory image: every value under its
// own name, one a line (JSON, keys sorted, indented).
//
//   {
//     "format": "tavrex state",
//     "version": 2,
//     "files": { "program": "/home/.../demo.hex", "sha256": "5f1c...",
//                "robot": "", "track": "/home/.../piste001.pis" },   "" for none
//     "run": { "clock": "480000", "off": "0", "running": true, "seed": "0x...",
//              "actions": [ "0 power-on", "1.5 press BP1" ] },      the record
//     "random": "0x...",                                  the random source
//     "chip": {
//       "time": "480123",                                 ticks since the board was built
//       "pc": "0x0124", "fetch": "0x0122", "instruction": "0x0120",
//       "fetched": "0x6a81", "flush": false, "nop": false,    the pipeline
//       "abandoned": false, "portsChanged": false, "phase": 0, "passed": 0,
//       "stack": [ "0x000000", ... 32 entries ], "shadows": { "bsr", "status", "w" },
//       "ram": [ "000: 00 11 22 ...", ... ],              0x000-0x7FF, 16 bytes a line
//       "sfr": { "ADCON0": "0x00", ... },                 0xF60-0xFFF by name
//       "events": { "passes": "480123", "free": 12,
//                   "scheduled": [ { "event": "robot", "in": 3200 }, ... ],   in firing order
//                   "registered": { "adc": { "at": 0, "list": false }, ... } },
//       "timer0": {...}, "timer2": {...}, "pwm1": {...}, "pwm2": {...}, "adc": {...},
//       "ports": { "A": { "analog", "changed", "marks", "undecided", "evaluated" }, ... }
//     },
//     "board": { "power", "reset", "buttons": [...], "pot", "led", "jack", "switch",
//                "switchForced",                      "reset": the button held, the chip waiting
//                "siliconAsked", "resetTime",         the mode asked, the chip's last reset
//                "lcd": { "display": [ "hex line 1", "hex line 2" ], "text": [...], ... } },
//     "robot": { "x", "y", "theta", "cos", "sin", "time", "step",
//                "left": {...}, "right": {...}, "sensors": [...],
//                "parameters": {                      the robot file's values, under its tags
//                  "jack": { "connexion": "RB0", "contactno": true, "pullup": true,
//                            "resistance": "1000" }, "fdc": {...}, "hacheurs": {...},
//                  "capteur": [ { "connexion": "RA1", "rd": "270", ... }, ... ],
//                  "params": {...}, "moteur_g": {...}, "moteur_d": {...} } },
//     "track": [ { "element": "repere", "theta": "0", "x": "0", "y": "0" },
//                { "element": "droite", "largeur": "19", "longueur": "700" }, ... ]
//   }
//
// Ticks and 64-bit values are decimal strings, reals the shortest text that reads back
// to the same bit. The robot's parameters and the track are those of the board as it
// ran, edits made in the windows included: a snapshot is read without the robot and
// track files it names (they are named for its reader), and the program from its HEX,
// which must have the SHA-256 recorded. An angle of the track is written in degrees as
// in its file, the degrees that read back to the very radians the track holds. A
// snapshot of version 1 has no "reset", "parameters" nor "track": its robot and track
// are read from the files it names. A reader refuses, with one line naming the file:
// what is not such a document, a version it does not know, a value missing or out of
// its range, and a program other than the one recorded. "text" lines are for the
// reader of the file: loading ignores them.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <QByteArray>
#include <QJsonObject>

#include "actions.h"

class Modele;
class Enregistreur;
class Seance;

constexpr int versionEtat = 2;

// The files a snapshot's board was prepared from, and its record.
struct FichiersEtat
{
    std::string programme;   // HEX, absolute
    std::string empreinte;   // its SHA-256
    std::string robot, piste;   // "" for none
    uint64_t graine = 0;
    std::vector<Action> actions;
};

// The files of a run's board, for its snapshot: the last of each kind its record
// loaded, otherwise those of `donnes`; absolute, the program with its SHA-256; and
// the record's actions and seed.
FichiersEtat fichiersDuRun(const Enregistreur& enregistreur, FichiersEtat donnes);

// The state of `m` run by `s` (its clock; at an instruction boundary) as text.
QByteArray texteEtat(const Modele& m, const Seance& s, const FichiersEtat& fichiers);
// Writes it; otherwise false with "FILE: cannot be written (reason)".
bool ecrireEtat(const std::string& chemin, const QByteArray& texte, std::string& erreur);

// A snapshot read and checked as a document: its files and record, and its values.
struct EtatLu
{
    std::string chemin;
    int version = versionEtat;
    FichiersEtat fichiers;
    QJsonObject racine;
};
// Reads `chemin` (or `texte` said to come from it): false with one line naming it when
// it is not a snapshot of a version this program reads.
bool lireEtat(const std::string& chemin, EtatLu& etat, std::string& erreur);
bool analyseEtat(const QByteArray& texte, const std::string& chemin, EtatLu& etat, std::string& erreur);

// A fresh board prepared from the snapshot's program, robot and track, or from the
// files given in their place (not empty), its program checked against the SHA-256
// recorded: the board a snapshot is restored into. Null with one line naming the file
// otherwise.
std::unique_ptr<Modele> prepareCarteEtat(const EtatLu& etat, const FichiersEtat& donnes, std::string& erreur);

// Puts the snapshot's track and robot on `m`, each as its file would be read, the file
// of that kind named in `donnes` read in its place. False with one line naming the
// snapshot or the file when one cannot be, `m` then untouched by the snapshot's own.
bool montageEtat(const EtatLu& etat, Modele& m, const FichiersEtat& donnes, std::string& erreur);

// Puts the snapshot's state into `m`, which holds the program recorded (a fresh board
// prepared from the snapshot's files), and takes `s` up at its clock. On a value
// missing or out of range returns false with one line, `m` then half restored: a
// caller that keeps its board tries a scratch one first.
bool restaureEtat(const EtatLu& etat, Modele& m, Seance* s, std::string& erreur);

// What differs between two snapshots, one line each, by what a user calls it: a
// register by its name, a RAM address, a pin, an LCD line, the pose.
std::vector<std::string> differencesEtats(const EtatLu& a, const EtatLu& b);

#endif

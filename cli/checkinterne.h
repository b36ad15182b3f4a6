#ifndef TAVREX_CLI_CHECKINTERNE_H
#define TAVREX_CLI_CHECKINTERNE_H

// What the check's reading, run and reports share, and the table of expectation
// kinds: the one place that says how a kind is written, whether it is measured over
// an interval and how it is judged.

#include <cstdint>
#include <string>
#include <vector>

#include "check.h"

class Modele;
class P18f4550;
class QXmlStreamWriter;

constexpr int largeurLcd = 16;

// A text as a check file quotes it.
std::string cite(const std::string& texte);

// --- The table of kinds ------------------------------------------------------------

// What an expectation looks at between its interval's ends.
enum class Observation {
    Instant,   // nothing: it is checked at one time
    Fronts,    // the edges of its pin, as the ports evaluate them
    Pas        // the robot's motion steps, against the track
};

// What the word after "expect" names before the rest: "pin RA6", "lcd 0", "ram
// tours". A point is the exception: it follows the keyword ("robot near 10,20").
enum class Objet { Rien, LigneLcd, Pin, Adresse, Point };

// The shape of the awaited value, last on the line.
struct FormeAttendue
{
    enum Genre {
        Etat,      // one of two words: `vrai` or `faux`
        Texte,     // an LCD line between double quotes
        Contenu,   // ~ then a text the LCD line contains
        Entier,    // a criterion on whole numbers or symbols, no unit
        Reel       // a criterion on numbers, then `unite` (or `uniteMille`, worth 1000 of it)
    };
    Genre genre = Entier;
    const char* vrai = nullptr;
    const char* faux = nullptr;
    const char* unite = nullptr;
    const char* uniteMille = nullptr;
};

constexpr FormeAttendue etat(const char* vrai, const char* faux) { return {FormeAttendue::Etat, vrai, faux, nullptr, nullptr}; }
constexpr FormeAttendue texte() { return {FormeAttendue::Texte, nullptr, nullptr, nullptr, nullptr}; }
constexpr FormeAttendue contenu() { return {FormeAttendue::Contenu, nullptr, nullptr, nullptr, nullptr}; }
constexpr FormeAttendue entier() { return {FormeAttendue::Entier, nullptr, nullptr, nullptr, nullptr}; }
constexpr FormeAttendue reel(const char* unite, const char* uniteMille = nullptr)
{
    return {FormeAttendue::Reel, nullptr, nullptr, unite, uniteMille};
}

// What an interval has seen so far.
struct Mesure
{
    Observation observation = Observation::Instant;
    bool active = false;
    // Port edges: the pin's level, its last rising and falling edges, and the
    // extremes over the whole periods (from one rising edge to the next) of the duty
    // cycle (%) and of the period (us).
    bool niveau = false;
    bool montantVu = false;
    uint64_t montant = 0;
    uint64_t descendant = 0;
    int fronts = 0;
    int periodes = 0;
    double rapportMin = 0.0, rapportMax = 0.0;
    double periodeMin = 0.0, periodeMax = 0.0;
    // Motion steps: how many, those with the front point beside the tape, its largest
    // distance to the centre line.
    int pas = 0;
    int pasSurScotch = 0;
    double ecartMax = 0.0;

    void notePeriode(double rapport, double periode);
};

// What an evaluation may look at: the board at the expectation's time and, for an
// interval, what it saw.
struct Constat
{
    Modele& modele;
    P18f4550& pic;
    const Mesure& mesure;
};

// Pass or fail; `trouve` tells what the board showed, for the report.
using Evaluation = bool (*)(const Attente& a, const Constat& c, std::string& trouve);

// One kind, written "expect MOT [object] [PRECISION] [point] VALUE". Kinds may share
// their word; then the keyword, or failing it the value's first word, tells them
// apart.
struct GenreAttente
{
    Attente::Sujet sujet;
    const char* mot;
    Objet objet;
    const char* precision;   // nullptr when the kind has no keyword
    FormeAttendue forme;
    Observation observation;
    Evaluation evalue;
};

// Every kind once, in the order of Attente::Sujet.
struct Genres
{
    const GenreAttente* debut;
    const GenreAttente* fin;
    const GenreAttente* begin() const { return debut; }
    const GenreAttente* end() const { return fin; }
};
Genres genresAttente();
const GenreAttente& genreDe(Attente::Sujet s);

// The level the port last read on a pin (port * 8 + bit).
bool niveauPin(const P18f4550& pic, int numero);

// --- The run and the reports ---------------------------------------------------------

struct Resultat
{
    bool reussi = false;
    std::string nom;       // "300 ms lcd 0 \"Bonjour\""
    std::string message;   // "300 ms lcd 0: expected ..., found ..."
};

struct Programme
{
    std::string chemin;
    std::vector<Attente> attentes;   // symbols resolved
    std::vector<Resultat> resultats;
    std::vector<std::string> avertissements;   // as texteAvertissement() writes them
    double secondes = 0.0;
};

// One program's run on its board from power-on until `fin`: the file's actions at
// their times, the expectations judged in their order; the warnings said meanwhile
// added to `avertissements`.
std::vector<Resultat> noteProgramme(Modele& modele, const FichierCheck& f, const std::vector<Attente>& attentes,
                                    uint64_t fin, uint64_t& ticksExecutes, std::vector<std::string>& avertissements);

// The lines on stdout as the programs are graded, plain or TAP.
class RapportTexte
{
public:
    RapportTexte(bool tap, size_t total) : tap(tap), total(total) {}

    void programme(const Programme& p);
    void banc(double cycles, double secondes, double cpu) const;
    void bilan() const;
    bool toutReussi() const { return reussis == total; }

private:
    const bool tap;
    const size_t total;
    size_t numero = 0;
    size_t reussis = 0;
};

void ecrisJUnit(QXmlStreamWriter& x, const std::string& fichier, const std::vector<Programme>& programmes);

#endif

// The kinds of expectation and how each is judged. A new kind is a value of
// Attente::Sujet, its row in the table below and its evaluation: the reading, the
// interval's observers and the reports follow the row.

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <iterator>

#include "checkinterne.h"
#include "modele.h"

namespace {

constexpr double courantAllume = 1e-3;   // A: the LED is on above it

std::string format(const char* modele, ...) __attribute__((format(printf, 1, 2)));

std::string format(const char* modele, ...)
{
    char texte[256];
    va_list args;
    va_start(args, modele);
    std::vsnprintf(texte, sizeof texte, modele, args);
    va_end(args);
    return texte;
}

double tensionPin(P18f4550& pic, int numero, bool& connectee)
{
    const Connexion* c = pic.getPort(numero / 8)->getConnexion(static_cast<Byte>(numero % 8));
    connectee = c != nullptr;
    // A pin with nothing on it reads 0 V in the port's model.
    return c ? c->getVin() : 0.0;
}

std::string ligneLcd(Modele& modele, int y)
{
    std::string ligne;
    for (int x = 0; x < largeurLcd; ++x) {
        const int c = modele.getLcd()->getAscii(x, y);
        ligne += c == 255 ? '#' : (c >= 32 && c < 127) ? static_cast<char>(c) : '?';
    }
    return ligne;
}

std::string octet(Byte v)
{
    return format("0x%02X (%u)", v, static_cast<unsigned>(v));
}

// Whether every whole period satisfied the criterion, from their extremes; `trouve`
// tells what they were.
bool jugePeriodes(const Attente& a, const Mesure& m, double min, double max, const char* unite,
                  std::string& trouve)
{
    if (m.periodes == 0) {
        if (m.fronts > 0)
            trouve = format("no whole period (%d edge%s)", m.fronts, m.fronts > 1 ? "s" : "");
        else
            trouve = std::string("no edge, ") + (m.niveau ? "high" : "low") + " throughout";
        return false;
    }
    const char* nombre = m.periodes > 1 ? "periods" : "period";
    if (min == max || format("%.1f", min) == format("%.1f", max))
        trouve = format("%.1f %s over %d %s", min, unite, m.periodes, nombre);
    else
        trouve = format("%.1f..%.1f %s over %d %s", min, max, unite, m.periodes, nombre);
    return a.critere.satisfait(min) && a.critere.satisfait(max);
}

bool evalueLed(const Attente& a, const Constat& c, std::string& trouve)
{
    const double courant = c.modele.getLedA6()->getCourant();
    trouve = format("%.2f mA", courant * 1000.0);
    return a.etat ? courant > courantAllume : courant < courantAllume;
}

bool evalueLedCourant(const Attente& a, const Constat& c, std::string& trouve)
{
    const double mA = c.modele.getLedA6()->getCourant() * 1000.0;
    trouve = format("%.2f mA", mA);
    return a.critere.satisfait(mA);
}

bool evalueLcd(const Attente& a, const Constat& c, std::string& trouve)
{
    const std::string ligne = ligneLcd(c.modele, a.numero);
    trouve = cite(ligne);
    return ligne == a.texte + std::string(largeurLcd - a.texte.size(), ' ');
}

bool evalueLcdContient(const Attente& a, const Constat& c, std::string& trouve)
{
    const std::string ligne = ligneLcd(c.modele, a.numero);
    trouve = cite(ligne);
    return ligne.find(a.texte) != std::string::npos;
}

bool evaluePinNiveau(const Attente& a, const Constat& c, std::string& trouve)
{
    const bool haut = niveauPin(c.pic, a.numero);
    bool connectee;
    const double v = tensionPin(c.pic, a.numero, connectee);
    trouve = format("%s (%.2f V%s)", haut ? "high" : "low", v, connectee ? "" : ", nothing connected");
    return haut == a.etat;
}

bool evaluePinTension(const Attente& a, const Constat& c, std::string& trouve)
{
    bool connectee;
    const double v = tensionPin(c.pic, a.numero, connectee);
    trouve = format("%.2f V%s", v, connectee ? "" : " (nothing connected)");
    return a.critere.satisfait(v);
}

bool evalueRam(const Attente& a, const Constat& c, std::string& trouve)
{
    const Byte v = c.pic.getDM()->readDirect(static_cast<Word>(a.adresse.nombre));
    trouve = octet(v);
    return a.critere.satisfait(v);
}

bool evalueW(const Attente& a, const Constat& c, std::string& trouve)
{
    const Byte v = c.pic.getDM()->w();
    trouve = octet(v);
    return a.critere.satisfait(v);
}

bool evaluePc(const Attente& a, const Constat& c, std::string& trouve)
{
    const DWord pc = c.pic.getFetchPC();
    trouve = format("0x%04X", static_cast<unsigned>(pc));
    return a.critere.satisfait(pc);
}

bool evaluePwmRapport(const Attente& a, const Constat& c, std::string& trouve)
{
    const Mesure& m = c.mesure;
    // A level held throughout is a duty cycle too: a motor stopped or at full speed.
    if (m.fronts == 0) {
        const double rapport = m.niveau ? 100.0 : 0.0;
        trouve = format("%.0f %% (no edge, %s throughout)", rapport, m.niveau ? "high" : "low");
        return a.critere.satisfait(rapport);
    }
    return jugePeriodes(a, m, m.rapportMin, m.rapportMax, "%", trouve);
}

bool evaluePwmPeriode(const Attente& a, const Constat& c, std::string& trouve)
{
    return jugePeriodes(a, c.mesure, c.mesure.periodeMin, c.mesure.periodeMax, "us", trouve);
}

bool evalueRobotScotch(const Attente& a, const Constat& c, std::string& trouve)
{
    const Mesure& m = c.mesure;
    if (m.pas == 0) {
        trouve = "no motion step";
        return false;
    }
    // Over a gap in the tape there is nothing to be beside.
    if (m.pasSurScotch == 0) {
        trouve = "the front point never beside the tape";
        return false;
    }
    trouve = format("%.1f mm", m.ecartMax);
    return a.critere.satisfait(m.ecartMax);
}

bool evalueRobotPres(const Attente& a, const Constat& c, std::string& trouve)
{
    const Modele& m = c.modele;
    const double d = std::hypot(m.getX() - a.x, m.getY() - a.y);
    trouve = format("%.1f mm (robot at %.1f,%.1f)", d, m.getX(), m.getY());
    return a.critere.satisfait(d);
}

bool evalueFdc(const Attente& a, const Constat& c, std::string& trouve)
{
    const bool appuye = c.modele.getFdc()->isActif();
    trouve = appuye ? "pressed" : "released";
    return appuye == a.etat;
}

constexpr Observation instant = Observation::Instant;
constexpr Observation fronts = Observation::Fronts;
constexpr Observation pas = Observation::Pas;

// The kinds of one word in the order the error messages list their keywords or
// first words; the words in the order "unknown expectation" lists them.
constexpr GenreAttente genres[] = {
    // kind                word     object           keyword   value                   observed  judged by
    {Attente::Led,         "led",   Objet::Rien,     nullptr,  etat("on", "off"),      instant,  evalueLed},
    {Attente::LedCourant,  "led",   Objet::Rien,     nullptr,  reel("mA"),             instant,  evalueLedCourant},
    {Attente::Lcd,         "lcd",   Objet::LigneLcd, nullptr,  texte(),                instant,  evalueLcd},
    {Attente::LcdContient, "lcd",   Objet::LigneLcd, nullptr,  contenu(),              instant,  evalueLcdContient},
    {Attente::PinNiveau,   "pin",   Objet::Pin,      nullptr,  etat("high", "low"),    instant,  evaluePinNiveau},
    {Attente::PinTension,  "pin",   Objet::Pin,      nullptr,  reel("V"),              instant,  evaluePinTension},
    {Attente::Ram,         "ram",   Objet::Adresse,  nullptr,  entier(),               instant,  evalueRam},
    {Attente::W,           "w",     Objet::Rien,     nullptr,  entier(),               instant,  evalueW},
    {Attente::Pc,          "pc",    Objet::Rien,     nullptr,  entier(),               instant,  evaluePc},
    {Attente::PwmRapport,  "pwm",   Objet::Pin,      "duty",   reel("%"),              fronts,   evaluePwmRapport},
    {Attente::PwmPeriode,  "pwm",   Objet::Pin,      "period", reel("us", "ms"),       fronts,   evaluePwmPeriode},
    {Attente::RobotScotch, "robot", Objet::Rien,     "tape",   reel("mm"),             pas,      evalueRobotScotch},
    {Attente::RobotPres,   "robot", Objet::Point,    "near",   reel("mm"),             instant,  evalueRobotPres},
    {Attente::Fdc,         "fdc",   Objet::Rien,     nullptr,  etat("pressed", "released"), instant, evalueFdc},
};

constexpr bool dansLOrdre()
{
    for (size_t i = 0; i < std::size(genres); ++i)
        if (genres[i].sujet != static_cast<Attente::Sujet>(i))
            return false;
    return true;
}
static_assert(dansLOrdre(), "one row per kind, in the order of Attente::Sujet");

}  // namespace

Genres genresAttente()
{
    return {std::begin(genres), std::end(genres)};
}

const GenreAttente& genreDe(Attente::Sujet s)
{
    // The reading gives an expectation only the kind of a row.
    return genres[s];
}

bool niveauPin(const P18f4550& pic, int numero)
{
    return (pic.getDM()->readDirect(static_cast<Word>(DataMemory::PORTA + numero / 8)) >> (numero % 8)) & 1;
}

void Mesure::notePeriode(double rapport, double periode)
{
    rapportMin = periodes == 0 ? rapport : std::min(rapportMin, rapport);
    rapportMax = periodes == 0 ? rapport : std::max(rapportMax, rapport);
    periodeMin = periodes == 0 ? periode : std::min(periodeMin, periode);
    periodeMax = periodes == 0 ? periode : std::max(periodeMax, periode);
    ++periodes;
}

bool Critere::satisfait(double v) const
{
    switch (op) {
    case Egal: return v == a.nombre;
    case Different: return v != a.nombre;
    case Inferieur: return v < a.nombre;
    case InferieurEgal: return v <= a.nombre;
    case Superieur: return v > a.nombre;
    case SuperieurEgal: return v >= a.nombre;
    case Entre: return v >= a.nombre && v <= b.nombre;
    }
    return false;
}

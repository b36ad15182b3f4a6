#include "actions.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "modele.h"
#include "piste.h"
#include "preparation.h"

void Action::appliquer(Modele& m) const
{
    switch (type) {
    case Appuie:
        bouton == 0 ? m.appuyeBP0() : bouton == 1 ? m.appuyeBP1() : m.appuyeBP2();
        break;
    case Relache:
        bouton == 0 ? m.relacheBP0() : bouton == 1 ? m.relacheBP1() : m.relacheBP2();
        break;
    case Pot: m.setPotAN0Value(valeur); break;
    case ResetAppuye: m.appuyeReset(); break;
    case ResetRelache: m.relacheReset(); break;
    case PowerOff: m.powerOff(); break;
    case PowerOn: m.powerOn(); break;
    case JackIn: m.metJack(true); break;
    case JackOut: m.retireJack(true); break;
    case FdcAppuye: m.appuyeFdc(); break;
    case FdcRelache: m.relacheFdc(); break;
    case Pose: m.romboSurPiste(x, y, cap); break;
    // The files were checked before the run: one that has gone since changes nothing.
    case Programme: chargeProgramme(m, fichier); break;
    case Robot: m.chargeRobot(QFile::decodeName(fichier.c_str())); break;
    case Piste: m.chargePiste(QFile::decodeName(fichier.c_str())); break;
    case Silicium: m.demandeSilicium(valeur != 0.0); break;
    default: m.edite(*this); break;
    }
}

bool lireNaturel(const std::string& texte, uint64_t& n)
{
    if (texte.empty() || !std::isdigit(static_cast<unsigned char>(texte[0])))
        return false;
    const bool hexa = texte.size() > 1 && (texte[1] == 'x' || texte[1] == 'X');
    char* fin = nullptr;
    errno = 0;
    n = std::strtoull(texte.c_str(), &fin, hexa ? 16 : 10);
    return errno == 0 && *fin == '\0';
}

bool lireReel(const std::string& texte, double& v)
{
    if (texte.empty())
        return false;
    char* fin = nullptr;
    errno = 0;
    v = std::strtod(texte.c_str(), &fin);
    return errno == 0 && *fin == '\0' && std::isfinite(v);
}

std::string texteReel(double v)
{
    char texte[32];
    const auto fin = std::to_chars(texte, texte + sizeof texte, v);
    return std::string(texte, fin.ptr);
}

namespace {

struct Mot
{
    std::string texte;
    bool cite = false;   // between double quotes
};

// Words and texts between double quotes (\" and \\ inside them).
bool mots(const std::string& texte, std::vector<Mot>& m, std::string& erreur)
{
    size_t i = 0;
    while (i < texte.size()) {
        if (std::isspace(static_cast<unsigned char>(texte[i]))) {
            ++i;
            continue;
        }
        Mot mot;
        if (texte[i] != '"') {
            while (i < texte.size() && !std::isspace(static_cast<unsigned char>(texte[i])))
                mot.texte += texte[i++];
            m.push_back(mot);
            continue;
        }
        mot.cite = true;
        bool ferme = false;
        for (++i; i < texte.size() && !ferme;) {
            const char c = texte[i++];
            if (c == '\\' && i < texte.size() && (texte[i] == '"' || texte[i] == '\\'))
                mot.texte += texte[i++];
            else if (c == '"')
                ferme = true;
            else
                mot.texte += c;
        }
        if (!ferme) {
            erreur = "text without its closing \"";
            return false;
        }
        m.push_back(mot);
    }
    return true;
}

std::string cite(const std::string& texte)
{
    std::string c = "\"";
    for (const char x : texte) {
        if (x == '"' || x == '\\')
            c += '\\';
        c += x;
    }
    return c + '"';
}

// Where the comment of a script line starts ('#' outside a quoted text), or npos.
size_t debutCommentaire(const std::string& ligne)
{
    bool dansTexte = false;
    for (size_t i = 0; i < ligne.size(); ++i) {
        const char c = ligne[i];
        if (dansTexte && c == '\\' && i + 1 < ligne.size())
            ++i;
        else if (c == '"')
            dansTexte = !dansTexte;
        else if (c == '#' && !dansTexte)
            return i;
    }
    return std::string::npos;
}

bool estEmpreinte(const std::string& t)
{
    return t.size() == 64 && std::all_of(t.begin(), t.end(), [](char c) {
               return std::isdigit(static_cast<unsigned char>(c)) || (c >= 'a' && c <= 'f');
           });
}

// A whole number from `min` to `max`, the whole text.
bool lireEntier(const std::string& texte, int min, int max, int& n)
{
    const char* fin = texte.data() + texte.size();
    const auto lu = std::from_chars(texte.data(), fin, n);
    return lu.ec == std::errc() && lu.ptr == fin && n >= min && n <= max;
}

template <class Objet>
bool dansTable(const Modele::Champs<Objet>& table, const std::string& balise)
{
    return Modele::champ(table, QString::fromStdString(balise)) != nullptr;
}

// Whether `balise` is a value of the robot file's container `objet`.
bool valeurRobot(const std::string& objet, const std::string& balise)
{
    const bool connexion = balise == Modele::baliseConnexion;
    if (objet == "jack" || objet == "fdc")
        return connexion || dansTable(Modele::champsContact(), balise);
    if (objet == "capteur")
        return connexion || dansTable(Modele::champsCapteur(), balise);
    if (objet == "hacheurs")
        return dansTable(Modele::champsHacheurs(), balise);
    if (objet == "params")
        return dansTable(Modele::champsParams(), balise);
    if (objet == "moteur_g" || objet == "moteur_d")
        return dansTable(Modele::champsMoteur(), balise);
    return false;
}

// The type index of a track element by its tag in the track file; -1 for none.
int typePiste(const std::string& balise)
{
    for (int type = 0; Portion::balise(type); ++type)
        if (balise == Portion::balise(type))
            return type;
    return -1;
}

// Whether `balise` is a value the track editor sets on some type of element.
bool valeurPiste(const std::string& balise)
{
    for (int type = 0; Portion::balise(type); ++type)
        for (const DescArg& d : Portion::descriptions(type))
            if (d.nom && balise == d.balise)
                return true;
    return false;
}

// The robot's and the track's edits: "robot-set OBJ [N] TAG VALUE", "sensor-add N",
// "sensor-delete N", "sensor-test N line|carpet", "track-insert N TYPE", "track-delete N",
// "track-replace N TYPE", "track-set N TAG VALUE".
bool lireEdition(const std::vector<std::string>& m, Action& a, std::string& erreur)
{
    const std::string& nom = m[0];
    const int nbCapteurs = Modele::nbCaptIrMax;
    if (nom == "robot-set") {
        const bool capteur = m.size() > 1 && m[1] == "capteur";
        const size_t n = capteur ? 5 : 4;
        const std::string* valeur = m.size() == n ? &m[n - 1] : nullptr;
        if (!valeur || (capteur && !lireEntier(m[2], 0, nbCapteurs - 1, a.numero)) || !valeurRobot(m[1], m[n - 2])) {
            erreur = "robot-set needs a value of the robot file: OBJECT [SENSOR] TAG VALUE (e.g. capteur 2 rd 1200)";
            return false;
        }
        a.objet = m[1];
        a.balise = m[n - 2];
        if (a.balise == Modele::baliseConnexion) {
            if (*valeur != Modele::aucuneBroche && Modele::indexBroche(QString::fromStdString(*valeur)) < 0) {
                erreur = "robot-set: '" + *valeur + "' is not a pin the robot can use";
                return false;
            }
            a.broche = *valeur;
        } else if (!lireReel(*valeur, a.valeur)) {
            erreur = "robot-set: '" + *valeur + "' is not a number";
            return false;
        }
        a.type = Action::RobotValeur;
        return true;
    }
    if (nom == "sensor-add" || nom == "sensor-delete" || nom == "sensor-test") {
        const bool test = nom == "sensor-test";
        const bool ajout = nom == "sensor-add";
        if (m.size() != (test ? 3u : 2u) || !lireEntier(m[1], ajout ? -1 : 0, nbCapteurs - 1, a.numero) ||
            (test && m[2] != "line" && m[2] != "carpet")) {
            erreur = test ? "sensor-test needs a sensor (0 to 11) and line or carpet"
                          : nom + " needs a sensor, 0 to 11" + (ajout ? " (-1: the default settings)" : "");
            return false;
        }
        a.type = ajout ? Action::CapteurAjoute : test ? Action::CapteurTest : Action::CapteurRetire;
        a.valeur = test && m[2] == "line" ? 1.0 : 0.0;
        return true;
    }
    const bool avecType = nom == "track-insert" || nom == "track-replace";
    const size_t n = avecType ? 3 : nom == "track-set" ? 4 : 2;
    if ((!avecType && nom != "track-set" && nom != "track-delete") || m.size() != n ||
        !lireEntier(m[1], 0, 1 << 20, a.numero)) {
        erreur = nom == "track-set" ? "track-set needs an element, a value's tag and the value (e.g. 3 longueur 1200)"
                 : avecType        ? nom + " needs an element and a type (repere, droite, courbe, obstacle, aveugle, "
                                           "marqueur_gauche)"
                 : nom == "track-delete" ? "track-delete needs an element"
                                         : "unknown action '" + nom + "'";
        return false;
    }
    if (avecType) {
        if (typePiste(m[2]) < 0) {
            erreur = nom + ": '" + m[2] + "' is not a type of track element";
            return false;
        }
        a.objet = m[2];
        a.type = nom == "track-insert" ? Action::PisteInsere : Action::PisteRemplace;
        return true;
    }
    if (n == 4) {
        if (!valeurPiste(m[2]) || !lireReel(m[3], a.valeur)) {
            erreur = "track-set: '" + m[2] + " " + m[3] + "' is not a value the track editor sets";
            return false;
        }
        a.balise = m[2];
        a.type = Action::PisteValeur;
        return true;
    }
    a.type = Action::PisteRetire;
    return true;
}

}  // namespace

bool lireInstant(const std::string& texte, uint64_t& ticks)
{
    double ms;
    // Up to ten days of chip time.
    if (!lireReel(texte, ms) || ms < 0.0 || ms > 864e6)
        return false;
    ticks = static_cast<uint64_t>(std::llround(ms * ticksParMs));
    return true;
}

std::string texteInstant(uint64_t ticks)
{
    // The fraction rounded to 1e-9 ms is within 2.5e-5 tick of the time; reading it
    // back as a double adds at most 0.01 tick over ten days: llround finds the tick.
    const uint64_t ms = ticks / ticksParMs;
    const uint64_t reste = ticks % ticksParMs;
    const uint64_t nanos = (reste * 1000000000u + ticksParMs / 2) / ticksParMs;
    std::string t = std::to_string(ms);
    if (nanos == 0)
        return t;
    std::string fraction = std::to_string(nanos);
    fraction.insert(0, 9 - fraction.size(), '0');
    fraction.erase(fraction.find_last_not_of('0') + 1);
    return t + "." + fraction;
}

bool lireAction(const std::string& texte, Action& a, std::string& erreur)
{
    std::vector<Mot> liste;
    if (!mots(texte, liste, erreur))
        return false;
    std::vector<std::string> m;
    for (const Mot& x : liste)
        m.push_back(x.texte);
    if (m.empty()) {
        erreur = "missing action";
        return false;
    }
    const std::string& nom = m[0];
    struct Simple { const char* nom; Action::Type type; };
    static const Simple simples[] = {
        {"reset-press", Action::ResetAppuye}, {"reset-release", Action::ResetRelache},
        {"power-off", Action::PowerOff},      {"power-on", Action::PowerOn},
        {"jack-in", Action::JackIn},          {"jack-out", Action::JackOut},
        {"fdc-press", Action::FdcAppuye},     {"fdc-release", Action::FdcRelache},
    };
    for (const Simple& s : simples)
        if (nom == s.nom) {
            if (m.size() != 1) {
                erreur = nom + " takes no argument";
                return false;
            }
            a.type = s.type;
            return true;
        }
    if (nom == "press" || nom == "release") {
        if (m.size() != 2 || (m[1] != "BP1" && m[1] != "BP2" && m[1] != "BP3")) {
            erreur = nom + " needs a button BP1, BP2 or BP3";
            return false;
        }
        a.type = nom == "press" ? Action::Appuie : Action::Relache;
        a.bouton = m[1][2] - '1';
        return true;
    }
    if (nom == "pot") {
        double v;
        if (m.size() != 2 || !lireReel(m[1], v) || v < 0.0 || v > 5.0) {
            erreur = "pot needs a voltage from 0 to 5";
            return false;
        }
        a.type = Action::Pot;
        a.valeur = v;
        return true;
    }
    if (nom == "silicon") {
        if (m.size() != 2 || (m[1] != "on" && m[1] != "off")) {
            erreur = "silicon needs on or off";
            return false;
        }
        a.type = Action::Silicium;
        a.valeur = m[1] == "on" ? 1.0 : 0.0;
        return true;
    }
    if (nom == "pose") {
        if (m.size() != 4 || !lireReel(m[1], a.x) || !lireReel(m[2], a.y) || !lireReel(m[3], a.cap)) {
            erreur = "pose needs X Y DEG (mm, mm, heading in degrees)";
            return false;
        }
        a.type = Action::Pose;
        return true;
    }
    const bool programme = nom == "program";
    if (programme || nom == "robot" || nom == "track") {
        const bool empreinte = programme && m.size() == 3 && estEmpreinte(m[2]);
        if (m.size() != 2 && !empreinte) {
            erreur = programme ? "program needs a HEX file, then its SHA-256 if known (64 hex digits)"
                               : nom + " needs a file (between double quotes if its name has spaces)";
            return false;
        }
        a.type = programme ? Action::Programme : nom == "robot" ? Action::Robot : Action::Piste;
        a.fichier = m[1];
        a.empreinte = empreinte ? m[2] : std::string();
        return true;
    }
    if (nom.rfind("robot-", 0) == 0 || nom.rfind("sensor-", 0) == 0 || nom.rfind("track-", 0) == 0)
        return lireEdition(m, a, erreur);
    erreur = "unknown action '" + nom + "'";
    return false;
}

std::string texteAction(const Action& a)
{
    static const char* const noms[] = {"press",        "release",       "pot",           "reset-press",
                                       "reset-release", "power-off",    "power-on",      "jack-in",
                                       "jack-out",      "fdc-press",    "fdc-release",   "pose",
                                       "program",       "robot",        "track",         "robot-set",
                                       "sensor-add",    "sensor-delete", "sensor-test",  "track-insert",
                                       "track-delete",  "track-replace", "track-set",    "silicon"};
    static_assert(std::size(noms) == Action::Silicium + 1, "a name for each action");
    std::string t = noms[a.type];
    const std::string numero = " " + std::to_string(a.numero);
    switch (a.type) {
    case Action::Appuie:
    case Action::Relache: return t + " BP" + std::to_string(a.bouton + 1);
    case Action::Pot: return t + " " + texteReel(a.valeur);
    case Action::Pose: return t + " " + texteReel(a.x) + " " + texteReel(a.y) + " " + texteReel(a.cap);
    case Action::Silicium: return t + (a.valeur != 0.0 ? " on" : " off");
    case Action::Programme:
    case Action::Robot:
    case Action::Piste:
        t += " " + cite(a.fichier);
        return a.empreinte.empty() ? t : t + " " + a.empreinte;
    case Action::RobotValeur:
        return t + " " + a.objet + (a.objet == "capteur" ? numero : std::string()) + " " + a.balise + " " +
               (a.balise == Modele::baliseConnexion ? a.broche : texteReel(a.valeur));
    case Action::CapteurAjoute:
    case Action::CapteurRetire: return t + numero;
    case Action::CapteurTest: return t + numero + (a.valeur != 0.0 ? " line" : " carpet");
    case Action::PisteInsere:
    case Action::PisteRemplace: return t + numero + " " + a.objet;
    case Action::PisteRetire: return t + numero;
    case Action::PisteValeur: return t + numero + " " + a.balise + " " + texteReel(a.valeur);
    default: return t;
    }
}

bool lireScript(const std::string& chemin, std::vector<Action>& actions, std::string& erreur)
{
    erreur = defautFichierLu(chemin);
    if (!erreur.empty())
        return false;
    // The files a script names are found beside it.
    const QFileInfo script(QFile::decodeName(chemin.c_str()));
    std::ifstream in(chemin);
    std::string ligne;
    int numero = 0;
    while (std::getline(in, ligne)) {
        ++numero;
        const size_t diese = debutCommentaire(ligne);
        if (diese != std::string::npos)
            ligne.erase(diese);
        std::istringstream l(ligne);
        std::string instant;
        if (!(l >> instant))
            continue;   // blank or comment
        std::string reste;
        std::getline(l, reste);
        Action a;
        std::string raison;
        if (!lireInstant(instant, a.ticks)) {
            erreur = chemin + ":" + std::to_string(numero) + ": bad time '" + instant + "' (milliseconds)";
            return false;
        }
        if (!lireAction(reste, a, raison)) {
            erreur = chemin + ":" + std::to_string(numero) + ": " + raison;
            return false;
        }
        if (a.avecFichier())
            a.fichier = QFile::encodeName(script.dir().filePath(QFile::decodeName(a.fichier.c_str()))).toStdString();
        actions.push_back(a);
    }
    return true;
}

void ordonneActions(std::vector<Action>& actions)
{
    for (size_t i = 0; i < actions.size(); ++i)
        actions[i].ordre = static_cast<int>(i);
    std::stable_sort(actions.begin(), actions.end(),
                     [](const Action& a, const Action& b) { return a.ticks < b.ticks; });
}

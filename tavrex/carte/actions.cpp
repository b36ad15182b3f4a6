#include "actions.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "modele.h"
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
    }
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

namespace {

std::vector<std::string> mots(const std::string& texte)
{
    std::istringstream in(texte);
    std::vector<std::string> m;
    for (std::string w; in >> w;)
        m.push_back(w);
    return m;
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

bool lireAction(const std::string& texte, Action& a, std::string& erreur)
{
    const std::vector<std::string> m = mots(texte);
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
    erreur = "unknown action '" + nom + "'";
    return false;
}

bool lireScript(const std::string& chemin, std::vector<Action>& actions, std::string& erreur)
{
    erreur = defautFichierLu(chemin);
    if (!erreur.empty())
        return false;
    std::ifstream in(chemin);
    std::string ligne;
    int numero = 0;
    while (std::getline(in, ligne)) {
        ++numero;
        const size_t diese = ligne.find('#');
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

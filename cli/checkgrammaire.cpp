// Reading check files. An expectation is read by the rows of its word in the table
// of kinds, so that the grammar of a new kind is its row.

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "checkinterne.h"
#include "datamemory.h"
#include "ports.h"

namespace {

// --- Reading the check file ------------------------------------------------------

struct Jeton
{
    std::string texte;
    bool cite = false;   // given between double quotes
};

// Splits a line into words and quoted texts (\" and \\ inside them); '#' outside a
// text starts a comment.
bool decoupe(const std::string& ligne, std::vector<Jeton>& jetons, std::string& raison)
{
    size_t i = 0;
    while (i < ligne.size()) {
        const char c = ligne[i];
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
            continue;
        }
        if (c == '#')
            break;
        Jeton j;
        if (c == '"') {
            j.cite = true;
            bool ferme = false;
            for (++i; i < ligne.size();) {
                const char d = ligne[i++];
                if (d == '\\' && i < ligne.size() && (ligne[i] == '"' || ligne[i] == '\\')) {
                    j.texte += ligne[i++];
                } else if (d == '"') {
                    ferme = true;
                    break;
                } else {
                    j.texte += d;
                }
            }
            if (!ferme) {
                raison = "text without its closing \"";
                return false;
            }
        } else {
            while (i < ligne.size() && !std::isspace(static_cast<unsigned char>(ligne[i])) && ligne[i] != '#')
                j.texte += ligne[i++];
        }
        jetons.push_back(j);
    }
    return true;
}

bool estSymbole(const std::string& t)
{
    return !t.empty() && (std::isalpha(static_cast<unsigned char>(t[0])) || t[0] == '_');
}

// A whole number, decimal or 0x.., or a symbol where symbols are allowed.
bool lireOperande(const std::string& t, Operande& o, bool entier)
{
    o = Operande();
    if (entier && estSymbole(t)) {
        o.symbole = t;
        return true;
    }
    if (!entier)
        return lireReel(t, o.nombre);
    uint64_t v = 0;
    if (!lireNaturel(t, v) || v > 0xFFFFFFFFull)
        return false;
    o.nombre = static_cast<double>(v);
    return true;
}

struct Lecteur
{
    const std::vector<Jeton>& m;
    size_t i;
    std::string raison;

    bool fini() const { return i >= m.size(); }
    const std::string& mot() const
    {
        static const std::string vide;
        return fini() ? vide : m[i].texte;
    }
    bool echec(const std::string& r)
    {
        raison = r;
        return false;
    }
    bool prend(const char* attendu)
    {
        if (fini() || m[i].cite || m[i].texte != attendu)
            return false;
        ++i;
        return true;
    }

    // OP VALUE or A..B; `texte` receives it as written.
    bool critere(Critere& c, bool entier, std::string& texte)
    {
        static const std::pair<const char*, Critere::Op> ops[] = {
            {"==", Critere::Egal},     {"!=", Critere::Different},     {"<", Critere::Inferieur},
            {"<=", Critere::InferieurEgal}, {">", Critere::Superieur}, {">=", Critere::SuperieurEgal},
        };
        const char* attente = entier ? "a comparison (==, !=, <, <=, >, >=) and a value, or a range A..B"
                                     : "a comparison (==, !=, <, <=, >, >=) and a number, or a range A..B";
        if (fini())
            return echec(std::string("expected ") + attente);
        for (const auto& op : ops)
            if (mot() == op.first) {
                c.op = op.second;
                ++i;
                if (fini() || !lireOperande(mot(), c.a, entier))
                    return echec(std::string("expected ") + (entier ? "a value" : "a number") + " after " + op.first +
                                 (fini() ? "" : ", not '" + mot() + "'"));
                texte = std::string(op.first) + " " + mot();
                ++i;
                return true;
            }
        const size_t points = mot().find("..");
        if (points == std::string::npos || !lireOperande(mot().substr(0, points), c.a, entier) ||
            !lireOperande(mot().substr(points + 2), c.b, entier))
            return echec(std::string("expected ") + attente + ", not '" + mot() + "'");
        if (c.a.symbole.empty() && c.b.symbole.empty() && c.a.nombre > c.b.nombre)
            return echec("the range " + mot() + " is empty");
        c.op = Critere::Entre;
        texte = mot();
        ++i;
        return true;
    }

    bool unite(const char* u, std::string& texte)
    {
        if (!prend(u))
            return echec(std::string("expected the unit ") + u + (fini() ? "" : ", not '" + mot() + "'"));
        texte += std::string(" ") + u;
        return true;
    }

    // RA0 to RE2, the pins that the ports evaluate.
    bool pin(int& numero)
    {
        const std::string& t = mot();
        if (t.size() == 3 && t[0] == 'R' && t[1] >= 'A' && t[1] <= 'E' && t[2] >= '0' && t[2] <= '7') {
            const int port = t[1] - 'A', bit = t[2] - '0';
            if ((Port::pinsEvalueesDu(port) >> bit) & 1) {
                numero = port * 8 + bit;
                ++i;
                return true;
            }
        }
        return echec("expected a pin (RA0 to RA6, RB0 to RB5, RC0 to RC2, RD0 to RD7, RE0 to RE2), not '" + t + "'");
    }
};

// "a or b", "a, b or c".
std::string ouBien(const std::vector<std::string>& mots)
{
    std::string r;
    for (size_t i = 0; i < mots.size(); ++i)
        r += (i == 0 ? "" : i + 1 == mots.size() ? " or " : ", ") + mots[i];
    return r;
}

// The words an expectation may start with, each once: "led, lcd, ...".
std::string motsAttente()
{
    std::vector<std::string> mots;
    for (const GenreAttente& g : genresAttente())
        if (std::find(mots.begin(), mots.end(), g.mot) == mots.end())
            mots.emplace_back(g.mot);
    std::string r;
    for (const std::string& m : mots)
        r += (r.empty() ? "" : ", ") + m;
    return r;
}

// The object is added to the name as written; `apres` names what came before it.
bool lireObjet(Lecteur& l, Objet objet, const std::string& apres, Attente& a)
{
    switch (objet) {
    case Objet::Rien:
        return true;
    case Objet::LigneLcd:
        if (!l.prend("0") && !l.prend("1"))
            return l.echec("expected the LCD line, 0 or 1");
        a.numero = l.m[l.i - 1].texte[0] - '0';
        break;
    case Objet::Pin:
        if (!l.pin(a.numero))
            return false;
        break;
    case Objet::Adresse:
        if (l.fini() || !lireOperande(l.mot(), a.adresse, true))
            return l.echec("expected an address or a symbol after " + apres);
        if (a.adresse.symbole.empty() && a.adresse.nombre >= DataMemory::taille)
            return l.echec("address " + l.mot() + " is beyond the data memory (0 to 0xFFF)");
        ++l.i;
        break;
    case Objet::Point: {
        const std::string& xy = l.mot();
        const size_t virgule = xy.find(',');
        if (virgule == std::string::npos || !lireReel(xy.substr(0, virgule), a.x) ||
            !lireReel(xy.substr(virgule + 1), a.y))
            return l.echec("expected X,Y in mm after " + apres);
        ++l.i;
        break;
    }
    }
    a.nom += " " + l.m[l.i - 1].texte;
    return true;
}

const char* designation(Objet objet)
{
    switch (objet) {
    case Objet::Rien: break;
    case Objet::LigneLcd: return "the LCD line";
    case Objet::Pin: return "the pin";
    case Objet::Adresse: return "the address";
    case Objet::Point: return "the point";
    }
    return "";
}

// The words a value starts with when they tell its kind from its word's others.
std::vector<const char*> premiersMots(const FormeAttendue& f)
{
    switch (f.genre) {
    case FormeAttendue::Etat: return {f.vrai, f.faux};
    case FormeAttendue::Contenu: return {"~"};
    case FormeAttendue::Texte:
    case FormeAttendue::Entier:
    case FormeAttendue::Reel: break;
    }
    return {};
}

// The value, once its first words (on/off, ~) have picked the kind.
bool lireValeur(Lecteur& l, const FormeAttendue& f, Attente& a)
{
    switch (f.genre) {
    case FormeAttendue::Etat:
        a.attendu = l.m[l.i - 1].texte;
        a.etat = a.attendu == f.vrai;
        return true;
    case FormeAttendue::Texte:
    case FormeAttendue::Contenu:
        if (l.fini() || !l.m[l.i].cite)
            return l.echec("expected the text between double quotes");
        a.texte = l.mot();
        ++l.i;
        if (a.texte.size() > static_cast<size_t>(largeurLcd))
            return l.echec("an LCD line holds 16 characters");
        a.attendu = f.genre == FormeAttendue::Texte ? cite(a.texte) : "a line containing " + cite(a.texte);
        return true;
    case FormeAttendue::Entier:
        return l.critere(a.critere, true, a.attendu);
    case FormeAttendue::Reel:
        if (!l.critere(a.critere, false, a.attendu))
            return false;
        if (f.uniteMille && l.prend(f.uniteMille)) {
            a.critere.a.nombre *= 1000.0;
            a.critere.b.nombre *= 1000.0;
            a.attendu += std::string(" ") + f.uniteMille;
            return true;
        }
        return l.unite(f.unite, a.attendu);
    }
    return false;
}

// The expectation after "expect", by the rows of its word: the object, then the
// keyword that picks one of them, then the value, whose first words pick among those
// left. Whether it is measured over an interval is checked by the caller.
bool lireAttente(Lecteur& l, Attente& a)
{
    const std::string mot = l.mot();
    ++l.i;
    std::vector<const GenreAttente*> genres;
    for (const GenreAttente& g : genresAttente())
        if (mot == g.mot)
            genres.push_back(&g);
    if (genres.empty())
        return l.echec("unknown expectation '" + mot + "' (" + motsAttente() + ")");
    a.nom = mot;
    std::string apres = mot;   // what an error says came last
    const Objet objet = genres[0]->objet;
    if (objet != Objet::Point) {
        if (!lireObjet(l, objet, apres, a))
            return false;
        if (objet != Objet::Rien)
            apres = designation(objet);
    }

    std::vector<std::string> precisions;
    for (const GenreAttente* g : genres)
        if (g->precision)
            precisions.emplace_back(g->precision);
    if (!precisions.empty()) {
        const auto choisi = std::find_if(genres.begin(), genres.end(),
                                         [&](const GenreAttente* g) { return g->precision && l.prend(g->precision); });
        if (choisi != genres.end()) {
            genres = {*choisi};
            apres = genres[0]->precision;
            a.nom += " " + apres;
        } else {
            const auto avecPrecision = [](const GenreAttente* g) { return g->precision != nullptr; };
            genres.erase(std::remove_if(genres.begin(), genres.end(), avecPrecision), genres.end());
            if (genres.empty())
                return l.echec("expected " + ouBien(precisions) + " after " + apres);
        }
    }
    if (genres[0]->objet == Objet::Point && !lireObjet(l, Objet::Point, apres, a))
        return false;

    // The value's first words pick among the kinds left; failing them, the kind whose
    // value has none of its own.
    const GenreAttente* choisi = nullptr;
    const GenreAttente* sansMots = nullptr;
    std::vector<std::string> debuts;
    for (const GenreAttente* g : genres) {
        const std::vector<const char*> propres = premiersMots(g->forme);
        if (propres.empty() && !sansMots)
            sansMots = g;
        for (const char* m : propres) {
            if (!choisi && l.prend(m))
                choisi = g;
            debuts.emplace_back(m);
        }
    }
    if (!choisi)
        choisi = sansMots;
    if (!choisi)
        return l.echec("expected " + ouBien(debuts) + " after " + apres);
    a.sujet = choisi->sujet;
    return lireValeur(l, choisi->forme, a);
}

std::string texteMs(uint64_t ticks)
{
    std::ostringstream s;
    s << enMs(static_cast<double>(ticks));
    return s.str();
}

}  // namespace

std::string cite(const std::string& texte)
{
    std::string r = "\"";
    for (char c : texte) {
        if (c == '"' || c == '\\')
            r += '\\';
        r += c;
    }
    return r + "\"";
}

bool lireCheck(const std::string& chemin, FichierCheck& f, std::string& erreur)
{
    f = FichierCheck();
    f.chemin = chemin;
    std::error_code ec;
    std::ifstream in(chemin);
    if (std::filesystem::is_directory(chemin, ec) || !in.is_open()) {
        erreur = "cannot open check file " + chemin;
        return false;
    }
    std::string ligne;
    int numero = 0;
    int ordre = 0;
    while (std::getline(in, ligne)) {
        ++numero;
        auto echoue = [&](const std::string& raison) {
            erreur = chemin + ":" + std::to_string(numero) + ": " + raison;
            return false;
        };
        std::vector<Jeton> jetons;
        std::string raison;
        if (!decoupe(ligne, jetons, raison))
            return echoue(raison);
        if (jetons.empty())
            continue;
        const std::string& instant = jetons[0].texte;
        const size_t points = instant.find("..");
        uint64_t debut, fin;
        const bool intervalle = points != std::string::npos;
        if (intervalle ? !lireInstant(instant.substr(0, points), debut) || !lireInstant(instant.substr(points + 2), fin)
                       : !lireInstant(instant, debut))
            return echoue("bad time '" + instant + "' (milliseconds, or an interval T1..T2)");
        if (!intervalle)
            fin = debut;
        else if (fin <= debut)
            return echoue("the interval " + instant + " must end after it starts");
        f.dernierInstant = std::max(f.dernierInstant, fin);

        if (jetons.size() < 2 || jetons[1].cite || jetons[1].texte != "expect") {
            if (intervalle)
                return echoue("an action takes a time, not an interval");
            std::string texte;
            for (size_t i = 1; i < jetons.size(); ++i)
                texte += (i > 1 ? " " : "") + (jetons[i].cite ? cite(jetons[i].texte) : jetons[i].texte);
            Action a;
            a.ticks = debut;
            a.ordre = ordre++;
            if (!lireAction(texte, a, raison))
                return echoue(raison);
            if (a.avecFichier())
                return echoue("a check loads no file in its actions: the robot and track go with --robot and "
                              "--piste");
            f.actions.push_back(a);
            continue;
        }
        Attente a;
        Lecteur l{jetons, 2, {}};
        if (l.fini())
            return echoue("expect what? (" + motsAttente() + ")");
        if (!lireAttente(l, a))
            return echoue(l.raison);
        if (!l.fini())
            return echoue("unexpected '" + l.mot() + "' after the expectation");
        const bool surIntervalle = genreDe(a.sujet).observation != Observation::Instant;
        if (surIntervalle && !intervalle)
            return echoue(a.nom + " is measured over an interval: give T1..T2");
        if (!surIntervalle && intervalle)
            return echoue(a.nom + " is checked at one time, not over an interval");
        a.debut = debut;
        a.fin = fin;
        a.intervalle = intervalle;
        a.ordre = ordre++;
        a.ligne = numero;
        a.moment = (intervalle ? texteMs(debut) + ".." + texteMs(fin) : texteMs(debut)) + " ms";
        f.avecSymboles = f.avecSymboles || !a.adresse.symbole.empty() || !a.critere.a.symbole.empty() ||
                         !a.critere.b.symbole.empty();
        f.attentes.push_back(a);
    }
    if (f.attentes.empty()) {
        erreur = chemin + ": no expectation to check";
        return false;
    }
    return true;
}

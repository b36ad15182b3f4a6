#include "check.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include <QSaveFile>
#include <QString>
#include <QXmlStreamWriter>

#include "modele.h"
#include "preparation.h"
#include "seance.h"

namespace {

constexpr double courantAllume = 1e-3;   // A: the LED is on above it
constexpr int largeurLcd = 16;
constexpr double ticksParUs = ticksParMs / 1000.0;

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
    if (t.empty() || !std::isdigit(static_cast<unsigned char>(t[0])))
        return false;
    char* fin = nullptr;
    errno = 0;
    const unsigned long long v = std::strtoull(t.c_str(), &fin, t.size() > 1 && (t[1] == 'x' || t[1] == 'X') ? 16 : 10);
    if (errno != 0 || *fin != '\0' || v > 0xFFFFFFFFull)
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

// The expectation after "expect"; whether it is measured over an interval is checked
// by the caller.
bool lireAttente(Lecteur& l, Attente& a)
{
    const std::string sujet = l.mot();
    ++l.i;
    if (sujet == "led") {
        a.nom = "led";
        if (l.prend("on") || l.prend("off")) {
            a.sujet = Attente::Led;
            a.etat = l.m[l.i - 1].texte == "on";
            a.attendu = a.etat ? "on" : "off";
            return true;
        }
        a.sujet = Attente::LedCourant;
        return l.critere(a.critere, false, a.attendu) && l.unite("mA", a.attendu);
    }
    if (sujet == "lcd") {
        if (!l.prend("0") && !l.prend("1"))
            return l.echec("expected the LCD line, 0 or 1");
        a.numero = l.m[l.i - 1].texte[0] - '0';
        a.nom = "lcd " + std::to_string(a.numero);
        a.sujet = l.prend("~") ? Attente::LcdContient : Attente::Lcd;
        if (l.fini() || !l.m[l.i].cite)
            return l.echec("expected the text between double quotes");
        a.texte = l.mot();
        ++l.i;
        if (a.texte.size() > static_cast<size_t>(largeurLcd))
            return l.echec("an LCD line holds 16 characters");
        a.attendu = a.sujet == Attente::Lcd ? cite(a.texte) : "a line containing " + cite(a.texte);
        return true;
    }
    if (sujet == "pin") {
        if (!l.pin(a.numero))
            return false;
        a.nom = "pin " + l.m[l.i - 1].texte;
        if (l.prend("high") || l.prend("low")) {
            a.sujet = Attente::PinNiveau;
            a.etat = l.m[l.i - 1].texte == "high";
            a.attendu = a.etat ? "high" : "low";
            return true;
        }
        a.sujet = Attente::PinTension;
        return l.critere(a.critere, false, a.attendu) && l.unite("V", a.attendu);
    }
    if (sujet == "ram") {
        if (l.fini() || !lireOperande(l.mot(), a.adresse, true))
            return l.echec("expected an address or a symbol after ram");
        if (a.adresse.symbole.empty() && a.adresse.nombre >= DataMemory::taille)
            return l.echec("address " + l.mot() + " is beyond the data memory (0 to 0xFFF)");
        a.nom = "ram " + l.mot();
        ++l.i;
        a.sujet = Attente::Ram;
        return l.critere(a.critere, true, a.attendu);
    }
    if (sujet == "w" || sujet == "pc") {
        a.nom = sujet;
        a.sujet = sujet == "w" ? Attente::W : Attente::Pc;
        return l.critere(a.critere, true, a.attendu);
    }
    if (sujet == "pwm") {
        if (!l.pin(a.numero))
            return false;
        a.nom = "pwm " + l.m[l.i - 1].texte;
        if (l.prend("duty")) {
            a.sujet = Attente::PwmRapport;
            a.nom += " duty";
            return l.critere(a.critere, false, a.attendu) && l.unite("%", a.attendu);
        }
        if (!l.prend("period"))
            return l.echec("expected duty or period after the pin");
        a.sujet = Attente::PwmPeriode;
        a.nom += " period";
        if (!l.critere(a.critere, false, a.attendu))
            return false;
        if (l.prend("ms")) {
            a.critere.a.nombre *= 1000.0;
            a.critere.b.nombre *= 1000.0;
            a.attendu += " ms";
            return true;
        }
        return l.unite("us", a.attendu);
    }
    if (sujet == "robot") {
        if (l.prend("tape")) {
            a.sujet = Attente::RobotScotch;
            a.nom = "robot tape";
        } else if (l.prend("near")) {
            const std::string& xy = l.mot();
            const size_t virgule = xy.find(',');
            if (virgule == std::string::npos || !lireReel(xy.substr(0, virgule), a.x) ||
                !lireReel(xy.substr(virgule + 1), a.y))
                return l.echec("expected X,Y in mm after near");
            a.sujet = Attente::RobotPres;
            a.nom = "robot near " + xy;
            ++l.i;
        } else {
            return l.echec("expected tape or near after robot");
        }
        return l.critere(a.critere, false, a.attendu) && l.unite("mm", a.attendu);
    }
    if (sujet == "fdc") {
        if (!l.prend("pressed") && !l.prend("released"))
            return l.echec("expected pressed or released after fdc");
        a.sujet = Attente::Fdc;
        a.nom = "fdc";
        a.etat = l.m[l.i - 1].texte == "pressed";
        a.attendu = a.etat ? "pressed" : "released";
        return true;
    }
    return l.echec("unknown expectation '" + sujet + "' (led, lcd, pin, ram, w, pc, pwm, robot, fdc)");
}

bool mesureSurIntervalle(Attente::Sujet s)
{
    return s == Attente::PwmRapport || s == Attente::PwmPeriode || s == Attente::RobotScotch;
}

std::string texteMs(uint64_t ticks)
{
    std::ostringstream s;
    s << enMs(static_cast<double>(ticks));
    return s.str();
}

}  // namespace

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
            f.actions.push_back(a);
            continue;
        }
        Attente a;
        Lecteur l{jetons, 2, {}};
        if (l.fini())
            return echoue("expect what? (led, lcd, pin, ram, w, pc, pwm, robot, fdc)");
        if (!lireAttente(l, a))
            return echoue(l.raison);
        if (!l.fini())
            return echoue("unexpected '" + l.mot() + "' after the expectation");
        if (mesureSurIntervalle(a.sujet) && !intervalle)
            return echoue(a.nom + " is measured over an interval: give T1..T2");
        if (!mesureSurIntervalle(a.sujet) && intervalle)
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

bool lireSymboles(const std::string& chemin, std::map<std::string, long long>& table, std::string& erreur)
{
    std::error_code ec;
    std::ifstream in(chemin);
    if (std::filesystem::is_directory(chemin, ec) || !in.is_open()) {
        erreur = "cannot open listing " + chemin;
        return false;
    }
    // After the first "SYMBOL TABLE" heading, until the memory map: "NAME  0000ABCD"
    // lines, between page headings (macros have no value).
    bool dansTable = false;
    std::string ligne;
    while (std::getline(in, ligne)) {
        if (ligne.rfind("SYMBOL TABLE", 0) == 0) {
            dansTable = true;
            continue;
        }
        if (!dansTable)
            continue;
        if (ligne.rfind("MEMORY USAGE MAP", 0) == 0)
            break;
        std::istringstream l(ligne);
        std::string nom, valeur, reste;
        if (!(l >> nom >> valeur) || (l >> reste) || !estSymbole(nom) || valeur.size() != 8 ||
            !std::all_of(valeur.begin(), valeur.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); }))
            continue;
        table[nom] = std::strtoll(valeur.c_str(), nullptr, 16);
    }
    if (table.empty()) {
        erreur = chemin + ": no symbol table (is it a gpasm listing?)";
        return false;
    }
    return true;
}

namespace {

// --- Running and measuring ---------------------------------------------------------

struct Resultat
{
    bool reussi = false;
    std::string nom;       // "300 ms lcd 0 \"Bonjour\""
    std::string message;   // "300 ms lcd 0: expected ..., found ..."
};

// What an interval has seen so far.
struct Mesure
{
    bool active = false;
    // PWM: the pin's level, its last rising and falling edges, and the extremes
    // over the whole periods (from one rising edge to the next).
    bool niveau = false;
    bool montantVu = false;
    uint64_t montant = 0;
    uint64_t descendant = 0;
    int fronts = 0;
    int periodes = 0;
    double min = 0.0, max = 0.0;
    // Robot: motion steps, those beside the tape, the largest distance.
    int pas = 0;
    int pasSurScotch = 0;
    double ecartMax = 0.0;

    void note(double v)
    {
        min = periodes == 0 ? v : std::min(min, v);
        max = periodes == 0 ? v : std::max(max, v);
        ++periodes;
    }
};

// One program's run: the check file's actions at their times, each expectation
// evaluated at its time or measured over its interval from the events themselves
// (the ports' evaluations, the motion steps). The observers are set only while an
// interval needs them.
class Notation : public ObservateurPorts, public ObservateurPas
{
public:
    Notation(Modele& m, const FichierCheck& f, const std::vector<Attente>& attentes, uint64_t fin)
        : modele(m), pic(*m.getProcesseur()), attentes(attentes), fin(fin), seance(m),
          mesures(attentes.size()), resultats(attentes.size())
    {
        // At one time, the entries in the file's order; an interval's start before
        // its own end.
        seance.planifie(f.actions);
        for (size_t i = 0; i < attentes.size(); ++i) {
            if (attentes[i].intervalle)
                seance.planifie(attentes[i].debut, attentes[i].ordre, [this, i] { commence(i); });
            seance.planifie(attentes[i].fin, attentes[i].ordre, [this, i] { evalue(i); });
        }
    }

    ~Notation() override
    {
        pic.setObservateurPorts(nullptr);
        modele.setObservateurPas(nullptr);
    }

    void executer()
    {
        modele.powerOn();
        seance.demarre();
        seance.avanceJusqua(fin);
        ticksExecutes = seance.ticksExecutes();
    }

    const std::vector<Resultat>& getResultats() const { return resultats; }
    uint64_t ticksExecutes = 0;

private:
    void commence(size_t i)
    {
        Mesure& m = mesures[i];
        m.active = true;
        if (attentes[i].sujet == Attente::RobotScotch) {
            ++robotsActifs;
            modele.setObservateurPas(this);
        } else {
            m.niveau = niveauPin(attentes[i].numero);
            ++pwmActifs;
            pic.setObservateurPorts(this);
        }
    }

    void arrete(size_t i)
    {
        mesures[i].active = false;
        if (attentes[i].sujet == Attente::RobotScotch) {
            if (--robotsActifs == 0)
                modele.setObservateurPas(nullptr);
        } else if (--pwmActifs == 0) {
            pic.setObservateurPorts(nullptr);
        }
    }

    void portEvalue(const Port& port, Byte valeur) override
    {
        const int numeroPort = port.getNumero();
        for (size_t i = 0; i < mesures.size(); ++i) {
            Mesure& m = mesures[i];
            const Attente& a = attentes[i];
            if (!m.active || a.sujet == Attente::RobotScotch || a.numero / 8 != numeroPort)
                continue;
            const bool niveau = (valeur >> (a.numero % 8)) & 1;
            if (niveau == m.niveau)
                continue;
            m.niveau = niveau;
            ++m.fronts;
            const uint64_t t = seance.horloge();
            if (!niveau) {
                m.descendant = t;
                continue;
            }
            if (m.montantVu && m.descendant > m.montant) {
                const double periode = static_cast<double>(t - m.montant);
                m.note(a.sujet == Attente::PwmRapport ? 100.0 * static_cast<double>(m.descendant - m.montant) / periode
                                                      : periode / ticksParUs);
            }
            m.montantVu = true;
            m.montant = t;
        }
    }

    void pasEffectue(const Modele& m) override
    {
        const double d = m.getPiste()->distanceAuScotch(m.getX() + Modele::avant * m.getCosTheta(),
                                                        m.getY() + Modele::avant * m.getSinTheta());
        for (size_t i = 0; i < mesures.size(); ++i) {
            Mesure& me = mesures[i];
            if (!me.active || attentes[i].sujet != Attente::RobotScotch)
                continue;
            ++me.pas;
            if (d >= 0.0) {
                me.ecartMax = me.pasSurScotch == 0 ? d : std::max(me.ecartMax, d);
                ++me.pasSurScotch;
            }
        }
    }

    bool niveauPin(int numero) const
    {
        return (pic.getDM()->readDirect(static_cast<Word>(DataMemory::PORTA + numero / 8)) >> (numero % 8)) & 1;
    }

    double tensionPin(int numero, bool& connectee)
    {
        const Connexion* c = pic.getPort(numero / 8)->getConnexion(static_cast<Byte>(numero % 8));
        connectee = c != nullptr;
        // A pin with nothing on it reads 0 V in the port's model.
        return c ? c->getVin() : 0.0;
    }

    std::string ligneLcd(int y)
    {
        std::string ligne;
        for (int x = 0; x < largeurLcd; ++x) {
            const int c = modele.getLcd()->getAscii(x, y);
            ligne += c == 255 ? '#' : (c >= 32 && c < 127) ? static_cast<char>(c) : '?';
        }
        return ligne;
    }

    // Whether every whole period satisfied the criterion; `trouve` tells what they were.
    bool jugePeriodes(const Attente& a, const Mesure& m, const char* unite, std::string& trouve)
    {
        if (m.periodes == 0) {
            if (m.fronts > 0) {
                trouve = format("no whole period (%d edge%s)", m.fronts, m.fronts > 1 ? "s" : "");
                return false;
            }
            trouve = std::string("no edge, ") + (m.niveau ? "high" : "low") + " throughout";
            if (a.sujet != Attente::PwmRapport)
                return false;
            const double rapport = m.niveau ? 100.0 : 0.0;
            trouve = format("%.0f %% (", rapport) + trouve + ")";
            return a.critere.satisfait(rapport);
        }
        const char* nombre = m.periodes > 1 ? "periods" : "period";
        if (m.min == m.max || format("%.1f", m.min) == format("%.1f", m.max))
            trouve = format("%.1f %s over %d %s", m.min, unite, m.periodes, nombre);
        else
            trouve = format("%.1f..%.1f %s over %d %s", m.min, m.max, unite, m.periodes, nombre);
        return a.critere.satisfait(m.min) && a.critere.satisfait(m.max);
    }

    void evalue(size_t i)
    {
        const Attente& a = attentes[i];
        DataMemory* dm = pic.getDM();
        bool reussi = false;
        std::string trouve;
        switch (a.sujet) {
        case Attente::Led: {
            const double courant = modele.getLedA6()->getCourant();
            reussi = a.etat ? courant > courantAllume : courant < courantAllume;
            trouve = format("%.2f mA", courant * 1000.0);
            break;
        }
        case Attente::LedCourant: {
            const double mA = modele.getLedA6()->getCourant() * 1000.0;
            reussi = a.critere.satisfait(mA);
            trouve = format("%.2f mA", mA);
            break;
        }
        case Attente::Lcd:
        case Attente::LcdContient: {
            const std::string ligne = ligneLcd(a.numero);
            reussi = a.sujet == Attente::Lcd ? ligne == a.texte + std::string(largeurLcd - a.texte.size(), ' ')
                                             : ligne.find(a.texte) != std::string::npos;
            trouve = cite(ligne);
            break;
        }
        case Attente::PinNiveau: {
            const bool haut = niveauPin(a.numero);
            bool connectee;
            const double v = tensionPin(a.numero, connectee);
            reussi = haut == a.etat;
            trouve = format("%s (%.2f V%s)", haut ? "high" : "low", v, connectee ? "" : ", nothing connected");
            break;
        }
        case Attente::PinTension: {
            bool connectee;
            const double v = tensionPin(a.numero, connectee);
            reussi = a.critere.satisfait(v);
            trouve = format("%.2f V%s", v, connectee ? "" : " (nothing connected)");
            break;
        }
        case Attente::Ram:
        case Attente::W: {
            const Byte v = a.sujet == Attente::W ? dm->w() : dm->readDirect(static_cast<Word>(a.adresse.nombre));
            reussi = a.critere.satisfait(v);
            trouve = format("0x%02X (%u)", v, static_cast<unsigned>(v));
            break;
        }
        case Attente::Pc: {
            const DWord pc = pic.getFetchPC();
            reussi = a.critere.satisfait(pc);
            trouve = format("0x%04X", static_cast<unsigned>(pc));
            break;
        }
        case Attente::PwmRapport:
            reussi = jugePeriodes(a, mesures[i], "%", trouve);
            arrete(i);
            break;
        case Attente::PwmPeriode:
            reussi = jugePeriodes(a, mesures[i], "us", trouve);
            arrete(i);
            break;
        case Attente::RobotScotch: {
            const Mesure& m = mesures[i];
            if (m.pas == 0)
                trouve = "no motion step";
            else if (m.pasSurScotch == 0)
                trouve = "the front point never beside the tape";
            else {
                reussi = a.critere.satisfait(m.ecartMax);
                trouve = format("%.1f mm", m.ecartMax);
            }
            arrete(i);
            break;
        }
        case Attente::RobotPres: {
            const double d = std::hypot(modele.getX() - a.x, modele.getY() - a.y);
            reussi = a.critere.satisfait(d);
            trouve = format("%.1f mm (robot at %.1f,%.1f)", d, modele.getX(), modele.getY());
            break;
        }
        case Attente::Fdc: {
            const bool appuye = modele.getFdc()->isActif();
            reussi = appuye == a.etat;
            trouve = appuye ? "pressed" : "released";
            break;
        }
        }
        Resultat& r = resultats[i];
        r.reussi = reussi;
        r.nom = a.moment + " " + a.nom + " " + a.attendu;
        r.message = a.moment + " " + a.nom + ": expected " + a.attendu + ", found " + trouve;
    }

    Modele& modele;
    P18f4550& pic;
    const std::vector<Attente>& attentes;
    const uint64_t fin;
    Seance seance;
    std::vector<Mesure> mesures;
    std::vector<Resultat> resultats;
    int pwmActifs = 0;
    int robotsActifs = 0;
};

// --- The programs and the reports ------------------------------------------------------

struct Programme
{
    std::string chemin;
    std::vector<Attente> attentes;   // symbols resolved
    std::vector<Resultat> resultats;
    double secondes = 0.0;
};

int echec(const std::string& message)
{
    std::fprintf(stderr, "tavrex-cli: %s\n", message.c_str());
    return 2;
}

bool resoudre(Operande& o, const std::map<std::string, long long>& table, const std::string& lieu,
              const std::string& listing, std::string& erreur)
{
    if (o.symbole.empty())
        return true;
    const auto it = table.find(o.symbole);
    if (it == table.end()) {
        erreur = lieu + ": unknown symbol '" + o.symbole + "' (not in " + listing + ")";
        return false;
    }
    o.nombre = static_cast<double>(it->second);
    return true;
}

// Each program's copy of the expectations with its own symbols' values.
bool prepare(Programme& p, const FichierCheck& f, const std::string& symboles, std::string& erreur)
{
    p.attentes = f.attentes;
    if (!f.avecSymboles)
        return true;
    std::filesystem::path listing = symboles;
    if (listing.empty())
        listing = std::filesystem::path(p.chemin).replace_extension(".lst");
    std::map<std::string, long long> table;
    std::string raison;
    if (!lireSymboles(listing.string(), table, raison)) {
        erreur = "symbols of " + p.chemin + ": " + raison;
        return false;
    }
    for (Attente& a : p.attentes) {
        const std::string lieu = f.chemin + ":" + std::to_string(a.ligne);
        if (!resoudre(a.adresse, table, lieu, listing.string(), erreur) ||
            !resoudre(a.critere.a, table, lieu, listing.string(), erreur) ||
            !resoudre(a.critere.b, table, lieu, listing.string(), erreur))
            return false;
        if (a.sujet == Attente::Ram && (a.adresse.nombre < 0 || a.adresse.nombre >= DataMemory::taille)) {
            erreur = lieu + ": symbol '" + a.adresse.symbole + "' is not a data memory address";
            return false;
        }
        if (a.critere.op == Critere::Entre && a.critere.a.nombre > a.critere.b.nombre) {
            erreur = lieu + ": the range " + a.attendu + " is empty";
            return false;
        }
    }
    return true;
}

std::string classeJUnit(const std::string& chemin)
{
    // Report readers split class names at dots.
    std::string c = chemin;
    std::replace(c.begin(), c.end(), '.', '_');
    return c;
}

void ecrisJUnit(QXmlStreamWriter& x, const std::string& fichier, const std::vector<Programme>& programmes)
{
    int total = 0, echecs = 0;
    double secondes = 0.0;
    for (const Programme& p : programmes) {
        secondes += p.secondes;
        for (const Resultat& r : p.resultats) {
            ++total;
            echecs += r.reussi ? 0 : 1;
        }
    }
    x.setAutoFormatting(true);
    x.writeStartDocument();
    x.writeStartElement(QStringLiteral("testsuites"));
    x.writeAttribute(QStringLiteral("name"), QString::fromStdString(fichier));
    x.writeAttribute(QStringLiteral("tests"), QString::number(total));
    x.writeAttribute(QStringLiteral("failures"), QString::number(echecs));
    x.writeAttribute(QStringLiteral("errors"), QStringLiteral("0"));
    x.writeAttribute(QStringLiteral("time"), QString::number(secondes, 'f', 3));
    for (const Programme& p : programmes) {
        const int n = static_cast<int>(p.resultats.size());
        const int f = static_cast<int>(std::count_if(p.resultats.begin(), p.resultats.end(),
                                                     [](const Resultat& r) { return !r.reussi; }));
        x.writeStartElement(QStringLiteral("testsuite"));
        x.writeAttribute(QStringLiteral("name"), QString::fromStdString(p.chemin));
        x.writeAttribute(QStringLiteral("tests"), QString::number(n));
        x.writeAttribute(QStringLiteral("failures"), QString::number(f));
        x.writeAttribute(QStringLiteral("errors"), QStringLiteral("0"));
        x.writeAttribute(QStringLiteral("skipped"), QStringLiteral("0"));
        x.writeAttribute(QStringLiteral("time"), QString::number(p.secondes, 'f', 3));
        for (const Resultat& r : p.resultats) {
            x.writeStartElement(QStringLiteral("testcase"));
            x.writeAttribute(QStringLiteral("classname"), QString::fromStdString(classeJUnit(p.chemin)));
            x.writeAttribute(QStringLiteral("name"), QString::fromStdString(r.nom));
            x.writeAttribute(QStringLiteral("time"), QString::number(p.secondes / n, 'f', 3));
            if (!r.reussi) {
                x.writeStartElement(QStringLiteral("failure"));
                x.writeAttribute(QStringLiteral("message"), QString::fromStdString(r.message));
                x.writeAttribute(QStringLiteral("type"), QStringLiteral("expectation"));
                x.writeCharacters(QString::fromStdString(r.message));
                x.writeEndElement();
            }
            x.writeEndElement();
        }
        x.writeEndElement();
    }
    x.writeEndElement();
    x.writeEndDocument();
}

}  // namespace

int executerCheck(const ParametresCheck& par)
{
    FichierCheck f;
    std::string erreur;
    if (!lireCheck(par.fichier, f, erreur))
        return echec(erreur);
    if (par.piste.empty())
        for (const Attente& a : f.attentes)
            if (a.sujet == Attente::RobotScotch)
                return echec(par.fichier + ":" + std::to_string(a.ligne) + ": robot tape needs a track (--piste)");

    // Every input is checked before anything runs: an error grades nobody.
    std::vector<Programme> programmes(par.programmes.size());
    for (size_t i = 0; i < programmes.size(); ++i) {
        Programme& p = programmes[i];
        p.chemin = par.programmes[i];
        if (!prepare(p, f, par.symboles, erreur))
            return echec(erreur);
    }
    QSaveFile junit(QString::fromLocal8Bit(par.junit.c_str()));
    if (!par.junit.empty() && !junit.open(QIODevice::WriteOnly))
        return echec("cannot write " + par.junit);

    const uint64_t fin = std::max(f.dernierInstant, par.ticksMin);
    const size_t total = programmes.size() * f.attentes.size();
    size_t numero = 0, reussis = 0;
    double secondes = 0.0, cpu = 0.0, cycles = 0.0;
    for (Programme& p : programmes) {
        // Every program on a fresh board, with the same random sequence.
        DonneesCarte donnees;
        donnees.programme = p.chemin;
        donnees.piste = par.piste;
        donnees.robot = par.robot;
        donnees.pose = par.pose;
        donnees.poseX = par.poseX;
        donnees.poseY = par.poseY;
        donnees.poseDeg = par.poseDeg;
        donnees.graine = par.graine;
        std::string note;
        const std::unique_ptr<Modele> modele = prepareCarte(donnees, erreur, note);
        if (!modele)
            return echec(erreur);
        if (!note.empty())
            std::fprintf(stderr, "tavrex-cli: %s\n", note.c_str());

        Notation notation(*modele, f, p.attentes, fin);
        const std::clock_t cpu0 = std::clock();
        const auto mur0 = std::chrono::steady_clock::now();
        notation.executer();
        p.secondes = std::chrono::duration<double>(std::chrono::steady_clock::now() - mur0).count();
        cpu += static_cast<double>(std::clock() - cpu0) / CLOCKS_PER_SEC;
        secondes += p.secondes;
        cycles += static_cast<double>(notation.ticksExecutes) / 4.0;
        p.resultats = notation.getResultats();

        // Printed once the first program has run: an error in its files (the same
        // for all) comes before any output.
        if (par.tap && numero == 0)
            std::printf("TAP version 13\n1..%zu\n", total);
        for (const Resultat& r : p.resultats) {
            ++numero;
            reussis += r.reussi ? 1 : 0;
            if (par.tap)
                std::printf("%s %zu - %s: %s\n", r.reussi ? "ok" : "not ok", numero, p.chemin.c_str(), r.message.c_str());
            else
                std::printf("%s %s: %s\n", r.reussi ? "pass" : "FAIL", p.chemin.c_str(), r.message.c_str());
        }
        std::fflush(stdout);
    }
    if (par.bench) {
        const double parSeconde = secondes > 0 ? cycles / secondes : 0.0;
        const char* diese = par.tap ? "# " : "";
        std::printf("%scycles %.0f\n", diese, cycles);
        std::printf("%sseconds %.3f (cpu %.3f)\n", diese, secondes, cpu);
        std::printf("%scycles/s %.3g\n", diese, parSeconde);
        std::printf("%sreal time x%.2f\n", diese, parSeconde / (ticksParSeconde / ticksParCycle));
    }
    std::printf("%s%zu passed, %zu failed\n", par.tap ? "# " : "", reussis, total - reussis);
    if (!par.junit.empty()) {
        QXmlStreamWriter x(&junit);
        ecrisJUnit(x, par.fichier, programmes);
        if (x.hasError() || !junit.commit())
            return echec("cannot write " + par.junit);
    }
    return reussis == total ? 0 : 1;
}

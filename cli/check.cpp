// The check run: every input read and checked before anything runs, then each
// program graded on a fresh board and reported.

#include "check.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>
#include <optional>

#include <QSaveFile>
#include <QString>
#include <QXmlStreamWriter>

#include "checkinterne.h"
#include "modele.h"
#include "preparation.h"
#include "symboles.h"

namespace {

int echec(const std::string& message)
{
    std::fprintf(stderr, "tavrex-cli: %s\n", message.c_str());
    return 2;
}

bool resoudre(Operande& o, const Symboles& table, const std::string& lieu, std::string& erreur)
{
    if (o.symbole.empty())
        return true;
    const std::optional<long long> v = table.valeur(o.symbole);
    if (!v) {
        erreur = lieu + ": unknown symbol '" + o.symbole + "' (not in " + table.source() + ")";
        return false;
    }
    o.nombre = static_cast<double>(*v);
    return true;
}

// Each program's copy of the expectations with its own symbols' values.
bool prepare(Programme& p, const FichierCheck& f, const std::string& symboles, std::string& erreur)
{
    p.attentes = f.attentes;
    if (!f.avecSymboles)
        return true;
    Symboles table;
    std::string raison;
    if (!(symboles.empty() ? table.lireAupresDe(p.chemin, raison) : table.lire(symboles, raison))) {
        erreur = "symbols of " + p.chemin + ": " + raison;
        return false;
    }
    if (table.vide()) {
        erreur = "symbols of " + p.chemin + ": " + table.source() + " has no symbol table";
        return false;
    }
    for (Attente& a : p.attentes) {
        const std::string lieu = f.chemin + ":" + std::to_string(a.ligne);
        if (!resoudre(a.adresse, table, lieu, erreur) || !resoudre(a.critere.a, table, lieu, erreur) ||
            !resoudre(a.critere.b, table, lieu, erreur))
            return false;
        const bool adresse = genreDe(a.sujet).objet == Objet::Adresse;
        if (adresse && (a.adresse.nombre < 0 || a.adresse.nombre >= DataMemory::taille)) {
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

}  // namespace

int executerCheck(const ParametresCheck& par)
{
    FichierCheck f;
    std::string erreur;
    if (!lireCheck(par.fichier, f, erreur))
        return echec(erreur);
    if (par.carte.piste.empty())
        for (const Attente& a : f.attentes)
            if (genreDe(a.sujet).observation == Observation::Pas)
                return echec(par.fichier + ":" + std::to_string(a.ligne) + ": " + a.nom + " needs a track (--piste)");

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
    RapportTexte rapport(par.tap, programmes.size() * f.attentes.size());
    double secondes = 0.0, cpu = 0.0, cycles = 0.0;
    for (Programme& p : programmes) {
        // Every program on a fresh board, with the same random sequence.
        DonneesCarte donnees = par.carte;
        donnees.programme = p.chemin;
        std::string note;
        const std::unique_ptr<Modele> modele = prepareCarte(donnees, erreur, note);
        if (!modele)
            return echec(erreur);
        if (!note.empty())
            std::fprintf(stderr, "tavrex-cli: %s\n", note.c_str());

        const std::clock_t cpu0 = std::clock();
        const auto mur0 = std::chrono::steady_clock::now();
        uint64_t ticks = 0;
        p.resultats = noteProgramme(*modele, f, p.attentes, fin, ticks);
        p.secondes = std::chrono::duration<double>(std::chrono::steady_clock::now() - mur0).count();
        cpu += static_cast<double>(std::clock() - cpu0) / CLOCKS_PER_SEC;
        secondes += p.secondes;
        cycles += static_cast<double>(ticks) / 4.0;
        rapport.programme(p);
    }
    if (par.bench)
        rapport.banc(cycles, secondes, cpu);
    rapport.bilan();
    if (!par.junit.empty()) {
        QXmlStreamWriter x(&junit);
        ecrisJUnit(x, par.fichier, programmes);
        if (x.hasError() || !junit.commit())
            return echec("cannot write " + par.junit);
    }
    return rapport.toutReussi() ? 0 : 1;
}


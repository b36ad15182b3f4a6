// tavrex-cli: runs a program on the simulated board, headless, and reports what the
// board did. The board model is driven the way the desktop program drives it: after
// power-on, one processor instruction then one LCD controller step, again and again.

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "check.h"
#include "debogueur.h"
#include "etat.h"
#include "modele.h"
#include "options.h"
#include "preparation.h"
#include "scenario.h"
#include "seance.h"
#include "symboles.h"
#include "vcd.h"

namespace {

constexpr double cyclesTempsReel = ticksParSeconde / ticksParCycle;

[[noreturn]] void erreur(const std::string& message)
{
    std::fprintf(stderr, "tavrex-cli: %s\n", message.c_str());
    std::exit(2);
}

void afficheMemoire(P18f4550& p)
{
    DataMemory* dm = p.getDM();
    // The next instruction's address, as the check says it (the program counter register
    // is already past the word fetched).
    std::printf("pc 0x%04x\n", static_cast<unsigned>(p.getFetchPC()));
    std::printf("w 0x%02x\n", dm->w());
    std::printf("status 0x%02x\n", dm->readStatus());
    std::printf("bsr 0x%02x\n", dm->readBSR());
    std::printf("ticks %" PRIu64 "\n", p.time());
    for (int ligne = 0; ligne < DataMemory::taille; ligne += 16) {
        char texte[80];
        int n = std::snprintf(texte, sizeof texte, "%03x:", ligne);
        for (int i = 0; i < 16; ++i)
            n += std::snprintf(texte + n, sizeof texte - n, " %02x", dm->readDirect(static_cast<Word>(ligne + i)));
        std::puts(texte);
    }
}

void afficheLcd(LcdScreen& lcd)
{
    for (int y = 0; y < 2; ++y) {
        std::string ligne = "|";
        for (int x = 0; x < 16; ++x) {
            const int c = lcd.getAscii(x, y);
            ligne += c == 255 ? '#' : (c >= 32 && c < 127) ? static_cast<char>(c) : '?';
        }
        std::printf("%s|\n", (ligne).c_str());
    }
}

// One row per motion step; and the largest distance between the robot's front point
// and the nearest tape centre line over the run, leaving out the moments when the
// front point is beside a gap.
class SuiviRobot : public ObservateurPas
{
public:
    explicit SuiviRobot(bool avecPiste) : avecPiste(avecPiste) {}
    ~SuiviRobot() override { fermer(); }
    // Whether every row reached the file (a full disk shows here).
    bool fermer()
    {
        if (!fichier)
            return true;
        const bool ecrit = !std::ferror(fichier);
        const bool ferme = std::fclose(fichier) == 0;
        fichier = nullptr;
        return ecrit && ferme;
    }
    bool ouvrir(const std::string& chemin)
    {
        fichier = std::fopen(chemin.c_str(), "w");
        if (!fichier)
            return false;
        std::fprintf(fichier, "t_ms,x_mm,y_mm,heading_deg,v_left_mm_s,v_right_mm_s,fdc\n");
        return true;
    }
    void pasEffectue(const Modele& m) override
    {
        if (fichier)
            std::fprintf(fichier, "%.3f,%.3f,%.3f,%.4f,%.3f,%.3f,%d\n",
                         enMs(static_cast<double>(m.time() - origine)), m.getX(), m.getY(),
                         m.getTheta() * radEnDeg, m.getMoteurG()->getVitesse(),
                         m.getMoteurD()->getVitesse(), m.getFdc()->isActif() ? 1 : 0);
        if (avecPiste) {
            const double d = m.getPiste()->distanceAuScotch(m.getX() + Modele::avant * m.getCosTheta(),
                                                                 m.getY() + Modele::avant * m.getSinTheta());
            ecartMax = std::max(ecartMax, d);
        }
    }
    uint64_t origine = 0;
    double ecartMax = -1.0;   // none measured yet

private:
    bool avecPiste;
    FILE* fichier = nullptr;
};

int lanceCheck(const OptionsLancement& o)
{
    ParametresCheck p;
    p.fichier = o.check;
    p.programmes = o.programmes;
    p.junit = o.junit;
    p.tap = o.tap;
    p.symboles = o.symboles;
    p.carte = o.carte({});
    p.ticksMin = o.ticks;
    p.bench = o.bench;
    p.strict = o.strict;
    return executerCheck(p);
}

// Two snapshots compared: what differs, one line each; 0 when nothing does.
int compareEtats(const OptionsLancement& o)
{
    EtatLu a, b;
    std::string e;
    if (!lireEtat(o.diffA, a, e) || !lireEtat(o.diffB, b, e))
        erreur(e);
    const std::vector<std::string> lignes = differencesEtats(a, b);
    for (const std::string& l : lignes)
        std::printf("%s\n", l.c_str());
    return lignes.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    OptionsLancement o;
    std::string defaut;
    if (!lireOptions(Programme::Runner, argc, argv, o, defaut))
        erreur(defaut);
    if (o.aide) {
        std::printf("%s\n", usage(Programme::Runner).c_str());
        return 0;
    }
    if (!o.check.empty())
        return lanceCheck(o);
    if (!o.diffA.empty())
        return compareEtats(o);

    // A scenario starts from a blank board: it loads its files and switches the board
    // on itself.
    const bool scenario = o.scenario.present;
    DonneesCarte donnees = o.carte(scenario || o.programmes.empty() ? std::string() : o.programmes[0]);
    if (scenario)
        donnees.robot = donnees.piste = std::string();
    std::string note;
    // A snapshot: a board prepared from its files, the files given taking their place.
    EtatLu etat;
    const bool reprise = !o.etatCharge.empty();
    if (reprise && !lireEtat(o.etatCharge, etat, defaut))
        erreur(defaut);
    const std::unique_ptr<Modele> modele =
        reprise ? prepareCarteEtat(etat, {donnees.programme, {}, o.robot, o.piste, 0, {}}, defaut)
                : prepareCarte(donnees, defaut, note);
    if (!modele)
        erreur(defaut);
    if (reprise) {
        donnees.programme = donnees.programme.empty() ? etat.fichiers.programme : donnees.programme;
        donnees.robot = o.robot.empty() ? etat.fichiers.robot : o.robot;
        donnees.piste = o.piste.empty() ? etat.fichiers.piste : o.piste;
    }
    if (!note.empty())
        std::fprintf(stderr, "tavrex-cli: %s\n", note.c_str());
    P18f4550& pic = *modele->getProcesseur();
    // One line on stderr per warning, as it is said; the load's first. Named by the
    // program given, or the first a scenario or snapshot loads.
    std::string nomProgramme = donnees.programme;
    for (const Action& a : o.actions)
        if (nomProgramme.empty() && a.type == Action::Programme)
            nomProgramme = a.fichier;
    int avertissements = 0;
    auto avertit = [&](const Diagnostic& d, uint64_t horloge) {
        ++avertissements;
        const std::string texte = (d.auChargement ? "warning: " : "warning ") + texteAvertissement(d, horloge);
        std::fprintf(stderr, "tavrex-cli: %s: %s\n", nomProgramme.c_str(), texte.c_str());
    };
    for (const Diagnostic& d : pic.diagnostics().liste())
        avertit(d, 0);

    // A track given, or loaded by the actions (a scenario's), or a snapshot's.
    const bool avecPiste = !o.piste.empty() || (reprise && modele->getPiste()->size() > 0) ||
                           std::any_of(o.actions.begin(), o.actions.end(),
                                       [](const Action& a) { return a.type == Action::Piste; });
    SuiviRobot suivi(avecPiste);
    if (!o.trajectoire.empty() && !suivi.ouvrir(o.trajectoire))
        erreur(o.trajectoire + ": cannot be written (" + std::strerror(errno) + ")");
    suivi.origine = pic.time();
    modele->setObservateurPas(&suivi);

    Seance seance(*modele);
    // Recorded for a snapshot only: the observer costs nothing in the run loop.
    std::unique_ptr<Enregistreur> enregistreur;
    if (!o.etatSauve.empty() || reprise)
        enregistreur = std::make_unique<Enregistreur>(*modele, seance, o.graine);
    uint64_t debut = 0;
    if (reprise) {
        if (!restaureEtat(etat, *modele, &seance, defaut))
            erreur(defaut);
        enregistreur->reprend(etat.fichiers.actions, etat.fichiers.graine);
        debut = seance.horloge();
    }
    std::vector<Action> actions = o.actions;
    for (Action& a : actions)
        a.ticks += debut;
    seance.planifie(actions);
    QObject::connect(modele.get(), &Modele::diagnostic,
                     [&](const Diagnostic& d) { avertit(d, seance.horlogeDe(d.ticks)); });
    // Breakpoints: their labels from the program's symbols.
    Symboles symboles;
    std::unique_ptr<Debogueur> debogueur;
    if (!o.points.empty() || !o.conditions.empty()) {
        std::string sansSymboles;
        const bool lus = o.symboles.empty() ? symboles.lireAupresDe(donnees.programme, sansSymboles)
                                            : symboles.lire(o.symboles, sansSymboles);
        if (!lus && !o.symboles.empty())
            erreur(sansSymboles);
        debogueur = std::make_unique<Debogueur>(seance, *modele);
        if (lus)
            debogueur->setSymboles(&symboles);
        std::string refus;
        if (!debogueur->ajouteTextes(o.points, o.conditions, lus ? std::string() : sansSymboles, refus))
            erreur(refus);
    }
    std::unique_ptr<EnregistreurVcd> vcd;
    if (!o.vcd.empty()) {
        // Opened after power-on's reset, so that time 0 holds the levels it set; at
        // once when a snapshot left the board on.
        const auto ouvreVcd = [&] {
            if (vcd)
                return;
            vcd = std::make_unique<EnregistreurVcd>(pic, pic.time());
            if (!vcd->ouvrir(o.vcd))
                erreur(o.vcd + ": cannot be written (" + std::strerror(errno) + ")");
            pic.setObservateurPorts(vcd.get());
        };
        QObject::connect(modele.get(), &Modele::setPowerOn, ouvreVcd);
        if (modele->isPowered())
            ouvreVcd();
        seance.setSurAttente([&](uint64_t duree) {
            if (vcd)
                vcd->attente(duree);
        });
    }
    uint64_t tracees = 0;
    if (o.trace > 0)
        seance.suisInstructions([&](uint64_t debut) {
            DataMemory* dm = pic.getDM();
            std::printf("%" PRIu64 " 0x%04x %-28s w 0x%02x status 0x%02x\n", debut,
                        static_cast<unsigned>(pic.getInstrPC()), pic.getInstrPtr()->affiche().c_str(), dm->w(),
                        dm->readStatus());
            return ++tracees < o.trace;
        });
    // A run taken up from a snapshot counts its speed from there.
    const uint64_t ticksAvant = reprise ? seance.ticksExecutes() : 0;
    const std::clock_t cpu0 = std::clock();
    const auto mur0 = std::chrono::steady_clock::now();
    if (!reprise) {
        if (!scenario)
            modele->powerOn();
        seance.demarre();
    }
    seance.avanceJusqua(debut + o.ticks);
    const uint64_t ticksExecutes = seance.ticksExecutes();
    const auto mur1 = std::chrono::steady_clock::now();
    const std::clock_t cpu1 = std::clock();
    if (vcd) {
        pic.setObservateurPorts(nullptr);
        if (!vcd->fermer())
            erreur(o.vcd + ": could not be written whole (" + std::strerror(errno) + ")");
    }
    modele->setObservateurPas(nullptr);
    if (!suivi.fermer())
        erreur(o.trajectoire + ": could not be written whole (" + std::strerror(errno) + ")");

    if (debogueur) {
        const std::optional<Debogueur::Arret> arret = debogueur->dernierArret();
        if (arret && seance.enPause()) {
            const std::string lieu = symboles.lieu(arret->pc);
            std::printf("break at 0x%04x%s after %" PRIu64 " cycles, %.3f ms\n", static_cast<unsigned>(arret->pc),
                        lieu.empty() ? "" : (" (" + lieu + ")").c_str(), arret->ticks / ticksParCycle,
                        enMs(static_cast<double>(arret->ticks)));
        } else {
            std::printf("no break\n");
        }
    }

    if (!o.etatSauve.empty() &&
        !ecrireEtat(o.etatSauve, texteEtat(*modele, seance, fichiersDuRun(*enregistreur, {donnees.programme, {}, donnees.robot, donnees.piste, 0, {}})), defaut))
        erreur(defaut);
    if (o.dump)
        afficheMemoire(pic);
    if (o.lcd)
        afficheLcd(*modele->getLcd());
    if (o.led)
        std::printf("led %.2f mA\n", modele->getLedA6()->getCourant() * 1000.0);
    if (avecPiste) {
        std::printf("pose x %.1f mm, y %.1f mm, heading %.1f deg, switch %s\n", modele->getX(), modele->getY(),
                    modele->getTheta() * radEnDeg, modele->getFdc()->isActif() ? "pressed" : "released");
        if (suivi.ecartMax < 0.0)
            std::printf("largest distance from the tape: none measured (no tape beside the robot)\n");
        else
            std::printf("largest distance from the tape: %.1f mm\n", suivi.ecartMax);
    }
    if (o.bench) {
        const double secondes = std::chrono::duration<double>(mur1 - mur0).count();
        const double cycles = static_cast<double>(ticksExecutes - ticksAvant) / ticksParCycle;
        const double parSeconde = secondes > 0 ? cycles / secondes : 0.0;
        std::printf("cycles %.0f\n", cycles);
        std::printf("seconds %.3f (cpu %.3f)\n", secondes, double(cpu1 - cpu0) / CLOCKS_PER_SEC);
        std::printf("cycles/s %.3g\n", parSeconde);
        std::printf("real time x%.2f\n", parSeconde / cyclesTempsReel);
    }
    return o.strict && avertissements > 0 ? 3 : 0;
}

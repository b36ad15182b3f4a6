// Scenarios: what is done to a board recorded to the tick, played again from a blank
// board to the very state the run left, by the run driver and by the runner; their
// text read back exactly; the replays that are refused.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

#include "harness.h"
#include "lanceur.h"
#include "options.h"
#include "preparation.h"
#include "scenario.h"
#include "seance.h"
#include "vidage.h"

namespace {

namespace fs = std::filesystem;

const std::string piste = TAVREX_EXAMPLES_SRC_DIR "/piste001.pis";
const std::string robot = TAVREX_EXAMPLES_SRC_DIR "/rombo001.rbo";

std::string dossierDeTest(const std::string& nom)
{
    const std::string d = testing::TempDir() + "scenario_" + nom + "_" + std::to_string(getpid());
    fs::remove_all(d);
    fs::create_directories(d);
    return d;
}

bool lire(Programme p, std::vector<std::string> args, OptionsLancement& o, std::string& erreur)
{
    args.insert(args.begin(), "programme");
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    return lireOptions(p, static_cast<int>(argv.size()), argv.data(), o, erreur);
}

// The robot after every motion step, to the last bit.
class Trajet : public ObservateurPas
{
public:
    void pasEffectue(const Modele& m) override
    {
        texte += std::to_string(m.time()) + " " + texteReel(m.getX()) + " " + texteReel(m.getY()) + " " +
                 texteReel(m.getTheta()) + " " + texteReel(m.getMoteurG()->getVitesse()) + "\n";
    }
    std::string texte;
};

std::string etat(const Modele& m)
{
    return vidage(m) + texteReel(m.getX()) + " " + texteReel(m.getY()) + " " + texteReel(m.getTheta());
}

// A user's hands on a board paced as the window paces it (slices of chip time, wall
// time passing while it is off or held in reset): the board window's buttons with
// their locks, the knob dragged, the robot placed, power, reset, jack and switch, each
// at some instruction boundary between two slices.
struct Utilisateur
{
    Modele& m;
    Seance& s;
    std::mt19937 hasard;
    bool tenu[3] = {}, verrou[3] = {};
    bool resetTenu = false;
    double pot = 0.0;

    void agit(int genre)
    {
        const int n = static_cast<int>(hasard() % 3);
        switch (genre) {
        case 0: tenu[n] = !tenu[n]; break;
        case 1: verrou[n] = !verrou[n]; break;
        case 2:
            for (int i = 0; i < 12; ++i) {
                pot = std::clamp(pot + (static_cast<int>(hasard() % 201) - 100) / 1000.0, 0.0, 5.0);
                m.setPotAN0Value(pot);
            }
            return;
        case 3:
            m.romboSurPiste(static_cast<double>(hasard() % 4000) / 7.0 - 200.0, -static_cast<double>(hasard() % 900),
                            static_cast<double>(hasard() % 3600) / 10.0 - 180.0);
            return;
        case 4: m.isPowered() ? m.powerOff() : m.powerOn(); return;
        case 5:
            resetTenu = !resetTenu;
            resetTenu ? m.appuyeReset() : m.relacheReset();
            return;
        case 6: m.getJack()->isActif() ? m.retireJack(true) : m.metJack(true); return;
        default: hasard() % 2 ? m.appuyeFdc() : m.relacheFdc(); return;
        }
        // As the board window has it: a lock holds its button whatever the hands do.
        m.actionneBouton(n, tenu[n] || verrou[n]);
    }

    void joue(uint64_t duree)
    {
        std::vector<int> genres = {0, 0, 0, 1, 1, 2, 2, 3, 4, 4, 5, 5, 6, 7};
        size_t prochain = 0;
        while (s.horloge() < duree) {
            if (s.tourne())
                s.tranche(1 + hasard() % Modele::ticksParTranche);
            else
                s.passeHorsTension(ticksParMs * (1 + hasard() % 4));
            if (hasard() % 3 != 0)
                continue;
            if (prochain % genres.size() == 0)
                std::shuffle(genres.begin(), genres.end(), hasard);
            agit(genres[prochain++ % genres.size()]);
        }
    }
};

}  // namespace

TEST(Scenario, ReplayLeavesTheStateOfTheRecordedRun)
{
    const struct
    {
        const char* nom;
        std::string programme;
        bool robot;
        unsigned hasard;
    } cas[] = {
        {"compteurs", cheminHex("scenario_compteurs"), false, 3},
        {"demo", TAVREX_EXAMPLES_DIR "/demo.hex", false, 8},
        {"suiveur", TAVREX_EXAMPLES_DIR "/suiveur.hex", true, 13},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        const std::string dossier = dossierDeTest(c.nom);
        const std::string fichier = dossier + "/run.scn";
        const uint64_t graine = 1000 + c.hasard;

        // The run, as a front end drives it: files loaded, the robot placed, powered on.
        Aleatoire::graine(graine);
        auto m = std::make_unique<Modele>();
        Trajet trajet;
        m->setObservateurPas(&trajet);
        Seance s(*m);
        Enregistreur enregistreur(*m, s, graine);
        if (c.robot) {
            ASSERT_TRUE(m->chargePiste(QString::fromStdString(piste)));
        }
        ASSERT_TRUE(chargeProgramme(*m, c.programme).reussi());
        if (c.robot) {
            ASSERT_TRUE(m->chargeRobot(QString::fromStdString(robot)));
            m->romboSurPiste(0.0, 0.0, -0.0);
        }
        m->powerOn();
        Utilisateur u{*m, s, std::mt19937(c.hasard)};
        u.joue(400 * ticksParMs);
        const std::string texte = enregistreur.texte(dossier);
        std::ofstream(fichier) << texte;
        for (const char* action : {" press BP", " release BP", " pot ", " power-off", " reset-press", " jack-"})
            EXPECT_NE(texte.find(action), std::string::npos) << action;

        // Read as the runner reads it, replayed from a blank board by the run driver,
        // and recorded again.
        OptionsLancement o;
        std::string erreur, note;
        ASSERT_TRUE(lire(Programme::Runner, {"--script", fichier}, o, erreur)) << erreur;
        DonneesCarte d = o.carte({});
        const auto rejoue = prepareCarte(d, erreur, note);
        ASSERT_TRUE(rejoue) << erreur;
        Trajet trajetRejoue;
        rejoue->setObservateurPas(&trajetRejoue);
        Seance s2(*rejoue);
        Enregistreur encore(*rejoue, s2, o.graine);
        s2.planifie(o.actions);
        s2.demarre();
        s2.avanceJusqua(o.ticks);
        EXPECT_EQ(etat(*rejoue), etat(*m));
        EXPECT_EQ(trajetRejoue.texte, trajet.texte);
        EXPECT_EQ(encore.texte(dossier), texte);

        // The runner from the file alone.
        const Sortie cli = lanceCli({"--script", fichier, "--dump", "--lcd", "--led"});
        EXPECT_EQ(cli.code, 0) << cli.erreurs;
        const std::string attendu = vidage(*m);   // then the pose, with a track
        EXPECT_EQ(cli.texte.substr(0, attendu.size()), attendu);
        fs::remove_all(dossier);
    }
}

TEST(Scenario, TimesValuesAndNamesReadBackExactly)
{
    // Every tick of the first three milliseconds (every remainder a tick leaves), ticks
    // at random up to ten days, the last.
    std::mt19937_64 hasard(5);
    std::vector<uint64_t> ticks = {864000000ull * ticksParMs};
    for (uint64_t t = 0; t < 3 * ticksParMs; ++t)
        ticks.push_back(t);
    for (int i = 0; i < 200000; ++i)
        ticks.push_back(hasard() % (864000000ull * ticksParMs));
    for (const uint64_t t : ticks) {
        const std::string texte = texteInstant(t);
        uint64_t relu = ~0ull;
        ASSERT_TRUE(lireInstant(texte, relu)) << texte;
        ASSERT_EQ(relu, t) << texte;
        const size_t point = texte.find('.');
        ASSERT_TRUE(point == std::string::npos || texte.size() - point - 1 <= 9) << texte;
    }
    EXPECT_EQ(texteInstant(12 * ticksParMs), "12");
    EXPECT_EQ(texteInstant(12 * ticksParMs + 1), "12.000020833");

    // Knob and pose values to their last bit, the sign of a zero included.
    std::uniform_real_distribution<double> volts(0.0, 5.0), mm(-5000.0, 5000.0);
    for (int i = 0; i < 20000; ++i) {
        Action a, b;
        a.type = i % 2 ? Action::Pot : Action::Pose;
        a.valeur = volts(hasard);
        a.x = mm(hasard);
        a.y = i % 7 == 0 ? -0.0 : 1e-300 * mm(hasard);
        a.cap = mm(hasard) / 13.0;
        std::string erreur;
        ASSERT_TRUE(lireAction(texteAction(a), b, erreur)) << texteAction(a) << ": " << erreur;
        if (a.type == Action::Pot) {
            ASSERT_EQ(std::memcmp(&a.valeur, &b.valeur, sizeof(double)), 0) << texteAction(a);
        } else {
            ASSERT_EQ(std::memcmp(&a.x, &b.x, sizeof(double)), 0) << texteAction(a);
            ASSERT_EQ(std::memcmp(&a.y, &b.y, sizeof(double)), 0) << texteAction(a);
            ASSERT_EQ(std::memcmp(&a.cap, &b.cap, sizeof(double)), 0) << texteAction(a);
        }
    }

    // File names with spaces, quotes, backslashes and a '#' in a script line, relative
    // ones placed beside the script.
    const std::string dossier = dossierDeTest("noms");
    const std::string nom = "mon \"robot\" #2\\a.rbo";
    Action a;
    a.type = Action::Robot;
    a.fichier = nom;
    std::ofstream(dossier + "/s.txt") << "1.5 " << texteAction(a) << "  # a comment \"\n";
    std::vector<Action> lues;
    std::string erreur;
    ASSERT_TRUE(lireScript(dossier + "/s.txt", lues, erreur)) << erreur;
    ASSERT_EQ(lues.size(), 1u);
    EXPECT_EQ(lues[0].fichier, dossier + "/" + nom);
    EXPECT_EQ(lues[0].ticks, 72000u);
    fs::remove_all(dossier);
}

TEST(Scenario, RefusedReplaysSayWhyInOneLine)
{
    const std::string d = dossierDeTest("refus");
    const std::string demo = TAVREX_EXAMPLES_DIR "/demo.hex";
    const std::string suiveur = TAVREX_EXAMPLES_DIR "/suiveur.hex";
    fs::copy_file(demo, d + "/demo.hex");
    const std::string empreinte = empreinteFichier(demo);
    const std::string tete = "# tavrex scenario 1\n# seed: 0x2a\n# end: 20\n";
    std::ofstream(d + "/bon.scn") << tete << "0 program \"demo.hex\" " << empreinte << "\n0 power-on\n";
    std::ofstream(d + "/futur.scn") << "# tavrex scenario 2\n0 power-on\n";
    std::ofstream(d + "/graine.scn") << "# tavrex scenario 1\n# seed: douze\n";
    std::ofstream(d + "/robot.scn") << tete << "0 robot \"absent.rbo\"\n";

    const struct
    {
        std::vector<std::string> arguments;
        int code;
        std::string ligne;   // empty: none
    } cas[] = {
        {{"--script", "bon.scn"}, 0, ""},
        {{"--script", "bon.scn", demo}, 0, ""},
        {{"--script", "bon.scn", suiveur}, 2,
         suiveur + ": not the program the scenario was recorded with (its SHA-256 differs; --force replays it all "
                   "the same)"},
        {{"--script", "bon.scn", "--force", suiveur}, 0, ""},
        {{"--script", "futur.scn"}, 2, "futur.scn: scenario version 2, newer than this program reads (1)"},
        {{"--script", "graine.scn"}, 2, "graine.scn:2: not a seed: douze"},
        {{"--script", "robot.scn"}, 2, "./absent.rbo: no such file"},
        {{"--script", "bon.scn", "--script", "bon.scn"}, 2, "--script: one scenario at a time: bon.scn"},
    };
    for (const auto& c : cas) {
        std::string quoi;
        for (const std::string& a : c.arguments)
            quoi += a + " ";
        const Sortie cli = lanceCli(c.arguments, d);
        EXPECT_EQ(cli.code, c.code) << quoi << cli.erreurs;
        EXPECT_EQ(cli.erreurs, c.ligne.empty() ? std::string() : "tavrex-cli: " + c.ligne + "\n") << quoi;
    }
    // The window refuses alike; --record writes the scenario on quitting, which the
    // runner then replays.
    const Sortie refus = lance(TAVREX_FENETRE, {"--script", "bon.scn", suiveur}, d);
    EXPECT_EQ(refus.code, 2);
    EXPECT_NE(refus.erreurs.find("tavrex: " + suiveur + ": not the program"), std::string::npos) << refus.erreurs;
    const Sortie fenetre = lance(TAVREX_FENETRE,
                                 {"--power-on", "--speed", "0.1", "--at", "5", "press", "BP2", "--at", "7", "pot 1.25",
                                  "--quit-after", "20", "--record", "enregistre.scn", "demo.hex"},
                                 d);
    ASSERT_EQ(fenetre.code, 0) << fenetre.erreurs;
    std::ifstream in(d + "/enregistre.scn");
    const std::string texte((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (const std::string& ligne : {"\n0 program \"demo.hex\" " + empreinte + "\n0 power-on\n5",
                                     std::string(" press BP2\n7"), std::string(" pot 1.25\n")})
        EXPECT_NE(texte.find(ligne), std::string::npos) << texte;
    EXPECT_EQ(lanceCli({"--script", "enregistre.scn", "--dump"}, d).code, 0);
    fs::remove_all(d);
}

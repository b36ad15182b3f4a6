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

#include <QTemporaryDir>

#include "harness.h"
#include "lanceur.h"
#include "preparation.h"
#include "scenario.h"
#include "seance.h"
#include "vidage.h"

namespace {

namespace fs = std::filesystem;

const std::string piste = TAVREX_EXAMPLES_SRC_DIR "/piste001.pis";
const std::string robot = TAVREX_ROBOT_EXEMPLE;

// The robot after every motion step, to the last bit.
struct Trajet : ObservateurPas
{
    void pasEffectue(const Modele& m) override
    {
        texte += texteReel(m.getX()) + " " + texteReel(m.getY()) + " " + texteReel(m.getTheta()) + "\n";
    }
    std::string texte;
};

// A user's hands on a board paced as the window paces it (slices of chip time, time
// passing while it is off or held in reset), acting between two slices: the buttons
// with their locks (held whatever the hands do), the knob dragged, the robot placed,
// power, reset, jack and switch.
void joueUtilisateur(Modele& m, Seance& s, unsigned graine, uint64_t duree)
{
    std::mt19937 hasard(graine);
    bool tenu[3] = {}, verrou[3] = {}, reset = false;
    double pot = 0.0;
    while (s.horloge() < duree) {
        s.tourne() ? (void)s.tranche(1 + hasard() % Modele::ticksParTranche)
                   : s.passeHorsTension(ticksParMs * (1 + hasard() % 4));
        const int n = static_cast<int>(hasard() % 3);
        switch (hasard() % 16) {
        case 0: tenu[n] = !tenu[n]; m.actionneBouton(n, tenu[n] || verrou[n]); break;
        case 1: verrou[n] = !verrou[n]; m.actionneBouton(n, tenu[n] || verrou[n]); break;
        case 2:
            for (int i = 0; i < 12; ++i)
                m.setPotAN0Value(pot = std::clamp(pot + (static_cast<int>(hasard() % 201) - 100) / 1000.0, 0.0, 5.0));
            break;
        case 3: m.romboSurPiste(hasard() % 4000 / 7.0 - 200.0, -1.0 * (hasard() % 900), hasard() % 3600 / 10.0); break;
        case 4: m.isPowered() ? m.powerOff() : m.powerOn(); break;
        case 5: (reset = !reset) ? m.appuyeReset() : m.relacheReset(); break;
        case 6: m.getJack()->isActif() ? m.retireJack(true) : m.metJack(true); break;
        case 7: hasard() % 2 ? m.appuyeFdc() : m.relacheFdc(); break;
        default: break;
        }
    }
}

}  // namespace

TEST(Scenario, ReplayLeavesTheStateOfTheRecordedRun)
{
    for (const bool avecRobot : {false, true}) {
        SCOPED_TRACE(avecRobot);
        QTemporaryDir temporaire;
        const std::string dossier = temporaire.path().toStdString();
        const std::string fichier = dossier + "/run.scn";
        const uint64_t graine = avecRobot ? 77 : 1234;

        // The run, as a front end drives it: files loaded, the robot placed, powered on.
        Aleatoire::graine(graine);
        auto modele = std::make_unique<Modele>();
        Modele& m = *modele;
        Trajet trajet;
        m.setObservateurPas(&trajet);
        Seance s(m);
        Enregistreur enregistreur(m, s, graine);
        ASSERT_TRUE(chargeProgramme(m, TAVREX_EXAMPLES_DIR "/demo.hex").reussi());
        if (avecRobot) {
            ASSERT_TRUE(m.chargePiste(QString::fromStdString(piste)) && m.chargeRobot(QString::fromStdString(robot)));
            m.romboSurPiste(0.0, 0.0, -0.0);
        }
        m.powerOn();
        joueUtilisateur(m, s, static_cast<unsigned>(graine), 400 * ticksParMs);
        const std::string texte = enregistreur.texte(dossier);
        std::ofstream(fichier) << texte;
        for (const char* action : {" press BP", " release BP", " pot ", " power-off", " reset-press", " jack-"})
            EXPECT_NE(texte.find(action), std::string::npos) << action;

        // Read back, replayed from a blank board seeded alike by the run driver and
        // recorded again: every action at its tick, the robot on its path.
        EnteteScenario entete;
        std::vector<Action> actions;
        std::string erreur, note;
        ASSERT_TRUE(lireScenario(fichier, entete, actions, erreur)) << erreur;
        ordonneActions(actions);
        DonneesCarte d;
        d.graine = entete.graine;
        const auto rejoue = prepareCarte(d, erreur, note);
        Trajet trajetRejoue;
        rejoue->setObservateurPas(&trajetRejoue);
        Seance s2(*rejoue);
        Enregistreur encore(*rejoue, s2, entete.graine);
        s2.planifie(actions);
        s2.avanceJusqua(entete.fin);
        EXPECT_EQ(vidage(*rejoue), vidage(m));
        EXPECT_EQ(trajetRejoue.texte, trajet.texte);
        EXPECT_EQ(encore.texte(dossier), texte);

        // The runner from the file alone: the same dump, then the pose with a track.
        const Sortie cli = lanceCli({"--script", fichier, "--dump", "--lcd", "--led"});
        EXPECT_EQ(cli.code, 0) << cli.erreurs;
        EXPECT_EQ(cli.texte.substr(0, vidage(m).size()), vidage(m));
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
        uint64_t relu = ~0ull;
        ASSERT_TRUE(lireInstant(texteInstant(t), relu) && relu == t) << texteInstant(t);
    }
    EXPECT_EQ(texteInstant(12 * ticksParMs), "12");
    EXPECT_EQ(texteInstant(12 * ticksParMs + 1), "12.000020833");

    // Knob and pose values to their last bit, the sign of a zero included.
    std::uniform_real_distribution<double> volts(0.0, 5.0), mm(-5000.0, 5000.0);
    for (int i = 0; i < 10000; ++i) {
        Action pot, pose;
        pot.type = Action::Pot;
        pot.valeur = volts(hasard);
        pose.type = Action::Pose;
        pose.x = mm(hasard);
        pose.y = i % 7 ? 1e-300 * mm(hasard) : -0.0;
        pose.cap = mm(hasard) / 13.0;
        for (const Action& a : {pot, pose}) {
            Action b;
            std::string erreur;
            ASSERT_TRUE(lireAction(texteAction(a), b, erreur)) << texteAction(a) << ": " << erreur;
            const double ecrits[] = {a.valeur, a.x, a.y, a.cap}, lus[] = {b.valeur, b.x, b.y, b.cap};
            ASSERT_EQ(std::memcmp(ecrits, lus, sizeof ecrits), 0) << texteAction(a);
        }
    }

    // File names with spaces, quotes, backslashes and a '#' in a script line, relative
    // ones placed beside the script.
    QTemporaryDir temporaire;
    const std::string dossier = temporaire.path().toStdString();
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
}

TEST(Scenario, RecordedOnQuittingRefusedWithOneLine)
{
    // The window records on quitting what its command line did; the runner replays it,
    // but not with another program, unless forced, nor a file it cannot read.
    QTemporaryDir dossier;
    const std::string d = dossier.path().toStdString();
    const std::string suiveur = TAVREX_EXAMPLES_DIR "/suiveur.hex";
    fs::copy_file(TAVREX_EXAMPLES_DIR "/demo.hex", d + "/demo.hex");
    const Sortie fenetre = lance(TAVREX_FENETRE,
                                 {"--power-on", "--speed", "0.1", "--at", "5", "pot 1.25", "--quit-after", "300",
                                  "--record", "bon.scn", "demo.hex"},
                                 d);
    ASSERT_EQ(fenetre.code, 0) << fenetre.erreurs;
    std::ifstream in(d + "/bon.scn");
    const std::string texte((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(texte.find("\n0 program \"demo.hex\" " + empreinteFichier(d + "/demo.hex") + "\n0 power-on\n5"),
              std::string::npos)
        << texte;
    std::ofstream(d + "/futur.scn") << "# tavrex scenario 2\n0 power-on\n";
    std::ofstream(d + "/robot.scn") << "# tavrex scenario 1\n0 robot \"absent.rbo\"\n";
    const struct
    {
        std::vector<std::string> arguments;
        std::string ligne;   // none: replayed
    } cas[] = {
        {{"--script", "bon.scn", "--lcd"}, ""},
        {{"--script", "bon.scn", suiveur},
         suiveur + ": not the program the scenario was recorded with (its SHA-256 differs; --force replays it all "
                   "the same)"},
        {{"--script", "bon.scn", "--force", suiveur}, ""},
        {{"--script", "futur.scn"}, "futur.scn: scenario version 2, newer than this program reads (1)"},
        {{"--script", "robot.scn"}, "./absent.rbo: no such file"},
    };
    for (const auto& c : cas) {
        const Sortie cli = lanceCli(c.arguments, d);
        EXPECT_EQ(cli.code, c.ligne.empty() ? 0 : 2) << c.arguments[1];
        EXPECT_EQ(cli.erreurs, c.ligne.empty() ? std::string() : "tavrex-cli: " + c.ligne + "\n");
    }
    EXPECT_NE(lanceCli(cas[0].arguments, d).texte.find("|AN0 = 1.25 V"), std::string::npos);
    // Replayed in the window, seeded from it, the scenario is recorded again as it was.
    ASSERT_EQ(lance(TAVREX_FENETRE, {"--script", "bon.scn", "--quit-after", "400", "--record", "encore.scn"}, d).code, 0);
    std::ifstream encore(d + "/encore.scn");
    const std::string refait((std::istreambuf_iterator<char>(encore)), std::istreambuf_iterator<char>());
    EXPECT_EQ(refait.substr(refait.find("\n#", refait.find("# end"))), texte.substr(texte.find("\n#", texte.find("# end"))));
}

// The silicon mode asked from the board: taken at once by a chip that has not run,
// otherwise at the next reset; recorded, told in the header, replayed by the runner.
TEST(Scenario, SiliconModeTakenAtResetRecordedAndReplayed)
{
    QTemporaryDir temporaire;
    const std::string dossier = temporaire.path().toStdString();
    Aleatoire::graine(9);
    Modele m;
    Seance s(m);
    Enregistreur enregistreur(m, s, 9);
    P18f4550& pic = *m.getProcesseur();
    ASSERT_TRUE(chargeProgramme(m, cheminHex("silicium_sauts")).reussi());
    m.demandeSilicium(true);
    EXPECT_TRUE(pic.estSilicium());
    m.powerOn();
    s.avanceJusqua(ticksParMs);
    EXPECT_EQ(ramHex(pic, 0x100, 10), "a2101351553030001100");

    m.demandeSilicium(false);   // running: kept until the reset
    EXPECT_TRUE(pic.estSilicium());
    m.appuyeReset();
    EXPECT_FALSE(pic.estSilicium());
    m.demandeSilicium(true);    // held in reset: taken at once
    EXPECT_TRUE(pic.estSilicium());
    m.demandeSilicium(false);
    s.avanceJusqua(2 * ticksParMs);
    m.relacheReset();
    s.avanceJusqua(3 * ticksParMs);
    EXPECT_EQ(ramHex(pic, 0x100, 10), "a01010eeee0430ff2222");

    const std::string texte = enregistreur.texte(dossier);
    EXPECT_NE(texte.find("# mode: silicon"), std::string::npos);
    EXPECT_NE(texte.find("\n0 silicon on\n"), std::string::npos) << texte;
    const std::string fichier = dossier + "/mode.scn";
    std::ofstream(fichier) << texte;
    const Sortie cli = lanceCli({"--script", fichier, "--dump", "--lcd", "--led"});
    EXPECT_EQ(cli.code, 0) << cli.erreurs;
    EXPECT_EQ(cli.texte.substr(0, vidage(m).size()), vidage(m));
}

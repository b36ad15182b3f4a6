// Snapshots: a run cut anywhere, saved as text, read into a fresh board and run on,
// ends in the very state of the run made in one go; what differs between two is told
// by name; what is not a snapshot of this program is refused with one line.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <QFile>
#include <QTemporaryDir>

#include "etat.h"
#include "lanceur.h"
#include "preparation.h"
#include "scenario.h"
#include "seance.h"

namespace {

namespace fs = std::filesystem;

struct Cas
{
    std::string programme, robot, piste;
    bool silicium = false;
};

// A board prepared from `c`, switched on at the clock's 0, the actions planned.
struct Marche
{
    explicit Marche(const Cas& c, const std::vector<Action>& actions)
    {
        DonneesCarte d;
        d.programme = c.programme;
        d.robot = c.robot;
        d.piste = c.piste;
        d.pose = !c.piste.empty();
        d.poseX = -400.0;
        d.poseY = -1400.0;
        d.silicium = c.silicium;
        std::string erreur, note;
        m = prepareCarte(d, erreur, note);
        EXPECT_TRUE(m) << erreur;
        s = std::make_unique<Seance>(*m);
        s->planifie(actions);
        m->powerOn();
        s->demarre();
    }
    QByteArray texte(const Cas& c) const
    {
        FichiersEtat f;
        f.programme = c.programme;
        f.robot = c.robot;
        f.piste = c.piste;
        f.empreinte = empreinteFichier(c.programme);
        return texteEtat(*m, *s, f);
    }
    std::unique_ptr<Modele> m;
    std::unique_ptr<Seance> s;
};

std::vector<Cas> programmes()
{
    std::vector<Cas> cas;
    for (const auto& e : fs::directory_iterator(TAVREX_TEST_HEX_DIR))
        if (e.path().extension() == ".hex")
            cas.push_back({e.path().string(), {}, {}});
    // Interrupts (BP2 on RB4 with the RB change, Timer0) cut anywhere, pending ones too.
    cas.push_back({TAVREX_TEST_HEX_DIR "/silicium_rb.hex", {}, {}, true});
    cas.push_back({TAVREX_TEST_HEX_DIR "/silicium_latence.hex", {}, {}, true});
    cas.push_back({TAVREX_EXAMPLES_DIR "/demo.hex", {}, {}});
    cas.push_back({TAVREX_EXAMPLES_DIR "/suiveur.hex", TAVREX_ROBOT_EXEMPLE, TAVREX_EXAMPLES_SRC_DIR "/piste001.pis"});
    cas.push_back({TAVREX_EXAMPLES_DIR "/demo.hex", TAVREX_ROBOT_EXEMPLE, TAVREX_EXAMPLES_SRC_DIR "/piste001.pis"});
    return cas;
}

}  // namespace

TEST(Etat, SavedLoadedAndRunOnEqualsOneRun)
{
    std::mt19937_64 hasard(25);
    for (const Cas& c : programmes()) {
        for (int essai = 0; essai < 3; ++essai) {
            // Any tick: the cut falls inside quiet stretches, wait loops and LCD work.
            const uint64_t t1 = 1 + hasard() % (40 * ticksParMs);
            const uint64_t t2 = 1 + hasard() % (40 * ticksParMs);
            std::vector<Action> actions(3);
            std::string raison;
            for (size_t i = 0; i < actions.size(); ++i) {
                lireAction(i == 0 ? (c.silicium ? "press BP2" : "press BP1") : i == 1 ? "pot 3.3"
                                  : (c.silicium ? "release BP2" : "release BP1"),
                           actions[i], raison);
                actions[i].ticks = hasard() % (t1 + t2);
                actions[i].ordre = static_cast<int>(i);
            }
            SCOPED_TRACE(c.programme + " " + c.piste + " cut at " + std::to_string(t1) + " +" + std::to_string(t2));

            Marche seul(c, actions);
            seul.s->avanceJusqua(t1 + t2);
            const QByteArray attendu = seul.texte(c);

            Marche premier(c, actions);
            premier.s->avanceJusqua(t1);
            EtatLu lu;
            std::string erreur;
            ASSERT_TRUE(analyseEtat(premier.texte(c), "cut", lu, erreur)) << erreur;
            const auto m = prepareCarteEtat(lu, {}, erreur);
            ASSERT_TRUE(m) << erreur;
            Seance s(*m);
            ASSERT_TRUE(restaureEtat(lu, *m, &s, erreur)) << erreur;
            for (const Action& a : actions)
                if (a.ticks > s.horloge())
                    s.planifie(std::vector<Action>{a});
            s.avanceJusqua(t1 + t2);
            FichiersEtat f = lu.fichiers;
            const QByteArray obtenu = texteEtat(*m, s, f);
            if (obtenu != attendu) {
                EtatLu a, b;
                analyseEtat(attendu, "one run", a, erreur);
                analyseEtat(obtenu, "cut run", b, erreur);
                for (const std::string& l : differencesEtats(a, b))
                    ADD_FAILURE() << l;
                FAIL();
            }
        }
    }
}

// Edits of the robot and the track and a reset held across the cut: the snapshot holds
// them itself (its robot and track files are gone when it is read back).
TEST(Etat, EditedRobotAndHeldResetLoadToTheSameRun)
{
    QTemporaryDir dossier;
    const std::string robot = dossier.filePath("r.rbo").toStdString(), piste = dossier.filePath("p.pis").toStdString();
    const struct
    {
        Cas cas;
        std::vector<std::string> actions;   // "MS ACTION"
        uint64_t coupe, fin;                // ms
    } essais[] = {
        {{TAVREX_EXAMPLES_DIR "/suiveur.hex", robot, piste},
         {"5 jack-out", "20 robot-set capteur 1 rd 1234.5678", "25 robot-set params voie 200.25",
          "30 track-set 1 longueur 412.3", "30 track-set 6 angle 52.5", "35 track-insert 3 obstacle",
          "40 sensor-add 2", "40 robot-set capteur 3 connexion RB2", "45 sensor-test 0 line",
          "700 robot-set moteur_g kphi 31"},
         600, 900},
        {{TAVREX_EXAMPLES_DIR "/demo.hex", {}, {}}, {"10 press BP1", "12 reset-press", "30 reset-release"}, 20, 60},
    };
    for (const auto& e : essais) {
        SCOPED_TRACE(e.cas.programme);
        QFile::remove(QString::fromStdString(robot));
        QFile::remove(QString::fromStdString(piste));
        QFile::copy(TAVREX_ROBOT_EXEMPLE, QString::fromStdString(robot));
        QFile::copy(TAVREX_EXAMPLES_SRC_DIR "/piste001.pis", QString::fromStdString(piste));
        std::vector<Action> actions;
        for (const std::string& ligne : e.actions) {
            Action a;
            std::string raison;
            const size_t espace = ligne.find(' ');
            ASSERT_TRUE(lireInstant(ligne.substr(0, espace), a.ticks) && lireAction(ligne.substr(espace + 1), a, raison))
                << ligne << ": " << raison;
            a.ordre = static_cast<int>(actions.size());
            actions.push_back(a);
        }
        Marche seul(e.cas, actions);
        seul.s->avanceJusqua(e.fin * ticksParMs);
        const QByteArray attendu = seul.texte(e.cas);
        EXPECT_TRUE(e.cas.robot.empty() || (attendu.contains("\"rd\": \"1234.5678\"") &&
                                            attendu.contains("\"element\": \"obstacle\"")));

        Marche premier(e.cas, actions);
        premier.s->avanceJusqua(e.coupe * ticksParMs);
        const QByteArray coupe = premier.texte(e.cas);
        QFile::remove(QString::fromStdString(robot));
        QFile::remove(QString::fromStdString(piste));
        EtatLu lu;
        std::string erreur;
        ASSERT_TRUE(analyseEtat(coupe, "cut", lu, erreur)) << erreur;
        const auto m = prepareCarteEtat(lu, {}, erreur);
        ASSERT_TRUE(m) << erreur;
        Seance s(*m);
        ASSERT_TRUE(restaureEtat(lu, *m, &s, erreur)) << erreur;
        // The track to the bit, angles kept in radians included: where each element ends.
        const Piste& p1 = *premier.m->getPiste();
        const Piste& p2 = *m->getPiste();
        ASSERT_EQ(p1.size(), p2.size());
        for (unsigned int i = 0; i < p1.size(); ++i)
            EXPECT_TRUE(p1.getElt(i)->getX() == p2.getElt(i)->getX() && p1.getElt(i)->getY() == p2.getElt(i)->getY() &&
                        p1.getElt(i)->getTheta() == p2.getElt(i)->getTheta())
                << "track element " << i;
        EXPECT_EQ(m->isResetTenu(), e.cas.robot.empty());
        EXPECT_EQ(s.tourne(), !e.cas.robot.empty());
        for (const Action& a : actions)
            if (a.ticks > s.horloge())
                s.planifie(std::vector<Action>{a});
        s.avanceJusqua(e.fin * ticksParMs);
        EtatLu a, b;
        analyseEtat(attendu, "one run", a, erreur);
        analyseEtat(texteEtat(*m, s, lu.fichiers), "cut run", b, erreur);
        for (const std::string& l : differencesEtats(a, b))
            ADD_FAILURE() << l;
    }
}

// Two snapshots a byte of RAM and a pin apart, compared by the library and the runner.
TEST(Etat, DiffNamesTheRamByteAndThePin)
{
    QTemporaryDir dossier;
    const std::string a = dossier.filePath("a.json").toStdString(), b = dossier.filePath("b.json").toStdString();
    const Sortie run = lanceCli({TAVREX_EXAMPLES_DIR "/demo.hex", "--ms", "30", "--save-state", a});
    ASSERT_EQ(run.code, 0) << run.erreurs;
    std::ifstream in(a);
    std::string texte((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::ofstream(b) << texte;
    EXPECT_EQ(lanceCli({"--diff-state", a, b}).code, 0);
    // A run taken up from a board left on writes its waveform from there.
    const std::string vcd = dossier.filePath("suite.vcd").toStdString();
    ASSERT_EQ(lanceCli({"--load-state", a, "--ms", "5", "--vcd", vcd}).code, 0);
    std::ifstream onde(vcd);
    EXPECT_NE(std::string(std::istreambuf_iterator<char>(onde), {}).find("$enddefinitions"), std::string::npos);

    // RAM 0x023 and PORTB bit 3 changed.
    size_t p = texte.find("\"020: ");
    ASSERT_NE(p, std::string::npos);
    const size_t octet = p + 6 + 3 * 3;
    const std::string ancien = texte.substr(octet, 2);
    texte.replace(octet, 2, ancien == "5a" ? "a5" : "5a");
    p = texte.find("\"PORTB\": \"0x");
    ASSERT_NE(p, std::string::npos);
    const unsigned portb = std::stoul(texte.substr(p + 12, 2), nullptr, 16);
    char nouveau[3];
    std::snprintf(nouveau, sizeof nouveau, "%02x", portb ^ 0x08);
    texte.replace(p + 12, 2, nouveau);
    std::ofstream(b, std::ios::trunc) << texte;

    const Sortie diff = lanceCli({"--diff-state", a, b});
    EXPECT_EQ(diff.code, 1) << diff.erreurs;
    char portbAvant[5], portbApres[5];
    std::snprintf(portbAvant, sizeof portbAvant, "0x%02x", portb);
    std::snprintf(portbApres, sizeof portbApres, "0x%s", nouveau);
    const std::string attendu = "RAM 0x023: " + ancien + " -> " + (ancien == "5a" ? "a5" : "5a") + "\n" +
                                "PORTB: " + portbAvant + " -> " + portbApres + "\n" + "pin RB3: " +
                                std::to_string((portb >> 3) & 1) + " -> " + std::to_string(((portb >> 3) & 1) ^ 1) +
                                "\n";
    EXPECT_EQ(diff.texte, attendu);
}

// Every refusal: one line naming the file, exit 2, nothing run.
TEST(Etat, RefusalsAreOneLineNamingTheFile)
{
    QTemporaryDir dossier;
    const std::string bon = dossier.filePath("bon.json").toStdString();
    ASSERT_EQ(lanceCli({TAVREX_EXAMPLES_DIR "/demo.hex", "--ms", "5", "--save-state", bon}).code, 0);
    std::ifstream in(bon);
    const std::string texte((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto remplace = [&](const std::string& de, const std::string& par) {
        std::string t = texte;
        const size_t p = t.find(de);
        EXPECT_NE(p, std::string::npos) << de;
        return p == std::string::npos ? t : t.replace(p, de.size(), par);
    };
    const struct
    {
        const char* nom;
        std::string contenu;
        std::vector<std::string> autres;   // more arguments
        const char* message;
        int codeDiff;   // a well-formed document is compared; its values are not checked
    } cas[] = {
        {"tronque.json", texte.substr(0, texte.size() / 2), {}, ": not a tavrex state (", 2},
        {"vide.json", "{}", {}, ": not a tavrex state", 2},
        {"futur.json", remplace("\"version\": " + std::to_string(versionEtat), "\"version\": 7"), {},
         ": state version 7 is newer", 2},
        // Timer0's prescaler made 3N: never a power of two.
        {"prediviseur.json", remplace(texte.substr(texte.find("\"prescaler\": ", texte.find("\"timer0\"")), 13),
                                      "\"prescaler\": 3"),
         {}, ": bad or missing value chip.timer0.prescaler", 1},
        {"evenement.json", remplace("\"event\": \"robot\"", "\"event\": \"horloge\""), {},
         ": bad or missing value chip.events.scheduled", 1},
        {"ram.json", remplace("\"000: ", "\"000: zz"), {}, ": bad or missing value chip.ram", 1},
        {"broche.json", remplace("\"connexion\": \"NULL\"", "\"connexion\": \"RZ9\""), {},
         ": bad or missing value robot.parameters.fdc.connexion", 1},
        {"piste.json", remplace("\"track\": [", "\"track\": [ {\"element\": \"carre\"}"), {},
         ": bad or missing value track", 1},
        {"autre.json", texte, {TAVREX_EXAMPLES_DIR "/suiveur.hex"}, ": saved with another program than", 0},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        const std::string chemin = dossier.filePath(c.nom).toStdString();
        std::ofstream(chemin) << c.contenu;
        std::vector<std::string> args{"--load-state", chemin, "--ms", "1"};
        args.insert(args.end(), c.autres.begin(), c.autres.end());
        const Sortie s = lanceCli(args);
        EXPECT_EQ(s.code, 2);
        EXPECT_EQ(s.erreurs.rfind("tavrex-cli: " + chemin + c.message, 0), 0u) << s.erreurs;
        EXPECT_EQ(std::count(s.erreurs.begin(), s.erreurs.end(), '\n'), 1) << s.erreurs;
        EXPECT_EQ(lanceCli({"--diff-state", bon, chemin}).code, c.codeDiff);
    }
}

// A state of the silicon mode is refused by a board of the default mode (and the
// other way round), in one line; built from the state, the board takes its mode.
TEST(Etat, TheModeOfTheStateIsTheBoards)
{
    const Cas silicium{TAVREX_TEST_HEX_DIR "/silicium_rb.hex", {}, {}, true};
    Marche marche(silicium, {});
    marche.s->avanceJusqua(ticksParMs);
    EtatLu lu;
    std::string erreur;
    ASSERT_TRUE(analyseEtat(marche.texte(silicium), "s.json", lu, erreur)) << erreur;
    Cas defaut = silicium;
    defaut.silicium = false;
    Marche autre(defaut, {});
    EXPECT_FALSE(restaureEtat(lu, *autre.m, autre.s.get(), erreur));
    EXPECT_EQ(erreur, "s.json: saved in the silicon mode, the board runs in the default mode");
    const auto m = prepareCarteEtat(lu, {}, erreur);
    ASSERT_TRUE(m) << erreur;
    EXPECT_TRUE(m->getProcesseur()->estSilicium());
}

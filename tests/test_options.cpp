// The command lines of both programs, read from one option table: what each takes,
// and the same words and status for the same bad input in the runner and in the
// desktop program.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "lanceur.h"
#include "options.h"

namespace {

namespace fs = std::filesystem;

bool lire(Programme p, std::vector<std::string> args, OptionsLancement& o, std::string& erreur)
{
    args.insert(args.begin(), "programme");
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    return lireOptions(p, static_cast<int>(argv.size()), argv.data(), o, erreur);
}

// The line a program said after its name ("tavrex-cli: ", "tavrex: "); Qt's own
// warnings on the desktop program's stderr left out.
std::vector<std::string> lignesDe(const std::string& nom, const std::string& erreurs)
{
    std::vector<std::string> l;
    size_t debut = 0;
    while (debut < erreurs.size()) {
        const size_t fin = erreurs.find('\n', debut);
        const std::string ligne = erreurs.substr(debut, fin - debut);
        if (ligne.rfind(nom + ": ", 0) == 0)
            l.push_back(ligne.substr(nom.size() + 2));
        debut = fin == std::string::npos ? erreurs.size() : fin + 1;
    }
    return l;
}

}  // namespace

TEST(Options, EachProgramReadsItsOwnAndTheSharedOnes)
{
    const std::string hex = TAVREX_EXAMPLES_DIR "/demo.hex";
    OptionsLancement o;
    std::string erreur;
    ASSERT_TRUE(lire(Programme::Runner,
                     {"--ms", "2.5", "--at", "1", "press", "BP2", "--at", "0", "pot 3", "--pose", "1,-2,30",
                      "--seed", "0x10", "--lcd", hex},
                     o, erreur))
        << erreur;
    EXPECT_EQ(o.ticks, 120000u);
    ASSERT_EQ(o.actions.size(), 2u);
    EXPECT_EQ(o.actions[0].type, Action::Pot);   // in time order
    EXPECT_EQ(o.actions[1].bouton, 1);
    EXPECT_TRUE(o.pose && o.poseY == -2.0 && o.poseDeg == 30.0);
    EXPECT_EQ(o.graine, 16u);
    EXPECT_TRUE(o.lcd);

    OptionsLancement f;
    ASSERT_TRUE(lire(Programme::Fenetre, {"--power-on", "--speed", "0.1", "--robot-tab", "3", "--quit-after", "40",
                                          "--screenshot", "x.png", hex},
                     f, erreur))
        << erreur;
    EXPECT_TRUE(f.powerOn && f.quitter);
    EXPECT_EQ(f.quitterApres, 40u * 48000u);
    EXPECT_EQ(f.ongletRobot, 3);

    // Each program refuses the other's options, and its usage lists only its own.
    OptionsLancement x;
    EXPECT_FALSE(lire(Programme::Runner, {"--power-on", hex}, x, erreur));
    EXPECT_EQ(erreur, "unknown option --power-on (--help for the options)");
    EXPECT_FALSE(lire(Programme::Fenetre, {"--dump", hex}, x, erreur));
    EXPECT_NE(usage(Programme::Runner).find("--dump"), std::string::npos);
    EXPECT_EQ(usage(Programme::Runner).find("--power-on"), std::string::npos);
    EXPECT_NE(usage(Programme::Fenetre).find("--quit-after T"), std::string::npos);
    EXPECT_EQ(usage(Programme::Fenetre).find("--check"), std::string::npos);
}

TEST(Options, SameBadInputSameLineAndStatusInBothPrograms)
{
    const std::string d = testing::TempDir() + "options_" + std::to_string(getpid());
    fs::remove_all(d);
    fs::create_directories(d + "/dossier.hex");
    std::ofstream(d + "/vide.hex");
    std::ofstream(d + "/texte.hex") << "mov w, 1\r\nnot a record\n:10\n";
    const std::string hex = TAVREX_EXAMPLES_DIR "/demo.hex";
    const std::string piste = TAVREX_EXAMPLES_SRC_DIR "/piste001.pis";
    const std::string robot = TAVREX_EXAMPLES_SRC_DIR "/rombo001.rbo";

    const struct
    {
        std::vector<std::string> arguments;
        std::string ligne;
    } cas[] = {
        {{"absent.hex"}, "absent.hex: no such file"},
        {{"dossier.hex"}, "dossier.hex: is a directory, not a file"},
        {{"vide.hex"}, "vide.hex: is empty"},
        {{"texte.hex"}, "texte.hex: no valid Intel HEX record (3 lines read)"},
        {{"--piste", robot, hex}, robot + ": not a track file (root element <rombo>, expected <piste>)"},
        {{"--robot", piste, hex}, piste + ": not a robot file (root element <piste>, expected <rombo>)"},
        {{"--robot", "dossier.hex", hex}, "dossier.hex: is a directory, not a file"},
        {{"--script", "absent.txt", hex}, "absent.txt: no such file"},
        {{"--at", "5", "press", "BP4", hex}, "--at 5: press needs a button BP1, BP2 or BP3"},
        {{"--at", "-1", "power-on", hex}, "--at: bad time '-1' (milliseconds)"},
        {{"--bogus", hex}, "unknown option --bogus (--help for the options)"},
        {{hex, "--robot"}, "--robot needs a value"},
    };
    for (const auto& c : cas) {
        const Sortie cli = lanceCli(c.arguments, d);
        const Sortie fenetre = lance(TAVREX_FENETRE, c.arguments, d);
        const std::string quoi = c.arguments[0] + " " + c.arguments.back();
        EXPECT_EQ(cli.code, 2) << quoi;
        EXPECT_EQ(fenetre.code, 2) << quoi;
        EXPECT_EQ(lignesDe("tavrex-cli", cli.erreurs), std::vector<std::string>{c.ligne}) << cli.erreurs;
        EXPECT_EQ(lignesDe("tavrex", fenetre.erreurs), std::vector<std::string>{c.ligne}) << fenetre.erreurs;
    }
    fs::remove_all(d);
}

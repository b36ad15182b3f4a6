// Grading with the runner's --check: every kind of expectation passing and failing,
// intervals measured on the pins' edges and the robot's steps, symbols, several
// programs in one run, the reports, and bad check files.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "lanceur.h"

namespace {

class Check : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    std::string chemin(const std::string& nom) const { return dir.filePath(QString::fromStdString(nom)).toStdString(); }

    std::string ecrit(const std::string& nom, const std::string& contenu) const
    {
        std::ofstream(chemin(nom)) << contenu;
        return chemin(nom);
    }

    static std::vector<std::string> lignes(const std::string& texte)
    {
        std::vector<std::string> l;
        std::istringstream in(texte);
        for (std::string s; std::getline(in, s);)
            l.push_back(s);
        return l;
    }

    // Each expectation of `check` ends in "# pass" or "# FAIL": the verdict the
    // runner must give it, in the same order.
    static void verdictsAttendus(const std::string& check, const std::string& sortie)
    {
        std::vector<std::string> attendus;
        for (const std::string& l : lignes(check))
            if (l.find(" expect ") != std::string::npos)
                attendus.push_back(l.substr(l.rfind("# ") + 2));
        std::vector<std::string> obtenus;
        for (const std::string& l : lignes(sortie))
            if (l.rfind("pass ", 0) == 0 || l.rfind("FAIL ", 0) == 0)
                obtenus.push_back(l);
        ASSERT_EQ(obtenus.size(), attendus.size()) << sortie;
        for (size_t i = 0; i < attendus.size(); ++i)
            EXPECT_EQ(obtenus[i].substr(0, 4), attendus[i]) << obtenus[i];
    }

    static std::string hex(const std::string& nom) { return std::string(TAVREX_TEST_HEX_DIR) + "/" + nom + ".hex"; }
    static std::string exemple(const std::string& nom) { return std::string(TAVREX_EXAMPLES_DIR) + "/" + nom; }
    static std::string source(const std::string& nom) { return std::string(TAVREX_EXAMPLES_SRC_DIR) + "/" + nom; }

    QTemporaryDir dir;
};

// check_pwm: 25 % on RC2 for 100 periods (34.1 ms), then 75 %, the LED lit, W =
// 0x42, stopped on `fin`; the LCD never initialised.
const char* const checkBoard = R"(
10      expect led off                  # pass
10      expect led on                   # FAIL
50      expect led 15..21 mA            # pass
50      expect led < 1 mA               # FAIL
50      expect lcd 0 "################" # pass
50      expect lcd 0 "Bonjour"          # FAIL
50      expect lcd 1 ""                 # pass
50      expect lcd 1 ~ "x"              # FAIL
50      expect pin RA6 high             # pass
10      expect pin RA6 high             # FAIL
50      expect pin RA6 4.5..5 V         # pass
10      expect pin RA6 >= 1 V           # FAIL
50      expect ram periodes == 100      # pass
50      expect ram 0x020 != 0x64        # FAIL
50      expect w == 0x42                # pass
50      expect w > 0x42                 # FAIL
50      expect pc == fin                # pass
10      expect pc == fin                # FAIL
5..30   expect pwm RC2 duty 24..26 %    # pass
5..30   expect pwm RC2 period 341..342 us # pass
20..60  expect pwm RC2 duty 24..26 %    # FAIL
20..60  expect pwm RC2 duty 20..80 %    # pass
40..80  expect pwm RC2 duty 74..76 %    # pass
40..80  expect pwm RC2 period < 0.3 ms  # FAIL
0.1..0.2 expect pwm RC1 duty == 0 %     # pass
50      expect fdc released             # pass
50      expect fdc pressed              # FAIL
50      expect robot near 0,0 <= 1 mm   # pass
50      expect robot near 100,0 < 50 mm # FAIL
)";

TEST_F(Check, EveryKindPassesAndFailsOnTheBoard)
{
    const std::string check = ecrit("carte.chk", checkBoard);
    const Sortie s = lanceCli({"--check", check, hex("check_pwm")});
    EXPECT_EQ(s.code, 1) << s.erreurs;
    verdictsAttendus(checkBoard, s.texte);
    EXPECT_NE(s.texte.find(": 50 ms lcd 0: expected \"Bonjour\", found \"################\"\n"), std::string::npos)
        << s.texte;
    // The duty changed inside the interval: each whole period is one or the other.
    EXPECT_NE(s.texte.find("20..60 ms pwm RC2 duty: expected 24..26 %, found 25.0..75.0 % over "), std::string::npos)
        << s.texte;
    EXPECT_NE(s.texte.find("found 0 % (no edge, low throughout)"), std::string::npos) << s.texte;
    EXPECT_EQ(lignes(s.texte).back(), "16 passed, 13 failed");
}

TEST_F(Check, TheExamplesPass)
{
    const Sortie demo = lanceCli({"--check", source("demo.chk"), exemple("demo.hex")});
    EXPECT_EQ(demo.code, 0) << demo.texte << demo.erreurs;
    EXPECT_EQ(demo.texte.find("FAIL"), std::string::npos) << demo.texte;

    const Sortie suiveur = lanceCli({"--check", source("suiveur.chk"), "--piste", source("piste001.pis"), "--robot",
                                     source("rombo001.rbo"), exemple("suiveur.hex")});
    EXPECT_EQ(suiveur.code, 0) << suiveur.texte << suiveur.erreurs;
    EXPECT_NE(suiveur.texte.find("robot tape: expected <= 25 mm, found "), std::string::npos) << suiveur.texte;
    EXPECT_EQ(lignes(suiveur.texte).back(), "11 passed, 0 failed");

    // The check asks for the silicon mode; the default mode's chip never vectors.
    const Sortie interruptions = lanceCli({"--check", source("interruptions.chk"), exemple("interruptions.hex")});
    EXPECT_EQ(interruptions.code, 0) << interruptions.texte << interruptions.erreurs;
    EXPECT_EQ(lignes(interruptions.texte).back(), "9 passed, 0 failed");
    const std::string sansMode = ecrit("sans.chk", "600 expect lcd 0 \"Temps   0000.0 s\"\n");
    EXPECT_EQ(lanceCli({"--check", sansMode, exemple("interruptions.hex")}).code, 0);
}

// The robot standing still off the line, then over the gap of the example circuit.
TEST_F(Check, RobotTapeMeasuredOnTheStepsAndGapsLeftOut)
{
    const std::string check = ecrit("robot.chk", "0..20 expect robot tape <= 25 mm\n"
                                                 "0..20 expect robot tape 29..31 mm\n"
                                                 "20 expect robot near 0,30 < 1 mm\n");
    const auto avecPose = [&](const std::string& pose) {
        return lanceCli({"--check", check, "--piste", source("piste001.pis"), "--robot", source("rombo001.rbo"),
                         exemple("suiveur.hex"), "--pose", pose});
    };
    Sortie s = avecPose("0,30,0");
    EXPECT_EQ(s.code, 1);
    EXPECT_NE(s.texte.find("FAIL " + exemple("suiveur.hex") +
                           ": 0..20 ms robot tape: expected <= 25 mm, found 30.0 mm\n"),
              std::string::npos)
        << s.texte;
    EXPECT_EQ(lignes(s.texte).back(), "2 passed, 1 failed");
    // The front point 120 mm ahead, over the gap from x = 1200 to 1280.
    s = avecPose("1120,0,0");
    EXPECT_NE(s.texte.find("robot tape: expected <= 25 mm, found the front point never beside the tape"),
              std::string::npos)
        << s.texte;
}

// Symbols from the listing beside the HEX file or given; two programs in one run,
// each from power-on; the JUnit report read back; TAP.
TEST_F(Check, SymbolsSeveralProgramsAndReports)
{
    const std::string check = ecrit("deux.chk", "0 pot 2.0\n"
                                                "100 expect lcd 0 \"Bonjour tavrex !\"\n"
                                                "100 expect pc == fin\n");
    // A copy of check_pwm without its listing.
    QFile::copy(QString::fromStdString(hex("check_pwm")), QString::fromStdString(chemin("seul.hex")));
    Sortie s = lanceCli({"--check", check, chemin("seul.hex")});
    EXPECT_EQ(s.code, 2);
    EXPECT_NE(s.erreurs.find("seul.lst"), std::string::npos) << s.erreurs;

    const std::string junit = chemin("rapport.xml");
    s = lanceCli({"--check", check, "--symbols", TAVREX_TEST_HEX_DIR "/check_pwm.lst", "--junit", junit,
                  exemple("demo.hex"), chemin("seul.hex")});
    EXPECT_EQ(s.code, 1) << s.erreurs;
    // demo.hex shows its greeting, but has no `fin` there; the second program never
    // writes the LCD: nothing of the first run remains.
    const std::vector<std::string> l = lignes(s.texte);
    ASSERT_EQ(l.size(), 5u) << s.texte;
    EXPECT_EQ(l[0].substr(0, 4), "pass");
    EXPECT_EQ(l[1].substr(0, 4), "FAIL");
    EXPECT_EQ(l[2], "FAIL " + chemin("seul.hex") +
                        ": 100 ms lcd 0: expected \"Bonjour tavrex !\", found \"################\"");
    EXPECT_EQ(l[3].substr(0, 4), "pass");
    EXPECT_EQ(l[4], "2 passed, 2 failed");

    QFile f(QString::fromStdString(junit));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QXmlStreamReader x(&f);
    std::vector<std::pair<int, int>> suites;   // tests, failures
    int cas = 0, echecs = 0;
    std::string premierEchec;
    while (!x.atEnd()) {
        if (x.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (x.name() == QLatin1String("testsuites")) {
            EXPECT_EQ(x.attributes().value(QLatin1String("tests")).toInt(), 4);
            EXPECT_EQ(x.attributes().value(QLatin1String("failures")).toInt(), 2);
        } else if (x.name() == QLatin1String("testsuite")) {
            suites.emplace_back(x.attributes().value(QLatin1String("tests")).toInt(),
                                x.attributes().value(QLatin1String("failures")).toInt());
        } else if (x.name() == QLatin1String("testcase")) {
            ++cas;
        } else if (x.name() == QLatin1String("failure")) {
            if (echecs++ == 0)
                premierEchec = x.attributes().value(QLatin1String("message")).toString().toStdString();
        }
    }
    EXPECT_FALSE(x.hasError()) << x.errorString().toStdString();
    EXPECT_EQ(suites, (std::vector<std::pair<int, int>>{{2, 1}, {2, 1}}));
    EXPECT_EQ(cas, 4);
    EXPECT_EQ(echecs, 2);
    EXPECT_EQ(premierEchec, l[1].substr(5 + exemple("demo.hex").size() + 2));

    s = lanceCli({"--check", check, "--tap", "--symbols", TAVREX_TEST_HEX_DIR "/check_pwm.lst", hex("check_pwm")});
    const std::vector<std::string> t = lignes(s.texte);
    ASSERT_EQ(t.size(), 5u) << s.texte;
    EXPECT_EQ(t[0], "TAP version 13");
    EXPECT_EQ(t[1], "1..2");
    EXPECT_EQ(t[2].rfind("not ok 1 - ", 0), 0u) << t[2];
    EXPECT_EQ(t[3].rfind("ok 2 - ", 0), 0u) << t[3];
    EXPECT_EQ(t[4], "# 1 passed, 1 failed");
}

// The report and the errors say what was read and what could have been: the word,
// its object, the keyword and the value's first words, as each kind is written.
TEST_F(Check, ReportsAndErrorsFollowHowEachKindIsWritten)
{
    const Sortie s = lanceCli({"--check", ecrit("carte.chk", checkBoard), hex("check_pwm")});
    for (const char* debut : {": 50 ms lcd 1: expected a line containing \"x\", found \"",
                              ": 40..80 ms pwm RC2 period: expected < 0.3 ms, found 341.",
                              ": 50 ms robot near 100,0: expected < 50 mm, found 99.5 mm (robot at ",
                              ": 50 ms ram 0x020: expected != 0x64, found 0x64 (100)\n",
                              ": 10 ms pin RA6: expected high, found low (",
                              ": 50 ms fdc: expected pressed, found released\n"})
        EXPECT_NE(s.texte.find(debut), std::string::npos) << debut << "\n" << s.texte;

    const std::pair<const char*, const char*> erreurs[] = {
        {"10 expect lamp on", "unknown expectation 'lamp' (led, lcd, pin, ram, w, pc, pwm, robot, fdc)"},
        {"10 expect", "expect what? (led, lcd, pin, ram, w, pc, pwm, robot, fdc)"},
        {"10..20 expect pwm RC2 wave", "expected duty or period after the pin"},
        {"10 expect robot", "expected tape or near after robot"},
        {"10 expect robot near 1;2 < 3 mm", "expected X,Y in mm after near"},
        {"10 expect fdc closed", "expected pressed or released after fdc"},
        {"10 expect ram == 1", "expected an address or a symbol after ram"},
        {"10..20 expect pwm RC2 period < 3 s", "expected the unit us, not 's'"},
        {"10 expect led == 1 A", "expected the unit mA, not 'A'"},
        {"10 expect lcd 1 ~ x", "expected the text between double quotes"},
        {"10 expect robot near 1,2 < 3 mm cm", "unexpected 'cm' after the expectation"},
        {"10 expect robot tape < 3 mm", "robot tape is measured over an interval: give T1..T2"},
        {"10..20 expect robot near 1,2 < 3 mm", "robot near 1,2 is checked at one time, not over an interval"},
    };
    for (const auto& [ligne, message] : erreurs) {
        const std::string check = ecrit("mauvais.chk", std::string(ligne) + "\n");
        EXPECT_EQ(lanceCli({"--check", check, hex("check_pwm")}).erreurs,
                  "tavrex-cli: " + check + ":1: " + message + "\n");
    }
}

TEST_F(Check, BadCheckFilesAndOptionsAreErrors)
{
    // Two good lines, then the bad one: the message names line 3.
    const std::vector<std::string> mauvaises = {
        "abc expect led on",
        "10 expect led",
        "10 expect led 1..2",
        "10 expect led 3..1 mA",
        "10..20 press BP1",
        "10 push BP1",
        "10 expect lamp on",
        "10 expect",
        "10 expect lcd 2 \"x\"",
        "10 expect lcd 0 Bonjour",
        "10 expect lcd 0 \"12345678901234567\"",
        "10 expect lcd 0 \"open",
        "10 expect pin RC3 high",
        "10 expect ram 0x1000 == 1",
        "10 expect ram 0x20 == 1.5",
        "10 expect w == 1 extra",
        "10 expect pwm RC2 duty 10..20 %",
        "10..20 expect led on",
        "20..10 expect pwm RC2 duty 10..20 %",
        "10 expect robot near 1 <= 2 mm",
        "10 expect fdc closed",
        "10 expect ram nulle_part == 1",
    };
    for (const std::string& m : mauvaises) {
        const std::string check = ecrit("mauvais.chk", "0 pot 1\n5 expect led off # \"quoted\" comment\n" + m + "\n");
        const Sortie s = lanceCli({"--check", check, hex("check_pwm")});
        EXPECT_EQ(s.code, 2) << m;
        EXPECT_EQ(s.erreurs.rfind("tavrex-cli: " + check + ":3: ", 0), 0u) << m << "\n" << s.erreurs;
        EXPECT_EQ(lignes(s.erreurs).size(), 1u) << s.erreurs;
        EXPECT_TRUE(s.texte.empty()) << m << "\n" << s.texte;
    }
    const std::string bon = ecrit("bon.chk", "10 expect led off\n");
    const std::string sansAttente = ecrit("vide.chk", "# nothing\n10 press BP1\n");
    const std::string tape = ecrit("tape.chk", "0..10 expect robot tape <= 1 mm\n");
    const std::vector<std::vector<std::string>> fausses = {
        {"--check", sansAttente, hex("check_pwm")},
        {"--check", tape, hex("check_pwm")},
        {"--check", bon, hex("check_pwm"), chemin("absent.hex")},
        {"--check", bon, "--vcd", chemin("x.vcd"), hex("check_pwm")},
        {"--check", bon, "--junit", chemin("absent/r.xml"), hex("check_pwm")},
        {"--junit", chemin("r.xml"), "--ms", "1", hex("check_pwm")},
        {"--check", chemin("absent.chk"), hex("check_pwm")}};
    for (const std::vector<std::string>& arguments : fausses) {
        const Sortie s = lanceCli(arguments);
        const std::string quoi = testing::PrintToString(arguments);
        EXPECT_EQ(s.code, 2) << quoi;
        EXPECT_EQ(lignes(s.erreurs).size(), 1u) << quoi << "\n" << s.erreurs;
        EXPECT_TRUE(s.texte.empty()) << quoi << "\n" << s.texte;
    }
}

}  // namespace

// The board end to end: the demo program and small LCD programs run on the model or
// through tavrex-cli; the LCD controller's initialisation and addressing; reset and
// power; the board's devices and contacts, the pin wiring rules; the runner's
// options (actions in time, scripts, trace, VCD).

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "harness.h"
#include "lanceur.h"
#include "modele.h"

namespace {

using DM = DataMemory;

const std::string demo = std::string(TAVREX_EXAMPLES_DIR) + "/demo.hex";

// --- The model, driven as the main window drives it ----------------------------------

std::unique_ptr<Modele> carte(const std::string& hex)
{
    auto m = std::make_unique<Modele>();
    m->getProcesseur()->readFromHex(hex.c_str());
    m->powerOn();
    return m;
}

// One LCD line as the runner prints it: '#' for the full block.
std::string ligne(Modele& m, int y)
{
    std::string s;
    for (int x = 0; x < 16; ++x) {
        const int c = m.getLcd()->getAscii(x, y);
        s += c == 255 ? '#' : static_cast<char>(c);
    }
    return s;
}

// --- The runner ------------------------------------------------------------------------

std::string fichierTemp(const std::string& suffixe)
{
    static int n = 0;
    return testing::TempDir() + "carte_" + std::to_string(getpid()) + "_" + std::to_string(n++) + suffixe;
}

std::vector<std::string> lignes(const std::string& texte)
{
    std::vector<std::string> l;
    std::istringstream in(texte);
    for (std::string s; std::getline(in, s);)
        l.push_back(s);
    return l;
}

// The two LCD lines of --lcd, without their bars.
std::vector<std::string> lcdDe(const std::string& sortie)
{
    std::vector<std::string> l;
    for (const std::string& s : lignes(sortie))
        if (s.size() == 18 && s.front() == '|' && s.back() == '|')
            l.push_back(s.substr(1, 16));
    return l;
}

// A byte of the --dump listing; -1 when absent.
int octetDe(const std::string& sortie, int adr)
{
    char entete[8];
    std::snprintf(entete, sizeof entete, "%03x:", adr & ~0xF);
    for (const std::string& s : lignes(sortie))
        if (s.rfind(entete, 0) == 0) {
            unsigned v;
            if (std::sscanf(s.c_str() + 4 + 3 * (adr & 0xF), " %2x", &v) == 1)
                return static_cast<int>(v);
        }
    return -1;
}

double ledDe(const std::string& sortie)
{
    for (const std::string& s : lignes(sortie)) {
        double ma;
        if (std::sscanf(s.c_str(), "led %lf mA", &ma) == 1)
            return ma;
    }
    return -1.0;
}

// A Value Change Dump read back: the changes of each variable, by name, after
// checking its structure.
struct Vcd
{
    std::string erreur;
    std::map<std::string, std::vector<std::pair<uint64_t, std::string>>> changements;

    // Times of the changes of a 1-bit signal to `niveau`, at or after `depuis`.
    std::vector<uint64_t> fronts(const std::string& nom, const std::string& niveau, uint64_t depuis = 0) const
    {
        std::vector<uint64_t> t;
        const auto it = changements.find(nom);
        if (it != changements.end())
            for (const auto& c : it->second)
                if (c.second == niveau && c.first >= depuis)
                    t.push_back(c.first);
        return t;
    }
};

Vcd litVcd(const std::string& chemin)
{
    Vcd v;
    std::ifstream in(chemin);
    std::map<std::string, std::string> noms;
    bool corps = false, nanosecondes = false;
    uint64_t instant = 0;
    bool horodate = false;
    for (std::string s; std::getline(in, s);) {
        std::istringstream l(s);
        std::vector<std::string> m;
        for (std::string w; l >> w;)
            m.push_back(w);
        if (m.empty())
            continue;
        if (!corps) {
            if (m[0] == "$timescale")
                nanosecondes = m.size() == 4 && m[1] == "1" && m[2] == "ns";
            else if (m[0] == "$var" && m.size() == 6 && m[5] == "$end")
                noms[m[3]] = m[4];
            else if (m[0] == "$enddefinitions")
                corps = true;
            continue;
        }
        if (m[0][0] == '#') {
            const uint64_t t = std::stoull(m[0].substr(1));
            if (horodate && t <= instant)
                v.erreur = "time not increasing: " + s;
            instant = t;
            horodate = true;
        } else if (m[0] == "$dumpvars" || m[0] == "$end") {
        } else {
            std::string id, valeur;
            if (m[0][0] == 'r' && m.size() == 2) {
                valeur = m[0].substr(1);
                id = m[1];
            } else if ((m[0][0] == '0' || m[0][0] == '1') && m.size() == 1) {
                valeur = m[0].substr(0, 1);
                id = m[0].substr(1);
            }
            if (!horodate || !noms.count(id))
                v.erreur = "bad value change: " + s;
            else
                v.changements[noms[id]].push_back({instant, valeur});
        }
    }
    if (!corps || !nanosecondes)
        v.erreur = "incomplete header";
    return v;
}

// --- The demo -----------------------------------------------------------------------------

// 10-bit code = pot x 1024 / 5 truncated; shown as round(code x 500 / 1024) hundredths
// of a volt; PWM1 duty = the code: CCPR1L its 8 upper bits, CCP1CON bits 5:4 the lower.
TEST(BoardDemo, GreetingVoltageAndDutyCycleFollowThePotentiometer)
{
    struct Cas
    {
        const char* pot;
        const char* ligne1;
        int ccpr1l, ccp1con;
    };
    const Cas cas[] = {
        {"0", "AN0 = 0.00 V    ", 0x00, 0x0C},    // code 0
        {"1", "AN0 = 1.00 V    ", 0x33, 0x0C},    // code 204: 99.6 hundredths
        {"2.5", "AN0 = 2.50 V    ", 0x80, 0x0C},  // code 512
        {"3.3", "AN0 = 3.30 V    ", 0xA8, 0x3C},  // code 675: 329.6
        {"4.2", "AN0 = 4.20 V    ", 0xD7, 0x0C},  // code 860: 419.9
        {"5", "AN0 = 5.00 V    ", 0xFF, 0x3C},    // code 1023: 499.5
    };
    for (const Cas& c : cas) {
        const Sortie r = lanceCli({"--ms", "60", "--at", "0", "pot " + std::string(c.pot), "--lcd", "--dump", demo});
        ASSERT_EQ(r.code, 0) << r.erreurs;
        EXPECT_EQ(lcdDe(r.texte), (std::vector<std::string>{"Bonjour tavrex !", c.ligne1})) << c.pot;
        EXPECT_EQ(octetDe(r.texte, DM::CCPR1L), c.ccpr1l) << c.pot;
        EXPECT_EQ(octetDe(r.texte, DM::CCP1CON), c.ccp1con) << c.pot;
    }
    // The line follows a later move of the potentiometer.
    const Sortie r = lanceCli({"--ms", "80", "--at", "0", "pot 1", "--at", "60", "pot 4.2", "--lcd", demo});
    EXPECT_EQ(lcdDe(r.texte), (std::vector<std::string>{"Bonjour tavrex !", "AN0 = 4.20 V    "}));
}

TEST(BoardDemo, LedLitWhileBP1IsPressed)
{
    // 5 V through 1 ohm against 1.5 V through 175 ohm: 4.980 V on the pin.
    const double allumee = ((175.0 * 5.0 + 1.5) / 176.0 - 1.5) / 175.0 * 1000.0;
    EXPECT_NEAR(allumee, 19.886, 1e-3);
    EXPECT_NEAR(ledDe(lanceCli({"--ms", "60", "--at", "40", "press BP1", "--led", demo}).texte), allumee, 0.01);
    EXPECT_NEAR(ledDe(lanceCli({"--ms", "60", "--led", demo}).texte), 0.0, 0.005);
    EXPECT_NEAR(
        ledDe(lanceCli({"--ms", "60", "--at", "40", "press BP1", "--at", "50", "release BP1", "--led", demo}).texte),
        0.0, 0.005);
    EXPECT_NEAR(
        ledDe(lanceCli({"--ms", "60", "--at", "40", "press BP2", "--at", "40", "press BP3", "--led", demo}).texte),
        0.0, 0.005);
}

TEST(BoardDemo, Pwm1SignalOnRC2)
{
    const std::string vcd = fichierTemp(".vcd");
    const Sortie r = lanceCli({"--ms", "60", "--at", "0", "pot 2.5", "--vcd", vcd, demo});
    ASSERT_EQ(r.code, 0) << r.erreurs;
    const Vcd v = litVcd(vcd);
    std::remove(vcd.c_str());
    ASSERT_EQ(v.erreur, "");
    // Period 256 x 4 x 16 ticks = 341,333.3 ns; duty 512 x 16 ticks = 170,666.7 ns.
    const std::vector<uint64_t> hauts = v.fronts("RC2", "1", 1000000), bas = v.fronts("RC2", "0", 1000000);
    ASSERT_GE(hauts.size(), 10u);
    ASSERT_GE(bas.size(), 10u);
    for (size_t i = 0; i + 1 < hauts.size(); ++i) {
        EXPECT_NEAR(static_cast<double>(hauts[i + 1] - hauts[i]), 341333.3, 1.0);
        EXPECT_NEAR(static_cast<double>(bas[i] - hauts[i]), 170666.7, 1.0);
    }
}

// --- LCD controller ----------------------------------------------------------------------

TEST(LcdInit, NibbleTooEarlyIgnoredAndTheRetriedSequenceSucceeds)
{
    auto m = carte(cheminHex("lcd_init_reprise"));
    LcdScreen& lcd = *m->getLcd();
    EXPECT_EQ(ligne(*m, 0), "################");
    EXPECT_EQ(ligne(*m, 1), "                ");
    while (ram(*m, 0x20) == 0)
        m->pas();
    avance(*m, 1);   // the 3 at about 5 ms: still waiting for the first one
    EXPECT_EQ(lcd.getEtat(), LcdScreen::EtatReset);
    avance(*m, 60);
    EXPECT_EQ(ram(*m, 0x20), 2);
    EXPECT_EQ(lcd.getEtat(), LcdScreen::EtatInterface4bits);
    EXPECT_EQ(ligne(*m, 0), "OK              ");
}

TEST(LcdInit, QuietRunsStepTheControllerLikeSingleSteps)
{
    // executeJusqua() counts the LCD steps of quiet runs at once while E rests: the
    // controller must go through the same states and show the same text, at the same
    // instants, as with one step per instruction.
    for (const char* nom : {"lcd_adresses", "lcd_busy", "lcd_init_reprise"}) {
        SCOPED_TRACE(nom);
        auto a = carte(cheminHex(nom));
        auto b = carte(cheminHex(nom));
        for (int ms = 1; ms <= 80; ++ms) {
            const uint64_t fin = static_cast<uint64_t>(ms) * ticksParMs;
            a->executeJusqua(fin);
            while (b->time() < fin)
                b->pas();
            ASSERT_EQ(a->time(), b->time());
            ASSERT_EQ(a->getLcd()->getEtat(), b->getLcd()->getEtat()) << ms << " ms";
            ASSERT_EQ(a->getLcd()->getTime(), b->getLcd()->getTime()) << ms << " ms";
            ASSERT_EQ(ligne(*a, 0), ligne(*b, 0)) << ms << " ms";
            ASSERT_EQ(ligne(*a, 1), ligne(*b, 1)) << ms << " ms";
        }
        for (Word adr = 0; adr < 0x800; ++adr)
            ASSERT_EQ(ram(*a, adr), ram(*b, adr)) << "address " << adr;
    }
}

TEST(LcdInit, SequenceTooEarlyWithoutRetryNeverCompletes)
{
    auto m = carte(cheminHex("lcd_init_tot"));
    avance(*m, 60);
    EXPECT_EQ(ram(*m, 0x20), 1);   // the program got as far as writing "OK"
    EXPECT_EQ(m->getLcd()->getEtat(), LcdScreen::EtatReset);
    EXPECT_EQ(ligne(*m, 0), "################");
    EXPECT_EQ(ligne(*m, 1), "                ");
}

// The program's comments give the sequence; the lines show where each write went.
TEST(LcdAddresses, SeventeenthCharacterWrapAroundAndCursorCommands)
{
    auto m = carte(cheminHex("lcd_adresses"));
    avance(*m, 60);
    ASSERT_EQ(ram(*m, 0x22), 1);
    EXPECT_EQ(ligne(*m, 0), "awvuEFGHIJKLMNOP");
    EXPECT_EQ(ligne(*m, 1), "0123456789:;<=>?");
    EXPECT_EQ(m->getLcd()->getAdresse(), 0x69);   // 41 writes from 0x40
}

TEST(LcdRead, BusyFlagAndDataReadAsZero)
{
    auto m = carte(cheminHex("lcd_busy"));
    avance(*m, 60);
    ASSERT_EQ(ram(*m, 0x3A), 1);
    // E = 1, RW = 1, RS as set; D4..D7 driven low by the module (floating, they
    // would read at random).
    for (Word a = 0x30; a < 0x38; ++a)
        EXPECT_EQ(ram(*m, a), 0x05) << a;
    EXPECT_EQ(ram(*m, 0x38), 0x07);
    EXPECT_EQ(ram(*m, 0x39), 0x07);
    // The reads did not count as nibbles of a write.
    EXPECT_EQ(ligne(*m, 0), "OK              ");
}

TEST(LcdDisplay, OpacityFollowsContrastAndPower)
{
    Modele m;
    LcdScreen& lcd = *m.getLcd();
    std::vector<double> opacites;
    QObject::connect(&lcd, &LcdScreen::setOpacity, [&](double o) { opacites.push_back(o); });
    lcd.setContraste(255);
    m.powerOn();
    lcd.setContraste(0x133);   // kept to 8 bits
    m.powerOff();
    EXPECT_EQ(opacites, (std::vector<double>{0.0, 1.0, 0x33 / 255.0, 0.0}));
    EXPECT_EQ(lcd.getContraste(), 0x33);
}

// --- Reset and power ------------------------------------------------------------------------

TEST(RunnerBoard, ResetHoldsTheBoardAndRestartsIt)
{
    const std::string prog = cheminHex("carte_entrees");
    auto tours = [](const Sortie& r) {
        return octetDe(r.texte, 0x24) | octetDe(r.texte, 0x25) << 8 | octetDe(r.texte, 0x26) << 16;
    };
    const int en10ms = tours(lanceCli({"--ms", "10", "--dump", prog}));
    EXPECT_GT(en10ms, 10000);
    // Held: the reset cleared the RAM and nothing has run since.
    EXPECT_EQ(tours(lanceCli({"--ms", "30", "--at", "20", "reset-press", "--dump", prog})), 0);
    // Released at 20 ms: 10 ms of a fresh start.
    EXPECT_EQ(
        tours(lanceCli({"--ms", "30", "--at", "5", "reset-press", "--at", "20", "reset-release", "--dump", prog})),
        en10ms);

    // The demo: its text stays while held and after the release, until the program
    // (restarted, waiting for the LCD) writes again.
    auto texte = [](std::vector<std::string> arguments) {
        arguments.insert(arguments.end(), {"--at", "0", "pot 1", "--at", "70", "reset-press", "--at", "75", "pot 4.2",
                                           "--lcd", demo});
        return lcdDe(lanceCli(arguments).texte);
    };
    const std::vector<std::string> avant{"Bonjour tavrex !", "AN0 = 1.00 V    "};
    EXPECT_EQ(texte({"--ms", "90"}), avant);
    EXPECT_EQ(texte({"--ms", "90", "--at", "80", "reset-release"}), avant);
    EXPECT_EQ(texte({"--ms", "150", "--at", "80", "reset-release"}),
              (std::vector<std::string>{"Bonjour tavrex !", "AN0 = 4.20 V    "}));
}

TEST(BoardReset, LcdReturnsToInitialisationKeepingItsText)
{
    auto m = carte(demo);
    int allumages = 0, coupures = 0;
    QObject::connect(m.get(), &Modele::setPowerOn, [&] { ++allumages; });
    QObject::connect(m.get(), &Modele::setPowerOff, [&] { ++coupures; });
    avance(*m, 60);
    ASSERT_EQ(m->getLcd()->getEtat(), LcdScreen::EtatInterface4bits);
    m->appuyeReset();
    EXPECT_EQ(coupures, 1);
    EXPECT_EQ(m->getLcd()->getEtat(), LcdScreen::EtatReset);
    EXPECT_EQ(m->getProcesseur()->getDM()->getPC(), 0u);
    EXPECT_EQ(ligne(*m, 0), "Bonjour tavrex !");
    m->relacheReset();
    EXPECT_EQ(allumages, 1);
    EXPECT_EQ(coupures, 1);
    EXPECT_EQ(m->getLcd()->getEtat(), LcdScreen::EtatReset);
    // The controller's time ran on: the restarted program's first 3 is taken at once.
    avance(*m, 60);
    EXPECT_EQ(m->getLcd()->getEtat(), LcdScreen::EtatInterface4bits);
    EXPECT_EQ(ligne(*m, 0), "Bonjour tavrex !");
}

TEST(BoardReset, WithoutPowerNothingHappens)
{
    Modele m;
    int signaux = 0;
    QObject::connect(&m, &Modele::setPowerOn, [&] { ++signaux; });
    QObject::connect(&m, &Modele::setPowerOff, [&] { ++signaux; });
    m.appuyeReset();
    m.relacheReset();
    EXPECT_EQ(signaux, 0);
    EXPECT_FALSE(m.isPowered());
    EXPECT_EQ(m.getLcd()->getEtat(), LcdScreen::EtatOff);
}

TEST(RunnerBoard, PowerCutAndReturn)
{
    const Sortie coupee = lanceCli({"--ms", "60", "--at", "40", "power-off", "--lcd", demo});
    EXPECT_EQ(lcdDe(coupee.texte), (std::vector<std::string>{"                ", "                "}));
    // Back on: the module shows its uninitialised look while the program waits.
    const Sortie remise = lanceCli({"--ms", "60", "--at", "40", "power-off", "--at", "50", "power-on", "--lcd", demo});
    EXPECT_EQ(lcdDe(remise.texte), (std::vector<std::string>{"################", "                "}));
    const Sortie relance =
        lanceCli({"--ms", "120", "--at", "40", "power-off", "--at", "50", "power-on", "--lcd", demo});
    EXPECT_EQ(lcdDe(relance.texte), (std::vector<std::string>{"Bonjour tavrex !", "AN0 = 0.00 V    "}));
}

// --- Board devices and contacts --------------------------------------------------------------

TEST(BoardContacts, TableOfTheFourSchemes)
{
    struct Cas
    {
        bool pullUp, no, actif;
        double source, impedance;
    };
    const double r = 2200.0;
    const Cas cas[] = {
        {true, true, true, 0.0, 100.0},   {true, true, false, 5.0, r},
        {true, false, true, 5.0, r},      {true, false, false, 0.0, 100.0},
        {false, true, true, 5.0, 100.0},  {false, true, false, 0.0, r},
        {false, false, true, 0.0, r},     {false, false, false, 5.0, 100.0},
    };
    for (const Cas& c : cas) {
        ContactCNX k;
        c.actif ? k.active() : k.desactive();
        k.setResistance(r);
        k.setPullUp(c.pullUp);
        k.setContactNO(c.no);
        EXPECT_EQ(k.getValue(2.5), c.source) << c.pullUp << c.no << c.actif;
        EXPECT_EQ(k.getZ(), c.impedance) << c.pullUp << c.no << c.actif;
    }
}

TEST(BoardContacts, JackInsertedAndEndSwitchIdleAtStart)
{
    Modele m;
    ContactCNX& jack = *m.getJack();
    ContactFdcCNX& fdc = *m.getFdc();
    EXPECT_TRUE(jack.isActif());
    EXPECT_EQ(jack.getValue(2.5), 0.0);
    EXPECT_EQ(jack.getZ(), 100.0);
    EXPECT_EQ(jack.getPort(), nullptr);
    EXPECT_EQ(m.getJackPinIndex(), -1);
    // The switch keeps a fresh connection's neutral source, wired or not.
    EXPECT_EQ(fdc.getValue(0.0), 2.5);
    EXPECT_EQ(fdc.getZ(), 1e9);
    ASSERT_TRUE(m.fdcConnecte("RB1"));
    EXPECT_EQ(fdc.getZ(), 1e9);
    m.appuyeFdc();
    EXPECT_TRUE(m.isFdcForce());
    EXPECT_EQ(fdc.getValue(0.0), 0.0);
    EXPECT_EQ(fdc.getZ(), 100.0);
    m.relacheFdc();
    EXPECT_FALSE(m.isFdcForce());
    EXPECT_FALSE(fdc.isActif());
    EXPECT_EQ(fdc.getValue(0.0), 5.0);
    EXPECT_EQ(fdc.getZ(), 1000.0);
    m.retireJack(true);
    EXPECT_EQ(jack.getValue(0.0), 5.0);
    m.metJack(true);
    EXPECT_EQ(jack.getValue(0.0), 0.0);
}

TEST(BoardWiring, FreePinsAndWiringRules)
{
    Modele m;
    EXPECT_EQ(m.pinNameToIndex("RE2"), 13);
    EXPECT_EQ(m.pinNameToIndex("RA1"), 0);
    EXPECT_EQ(m.pinNameToIndex("RA0"), -1);   // the potentiometer's, not for the robot
    EXPECT_EQ(m.pinNameToIndex("RC3"), -1);
    EXPECT_EQ(m.getPinName(10), "RC2");
    EXPECT_EQ(m.getPinName(14), "");

    std::vector<QString> noms{"deja"};
    std::vector<int> index{99};
    m.getUnusedPins(noms, index);
    EXPECT_EQ(noms, (std::vector<QString>{"deja", "RA1", "RA2", "RA3", "RA4", "RA5", "RB0", "RB1", "RB2", "RC0",
                                          "RE0", "RE1", "RE2"}));
    EXPECT_EQ(index, (std::vector<int>{99, 0, 1, 2, 3, 4, 5, 6, 7, 8, 11, 12, 13}));

    PortB& portB = *m.getProcesseur()->getPortB();
    ContactCNX* jack = m.getJack();
    EXPECT_FALSE(m.jackConnecte("RC1"));   // a motor's
    EXPECT_EQ(m.getJackPinIndex(), -1);
    ASSERT_TRUE(m.jackConnecte("RB0"));
    EXPECT_EQ(m.getJackPinIndex(), 5);
    EXPECT_TRUE(m.getPin(5)->estUtilise());
    EXPECT_EQ(portB.getConnexion(0), jack);
    EXPECT_FALSE(m.jackConnecte(5));   // its own pin is in use too
    EXPECT_FALSE(m.fdcConnecte("RB0"));
    EXPECT_EQ(m.getFdcPinIndex(), -1);
    EXPECT_EQ(m.getJackPinIndex(), 5);

    ASSERT_TRUE(m.jackConnecte("RE2"));   // moves: the old pin is free again
    EXPECT_FALSE(m.getPin(5)->estUtilise());
    EXPECT_EQ(portB.getConnexion(0), nullptr);
    EXPECT_EQ(jack->getPort(), m.getProcesseur()->getPortE());
    EXPECT_EQ(jack->getPin(), 2);

    EXPECT_TRUE(m.jackConnecte(-1));
    EXPECT_EQ(m.getJackPinIndex(), -1);
    EXPECT_FALSE(m.getPin(13)->estUtilise());
    EXPECT_EQ(jack->getPort(), nullptr);
    EXPECT_EQ(m.getProcesseur()->getPortE()->getConnexion(2), nullptr);
    EXPECT_TRUE(m.jackDeconnecte());   // already unwired
    EXPECT_EQ(m.getJackPinIndex(), -1);
    noms.clear();
    index.clear();
    m.getUnusedPins(noms, index);
    EXPECT_EQ(noms.size(), 12u);
}

TEST(BoardButtons, LevelsReadByTheProgram)
{
    auto m = carte(cheminHex("carte_entrees"));
    auto portb = [&] {
        avance(*m, 0.05);
        return ram(*m, 0x20);
    };
    // RB3..RB5 released (5 V through 1000 ohm); RB0..RB2 have no device.
    EXPECT_EQ(portb(), 0x38);
    m->appuyeBP0();
    EXPECT_EQ(portb(), 0x30);
    m->appuyeBP2();
    EXPECT_EQ(portb(), 0x10);
    m->relacheBP0();
    m->appuyeBP1();
    EXPECT_EQ(portb(), 0x08);
    m->relacheBP1();
    m->relacheBP2();
    EXPECT_EQ(portb(), 0x38);
    // The jack on RB0: inserted, it pulls the pin low; out, the pull-up holds it high.
    ASSERT_TRUE(m->jackConnecte("RB0"));
    m->retireJack(true);
    EXPECT_EQ(portb(), 0x39);
    m->metJack(true);
    EXPECT_EQ(portb(), 0x38);
}

TEST(BoardPotentiometer, WiperSourceAndImpedance)
{
    Modele m;
    PotCNX& pot = *m.getPotAN0();
    EXPECT_EQ(pot.getValue(0.0), 0.0);
    EXPECT_EQ(pot.getZ(), 100.0);
    const double cas[][3] = {{0.0, 0.0, 100.0}, {1.0, 1.0, 260.0}, {2.5, 2.5, 350.0}, {5.0, 5.0, 100.0}};
    for (const auto& c : cas) {
        m.setPotAN0Value(c[0]);
        EXPECT_DOUBLE_EQ(pot.getValue(0.0), c[1]);
        EXPECT_DOUBLE_EQ(pot.getZ(), c[2]);
    }
}

TEST(BoardLed, CurrentFollowsThePin)
{
    Modele m;
    P18f4550& p = *m.getProcesseur();
    LedCNX& led = *m.getLedA6();
    std::vector<double> courants;
    QObject::connect(&led, &LedCNX::setCourant, [&](double i) { courants.push_back(i); });
    p.getDM()->write(DM::LATA, 0x40);
    p.getDM()->write(DM::TRISA, 0xBF);
    p.clock();
    EXPECT_NEAR(led.getVin(), 4.980, 0.001);
    EXPECT_NEAR(led.getCourant(), 0.019886, 1e-6);
    ASSERT_FALSE(courants.empty());
    EXPECT_EQ(courants.back(), led.getCourant());
    p.getDM()->write(DM::TRISA, 0xFF);   // input: 2.5 V behind 1e9 ohm
    p.clock();
    EXPECT_LT(led.getCourant(), 1e-8);
}

// The pin is evaluated at every change of port A: the LED's window hears only of a
// change of current.
TEST(BoardLed, SignalsOnlyAChangeOfCurrent)
{
    Modele m;
    P18f4550& p = *m.getProcesseur();
    int signaux = 0;
    QObject::connect(m.getLedA6(), &LedCNX::setCourant, [&](double) { ++signaux; });
    p.getDM()->write(DM::TRISA, 0xBF);
    for (int i = 0; i < 5; ++i) {
        p.getDM()->write(DM::LATA, 0x40);
        p.clock();
        p.getDM()->write(DM::LATA, 0x41);   // RA0 changes, RA6 stays high
        p.clock();
    }
    EXPECT_EQ(signaux, 1);
    p.getDM()->write(DM::LATA, 0x00);
    p.clock();
    EXPECT_EQ(signaux, 2);
    EXPECT_EQ(m.getLedA6()->getCourant(), 0.0);
}

// --- Simulation slices and the motion event ------------------------------------------------

TEST(BoardClock, SlicesOf10msAndAPoseEvery50ms)
{
    auto m = carte(cheminHex("carte_clignote"));
    std::vector<uint64_t> publications;
    QObject::connect(m.get(), &Modele::deplaceRombo,
                     [&](double, double, double) { publications.push_back(m->time()); });
    for (int i = 0; i < 3; ++i) {
        const uint64_t avant = m->time();
        const int n = m->clock();
        EXPECT_GE(static_cast<uint64_t>(n), 10 * ticksParMs);
        EXPECT_LT(static_cast<uint64_t>(n), 10 * ticksParMs + 8);
        EXPECT_EQ(m->time() - avant, static_cast<uint64_t>(n));
    }
    // Power again at 30 ms: the count of motion steps starts over.
    m->powerOn();
    const uint64_t debut = m->time();
    for (int i = 0; i < 11; ++i)
        m->clock();
    // Registered between two ticks, the first step comes at the end of the 48,001st
    // tick; each step then registers the next one 48,000 ticks on.
    ASSERT_EQ(publications.size(), 2u);
    EXPECT_EQ(publications[0] - debut, 50 * ticksParMs + 1);
    EXPECT_EQ(publications[1] - debut, 100 * ticksParMs + 1);
}

// --- Runner options ---------------------------------------------------------------------------

TEST(RunnerOptions, ActionAtTheFirstInstructionBoundaryAfterT)
{
    // In carte_clignote every instruction cycle is 4 ticks: boundaries at 4n ticks.
    // A button changes its pin at the boundary; the port takes it at the end of the
    // next tick: (boundary + 1) x 125 / 6 ns.
    const std::string vcd = fichierTemp(".vcd");
    const Sortie r = lanceCli({"--cycles", "2000", "--at", "0.1", "press BP1", "--at", "0.1000208333", "press BP2",
                               "--at", "0.1000833333", "press BP3", "--vcd", vcd, cheminHex("carte_clignote")});
    ASSERT_EQ(r.code, 0) << r.erreurs;
    const Vcd v = litVcd(vcd);
    std::remove(vcd.c_str());
    ASSERT_EQ(v.erreur, "");
    EXPECT_EQ(v.fronts("RB3", "0"), (std::vector<uint64_t>{100020}));   // T = 4800: tick 4801
    EXPECT_EQ(v.fronts("RB4", "0"), (std::vector<uint64_t>{100104}));   // T = 4801: tick 4805
    EXPECT_EQ(v.fronts("RB5", "0"), (std::vector<uint64_t>{100104}));   // T = 4804: tick 4805
}

TEST(RunnerOptions, VcdReadableWithTheEdgesOfRA6)
{
    const std::string vcd = fichierTemp(".vcd");
    const Sortie r = lanceCli({"--cycles", "1200", "--vcd", vcd, cheminHex("carte_clignote")});
    ASSERT_EQ(r.code, 0) << r.erreurs;
    const Vcd v = litVcd(vcd);
    std::remove(vcd.c_str());
    ASSERT_EQ(v.erreur, "");
    EXPECT_EQ(v.changements.count("V_RA0"), 1u);
    // The first BTG ends at tick 16; then one toggle every 12 cycles: 1 us.
    const std::vector<uint64_t> hauts = v.fronts("RA6", "1", 300), bas = v.fronts("RA6", "0", 300);
    ASSERT_EQ(hauts.size(), 50u);
    ASSERT_EQ(bas.size(), 50u);
    for (size_t i = 0; i < hauts.size(); ++i) {
        EXPECT_EQ(hauts[i], 333 + 2000 * i);
        EXPECT_EQ(bas[i], 1333 + 2000 * i);
    }
}

// The dump's time base is the run's: time spent held in reset counts, as it does
// for --at.
TEST(RunnerOptions, VcdCountsTheTimeSpentInReset)
{
    const std::string vcd = fichierTemp(".vcd");
    const Sortie r = lanceCli({"--ms", "1", "--at", "0.5", "reset-press", "--at", "0.7", "reset-release", "--at", "0.8",
                               "press BP1", "--vcd", vcd, cheminHex("carte_clignote")});
    ASSERT_EQ(r.code, 0) << r.erreurs;
    const Vcd v = litVcd(vcd);
    std::remove(vcd.c_str());
    ASSERT_EQ(v.erreur, "");
    EXPECT_EQ(v.fronts("RB3", "0"), (std::vector<uint64_t>{800020}));
    // Nothing toggles while held (from the program's first instructions after the
    // press to the release); the restarted program's first toggle ends at tick 16.
    int pendantReset = 0;
    for (const auto& c : v.changements.at("RA6"))
        pendantReset += c.first > 500200 && c.first < 700000;
    EXPECT_EQ(pendantReset, 0);
    const std::vector<uint64_t> hauts = v.fronts("RA6", "1", 700200);
    ASSERT_FALSE(hauts.empty());
    EXPECT_EQ(hauts.front(), 700333u);
}

TEST(RunnerOptions, ScriptAndAtInCommandLineOrder)
{
    const std::string script = fichierTemp(".txt");
    // The port as the program last read it.
    auto portb = [&](std::vector<std::string> arguments) {
        arguments.insert(arguments.end(), {"--ms", "2", "--dump", cheminHex("carte_entrees")});
        return octetDe(lanceCli(arguments).texte, 0x20);
    };
    std::ofstream(script) << "# BP2 at 1 ms\n\n  1 press BP2   # pressed\n0.5 press BP3\n";
    EXPECT_EQ(portb({"--script", script}), 0x08);
    // Same moment: the order of the command line decides.
    EXPECT_EQ(portb({"--script", script, "--at", "1", "release", "BP2"}), 0x18);
    EXPECT_EQ(portb({"--at", "1", "release", "BP2", "--script", script}), 0x08);
    // Later in time wins, whatever the order.
    EXPECT_EQ(portb({"--at", "1.5", "release", "BP2", "--script", script}), 0x18);
    std::remove(script.c_str());
}

TEST(RunnerOptions, FaultyScriptLineNamedAndStatus2)
{
    const std::string script = fichierTemp(".txt");
    const struct
    {
        const char* contenu;
        const char* attendu;
    } cas[] = {
        {"1 press BP1\n2 jump\n", ":2: unknown action 'jump'"},
        {"deux press BP1\n", ":1: bad time 'deux'"},
        {"# ok\n1 press BP1\n2 release BP4\n", ":3: release needs a button"},
        {"-1 press BP1\n", ":1: bad time '-1'"},
        {"1 pot 7\n", ":1: pot needs a voltage"},
    };
    for (const auto& c : cas) {
        std::ofstream(script) << c.contenu;
        const Sortie r = lanceCli({"--ms", "1", "--script", script, cheminHex("carte_entrees")});
        EXPECT_EQ(r.code, 2) << c.contenu;
        EXPECT_EQ(r.texte, "") << c.contenu;
        EXPECT_EQ(lignes(r.erreurs).size(), 1u) << r.erreurs;
        EXPECT_NE(r.erreurs.find(script + c.attendu), std::string::npos) << r.erreurs;
    }
    std::remove(script.c_str());
    const Sortie r = lanceCli({"--ms", "1", "--at", "1", "press BP0", cheminHex("carte_entrees")});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(lignes(r.erreurs).size(), 1u);
}

TEST(RunnerOptions, TraceOfNInstructions)
{
    const Sortie r = lanceCli({"--cycles", "1000", "--trace", "5", cheminHex("carte_clignote")});
    ASSERT_EQ(r.code, 0);
    const std::vector<std::string> l = lignes(r.texte);
    ASSERT_EQ(l.size(), 5u);
    // The start tick and address of each instruction: the pipeline's first NOP,
    // then the program.
    EXPECT_EQ(l[0].rfind("0 0x0000 NOP", 0), 0u) << l[0];
    EXPECT_EQ(l[1].rfind("4 0x0000 CLRF", 0), 0u) << l[1];
    EXPECT_EQ(l[2].rfind("8 0x0002 BCF", 0), 0u) << l[2];
    EXPECT_EQ(l[3].rfind("12 0x0004 BTG", 0), 0u) << l[3];
    EXPECT_EQ(l[4].rfind("16 0x0006 NOP", 0), 0u) << l[4];
    // Longer than the run: the run's own instructions only.
    EXPECT_EQ(lignes(lanceCli({"--cycles", "10", "--trace", "100", cheminHex("carte_clignote")}).texte).size(), 10u);
}

}  // namespace

// The debugger on the board's run: breakpoints stop exactly where an instruction-by-
// instruction walk says (inside loops passed in whole turns too), steps, a CALL stepped
// over through recursion, writes while paused, and runs paused and stepped at random
// ending as runs left alone.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>

#include "cadence.h"
#include "debogueur.h"
#include "harness.h"
#include "lanceur.h"
#include "preparation.h"
#include "seance.h"
#include "symboles.h"

namespace {

// The debugger's test program's variables (tests/asm/debogueur.asm).
constexpr Word compte = 0x20, copie = 0x21, indir = 0x22, attente = 0x24, impairs = 0x25, fonds = 0x26;

std::unique_ptr<Modele> carte(const std::string& hex, bool robot = false)
{
    DonneesCarte d;
    d.programme = hex;
    if (robot) {
        d.piste = TAVREX_EXAMPLES_SRC_DIR "/piste001.pis";
        d.robot = TAVREX_ROBOT_EXEMPLE;
    }
    std::string erreur, note;
    auto m = prepareCarte(d, erreur, note);
    EXPECT_TRUE(m) << erreur;
    return m;
}

// A board switched on, its run, and the debugger with the program's symbols.
struct Banc
{
    explicit Banc(const std::string& hex = cheminHex("debogueur"), bool robot = false)
        : m(carte(hex, robot)), s(*m), d(s, *m)
    {
        std::string erreur;
        if (symboles.lireAupresDe(hex, erreur))
            d.setSymboles(&symboles);
        QObject::connect(&d, &Debogueur::arrete, [this](const Debogueur::Arret& a) { arrets.push_back(a); });
        m->powerOn();
        s.demarre();
    }
    // Runs until a stop or the run's clock reaches `fin`: whether it stopped.
    bool court(uint64_t fin = 50 * ticksParMs)
    {
        s.avanceJusqua(fin);
        return s.enPause();
    }
    DWord pc() const { return m->getProcesseur()->getFetchPC(); }
    Byte octet(Word a) const { return ram(*m, a); }

    std::unique_ptr<Modele> m;
    Seance s;
    Debogueur d;
    Symboles symboles;
    std::vector<Debogueur::Arret> arrets;
};

// Instruction by instruction on a board of its own: each boundary's next address and
// chip time since power-on.
struct Borne
{
    DWord pc;
    uint64_t ticks;
};
std::vector<Borne> trajet(const std::string& hex, size_t n)
{
    auto m = carte(hex);
    m->powerOn();
    P18f4550& p = *m->getProcesseur();
    const uint64_t t0 = m->time();
    std::vector<Borne> bornes;
    while (bornes.size() < n) {
        bornes.push_back({p.getFetchPC(), m->time() - t0});
        m->pas();
        while (p.entreDeuxCycles())
            m->pas();
    }
    return bornes;
}

// The nth boundary (1: the first) before the instruction at `pc`.
Borne arriveeNumero(const std::vector<Borne>& bornes, DWord pc, int n)
{
    for (const Borne& b : bornes)
        if (b.pc == pc && --n == 0)
            return b;
    ADD_FAILURE() << "never reached";
    return {};
}

// What a run leaves: RAM (the SFRs with it: W, ports, latches), the LCD, the next
// instruction, the LED, the robot's pose and the chip time.
std::string etat(const Modele& m)
{
    std::string e = ramHex(*m.getProcesseur(), 0, DataMemory::taille);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 16; ++x)
            e += static_cast<char>(m.getLcd()->getAscii(x, y));
    e += " pc " + std::to_string(m.getProcesseur()->getFetchPC()) + " led " +
         std::to_string(m.getLedA6()->getCourant()) + " pose " + std::to_string(m.getX()) + " " +
         std::to_string(m.getY()) + " " + std::to_string(m.getTheta());
    return e + " t " + std::to_string(m.time());
}

// Where two states part, for a short failure message.
std::string ecart(const std::string& a, const std::string& b)
{
    size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        ++i;
    const size_t debut = i < 2 * DataMemory::taille ? i & ~size_t(1) : i;
    const std::string ou = i < 2 * DataMemory::taille ? "RAM 0x" + QString::number(int(i / 2), 16).toStdString()
                                                      : "after the RAM";
    return ou + ": " + a.substr(debut, 40) + " | " + b.substr(debut, 40) + " ... " +
           a.substr(a.rfind(" pc ")) + " | " + b.substr(b.rfind(" pc "));
}

}  // namespace

// Address breakpoints stop before the instruction, at the Nth arrival and at every
// one after it, at the boundary and chip time an instruction-by-instruction walk
// gives, inside the DECFSZ loop that the processor passes in whole turns as well.
TEST(Debogueur, AddressBreakpointsStopWhereTheWalkArrives)
{
    const std::vector<Borne> bornes = trajet(cheminHex("debogueur"), 30000);
    struct Cas
    {
        const char* texte;
        DWord pc;
        int passage;
    };
    const Cas cas[] = {
        {"boucle", 0x06, 1},   {"boucle:3", 0x06, 3}, {"0x22:150", 0x22, 150},   // the loop's head
        {"tempo+2:300", 0x24, 300},                                             // its BRA
        {"recurse+4", 0x2c, 1}, {"0x0030:4", 0x30, 4},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.texte);
        Banc b;
        Debogueur::Refus refus;
        const int id = b.d.ajouteAdresse(c.texte, &refus);
        ASSERT_GT(id, 0);
        EXPECT_EQ(refus, Debogueur::Refus::Aucun);
        EXPECT_EQ(b.d.pointA(c.pc), id);
        for (int n = c.passage; n < c.passage + 2; ++n) {
            ASSERT_TRUE(b.court());
            const Borne attendue = arriveeNumero(bornes, c.pc, n);
            ASSERT_TRUE(b.d.dernierArret());
            const Debogueur::Arret a = *b.d.dernierArret();
            EXPECT_EQ(a.raison, Debogueur::Raison::Point);
            EXPECT_EQ(a.point, id);
            EXPECT_EQ(a.pc, c.pc);
            EXPECT_EQ(a.ticks, attendue.ticks) << "arrival " << n;
            EXPECT_EQ(b.s.ticksExecutes(), attendue.ticks);
            EXPECT_EQ(b.d.points()[0].arrivees, n);
            b.d.continuer();
        }
        EXPECT_EQ(b.arrets.size(), 2u);
    }

    // Refused texts, and why.
    Banc b;
    const std::pair<const char*, Debogueur::Refus> refuses[] = {
        {"inconnu", Debogueur::Refus::SymboleInconnu}, {"0x23", Debogueur::Refus::HorsMemoire},
        {"0x8000", Debogueur::Refus::HorsMemoire},     {"boucle:0", Debogueur::Refus::Syntaxe},
        {"12x", Debogueur::Refus::Syntaxe},            {"", Debogueur::Refus::Syntaxe},
    };
    for (const auto& [texte, raison] : refuses) {
        Debogueur::Refus r = Debogueur::Refus::Aucun;
        EXPECT_EQ(b.d.ajouteAdresse(texte, &r), -1) << texte;
        EXPECT_EQ(r, raison) << texte;
    }
    EXPECT_TRUE(b.d.points().empty());
}

// A condition stops at the boundary after the instruction that made it true: a RAM
// byte written by MOVFF, one written through FSR0, an SFR by its name, a masked byte.
TEST(Debogueur, ConditionsStopAfterTheWriteThatMakesThemTrue)
{
    const std::vector<Borne> bornes = trajet(cheminHex("debogueur"), 30000);
    struct Cas
    {
        const char* texte;
        DWord pc;        // the instruction after the write
        int passage;     // its arrival
    };
    const Cas cas[] = {
        {"copie == 3", 0x0c, 3},            // MOVFF compte, copie
        {"0x022 >= 5", 0x10, 5},            // MOVWF INDF0
        {"stkptr == 3", 0x28, 3},           // the second RCALL of the recursion
        {"compte & 0x03 == 2", 0x08, 2},    // INCF compte, on the second turn
        {"fonds != 0", 0x32, 1},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.texte);
        Banc b;
        const int id = b.d.ajouteCondition(c.texte);
        ASSERT_GT(id, 0);
        ASSERT_TRUE(b.court());
        const Debogueur::Arret a = *b.d.dernierArret();
        EXPECT_EQ(a.raison, Debogueur::Raison::Point);
        EXPECT_EQ(a.point, id);
        EXPECT_EQ(a.pc, c.pc);
        EXPECT_EQ(a.ticks, arriveeNumero(bornes, c.pc, c.passage).ticks);
        // Still true: continuing does not stop again at once.
        const uint64_t avant = b.s.ticksExecutes();
        b.d.continuer();
        b.court(b.s.horloge() + 20 * ticksParCycle);
        EXPECT_GT(b.s.ticksExecutes(), avant);
    }

    Banc b;
    const std::pair<const char*, Debogueur::Refus> refuses[] = {
        {"copie", Debogueur::Refus::Syntaxe},         {"copie == 256", Debogueur::Refus::Syntaxe},
        {"== 3", Debogueur::Refus::Syntaxe},          {"copie & x == 1", Debogueur::Refus::Syntaxe},
        {"PORTZ == 1", Debogueur::Refus::SymboleInconnu}, {"0x1000 == 0", Debogueur::Refus::HorsMemoire},
    };
    for (const auto& [texte, raison] : refuses) {
        Debogueur::Refus r = Debogueur::Refus::Aucun;
        EXPECT_EQ(b.d.ajouteCondition(texte, &r), -1) << texte;
        EXPECT_EQ(r, raison) << texte;
    }
}

// One instruction at a time: a skip over a two-word instruction takes it whole, a
// two-word instruction runs both words, a CALL and a BRA land on their targets.
TEST(Debogueur, StepsTakeWholeInstructions)
{
    Banc b;
    b.d.ajouteAdresse("apres");
    ASSERT_TRUE(b.court());
    // compte is 1: the MOVFF is not skipped.
    struct Pas
    {
        DWord pc;
        uint64_t ticks;
    };
    const Pas pasImpair[] = {{0x1a, 4}, {0x1e, 8}, {0x20, 4}, {0x22, 4}, {0x24, 4}, {0x22, 8}};
    for (const Pas& p : pasImpair) {
        const uint64_t t = b.s.ticksExecutes();
        b.d.pas();
        EXPECT_EQ(b.pc(), p.pc);
        EXPECT_EQ(b.s.ticksExecutes() - t, p.ticks) << std::hex << p.pc;
        EXPECT_EQ(b.d.dernierArret()->raison, Debogueur::Raison::Pas);
    }
    EXPECT_EQ(b.octet(impairs), 1);
    // compte is 2: the MOVFF is skipped, its two words in one step.
    b.d.continuer();
    ASSERT_TRUE(b.court());
    EXPECT_EQ(b.octet(compte), 2);
    const uint64_t t = b.s.ticksExecutes();
    b.d.pas();
    EXPECT_EQ(b.pc(), 0x1eu);
    EXPECT_EQ(b.s.ticksExecutes() - t, 12u);
    EXPECT_EQ(b.octet(impairs), 1);
    // The CALL at 0x14 and the LFSR at 0x02, from the start again.
    b.m->powerOn();
    b.d.pas();
    b.d.pas();
    EXPECT_EQ(b.pc(), 0x02u);
    b.d.pas();
    EXPECT_EQ(b.pc(), 0x06u);
    EXPECT_EQ(b.m->getProcesseur()->getDM()->readFSR0(), indir);
    b.d.jusquA(0x14);
    ASSERT_TRUE(b.court());
    EXPECT_EQ(b.d.dernierArret()->raison, Debogueur::Raison::Curseur);
    b.d.pas();
    EXPECT_EQ(b.pc(), 0x28u);
    EXPECT_EQ(b.m->getProcesseur()->getDM()->readDirect(DataMemory::STKPTR), 1);
}

// F8 on a call runs until it returns to its own depth: the recursion's inner returns
// to the same address pass by; on anything else it is one step.
TEST(Debogueur, StepOverACallThatRecurses)
{
    Banc b;
    const int id = b.d.ajouteAdresse("recurse+4");   // the RCALL inside the routine
    ASSERT_TRUE(b.court());
    b.d.retire(id);
    EXPECT_EQ(b.pc(), 0x2cu);
    auto pile = [&b] { return b.m->getProcesseur()->getDM()->readDirect(DataMemory::STKPTR) & 0x1F; };
    EXPECT_EQ(pile(), 1);
    EXPECT_EQ(b.octet(fonds), 0);
    b.d.pasPrincipal();
    ASSERT_TRUE(b.court());
    EXPECT_EQ(b.d.dernierArret()->raison, Debogueur::Raison::PasPrincipal);
    EXPECT_EQ(b.pc(), 0x2eu);
    EXPECT_EQ(pile(), 1);
    EXPECT_EQ(b.octet(fonds), 1);   // the deepest call ran
    b.d.pasPrincipal();             // RETURN: one step
    EXPECT_EQ(b.d.dernierArret()->raison, Debogueur::Raison::Pas);
    EXPECT_EQ(b.pc(), 0x18u);
    // The outer CALL stepped over from the next turn's.
    b.d.jusquA(0x14);
    ASSERT_TRUE(b.court());
    b.d.pasPrincipal();
    ASSERT_TRUE(b.court());
    EXPECT_EQ(b.pc(), 0x18u);
    EXPECT_EQ(pile(), 0);
    EXPECT_EQ(b.octet(fonds), 2);
    // A breakpoint inside the routine stops the step over first.
    b.d.jusquA(0x14);
    ASSERT_TRUE(b.court());
    const int dedans = b.d.ajouteAdresse("fond");
    b.d.pasPrincipal();
    ASSERT_TRUE(b.court());
    EXPECT_EQ(b.d.dernierArret()->point, dedans);
    EXPECT_EQ(b.pc(), 0x30u);
}

// Pauses asked at random instants of a wait loop come at instruction boundaries;
// RAM written while paused reads back at once, a latch written drives its pin
// before the next instruction, and the program goes on from the values written.
TEST(Debogueur, PauseInAWaitLoopAndWritesWhilePaused)
{
    Banc b;
    std::mt19937 hasard(7);
    P18f4550& p = *b.m->getProcesseur();
    for (int i = 0; i < 40; ++i)
        b.s.planifie(hasard() % (4 * ticksParMs), 0, [&b] { b.d.pause(); });
    int pauses = 0, dansLaBoucle = 0;
    while (b.s.horloge() < 4 * ticksParMs) {
        if (!b.court(4 * ticksParMs))
            break;
        ++pauses;
        EXPECT_FALSE(p.entreDeuxCycles());
        EXPECT_EQ(b.d.dernierArret()->raison, Debogueur::Raison::Pause);
        const uint64_t t = b.m->time();
        b.court();   // paused: nothing runs
        EXPECT_EQ(b.m->time(), t);
        dansLaBoucle += b.pc() == 0x22 || b.pc() == 0x24;
        b.d.continuer();
    }
    EXPECT_EQ(pauses, 40);
    EXPECT_GT(dansLaBoucle, 30);

    b.d.pause();
    const Byte tour = b.octet(compte);
    b.d.ecrit(compte, 99);
    b.d.ecrit(DataMemory::TRISA, 0xBF);
    b.d.ecrit(DataMemory::LATA, 0x40);
    EXPECT_EQ(b.octet(compte), 99);
    EXPECT_GT(b.m->getLedA6()->getCourant(), 0.0);   // RA6 drives the LED already
    b.d.ajouteAdresse("apres");
    b.d.continuer();
    ASSERT_TRUE(b.court(b.s.horloge() + ticksParMs));
    EXPECT_EQ(b.octet(copie), 100) << "turn " << int(tour);
}

// Pauses, steps, steps over, runs to an address, breakpoints and conditions met and
// passed at random: the example and test programs end as when left alone, robot
// included, with the user's actions and the board switched off and reset meanwhile.
TEST(Debogueur, RunsPausedAndSteppedEndAsRunsLeftAlone)
{
    std::vector<std::pair<std::string, bool>> programmes = {{TAVREX_EXAMPLES_DIR "/demo.hex", false},
                                                            {TAVREX_EXAMPLES_DIR "/suiveur.hex", true}};
    for (const auto& f : std::filesystem::directory_iterator(TAVREX_TEST_HEX_DIR))
        if (f.path().extension() == ".hex")
            programmes.emplace_back(f.path().string(), false);
    constexpr uint64_t duree = 60 * ticksParMs;
    auto utilisateur = [](Banc& b) {
        Modele& m = *b.m;
        b.s.planifie(ticksParMs * 2, 0, [&m] { m.retireJack(true); });
        b.s.planifie(ticksParMs * 9, 0, [&m] { m.setPotAN0Value(3.3); });
        b.s.planifie(ticksParMs * 11, 0, [&m] { m.appuyeBP0(); });
        b.s.planifie(ticksParMs * 15, 0, [&m] { m.relacheBP0(); });
        b.s.planifie(ticksParMs * 30, 0, [&m] { m.powerOff(); });
        b.s.planifie(ticksParMs * 33, 0, [&m] { m.powerOn(); });
        b.s.planifie(ticksParMs * 45, 0, [&m] { m.appuyeReset(); });
        b.s.planifie(ticksParMs * 46, 0, [&m] { m.relacheReset(); });
    };
    std::mt19937 hasard(23);
    for (const auto& [hex, robot] : programmes) {
        SCOPED_TRACE(hex);
        std::string attendu;
        {
            Banc b(hex, robot);
            utilisateur(b);
            b.court(duree);
            attendu = etat(*b.m);
        }
        // Before the board: the random source is the simulation's one.
        const std::vector<Borne> debut = trajet(hex, 400);
        Banc b(hex, robot);
        utilisateur(b);
        for (int i = 0; i < 12; ++i)
            b.s.planifie(hasard() % duree, 1, [&b] { b.d.pause(); });
        auto ailleurs = [&] {
            return std::to_string(debut[hasard() % debut.size()].pc) + ":" + std::to_string(1 + hasard() % 20);
        };
        int adresse = b.d.ajouteAdresse(ailleurs());
        const int condition =
            b.d.ajouteCondition("0x0" + std::to_string(hasard() % 6) + "0 == " + std::to_string(hasard() % 4));
        bool conditionActive = true;
        int arrets = 0;
        while (b.s.horloge() < duree && arrets < 400) {
            if (!b.court(duree))
                break;
            ++arrets;
            // A breakpoint met makes way for another one, further on.
            if (b.d.dernierArret()->point == adresse) {
                b.d.retire(adresse);
                adresse = b.d.ajouteAdresse(ailleurs());
            }
            switch (hasard() % 5) {
            case 0: b.d.continuer(); break;
            case 1:
                for (int n = hasard() % 6; n >= 0 && b.s.horloge() < duree; --n)
                    b.d.pas();
                if (b.s.horloge() < duree)
                    b.d.continuer();
                break;
            case 2: b.d.pasPrincipal(); b.d.continuer(); break;
            case 3: b.d.jusquA(debut[hasard() % debut.size()].pc); break;
            default:
                conditionActive = !conditionActive;
                b.d.active(condition, conditionActive);
                b.d.continuer();
                break;
            }
        }
        b.d.retire(adresse);
        b.d.retire(condition);
        while (b.s.horloge() < duree) {
            b.d.continuer();
            b.court(duree);
        }
        EXPECT_GE(arrets, 12);
        const std::string fin = etat(*b.m);
        EXPECT_TRUE(fin == attendu) << ecart(fin, attendu);
    }
}

// The desktop's pacing: a stop suspends the slices and idles the load meter, chip time
// stands while the wall time paused is counted, switching the board off and on while
// paused starts nothing, and continuing starts the slices again.
TEST(Debogueur, APauseSuspendsThePacing)
{
    int argc = 1;
    char nom[] = "tavrex_tests";
    char* argv[] = {nom, nullptr};
    QCoreApplication application(argc, argv);
    Simulation sim;
    ASSERT_TRUE(chargeProgramme(sim.modele, cheminHex("debogueur")).reussi());
    std::vector<int> charges;
    QObject::connect(&sim.cadence, &Cadence::mesure, [&charges](int c, double, bool) { charges.push_back(c); });
    sim.seance.demarre();
    sim.cadence.suisTempsHorsTension();
    const int id = sim.debogueur.ajouteAdresse("0x30:3");
    auto attend = [&application](auto fini, qint64 ms = 5000) {
        QElapsedTimer mur;
        mur.start();
        while (!fini() && mur.elapsed() < ms)
            application.processEvents(QEventLoop::AllEvents, 10);
    };
    sim.modele.powerOn();
    EXPECT_TRUE(sim.cadence.actif());
    attend([&sim] { return sim.debogueur.enPause(); });
    ASSERT_TRUE(sim.debogueur.enPause());
    EXPECT_EQ(sim.debogueur.dernierArret()->pc, 0x30u);
    EXPECT_FALSE(sim.cadence.actif());
    ASSERT_FALSE(charges.empty());
    EXPECT_EQ(charges.back(), 0);
    const uint64_t t = sim.modele.time();
    attend([] { return false; }, 150);
    EXPECT_EQ(sim.modele.time(), t);
    EXPECT_GE(sim.seance.dureePauses(), 100 * ticksParMs);
    sim.modele.powerOff();
    sim.modele.powerOn();
    EXPECT_FALSE(sim.cadence.actif());
    sim.debogueur.retire(id);
    sim.debogueur.continuer();
    EXPECT_TRUE(sim.cadence.actif());
    attend([&sim, t] { return sim.modele.time() > t + ticksParMs; });
    EXPECT_GT(sim.modele.time(), t + ticksParMs);
}

// The runner's --break and --break-if: the line of the stop, then what is asked; no
// stop is said too; a bad text is one line naming the option, status 2. The desktop
// program takes them the same way and counts the wall time paused to --quit-after.
TEST(Debogueur, RunnerBreaks)
{
    const std::string hex = cheminHex("debogueur");
    const std::string lie = TAVREX_TEST_LIES_DIR "/symboles_lies.hex";
    struct Cas
    {
        std::vector<std::string> arguments;
        int code;
        std::string premiere;   // the first line of the output, or of the errors
    };
    const Cas cas[] = {
        {{"--break", "0x0006", hex}, 0, "break at 0x0006 (boucle) after 4 cycles, 0.000 ms"},
        {{"--break", "boucle:3", "--break", "recurse", hex}, 0, "break at 0x0028 (recurse) after 13 cycles, 0.001 ms"},
        {{"--break", "tempo+2:500", hex}, 0, "break at 0x0024 (tempo+0x2) after 1606 cycles, 0.134 ms"},
        {{"--break-if", "copie == 3", hex}, 0, "break at 0x000c (boucle+0x6) after 1273 cycles, 0.106 ms"},
        {{"--break-if", "_adc_raw+1 >= 200", lie}, 0, "break at 0x000c (boucle+0x6) after 2196 cycles, 0.183 ms"},
        {{"--break-if", "PORTB & 0x08 == 0", "--at", "5", "press BP1", TAVREX_EXAMPLES_DIR "/demo.hex"}, 0,
         "break at 0x0186 (tempo_b+0x8) after 60001 cycles, 5.000 ms"},
        {{"--break", "0x7000", "--cycles", "5000", hex}, 0, "no break"},
        {{"--break", "inconnu", hex}, 2, "tavrex-cli: --break inconnu: unknown label"},
        {{"--break", "boucle:x", hex}, 2, "tavrex-cli: --break boucle:x: expected ADDR or LABEL, then :N for the Nth arrival"},
        {{"--break-if", "PORTZ == 1", hex}, 2, "tavrex-cli: --break-if PORTZ == 1: unknown register or symbol"},
        {{"--break", "boucle", "--check", "x.chk", hex}, 2, "tavrex-cli: --break cannot be combined with --check"},
    };
    for (const Cas& c : cas) {
        std::vector<std::string> args = c.arguments;
        if (c.code == 0 && std::find(args.begin(), args.end(), "--cycles") == args.end())
            args.insert(args.begin(), {"--ms", "20"});
        const Sortie s = lanceCli(args);
        SCOPED_TRACE(args.front() + " " + args[1] + " " + args[2]);
        EXPECT_EQ(s.code, c.code) << s.erreurs;
        const std::string& texte = c.code == 0 ? s.texte : s.erreurs;
        EXPECT_EQ(texte.substr(0, texte.find('\n')), c.premiere);
    }
    // Then what is asked, as it is at the stop.
    const Sortie s = lanceCli({"--ms", "20", "--break", "apres:2", "--dump", "--led", hex});
    EXPECT_NE(s.texte.find("\npc 0x0018\n"), std::string::npos) << s.texte;
    EXPECT_NE(s.texte.find("\n020: 02 02 02 00"), std::string::npos) << s.texte;
    EXPECT_NE(s.texte.find("\nled "), std::string::npos) << s.texte;

    // Paused at once, the desktop program quits after 300 ms of wall time.
    const Sortie f = lance(TAVREX_FENETRE, {"--break", "boucle", "--power-on", "--quit-after", "300", hex});
    EXPECT_EQ(f.code, 0) << f.erreurs;
    const Sortie g = lance(TAVREX_FENETRE, {"--break", "nulle", hex});
    EXPECT_EQ(g.code, 2);
    EXPECT_NE(g.erreurs.find("tavrex: --break nulle: unknown label"), std::string::npos) << g.erreurs;
}

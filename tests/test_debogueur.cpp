// The debugger on the board's run: breakpoints and conditions stop where an
// instruction-by-instruction walk says (inside loops passed in whole turns too), steps
// and a CALL stepped over through recursion, writes while paused, the pacing paused,
// runs paused and stepped at random ending as runs left alone, the runner's options.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "cadence.h"
#include "harness.h"
#include "lanceur.h"
#include "preparation.h"
#include "symboles.h"

namespace {

// The variables of tests/asm/debogueur.asm.
constexpr Word compte = 0x20, copie = 0x21, impairs = 0x25, fonds = 0x26;

// A board switched on, its run, and the debugger with the program's symbols.
struct Banc
{
    explicit Banc(const std::string& hex = cheminHex("debogueur"), bool robot = false) : m(carte(hex, robot))
    {
        std::string erreur;
        if (symboles.lireAupresDe(hex, erreur))
            d.setSymboles(&symboles);
        m->powerOn();
        s.demarre();
    }
    static std::unique_ptr<Modele> carte(const std::string& hex, bool robot = false)
    {
        DonneesCarte d;
        d.programme = hex;
        d.piste = robot ? TAVREX_EXAMPLES_SRC_DIR "/piste001.pis" : "";
        d.robot = robot ? TAVREX_ROBOT_EXEMPLE : "";
        std::string erreur, note;
        return prepareCarte(d, erreur, note);
    }
    // Runs until a stop or the run's clock reaches `fin`: whether it stopped.
    bool court(uint64_t fin = 50 * ticksParMs)
    {
        s.avanceJusqua(fin);
        return s.enPause();
    }
    DWord pc() const { return m->getProcesseur()->getFetchPC(); }
    Byte octet(Word a) const { return ram(*m, a); }
    int pile() const { return octet(DataMemory::STKPTR) & 0x1F; }

    std::unique_ptr<Modele> m;
    Seance s{*m};
    Debogueur d{s, *m};
    Symboles symboles;
};

// Instruction by instruction on a board of its own (made before the one it is compared
// with: the random source is the simulation's one): each boundary's next address and
// chip time since power-on.
struct Borne
{
    DWord pc;
    uint64_t ticks;
};
std::vector<Borne> trajet(const std::string& hex, size_t n)
{
    auto m = Banc::carte(hex);
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

// The chip time of the nth boundary (1: the first) before the instruction at `pc`.
uint64_t arrivee(const std::vector<Borne>& bornes, DWord pc, int n)
{
    for (const Borne& b : bornes)
        if (b.pc == pc && --n == 0)
            return b.ticks;
    ADD_FAILURE() << "never reached";
    return 0;
}

}  // namespace

// Before the instruction at an address, at its Nth arrival and every one after; where a
// condition becomes true, after the write that made it so (MOVFF, through FSR0, an SFR
// by its name, a masked byte). Inside the DECFSZ loop that the processor passes in
// whole turns too, at the walk's own boundary and chip time. On a pin's edge.
TEST(Debogueur, BreakpointsStopWhereTheWalkArrives)
{
    const std::vector<Borne> bornes = trajet(cheminHex("debogueur"), 30000);
    struct Cas
    {
        const char* texte;
        bool condition;
        DWord pc;      // the instruction it stops before
        int passage;   // which arrival there
    };
    const Cas cas[] = {
        {"boucle", false, 0x06, 1},           {"boucle:3", false, 0x06, 3},
        {"0x22:150", false, 0x22, 150},       {"tempo+2:300", false, 0x24, 300},
        {"0x0030:4", false, 0x30, 4},         {"copie == 3", true, 0x0c, 3},
        {"0x022 >= 5", true, 0x10, 5},        {"stkptr == 3", true, 0x28, 3},
        {"compte & 0x03 == 2", true, 0x08, 2}, {"fonds != 0", true, 0x32, 1},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.texte);
        Banc b;
        Debogueur::Refus refus;
        const int id = c.condition ? b.d.ajouteCondition(c.texte, &refus) : b.d.ajouteAdresse(c.texte, &refus);
        ASSERT_GT(id, 0);
        EXPECT_EQ(refus, Debogueur::Refus::Aucun);
        EXPECT_EQ(b.d.pointA(c.pc), c.condition ? -1 : id);
        for (int n = c.passage; n < c.passage + 2; ++n) {
            ASSERT_TRUE(b.court());
            const Debogueur::Arret a = *b.d.dernierArret();
            EXPECT_EQ(a.raison, Debogueur::Raison::Point);
            EXPECT_EQ(a.point, id);
            EXPECT_EQ(a.pc, c.pc);
            EXPECT_EQ(a.ticks, arrivee(bornes, c.pc, n)) << "arrival " << n;
            EXPECT_EQ(b.s.ticksExecutes(), a.ticks);
            b.d.continuer();
            if (c.condition) {   // still true: no stop at once
                EXPECT_FALSE(b.court(b.s.horloge() + 20 * ticksParCycle));
                break;
            }
        }
        if (!c.condition) {
            EXPECT_EQ(b.d.points()[0].arrivees, c.passage + 1);
        }
    }

    Banc b;
    const std::tuple<const char*, bool, Debogueur::Refus> refuses[] = {
        {"inconnu", false, Debogueur::Refus::SymboleInconnu}, {"0x23", false, Debogueur::Refus::HorsMemoire},
        {"0x8000", false, Debogueur::Refus::HorsMemoire},     {"boucle:0", false, Debogueur::Refus::Syntaxe},
        {"12x", false, Debogueur::Refus::Syntaxe},            {"copie", true, Debogueur::Refus::Syntaxe},
        {"copie == 256", true, Debogueur::Refus::Syntaxe},    {"copie & x == 1", true, Debogueur::Refus::Syntaxe},
        {"PORTZ == 1", true, Debogueur::Refus::SymboleInconnu}, {"0x1000 == 0", true, Debogueur::Refus::HorsMemoire},
    };
    for (const auto& [texte, condition, raison] : refuses) {
        Debogueur::Refus r = Debogueur::Refus::Aucun;
        EXPECT_EQ(condition ? b.d.ajouteCondition(texte, &r) : b.d.ajouteAdresse(texte, &r), -1) << texte;
        EXPECT_EQ(r, raison) << texte;
    }
    EXPECT_TRUE(b.d.points().empty());

    // A pin's edge, after the instruction that made it: the demo's BSF of the LCD's E
    // line (RD0), each time, not its BCF.
    Banc demo(TAVREX_EXAMPLES_DIR "/demo.hex");
    const int front = demo.d.ajouteFront(3, 0, true);
    EXPECT_EQ(demo.d.points()[0].texte, "RD0 rising");
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(demo.court());
        EXPECT_EQ(demo.d.dernierArret()->point, front);
        EXPECT_EQ(demo.octet(DataMemory::PORTD) & 1, 1);
        EXPECT_EQ(demo.m->getProcesseur()->getInstrPtr()->mnemo(), "BSF");
        demo.d.continuer();
    }
    // A register counted on demand, as the program reads it.
    demo.d.retire(front);
    const int minuterie = demo.d.ajouteCondition("TMR2 >= 200");
    ASSERT_TRUE(demo.court());
    EXPECT_EQ(demo.d.dernierArret()->point, minuterie);
    const Byte lu = demo.m->getProcesseur()->valeurLue(DataMemory::TMR2);
    EXPECT_GE(lu, 200);
    EXPECT_EQ(demo.m->getProcesseur()->getDM()->read(DataMemory::TMR2), lu);
}

// A step runs a whole instruction: a skip with the two-word instruction it skips, a
// two-word instruction both words, a CALL and a BRA to their targets. F8 on a call
// runs until it is back at its depth, the recursion's inner returns to the same
// address passing by; on anything else it is one step; a breakpoint inside stops it.
TEST(Debogueur, StepsAndStepsOver)
{
    Banc b;
    const int apres = b.d.ajouteAdresse("apres");
    struct Pas
    {
        DWord pc;
        uint64_t ticks;
    };
    // compte 1: the MOVFF runs; compte 2: it is skipped.
    const std::vector<Pas> tours[] = {{{0x1a, 4}, {0x1e, 8}, {0x20, 4}, {0x22, 4}, {0x24, 4}, {0x22, 8}},
                                      {{0x1e, 12}}};
    for (const std::vector<Pas>& tour : tours) {
        b.d.continuer();
        ASSERT_TRUE(b.court());
        for (const Pas& p : tour) {
            const uint64_t t = b.s.ticksExecutes();
            b.d.pas();
            EXPECT_EQ(b.pc(), p.pc);
            EXPECT_EQ(b.s.ticksExecutes() - t, p.ticks) << std::hex << p.pc;
            EXPECT_EQ(b.d.dernierArret()->raison, Debogueur::Raison::Pas);
        }
        EXPECT_EQ(b.octet(impairs), 1);
    }
    b.d.retire(apres);
    b.m->powerOn();   // paused still: the reset's NOP, CLRF, LFSR, then a CALL
    for (DWord pc : {0x00, 0x02, 0x06}) {
        b.d.pas();
        EXPECT_EQ(b.pc(), pc);
    }
    b.d.jusquA(0x14);
    ASSERT_TRUE(b.court());
    EXPECT_EQ(b.d.dernierArret()->raison, Debogueur::Raison::Curseur);
    b.d.pas();
    EXPECT_EQ(b.pc(), 0x28u);
    EXPECT_EQ(b.pile(), 1);

    b.d.jusquA(0x2c);   // the RCALL inside the routine, at depth 1
    ASSERT_TRUE(b.court());
    EXPECT_EQ(b.octet(fonds), 0);
    b.d.pasPrincipal();
    ASSERT_TRUE(b.court());
    EXPECT_EQ(b.d.dernierArret()->raison, Debogueur::Raison::PasPrincipal);
    EXPECT_EQ(b.pc(), 0x2eu);
    EXPECT_EQ(b.pile(), 1);
    EXPECT_EQ(b.octet(fonds), 1);   // the deepest call ran
    b.d.pasPrincipal();             // RETURN: one step
    EXPECT_EQ(b.d.dernierArret()->raison, Debogueur::Raison::Pas);
    EXPECT_EQ(b.pc(), 0x18u);
    for (bool dedans : {false, true}) {   // the outer CALL, from the next turn
        b.d.jusquA(0x14);
        ASSERT_TRUE(b.court());
        const int id = dedans ? b.d.ajouteAdresse("fond") : 0;
        b.d.pasPrincipal();
        ASSERT_TRUE(b.court());
        EXPECT_EQ(b.d.dernierArret()->point, id);
        EXPECT_EQ(b.pc(), dedans ? 0x30u : 0x18u);
    }
}

// Pauses asked at random instants of a wait loop come at instruction boundaries and
// chip time stands while they last; RAM written while paused reads back at once, a
// latch written drives its pin before the next instruction, and the program goes on
// from the values written.
TEST(Debogueur, PauseInAWaitLoopAndWritesWhilePaused)
{
    Banc b;
    std::mt19937 hasard(7);
    for (int i = 0; i < 40; ++i)
        b.s.planifie(hasard() % (4 * ticksParMs), 0, [&b] { b.d.pause(); });
    int pauses = 0, dansLaBoucle = 0;
    while (b.court(4 * ticksParMs)) {
        ++pauses;
        EXPECT_FALSE(b.m->getProcesseur()->entreDeuxCycles());
        EXPECT_EQ(b.d.dernierArret()->raison, Debogueur::Raison::Pause);
        const uint64_t t = b.m->time();
        b.court();
        EXPECT_EQ(b.m->time(), t);
        dansLaBoucle += b.pc() == 0x22 || b.pc() == 0x24;
        b.d.continuer();
    }
    EXPECT_EQ(pauses, 40);
    EXPECT_GT(dansLaBoucle, 30);

    b.d.pause();
    b.d.ecrit(compte, 99);
    b.d.ecrit(DataMemory::TRISA, 0xBF);
    b.d.ecrit(DataMemory::LATA, 0x40);
    EXPECT_EQ(b.octet(compte), 99);
    EXPECT_GT(b.m->getLedA6()->getCourant(), 0.0);   // RA6 drives the LED already
    b.d.ajouteAdresse("apres");
    b.d.continuer();
    ASSERT_TRUE(b.court(b.s.horloge() + ticksParMs));
    EXPECT_EQ(b.octet(copie), 100);
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
        const std::pair<int, std::function<void()>> actions[] = {
            {2, [&m] { m.retireJack(true); }},  {9, [&m] { m.setPotAN0Value(3.3); }}, {11, [&m] { m.appuyeBP0(); }},
            {15, [&m] { m.relacheBP0(); }},     {30, [&m] { m.powerOff(); }},         {33, [&m] { m.powerOn(); }},
            {45, [&m] { m.appuyeReset(); }},    {46, [&m] { m.relacheReset(); }}};
        for (const auto& [ms, faire] : actions)
            b.s.planifie(ms * ticksParMs, 0, faire);
    };
    std::mt19937 hasard(23);
    for (const auto& [hex, robot] : programmes) {
        SCOPED_TRACE(hex);
        std::string attendu;
        {
            Banc b(hex, robot);
            utilisateur(b);
            b.court(duree);
            attendu = etatCarte(*b.m);
        }
        const std::vector<Borne> debut = trajet(hex, 400);
        auto ailleurs = [&] { return debut[hasard() % debut.size()].pc; };
        Banc b(hex, robot);
        utilisateur(b);
        for (int i = 0; i < 12; ++i)
            b.s.planifie(hasard() % duree, 1, [&b] { b.d.pause(); });
        int adresse = b.d.ajouteAdresse(std::to_string(ailleurs()) + ":" + std::to_string(1 + hasard() % 20));
        const int condition =
            b.d.ajouteCondition("0x0" + std::to_string(hasard() % 6) + "0 == " + std::to_string(hasard() % 4));
        bool conditionActive = true;
        int arrets = 0;
        while (b.s.horloge() < duree && arrets < 400 && b.court(duree)) {
            ++arrets;
            // A breakpoint met makes way for another one, further on.
            if (b.d.dernierArret()->point == adresse) {
                b.d.retire(adresse);
                adresse = b.d.ajouteAdresse(std::to_string(ailleurs()) + ":" + std::to_string(1 + hasard() % 20));
            }
            switch (hasard() % 5) {
            case 0: break;
            case 1:
                for (int n = hasard() % 6; n >= 0 && b.s.horloge() < duree; --n)
                    b.d.pas();
                break;
            case 2: b.d.pasPrincipal(); break;
            case 3: b.d.jusquA(ailleurs()); break;
            default: b.d.active(condition, conditionActive = !conditionActive); break;
            }
            if (b.s.horloge() < duree)
                b.d.continuer();
        }
        b.d.retire(adresse);
        b.d.retire(condition);
        while (b.s.horloge() < duree) {
            b.d.continuer();
            b.court(duree);
        }
        EXPECT_GE(arrets, 12);
        const std::string fin = etatCarte(*b.m);
        const size_t ecart = std::mismatch(fin.begin(), fin.end(), attendu.begin(), attendu.end()).first - fin.begin();
        EXPECT_TRUE(fin == attendu) << "from " << (ecart < 2 * DataMemory::taille ? "RAM byte " : "char ")
                                    << (ecart < 2 * DataMemory::taille ? ecart / 2 : ecart) << ": "
                                    << fin.substr(ecart, 24) << " | " << attendu.substr(ecart, 24);
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
    auto attend = [&application](auto fini, qint64 ms = 5000) {
        QElapsedTimer mur;
        mur.start();
        while (!fini() && mur.elapsed() < ms)
            application.processEvents(QEventLoop::AllEvents, 10);
    };
    Simulation sim;
    ASSERT_TRUE(chargeProgramme(sim.modele, cheminHex("debogueur")).reussi());
    std::vector<int> charges;
    QObject::connect(&sim.cadence, &Cadence::mesure, [&charges](int c, double, bool) { charges.push_back(c); });
    sim.seance.demarre();
    sim.cadence.suisTempsHorsTension();
    const int id = sim.debogueur.ajouteAdresse("0x30:3");
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
    const std::string demo = TAVREX_EXAMPLES_DIR "/demo.hex";
    const std::pair<std::vector<std::string>, std::string> cas[] = {
        {{"--break", "0x0006", hex}, "break at 0x0006 (boucle) after 4 cycles, 0.000 ms"},
        {{"--break", "boucle:3", "--break", "recurse", hex}, "break at 0x0028 (recurse) after 13 cycles, 0.001 ms"},
        {{"--break-if", "copie == 3", hex}, "break at 0x000c (boucle+0x6) after 1273 cycles, 0.106 ms"},
        {{"--break-if", "_adc_raw+1 >= 200", TAVREX_TEST_LIES_DIR "/symboles_lies.hex"},
         "break at 0x000c (boucle+0x6) after 2196 cycles, 0.183 ms"},
        {{"--break-if", "PORTB & 0x08 == 0", "--at", "5", "press BP1", demo},
         "break at 0x0186 (tempo_b+0x8) after 60001 cycles, 5.000 ms"},
        {{"--break", "0x7000", hex}, "no break"},
        {{"--break", "inconnu", hex}, "tavrex-cli: --break inconnu: unknown label"},
        {{"--break", "boucle:x", hex}, "tavrex-cli: --break boucle:x: expected ADDR or LABEL, then :N for the Nth arrival"},
        {{"--break-if", "PORTZ == 1", hex}, "tavrex-cli: --break-if PORTZ == 1: unknown register or symbol"},
        {{"--break", "boucle", "--check", "x.chk", hex}, "tavrex-cli: --break cannot be combined with --check"},
    };
    for (const auto& [arguments, premiere] : cas) {
        std::vector<std::string> args = {"--ms", "20"};
        args.insert(args.end(), arguments.begin(), arguments.end());
        const Sortie s = lanceCli(args);
        const bool erreur = premiere.rfind("tavrex-cli", 0) == 0;
        EXPECT_EQ(s.code, erreur ? 2 : 0) << premiere;
        const std::string& texte = erreur ? s.erreurs : s.texte;
        EXPECT_EQ(texte.substr(0, texte.find('\n')), premiere);
    }
    const Sortie s = lanceCli({"--ms", "20", "--break", "apres:2", "--dump", "--led", hex});
    EXPECT_NE(s.texte.find("\npc 0x0018\n"), std::string::npos) << s.texte;
    EXPECT_NE(s.texte.find("\n020: 02 02 02 00"), std::string::npos) << s.texte;
    EXPECT_NE(s.texte.find("\nled "), std::string::npos) << s.texte;

    // Paused at once, the desktop program quits after 300 ms of wall time.
    EXPECT_EQ(lance(TAVREX_FENETRE, {"--break", "boucle", "--power-on", "--quit-after", "300", hex}).code, 0);
    const Sortie f = lance(TAVREX_FENETRE, {"--break", "nulle", hex});
    EXPECT_EQ(f.code, 2);
    EXPECT_NE(f.erreurs.find("tavrex: --break nulle: unknown label"), std::string::npos) << f.erreurs;
}

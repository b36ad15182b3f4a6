// What the board does not model, said and nothing more: one small program per kind
// raises exactly its diagnostic, with the instruction's address, text and time; the
// examples raise none; a HEX file's records the chip does not take are said at load
// and the file loads as before; the runner's lines, --strict, --warnings and the
// check's report.

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "harness.h"
#include "lanceur.h"
#include "modele.h"
#include "preparation.h"
#include "seance.h"

namespace {

using D = Diagnostic;

// Runs NAME.hex from power-on for `ms` of chip time and returns what was said.
std::vector<Diagnostic> diagnostics(const std::string& nom, int ms,
                                    Diagnostics::Mode mode = Diagnostics::Mode::UneFois)
{
    Modele m;
    m.getProcesseur()->diagnostics().setMode(mode);
    EXPECT_TRUE(chargeProgramme(m, cheminHex(nom)).reussi()) << nom;
    std::vector<Diagnostic> dits;
    QObject::connect(&m, &Modele::diagnostic, [&](const Diagnostic& d) { dits.push_back(d); });
    Seance seance(m);
    m.powerOn();
    seance.demarre();
    seance.avanceJusqua(static_cast<uint64_t>(ms) * ticksParMs);
    return dits;
}

// The clock at the start of the n-th instruction run at `pc`, instruction by
// instruction; 0 when it never ran.
uint64_t arrivee(const std::string& nom, DWord pc, int n)
{
    Modele m;
    chargeProgramme(m, cheminHex(nom));
    Seance seance(m);
    uint64_t debut = 0;
    seance.suisInstructions([&](uint64_t t) {
        if (m.getProcesseur()->getInstrPC() == pc && --n == 0)
            debut = t;
        return n > 0;
    });
    m.powerOn();
    seance.demarre();
    seance.avanceJusqua(60 * ticksParMs);
    return debut;
}

std::string fichierTemp(const std::string& suffixe)
{
    static int n = 0;
    return testing::TempDir() + "diag_" + std::to_string(getpid()) + "_" + std::to_string(n++) + suffixe;
}

std::vector<std::string> lignesAvec(const std::string& texte, const std::string& mot)
{
    std::vector<std::string> l;
    size_t debut = 0;
    while (debut < texte.size()) {
        const size_t fin = texte.find('\n', debut);
        const std::string ligne = texte.substr(debut, fin - debut);
        if (ligne.find(mot) != std::string::npos)
            l.push_back(ligne);
        debut = fin == std::string::npos ? texte.size() : fin + 1;
    }
    return l;
}

}  // namespace

// Each program does its one thing at 0x40, at its n-th arrival there.
TEST(Diagnostics, EachProgramRaisesExactlyItsKindWithPcTextAndTime)
{
    struct Cas
    {
        const char* programme;
        D::Genre genre;
        const char* instruction;
        const char* argument;   // the first, when the kind has one
        int arrivee = 1;
        int ms = 2;
        // Said within the instruction's two cycles; the stack's notes at the board's
        // next millisecond step, the quiet runs keeping their time to themselves.
        uint64_t retard = 8;
    };
    const Cas cas[] = {
        {"diag_interruptions", D::Interruptions, "bsf INTCON, 7", "TMR0IE"},
        {"diag_retfie", D::Retfie, "retfie", nullptr},
        {"diag_pcl", D::Pcl, "addwf PCL, F", "PCL"},
        {"diag_tos", D::Tos, "movwf TOSL", "TOSL"},
        {"diag_stkptr", D::Stkptr, "clrf STKPTR", "STKPTR"},
        {"diag_sleep", D::Sleep, "sleep", nullptr},
        {"diag_clrwdt", D::ChienDeGarde, "clrwdt", "WDTEN"},
        {"diag_tblwt", D::Tblwt, "tblwt*+", nullptr},
        {"diag_timer1", D::Timer1, "bsf T1CON, 0", "T1CON"},
        {"diag_timer3", D::Timer3, "movf TMR3L, W", "TMR3L"},
        {"diag_ccp", D::Ccp, "movwf CCP1CON", "CCP1CON"},
        {"diag_usart", D::Usart, "movwf SPBRG", "SPBRG"},
        {"diag_mssp", D::Mssp, "movwf SSPBUF", "SSPBUF"},
        {"diag_comparateurs", D::Comparateurs, "movwf CMCON", "CMCON"},
        {"diag_usb", D::Usb, "bsf UCON, 3", "UCON"},
        {"diag_eeprom", D::Eeprom, "movff EEDATA, 0x20", "EEDATA"},
        {"diag_oscillateur", D::Oscillateur, "movwf OSCCON", "OSCCON"},
        {"diag_hlvd", D::Hlvd, "bsf HLVDCON, 4", "HLVDCON"},
        {"diag_effacee", D::MemoireEffacee, "nop", "0x0040"},
        {"diag_saut", D::SautHors, "goto 0x1000", "0x1000"},
        {"diag_debordement", D::DebordementPile, "push", nullptr, 1, 2, ticksParMs},
        {"diag_pile_pleine", D::PilePleine, "push", nullptr, 1, 2, ticksParMs},
        {"diag_sous_pile", D::SousPile, "return", nullptr, 1, 2, ticksParMs},
        {"diag_an_numerique", D::ConversionNumerique, "bsf ADCON0, 1", "AN0"},
        {"diag_lcd_tot", D::LcdAvantInit, "bcf LATD, 0", "0.0"},
        {"diag_lcd_occupe", D::LcdTropTot, "bcf LATD, 0", "101", 1, 60, 8},
    };
    for (const Cas& c : cas) {
        const std::vector<Diagnostic> dits = diagnostics(c.programme, c.ms);
        std::string tous;
        for (const Diagnostic& d : dits)
            tous += "\n  " + d.message();
        ASSERT_EQ(dits.size(), 1u) << c.programme << tous;
        const Diagnostic& d = dits[0];
        EXPECT_EQ(d.genre, c.genre) << c.programme << ": " << d.message();
        EXPECT_EQ(d.pc, 0x40u) << c.programme;
        EXPECT_EQ(d.instruction, c.instruction) << c.programme;
        if (c.argument) {
            EXPECT_EQ(d.arguments.at(0), c.argument) << c.programme;
        }
        const uint64_t debut = arrivee(c.programme, 0x40, c.arrivee);
        ASSERT_GT(debut, 0u) << c.programme;
        EXPECT_GE(d.ticks, debut) << c.programme;
        EXPECT_LE(d.ticks, debut + c.retard) << c.programme;
    }
}

TEST(Diagnostics, OnceOrEveryTimeOrNever)
{
    // Erased memory runs up to the end and from 0 again: the jump comes again and again.
    EXPECT_EQ(diagnostics("diag_saut", 10, Diagnostics::Mode::UneFois).size(), 1u);
    EXPECT_GT(diagnostics("diag_saut", 10, Diagnostics::Mode::Tous).size(), 5u);
    EXPECT_TRUE(diagnostics("diag_saut", 10, Diagnostics::Mode::Aucun).empty());
    // A power-on starts a new run: said again.
    Modele m;
    chargeProgramme(m, cheminHex("diag_retfie"));
    int dits = 0;
    QObject::connect(&m, &Modele::diagnostic, [&] { ++dits; });
    for (int i = 0; i < 2; ++i) {
        m.powerOn();
        Seance(m).avanceJusqua(ticksParMs);
        m.powerOff();
    }
    EXPECT_EQ(dits, 2);
}

TEST(Diagnostics, ExamplesRaiseNone)
{
    const std::string ex = TAVREX_EXAMPLES_DIR, src = TAVREX_EXAMPLES_SRC_DIR;
    const Sortie demo = lanceCli({"--check", src + "/demo.chk", "--strict", ex + "/demo.hex"});
    EXPECT_EQ(demo.code, 0) << demo.texte << demo.erreurs;
    const Sortie suiveur = lanceCli({"--check", src + "/suiveur.chk", "--strict", "--piste", src + "/piste001.pis",
                                     "--robot", src + "/rombo001.rbo", ex + "/suiveur.hex"});
    EXPECT_EQ(suiveur.code, 0) << suiveur.texte << suiveur.erreurs;
    EXPECT_EQ(demo.texte.find("warning"), std::string::npos);
    EXPECT_EQ(suiveur.texte.find("warning"), std::string::npos);
}

// A 4 MHz crystal's configuration, code past 32 KB, the device ID, a data EEPROM
// record and one for no memory of this chip: said at load, the rest loaded as ever.
TEST(Diagnostics, HexRecordsTheChipDoesNotTakeAreSaidAtLoad)
{
    const std::string hex = fichierTemp(".hex");
    {
        std::ofstream f(hex);
        f << ":040000005A0EFFD7BE\n"   // movlw 0x5a; bra $
             ":020000040030CA\n"
             ":020000000000FE\n"       // CONFIG1L, CONFIG1H: FOSC=XT_XT
             ":020000040000FA\n"
             ":02800000123438\n"       // 0x8000
             ":02000004003FBB\n"
             ":02FFFE001234BB\n"       // the device ID
             ":0200000400F00A\n"
             ":0100000042BD\n"         // 0xF00000, data EEPROM
             ":020000040040BA\n"
             ":010010009956\n"         // 0x400010
             ":00000001FF\n";
    }
    auto charge = [&](Diagnostics::Mode mode) {
        auto p = std::make_unique<P18f4550>();
        p->diagnostics().setMode(mode);
        p->readFromHex(hex.c_str());
        return p;
    };
    const auto avec = charge(Diagnostics::Mode::UneFois), sans = charge(Diagnostics::Mode::Aucun);
    std::remove(hex.c_str());
    std::vector<std::pair<D::Genre, std::string>> dits;
    for (const Diagnostic& d : avec->diagnostics().liste()) {
        EXPECT_TRUE(d.auChargement);
        dits.emplace_back(d.genre, d.arguments.at(0));
    }
    const std::vector<std::pair<D::Genre, std::string>> attendus = {
        {D::HexOscillateur, "FOSC=XT_XT, PLLDIV=1, CPUDIV=OSC1_PLL2"},
        {D::HexAuDela32K, "0x008000"},
        {D::HexIdentifiant, "0x3ffffe"},
        {D::HexEeprom, "0xf00000"},
        {D::HexAutreMemoire, "0x400010"},
    };
    EXPECT_EQ(dits, attendus);
    EXPECT_TRUE(sans->diagnostics().liste().empty());
    EXPECT_EQ(avec->getFM()->bilan().lignesIgnorees, 0);
    // Program memory and the configuration bytes as without the diagnostics.
    for (DWord adr = 0; adr < 0x30000E; adr = adr == 0x7FFF ? 0x300000 : adr + 1) {
        Byte a = 0xAA, b = 0xBB;
        avec->getFM()->readByte(adr, a);
        sans->getFM()->readByte(adr, b);
        ASSERT_EQ(a, b) << std::hex << adr;
    }
    Byte octet = 0;
    avec->getFM()->readByte(0, octet);
    EXPECT_EQ(octet, 0x5A);
    avec->getFM()->readByte(0x3FFFFF, octet);
    EXPECT_EQ(octet, 0x12) << "the device ID stays the chip's";
}

TEST(Diagnostics, RunnerLinesStrictAndCheckReport)
{
    const std::string prog = cheminHex("diag_interruptions");
    const Sortie une = lanceCli({"--ms", "1", prog});
    EXPECT_EQ(une.code, 0);
    EXPECT_EQ(une.erreurs, "tavrex-cli: " + prog +
                               ": warning at 0.000 ms, pc 0x0040 (bsf INTCON, 7): interrupts enabled (GIE with "
                               "TMR0IE): the board does not model interrupts, its interrupt routine at 0x0008 "
                               "never runs\n");
    EXPECT_EQ(lanceCli({"--ms", "1", "--strict", prog}).code, 3);
    const Sortie aucun = lanceCli({"--ms", "1", "--strict", "--warnings=none", prog});
    EXPECT_EQ(aucun.code, 0);
    EXPECT_EQ(aucun.erreurs, "");
    EXPECT_EQ(lanceCli({"--ms", "1", "--warnings", "some", prog}).erreurs,
              "tavrex-cli: --warnings: not one of none, once, all: some\n");
    EXPECT_GT(lignesAvec(lanceCli({"--ms", "10", "--warnings=all", cheminHex("diag_saut")}).erreurs, "warning").size(),
              5u);

    // In a check: a line of its report and the JUnit system-err, not a failure.
    const std::string chk = fichierTemp(".chk"), xml = fichierTemp(".xml");
    std::ofstream(chk) << "1 expect led off\n";
    const Sortie check = lanceCli({"--check", chk, "--junit", xml, prog});
    EXPECT_EQ(check.code, 0) << check.texte << check.erreurs;
    EXPECT_EQ(lignesAvec(check.texte, "warning"),
              std::vector<std::string>{"warning " + prog + ": at 0.000 ms, pc 0x0040 (bsf INTCON, 7): " +
                                       "interrupts enabled (GIE with TMR0IE): the board does not model interrupts, "
                                       "its interrupt routine at 0x0008 never runs"});
    std::ifstream junit(xml);
    const std::string rapport((std::istreambuf_iterator<char>(junit)), std::istreambuf_iterator<char>());
    EXPECT_NE(rapport.find("<system-err>warning: at 0.000 ms, pc 0x0040"), std::string::npos) << rapport;
    EXPECT_EQ(lanceCli({"--check", chk, "--tap", "--strict", prog}).code, 3);
    std::remove(chk.c_str());
    std::remove(xml.c_str());
}

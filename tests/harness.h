#ifndef TAVREX_TESTS_HARNESS_H
#define TAVREX_TESTS_HARNESS_H

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "modele.h"
#include "processeur.h"

// Test programs live in tests/asm/NAME.asm and are assembled by the build. They
// store their results in RAM and end in a `bra $` loop.

inline std::string cheminHex(const std::string& nom)
{
    return std::string(TAVREX_TEST_HEX_DIR) + "/" + nom + ".hex";
}

// A chip on the heap (its event wheel and data memory are large) with NAME.hex loaded,
// in the silicon mode or not.
inline std::unique_ptr<P18f4550> chargeProgramme(const std::string& nom, bool silicium = false)
{
    auto p = std::make_unique<P18f4550>();
    p->setSilicium(silicium);
    p->readFromHex(cheminHex(nom).c_str());
    return p;
}

constexpr Word motBraSurPlace = 0xD7FF;   // bra $

// Runs whole instructions until the processor's execute stage holds a `bra $`
// (the instruction about to execute), or until maxTicks have elapsed. Returns the
// tick count at that moment: the ticks that the program took before its final loop.
inline uint64_t executeJusquaArret(P18f4550& p, uint64_t maxTicks = ticksParSeconde)
{
    const uint64_t debut = p.time();
    while (p.time() - debut < maxTicks) {
        // After a clock4(), fetchPtr holds the instruction that executes next.
        if (p.getFetchPtr()->getInstr() == motBraSurPlace && p.getFetchPtr() != p.getJeu()->nop())
            return p.time() - debut;
        p.clock4();
    }
    return p.time() - debut;
}

inline Byte ram(const P18f4550& p, Word adr)
{
    return p.getDM()->readDirect(adr);
}

// n bytes of data memory from `debut`, in hex: a compact form for the expected results
// of the programs that store many samples.
inline std::string ramHex(const P18f4550& p, Word debut, int n)
{
    static const char chiffres[] = "0123456789abcdef";
    std::string s;
    for (int i = 0; i < n; ++i) {
        const Byte b = ram(p, static_cast<Word>(debut + i));
        s += chiffres[b >> 4];
        s += chiffres[b & 0x0F];
    }
    return s;
}

// A bare chip, driven tick by tick, with its registers written and read between two
// ticks. A delay d registered by a write fires at the end of tick d + 1.
class PuceTest : public ::testing::Test
{
protected:
    void tick(int n = 1)
    {
        while (n--)
            p->clock();
    }
    // Without the register's side effects.
    Byte lit(Word adr) { return p->getDM()->readDirect(adr); }
    // As the program reads it: a TMR0L read latches TMR0H, a PORTx read refreshes the
    // port's devices.
    Byte litRegistre(Word adr) { return p->getDM()->read(adr); }
    void ecrit(Word adr, Byte v) { p->getDM()->write(adr, v); }

    std::unique_ptr<P18f4550> p = std::make_unique<P18f4550>();
};

// A device on a pin: it counts the evaluations of the pin and its own refreshes and,
// given the chip's clock, records the tick of every change of level.
class Sonde : public Connexion
{
public:
    explicit Sonde(double v = 2.5, double z = 1e9)
    {
        valueSrc = v;
        impedance = z;
    }
    explicit Sonde(const P18f4550* horloge) : horloge(horloge) {}
    void modifie(double v) override
    {
        ++evaluations;
        if (horloge && (v > 3.0) != haut) {
            haut = !haut;
            (haut ? montees : descentes).push_back(horloge->time());
        }
    }
    void miseAJour() override { ++rafraichissements; }

    int evaluations = 0, rafraichissements = 0;
    bool haut = false;
    std::vector<uint64_t> montees, descentes;

private:
    const P18f4550* horloge = nullptr;
};

// The board model, driven step by step as the main window drives it.
inline void avance(Modele& m, double ms)
{
    const uint64_t fin = m.time() + static_cast<uint64_t>(ms * ticksParMs);
    while (m.time() < fin)
        m.pas();
}

inline void ecrit(Modele& m, Word adr, Byte v)
{
    m.getProcesseur()->getDM()->write(adr, v);
}

inline Byte ram(const Modele& m, Word adr)
{
    return ram(*m.getProcesseur(), adr);
}

// What a run leaves, to compare two runs: RAM (the SFRs with it: W, ports, latches),
// the LCD, the next instruction, the LED, the robot's pose and the chip time.
inline std::string etatCarte(const Modele& m)
{
    std::string e = ramHex(*m.getProcesseur(), 0, DataMemory::taille);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 16; ++x)
            e += static_cast<char>(m.getLcd()->getAscii(x, y));
    return e + " pc " + std::to_string(m.getProcesseur()->getFetchPC()) + " led " +
           std::to_string(m.getLedA6()->getCourant()) + " pose " + std::to_string(m.getX()) + " " +
           std::to_string(m.getY()) + " " + std::to_string(m.getTheta()) + " t " + std::to_string(m.time());
}

#endif

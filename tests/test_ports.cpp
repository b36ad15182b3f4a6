// The pin model: divider between the chip's source and the device's, analog pins,
// lazy evaluation and the bookkeeping of connections.

#include <gtest/gtest.h>

#include <memory>

#include "aleatoire.h"
#include "harness.h"

namespace {

using DM = DataMemory;

class Ports : public PuceTest
{
};

TEST_F(Ports, DividerAndThresholds)
{
    Sonde flottant, tirage(0.0, 100.0);
    p->getPortD()->connecte(0, &flottant);
    p->getPortD()->connecte(1, &tirage);
    ecrit(DM::TRISD, 0xF0);
    ecrit(DM::LATD, 0xFF);
    tick();
    EXPECT_DOUBLE_EQ(flottant.getVin(), (1e9 * 5.0 + 2.5) / (1e9 + 1.0));
    EXPECT_NEAR(tirage.getVin(), 5.0 * 100.0 / 101.0, 1e-12);
    EXPECT_EQ(lit(DM::PORTD), 0x03);   // RD2, RD3 drive no device: they read 0

    ecrit(DM::TRISD, 0xFF);
    Aleatoire::graine(4550);
    int uns = 0;
    for (int i = 0; i < 200; ++i) {
        flottant.changement();
        tick();
        EXPECT_EQ(lit(DM::PORTD) & 0xFE, 0);
        uns += lit(DM::PORTD) & 1;
    }
    EXPECT_NEAR(tirage.getVin(), 2.5 * 100.0 / (1e9 + 100.0), 1e-15);
    EXPECT_GT(uns, 60);   // 2.5 V is between the thresholds: noise
    EXPECT_LT(uns, 140);
}

TEST_F(Ports, AnalogPinsRead0)
{
    Sonde ra[2], rb[6];
    for (Byte i = 0; i < 2; ++i) {
        ra[i].setSrc(5.0, 100.0);
        p->getPortA()->connecte(i, &ra[i]);
    }
    for (Byte i = 0; i < 6; ++i) {
        rb[i].setSrc(5.0, 100.0);
        p->getPortB()->connecte(i, &rb[i]);
    }
    ecrit(DM::ADCON1, 0x0E);
    tick();
    EXPECT_EQ(lit(DM::PORTA), 0x02);
    EXPECT_EQ(lit(DM::PORTB), 0x3F);
    ecrit(DM::ADCON1, 0x00);
    tick();
    EXPECT_EQ(lit(DM::PORTA), 0x00);
    EXPECT_EQ(lit(DM::PORTB), 0x20);
    EXPECT_GT(ra[0].getVin(), 4.99);   // still computed: the converter samples it
}

// The data sheet's rule, independent of the ports' own tables: ANn is analog while
// PCFG is at most 14 - n (PCFG 0 and 1 both leave all thirteen inputs analog, 15 none).
TEST_F(Ports, EveryPinIsAnalogOrDigitalAsEachPcfgSettingSays)
{
    struct Entree
    {
        int port;
        Byte bit;
        int an;
    };
    const Entree entrees[] = {
        {Port::PORTA, 0, 0}, {Port::PORTA, 1, 1}, {Port::PORTA, 2, 2}, {Port::PORTA, 3, 3}, {Port::PORTA, 5, 4},
        {Port::PORTE, 0, 5}, {Port::PORTE, 1, 6}, {Port::PORTE, 2, 7}, {Port::PORTB, 2, 8}, {Port::PORTB, 3, 9},
        {Port::PORTB, 1, 10}, {Port::PORTB, 4, 11}, {Port::PORTB, 0, 12},
    };
    for (int pcfg = 0; pcfg < 16; ++pcfg) {
        ecrit(DM::ADCON1, static_cast<Byte>(pcfg));
        for (int port = Port::PORTA; port <= Port::PORTE; ++port)
            for (Byte bit = 0; bit < 8; ++bit) {
                bool analogique = false;
                for (const Entree& e : entrees)
                    if (e.port == port && e.bit == bit)
                        analogique = pcfg <= 14 - e.an;
                EXPECT_EQ(p->getPort(port)->isAnalog(bit), analogique)
                    << "PCFG " << pcfg << ", " << Port::pinName(port, bit).toStdString();
            }
    }
}

TEST_F(Ports, OnlyMarkedPinsAreEvaluated)
{
    Sonde d0(0.0, 100.0), d5, rb6(5.0, 100.0), rc3(5.0, 100.0), re3(5.0, 100.0);
    p->getPortD()->connecte(0, &d0);
    p->getPortD()->connecte(5, &d5);
    p->getPortB()->connecte(6, &rb6);
    p->getPortC()->connecte(3, &rc3);
    p->getPortE()->connecte(3, &re3);
    tick(100);
    EXPECT_EQ(d0.evaluations + d5.evaluations, 2);
    EXPECT_EQ(rb6.evaluations + rc3.evaluations + re3.evaluations, 0);
    EXPECT_EQ(lit(DM::PORTB) | lit(DM::PORTC) | lit(DM::PORTE), 0);

    d5.setSrc(5.0, 10.0);
    tick();
    EXPECT_EQ(d0.evaluations, 1);
    EXPECT_EQ(d5.evaluations, 2);
    EXPECT_EQ(d0.rafraichissements, 2);   // the PORTD read of each evaluation
    EXPECT_EQ(lit(DM::PORTD), 0x20);
    p->getDM()->setBit(DM::LATD, 0);   // a bit operation marks its pin only
    tick();
    EXPECT_EQ(d0.evaluations, 2);
    EXPECT_EQ(d5.evaluations, 2);
}

// Refreshed at every read of its port, like an infrared sensor, to the source that
// the test sets; tells its pin only through that refresh.
class Capteur : public Connexion
{
public:
    explicit Capteur(double v) : source(v) {}
    void miseAJour() override { setSrc(source, 1000.0); }
    double source;
};

TEST_F(Ports, ALevelBetweenTheThresholdsIsDrawnAtEveryRead)
{
    // 1.24 V, a sensor without comparator on the tape: each PORTD read refreshes it to
    // the same source, and each refresh gives a fresh draw.
    Capteur capteur(1.24);
    Capteur decide(4.5);
    p->getPortD()->connecte(0, &capteur);
    p->getPortD()->connecte(1, &decide);
    ecrit(DM::TRISD, 0xFF);
    tick();
    Aleatoire::graine(3);
    int uns = 0;
    for (int i = 0; i < 200; ++i) {
        p->getDM()->read(DM::PORTD);
        tick();
        uns += lit(DM::PORTD) & 1;
        ASSERT_EQ(lit(DM::PORTD) & 2, 2);
    }
    EXPECT_GT(uns, 60);
    EXPECT_LT(uns, 140);
    // A decided level that does not move is not evaluated again.
    Sonde temoin(5.0, 100.0);
    p->getPortD()->connecte(2, &temoin);
    capteur.source = 4.5;
    tick();
    const int avant = temoin.evaluations;
    for (int i = 0; i < 20; ++i) {
        p->getDM()->read(DM::PORTD);
        tick();
    }
    EXPECT_EQ(temoin.evaluations, avant);
}

TEST_F(Ports, Timer0HearsEveryEvaluationOfRa4)
{
    // External clock, rising edges, no prescaler. The device on RA4 changes level
    // while nothing marks its pin; port A is evaluated either for a PORTA read or for
    // a LATA bit operation on RA6, whose evaluation refreshes the device too.
    for (bool lecture : {true, false}) {
        SCOPED_TRACE(lecture ? "PORTA read" : "LATA,6 toggled");
        p = std::make_unique<P18f4550>();
        Capteur ra4(0.0);
        p->getPortA()->connecte(4, &ra4);
        ecrit(DM::T0CON, 0xE8);
        tick();
        for (double v : {5.0, 0.0, 5.0, 0.0, 5.0}) {
            ra4.source = v;
            for (int i = 0; i < 4; ++i) {
                if (lecture)
                    p->getDM()->read(DM::PORTA);
                else
                    i % 2 ? p->getDM()->clrBit(DM::LATA, 6) : p->getDM()->setBit(DM::LATA, 6);
                tick();
            }
        }
        EXPECT_EQ(p->getDM()->read(DM::TMR0L), 3);
        p->getPortA()->deconnecte(4);
    }
}

TEST_F(Ports, Connections)
{
    Sonde a, b;
    EXPECT_EQ(a.pinName(), QStringLiteral("NC"));
    PortC* c = p->getPortC();
    c->connecte(2, &a);
    c->connecte(2, &b);   // takes the pin from a
    EXPECT_EQ(a.getPort(), nullptr);
    // Swapping two devices, as the motors do: neither stays behind on its old pin.
    c->connecte(1, &b);
    c->connecte(2, &a);
    EXPECT_EQ(c->getConnexion(1), &b);
    EXPECT_EQ(c->getConnexion(2), &a);
    EXPECT_EQ(a.pinName(), QStringLiteral("RC2"));
    EXPECT_EQ(b.pinName(), QStringLiteral("RC1"));
    {
        Sonde ephemere;
        c->connecte(0, &ephemere);
    }
    EXPECT_EQ(c->getConnexion(0), nullptr);
}

}  // namespace

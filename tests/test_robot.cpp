// The robot: motors and motion, infrared line sensors, the end-of-travel switch, the
// robot file, and the line follower of examples/ run by tavrex-cli on the example
// track.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "harness.h"
#include "lanceur.h"
#include "modele.h"
#include "piste.h"

namespace {

using DM = DataMemory;


// Both PWM outputs on, Timer2 prescaler 16, DCxB = 0. With PR2 = 0xFE a duty
// register of 0xFF (1020 >= the period) keeps the output high: 100 %.
void pwm(Modele& m, Byte rc2, Byte rc1, Byte pr2 = 0xFF)
{
    ecrit(m, DM::TRISC, 0xF9);
    ecrit(m, DM::PR2, pr2);
    ecrit(m, DM::CCPR1L, rc2);
    ecrit(m, DM::CCPR2L, rc1);
    ecrit(m, DM::CCP1CON, 0x0C);
    ecrit(m, DM::CCP2CON, 0x0C);
    ecrit(m, DM::T2CON, 0x06);
}

std::unique_ptr<Modele> modeleAllume()
{
    auto m = std::make_unique<Modele>();
    m->powerOn();
    return m;
}

// Calls a function after every motion step (1 ms).
class Pas : public ObservateurPas
{
public:
    explicit Pas(std::function<void(const Modele&)> f) : f(std::move(f)) {}
    void pasEffectue(const Modele& m) override { f(m); }

private:
    std::function<void(const Modele&)> f;
};

// --- Motors and motion ----------------------------------------------------------------

TEST(MotorPwm, FullDutySteadyStateStraightLineThenCoastToRest)
{
    auto m = modeleAllume();
    pwm(*m, 0xFF, 0xFF, 0xFE);
    avance(*m, 2500);
    // Both derivatives vanish: the steady state of the default motor at 12 V.
    for (MoteurCNX* mot : {m->getMoteurG(), m->getMoteurD()}) {
        EXPECT_NEAR(mot->getCourant(), 1.606, 0.01);
        EXPECT_NEAR(mot->getVitesse(), 1462.2, 2.0);
    }
    // Identical motors on identical PWM: a straight line, exactly.
    EXPECT_EQ(m->getTheta(), 0.0);
    EXPECT_EQ(m->getY(), 0.0);
    EXPECT_GT(m->getX(), 2500.0);
    m->deplacement();
    const double x = m->getX();
    m->deplacement();   // same tick: nothing
    EXPECT_EQ(m->getX(), x);

    // 0 % duty: the bridge freewheels, the current dies through the diode within a
    // few ms, then friction alone stops the wheel: rolling resistance a = 636 mm/s2
    // and viscous term g = 1.85 /s stop it after ln(1 + g v0 / a) / g = 0.9 s.
    ecrit(*m, DM::CCPR1L, 0);
    ecrit(*m, DM::CCPR2L, 0);
    const uint64_t t0 = m->time();
    double vPrec = 1e9, tCourantNul = -1, tArret = -1;
    bool negatif = false, remonte = false;
    Pas pas([&](const Modele& mod) {
        const double t = enSecondes(static_cast<double>(mod.time() - t0));
        for (const MoteurCNX* mot : {mod.getMoteurG(), mod.getMoteurD()})
            negatif |= mot->getCourant() < 0.0 || mot->getVitesse() < 0.0;
        const double v = mod.getMoteurG()->getVitesse();
        remonte |= v > vPrec;
        vPrec = v;
        if (tCourantNul < 0 && mod.getMoteurG()->getCourant() == 0.0)
            tCourantNul = t;
        if (tArret < 0 && v == 0.0)
            tArret = t;
    });
    m->setObservateurPas(&pas);
    avance(*m, 1300);
    m->setObservateurPas(nullptr);
    EXPECT_FALSE(negatif);
    EXPECT_FALSE(remonte);
    EXPECT_GE(tCourantNul, 0.0);
    EXPECT_LT(tCourantNul, 0.02);
    EXPECT_NEAR(tArret, 0.90, 0.03);
    EXPECT_EQ(m->getMoteurD()->getVitesse(), 0.0);
    EXPECT_EQ(m->getTheta(), 0.0);
}

// A fine explicit Euler of the conducting default motor from rest, with the same
// clamps at 0: the reference for the catch-up of a long interval.
void referenceConduction(double duree, double& im, double& vm)
{
    const double r = 0.025, k = 0.025, reduc = 5.0, masse = 2.0;
    const double j = 40e-7 + masse * r * r / (reduc * reduc);
    const double a = masse * r * r * 0.07 * 9.81 / (reduc * reduc * j) * 1000.0;
    const double b = 1000.0 * r * k * 0.9 / (reduc * j);
    const double c = 12.0 / 0.024, don = (2.38 + 0.54) / 0.024, f = reduc * k / (r * 0.024) * 0.001;
    const double g = k * k * 0.9 * 1.5 / (j * (12.0 - 2.38 * 1.5));
    im = vm = 0.0;
    for (double t = 0, h = 1e-6; t < duree; t += h) {
        const double di = c - don * im - f * vm, dv = b * im - a - g * vm;
        im = std::max(0.0, im + h * di);
        vm = std::max(0.0, vm + h * dv);
    }
}

TEST(MotorPlainOutput, KeepsItsSpeedBetweenEvaluationsAndCatchesUpStably)
{
    auto m = modeleAllume();
    // RC1 and RC2 plain outputs, high: both bridges conduct from now on.
    ecrit(*m, DM::TRISC, 0xF9);
    ecrit(*m, DM::LATC, 0x06);
    m->pas();
    const uint64_t depart = m->time();
    EXPECT_TRUE(m->getMoteurG()->getMemo());
    avance(*m, 200);   // nothing re-evaluates the pins: the motors stay as they were
    EXPECT_EQ(m->getMoteurG()->getVitesse(), 0.0);

    // A LATC write re-evaluates them: 200 ms caught up at once.
    ecrit(*m, DM::LATC, 0x06);
    m->pas();
    double iRef, vRef;
    referenceConduction(enSecondes(static_cast<double>(m->time() - depart)), iRef, vRef);
    const double v1 = m->getMoteurG()->getVitesse();
    EXPECT_NEAR(v1, vRef, 0.01 * vRef);
    EXPECT_NEAR(m->getMoteurG()->getCourant(), iRef, 0.01 * iRef);
    EXPECT_EQ(m->getMoteurD()->getVitesse(), v1);

    // Then the robot runs at that speed until the next evaluation.
    m->deplacement();
    const double x1 = m->getX();
    const uint64_t t1 = m->time();
    avance(*m, 300);
    m->deplacement();
    EXPECT_EQ(m->getMoteurG()->getVitesse(), v1);
    EXPECT_NEAR(m->getX() - x1, v1 * enSecondes(static_cast<double>(m->time() - t1)), 1e-6);

    // Three seconds in one interval, where one Euler step would explode: the motors
    // end at their steady state.
    avance(*m, 3000);
    ecrit(*m, DM::LATC, 0x06);
    m->pas();
    for (MoteurCNX* mot : {m->getMoteurG(), m->getMoteurD()}) {
        EXPECT_NEAR(mot->getVitesse(), 1462.2, 3.0);
        EXPECT_NEAR(mot->getCourant(), 1.606, 0.01);
    }
}

TEST(MotorWiring, SwappingThePwmOutputsSwapsMotorsAndNames)
{
    auto m = modeleAllume();
    int signaux = 0;
    QObject::connect(m.get(), &Modele::cnxMotChange, [&] { ++signaux; });
    Port* portC = m->getProcesseur()->getPortC();
    m->setPwm1aGauche(false);
    EXPECT_EQ(signaux, 1);
    EXPECT_EQ(portC->getConnexion(1), m->getMoteurG());
    EXPECT_EQ(portC->getConnexion(2), m->getMoteurD());
    EXPECT_EQ(m->getMoteurG()->getCnxName(), QStringLiteral("Pin RC1 (PWM2)"));
    EXPECT_EQ(m->getMoteurD()->getCnxName(), QStringLiteral("Pin RC2 (PWM1)"));

    // PWM1 alone now drives the right wheel: the robot turns left.
    pwm(*m, 0xFF, 0x00, 0xFE);
    avance(*m, 300);
    EXPECT_GT(m->getMoteurD()->getVitesse(), 100.0);
    EXPECT_EQ(m->getMoteurG()->getVitesse(), 0.0);
    EXPECT_GT(m->getTheta(), 0.1);

    m->setPwm1aGauche(true);
    EXPECT_EQ(portC->getConnexion(2), m->getMoteurG());
}

TEST(MotorMotion, PositionClampedToTheSquare)
{
    for (double cap : {0.0, 180.0}) {
        SCOPED_TRACE(cap);
        auto m = modeleAllume();
        const double bord = cap == 0.0 ? Modele::xMax : Modele::xMin;
        m->romboSurPiste(bord - std::cos(cap * degEnRad) * 50.0, 0.0, cap);
        pwm(*m, 0xFF, 0xC0, 0xFE);   // left wheel faster: it drifts right along the edge
        avance(*m, 600);
        EXPECT_EQ(m->getX(), bord);
        EXPECT_NE(m->getY(), 0.0);
        EXPECT_LT(m->getTheta(), cap * degEnRad);
    }
}

TEST(MotorMotion, ParametersThatWouldDivideByZeroGiveNoMotion)
{
    const std::vector<std::pair<const char*, std::function<void(Modele&)>>> cas = {
        {"inductance", [](Modele& m) { m.getMoteurG()->setInduc(0.0); m.getMoteurD()->setInduc(0.0); }},
        {"reduction", [](Modele& m) { m.setReduc(0.0); }},
        {"wheel radius", [](Modele& m) { m.setRayon(0.0); }},
        {"total inertia",
         [](Modele& m) {
             m.getMoteurG()->setInertie(0.0);
             m.getMoteurD()->setInertie(0.0);
             m.setMasse(0.0);
         }},
        {"track width", [](Modele& m) { m.setVoie(0.0); }},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.first);
        auto m = modeleAllume();
        m->romboSurPiste(100.0, 200.0, 30.0);
        c.second(*m);
        m->preCalculMoteurs();
        pwm(*m, 0xFF, 0x80, 0xFE);
        avance(*m, 200);
        m->deplacement();
        EXPECT_EQ(m->getX(), 100.0);
        EXPECT_EQ(m->getY(), 200.0);
        EXPECT_DOUBLE_EQ(m->getTheta(), 30.0 * degEnRad);
        for (MoteurCNX* mot : {m->getMoteurG(), m->getMoteurD()})
            EXPECT_TRUE(std::isfinite(mot->getCourant()) && std::isfinite(mot->getVitesse()));
    }
}

// --- Infrared sensors ------------------------------------------------------------------

class InfraredSensor : public ::testing::Test
{
protected:
    // A model with one sensor, added past the end of an empty list: the defaults.
    static std::unique_ptr<Modele> avecUnCapteur()
    {
        CaptIrCNX::setRefScotch(0.9);
        CaptIrCNX::setRefMoquette(0.1);
        auto m = std::make_unique<Modele>();
        m->addCaptIr(5);
        return m;
    }
    static double v0Force(CaptIrCNX& c, bool scotch)
    {
        scotch ? c.forceSurLigne() : c.forceSurMoquette();
        c.preCalcul();
        c.evalue(nullptr);
        return c.getV0();
    }
    std::unique_ptr<Modele> m = avecUnCapteur();
    CaptIrCNX& c = *m->getCaptIr(0);
};

TEST_F(InfraredSensor, StageVoltageHeightFactorPullDownAndComparator)
{
    EXPECT_NEAR(v0Force(c, false), 4.58, 0.01);
    EXPECT_NEAR(v0Force(c, true), 1.24, 0.01);
    EXPECT_EQ(c.getVs(), c.getV0());   // no comparator: the stage itself

    // Below 0.3 mm the height factor is 1; from 0.3 mm the fitted curve, 0.889 there:
    // the collector current drops in that ratio.
    c.setH(0.2999);
    const double iBas = 5.0 - v0Force(c, false);
    c.setH(0.3);
    EXPECT_NEAR((5.0 - v0Force(c, false)) / iBas, 0.889, 0.001);

    // A saturated phototransistor keeps 0.16 V: the pull-down stage tops at 4.84 V.
    c.setH(5.0);
    c.setPullUp(false);
    c.setRt(1e6);
    EXPECT_DOUBLE_EQ(v0Force(c, true), 4.84);
    c.setRt(33000.0);
    EXPECT_NEAR(v0Force(c, true), 5.0 - 1.24, 0.01);

    // Comparator at 2.5 V: "Supérieur" is high (5 V) above it, "Inférieur" below it;
    // low is 0.1 V.
    c.setPullUp(true);
    c.setNoComp(false);
    for (bool sup : {true, false})
        for (bool scotch : {false, true}) {
            c.setSup(sup);
            v0Force(c, scotch);
            EXPECT_EQ(c.getVs(), sup != scotch ? 5.0 : 0.1) << "sup " << sup << " tape " << scotch;
        }
}

TEST_F(InfraredSensor, ReflectionAcrossTheTapeAndPlacementFromThePose)
{
    Piste* p = m->getPiste();
    p->eltInsert(0, 0);   // start marker at the origin
    p->eltInsert(1, 1);   // 1000 mm of tape along x
    m->addCaptIr(-1);
    const double vMoquette = v0Force(c, false);
    // The reflection seen, from the stage voltage (the collector current is
    // proportional to it).
    auto reflexion = [&] { return 0.1 * (5.0 - c.getV0()) / (5.0 - vMoquette); };

    // Front point 120 mm ahead of the robot, the sensor 4.5 mm behind it.
    m->romboSurPiste(300.0, 0.0, 0.0);
    EXPECT_DOUBLE_EQ(c.getXPiste(), 415.5);
    EXPECT_DOUBLE_EQ(c.getYPiste(), 0.0);
    EXPECT_FALSE(c.estForce());
    EXPECT_NEAR(reflexion(), 0.8992, 1e-4);
    c.setX(9.5);   // 9.5 mm right of the centre line: half-way
    m->romboSurPiste(300.0, 0.0, 0.0);
    EXPECT_NEAR(reflexion(), 0.5, 1e-4);

    // x is to the right of the heading: heading north, that is +x.
    c.setX(10.0);
    m->romboSurPiste(100.0, 50.0, 90.0);
    EXPECT_NEAR(c.getXPiste(), 110.0, 1e-9);
    EXPECT_NEAR(c.getYPiste(), 165.5, 1e-9);
    c.setX(20.0);   // robot 20 mm left of the tape, sensor 20 mm to its right
    m->romboSurPiste(300.0, 20.0, 0.0);
    EXPECT_NEAR(reflexion(), 0.8992, 1e-4);

    // Far from any tape: exactly the carpet.
    m->romboSurPiste(300.0, 2000.0, 0.0);
    EXPECT_EQ(c.getV0(), vMoquette);
    EXPECT_EQ(m->getCaptIr(1)->getV0(), vMoquette);

    // Whatever the settings, the outputs stay numbers.
    for (double rd : {-8.0, 0.0, 1e300})
        for (double h : {-1e6, 0.0, 1e6})
            for (double rt : {0.0, 1e300}) {
                c.setRd(rd);
                c.setH(h);
                c.setRt(rt);
                c.setNoComp(rt == 0.0);
                v0Force(c, true);
                EXPECT_TRUE(std::isfinite(c.getV0()) && std::isfinite(c.getVs())) << rd << " " << h << " " << rt;
            }
}

// What the white-line test shows on the pin: the sensor stays on the floor it was
// forced onto, which a read of its port would end.
TEST_F(InfraredSensor, PinVoltageWithoutEndingTheForcedFloor)
{
    v0Force(c, true);
    EXPECT_EQ(c.tensionBroche(), c.getVs());   // unwired: the output itself
    ASSERT_TRUE(m->captIrConnecte(0, QStringLiteral("RA1")));
    // An input: 33 kohm into the chip's 1 Gohm, over the tape and not the carpet.
    EXPECT_NEAR(c.tensionBroche(), 1.24, 0.01);
    EXPECT_EQ(c.getVin(), c.tensionBroche());
    // An output driven high: the chip's 1 ohm wins.
    ecrit(*m, DM::TRISA, 0xFD);
    ecrit(*m, DM::LATA, 0x02);
    EXPECT_NEAR(c.tensionBroche(), 5.0, 1e-3);
    EXPECT_TRUE(c.estForce() && c.estSurLigne());
}

TEST_F(InfraredSensor, AddingCopiesTheLastSensorUpToTwelve)
{
    EXPECT_EQ(c.getY(), -4.5);
    EXPECT_TRUE(c.estForce() && !c.estSurLigne());
    c.setX(7.0);
    c.setH(3.0);
    c.setRd(330.0);
    c.setNoComp(false);
    m->addCaptIr(40);   // beyond the list: a copy of the last sensor, unwired
    const CaptIrCNX& copie = *m->getCaptIr(1);
    EXPECT_EQ(copie.getX(), 7.0);
    EXPECT_EQ(copie.getH(), 3.0);
    EXPECT_EQ(copie.getRd(), 330.0);
    EXPECT_FALSE(copie.getNoComp());
    EXPECT_EQ(copie.getPort(), nullptr);
    m->addCaptIr(-1);
    EXPECT_EQ(m->getCaptIr(2)->getX(), 0.0);
    while (m->captIrAjoutPossible())
        m->addCaptIr(0);
    m->addCaptIr(0);
    EXPECT_EQ(m->nbCaptIr(), 12);
}

TEST_F(InfraredSensor, WiringDeletingAndPinUse)
{
    m->addCaptIr(-1);
    m->addCaptIr(-1);
    ASSERT_TRUE(m->jackConnecte(QStringLiteral("RB0")));
    EXPECT_TRUE(m->captIrConnecte(0, QStringLiteral("RA1")));
    EXPECT_TRUE(m->captIrConnecte(1, QStringLiteral("RA2")));
    EXPECT_TRUE(m->captIrConnecte(2, QStringLiteral("RE2")));
    // Pins held by the jack, a motor or another sensor are refused.
    for (const char* pris : {"RB0", "RC1", "RA1"})
        EXPECT_FALSE(m->captIrConnecte(2, QString::fromLatin1(pris))) << pris;
    EXPECT_FALSE(m->jackConnecte(QStringLiteral("RB0")));
    EXPECT_EQ(m->getPinName(m->getJackPinIndex()), QStringLiteral("RB0"));
    // Moving a sensor frees its old pin.
    EXPECT_TRUE(m->captIrConnecte(2, QStringLiteral("RA3")));
    EXPECT_FALSE(m->getPin(m->pinNameToIndex(QStringLiteral("RE2")))->estUtilise());
    EXPECT_EQ(m->getProcesseur()->getPortE()->getConnexion(2), nullptr);

    CaptIrCNX* deux = m->getCaptIr(1);
    CaptIrCNX* trois = m->getCaptIr(2);
    m->deleteCaptIr(0);
    ASSERT_EQ(m->nbCaptIr(), 2);
    EXPECT_EQ(m->getCaptIr(0), deux);
    EXPECT_EQ(m->getCaptIr(1), trois);
    Port* a = m->getProcesseur()->getPortA();
    EXPECT_EQ(a->getConnexion(1), nullptr);
    EXPECT_EQ(a->getConnexion(2), deux);
    EXPECT_EQ(a->getConnexion(3), trois);
    EXPECT_FALSE(m->getPin(0)->estUtilise());   // RA1
    EXPECT_TRUE(m->getPin(1)->estUtilise() && m->getPin(2)->estUtilise());

    EXPECT_TRUE(m->captIrConnecte(0, -1));
    EXPECT_EQ(a->getConnexion(2), nullptr);
    EXPECT_FALSE(m->getPin(1)->estUtilise());
    m->deleteCaptIr(2);
    EXPECT_EQ(m->nbCaptIr(), 2);
    EXPECT_TRUE(m->jackDeconnecte());
    EXPECT_TRUE(m->jackDeconnecte());   // already unwired: nothing to do
    EXPECT_EQ(m->getJackPinIndex(), -1);
}

// --- End-of-travel switch ----------------------------------------------------------------

TEST(RobotEndSwitch, ReleasedAgainstAnObstacleThePinRefreshPressesItAgain)
{
    auto m = modeleAllume();
    ecrit(*m, DM::ADCON1, 0x0F);   // RB1 digital
    ASSERT_TRUE(m->fdcConnecte(QStringLiteral("RB1")));
    m->getFdc()->setPullUp(true);   // wiring alone leaves the contact floating
    Piste* p = m->getPiste();
    p->eltInsert(0, 0);
    p->eltInsert(1, 1);   // 1000 mm of tape
    p->eltInsert(2, 3);   // an obstacle across its end, 50 mm deep
    int changements = 0;
    QObject::connect(m.get(), &Modele::fdcChange, [&] { ++changements; });
    auto rb1 = [&] { return (m->getProcesseur()->getDM()->readDirect(DM::PORTB) >> 1) & 1; };

    m->romboSurPiste(500.0, 0.0, 0.0);
    avance(*m, 0.01);
    EXPECT_EQ(rb1(), 1);
    EXPECT_EQ(changements, 0);
    m->romboSurPiste(1000.0 - 130.0, 0.0, 0.0);   // front point 10 mm into the obstacle
    EXPECT_TRUE(m->getFdc()->isActif());
    EXPECT_EQ(changements, 1);
    avance(*m, 0.01);
    EXPECT_EQ(rb1(), 0);

    m->relacheFdc();
    EXPECT_FALSE(m->getFdc()->isActif());
    EXPECT_EQ(changements, 1);
    // The evaluation of the released pin refreshes the switch: the obstacle again.
    m->pas();
    EXPECT_TRUE(m->getFdc()->isActif());
    EXPECT_EQ(changements, 2);
    EXPECT_EQ(rb1(), 0);

    // Held open by the user, the switch ignores the obstacle.
    m->appuyeFdc(false);
    avance(*m, 0.01);
    EXPECT_FALSE(m->getFdc()->isActif());
    EXPECT_EQ(rb1(), 1);
    EXPECT_EQ(changements, 2);
}

// --- Robot file ----------------------------------------------------------------------------

class RobotFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        TearDown();
    }
    void TearDown() override
    {
        CaptIrCNX::setRefScotch(0.9);
        CaptIrCNX::setRefMoquette(0.1);
    }
    QString chemin(const char* nom) const { return dir.filePath(QString::fromLatin1(nom)); }
    QString ecritTexte(const char* nom, const QString& texte) const
    {
        QFile f(chemin(nom));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(texte.toUtf8());
        return f.fileName();
    }
    // A robot file with these elements under its root.
    QString avec(const char* contenu) const
    {
        return ecritTexte("t.rbo", QStringLiteral("<rombo name=\"t\">%1</rombo>").arg(QString::fromUtf8(contenu)));
    }
    static QString lit(const QString& fichier)
    {
        QFile f(fichier);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    QStringList fichiers() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir dir;
    std::unique_ptr<Modele> m = std::make_unique<Modele>();
};

TEST_F(RobotFile, FreshModelWritesTheDefaultLayout)
{
    m->addCaptIr(-1);
    const QString f = chemin("frais.rbo");
    ASSERT_TRUE(m->saveRomboData(f));
    QDomDocument doc;
    ASSERT_TRUE(doc.setContent(lit(f)));
    EXPECT_EQ(doc.doctype().name(), QStringLiteral("rombo"));
    EXPECT_EQ(doc.doctype().publicId(), QStringLiteral("-//KQ//DTD Rombo 1.0 //EN"));
    EXPECT_TRUE(lit(f).contains(QStringLiteral("<!--This file describe a rombo-->")));
    const QDomElement racine = doc.documentElement();
    EXPECT_EQ(racine.tagName(), QStringLiteral("rombo"));
    EXPECT_EQ(racine.attribute(QStringLiteral("name")), f);
    // Each container with its attribute and leaves, in document order.
    QStringList vu;
    for (QDomElement c = racine.firstChildElement(); !c.isNull(); c = c.nextSiblingElement()) {
        QString s = c.tagName() + c.attribute(QStringLiteral("numero")) + QLatin1Char(':');
        for (QDomElement l = c.firstChildElement(); !l.isNull(); l = l.nextSiblingElement())
            s += QLatin1Char(' ') + l.tagName() + QLatin1Char('=') + l.text();
        vu << s;
    }
    const QStringList attendu = {
        QStringLiteral("jack: pullup=1 contactno=1 resistance=1000 connexion=NULL"),
        QStringLiteral("fdc: pullup=1 contactno=1 resistance=1000 connexion=NULL"),
        QStringLiteral("hacheurs: pwm1agauche=1 vf=1 rdson=0.54"),
        QStringLiteral("capteur0: pullup=1 nocomp=1 sup=1 rd=270 rt=33000 vseuil=2.5 rc=1000 x=0 y=-4.5 h=5 "
                       "connexion=NULL"),
        QStringLiteral("params: masse=2 vbat=12 reduction=5 roulement=0.07 rayon=25 rendement=0.9 voie=230 "
                       "scotch=0.9 moquette=0.1"),
        QStringLiteral("moteur_g: res=2.38 induc=0.024 kphi=25 inertie=40 i0=1.5"),
        QStringLiteral("moteur_d: res=2.38 induc=0.024 kphi=25 inertie=40 i0=1.5"),
    };
    EXPECT_EQ(vu, attendu);
}

TEST_F(RobotFile, SaveThenReadGivesTheSameRobot)
{
    // Every value distinct, so that a leaf read into the wrong field shows.
    ContactCNX* jack = m->getJack();
    jack->setPullUp(false);
    jack->setContactNO(false);
    jack->setResistance(2200.0);
    ASSERT_TRUE(m->jackConnecte(QStringLiteral("RE2")));
    m->getFdc()->setContactNO(false);
    m->getFdc()->setResistance(4700.25);
    ASSERT_TRUE(m->fdcConnecte(QStringLiteral("RB2")));
    m->setPwm1aGauche(false);
    m->setVf(0.7);
    m->setRdson(0.25);
    for (int i = 0; i < 3; ++i)
        m->addCaptIr(-1);
    CaptIrCNX* s = m->getCaptIr(0);
    s->setPullUp(false);
    s->setNoComp(false);
    s->setSup(false);
    s->setRd(330.0);
    s->setRt(47000.0);
    s->setVseuil(1.8);
    s->setRc(1500.0);
    s->setX(-12.5);
    s->setY(-3.0);
    s->setH(4.2);
    ASSERT_TRUE(m->captIrConnecte(0, QStringLiteral("RA5")));
    m->getCaptIr(1)->setX(3.14159265358979);
    ASSERT_TRUE(m->captIrConnecte(1, QStringLiteral("RC0")));
    m->getCaptIr(2)->setH(7.0);   // not wired
    m->setMasse(1.5);
    m->setVbat(9.6);
    m->setReduc(4.5);
    m->setKroul(0.05);
    m->setRayon(30.123456789);
    m->setRendement(0.8);
    m->setVoie(200.0);
    CaptIrCNX::setRefScotch(0.85);
    CaptIrCNX::setRefMoquette(0.12);
    const double moteurs[2][5] = {{3.1, 0.03, 22.0, 35.0, 1.2}, {2.9, 0.02, 27.0, 45.0, 1.7}};
    for (int i = 0; i < 2; ++i) {
        MoteurCNX* mot = i == 0 ? m->getMoteurG() : m->getMoteurD();
        mot->setRes(moteurs[i][0]);
        mot->setInduc(moteurs[i][1]);
        mot->setKphi(moteurs[i][2]);
        mot->setInertie(moteurs[i][3]);
        mot->setI0(moteurs[i][4]);
    }
    const QString f = chemin("a.rbo");
    ASSERT_TRUE(m->saveRomboData(f));
    TearDown();

    // Read into a model with a configuration of its own: the file replaces it.
    auto b = std::make_unique<Modele>();
    for (int i = 0; i < 5; ++i)
        b->addCaptIr(-1);
    ASSERT_TRUE(b->jackConnecte(QStringLiteral("RA1")));
    int lus = 0;
    QObject::connect(b.get(), &XMLOpenSaveData::openNew, [&] { ++lus; });
    ASSERT_TRUE(b->openData(f));
    EXPECT_EQ(lus, 1);
    const QString f2 = chemin("b.rbo");
    ASSERT_TRUE(b->saveRomboData(f2));
    EXPECT_EQ(lit(f2).replace(f2, f), lit(f));

    // The model itself: wiring, sensor order, rounding to 6 digits.
    EXPECT_EQ(b->getPinName(b->getJackPinIndex()), QStringLiteral("RE2"));
    EXPECT_EQ(b->getPinName(b->getFdcPinIndex()), QStringLiteral("RB2"));
    EXPECT_FALSE(b->getPin(0)->estUtilise());   // RA1, where its jack was
    ASSERT_EQ(b->nbCaptIr(), 3);
    EXPECT_EQ(b->getCaptIr(0)->getX(), -12.5);
    EXPECT_EQ(b->getProcesseur()->getPortC()->getConnexion(0), b->getCaptIr(1));
    EXPECT_EQ(b->getCaptIr(1)->getX(), 3.14159);
    EXPECT_EQ(b->getCaptIr(2)->getPort(), nullptr);
    EXPECT_EQ(b->getRayon(), 30.1235);
    // The file's PWM assignment is wired as it is read: PWM2 (RC1) on the left motor.
    EXPECT_EQ(b->getProcesseur()->getPortC()->getConnexion(1), b->getMoteurG());
}

TEST_F(RobotFile, SensorNumbersCreateTheMissingSensorsOrAreIgnored)
{
    ASSERT_TRUE(m->openData(avec("<capteur numero=\"2\"><x>7</x><h>3</h></capteur>")));
    ASSERT_EQ(m->nbCaptIr(), 3);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(m->getCaptIr(i)->getX(), 0.0);
        EXPECT_EQ(m->getCaptIr(i)->getH(), 5.0);
    }
    EXPECT_EQ(m->getCaptIr(2)->getX(), 7.0);
    EXPECT_EQ(m->getCaptIr(2)->getH(), 3.0);

    ASSERT_TRUE(m->openData(avec("<capteur numero=\"12\"><x>1</x></capteur>"
                                 "<capteur numero=\"-1\"><x>1</x></capteur>"
                                 "<capteur numero=\"1000\"><x>1</x></capteur>")));
    EXPECT_EQ(m->nbCaptIr(), 0);
}

TEST_F(RobotFile, PinsThatAreNotFreeOrNotPinsLeaveDevicesUnwired)
{
    ASSERT_TRUE(m->openData(avec("<jack><connexion>RB0</connexion></jack>"
                                 "<fdc><connexion>RB0</connexion></fdc>"
                                 "<capteur numero=\"0\"><connexion>RC1</connexion></capteur>"
                                 "<capteur numero=\"1\"><connexion>NULL</connexion></capteur>"
                                 "<capteur numero=\"2\"><connexion>RA4</connexion></capteur>"
                                 "<capteur numero=\"3\"><connexion>RZ9</connexion></capteur>")));
    EXPECT_EQ(m->getPinName(m->getJackPinIndex()), QStringLiteral("RB0"));
    EXPECT_EQ(m->getFdcPinIndex(), -1);
    EXPECT_EQ(m->getCaptIr(0)->getPort(), nullptr);
    EXPECT_EQ(m->getProcesseur()->getPortC()->getConnexion(1), m->getMoteurD());
    EXPECT_EQ(m->getCaptIr(1)->getPort(), nullptr);
    EXPECT_EQ(m->getCaptIr(2)->pinName(), QStringLiteral("RA4"));
    EXPECT_EQ(m->getCaptIr(3)->getPort(), nullptr);
    std::vector<QString> noms;
    std::vector<int> index;
    m->getUnusedPins(noms, index);
    EXPECT_EQ(noms.size(), 10u);   // 14 less the motors, the jack and RA4
}

TEST_F(RobotFile, ValuesThatDoNotParse)
{
    ASSERT_TRUE(m->openData(avec("<jack><pullup>oui</pullup><resistance>abc</resistance></jack>"
                                 "<hacheurs><pwm1agauche>x</pwm1agauche><vf>nan</vf><rdson></rdson></hacheurs>"
                                 "<capteur numero=\"0\"><nocomp>zz</nocomp><h>nan</h><x>12abc</x></capteur>"
                                 "<params><masse>nan</masse><vbat>-inf</vbat><reduction>1e999</reduction>"
                                 "<rayon>abc</rayon><voie>inf</voie><scotch>NaN</scotch></params>"
                                 "<moteur_g><induc>nan</induc><kphi></kphi><i0>INF</i0></moteur_g>")));
    // Integers and booleans that do not parse read 0.
    EXPECT_FALSE(m->getJack()->getPullUp());
    EXPECT_FALSE(m->isPwm1aGauche());
    EXPECT_FALSE(m->getCaptIr(0)->getNoComp());
    // Reals that are not finite numbers leave the value as it was.
    const double lu[] = {m->getJack()->getResistance(), m->getVf(), m->getRdson(), m->getCaptIr(0)->getH(),
                         m->getCaptIr(0)->getX(), m->getMasse(), m->getVbat(), m->getReduc(), m->getRayon(),
                         m->getVoie(), CaptIrCNX::getRefScotch(), m->getMoteurG()->getInduc(),
                         m->getMoteurG()->getKphi(), m->getMoteurG()->getI0()};
    const double avant[] = {1000, 1, 0.54, 5, 0, 2, 12, 5, 25, 230, 0.9, 0.024, 25, 1.5};
    for (size_t i = 0; i < std::size(lu); ++i)
        EXPECT_EQ(lu[i], avant[i]) << "value " << i;

}

TEST_F(RobotFile, UnreadableFilesChangeNothing)
{
    m->setRayon(31.0);
    ASSERT_TRUE(m->saveRomboData(chemin("bon.rbo")));
    const QString texte = lit(chemin("bon.rbo"));
    auto autre = std::make_unique<Modele>();
    autre->addCaptIr(-1);
    ASSERT_TRUE(autre->fdcConnecte(QStringLiteral("RE1")));
    int lus = 0;
    QObject::connect(autre.get(), &XMLOpenSaveData::openNew, [&] { ++lus; });
    for (const QString& f : {ecritTexte("tronque.rbo", texte.left(texte.size() / 2)), ecritTexte("vide.rbo", {}),
                             ecritTexte("pasxml.rbo", QStringLiteral("jack RB0\n")), chemin("absent.rbo")}) {
        SCOPED_TRACE(f.toStdString());
        EXPECT_FALSE(autre->openData(f));
        EXPECT_EQ(autre->nbCaptIr(), 1);
        EXPECT_EQ(autre->getPinName(autre->getFdcPinIndex()), QStringLiteral("RE1"));
        EXPECT_EQ(autre->getRayon(), 25.0);
    }
    EXPECT_EQ(lus, 0);
}

TEST_F(RobotFile, SavingReplacesTheFileOrFailsWithoutTrace)
{
    while (m->captIrAjoutPossible())
        m->addCaptIr(-1);
    const QString f = chemin("robot.rbo");
    ASSERT_TRUE(m->saveRomboData(f));
    const qint64 taillePleine = QFileInfo(f).size();
    auto frais = std::make_unique<Modele>();
    ASSERT_TRUE(frais->saveRomboData(f));
    EXPECT_LT(QFileInfo(f).size(), taillePleine);
    EXPECT_FALSE(lit(f).contains(QStringLiteral("capteur")));
    EXPECT_TRUE(lit(f).trimmed().endsWith(QStringLiteral("</rombo>")));
    EXPECT_EQ(fichiers(), QStringList{QStringLiteral("robot.rbo")});

    EXPECT_FALSE(frais->saveRomboData(dir.filePath(QStringLiteral("absent/robot.rbo"))));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("absent"))));
    EXPECT_EQ(fichiers(), QStringList{QStringLiteral("robot.rbo")});
}

// --- The line follower, end to end -----------------------------------------------------------

std::string exemple(const std::string& nom)
{
    return std::string(TAVREX_EXAMPLES_SRC_DIR) + "/" + nom;
}

TEST(RobotLineFollower, FollowsTheExampleTrackAndStopsAtTheObstacle)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string csv = dir.filePath(QStringLiteral("trajet.csv")).toStdString();
    const std::string piste = exemple("piste001.pis");
    // No pose given: a fresh robot stands at the origin heading along +x, which is
    // where the circuit starts. The jack pulled after 100 ms; the lap takes about 51 s.
    const Sortie r = lanceCli({"--ms", "54000", "--at", "100", "jack-out", "--piste", piste, "--robot",
                               exemple("rombo001.rbo"), "--trajectory", csv, TAVREX_EXAMPLES_DIR "/suiveur.hex"});
    const std::string& texte = r.texte;
    ASSERT_EQ(r.code, 0) << texte << r.erreurs;
    EXPECT_NE(texte.find("switch pressed"), std::string::npos) << texte;
    // The runner's own measure of the same thing as below.
    double ecartAnnonce = -1.0;
    const size_t ecart = texte.find("largest distance from the tape: ");
    ASSERT_NE(ecart, std::string::npos) << texte;
    EXPECT_EQ(std::sscanf(texte.c_str() + ecart, "largest distance from the tape: %lf mm", &ecartAnnonce), 1);
    EXPECT_GT(ecartAnnonce, 0.5);
    EXPECT_LT(ecartAnnonce, 25.0);

    Piste p;
    ASSERT_TRUE(p.openData(QString::fromStdString(piste)));
    ASSERT_GT(p.size(), 1u);
    EXPECT_EQ(p.getElt(0)->getX0(), 0.0);
    EXPECT_EQ(p.getElt(0)->getY0(), 0.0);
    EXPECT_EQ(p.getElt(0)->getTheta0(), 0.0);
    EXPECT_EQ(p.getElt(1)->typeIndex(), 1);
    const Portion* trou = nullptr;
    unsigned obstacle = 0;
    for (unsigned i = 0; i < p.size(); ++i) {
        if (p.getElt(i)->typeIndex() == 4)
            trou = p.getElt(i);
        if (p.getElt(i)->typeIndex() == 3)
            obstacle = i;
    }
    ASSERT_TRUE(trou && obstacle > 0);
    const double longueurTrou = std::hypot(trou->getX() - trou->getX0(), trou->getY() - trou->getY0());

    std::ifstream in(csv);
    std::string l;
    std::getline(in, l);
    EXPECT_EQ(l, "t_ms,x_mm,y_mm,heading_deg,v_left_mm_s,v_right_mm_s,fdc");
    // How near the front point comes to each element's end: each one up to the
    // obstacle must be reached.
    std::vector<double> auPlusPres(p.size(), 1e20);
    double ecartMax = 0.0, tPire = 0.0, t = 0, x = 0, y = 0, cap = 0, vg = 1, vd = 1, fx = 0, fy = 0;
    int fdc = 0, n = 0;
    while (std::getline(in, l)) {
        ASSERT_EQ(std::sscanf(l.c_str(), "%lf,%lf,%lf,%lf,%lf,%lf,%d", &t, &x, &y, &cap, &vg, &vd, &fdc), 7) << l;
        ++n;
        if (t < 100.0) {
            EXPECT_EQ(vg + vd, 0.0) << "moving before the jack is pulled, t = " << t;
        }
        fx = x + Modele::avant * std::cos(cap * degEnRad);
        fy = y + Modele::avant * std::sin(cap * degEnRad);
        for (unsigned i = 0; i < p.size(); ++i)
            auPlusPres[i] = std::min(auPlusPres[i], std::hypot(fx - p.getElt(i)->getX(), fy - p.getElt(i)->getY()));
        // Over the gap there is no tape to follow.
        const double ct = std::cos(trou->getTheta0()), st = std::sin(trou->getTheta0());
        const double u = (fx - trou->getX0()) * ct + (fy - trou->getY0()) * st;
        const double v = (fy - trou->getY0()) * ct - (fx - trou->getX0()) * st;
        if (u >= 0.0 && u <= longueurTrou && std::fabs(v) < 100.0)
            continue;
        const double d = p.getScotchDistance(fx, fy);
        if (d > ecartMax) {
            ecartMax = d;
            tPire = t;
        }
    }
    EXPECT_GT(n, 53000);
    EXPECT_LE(ecartMax, 25.0) << "at t = " << tPire << " ms";
    for (unsigned i = 1; i <= obstacle; ++i)
        EXPECT_LT(auPlusPres[i], 25.0) << "element " << i << " never reached";
    // Stopped, the switch pressed, the front point in the obstacle.
    EXPECT_EQ(vg, 0.0);
    EXPECT_EQ(vd, 0.0);
    EXPECT_EQ(fdc, 1);
    EXPECT_TRUE(p.getObstacleCollision(fx, fy)) << fx << ", " << fy;
    EXPECT_NEAR(cap, 360.0, 5.0);
}

}  // namespace

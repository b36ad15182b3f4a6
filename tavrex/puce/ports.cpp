#include "ports.h"

#include <cmath>

#include <QCoreApplication>

#include "aleatoire.h"
#include "datamemory.h"
#include "processeur.h"

const QString Connexion::NCString = QStringLiteral("NC");

Connexion::~Connexion()
{
    if (port)
        port->deconnecte(pin);
}

QString Connexion::getNameParam(int)
{
    return QCoreApplication::translate("Connexion", "Connexion");
}

void Connexion::changement()
{
    if (port)
        port->changement(pin);
}

void Connexion::setSrc(double src, double z)
{
    // An impedance below zero (or not a number, from a file's settings) is taken as a
    // short: the pin's divider must stay a number.
    if (!(z >= 0.0))
        z = 0.0;
    // A device that refreshes itself to the same source (a sensor at every read of
    // its port) gives its pin nothing to re-evaluate, unless the pin's level lies
    // between the TTL thresholds: that level is drawn afresh at every evaluation.
    if (src == valueSrc && z == impedance && !(port && port->estIndecise(pin)))
        return;
    valueSrc = src;
    impedance = z;
    changement();
}

void Connexion::setInput()
{
    valueSrc = Port::vEntree;
    impedance = Port::zEntree;
    changement();
}

// The devices of the board only ever drive a line low; a high level is taken as the
// board's 5 V supply, like the chip's own output.
void Connexion::setOutput(bool high)
{
    valueSrc = high ? Port::vHaut : Port::vBas;
    impedance = 1000.0;
    changement();
}

QString Connexion::pinName() const
{
    return port ? port->pinName(pin) : NCString;
}

// ---------------------------------------------------------------------------

void Port::changement()
{
    for (bool& c : change)
        c = true;
    globalChange = true;
    processeur->notePortChange();
}

void Port::changement(Byte pin)
{
    change[pin & 7] = true;
    globalChange = true;
    processeur->notePortChange();
}

void Port::connecte(Byte pin, Connexion* c)
{
    if (pin > 7)
        return;
    // A device sits on one pin only: moving it (the motors swap RC1 and RC2) must not
    // leave it behind in its old slot, where the next connection there would
    // disconnect it from its new pin.
    if (c && c->getPort())
        c->getPort()->deconnecte(c->getPin());
    deconnecte(pin);
    cnx[pin] = c;
    if (c)
        c->setPort(this, pin);
    changement(pin);
}

void Port::deconnecte(Byte pin)
{
    if (pin > 7 || !cnx[pin])
        return;
    Connexion* c = cnx[pin];
    cnx[pin] = nullptr;
    if (c->getPort() == this && c->getPin() == pin)
        c->setPort(nullptr, 0);
    changement(pin);
}

double Port::setCnxValue(Byte pin, Byte lat, bool input)
{
    if (pin > 7 || !cnx[pin])
        return 0.0;
    Connexion* c = cnx[pin];
    double vpic, zpic;
    if (input) {
        vpic = vEntree;
        zpic = zEntree;
    } else {
        vpic = (lat >> pin) & 1 ? vHaut : vBas;
        zpic = zSortie;
    }
    const double z = c->getZ();
    const double vext = c->getValue(vpic);
    const double v = (z * vpic + zpic * vext) / (z + zpic);
    c->setValue(v);
    return v;
}

double Port::getAnalogValue(Byte pin, double vpic, double tSample)
{
    if (pin > 7 || !cnx[pin])
        return vpic;
    Connexion* c = cnx[pin];
    c->miseAJour();
    const double vsrc = c->getVin();
    // Hold capacitor of 25 pF behind the source impedance and the 3 kohm of the
    // sampling switch.
    const double t = enSecondes(tSample);
    const double tau = (c->getZ() + 3000.0) * 25e-12;
    return vsrc + (vpic - vsrc) * std::exp(-t / tau);
}

void Port::miseAJour()
{
    for (Connexion* c : cnx)
        if (c)
            c->miseAJour();
}

bool Port::getTTL(double v)
{
    if (v < seuilBas)
        return false;
    if (v > seuilHaut)
        return true;
    return Aleatoire::bit();
}

QString Port::pinName(int port, Byte pin)
{
    if (port < 0 || port > 4 || pin > 7)
        return QString();
    return QStringLiteral("R") + QChar('A' + port) + QString::number(pin);
}

DataMemory* Port::getDM() const
{
    return processeur->getDM();
}

Byte Port::evaluePins(Byte pins, Byte latOverride, Byte latOverrideMask)
{
    DataMemory* dm = getDM();
    const int n = getNumero();
    pinsDerniereEvaluation = 0;
    const Byte tris = dm->read(static_cast<Word>(DataMemory::TRISA + n));
    // The devices refreshed first, as a read of PORTx does (not the program's read:
    // PORTB's mismatch latch keeps what the program last read).
    miseAJour();
    Byte valeur = dm->readDirect(static_cast<Word>(DataMemory::PORTA + n));
    Byte lat = dm->read(static_cast<Word>(DataMemory::LATA + n));
    lat = static_cast<Byte>((lat & ~latOverrideMask) | (latOverride & latOverrideMask));
    for (Byte i = 0; i < 8; ++i) {
        if (!((pins >> i) & 1) || !change[i])
            continue;
        const double v = setCnxValue(i, lat, (tris >> i) & 1);
        const bool indecise = !analogPin[i] && v >= seuilBas && v <= seuilHaut;
        setBit(pinsIndecises, i, indecise);
        setBit(valeur, i, !analogPin[i] && getTTL(v));
        setBit(pinsDerniereEvaluation, i, true);
        change[i] = false;
    }
    return valeur;
}

Byte Port::publie(Byte valeur)
{
    DataMemory* dm = getDM();
    switch (getNumero()) {
    case PORTA: dm->writePortADirect(valeur); break;
    case PORTB: dm->writePortBDirect(valeur); break;
    case PORTC: dm->writePortCDirect(valeur); break;
    case PORTD: dm->writePortDDirect(valeur); break;
    default: dm->writePortEDirect(valeur); break;
    }
    processeur->notePortEvalue(*this, valeur);
    return valeur;
}

void Port::appliqueAnalog(const Byte (&seuils)[8], Byte pinsAnalogiques)
{
    const Byte pcfg = getDM()->readDirect(DataMemory::ADCON1) & 0x0F;
    for (Byte i = 0; i < 8; ++i) {
        if (!((pinsAnalogiques >> i) & 1))
            continue;
        analogPin[i] = pcfg <= seuils[i];
        change[i] = true;
    }
    globalChange = true;
    processeur->notePortChange();
}

// ---------------------------------------------------------------------------
// The PCFG thresholds below reproduce the data sheet's table: an input is analog
// while PCFG is at most its threshold (AN0 up to PCFG 14, AN12 only up to 2).

Byte PortA::evalue()
{
    // The PORTA read inside the evaluation may mark RA4 anew (a sensor refreshed
    // there): Timer0 hears of every evaluation of RA4, whoever marked it.
    const Byte v = evaluePins(pinsEvaluees);
    if (pinsDerniereEvaluation & 0x10) {
        Timer0* t0 = processeur->getTimer0();
        if (t0)
            t0->extClockChange((v >> 4) & 1);
    }
    return publie(v);
}

void PortA::analogConfig()
{
    // RA0 AN0, RA1 AN1, RA2 AN2, RA3 AN3, RA5 AN4.
    static const Byte seuils[8] = {14, 13, 12, 11, 0, 10, 0, 0};
    appliqueAnalog(seuils, 0x2F);
}

Byte PortB::evalue()
{
    const Byte avant = getDM()->readDirect(DataMemory::PORTB);
    const Byte v = publie(evaluePins(pinsEvaluees));
    if (processeur->estSilicium())
        processeur->interruptions()->portB(avant, v);   // INTx edges, RB4-RB7 mismatch
    return v;
}

void PortB::analogConfig()
{
    // RB0 AN12, RB1 AN10, RB2 AN8, RB3 AN9, RB4 AN11.
    static const Byte seuils[8] = {2, 4, 6, 5, 3, 0, 0, 0};
    appliqueAnalog(seuils, 0x1F);
}

Byte PortC::evalue()
{
    // While a PWM module runs, its output replaces the latch of its pin (CCP2 on RC1,
    // CCP1 on RC2); TRISC still decides whether the pin is driven at all.
    Byte masque = 0, sortie = 0;
    const Pwm* pwm2 = processeur->getPwm2();
    const Pwm* pwm1 = processeur->getPwm1();
    if (pwm2->isOn()) {
        masque |= 0x02;
        if (pwm2->output())
            sortie |= 0x02;
    }
    if (pwm1->isOn()) {
        masque |= 0x04;
        if (pwm1->output())
            sortie |= 0x04;
    }
    return publie(evaluePins(pinsEvaluees, sortie, masque));
}

Byte PortD::evalue()
{
    return publie(evaluePins(pinsEvaluees));
}

Byte PortE::evalue()
{
    return publie(evaluePins(pinsEvaluees));
}

void PortE::analogConfig()
{
    // RE0 AN5, RE1 AN6, RE2 AN7.
    static const Byte seuils[8] = {9, 8, 7, 0, 0, 0, 0, 0};
    appliqueAnalog(seuils, 0x07);
}

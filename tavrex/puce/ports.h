#ifndef TAVREX_PORTS_H
#define TAVREX_PORTS_H

#include <QString>

#include "types.h"

class P18f4550;
class DataMemory;
class Port;

// An outside device hung on one pin, seen from the pin as a source voltage behind a
// source impedance. The pin voltage is the junction of the chip's source and the
// device's: V = (Z * Vpic + Zpic * Vext) / (Z + Zpic).
class Connexion
{
    friend class EtatModele;   // a snapshot reads and restores the whole state

public:
    static const QString NCString;

    Connexion() = default;
    virtual ~Connexion();
    Connexion(const Connexion&) = delete;
    Connexion& operator=(const Connexion&) = delete;

    virtual void modifie(double) {}
    virtual double getValue(double /*vpic*/) { return valueSrc; }
    virtual double getValParam(int) { return valueIn; }
    virtual QString getNameParam(int);
    virtual void miseAJour() {}

    void setPort(Port* p, Byte n)
    {
        port = p;
        pin = n;
    }
    void changement();
    void setValue(double v)
    {
        valueIn = v;
        modifie(v);
    }
    void setSrc(double src, double z);
    void setInput();
    void setOutput(bool high);
    double getZ() const { return impedance; }
    double getVin() const { return valueIn; }
    double getSrc() const { return valueSrc; }
    Port* getPort() const { return port; }
    Byte getPin() const { return pin; }
    QString pinName() const;

protected:
    double valueIn = 0.0;
    double valueSrc = 2.5;
    double impedance = 1e9;
    Port* port = nullptr;
    Byte pin = 0;
};

// Told of every port evaluation (the runner's waveform recorder): the port and the
// levels it now reads.
class ObservateurPorts
{
public:
    virtual ~ObservateurPorts() = default;
    virtual void portEvalue(const Port& port, Byte valeur) = 0;
};

// Ports are evaluated lazily: register writes, device changes and PWM edges mark
// pins; the processor evaluates the marked ports at the end of the tick.
class Port
{
    friend class EtatModele;   // a snapshot reads and restores the whole state

public:
    enum Numero { PORTA = 0, PORTB = 1, PORTC = 2, PORTD = 3, PORTE = 4 };

    // The chip's side of a pin.
    static constexpr double vHaut = 5.0, vBas = 0.0, zSortie = 1.0;
    static constexpr double vEntree = 2.5, zEntree = 1e9;
    static constexpr double seuilBas = 0.8, seuilHaut = 3.0;

    Port(P18f4550* p, int numero) : pinsEvaluees(pinsEvalueesDu(numero)), processeur(p) {}
    virtual ~Port() = default;
    Port(const Port&) = delete;
    Port& operator=(const Port&) = delete;

    virtual Byte evalue() = 0;
    virtual void analogConfig() {}
    virtual int getNumero() const = 0;
    // The pins port `numero` evaluates (a bit mask: RA0 to RA6, RB0 to RB5, RC0 to RC2,
    // RD0 to RD7, RE0 to RE2); the others do not exist on the chip or never change.
    static constexpr Byte pinsEvalueesDu(int numero)
    {
        constexpr Byte masques[5] = {0x7F, 0x3F, 0x07, 0xFF, 0x07};
        return numero >= PORTA && numero <= PORTE ? masques[numero] : 0;
    }
    Byte getPinsEvaluees() const { return pinsEvaluees; }

    // A sensor refreshed by the evaluation's own PORTx read marks its pin again: the
    // evaluation takes that mark in the same pass, so the flag is cleared afterwards
    // (cleared before, every sensor would ask for an evaluation at every tick).
    void eval()
    {
        evalue();
        globalChange = false;
    }
    bool aChange() const { return globalChange; }

    void changement();
    void changement(Byte pin);
    void connecte(Byte pin, Connexion* c);
    void deconnecte(Byte pin);
    Connexion* getConnexion(Byte pin) const { return pin < 8 ? cnx[pin] : nullptr; }
    bool isAnalog(Byte pin) const { return pin < 8 && analogPin[pin]; }
    // The pin's level, at its last evaluation, lay between the TTL thresholds.
    bool estIndecise(Byte pin) const { return (pinsIndecises >> (pin & 7)) & 1; }

    double setCnxValue(Byte pin, Byte lat, bool input);
    double getAnalogValue(Byte pin, double vpic, double tSample);
    void miseAJour();
    static bool getTTL(double v);
    static void setBit(Byte& r, Byte bit, bool value)
    {
        if (value)
            r |= static_cast<Byte>(1u << bit);
        else
            r &= static_cast<Byte>(~(1u << bit));
    }
    static QString pinName(int port, Byte pin);
    QString pinName(Byte pin) const { return pinName(getNumero(), pin); }
    DataMemory* getDM() const;

protected:
    // Evaluates the marked pins among `pins` (a bit mask) from TRISx, PORTx and LATx
    // (with `latOverride` in place of the latch bits of `latOverrideMask`) and returns
    // the new PORTx.
    Byte evaluePins(Byte pins, Byte latOverride = 0, Byte latOverrideMask = 0);
    // Stores the new PORTx and tells the processor's observer; returns it.
    Byte publie(Byte valeur);
    // Sets analogPin of each analog-capable pin from PCFG and marks them changed.
    void appliqueAnalog(const Byte (&seuils)[8], Byte pinsAnalogiques);

    const Byte pinsEvaluees;
    bool globalChange = true;
    Connexion* cnx[8] = {};
    P18f4550* processeur;
    bool analogPin[8] = {};
    bool change[8] = {true, true, true, true, true, true, true, true};
    Byte pinsIndecises = 0;   // read at random at their last evaluation
    Byte pinsDerniereEvaluation = 0;    // by the last evaluePins()
};

class PortA : public Port
{
public:
    explicit PortA(P18f4550* p) : Port(p, PORTA) {}
    Byte evalue() override;
    void analogConfig() override;
    int getNumero() const override { return PORTA; }
};

class PortB : public Port
{
public:
    explicit PortB(P18f4550* p) : Port(p, PORTB) {}
    Byte evalue() override;
    void analogConfig() override;
    int getNumero() const override { return PORTB; }
};

// RC1 and RC2 follow the PWM outputs while their modules are on.
class PortC : public Port
{
public:
    explicit PortC(P18f4550* p) : Port(p, PORTC) {}
    Byte evalue() override;
    int getNumero() const override { return PORTC; }
};

class PortD : public Port
{
public:
    explicit PortD(P18f4550* p) : Port(p, PORTD) {}
    Byte evalue() override;
    int getNumero() const override { return PORTD; }
};

class PortE : public Port
{
public:
    explicit PortE(P18f4550* p) : Port(p, PORTE) {}
    Byte evalue() override;
    void analogConfig() override;
    int getNumero() const override { return PORTE; }
};

#endif

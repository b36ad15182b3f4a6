#ifndef TAVREX_OSCILLO_H
#define TAVREX_OSCILLO_H

#include <cstdint>

#include <QString>

#include "evenement.h"

class Connexion;
class Oscillo;
class P18f4550;

// Where a trace is shown. It is told from inside the tick loop when a sweep ends: it
// should do no more than have itself redrawn.
class EcranOscillo
{
public:
    // The 250 points of getY() are a new trace.
    virtual void traceFinie(const Oscillo& o) = 0;
    // getX() and getUnite() changed with the time base.
    virtual void baseTempsChangee(const Oscillo& o) = 0;

protected:
    ~EcranOscillo() = default;
};

// One trace of the oscilloscope window: samples the voltage that a connection sees
// every `dt` ticks from the processor's event list, waits for a rising edge through
// the trigger level and shows 250 points around it. Between two samples it costs
// nothing: no polling, and the buffers are fixed arrays that a screen reads in place.
//
// An acquisition goes through four states:
//   0 fills the pre-trigger buffer once, 1 waits for the level to be low,
//   2 waits for it to rise (sampling every tick, so the trigger point is exact to the
//   tick), 3 fills the trace after the edge.
// After `trigAuto` samples in a state without reaching the next one (the wait for the
// edge: `attenteFront` ticks, the longest period a PWM output can have, so that a
// slow PWM's long low phase does not pass for a flat line), the pre-trigger buffer is
// shown as it stands (a flat line, or a signal that never crosses the level).
//
// Without a screen (runner, tests, benchmarks) it samples all the same.
class Oscillo final : public Evenement
{
public:
    static constexpr int nbPoints = 250;
    // Timer2's prescaler 16 and PR2 = 255: 4 x 16 x 256 ticks, 341 us.
    static constexpr int attenteFront = 4 * 16 * 256;

    explicit Oscillo(P18f4550* processeur);
    ~Oscillo();
    Oscillo(const Oscillo&) = delete;
    Oscillo& operator=(const Oscillo&) = delete;

    // `param` is what getValParam() of the connection is asked for; null: no sampling.
    void observer(Connexion* c, int param);
    // A new acquisition from state 0; does nothing without an observed connection.
    void debut();
    // `d` from the dial, 0..99: `dt` from 1 tick to 4799 ticks (a sweep from about
    // 5 us to 25 ms). Stops the running acquisition and rescales the time axis.
    void setBaseTemps(int d);
    void executer() override;

    int getDt() const { return dt; }
    int getEtat() const { return trigEtat; }
    const double* getX() const { return x; }
    const double* getY() const { return y; }
    const QString& getUnite() const { return unite; }
    Connexion* getObserve() const { return observ; }
    // Null: no screen. The screen is not owned.
    void setEcran(EcranOscillo* e) { ecran = e; }
    // Traces finished since construction, and whether the last one was
    // triggered (not shown by the timeout), and the tick of its trigger sample.
    int getNbTraces() const { return nbTraces; }
    bool estDeclenche() const { return declenche; }
    uint64_t getInstantDeclenchement() const { return instantDeclenchement; }

private:
    void afficheTrace(bool surDeclenchement);
    void suivant(uint16_t ticks);

    EcranOscillo* ecran = nullptr;
    Connexion* observ = nullptr;
    int dt = 1;
    P18f4550* processeur;
    double x[nbPoints] = {};
    double y[nbPoints] = {};
    double ymem[nbPoints] = {};
    double trigNiveau = 2.5;
    uint16_t index = 0;
    uint16_t trigTemps = 1;
    int trigAuto = 5000;
    int nbAcq = 0;
    int trigEtat = 0;
    int numParam = 0;

    QString unite;
    int nbTraces = 0;
    bool declenche = false;
    uint64_t instantDeclenchement = 0;
};

#endif

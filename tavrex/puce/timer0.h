#ifndef TAVREX_TIMER0_H
#define TAVREX_TIMER0_H

#include <cstdint>

#include "evenement.h"
#include "types.h"

class P18f4550;
class RegistreTMR0L;
class RegistreTMR0H;
class RegistreT0CON;

// Timer0: an 8- or 16-bit counter of instruction cycles (through the prescaler) or of
// RA4 edges. With the internal clock the count is computed from the ticks elapsed
// since a reference (the last write, or the last event), and the event is scheduled
// only at the overflow that sets TMR0IF, or as far as the event wheel reaches when
// the overflow is further; with the external clock the port hands it every new RA4
// level.
class Timer0 : public Evenement
{
    friend class EtatModele;   // a snapshot reads and restores the whole state

public:
    explicit Timer0(P18f4550* p);
    virtual ~Timer0() = default;

    void config();
    void executer() override;
    void reset() override;
    void calcEvent();
    void compte();
    void extClockChange(bool level);

    int32_t getTmr0() const { return tmr0 + comptesEcoules(); }
    void setTmr0(Byte v);
    Byte readTmr0();
    int16_t getPrescaler() const { return prescaler; }
    bool estActif() const { return timerOn; }

private:
    void incremente();
    int32_t comptesEcoules() const;
    void actualiser();

    P18f4550* processeur;
    bool timerOn = false;
    bool tmr8bits = false;
    bool extClock = false;
    bool risingEdge = true;
    bool memoExtClock = false;
    int16_t prescaler = 4;
    int16_t preCount = 0;
    // With the internal clock: the count at the event's registration, which starts a
    // count period. Otherwise: the count.
    int32_t tmr0 = 0;
    RegistreTMR0L* regTMR0L;
    RegistreTMR0H* regTMR0H;
    RegistreT0CON* regT0CON;
};

#endif

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
// RA4 edges. With the internal clock it is an event scheduled one count period ahead;
// with the external clock the port hands it every new RA4 level.
class Timer0 : public Evenement
{
public:
    explicit Timer0(P18f4550* p);
    virtual ~Timer0() = default;

    void config();
    void executer() override;
    void calcEvent();
    void compte();
    void extClockChange(bool level);

    int32_t getTmr0() const { return tmr0; }
    void setTmr0(Byte v);
    Byte readTmr0();
    int16_t getPrescaler() const { return prescaler; }
    bool estActif() const { return timerOn; }

private:
    void incremente();

    P18f4550* processeur;
    bool timerOn = false;
    bool tmr0Output = false;
    bool tmr8bits = false;
    bool extClock = false;
    bool risingEdge = true;
    bool memoExtClock = false;
    int16_t prescaler = 4;
    int16_t preCount = 0;
    int32_t tmr0 = 0;
    RegistreTMR0L* regTMR0L;
    RegistreTMR0H* regTMR0H;
    RegistreT0CON* regT0CON;
};

#endif

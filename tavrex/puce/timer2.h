#ifndef TAVREX_TIMER2_H
#define TAVREX_TIMER2_H

#include "evenement.h"
#include "types.h"

class P18f4550;
class RegistreTMR2;
class RegistrePR2;
class RegistreT2CON;

// Timer2: the period timer of the PWM modules. It is an event scheduled at the next
// period end; between events its counter is computed from the elapsed ticks. The
// counter is kept in 1/64 counts so that every prescaler adds a whole number per tick.
class Timer2 : public Evenement
{
public:
    explicit Timer2(P18f4550* p);
    virtual ~Timer2() = default;

    void config();
    void actualiser();
    void calcEvent();
    void executer() override;

    Byte getTmr2() const { return static_cast<Byte>(tmr2 >> 6); }
    // What a read of TMR2 would give now, without bringing the timer up to date (which
    // may end a period): a count that reached the period's end reads 0.
    Byte tmr2Lu() const;
    void setTmr2(Byte v);
    void setPr2();
    Byte getPrescaler() const { return prescaler; }
    Byte getPostscaler() const { return postscaler; }
    bool output() const { return tmr2Output; }
    bool estActif() const { return timerOn; }

private:
    void finDePeriode();

    P18f4550* processeur;
    bool timerOn = false;
    bool tmr2Output = false;
    Byte prescaler = 1;
    Byte postscaler = 1;
    Byte postCounter = 0;
    Word tmr2 = 0;
    Byte pr2 = 0xFF;
    Word tmr2Reference = 0;   // the count at the last scheduling
    RegistreTMR2* regTMR2;
    RegistrePR2* regPR2;
    RegistreT2CON* regT2CON;
};

#endif

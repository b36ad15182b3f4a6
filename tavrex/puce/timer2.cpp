#include "timer2.h"

#include "datamemory.h"
#include "processeur.h"
#include "registre.h"

Timer2::Timer2(P18f4550* p)
    : processeur(p),
      regTMR2(new RegistreTMR2(this)),
      regPR2(new RegistrePR2(this)),
      regT2CON(new RegistreT2CON(this))
{
    DataMemory* dm = p->getDM();
    dm->modifie(DataMemory::T2CON, regT2CON);
    dm->modifie(DataMemory::TMR2, regTMR2);
    dm->modifie(DataMemory::PR2, regPR2);
}

void Timer2::config()
{
    if (estEnregistre()) {
        actualiser();
        if (estEnregistre())
            supprimer();
    }
    const Byte t2con = regT2CON->readDirect();
    switch (t2con & 0x03) {
    case 0: prescaler = 1; break;
    case 1: prescaler = 4; break;
    default: prescaler = 16; break;
    }
    timerOn = t2con & 0x04;
    postscaler = static_cast<Byte>(((t2con >> 3) & 0x0F) + 1);
    // The fraction belongs to the old prescaler; a whole count is valid for any.
    tmr2 &= 0x3FC0;
    postCounter = 0;
    tmr2Output = false;
    if (timerOn)
        calcEvent();
}

void Timer2::actualiser()
{
    if (!estEnregistre())
        return;
    tmr2 = static_cast<Word>(tmr2Reference + (16 / prescaler) * tempsEcoule());
    // The event of this very tick has not fired yet: the period end (at PR2 + 1, or
    // at the wrap of a counter that was above PR2) happens now, so that the program
    // never sees a count past the end.
    const int compte = tmr2 >> 6;
    if (compte == pr2 + 1 || compte >= 256)
        finDePeriode();
    else
        tmr2Output = false;
}

Byte Timer2::tmr2Lu() const
{
    if (!estEnregistre())
        return getTmr2();
    const int compte = static_cast<Word>(tmr2Reference + (16 / prescaler) * tempsEcoule()) >> 6;
    return compte == pr2 + 1 || compte >= 256 ? 0 : static_cast<Byte>(compte);
}

void Timer2::calcEvent()
{
    int reste = (pr2 + 1) * 64 - tmr2;
    if (reste < 0)
        reste = 256 * 64 - tmr2;   // above PR2: runs to the 8-bit wrap
    if (estEnregistre())
        supprimer();
    enregistrer(static_cast<uint16_t>(reste * prescaler / 16), processeur->getListeEvts());
    tmr2Reference = tmr2;
}

void Timer2::executer()
{
    finDePeriode();
}

void Timer2::finDePeriode()
{
    tmr2 = 0;
    tmr2Output = true;
    processeur->getPwm1()->basculeSet();
    processeur->getPwm2()->basculeSet();
    if (++postCounter >= postscaler) {
        postCounter = 0;
        processeur->getDM()->setBit(DataMemory::PIR1, 1);   // TMR2IF
    }
    calcEvent();
}

void Timer2::setTmr2(Byte v)
{
    actualiser();
    tmr2 = static_cast<Word>(v * 64);
    postCounter = 0;
    if (estEnregistre())
        calcEvent();
}

void Timer2::setPr2()
{
    pr2 = regPR2->readDirect();
    if (estEnregistre())
        calcEvent();
}

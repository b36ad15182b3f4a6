#include "timer0.h"

#include "datamemory.h"
#include "processeur.h"
#include "registre.h"

Timer0::Timer0(P18f4550* p)
    : processeur(p),
      regTMR0L(new RegistreTMR0L(this)),
      regTMR0H(new RegistreTMR0H()),
      regT0CON(new RegistreT0CON(this))
{
    DataMemory* dm = p->getDM();
    dm->modifie(DataMemory::T0CON, regT0CON);
    dm->modifie(DataMemory::TMR0L, regTMR0L);
    dm->modifie(DataMemory::TMR0H, regTMR0H);
}

void Timer0::config()
{
    const Byte t0con = regT0CON->readDirect();
    prescaler = (t0con & 0x08) ? 1 : static_cast<int16_t>(2 << (t0con & 0x07));
    tmr8bits = t0con & 0x40;
    preCount = 0;
    timerOn = t0con & 0x80;
    extClock = t0con & 0x20;
    risingEdge = !(t0con & 0x10);
    if (!extClock) {
        // One count per instruction cycle (four ticks) before the prescaler.
        prescaler = static_cast<int16_t>(prescaler * 4);
        if (timerOn) {
            calcEvent();
            return;
        }
    }
    if (estEnregistre())
        supprimer();
}

void Timer0::calcEvent()
{
    if (estEnregistre())
        supprimer();
    enregistrer(static_cast<uint16_t>(prescaler - preCount), processeur->getListeEvts());
}

void Timer0::executer()
{
    incremente();
    calcEvent();
}

void Timer0::incremente()
{
    ++tmr0;
    if (tmr0 > (tmr8bits ? 0xFF : 0xFFFF)) {
        tmr0 = 0;
        processeur->getDM()->setBit(DataMemory::INTCON, 2);   // TMR0IF
    }
}

void Timer0::compte()
{
    if (++preCount < prescaler)
        return;
    preCount = 0;
    incremente();
}

void Timer0::extClockChange(bool level)
{
    if (!timerOn || !extClock) {
        memoExtClock = level;
        return;
    }
    if (memoExtClock == level)
        return;
    memoExtClock = level;
    if (level == risingEdge)
        compte();
}

void Timer0::setTmr0(Byte v)
{
    // In 16-bit mode the high byte comes from the TMR0H buffer, written first.
    tmr0 = tmr8bits ? v : v + regTMR0H->readDirect() * 256;
    preCount = 0;
    if (estEnregistre())
        calcEvent();
}

Byte Timer0::readTmr0()
{
    // Latching the high byte here lets the program read a consistent 16-bit value.
    if (!tmr8bits)
        regTMR0H->writeDirect(static_cast<Byte>(tmr0 >> 8));
    return static_cast<Byte>(tmr0);
}

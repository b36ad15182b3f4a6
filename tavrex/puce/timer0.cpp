#include "timer0.h"

#include <algorithm>

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
    actualiser();
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

void Timer0::reset()
{
    actualiser();
    Evenement::reset();
}

// Counts made since the registration: one at the end of every prescaler-th tick after
// it. A read in the instruction work of a tick comes before that tick's end, and one
// between two ticks after it: both see the counts of the passes already made, the
// list's position being one behind the tick in the first case and equal in the second.
int32_t Timer0::comptesEcoules() const
{
    if (!estEnregistre())
        return 0;
    const int ecoule = tempsEcoule();
    return ecoule == 0 ? 0 : (ecoule - 1) / prescaler;
}

// The elapsed counts folded into the count, before anything that changes the counting.
void Timer0::actualiser()
{
    tmr0 += comptesEcoules();
}

// From a count that is current (a write, a fold or an event has just set it).
void Timer0::calcEvent()
{
    if (estEnregistre())
        supprimer();
    // The counts up to the one that overflows (the first one for an 8-bit count left
    // above 255 by the 16-bit mode), or the most whole counts the wheel holds.
    const int32_t limite = tmr8bits ? 0xFF : 0xFFFF;
    const int32_t jusquaDebordement = tmr0 > limite ? 1 : limite + 1 - tmr0;
    const int32_t comptes = std::min<int32_t>(jusquaDebordement, 65535 / prescaler);
    enregistrer(static_cast<uint16_t>(comptes * prescaler), processeur->getListeEvts());
}

void Timer0::executer()
{
    // The delay is whole counts, the last one (this pass's) being the overflow or the
    // wheel's reach.
    const int32_t comptes = tempsEcoule() / prescaler;
    supprimer();
    tmr0 += comptes - 1;
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
        calcEvent();   // the period restarts from the write
}

Byte Timer0::readTmr0()
{
    // Latching the high byte here lets the program read a consistent 16-bit value.
    const int32_t compte = getTmr0();
    if (!tmr8bits)
        regTMR0H->writeDirect(static_cast<Byte>(compte >> 8));
    return static_cast<Byte>(compte);
}

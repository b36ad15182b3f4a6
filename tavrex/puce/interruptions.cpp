#include "interruptions.h"

#include "datamemory.h"
#include "processeur.h"

namespace {
// INTCON
enum : Byte { GIEH = 0x80, GIEL = 0x40, RBIF = 0x01 };
// The synchroniser of an external source: its flag rises one instruction cycle (four
// ticks) after the evaluation that saw the edge. The evaluation comes after the
// tick's events, so a delay of 3 fires at the end of the fourth tick after it.
constexpr uint16_t delaiSynchro = 3;
}  // namespace

Interruptions::Interruptions(P18f4550* p)
    : processeur(p), int0(this, DataMemory::INTCON, 1), int1(this, DataMemory::INTCON3, 0),
      int2(this, DataMemory::INTCON3, 1), rb(this, DataMemory::INTCON, 0)
{
}

DataMemory* Interruptions::dm() const
{
    return processeur->getDM();
}

ListeEvts* Interruptions::evts() const
{
    return processeur->getListeEvts();
}

Byte Interruptions::rd(Word adr) const
{
    return dm()->readDirect(adr);
}

DWord Interruptions::vecteur() const
{
    const Byte intcon = rd(DataMemory::INTCON);
    if (!(intcon & GIEH))
        return 0;
    // Flag and enable side by side: INTCON's three (TMR0, INT0, RB: IE three bits
    // above IF), INTCON3's two (INT1, INT2), the peripherals' PIR and PIE.
    const Byte intcon3 = rd(DataMemory::INTCON3);
    const Byte coeur = intcon & (intcon >> 3) & 0x07;
    const Byte externes = intcon3 & (intcon3 >> 3) & 0x03;
    const Byte p1 = rd(DataMemory::PIR1) & rd(DataMemory::PIE1);
    const Byte p2 = rd(DataMemory::PIR2) & rd(DataMemory::PIE2);
    if (!(rd(DataMemory::RCON) & 0x80)) {
        // Compatibility mode: one vector, PEIE for the peripherals.
        if (coeur || externes || ((intcon & GIEL) && (p1 || p2)))
            return 0x0008;
        return 0;
    }
    // Priority mode. High: INT0 always; TMR0 (TMR0IP) and RB (RBIP) from INTCON2;
    // INT1 (INT1IP) and INT2 (INT2IP) from INTCON3; the peripherals from IPRx.
    const Byte intcon2 = rd(DataMemory::INTCON2);
    const Byte coeurHaut = coeur & (0x02 | ((intcon2 & 0x04) ? 0x04 : 0) | ((intcon2 & 0x01) ? 0x01 : 0));
    const Byte externesHauts = externes & (intcon3 >> 6);
    const Byte p1Haut = p1 & rd(DataMemory::IPR1);
    const Byte p2Haut = p2 & rd(DataMemory::IPR2);
    if (coeurHaut || externesHauts || p1Haut || p2Haut)
        return 0x0008;
    if ((intcon & GIEL) && (coeur || externes || p1 || p2))
        return 0x0018;
    return 0;
}

void Interruptions::entre(DWord vecteur)
{
    Registre* intcon = dm()->registre(DataMemory::INTCON);
    intcon->writeDirect(intcon->readDirect() & ~(vecteur == 0x0018 ? GIEL : GIEH));
}

void Interruptions::retour()
{
    const Byte intcon = rd(DataMemory::INTCON);
    const bool priorites = rd(DataMemory::RCON) & 0x80;
    // Through the register: an interrupt that waits is seen again.
    dm()->setBit(DataMemory::INTCON, (!priorites || !(intcon & GIEH)) ? 7 : 6);
}

void Interruptions::executer()
{
    // Due again at the next tick while an interrupt waits: the next Q1 runs by ticks.
    supprimer();
    if (vecteur())
        enregistrer(1, evts());
}

void Interruptions::reset()
{
    Evenement::reset();
    for (Synchro* s : {&int0, &int1, &int2, &rb})
        s->reset();
    rbLu = rd(DataMemory::PORTB);
}

bool Interruptions::desaccordRB() const
{
    return (rd(DataMemory::PORTB) ^ rbLu) & rd(DataMemory::TRISB) & 0xF0;
}

void Interruptions::apresIntcon()
{
    Registre* intcon = dm()->registre(DataMemory::INTCON);
    if (!(intcon->readDirect() & RBIF) && desaccordRB())
        intcon->writeDirect(intcon->readDirect() | RBIF);
    examine();
}

void Interruptions::portB(Byte avant, Byte apres)
{
    const Byte intcon2 = rd(DataMemory::INTCON2);
    const Byte montees = apres & ~avant, descentes = avant & ~apres;
    // INTEDGx set: the rising edge; clear: the falling one.
    const Byte fronts = (montees & ((intcon2 >> 6 & 1) | (intcon2 >> 4 & 2) | (intcon2 >> 2 & 4))) |
                        (descentes & ~((intcon2 >> 6 & 1) | (intcon2 >> 4 & 2) | (intcon2 >> 2 & 4)));
    if (fronts & 1)
        int0.arme();
    if (fronts & 2)
        int1.arme();
    if (fronts & 4)
        int2.arme();
    if (desaccordRB())
        rb.arme();
}

void Interruptions::Synchro::arme()
{
    if (!estEnregistre())
        enregistrer(delaiSynchro, maitre->evts());
}

void Interruptions::Synchro::executer()
{
    supprimer();
    maitre->dm()->setBit(adresse, bit);
}

#include "adc.h"

#include <algorithm>
#include <string>

#include "aleatoire.h"
#include "datamemory.h"
#include "ports.h"
#include "processeur.h"

namespace {

enum : Byte { ADON = 0x01, GO = 0x02 };

// TAD in oscillator ticks by ADCS (-1: the RC oscillator), acquisition in TAD by ACQT.
const int ticksParTad[8] = {2, 8, 32, -1, 4, 16, 64, -1};
const int tadsAcquisition[8] = {0, 2, 4, 6, 8, 12, 16, 20};

}  // namespace

void ModuleADC::reset()
{
    if (estEnregistre())
        supprimer();
    channel = -1;
    etat = EtatOff;
}

// Choices where the chip's documentation gives no model:
// - the hold capacitor starts at 0 V;
// - a write while acquiring or converting that leaves ADON and GO/DONE set lets the
//   step in progress go on with its timing unchanged; a write that clears GO/DONE
//   abandons it (back to EtatStop, ADRES untouched), as clearing GO/DONE does on the
//   chip; clearing ADON switches the converter off from any state.
void ModuleADC::configControl()
{
    const Byte adcon0 = processeur->getDM()->readDirect(DataMemory::ADCON0);
    const int chs = (adcon0 >> 2) & 0x0F;
    if (chs != channel) {
        // The hold capacitor starts following the new input now.
        channel = chs;
        debutSample = processeur->time();
        struct Entree { int port; Byte pin; };
        static const Entree entrees[13] = {
            {Port::PORTA, 0}, {Port::PORTA, 1}, {Port::PORTA, 2}, {Port::PORTA, 3}, {Port::PORTA, 5},
            {Port::PORTE, 0}, {Port::PORTE, 1}, {Port::PORTE, 2},
            {Port::PORTB, 2}, {Port::PORTB, 3}, {Port::PORTB, 1}, {Port::PORTB, 4}, {Port::PORTB, 0}};
        if (chs < 13) {
            const Entree& e = entrees[chs];
            port = e.port == Port::PORTA ? static_cast<Port*>(processeur->getPortA())
                 : e.port == Port::PORTB ? static_cast<Port*>(processeur->getPortB())
                                         : static_cast<Port*>(processeur->getPortE());
            pin = e.pin;
        } else {
            port = nullptr;
            pin = 0;
        }
    }

    if (!(adcon0 & ADON)) {
        if (estEnregistre())
            supprimer();
        etat = EtatOff;
        return;
    }
    switch (etat) {
    case EtatOff:
        // ADON and GO in one write only switch the converter on.
        etat = EtatStop;
        break;
    case EtatStop:
        if (estEnregistre())
            supprimer();
        if (adcon0 & GO) {
            etat = EtatAcq;
            tad = 0;
            planifie();
            if (chs >= analogiques)
                entreeNumerique(chs);
        }
        break;
    case EtatAcq:
    case EtatConv:
        if (!(adcon0 & GO)) {
            if (estEnregistre())
                supprimer();
            etat = EtatStop;
        }
        break;
    }
}

void ModuleADC::entreeNumerique(int chs)
{
    processeur->diagnostics().signale(Diagnostic::ConversionNumerique, {"AN" + std::to_string(chs)});
}

void ModuleADC::configPortsPins()
{
    // ANn is analog while PCFG is at most 14 - n (AN12: 2): the first ones.
    const int pcfg = processeur->getDM()->readDirect(DataMemory::ADCON1) & 0x0F;
    analogiques = std::min(13, 15 - pcfg);
    processeur->getPortA()->analogConfig();
    processeur->getPortB()->analogConfig();
    processeur->getPortE()->analogConfig();
}

void ModuleADC::configClock()
{
    if (estEnregistre()) {
        // The TAD under way ends at its old length; the pending event stops there, and
        // the next TADs are planned from the new settings (as many acquisition TADs as
        // the new ACQT still asks for, of the new length).
        const int termines = tadsTermines();
        const int finEnCours = premierTad + termines * dureeTad;
        const int reste = finEnCours - tempsEcoule();
        supprimer();
        tad += termines;
        tadsPrevus = 1;
        premierTad = reste;
        enregistrer(static_cast<uint16_t>(reste), processeur->getListeEvts());
    }
    const Byte adcon2 = processeur->getDM()->readDirect(DataMemory::ADCON2);
    justRight = adcon2 & 0x80;
    acqCfg = tadsAcquisition[(adcon2 >> 3) & 0x07];
    clkCfg = ticksParTad[adcon2 & 0x07];
}

// Up to the end of the phase (the last acquisition TAD, at least one, or the twelfth
// conversion TAD), or as far as the event wheel reaches.
void ModuleADC::planifie()
{
    const int d = delaiTad();
    const int restants = etat == EtatAcq ? std::max(acqCfg - tad, 1) : 12 - tad;
    tadsPrevus = std::min(restants, 65535 / d);
    premierTad = dureeTad = d;
    enregistrer(static_cast<uint16_t>(tadsPrevus * d), processeur->getListeEvts());
}

// The TADs of the pending event that have ended by the passes already made: as for
// every count between events, a tick's own end is not made yet during its
// instruction work.
int ModuleADC::tadsTermines() const
{
    const int ecoule = tempsEcoule();
    if (ecoule <= premierTad)
        return 0;
    return 1 + (ecoule - 1 - premierTad) / dureeTad;
}

void ModuleADC::executer()
{
    supprimer();
    switch (etat) {
    case EtatOff:
    case EtatStop:
        return;
    case EtatAcq:
        tad += tadsPrevus;
        if (tad < acqCfg) {
            planifie();
            return;
        }
        tad = 0;
        if (port)
            sample = port->getAnalogValue(pin, sample, static_cast<double>(processeur->time() - debutSample));
        else
            sample = Aleatoire::entier(2048) * 5.0 / 2047.0;   // no pin: noise
        etat = EtatConv;
        planifie();
        return;
    case EtatConv:
        tad += tadsPrevus;
        if (tad < 12) {
            planifie();
            return;
        }
        break;
    }

    // Twelfth TAD of the conversion. Negative voltages give 0.
    const double x = sample * 1024.0 / 5.0;
    const int code = x >= 1023.0 ? 1023 : (x > 0.0 ? static_cast<int>(x) : 0);
    DataMemory* dm = processeur->getDM();
    if (justRight) {
        dm->write(DataMemory::ADRESH, static_cast<Byte>((code >> 8) & 0x03));
        dm->write(DataMemory::ADRESL, static_cast<Byte>(code & 0xFF));
    } else {
        dm->write(DataMemory::ADRESH, static_cast<Byte>((code >> 2) & 0xFF));
        dm->write(DataMemory::ADRESL, static_cast<Byte>((code << 6) & 0xFF));
    }
    // Back to idle before GO/DONE is cleared, so that the ADCON0 up-date this causes
    // sees a finished conversion rather than an abandoned one.
    etat = EtatStop;
    dm->clrBit(DataMemory::ADCON0, 1);
    dm->setBit(DataMemory::PIR1, 6);   // ADIF
}

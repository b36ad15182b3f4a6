#ifndef TAVREX_ADC_H
#define TAVREX_ADC_H

#include <cstdint>

#include "evenement.h"
#include "types.h"

class P18f4550;
class Port;

enum EtatADC { EtatOff = 0, EtatStop = 1, EtatAcq = 2, EtatConv = 3 };

// The 10-bit A/D converter with the timing a program can observe: TAD from ADCON2,
// the acquisition time, 12 TAD of conversion. The hold capacitor charges toward the
// selected pin's voltage from the moment the channel is selected. An event that fires
// at the end of the acquisition (the sample) and at the end of the conversion (the
// result), unscheduled otherwise; the TADs between are counted, not scheduled.
class ModuleADC : public Evenement
{
    friend class EtatModele;   // a snapshot reads and restores the whole state

public:
    explicit ModuleADC(P18f4550* p) : processeur(p) {}

    void reset() override;
    void configControl();
    void configPortsPins();
    void configClock();
    void executer() override;

    EtatADC getEtat() const { return etat; }
    int getChannel() const { return channel; }
    double getSample() const { return sample; }
    int getClkCfg() const { return clkCfg; }
    int getAcqCfg() const { return acqCfg; }
    bool getJustRight() const { return justRight; }

private:
    int delaiTad() const { return clkCfg < 0 ? 65535 : clkCfg; }
    void planifie();
    int tadsTermines() const;
    // A conversion started on channel `chs`, which ADCON1 makes digital: said.
    [[gnu::noinline, gnu::cold]] void entreeNumerique(int chs);

    P18f4550* processeur;
    bool justRight = false;
    int analogiques = 13;   // AN0 to ANn-1 analog, as ADCON1 says
    int channel = -1;
    int acqCfg = 0;
    int clkCfg = 2;
    int tad = 0;
    // The pending event ends tadsPrevus TADs: the first premierTad ticks after its
    // registration, the others dureeTad ticks apart.
    int tadsPrevus = 0;
    int premierTad = 0;
    int dureeTad = 1;
    uint64_t debutSample = 0;
    EtatADC etat = EtatOff;
    Port* port = nullptr;
    Byte pin = 0;
    double sample = 0.0;
};

#endif

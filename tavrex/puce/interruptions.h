#ifndef TAVREX_INTERRUPTIONS_H
#define TAVREX_INTERRUPTIONS_H

#include "evenement.h"
#include "types.h"

class P18f4550;
class DataMemory;

// The interrupt logic of the silicon mode (the default mode has none: its flags are
// set, nothing acts on them). INTCON, INTCON2, INTCON3, PIRx/PIEx/IPRx and RCON.IPEN
// decide whether an interrupt waits and where it goes: with IPEN clear, one vector
// (0x0008) behind GIE, PEIE gating the peripherals' flags; with IPEN set, the high
// vector (0x0008) behind GIEH and the low one (0x0018) behind GIEH and GIEL, INT0
// always high.
//
// While an interrupt waits, this event is due at every tick: the processor's quiet
// runs end before it, and the tick-by-tick cycle that begins next looks at it in Q1
// (P18f4550::prendInterruption). Every change that may make one wait (a flag set, an
// enable, GIE, IPEN, a priority) registers it; once none waits it stops. Nothing of
// it runs in the default mode.
//
// External sources (INT0 to INT2 edges, RB4-RB7 change) pass a synchroniser: the
// flag rises one instruction cycle after the port's evaluation saw the edge.
class Interruptions : public Evenement
{
    friend class EtatModele;   // a snapshot reads and restores the whole state

public:
    explicit Interruptions(P18f4550* p);

    // A register of the interrupt logic changed (silicon mode).
    void examine()
    {
        if (!estEnregistre() && vecteur())
            enregistrer(0, evts());
    }
    // After a change of INTCON: a mismatch on RB4-RB7 that lasts sets RBIF again.
    void apresIntcon();
    // The vector an interrupt would take now: 0x0008, 0x0018, or 0 when none waits.
    DWord vecteur() const;
    // Vectoring to `vecteur`: GIE (GIEH) or GIEL cleared.
    void entre(DWord vecteur);
    // RETFIE: GIE set again, or in priority mode the higher level that is clear
    // (GIEH after a high-priority routine, GIEL after a low one, which runs with GIEH
    // set).
    void retour();

    void executer() override;
    void reset() override;

    // PORTB evaluated from `avant` to `apres`: edges on RB0-RB2, mismatch on RB4-RB7.
    void portB(Byte avant, Byte apres);
    // The program read PORTB (`valeur`): the mismatch latch takes it.
    void lecturePortB(Byte valeur) { rbLu = valeur; }

private:
    // One external source's synchroniser: sets its flag when it fires.
    class Synchro : public Evenement
    {
        friend class EtatModele;

    public:
        Synchro(Interruptions* i, Word adresse, Byte bit) : maitre(i), adresse(adresse), bit(bit) {}
        void arme();
        void executer() override;

    private:
        Interruptions* maitre;
        Word adresse;
        Byte bit;
    };
    friend class Synchro;

    ListeEvts* evts() const;
    Byte rd(Word adr) const;
    // RB4-RB7, inputs, differ from what the last read of PORTB latched.
    bool desaccordRB() const;

    P18f4550* processeur;
    DataMemory* dm() const;
    Synchro int0, int1, int2, rb;
    Byte rbLu = 0;   // PORTB at the program's last read (the mismatch latch)
};

#endif

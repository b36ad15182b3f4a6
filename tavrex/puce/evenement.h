#ifndef TAVREX_EVENEMENT_H
#define TAVREX_EVENEMENT_H

#include <cstdint>

// Work scheduled by oscillator tick. The list is a wheel of 65,536 slots indexed by
// the 16-bit tick position `now`; each slot holds a doubly linked chain of the events
// due there. Registering at the head, unregistering and firing are constant time.
//
// Rules every user keeps (the list trusts them, it checks nothing):
// - register only an unregistered event (its links are null);
// - every executer() unlinks its own event on every path before returning,
//   otherwise the pass would call it again for ever;
// - a registered event is unregistered before it is destroyed.

class ListeEvts;
class Evenement;
typedef Evenement* EvenementPtr;
typedef ListeEvts* ListeEvtsPtr;

class Evenement
{
    friend class EtatModele;   // a snapshot reads and restores the whole state

public:
    Evenement() = default;

    virtual void executer() {}
    virtual void reset();

    void enregistrer(uint16_t temps, ListeEvts* li);        // at the head of its slot
    void enregistrerDernier(uint16_t temps, ListeEvts* li); // at the end of its slot
    void supprimer();
    bool estEnregistre() const { return enregistrement; }

    uint16_t numeroEnregistrement() const { return numEnreg; }
    void setNumeroEnregistrement(uint16_t n) { numEnreg = n; }
    void attacherSuivant(EvenementPtr e) { suivant = e; }
    void attacherPrecedent(EvenementPtr e) { precedent = e; }
    EvenementPtr getSuivant() const { return suivant; }
    EvenementPtr getPrecedent() const { return precedent; }

    uint16_t tempsEcoule() const;

private:
    friend class ListeEvts;
    bool enregistrement = false;
    uint16_t numEnreg = 0;
    uint16_t instantEnreg = 0;
    EvenementPtr precedent = nullptr;
    EvenementPtr suivant = nullptr;
    ListeEvtsPtr liste = nullptr;
};

class ListeEvts
{
    friend class EtatModele;   // a snapshot reads and restores the whole state

public:
    static constexpr int nbSlots = 65536;

    ListeEvts();
    ~ListeEvts();
    ListeEvts(const ListeEvts&) = delete;
    ListeEvts& operator=(const ListeEvts&) = delete;

    // One pass, once per oscillator tick: fires what is due in slot `now`. Until the
    // pass of the next occupied slot, it costs one comparison and one increment.
    void executer()
    {
        if (passes >= prochain)
            passeOccupe();
        ++passes;
    }

    uint16_t maintenant() const { return static_cast<uint16_t>(passes); }
    Evenement* tete(uint16_t slot) const { return table[slot]; }

    // The next n passes find nothing to fire: they may be made at once with passe(n).
    bool libres(uint32_t n) const { return prochain >= passes + n; }
    // How many passes from now on are known to find nothing (at most a wheel's turn).
    uint32_t passesLibres() const { return prochain > passes ? static_cast<uint32_t>(prochain - passes) : 0; }
    void passe(uint32_t n) { passes += n; }
    // The number of empty slots from `now` on, at most `max`.
    uint32_t creneauxLibres(uint32_t max) const;
    uint32_t creneauxLibresDepuis(uint16_t slot, uint32_t max) const;

    // List-side forms: links and numEnreg only (the event-side forms are the ones used).
    void enregistrer(uint16_t temps, Evenement* e);
    void enregistrerDernier(uint16_t temps, Evenement* e);
    void attacher(uint16_t num, Evenement* e);

private:
    friend class Evenement;
    // A plain array inside the list: the tick's check is one load at a fixed offset.
    // (Half a megabyte: owners of a list keep it, or the processor, on the heap.)
    Evenement* table[nbSlots] = {};
    // Passes made since the list was built; the slot of the next one is `now`.
    uint64_t passes = 0;
    // No slot is occupied from the next pass up to (not including) pass `prochain`.
    // A registration lowers it to its own pass; a removal leaves it early, which only
    // costs a look at an empty slot; the pass that reaches it looks for the next one.
    uint64_t prochain = 0;
    // One bit per slot, set while the slot's chain is not empty, and one bit per word
    // of those, set while the word is not 0: the search for the next occupied slot
    // reads 64 slots at a time, and passes 64 empty words at a time.
    uint64_t occupation[nbSlots / 64] = {};
    uint64_t motsOccupes[nbSlots / 64 / 64] = {};

    void passeOccupe();
    void marque(uint16_t slot)
    {
        const unsigned mot = slot >> 6;
        occupation[mot] |= uint64_t(1) << (slot & 63);
        motsOccupes[mot >> 6] |= uint64_t(1) << (mot & 63);
    }
    void libere(uint16_t slot)
    {
        const unsigned mot = slot >> 6;
        occupation[mot] &= ~(uint64_t(1) << (slot & 63));
        if (!occupation[mot])
            motsOccupes[mot >> 6] &= ~(uint64_t(1) << (mot & 63));
    }
    // Registered `temps` passes ahead.
    void prevoit(uint16_t temps)
    {
        if (passes + temps < prochain)
            prochain = passes + temps;
    }
};

#endif

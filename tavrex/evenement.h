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
public:
    static constexpr int nbSlots = 65536;

    ListeEvts();
    ~ListeEvts();
    ListeEvts(const ListeEvts&) = delete;
    ListeEvts& operator=(const ListeEvts&) = delete;

    // One pass, once per oscillator tick: fires what is due in slot `now`.
    // When nothing is due it costs one table read and one increment.
    void executer()
    {
        Evenement* e;
        while ((e = table[now]) != nullptr)
            e->executer();
        ++now;
    }

    uint16_t maintenant() const { return now; }
    Evenement* tete(uint16_t slot) const { return table[slot]; }

    // A pass over a slot known to be empty.
    void avance() { ++now; }
    // The number of empty slots from `now` on, at most `max`.
    uint32_t creneauxLibres(uint32_t max) const;
    // A tick count that every registration sets to 0: the processor passes the ticks
    // it knows to be free of events until something is registered.
    void surveiller(uint64_t* libreJusqua) { alerte = libreJusqua; }
    // Counts every registration ever made: a change tells that the empty stretch
    // found by creneauxLibres() may have been broken.
    uint64_t nombreRegistrations() const { return nbRegistrations; }

    // List-side forms: links and numEnreg only (the event-side forms are the ones used).
    void enregistrer(uint16_t temps, Evenement* e);
    void enregistrerDernier(uint16_t temps, Evenement* e);
    void attacher(uint16_t num, Evenement* e);

private:
    friend class Evenement;
    // A plain array inside the list: the tick's check is one load at a fixed offset.
    // (Half a megabyte: owners of a list keep it, or the processor, on the heap.)
    Evenement* table[nbSlots] = {};
    uint16_t now = 0;
    // One bit per slot, set while the slot's chain is not empty: the search for the
    // next occupied slot reads 64 slots at a time.
    uint64_t occupation[nbSlots / 64] = {};
    uint64_t* alerte = nullptr;
    uint64_t nbRegistrations = 0;

    void marque(uint16_t slot)
    {
        occupation[slot >> 6] |= uint64_t(1) << (slot & 63);
    }
    void libere(uint16_t slot)
    {
        occupation[slot >> 6] &= ~(uint64_t(1) << (slot & 63));
    }
    void signale()
    {
        ++nbRegistrations;
        if (alerte)
            *alerte = 0;
    }
};

#endif

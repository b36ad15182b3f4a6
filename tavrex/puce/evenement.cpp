#include "evenement.h"

#include <algorithm>

void Evenement::reset()
{
    if (enregistrement)
        supprimer();
}

void Evenement::enregistrer(uint16_t temps, ListeEvts* li)
{
    liste = li;
    const uint16_t s = static_cast<uint16_t>(li->maintenant() + temps);
    Evenement* tete = li->table[s];
    if (tete)
        tete->precedent = this;
    suivant = tete;
    li->table[s] = this;
    li->marque(s);
    numEnreg = s;
    enregistrement = true;
    instantEnreg = li->maintenant();
    li->prevoit(temps);
}

void Evenement::enregistrerDernier(uint16_t temps, ListeEvts* li)
{
    liste = li;
    const uint16_t s = static_cast<uint16_t>(li->maintenant() + temps);
    Evenement* e = li->table[s];
    if (!e) {
        li->table[s] = this;
        li->marque(s);
    } else {
        while (e->suivant)
            e = e->suivant;
        e->suivant = this;
        precedent = e;
    }
    numEnreg = s;
    enregistrement = true;
    instantEnreg = li->maintenant();
    li->prevoit(temps);
}

void Evenement::supprimer()
{
    if (suivant)
        suivant->precedent = precedent;
    if (precedent) {
        precedent->suivant = suivant;
    } else {
        liste->table[numEnreg] = suivant;
        if (!suivant)
            liste->libere(numEnreg);
    }
    enregistrement = false;
    precedent = suivant = nullptr;
}

uint16_t Evenement::tempsEcoule() const
{
    if (!liste)
        return 0;
    return static_cast<uint16_t>(liste->maintenant() - instantEnreg);
}

ListeEvts::ListeEvts() = default;

ListeEvts::~ListeEvts()
{
    for (int s = 0; s < nbSlots; ++s)
        while (table[s])
            table[s]->supprimer();
}

void ListeEvts::passeOccupe()
{
    const uint16_t slot = maintenant();
    Evenement* e;
    while ((e = table[slot]) != nullptr)
        e->executer();
    // The slot is empty now; the next occupied one is at least one pass ahead (a full
    // turn when the wheel is empty: the slot passed is the last one seen).
    prochain = passes + 1 + creneauxLibresDepuis(static_cast<uint16_t>(slot + 1), nbSlots - 1);
}

uint32_t ListeEvts::creneauxLibres(uint32_t max) const
{
    return creneauxLibresDepuis(maintenant(), max);
}

uint32_t ListeEvts::creneauxLibresDepuis(uint16_t s, uint32_t max) const
{
    // The rest of the slot's own word, then whole words: the next one not empty is
    // found in the word bitmap. Past the end of the wheel, the search goes on from
    // its start, up to the slot's own word again, whose slots before it are a
    // whole turn away.
    constexpr unsigned nbMots = nbSlots / 64;
    const uint64_t reste = occupation[s >> 6] >> (s & 63);
    if (reste)
        return std::min<uint32_t>(static_cast<uint32_t>(__builtin_ctzll(reste)), max);
    uint32_t n = 64 - (s & 63);
    unsigned mot = ((s >> 6) + 1) % nbMots;
    while (n < max) {
        const uint64_t suivants = motsOccupes[mot >> 6] >> (mot & 63);
        if (suivants) {
            const unsigned saut = static_cast<unsigned>(__builtin_ctzll(suivants));
            mot += saut;
            n += 64 * saut;
            if (n >= max)
                return max;
            return std::min<uint32_t>(n + static_cast<uint32_t>(__builtin_ctzll(occupation[mot])), max);
        }
        const unsigned pas = 64 - (mot & 63);
        n += 64 * pas;
        mot = (mot + pas) % nbMots;
    }
    return max;
}

void ListeEvts::enregistrer(uint16_t temps, Evenement* e)
{
    prevoit(temps);
    const uint16_t s = static_cast<uint16_t>(maintenant() + temps);
    if (table[s])
        table[s]->precedent = e;
    e->suivant = table[s];
    table[s] = e;
    marque(s);
    e->numEnreg = s;
}

void ListeEvts::enregistrerDernier(uint16_t temps, Evenement* e)
{
    prevoit(temps);
    const uint16_t s = static_cast<uint16_t>(maintenant() + temps);
    Evenement* d = table[s];
    if (!d) {
        table[s] = e;
        marque(s);
    } else {
        while (d->suivant)
            d = d->suivant;
        d->suivant = e;
        e->precedent = d;
    }
    e->numEnreg = s;
}

void ListeEvts::attacher(uint16_t num, Evenement* e)
{
    prevoit(static_cast<uint16_t>(num - maintenant()));
    table[num] = e;
    if (e)
        marque(num);
    else
        libere(num);
}

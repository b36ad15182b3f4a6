#include "evenement.h"

void Evenement::reset()
{
    if (enregistrement)
        supprimer();
}

void Evenement::enregistrer(uint16_t temps, ListeEvts* li)
{
    liste = li;
    const uint16_t s = static_cast<uint16_t>(li->now + temps);
    Evenement* tete = li->table[s];
    if (tete)
        tete->precedent = this;
    suivant = tete;
    li->table[s] = this;
    numEnreg = s;
    enregistrement = true;
    instantEnreg = li->now;
}

void Evenement::enregistrerDernier(uint16_t temps, ListeEvts* li)
{
    liste = li;
    const uint16_t s = static_cast<uint16_t>(li->now + temps);
    Evenement* e = li->table[s];
    if (!e) {
        li->table[s] = this;
    } else {
        while (e->suivant)
            e = e->suivant;
        e->suivant = this;
        precedent = e;
    }
    numEnreg = s;
    enregistrement = true;
    instantEnreg = li->now;
}

void Evenement::supprimer()
{
    if (suivant)
        suivant->precedent = precedent;
    if (precedent)
        precedent->suivant = suivant;
    else
        liste->table[numEnreg] = suivant;
    enregistrement = false;
    precedent = suivant = nullptr;
}

uint16_t Evenement::tempsEcoule() const
{
    if (!liste)
        return 0;
    return static_cast<uint16_t>(liste->now - instantEnreg);
}

ListeEvts::ListeEvts() = default;

ListeEvts::~ListeEvts()
{
    for (int s = 0; s < nbSlots; ++s)
        while (table[s])
            table[s]->supprimer();
}

void ListeEvts::enregistrer(uint16_t temps, Evenement* e)
{
    const uint16_t s = static_cast<uint16_t>(now + temps);
    if (table[s])
        table[s]->precedent = e;
    e->suivant = table[s];
    table[s] = e;
    e->numEnreg = s;
}

void ListeEvts::enregistrerDernier(uint16_t temps, Evenement* e)
{
    const uint16_t s = static_cast<uint16_t>(now + temps);
    Evenement* d = table[s];
    if (!d) {
        table[s] = e;
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
    table[num] = e;
}

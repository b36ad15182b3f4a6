// The event wheel: delays, slot order, unlinking, self re-registration, elapsed time
// and destruction, driven directly without a processor.

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <memory>
#include <random>
#include <vector>

#include "evenement.h"

namespace {

// Records the pass in which it fires (the list position `now` at that moment) into a
// shared log; unlinks itself and optionally registers again `reprise` ticks ahead.
class Trace : public Evenement
{
public:
    Trace(int id, std::vector<int>* journal, ListeEvts* l) : id(id), journal(journal), li(l) {}
    // Leaves the list sound when a failed assertion ends a test early.
    ~Trace()
    {
        if (estEnregistre())
            supprimer();
    }

    void executer() override
    {
        supprimer();
        ++tirs;
        instants.push_back(li->maintenant());
        if (journal)
            journal->push_back(id);
        if (reprise >= 0 && (maxTirs < 0 || tirs < maxTirs))
            enregistrer(static_cast<uint16_t>(reprise), li);
        if (aLancer) {
            Evenement* e = aLancer;
            aLancer = nullptr;
            e->enregistrer(0, li);
        }
    }

    int id;
    std::vector<int>* journal;
    ListeEvts* li;
    int reprise = -1;         // delay of the next registration; -1: none
    int maxTirs = -1;         // stop re-registering after this many firings; -1: never
    Evenement* aLancer = nullptr;  // registered with delay 0 from executer()
    int tirs = 0;
    std::vector<uint16_t> instants;
};

void passes(ListeEvts& l, long n)
{
    for (long i = 0; i < n; ++i)
        l.executer();
}

// The chain of a slot, head first, checked link by link in both directions.
std::vector<Evenement*> chaine(const ListeEvts& l, uint16_t slot)
{
    std::vector<Evenement*> v;
    Evenement* precedent = nullptr;
    for (Evenement* e = l.tete(slot); e; e = e->getSuivant()) {
        EXPECT_EQ(e->getPrecedent(), precedent);
        EXPECT_TRUE(e->estEnregistre());
        EXPECT_EQ(e->numeroEnregistrement(), slot);
        precedent = e;
        v.push_back(e);
        if (v.size() > 100)
            break;  // a corrupted chain with a cycle
    }
    return v;
}

void expectDelie(const Evenement& e)
{
    EXPECT_FALSE(e.estEnregistre());
    EXPECT_EQ(e.getPrecedent(), nullptr);
    EXPECT_EQ(e.getSuivant(), nullptr);
}

class ListeFixture : public ::testing::Test
{
protected:
    std::unique_ptr<ListeEvts> l = std::make_unique<ListeEvts>();
    std::vector<int> journal;
};

using EventDelay = ListeFixture;
using EventOrder = ListeFixture;
using EventRemoval = ListeFixture;
using EventReRegistration = ListeFixture;

TEST_F(EventDelay, ZeroFiresInTheCurrentPassAndTheLongestDelayIs65535)
{
    Trace zero(0, &journal, l.get()), max(1, &journal, l.get());
    zero.enregistrer(0, l.get());
    max.enregistrer(65535, l.get());
    EXPECT_EQ(max.numeroEnregistrement(), 65535);

    passes(*l, 1);
    EXPECT_EQ(zero.tirs, 1);
    passes(*l, 65534);
    EXPECT_EQ(max.tirs, 0);
    EXPECT_TRUE(max.estEnregistre());
    passes(*l, 1);
    ASSERT_EQ(max.tirs, 1);
    EXPECT_EQ(max.instants[0], 65535);
    EXPECT_EQ(l->maintenant(), 0) << "now wraps from 65535 to 0";
    EXPECT_EQ(journal, (std::vector<int>{0, 1}));
}

TEST_F(EventDelay, SlotWrapsAroundTheWheel)
{
    passes(*l, 65530);
    ASSERT_EQ(l->maintenant(), 65530);
    Trace e(0, &journal, l.get());
    e.enregistrer(10, l.get());
    EXPECT_EQ(e.numeroEnregistrement(), 4);

    passes(*l, 8);
    EXPECT_EQ(l->maintenant(), 2);
    EXPECT_EQ(e.tempsEcoule(), 8) << "elapsed time counts across the wrap";
    passes(*l, 2);
    EXPECT_EQ(e.tirs, 0);
    passes(*l, 1);
    ASSERT_EQ(e.tirs, 1);
    EXPECT_EQ(e.instants[0], 4);
}

TEST_F(EventDelay, ElapsedTimeStartsAtZeroAndRestartsOnReRegistration)
{
    passes(*l, 1000);
    Trace e(0, &journal, l.get());
    e.enregistrer(300, l.get());
    EXPECT_EQ(e.tempsEcoule(), 0);
    for (int i = 1; i <= 200; ++i) {
        l->executer();
        ASSERT_EQ(e.tempsEcoule(), i);
    }
    e.supprimer();
    e.enregistrerDernier(5, l.get());
    EXPECT_EQ(e.tempsEcoule(), 0);
    l->executer();
    EXPECT_EQ(e.tempsEcoule(), 1);
    e.supprimer();
}

TEST_F(EventOrder, HeadRegistrationGoesFirstEndRegistrationLast)
{
    Trace a(1, &journal, l.get()), b(2, &journal, l.get()), c(3, &journal, l.get()),
        d(4, &journal, l.get());
    b.enregistrerDernier(7, l.get());  // b
    a.enregistrer(7, l.get());         // a b
    c.enregistrerDernier(7, l.get());  // a b c
    d.enregistrer(7, l.get());         // d a b c
    EXPECT_EQ(chaine(*l, 7), (std::vector<Evenement*>{&d, &a, &b, &c}));
    passes(*l, 8);
    EXPECT_EQ(journal, (std::vector<int>{4, 1, 2, 3}));
}

TEST_F(EventRemoval, UnlinkingMiddleHeadLastAndOnlyEvent)
{
    Trace a(1, &journal, l.get()), b(2, &journal, l.get()), c(3, &journal, l.get()),
        d(4, &journal, l.get());
    for (Trace* e : {&a, &b, &c, &d})
        e->enregistrerDernier(3, l.get());

    b.supprimer();
    expectDelie(b);
    EXPECT_EQ(chaine(*l, 3), (std::vector<Evenement*>{&a, &c, &d}));
    a.supprimer();
    expectDelie(a);
    EXPECT_EQ(chaine(*l, 3), (std::vector<Evenement*>{&c, &d}));
    d.supprimer();
    EXPECT_EQ(chaine(*l, 3), (std::vector<Evenement*>{&c}));
    c.supprimer();
    EXPECT_EQ(l->tete(3), nullptr);

    // The slot is usable again, and unlinked events can be registered again.
    c.enregistrer(3, l.get());
    a.enregistrerDernier(3, l.get());
    b.enregistrer(3, l.get());
    passes(*l, 4);
    EXPECT_EQ(journal, (std::vector<int>{2, 3, 1}));
}

TEST_F(EventRemoval, ResetUnregistersOnlyARegisteredEvent)
{
    Trace jamais(1, &journal, l.get()), e(2, &journal, l.get());
    jamais.reset();  // never registered: no list to touch
    expectDelie(jamais);

    e.enregistrer(2, l.get());
    e.reset();
    expectDelie(e);
    EXPECT_EQ(l->tete(2), nullptr);
    e.reset();
    passes(*l, 5);
    EXPECT_TRUE(journal.empty());
}

TEST_F(EventRemoval, DestroyingTheListUnlinksWithoutFiring)
{
    Trace seul(1, &journal, l.get()), a(2, &journal, l.get()), b(3, &journal, l.get()),
        c(4, &journal, l.get()), loin(5, &journal, l.get());
    seul.enregistrer(0, l.get());
    for (Trace* e : {&a, &b, &c})
        e->enregistrer(100, l.get());
    loin.enregistrer(65535, l.get());
    l.reset();
    for (Trace* e : {&seul, &a, &b, &c, &loin}) {
        expectDelie(*e);
        EXPECT_EQ(e->tirs, 0);
    }
}

TEST_F(EventReRegistration, ReRegisteringWithDelayOneFiresOncePerTick)
{
    Trace e(0, nullptr, l.get());
    e.reprise = 1;
    passes(*l, 65530);
    e.enregistrer(1, l.get());
    passes(*l, 20);  // crosses the wrap of now
    ASSERT_EQ(e.tirs, 19);
    for (int i = 0; i < 19; ++i)
        EXPECT_EQ(e.instants[i], static_cast<uint16_t>(65531 + i));
    e.supprimer();
}

TEST_F(EventReRegistration, DelayZeroFiresAgainInTheSamePass)
{
    Trace e(1, &journal, l.get()), autre(2, &journal, l.get()), suivant(3, &journal, l.get());
    e.reprise = 0;
    e.maxTirs = 3;
    e.aLancer = &autre;
    suivant.enregistrer(1, l.get());
    e.enregistrer(0, l.get());

    l->executer();
    // e re-registers itself at the head before launching `autre`, which then heads the
    // slot: it fires next, then e twice more; the event of the next slot waits.
    EXPECT_EQ(journal, (std::vector<int>{1, 2, 1, 1}));
    EXPECT_EQ(l->maintenant(), 1);
    EXPECT_EQ(l->tete(0), nullptr);
    l->executer();
    EXPECT_EQ(journal.back(), 3);
}

// A model of the wheel (one deque per slot) against the real one, under a random mix
// of registrations at either end, unlinks and passes that cross the wrap of now.
TEST_F(EventReRegistration, RandomScheduleMatchesAModel)
{
    constexpr int n = 40;
    std::vector<std::unique_ptr<Trace>> ev;
    for (int i = 0; i < n; ++i)
        ev.push_back(std::make_unique<Trace>(i, &journal, l.get()));
    std::vector<std::deque<int>> modele(ListeEvts::nbSlots);
    std::vector<int> slotModele(n, -1);
    std::vector<int> journalModele;
    uint16_t now = 0;
    passes(*l, 65000);
    now = 65000;

    std::mt19937 gen(12345);
    auto tirage = [&](int m) { return static_cast<int>(gen() % static_cast<unsigned>(m)); };
    for (int pas = 0; pas < 20000; ++pas) {
        const int op = tirage(10);
        const int i = tirage(n);
        if (op < 4 && slotModele[i] < 0) {
            const uint16_t d = static_cast<uint16_t>(tirage(4) == 0 ? tirage(65536) : tirage(8));
            const uint16_t s = static_cast<uint16_t>(now + d);
            if (op < 2) {
                ev[i]->enregistrer(d, l.get());
                modele[s].push_front(i);
            } else {
                ev[i]->enregistrerDernier(d, l.get());
                modele[s].push_back(i);
            }
            slotModele[i] = s;
        } else if (op < 6 && slotModele[i] >= 0) {
            ev[i]->supprimer();
            auto& q = modele[slotModele[i]];
            q.erase(std::find(q.begin(), q.end(), i));
            slotModele[i] = -1;
        } else if (op == 6) {
            // Passes made at once, only where the list says none holds an event.
            const uint32_t k = 1 + static_cast<uint32_t>(tirage(8));
            if (l->libres(k)) {
                l->passe(k);
                now = static_cast<uint16_t>(now + k);
            }
        } else {
            l->executer();
            for (int j : modele[now]) {
                journalModele.push_back(j);
                slotModele[j] = -1;
            }
            modele[now].clear();
            ++now;
        }
        for (int j = 0; j < n; ++j)
            ASSERT_EQ(ev[j]->estEnregistre(), slotModele[j] >= 0) << "event " << j << ", step " << pas;
        // What the list calls free is free.
        for (uint32_t k = 1; k <= 16; ++k) {
            if (l->libres(k)) {
                ASSERT_TRUE(modele[static_cast<uint16_t>(now + k - 1)].empty()) << "step " << pas << ", k " << k;
            }
        }
        // The search for the next occupied slot, across words and the wheel's end.
        if (pas % 64 == 0) {
            uint32_t vides = 0;
            while (vides < 65535 && modele[static_cast<uint16_t>(now + vides)].empty())
                ++vides;
            ASSERT_EQ(l->creneauxLibres(65535), vides) << "step " << pas;
            ASSERT_EQ(l->creneauxLibres(100), std::min<uint32_t>(vides, 100)) << "step " << pas;
        }
    }
    EXPECT_EQ(l->maintenant(), now);
    EXPECT_EQ(journal, journalModele);
    for (int s = 0; s < ListeEvts::nbSlots; ++s) {
        if (modele[s].empty()) {
            ASSERT_EQ(l->tete(static_cast<uint16_t>(s)), nullptr) << "slot " << s;
            continue;
        }
        std::vector<Evenement*> attendu;
        for (int j : modele[s])
            attendu.push_back(ev[j].get());
        EXPECT_EQ(chaine(*l, static_cast<uint16_t>(s)), attendu) << "slot " << s;
    }
    l.reset();  // the events outlive the list
}

}  // namespace

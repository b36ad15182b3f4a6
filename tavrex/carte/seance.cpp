#include "seance.h"

#include <algorithm>

#include "modele.h"

Seance::Seance(Modele& m) : modele(m), enMarche(m.isPowered())
{
    surMarche = QObject::connect(&modele, &Modele::setPowerOn, [this] { enMarche = true; });
    surArret = QObject::connect(&modele, &Modele::setPowerOff, [this] { enMarche = false; });
    demarre();
}

Seance::~Seance()
{
    QObject::disconnect(surMarche);
    QObject::disconnect(surArret);
}

void Seance::demarre()
{
    origine = modele.time();
    attente = 0;
}

void Seance::reprend(uint64_t h, uint64_t horsTension, bool marche)
{
    origine = modele.time() - (h - horsTension);
    attente = horsTension;
    enMarche = marche;
}

uint64_t Seance::horloge() const
{
    return modele.time() - origine + attente;
}

void Seance::planifie(uint64_t instant, int ordre, std::function<void()> faire)
{
    // Never before what has been played: an entry added late is played next.
    const auto apres = std::upper_bound(agenda.begin() + static_cast<std::ptrdiff_t>(prochaine), agenda.end(),
                                        std::make_pair(instant, ordre), [](const auto& cle, const Entree& e) {
                                            return cle.first != e.instant ? cle.first < e.instant
                                                                          : cle.second < e.ordre;
                                        });
    agenda.insert(apres, Entree{instant, ordre, std::move(faire)});
}

void Seance::planifie(const std::vector<Action>& actions)
{
    for (const Action& a : actions)
        planifie(a.ticks, a.ordre, [this, a] { a.appliquer(modele); });
}

bool Seance::joueDues()
{
    while (prochaine < agenda.size() && agenda[prochaine].instant <= horloge()) {
        // The entry may add others: it is taken out of the list before it is played.
        const std::function<void()> faire = std::move(agenda[prochaine++].faire);
        faire();
        if (interrompue)
            return false;
    }
    return true;
}

void Seance::execute(uint64_t limite)
{
    const uint64_t arret = modele.time() + (limite - horloge());
    P18f4550& pic = *modele.getProcesseur();
    // Only entries switch the board on and off: none comes inside a stretch.
    while ((suivi || pasAPas) && modele.time() < arret)
        if (!instructionSuivie())
            return;
    modele.executeJusqua(arret);
    finitInstruction();
    // The run stopped before a breakpoint's instruction, or ended there.
    while (pic.marqueDevant() && !arretDevantMarque()) {
        modele.executeJusqua(arret);
        finitInstruction();
    }
    pic.diagnosticsDePile(modele.time());
}

void Seance::finitInstruction()
{
    // Entries and the run's end fall between instructions, never between a jump and
    // the NOP of the word it flushed.
    P18f4550& pic = *modele.getProcesseur();
    while (pic.entreDeuxCycles())
        modele.pas();
}

bool Seance::arretDevantMarque()
{
    if (garde && garde->devantMarque()) {
        pause = true;
        return true;
    }
    modele.getProcesseur()->franchitMarque();
    return false;
}

void Seance::pasSuivi()
{
    const uint64_t debut = horloge();
    modele.pas();
    if (suivi && !suivi(debut))
        suivi = nullptr;
}

bool Seance::instructionSuivie()
{
    P18f4550& pic = *modele.getProcesseur();
    if (pic.marqueEnAttente() && arretDevantMarque())
        return false;
    pasSuivi();
    if (!pasAPas)
        return true;
    // The condition looks at the instruction's end: its last cycle run first.
    while (pic.entreDeuxCycles())
        pasSuivi();
    if (garde && garde->apresInstruction()) {
        pause = true;
        return false;
    }
    return true;
}

void Seance::finDeCourse(bool pauseAvant)
{
    enCourse = false;
    if (pause && !pauseAvant && garde)
        garde->arretee();
}

void Seance::suspend()
{
    if (pause)
        return;
    pause = true;
    // From an entry: the run returns at its boundary, and tells it then.
    if (enCourse)
        interrompue = true;
    else if (garde)
        garde->arretee();
}

void Seance::unPas()
{
    interrompue = false;
    enCourse = true;
    joueDues();
    if (enMarche) {
        modele.getProcesseur()->franchitMarque();
        modele.pas();
        finitInstruction();
        joueDues();
    }
    enCourse = false;
}

void Seance::avanceJusqua(uint64_t fin)
{
    interrompue = false;
    const bool pauseAvant = pause;
    enCourse = true;
    while (!pause && joueDues() && horloge() < fin) {
        const uint64_t limite = entreesRestantes() ? std::min(agenda[prochaine].instant, fin) : fin;
        if (enMarche) {
            execute(limite);
            continue;
        }
        // The board is off or held in reset: chip time passes with nothing to run.
        const uint64_t duree = limite - horloge();
        attente += duree;
        if (surAttente)
            surAttente(duree);
    }
    finDeCourse(pauseAvant);
}

uint64_t Seance::tranche(uint64_t duree)
{
    interrompue = false;
    const bool pauseAvant = pause;
    enCourse = true;
    uint64_t fait = 0;
    // An entry may switch the board off or hold it in reset.
    while (!pause && fait < duree && joueDues() && enMarche) {
        uint64_t limite = horloge() + (duree - fait);
        if (entreesRestantes())
            limite = std::min(limite, agenda[prochaine].instant);
        const uint64_t avant = modele.time();
        execute(limite);
        fait += modele.time() - avant;
    }
    finDeCourse(pauseAvant);
    return fait;
}

void Seance::passeHorsTension(uint64_t duree)
{
    interrompue = false;
    attente += duree;
    if (surAttente)
        surAttente(duree);
    joueDues();
}

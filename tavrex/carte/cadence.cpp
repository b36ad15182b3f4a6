#include "cadence.h"

#include <algorithm>
#include <cmath>

#include <QTimerEvent>

Cadence::Cadence(Seance& s, Modele& m, QObject* parent) : QObject(parent), seance(s), modele(m)
{
    connect(&modele, &Modele::setPowerOn, this, &Cadence::demarre);
    connect(&modele, &Modele::setPowerOff, this, &Cadence::arrete);
    minuterieArret.setInterval(10);
    connect(&minuterieArret, &QTimer::timeout, this, &Cadence::horsTension);
}

void Cadence::setPeriode(int ms)
{
    periodeMs = std::clamp(ms, periodeMin, periodeMax);
    if (actif())
        demarre();
}

void Cadence::demarre()
{
    if (suspendue) {
        relancer = true;
        return;
    }
    if (timerId != 0)
        killTimer(timerId);
    timerId = startTimer(periodeMs, Qt::PreciseTimer);
}

void Cadence::arrete()
{
    relancer = false;
    if (timerId == 0)
        return;
    killTimer(timerId);
    timerId = 0;
    chrono.invalidate();
    emit mesure(0, 0.0, false);
}

void Cadence::suspend()
{
    if (suspendue)
        return;
    const bool actifAvant = actif();
    arrete();
    if (!actifAvant)
        emit mesure(0, 0.0, false);
    suspendue = true;
    relancer = actifAvant;
}

void Cadence::reprend()
{
    if (!suspendue)
        return;
    suspendue = false;
    if (relancer)
        demarre();
    relancer = false;
}

void Cadence::suisTempsHorsTension()
{
    mur.start();
    minuterieArret.start();
}

void Cadence::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != timerId || timerId == 0) {
        QObject::timerEvent(event);
        return;
    }
    if (!chrono.isValid()) {
        chrono.start();
        calculNs = 0;
        puceAuDebut = modele.time();
    }
    const qint64 debut = chrono.nsecsElapsed();
    seance.tranche(Modele::ticksParTranche);
    emit tempsPuce(enSecondes(modele.time()));
    if (suspendue) {
        // The run paused inside the slice: the measure ended with it.
        emit avance();
        return;
    }
    if (++tranches % tranchesParBalayage == 0)
        emit balayage();
    const qint64 maintenant = chrono.nsecsElapsed();
    calculNs += maintenant - debut;
    if (maintenant >= nsParMesure) {
        const double secondesPuce = enSecondes(modele.time() - puceAuDebut);
        const double rapport = secondesPuce > 0.0 ? maintenant / 1e9 / secondesPuce : 0.0;
        const double demande = periodeMs / (1000.0 * enSecondes(Modele::ticksParTranche));
        const int charge = static_cast<int>(std::lround(100.0 * calculNs / maintenant));
        chrono.restart();
        calculNs = 0;
        puceAuDebut = modele.time();
        emit mesure(std::min(charge, 100), rapport, rapport > demande * toleranceRetard);
    }
    emit avance();
}

void Cadence::horsTension()
{
    const qint64 ms = mur.restart();
    if (!seance.tourne())
        seance.passeHorsTension(static_cast<uint64_t>(ms) * ticksParMs);
    else if (seance.enPause())
        seance.comptePause(static_cast<uint64_t>(ms) * ticksParMs);
    emit avance();
}

Simulation::Simulation()
{
    QObject::connect(&debogueur, &Debogueur::arrete, &cadence, &Cadence::suspend);
    QObject::connect(&debogueur, &Debogueur::repris, &cadence, &Cadence::reprend);
}

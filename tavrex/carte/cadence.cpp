#include "cadence.h"

#include <algorithm>

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
    if (timerId != 0)
        killTimer(timerId);
    timerId = startTimer(periodeMs, Qt::PreciseTimer);
}

void Cadence::arrete()
{
    if (timerId == 0)
        return;
    killTimer(timerId);
    timerId = 0;
}

void Cadence::suisTempsHorsTension()
{
    mur.start();
    minuterieArret.start();
}

int Cadence::chargePourcent(int calcul, int periode)
{
    return (calcul * 70 + 7000) / (periode * 100);
}

void Cadence::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != timerId || timerId == 0) {
        QObject::timerEvent(event);
        return;
    }
    if (!chrono.isValid())
        chrono.start();
    calcul -= chrono.elapsed();
    seance.tranche(Modele::ticksParTranche);
    emit tempsPuce(enSecondes(modele.time()));
    ++tranches;
    if (tranches % tranchesParBalayage == 0)
        emit balayage();
    calcul += chrono.elapsed();
    if (tranches >= tranchesParMesure) {
        const int charge = chargePourcent(static_cast<int>(calcul), periodeMs);
        const qint64 duree = chrono.restart();
        tranches = 0;
        calcul = 0;
        emit mesure(charge, static_cast<double>(duree) / 1000.0);
    }
    emit avance();
}

void Cadence::horsTension()
{
    const qint64 ms = mur.restart();
    if (!seance.tourne())
        seance.passeHorsTension(static_cast<uint64_t>(ms) * ticksParMs);
    emit avance();
}

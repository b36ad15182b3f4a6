#ifndef TAVREX_CADENCE_H
#define TAVREX_CADENCE_H

#include <cstdint>

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "debogueur.h"
#include "modele.h"
#include "seance.h"

// Paces a run against the wall clock for a front end that shows it: while the board
// runs, one slice of 10 ms of chip time every `periode` ms of wall time (10 ms is
// real time); while it does not, and when asked, the run's clock goes on at the wall
// clock's pace so that timed entries still come. It measures, over half a second of
// wall time or more, the share of it spent computing and the wall time a simulated
// second took, and says when the run falls behind the pace asked.
class Cadence : public QObject
{
    Q_OBJECT

public:
    static constexpr int periodeMin = 1;
    static constexpr int periodeMax = 500;
    static constexpr int tranchesParBalayage = 10;
    static constexpr qint64 nsParMesure = 500'000'000;
    // The run keeps the pace while a simulated second takes at most this much more
    // wall time than asked: timers of the desktop are not more exact.
    static constexpr double toleranceRetard = 1.1;

    explicit Cadence(Seance& seance, Modele& modele, QObject* parent = nullptr);

    // The wall-clock period of a slice, in ms; a running timer restarts at once.
    void setPeriode(int ms);
    int periode() const { return periodeMs; }
    // Whether the slices run: from the model's setPowerOn() to its setPowerOff().
    bool actif() const { return timerId != 0; }
    // Starts the slices again, at the period set.
    void demarre();
    void arrete();
    // Lets the run's clock go on at the wall clock's pace while the board is off;
    // while the run is paused, the wall time is counted as the run's pauses.
    void suisTempsHorsTension();
    // The debugger's pause: no slice runs and the load idles (its measure emitted
    // once, as when the slices stop) until `reprend`; switching the board on and off
    // meanwhile only says whether the slices run then.
    void suspend();
    void reprend();

signals:
    // After each slice: the chip time, in seconds.
    void tempsPuce(double secondes);
    // Every tenth slice: the scopes start a new sweep.
    void balayage();
    // Every half second of wall time while the slices run: the share of it spent
    // computing, in %, the wall seconds a simulated second took, and whether that is
    // slower than asked. Once more when they stop: no load, no ratio (0).
    void mesure(int chargePourcent, double secondesMurParSeconde, bool enRetard);
    // After each slice and each wall-clock step while the board is off.
    void avance();

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    void horsTension();

    Seance& seance;
    Modele& modele;
    int periodeMs = 10;
    int timerId = 0;
    QTimer minuterieArret;
    QElapsedTimer mur;
    bool suspendue = false;
    bool relancer = false;   // the slices ran, or the board was switched on, during the pause

    // The measure under way, from the first slice after a start.
    QElapsedTimer chrono;
    qint64 calculNs = 0;
    uint64_t puceAuDebut = 0;
    int tranches = 0;
};

// The simulation a desktop front end shows: the board, its run, its pacing and its
// debugger (whose pauses stop the pacing), built before the windows that show it and
// gone after them.
struct Simulation
{
    Simulation();
    Modele modele;
    Seance seance{modele};
    Cadence cadence{seance, modele};
    Debogueur debogueur{seance, modele};
};

#endif

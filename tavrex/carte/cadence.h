#ifndef TAVREX_CADENCE_H
#define TAVREX_CADENCE_H

#include <cstdint>

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "modele.h"
#include "seance.h"

// Paces a run against the wall clock for a front end that shows it: while the board
// runs, one slice of 10 ms of chip time every `periode` ms of wall time (10 ms is
// real time); while it does not, and when asked, the run's clock goes on at the wall
// clock's pace so that timed entries still come. It measures, over 100 slices, the
// share of the period spent computing and the wall time a simulated second took.
class Cadence : public QObject
{
    Q_OBJECT

public:
    static constexpr int periodeMin = 1;
    static constexpr int periodeMax = 500;
    static constexpr int tranchesParMesure = 100;
    static constexpr int tranchesParBalayage = 10;

    explicit Cadence(Seance& seance, Modele& modele, QObject* parent = nullptr);

    // The wall-clock period of a slice, in ms; a running timer restarts at once.
    void setPeriode(int ms);
    int periode() const { return periodeMs; }
    // Whether the slices run: from the model's setPowerOn() to its setPowerOff().
    bool actif() const { return timerId != 0; }
    // Starts the slices again, at the period set.
    void demarre();
    void arrete();
    // Lets the run's clock go on at the wall clock's pace while the board is off.
    void suisTempsHorsTension();

    // The load over a measure: the share of the periods spent computing (`calcul` ms
    // over 100 slices of `periode` ms) on a scale where 70 means the period is full.
    static int chargePourcent(int calcul, int periode);

signals:
    // After each slice: the chip time, in seconds.
    void tempsPuce(double secondes);
    // Every tenth slice: the scopes start a new sweep.
    void balayage();
    // Every 100 slices (one simulated second): the load and the wall seconds it took.
    void mesure(int chargePourcent, double secondesMur);
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

    // The measure's window of 100 slices; kept across stops of the slices.
    QElapsedTimer chrono;
    qint64 calcul = 0;
    int tranches = 0;
};

// The simulation a desktop front end shows: the board, its run and its pacing, built
// before the windows that show it and gone after them.
struct Simulation
{
    Modele modele;
    Seance seance{modele};
    Cadence cadence{seance, modele};
};

#endif

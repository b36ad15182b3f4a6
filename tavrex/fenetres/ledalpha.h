#ifndef TAVREX_LEDALPHA_H
#define TAVREX_LEDALPHA_H

#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsView>

// The board LED: a lit and an unlit picture stacked, cross-faded in proportion to
// the current through the LED.
class LedAlpha : public QGraphicsView
{
    Q_OBJECT

public:
    explicit LedAlpha(QWidget* parent = nullptr);

    double getCourant() const { return courant; }
    double getCourantMax() const { return courantMax; }
    double opaciteAllumee() const { return on.opacity(); }
    double opaciteEteinte() const { return off.opacity(); }

    // Changes of current up to this (A), 1/200 of full brightness, are not redrawn:
    // they cannot be seen.
    static constexpr double variation = 0.0001;

public slots:
    void setCourant(double c);
    void setCourantMax(double m);

private:
    void afficher();

    QGraphicsScene gs;
    QGraphicsPixmapItem on, off;
    double courantMax = 0.02;
    double courant = 0.0;
};

#endif

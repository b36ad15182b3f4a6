#ifndef TAVREX_FENETREOSCILLOS_H
#define TAVREX_FENETREOSCILLOS_H

#include <QFrame>

class Modele;
class QCloseEvent;

// The oscilloscope window: the two PWM outputs as traces.
// Until it is built, an empty frame with the window's title and the operations the
// main window calls.
class FenetreOscillos : public QFrame
{
    Q_OBJECT

public:
    explicit FenetreOscillos(Modele& modele, QWidget* parent = nullptr);

signals:
    void estCache(bool);

public slots:
    // Restarts both sweeps.
    void miseAJour();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Modele* modele;
};

#endif

#ifndef TAVREX_FENETREOSCILLOS_H
#define TAVREX_FENETREOSCILLOS_H

#include <QFrame>

#include "sousfenetre.h"

class EcranQwt;
class Modele;
class Oscillo;

namespace Ui {
class FenetreOscillos;
}

// The oscilloscope window: the voltages of the two motors' PWM pins as triggered
// traces, voie 1 the right motor, voie 2 the left one. The traces follow the motors
// when their pins are swapped. Dial 1 sets both time bases until "activer" gives
// voie 2 its own.
class FenetreOscillos : public SousFenetre
{
    Q_OBJECT

public:
    explicit FenetreOscillos(Modele& modele, QWidget* parent = nullptr);
    ~FenetreOscillos() override;
    FenetreOscillos(const FenetreOscillos&) = delete;
    FenetreOscillos& operator=(const FenetreOscillos&) = delete;

    Ui::FenetreOscillos* formulaire() const { return ui; }

    Oscillo* oscillo1;
    Oscillo* oscillo2;

    // Turns the first scope's time-base dial, as the user would.
    void setBaseTemps(int d);

public slots:
    void on_baseTpsOscillo1_valueChanged(int d);
    void on_baseTpsOscillo2_valueChanged(int d);
    void on_checkBoxBaseTps2_clicked(bool active);
    // Restarts both sweeps.
    void miseAJour();
    // The motors' pin names again, after a swap.
    void cnxChange();

protected:
    // A screen made short by a short window shows fewer volt marks, all readable.
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    Ui::FenetreOscillos* ui;
    Modele* modele;
    EcranQwt* ecran1;
    EcranQwt* ecran2;
};

#endif

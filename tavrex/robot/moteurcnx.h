#ifndef TAVREX_MOTEURCNX_H
#define TAVREX_MOTEURCNX_H

#include <QString>

#include "ports.h"

class Modele;

// A DC motor behind its H-bridge, whose control input is a PWM pin. Each new pin
// voltage advances the motor's current and its wheel's speed over the time elapsed
// since the last one, with the bridge conducting or freewheeling as the previous
// level said. The wheels never turn backwards.
class MoteurCNX : public Connexion
{
    friend class EtatModele;   // a snapshot reads and restores the whole state
public:
    MoteurCNX(Modele& m, const QString& name);

    void modifie(double v) override;
    QString getNameParam(int) override { return cnxName; }
    void preCalcul();
    void reset()
    {
        im = 0.0;
        vm = 0.0;
    }

    double getRes() const { return res; }
    void setRes(double r) { res = r; }
    double getInduc() const { return induc; }
    void setInduc(double l) { induc = l; }
    double getKphi() const { return kphi; }
    void setKphi(double k) { kphi = k; }
    double getInertie() const { return inertie; }
    void setInertie(double j) { inertie = j; }
    double getI0() const { return i0; }
    void setI0(double i) { i0 = i; }
    double getVitesse() const { return vm; }
    double getCourant() const { return im; }
    bool getMemo() const { return memo; }
    void setCnxName(const QString& n) { cnxName = n; }
    const QString& getCnxName() const { return cnxName; }
    // Parameters for which the equations have no meaning (a zero inductance, ratio,
    // radius or inertia...): the motor then produces no motion.
    bool estInerte() const { return inerte; }

private:
    // Explicit Euler over dt seconds, in steps short enough to stay stable.
    void integre(double dt);

    Modele& modele;
    double res = 2.38;
    double induc = 0.024;
    double kphi = 25.0;
    double i0 = 1.5;
    double inertie = 40.0;
    double temps = 0.0;
    double a = 0, b = 0, c = 0, don = 0, doff = 0, f = 0, g = 0, hoff = 0;
    double im = 0.0;
    double vm = 0.0;
    bool memo = false;
    QString cnxName;
    bool inerte = false;
    double pasMax = 1e-3;   // longest stable integration step, s
};

#endif

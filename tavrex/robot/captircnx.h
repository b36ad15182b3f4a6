#ifndef TAVREX_CAPTIRCNX_H
#define TAVREX_CAPTIRCNX_H

#include "ports.h"

class Modele;
class Piste;

// A reflective optical sensor (CNY70 kind) facing the floor: infrared LED and
// phototransistor, load resistor up or down, optional comparator.
class CaptIrCNX : public Connexion
{
    friend class EtatModele;   // a snapshot reads and restores the whole state
public:
    static double ReflexionScotch;
    static double ReflexionMoquette;
    static void setRefScotch(double r) { ReflexionScotch = r; }
    static void setRefMoquette(double r) { ReflexionMoquette = r; }
    static double getRefScotch() { return ReflexionScotch; }
    static double getRefMoquette() { return ReflexionMoquette; }

    explicit CaptIrCNX(Modele* m) : modele(m) { initData(); }

    void initData();
    void preCalcul();
    void evalue(const Piste* p);
    void miseAJour() override;

    bool getPullUp() const { return pullUp; }
    void setPullUp(bool b) { pullUp = b; }
    double getRd() const { return resD; }
    void setRd(double r) { resD = r; }
    double getRt() const { return resT; }
    void setRt(double r) { resT = r; }
    double getRc() const { return resC; }
    void setRc(double r) { resC = r; }
    bool getNoComp() const { return noComp; }
    void setNoComp(bool b) { noComp = b; }
    bool getSup() const { return compSup; }
    void setSup(bool b) { compSup = b; }
    double getX() const { return x; }
    void setX(double v) { x = v; }
    double getY() const { return y; }
    void setY(double v) { y = v; }
    double getH() const { return h; }
    void setH(double v) { h = v; }
    double getVseuil() const { return vSeuil; }
    void setVseuil(double v) { vSeuil = v; }
    void setXPiste(double v) { xPiste = v; }
    void setYPiste(double v) { yPiste = v; }
    double getXPiste() const { return xPiste; }
    double getYPiste() const { return yPiste; }
    double getV0() const { return v0; }
    double getVs() const { return valueSrc; }
    // The voltage on its pin, where the chip's side of the pin meets the sensor's
    // output; unwired, the output itself. What the program would read, without the
    // program's read: a PORTx read refreshes the sensor from the track, which would
    // end a forced floor (the white-line test) at once.
    double tensionBroche();
    void forceSurLigne()
    {
        forceSurface = true;
        surfaceLigne = true;
    }
    void forceSurMoquette()
    {
        forceSurface = true;
        surfaceLigne = false;
    }
    void unforce() { forceSurface = false; }
    bool estSurLigne() const { return surfaceLigne; }
    bool estForce() const { return forceSurface; }
    // Places the sensor on the track from the robot's pose (front point 120 mm ahead).
    void place(double X, double Y, double ct, double st);
    // Copies the user's settings (position, resistors, schema) of another sensor.
    void copieReglages(const CaptIrCNX& autre);

private:
    // The user's settings; their defaults are set by initData().
    bool pullUp;
    bool noComp;
    bool compSup;
    double resD;
    double resT;
    double resC;
    double vSeuil;
    double x;
    double y;
    double h;
    double xPiste = 0.0, yPiste = 0.0;
    double iForward = 0.0;
    double kDist = 0.0;
    double ctr = 0.0;
    double iC0 = 0.0;
    bool forceSurface = false;
    bool surfaceLigne = false;
    double v0 = 0.0;
    Modele* modele;
};

#endif

#include "captircnx.h"

#include <cmath>

#include "datamemory.h"
#include "modele.h"
#include "piste.h"

double CaptIrCNX::ReflexionScotch = 0.9;
double CaptIrCNX::ReflexionMoquette = 0.1;

void CaptIrCNX::initData()
{
    pullUp = true;
    noComp = true;
    compSup = true;
    resD = 270.0;
    resT = 33000.0;
    resC = 1000.0;
    vSeuil = 2.5;
    x = 0.0;
    y = -4.5;
    h = 5.0;
}

void CaptIrCNX::copieReglages(const CaptIrCNX& autre)
{
    x = autre.x;
    y = autre.y;
    h = autre.h;
    pullUp = autre.pullUp;
    resD = autre.resD;
    resT = autre.resT;
    noComp = autre.noComp;
    compSup = autre.compSup;
    resC = autre.resC;
    vSeuil = autre.vSeuil;
}

void CaptIrCNX::preCalcul()
{
    iForward = 3.975 / (resD + 8.0);
    // Too much current (or a resistor that is not a resistor): the LED gives no light.
    if (!(iForward <= 0.05) || iForward < 0.0)
        iForward = 0.0;
    if (h < 0.3)
        kDist = 1.0;
    else
        kDist = std::exp(-0.393812354555733 * h + 0.00471501771834415 * h * h + 0.000234514291708762 * h * h * h);
    if (!std::isfinite(kDist))
        kDist = 0.0;   // far above the floor: nothing comes back
    ctr = 2.85919974260108 * (1.0 - std::exp(-1.27424205952417 * iForward)) +
          2.29365618730621 * (1.0 - std::exp(-0.0962973727877001 * iForward)) -
          1.99821120310397 * (1.0 - std::exp(-0.00136052922029612 * iForward));
    iC0 = ctr * iForward * kDist;
}

void CaptIrCNX::evalue(const Piste* p)
{
    double r;
    if (forceSurface) {
        r = surfaceLigne ? ReflexionScotch : ReflexionMoquette;
    } else {
        const double d = p ? p->getScotchDistance(xPiste, yPiste) : -1.0;
        if (p && d >= 0.0)
            r = (ReflexionScotch - ReflexionMoquette) / (std::exp((d - 9.5) * 2.197224577 / (0.4 * h + 1.0)) + 1.0) +
                ReflexionMoquette;
        else
            r = ReflexionMoquette;
    }
    const double ic = r * iC0;
    double vc = 5.0 - ic * resT;
    if (!(vc >= 0.16))
        vc = 0.16;   // saturated (also catches a value that is not a number)
    if (vc > 5.0)
        vc = 5.0;
    v0 = pullUp ? vc : 5.0 - vc;
    // The comparator's output goes high above the threshold ("Supérieur") or below it
    // ("Inférieur").
    const bool haut = compSup ? v0 > vSeuil : v0 < vSeuil;
    if (noComp)
        setSrc(v0, resT);
    else if (haut)
        setSrc(5.0, resC);
    else
        setSrc(0.1, 10.0);
}

void CaptIrCNX::place(double X, double Y, double ct, double st)
{
    xPiste = X + ct * (y + Modele::avant) + st * x;
    yPiste = Y + st * (y + Modele::avant) - ct * x;
}

void CaptIrCNX::miseAJour()
{
    modele->deplacement();
    forceSurface = false;
    place(modele->getX(), modele->getY(), modele->getCosTheta(), modele->getSinTheta());
    evalue(modele->getPiste());
}

double CaptIrCNX::tensionBroche()
{
    if (!port)
        return valueSrc;
    DataMemory* dm = port->getDM();
    const Word n = static_cast<Word>(port->getNumero());
    const Byte tris = dm->read(static_cast<Word>(DataMemory::TRISA + n));
    const Byte lat = dm->read(static_cast<Word>(DataMemory::LATA + n));
    return port->setCnxValue(pin, lat, (tris >> pin) & 1);
}

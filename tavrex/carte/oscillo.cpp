#include "oscillo.h"

#include <cmath>

#include "ports.h"
#include "processeur.h"

namespace {

constexpr double frequence = ticksParSeconde;

}  // namespace

Oscillo::Oscillo(P18f4550* p) : processeur(p)
{
    setBaseTemps(29);
}

Oscillo::~Oscillo()
{
    if (estEnregistre())
        supprimer();
}

void Oscillo::observer(Connexion* c, int param)
{
    observ = c;
    numParam = param;
    if (!observ && estEnregistre())
        supprimer();
}

void Oscillo::debut()
{
    trigEtat = 0;
    nbAcq = 0;
    index = 0;
    if (estEnregistre())
        supprimer();
    if (observ)
        suivant(static_cast<uint16_t>(dt));
}

void Oscillo::setBaseTemps(int d)
{
    if (estEnregistre())
        supprimer();
    dt = static_cast<int>(std::exp(d * 0.085619911));
    const double duree = nbPoints * dt / frequence;
    double facteur;
    if (duree < 0.001) {
        unite = QString(QChar(0x03BC)) + QStringLiteral("s");
        facteur = 1e6;
    } else if (duree < 1.0) {
        unite = QStringLiteral("ms");
        facteur = 1e3;
    } else {
        unite = QStringLiteral("s");
        facteur = 1.0;
    }
    for (int k = 0; k < nbPoints; ++k)
        x[k] = facteur * (k - trigTemps) * dt / frequence;
    if (ecran)
        ecran->baseTempsChangee(*this);
}

void Oscillo::suivant(uint16_t ticks)
{
    enregistrerDernier(ticks, processeur->getListeEvts());
}

void Oscillo::executer()
{
    supprimer();
    if (nbAcq > (trigEtat == 2 ? attenteFront : trigAuto)) {
        // No trigger came: the last 250 samples, oldest first.
        for (int k = 0; k < nbPoints; ++k)
            y[k] = ymem[(index + k) % nbPoints];
        afficheTrace(false);
        return;
    }
    ++nbAcq;
    const double v = observ->getValParam(numParam);
    switch (trigEtat) {
    case 0:
        ymem[index++] = v;
        if (index == nbPoints) {
            trigEtat = 1;
            nbAcq = 0;
            index = 0;
        }
        suivant(static_cast<uint16_t>(dt));
        break;
    case 1:
        ymem[index] = v;
        if (v < trigNiveau) {
            trigEtat = 2;
            nbAcq = 0;
        }
        index = static_cast<uint16_t>((index + 1) % nbPoints);
        suivant(static_cast<uint16_t>(dt));
        break;
    case 2:
        ymem[index] = v;
        if (v > trigNiveau) {
            trigEtat = 3;
            nbAcq = 0;
            instantDeclenchement = processeur->time();
            // The trigTemps samples before the edge, then the edge's own.
            for (int k = 0; k <= trigTemps; ++k)
                y[k] = ymem[(index + nbPoints - trigTemps + k) % nbPoints];
            index = trigTemps;
        }
        index = static_cast<uint16_t>((index + 1) % nbPoints);
        // Waiting for the edge, and the point right after it, one tick apart.
        suivant(1);
        break;
    default:
        y[index++] = v;
        if (index == nbPoints) {
            afficheTrace(true);
            return;
        }
        suivant(static_cast<uint16_t>(dt));
        break;
    }
}

void Oscillo::afficheTrace(bool surDeclenchement)
{
    declenche = surDeclenchement;
    ++nbTraces;
    if (ecran)
        ecran->traceFinie(*this);
}

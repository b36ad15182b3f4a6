#include "moteurcnx.h"

#include <algorithm>
#include <cmath>

#include "modele.h"

MoteurCNX::MoteurCNX(Modele& m, const QString& name) : modele(m), cnxName(name)
{
    preCalcul();
}

void MoteurCNX::preCalcul()
{
    const double r = modele.getRayon() * 0.001;
    const double k = kphi * 0.001;
    const double reduc = modele.getReduc();
    const double masse = modele.getMasse();
    const double j = inertie * 1e-7 + masse * r * r / reduc / reduc;
    a = masse * r * r * modele.getKroul() * 9.81 / (reduc * reduc * j) * 1000.0;
    b = 1000.0 * r * k * modele.getRendement() / (reduc * j);
    c = modele.getVbat() / induc;
    don = (res + modele.getRdson()) / induc;
    doff = res / induc;
    f = reduc * k / (r * induc) * 0.001;
    g = k * k * modele.getRendement() * i0 / (j * (12.0 - res * i0));
    hoff = -modele.getVf() / induc;
    // A zero inductance, ratio, radius or inertia leaves no meaningful equation.
    inerte = false;
    for (double coef : {a, b, c, don, doff, f, g, hoff})
        if (!std::isfinite(coef))
            inerte = true;
    if (inerte) {
        reset();
        return;
    }
    // Explicit Euler stays stable while the step times the largest decay rate stays
    // small; the bound below covers both eigenvalues of the current-speed system.
    const double rayonSpectral = std::fabs(don) + std::fabs(doff) + std::fabs(g) + std::sqrt(std::fabs(f * b));
    pasMax = rayonSpectral > 0.0 ? std::min(1e-3, 0.5 / rayonSpectral) : 1e-3;
}

void MoteurCNX::modifie(double v)
{
    const double t = static_cast<double>(modele.time());
    if (t == temps)
        return;
    const double dt = enSecondes(t - temps);
    temps = t;
    if (inerte)
        reset();
    else
        integre(dt);
    memo = v > 3.0;
}

void MoteurCNX::integre(double dt)
{
    // PWM edges come well within the step bound: one step, exactly. A pin left alone
    // for a long time is caught up in equal steps no longer than the bound.
    const int n = dt <= pasMax ? 1 : static_cast<int>(std::min(std::ceil(dt / pasMax), 1e7));
    const double h = dt / n;
    for (int i = 0; i < n; ++i) {
        const double di = memo ? c - don * im - f * vm : hoff - doff * im - f * vm;
        const double dv = b * im - a - g * vm;
        im += h * di;
        if (im < 0.0)
            im = 0.0;
        vm += h * dv;
        if (vm < 0.0)
            vm = 0.0;
    }
    if (!std::isfinite(im) || !std::isfinite(vm))
        reset();
}

#ifndef TAVREX_ECRANQWT_H
#define TAVREX_ECRANQWT_H

#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>

#include "oscillo.h"

class QwtPlot;

// One trace of the oscilloscope window drawn in a Qwt plot: the curve reads the
// scope's arrays in place, so a finished sweep costs a replot and nothing more. The
// scope must outlive it; the plot too.
class EcranQwt final : public EcranOscillo
{
public:
    EcranQwt(QwtPlot* plot, Oscillo& oscillo);
    ~EcranQwt();
    EcranQwt(const EcranQwt&) = delete;
    EcranQwt& operator=(const EcranQwt&) = delete;

    void traceFinie(const Oscillo& o) override;
    void baseTempsChangee(const Oscillo& o) override;

    // For the window's colours.
    QwtPlotCurve& getCourbe() { return courbe; }

private:
    QwtPlot* plot;
    Oscillo& oscillo;
    QwtPlotCurve courbe;
    QwtPlotGrid grille;
};

#endif

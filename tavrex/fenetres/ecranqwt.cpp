#include "ecranqwt.h"

#include <QCoreApplication>
#include <QPen>

#include <qwt_plot.h>

EcranQwt::EcranQwt(QwtPlot* p, Oscillo& o) : plot(p), oscillo(o)
{
    courbe.setStyle(QwtPlotCurve::Steps);
    courbe.setYAxis(QwtPlot::yLeft);
    courbe.setRawSamples(oscillo.getX(), oscillo.getY(), Oscillo::nbPoints);
    grille.setMajorPen(Qt::white, 0, Qt::DotLine);
    // The curve and the grid are members, not the plot's to delete.
    plot->setAutoDelete(false);
    courbe.attach(plot);
    grille.attach(plot);
    plot->setAxisScale(QwtPlot::yLeft, 0.0, 5.0);
    plot->setAxisTitle(QwtPlot::yLeft, QCoreApplication::translate("Oscillo", "Volts"));
    baseTempsChangee(oscillo);
    oscillo.setEcran(this);
}

EcranQwt::~EcranQwt()
{
    oscillo.setEcran(nullptr);
}

void EcranQwt::traceFinie(const Oscillo&)
{
    plot->replot();
}

void EcranQwt::baseTempsChangee(const Oscillo& o)
{
    plot->setAxisScale(QwtPlot::xBottom, o.getX()[0], o.getX()[Oscillo::nbPoints - 1]);
    // The title keeps the look that the window gave it.
    QwtText titre = plot->axisTitle(QwtPlot::xBottom);
    titre.setText(o.getUnite());
    plot->setAxisTitle(QwtPlot::xBottom, titre);
    plot->replot();
}

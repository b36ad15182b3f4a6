#include "fenetreoscillos.h"

#include <algorithm>

#include <QEvent>
#include <QPalette>
#include <QPen>

#include <qwt_plot.h>
#include <qwt_plot_canvas.h>

#include "ecranqwt.h"
#include "modele.h"
#include "oscillo.h"
#include "ui_fenetreoscillos.h"

namespace {

// The screen of an oscilloscope: a dark glass in a darker bezel, light lettering,
// one bright colour per trace (images/style.css: screen, bezel, silk, trace colours).
const QColor ecran(0x10, 0x16, 0x1c);
const QColor cadre(0x1b, 0x1d, 0x22);
const QColor lettres(0xf2, 0xef, 0xe6);
const QColor traceVoie1(0x39, 0xd6, 0x4a);
const QColor traceVoie2(0xff, 0x9a, 0x1f);
// A screen's least height: its two axes and a trace a few volts tall.
const int hauteurEcranMin = 90;

void habille(QwtPlot* plot, QwtPlotCurve& courbe, const QColor& couleur)
{
    QPalette palette = plot->palette();
    palette.setColor(QPalette::Window, cadre);
    palette.setColor(QPalette::WindowText, lettres);
    palette.setColor(QPalette::Text, lettres);
    plot->setPalette(palette);
    plot->setAutoFillBackground(true);
    plot->setCanvasBackground(ecran);
    if (auto* canvas = qobject_cast<QwtPlotCanvas*>(plot->canvas()))
        canvas->setFrameStyle(QFrame::Box | QFrame::Plain);
    QFont police = plot->font();
    police.setPointSize(9);
    for (int axe : {QwtPlot::yLeft, QwtPlot::xBottom}) {
        plot->setAxisFont(axe, police);
        QwtText titre = plot->axisTitle(axe);
        titre.setFont(police);
        titre.setColor(lettres);
        plot->setAxisTitle(axe, titre);
    }
    courbe.setPen(couleur, 2.0);
    plot->replot();
}

}  // namespace

FenetreOscillos::FenetreOscillos(Modele& m, QWidget* parent)
    : SousFenetre(parent), ui(new Ui::FenetreOscillos), modele(&m)
{
    ui->setupUi(this);
    oscillo1 = new Oscillo(modele->getProcesseur());
    ecran1 = new EcranQwt(ui->qwtPlotOscillo1, *oscillo1);
    oscillo1->observer(modele->getMoteurD(), 0);
    oscillo2 = new Oscillo(modele->getProcesseur());
    ecran2 = new EcranQwt(ui->qwtPlotOscillo2, *oscillo2);
    oscillo2->observer(modele->getMoteurG(), 0);
    habille(ui->qwtPlotOscillo1, ecran1->getCourbe(), traceVoie1);
    habille(ui->qwtPlotOscillo2, ecran2->getCourbe(), traceVoie2);
    for (QwtPlot* plot : {ui->qwtPlotOscillo1, ui->qwtPlotOscillo2}) {
        // Short of its axes' own least height, a screen still shows its trace.
        plot->setMinimumHeight(hauteurEcranMin);
        plot->canvas()->installEventFilter(this);
    }
    ui->comboBoxOscillo1->addItem(QString());
    ui->comboBoxOscillo2->addItem(QString());
    cnxChange();
    connect(modele, &Modele::cnxMotChange, this, &FenetreOscillos::cnxChange);
}

FenetreOscillos::~FenetreOscillos()
{
    // Before the plots, which their curves are attached to, and before the scopes,
    // whose arrays the curves read.
    delete ecran1;
    delete ecran2;
    delete oscillo1;
    delete oscillo2;
    delete ui;
}

bool FenetreOscillos::eventFilter(QObject* objet, QEvent* event)
{
    if (event->type() == QEvent::Resize)
        for (QwtPlot* plot : {ui->qwtPlotOscillo1, ui->qwtPlotOscillo2})
            if (objet == plot->canvas()) {
                // A volt mark every 20 pixels at least: 0 to 5 V by 1 V, or by 2 V.
                const int marques = std::clamp(plot->canvas()->height() / 20, 2, 5);
                if (plot->axisMaxMajor(QwtPlot::yLeft) != marques) {
                    plot->setAxisMaxMajor(QwtPlot::yLeft, marques);
                    plot->replot();
                }
            }
    return SousFenetre::eventFilter(objet, event);
}

void FenetreOscillos::on_baseTpsOscillo1_valueChanged(int d)
{
    oscillo1->setBaseTemps(d);
    if (!ui->checkBoxBaseTps2->isChecked())
        ui->baseTpsOscillo2->setValue(d);
}

void FenetreOscillos::on_baseTpsOscillo2_valueChanged(int d)
{
    oscillo2->setBaseTemps(d);
}

void FenetreOscillos::on_checkBoxBaseTps2_clicked(bool active)
{
    if (!active)
        ui->baseTpsOscillo2->setValue(ui->baseTpsOscillo1->value());
    ui->baseTpsOscillo2->setEnabled(active);
    ui->labelBaseTps2->setEnabled(active);
}

void FenetreOscillos::miseAJour()
{
    oscillo1->debut();
    oscillo2->debut();
}

void FenetreOscillos::cnxChange()
{
    ui->comboBoxOscillo1->setItemText(0, modele->getMoteurD()->getNameParam(0));
    ui->comboBoxOscillo2->setItemText(0, modele->getMoteurG()->getNameParam(0));
}


void FenetreOscillos::setBaseTemps(int d)
{
    ui->baseTpsOscillo1->setValue(d);
}

#include "fenetreoscillos.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "modele.h"

FenetreOscillos::FenetreOscillos(Modele& m, QWidget* parent) : QFrame(parent), modele(&m)
{
    setWindowTitle(tr("Oscilloscopes"));
    resize(457, 450);
    auto* texte = new QLabel(tr("Oscilloscopes"), this);
    texte->setAlignment(Qt::AlignCenter);
    texte->setEnabled(false);
    (new QVBoxLayout(this))->addWidget(texte);
}

void FenetreOscillos::miseAJour()
{
}

void FenetreOscillos::closeEvent(QCloseEvent* event)
{
    event->ignore();
    (parentWidget() ? parentWidget() : this)->hide();
    emit estCache(true);
}

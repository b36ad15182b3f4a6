#include "rombo.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "modele.h"

Rombo::Rombo(Modele& m, QWidget* parent) : QFrame(parent), modele(&m)
{
    setWindowTitle(tr("Rombine"));
    resize(700, 520);
    auto* texte = new QLabel(tr("Rombine"), this);
    texte->setAlignment(Qt::AlignCenter);
    texte->setEnabled(false);
    (new QVBoxLayout(this))->addWidget(texte);
}

void Rombo::jackToggle()
{
    modele->getJack()->isActif() ? modele->retireJack(true) : modele->metJack(true);
}

void Rombo::appuiFdc()
{
    modele->appuyeFdc();
}

void Rombo::relacheFdc()
{
    modele->relacheFdc();
}

void Rombo::closeEvent(QCloseEvent* event)
{
    event->ignore();
    (parentWidget() ? parentWidget() : this)->hide();
    emit estCache(true);
}

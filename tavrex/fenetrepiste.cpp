#include "fenetrepiste.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "modele.h"

FenetrePiste::FenetrePiste(Modele& m, QWidget* parent) : QFrame(parent), modele(&m)
{
    setWindowTitle(tr("Piste"));
    resize(600, 520);
    auto* texte = new QLabel(tr("Piste"), this);
    texte->setAlignment(Qt::AlignCenter);
    texte->setEnabled(false);
    (new QVBoxLayout(this))->addWidget(texte);
}

void FenetrePiste::closeEvent(QCloseEvent* event)
{
    event->ignore();
    (parentWidget() ? parentWidget() : this)->hide();
    emit estCache(true);
}

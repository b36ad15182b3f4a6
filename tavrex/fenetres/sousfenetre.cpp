#include "sousfenetre.h"

#include <QCloseEvent>

void SousFenetre::closeEvent(QCloseEvent* event)
{
    event->ignore();
    (parentWidget() ? parentWidget() : this)->hide();
    emit estCache(true);
}

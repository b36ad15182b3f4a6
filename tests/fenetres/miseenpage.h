#ifndef TAVREX_TESTS_FENETRES_MISEENPAGE_H
#define TAVREX_TESTS_FENETRES_MISEENPAGE_H

// What a user sees as careless in a window at the size it has: widgets that its
// layouts put on one another or squeeze below their minimum, and buttons cut off by
// the window's edge. A button inside a scroll area is reached by scrolling it.

#include <QAbstractButton>
#include <QLayout>
#include <QScrollArea>
#include <QStringList>
#include <QWidget>

inline QString nomMisEnPage(QLayoutItem* item)
{
    if (const QWidget* w = item->widget())
        return w->objectName();
    if (const QLayout* l = item->layout())
        return l->objectName();
    return QStringLiteral("?");
}

inline QStringList defautsDeMiseEnPage(QWidget* fenetre)
{
    QStringList defauts;
    for (QLayout* l : fenetre->findChildren<QLayout*>()) {
        const QWidget* porteur = l->parentWidget();
        if (!porteur || (porteur != fenetre && !porteur->isVisibleTo(fenetre)))
            continue;
        QList<QLayoutItem*> places;
        for (int i = 0; i < l->count(); ++i) {
            QLayoutItem* item = l->itemAt(i);
            if (item->isEmpty() || item->spacerItem())
                continue;
            const QSize taille = item->geometry().size(), minimum = item->minimumSize();
            if (taille.width() < minimum.width() || taille.height() < minimum.height())
                defauts << QStringLiteral("%1 squeezed in %2").arg(nomMisEnPage(item), l->objectName());
            places << item;
        }
        for (int i = 0; i < places.size(); ++i)
            for (int j = i + 1; j < places.size(); ++j)
                if (places[i]->geometry().intersects(places[j]->geometry()))
                    defauts << QStringLiteral("%1 over %2").arg(nomMisEnPage(places[i]), nomMisEnPage(places[j]));
    }
    for (QAbstractButton* b : fenetre->findChildren<QAbstractButton*>()) {
        if (!b->isVisibleTo(fenetre))
            continue;
        bool defile = false;
        for (QWidget* p = b->parentWidget(); p && p != fenetre; p = p->parentWidget())
            defile = defile || qobject_cast<QScrollArea*>(p);
        if (!defile && !fenetre->rect().contains(QRect(b->mapTo(fenetre, QPoint()), b->size())))
            defauts << QStringLiteral("%1 cut off").arg(b->objectName());
    }
    return defauts;
}

#endif

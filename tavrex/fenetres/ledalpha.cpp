#include "ledalpha.h"

#include <algorithm>
#include <cmath>

LedAlpha::LedAlpha(QWidget* parent) : QGraphicsView(parent)
{
    setInteractive(false);
    setStyleSheet(QStringLiteral("LedAlpha {background : transparent;}"));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    on.setPixmap(QPixmap(QStringLiteral(":/images/led_verte_on.png")));
    off.setPixmap(QPixmap(QStringLiteral(":/images/led_verte_off.png")));
    on.setOpacity(0.0);
    off.setOpacity(1.0);
    // The scene does not own the two items: they are members, removed before the
    // scene goes (members are destroyed in reverse order, the items first).
    gs.addItem(&on);
    gs.addItem(&off);
    gs.setSceneRect(on.boundingRect());
    setScene(&gs);
}

void LedAlpha::setCourant(double c)
{
    // A negative or undefined current lights nothing.
    const double m = std::isnan(c) ? 0.0 : std::clamp(c, 0.0, courantMax);
    if (std::fabs(m - courant) <= variation)
        return;
    courant = m;
    afficher();
}

void LedAlpha::setCourantMax(double m)
{
    if (!(m > 0.0))
        return;   // no brightness scale: keep the previous one
    courantMax = m;
    courant = std::min(courant, courantMax);
    afficher();
}

void LedAlpha::afficher()
{
    const double k = courant / courantMax;
    on.setOpacity(k);
    off.setOpacity(1.0 - k);
}

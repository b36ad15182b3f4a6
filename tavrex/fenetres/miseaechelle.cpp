#include "miseaechelle.h"

#include <algorithm>
#include <cmath>

#include <QAbstractButton>
#include <QBoxLayout>
#include <QGraphicsView>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QRegularExpression>
#include <QWidget>

namespace {

int fois(int v, double f)
{
    return static_cast<int>(std::lround(v * f));
}

QSize fois(QSize s, double f)
{
    // A length with no bound stays without one.
    const auto un = [f](int v) { return v >= QWIDGETSIZE_MAX ? v : fois(v, f); };
    return {un(s.width()), un(s.height())};
}

QRect fois(const QRect& r, double f)
{
    // Edges scaled, not sizes, so that neighbours stay edge to edge.
    const int x = fois(r.left(), f), y = fois(r.top(), f);
    return {x, y, fois(r.left() + r.width(), f) - x, fois(r.top() + r.height(), f) - y};
}

QString styleFois(const QString& style, double f)
{
    static const QRegularExpression longueur(QStringLiteral("(\\d+(?:\\.\\d+)?)px"));
    QString resultat;
    int depuis = 0;
    for (auto it = longueur.globalMatch(style); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        resultat += style.mid(depuis, m.capturedStart() - depuis);
        // A border stays at least one pixel wide.
        const double v = m.captured(1).toDouble();
        resultat += QString::number(v > 0.0 ? std::max(1L, std::lround(v * f)) : 0L) + QStringLiteral("px");
        depuis = m.capturedEnd();
    }
    return resultat + style.mid(depuis);
}

// Widgets that Qt builds inside its own (a scroll area's bars, a spin box's line):
// they follow their owner.
bool interne(const QWidget* w)
{
    return w->objectName().startsWith(QLatin1String("qt_"));
}

bool estVueDefilement(const QWidget* w)
{
    return w->objectName() == QLatin1String("qt_scrollarea_viewport");
}

}  // namespace

MiseAEchelle::MiseAEchelle(QWidget* racine)
{
    note(racine, racine);
}

void MiseAEchelle::note(QWidget* w, QWidget* racine)
{
    if (!interne(w)) {
        Widget d{};
        d.w = w;
        d.minimum = w->minimumSize();
        d.maximum = w->maximumSize();
        const QWidget* parent = w->parentWidget();
        if (w != racine && parent && !parent->layout() && !estVueDefilement(parent)) {
            d.place = w->geometry();
            d.enfantDeRacine = parent == racine;
        }
        d.policePropre = w->testAttribute(Qt::WA_SetFont);
        d.police = w == racine || d.policePropre;
        d.policeDessin = w->font();
        d.style = w->styleSheet();
        if (const auto* b = qobject_cast<QAbstractButton*>(w))
            d.icone = b->iconSize();
        if (const auto* l = qobject_cast<QLabel*>(w)) {
            d.image = l->pixmap(Qt::ReturnByValue);
            d.marge = l->margin();
        }
        d.vue = qobject_cast<QGraphicsView*>(w) != nullptr;
        widgets.push_back(d);
        if (w->layout())
            noteDisposition(w->layout(), w);
    }
    if (interne(w) && !estVueDefilement(w))
        return;
    for (QObject* o : w->children())
        if (auto* enfant = qobject_cast<QWidget*>(o); enfant && !enfant->isWindow())
            note(enfant, racine);
}

void MiseAEchelle::noteDisposition(QLayout* l, QWidget* porteur)
{
    Disposition d{porteur, l, l->contentsMargins(), l->spacing(), -1, -1};
    if (auto* g = qobject_cast<QGridLayout*>(l)) {
        d.horizontal = g->horizontalSpacing();
        d.vertical = g->verticalSpacing();
    }
    dispositions.push_back(d);
    for (int i = 0; i < l->count(); ++i) {
        QLayoutItem* item = l->itemAt(i);
        if (QSpacerItem* s = item->spacerItem())
            ressorts.push_back({porteur, l, s, s->sizeHint(), s->sizePolicy()});
        else if (QLayout* sous = item->layout())
            noteDisposition(sous, porteur);
    }
}

void MiseAEchelle::policeExacte(const QWidget* w)
{
    for (Widget& d : widgets)
        if (d.w == w)
            d.policeExacte = true;
}

void MiseAEchelle::applique(double facteur, double policeMin, QPoint decalage)
{
    const double f = std::clamp(facteur, 0.05, 1.0);
    if (f == echelle && decalage == decale)
        return;
    echelle = f;
    decale = decalage;
    const bool dessin = f == 1.0;
    for (const Widget& d : widgets) {
        QWidget* w = d.w;
        if (!w)
            continue;
        // The root's own size is its parent's business.
        if (&d != &widgets.front()) {
            w->setMinimumSize(fois(d.minimum, f));
            w->setMaximumSize(fois(d.maximum, f));
        }
        if (d.place.isValid())
            w->setGeometry(fois(d.place, f).translated(d.enfantDeRacine ? decalage : QPoint()));
        if (d.police) {
            if (dessin) {
                // Back to the form's own font, or to the parent's when it had none.
                w->setFont(d.policePropre ? d.policeDessin : QFont());
            } else {
                QFont p = d.policeDessin;
                const double plancher = d.policeExacte ? 0.0 : policeMin;
                if (p.pointSizeF() > 0.0)
                    p.setPointSizeF(std::min(p.pointSizeF(), std::max(plancher, p.pointSizeF() * f)));
                else
                    p.setPixelSize(std::max(1, fois(p.pixelSize(), f)));
                w->setFont(p);
            }
        }
        if (!d.style.isEmpty())
            w->setStyleSheet(dessin ? d.style : styleFois(d.style, f));
        if (d.icone.isValid())
            static_cast<QAbstractButton*>(w)->setIconSize(fois(d.icone, f));
        if (auto* l = qobject_cast<QLabel*>(w)) {
            if (!d.image.isNull())
                l->setPixmap(dessin ? d.image
                                    : d.image.scaled(fois(d.image.size(), f), Qt::KeepAspectRatio,
                                                     Qt::SmoothTransformation));
            l->setMargin(fois(d.marge, f));
        }
        if (d.vue)
            static_cast<QGraphicsView*>(w)->setTransform(QTransform::fromScale(f, f));
    }
    for (const Disposition& d : dispositions) {
        if (!d.porteur)
            continue;
        d.l->setContentsMargins(fois(d.marges.left(), f), fois(d.marges.top(), f), fois(d.marges.right(), f),
                                fois(d.marges.bottom(), f));
        // A spacing the form left to the style (-1) goes back to it at full size; below,
        // it is the usual 6 pixels scaled.
        const auto espace = [f, dessin](int v) { return dessin ? v : fois(v < 0 ? 6 : v, f); };
        if (auto* g = qobject_cast<QGridLayout*>(d.l)) {
            g->setHorizontalSpacing(espace(d.horizontal));
            g->setVerticalSpacing(espace(d.vertical));
        } else {
            d.l->setSpacing(espace(d.espacement));
        }
    }
    for (const Ressort& r : ressorts) {
        if (!r.porteur)
            continue;
        r.s->changeSize(fois(r.taille.width(), f), fois(r.taille.height(), f), r.politique.horizontalPolicy(),
                        r.politique.verticalPolicy());
        r.l->invalidate();
    }
}

#ifndef TAVREX_MISEAECHELLE_H
#define TAVREX_MISEAECHELLE_H

#include <vector>

#include <QFont>
#include <QMargins>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QSizePolicy>
#include <QString>

class QLayout;
class QSpacerItem;
class QWidget;

// A window, or a part of one, drawn smaller than designed with the same look: every
// size, place, margin, spacing and font of the form times one factor, the pictures
// scaled, the graphics views zoomed, the style sheets' pixel lengths scaled (a style
// sheet's image is drawn to its box). Factor 1 gives back the form as it was set up.
// Built once the form is set up, pictures included: what it records is the design.
class MiseAEchelle
{
public:
    explicit MiseAEchelle(QWidget* racine);

    // Draws the form at `facteur` (0 < facteur <= 1); no font goes below `policeMin`
    // points, for texts to stay readable. The children placed by hand (outside any
    // layout) of the root are moved by `decalage` on top of their scaled place.
    void applique(double facteur, double policeMin = 0.0, QPoint decalage = QPoint());
    double facteur() const { return echelle; }
    // A widget whose text must fit where it fitted: its font follows the factor, below
    // `policeMin` too.
    void policeExacte(const QWidget* w);

private:
    struct Widget
    {
        QPointer<QWidget> w;
        QSize minimum, maximum;
        QRect place;           // valid for a child placed by hand
        bool enfantDeRacine;   // a hand-placed child of the root, which `decalage` moves
        bool police;           // scaled on its own: the root's, or one the form gave
        bool policePropre;     // the form gave it a font of its own
        bool policeExacte;     // below the least font size too
        QFont policeDessin;
        QString style;
        QSize icone;           // valid for a button
        QPixmap image;         // not null for a label showing a picture
        int marge;             // a label's margin
        bool vue;              // a graphics view, zoomed to the factor
    };
    struct Disposition
    {
        QPointer<QWidget> porteur;   // the widget the layout belongs to, for its lifetime
        QLayout* l;
        QMargins marges;
        int espacement, horizontal, vertical;
    };
    struct Ressort
    {
        QPointer<QWidget> porteur;
        QLayout* l;
        QSpacerItem* s;
        QSize taille;
        QSizePolicy politique;
    };

    void note(QWidget* w, QWidget* racine);
    void noteDisposition(QLayout* l, QWidget* porteur);

    std::vector<Widget> widgets;
    std::vector<Disposition> dispositions;
    std::vector<Ressort> ressorts;
    double echelle = 1.0;   // as set up: the design, in its place
    QPoint decale;
};

#endif

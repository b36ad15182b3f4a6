#ifndef TAVREX_DESSINPISTE_H
#define TAVREX_DESSINPISTE_H

#include <unordered_map>

#include <QBrush>
#include <QPointer>
#include <QRectF>

#include "piste.h"

class QAbstractGraphicsShapeItem;
class QGraphicsItem;
class QGraphicsScene;

// The track drawn in a graphics scene, kept in step with the track as it is read and
// edited: each element's shape (white tape, a wooden block for an obstacle) and its
// red highlight above the tape and the robot, shown while the element is edited.
// Items enter the scene in track order as the elements come, so a later element lies
// over an earlier one.
class DessinPiste final : public VuePiste
{
public:
    // Draws every element at once. The scene must outlive the drawing; the track may
    // go first.
    DessinPiste(Piste& piste, QGraphicsScene& scene);
    ~DessinPiste();
    DessinPiste(const DessinPiste&) = delete;
    DessinPiste& operator=(const DessinPiste&) = delete;

    void eltAjoute(const Portion& e) override;
    void eltModifie(const Portion& e) override;
    void eltRetire(const Portion& e) override;

    // The element's shape and highlight; null for what it does not show.
    QGraphicsItem* getItem(const Portion* e) const;
    QGraphicsItem* getItemFocus(const Portion* e) const;
    // What the track covers in the scene, highlights included; empty without elements.
    QRectF cadre() const;

private:
    struct Items
    {
        QAbstractGraphicsShapeItem* item = nullptr;
        QAbstractGraphicsShapeItem* itemFocus = nullptr;
    };
    void effacer(Items& i);

    QPointer<Piste> piste;
    QGraphicsScene& scene;
    std::unordered_map<const Portion*, Items> items;
    QBrush bois;
};

#endif

#include "dessinpiste.h"

#include <QColor>
#include <QGraphicsPathItem>
#include <QGraphicsPolygonItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QImage>
#include <QPen>

namespace {

QBrush brosseBois()
{
    const QImage texture(QStringLiteral(":/images/wood.png"));
    if (texture.isNull())
        return QBrush(QColor(150, 100, 50));
    return QBrush(texture);
}

// An item of the shape's kind, none for no shape.
QAbstractGraphicsShapeItem* nouvelItem(const Forme& f, const QBrush& brosse)
{
    QAbstractGraphicsShapeItem* item = nullptr;
    if (std::holds_alternative<QRectF>(f))
        item = new QGraphicsRectItem;
    else if (std::holds_alternative<QPolygonF>(f))
        item = new QGraphicsPolygonItem;
    else if (std::holds_alternative<QPainterPath>(f))
        item = new QGraphicsPathItem;
    if (item) {
        item->setPen(Qt::NoPen);
        item->setBrush(brosse);
    }
    return item;
}

// An element's shape keeps its kind: only its geometry changes.
void remodeler(QGraphicsItem* item, const Forme& f)
{
    if (const auto* r = std::get_if<QRectF>(&f)) {
        if (auto* i = qgraphicsitem_cast<QGraphicsRectItem*>(item))
            i->setRect(*r);
    } else if (const auto* p = std::get_if<QPolygonF>(&f)) {
        if (auto* i = qgraphicsitem_cast<QGraphicsPolygonItem*>(item))
            i->setPolygon(*p);
    } else if (const auto* c = std::get_if<QPainterPath>(&f)) {
        if (auto* i = qgraphicsitem_cast<QGraphicsPathItem*>(item))
            i->setPath(*c);
    }
}

}  // namespace

DessinPiste::DessinPiste(Piste& p, QGraphicsScene& s) : piste(&p), scene(s), bois(brosseBois())
{
    p.setVue(this);
}

DessinPiste::~DessinPiste()
{
    if (piste)
        piste->setVue(nullptr);
    for (auto& [element, i] : items)
        effacer(i);
}

void DessinPiste::eltAjoute(const Portion& e)
{
    // Given to this view again, the track's elements keep their items.
    if (items.count(&e))
        return;
    Items& i = items[&e];
    i.item = nouvelItem(e.forme(), e.typeIndex() == 3 ? bois : QBrush(Qt::white));
    i.itemFocus = nouvelItem(e.formeFocus(), QBrush(Qt::red));
    if (i.itemFocus)
        i.itemFocus->setZValue(2.0);
    for (QGraphicsItem* item : {i.item, i.itemFocus})
        if (item)
            scene.addItem(item);
    eltModifie(e);
}

void DessinPiste::eltModifie(const Portion& e)
{
    const auto it = items.find(&e);
    if (it == items.end())
        return;
    const Items& i = it->second;
    if (i.item)
        remodeler(i.item, e.forme());
    if (i.itemFocus) {
        remodeler(i.itemFocus, e.formeFocus());
        i.itemFocus->setVisible(e.hasFocus());
    }
    for (QGraphicsItem* item : {i.item, i.itemFocus}) {
        if (item) {
            item->setRotation(e.rotationScene());
            item->setPos(e.posScene());
        }
    }
}

void DessinPiste::eltRetire(const Portion& e)
{
    const auto it = items.find(&e);
    if (it == items.end())
        return;
    effacer(it->second);
    items.erase(it);
}

void DessinPiste::effacer(Items& i)
{
    // Deleting an item takes it out of its scene.
    delete i.item;
    delete i.itemFocus;
    i = Items();
}

QGraphicsItem* DessinPiste::getItem(const Portion* e) const
{
    const auto it = items.find(e);
    return it == items.end() ? nullptr : it->second.item;
}

QGraphicsItem* DessinPiste::getItemFocus(const Portion* e) const
{
    const auto it = items.find(e);
    return it == items.end() ? nullptr : it->second.itemFocus;
}

QRectF DessinPiste::cadre() const
{
    QRectF c;
    for (const auto& [element, i] : items)
        for (const QGraphicsItem* item : {i.item, i.itemFocus})
            if (item)
                c |= item->sceneBoundingRect();
    return c;
}

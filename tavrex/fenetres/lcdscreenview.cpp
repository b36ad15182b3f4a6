#include "lcdscreenview.h"

#include <QPainter>

LcdScreenView::LcdScreenView(LcdScreen& s) : screen(&s)
{
    gs.setSceneRect(0, 0, 16 * largeurCar, 2 * hauteurCar);
    for (QPixmap*& p : font) {
        p = new QPixmap(largeurCar, hauteurCar);
        p->fill(Qt::transparent);
    }
    calcFont();
    for (int i = 0; i < 16; ++i)
        for (int ligne = 0; ligne < 2; ++ligne) {
            QGraphicsPixmapItem& cellule = tab[i][ligne];
            code[i][ligne] = screen->getAscii(i, ligne) & 0xFF;
            cellule.setPixmap(*font[code[i][ligne]]);
            cellule.setPos(largeurCar * i, hauteurCar * ligne);
            cellule.setOpacity(0.0);
            gs.addItem(&cellule);
        }
    connect(screen, &LcdScreen::modifie, this, &LcdScreenView::modifie);
    connect(screen, &LcdScreen::setOpacity, this, &LcdScreenView::setOpacity);
}

LcdScreenView::~LcdScreenView()
{
    // The cells are members: out of the scene before it is destroyed.
    for (auto& colonne : tab)
        for (QGraphicsPixmapItem& cellule : colonne)
            gs.removeItem(&cellule);
    for (QPixmap* p : font)
        delete p;
}

void LcdScreenView::calcFont()
{
    const QColor noir(0, 0, 0), gris(64, 64, 64);
    for (int c = 0; c < 256; ++c) {
        QPainter p(font[c]);
        for (int j = 0; j < 7; ++j)
            for (int k = 0; k < 5; ++k) {
                p.setOpacity(lcdFont[c][j][k] == '.' ? 1.0 : opaciteEteint);
                const int x = 3 * k, y = 4 * j;
                p.fillRect(x, y, 2, 3, noir);
                p.fillRect(x + 2, y, 1, 3, gris);
                p.fillRect(x, y + 3, 3, 1, gris);
            }
    }
}

int LcdScreenView::codeAffiche(int x, int y) const
{
    return (x >= 0 && x < 16 && y >= 0 && y < 2) ? code[x][y] : -1;
}

void LcdScreenView::modifie(int x, int y, int c)
{
    if (x < 0 || x > 15 || y < 0 || y > 1)
        return;
    code[x][y] = c & 0xFF;
    tab[x][y].setPixmap(*font[code[x][y]]);
}

void LcdScreenView::setOpacity(double o)
{
    for (auto& colonne : tab)
        for (QGraphicsPixmapItem& cellule : colonne)
            cellule.setOpacity(o);
}

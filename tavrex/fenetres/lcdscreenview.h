#ifndef TAVREX_LCDSCREENVIEW_H
#define TAVREX_LCDSCREENVIEW_H

#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QObject>
#include <QPixmap>

#include "lcdscreen.h"

// The character ROM of the LCD module: 256 codes of 7 rows of 5 dots.
extern const char lcdFont[256][7][6];

// The picture of the LCD's 2 x 16 characters, in a graphics scene of 288 x 64
// pixels: each dot is a cell of 3 x 4 pixels, lit dots opaque, dark dots faint, the
// whole at the opacity that the controller's contrast sets.
class LcdScreenView : public QObject
{
    Q_OBJECT

public:
    static constexpr int largeurCar = 18, hauteurCar = 32;
    static constexpr double opaciteEteint = 0.15;

    explicit LcdScreenView(LcdScreen& screen);
    ~LcdScreenView() override;
    LcdScreenView(const LcdScreenView&) = delete;
    LcdScreenView& operator=(const LcdScreenView&) = delete;

    QGraphicsScene* getScene() { return &gs; }
    // The character shown by cell (x, y), -1 outside the screen.
    int codeAffiche(int x, int y) const;
    double opacite() const { return tab[0][0].opacity(); }
    const QPixmap& glyphe(int c) const { return *font[c & 0xFF]; }

public slots:
    void modifie(int x, int y, int c);
    void setOpacity(double o);

private:
    void calcFont();

    LcdScreen* screen;
    QGraphicsScene gs;
    QPixmap* font[256];
    QGraphicsPixmapItem tab[16][2];
    int code[16][2];
};

#endif

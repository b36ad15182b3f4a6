#include <QtTest>

#include <QImage>

#include "lcdscreenview.h"
#include "ledalpha.h"
#include "principal.h"

class TestAffichage : public QObject
{
    Q_OBJECT
private slots:
    void ledSuitLeCourant();
    void policeLcd();
    void vueLcdSuitLeControleur();
};

void TestAffichage::ledSuitLeCourant()
{
    LedAlpha led(nullptr);
    QCOMPARE(led.opaciteAllumee(), 0.0);
    QCOMPARE(led.opaciteEteinte(), 1.0);
    led.setCourant(0.05);   // above 20 mA: fully lit, stored clamped
    QCOMPARE(led.getCourant(), 0.02);
    QCOMPARE(led.opaciteAllumee(), 1.0);
    QCOMPARE(led.opaciteEteinte(), 0.0);
    led.setCourant(0.0);
    QCOMPARE(led.opaciteAllumee(), 0.0);
    QCOMPARE(led.opaciteEteinte(), 1.0);
    led.setCourant(0.019886);   // an output at 5 V through the board's resistor
    QVERIFY(led.opaciteAllumee() > 0.99);
    led.setCourant(0.01);
    QCOMPARE(led.opaciteAllumee(), 0.5);
    led.setCourant(0.01 + LedAlpha::variation / 2);   // too small a change to be seen
    QCOMPARE(led.getCourant(), 0.01);
    led.setCourantMax(0.04);
    QCOMPARE(led.opaciteAllumee(), 0.25);
    QCOMPARE(led.opaciteEteinte(), 0.75);
    led.setCourantMax(0.0);   // refused: no scale to divide by
    QCOMPARE(led.getCourantMax(), 0.04);
    led.setCourant(-1.0);
    QCOMPARE(led.opaciteAllumee(), 0.0);
    led.setCourant(std::nan(""));
    QCOMPARE(led.opaciteAllumee(), 0.0);
}

namespace {

bool estVide(int c)
{
    for (int j = 0; j < 7; ++j)
        if (QByteArray(lcdFont[c][j]) != "     ")
            return false;
    return true;
}

}  // namespace

void TestAffichage::policeLcd()
{
    int pleins = 0;
    for (int c = 0; c < 256; ++c) {
        for (int j = 0; j < 7; ++j)
            QCOMPARE(static_cast<int>(qstrlen(lcdFont[c][j])), 5);
        const bool vide = estVide(c);
        pleins += vide ? 0 : 1;
        const bool videAttendu = c <= 32 || (c >= 128 && c <= 160) || c == 254;
        QVERIFY2(vide == videAttendu, qPrintable(QString::number(c)));
    }
    QCOMPARE(pleins, 189);
    const char* const a[7] = {" ... ", ".   .", ".   .", ".   .", ".....", ".   .", ".   ."};
    const char* const yen[7] = {".   .", " . . ", ".....", "  .  ", ".....", "  .  ", "  .  "};
    const char* const droite[7] = {"     ", "  .  ", "   . ", ".....", "   . ", "  .  ", "     "};
    for (int j = 0; j < 7; ++j) {
        QCOMPARE(QByteArray(lcdFont['A'][j]), QByteArray(a[j]));
        QCOMPARE(QByteArray(lcdFont[92][j]), QByteArray(yen[j]));
        QCOMPARE(QByteArray(lcdFont[126][j]), QByteArray(droite[j]));
        QCOMPARE(QByteArray(lcdFont[255][j]), QByteArray("....."));
    }

    // Each dot a 3 x 4 cell: black 2 x 3, a grey column and row; dark dots faint.
    LcdScreen ecran;
    LcdScreenView vue(ecran);
    const QImage g = vue.glyphe('A').toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(g.size(), QSize(18, 32));
    const QColor allume = g.pixelColor(3, 0);   // row 0, column 1: lit
    QCOMPARE(allume, QColor(0, 0, 0, 255));
    QCOMPARE(g.pixelColor(4, 2), QColor(0, 0, 0, 255));
    QCOMPARE(g.pixelColor(5, 0).red(), 64);
    QCOMPARE(g.pixelColor(3, 3).red(), 64);
    QCOMPARE(g.pixelColor(5, 3).alpha(), 255);
    const int faible = g.pixelColor(0, 0).alpha();   // row 0, column 0: dark
    QVERIFY(qAbs(faible - 38) <= 1);
    QCOMPARE(g.pixelColor(15, 0).alpha(), 0);   // right of the five columns
    QCOMPARE(g.pixelColor(0, 28).alpha(), 0);   // under the seven rows
}

void TestAffichage::vueLcdSuitLeControleur()
{
    LcdScreen ecran;
    LcdScreenView vue(ecran);
    QCOMPARE(vue.getScene()->sceneRect(), QRectF(0, 0, 288, 64));
    QCOMPARE(vue.opacite(), 0.0);
    ecran.powerOn();   // line 0 full blocks, contrast 128
    QCOMPARE(vue.codeAffiche(0, 0), 255);
    QCOMPARE(vue.codeAffiche(15, 0), 255);
    QCOMPARE(vue.codeAffiche(0, 1), 32);
    QCOMPARE(vue.opacite(), 128 / 255.0);
    ecran.setContraste(255);
    QCOMPARE(vue.opacite(), 1.0);
    ecran.modif(3, 1, 'x');
    QCOMPARE(vue.codeAffiche(3, 1), int('x'));
    QCOMPARE(vue.codeAffiche(16, 0), -1);
    ecran.powerOff();
    QCOMPARE(vue.opacite(), 0.0);
    QCOMPARE(vue.codeAffiche(0, 0), 32);
}

TAVREX_TESTS_FENETRE(TestAffichage)
#include "test_affichage.moc"

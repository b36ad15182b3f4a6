#include <QApplication>
#include <QtTest>

#include "test_fenetres.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    Q_INIT_RESOURCE(ressources);
    int echecs = 0;
    TestAffichage affichage;
    echecs += QTest::qExec(&affichage, argc, argv);
    TestCarte carte;
    echecs += QTest::qExec(&carte, argc, argv);
    TestMainWindow principale;
    echecs += QTest::qExec(&principale, argc, argv);
    TestPiste piste;
    echecs += QTest::qExec(&piste, argc, argv);
    TestRombo rombo;
    echecs += QTest::qExec(&rombo, argc, argv);
    TestOscillos oscillos;
    echecs += QTest::qExec(&oscillos, argc, argv);
    return echecs == 0 ? 0 : 1;
}

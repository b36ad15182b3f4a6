#ifndef TAVREX_TESTS_FENETRES_PRINCIPAL_H
#define TAVREX_TESTS_FENETRES_PRINCIPAL_H

// Each window's tests are a program of their own, started as the desktop program
// starts: its images, and numbers written the French way of its texts.

#include <QApplication>
#include <QLocale>
#include <QtTest>

#define TAVREX_TESTS_FENETRE(Classe)                                     \
    int main(int argc, char** argv)                                      \
    {                                                                    \
        QApplication application(argc, argv);                            \
        Q_INIT_RESOURCE(ressources);                                     \
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));  \
        Classe tests;                                                    \
        return QTest::qExec(&tests, argc, argv);                         \
    }

#endif

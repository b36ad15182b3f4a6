#ifndef TAVREX_TESTS_FENETRES_H
#define TAVREX_TESTS_FENETRES_H

#include <QObject>

// The window tests: one class per window or widget, all run by main.cpp.

class TestAffichage : public QObject
{
    Q_OBJECT
private slots:
    void ledSuitLeCourant();
    void policeLcd();
    void vueLcdSuitLeControleur();
};

class TestCarte : public QObject
{
    Q_OBJECT
private slots:
    void potentiometreEtClavier();
    void verrous();
    void alimentation();
    void chargementHex();
};

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void etatInitial();
    void vitesse();
    void chargeDeCalcul();
    void minuterieEtAlimentation();
    void touches();
    void modeSimple();
    void apropos();
    void traductionComplete();
    void ligneDeCommande();
    void demoDeBoutEnBout();
};

class TestPiste : public QObject
{
    Q_OBJECT
private slots:
    void dessin();
    void pisteVide();
    void editionDeLaChaine();
    void romboEntreMainEtModele();
    void fichiers();
    void ligneDeCommande();
};

class TestRombo : public QObject
{
    Q_OBJECT
private slots:
    void etatInitial();
    void contactsEtBroches();
    void interrupteurFdc();
    void capteurs();
    void glisserLeMarqueur();
    void comparateurEtTest();
    void moteurs();
    void fichiers();
    void ligneDeCommande();
};

class TestOscillos : public QObject
{
    Q_OBJECT
private slots:
    void listesSuiventLesMoteurs();
    void basesDeTemps();
    void fenetrePrincipale();
};

#endif

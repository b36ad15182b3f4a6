#ifndef TAVREX_LCDSCREEN_H
#define TAVREX_LCDSCREEN_H

#include <QObject>

#include "ports.h"

class Diagnostics;

// One line between the chip and the LCD module: the module reads its logic level
// and, on the data lines, drives it when the program reads.
class ConnexionLcd : public Connexion
{
    friend class EtatModele;   // a snapshot reads and restores the whole state

public:
    explicit ConnexionLcd(bool ligneE = false) : e(ligneE) {}
    void modifie(double v) override { etat = v > 2.5; }
    bool niveau() const { return etat; }
    bool estE() const { return e; }

private:
    bool etat = false;
    bool e;
};

// The HD44780-type controller of the board's 2 x 16 LCD, in 4-bit mode on port D,
// as seen from the chip's pins. It never reports busy: every command takes effect
// at once. Clocked once per instruction of the processor. A write that a real
// controller would lose (sent too soon after power-on or while it executes the
// previous command) is said to the diagnostics, at E's falling edge.
class LcdScreen : public QObject
{
    Q_OBJECT

    friend class EtatModele;   // a snapshot reads and restores the whole state

public:
    // EtatWait is a busy state that the controller never enters.
    enum EtatLCD {
        EtatOff = 0,
        EtatReset = 1,
        EtatWait4_1ms = 2,
        EtatWait100us = 3,
        EtatInit = 4,
        EtatInterface4bits = 5,
        EtatInterface4bitsLow = 6,
        EtatWait = 7
    };

    explicit LcdScreen(QObject* parent = nullptr);

    // One step per processor instruction. E low before and now, the usual case, costs
    // a counter increment.
    void clock()
    {
        if (etat == EtatOff)
            return;
        ++time;
        const bool eHaut = e.niveau();
        if (!eHaut && !e_latch)
            return;
        ligneE(eHaut);
    }
    // E low and no transfer latched (or the module off): a step only counts, until
    // E moves.
    bool auRepos() const { return etat == EtatOff || (!e.niveau() && !e_latch); }
    // `n` steps while at rest.
    void compte(unsigned long n)
    {
        if (etat != EtatOff)
            time += n;
    }
    void powerOn();
    void powerOff();
    void clearDisplay();
    void modif(int x, int y, int c);
    void traitement();
    void dataIn();
    void dataOut();
    // A processor reset while powered: a running controller starts its
    // initialisation again, keeping its text and its time count.
    void reset();
    // The diagnostics told of the writes a real controller loses, with the chip's
    // time; none by default.
    void setDiagnostics(Diagnostics* d) { diag = d; }

    ConnexionLcd* getE() { return &e; }
    ConnexionLcd* getRS() { return &rs; }
    ConnexionLcd* getRW() { return &rw; }
    ConnexionLcd* getD4() { return &d4; }
    ConnexionLcd* getD5() { return &d5; }
    ConnexionLcd* getD6() { return &d6; }
    ConnexionLcd* getD7() { return &d7; }
    int getAscii(int x, int y) const { return (x >= 0 && x < 16 && y >= 0 && y < 2) ? ascii[x][y] : 32; }
    EtatLCD getEtat() const { return etat; }
    // Steps counted since the last wait began.
    unsigned long getTime() const { return time; }
    int getAdresse() const { return adresse; }
    int getContraste() const { return contraste; }
    bool getDisplayOn() const { return displayOn; }

signals:
    void modifie(int x, int y, int c);
    void setOpacity(double);

public slots:
    void setContraste(int c);

private:
    void latch();
    void ligneE(bool eHaut);
    // At a write's falling edge: too soon after power-on, or while busy?
    void verifieDelai();
    // The command just taken keeps a real controller busy for `ticks`.
    void occupe(uint64_t ticks);

    int ascii[16][2];
    ConnexionLcd e{true}, rs, rw, d4, d5, d6, d7;
    int d = 0;
    int dhigh = 0, dlow = 0;
    bool rw_latch = false, rs_latch = false;
    bool rs_memo = false;
    bool e_latch = false;
    int adresse = 0;
    bool displayOn = false;
    int contraste = 128;
    unsigned long timeOut = 0, time = 0;
    EtatLCD etat = EtatOff;
    bool dirInput = true;
    Diagnostics* diag = nullptr;
    uint64_t sousTension = 0;   // chip time of the power-on
    uint64_t derniere = 0;      // chip time of the last command taken
    uint64_t duree = 0;         // how long it keeps a real controller busy
};

#endif

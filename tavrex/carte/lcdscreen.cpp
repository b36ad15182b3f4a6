#include "lcdscreen.h"

#include <cstdio>

#include "diagnostics.h"

namespace {
// Time counts calls of clock(), one per instruction: 12 per microsecond at 48 MHz.
constexpr unsigned long attente15ms = 168000;   // more than 14 ms
constexpr unsigned long attente4_1ms = 48000;   // more than 4 ms
constexpr unsigned long attente100us = 1200;

// What a real HD44780 needs, in chip ticks, for the diagnostics. After power-on: 40 ms
// from the supply's rise past 2.7 V, which is all a program can count on, since the
// chip starts running (its power-on reset releases near 2 V) before the supply
// reaches 4.5 V, the point the data sheet's 15 ms start from. Then each command's
// execution time at the controller's 270 kHz: 37 us, 1.52 ms for clear and return
// home; the power-on sequence's first two nibbles 3, 4.1 ms and 100 us.
constexpr uint64_t attenteSousTension = 40 * ticksParMs;
constexpr uint64_t execution = 37 * ticksParMs / 1000;
constexpr uint64_t executionLongue = 1520 * ticksParMs / 1000;
constexpr uint64_t apresPremier3 = 4100 * ticksParMs / 1000;
constexpr uint64_t apresSecond3 = 100 * ticksParMs / 1000;

std::string nombre(double v, int decimales)
{
    char texte[32];
    std::snprintf(texte, sizeof texte, "%.*f", decimales, v);
    return texte;
}
}

LcdScreen::LcdScreen(QObject* parent) : QObject(parent)
{
    for (auto& colonne : ascii)
        colonne[0] = colonne[1] = 32;
}

void LcdScreen::modif(int x, int y, int c)
{
    if (x < 0 || x > 15 || y < 0 || y > 1 || ascii[x][y] == c)
        return;
    ascii[x][y] = c;
    emit modifie(x, y, c);
}

void LcdScreen::setContraste(int c)
{
    contraste = c & 0xFF;
    emit setOpacity(etat != EtatOff ? contraste / 255.0 : 0.0);
}

void LcdScreen::dataIn()
{
    if (dirInput)
        return;
    for (ConnexionLcd* l : {&d4, &d5, &d6, &d7})
        l->setInput();
    dirInput = true;
}

void LcdScreen::dataOut()
{
    if (!dirInput)
        return;
    for (ConnexionLcd* l : {&d4, &d5, &d6, &d7})
        l->setSrc(0.0, 1000.0);
    dirInput = false;
}

void LcdScreen::latch()
{
    rs_latch = rs.niveau();
    rw_latch = rw.niveau();
    d = (d7.niveau() ? 8 : 0) | (d6.niveau() ? 4 : 0) | (d5.niveau() ? 2 : 0) | (d4.niveau() ? 1 : 0);
}

void LcdScreen::ligneE(bool eHaut)
{
    if (eHaut && e_latch) {
        latch();
        return;
    }
    if (eHaut) {
        // Rising edge: a read makes the module drive the data lines, all low: the busy
        // flag (d7, with RS low) is never set and data reads give 0.
        if (rw.niveau()) {
            dataOut();
            // A program that reads the busy flag waits for it as a real one would.
            if (!rs.niveau())
                duree = 0;
        } else {
            dataIn();
        }
    } else if (!rw_latch && etat <= EtatInterface4bitsLow) {
        // Falling edge of a write: the latched nibble acts by state.
        // Checked at a byte's first nibble: its second follows it at once.
        const EtatLCD avant = etat;
        if (diag && avant != EtatInterface4bitsLow)
            verifieDelai();
        switch (etat) {
        case EtatReset:
        case EtatWait4_1ms:
        case EtatWait100us: {
            // The three 0x3 nibbles of the power-on sequence, each after its wait.
            static const unsigned long attente[] = {attente15ms, attente4_1ms, attente100us};
            if (!rs_latch && d == 3 && time > attente[etat - EtatReset]) {
                etat = static_cast<EtatLCD>(etat + 1);
                time = 0;
            }
            break;
        }
        case EtatInit:
            if (!rs_latch && d == 2) {
                etat = EtatInterface4bits;
                time = 0;
            }
            break;
        case EtatInterface4bits:
            dhigh = d;
            rs_memo = rs_latch;
            etat = EtatInterface4bitsLow;
            break;
        case EtatInterface4bitsLow:
            dlow = d;
            // A pair of nibbles with different RS is dropped.
            if (rs_latch == rs_memo)
                traitement();
            etat = EtatInterface4bits;
            break;
        default:
            break;
        }
        if (diag && etat != avant && avant != EtatInterface4bits) {
            const int octet = dhigh * 16 + dlow;
            const bool longue = avant == EtatInterface4bitsLow && !rs_memo && octet >= 0x01 && octet <= 0x03;
            occupe(avant == EtatReset ? apresPremier3 : avant == EtatWait4_1ms ? apresSecond3
                   : longue ? executionLongue : execution);
        }
        dataIn();
    }
    e_latch = eHaut;
    if (eHaut)
        latch();
}

void LcdScreen::traitement()
{
    const int val = dhigh * 16 + dlow;
    if (rs_memo) {
        modif(adresse % 64, adresse / 64, val);
        adresse = (adresse + 1) % 128;
        return;
    }
    if (val == 0x01) {
        clearDisplay();
        adresse = 0;
    } else if (val == 0x02 || val == 0x03) {
        adresse = 0;
    } else if (val >= 0x04 && val <= 0x07) {
        // entry mode: not modelled
    } else if (val >= 0x08 && val <= 0x0F) {
        displayOn = val & 0x04;
        setContraste(contraste);
    } else if (val >= 0x10 && val <= 0x1F) {
        if (val & 0x08)
            return;   // display shift: not modelled
        // No wrap: an address moved out of 0..127 shows nothing until it is set again.
        if (val & 0x04)
            ++adresse;
        else
            --adresse;
    } else if (val >= 0x80) {
        adresse = val & 0x7F;
    }
    // 0x20-0x3F function set, 0x40-0x7F CGRAM address, 0x00: nothing.
}

void LcdScreen::clearDisplay()
{
    for (int colonne = 0; colonne < 16; ++colonne) {
        modif(colonne, 0, 32);
        modif(colonne, 1, 32);
    }
}

void LcdScreen::verifieDelai()
{
    const uint64_t t = diag->maintenant();
    if (t < sousTension + attenteSousTension)
        diag->signale(Diagnostic::LcdAvantInit, {nombre(enMs(static_cast<double>(t - sousTension)), 1)});
    else if (duree && t < derniere + duree)
        diag->signale(Diagnostic::LcdTropTot, {nombre(enMs(static_cast<double>(t - derniere)) * 1000.0, 0),
                                               nombre(enMs(static_cast<double>(duree)) * 1000.0, 0)});
}

void LcdScreen::occupe(uint64_t ticks)
{
    derniere = diag->maintenant();
    duree = ticks;
}

void LcdScreen::powerOn()
{
    if (diag) {
        sousTension = diag->maintenant();
        duree = 0;
    }
    etat = EtatReset;
    setContraste(contraste);
    for (int colonne = 0; colonne < 16; ++colonne) {
        modif(colonne, 1, 32);
        modif(colonne, 0, 255);
    }
    time = 0;
    dataIn();
}

void LcdScreen::powerOff()
{
    etat = EtatOff;
    adresse = 0;
    e_latch = false;
    setContraste(contraste);
    clearDisplay();
    dataIn();
}

void LcdScreen::reset()
{
    if (etat != EtatOff)
        etat = EtatReset;
}

#include "lcdscreen.h"

namespace {
// Time counts calls of clock(), one per instruction: 12 per microsecond at 48 MHz.
constexpr unsigned long attente15ms = 168000;   // more than 14 ms
constexpr unsigned long attente4_1ms = 48000;   // more than 4 ms
constexpr unsigned long attente100us = 1200;
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
        if (rw.niveau())
            dataOut();
        else
            dataIn();
    } else if (!rw_latch && etat <= EtatInterface4bitsLow) {
        // Falling edge of a write: the latched nibble acts by state.
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

void LcdScreen::powerOn()
{
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

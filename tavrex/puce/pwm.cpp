#include "pwm.h"

#include "datamemory.h"
#include "ports.h"
#include "processeur.h"
#include "registre.h"

Pwm::Pwm(P18f4550* p, int regConfig, int regDutyL, int regDutyH, Port* port, Byte pin)
    : processeur(p), regConfig(regConfig), regDutyL(regDutyL), regDutyH(regDutyH), port(port), pin(pin)
{
}

void Pwm::config()
{
    const Byte ccpcon = processeur->getDM()->readDirect(static_cast<Word>(regConfig));
    const bool pwmChoisi = (ccpcon & 0xCC) == 0x0C;
    if (pwmChoisi) {
        if (!pwmOn) {
            // The output stays low until Timer2 starts the next period.
            pwmOn = true;
            out = false;
            port->changement(pin);
        }
        dutyMemo = (dutyMemo & ~3) | ((ccpcon >> 4) & 3);
    } else if (pwmOn) {
        // A pending falling edge stays registered and removes itself when it fires.
        pwmOn = false;
        port->changement(pin);
    }
}

void Pwm::dutyCycle()
{
    const Byte ccprl = processeur->getDM()->readDirect(static_cast<Word>(regDutyL));
    dutyMemo = ((ccprl * 4) & 0x3FC) | (dutyMemo & 3);
}

void Pwm::basculeSet()
{
    if (!pwmOn)
        return;
    dutyLatch = dutyMemo;
    // CCPRxH refuses the program's writes while the module runs: store it directly.
    processeur->getDM()->registre(static_cast<Word>(regDutyH))->writeDirect(static_cast<Byte>(dutyMemo >> 2));
    out = dutyLatch != 0;
    if (estEnregistre())
        supprimer();
    // A pulse as long as the period never ends: the next period start comes first
    // (Timer2 registers after this, at the head of the same slot) and cancels it.
    if (out)
        enregistrer(static_cast<uint16_t>(processeur->getTimer2()->getPrescaler() * dutyLatch),
                    processeur->getListeEvts());
    port->changement(pin);
}

void Pwm::executer()
{
    supprimer();
    if (pwmOn && out) {
        out = false;
        port->changement(pin);
    }
}

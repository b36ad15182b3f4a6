#ifndef TAVREX_PWM_H
#define TAVREX_PWM_H

#include "evenement.h"
#include "types.h"

class P18f4550;
class Port;

// One CCP module in PWM mode. Timer2 starts each period (basculeSet); the module is
// an event scheduled at the falling edge of its output.
class Pwm : public Evenement
{
    friend class EtatModele;   // a snapshot reads and restores the whole state

public:
    Pwm(P18f4550* p, int regConfig, int regDutyL, int regDutyH, Port* port, Byte pin);

    void config();
    void dutyCycle();
    void basculeSet();
    void executer() override;

    bool isOn() const { return pwmOn; }
    bool output() const { return out; }
    int getDutyLatch() const { return dutyLatch; }
    int getDutyMemo() const { return dutyMemo; }
    Byte getPin() const { return pin; }
    Port* getPort() const { return port; }

private:
    P18f4550* processeur;
    int dutyMemo = 0;
    int dutyLatch = 0;
    bool pwmOn = false;
    bool out = false;
    int regConfig;
    int regDutyL;
    int regDutyH;
    Port* port;
    Byte pin;
};

#endif

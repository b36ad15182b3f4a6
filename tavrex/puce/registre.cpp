#include "registre.h"

#include "adc.h"
#include "datamemory.h"
#include "diagnostics.h"
#include "interruptions.h"
#include "ports.h"
#include "pwm.h"
#include "timer0.h"
#include "timer2.h"

const Byte Registre::maskSet[8] = {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80};
const Byte Registre::maskClr[8] = {0xFE, 0xFD, 0xFB, 0xF7, 0xEF, 0xDF, 0xBF, 0x7F};

namespace {
inline Byte avecBit(Byte v, Byte num, bool set)
{
    return set ? (v | Registre::maskSet[num & 7]) : (v & Registre::maskClr[num & 7]);
}
}

// --- TRISx, LATx, PORTx ------------------------------------------------------

void RegistreTrisLat::write(Byte d)
{
    data = d;
    port->changement();
}

void RegistreTrisLat::setBit(Byte num)
{
    Registre::setBit(num);
    port->changement(num & 7);
}

void RegistreTrisLat::clrBit(Byte num)
{
    Registre::clrBit(num);
    port->changement(num & 7);
}

Byte RegistrePort::read()
{
    port->miseAJour();
    if (lecteur)
        lecteur->lecturePortB(data);
    return data;
}

// --- Indirect addressing -----------------------------------------------------

RegistreIndirect::RegistreIndirect(const std::string& nom, DataMemory* mem, Word fsrBas, Pas pas, bool plusW)
    : RegistreSpecial(nom),
      mem(mem),
      fsrL(mem->registre(fsrBas)),
      fsrH(mem->registre(static_cast<Word>(fsrBas + 1))),
      w(plusW ? mem->registre(DataMemory::WREG) : nullptr),
      pas(pas)
{
    lectureDirecte = false;
    pointeurMobile = pas != fixe;
    indirect = true;
}

Registre* RegistreIndirect::registreCible() const
{
    const Word adr = cible();
    Registre* r = mem->registre(adr);   // null above 0xFFF
    if (!r || r->isIndirectReg())
        return nullptr;
    return r;
}

Byte RegistreIndirect::read()
{
    Registre* r = registreCible();
    return r ? r->read() : 0;
}

void RegistreIndirect::write(Byte d)
{
    if (Registre* r = registreCible())
        r->write(d);
}

void RegistreIndirect::setBit(Byte num)
{
    if (Registre* r = registreCible())
        r->setBit(num);
}

void RegistreIndirect::clrBit(Byte num)
{
    if (Registre* r = registreCible())
        r->clrBit(num);
}

void RegistreIndirect::doPreIndirect()
{
    pasAvant();
}

void RegistreIndirect::doPostIndirect()
{
    pasApres();
}

// --- A/D converter -----------------------------------------------------------

void RegistreADCON0::applique() { adc->configControl(); }
void RegistreADCON1::applique() { adc->configPortsPins(); }
void RegistreADCON2::applique() { adc->configClock(); }

// --- CCP modules -------------------------------------------------------------

void RegistreCCPxCON::applique()
{
    pwm->config();
    // PWM (11xx) and off (0000) are what the board models; CCP1's enhanced outputs
    // (P1M, bits 7 and 6) are not.
    const Byte mode = data & 0x0F;
    const bool enPwm = (mode & 0x0C) == 0x0C;
    if ((mode != 0 && !enPwm) || (enPwm && (data & 0xC0) && nom == "CCP1CON"))
        diag->signale(Diagnostic::Ccp, {nom, Diagnostics::hex(data, 2)});
}
void RegistreCCPRxL::applique() { pwm->dutyCycle(); }

void RegistreCCPRxH::write(Byte d)
{
    if (!pwm->isOn())
        data = d;
}

void RegistreCCPRxH::setBit(Byte num)
{
    if (!pwm->isOn())
        Registre::setBit(num);
}

void RegistreCCPRxH::clrBit(Byte num)
{
    if (!pwm->isOn())
        Registre::clrBit(num);
}

// --- Timer0 ------------------------------------------------------------------

void RegistreT0CON::applique() { timer0->config(); }

Byte RegistreTMR0L::read()
{
    return timer0->readTmr0();
}

void RegistreTMR0L::write(Byte d)
{
    timer0->setTmr0(d);
}

void RegistreTMR0L::setBit(Byte num)
{
    timer0->setTmr0(avecBit(static_cast<Byte>(timer0->getTmr0()), num, true));
}

void RegistreTMR0L::clrBit(Byte num)
{
    timer0->setTmr0(avecBit(static_cast<Byte>(timer0->getTmr0()), num, false));
}

// --- Timer2 ------------------------------------------------------------------

void RegistreT2CON::applique() { timer2->config(); }

void RegistrePR2::write(Byte d)
{
    timer2->actualiser();
    data = d;
    timer2->setPr2();
}

void RegistrePR2::setBit(Byte num)
{
    timer2->actualiser();
    Registre::setBit(num);
    timer2->setPr2();
}

void RegistrePR2::clrBit(Byte num)
{
    timer2->actualiser();
    Registre::clrBit(num);
    timer2->setPr2();
}

Byte RegistreTMR2::read()
{
    timer2->actualiser();
    return timer2->getTmr2();
}

void RegistreTMR2::write(Byte d)
{
    timer2->setTmr2(d);
}

void RegistreTMR2::setBit(Byte num)
{
    timer2->actualiser();
    timer2->setTmr2(avecBit(timer2->getTmr2(), num, true));
}

void RegistreTMR2::clrBit(Byte num)
{
    timer2->actualiser();
    timer2->setTmr2(avecBit(timer2->getTmr2(), num, false));
}

// --- What the board does not model ----------------------------------------------

RegistreNonModelise::RegistreNonModelise(const std::string& nom, Diagnostics* diag, Byte genre, bool lu,
                                         Byte masqueRepos, Byte valeurRepos)
    : RegistreEffet(nom), diag(diag), genre(genre), lu(lu), masqueRepos(masqueRepos), valeurRepos(valeurRepos)
{
}

void RegistreNonModelise::arme(bool actif)
{
    veilleLecture = lu && actif;
    lectureDirecte = !veilleLecture;
}

void RegistreNonModelise::noteEcriture()
{
    if (masqueRepos && (data & masqueRepos) == valeurRepos)
        return;
    diag->signale(static_cast<Diagnostic::Genre>(genre), {nom, Diagnostics::hex(data, 2)});
}

void RegistreNonModelise::noteLecture()
{
    const auto g = static_cast<Diagnostic::Genre>(genre);
    diag->signale(g, {nom, Diagnostics::hex(data, 2)});
    if (!diag->attendu(g))
        arme(false);
}

void RegistreCoeur::setSilicium(bool oui)
{
    silicium = oui;
    connecteLu = oui && adresse == DataMemory::PCL;
    lectureDirecte = !connecteLu;
}

void RegistreCoeur::lit()
{
    mem->litPCL();
}

void RegistreCoeur::ecrit(Byte avant)
{
    mem->ecritCoeur(adresse, avant);
}

void RegistreInterruptions::change()
{
    if (adresse == DataMemory::INTCON)
        logique->apresIntcon();
    else
        logique->examine();
}

void RegistreInterruptions::examine()
{
    const Byte intcon = mem->readDirect(DataMemory::INTCON);
    if (!(intcon & 0x80))
        return;   // GIE (GIEH) clear: nothing runs
    const bool ipen = mem->readDirect(DataMemory::RCON) & 0x80;
    static const char* const nomsIntcon[8] = {nullptr, nullptr, nullptr, "RBIE", "INT0IE", "TMR0IE", nullptr, nullptr};
    static const char* const nomsIntcon3[8] = {nullptr, nullptr, nullptr, "INT1IE", "INT2IE", nullptr, nullptr, nullptr};
    static const char* const nomsPie1[8] = {"TMR1IE", "TMR2IE", "CCP1IE", "SSPIE", "TXIE", "RCIE", "ADIE", "SPPIE"};
    static const char* const nomsPie2[8] = {"CCP2IE", "TMR3IE", "HLVDIE", "BCLIE", "EEIE", "USBIE", "CMIE", "OSCFIE"};
    std::string bits;
    auto ajoute = [&bits](Byte valeur, const char* const (&noms)[8]) {
        for (int b = 7; b >= 0; --b) {
            if (!((valeur >> b) & 1) || !noms[b])
                continue;
            bits += (bits.empty() ? "" : ", ");
            bits += noms[b];
        }
    };
    ajoute(intcon, nomsIntcon);
    ajoute(mem->readDirect(DataMemory::INTCON3), nomsIntcon3);
    // The peripherals' enables count with PEIE (GIEL), or with priorities.
    if ((intcon & 0x40) || ipen) {
        ajoute(mem->readDirect(DataMemory::PIE1), nomsPie1);
        ajoute(mem->readDirect(DataMemory::PIE2), nomsPie2);
    }
    if (!bits.empty())
        diag->signale(Diagnostic::Interruptions, {bits, ipen ? "0x0008/0x0018" : "0x0008"});
}

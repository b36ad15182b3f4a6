#include "modele.h"

// --- Board devices -----------------------------------------------------------------

LedCNX::LedCNX()
{
    valueSrc = 0.0;
    impedance = 175.0;
}

void LedCNX::modifie(double v)
{
    courant = v > vSeuil ? (v - vSeuil) / impedance : 0.0;
    emit setCourant(courant);
}

void ContactCNX::evalue()
{
    const bool ferme = (contactNO && contactActif) || (!contactNO && !contactActif);
    if (pullUp)
        ferme ? setSrc(0.0, 100.0) : setSrc(5.0, res);
    else
        ferme ? setSrc(5.0, 100.0) : setSrc(0.0, res);
}

void ContactFdcCNX::miseAJour()
{
    modele->miseAJourFdc();
}

// --- The model -----------------------------------------------------------------------

namespace {
struct PinRobot
{
    const char* nom;
    int port;
    int bit;
    bool utilise;
};
// The pins the robot's devices may use; RC1 and RC2 carry the motors.
const PinRobot pinsRobot[Modele::nbPinsRobot] = {
    {"RA1", Port::PORTA, 1, false}, {"RA2", Port::PORTA, 2, false}, {"RA3", Port::PORTA, 3, false},
    {"RA4", Port::PORTA, 4, false}, {"RA5", Port::PORTA, 5, false}, {"RB0", Port::PORTB, 0, false},
    {"RB1", Port::PORTB, 1, false}, {"RB2", Port::PORTB, 2, false}, {"RC0", Port::PORTC, 0, false},
    {"RC1", Port::PORTC, 1, true},  {"RC2", Port::PORTC, 2, true},  {"RE0", Port::PORTE, 0, false},
    {"RE1", Port::PORTE, 1, false}, {"RE2", Port::PORTE, 2, false},
};
}  // namespace

Modele::Modele(QObject* parent) : XMLOpenSaveData(parent), fdc(this)
{
    pic.getPortB()->connecte(3, &bp0);
    pic.getPortB()->connecte(4, &bp1);
    pic.getPortB()->connecte(5, &bp2);
    pic.getPortA()->connecte(0, &potAN0);
    pic.getPortA()->connecte(6, &ledA6);
    PortD* d = pic.getPortD();
    d->connecte(0, lcd.getE());
    d->connecte(1, lcd.getRS());
    d->connecte(2, lcd.getRW());
    d->connecte(4, lcd.getD4());
    d->connecte(5, lcd.getD5());
    d->connecte(6, lcd.getD6());
    d->connecte(7, lcd.getD7());

    for (int i = 0; i < nbPinsRobot; ++i) {
        const PinRobot& p = pinsRobot[i];
        pin[i] = new Pin(QString::fromLatin1(p.nom), p.port, p.bit, i, p.utilise);
    }

    // The jack is inserted, not yet wired.
    jack.active();
    jack.evalue();
}

Modele::~Modele()
{
    if (estEnregistre())
        supprimer();
    for (Pin*& p : pin) {
        delete p;
        p = nullptr;
    }
}

int Modele::clock()
{
    uint64_t compte = 0;
    while (compte < ticksParTranche)
        compte += static_cast<uint64_t>(pas());
    return static_cast<int>(compte);
}

void Modele::executer()
{
    ++echant;
    if (echant >= 50) {
        echant = 0;
        emit deplaceRombo(0.0, 0.0, 0.0);
    }
    supprimer();
    enregistrer(ticksParPas, pic.getListeEvts());
}

void Modele::powerOn()
{
    power = true;
    lcd.powerOn();
    pic.powerOnReset();
    echant = 0;
    if (estEnregistre())
        supprimer();
    enregistrer(ticksParPas, pic.getListeEvts());
    emit setPowerOn();
}

void Modele::powerOff()
{
    power = false;
    lcd.powerOff();
    pic.powerOff();
    emit setPowerOff();
}

void Modele::appuyeReset()
{
    if (!power)
        return;
    emit setPowerOff();
    pic.powerOnReset();
    lcd.reset();
}

void Modele::relacheReset()
{
    if (!power)
        return;
    pic.powerOnReset();
    lcd.reset();
    emit setPowerOn();
}

void Modele::setPotAN0Value(double value)
{
    const double t = value / 5.0;
    potAN0.setSrc(t * 5.0, t * (1.0 - t) * potAN0.getRes() + 100.0);
}

// --- Contacts ---------------------------------------------------------------------------

void Modele::metJack(bool b)
{
    b ? jack.active() : jack.desactive();
    jack.evalue();
}

void Modele::retireJack(bool b)
{
    b ? jack.desactive() : jack.active();
    jack.evalue();
}

void Modele::appuyeFdc(bool b)
{
    fdcForce = true;
    b ? fdc.active() : fdc.desactive();
    fdc.evalue();
}

void Modele::appuyeFdc()
{
    appuyeFdc(true);
}

void Modele::relacheFdc(bool b)
{
    fdcForce = false;
    b ? fdc.desactive() : fdc.active();
    fdc.evalue();
}

void Modele::relacheFdc()
{
    relacheFdc(true);
}

void Modele::miseAJourFdc()
{
    if (fdcForce)
        return;
}

// --- Wiring --------------------------------------------------------------------------------

int Modele::pinNameToIndex(const QString& name) const
{
    for (int i = 0; i < nbPins; ++i)
        if (pin[i]->getName() == name)
            return i;
    return -1;
}

void Modele::getUnusedPins(std::vector<QString>& names, std::vector<int>& indexes) const
{
    for (int i = 0; i < nbPins; ++i)
        if (!pin[i]->estUtilise()) {
            names.push_back(pin[i]->getName());
            indexes.push_back(i);
        }
}

QString Modele::getPinName(int index) const
{
    return (index >= 0 && index < nbPins) ? pin[index]->getName() : QString();
}

void Modele::detache(Connexion& c)
{
    if (Port* p = c.getPort())
        p->deconnecte(c.getPin());
}

bool Modele::contactConnecte(Connexion& contact, int& indexActuel, int index)
{
    if (index >= nbPins)
        return false;
    if (index < 0) {
        if (indexActuel >= 0) {
            detache(contact);
            pin[indexActuel]->utilise(false);
            indexActuel = -1;
        }
        return true;
    }
    if (pin[index]->estUtilise())
        return false;
    if (indexActuel >= 0) {
        detache(contact);
        pin[indexActuel]->utilise(false);
    }
    pic.getPort(pin[index]->getPort())->connecte(static_cast<Byte>(pin[index]->getNum()), &contact);
    pin[index]->utilise(true);
    indexActuel = index;
    return true;
}

bool Modele::jackConnecte(int index)
{
    return contactConnecte(jack, jackPin, index);
}

bool Modele::fdcConnecte(int index)
{
    return contactConnecte(fdc, fdcPin, index);
}

void Modele::initialise()
{
    jackDeconnecte();
    fdcDeconnecte();
}

#ifndef TAVREX_MODELE_H
#define TAVREX_MODELE_H

#include <vector>

#include <QObject>
#include <QString>

#include "evenement.h"
#include "lcdscreen.h"
#include "ports.h"
#include "processeur.h"
#include "xmlopensavedata.h"

class Modele;

// One of the 14 pins to which the robot's devices may be wired.
class Pin
{
public:
    Pin(const QString& name, int port, int num, int index, bool use = false)
        : name(name), port(port), num(num), index(index), use(use) {}
    bool estUtilise() const { return use; }
    void utilise(bool u) { use = u; }
    int getPort() const { return port; }
    int getNum() const { return num; }
    int getIndex() const { return index; }
    const QString& getName() const { return name; }

private:
    QString name;
    int port;
    int num;
    int index;
    bool use;
};

// A push button of the board: pressed, it pulls its line to 0 V; released, the
// board's pull-up holds it at 5 V.
class BoutonCNX : public Connexion
{
public:
    BoutonCNX() { relache(); }
    void appuye() { setSrc(0.0, 100.0); }
    void relache() { setSrc(5.0, 1000.0); }
    bool estAppuye() const { return valueSrc == 0.0; }
};

// The LED on RA6 behind its 175 ohm resistor: a source equal to its threshold while
// the pin is above it.
class LedCNX : public QObject, public Connexion
{
    Q_OBJECT

public:
    LedCNX();
    double getValue(double vpic) override { return vpic > vSeuil ? vSeuil : 0.0; }
    void modifie(double v) override;
    double getCourant() const { return courant; }

signals:
    void setCourant(double);

private:
    double courant = 0.0;
    double vSeuil = 1.5;
};

// The potentiometer on AN0: the wiper's voltage behind the resistance it sees.
class PotCNX : public Connexion
{
public:
    PotCNX() { setSrc(0.0, 100.0); }
    double getRes() const { return res; }

private:
    double res = 1000.0;
};

// A switch with one resistor, in pull-up or pull-down position, normally open or
// closed: the robot's start jack.
class ContactCNX : public Connexion
{
public:
    ContactCNX() = default;
    void setPullUp(bool b) { pullUp = b; evalue(); }
    bool getPullUp() const { return pullUp; }
    void setContactNO(bool b) { contactNO = b; evalue(); }
    bool getContactNO() const { return contactNO; }
    void setResistance(double r) { res = r; evalue(); }
    double getResistance() const { return res; }
    bool isActif() const { return contactActif; }
    void active() { contactActif = true; }
    void desactive() { contactActif = false; }
    void evalue();

protected:
    bool pullUp = true;
    bool contactNO = true;
    bool contactActif = false;
    double res = 1000.0;
};

// The end-of-travel switch: before the chip reads its pin it looks for an obstacle
// ahead of the robot.
class ContactFdcCNX : public ContactCNX
{
public:
    explicit ContactFdcCNX(Modele* m) : modele(m) {}
    void miseAJour() override;

private:
    Modele* modele;
};

// The board and the robot: the processor and every device around it. Runs the
// simulation in slices of 10 ms of chip time when asked; the robot moves once per
// simulated millisecond (the model's own event). It never calls a window: what it
// has to tell goes out as signals.
class Modele : public XMLOpenSaveData, public Evenement
{
    Q_OBJECT

public:
    static constexpr double xMin = -5000.0, xMax = 5000.0, yMin = -5000.0, yMax = 5000.0;
    static constexpr int nbPinsRobot = 14;
    static constexpr uint64_t ticksParTranche = 480000;   // 10 ms at 48 MHz
    static constexpr uint16_t ticksParPas = 48000;        // 1 ms: the motion step

    explicit Modele(QObject* parent = nullptr);
    ~Modele() override;
    Modele(const Modele&) = delete;
    Modele& operator=(const Modele&) = delete;

    // One instruction of the processor, then the LCD controller: the step of
    // clock(); returns the ticks it took.
    int pas()
    {
        const int ticks = pic.clock4();
        lcd.clock();
        return ticks;
    }

    void executer() override;

    P18f4550* getProcesseur() { return &pic; }
    LcdScreen* getLcd() { return &lcd; }
    LedCNX* getLedA6() { return &ledA6; }
    PotCNX* getPotAN0() { return &potAN0; }
    BoutonCNX* getBouton(int n) { return n == 0 ? &bp0 : n == 1 ? &bp1 : n == 2 ? &bp2 : nullptr; }
    ContactCNX* getJack() { return &jack; }
    ContactFdcCNX* getFdc() { return &fdc; }
    bool isPowered() const { return power; }
    bool isFdcForce() const { return fdcForce; }
    uint64_t time() const { return pic.time(); }

    // Wiring of the robot's movable devices to the 14 free pins.
    int pinNameToIndex(const QString& name) const;
    void getUnusedPins(std::vector<QString>& names, std::vector<int>& indexes) const;
    QString getPinName(int index) const;
    Pin* getPin(int index) const { return (index >= 0 && index < nbPins) ? pin[index] : nullptr; }
    int getJackPinIndex() const { return jackPin; }
    int getFdcPinIndex() const { return fdcPin; }
    bool jackConnecte(int index);
    bool jackConnecte(const QString& name) { return jackConnecte(pinNameToIndex(name)); }
    bool jackDeconnecte() { return jackConnecte(-1); }
    bool fdcConnecte(int index);
    bool fdcConnecte(const QString& name) { return fdcConnecte(pinNameToIndex(name)); }
    bool fdcDeconnecte() { return fdcConnecte(-1); }
    void miseAJourFdc();

signals:
    void setPowerOn();
    void setPowerOff();
    void fdcChange();
    void captCNYChange();
    void deplaceRombo(double x, double y, double theta);
    void cnxMotChange();

public slots:
    void appuyeBP0() { bp0.appuye(); }
    void relacheBP0() { bp0.relache(); }
    void appuyeBP1() { bp1.appuye(); }
    void relacheBP1() { bp1.relache(); }
    void appuyeBP2() { bp2.appuye(); }
    void relacheBP2() { bp2.relache(); }
    void setPotAN0Value(double value);
    void appuyeReset();
    void relacheReset();
    void powerOn();
    void powerOff();
    int clock();
    void metJack(bool b);
    void retireJack(bool b);
    void appuyeFdc(bool b);
    void appuyeFdc();
    void relacheFdc(bool b);
    void relacheFdc();

protected:
    void initialise() override;

private:
    // Wires a contact to pin `index` (-1: unwires it); `indexActuel` is its pin.
    bool contactConnecte(Connexion& contact, int& indexActuel, int index);
    void detache(Connexion& c);

    P18f4550 pic;
    BoutonCNX bp0, bp1, bp2;
    LedCNX ledA6;
    PotCNX potAN0;
    LcdScreen lcd;
    ContactCNX jack;
    ContactFdcCNX fdc;
    bool fdcForce = false;
    int jackPin = -1;
    int fdcPin = -1;
    bool power = false;
    int nbPins = nbPinsRobot;
    Pin* pin[nbPinsRobot] = {};
    uint16_t echant = 0;
};

#endif

#ifndef TAVREX_MODELE_H
#define TAVREX_MODELE_H

#include <vector>

#include <QObject>
#include <QString>

#include "actions.h"
#include "captircnx.h"
#include "evenement.h"
#include "lcdscreen.h"
#include "moteurcnx.h"
#include "piste.h"
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

    friend class EtatModele;   // a snapshot reads and restores the whole state

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
    friend class EtatModele;   // a snapshot reads and restores the whole state
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
    friend class EtatModele;   // a snapshot reads and restores the whole state
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

// What must be computed again once a value of the robot changed.
enum class Recalcul
{
    Rien,
    Moteurs,   // both motors' constants: a parameter of the robot
    Moteur,    // the motor's own constants
    Capteur,   // the sensor's output
    Optique,   // the sensor's optics, then its output
};

// One value of the robot file on one kind of object (a contact, a sensor, a motor, or
// the model itself for the bridges and the mechanics). The file's reader and writer
// and the robot window go through the same tables: a value is added in one place.
template <class Objet>
struct ChampRobot
{
    const char* balise;
    bool booleen;   // saved as 1 or 0; otherwise a real, saved with 6 significant digits
    double (*lire)(const Objet&);
    void (*ecrire)(Objet&, double);
    Recalcul apres;
};

// Told after every motion step of the robot (the runner's trajectory recorder).
class ObservateurPas
{
public:
    virtual ~ObservateurPas() = default;
    virtual void pasEffectue(const Modele& m) = 0;
};

// Told of every action done to the board from outside: the user's hands on its
// buttons, knob and switches, the robot placed, the files loaded (the recorder).
class ObservateurActions
{
public:
    virtual ~ObservateurActions() = default;
    virtual void actionRecue(const Action& action) = 0;
};

// The board and the robot: the processor and every device around it. Runs the
// simulation in slices of 10 ms of chip time when asked; the robot moves once per
// simulated millisecond (the model's own event). It never calls a window: what it
// has to tell goes out as signals.
class Modele : public XMLOpenSaveData, public Evenement
{
    Q_OBJECT

    friend class EtatModele;   // a snapshot reads and restores the whole state

public:
    static constexpr double xMin = -5000.0, xMax = 5000.0, yMin = -5000.0, yMax = 5000.0;
    static constexpr int nbPinsRobot = 14;
    static constexpr uint64_t ticksParTranche = 10 * ticksParMs;
    static constexpr uint16_t ticksParPas = ticksParMs;   // the motion step
    static constexpr int nbCaptIrMax = 12;
    static constexpr double avant = 120.0;   // mm from the wheel axis to the front point

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

    // Steps until the processor's time reaches `arret`, or, earlier, the boundary
    // before a breakpoint's instruction (P18f4550::marqueDevant()). While the LCD's E
    // line rests, the quiet instructions that cannot move it run back to back and
    // their LCD steps are counted at once.
    void executeJusqua(uint64_t arret)
    {
        // Without breakpoints, the loop tests nothing for them.
        if (pic.aDesMarques()) {
            executeJusquaMarque(arret);
            return;
        }
        while (pic.time() < arret) {
            if (!lcd.auRepos()) {
                pas();
                continue;
            }
            const uint32_t n = pic.executeCalmes(arret);
            lcd.compte(n - 1);
            lcd.clock();
        }
    }

    void executer() override;

    // Const accessors give read-only devices: a window that only shows the model can
    // hold it const.
    P18f4550* getProcesseur() { return &pic; }
    const P18f4550* getProcesseur() const { return &pic; }
    LcdScreen* getLcd() { return &lcd; }
    const LcdScreen* getLcd() const { return &lcd; }
    LedCNX* getLedA6() { return &ledA6; }
    const LedCNX* getLedA6() const { return &ledA6; }
    PotCNX* getPotAN0() { return &potAN0; }
    const PotCNX* getPotAN0() const { return &potAN0; }
    BoutonCNX* getBouton(int n) { return n == 0 ? &bp0 : n == 1 ? &bp1 : n == 2 ? &bp2 : nullptr; }
    const BoutonCNX* getBouton(int n) const { return const_cast<Modele*>(this)->getBouton(n); }
    ContactCNX* getJack() { return &jack; }
    const ContactCNX* getJack() const { return &jack; }
    ContactFdcCNX* getFdc() { return &fdc; }
    const ContactFdcCNX* getFdc() const { return &fdc; }
    bool isPowered() const { return power; }
    // The silicon mode asked for, which the chip takes at once when it is not running
    // (off, held in reset, or not yet past its reset), otherwise at the next power-on or
    // reset.
    void demandeSilicium(bool oui);
    bool siliciumDemande() const { return silicium; }
    // The reset button held while the board is on: the chip waits, held in reset.
    bool isResetTenu() const { return resetTenu; }
    bool isFdcForce() const { return fdcForce; }
    uint64_t time() const { return pic.time(); }

    // Wiring of the robot's movable devices to the 14 free pins.
    int pinNameToIndex(const QString& name) const;
    void getUnusedPins(std::vector<QString>& names, std::vector<int>& indexes) const;
    QString getPinName(int index) const;
    Pin* getPin(int index) { return (index >= 0 && index < nbPins) ? pin[index] : nullptr; }
    const Pin* getPin(int index) const { return const_cast<Modele*>(this)->getPin(index); }
    int getJackPinIndex() const { return jackPin; }
    int getFdcPinIndex() const { return fdcPin; }
    bool jackConnecte(int index);
    bool jackConnecte(const QString& name) { return jackConnecte(pinNameToIndex(name)); }
    bool jackDeconnecte() { return jackConnecte(-1); }
    bool fdcConnecte(int index);
    bool fdcConnecte(const QString& name) { return fdcConnecte(pinNameToIndex(name)); }
    bool fdcDeconnecte() { return fdcConnecte(-1); }
    void miseAJourFdc();

    // The robot: motors, motion, sensors, track.
    MoteurCNX* getMoteurG() { return moteurG; }
    const MoteurCNX* getMoteurG() const { return moteurG; }
    MoteurCNX* getMoteurD() { return moteurD; }
    const MoteurCNX* getMoteurD() const { return moteurD; }
    void setPwm1aGauche(bool gauche);
    bool isPwm1aGauche() const { return pwm1aGauche; }
    void deplacement();
    Piste* getPiste() { return &piste; }
    const Piste* getPiste() const { return &piste; }
    double getX() const { return x; }
    double getY() const { return y; }
    double getTheta() const { return theta; }
    double getCosTheta() const { return ct; }
    double getSinTheta() const { return st; }

    int nbCaptIr() const { return static_cast<int>(tabCaptIR.size()); }
    CaptIrCNX* getCaptIr(int n) { return (n >= 0 && n < nbCaptIr()) ? tabCaptIR[n] : nullptr; }
    const CaptIrCNX* getCaptIr(int n) const { return const_cast<Modele*>(this)->getCaptIr(n); }
    bool captIrAjoutPossible() const { return nbCaptIr() < nbCaptIrMax; }
    void addCaptIr(int num);
    void deleteCaptIr(int num);
    bool captIrConnecte(int num, int index);
    bool captIrConnecte(int num, const QString& pinName) { return captIrConnecte(num, pinNameToIndex(pinName)); }
    void captIrDeconnecte(int num);

    double getVoie() const { return voie; }
    void setVoie(double v) { voie = v; }
    double getVbat() const { return vbat; }
    void setVbat(double v) { vbat = v; }
    double getMasse() const { return masse; }
    void setMasse(double v) { masse = v; }
    double getKroul() const { return kroul; }
    void setKroul(double v) { kroul = v; }
    double getReduc() const { return reduc; }
    void setReduc(double v) { reduc = v; }
    double getRayon() const { return rayon; }
    void setRayon(double v) { rayon = v; }
    double getRendement() const { return rendement; }
    void setRendement(double v) { rendement = v; }
    double getVf() const { return vf; }
    void setVf(double v) { vf = v; }
    double getRdson() const { return rdson; }
    void setRdson(double v) { rdson = v; }
    // Both motors again, after one of the robot's parameters changed.
    void preCalculMoteurs();
    // Nothing is observed unless an observer is set: one test per motion step.
    void setObservateurPas(ObservateurPas* o) { observateurPas = o; }
    // Every action from outside is told to `o` as it is done (a file once it was
    // read); none while null.
    void setObservateurActions(ObservateurActions* o) { observateurActions = o; }
    // Tells the observer of an action done around the model's slots (a program loaded).
    void signale(const Action& action)
    {
        if (observateurActions)
            observateurActions->actionRecue(action);
    }
    // A robot or track file read as openData() reads it, told to the observer when it
    // was read.
    bool chargeRobot(const QString& fichier);
    bool chargePiste(const QString& fichier);

    // The values of the robot file, in the file's order. A contact and a sensor end
    // with the pin they are wired to, under the tag `baliseConnexion`.
    template <class Objet>
    using Champs = std::vector<ChampRobot<Objet>>;
    static const Champs<ContactCNX>& champsContact();   // "jack" and "fdc"
    static const Champs<Modele>& champsHacheurs();      // "hacheurs"
    static const Champs<CaptIrCNX>& champsCapteur();    // each "capteur"
    static const Champs<Modele>& champsParams();        // "params"
    static const Champs<MoteurCNX>& champsMoteur();     // "moteur_g" and "moteur_d"
    static const char* const baliseConnexion;
    // The value of `table` saved under `balise`; null when there is none.
    template <class Objet>
    static const ChampRobot<Objet>* champ(const Champs<Objet>& table, const QString& balise)
    {
        for (const ChampRobot<Objet>& c : table)
            if (balise == QLatin1String(c.balise))
                return &c;
        return nullptr;
    }
    // Writes one value and computes again what depends on it; told to the observer of
    // actions, as every edit of the robot and the track below.
    template <class Objet>
    void regle(const ChampRobot<Objet>& champ, Objet& objet, double valeur)
    {
        champ.ecrire(objet, valeur);
        recalcule(champ.apres, objet);
        if (observateurActions)
            signaleValeur(lieu(objet, champ.balise), champ.balise, valeur);
    }
    // The white-line test: sensor n held over the tape or the carpet until the robot
    // looks at the track again.
    void testeCapteur(int n, bool surLigne);
    // The track's edits, as its editor makes them (Piste's slots).
    void insereElement(unsigned int n, int type);
    void supprimeElement(unsigned int n);
    void remplaceElement(unsigned int n, int type);
    void modifieElement(unsigned int n, int arg, double valeur);
    // An edit of the robot or the track done again (Action::estEdition()).
    void edite(const Action& a);
    // A pin of the robot's devices by its name ("RB0"), -1 for none; the wiring's
    // word for no pin in a robot file.
    static int indexBroche(const QString& nom);
    static const char* const aucuneBroche;

    // The robot file. Returns whether the file was written; the previous file stays
    // intact when writing fails.
    bool saveRomboData(const QString& fichier);
    void decode(const QString& obj, const QString& num, const QString& attr, const QString& val) override;
    void initialise() override;

signals:
    void setPowerOn();
    void setPowerOff();
    // The chip's diagnostics: one said (at the instant it happens, or at a load), and
    // the list cleared by a new program.
    void diagnostic(const Diagnostic& d);
    void diagnosticsEffaces();
    // The silicon mode asked for, or the chip's, changed.
    void modeSilicium();
    void fdcChange();
    void captCNYChange();
    void deplaceRombo(double x, double y, double theta);
    void cnxMotChange();

public slots:
    // Push button n (0 to 2 for BP1 to BP3) pressed or released.
    void actionneBouton(int n, bool appuye);
    void appuyeBP0() { actionneBouton(0, true); }
    void relacheBP0() { actionneBouton(0, false); }
    void appuyeBP1() { actionneBouton(1, true); }
    void relacheBP1() { actionneBouton(1, false); }
    void appuyeBP2() { actionneBouton(2, true); }
    void relacheBP2() { actionneBouton(2, false); }
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
    void romboSurPiste(qreal xm, qreal ym, qreal thetaDeg);

private:
    // The robot file's container of an edited object: its tag and, for a sensor, its
    // number (-1 otherwise).
    struct Lieu
    {
        const char* objet;
        int numero;
    };
    Lieu lieu(const ContactCNX& c, const char*) const;
    Lieu lieu(const CaptIrCNX& c, const char*) const;
    Lieu lieu(const MoteurCNX& m, const char*) const;
    Lieu lieu(const Modele&, const char* balise) const;
    void signaleValeur(Lieu l, const char* balise, double valeur, const QString& broche = QString());
    void signaleEdition(Action::Type type, int numero, const char* objet = "");
    // A contact or a sensor wired by the window or an edit done again: told to the
    // observer when it was.
    void signaleBranchement(Lieu l, int index);
    void executeJusquaMarque(uint64_t arret);
    // The chip reset from here: the mode asked for taken first.
    void resetPuce();
    // Wires a contact to pin `index` (-1: unwires it); `indexActuel` is its pin.
    bool contactConnecte(Connexion& contact, int& indexActuel, int index);
    void detache(Connexion& c);
    // The pin index of a connection, from its port and bit; -1 when unwired.
    int indexPinDe(const Connexion& c) const;
    // Whether the obstacle test at the front point changed the switch.
    void testeObstacle();
    void recalcule(Recalcul r, Modele&);
    void recalcule(Recalcul, ContactCNX&) {}   // a contact evaluates itself
    void recalcule(Recalcul r, CaptIrCNX& c);
    void recalcule(Recalcul r, MoteurCNX& m);

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
    MoteurCNX* moteurG = nullptr;
    MoteurCNX* moteurD = nullptr;
    bool pwm1aGauche = true;
    std::vector<CaptIrCNX*> tabCaptIR;
    bool power = false;
    bool silicium = false;        // the mode asked for
    uint64_t instantReset = 0;    // the chip's time at its last reset from here
    bool resetTenu = false;
    int nbPins = nbPinsRobot;
    Pin* pin[nbPinsRobot] = {};
    Piste piste;
    double x = 0.0, y = 0.0;
    double theta = 0.0;
    double ct = 1.0, st = 0.0;
    double voie = 230.0;
    uint64_t temps = 0;
    uint16_t echant = 0;
    double vbat = 12.0, masse = 2.0, kroul = 0.07, reduc = 5.0, rayon = 25.0, rendement = 0.9, rdson = 0.54,
           vf = 1.0;
    ObservateurPas* observateurPas = nullptr;
    ObservateurActions* observateurActions = nullptr;
};

#endif

#include "modele.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <QFile>

#include "actions.h"

// --- Board devices -----------------------------------------------------------------

LedCNX::LedCNX()
{
    valueSrc = 0.0;
    impedance = 175.0;
}

void LedCNX::modifie(double v)
{
    // Told only of a change: the pin is evaluated far more often than the LED changes.
    const double c = v > vSeuil ? (v - vSeuil) / impedance : 0.0;
    if (c == courant)
        return;
    courant = c;
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

Action action(Action::Type type)
{
    Action a;
    a.type = type;
    return a;
}

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

    moteurG = new MoteurCNX(*this, QStringLiteral("PWM moteur gauche"));
    moteurD = new MoteurCNX(*this, QStringLiteral("PWM moteur droit"));
    setPwm1aGauche(true);

    lcd.setDiagnostics(&pic.diagnostics());
    pic.diagnostics().setRecepteur([this](const Diagnostic& diag) { emit diagnostic(diag); });
    pic.diagnostics().setSurEffacement([this] { emit diagnosticsEffaces(); });

    // The jack is inserted, not yet wired.
    jack.active();
    jack.evalue();
    tabCaptIR.reserve(nbCaptIrMax);
}

Modele::~Modele()
{
    if (estEnregistre())
        supprimer();
    for (Pin*& p : pin) {
        delete p;
        p = nullptr;
    }
    for (CaptIrCNX* c : tabCaptIR)
        delete c;
    tabCaptIR.clear();
    delete moteurG;
    delete moteurD;
}

void Modele::executeJusquaMarque(uint64_t arret)
{
    while (pic.time() < arret) {
        if (!lcd.auRepos()) {
            if (pic.marqueEnAttente())
                return;
            pas();
            continue;
        }
        // None ran: the stand-in is next.
        const uint32_t n = pic.executeCalmes(arret);
        if (n == 0)
            return;
        lcd.compte(n - 1);
        lcd.clock();
    }
}

int Modele::clock()
{
    const uint64_t debut = pic.time();
    executeJusqua(debut + ticksParTranche);
    return static_cast<int>(pic.time() - debut);
}

void Modele::executer()
{
    // The stack's diagnostics noted in the millisecond past.
    pic.diagnosticsDePile(pic.time());
    ++echant;
    deplacement();
    if (echant >= 50) {
        echant = 0;
        emit deplaceRombo(x, y, theta);
    }
    if (observateurPas)
        observateurPas->pasEffectue(*this);
    supprimer();
    enregistrer(ticksParPas, pic.getListeEvts());
}

void Modele::powerOn()
{
    signale(action(Action::PowerOn));
    power = true;
    resetTenu = false;   // the chip runs
    // A new run: what the program relies on may be said again.
    pic.nouvelleExecution();
    lcd.powerOn();
    resetPuce();
    moteurG->reset();
    moteurD->reset();
    echant = 0;
    if (estEnregistre())
        supprimer();
    enregistrer(ticksParPas, pic.getListeEvts());
    emit setPowerOn();
}

void Modele::powerOff()
{
    signale(action(Action::PowerOff));
    power = false;
    resetTenu = false;
    lcd.powerOff();
    pic.powerOff();
    moteurG->reset();
    moteurD->reset();
    emit setPowerOff();
}

void Modele::appuyeReset()
{
    signale(action(Action::ResetAppuye));
    if (!power)
        return;
    resetTenu = true;
    emit setPowerOff();
    resetPuce();
    lcd.reset();
}

void Modele::relacheReset()
{
    signale(action(Action::ResetRelache));
    resetTenu = false;
    if (!power)
        return;
    resetPuce();
    lcd.reset();
    emit setPowerOn();
}

void Modele::resetPuce()
{
    if (silicium != pic.estSilicium()) {
        pic.setSilicium(silicium);
        emit modeSilicium();
    }
    pic.powerOnReset();
    instantReset = pic.time();
}

void Modele::demandeSilicium(bool oui)
{
    Action a = action(Action::Silicium);
    a.valeur = oui ? 1.0 : 0.0;
    signale(a);
    silicium = oui;
    // A chip that has not run since its reset takes it now, as if asked before.
    if (silicium != pic.estSilicium() && (!power || pic.time() == instantReset)) {
        pic.setSilicium(silicium);
        if (power)
            pic.powerOnReset();
    }
    emit modeSilicium();
}

void Modele::actionneBouton(int n, bool appuye)
{
    BoutonCNX* b = getBouton(n);
    if (!b)
        return;
    Action a = action(appuye ? Action::Appuie : Action::Relache);
    a.bouton = n;
    signale(a);
    appuye ? b->appuye() : b->relache();
}

void Modele::setPotAN0Value(double value)
{
    Action a = action(Action::Pot);
    a.valeur = value;
    signale(a);
    const double t = value / 5.0;
    potAN0.setSrc(t * 5.0, t * (1.0 - t) * potAN0.getRes() + 100.0);
}

// --- Contacts ---------------------------------------------------------------------------

void Modele::metJack(bool b)
{
    signale(action(b ? Action::JackIn : Action::JackOut));
    b ? jack.active() : jack.desactive();
    jack.evalue();
}

void Modele::retireJack(bool b)
{
    signale(action(b ? Action::JackOut : Action::JackIn));
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
    signale(action(Action::FdcAppuye));
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
    signale(action(Action::FdcRelache));
    relacheFdc(true);
}

void Modele::miseAJourFdc()
{
    deplacement();
    if (fdcForce)
        return;
    testeObstacle();
}

void Modele::testeObstacle()
{
    const bool contre = piste.getObstacleCollision(x + avant * ct, y + avant * st);
    if (contre == fdc.isActif())
        return;
    contre ? fdc.active() : fdc.desactive();
    fdc.evalue();
    emit fdcChange();
}

// --- Motion ------------------------------------------------------------------------------

void Modele::setPwm1aGauche(bool gauche)
{
    pwm1aGauche = gauche;
    const QString rc2 = QStringLiteral("Pin RC2 (PWM1)");
    const QString rc1 = QStringLiteral("Pin RC1 (PWM2)");
    MoteurCNX* surRC2 = gauche ? moteurG : moteurD;
    MoteurCNX* surRC1 = gauche ? moteurD : moteurG;
    surRC2->setCnxName(rc2);
    surRC1->setCnxName(rc1);
    pic.getPortC()->connecte(2, surRC2);
    pic.getPortC()->connecte(1, surRC1);
    emit cnxMotChange();
}

void Modele::preCalculMoteurs()
{
    moteurG->preCalcul();
    moteurD->preCalcul();
}

void Modele::deplacement()
{
    const uint64_t maintenant = pic.time();
    if (maintenant == temps)
        return;
    const double dt = enSecondes(static_cast<double>(maintenant - temps));
    temps = maintenant;
    // A track width of zero (or not a number) leaves the turning rate undefined: the
    // robot does not move.
    if (!(voie != 0.0) || !std::isfinite(voie))
        return;
    const double vd = moteurD->getVitesse();
    const double vg = moteurG->getVitesse();
    const double d = (vd + vg) * 0.5 * dt;
    x += d * ct;
    y += d * st;
    x = std::min(std::max(x, xMin), xMax);
    y = std::min(std::max(y, yMin), yMax);
    theta += dt * (vd - vg) / voie;
    ct = std::cos(theta);
    st = std::sin(theta);
}

void Modele::romboSurPiste(qreal xm, qreal ym, qreal thetaDeg)
{
    // A pose that is not a number is refused: the robot stays where it is.
    if (!std::isfinite(xm) || !std::isfinite(ym) || !std::isfinite(thetaDeg))
        return;
    Action a = action(Action::Pose);
    a.x = xm;
    a.y = ym;
    a.cap = thetaDeg;
    signale(a);
    x = std::min(std::max(static_cast<double>(xm), xMin), xMax);
    y = std::min(std::max(static_cast<double>(ym), yMin), yMax);
    theta = thetaDeg * degEnRad;
    ct = std::cos(theta);
    st = std::sin(theta);
    testeObstacle();
    for (CaptIrCNX* c : tabCaptIR) {
        c->unforce();
        c->place(x, y, ct, st);
        c->evalue(&piste);
    }
    if (!tabCaptIR.empty())
        emit captCNYChange();
}

// --- Infrared sensors ------------------------------------------------------------------------

void Modele::addCaptIr(int num)
{
    if (!captIrAjoutPossible())
        return;
    signaleEdition(Action::CapteurAjoute, num);
    CaptIrCNX* c = new CaptIrCNX(this);
    c->preCalcul();
    c->evalue(nullptr);
    const int avantAjout = nbCaptIr();
    tabCaptIR.push_back(c);
    num = std::min(num, avantAjout - 1);
    if (num < 0)
        c->initData();
    else
        c->copieReglages(*tabCaptIR[num]);
    c->preCalcul();
    c->evalue(nullptr);
    c->forceSurMoquette();
    c->preCalcul();
    c->evalue(nullptr);
}

int Modele::indexPinDe(const Connexion& c) const
{
    if (!c.getPort())
        return -1;
    return pinNameToIndex(Port::pinName(c.getPort()->getNumero(), c.getPin()));
}

void Modele::deleteCaptIr(int num)
{
    if (num < 0 || num >= nbCaptIr())
        return;
    signaleEdition(Action::CapteurRetire, num);
    CaptIrCNX* c = tabCaptIR[num];
    const int index = indexPinDe(*c);
    if (index >= 0)
        pin[index]->utilise(false);
    delete c;   // detaches itself from its port
    tabCaptIR.erase(tabCaptIR.begin() + num);
}

void Modele::captIrDeconnecte(int num)
{
    CaptIrCNX* c = getCaptIr(num);
    if (!c)
        return;
    const int index = indexPinDe(*c);
    if (index < 0)
        return;
    detache(*c);
    pin[index]->utilise(false);
}

bool Modele::captIrConnecte(int num, int index)
{
    CaptIrCNX* c = getCaptIr(num);
    if (!c || index >= nbPins || (index >= 0 && pin[index]->estUtilise()))
        return false;
    signaleBranchement({"capteur", num}, index);
    captIrDeconnecte(num);
    if (index >= 0) {
        pic.getPort(pin[index]->getPort())->connecte(static_cast<Byte>(pin[index]->getNum()), c);
        pin[index]->utilise(true);
    }
    return true;
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
    const bool fait = contactConnecte(jack, jackPin, index);
    if (fait)
        signaleBranchement({"jack", -1}, index);
    return fait;
}

bool Modele::fdcConnecte(int index)
{
    const bool fait = contactConnecte(fdc, fdcPin, index);
    if (fait)
        signaleBranchement({"fdc", -1}, index);
    return fait;
}

int Modele::indexBroche(const QString& nom)
{
    for (int i = 0; i < nbPinsRobot; ++i)
        if (nom == QLatin1String(pinsRobot[i].nom))
            return i;
    return -1;
}

const char* const Modele::aucuneBroche = "NULL";

bool Modele::chargeRobot(const QString& fichier)
{
    // Read whole: not a string of edits.
    ObservateurActions* observateur = std::exchange(observateurActions, nullptr);
    const bool lu = openData(fichier);
    observateurActions = observateur;
    if (!lu)
        return false;
    Action a = action(Action::Robot);
    a.fichier = QFile::encodeName(fichier).toStdString();
    signale(a);
    return true;
}

bool Modele::chargePiste(const QString& fichier)
{
    if (!piste.openData(fichier))
        return false;
    Action a = action(Action::Piste);
    a.fichier = QFile::encodeName(fichier).toStdString();
    signale(a);
    return true;
}

void Modele::initialise()
{
    jackDeconnecte();
    fdcDeconnecte();
    while (!tabCaptIR.empty())
        deleteCaptIr(0);
}

// --- Robot file ------------------------------------------------------------------------------

namespace {

template <class O, double (O::*lit)() const, void (O::*ecrit)(double)>
ChampRobot<O> reel(const char* balise, Recalcul apres)
{
    return {balise, false, [](const O& o) { return (o.*lit)(); }, [](O& o, double v) { (o.*ecrit)(v); }, apres};
}

template <class O, bool (O::*lit)() const, void (O::*ecrit)(bool)>
ChampRobot<O> booleen(const char* balise, Recalcul apres)
{
    return {balise, true, [](const O& o) { return (o.*lit)() ? 1.0 : 0.0; },
            [](O& o, double v) { (o.*ecrit)(v != 0.0); }, apres};
}

template <class O>
void ecrireChamps(QDomDocument& doc, QDomElement& e, const Modele::Champs<O>& table, const O& objet)
{
    for (const ChampRobot<O>& c : table) {
        const QString balise = QString::fromLatin1(c.balise);
        if (c.booleen)
            XMLOpenSaveData::creation(doc, e, balise, c.lire(objet) != 0.0);
        else
            XMLOpenSaveData::creation(doc, e, balise, c.lire(objet), 'g', 6);
    }
}

QString nomPin(const Connexion& c)
{
    return c.getPort() ? Port::pinName(c.getPort()->getNumero(), c.getPin()) : QStringLiteral("NULL");
}

}  // namespace

const char* const Modele::baliseConnexion = "connexion";

const Modele::Champs<ContactCNX>& Modele::champsContact()
{
    using C = ContactCNX;
    static const Champs<C> table = {
        booleen<C, &C::getPullUp, &C::setPullUp>("pullup", Recalcul::Rien),
        booleen<C, &C::getContactNO, &C::setContactNO>("contactno", Recalcul::Rien),
        reel<C, &C::getResistance, &C::setResistance>("resistance", Recalcul::Rien),
    };
    return table;
}

const Modele::Champs<Modele>& Modele::champsHacheurs()
{
    using M = Modele;
    // The assignment is carried out as it is read: the motors' wiring never disagrees
    // with the flag, whoever reads the file.
    static const Champs<M> table = {
        booleen<M, &M::isPwm1aGauche, &M::setPwm1aGauche>("pwm1agauche", Recalcul::Rien),
        reel<M, &M::getVf, &M::setVf>("vf", Recalcul::Moteurs),
        reel<M, &M::getRdson, &M::setRdson>("rdson", Recalcul::Moteurs),
    };
    return table;
}

const Modele::Champs<CaptIrCNX>& Modele::champsCapteur()
{
    using C = CaptIrCNX;
    static const Champs<C> table = {
        booleen<C, &C::getPullUp, &C::setPullUp>("pullup", Recalcul::Capteur),
        booleen<C, &C::getNoComp, &C::setNoComp>("nocomp", Recalcul::Capteur),
        booleen<C, &C::getSup, &C::setSup>("sup", Recalcul::Capteur),
        reel<C, &C::getRd, &C::setRd>("rd", Recalcul::Optique),
        reel<C, &C::getRt, &C::setRt>("rt", Recalcul::Capteur),
        reel<C, &C::getVseuil, &C::setVseuil>("vseuil", Recalcul::Capteur),
        reel<C, &C::getRc, &C::setRc>("rc", Recalcul::Capteur),
        reel<C, &C::getX, &C::setX>("x", Recalcul::Capteur),
        reel<C, &C::getY, &C::setY>("y", Recalcul::Capteur),
        reel<C, &C::getH, &C::setH>("h", Recalcul::Optique),
    };
    return table;
}

const Modele::Champs<Modele>& Modele::champsParams()
{
    using M = Modele;
    static const Champs<M> table = {
        reel<M, &M::getMasse, &M::setMasse>("masse", Recalcul::Moteurs),
        reel<M, &M::getVbat, &M::setVbat>("vbat", Recalcul::Moteurs),
        reel<M, &M::getReduc, &M::setReduc>("reduction", Recalcul::Moteurs),
        reel<M, &M::getKroul, &M::setKroul>("roulement", Recalcul::Moteurs),
        reel<M, &M::getRayon, &M::setRayon>("rayon", Recalcul::Moteurs),
        reel<M, &M::getRendement, &M::setRendement>("rendement", Recalcul::Moteurs),
        reel<M, &M::getVoie, &M::setVoie>("voie", Recalcul::Rien),
        // The floor's reflections are shared by every sensor.
        {"scotch", false, [](const M&) { return CaptIrCNX::getRefScotch(); },
         [](M&, double v) { CaptIrCNX::setRefScotch(v); }, Recalcul::Rien},
        {"moquette", false, [](const M&) { return CaptIrCNX::getRefMoquette(); },
         [](M&, double v) { CaptIrCNX::setRefMoquette(v); }, Recalcul::Rien},
    };
    return table;
}

const Modele::Champs<MoteurCNX>& Modele::champsMoteur()
{
    using Mo = MoteurCNX;
    static const Champs<Mo> table = {
        reel<Mo, &Mo::getRes, &Mo::setRes>("res", Recalcul::Moteur),
        reel<Mo, &Mo::getInduc, &Mo::setInduc>("induc", Recalcul::Moteur),
        reel<Mo, &Mo::getKphi, &Mo::setKphi>("kphi", Recalcul::Moteur),
        reel<Mo, &Mo::getInertie, &Mo::setInertie>("inertie", Recalcul::Moteur),
        reel<Mo, &Mo::getI0, &Mo::setI0>("i0", Recalcul::Moteur),
    };
    return table;
}

void Modele::recalcule(Recalcul r, Modele&)
{
    if (r == Recalcul::Moteurs)
        preCalculMoteurs();
}

void Modele::recalcule(Recalcul r, CaptIrCNX& c)
{
    if (r == Recalcul::Optique)
        c.preCalcul();
    if (r == Recalcul::Optique || r == Recalcul::Capteur)
        c.evalue(nullptr);
}

void Modele::recalcule(Recalcul r, MoteurCNX& m)
{
    if (r == Recalcul::Moteur)
        m.preCalcul();
}

bool Modele::saveRomboData(const QString& fichier)
{
    QDomDocument doc;
    QDomElement racine = nouveauDocument(doc, QStringLiteral("rombo"), QStringLiteral("-//KQ//DTD Rombo 1.0 //EN"),
                                         QStringLiteral("http://tavrex.invalid/dtd/rombo.dtd"), fichier);
    const QString connexion = QString::fromLatin1(baliseConnexion);
    for (const ContactCNX* c : {static_cast<const ContactCNX*>(&jack), static_cast<const ContactCNX*>(&fdc)}) {
        QDomElement e = creation(doc, racine, c == &jack ? QStringLiteral("jack") : QStringLiteral("fdc"));
        ecrireChamps(doc, e, champsContact(), *c);
        creation(doc, e, connexion, nomPin(*c));
    }
    QDomElement hacheurs = creation(doc, racine, QStringLiteral("hacheurs"));
    ecrireChamps(doc, hacheurs, champsHacheurs(), *this);
    for (int i = 0; i < nbCaptIr(); ++i) {
        QDomElement e = creationAttrNumero(doc, racine, QStringLiteral("capteur"), i);
        ecrireChamps(doc, e, champsCapteur(), *tabCaptIR[i]);
        creation(doc, e, connexion, nomPin(*tabCaptIR[i]));
    }
    QDomElement params = creation(doc, racine, QStringLiteral("params"));
    ecrireChamps(doc, params, champsParams(), *this);
    for (const MoteurCNX* m : {moteurG, moteurD}) {
        QDomElement e = creation(doc, racine, m == moteurG ? QStringLiteral("moteur_g") : QStringLiteral("moteur_d"));
        ecrireChamps(doc, e, champsMoteur(), *m);
    }
    return ecrireAtomique(fichier, doc.toString(1));
}

void Modele::decode(const QString& obj, const QString& num, const QString& attr, const QString& val)
{
    // Integers in base 10 and booleans (true when not 0) read text that does not
    // parse as 0. A real that is not a finite number (text that does not parse, "nan",
    // "inf") changes nothing: no value from a file may make the model's state infinite.
    const bool booleenLu = val.trimmed().toInt() != 0;
    bool lu = false;
    const double reelLu = val.trimmed().toDouble(&lu);
    const bool reelValide = lu && std::isfinite(reelLu);
    // Whether `attr` is a value of the table; the value is set when it reads.
    auto lit = [&](const auto& table, auto& objet) {
        const auto* c = champ(table, attr);
        if (!c)
            return false;
        if (c->booleen)
            regle(*c, objet, booleenLu ? 1.0 : 0.0);
        else if (reelValide)
            regle(*c, objet, reelLu);
        return true;
    };
    const bool connexion = attr == QLatin1String(baliseConnexion);

    if (obj == QLatin1String("jack") || obj == QLatin1String("fdc")) {
        const bool estJack = obj == QLatin1String("jack");
        if (!lit(champsContact(), estJack ? static_cast<ContactCNX&>(jack) : fdc) && connexion)
            estJack ? jackConnecte(val.trimmed()) : fdcConnecte(val.trimmed());
    } else if (obj == QLatin1String("hacheurs")) {
        lit(champsHacheurs(), *this);
    } else if (obj == QLatin1String("capteur")) {
        const int n = num.trimmed().toInt();
        if (n < 0 || n >= nbCaptIrMax)
            return;
        while (nbCaptIr() <= n)
            addCaptIr(-1);
        if (!lit(champsCapteur(), *tabCaptIR[n]) && connexion)
            captIrConnecte(n, val.trimmed());
    } else if (obj == QLatin1String("params")) {
        lit(champsParams(), *this);
    } else if (obj == QLatin1String("moteur_g") || obj == QLatin1String("moteur_d")) {
        lit(champsMoteur(), obj == QLatin1String("moteur_g") ? *moteurG : *moteurD);
    }
}

// --- Edits of the robot and the track ------------------------------------------------------

Modele::Lieu Modele::lieu(const ContactCNX& c, const char*) const
{
    return {&c == &jack ? "jack" : "fdc", -1};
}

Modele::Lieu Modele::lieu(const CaptIrCNX& c, const char*) const
{
    const auto it = std::find(tabCaptIR.begin(), tabCaptIR.end(), &c);
    return {"capteur", static_cast<int>(it - tabCaptIR.begin())};
}

Modele::Lieu Modele::lieu(const MoteurCNX& m, const char*) const
{
    return {&m == moteurG ? "moteur_g" : "moteur_d", -1};
}

Modele::Lieu Modele::lieu(const Modele&, const char* balise) const
{
    return {champ(champsHacheurs(), QString::fromLatin1(balise)) ? "hacheurs" : "params", -1};
}

void Modele::signaleValeur(Lieu l, const char* balise, double valeur, const QString& broche)
{
    if (!observateurActions)
        return;
    Action a = action(Action::RobotValeur);
    a.objet = l.objet;
    a.numero = l.numero;
    a.balise = balise;
    a.valeur = valeur;
    a.broche = broche.toStdString();
    signale(a);
}

void Modele::signaleEdition(Action::Type type, int numero, const char* objet)
{
    if (!observateurActions)
        return;
    Action a = action(type);
    a.numero = numero;
    a.objet = objet ? objet : "";
    signale(a);
}

void Modele::signaleBranchement(Lieu l, int index)
{
    signaleValeur(l, baliseConnexion, 0.0, index < 0 ? QString::fromLatin1(aucuneBroche) : getPinName(index));
}

void Modele::testeCapteur(int n, bool surLigne)
{
    CaptIrCNX* c = getCaptIr(n);
    if (!c)
        return;
    if (observateurActions) {
        Action a = action(Action::CapteurTest);
        a.numero = n;
        a.valeur = surLigne ? 1.0 : 0.0;
        signale(a);
    }
    surLigne ? c->forceSurLigne() : c->forceSurMoquette();
    c->preCalcul();
    c->evalue(nullptr);
}

void Modele::insereElement(unsigned int n, int type)
{
    signaleEdition(Action::PisteInsere, static_cast<int>(n), Portion::balise(type));
    piste.eltInsert(n, type);
}

void Modele::supprimeElement(unsigned int n)
{
    signaleEdition(Action::PisteRetire, static_cast<int>(n));
    piste.eltSupprime(n);
}

void Modele::remplaceElement(unsigned int n, int type)
{
    signaleEdition(Action::PisteRemplace, static_cast<int>(n), Portion::balise(type));
    piste.eltRemplace(n, type);
}

void Modele::modifieElement(unsigned int n, int arg, double valeur)
{
    const Portion* p = piste.getElt(n);
    const char* balise = p ? p->baliseArg(arg) : nullptr;
    if (observateurActions && balise) {
        Action a = action(Action::PisteValeur);
        a.numero = static_cast<int>(n);
        a.balise = balise;
        a.valeur = valeur;
        signale(a);
    }
    piste.eltModifArg(n, arg, valeur);
}

void Modele::edite(const Action& a)
{
    const QString balise = QString::fromStdString(a.balise);
    const unsigned int n = static_cast<unsigned int>(std::max(a.numero, 0));
    // The value of `table` named by the action, on `objet`; nothing when it has none.
    auto regleDans = [&](const auto& table, auto* objet) {
        const auto* c = champ(table, balise);
        if (c && objet)
            regle(*c, *objet, a.valeur);
    };
    switch (a.type) {
    case Action::RobotValeur: {
        const std::string& o = a.objet;
        if (balise == QLatin1String(baliseConnexion)) {
            const int index = indexBroche(QString::fromStdString(a.broche));
            if (o == "jack")
                jackConnecte(index);
            else if (o == "fdc")
                fdcConnecte(index);
            else
                captIrConnecte(a.numero, index);
        } else if (o == "jack" || o == "fdc") {
            regleDans(champsContact(), o == "jack" ? static_cast<ContactCNX*>(&jack) : &fdc);
        } else if (o == "capteur") {
            regleDans(champsCapteur(), getCaptIr(a.numero));
        } else if (o == "moteur_g" || o == "moteur_d") {
            regleDans(champsMoteur(), o == "moteur_g" ? moteurG : moteurD);
        } else {
            regleDans(o == "hacheurs" ? champsHacheurs() : champsParams(), this);
        }
        break;
    }
    case Action::CapteurAjoute: addCaptIr(a.numero); break;
    case Action::CapteurRetire: deleteCaptIr(a.numero); break;
    case Action::CapteurTest: testeCapteur(a.numero, a.valeur != 0.0); break;
    case Action::PisteInsere:
    case Action::PisteRemplace:
        for (int type = 0; Portion::balise(type); ++type)
            if (a.objet == Portion::balise(type))
                a.type == Action::PisteInsere ? insereElement(n, type) : remplaceElement(n, type);
        break;
    case Action::PisteRetire: supprimeElement(n); break;
    case Action::PisteValeur:
        if (const Portion* p = piste.getElt(n))
            for (int arg = 0; arg < p->nbArg(); ++arg)
                if (balise == QLatin1String(p->baliseArg(arg)))
                    modifieElement(n, arg, a.valeur);
        break;
    default: break;
    }
}

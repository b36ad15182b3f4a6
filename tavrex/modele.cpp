#include "modele.h"

#include <cmath>

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

    moteurG = new MoteurCNX(*this, QStringLiteral("PWM moteur gauche"));
    moteurD = new MoteurCNX(*this, QStringLiteral("PWM moteur droit"));
    setPwm1aGauche(true);

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
    power = true;
    lcd.powerOn();
    pic.powerOnReset();
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
    power = false;
    lcd.powerOff();
    pic.powerOff();
    moteurG->reset();
    moteurD->reset();
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
    if (!c || index >= nbPins)
        return false;
    if (index < 0) {
        captIrDeconnecte(num);
        return true;
    }
    if (pin[index]->estUtilise())
        return false;
    captIrDeconnecte(num);
    pic.getPort(pin[index]->getPort())->connecte(static_cast<Byte>(pin[index]->getNum()), c);
    pin[index]->utilise(true);
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
    while (!tabCaptIR.empty())
        deleteCaptIr(0);
}

// --- Robot file ------------------------------------------------------------------------------

namespace {
QString nomPin(const Connexion& c)
{
    return c.getPort() ? Port::pinName(c.getPort()->getNumero(), c.getPin()) : QStringLiteral("NULL");
}
}  // namespace

bool Modele::saveRomboData(const QString& fichier)
{
    QDomDocument doc;
    QDomElement racine = nouveauDocument(doc, QStringLiteral("rombo"), QStringLiteral("-//KQ//DTD Rombo 1.0 //EN"),
                                         QStringLiteral("http://tavrex.invalid/dtd/rombo.dtd"), fichier);

    auto reel = [&](QDomElement& parent, const char* nom, double v) {
        creation(doc, parent, QString::fromLatin1(nom), v, 'g', 6);
    };
    auto contact = [&](const char* nom, const ContactCNX& c) {
        QDomElement e = creation(doc, racine, QString::fromLatin1(nom));
        creation(doc, e, QStringLiteral("pullup"), c.getPullUp());
        creation(doc, e, QStringLiteral("contactno"), c.getContactNO());
        reel(e, "resistance", c.getResistance());
        creation(doc, e, QStringLiteral("connexion"), nomPin(c));
    };
    contact("jack", jack);
    contact("fdc", fdc);

    QDomElement hacheurs = creation(doc, racine, QStringLiteral("hacheurs"));
    creation(doc, hacheurs, QStringLiteral("pwm1agauche"), pwm1aGauche);
    reel(hacheurs, "vf", vf);
    reel(hacheurs, "rdson", rdson);

    for (int i = 0; i < nbCaptIr(); ++i) {
        const CaptIrCNX& c = *tabCaptIR[i];
        QDomElement e = creationAttrNumero(doc, racine, QStringLiteral("capteur"), i);
        creation(doc, e, QStringLiteral("pullup"), c.getPullUp());
        creation(doc, e, QStringLiteral("nocomp"), c.getNoComp());
        creation(doc, e, QStringLiteral("sup"), c.getSup());
        reel(e, "rd", c.getRd());
        reel(e, "rt", c.getRt());
        reel(e, "vseuil", c.getVseuil());
        reel(e, "rc", c.getRc());
        reel(e, "x", c.getX());
        reel(e, "y", c.getY());
        reel(e, "h", c.getH());
        creation(doc, e, QStringLiteral("connexion"), nomPin(c));
    }

    QDomElement params = creation(doc, racine, QStringLiteral("params"));
    reel(params, "masse", masse);
    reel(params, "vbat", vbat);
    reel(params, "reduction", reduc);
    reel(params, "roulement", kroul);
    reel(params, "rayon", rayon);
    reel(params, "rendement", rendement);
    reel(params, "voie", voie);
    reel(params, "scotch", CaptIrCNX::getRefScotch());
    reel(params, "moquette", CaptIrCNX::getRefMoquette());

    for (MoteurCNX* m : {moteurG, moteurD}) {
        QDomElement e = creation(doc, racine, m == moteurG ? QStringLiteral("moteur_g") : QStringLiteral("moteur_d"));
        reel(e, "res", m->getRes());
        reel(e, "induc", m->getInduc());
        reel(e, "kphi", m->getKphi());
        reel(e, "inertie", m->getInertie());
        reel(e, "i0", m->getI0());
    }
    return ecrireAtomique(fichier, doc.toString(1));
}

void Modele::decode(const QString& obj, const QString& num, const QString& attr, const QString& val)
{
    // Integers in base 10 and booleans (true when not 0) read text that does not
    // parse as 0. A real that is not a finite number (text that does not parse, "nan",
    // "inf") changes nothing: no value from a file may make the model's state infinite.
    const int entier = val.trimmed().toInt();
    const bool booleen = entier != 0;
    bool lu = false;
    const double reel = val.trimmed().toDouble(&lu);
    const bool reelValide = lu && std::isfinite(reel);

    if (obj == QLatin1String("jack") || obj == QLatin1String("fdc")) {
        ContactCNX& c = obj == QLatin1String("jack") ? static_cast<ContactCNX&>(jack) : fdc;
        if (attr == QLatin1String("pullup"))
            c.setPullUp(booleen);
        else if (attr == QLatin1String("contactno"))
            c.setContactNO(booleen);
        else if (attr == QLatin1String("resistance") && reelValide)
            c.setResistance(reel);
        else if (attr == QLatin1String("connexion"))
            obj == QLatin1String("jack") ? jackConnecte(val.trimmed()) : fdcConnecte(val.trimmed());
    } else if (obj == QLatin1String("hacheurs")) {
        if (attr == QLatin1String("pwm1agauche")) {
            pwm1aGauche = booleen;
        } else if (reelValide && (attr == QLatin1String("vf") || attr == QLatin1String("rdson"))) {
            (attr == QLatin1String("vf") ? vf : rdson) = reel;
            preCalculMoteurs();
        }
    } else if (obj == QLatin1String("capteur")) {
        const int n = num.trimmed().toInt();
        if (n < 0 || n >= nbCaptIrMax)
            return;
        while (nbCaptIr() <= n)
            addCaptIr(-1);
        CaptIrCNX& c = *tabCaptIR[n];
        if (attr == QLatin1String("pullup") || attr == QLatin1String("nocomp") || attr == QLatin1String("sup")) {
            if (attr == QLatin1String("pullup"))
                c.setPullUp(booleen);
            else if (attr == QLatin1String("nocomp"))
                c.setNoComp(booleen);
            else
                c.setSup(booleen);
            c.evalue(nullptr);
        } else if (attr == QLatin1String("rd") || attr == QLatin1String("h")) {
            if (!reelValide)
                return;
            attr == QLatin1String("rd") ? c.setRd(reel) : c.setH(reel);
            c.preCalcul();
            c.evalue(nullptr);
        } else if (attr == QLatin1String("rt") || attr == QLatin1String("vseuil") || attr == QLatin1String("rc") ||
                   attr == QLatin1String("x") || attr == QLatin1String("y")) {
            if (!reelValide)
                return;
            if (attr == QLatin1String("rt"))
                c.setRt(reel);
            else if (attr == QLatin1String("vseuil"))
                c.setVseuil(reel);
            else if (attr == QLatin1String("rc"))
                c.setRc(reel);
            else if (attr == QLatin1String("x"))
                c.setX(reel);
            else
                c.setY(reel);
            c.evalue(nullptr);
        } else if (attr == QLatin1String("connexion")) {
            captIrConnecte(n, val.trimmed());
        }
    } else if (obj == QLatin1String("params")) {
        if (!reelValide)
            return;
        double* cible = nullptr;
        if (attr == QLatin1String("masse"))
            cible = &masse;
        else if (attr == QLatin1String("vbat"))
            cible = &vbat;
        else if (attr == QLatin1String("reduction"))
            cible = &reduc;
        else if (attr == QLatin1String("roulement"))
            cible = &kroul;
        else if (attr == QLatin1String("rayon"))
            cible = &rayon;
        else if (attr == QLatin1String("rendement"))
            cible = &rendement;
        if (cible) {
            *cible = reel;
            preCalculMoteurs();
        } else if (attr == QLatin1String("voie")) {
            voie = reel;
        } else if (attr == QLatin1String("scotch")) {
            CaptIrCNX::setRefScotch(reel);
        } else if (attr == QLatin1String("moquette")) {
            CaptIrCNX::setRefMoquette(reel);
        }
    } else if (obj == QLatin1String("moteur_g") || obj == QLatin1String("moteur_d")) {
        if (!reelValide)
            return;
        MoteurCNX& m = obj == QLatin1String("moteur_g") ? *moteurG : *moteurD;
        if (attr == QLatin1String("res"))
            m.setRes(reel);
        else if (attr == QLatin1String("induc"))
            m.setInduc(reel);
        else if (attr == QLatin1String("kphi"))
            m.setKphi(reel);
        else if (attr == QLatin1String("inertie"))
            m.setInertie(reel);
        else if (attr == QLatin1String("i0"))
            m.setI0(reel);
        else
            return;
        m.preCalcul();
    }
}

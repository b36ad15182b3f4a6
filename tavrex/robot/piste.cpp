#include "piste.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include <QDomImplementation>

#include "modele.h"

namespace {

// Distance from (u, v) to the segment from the origin to (l, 0), l of either sign.
double distanceSegment(double u, double v, double l)
{
    return std::hypot(u - std::clamp(u, std::min(0.0, l), std::max(0.0, l)), v);
}

// Distance to a straight band of tape from a point `leLong` along it and `travers`
// across it; -1 beyond its ends.
double distanceBande(double leLong, double travers, double longueur)
{
    if (leLong < 0.0 || leLong > longueur)
        return -1.0;
    return std::fabs(travers);
}

template <class T, double T::*membre>
double lireMembre(const Portion& p)
{
    return static_cast<const T&>(p).*membre;
}

template <class T, double T::*membre>
void ecrireMembre(Portion& p, double v)
{
    static_cast<T&>(p).*membre = v;
}

// A length in mm, from 0 to 10 m where the editor shows it.
template <class T, double T::*membre>
DescArg longueurMm(const char* balise, bool editee)
{
    return {balise, editee ? balise : nullptr, " mm", 0.0, 10000.0, 0, lireMembre<T, membre>, ecrireMembre<T, membre>};
}

// An angle, saved and edited in degrees.
DescArg angleDeg(const char* balise, double (*lire)(const Portion&), void (*ecrire)(Portion&, double))
{
    return {balise, "angle", "\u00b0", -360.0, 360.0, 1, lire, ecrire};
}

using Repere = PortionRepere;
using Droite = PortionLigneDroite;
using Courbe = PortionLigneCourbe;
using Obstacle = PortionObstacle;
using Aveugle = PortionLigneAveugle;
using Marqueur = PortionMarqueurGauche;

// Indexed by type index. The start marker is the only element with a pose of its own.
const std::vector<DescArg> descriptionsParType[] = {
    {{"x", "x", " mm", Modele::xMin, Modele::xMax, 0, [](const Portion& p) { return p.getX0(); },
      [](Portion& p, double v) { static_cast<Repere&>(p).setX0(v); }},
     {"y", "y", " mm", Modele::yMin, Modele::yMax, 0, [](const Portion& p) { return p.getY0(); },
      [](Portion& p, double v) { static_cast<Repere&>(p).setY0(v); }},
     angleDeg("theta", [](const Portion& p) { return p.getTheta0() * radEnDeg; },
              [](Portion& p, double v) { static_cast<Repere&>(p).setTheta0(v * degEnRad); })},
    {longueurMm<Droite, &Droite::longueur>("longueur", true), longueurMm<Droite, &Droite::largeur>("largeur", false)},
    {longueurMm<Courbe, &Courbe::rayon>("rayon", true), longueurMm<Courbe, &Courbe::largeur>("largeur", false),
     angleDeg("angle", [](const Portion& p) { return static_cast<const Courbe&>(p).angle * radEnDeg; },
              [](Portion& p, double v) { static_cast<Courbe&>(p).angle = v * degEnRad; })},
    {longueurMm<Obstacle, &Obstacle::longueur>("longueur", true),
     longueurMm<Obstacle, &Obstacle::largeur>("largeur", true)},
    {longueurMm<Aveugle, &Aveugle::longueur>("longueur", true)},
    {longueurMm<Marqueur, &Marqueur::longueur>("longueur", true),
     longueurMm<Marqueur, &Marqueur::largeur>("largeur", false)},
};

const char* const balises[] = {"repere", "droite", "courbe", "obstacle", "aveugle", "marqueur_gauche"};

constexpr int nbTypes = static_cast<int>(std::size(balises));
static_assert(std::size(descriptionsParType) == std::size(balises), "one table per element type");

} // namespace

const std::vector<DescArg>& Portion::descriptions(int type)
{
    static const std::vector<DescArg> aucune;
    return type >= 0 && type < nbTypes ? descriptionsParType[type] : aucune;
}

const char* Portion::balise(int type)
{
    return type >= 0 && type < nbTypes ? balises[type] : nullptr;
}

// ---------------------------------------------------------------------------------
// Portion

Portion::Portion(int id, Portion* source) : id(id), source(source) {}

double Portion::getScotchDistance(double, double) const
{
    return -1.0;
}

bool Portion::getObstacleCollision(double, double) const
{
    return false;
}

double Portion::distanceAxe(double, double) const
{
    return -1.0;
}

const DescArg* Portion::arg(int n) const
{
    for (const DescArg& d : descriptions(typeIndex()))
        if (d.nom && n-- == 0)
            return &d;
    return nullptr;
}

int Portion::nbArg() const
{
    const std::vector<DescArg>& d = descriptions(typeIndex());
    return static_cast<int>(std::count_if(d.begin(), d.end(), [](const DescArg& a) { return a.nom != nullptr; }));
}

QString Portion::nameArg(int n) const
{
    const DescArg* d = arg(n);
    return d ? QString::fromUtf8(d->nom) : QStringLiteral("rien");
}

double Portion::valArg(int n) const
{
    const DescArg* d = arg(n);
    return d ? d->lire(*this) : 0.0;
}

double Portion::maxArg(int n) const
{
    const DescArg* d = arg(n);
    return d ? d->max : 0.0;
}

double Portion::minArg(int n) const
{
    const DescArg* d = arg(n);
    return d ? d->min : 0.0;
}

void Portion::modifArg(int n, double value)
{
    const DescArg* d = arg(n);
    if (!d)
        return;
    d->ecrire(*this, value);
    redessiner();
}

QString Portion::suffixArg(int n) const
{
    const DescArg* d = arg(n);
    return d ? QString::fromUtf8(d->suffixe) : QString();
}

const char* Portion::baliseArg(int n) const
{
    const DescArg* d = arg(n);
    return d ? d->balise : nullptr;
}

int Portion::decimalsArg(int n) const
{
    const DescArg* d = arg(n);
    return d ? d->decimales : 1;
}

void Portion::saveXML(QDomDocument& doc, QDomElement& parent) const
{
    QDomElement e = XMLOpenSaveData::creationAttrNumero(doc, parent, QString::fromLatin1(balise(typeIndex())), id);
    for (const DescArg& d : descriptions(typeIndex()))
        XMLOpenSaveData::creation(doc, e, QString::fromLatin1(d.balise), d.lire(*this), 'g', 6);
}

void Portion::redessiner() const
{
    if (vue)
        vue->eltModifie(*this);
}

void Portion::calculPosition()
{
    if (!noSrc) {
        if (source) {
            x0 = source->getX();
            y0 = source->getY();
            theta0 = source->getTheta();
        } else {
            x0 = 0.0;
            y0 = 0.0;
            theta0 = 0.0;
        }
        cosTheta0 = std::cos(theta0);
        sinTheta0 = std::sin(theta0);
    }
    redessiner();
}

void Portion::setFocus(bool f)
{
    focus = f;
    redessiner();
}

// ---------------------------------------------------------------------------------
// Start marker

PortionRepere::PortionRepere(int id, Portion* source) : Portion(id, source)
{
    noSrc = true;
}

void PortionRepere::setTheta0(double theta)
{
    theta0 = theta;
    cosTheta0 = std::cos(theta);
    sinTheta0 = std::sin(theta);
}

Forme PortionRepere::formeFocus() const
{
    // An arrow head pointing along the heading.
    QPolygonF fleche;
    fleche << QPointF(0, 0) << QPointF(-100, 100) << QPointF(200, 0) << QPointF(-100, -100) << QPointF(0, 0);
    return fleche;
}

// ---------------------------------------------------------------------------------
// Straight line

double PortionLigneDroite::getScotchDistance(double x, double y) const
{
    return distanceBande(avant(x, y), gauche(x, y), longueur);
}

double PortionLigneDroite::distanceAxe(double x, double y) const
{
    return distanceSegment(avant(x, y), gauche(x, y), longueur);
}

Forme PortionLigneDroite::forme() const
{
    return QRectF(0.0, -largeur / 2.0, longueur, largeur);
}

// ---------------------------------------------------------------------------------
// Curve

double PortionLigneCourbe::getX() const
{
    if (angle > 0.0)
        return x0 + rayon * (std::sin(theta0 + angle) - sinTheta0);
    return x0 + rayon * (sinTheta0 - std::sin(theta0 + angle));
}

double PortionLigneCourbe::getY() const
{
    if (angle > 0.0)
        return y0 + rayon * (cosTheta0 - std::cos(theta0 + angle));
    return y0 + rayon * (std::cos(theta0 + angle) - cosTheta0);
}

double PortionLigneCourbe::getScotchDistance(double x, double y) const
{
    const double balayage = std::fabs(angle);
    const double u = avant(x, y);
    // Seen from the turn's centre, whichever side it lies on.
    const double v = (angle >= 0.0 ? gauche(x, y) : -gauche(x, y)) - rayon;
    // One atan2 folded onto [0, pi] serves arcs up to a full turn: a point behind the
    // start radius is compared with the opposite point of the circle too.
    double phi = std::atan2(u, -v);
    if (phi < 0.0)
        phi += pi;
    if (phi > balayage)
        return -1.0;
    const double s = std::sin(phi);
    const double c = std::cos(phi);
    const double d1 = std::hypot(u - rayon * s, v + rayon * c);
    if (phi + pi <= balayage) {
        const double d2 = std::hypot(u + rayon * s, v - rayon * c);
        return d2 < d1 ? d2 : d1;
    }
    return d1;
}

double PortionLigneCourbe::distanceAxe(double x, double y) const
{
    // In the frame where the turn is to the left: the arc runs from the origin,
    // around the centre (0, r), through the points (r sin t, r (1 - cos t)) for t
    // from 0 to the sweep. A negative radius draws the same arc mirrored through the
    // start point.
    double u = avant(x, y);
    double v = angle >= 0.0 ? gauche(x, y) : -gauche(x, y);
    double r = rayon;
    if (r < 0.0) {
        u = -u;
        v = -v;
        r = -r;
    }
    const double balayage = std::fabs(angle);
    double t = std::atan2(v - r, u) + pi / 2.0;
    if (t < 0.0)
        t += 2.0 * pi;
    if (t <= balayage || balayage >= 2.0 * pi)
        return std::fabs(std::hypot(u, v - r) - r);
    const double versFin = std::hypot(u - r * std::sin(balayage), v - r * (1.0 - std::cos(balayage)));
    return std::min(std::hypot(u, v), versFin);
}

Forme PortionLigneCourbe::forme() const
{
    // The ring sector between radii R - w/2 and R + w/2; each arc begins with a
    // straight segment from the current point, which closes the sector's ends.
    const double w = largeur;
    const double h = w / 2.0;
    const double r = rayon;
    const double a = angle * radEnDeg;
    QPainterPath chemin;
    chemin.moveTo(0.0, h);
    if (angle < 0.0) {
        chemin.arcTo(QRectF(h - r, h, 2.0 * r - w, 2.0 * r - w), 90.0, a);
        chemin.arcTo(QRectF(-r - h, -h, 2.0 * r + w, 2.0 * r + w), a + 90.0, -a);
    } else {
        chemin.arcTo(QRectF(h - r, h - 2.0 * r, 2.0 * r - w, 2.0 * r - w), -90.0, a);
        chemin.arcTo(QRectF(-r - h, -h - 2.0 * r, 2.0 * r + w, 2.0 * r + w), a - 90.0, -a);
    }
    chemin.closeSubpath();
    return chemin;
}

// ---------------------------------------------------------------------------------
// Obstacle

bool PortionObstacle::getObstacleCollision(double x, double y) const
{
    const double u = avant(x, y) + largeur / 2.0;
    const double v = gauche(x, y) + longueur / 2.0;
    return u >= 0.0 && u <= largeur && v >= 0.0 && v <= longueur;
}

Forme PortionObstacle::forme() const
{
    return QRectF(-largeur / 2.0, -longueur / 2.0, largeur, longueur);
}

// ---------------------------------------------------------------------------------
// Gap

double PortionLigneAveugle::distanceAxe(double x, double y) const
{
    return distanceSegment(avant(x, y), gauche(x, y), longueur);
}

Forme PortionLigneAveugle::formeFocus() const
{
    // Nothing to see on the carpet; the highlight is a narrow band along the gap.
    return QRectF(0.0, -8.0, longueur, 16.0);
}

// ---------------------------------------------------------------------------------
// Left marker

double PortionMarqueurGauche::getScotchDistance(double x, double y) const
{
    return distanceBande(gauche(x, y), avant(x, y), longueur);
}

double PortionMarqueurGauche::distanceAxe(double x, double y) const
{
    return distanceSegment(gauche(x, y), avant(x, y), longueur);
}

Forme PortionMarqueurGauche::forme() const
{
    return QRectF(-largeur / 2.0, -longueur, largeur, longueur);
}

// ---------------------------------------------------------------------------------
// Track

Piste::Piste() : XMLOpenSaveData(nullptr) {}

Piste::~Piste()
{
    for (Portion* p : tab)
        detruire(p);
}

void Piste::initialise()
{
    for (Portion* p : tab)
        detruire(p);
    tab.clear();
    focus = static_cast<unsigned int>(-1);
}

void Piste::decode(const QString& obj, const QString& num, const QString& attr, const QString& val)
{
    // Unreadable numbers, out-of-range ones included, read as 0.
    const int numero = num.toInt(nullptr, 10);
    bool ok = false;
    double v = val.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        v = 0.0;

    Portion* modifie = nullptr;
    for (int type = 0; type < nbTypes && !modifie; ++type) {
        if (obj != QLatin1String(balises[type]))
            continue;
        for (const DescArg& d : descriptionsParType[type]) {
            if (attr != QLatin1String(d.balise))
                continue;
            if (Portion* p = getPortion(numero, type)) {
                d.ecrire(*p, v);
                modifie = p;
            }
            break;
        }
        break;
    }
    if (!modifie)
        return;
    modifie->redessiner();
    // Normally the element just read is the last one. A number that comes back after
    // later elements were chained to it must still carry them along.
    const auto it = std::find(tab.begin(), tab.end(), modifie);
    eltChange(static_cast<unsigned int>(it - tab.begin()));
}

bool Piste::saveData(const QString& fichier) const
{
    QDomDocument doc;
    QDomElement racine = nouveauDocument(doc, QStringLiteral("piste"), QStringLiteral("-//KQ//DTD Piste 1.0 //EN"),
                                         QStringLiteral("http://tavrex.invalid/dtd/piste-1.0.dtd"), fichier);
    for (const Portion* p : tab)
        p->saveXML(doc, racine);
    return XMLOpenSaveData::ecrireAtomique(fichier, doc.toString(1));
}

double Piste::getScotchDistance(double x, double y) const
{
    double meilleure = 1e20;
    for (const Portion* p : tab) {
        const double d = p->getScotchDistance(x, y);
        if (d >= 0.0 && d < meilleure)
            meilleure = d;
    }
    return meilleure;
}

double Piste::distanceAuScotch(double x, double y) const
{
    double meilleure = -1.0;
    bool surScotch = false;
    for (const Portion* p : tab) {
        const double d = p->distanceAxe(x, y);
        if (d < 0.0)
            continue;
        // Where a gap meets the tape both are at the same distance: the tape counts.
        if (meilleure < 0.0 || d < meilleure || (d == meilleure && p->avecScotch())) {
            meilleure = d;
            surScotch = p->avecScotch();
        }
    }
    return surScotch ? meilleure : -1.0;
}

bool Piste::getObstacleCollision(double x, double y) const
{
    return std::any_of(tab.begin(), tab.end(), [x, y](const Portion* p) { return p->getObstacleCollision(x, y); });
}

void Piste::setVue(VuePiste* v)
{
    vue = v;
    for (Portion* p : tab)
        montrer(p);
}

void Piste::montrer(Portion* p)
{
    p->vue = vue;
    if (vue)
        vue->eltAjoute(*p);
}

void Piste::detruire(Portion* p)
{
    if (p->vue)
        p->vue->eltRetire(*p);
    delete p;
}

Portion* Piste::getPortion(int numero, int type)
{
    for (Portion* p : tab)
        if (p->getID() == numero)
            return p->typeIndex() == type ? p : nullptr;
    Portion* nouveau = nouvelElement(type, numero, tab.empty() ? nullptr : tab.back());
    if (!nouveau)
        return nullptr;
    nouveau->calculPosition();
    tab.push_back(nouveau);
    montrer(nouveau);
    return nouveau;
}

Portion* Piste::nouvelElement(int type, int id, Portion* source)
{
    switch (type) {
    case 0: return new PortionRepere(id, source);
    case 1: return new PortionLigneDroite(id, source);
    case 2: return new PortionLigneCourbe(id, source);
    case 3: return new PortionObstacle(id, source);
    case 4: return new PortionLigneAveugle(id, source);
    case 5: return new PortionMarqueurGauche(id, source);
    default: return nullptr;
    }
}

Portion* Piste::eltCreate(int type)
{
    return nouvelElement(type, -1, nullptr);
}

void Piste::setIDs()
{
    for (size_t i = 0; i < tab.size(); ++i)
        tab[i]->setID(static_cast<int>(i));
}

void Piste::chainer(size_t i)
{
    tab[i]->setSrc(i > 0 ? tab[i - 1] : nullptr);
    tab[i]->calculPosition();
}

void Piste::eltChange(unsigned int n)
{
    for (size_t i = static_cast<size_t>(n) + 1; i < tab.size(); ++i)
        tab[i]->calculPosition();
}

void Piste::eltSupprime(unsigned int n)
{
    if (n >= tab.size())
        return;
    detruire(tab[n]);
    tab.erase(tab.begin() + n);
    if (n < tab.size())
        chainer(n);
    eltChange(n);
    setIDs();
}

void Piste::eltRemplace(unsigned int n, int type)
{
    if (n >= tab.size())
        return;
    Portion* nouveau = eltCreate(type);
    if (!nouveau)
        return;
    detruire(tab[n]);
    tab[n] = nouveau;
    chainer(n);
    if (n + size_t(1) < tab.size())
        chainer(n + size_t(1));
    eltChange(n);
    setIDs();
    montrer(nouveau);
}

void Piste::eltInsert(unsigned int n, int type)
{
    if (n > tab.size())
        return;
    Portion* nouveau = eltCreate(type);
    if (!nouveau)
        return;
    tab.insert(tab.begin() + n, nouveau);
    chainer(n);
    if (n + size_t(1) < tab.size())
        chainer(n + size_t(1));
    eltChange(n);
    setIDs();
    montrer(nouveau);
}

void Piste::eltModifArg(unsigned int n, int arg, double value)
{
    if (n >= tab.size())
        return;
    tab[n]->modifArg(arg, value);
    eltChange(n);
}

void Piste::effacerFocus()
{
    // Every highlight, not only the one at `focus`: that index is not shifted by
    // insertions and deletions and may name another element by now.
    for (Portion* p : tab)
        if (p->focus)
            p->setFocus(false);
}

void Piste::setFocus(unsigned int n)
{
    if (n >= tab.size())
        return;
    effacerFocus();
    tab[n]->setFocus(true);
    focus = n;
}

void Piste::noFocus()
{
    effacerFocus();
    focus = static_cast<unsigned int>(-1);
}

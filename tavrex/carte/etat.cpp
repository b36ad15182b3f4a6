#include "etat.h"

#include <cerrno>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <map>
#include <set>
#include <utility>

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSaveFile>

#include "aleatoire.h"
#include "modele.h"
#include "preparation.h"
#include "scenario.h"
#include "seance.h"

namespace {

const char* const formatEtat = "tavrex state";
constexpr Word debutSfr = 0xF60;

// An SFR by its name; a location with none by its address.
std::string cleSfr(int adr)
{
    const std::string& nom = DataMemory::nameSFR[adr - debutSfr];
    if (nom == DataMemory::nameSFR[0])
        return QString::asprintf("0x%03X", adr).toStdString();
    return nom;
}

QString hex(uint64_t v, int chiffres)
{
    char t[24];
    std::snprintf(t, sizeof t, "0x%0*" PRIx64, chiffres, v);
    return QString::fromLatin1(t);
}
QString grand(uint64_t v)
{
    return QString::number(static_cast<qulonglong>(v));
}
QString reel(double v)
{
    return QString::fromStdString(texteReel(v));
}
int masque(const bool (&bits)[8])
{
    int m = 0;
    for (int i = 0; i < 8; ++i)
        m |= bits[i] ? 1 << i : 0;
    return m;
}
// `n` bytes as "xx xx ...".
QString octets(const Byte* b, int n)
{
    QString t;
    for (int i = 0; i < n; ++i)
        t += QString::asprintf(i ? " %02x" : "%02x", b[i]);
    return t;
}

// Values read from a snapshot: the first one missing or out of range is the error,
// named by its path; the others read as 0 and are not applied by the caller.
class Lecteur
{
public:
    Lecteur(const QJsonObject& o, std::string chemin, std::string* erreur)
        : o(o), chemin(std::move(chemin)), erreur(erreur) {}

    Lecteur sous(const char* cle) const { return Lecteur(valeur(cle).toObject(), chemin + cle + ".", erreur); }
    bool ok() const { return erreur->empty(); }
    // Keys added since the format's first version: absent, the old default holds.
    bool a(const char* cle) const { return o.contains(QLatin1String(cle)); }
    void refuse(const std::string& texte) const
    {
        if (erreur->empty())
            *erreur = texte;
    }

    QJsonValue valeur(const char* cle) const
    {
        const QJsonValue v = o.value(QLatin1String(cle));
        if (v.isUndefined())
            echec(cle);
        return v;
    }
    bool booleen(const char* cle) const
    {
        const QJsonValue v = valeur(cle);
        if (!v.isBool())
            echec(cle);
        return v.toBool();
    }
    int64_t entier(const char* cle, int64_t min, int64_t max) const
    {
        const QJsonValue v = valeur(cle);
        const double d = v.toDouble(-1e300);
        if (!v.isDouble() || d < static_cast<double>(min) || d > static_cast<double>(max) ||
            d != static_cast<double>(static_cast<int64_t>(d))) {
            echec(cle);
            return min;
        }
        return static_cast<int64_t>(d);
    }
    // A 64-bit value: decimal, or hex after "0x".
    uint64_t grand(const char* cle, uint64_t max = UINT64_MAX) const
    {
        const std::string t = valeur(cle).toString().toStdString();
        if (t.empty() || t[0] == '-' || t[0] == '+' || t[0] == ' ') {
            echec(cle);
            return 0;
        }
        char* fin = nullptr;
        errno = 0;
        const unsigned long long v = std::strtoull(t.c_str(), &fin, 0);
        if (errno || *fin || v > max) {
            echec(cle);
            return 0;
        }
        return v;
    }
    double reel(const char* cle) const
    {
        double v = 0.0;
        if (!lireReel(valeur(cle).toString().toStdString(), v))
            echec(cle);
        return v;
    }
    QJsonArray tableau(const char* cle, int taille) const
    {
        const QJsonArray a = valeur(cle).toArray();
        if (taille >= 0 && a.size() != taille) {
            echec(cle);
            return {};   // nothing for the caller to walk past its own arrays
        }
        return a;
    }
    void masque(const char* cle, bool (&bits)[8]) const
    {
        const int m = static_cast<int>(entier(cle, 0, 255));
        for (int i = 0; i < 8; ++i)
            bits[i] = (m >> i) & 1;
    }
    // "xx xx ..." into `n` bytes.
    void octets(const QString& texte, Byte* b, int n, const char* cle) const
    {
        const QStringList mots = texte.split(QLatin1Char(' '));
        if (mots.size() != n) {
            echec(cle);
            return;
        }
        for (int i = 0; i < n; ++i) {
            bool bon = false;
            const uint v = mots[i].toUInt(&bon, 16);
            if (!bon || v > 255 || mots[i].size() != 2) {
                echec(cle);
                return;
            }
            b[i] = static_cast<Byte>(v);
        }
    }
    void echec(const char* cle) const
    {
        if (erreur->empty())
            *erreur = "bad or missing value " + chemin + cle;
    }

private:
    QJsonObject o;
    std::string chemin;
    std::string* erreur;
};

// What the JSON parser found wrong, in the words of its own English text: the window's
// translation of it would break the sentence in two languages.
std::string fauteJson(QJsonParseError::ParseError e)
{
    static const char* const fautes[] = {
        "no error occurred",     "unterminated object",          "missing name separator",
        "unterminated array",    "missing value separator",      "illegal value",
        "invalid termination by number", "illegal number",       "invalid escape sequence",
        "invalid UTF8 string",   "unterminated string",          "object is missing after a comma",
        "too deeply nested document", "too large document",      "garbage at the end of the document"};
    const auto n = static_cast<size_t>(e);
    return n < std::size(fautes) ? fautes[n] : "not JSON";
}

}  // namespace

// The one place that knows every part of the state: each class names it its friend.
class EtatModele
{
public:
    static QJsonObject ecrit(const Modele& m, const Seance& s, const FichiersEtat& f);
    static void lit(const Lecteur& l, Modele& m);

private:
    using Evenements = std::vector<std::pair<const char*, Evenement*>>;
    static Evenements evenements(Modele& m)
    {
        P18f4550& p = m.pic;
        Interruptions& i = p.interr;
        return {{"adc", &p.adc},       {"pwm1", &p.pwm1},   {"pwm2", &p.pwm2},   {"robot", &m},
                {"timer0", p.timer0},  {"timer2", p.timer2}, {"interrupts", &i}, {"int0", &i.int0},
                {"int1", &i.int1},     {"int2", &i.int2},   {"rbChange", &i.rb}};
    }
    // The silicon mode's events, absent from the files of the default mode.
    static bool optionnel(const char* nom)
    {
        return std::strcmp(nom, "interrupts") == 0 || std::strncmp(nom, "int", 3) == 0 ||
               std::strcmp(nom, "rbChange") == 0;
    }

    static QJsonObject connexion(const Connexion& c)
    {
        return {{"in", reel(c.valueIn)}, {"source", reel(c.valueSrc)}, {"impedance", reel(c.impedance)}};
    }
    static void connexion(const Lecteur& l, Connexion& c)
    {
        c.valueIn = l.reel("in");
        c.valueSrc = l.reel("source");
        c.impedance = l.reel("impedance");
    }
    static QJsonObject contact(const ContactCNX& c)
    {
        QJsonObject o = connexion(c);
        o.insert("pullUp", c.pullUp);
        o.insert("normallyOpen", c.contactNO);
        o.insert("active", c.contactActif);
        o.insert("resistance", reel(c.res));
        return o;
    }
    static void contact(const Lecteur& l, ContactCNX& c)
    {
        connexion(l, c);
        c.pullUp = l.booleen("pullUp");
        c.contactNO = l.booleen("normallyOpen");
        c.contactActif = l.booleen("active");
        c.res = l.reel("resistance");
    }
    static QJsonObject moteur(const MoteurCNX& c)
    {
        QJsonObject o = connexion(c);
        o.insert("time", reel(c.temps));
        o.insert("current", reel(c.im));
        o.insert("speed", reel(c.vm));
        o.insert("level", c.memo);
        return o;
    }
    static void moteur(const Lecteur& l, MoteurCNX& c)
    {
        connexion(l, c);
        c.temps = l.reel("time");
        c.im = l.reel("current");
        c.vm = l.reel("speed");
        c.memo = l.booleen("level");
    }
    static QJsonObject capteur(const CaptIrCNX& c)
    {
        QJsonObject o = connexion(c);
        o.insert("xTrack", reel(c.xPiste));
        o.insert("yTrack", reel(c.yPiste));
        o.insert("forced", c.forceSurface);
        o.insert("onLine", c.surfaceLigne);
        o.insert("v0", reel(c.v0));
        return o;
    }
    static void capteur(const Lecteur& l, CaptIrCNX& c)
    {
        connexion(l, c);
        c.xPiste = l.reel("xTrack");
        c.yPiste = l.reel("yTrack");
        c.forceSurface = l.booleen("forced");
        c.surfaceLigne = l.booleen("onLine");
        c.v0 = l.reel("v0");
    }

    static QJsonObject puce(const P18f4550& p);
    static void puce(const Lecteur& l, P18f4550& p);
    static QJsonObject evts(Modele& m);
    static void evts(const Lecteur& l, Modele& m);
    static QJsonObject carte(const Modele& m);
    static void carte(const Lecteur& l, Modele& m, int version);
    static QJsonObject robot(const Modele& m);
    static void robot(const Lecteur& l, Modele& m);

public:
    // The robot's parameters and the track as their files hold them, every value to
    // its last bit; read back as the leaves of those files.
    static QJsonObject parametres(const Modele& m);
    static QJsonArray piste(const Piste& p);
    static std::vector<XMLOpenSaveData::Feuille> feuillesRobot(const Lecteur& l);
    static std::vector<XMLOpenSaveData::Feuille> feuillesPiste(const QJsonArray& a, const Lecteur& l);
    // The leaves read into the model as from a file, not told to the observer of actions.
    static void litRobot(Modele& m, const std::vector<XMLOpenSaveData::Feuille>& f);
};

QJsonObject EtatModele::puce(const P18f4550& p)
{
    const DataMemory& dm = p.dm;
    QJsonObject o;
    o.insert("time", grand(p.temps));
    o.insert("pc", hex(dm.programCounter, 4));
    o.insert("fetch", hex(p.fetchPC, 4));
    o.insert("instruction", hex(p.instrPC, 4));
    o.insert("fetched", hex(p.fetchPtr->getInstr(), 4));
    o.insert("flush", p.fetchPtr == p.nopProto);
    o.insert("nop", p.instrPtr == p.nopProto);
    o.insert("abandoned", p.cycleAbandonne);
    o.insert("portsChanged", p.portsModifies);
    o.insert("phase", p.etat);
    o.insert("silicium", p.silicium);
    if (p.silicium)
        o.insert("interrupts", QJsonObject{{"secondCycleSeen", p.secondCycleVu}, {"rbLatch", hex(p.interr.rbLu, 2)}});
    QJsonArray pile;
    for (unsigned v : dm.stack)
        pile.append(hex(v, 6));
    o.insert("stack", pile);
    o.insert("shadows", QJsonObject{{"bsr", hex(dm.bsrS, 2)}, {"status", hex(dm.statusS, 2)}, {"w", hex(dm.wS, 2)}});
    QJsonArray ram;
    for (int a = 0; a < DataMemory::finRam; a += 16) {
        Byte b[16];
        for (int i = 0; i < 16; ++i)
            b[i] = dm.readDirect(static_cast<Word>(a + i));
        ram.append(QString::asprintf("%03x: ", a) + octets(b, 16));
    }
    o.insert("ram", ram);
    QJsonObject sfr;
    for (int a = debutSfr; a < DataMemory::taille; ++a)
        sfr.insert(QString::fromStdString(cleSfr(a)), hex(dm.readDirect(static_cast<Word>(a)), 2));
    o.insert("sfr", sfr);

    const Timer0& t0 = *p.timer0;
    o.insert("timer0", QJsonObject{{"on", t0.timerOn}, {"8bit", t0.tmr8bits}, {"external", t0.extClock},
                                   {"risingEdge", t0.risingEdge}, {"lastRA4", t0.memoExtClock},
                                   {"prescaler", t0.prescaler}, {"preCount", t0.preCount}, {"count", t0.tmr0}});
    const Timer2& t2 = *p.timer2;
    o.insert("timer2", QJsonObject{{"on", t2.timerOn}, {"output", t2.tmr2Output}, {"prescaler", t2.prescaler},
                                   {"postscaler", t2.postscaler}, {"postCount", t2.postCounter},
                                   {"count64", t2.tmr2}, {"pr2", t2.pr2}, {"reference64", t2.tmr2Reference}});
    for (const Pwm* pwm : {&p.pwm1, &p.pwm2})
        o.insert(pwm == &p.pwm1 ? "pwm1" : "pwm2",
                 QJsonObject{{"dutyMemo", pwm->dutyMemo}, {"dutyLatch", pwm->dutyLatch}, {"on", pwm->pwmOn},
                             {"output", pwm->out}});
    const ModuleADC& a = p.adc;
    o.insert("adc", QJsonObject{{"right", a.justRight}, {"channel", a.channel}, {"acquisition", a.acqCfg},
                                {"clock", a.clkCfg}, {"tad", a.tad}, {"tadsPlanned", a.tadsPrevus},
                                {"firstTad", a.premierTad}, {"tadTicks", a.dureeTad},
                                {"sampleStart", grand(a.debutSample)}, {"state", static_cast<int>(a.etat)},
                                {"port", a.port ? a.port->getNumero() : -1}, {"pin", a.pin},
                                {"sample", reel(a.sample)}});
    QJsonObject ports;
    for (int n = 0; n < 5; ++n) {
        const Port& port = *const_cast<P18f4550&>(p).getPort(n);
        ports.insert(QString(QLatin1Char('A' + n)),
                     QJsonObject{{"changed", port.globalChange}, {"analog", masque(port.analogPin)},
                                 {"marks", masque(port.change)}, {"undecided", port.pinsIndecises},
                                 {"evaluated", port.pinsDerniereEvaluation}});
    }
    o.insert("ports", ports);
    return o;
}

void EtatModele::puce(const Lecteur& l, P18f4550& p)
{
    DataMemory& dm = p.dm;
    p.temps = l.grand("time");
    dm.programCounter = static_cast<DWord>(l.grand("pc", 0x7FFF));
    p.fetchPC = static_cast<DWord>(l.grand("fetch", 0x7FFF));
    p.instrPC = static_cast<DWord>(l.grand("instruction", 0x7FFF));
    p.fetchPtr = l.booleen("flush") ? p.nopProto : p.instructions[p.fetchPC];
    p.instrPtr = l.booleen("nop") ? p.nopProto : p.instructions[p.instrPC];
    if (l.grand("fetched", 0xFFFF) != p.fetchPtr->getInstr())
        l.echec("fetched");   // another program
    p.cycleAbandonne = l.booleen("abandoned");
    p.portsModifies = l.booleen("portsChanged");
    p.etat = static_cast<int>(l.entier("phase", 0, 7));
    // The mode is the board's, set before its program's load: a state of the other
    // one is refused.
    const bool silicium = l.a("silicium") && l.booleen("silicium");
    if (silicium != p.silicium)
        l.refuse(silicium ? "saved in the silicon mode, the board runs in the default mode"
                          : "saved in the default mode, the board runs in the silicon mode");
    if (l.a("interrupts")) {
        const Lecteur li = l.sous("interrupts");
        p.secondCycleVu = li.booleen("secondCycleSeen");
        p.interr.rbLu = static_cast<Byte>(li.grand("rbLatch", 255));
    } else {
        p.secondCycleVu = false;
    }
    const QJsonArray pile = l.tableau("stack", 32);
    for (int i = 0; i < pile.size(); ++i) {
        bool bon = false;
        const uint v = pile[i].toString().toUInt(&bon, 16);
        if (!bon || v > 0x1FFFFF)
            l.echec("stack");
        dm.stack[i] = v;
    }
    const Lecteur ombres = l.sous("shadows");
    dm.bsrS = static_cast<Byte>(ombres.grand("bsr", 255));
    dm.statusS = static_cast<Byte>(ombres.grand("status", 255));
    dm.wS = static_cast<Byte>(ombres.grand("w", 255));
    const QJsonArray ram = l.tableau("ram", DataMemory::finRam / 16);
    for (int i = 0; i < ram.size(); ++i) {
        const QString ligne = ram[i].toString();
        if (!ligne.startsWith(QString::asprintf("%03x: ", i * 16))) {
            l.echec("ram");
            break;
        }
        Byte b[16] = {};
        l.octets(ligne.mid(5), b, 16, "ram");
        for (int k = 0; k < 16; ++k)
            dm.reg[i * 16 + k]->writeDirect(b[k]);
    }
    const Lecteur sfr = l.sous("sfr");
    for (int a = debutSfr; a < DataMemory::taille; ++a)
        dm.reg[a]->writeDirect(static_cast<Byte>(sfr.grand(cleSfr(a).c_str(), 255)));

    Timer0& t0 = *p.timer0;
    const Lecteur l0 = l.sous("timer0");
    t0.timerOn = l0.booleen("on");
    t0.tmr8bits = l0.booleen("8bit");
    t0.extClock = l0.booleen("external");
    t0.risingEdge = l0.booleen("risingEdge");
    t0.memoExtClock = l0.booleen("lastRA4");
    t0.prescaler = static_cast<int16_t>(l0.entier("prescaler", 1, 1024));
    if (t0.prescaler & (t0.prescaler - 1)) {
        l0.echec("prescaler");
        t0.prescaler = 1;
    }
    t0.preCount = static_cast<int16_t>(l0.entier("preCount", 0, 255));
    t0.tmr0 = static_cast<int32_t>(l0.entier("count", -65536, 65536 * 2));
    Timer2& t2 = *p.timer2;
    const Lecteur l2 = l.sous("timer2");
    t2.timerOn = l2.booleen("on");
    t2.tmr2Output = l2.booleen("output");
    t2.prescaler = static_cast<Byte>(l2.entier("prescaler", 1, 16));
    if (t2.prescaler != 1 && t2.prescaler != 4 && t2.prescaler != 16) {
        l2.echec("prescaler");
        t2.prescaler = 1;
    }
    t2.postscaler = static_cast<Byte>(l2.entier("postscaler", 1, 16));
    t2.postCounter = static_cast<Byte>(l2.entier("postCount", 0, 16));
    t2.tmr2 = static_cast<Word>(l2.entier("count64", 0, 0xFFFF));
    t2.pr2 = static_cast<Byte>(l2.entier("pr2", 0, 255));
    t2.tmr2Reference = static_cast<Word>(l2.entier("reference64", 0, 0xFFFF));
    for (Pwm* pwm : {&p.pwm1, &p.pwm2}) {
        const Lecteur lp = l.sous(pwm == &p.pwm1 ? "pwm1" : "pwm2");
        pwm->dutyMemo = static_cast<int>(lp.entier("dutyMemo", 0, 1023));
        pwm->dutyLatch = static_cast<int>(lp.entier("dutyLatch", 0, 1023));
        pwm->pwmOn = lp.booleen("on");
        pwm->out = lp.booleen("output");
    }
    ModuleADC& a = p.adc;
    const Lecteur la = l.sous("adc");
    a.justRight = la.booleen("right");
    a.channel = static_cast<int>(la.entier("channel", -1, 15));
    a.acqCfg = static_cast<int>(la.entier("acquisition", 0, 65535));
    a.clkCfg = static_cast<int>(la.entier("clock", -1, 65535));
    if (a.clkCfg == 0) {
        la.echec("clock");
        a.clkCfg = 2;
    }
    a.tad = static_cast<int>(la.entier("tad", 0, 65535));
    a.tadsPrevus = static_cast<int>(la.entier("tadsPlanned", 0, 65535));
    a.premierTad = static_cast<int>(la.entier("firstTad", 0, 65535));
    a.dureeTad = static_cast<int>(la.entier("tadTicks", 1, 65535));
    a.debutSample = la.grand("sampleStart");
    a.etat = static_cast<EtatADC>(la.entier("state", EtatOff, EtatConv));
    const int port = static_cast<int>(la.entier("port", -1, 4));
    a.port = port < 0 ? nullptr : p.getPort(port);
    a.pin = static_cast<Byte>(la.entier("pin", 0, 7));
    a.sample = la.reel("sample");
    const Lecteur lports = l.sous("ports");
    for (int n = 0; n < 5; ++n) {
        Port& pt = *p.getPort(n);
        const char nom[2] = {static_cast<char>('A' + n), 0};
        const Lecteur lpt = lports.sous(nom);
        pt.globalChange = lpt.booleen("changed");
        lpt.masque("analog", pt.analogPin);
        lpt.masque("marks", pt.change);
        pt.pinsIndecises = static_cast<Byte>(lpt.entier("undecided", 0, 255));
        pt.pinsDerniereEvaluation = static_cast<Byte>(lpt.entier("evaluated", 0, 255));
    }
}

QJsonObject EtatModele::evts(Modele& m)
{
    const ListeEvts& liste = m.pic.evts;
    const Evenements connus = evenements(m);
    const auto nom = [&](const Evenement* e) -> const char* {
        for (const auto& c : connus)
            if (c.second == e)
                return c.first;
        return nullptr;   // an observer's (the scopes'): not the board's state
    };
    QJsonArray prevus;
    for (uint32_t k = 0; k < static_cast<uint32_t>(ListeEvts::nbSlots); ++k)
        for (const Evenement* e = liste.table[static_cast<uint16_t>(liste.maintenant() + k)]; e; e = e->suivant)
            if (const char* n = nom(e))
                prevus.append(QJsonObject{{"event", n}, {"in", static_cast<int>(k)}});
    QJsonObject enregistres;
    for (const auto& c : connus)
        if (m.pic.silicium || !optionnel(c.first))
            enregistres.insert(c.first, QJsonObject{{"at", c.second->instantEnreg}, {"list", c.second->liste != nullptr}});
    return {{"passes", grand(liste.passes)},
            {"free", grand(liste.prochain - liste.passes)},
            {"scheduled", prevus},
            {"registered", enregistres}};
}

void EtatModele::evts(const Lecteur& l, Modele& m)
{
    ListeEvts& liste = m.pic.evts;
    const Evenements connus = evenements(m);
    // Read whole before the wheel is touched: an entry out of range leaves it alone.
    std::vector<std::pair<Evenement*, uint16_t>> prevus;
    std::set<Evenement*> vus;
    const QJsonArray tableau = l.tableau("scheduled", -1);
    int dernier = 0;
    for (const QJsonValue& v : tableau) {
        const QString nom = v.toObject().value("event").toString();
        const QJsonValue dans = v.toObject().value("in");
        Evenement* e = nullptr;
        for (const auto& c : connus)
            if (nom == QLatin1String(c.first))
                e = c.second;
        const int k = dans.isDouble() ? dans.toInt(-1) : -1;
        // Each event once, in firing order.
        if (!e || vus.count(e) || k < dernier || k >= ListeEvts::nbSlots || k != dans.toDouble()) {
            l.echec("scheduled");
            return;
        }
        vus.insert(e);
        dernier = k;
        prevus.emplace_back(e, static_cast<uint16_t>(k));
    }
    const uint64_t passes = l.grand("passes");
    const uint64_t libres = l.grand("free", ListeEvts::nbSlots);
    const Lecteur lr = l.sous("registered");
    std::vector<std::pair<int, bool>> enregistrements;
    for (const auto& c : connus) {
        if (optionnel(c.first) && !lr.a(c.first)) {
            enregistrements.emplace_back(0, false);
            continue;
        }
        const Lecteur le = lr.sous(c.first);
        enregistrements.emplace_back(static_cast<int>(le.entier("at", 0, 65535)), le.booleen("list"));
    }
    if (!l.ok())
        return;
    for (const auto& c : connus)
        if (c.second->estEnregistre())
            c.second->supprimer();
    liste.passes = passes;
    for (const auto& p : prevus)
        p.first->enregistrerDernier(p.second, &liste);
    for (size_t i = 0; i < connus.size(); ++i) {
        connus[i].second->instantEnreg = static_cast<uint16_t>(enregistrements[i].first);
        connus[i].second->liste = enregistrements[i].second ? &liste : nullptr;
    }
    liste.prochain = passes + libres;
}

QJsonObject EtatModele::carte(const Modele& m)
{
    QJsonArray boutons;
    for (const BoutonCNX* b : {&m.bp0, &m.bp1, &m.bp2})
        boutons.append(connexion(*b));
    QJsonObject led = connexion(m.ledA6);
    led.insert("current", reel(m.ledA6.courant));
    QJsonObject pot = connexion(m.potAN0);
    pot.insert("resistance", reel(m.potAN0.res));
    const LcdScreen& lcd = m.lcd;
    QJsonArray affichage, texte, lignes;
    for (int y = 0; y < 2; ++y) {
        Byte b[16];
        QString t;
        for (int x = 0; x < 16; ++x) {
            b[x] = static_cast<Byte>(lcd.ascii[x][y]);
            t += (b[x] >= 32 && b[x] < 127) ? QLatin1Char(static_cast<char>(b[x])) : QLatin1Char('?');
        }
        affichage.append(octets(b, 16));
        texte.append(t);
    }
    for (const ConnexionLcd* c : {&lcd.e, &lcd.rs, &lcd.rw, &lcd.d4, &lcd.d5, &lcd.d6, &lcd.d7}) {
        QJsonObject o = connexion(*c);
        o.insert("level", c->etat);
        lignes.append(o);
    }
    const QJsonObject oLcd{{"display", affichage}, {"text", texte}, {"lines", lignes}, {"data", lcd.d},
                           {"high", lcd.dhigh}, {"low", lcd.dlow}, {"rwLatch", lcd.rw_latch},
                           {"rsLatch", lcd.rs_latch}, {"rsMemo", lcd.rs_memo}, {"eLatch", lcd.e_latch},
                           {"address", lcd.adresse}, {"displayOn", lcd.displayOn}, {"contrast", lcd.contraste},
                           {"timeOut", grand(lcd.timeOut)}, {"time", grand(lcd.time)},
                           {"state", static_cast<int>(lcd.etat)}, {"input", lcd.dirInput}};
    return {{"power", m.power}, {"reset", m.resetTenu}, {"buttons", boutons}, {"led", led}, {"pot", pot},
            {"lcd", oLcd}, {"jack", contact(m.jack)}, {"switch", contact(m.fdc)}, {"switchForced", m.fdcForce},
            {"siliconAsked", m.silicium}, {"resetTime", grand(m.instantReset)}};
}

void EtatModele::carte(const Lecteur& l, Modele& m, int version)
{
    m.power = l.booleen("power");
    // Version 1 did not say it.
    m.resetTenu = version >= 2 && l.booleen("reset");
    m.fdcForce = l.booleen("switchForced");
    if (l.a("siliconAsked")) {
        m.silicium = l.booleen("siliconAsked");
        m.instantReset = l.grand("resetTime");
    }
    const QJsonArray boutons = l.tableau("buttons", 3);
    BoutonCNX* b[3] = {&m.bp0, &m.bp1, &m.bp2};
    for (int i = 0; i < boutons.size(); ++i) {
        std::string e;
        connexion(Lecteur(boutons[i].toObject(), "board.buttons.", &e), *b[i]);
        if (!e.empty())
            l.echec("buttons");
    }
    const Lecteur led = l.sous("led");
    connexion(led, m.ledA6);
    m.ledA6.courant = led.reel("current");
    const Lecteur pot = l.sous("pot");
    connexion(pot, m.potAN0);
    m.potAN0.res = pot.reel("resistance");
    contact(l.sous("jack"), m.jack);
    contact(l.sous("switch"), m.fdc);

    LcdScreen& lcd = m.lcd;
    const Lecteur ll = l.sous("lcd");
    const QJsonArray affichage = ll.tableau("display", 2);
    for (int y = 0; y < affichage.size(); ++y) {
        Byte o[16] = {};
        ll.octets(affichage[y].toString(), o, 16, "display");
        for (int x = 0; x < 16; ++x)
            lcd.ascii[x][y] = o[x];
    }
    const QJsonArray lignes = ll.tableau("lines", 7);
    ConnexionLcd* c[7] = {&lcd.e, &lcd.rs, &lcd.rw, &lcd.d4, &lcd.d5, &lcd.d6, &lcd.d7};
    for (int i = 0; i < lignes.size(); ++i) {
        std::string e;
        const Lecteur lc(lignes[i].toObject(), "board.lcd.lines.", &e);
        connexion(lc, *c[i]);
        c[i]->etat = lc.booleen("level");
        if (!e.empty())
            ll.echec("lines");
    }
    lcd.d = static_cast<int>(ll.entier("data", 0, 255));
    lcd.dhigh = static_cast<int>(ll.entier("high", 0, 255));
    lcd.dlow = static_cast<int>(ll.entier("low", 0, 255));
    lcd.rw_latch = ll.booleen("rwLatch");
    lcd.rs_latch = ll.booleen("rsLatch");
    lcd.rs_memo = ll.booleen("rsMemo");
    lcd.e_latch = ll.booleen("eLatch");
    lcd.adresse = static_cast<int>(ll.entier("address", 0, 127));
    lcd.displayOn = ll.booleen("displayOn");
    lcd.contraste = static_cast<int>(ll.entier("contrast", 0, 255));
    lcd.timeOut = static_cast<unsigned long>(ll.grand("timeOut"));
    lcd.time = static_cast<unsigned long>(ll.grand("time"));
    lcd.etat = static_cast<LcdScreen::EtatLCD>(ll.entier("state", LcdScreen::EtatOff, LcdScreen::EtatWait));
    lcd.dirInput = ll.booleen("input");
}

QJsonObject EtatModele::robot(const Modele& m)
{
    QJsonArray capteurs;
    for (const CaptIrCNX* c : m.tabCaptIR)
        capteurs.append(capteur(*c));
    return {{"x", reel(m.x)}, {"y", reel(m.y)}, {"theta", reel(m.theta)}, {"cos", reel(m.ct)},
            {"sin", reel(m.st)}, {"time", grand(m.temps)}, {"step", m.echant},
            {"left", moteur(*m.moteurG)}, {"right", moteur(*m.moteurD)}, {"sensors", capteurs},
            {"parameters", parametres(m)}};
}

namespace {

// The values of `table` on `o` under their tags: a flag as true or false, a real as
// its shortest exact text.
template <class Objet>
QJsonObject valeurs(const Modele::Champs<Objet>& table, const Objet& o)
{
    QJsonObject v;
    for (const ChampRobot<Objet>& c : table)
        v.insert(QLatin1String(c.balise), c.booleen ? QJsonValue(c.lire(o) != 0.0) : QJsonValue(reel(c.lire(o))));
    return v;
}

QString broche(const Connexion& c)
{
    return c.getPort() ? Port::pinName(c.getPort()->getNumero(), c.getPin())
                       : QString::fromLatin1(Modele::aucuneBroche);
}

// The leaves of one container of the robot file, in the file's order, read from `l`:
// false at the first value missing or of the wrong kind.
template <class Objet>
void feuilles(const Modele::Champs<Objet>& table, const Lecteur& l, const QString& conteneur, const QString& numero,
              bool avecBroche, std::vector<XMLOpenSaveData::Feuille>& f)
{
    for (const ChampRobot<Objet>& c : table) {
        QString texte;
        if (c.booleen) {
            texte = l.booleen(c.balise) ? QStringLiteral("1") : QStringLiteral("0");
        } else {
            l.reel(c.balise);
            texte = l.valeur(c.balise).toString();
        }
        f.push_back({conteneur, numero, QLatin1String(c.balise), texte});
    }
    if (!avecBroche)
        return;
    const QString nom = l.valeur(Modele::baliseConnexion).toString();
    if (nom != QLatin1String(Modele::aucuneBroche) && Modele::indexBroche(nom) < 0)
        l.echec(Modele::baliseConnexion);
    f.push_back({conteneur, numero, QLatin1String(Modele::baliseConnexion), nom});
}

// An angle is kept in radians and written in degrees: of the degrees next to the
// conversion, the one that reads back to the very radians.
double degresExacts(double radians)
{
    const double d = radians * radEnDeg;
    for (int pas = 0; pas <= 4; ++pas)
        for (const double sens : {INFINITY, -INFINITY}) {
            double essai = d;
            for (int k = 0; k < pas; ++k)
                essai = std::nextafter(essai, sens);
            if (essai * degEnRad == radians)
                return essai;
        }
    return d;
}

}  // namespace

QJsonObject EtatModele::parametres(const Modele& m)
{
    QJsonObject p;
    for (const ContactCNX* c : {static_cast<const ContactCNX*>(&m.jack), static_cast<const ContactCNX*>(&m.fdc)}) {
        QJsonObject o = valeurs(Modele::champsContact(), *c);
        o.insert(Modele::baliseConnexion, broche(*c));
        p.insert(c == &m.jack ? "jack" : "fdc", o);
    }
    p.insert("hacheurs", valeurs(Modele::champsHacheurs(), m));
    QJsonArray capteurs;
    for (const CaptIrCNX* c : m.tabCaptIR) {
        QJsonObject o = valeurs(Modele::champsCapteur(), *c);
        o.insert(Modele::baliseConnexion, broche(*c));
        capteurs.append(o);
    }
    p.insert("capteur", capteurs);
    p.insert("params", valeurs(Modele::champsParams(), m));
    p.insert("moteur_g", valeurs(Modele::champsMoteur(), *m.moteurG));
    p.insert("moteur_d", valeurs(Modele::champsMoteur(), *m.moteurD));
    return p;
}

std::vector<XMLOpenSaveData::Feuille> EtatModele::feuillesRobot(const Lecteur& l)
{
    std::vector<XMLOpenSaveData::Feuille> f;
    for (const char* contact : {"jack", "fdc"})
        feuilles(Modele::champsContact(), l.sous(contact), contact, {}, true, f);
    feuilles(Modele::champsHacheurs(), l.sous("hacheurs"), "hacheurs", {}, false, f);
    const QJsonArray capteurs = l.tableau("capteur", -1);
    if (capteurs.size() > Modele::nbCaptIrMax)
        l.echec("capteur");
    for (int i = 0; i < capteurs.size() && i < Modele::nbCaptIrMax; ++i) {
        std::string e;
        feuilles(Modele::champsCapteur(), Lecteur(capteurs[i].toObject(), "robot.parameters.capteur.", &e),
                 "capteur", QString::number(i), true, f);
        if (!e.empty())
            l.echec("capteur");
    }
    feuilles(Modele::champsParams(), l.sous("params"), "params", {}, false, f);
    for (const char* moteur : {"moteur_g", "moteur_d"})
        feuilles(Modele::champsMoteur(), l.sous(moteur), moteur, {}, false, f);
    return f;
}

void EtatModele::litRobot(Modele& m, const std::vector<XMLOpenSaveData::Feuille>& f)
{
    ObservateurActions* observateur = std::exchange(m.observateurActions, nullptr);
    m.litFeuilles(f);
    m.observateurActions = observateur;
}

QJsonArray EtatModele::piste(const Piste& piste)
{
    QJsonArray elements;
    for (unsigned int i = 0; i < piste.size(); ++i) {
        const Portion& p = *piste.getElt(i);
        QJsonObject o{{"element", Portion::balise(p.typeIndex())}};
        for (const DescArg& d : Portion::descriptions(p.typeIndex())) {
            double v = d.lire(p);
            if (const auto* courbe = dynamic_cast<const PortionLigneCourbe*>(&p);
                courbe && std::strcmp(d.balise, "angle") == 0)
                v = degresExacts(courbe->angle);
            else if (p.typeIndex() == 0 && std::strcmp(d.balise, "theta") == 0)
                v = degresExacts(p.getTheta0());
            o.insert(QLatin1String(d.balise), reel(v));
        }
        elements.append(o);
    }
    return elements;
}

std::vector<XMLOpenSaveData::Feuille> EtatModele::feuillesPiste(const QJsonArray& a, const Lecteur& l)
{
    std::vector<XMLOpenSaveData::Feuille> f;
    for (int i = 0; i < a.size(); ++i) {
        std::string e;
        const Lecteur le(a[i].toObject(), "track.", &e);
        const QString balise = le.valeur("element").toString();
        int type = 0;
        while (Portion::balise(type) && balise != QLatin1String(Portion::balise(type)))
            ++type;
        if (!Portion::balise(type)) {
            l.echec("track");
            break;
        }
        for (const DescArg& d : Portion::descriptions(type)) {
            le.reel(d.balise);
            f.push_back({balise, QString::number(i), QLatin1String(d.balise), le.valeur(d.balise).toString()});
        }
        if (!e.empty()) {
            l.echec("track");
            break;
        }
    }
    return f;
}

void EtatModele::robot(const Lecteur& l, Modele& m)
{
    m.x = l.reel("x");
    m.y = l.reel("y");
    m.theta = l.reel("theta");
    m.ct = l.reel("cos");
    m.st = l.reel("sin");
    m.temps = l.grand("time");
    m.echant = static_cast<uint16_t>(l.entier("step", 0, 65535));
    moteur(l.sous("left"), *m.moteurG);
    moteur(l.sous("right"), *m.moteurD);
    // The sensors themselves come from the robot file.
    const QJsonArray capteurs = l.tableau("sensors", m.nbCaptIr());
    for (int i = 0; i < capteurs.size() && i < m.nbCaptIr(); ++i) {
        std::string e;
        capteur(Lecteur(capteurs[i].toObject(), "robot.sensors.", &e), *m.tabCaptIR[static_cast<size_t>(i)]);
        if (!e.empty())
            l.echec("sensors");
    }
}

QJsonObject EtatModele::ecrit(const Modele& mc, const Seance& s, const FichiersEtat& f)
{
    // Reading the event wheel's chains needs the events themselves; nothing is changed.
    Modele& m = const_cast<Modele&>(mc);
    QJsonObject puceO = puce(m.pic);
    puceO.insert("events", evts(m));
    QJsonArray actions;
    for (const Action& a : f.actions)
        actions.append(QString::fromStdString(texteInstant(a.ticks) + " " + texteAction(a)));
    const QJsonObject run{{"clock", grand(s.horloge())},
                          {"off", grand(s.horloge() - s.ticksExecutes())},
                          {"running", s.tourne()},
                          {"seed", hex(f.graine, 1)},
                          {"actions", actions}};
    return {{"format", formatEtat},
            {"version", versionEtat},
            {"files", QJsonObject{{"program", QString::fromStdString(f.programme)},
                                  {"sha256", QString::fromStdString(f.empreinte)},
                                  {"robot", QString::fromStdString(f.robot)},
                                  {"track", QString::fromStdString(f.piste)}}},
            {"run", run},
            {"random", hex(Aleatoire::etatCourant(), 16)},
            {"chip", puceO},
            {"board", carte(m)},
            {"robot", robot(m)},
            {"track", piste(*m.getPiste())}};
}

void EtatModele::lit(const Lecteur& l, Modele& m)
{
    const Lecteur lp = l.sous("chip");
    puce(lp, m.pic);
    evts(lp.sous("events"), m);
    carte(l.sous("board"), m, l.valeur("version").toInt());
    robot(l.sous("robot"), m);
    const uint64_t hasard = l.grand("random");
    if (hasard == 0)
        l.echec("random");
    if (!l.ok())
        return;
    Aleatoire::reprend(hasard);
    // Held in reset: what shows the board and paces it follows, as at the press.
    if (m.power && m.resetTenu)
        emit m.setPowerOff();
}

FichiersEtat fichiersDuRun(const Enregistreur& enregistreur, FichiersEtat f)
{
    for (const Action& a : enregistreur.actions()) {
        if (a.type == Action::Programme)
            f.programme = a.fichier;
        else if (a.type == Action::Robot)
            f.robot = a.fichier;
        else if (a.type == Action::Piste)
            f.piste = a.fichier;
    }
    for (std::string* nom : {&f.programme, &f.robot, &f.piste})
        if (!nom->empty())
            *nom = QFile::encodeName(QFileInfo(QFile::decodeName(nom->c_str())).absoluteFilePath()).toStdString();
    f.empreinte = empreinteFichier(f.programme);
    f.graine = enregistreur.graine();
    f.actions = enregistreur.actions();
    return f;
}

QByteArray texteEtat(const Modele& m, const Seance& s, const FichiersEtat& fichiers)
{
    return QJsonDocument(EtatModele::ecrit(m, s, fichiers)).toJson(QJsonDocument::Indented);
}

bool ecrireEtat(const std::string& chemin, const QByteArray& texte, std::string& erreur)
{
    QSaveFile f(QFile::decodeName(chemin.c_str()));
    if (!f.open(QIODevice::WriteOnly) || f.write(texte) != texte.size() || !f.commit()) {
        erreur = chemin + ": cannot be written (" + f.errorString().toStdString() + ")";
        return false;
    }
    return true;
}

bool analyseEtat(const QByteArray& texte, const std::string& chemin, EtatLu& etat, std::string& erreur)
{
    etat = EtatLu();
    etat.chemin = chemin;
    QJsonParseError e{};
    const QJsonDocument doc = QJsonDocument::fromJson(texte, &e);
    if (doc.isNull() || !doc.isObject()) {
        erreur = chemin + ": not a tavrex state (" + fauteJson(e.error) + " at byte " + std::to_string(e.offset) + ")";
        return false;
    }
    const QJsonObject o = doc.object();
    if (o.value("format").toString() != QLatin1String(formatEtat)) {
        erreur = chemin + ": not a tavrex state";
        return false;
    }
    const QJsonValue version = o.value("version");
    if (!version.isDouble() || version.toDouble() != version.toInt() || version.toInt() < 1) {
        erreur = chemin + ": bad state version";
        return false;
    }
    if (version.toInt() > versionEtat) {
        erreur = chemin + ": state version " + std::to_string(version.toInt()) + " is newer than this program's (" +
                 std::to_string(versionEtat) + ")";
        return false;
    }
    std::string faute;
    const Lecteur l(o, "", &faute);
    FichiersEtat& f = etat.fichiers;
    const Lecteur lp = l.sous("files");
    f.programme = lp.valeur("program").toString().toStdString();
    f.empreinte = lp.valeur("sha256").toString().toStdString();
    f.robot = lp.valeur("robot").toString().toStdString();
    f.piste = lp.valeur("track").toString().toStdString();
    const Lecteur run = l.sous("run");
    f.graine = run.grand("seed");
    for (const QJsonValue& v : run.tableau("actions", -1)) {
        const std::string ligne = v.toString().toStdString();
        const size_t espace = ligne.find(' ');
        Action a;
        std::string raison;
        if (espace == std::string::npos || !lireInstant(ligne.substr(0, espace), a.ticks) ||
            !lireAction(ligne.substr(espace + 1), a, raison)) {
            run.echec("actions");
            break;
        }
        a.ordre = static_cast<int>(f.actions.size());
        f.actions.push_back(a);
    }
    if (f.empreinte.size() != 64)
        lp.echec("sha256");
    if (!faute.empty()) {
        erreur = chemin + ": " + faute;
        return false;
    }
    etat.racine = o;
    etat.version = version.toInt();
    return true;
}

bool lireEtat(const std::string& chemin, EtatLu& etat, std::string& erreur)
{
    QFile f(QFile::decodeName(chemin.c_str()));
    if (!f.open(QIODevice::ReadOnly)) {
        erreur = chemin + ": cannot be read (" + f.errorString().toStdString() + ")";
        return false;
    }
    return analyseEtat(f.readAll(), chemin, etat, erreur);
}

std::unique_ptr<Modele> prepareCarteEtat(const EtatLu& etat, const FichiersEtat& donnes, std::string& erreur)
{
    const FichiersEtat& f = etat.fichiers;
    DonneesCarte d;
    d.programme = donnes.programme.empty() ? f.programme : donnes.programme;
    d.graine = f.graine;
    // The board is built in the mode the state was saved in.
    d.silicium = etat.racine.value("chip").toObject().value("silicium").toBool();
    if (!(erreur = defautFichierLu(d.programme)).empty())
        return nullptr;
    if (empreinteFichier(d.programme) != f.empreinte) {
        erreur = etat.chemin + ": saved with another program than " + d.programme + " (SHA-256 " + f.empreinte + ")";
        return nullptr;
    }
    std::string note;
    std::unique_ptr<Modele> m = prepareCarte(d, erreur, note);
    if (m && !montageEtat(etat, *m, donnes, erreur))
        return nullptr;
    return m;
}

bool montageEtat(const EtatLu& etat, Modele& m, const FichiersEtat& donnes, std::string& erreur)
{
    const FichiersEtat& f = etat.fichiers;
    // Read whole before the board is touched.
    const bool tenus = etat.version >= 2;
    std::string faute;
    const Lecteur l(etat.racine, "", &faute);
    std::vector<XMLOpenSaveData::Feuille> robot, piste;
    if (tenus && donnes.piste.empty())
        piste = EtatModele::feuillesPiste(l.tableau("track", -1), l);
    if (tenus && donnes.robot.empty())
        robot = EtatModele::feuillesRobot(l.sous("robot").sous("parameters"));
    if (!faute.empty()) {
        erreur = etat.chemin + ": " + faute;
        return false;
    }
    const std::string fichierPiste = donnes.piste.empty() && !tenus ? f.piste : donnes.piste;
    const std::string fichierRobot = donnes.robot.empty() && !tenus ? f.robot : donnes.robot;
    if (!fichierPiste.empty()) {
        if (!m.chargePiste(QFile::decodeName(fichierPiste.c_str()))) {
            erreur = illisibleComme(fichierPiste, "track");
            return false;
        }
    } else if (tenus) {
        m.getPiste()->litFeuilles(piste);
    }
    if (!fichierRobot.empty()) {
        if (!m.chargeRobot(QFile::decodeName(fichierRobot.c_str()))) {
            erreur = illisibleComme(fichierRobot, "robot");
            return false;
        }
    } else if (tenus) {
        EtatModele::litRobot(m, robot);
    }
    return true;
}

bool restaureEtat(const EtatLu& etat, Modele& m, Seance* s, std::string& erreur)
{
    std::string faute;
    const Lecteur l(etat.racine, "", &faute);
    EtatModele::lit(l, m);
    const Lecteur run = l.sous("run");
    const uint64_t horloge = run.grand("clock");
    const uint64_t horsTension = run.grand("off", horloge);
    const bool tourne = run.booleen("running");
    if (!faute.empty()) {
        erreur = etat.chemin + ": " + faute;
        return false;
    }
    if (s)
        s->reprend(horloge, horsTension, tourne);
    return true;
}

namespace {

// Every value under its path ("chip.sfr.PORTB", "chip.ram[3]").
void aplatit(const QJsonValue& v, const std::string& chemin, std::map<std::string, std::string>& valeurs)
{
    if (v.isObject()) {
        const QJsonObject o = v.toObject();
        for (auto it = o.begin(); it != o.end(); ++it)
            aplatit(it.value(), chemin.empty() ? it.key().toStdString() : chemin + "." + it.key().toStdString(),
                    valeurs);
    } else if (v.isArray()) {
        const QJsonArray a = v.toArray();
        for (int i = 0; i < a.size(); ++i)
            aplatit(a[i], chemin + "[" + std::to_string(i) + "]", valeurs);
    } else {
        valeurs[chemin] = QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact).mid(1).chopped(1).toStdString();
    }
}

std::string sansGuillemets(const std::string& t)
{
    return t.size() >= 2 && t.front() == '"' ? t.substr(1, t.size() - 2) : t;
}

}  // namespace

std::vector<std::string> differencesEtats(const EtatLu& a, const EtatLu& b)
{
    std::map<std::string, std::string> va, vb;
    aplatit(a.racine, "", va);
    aplatit(b.racine, "", vb);
    std::set<std::string> chemins;
    for (const auto& p : va)
        chemins.insert(p.first);
    for (const auto& p : vb)
        chemins.insert(p.first);
    std::vector<std::string> lignes;
    for (const std::string& c : chemins) {
        const auto ia = va.find(c), ib = vb.find(c);
        const std::string x = ia == va.end() ? "(none)" : sansGuillemets(ia->second);
        const std::string y = ib == vb.end() ? "(none)" : sansGuillemets(ib->second);
        if (x == y || c.rfind("board.lcd.text", 0) == 0)
            continue;
        unsigned n = 0;
        char nom[64];
        if (std::sscanf(c.c_str(), "chip.ram[%u]", &n) == 1 && x.size() == y.size()) {
            // Byte by byte: "RAM 0x123: 05 -> 07".
            for (size_t k = 5; k + 2 <= x.size(); k += 3)
                if (x.compare(k, 2, y, k, 2) != 0)
                    lignes.push_back("RAM " + QString::asprintf("0x%03x", n * 16 + static_cast<unsigned>(k - 5) / 3).toStdString() +
                                     ": " + x.substr(k, 2) + " -> " + y.substr(k, 2));
            continue;
        }
        if (std::sscanf(c.c_str(), "chip.sfr.%63s", nom) == 1) {
            lignes.push_back(std::string(nom) + ": " + x + " -> " + y);
            // A port register: its pins by name too.
            if (std::strlen(nom) == 5 && std::strncmp(nom, "PORT", 4) == 0 && nom[4] >= 'A' && nom[4] <= 'E') {
                const unsigned long p = std::strtoul(x.c_str(), nullptr, 16), q = std::strtoul(y.c_str(), nullptr, 16);
                for (int bit = 0; bit < 8; ++bit)
                    if (((p ^ q) >> bit) & 1)
                        lignes.push_back("pin R" + std::string(1, nom[4]) + std::to_string(bit) + ": " +
                                         std::to_string((p >> bit) & 1) + " -> " + std::to_string((q >> bit) & 1));
            }
            continue;
        }
        if (std::sscanf(c.c_str(), "board.lcd.display[%u]", &n) == 1) {
            // Told as text when both sides have one.
            const std::string t = "board.lcd.text[" + std::to_string(n) + "]";
            const bool textes = va.count(t) && vb.count(t);
            lignes.push_back("LCD line " + std::to_string(n + 1) + ": " + (textes ? va[t] : x) + " -> " +
                             (textes ? vb[t] : y));
            continue;
        }
        if (c == "robot.x" || c == "robot.y" || c == "robot.theta") {
            lignes.push_back("pose " + c.substr(6) + ": " + x + " -> " + y);
            continue;
        }
        // A parameter of the robot by its file's names, an element of the track by its number.
        const std::string parametre = "robot.parameters.";
        if (c.rfind(parametre, 0) == 0 || c.rfind("track[", 0) == 0) {
            std::string nom = c.rfind(parametre, 0) == 0 ? "robot " + c.substr(parametre.size())
                                                          : "track element " + c.substr(6);
            for (const char* de : {"[", "].", "."}) {
                for (size_t p = nom.find(de); p != std::string::npos; p = nom.find(de))
                    nom.replace(p, std::strlen(de), " ");
            }
            if (nom.back() == ']')
                nom.pop_back();
            lignes.push_back(nom + ": " + x + " -> " + y);
            continue;
        }
        lignes.push_back(c + ": " + x + " -> " + y);
    }
    return lignes;
}

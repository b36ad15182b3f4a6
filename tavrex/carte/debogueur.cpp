#include "debogueur.h"

#include <algorithm>
#include <cctype>
#include <climits>

#include "actions.h"
#include "modele.h"
#include "seance.h"
#include "symboles.h"

namespace {

std::string sansBlancs(const std::string& t)
{
    const size_t debut = t.find_first_not_of(" \t");
    if (debut == std::string::npos)
        return {};
    return t.substr(debut, t.find_last_not_of(" \t") - debut + 1);
}

// A whole number written in decimal or with 0x in hex, blanks around it.
bool lireNombre(const std::string& texte, long long& n)
{
    uint64_t v = 0;
    if (!lireNaturel(sansBlancs(texte), v) || v > static_cast<uint64_t>(LLONG_MAX))
        return false;
    n = static_cast<long long>(v);
    return true;
}

bool egalSansCasse(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

}  // namespace

Debogueur::Debogueur(Seance& s, Modele& m, QObject* parent) : QObject(parent), seance(s), modele(m)
{
    seance.setGarde(this);
    // A new start: arrivals counted again, conditions seen as the reset leaves them.
    surMarche = connect(&modele, &Modele::setPowerOn, this, [this] {
        for (PointArret& p : liste)
            p.arrivees = 0;
        rafraichit();
    });
}

Debogueur::~Debogueur()
{
    disconnect(surMarche);
    liste.clear();
    curseur.reset();
    retour.reset();
    majMarques();
    seance.suisPasAPas(false);
    seance.setGarde(nullptr);
}

void Debogueur::setSymboles(const Symboles* s)
{
    symboles = s;
}

P18f4550& Debogueur::pic() const
{
    return *modele.getProcesseur();
}

// --- Breakpoints -----------------------------------------------------------------------

int Debogueur::ajouteAdresse(const std::string& texte, Refus* refus)
{
    Refus r = Refus::Syntaxe;
    const int id = placeAdresse(texte, r);
    if (refus)
        *refus = r;
    return id;
}

int Debogueur::placeAdresse(const std::string& texte, Refus& refus)
{
    // "ADDR|LABEL[:N]": the arrival after the last colon.
    std::string lieu_ = sansBlancs(texte);
    long long passage = 1;
    const size_t deuxPoints = lieu_.rfind(':');
    if (deuxPoints != std::string::npos) {
        if (!lireNombre(lieu_.substr(deuxPoints + 1), passage) || passage < 1 || passage > 1'000'000'000) {
            refus = Refus::Syntaxe;
            return -1;
        }
        lieu_ = sansBlancs(lieu_.substr(0, deuxPoints));
    }
    long long adresse = 0;
    if (lieu_.empty()) {
        refus = Refus::Syntaxe;
        return -1;
    }
    if (std::isdigit(static_cast<unsigned char>(lieu_[0]))) {
        if (!lireNombre(lieu_, adresse)) {
            refus = Refus::Syntaxe;
            return -1;
        }
    } else {
        const std::optional<long long> v = symboles ? symboles->valeur(lieu_) : std::nullopt;
        if (!v) {
            refus = Refus::SymboleInconnu;
            return -1;
        }
        adresse = *v;
    }
    // Instructions begin at even addresses of the program memory.
    if (adresse < 0 || adresse >= memoireProgramme || (adresse & 1)) {
        refus = Refus::HorsMemoire;
        return -1;
    }
    PointArret p;
    p.id = prochainId++;
    p.genre = Genre::Adresse;
    p.texte = sansBlancs(texte);
    p.adresse = static_cast<uint32_t>(adresse);
    p.passage = static_cast<int>(passage);
    liste.push_back(p);
    refus = Refus::Aucun;
    majMarques();
    return p.id;
}

int Debogueur::ajouteCondition(const std::string& texte, Refus* refus)
{
    Refus r = Refus::Syntaxe;
    Condition c;
    const int id = lireCondition(texte, c, r) ? prochainId++ : -1;
    if (refus)
        *refus = r;
    if (id < 0)
        return -1;
    PointArret p;
    p.id = id;
    p.genre = Genre::Condition;
    p.texte = sansBlancs(texte);
    liste.push_back(p);
    c.id = id;
    c.tenue = c.vraie(pic());
    conditions.push_back(c);
    seance.suisPasAPas(true);
    return id;
}

bool Debogueur::lireCondition(const std::string& texte, Condition& c, Refus& refus) const
{
    // "REG [& MASK] OP VALUE": the operator first, two characters before one.
    static const struct
    {
        const char* texte;
        Comparaison op;
    } operateurs[] = {{"==", Comparaison::Egal},      {"!=", Comparaison::Different},
                      {"<=", Comparaison::InferieurOuEgal}, {">=", Comparaison::SuperieurOuEgal},
                      {"<", Comparaison::Inferieur},  {">", Comparaison::Superieur}};
    refus = Refus::Syntaxe;
    size_t position = std::string::npos, longueur = 0;
    for (const auto& o : operateurs) {
        position = texte.find(o.texte);
        if (position != std::string::npos) {
            c.op = o.op;
            longueur = std::char_traits<char>::length(o.texte);
            break;
        }
    }
    if (position == std::string::npos)
        return false;
    std::string gauche = texte.substr(0, position);
    long long valeur = 0;
    if (!lireNombre(texte.substr(position + longueur), valeur) || valeur > 0xFF)
        return false;
    c.valeur = static_cast<int>(valeur);
    const size_t et = gauche.find('&');
    if (et != std::string::npos) {
        long long masque = 0;
        if (!lireNombre(gauche.substr(et + 1), masque) || masque > 0xFF)
            return false;
        c.masque = static_cast<Byte>(masque);
        gauche = gauche.substr(0, et);
    }
    gauche = sansBlancs(gauche);
    if (gauche.empty())
        return false;
    long long adresse = 0;
    if (std::isdigit(static_cast<unsigned char>(gauche[0]))) {
        if (!lireNombre(gauche, adresse))
            return false;
    } else {
        // An SFR as the data memory names it, or a symbol of the program.
        const int premier = DataMemory::taille - 160;
        int sfr = -1;
        for (int i = 0; i < 160 && sfr < 0; ++i)
            if (egalSansCasse(gauche, DataMemory::nameSFR[i]))
                sfr = premier + i;
        if (sfr >= 0) {
            adresse = sfr;
        } else {
            const std::optional<long long> v = symboles ? symboles->valeur(gauche) : std::nullopt;
            if (!v) {
                refus = Refus::SymboleInconnu;
                return false;
            }
            adresse = *v;
        }
    }
    if (adresse < 0 || adresse >= DataMemory::taille) {
        refus = Refus::HorsMemoire;
        return false;
    }
    c.adresse = static_cast<Word>(adresse);
    refus = Refus::Aucun;
    return true;
}

bool Debogueur::Condition::vraie(const P18f4550& p) const
{
    const int v = p.valeurLue(adresse) & masque;
    switch (op) {
    case Comparaison::Egal: return v == valeur;
    case Comparaison::Different: return v != valeur;
    case Comparaison::Inferieur: return v < valeur;
    case Comparaison::InferieurOuEgal: return v <= valeur;
    case Comparaison::Superieur: return v > valeur;
    case Comparaison::SuperieurOuEgal: return v >= valeur;
    }
    return false;
}

bool Debogueur::Front::niveauDe(const P18f4550& p) const
{
    // PORTx holds the levels the pins had at their last evaluation.
    return (p.getDM()->readDirect(static_cast<Word>(DataMemory::PORTA + port)) >> bit) & 1;
}

int Debogueur::ajouteFront(int port, int bit, bool montant)
{
    if (port < 0 || port > 4 || bit < 0 || bit > 7)
        return -1;
    PointArret p;
    p.id = prochainId++;
    p.genre = Genre::Front;
    p.texte = std::string("R") + static_cast<char>('A' + port) + static_cast<char>('0' + bit) +
              (montant ? " rising" : " falling");
    liste.push_back(p);
    Front f;
    f.id = p.id;
    f.port = port;
    f.bit = bit;
    f.montant = montant;
    f.niveau = f.niveauDe(pic());
    fronts.push_back(f);
    seance.suisPasAPas(true);
    return p.id;
}

Debogueur::PointArret* Debogueur::point(int id)
{
    const auto it = std::find_if(liste.begin(), liste.end(), [id](const PointArret& p) { return p.id == id; });
    return it == liste.end() ? nullptr : &*it;
}

void Debogueur::active(int id, bool actif)
{
    PointArret* p = point(id);
    if (!p || p->actif == actif)
        return;
    p->actif = actif;
    for (Condition& c : conditions)
        if (c.id == id)
            c.actif = actif;
    for (Front& f : fronts)
        if (f.id == id)
            f.actif = actif;
    if (actif)
        rafraichit();
    majMarques();
    majPasAPas();
}

void Debogueur::retire(int id)
{
    liste.erase(std::remove_if(liste.begin(), liste.end(), [id](const PointArret& p) { return p.id == id; }),
                liste.end());
    conditions.erase(std::remove_if(conditions.begin(), conditions.end(),
                                    [id](const Condition& c) { return c.id == id; }),
                     conditions.end());
    fronts.erase(std::remove_if(fronts.begin(), fronts.end(), [id](const Front& f) { return f.id == id; }),
                 fronts.end());
    majMarques();
    majPasAPas();
}

const std::vector<Debogueur::PointArret>& Debogueur::points() const
{
    return liste;
}

int Debogueur::pointA(uint32_t adresse) const
{
    for (const PointArret& p : liste)
        if (p.genre == Genre::Adresse && p.adresse == adresse)
            return p.id;
    return -1;
}

std::string Debogueur::texteRefus(Refus refus, const std::string& option, const std::string& texte)
{
    const std::string tete = option + " " + texte + ": ";
    switch (refus) {
    case Refus::Aucun: return {};
    case Refus::SymboleInconnu:
        return tete + (option == "--break" ? "unknown label" : "unknown register or symbol");
    case Refus::HorsMemoire:
        return tete + (option == "--break" ? "not an instruction address of the program memory (even, below 0x8000)"
                                           : "not a data memory address (below 0x1000)");
    case Refus::Syntaxe: break;
    }
    return tete + (option == "--break" ? "expected ADDR or LABEL, then :N for the Nth arrival"
                                       : "expected REG [& MASK] OP VALUE, OP one of == != < <= > >=, VALUE 0 to 255");
}

bool Debogueur::ajouteTextes(const std::vector<std::string>& points, const std::vector<std::string>& textes,
                             const std::string& sansSymboles, std::string& erreur)
{
    auto refuse = [&](Refus r, const char* option, const std::string& t) {
        erreur = texteRefus(r, option, t);
        if (r == Refus::SymboleInconnu && !sansSymboles.empty())
            erreur += "; " + sansSymboles;
        return false;
    };
    Refus r = Refus::Aucun;
    for (const std::string& t : points)
        if (ajouteAdresse(t, &r) < 0)
            return refuse(r, "--break", t);
    for (const std::string& t : textes)
        if (ajouteCondition(t, &r) < 0)
            return refuse(r, "--break-if", t);
    return true;
}

bool Debogueur::actifs(Genre genre) const
{
    return std::any_of(liste.begin(), liste.end(), [genre](const PointArret& p) { return p.actif && p.genre == genre; });
}

void Debogueur::majPasAPas()
{
    seance.suisPasAPas(actifs(Genre::Condition) || actifs(Genre::Front));
}

void Debogueur::majMarques()
{
    // The addresses to stop before: the active breakpoints', the cursor's, the return
    // of a CALL stepped over.
    std::set<uint32_t> voulues;
    for (const PointArret& p : liste)
        if (p.actif && p.genre == Genre::Adresse)
            voulues.insert(p.adresse);
    if (curseur)
        voulues.insert(*curseur);
    if (retour)
        voulues.insert(retour->adresse);
    for (uint32_t a : marquees)
        if (!voulues.count(a))
            pic().marque(a, false);
    for (uint32_t a : voulues)
        if (!marquees.count(a))
            pic().marque(a, true);
    marquees = std::move(voulues);
}

void Debogueur::rafraichit()
{
    for (Condition& c : conditions)
        c.tenue = c.vraie(pic());
    for (Front& f : fronts)
        f.niveau = f.niveauDe(pic());
}

// --- Stops -------------------------------------------------------------------------------

Debogueur::Arret Debogueur::arretIci(Raison raison, int id) const
{
    Arret a;
    a.raison = raison;
    a.point = id;
    a.pc = pic().getFetchPC();
    a.ticks = seance.ticksExecutes();
    return a;
}

int Debogueur::arrivee(uint32_t pc)
{
    // Every active breakpoint of the address counts the arrival; the first of them
    // that reached its passage stops the run.
    int id = 0;
    for (PointArret& p : liste)
        if (p.actif && p.genre == Genre::Adresse && p.adresse == pc && ++p.arrivees >= p.passage && id == 0)
            id = p.id;
    return id;
}

int Debogueur::niveauPile() const
{
    return pic().getDM()->readDirect(DataMemory::STKPTR) & 0x1F;
}

bool Debogueur::devantMarque()
{
    const uint32_t pc = pic().getFetchPC();
    const int id = arrivee(pc);
    if (id)
        enCours = arretIci(Raison::Point, id);
    else if (curseur && *curseur == pc)
        enCours = arretIci(Raison::Curseur);
    else if (retour && retour->adresse == pc && niveauPile() == retour->niveau)
        enCours = arretIci(Raison::PasPrincipal);
    else
        return false;
    arriveeComptee = true;
    return true;
}

bool Debogueur::apresInstruction()
{
    const P18f4550& p = pic();
    int id = 0;
    for (Condition& c : conditions) {
        const bool vraie = c.vraie(p);
        if (vraie && !c.tenue && id == 0 && c.actif)
            id = c.id;
        c.tenue = vraie;
    }
    for (Front& f : fronts) {
        const bool niveau = f.niveauDe(p);
        if (niveau != f.niveau && niveau == f.montant && id == 0 && f.actif)
            id = f.id;
        f.niveau = niveau;
    }
    if (!id)
        return false;
    enCours = arretIci(Raison::Point, id);
    return true;
}

void Debogueur::arretee()
{
    termine(enCours ? *enCours : arretIci(Raison::Pause));
}

void Debogueur::termine(Arret a)
{
    enCours.reset();
    // The instruction of a breakpoint is next: the arrival counts, once, whatever
    // stopped the run here.
    if (!arriveeComptee && pic().marqueEnAttente()) {
        const int id = arrivee(a.pc);
        if (id && a.raison != Raison::Point) {
            a.raison = Raison::Point;
            a.point = id;
        }
    }
    arriveeComptee = true;
    curseur.reset();
    retour.reset();
    majMarques();
    dernier = a;
    emit arrete(a);
}

// --- Control -----------------------------------------------------------------------------

bool Debogueur::enPause() const
{
    return seance.enPause();
}

void Debogueur::pause()
{
    if (seance.enPause())
        return;
    enCours = arretIci(Raison::Pause);
    seance.suspend();
}

void Debogueur::reprise()
{
    // The arrival at the instruction the run stands before is counted: it runs.
    if (!pic().entreDeuxCycles())
        pic().franchitMarque();
    arriveeComptee = false;
    rafraichit();
}

void Debogueur::continuer()
{
    if (!seance.enPause())
        return;
    reprise();
    seance.reprend();
    emit repris();
}

void Debogueur::pas()
{
    if (!seance.enPause()) {
        pause();
        return;
    }
    reprise();
    seance.unPas();
    termine(arretIci(Raison::Pas));
}

void Debogueur::pasPrincipal()
{
    if (!seance.enPause()) {
        pause();
        return;
    }
    const uint32_t pc = pic().getFetchPC();
    const Instruction* i = pic().getFM()->instruction(pc);
    if (i->numero() != Op::CALL && i->numero() != Op::RCALL) {
        pas();
        return;
    }
    // Back at this depth of the stack, at the word after the call: recursive calls
    // pass the return address deeper in the stack.
    retour = Retour{(pc + (i->numero() == Op::CALL ? 4 : 2)) & (memoireProgramme - 1), niveauPile()};
    majMarques();
    continuer();
}

void Debogueur::jusquA(uint32_t adresse)
{
    if (adresse >= memoireProgramme || (adresse & 1))
        return;
    curseur = adresse;
    majMarques();
    continuer();
}

void Debogueur::ecrit(uint16_t adresse, uint8_t valeur)
{
    if (adresse >= DataMemory::taille)
        return;
    pic().ecritDonnee(adresse, valeur);
}

std::optional<Debogueur::Arret> Debogueur::dernierArret() const
{
    return dernier;
}

#ifndef TAVREX_DEBOGUEUR_H
#define TAVREX_DEBOGUEUR_H

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <QMetaObject>
#include <QObject>

#include "seance.h"
#include "types.h"

class Modele;
class P18f4550;
class Symboles;

// Stops a run at instruction boundaries and looks at it there: breakpoints (a program
// address, or its Nth arrival; a condition on a register or RAM byte; a pin's edge),
// pause, one instruction, a CALL or RCALL stepped over, run to an address. It drives
// the board only through its run (Seance), so that entries due while it steps are
// played at their instants and a run with pauses and steps ends as one without.
// With no breakpoint set and no step asked, the run goes as fast as without it.
class Debogueur : public QObject, private Seance::Garde
{
    Q_OBJECT

public:
    enum class Genre { Adresse, Condition, Front };
    struct PointArret
    {
        int id = 0;
        Genre genre = Genre::Adresse;
        std::string texte;      // as written: "boucle", "0x0124:3", "PORTB & 0x08 == 0", "RB0 rising"
        bool actif = true;
        uint32_t adresse = 0;   // Adresse: the instruction's program address
        int passage = 1;        // Adresse: the first arrival it stops at (1: the first), and every one after
        int arrivees = 0;       // Adresse: arrivals counted since the run started
    };

    // Why a breakpoint's text is refused.
    enum class Refus { Aucun, Syntaxe, SymboleInconnu, HorsMemoire };

    enum class Raison { Pause, Pas, PasPrincipal, Curseur, Point };
    struct Arret
    {
        Raison raison = Raison::Pause;
        int point = 0;        // Point: its id
        uint32_t pc = 0;      // the address of the instruction that executes next
        uint64_t ticks = 0;   // chip time run since the start (Seance::ticksExecutes)
    };

    Debogueur(Seance& seance, Modele& modele, QObject* parent = nullptr);
    ~Debogueur() override;

    // The labels the breakpoints' texts may name; none by default.
    void setSymboles(const Symboles* symboles);

    // `texte` as the runner's --break: "ADDR|LABEL[:N]" (ADDR decimal or 0x hex,
    // LABEL with an optional +OFFSET). Returns the new breakpoint's id, or -1 and why.
    int ajouteAdresse(const std::string& texte, Refus* refus = nullptr);
    // `texte` as the runner's --break-if: "REG [& MASK] OP VALUE", REG an SFR's name,
    // a data memory address or a symbol (+OFFSET), OP one of == != < <= > >=.
    int ajouteCondition(const std::string& texte, Refus* refus = nullptr);
    // An edge of a port's pin: `port` 0 to 4 for A to E, `bit` 0 to 7.
    int ajouteFront(int port, int bit, bool montant);
    void active(int id, bool actif);
    void retire(int id);
    const std::vector<PointArret>& points() const;
    // The address breakpoint at a program address, -1 when none (the margin's toggle).
    int pointA(uint32_t adresse) const;
    // One English line for the runner: "--break boucle: unknown label" and the like.
    static std::string texteRefus(Refus refus, const std::string& option, const std::string& texte);
    // The command line's --break and --break-if texts, in their order. At the first one
    // refused, false with its line in `erreur`; `sansSymboles`, when not empty, says
    // why no label is known and ends the line of an unknown one.
    bool ajouteTextes(const std::vector<std::string>& points, const std::vector<std::string>& conditions,
                      const std::string& sansSymboles, std::string& erreur);

    // Control. A pause comes at the next instruction boundary; the steps run from a
    // pause and end in one. While paused, chip time stands still; the front end stops
    // its slices until `continuer`.
    bool enPause() const;
    void pause();
    void continuer();
    void pas();
    void pasPrincipal();
    void jusquA(uint32_t adresse);
    // A data memory write made while paused, through the model as a program's write
    // (its side effects included).
    void ecrit(uint16_t adresse, uint8_t valeur);

    // The last stop of this run, if any.
    std::optional<Arret> dernierArret() const;

signals:
    // The run stopped: asked, after a step, at the cursor or at a breakpoint.
    void arrete(const Debogueur::Arret& arret);
    void repris();

private:
    static constexpr uint32_t memoireProgramme = 0x8000;

    enum class Comparaison { Egal, Different, Inferieur, InferieurOuEgal, Superieur, SuperieurOuEgal };
    // A condition stops the run where it becomes true: it held not at the boundary
    // before (nor when the run last resumed, or the board last started).
    struct Condition
    {
        int id = 0;
        bool actif = true;
        Word adresse = 0;
        Byte masque = 0xFF;
        Comparaison op = Comparaison::Egal;
        int valeur = 0;
        bool tenue = false;
        bool vraie(const P18f4550& p) const;
    };
    struct Front
    {
        int id = 0;
        bool actif = true;
        int port = 0;
        int bit = 0;
        bool montant = true;
        bool niveau = false;
        bool niveauDe(const P18f4550& p) const;
    };
    // The return of a CALL or RCALL stepped over: its address, at its stack depth.
    struct Retour
    {
        uint32_t adresse;
        int niveau;
    };

    // Seance::Garde.
    bool devantMarque() override;
    bool apresInstruction() override;
    void arretee() override;

    int placeAdresse(const std::string& texte, Refus& refus);
    bool lireCondition(const std::string& texte, Condition& c, Refus& refus) const;
    PointArret* point(int id);
    bool actifs(Genre genre) const;
    // The markers in the program memory and the instruction-by-instruction run as the
    // breakpoints, the cursor and a step over want them.
    void majMarques();
    void majPasAPas();
    // The conditions and pins as they are now, from which a change is seen.
    void rafraichit();
    P18f4550& pic() const;
    int niveauPile() const;
    Arret arretIci(Raison raison, int id = 0) const;
    // The run came before the instruction at `pc`: the id of the breakpoint that
    // stops it there, 0 when none does.
    int arrivee(uint32_t pc);
    // The run goes on from a pause: past the instruction it stands before.
    void reprise();
    void termine(Arret a);

    Seance& seance;
    Modele& modele;
    const Symboles* symboles = nullptr;
    std::vector<PointArret> liste;
    std::vector<Condition> conditions;
    std::vector<Front> fronts;
    int prochainId = 1;
    std::set<uint32_t> marquees;
    std::optional<uint32_t> curseur;
    std::optional<Retour> retour;
    // The stop being made, said once the run has returned.
    std::optional<Arret> enCours;
    std::optional<Arret> dernier;
    // The arrival at the instruction the run stands before is counted.
    bool arriveeComptee = false;
    QMetaObject::Connection surMarche;
};

#endif

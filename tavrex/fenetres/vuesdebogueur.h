#ifndef TAVREX_VUESDEBOGUEUR_H
#define TAVREX_VUESDEBOGUEUR_H

// What the debugger window shows of the chip, as item models for its table views.
// They only read the chip, through reads without side effects, and only when asked:
// the window asks at each stop and, while the program runs, at its own slow pace.

#include <array>
#include <cstdint>
#include <vector>

#include <QAbstractTableModel>
#include <QString>

#include "types.h"

class Debogueur;
class Modele;
class P18f4550;
class Symboles;

// "0x01A4": a value in hex, upper-case digits, at least `chiffres` of them.
QString hexa(uint32_t valeur, int chiffres);

// The values of data memory and of the return stack at the last stop and at the one
// before: what changed between them is highlighted (while the program runs, what
// changed since the last stop).
class Releve
{
public:
    explicit Releve(const P18f4550& pic);

    // The program stopped: the values now are the new reference's successors.
    void arret();
    // The program runs again: changes are counted from this stop.
    void reprise();
    // From scratch (a program loaded): nothing changed.
    void efface();

    // A data memory byte as the program would read it now, without side effects:
    // the timers' counts are computed, not caught up.
    Byte octet(Word adresse) const;
    bool change(Word adresse) const { return octet(adresse) != reference[adresse]; }
    DWord pile(int niveau) const;
    bool pileChangee(int niveau) const { return pile(niveau) != referencePile[niveau & 31]; }

private:
    void lis(std::array<Byte, 4096>& memoire, std::array<DWord, 32>& entrees) const;

    const P18f4550& pic;
    std::array<Byte, 4096> reference{}, dernier{};
    std::array<DWord, 32> referencePile{}, dernierePile{};
};

// The program memory as a listing: one row per instruction (a two-word instruction
// on one row), with its address, its words, the listing's label and source line, and
// the instruction's text; runs of blank words in one row. The margin shows the
// breakpoints and the next instruction.
class ModeleProgramme : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Colonne { Marge, Adresse, Mots, Etiquette, Texte, Source, NbColonnes };
    // Fewer blank words than this in a row are shown one by one (a few NOPs of a delay).
    static constexpr int motsVidesMin = 4;

    ModeleProgramme(P18f4550& pic, const Debogueur& debogueur, QObject* parent = nullptr);

    // Reads program memory again, with the program's symbols (null: none).
    void relis(const Symboles* symboles);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The row holding the program address; -1 outside program memory.
    int ligneDe(uint32_t adresse) const;
    uint32_t adresseDe(int ligne) const;
    bool estVide(int ligne) const;
    // The row of the instruction that executes next, highlighted (-1: none).
    void setCourante(int ligne);
    int courante() const { return ligneCourante; }
    // The margin's marks after a breakpoint came, went or changed.
    void pointsChanges();

private:
    struct Ligne
    {
        uint32_t debut;
        uint32_t fin;   // the address after it
        bool vide;
    };
    Word mot(uint32_t adresse) const;
    QString texte(const Ligne& l) const;

    P18f4550& pic;
    const Debogueur& debogueur;
    const Symboles* symboles = nullptr;
    std::vector<Ligne> lignes;
    int ligneCourante = -1;
};

// A table of the chip as the debugger last read it: so many rows of a fixed number of
// columns, all read again at once.
class TableauPuce : public QAbstractTableModel
{
    Q_OBJECT

public:
    TableauPuce(int colonnes, QObject* parent) : QAbstractTableModel(parent), colonnes(colonnes) {}
    void relis() { emit dataChanged(index(0, 0), index(rowCount() - 1, colonnes - 1)); }
    int rowCount(const QModelIndex& parent = QModelIndex()) const final { return parent.isValid() ? 0 : lignes(); }
    int columnCount(const QModelIndex& parent = QModelIndex()) const final { return parent.isValid() ? 0 : colonnes; }

protected:
    virtual int lignes() const = 0;

private:
    const int colonnes;
};

// W, STATUS and the core's other registers, each with its value and what it means.
class ModeleRegistres : public TableauPuce
{
    Q_OBJECT

public:
    enum Ligne { W, Status, Bsr, Pc, Fsr0, Fsr1, Fsr2, Tblptr, Tablat, Prod, Stkptr, NbLignes };

    ModeleRegistres(const P18f4550& pic, const Releve& releve, QObject* parent = nullptr);
    void setSymboles(const Symboles* s) { symboles = s; }
    // The address of the instruction that executes next.
    void setPc(uint32_t pc) { compteur = pc; }

    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    int lignes() const override { return NbLignes; }
    // The data memory addresses a row shows, high byte first.
    std::vector<Word> adresses(int ligne) const;

    const P18f4550& pic;
    const Releve& releve;
    const Symboles* symboles = nullptr;
    uint32_t compteur = 0;
};

// The 31 levels of the return stack; the levels above the stack pointer are greyed.
class ModelePile : public TableauPuce
{
    Q_OBJECT

public:
    ModelePile(const P18f4550& pic, const Releve& releve, QObject* parent = nullptr);
    void setSymboles(const Symboles* s) { symboles = s; }

    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    int lignes() const override { return 31; }
    const P18f4550& pic;
    const Releve& releve;
    const Symboles* symboles = nullptr;
};

// Every special function register by name, in address order, its bits named in a
// tooltip.
class ModeleSfr : public TableauPuce
{
    Q_OBJECT

public:
    ModeleSfr(const P18f4550& pic, const Releve& releve, QObject* parent = nullptr);
    Word adresseDe(int ligne) const { return adressesSfr[static_cast<size_t>(ligne)]; }

    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    int lignes() const override { return static_cast<int>(adressesSfr.size()); }
    const P18f4550& pic;
    const Releve& releve;
    std::vector<Word> adressesSfr;
};

// One bank of data memory as hex and text, editable while the program is paused:
// a value typed is written through the debugger, as a program's write.
class ModeleRam : public TableauPuce
{
    Q_OBJECT

public:
    static constexpr int parLigne = 16;
    static constexpr int colonneTexte = parLigne;

    ModeleRam(const P18f4550& pic, const Releve& releve, Debogueur& debogueur, QObject* parent = nullptr);
    void setBanque(int b);
    int banque() const { return numeroBanque; }
    // Banks 8 to 14 and the bottom of bank 15 do not exist on the chip.
    static bool existe(Word adresse);
    Word adresseDe(const QModelIndex& index) const;

    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    // A value typed that is not a byte: the text refused.
    void refuse(const QString& texte);

private:
    int lignes() const override { return 256 / parLigne; }
    const P18f4550& pic;
    const Releve& releve;
    Debogueur& debogueur;
    int numeroBanque = 0;
};

// The ports' pins: direction, level and voltage.
class ModeleBroches : public TableauPuce
{
    Q_OBJECT

public:
    explicit ModeleBroches(P18f4550& pic, QObject* parent = nullptr);
    // The pins shown, as (port, bit): those the chip's ports evaluate.
    static std::vector<std::pair<int, int>> broches();

    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    int lignes() const override { return static_cast<int>(liste.size()); }
    P18f4550& pic;
    std::vector<std::pair<int, int>> liste;
};

#endif

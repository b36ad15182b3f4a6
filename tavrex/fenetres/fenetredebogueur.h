#ifndef TAVREX_FENETREDEBOGUEUR_H
#define TAVREX_FENETREDEBOGUEUR_H

#include <memory>

#include <QFrame>
#include <QString>

#include "debogueur.h"
#include "sousfenetre.h"
#include "symboles.h"

class Modele;
class ModeleBroches;
class ModelePile;
class ModeleProgramme;
class ModeleRam;
class ModeleRegistres;
class ModeleSfr;
class QTableWidgetItem;
class Releve;

namespace Ui {
class FenetreDebogueur;
}

// The debugger window: the program's listing with its breakpoints and the next
// instruction, the core registers and the return stack, the SFRs, a bank of RAM,
// the pins, and the list of breakpoints; pause and continue (F5), one instruction
// (F7), over a call (F8), to the cursor (F4), a breakpoint at the cursor (F9), reset.
// It reads the chip when the run stops and, while it runs, when asked (at the main
// window's pace, never per instruction); it acts only through the debugger.
class FenetreDebogueur : public SousFenetre
{
    Q_OBJECT

public:
    FenetreDebogueur(Modele& modele, Debogueur& debogueur, QWidget* parent = nullptr);
    ~FenetreDebogueur() override;
    FenetreDebogueur(const FenetreDebogueur&) = delete;
    FenetreDebogueur& operator=(const FenetreDebogueur&) = delete;

    // Wide enough for the listing beside the tabs; as tall as the board.
    QSize sizeHint() const override { return {1100, 470}; }

    Ui::FenetreDebogueur* formulaire() const { return ui; }
    ModeleProgramme* programme() const { return modeleProgramme; }
    ModeleRam* ram() const { return modeleRam; }
    const Symboles& symboles() const { return lus; }

public slots:
    // A program was loaded from this HEX file: its listing again, with the symbols
    // found beside it.
    void programmeCharge(const QString& cheminHex);
    // The views again, while the program runs (nothing when hidden or paused).
    void rafraichit();
    // The instruction at a program address chosen in the listing and brought into view
    // (a diagnostic's, say), the next instruction's highlight left where it is.
    void montreInstruction(quint32 pc);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void arrete(const Debogueur::Arret& arret);
    void repris();
    void continuerOuPause();
    void reset();
    void basculePoint();
    void jusquAuCurseur();
    void ajoutePointTexte();
    void ajoutePointFront();
    void supprimePoint();
    void pointCoche(QTableWidgetItem* item);
    // The row the commands at the cursor act on: the chosen one, else the next
    // instruction's; -1 when none.
    int ligneChoisie() const;
    void listePoints();
    void pointsChanges();
    void relisVues();
    void suisCourante(uint32_t pc);
    void afficheEtat();
    QString lieu(uint32_t adresse) const;

    Ui::FenetreDebogueur* ui;
    Modele& modele;
    Debogueur& debogueur;
    Symboles lus;
    std::unique_ptr<Releve> releve;
    ModeleProgramme* modeleProgramme;
    ModeleRegistres* modeleRegistres;
    ModelePile* modelePile;
    ModeleSfr* modeleSfr;
    ModeleRam* modeleRam;
    ModeleBroches* modeleBroches;
    // The width the commands need with their names.
    int largeurCommandes = 0;
    // After a reset while paused, the next instruction is the reset vector's.
    bool remisAZero = false;
};

#endif

#ifndef TAVREX_MAINWINDOW_H
#define TAVREX_MAINWINDOW_H

#include <array>
#include <vector>

#include <QMainWindow>
#include <QMargins>
#include <QMetaObject>
#include <QRect>
#include <QString>

#include "cadence.h"
#include "debogueur.h"

class Apropos;
class FenetreCarteMicro;
class FenetreDebogueur;
class FenetreOscillos;
class FenetrePiste;
class QMdiSubWindow;
class Rombo;

namespace Ui {
class MainWindow;
}

// The desktop program's window: the four sub-windows in the document area, the menus
// and the speed bar, over a simulation that outlives it (the board, its run and the
// pacing of slices of 10 ms of chip time against the wall clock).
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(Simulation& simulation, QWidget* parent = nullptr);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // The load meter's colour: red when the run falls behind the pace asked, orange
    // when computing takes half the time or more, green below.
    static QString styleCharge(int pc, bool enRetard);

    Modele& getModele() { return modele; }
    Ui::MainWindow* formulaire() const { return ui; }
    FenetreCarteMicro* getMicro() const { return micro; }
    FenetreOscillos* getOscillos() const { return oscillos; }
    Rombo* getRombo() const { return rombo; }
    FenetrePiste* getPiste() const { return piste; }
    Apropos* getApropos() const { return apropos; }
    FenetreDebogueur* getFenetreDebogueur() const { return fenetreDebogueur; }
    Debogueur& getDebogueur() { return debogueur; }
    QMdiSubWindow* sousFenetre(int n) const;
    bool timerActif() const { return cadence.actif(); }
    int periode() const { return cadence.periode(); }
    bool modeSimple() const { return simple; }

    // What the command line asks for, said as a user would do it.
    // The simple mode (board and scopes) or the complete one (robot and track too).
    void appliqueMode(bool complet);
    // The complete mode's tiling in `disponible`, a screen's available area: the main
    // window takes all of it, the board and the scopes side by side above, the robot
    // and the track side by side below.
    void organiserComplet(const QRect& disponible);
    // The track in front, framed on the circuit.
    void montrePiste();
    // The robot window on its tab n (0 jack ... 5 mechanics), in front when shown.
    void montreOngletRobot(int onglet);
    void montreOscillos();
    // The debugger in front, in the scopes' place.
    void montreDebogueur();
    void setVitesse(double facteur);
    // Writes what was done to the board so far as a scenario; false when it cannot be.
    bool enregistrerScenario(const QString& chemin);
    // Writes the whole state now as a snapshot; takes one up, its program, robot and
    // track loaded. False with the reason on the board window's file line otherwise.
    bool enregistrerEtat(const QString& chemin);
    bool ouvrirEtat(const QString& chemin);

public slots:
    void on_speedSpinBox_valueChanged(double x);
    void on_speedSlider_valueChanged(int v);
    void action_apropos();
    void on_action_Mode_simple_triggered();
    void on_action_Mode_complet_triggered();
    void on_action_Enregistrer_le_scenario_triggered();
    void on_action_Enregistrer_l_etat_triggered();
    void on_action_Ouvrir_un_etat_triggered();
    void stopTimer();
    void newTimer();
    void organiser();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    QMdiSubWindow* ajouteSousFenetre(QWidget* fenetre, const char* icone);
    // The four sub-windows tiled in the document area as it is now; the debugger,
    // when shown, in the scopes' tile.
    void tuiler();
    // The sub-windows are where the last tiling put them: the user has not moved them.
    bool tuilesIntactes() const;
    QMargins margesCadre() const;
    void ajusteAuCadre();

    // The least the complete mode scales the board down to: its LCD's text and its
    // buttons stay easy to read and to hit.
    static constexpr double echelleCarteMin = 0.55;

    Ui::MainWindow* ui;
    Modele& modele;
    Cadence& cadence;
    Enregistreur& enregistreur;
    Seance& seance;
    Debogueur& debogueur;
    QMdiSubWindow* subWindow1 = nullptr;
    FenetreCarteMicro* micro = nullptr;
    QMdiSubWindow* subWindow2 = nullptr;
    FenetreOscillos* oscillos = nullptr;
    QMdiSubWindow* subWindow3 = nullptr;
    Rombo* rombo = nullptr;
    QMdiSubWindow* subWindow4 = nullptr;
    FenetrePiste* piste = nullptr;
    QMdiSubWindow* subWindow5 = nullptr;
    FenetreDebogueur* fenetreDebogueur = nullptr;
    Apropos* apropos = nullptr;
    bool simple = true;
    std::vector<QMetaObject::Connection> liensModeSimple;
    // The area the complete mode fits the main window to, and the window frame it
    // counted on; null in the simple mode.
    QRect zoneComplete;
    QMargins margesComptees;
    std::array<QRect, 4> tuiles;
    int hauteurCarte = 0;   // the board window's height as drawn
};

#endif

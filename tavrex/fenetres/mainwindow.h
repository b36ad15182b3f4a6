#ifndef TAVREX_MAINWINDOW_H
#define TAVREX_MAINWINDOW_H

#include <vector>

#include <QElapsedTimer>
#include <QMainWindow>
#include <QMetaObject>
#include <QString>

#include "modele.h"

class Apropos;
class FenetreCarteMicro;
class FenetreOscillos;
class FenetrePiste;
class LigneCommande;
class QMdiSubWindow;
class Rombo;

namespace Ui {
class MainWindow;
}

// The desktop program's window: the board and robot model, the four sub-windows in
// the document area, the menus, and the pacing loop that runs the simulation in
// slices of 10 ms of chip time against the wall clock.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // The load meter: the share of the timer period spent simulating over a window
    // of 100 events (calcul ms), on a scale where 70 means the period is full.
    static int chargePourcent(int calcul, int speed);
    static QString styleCharge(int pc);

    Modele& getModele() { return modele; }
    Ui::MainWindow* formulaire() const { return ui; }
    FenetreCarteMicro* getMicro() const { return micro; }
    FenetreOscillos* getOscillos() const { return oscillos; }
    Rombo* getRombo() const { return rombo; }
    FenetrePiste* getPiste() const { return piste; }
    Apropos* getApropos() const { return apropos; }
    QMdiSubWindow* sousFenetre(int n) const;
    bool timerActif() const { return validTimer; }
    int periode() const { return speed; }
    bool modeSimple() const { return simple; }
    // The command line's actions take their turn inside the slices.
    void setPilote(LigneCommande* p) { pilote = p; }

public slots:
    void on_speedSpinBox_valueChanged(double x);
    void on_speedSlider_valueChanged(int v);
    void action_apropos();
    void on_action_Mode_simple_triggered();
    void on_action_Mode_complet_triggered();
    void stopTimer();
    void newTimer();
    void organiser();

protected:
    void timerEvent(QTimerEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    QMdiSubWindow* ajouteSousFenetre(QWidget* fenetre, const char* icone);
    void placerRobotEtPiste();

    Ui::MainWindow* ui;
    Modele modele;
    QMdiSubWindow* subWindow1 = nullptr;
    FenetreCarteMicro* micro = nullptr;
    QMdiSubWindow* subWindow2 = nullptr;
    FenetreOscillos* oscillos = nullptr;
    QMdiSubWindow* subWindow3 = nullptr;
    Rombo* rombo = nullptr;
    QMdiSubWindow* subWindow4 = nullptr;
    FenetrePiste* piste = nullptr;
    Apropos* apropos = nullptr;
    int timerID = 0;
    int speed = 1;
    bool validTimer = false;
    bool simple = true;
    std::vector<QMetaObject::Connection> liensModeSimple;
    LigneCommande* pilote = nullptr;

    // The load meter's window of 100 timer events; kept across stops of the timer.
    QElapsedTimer mesure;
    qint64 calcul = 0;
    int boucle = 0;
};

#endif

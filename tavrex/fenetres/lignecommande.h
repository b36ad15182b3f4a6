#ifndef TAVREX_LIGNECOMMANDE_H
#define TAVREX_LIGNECOMMANDE_H

#include <cstdint>
#include <string>
#include <vector>

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include "actions.h"

class MainWindow;

// What the desktop program's command line asks for.
struct OptionsFenetre
{
    QString programme;
    QString robot;
    int ongletRobot = 0;   // 1 to 6; 0: the window's own
    bool powerOn = false;
    bool complet = false;
    bool oscillos = false;
    int baseTemps = -1;   // the scopes' time-base dial, 0 to 99; -1: the window's own
    double vitesse = 0.0;   // the slowing factor; 0: the window's own
    std::vector<Action> actions;
    bool quitter = false;
    uint64_t quitterApres = 0;   // ticks
    QString capture;
    QString piste;   // a track to open in the track window, the robot placed on its start
    bool aide = false;
};

extern const char* const usageFenetre;

// Reads the options (Qt's own already taken out of argv). On a bad option returns
// false with the reason in `erreur`; a program or script that cannot be read is one.
bool lireOptionsFenetre(int argc, char** argv, OptionsFenetre& o, std::string& erreur);

// Carries out the command line on the window: loads the program, sets the mode and
// the speed, switches the board on, then plays the actions at their moments of chip
// time with the widgets following, and quits when asked. Time goes on while the board
// is off (at the wall clock's pace), as it does for the headless runner.
class LigneCommande : public QObject
{
    Q_OBJECT

public:
    LigneCommande(MainWindow& fenetre, OptionsFenetre options);

    // Once the window is shown. Returns false when the program cannot be read.
    bool demarrer(std::string& erreur);
    // One 10 ms slice of the pacing loop, the actions due inside it played in turn.
    void tranche();
    // Chip time since the start, in ticks, off time included.
    uint64_t horloge() const;
    size_t actionsJouees() const { return prochaine; }

signals:
    // The run is over: the exit code (2 when the screenshot could not be written).
    void termine(int code);

private:
    void jouer(const Action& a);
    void montreOngletRobot(int onglet);
    void jouerDues();
    void horlogeArret();
    void verifieFin();
    void montrePiste();

    MainWindow& fenetre;
    OptionsFenetre options;
    size_t prochaine = 0;
    uint64_t origine = 0;
    uint64_t attente = 0;
    QTimer minuterieArret;
    QElapsedTimer mur;
    bool fini = false;
};

#endif

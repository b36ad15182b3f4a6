#ifndef TAVREX_LIGNECOMMANDE_H
#define TAVREX_LIGNECOMMANDE_H

#include <string>

#include <QObject>

#include "options.h"
#include "symboles.h"

class MainWindow;
struct Simulation;

// Carries out the desktop program's command line on the window: loads the program,
// the robot and the track, sets the mode and the speed, switches the board on, then
// has the run play the actions at their moments of chip time with the widgets
// following, with the breakpoints asked, and quits when asked. Time goes on while the
// board is off (at the wall clock's pace), as it does for the headless runner; so does
// the wall time paused count toward --quit-after.
class LigneCommande : public QObject
{
    Q_OBJECT

public:
    LigneCommande(MainWindow& fenetre, Simulation& simulation, OptionsLancement options);

    // Once the window is shown. Returns false, with the reason, when a file cannot be
    // read.
    bool demarrer(std::string& erreur);

signals:
    // The run is over: the exit code (2 when the screenshot could not be written).
    void termine(int code);

private:
    void verifieFin();

    MainWindow& fenetre;
    Simulation& simulation;
    OptionsLancement options;
    Symboles symboles;   // the labels of --break
    bool fini = false;
};

#endif

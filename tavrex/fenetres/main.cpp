// tavrex: the desktop simulator of the PIC18F4550 board and of the Rombine robot.

#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>

#include <QApplication>
#include <QDebug>
#include <QFile>
#include <QIcon>
#include <QTimer>

#include "cadence.h"
#include "langue.h"
#include "lignecommande.h"
#include "mainwindow.h"

// The debug log, "./sortie.txt", emptied at every start.
QDebug* dbg = nullptr;

namespace {

bool demande(int argc, char** argv, const char* option)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], option) == 0)
            return true;
    return false;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (demande(argc, argv, "--help") || demande(argc, argv, "-h")) {
        std::printf("%s\n", usage(Programme::Fenetre).c_str());
        return 0;
    }
    // Without a display Qt would abort; say why instead.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !demande(argc, argv, "-platform")) {
        std::fprintf(stderr, "tavrex: no display (DISPLAY or WAYLAND_DISPLAY); run it under xvfb-run, "
                             "with -platform offscreen, or use tavrex-cli\n");
        return 2;
    }
    QApplication application(argc, argv);
    // Qt took the user's locale for the C library too: numbers on the command line and
    // in scripts are read, and written, with a decimal point whatever the language.
    std::setlocale(LC_NUMERIC, "C");
    Q_INIT_RESOURCE(ressources);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/micropro.png")));

    OptionsLancement options;
    std::string erreur;
    if (!lireOptions(Programme::Fenetre, argc, argv, options, erreur)) {
        std::fprintf(stderr, "tavrex: %s\n", erreur.c_str());
        return 2;
    }

    Langue langue;
    (void)langue.installe();

    QFile journal(QStringLiteral("./sortie.txt"));
    // A log that cannot be opened writes nowhere; the program starts all the same.
    (void)journal.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text);
    dbg = new QDebug(&journal);

    int code = 0;
    {
        // The simulation outlives the windows that show it.
        Simulation simulation(options.graine);
        MainWindow fenetre(simulation);
        fenetre.show();
        LigneCommande ligne(fenetre, simulation, options);
        QObject::connect(&ligne, &LigneCommande::termine, &application, &QApplication::exit);
        QTimer::singleShot(0, &ligne, [&] {
            std::string raison;
            if (!ligne.demarrer(raison)) {
                std::fprintf(stderr, "tavrex: %s\n", raison.c_str());
                QApplication::exit(2);
            }
        });
        code = QApplication::exec();
        std::string raison;
        if (!options.enregistrement.empty() && !simulation.enregistreur.ecrire(options.enregistrement, raison)) {
            std::fprintf(stderr, "tavrex: %s\n", raison.c_str());
            code = 2;
        }
    }
    delete dbg;
    dbg = nullptr;
    journal.close();
    return code;
}

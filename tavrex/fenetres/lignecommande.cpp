#include "lignecommande.h"

#include <cstdio>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "cadence.h"
#include "fenetrecartemicro.h"
#include "fenetredebogueur.h"
#include "ui_fenetredebogueur.h"
#include "fenetreoscillos.h"
#include "fenetrepiste.h"
#include "mainwindow.h"
#include "rombo.h"

LigneCommande::LigneCommande(MainWindow& f, Simulation& s, OptionsLancement o)
    : fenetre(f), simulation(s), options(std::move(o))
{
}

bool LigneCommande::demarrer(std::string& erreur)
{
    // Before the program's load: its words are decoded for the diagnostics asked.
    simulation.modele.getProcesseur()->diagnostics().setMode(options.avertissements);
    if (options.silicium)
        simulation.modele.demandeSilicium(true);
    // A scenario loads its files itself, those given in place of its own, and places
    // the robot where it was.
    const bool scenario = options.scenario.present;
    if (!options.programmes.empty() && !scenario) {
        const std::string& chemin = options.programmes[0];
        const QString absolu = QFileInfo(QFile::decodeName(chemin.c_str())).absoluteFilePath();
        const ChargementHex lu = fenetre.getMicro()->chargerProgramme(absolu);
        if (!lu.reussi()) {
            erreur = lu.message(chemin);
            return false;
        }
    }
    if (!options.robot.empty() && !scenario &&
        !fenetre.getRombo()->ouvrirFichier(QFile::decodeName(options.robot.c_str()))) {
        erreur = illisibleComme(options.robot, "robot");
        return false;
    }
    if (!options.piste.empty() && !scenario) {
        if (!fenetre.getPiste()->ouvrir(QFile::decodeName(options.piste.c_str()))) {
            erreur = illisibleComme(options.piste, "track");
            return false;
        }
        fenetre.getPiste()->poseRomboAuDepart();
    }
    if (!options.points.empty() || !options.conditions.empty()) {
        std::string sansSymboles;
        const bool lus = !options.symboles.empty() ? symboles.lire(options.symboles, sansSymboles)
                         : !options.programmes.empty() && symboles.lireAupresDe(options.programmes[0], sansSymboles);
        if (!lus && !options.symboles.empty()) {
            erreur = sansSymboles;
            return false;
        }
        if (lus)
            simulation.debogueur.setSymboles(&symboles);
        if (!simulation.debogueur.ajouteTextes(options.points, options.conditions, lus ? std::string() : sansSymboles,
                                               erreur))
            return false;
    }
    if (options.complet) {
        fenetre.appliqueMode(true);
        if (!options.piste.empty())
            fenetre.montrePiste();
    }
    if (options.ongletRobot > 0)
        fenetre.montreOngletRobot(options.ongletRobot - 1);
    if (options.oscillos)
        fenetre.montreOscillos();
    if (options.baseTemps >= 0)
        fenetre.getOscillos()->setBaseTemps(options.baseTemps);
    // After the scopes: in their place, in front of them.
    if (options.debogueur)
        fenetre.montreDebogueur();
    if (options.vitesse > 0.0)
        fenetre.setVitesse(options.vitesse);

    Seance& seance = simulation.seance;
    seance.demarre();
    for (const Action& a : options.actions)
        seance.planifie(a.ticks, a.ordre, [this, a] { joue(a); });
    // Without actions nor an end, the window runs on its own.
    if (!options.actions.empty() || options.quitter) {
        connect(&simulation.cadence, &Cadence::avance, this, &LigneCommande::verifieFin);
        simulation.cadence.suisTempsHorsTension();
    }
    if (options.powerOn)
        fenetre.getMicro()->setPower(true);
    seance.joueDues();
    return true;
}

void LigneCommande::joue(const Action& a)
{
    const QString fichier = QFileInfo(QFile::decodeName(a.fichier.c_str())).absoluteFilePath();
    switch (a.type) {
    case Action::Programme: fenetre.getMicro()->chargerProgramme(fichier); break;
    case Action::Robot: fenetre.getRombo()->ouvrirFichier(fichier); break;
    case Action::Piste: fenetre.getPiste()->ouvrir(fichier); break;
    case Action::Pose:
        a.appliquer(fenetre.getModele());
        fenetre.getPiste()->suitPose();
        break;
    default:
        if (!a.estEdition()) {
            fenetre.getMicro()->joue(a);
            break;
        }
        // The robot's and the track's windows show what the edit changed.
        a.appliquer(fenetre.getModele());
        fenetre.getRombo()->viewModele();
        fenetre.getPiste()->suitPiste();
        break;
    }
}

void LigneCommande::verifieFin()
{
    const Seance& seance = simulation.seance;
    if (fini || !options.quitter || seance.horloge() + seance.dureePauses() < options.quitterApres)
        return;
    fini = true;
    simulation.cadence.arrete();
    int code = 0;
    if (!options.capture.empty() && !fenetre.grab().save(QFile::decodeName(options.capture.c_str()), "PNG")) {
        std::fprintf(stderr, "tavrex: %s: cannot be written\n", options.capture.c_str());
        code = 2;
    }
    emit termine(code);
}

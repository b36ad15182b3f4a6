#include "lignecommande.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QStyle>

#include "fenetrecartemicro.h"
#include "fenetreoscillos.h"
#include "fenetrepiste.h"
#include "mainwindow.h"
#include "rombo.h"
#include "ui_fenetrecartemicro.h"
#include "ui_fenetreoscillos.h"
#include "ui_fenetrepiste.h"
#include "ui_mainwindow.h"
#include "ui_rombo.h"

const char* const usageFenetre =
    "usage: tavrex [--power-on] [--complete] [--scopes [--timebase D]] [--speed F] [--at T ACTION]...\n"
    "              [--script FILE] [--piste FILE.pis] [--robot FILE.rbo] [--robot-tab N]\n"
    "              [--quit-after T [--screenshot FILE.png]] [PROGRAM.hex]\n"
    "  PROGRAM.hex      loaded as the board window's open button does\n"
    "  --power-on       switches the board on once the window is shown\n"
    "  --complete       starts in the complete mode (robot and track windows shown)\n"
    "  --scopes         opens the oscilloscopes as their menu entry does\n"
    "  --timebase D     turns the scopes' time-base dial to D, 0 to 99 (29: 57 us a sweep, 57: 0.7 ms)\n"
    "  --piste FILE     opens the track in the track window and places the robot on its start\n"
    "  --robot FILE     reads the robot (contacts, sensors, motors, mechanics)\n"
    "  --speed F        slowing factor, 0.1 to 50 (1 = real time)\n"
    "  --robot-tab N    opens the robot window on its tab N (1 jack ... 3 sensors ... 6 mechanics),\n"
    "                   in front of the others in the complete mode\n"
    "  --at T ACTION    an action at T ms of chip time; --script FILE: one \"T ACTION\" a line\n"
    "  --quit-after T   quits after T ms of chip time (of wall-clock time while the board is off)\n"
    "  --screenshot F   with --quit-after: saves the main window as a PNG first\n"
    "actions: press BPn, release BPn (n = 1 to 3), pot V (0 to 5 volts), reset-press, reset-release,\n"
    "         power-off, power-on, jack-in, jack-out, fdc-press, fdc-release";

namespace {

bool fichierLisible(const std::string& chemin, const char* quoi, std::string& erreur)
{
    std::error_code ec;
    if (std::filesystem::is_directory(chemin, ec)) {
        erreur = chemin + " is a directory, not a " + quoi;
        return false;
    }
    if (!std::ifstream(chemin).is_open()) {
        erreur = "cannot open " + chemin;
        return false;
    }
    return true;
}

}  // namespace

bool lireOptionsFenetre(int argc, char** argv, OptionsFenetre& o, std::string& erreur)
{
    std::string programme;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const OptionAction lue = lireOptionAction(argc, argv, i, o.actions, erreur);
        if (lue == OptionAction::Erreur)
            return false;
        if (lue == OptionAction::Lue)
            continue;
        const bool avecValeur = arg == "--speed" || arg == "--quit-after" || arg == "--screenshot" ||
                                arg == "--piste" || arg == "--robot" || arg == "--robot-tab" ||
                                arg == "--timebase";
        if (avecValeur && i + 1 >= argc) {
            erreur = arg + " needs a value";
            return false;
        }
        if (arg == "--power-on") {
            o.powerOn = true;
        } else if (arg == "--complete") {
            o.complet = true;
        } else if (arg == "--scopes") {
            o.oscillos = true;
        } else if (arg == "--timebase") {
            const std::string v = argv[++i];
            double d = 0.0;
            if (!lireReel(v, d) || d < 0.0 || d > 99.0 || d != static_cast<int>(d)) {
                erreur = "--timebase: not a dial position from 0 to 99: " + v;
                return false;
            }
            o.baseTemps = static_cast<int>(d);
        } else if (arg == "--speed") {
            const std::string v = argv[++i];
            if (!lireReel(v, o.vitesse) || o.vitesse < 0.1 || o.vitesse > 50.0) {
                erreur = "--speed: not a slowing factor from 0.1 to 50: " + v;
                return false;
            }
        } else if (arg == "--quit-after") {
            const std::string v = argv[++i];
            if (!lireInstant(v, o.quitterApres)) {
                erreur = "--quit-after: not a duration in milliseconds: " + v;
                return false;
            }
            o.quitter = true;
        } else if (arg == "--robot-tab") {
            const std::string v = argv[++i];
            double n = 0.0;
            if (!lireReel(v, n) || n != static_cast<int>(n) || n < 1 || n > 6) {
                erreur = "--robot-tab: not a tab from 1 to 6: " + v;
                return false;
            }
            o.ongletRobot = static_cast<int>(n);
        } else if (arg == "--screenshot") {
            o.capture = QFile::decodeName(argv[++i]);
        } else if (arg == "--piste" || arg == "--robot") {
            const std::string chemin = argv[++i];
            const bool piste = arg == "--piste";
            if (!fichierLisible(chemin, piste ? "track file" : "robot file", erreur))
                return false;
            (piste ? o.piste : o.robot) = QFile::decodeName(chemin.c_str());
        } else if (arg == "-h" || arg == "--help") {
            o.aide = true;
            return true;
        } else if (!arg.empty() && arg[0] == '-') {
            erreur = "unknown option " + arg + " (--help for the options)";
            return false;
        } else if (programme.empty()) {
            programme = arg;
        } else {
            erreur = "more than one program given: " + arg;
            return false;
        }
    }
    if (!o.capture.isEmpty() && !o.quitter) {
        erreur = "--screenshot needs --quit-after";
        return false;
    }
    if (!programme.empty()) {
        if (!fichierLisible(programme, "HEX file", erreur))
            return false;
        o.programme = QFileInfo(QFile::decodeName(programme.c_str())).absoluteFilePath();
    }
    ordonneActions(o.actions);
    return true;
}

LigneCommande::LigneCommande(MainWindow& f, OptionsFenetre o) : fenetre(f), options(std::move(o))
{
    minuterieArret.setInterval(10);
    connect(&minuterieArret, &QTimer::timeout, this, &LigneCommande::horlogeArret);
}

bool LigneCommande::demarrer(std::string& erreur)
{
    FenetreCarteMicro* micro = fenetre.getMicro();
    if (!options.programme.isEmpty() && !micro->chargerProgramme(options.programme)) {
        erreur = "cannot read " + std::string(QFile::encodeName(options.programme).constData());
        return false;
    }
    if (!options.robot.isEmpty() && !fenetre.getRombo()->ouvrirFichier(options.robot)) {
        erreur = "cannot read robot " + std::string(QFile::encodeName(options.robot).constData());
        return false;
    }
    if (!options.piste.isEmpty()) {
        if (!fenetre.getPiste()->ouvrir(options.piste)) {
            erreur = "cannot read track " + std::string(QFile::encodeName(options.piste).constData());
            return false;
        }
        // The robot on the start marker's place, as the place button puts it.
        fenetre.getPiste()->formulaire()->toolButtonPoseRombo->setChecked(true);
    }
    if (options.complet) {
        fenetre.on_action_Mode_complet_triggered();
        if (!options.piste.isEmpty())
            montrePiste();
    }
    if (options.ongletRobot > 0)
        montreOngletRobot(options.ongletRobot - 1);
    if (options.oscillos)
        fenetre.formulaire()->action_Oscilloscopes->trigger();
    if (options.baseTemps >= 0)
        fenetre.getOscillos()->formulaire()->baseTpsOscillo1->setValue(options.baseTemps);
    if (options.vitesse > 0.0)
        fenetre.formulaire()->speedSpinBox->setValue(options.vitesse);
    origine = fenetre.getModele().time();
    // Without actions nor an end, the window runs on its own.
    if (!options.actions.empty() || options.quitter) {
        fenetre.setPilote(this);
        mur.start();
        minuterieArret.start();
    }
    if (options.powerOn)
        micro->setPower(true);
    jouerDues();
    return true;
}

void LigneCommande::montrePiste()
{
    // The track beside the board, in front, framed on the circuit; the main window
    // grows to hold both, within the screen,
    QMdiSubWindow* carte = fenetre.sousFenetre(1);
    QMdiSubWindow* cadre = fenetre.sousFenetre(4);
    cadre->resize(cadre->widget()->size().expandedTo(QSize(742, 682)) + (cadre->size() - cadre->widget()->size()));
    cadre->move(carte->frameGeometry().right() + 1, 0);
    cadre->raise();
    const QSize marge = fenetre.size() - fenetre.formulaire()->mdiArea->size();
    QSize voulu(cadre->frameGeometry().right() + 1, std::max(carte->frameGeometry().bottom(), cadre->frameGeometry().bottom()) + 1);
    // and room for the document area's scroll bars, which would otherwise show.
    voulu += marge + QSize(fenetre.style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4,
                           fenetre.style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4);
    if (const QScreen* ecran = fenetre.screen())
        voulu = voulu.boundedTo(ecran->availableGeometry().size());
    fenetre.resize(voulu);
    QCoreApplication::processEvents();
    fenetre.getPiste()->cadrerPiste();
}

void LigneCommande::montreOngletRobot(int onglet)
{
    fenetre.getRombo()->formulaire()->tabWidget->setCurrentIndex(onglet);
    QMdiSubWindow* cadre = fenetre.sousFenetre(3);
    if (!cadre->isVisible())
        return;
    // In front, whole: the main window grows when the robot window does not fit.
    QMdiArea* zone = fenetre.formulaire()->mdiArea;
    zone->setActiveSubWindow(cadre);
    cadre->resize(cadre->sizeHint());
    cadre->move(0, 0);
    const QSize manque = cadre->frameGeometry().size() - zone->viewport()->size();
    fenetre.resize(fenetre.size() + manque.expandedTo(QSize(0, 0)));
}

uint64_t LigneCommande::horloge() const
{
    return fenetre.getModele().time() - origine + attente;
}

void LigneCommande::jouer(const Action& a)
{
    FenetreCarteMicro* micro = fenetre.getMicro();
    switch (a.type) {
    case Action::Appuie:
        a.bouton == 0 ? micro->set_bp0Pressed() : a.bouton == 1 ? micro->set_bp1Pressed() : micro->set_bp2Pressed();
        break;
    case Action::Relache:
        a.bouton == 0 ? micro->set_bp0Released()
                      : a.bouton == 1 ? micro->set_bp1Released() : micro->set_bp2Released();
        break;
    case Action::Pot: micro->formulaire()->an0SpinBox->setValue(a.valeur); break;
    case Action::ResetAppuye: micro->set_resetPressed(); break;
    case Action::ResetRelache: micro->set_resetReleased(); break;
    case Action::PowerOn: micro->setPower(true); break;
    case Action::PowerOff: micro->setPower(false); break;
    default: a.appliquer(fenetre.getModele()); break;
    }
}

void LigneCommande::jouerDues()
{
    while (prochaine < options.actions.size() && options.actions[prochaine].ticks <= horloge())
        jouer(options.actions[prochaine++]);
}

void LigneCommande::tranche()
{
    Modele& modele = fenetre.getModele();
    uint64_t fait = 0;
    while (fait < Modele::ticksParTranche) {
        jouerDues();
        // An action may have switched the board off or held it in reset.
        if (!fenetre.timerActif())
            break;
        uint64_t pas = Modele::ticksParTranche - fait;
        if (prochaine < options.actions.size())
            pas = std::min(pas, options.actions[prochaine].ticks - horloge());
        const uint64_t arret = modele.time() + pas;
        const uint64_t avant = modele.time();
        modele.executeJusqua(arret);
        fait += modele.time() - avant;
    }
    verifieFin();
}

void LigneCommande::horlogeArret()
{
    const qint64 ms = mur.restart();
    if (!fenetre.timerActif()) {
        attente += static_cast<uint64_t>(ms) * 48000;
        jouerDues();
    }
    verifieFin();
}

void LigneCommande::verifieFin()
{
    if (fini || !options.quitter || horloge() < options.quitterApres)
        return;
    fini = true;
    minuterieArret.stop();
    fenetre.stopTimer();
    int code = 0;
    if (!options.capture.isEmpty() && !fenetre.grab().save(options.capture, "PNG")) {
        std::fprintf(stderr, "tavrex: cannot write %s\n", QFile::encodeName(options.capture).constData());
        code = 2;
    }
    emit termine(code);
}

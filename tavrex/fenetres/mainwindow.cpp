#include "mainwindow.h"

#include <algorithm>
#include <memory>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QMdiSubWindow>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QWindow>

#include "apropos.h"
#include "etat.h"
#include "fenetrecartemicro.h"
#include "fenetredebogueur.h"
#include "fenetreoscillos.h"
#include "fenetrepiste.h"
#include "rombo.h"
#include "ui_mainwindow.h"

MainWindow::MainWindow(Simulation& simulation, QWidget* parent)
    : QMainWindow(parent), ui(new Ui::MainWindow), modele(simulation.modele), cadence(simulation.cadence),
      enregistreur(simulation.enregistreur), seance(simulation.seance),
      debogueur(simulation.debogueur)
{
    ui->setupUi(this);
    connect(ui->action_Organiser, &QAction::triggered, this, &MainWindow::organiser);
    ui->mdiArea->installEventFilter(this);

    micro = new FenetreCarteMicro(modele);
    subWindow1 = ajouteSousFenetre(micro, ":/images/icone_lcd.png");
    connect(ui->action_Microcontroleur, &QAction::triggered, subWindow1, &QWidget::show);
    connect(ui->action_Microcontroleur, &QAction::triggered, subWindow1, qOverload<>(&QWidget::setFocus));
    connect(ui->action_Ouvrir_un_programme, &QAction::triggered, micro, &FenetreCarteMicro::on_pushButtonOuvrir_clicked);
    connect(ui->action_Recharger_le_programme, &QAction::triggered, micro,
            &FenetreCarteMicro::on_pushButtonRefresh_clicked);
    connect(micro, &FenetreCarteMicro::refreshEnabled, ui->action_Recharger_le_programme, &QAction::setEnabled);
    // The board's strip of diagnostics came or went: the windows fitted to it again.
    connect(micro, &FenetreCarteMicro::hauteurChangee, this, [this] {
        if (simple) {
            const bool maximise = subWindow1->isMaximized();
            subWindow1->showNormal();
            subWindow1->adjustSize();
            organiser();
            if (maximise)
                subWindow1->showMaximized();
        } else if (!zoneComplete.isNull()) {
            tuiler();
        }
    });

    oscillos = new FenetreOscillos(modele);
    subWindow2 = ajouteSousFenetre(oscillos, ":/images/icone_oscillo.png");
    connect(ui->action_Oscilloscopes, &QAction::triggered, subWindow2, &QWidget::show);
    connect(ui->action_Oscilloscopes, &QAction::triggered, subWindow2, qOverload<>(&QWidget::setFocus));

    rombo = new Rombo(modele);
    subWindow3 = ajouteSousFenetre(rombo, ":/images/icone_rombo.png");
    connect(ui->action_Rombine, &QAction::triggered, subWindow3, &QWidget::show);
    connect(ui->action_Rombine, &QAction::triggered, subWindow3, qOverload<>(&QWidget::setFocus));

    piste = new FenetrePiste(modele);
    subWindow4 = ajouteSousFenetre(piste, ":/images/icone_piste.png");
    connect(ui->action_Piste, &QAction::triggered, subWindow4, &QWidget::show);
    connect(ui->action_Piste, &QAction::triggered, subWindow4, qOverload<>(&QWidget::setFocus));

    fenetreDebogueur = new FenetreDebogueur(modele, debogueur);
    subWindow5 = ajouteSousFenetre(fenetreDebogueur, ":/images/icone_debogueur.png");
    connect(ui->action_Debogueur, &QAction::triggered, this, &MainWindow::montreDebogueur);
    connect(micro, &FenetreCarteMicro::programmeCharge, fenetreDebogueur, &FenetreDebogueur::programmeCharge);
    // A diagnostic chosen in the board's strip: its instruction in the listing.
    connect(micro, &FenetreCarteMicro::diagnosticChoisi, this, [this](quint32 pc) {
        montreDebogueur();
        fenetreDebogueur->montreInstruction(pc);
    });
    // A stop while the debugger is hidden (a breakpoint of the command line, or one
    // set before it was closed) shows it: the student sees why the board stands still.
    connect(&debogueur, &Debogueur::arrete, this, [this] {
        if (!subWindow5->isVisible())
            montreDebogueur();
    });
    // While the program runs, the debugger's views follow at the scopes' sweep pace.
    connect(&cadence, &Cadence::balayage, fenetreDebogueur, &FenetreDebogueur::rafraichit);

    // Through the two value-changed slots: slider 10, a period of 10 ms (real time).
    ui->speedSpinBox->setValue(1.0);
    connect(&cadence, &Cadence::tempsPuce, this,
            [this](double secondes) { ui->labelTime->setText(QLocale().toString(secondes, 'f', 3)); });
    connect(&cadence, &Cadence::balayage, oscillos, &FenetreOscillos::miseAJour);
    connect(&cadence, &Cadence::mesure, this, [this](int charge, double rapport, bool enRetard) {
        ui->progressBar->setStyleSheet(styleCharge(charge, enRetard));
        ui->progressBar->setValue(charge);
        if (rapport > 0.0)
            ui->speedLabel->setText(QLocale().toString(rapport, 'f', 3));
    });
    // In the language of the texts from the first frame on.
    ui->labelTime->setText(QLocale().toString(0.0, 'f', 3));
    connect(ui->action_Barre_de_vitesse, &QAction::toggled, this, [this](bool visible) {
        ui->widgetSpeedBar->setVisible(visible);
        // The board fills the room the bar leaves, or makes room for it.
        if (simple)
            organiser();
    });

    // The silicon mode: asked from the menu, taken by the chip at its next reset; the
    // entry follows the board (a scenario replayed, a state opened).
    connect(ui->action_Mode_silicium, &QAction::triggered, &modele, &Modele::demandeSilicium);
    connect(&modele, &Modele::modeSilicium, this, [this] {
        const QSignalBlocker bloque(ui->action_Mode_silicium);
        ui->action_Mode_silicium->setChecked(modele.siliciumDemande());
    });

    apropos = new Apropos;
    connect(ui->action_propos, &QAction::triggered, this, &MainWindow::action_apropos);

    subWindow3->hide();
    subWindow4->hide();
    subWindow5->hide();
    on_action_Mode_simple_triggered();
    ui->action_Mode_complet->setVisible(false);
}

MainWindow::~MainWindow()
{
    delete apropos;
    delete ui;
}

QMdiSubWindow* MainWindow::ajouteSousFenetre(QWidget* fenetre, const char* icone)
{
    auto* cadre = new QMdiSubWindow;
    cadre->setWidget(fenetre);
    cadre->setWindowIcon(QIcon(QString::fromLatin1(icone)));
    ui->mdiArea->addSubWindow(cadre);
    return cadre;
}

QMdiSubWindow* MainWindow::sousFenetre(int n) const
{
    switch (n) {
    case 1: return subWindow1;
    case 2: return subWindow2;
    case 3: return subWindow3;
    case 4: return subWindow4;
    case 5: return subWindow5;
    default: return nullptr;
    }
}

void MainWindow::newTimer()
{
    cadence.demarre();
}

void MainWindow::stopTimer()
{
    cadence.arrete();
}

void MainWindow::on_speedSlider_valueChanged(int v)
{
    cadence.setPeriode(v);
    ui->speedSpinBox->setValue(v / 10.0);
}

void MainWindow::on_speedSpinBox_valueChanged(double x)
{
    ui->speedSlider->setValue(qRound(x * 10.0));
}

void MainWindow::setVitesse(double facteur)
{
    ui->speedSpinBox->setValue(facteur);
}

QString MainWindow::styleCharge(int pc, bool enRetard)
{
    if (enRetard)
        return QStringLiteral("::chunk { background-color: rgb(250,0,0); }");
    if (pc < 50)
        return QStringLiteral("::chunk { background-color: rgb(0,220,0); }");
    return QStringLiteral("::chunk { background-color: rgb(255,170,40); }");
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    // A key held repeats: the knob turns on, a button stays down (it does not bounce
    // with the repeats' releases), the jack is toggled once.
    const bool repete = event->isAutoRepeat();
    for (const QChar c : event->text()) {
        const char touche = c.toLatin1();
        if (repete && touche != '+' && touche != '-')
            continue;
        switch (touche) {
        case '0': micro->set_bp0Pressed(); break;
        case '1': micro->set_bp1Pressed(); break;
        case '2': micro->set_bp2Pressed(); break;
        case '+': micro->augmenteAn0(); break;
        case '-': micro->diminueAn0(); break;
        case 'r': case 'R': micro->set_resetPressed(); break;
        case 'j': case 'J': rombo->jackToggle(); break;
        case 'f': case 'F': rombo->appuiFdc(); break;
        default: break;
        }
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::keyReleaseEvent(QKeyEvent* event)
{
    for (const QChar c : event->isAutoRepeat() ? QString() : event->text()) {
        switch (c.toLatin1()) {
        case '0': micro->set_bp0Released(); break;
        case '1': micro->set_bp1Released(); break;
        case '2': micro->set_bp2Released(); break;
        case 'r': case 'R': micro->set_resetReleased(); break;
        case 'f': case 'F': rombo->relacheFdc(); break;
        default: break;
        }
    }
    QMainWindow::keyReleaseEvent(event);
}

void MainWindow::action_apropos()
{
    apropos->show();
    apropos->raise();
}

void MainWindow::organiser()
{
    subWindow1->showNormal();
    subWindow1->move(0, 0);
    const QRect g1 = subWindow1->frameGeometry();
    const int x1 = g1.left(), x2 = g1.right(), h1 = g1.bottom() - g1.top() + 1;
    const QScrollBar* hBar = ui->mdiArea->horizontalScrollBar();
    const QScrollBar* vBar = ui->mdiArea->verticalScrollBar();
    const int hs = hBar->isVisible() ? hBar->height() : 0;
    const int vs = vBar->isVisible() ? vBar->width() : 0;
    const int barre = ui->widgetSpeedBar->isVisible() ? ui->widgetSpeedBar->frameGeometry().height() : 0;
    const int H = h1 + barre + menuBar()->frameGeometry().height() + hs + 8;
    int W;
    if (subWindow2->isVisible() || subWindow5->isVisible()) {
        // Beside the board: the scopes at its size, or the debugger, wider, in their
        // place, the scopes behind it at its size when both are shown.
        const int w1 = x2 - x1 + 1;
        int w = w1;
        if (subWindow5->isVisible()) {
            // As wide as it likes, within the screen.
            const QScreen* ecran = screen() ? screen() : QGuiApplication::primaryScreen();
            const int place = ecran->availableGeometry().width() - (frameGeometry().width() - width()) - vs - w1 - 1;
            w = std::max(w1, std::min(subWindow5->sizeHint().width(), place));
        }
        for (QMdiSubWindow* f : {subWindow2, subWindow5})
            if (f->isVisible()) {
                f->showNormal();
                f->resize(w, h1);
                f->move(x2 - x1, 0);
            }
        W = vs + w1 + w + 1;
    } else {
        W = vs + subWindow1->frameGeometry().width() + 2;
    }
    resize(W, H);
}

void MainWindow::on_action_Mode_simple_triggered()
{
    appliqueMode(false);
}

void MainWindow::on_action_Mode_complet_triggered()
{
    appliqueMode(true);
}

void MainWindow::appliqueMode(bool complet)
{
    simple = !complet;
    ui->action_Mode_simple->setVisible(complet);
    ui->action_Mode_complet->setVisible(!complet);
    subWindow1->show();
    // The robot and the track belong to the complete mode; the scopes open on demand
    // in the simple one.
    for (QMdiSubWindow* f : {subWindow3, subWindow4, subWindow2})
        f->setVisible(complet);
    for (QAction* a : {ui->action_Rombine, ui->action_Piste}) {
        a->setEnabled(complet);
        a->setVisible(complet);
    }
    ui->action_Organiser->setVisible(!complet);
    ui->action_Organiser->setEnabled(!complet);
    ui->action_Cascader->setVisible(complet);
    show();
    for (const QMetaObject::Connection& c : liensModeSimple)
        disconnect(c);
    liensModeSimple.clear();
    if (complet) {
        const QScreen* ecran = screen() ? screen() : QGuiApplication::primaryScreen();
        organiserComplet(ecran->availableGeometry());
        return;
    }
    zoneComplete = QRect();
    // The simple mode shows the board as drawn.
    micro->setEchelle(1.0);
    resize(subWindow1->frameGeometry().width(),
           subWindow1->frameGeometry().height() + ui->widgetSpeedBar->frameGeometry().height() +
               menuBar()->frameGeometry().height());
    organiser();
    if (!subWindow5->isVisible())
        subWindow1->showMaximized();
    // In the simple mode the main window tiles itself again whenever the board or the
    // scopes are shown or closed.
    liensModeSimple = {
        connect(ui->action_Microcontroleur, &QAction::triggered, this, &MainWindow::organiser),
        connect(ui->action_Oscilloscopes, &QAction::triggered, this, &MainWindow::organiser),
        connect(micro, &FenetreCarteMicro::estCache, this, &MainWindow::organiser),
        connect(oscillos, &FenetreOscillos::estCache, this, &MainWindow::organiser),
        connect(fenetreDebogueur, &FenetreDebogueur::estCache, this, &MainWindow::organiser),
    };
}

void MainWindow::organiserComplet(const QRect& disponible)
{
    zoneComplete = disponible;
    // A window manager may frame the window after it was shown, without moving it;
    // the window's coming on screen then tells.
    if (QWindow* fenetre = windowHandle())
        fenetre->installEventFilter(this);
    if (!isMaximized() && !isFullScreen()) {
        margesComptees = margesCadre();
        setGeometry(disponible.marginsRemoved(margesComptees));
    }
    tuiler();
}

void MainWindow::tuiler()
{
    QMdiArea* zone = ui->mdiArea;
    // At the area's origin, so that no scroll bar stays once everything fits.
    zone->horizontalScrollBar()->setValue(0);
    zone->verticalScrollBar()->setValue(0);
    const QSize taille = zone->maximumViewportSize();
    const int largeur = taille.width(), hauteur = taille.height();
    for (QMdiSubWindow* f : {subWindow1, subWindow2, subWindow3, subWindow4})
        f->showNormal();

    // Below, the robot and the track at their least height; above, the board as large
    // as the rest lets it be, never larger than drawn, the scopes beside it. A screen
    // tall enough gives the robot's top view what the board leaves.
    const auto cadre = [](const QMdiSubWindow* f) { return f->sizeHint() - f->widget()->sizeHint(); };
    const QSize cadreCarte = cadre(subWindow1), cadreRobot = cadre(subWindow3), cadrePiste = cadre(subWindow4);
    // (The track puts its tools in a row over its view when short: the robot is the
    // taller.)
    const int basMin = rombo->minimumSizeHint().height() + cadreRobot.height();
    const int place = hauteur - basMin - cadreCarte.height();
    // The board's height as drawn, measured while it is drawn so.
    if (micro->getEchelle() == 1.0)
        hauteurCarte = micro->sizeHint().height();
    double f = std::clamp(place / double(hauteurCarte), echelleCarteMin, 1.0);
    micro->setEchelle(f);
    // Texts that keep a readable size do not shrink with the rest.
    while (f > echelleCarteMin && micro->sizeHint().height() > place) {
        f = std::max(echelleCarteMin, f - 0.01);
        micro->setEchelle(f);
    }
    const QSize carte = micro->sizeHint() + cadreCarte;
    const int haut = std::min(carte.height(), hauteur);
    const int bas = std::max(0, hauteur - haut);

    // The track keeps room for its edit bar, on two rows if need be, its view scaling in
    // what is left; the robot takes the width that shows its top view as large as its
    // height lets it.
    const int largeurPiste = piste->largeurEditionMinimale() + cadrePiste.width();
    const int moindreRobot = rombo->minimumSizeHint().width() + cadreRobot.width();
    int largeurRobot = rombo->largeurPour(bas - cadreRobot.height()) + cadreRobot.width();
    largeurRobot = std::max(std::min(largeurRobot, largeur - largeurPiste), std::min(moindreRobot, largeur / 2));

    tuiles = {QRect(0, 0, carte.width(), haut), QRect(carte.width(), 0, largeur - carte.width(), haut),
              QRect(0, haut, largeurRobot, bas), QRect(largeurRobot, haut, largeur - largeurRobot, bas)};
    subWindow1->setGeometry(tuiles[0]);
    subWindow2->setGeometry(tuiles[1]);
    subWindow3->setGeometry(tuiles[2]);
    subWindow4->setGeometry(tuiles[3]);
    if (subWindow5->isVisible())
        subWindow5->setGeometry(tuiles[1]);
}

bool MainWindow::tuilesIntactes() const
{
    const QMdiSubWindow* fenetres[] = {subWindow1, subWindow2, subWindow3, subWindow4};
    for (std::size_t i = 0; i < tuiles.size(); ++i)
        if (!fenetres[i]->isVisible() || fenetres[i]->isMaximized() || fenetres[i]->isMinimized() ||
            fenetres[i]->geometry() != tuiles[i])
            return false;
    return true;
}

QMargins MainWindow::margesCadre() const
{
    const QRect cadre = frameGeometry(), g = geometry();
    return {g.left() - cadre.left(), g.top() - cadre.top(), cadre.right() - g.right(), cadre.bottom() - g.bottom()};
}

void MainWindow::ajusteAuCadre()
{
    // A window manager frames the window once it is on screen, after it was fitted:
    // its title bar would push the window past the screen's area.
    if (simple || zoneComplete.isNull() || isMaximized() || isFullScreen() || margesCadre() == margesComptees)
        return;
    margesComptees = margesCadre();
    setGeometry(zoneComplete.marginsRemoved(margesComptees));
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    ajusteAuCadre();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    ajusteAuCadre();
}

bool MainWindow::eventFilter(QObject* objet, QEvent* event)
{
    if (objet == windowHandle() && event->type() == QEvent::Expose)
        ajusteAuCadre();
    // The tiles follow the document area's size until the user arranges the windows
    // otherwise.
    if (objet == ui->mdiArea && event->type() == QEvent::Resize && !simple && !zoneComplete.isNull() &&
        tuilesIntactes())
        tuiler();
    return QMainWindow::eventFilter(objet, event);
}

void MainWindow::montrePiste()
{
    // In front, framed on the circuit, in the place the tiling gave it.
    ui->mdiArea->setActiveSubWindow(subWindow4);
    QCoreApplication::processEvents();
    piste->cadrerPiste();
}

void MainWindow::montreOngletRobot(int onglet)
{
    rombo->montreOnglet(onglet);
    if (subWindow3->isVisible())
        ui->mdiArea->setActiveSubWindow(subWindow3);
}

void MainWindow::montreOscillos()
{
    ui->action_Oscilloscopes->trigger();
}

bool MainWindow::enregistrerScenario(const QString& chemin)
{
    std::string erreur;
    return enregistreur.ecrire(QFile::encodeName(chemin).toStdString(), erreur);
}

void MainWindow::on_action_Enregistrer_le_scenario_triggered()
{
    const QString nom = QFileDialog::getSaveFileName(this, tr("Enregistrer le scénario"),
                                                     QDir::current().filePath(QStringLiteral("scenario.scn")),
                                                     tr("Scénario (*.scn);;Tous les fichiers (*)"));
    // No dialog to dismiss: the board window's file line says it, as for the states.
    if (!nom.isEmpty() && !enregistrerScenario(nom))
        micro->signaleRefus(tr("Scénario non enregistré : impossible d'écrire %1").arg(QDir::toNativeSeparators(nom)));
}

bool MainWindow::enregistrerEtat(const QString& chemin)
{
    std::string erreur;
    const FichiersEtat fichiers = fichiersDuRun(enregistreur, {});
    if (ecrireEtat(QFile::encodeName(chemin).toStdString(), texteEtat(modele, seance, fichiers), erreur))
        return true;
    micro->signaleRefus(tr("État non enregistré : %1").arg(QString::fromStdString(erreur)));
    return false;
}

bool MainWindow::ouvrirEtat(const QString& chemin)
{
    EtatLu etat;
    std::string erreur;
    // Tried on a board of its own first: a snapshot refused leaves this one as it was.
    std::unique_ptr<Modele> essai;
    if (lireEtat(QFile::encodeName(chemin).toStdString(), etat, erreur) &&
        (essai = prepareCarteEtat(etat, {}, erreur)) && restaureEtat(etat, *essai, nullptr, erreur)) {
        const FichiersEtat& f = etat.fichiers;
        // The chip in the snapshot's mode, which the state puts back whole.
        modele.getProcesseur()->setSilicium(essai->getProcesseur()->estSilicium());
        micro->chargerProgramme(QFile::decodeName(f.programme.c_str()));
        // The robot and the track the trial board took.
        montageEtat(etat, modele, {}, erreur);
        // The power switch set as the snapshot has it, before the state it would reset.
        micro->setPower(essai->isPowered());
        const bool restaure = restaureEtat(etat, modele, &seance, erreur);
        // The scopes sample again from the instant loaded: the wheel their events were
        // in has moved under them.
        oscillos->miseAJour();
        if (restaure) {
            micro->montreReset(modele.isResetTenu());
            enregistreur.reprend(f.actions, f.graine);
            emit modele.modeSilicium();
            // The widgets follow: the LCD, the robot.
            LcdScreen& lcd = *modele.getLcd();
            for (int y = 0; y < 2; ++y)
                for (int x = 0; x < 16; ++x)
                    emit lcd.modifie(x, y, lcd.getAscii(x, y));
            emit modele.deplaceRombo(modele.getX(), modele.getY(), modele.getTheta());
            return true;
        }
    }
    micro->signaleRefus(tr("État refusé : %1").arg(QString::fromStdString(erreur)));
    return false;
}

void MainWindow::on_action_Enregistrer_l_etat_triggered()
{
    const QString nom = QFileDialog::getSaveFileName(this, tr("Enregistrer l'état"),
                                                     QDir::current().filePath(QStringLiteral("etat.json")),
                                                     tr("État (*.json);;Tous les fichiers (*)"));
    if (!nom.isEmpty())
        enregistrerEtat(nom);
}

void MainWindow::on_action_Ouvrir_un_etat_triggered()
{
    const QString nom = QFileDialog::getOpenFileName(this, tr("Ouvrir un état"), QDir::currentPath(),
                                                     tr("État (*.json);;Tous les fichiers (*)"));
    if (!nom.isEmpty())
        ouvrirEtat(nom);
}

void MainWindow::montreDebogueur()
{
    // In the scopes' place: while the program is paused their traces stand still,
    // and the board, the robot and the track the student watches stay in view.
    subWindow5->show();
    if (simple)
        organiser();
    else if (!zoneComplete.isNull())
        subWindow5->setGeometry(tuiles[1]);
    ui->mdiArea->setActiveSubWindow(subWindow5);
    fenetreDebogueur->setFocus();
}

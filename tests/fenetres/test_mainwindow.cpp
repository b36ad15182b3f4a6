#include <QtTest>

#include <QDialogButtonBox>
#include <QDomDocument>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QScrollBar>
#include <QSlider>
#include <QTranslator>

#include "apropos.h"
#include "fenetrecartemicro.h"
#include "fenetreoscillos.h"
#include "fenetrepiste.h"
#include "langue.h"
#include "lignecommande.h"
#include "mainwindow.h"
#include "miseenpage.h"
#include "principal.h"
#include "saisiereelle.h"
#include "rombo.h"
#include "ui_fenetrecartemicro.h"
#include "ui_fenetrepiste.h"
#include "ui_mainwindow.h"
#include "ui_rombo.h"

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void etatInitial();
    void vitesse();
    void minuterieEtAlimentation();
    void touches();
    void touchesApresUnChamp();
    void modeSimple();
    void diagnosticsEnModeSimple();
    void modeSilicium();
    void modeCompletALEcran_data();
    void modeCompletALEcran();
    void tuilesSuiventLaFenetre();
    void apropos();
    void traductionComplete();
    void motsDeQt();
    void ligneDeCommande();
    void demoDeBoutEnBout();
};

void TestMainWindow::etatInitial()
{
    Simulation simulation;
    MainWindow w(simulation);
    Ui::MainWindow* ui = w.formulaire();
    QCOMPARE(ui->speedSlider->value(), 10);
    QCOMPARE(ui->speedSpinBox->value(), 1.0);
    QCOMPARE(w.periode(), 10);
    QVERIFY(!w.timerActif());
    QCOMPARE(ui->labelTime->text(), QStringLiteral("0,000"));
    QVERIFY(w.modeSimple());
    QVERIFY(w.sousFenetre(1)->isVisible());
    for (int n : {2, 3, 4})
        QVERIFY(!w.sousFenetre(n)->isVisible());
    // The delivered menus offer no way to the complete mode nor to the robot windows.
    QVERIFY(!ui->action_Mode_complet->isVisible());
    QVERIFY(!ui->action_Mode_simple->isVisible());
    QVERIFY(!ui->action_Rombine->isVisible() && !ui->action_Piste->isVisible());
    QVERIFY(!ui->action_Recharger_le_programme->isEnabled());
}

void TestMainWindow::vitesse()
{
    Simulation simulation;
    MainWindow w(simulation);
    Ui::MainWindow* ui = w.formulaire();
    ui->speedSpinBox->setValue(0.1);
    QCOMPARE(ui->speedSlider->value(), 1);
    QCOMPARE(w.periode(), 1);
    ui->speedSlider->setValue(500);
    QCOMPARE(ui->speedSpinBox->value(), 50.0);
    QCOMPARE(w.periode(), 500);
    ui->speedSpinBox->setValue(2.5);
    QCOMPARE(ui->speedSlider->value(), 25);
    QVERIFY(!w.timerActif());   // moving the bar while stopped only stores the period
}

void TestMainWindow::minuterieEtAlimentation()
{
    Simulation simulation;
    MainWindow w(simulation);
    Ui::FenetreCarteMicro* carte = w.getMicro()->formulaire();
    carte->boutonPower->click();
    QVERIFY(w.timerActif());
    QTRY_VERIFY(w.formulaire()->labelTime->text() != QStringLiteral("0,000"));
    w.formulaire()->speedSlider->setValue(3);
    QVERIFY(w.timerActif());
    QCOMPARE(w.periode(), 3);
    // Holding reset stops the board's clock; releasing it starts it again.
    w.getMicro()->set_resetPressed();
    QVERIFY(!w.timerActif());
    w.getMicro()->set_resetReleased();
    QVERIFY(w.timerActif());
    carte->boutonPower->click();
    QVERIFY(!w.timerActif());
    const uint64_t arret = w.getModele().time();
    QTest::qWait(30);
    QCOMPARE(w.getModele().time(), arret);
}

void TestMainWindow::touches()
{
    Simulation simulation;
    MainWindow w(simulation);
    Modele& m = w.getModele();
    QTest::keyPress(&w, '1');
    QVERIFY(m.getBouton(1)->estAppuye());
    QVERIFY(w.getMicro()->formulaire()->bp1->isDown());
    QTest::keyRelease(&w, '1');
    QVERIFY(!m.getBouton(1)->estAppuye());
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(&w, '+');
    QCOMPARE(w.getMicro()->formulaire()->an0SpinBox->value(), 0.147);
    QTest::keyClick(&w, '-');
    QCOMPARE(w.getMicro()->formulaire()->an0SpinBox->value(), 0.098);

    w.getMicro()->setPower(true);
    QVERIFY(w.timerActif());
    QTest::keyPress(&w, 'R');
    QVERIFY(!w.timerActif());
    QVERIFY(w.getMicro()->formulaire()->reset->isDown());
    QTest::keyRelease(&w, 'R');
    QVERIFY(w.timerActif());
    w.getMicro()->setPower(false);

    // "j" toggles the jack on press only.
    const bool jack = m.getJack()->isActif();
    QTest::keyPress(&w, 'j');
    QTest::keyRelease(&w, 'j');
    QCOMPARE(m.getJack()->isActif(), !jack);
    QTest::keyPress(&w, 'f');
    QVERIFY(m.getFdc()->isActif());
    QTest::keyRelease(&w, 'f');
    QVERIFY(!m.getFdc()->isActif());
}

void TestMainWindow::touchesApresUnChamp()
{
    // The keys go to a field while it has the focus, which it shows, and to the board
    // again once the user clicks the board's background or presses Escape.
    Simulation simulation;
    MainWindow w(simulation);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QWindow* fenetre = w.windowHandle();
    auto clique = [&](QWidget* cible, QPoint p) {
        QTest::mouseClick(fenetre, Qt::LeftButton, {}, cible->mapTo(&w, p));
    };
    auto bp1 = [&] {
        QTest::keyPress(fenetre, '0');
        const bool appuye = w.getModele().getBouton(0)->estAppuye();
        QTest::keyRelease(fenetre, '0');
        return appuye;
    };
    auto cadre = [](QWidget* c) {
        return c->grab().toImage().pixelColor(1, c->height() / 2) == SaisieReelle::couleurFocus;
    };

    Ui::FenetreCarteMicro* carte = w.getMicro()->formulaire();
    clique(carte->an0SpinBox, QPoint(5, 5));
    QVERIFY(!bp1());
    QVERIFY(cadre(carte->an0SpinBox));
    const QPoint fond = carte->bp0->geometry().topLeft() - QPoint(4, 0);
    QVERIFY(!w.getMicro()->childAt(fond));
    clique(w.getMicro(), fond);
    QVERIFY(bp1());
    QVERIFY(!cadre(carte->an0SpinBox));

    clique(w.formulaire()->speedSpinBox, QPoint(5, 5));
    QTest::keyClick(fenetre, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(fenetre, '5');
    QTest::keyClick(fenetre, Qt::Key_Escape);
    QCOMPARE(w.formulaire()->speedSpinBox->value(), 1.0);
    QVERIFY(bp1());
}

void TestMainWindow::modeSimple()
{
    Simulation simulation;
    MainWindow w(simulation);
    QMdiSubWindow* carte = w.sousFenetre(1);
    QMdiSubWindow* oscillos = w.sousFenetre(2);
    w.formulaire()->action_Oscilloscopes->trigger();
    QVERIFY(oscillos->isVisible());
    const QRect g1 = carte->frameGeometry();
    QCOMPARE(oscillos->frameGeometry().left(), g1.right() - g1.left());
    QCOMPARE(oscillos->frameGeometry().size(), g1.size());
    const int large = w.width();
    QVERIFY(large >= 2 * g1.width());

    // Closing the oscilloscopes shrinks the window back to the board's width.
    oscillos->close();
    QVERIFY(!oscillos->isVisible());
    QVERIFY(w.width() < large);
    QVERIFY(w.width() <= carte->frameGeometry().width() + 2 + w.formulaire()->mdiArea->verticalScrollBar()->width());
    // In the simple mode the board window cannot go: closing it tiles it back.
    carte->close();
    QVERIFY(carte->isVisible());

    w.on_action_Mode_complet_triggered();
    QVERIFY(!w.modeSimple());
    for (int n = 1; n <= 4; ++n)
        QVERIFY(w.sousFenetre(n)->isVisible());
    QVERIFY(w.formulaire()->action_Rombine->isVisible() && w.formulaire()->action_Piste->isEnabled());
    QVERIFY(w.formulaire()->action_Cascader->isVisible());
    QVERIFY(!w.formulaire()->action_Organiser->isVisible());
    // Out of the simple mode, closing a window no longer reshapes the main window.
    const QSize taille = w.size();
    oscillos->close();
    QCOMPARE(w.size(), taille);

    w.on_action_Mode_simple_triggered();
    QVERIFY(w.modeSimple());
    QVERIFY(!w.sousFenetre(3)->isVisible() && !w.sousFenetre(4)->isVisible());
}

// The strip of diagnostics comes with the first and goes with the program: the
// simple mode's window fits the board each time.
void TestMainWindow::diagnosticsEnModeSimple()
{
    Simulation simulation;
    MainWindow w(simulation);
    const int hauteur = w.height();
    Ui::FenetreCarteMicro* carte = w.getMicro()->formulaire();
    QVERIFY(w.getMicro()->chargerProgramme(QStringLiteral(TAVREX_TEST_HEX_DIR "/diag_interruptions.hex")).reussi());
    w.getMicro()->setPower(true);
    simulation.seance.avanceJusqua(ticksParMs);
    QCoreApplication::processEvents();
    QVERIFY(carte->bandeDiagnostics->isVisible());
    QVERIFY(w.height() >= hauteur + carte->bandeDiagnostics->height());
    QCOMPARE(defautsDeMiseEnPage(w.sousFenetre(1)), QStringList());
    w.getMicro()->setPower(false);
    QVERIFY(w.getMicro()->chargerProgramme(QStringLiteral(TAVREX_EXAMPLES_DIR "/demo.hex")).reussi());
    QCoreApplication::processEvents();
    QVERIFY(!carte->bandeDiagnostics->isVisible());
    QCOMPARE(w.height(), hauteur);
}

// The menu's silicon mode, taken by the chip at the reset: the mark greyed until then,
// the entry following a mode asked by the board (a replayed scenario).
void TestMainWindow::modeSilicium()
{
    Simulation simulation;
    MainWindow w(simulation);
    Ui::FenetreCarteMicro* carte = w.getMicro()->formulaire();
    const P18f4550& pic = *simulation.modele.getProcesseur();
    QVERIFY(w.getMicro()->chargerProgramme(QStringLiteral(TAVREX_TEST_HEX_DIR "/silicium_sauts.hex")).reussi());
    QVERIFY(!carte->marqueSilicium->isVisibleTo(w.getMicro()));
    w.getMicro()->setPower(true);
    simulation.seance.avanceJusqua(ticksParMs);
    w.formulaire()->action_Mode_silicium->trigger();
    QVERIFY(!pic.estSilicium());
    QVERIFY(carte->marqueSilicium->isVisibleTo(w.getMicro()) && !carte->marqueSilicium->isEnabled());
    QTest::mouseClick(carte->reset, Qt::LeftButton);
    QVERIFY(pic.estSilicium() && carte->marqueSilicium->isEnabled());
    simulation.seance.avanceJusqua(3 * ticksParMs);
    // The jump table's case 2 and the table's entry 3, which the default mode misses.
    QCOMPARE(pic.getDM()->readDirect(0x100), Byte(0xa2));
    QCOMPARE(pic.getDM()->readDirect(0x102), Byte(0x13));

    simulation.modele.demandeSilicium(false);
    QVERIFY(!w.formulaire()->action_Mode_silicium->isChecked());
    QVERIFY(carte->marqueSilicium->isVisibleTo(w.getMicro()));
    w.getMicro()->setPower(false);
    w.getMicro()->setPower(true);
    QVERIFY(!pic.estSilicium() && !carte->marqueSilicium->isVisibleTo(w.getMicro()));
}

namespace {

// The complete mode's tiles: in the document area's view, none over another, the
// board and the scopes side by side above the robot and the track.
QString fauteDesTuiles(const MainWindow& w)
{
    const QMdiArea* zone = w.formulaire()->mdiArea;
    if (zone->horizontalScrollBar()->isVisible() || zone->verticalScrollBar()->isVisible())
        return QStringLiteral("the document area scrolls");
    QRect t[4];
    for (int n = 1; n <= 4; ++n) {
        t[n - 1] = w.sousFenetre(n)->geometry();
        if (!w.sousFenetre(n)->isVisible() || !zone->viewport()->rect().contains(t[n - 1]))
            return QStringLiteral("window %1 is not whole in view").arg(n);
    }
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j)
            if (t[i].intersects(t[j]))
                return QStringLiteral("windows %1 and %2 overlap").arg(i + 1).arg(j + 1);
    if (t[1].left() <= t[0].left() || t[3].left() <= t[2].left() || t[2].top() <= t[0].bottom() ||
        t[3].top() <= t[1].bottom())
        return QStringLiteral("the windows are not in their places");
    return {};
}

// The scroll bars shown in a window: something in it is out of reach without them.
// The track's view is a map of the carpet, panned by dragging: its bars stay.
QStringList barresVisibles(const MainWindow& w, const QWidget* fenetre)
{
    QStringList barres;
    for (const QAbstractScrollArea* zone : fenetre->findChildren<QAbstractScrollArea*>())
        if (zone != w.getPiste()->formulaire()->graphicsView)
            for (const QScrollBar* b : {zone->horizontalScrollBar(), zone->verticalScrollBar()})
                if (b->isVisible())
                    barres << zone->objectName();
    return barres;
}

// The 9-point font that the desktop program gets from an X display without a
// desktop's settings (the tests' platform gives 12 points), for as long as it lives.
struct PoliceDuBureau
{
    const QFont avant = QApplication::font();
    PoliceDuBureau()
    {
        QFont police = avant;
        police.setPointSize(9);
        QApplication::setFont(police);
    }
    ~PoliceDuBureau() { QApplication::setFont(avant); }
    PoliceDuBureau(const PoliceDuBureau&) = delete;
    PoliceDuBureau& operator=(const PoliceDuBureau&) = delete;
};

}  // namespace

void TestMainWindow::modeCompletALEcran_data()
{
    QTest::addColumn<QRect>("disponible");
    QTest::addColumn<bool>("carteEntiere");
    QTest::newRow("1600x1000") << QRect(0, 0, 1600, 1000) << true;
    QTest::newRow("1280x800") << QRect(0, 0, 1280, 800) << false;
    QTest::newRow("1280x800 under a panel") << QRect(0, 32, 1280, 768) << false;
}

void TestMainWindow::modeCompletALEcran()
{
    QFETCH(QRect, disponible);
    const PoliceDuBureau police;
    Simulation simulation;
    MainWindow w(simulation);
    QVERIFY(w.getPiste()->ouvrir(QStringLiteral(TAVREX_EXAMPLES_DIR "/piste001.pis")));
    QVERIFY(w.getRombo()->ouvrirFichier(QStringLiteral(TAVREX_ROBOT_EXEMPLE)));
    w.appliqueMode(true);
    w.organiserComplet(disponible);
    QCoreApplication::processEvents();
    QCOMPARE(w.frameGeometry(), disponible);
    QCOMPARE(fauteDesTuiles(w), QString());
    // The board as drawn when the screen has the room, smaller but whole when not.
    QFETCH(bool, carteEntiere);
    QCOMPARE(w.getMicro()->getEchelle() == 1.0, carteEntiere);
    QVERIFY(w.getMicro()->getEchelle() >= 0.55);

    // Every button and field of every window is at hand without scrolling, on every
    // tab of the robot's and with the track's editor open.
    w.getPiste()->formulaire()->toolButtonEdit->click();
    QTabWidget* onglets = w.getRombo()->formulaire()->tabWidget;
    for (int onglet = 0; onglet < onglets->count(); ++onglet) {
        onglets->setCurrentIndex(onglet);
        QCoreApplication::processEvents();
        for (int n = 1; n <= 4; ++n) {
            const QStringList defauts = defautsDeMiseEnPage(w.sousFenetre(n)) + barresVisibles(w, w.sousFenetre(n));
            QVERIFY2(defauts.isEmpty(), qPrintable(QStringLiteral("window %1, robot tab %2: %3")
                                                       .arg(n)
                                                       .arg(onglet)
                                                       .arg(defauts.join(QStringLiteral(", ")))));
        }
    }

    // The command line's robot tab and track come in front where the tiling put them.
    QRect avant[4];
    for (int n = 1; n <= 4; ++n)
        avant[n - 1] = w.sousFenetre(n)->geometry();
    w.montreOngletRobot(2);
    QCOMPARE(w.formulaire()->mdiArea->activeSubWindow(), w.sousFenetre(3));
    w.montrePiste();
    QCOMPARE(w.formulaire()->mdiArea->activeSubWindow(), w.sousFenetre(4));
    QCOMPARE(w.frameGeometry(), disponible);
    for (int n = 1; n <= 4; ++n)
        QCOMPARE(w.sousFenetre(n)->geometry(), avant[n - 1]);
}

// Resized by hand or by the window manager's frame, the main window takes its tiles
// along, until the user arranges them otherwise.
void TestMainWindow::tuilesSuiventLaFenetre()
{
    Simulation simulation;
    MainWindow w(simulation);
    w.appliqueMode(true);
    w.organiserComplet(QRect(0, 0, 1600, 1000));
    w.resize(1400, 900);
    QCoreApplication::processEvents();
    QCOMPARE(fauteDesTuiles(w), QString());
    QCOMPARE(w.sousFenetre(2)->geometry().right() + 1, w.formulaire()->mdiArea->viewport()->width());

    w.formulaire()->action_Barre_de_vitesse->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(w.sousFenetre(4)->geometry().bottom() + 1, w.formulaire()->mdiArea->viewport()->height());

    const QRect ailleurs = w.sousFenetre(2)->geometry().translated(-30, 0);
    w.sousFenetre(2)->move(ailleurs.topLeft());
    w.resize(1500, 950);
    QCoreApplication::processEvents();
    QCOMPARE(w.sousFenetre(2)->geometry(), ailleurs);
}

void TestMainWindow::apropos()
{
    Simulation simulation;
    MainWindow w(simulation);
    Modele& m = w.getModele();
    w.formulaire()->action_propos->trigger();
    Apropos* boite = w.getApropos();
    QVERIFY(boite->isVisible());
    QVERIFY(boite->isModal());
    boite->findChild<QPushButton*>(QStringLiteral("pushButton"))->click();
    QVERIFY(!boite->isVisible());
    w.formulaire()->action_propos->trigger();
    QCOMPARE(w.getApropos(), boite);
    QVERIFY(boite->isVisible());
    boite->hide();
    QVERIFY(w.isVisible());
    QVERIFY(!m.isPowered());
}

void TestMainWindow::traductionComplete()
{
    QFile ts(QStringLiteral(TAVREX_TS));
    QVERIFY(ts.open(QIODevice::ReadOnly));
    QDomDocument doc;
    QVERIFY(doc.setContent(&ts));
    const QDomNodeList messages = doc.elementsByTagName(QStringLiteral("message"));
    QVERIFY(messages.count() > 50);
    for (int i = 0; i < messages.count(); ++i) {
        const QDomElement t = messages.at(i).firstChildElement(QStringLiteral("translation"));
        const QString source = messages.at(i).firstChildElement(QStringLiteral("source")).text();
        QVERIFY2(!t.isNull() && !t.hasAttribute(QStringLiteral("type")), qPrintable(source));
        QVERIFY2(!t.text().trimmed().isEmpty(), qPrintable(source));
    }

    QTranslator anglais;
    QVERIFY(anglais.load(QStringLiteral(TAVREX_QM)));
    QCoreApplication::installTranslator(&anglais);
    {
        Simulation simulation;
        MainWindow w(simulation);
        QCOMPARE(w.formulaire()->action_Mode_simple->text(), QStringLiteral("Simple mode"));
        QCOMPARE(w.getMicro()->windowTitle(), QStringLiteral("Microcontroller board"));
    }
    QCoreApplication::removeTranslator(&anglais);
}

// The file dialog and the standard buttons speak the program's language.
void TestMainWindow::motsDeQt()
{
    const QString ici = QDir::currentPath();
    {
        Langue francais;
        QVERIFY(!francais.installe());
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Voir dans :"));
        QCOMPARE(QDialogButtonBox(QDialogButtonBox::Cancel).button(QDialogButtonBox::Cancel)->text(),
                 QStringLiteral("Annuler"));
    }
    QVERIFY(QDir::setCurrent(QFileInfo(QStringLiteral(TAVREX_QM)).absolutePath()));
    {
        Langue anglais;
        QVERIFY(anglais.installe());
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Look in:"));
    }
    QDir::setCurrent(ici);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
}

void TestMainWindow::ligneDeCommande()
{
    auto lire = [](QStringList args, OptionsLancement& o, std::string& erreur) {
        args.prepend(QStringLiteral("tavrex"));
        std::vector<QByteArray> octets;
        std::vector<char*> argv;
        for (const QString& a : args)
            octets.push_back(a.toLocal8Bit());
        for (QByteArray& b : octets)
            argv.push_back(b.data());
        return lireOptions(Programme::Fenetre, static_cast<int>(argv.size()), argv.data(), o, erreur);
    };
    const QString demo = QStringLiteral(TAVREX_EXAMPLES_DIR "/demo.hex");
    for (const QStringList& mauvaise : {QStringList{"--speed", "0.05"}, QStringList{"--speed"},
                                        QStringList{"--bogus"}, QStringList{"--at", "5", "press", "BP4"},
                                        QStringList{"--quit-after", "10", "--screenshot", "x.png", "/nonexistent.hex"},
                                        QStringList{"--screenshot", "x.png", demo}, QStringList{demo, demo},
                                        QStringList{"/tmp"}}) {
        OptionsLancement o;
        std::string erreur;
        QVERIFY2(!lire(mauvaise, o, erreur), qPrintable(mauvaise.join(' ')));
        QVERIFY(!erreur.empty());
    }

    OptionsLancement o;
    std::string erreur;
    QVERIFY(lire({"--power-on", "--speed", "0.1", "--at", "20", "pot 2.5", "--at", "0", "press", "BP2",
                  "--quit-after", "40", demo},
                 o, erreur));
    Simulation simulation;
    MainWindow w(simulation);
    LigneCommande ligne(w, simulation, o);
    QSignalSpy fin(&ligne, &LigneCommande::termine);
    QVERIFY(ligne.demarrer(erreur));
    Ui::FenetreCarteMicro* carte = w.getMicro()->formulaire();
    QCOMPARE(carte->fichier->text(), demo);
    QVERIFY(carte->boutonPower->isChecked());
    QCOMPARE(w.periode(), 1);
    QVERIFY(carte->bp1->isDown());   // at 0 ms
    QCOMPARE(carte->an0SpinBox->value(), 0.0);
    QVERIFY(fin.wait(20000));
    QCOMPARE(fin.at(0).at(0).toInt(), 0);
    QCOMPARE(carte->an0SpinBox->value(), 2.5);
    QCOMPARE(carte->an0Dial->value(), 2500);
    QVERIFY(simulation.seance.horloge() >= 40 * 48000u);
}

void TestMainWindow::demoDeBoutEnBout()
{
    Simulation simulation;
    MainWindow w(simulation);
    FenetreCarteMicro* carte = w.getMicro();
    QVERIFY(carte->chargerProgramme(QStringLiteral(TAVREX_EXAMPLES_DIR "/demo.hex")).reussi());
    w.formulaire()->speedSpinBox->setValue(0.1);
    carte->formulaire()->boutonPower->click();
    const QByteArray salut = "Bonjour";
    auto ligne0 = [&] {
        QByteArray texte;
        for (int x = 0; x < 16; ++x)
            texte += static_cast<char>(carte->vueLcd().codeAffiche(x, 0));
        return texte;
    };
    QTRY_VERIFY_WITH_TIMEOUT(ligne0().contains(salut), 60000);
    QVERIFY(carte->vueLcd().opacite() > 0.0);
    // BP1 lights the LED on RA6.
    QTest::keyPress(&w, '0');
    QTRY_VERIFY_WITH_TIMEOUT(carte->formulaire()->ledA6->opaciteAllumee() > 0.9, 30000);
    QTest::keyRelease(&w, '0');
    carte->formulaire()->boutonPower->click();
}

TAVREX_TESTS_FENETRE(TestMainWindow)
#include "test_mainwindow.moc"

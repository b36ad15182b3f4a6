#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QDial>
#include <QMdiSubWindow>
#include <QTemporaryDir>

#include <qwt_plot.h>

#include "fenetrecartemicro.h"
#include "fenetreoscillos.h"
#include "mainwindow.h"
#include "oscillo.h"
#include "principal.h"
#include "ui_fenetrecartemicro.h"
#include "ui_fenetreoscillos.h"
#include "ui_mainwindow.h"

class TestOscillos : public QObject
{
    Q_OBJECT
private slots:
    void listesSuiventLesMoteurs();
    void basesDeTemps();
    void fenetrePrincipale();
    void etatOuvert();
};

void TestOscillos::listesSuiventLesMoteurs()
{
    Modele modele;
    FenetreOscillos f(modele);
    Ui::FenetreOscillos* ui = f.formulaire();
    QCOMPARE(ui->comboBoxOscillo1->count(), 1);
    QCOMPARE(ui->comboBoxOscillo1->currentText(), QStringLiteral("Pin RC1 (PWM2)"));
    QCOMPARE(ui->comboBoxOscillo2->currentText(), QStringLiteral("Pin RC2 (PWM1)"));
    modele.setPwm1aGauche(false);
    QCOMPARE(ui->comboBoxOscillo1->count(), 1);
    QCOMPARE(ui->comboBoxOscillo1->currentText(), QStringLiteral("Pin RC2 (PWM1)"));
    QCOMPARE(ui->comboBoxOscillo2->currentText(), QStringLiteral("Pin RC1 (PWM2)"));
    // The traces stay with their motors.
    QCOMPARE(f.oscillo1->getObserve(), static_cast<Connexion*>(modele.getMoteurD()));
    QCOMPARE(f.oscillo2->getObserve(), static_cast<Connexion*>(modele.getMoteurG()));
}

void TestOscillos::basesDeTemps()
{
    Modele modele;
    FenetreOscillos f(modele);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    Ui::FenetreOscillos* ui = f.formulaire();
    QCOMPARE(f.oscillo1->getDt(), 11);
    QVERIFY(!ui->baseTpsOscillo2->isEnabled() && !ui->labelBaseTps2->isEnabled());

    // Dial 2 follows dial 1 while the box is clear.
    ui->baseTpsOscillo1->setFocus();
    QTest::keyClick(ui->baseTpsOscillo1, Qt::Key_End);
    QCOMPARE(ui->baseTpsOscillo1->value(), 99);
    QCOMPARE(ui->baseTpsOscillo2->value(), 99);
    QCOMPARE(f.oscillo1->getDt(), 4799);
    QCOMPARE(f.oscillo2->getDt(), 4799);
    // The time axes with them: 25 ms, in milliseconds.
    const QwtPlot* plot = ui->qwtPlotOscillo2;
    QCOMPARE(plot->axisInterval(QwtPlot::xBottom).maxValue(), f.oscillo2->getX()[Oscillo::nbPoints - 1]);
    QCOMPARE(plot->axisTitle(QwtPlot::xBottom).text(), QStringLiteral("ms"));

    // Checked, the two time bases part.
    QTest::mouseClick(ui->checkBoxBaseTps2, Qt::LeftButton);
    QVERIFY(ui->baseTpsOscillo2->isEnabled() && ui->labelBaseTps2->isEnabled());
    QTest::keyClick(ui->baseTpsOscillo2, Qt::Key_Home);
    QTest::keyClick(ui->baseTpsOscillo1, Qt::Key_PageDown);
    QCOMPARE(ui->baseTpsOscillo2->value(), 0);
    QCOMPARE(f.oscillo2->getDt(), 1);
    QVERIFY(f.oscillo1->getDt() != 1);

    // Cleared again, voie 2 takes dial 1's value back.
    QTest::mouseClick(ui->checkBoxBaseTps2, Qt::LeftButton);
    QVERIFY(!ui->baseTpsOscillo2->isEnabled() && !ui->labelBaseTps2->isEnabled());
    QCOMPARE(ui->baseTpsOscillo2->value(), ui->baseTpsOscillo1->value());
    QCOMPARE(f.oscillo2->getDt(), f.oscillo1->getDt());
}

void TestOscillos::fenetrePrincipale()
{
    Simulation simulation;
    MainWindow w(simulation);
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QMdiSubWindow* carte = w.sousFenetre(1);
    QMdiSubWindow* scopes = w.sousFenetre(2);
    const int etroite = w.width();

    // Opened from the menu: beside the board window, the main window widened.
    w.formulaire()->action_Oscilloscopes->trigger();
    QVERIFY(scopes->isVisible());
    QCOMPARE(scopes->geometry().left(), carte->frameGeometry().right());
    QCOMPARE(scopes->height(), carte->frameGeometry().height());
    QVERIFY(w.width() > etroite + carte->width() / 2);

    // The demo's PWM1 on the left motor: the main window restarts the sweeps every
    // 100 ms of chip time, and the trace triggers once the program drives the PWM.
    QVERIFY(w.getMicro()->chargerProgramme(QStringLiteral(TAVREX_EXAMPLES_DIR "/demo.hex")).reussi());
    w.getMicro()->formulaire()->an0SpinBox->setValue(2.0);
    w.formulaire()->speedSpinBox->setValue(0.1);
    w.getMicro()->setPower(true);
    const Oscillo* pwm1 = w.getOscillos()->oscillo2;
    QTRY_VERIFY_WITH_TIMEOUT(pwm1->estDeclenche(), 20000);
    w.getMicro()->setPower(false);
    QVERIFY(pwm1->getNbTraces() <= static_cast<int>(w.getModele().time() / (100 * 48000)));
    QVERIFY(pwm1->getY()[0] < 2.5 && pwm1->getY()[1] > 4.5);

    // Closed: hidden, and the main window narrows back.
    w.getOscillos()->close();
    QVERIFY(!scopes->isVisible());
    QCOMPARE(w.width(), etroite);
}

// A state opened while the scopes sweep: they sample again from the instant loaded,
// their next sample one time base after it, and trigger on what follows.
void TestOscillos::etatOuvert()
{
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(QStringLiteral("etat.json"));
    Simulation simulation;
    MainWindow w(simulation);
    QVERIFY(w.getMicro()->chargerProgramme(QStringLiteral(TAVREX_EXAMPLES_DIR "/demo.hex")).reussi());
    w.getMicro()->formulaire()->an0SpinBox->setValue(2.0);
    w.getMicro()->setPower(true);
    simulation.cadence.arrete();
    Seance& s = simulation.seance;
    s.avanceJusqua(s.horloge() + 150 * ticksParMs);   // the PWM under way
    QVERIFY(w.enregistrerEtat(fichier));
    // The wheel turns on: the scopes' events stand elsewhere than the snapshot's.
    s.avanceJusqua(s.horloge() + 7 * ticksParMs + 1234);
    w.getOscillos()->miseAJour();
    s.avanceJusqua(s.horloge() + 111);
    QVERIFY(w.ouvrirEtat(fichier));
    simulation.cadence.arrete();
    P18f4550& pic = *simulation.modele.getProcesseur();
    const uint64_t charge = pic.time();
    for (const Oscillo* o : {w.getOscillos()->oscillo1, w.getOscillos()->oscillo2}) {
        QVERIFY(o->estEnregistre());
        QCOMPARE(o->getEtat(), 0);
        QCOMPARE(o->numeroEnregistrement(), static_cast<uint16_t>(pic.getListeEvts()->maintenant() + o->getDt()));
    }
    s.avanceJusqua(s.horloge() + 5 * ticksParMs);
    const Oscillo* pwm1 = w.getOscillos()->oscillo2;
    QVERIFY(pwm1->estDeclenche() && pwm1->getInstantDeclenchement() > charge);
}

TAVREX_TESTS_FENETRE(TestOscillos)
#include "test_oscillos.moc"

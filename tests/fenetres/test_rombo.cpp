#include <QtTest>

#include <QGraphicsView>
#include <QTemporaryDir>

#include "lignecommande.h"
#include "miseenpage.h"
#include "modele.h"
#include "rombo.h"
#include "principal.h"
#include "ui_rombo.h"

class TestRombo : public QObject
{
    Q_OBJECT
private slots:
    void etatInitial();
    void contactsEtBroches();
    void interrupteurFdc();
    void capteurs();
    void glisserLeMarqueur();
    void vueDeDessusAEchelle();
    void comparateurEtTest();
    void moteurs();
    void fichiers();
    void champsParLesTables();
    void ligneDeCommande();
    void ongletsALEtroit();
};

namespace {

// The window on its own model, shown as a user has it, on a given tab.
struct Fenetre
{
    Modele modele;
    Rombo rombo{modele};
    Ui::Rombo* ui = rombo.formulaire();

    Fenetre() { rombo.show(); }
    void onglet(QWidget* w) { ui->tabWidget->setCurrentWidget(w); }
    void choisir(QComboBox* c, const QString& texte)
    {
        const int i = c->findText(texte);
        QVERIFY2(i >= 0, qPrintable(texte));
        c->setCurrentIndex(i);
    }
    void saisir(QDoubleSpinBox* champ, double valeur)
    {
        champ->setFocus();
        champ->selectAll();
        QTest::keyClicks(champ, QLocale().toString(valeur));
        QTest::keyClick(champ, Qt::Key_Enter);
    }
    QStringList items(QComboBox* c) const
    {
        QStringList l;
        for (int i = 0; i < c->count(); ++i)
            l << c->itemText(i);
        return l;
    }
};

bool montre(const QLabel* l, const char* image)
{
    return l->pixmap(Qt::ReturnByValue).toImage() == QPixmap(QString::fromLatin1(image)).toImage();
}

QString volts(double v)
{
    return QLocale().toString(v, 'f', 3) + QStringLiteral(" V");
}

}  // namespace

void TestRombo::etatInitial()
{
    Fenetre f;
    QCOMPARE(f.rombo.windowTitle(), QStringLiteral("Rombine"));
    QCOMPARE(f.ui->tabWidget->currentIndex(), 0);
    QCOMPARE(f.ui->tabWidget->count(), 6);
    QVERIFY(!f.ui->widgetExtension->isVisible());
    QVERIFY(!f.ui->label_axes->isVisible());
    QCOMPARE(f.rombo.getFichier(), QStringLiteral("rombo001"));
    QCOMPARE(f.ui->labelNumero->text(), QStringLiteral("0/0"));
    QVERIFY(f.ui->jack->isChecked());
    QVERIFY(!f.ui->widgetMoteurD->isEnabled());
    // The fields show the model, not the form's own defaults.
    QCOMPARE(f.ui->doubleMasse->value(), 2.0);
    QCOMPARE(f.ui->doubleDiametreRoue->value(), 50.0);
    QCOMPARE(f.ui->doubleLmotG->value(), 24.0);
    QCOMPARE(f.ui->doubleRendement->value(), 90.0);
    // Every tab's title is readable: no scroll buttons on the tab bar.
    QVERIFY(f.ui->tabWidget->tabBar()->sizeHint().width() <= f.ui->tabWidget->width());
    f.ui->checkBoxAxes->click();
    QVERIFY(f.ui->label_axes->isVisible());
}

void TestRombo::contactsEtBroches()
{
    Fenetre f;
    // A fresh model: the jack unwired, 12 free pins after "NC".
    QCOMPARE(f.ui->jackPin->currentText(), QStringLiteral("NC"));
    QCOMPARE(f.ui->jackPin->count(), 13);
    f.choisir(f.ui->jackPin, QStringLiteral("Pin RB0"));
    QCOMPARE(f.modele.getJackPinIndex(), f.modele.pinNameToIndex(QStringLiteral("RB0")));
    QCOMPARE(f.ui->jackPin->currentIndex(), 0);
    QCOMPARE(f.ui->schemaPinJack->text(), QStringLiteral("Pin RB0"));
    // Taken by the jack, RB0 is offered to nobody else.
    QVERIFY(!f.items(f.ui->fdcPin).contains(QStringLiteral("Pin RB0")));
    f.choisir(f.ui->fdcPin, QStringLiteral("Pin RB1"));
    QCOMPARE(f.items(f.ui->jackPin).mid(0, 3), (QStringList{"Pin RB0", "NC", "Pin RA1"}));
    // "NC" frees the pin again.
    f.choisir(f.ui->jackPin, QStringLiteral("NC"));
    QCOMPARE(f.modele.getJackPinIndex(), -1);
    QVERIFY(!f.modele.getJack()->getPort());
    QCOMPARE(f.ui->schemaPinJack->text(), QStringLiteral("NC"));
    QVERIFY(f.items(f.ui->fdcPin).contains(QStringLiteral("Pin RB0")));

    // Each choice draws its circuit and sets what the pin sees. The jack is in: a
    // normally open contact is closed.
    ContactCNX& jack = *f.modele.getJack();
    QVERIFY(montre(f.ui->schemaJack, ":/images/no_up.png"));
    QCOMPARE(jack.getSrc(), 0.0);
    f.choisir(f.ui->jackSchema, QStringLiteral("Pull-down"));
    QVERIFY(montre(f.ui->schemaJack, ":/images/no_down.png"));
    QCOMPARE(jack.getSrc(), 5.0);
    QCOMPARE(jack.getZ(), 100.0);
    f.choisir(f.ui->jackContact, QStringLiteral("Normalement fermé"));
    QVERIFY(montre(f.ui->schemaJack, ":/images/nc_down.png"));
    QCOMPARE(jack.getSrc(), 0.0);
    f.saisir(f.ui->jackResistance, 4.7);
    QCOMPARE(jack.getResistance(), 4700.0);
    QCOMPARE(jack.getZ(), 4700.0);
    f.choisir(f.ui->jackSchema, QStringLiteral("Pull-up"));
    QVERIFY(montre(f.ui->schemaJack, ":/images/nc_up.png"));
    QCOMPARE(jack.getSrc(), 5.0);
    // The jack's picture tells the model, and so does the keyboard.
    f.ui->jack->click();
    QVERIFY(!jack.isActif());
    f.rombo.jackToggle();
    QVERIFY(jack.isActif() && f.ui->jack->isChecked());
}

void TestRombo::interrupteurFdc()
{
    Fenetre f;
    QCheckBox* fdc = f.rombo.interrupteurFdc();
    ContactFdcCNX& contact = *f.modele.getFdc();
    f.rombo.appuiFdc();
    QVERIFY(contact.isActif() && f.modele.isFdcForce() && fdc->isDown());
    f.rombo.relacheFdc();
    QVERIFY(!contact.isActif() && !f.modele.isFdcForce() && !fdc->isDown());
    // A click holds the switch only while the button is down.
    emit fdc->pressed();
    QVERIFY(contact.isActif());
    fdc->click();
    QVERIFY(!contact.isActif());
    QVERIFY(!fdc->isChecked());
    // The model's obstacle shows on the picture.
    f.modele.appuyeFdc(true);
    emit f.modele.fdcChange();
    QVERIFY(fdc->isChecked());
}

void TestRombo::capteurs()
{
    Fenetre f;
    f.onglet(f.ui->tabCapteurs);
    QVERIFY(f.ui->widgetExtension->isVisible());
    QVERIFY(!f.ui->cnyPin->isEnabled() && !f.ui->widgetExtension->isEnabled());
    QVERIFY(f.ui->toolButtonAdd->isEnabled());
    // Each new sensor stands beside the last one, on no other, even from the first
    // one selected; at the row's end it goes to the other side.
    for (int n = 1; n <= 12; ++n) {
        QVERIFY(f.ui->toolButtonAdd->isEnabled());
        if (n == 3)
            f.ui->buttonPrev->click();
        f.ui->toolButtonAdd->click();
        QCOMPARE(f.ui->labelNumero->text(), QStringLiteral("%1/%1").arg(n));
        for (int i = 0; i + 1 < n; ++i)
            QVERIFY(std::abs(f.modele.getCaptIr(i)->getX() - f.modele.getCaptIr(n - 1)->getX()) >= 15.0);
    }
    QCOMPARE(f.modele.getCaptIr(2)->getX(), 30.0);
    QCOMPARE(f.modele.getCaptIr(8)->getX(), 120.0);
    QCOMPARE(f.modele.getCaptIr(9)->getX(), -15.0);
    QCOMPARE(f.modele.nbCaptIr(), 12);
    QVERIFY(!f.ui->toolButtonAdd->isEnabled());
    QVERIFY(!f.ui->buttonNext->isEnabled() && f.ui->buttonPrev->isEnabled());
    for (int n = 0; n < 12; ++n)
        QVERIFY(f.rombo.imageCapteur(n)->isVisible());

    // Each sensor keeps its own fields.
    f.ui->buttonPrev->click();
    QCOMPARE(f.ui->labelNumero->text(), QStringLiteral("11/12"));
    f.saisir(f.ui->doubleX, 30.0);
    QCOMPARE(f.modele.getCaptIr(10)->getX(), 30.0);
    QCOMPARE(f.rombo.imageCapteur(10)->pos(), QPointF(1.25 * 30 - 6.5, 1.25 * 4.5 - 6.5));
    QCOMPARE(f.rombo.marqueur()->pos(), f.rombo.imageCapteur(10)->pos());
    f.ui->buttonNext->click();
    QCOMPARE(f.ui->doubleX->value(), -45.0);

    // Wired sensors keep their pins as the others go; the last one gives "0/0".
    f.choisir(f.ui->cnyPin, QStringLiteral("Pin RE0"));
    QCOMPARE(f.ui->schemaPinCny->text(), QStringLiteral("Pin RE0"));
    QVERIFY(!f.items(f.ui->jackPin).contains(QStringLiteral("Pin RE0")));
    for (int n = 11; n >= 1; --n) {
        f.ui->toolButtonSuppr->click();
        QCOMPARE(f.ui->labelNumero->text(), QStringLiteral("%1/%2").arg(n).arg(n));
    }
    QVERIFY(f.items(f.ui->jackPin).contains(QStringLiteral("Pin RE0")));
    QVERIFY(f.rombo.marqueur()->isVisible());
    f.ui->toolButtonSuppr->click();
    QCOMPARE(f.ui->labelNumero->text(), QStringLiteral("0/0"));
    QCOMPARE(f.modele.nbCaptIr(), 0);
    QVERIFY(!f.ui->cnyPin->isEnabled() && !f.ui->toolButtonSuppr->isEnabled() && !f.ui->doubleX->isEnabled());
    QVERIFY(f.ui->toolButtonAdd->isEnabled());
    QVERIFY(!f.rombo.marqueur()->isVisible());
    QVERIFY(!f.rombo.imageCapteur(0)->isVisible());
    // The marker shows on the sensor tab only.
    f.ui->toolButtonAdd->click();
    QVERIFY(f.rombo.marqueur()->isVisible());
    f.onglet(f.ui->tabMoteurs);
    QVERIFY(!f.rombo.marqueur()->isVisible() && !f.ui->widgetExtension->isVisible());
}

void TestRombo::glisserLeMarqueur()
{
    Fenetre f;
    f.onglet(f.ui->tabCapteurs);
    f.ui->toolButtonAdd->click();
    QSignalSpy echoX(f.ui->doubleX, qOverload<double>(&QDoubleSpinBox::valueChanged));
    QSignalSpy echoY(f.ui->doubleY, qOverload<double>(&QDoubleSpinBox::valueChanged));
    QWidget* vue = f.ui->graphicsView->viewport();
    const QPoint depart = f.ui->graphicsView->mapFromScene(f.rombo.marqueur()->pos() + QPointF(6, 6));
    auto souris = [&](QEvent::Type t, QPoint p, Qt::MouseButtons boutons) {
        QMouseEvent e(t, p, vue->mapToGlobal(p), Qt::LeftButton, boutons, Qt::NoModifier);
        QApplication::sendEvent(vue, &e);
    };
    // Dragged far past the top left corner, then past the bottom right one.
    souris(QEvent::MouseButtonPress, depart, Qt::LeftButton);
    souris(QEvent::MouseMove, depart + QPoint(-400, -400), Qt::LeftButton);
    const CaptIrCNX& c = *f.modele.getCaptIr(0);
    QCOMPARE(f.ui->doubleX->value(), -120.0);
    QCOMPARE(f.ui->doubleY->value(), 0.0);
    QCOMPARE(c.getX(), -120.0);
    QCOMPARE(c.getY(), 0.0);
    souris(QEvent::MouseMove, depart + QPoint(400, 600), Qt::LeftButton);
    souris(QEvent::MouseButtonRelease, depart + QPoint(400, 600), Qt::NoButton);
    QCOMPARE(f.ui->doubleX->value(), 120.0);
    QCOMPARE(f.ui->doubleY->value(), -240.0);
    QCOMPARE(c.getX(), 120.0);
    QCOMPARE(c.getY(), -240.0);
    QCOMPARE(f.rombo.imageCapteur(0)->pos(), f.rombo.marqueur()->pos());
    QCOMPARE(echoX.count(), 0);
    QCOMPARE(echoY.count(), 0);
}

// In a short window the top view is drawn smaller, its picture, sensors, marker and
// jack together: a drag moves the sensor as far on the robot as on the picture.
void TestRombo::vueDeDessusAEchelle()
{
    Modele modele;
    QWidget hote;
    hote.resize(1300, 800);
    Rombo* rombo = new Rombo(modele, &hote);
    Ui::Rombo* ui = rombo->formulaire();
    hote.show();
    rombo->montreOnglet(2);
    ui->toolButtonAdd->click();
    rombo->setGeometry(0, 0, rombo->largeurPour(rombo->minimumSizeHint().height()),
                       rombo->minimumSizeHint().height());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const double f = rombo->echelleVueDeDessus();
    QVERIFY2(f >= 0.45 && f < 0.8, qPrintable(QString::number(f)));
    QCOMPARE(ui->labelRombo->pixmap(Qt::ReturnByValue).width(), qRound(300 * f));
    QCOMPARE(ui->graphicsView->transform().m11(), f);
    QCOMPARE(ui->jack->width(), qRound(48 * f));
    QVERIFY(ui->labelRombo->geometry().contains(ui->jack->geometry()));

    QWidget* vue = ui->graphicsView->viewport();
    const QPoint depart = ui->graphicsView->mapFromScene(rombo->marqueur()->pos() + QPointF(6, 6));
    auto souris = [&](QEvent::Type t, QPoint p, Qt::MouseButtons boutons) {
        QMouseEvent e(t, p, vue->mapToGlobal(p), Qt::LeftButton, boutons, Qt::NoModifier);
        QApplication::sendEvent(vue, &e);
    };
    const double x = modele.getCaptIr(0)->getX();
    souris(QEvent::MouseButtonPress, depart, Qt::LeftButton);
    souris(QEvent::MouseMove, depart + QPoint(40, 0), Qt::LeftButton);
    souris(QEvent::MouseButtonRelease, depart + QPoint(40, 0), Qt::NoButton);
    QVERIFY(qAbs(modele.getCaptIr(0)->getX() - (x + 40 / f / 1.25)) < 1.0);
    QTest::mouseClick(ui->jack, Qt::LeftButton);
    QVERIFY(!ui->jack->isChecked());

    // With the room for it, the view as drawn.
    rombo->setGeometry(0, 0, 1300, 800);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCOMPARE(rombo->echelleVueDeDessus(), 1.0);
    QCOMPARE(ui->labelRombo->pixmap(Qt::ReturnByValue).size(), QSize(300, 310));
    QCOMPARE(ui->jack->size(), QSize(48, 24));
}

void TestRombo::comparateurEtTest()
{
    Fenetre f;
    f.onglet(f.ui->tabCapteurs);
    f.ui->toolButtonAdd->click();
    CaptIrCNX& c = *f.modele.getCaptIr(0);
    QVERIFY(montre(f.ui->sch_comp, ":/images/sch_nocomp_up.png"));
    QVERIFY(!f.ui->doubleRc->isEnabled() && !f.ui->doubleVseuil->isEnabled());
    f.choisir(f.ui->comboComparateur, QStringLiteral("Inférieur"));
    QVERIFY(!c.getNoComp() && !c.getSup());
    QVERIFY(montre(f.ui->sch_comp, ":/images/sch_comp_neg_up.png"));
    QVERIFY(f.ui->doubleRc->isEnabled() && f.ui->doubleVseuil->isEnabled());
    f.choisir(f.ui->cnySchPullup, QStringLiteral("Pull-down"));
    QVERIFY(montre(f.ui->sch_cny, ":/images/sch_cny_down.png"));
    QVERIFY(montre(f.ui->sch_comp, ":/images/sch_comp_neg_down.png"));
    f.choisir(f.ui->comboComparateur, QStringLiteral("Supérieur"));
    QVERIFY(montre(f.ui->sch_comp, ":/images/sch_comp_pos_down.png"));
    f.choisir(f.ui->comboComparateur, QStringLiteral("Sans"));
    QVERIFY(c.getNoComp());
    QVERIFY(montre(f.ui->sch_comp, ":/images/sch_nocomp_down.png"));
    QVERIFY(!f.ui->doubleRc->isEnabled() && !f.ui->doubleVseuil->isEnabled());
    f.choisir(f.ui->cnySchPullup, QStringLiteral("Pull-up"));

    // A new sensor stands on the carpet; the test puts it over the tape. Wired to RA1
    // as an input, the pin shows what the chip reads.
    f.choisir(f.ui->cnyPin, QStringLiteral("Pin RA1"));
    QCOMPARE(f.ui->labelV0->text(), volts(c.getV0()));
    QVERIFY(std::abs(c.getV0() - 4.58) < 0.01);
    f.ui->checkBoxTestBlanc->click();
    QVERIFY(c.estForce() && c.estSurLigne());
    QVERIFY(std::abs(c.getV0() - 1.24) < 0.01);
    QCOMPARE(f.ui->labelV0->text(), volts(c.getV0()));
    QCOMPARE(f.ui->labelVs->text(), volts(c.getVin()));
    QVERIFY(std::abs(c.getVin() - c.getV0()) < 0.01);
    QVERIFY(f.rombo.imageCapteur(0)->pixmap().toImage() == QPixmap(QStringLiteral(":/images/cny70blanc.png")).toImage());
    // A comparator above 2.5 V: low over the tape, its 0.1 V through 10 ohm.
    f.choisir(f.ui->comboComparateur, QStringLiteral("Supérieur"));
    QCOMPARE(f.ui->labelVs->text(), volts(c.getVin()));
    QVERIFY(c.getVin() < 0.2);
    f.ui->checkBoxTestBlanc->click();
    QVERIFY(!c.estSurLigne());
    QVERIFY(c.getVin() > 4.9);
    // The LED resistor and the height recompute the optics.
    const double v0 = c.getV0();
    f.saisir(f.ui->doubleH, 12.0);
    QVERIFY(c.getV0() > v0);
    QCOMPARE(f.ui->labelV0->text(), volts(c.getV0()));
}

void TestRombo::moteurs()
{
    Fenetre f;
    f.onglet(f.ui->tabMoteurs);
    MoteurCNX& g = *f.modele.getMoteurG();
    MoteurCNX& d = *f.modele.getMoteurD();
    QSignalSpy echo(f.ui->doubleLmotD, qOverload<double>(&QDoubleSpinBox::valueChanged));
    f.saisir(f.ui->doubleLmotG, 25.0);
    QCOMPARE(f.ui->doubleLmotD->value(), 25.0);
    QCOMPARE(g.getInduc(), 0.025);
    QCOMPARE(d.getInduc(), 0.025);
    QCOMPARE(echo.count(), 0);
    // Apart, each side is its own; linked again, the right one copies the left one.
    f.ui->toolButtonDiffMot->click();
    QVERIFY(f.ui->widgetMoteurD->isEnabled());
    f.saisir(f.ui->doubleRmotG, 3.0);
    f.saisir(f.ui->doubleKphiD, 30.0);
    QCOMPARE(d.getRes(), 2.38);
    QCOMPARE(g.getKphi(), 25.0);
    f.ui->toolButtonDiffMot->click();
    QCOMPARE(d.getRes(), 3.0);
    QCOMPARE(d.getKphi(), 25.0);
    QCOMPARE(f.ui->doubleKphiD->value(), 25.0);

    f.onglet(f.ui->tabHacheurs);
    QSignalSpy changements(&f.modele, &Modele::cnxMotChange);
    f.ui->motPinsButton->click();
    QVERIFY(!f.modele.isPwm1aGauche());
    QCOMPARE(f.ui->motGPin->text(), QStringLiteral("Pin RC1\n(PWM2)"));
    QCOMPARE(g.getPort()->getConnexion(1), &g);
    f.ui->motPinsButton->click();
    QVERIFY(f.modele.isPwm1aGauche());
    QCOMPARE(f.ui->motGPin->text(), QStringLiteral("Pin RC2\n(PWM1)"));
    QCOMPARE(f.ui->motDPin->text(), QStringLiteral("Pin RC1\n(PWM2)"));
    QCOMPARE(g.getPort()->getConnexion(2), &g);
    QCOMPARE(changements.count(), 2);

    f.onglet(f.ui->tabRombine);
    f.saisir(f.ui->doubleDiametreRoue, 60.0);
    QCOMPARE(f.modele.getRayon(), 30.0);
    f.saisir(f.ui->doubleRendement, 80.0);
    QCOMPARE(f.modele.getRendement(), 0.8);
}

void TestRombo::fichiers()
{
    QTemporaryDir dir;
    const QString chemin = dir.filePath(QStringLiteral("essai.rbo"));
    {
        Fenetre f;
    f.onglet(f.ui->tabCapteurs);
        f.choisir(f.ui->fdcPin, QStringLiteral("Pin RB2"));
        f.ui->toolButtonAdd->click();
        f.ui->toolButtonAdd->click();
        f.choisir(f.ui->cnyPin, QStringLiteral("Pin RA2"));
        f.saisir(f.ui->doubleY, -20.0);
        f.choisir(f.ui->comboComparateur, QStringLiteral("Inférieur"));
        f.ui->motPinsButton->click();
        f.saisir(f.ui->doubleVoie, 200.0);
        QCOMPARE(f.rombo.windowTitle(), QStringLiteral("Rombine"));
        QVERIFY(f.rombo.sauverFichier(chemin));
        QCOMPARE(f.rombo.getFichier(), chemin);
        QCOMPARE(f.rombo.windowTitle(), QStringLiteral("Rombine — essai.rbo"));
        QVERIFY(!f.ui->labelFichier->isVisible());

        // A place that cannot be written: said in the window, the name kept.
        const QString interdit = dir.filePath(QStringLiteral("absent/essai.rbo"));
        QVERIFY(!f.rombo.sauverFichier(interdit));
        QCOMPARE(f.rombo.getFichier(), chemin);
        QVERIFY(f.ui->labelFichier->isVisible());
        QVERIFY(f.ui->labelFichier->text().contains(QDir::toNativeSeparators(interdit)));
    }
    Fenetre f;
    // A file that cannot be read leaves the robot as it was.
    QVERIFY(!f.rombo.ouvrirFichier(dir.filePath(QStringLiteral("aucun.rbo"))));
    QVERIFY(f.ui->labelFichier->isVisible());
    QCOMPARE(f.rombo.getFichier(), QStringLiteral("rombo001"));
    QCOMPARE(f.rombo.windowTitle(), QStringLiteral("Rombine"));
    QCOMPARE(f.modele.nbCaptIr(), 0);

    QVERIFY(f.rombo.ouvrirFichier(chemin));
    QVERIFY(!f.ui->labelFichier->isVisible());
    QCOMPARE(f.ui->schemaPinFdc->text(), QStringLiteral("Pin RB2"));
    QCOMPARE(f.ui->labelNumero->text(), QStringLiteral("1/2"));
    QCOMPARE(f.ui->schemaPinCny->text(), QStringLiteral("NC"));
    f.ui->buttonNext->click();
    QCOMPARE(f.ui->schemaPinCny->text(), QStringLiteral("Pin RA2"));
    QCOMPARE(f.ui->doubleY->value(), -20.0);
    QCOMPARE(f.ui->comboComparateur->currentIndex(), 2);
    QCOMPARE(f.ui->doubleVoie->value(), 200.0);
    // Nor does a file that is not a robot file.
    QFile texte(dir.filePath(QStringLiteral("texte.rbo")));
    QVERIFY(texte.open(QIODevice::WriteOnly) && texte.write("pas du XML") > 0);
    texte.close();
    QVERIFY(!f.rombo.ouvrirFichier(texte.fileName()));
    QCOMPARE(f.modele.nbCaptIr(), 2);
    QCOMPARE(f.rombo.getFichier(), chemin);
    QCOMPARE(f.rombo.windowTitle(), QStringLiteral("Rombine — essai.rbo"));
    // Read again, the robot shows from its first sensor, whichever was selected.
    QCOMPARE(f.ui->labelNumero->text(), QStringLiteral("2/2"));
    QVERIFY(f.rombo.ouvrirFichier(chemin));
    QCOMPARE(f.ui->labelNumero->text(), QStringLiteral("1/2"));
    // The motors' wiring read from the file is carried out and shown.
    QVERIFY(!f.modele.isPwm1aGauche());
    QCOMPARE(f.ui->motGPin->text(), QStringLiteral("Pin RC1\n(PWM2)"));
    QCOMPARE(f.modele.getMoteurG()->getPort()->getConnexion(1), f.modele.getMoteurG());
}

void TestRombo::champsParLesTables()
{
    // Every numeric field set through its widget reaches the model, which saves it; a
    // window on another model shows it again in the same field once the file is read.
    QTemporaryDir dir;
    const QString chemin = dir.filePath(QStringLiteral("champs.rbo"));
    const double scotch = CaptIrCNX::getRefScotch(), moquette = CaptIrCNX::getRefMoquette();
    Fenetre a;
    Fenetre b;
    a.ui->toolButtonAdd->click();
    a.ui->toolButtonDiffMot->click();   // each motor its own values
    const QList<QDoubleSpinBox*> champs = a.rombo.findChildren<QDoubleSpinBox*>();
    QVERIFY(!champs.isEmpty());
    for (int i = 0; i < champs.size(); ++i) {
        QDoubleSpinBox* champ = champs[i];
        const double avant = champ->value();
        champ->setValue(champ->minimum() + (champ->maximum() - champ->minimum()) * (0.3 + 0.4 * i / champs.size()));
        QVERIFY2(champ->value() != avant, qPrintable(champ->objectName()));
    }
    QVERIFY(a.rombo.sauverFichier(chemin));

    auto dansB = [&](const QDoubleSpinBox* champ) {
        return b.rombo.findChild<QDoubleSpinBox*>(champ->objectName())->value();
    };
    for (const QDoubleSpinBox* champ : champs)
        QVERIFY2(dansB(champ) != champ->value(), qPrintable(champ->objectName()));
    QVERIFY(b.rombo.ouvrirFichier(chemin));
    for (const QDoubleSpinBox* champ : champs)
        QVERIFY2(qFuzzyCompare(dansB(champ), champ->value()), qPrintable(champ->objectName()));
    CaptIrCNX::setRefScotch(scotch);
    CaptIrCNX::setRefMoquette(moquette);
}

void TestRombo::ligneDeCommande()
{
    auto lire = [](std::vector<std::string> args, OptionsLancement& o, std::string& erreur) {
        args.insert(args.begin(), "tavrex");
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        return lireOptions(Programme::Fenetre, static_cast<int>(argv.size()), argv.data(), o, erreur);
    };
    const std::string exemple = TAVREX_ROBOT_EXEMPLE;
    OptionsLancement o;
    std::string erreur;
    QVERIFY(lire({"--robot", exemple, "--robot-tab", "3"}, o, erreur));
    QCOMPARE(o.robot, exemple);
    QCOMPARE(o.ongletRobot, 3);
    for (const std::vector<std::string>& faux : std::vector<std::vector<std::string>>{
             {"--robot", "/absent.rbo"}, {"--robot", TAVREX_EXAMPLES_DIR}, {"--robot"}, {"--robot-tab", "7"},
             {"--robot-tab", "2.5"}}) {
        OptionsLancement x;
        erreur.clear();
        QVERIFY(!lire(faux, x, erreur));
        QVERIFY(!erreur.empty());
    }
}

// In a window shorter and narrower than its contents (as a tile of the document area
// makes it) the contents scroll rather than run into each other, on every tab.
void TestRombo::ongletsALEtroit()
{
    Modele modele;
    QWidget hote;
    hote.resize(1000, 700);
    Rombo* rombo = new Rombo(modele, &hote);
    QVERIFY(rombo->ouvrirFichier(QStringLiteral(TAVREX_ROBOT_EXEMPLE)));
    hote.show();
    for (const QSize taille : {QSize(920, 400), QSize(600, 200)}) {
        rombo->setGeometry(QRect(QPoint(), taille));
        for (int onglet = 0; onglet < rombo->formulaire()->tabWidget->count(); ++onglet) {
            rombo->montreOnglet(onglet);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            const QStringList defauts = defautsDeMiseEnPage(rombo);
            QVERIFY2(defauts.isEmpty(), qPrintable(QStringLiteral("%1x%2, tab %3: %4")
                                                       .arg(taille.width())
                                                       .arg(taille.height())
                                                       .arg(onglet)
                                                       .arg(defauts.join(QStringLiteral(", ")))));
        }
    }
}

TAVREX_TESTS_FENETRE(TestRombo)
#include "test_rombo.moc"

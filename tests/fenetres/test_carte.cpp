#include <QtTest>

#include <QTemporaryDir>

#include "bandediagnostics.h"
#include "fenetrecartemicro.h"
#include "miseenpage.h"
#include "modele.h"
#include "principal.h"
#include "saisiereelle.h"
#include "seance.h"
#include "ui_fenetrecartemicro.h"

class TestCarte : public QObject
{
    Q_OBJECT
private slots:
    void potentiometreEtClavier();
    void saisieDuPotentiometre();
    void verrous();
    void alimentation();
    void chargementHex();
    void aEchelle();
    void diagnostics();
};

void TestCarte::potentiometreEtClavier()
{
    Modele modele;
    FenetreCarteMicro carte(modele);
    Ui::FenetreCarteMicro* ui = carte.formulaire();
    // 0.04888 V a press, shown to 3 decimals: 0.049 V and 49 mV on the dial each time.
    for (int i = 0; i < 102; ++i)
        carte.augmenteAn0();
    QCOMPARE(ui->an0SpinBox->value(), 4.998);
    QCOMPARE(ui->an0Dial->value(), 4998);
    QCOMPARE(modele.getPotAN0()->getValue(0.0), 4.998);
    carte.augmenteAn0();
    QCOMPARE(ui->an0SpinBox->value(), 5.0);
    carte.augmenteAn0();
    QCOMPARE(ui->an0Dial->value(), 5000);
    carte.diminueAn0();
    QCOMPARE(ui->an0SpinBox->value(), 4.951);

    ui->an0Dial->setValue(1234);
    QCOMPARE(ui->an0SpinBox->value(), 1.234);
    QCOMPARE(modele.getPotAN0()->getValue(0.0), 1.234);
    ui->an0SpinBox->setValue(0.1);
    QCOMPARE(ui->an0Dial->value(), 100);
}

void TestCarte::saisieDuPotentiometre()
{
    // What is typed applies on Enter, read with either separator, and nothing tied to
    // the field rewrites it meanwhile; the arrows and the wheel act at once.
    Modele modele;
    FenetreCarteMicro carte(modele);
    carte.show();
    Ui::FenetreCarteMicro* ui = carte.formulaire();
    SaisieReelle* champ = ui->an0SpinBox;
    champ->setFocus();
    auto tape = [&](const char* texte) {
        QTest::keyClick(champ, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(champ, QString::fromLatin1(texte));
    };
    tape("1.6");
    QCOMPARE(champ->text(), QStringLiteral("1,6 V"));
    QCOMPARE(ui->an0Dial->value(), 0);
    QTest::keyClick(champ, Qt::Key_Enter);
    QCOMPARE(ui->an0Dial->value(), 1600);
    QCOMPARE(modele.getPotAN0()->getValue(0.0), 1.6);
    tape("4");
    QTest::keyClick(champ, Qt::Key_Return);
    QCOMPARE(ui->an0Dial->value(), 4000);
    QTest::keyClick(champ, Qt::Key_Down);
    QCOMPARE(ui->an0Dial->value(), 3995);
    QWheelEvent roue(QPointF(5, 5), QPointF(champ->mapToGlobal(QPoint(5, 5))), QPoint(), QPoint(0, 120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(champ, &roue);
    QCOMPARE(ui->an0Dial->value(), 4000);
    // In English the point is the separator, and a comma reads as one too.
    champ->setLocale(QLocale(QLocale::English, QLocale::UnitedKingdom));
    tape("1,25");
    QTest::keyClick(champ, Qt::Key_Enter);
    QCOMPARE(champ->text(), QStringLiteral("1.250 V"));
}

void TestCarte::verrous()
{
    Modele modele;
    FenetreCarteMicro carte(modele);
    Ui::FenetreCarteMicro* ui = carte.formulaire();
    BoutonCNX* bp1 = modele.getBouton(0);
    QVERIFY(!bp1->estAppuye());
    ui->checkBoxMaintienBP0->click();
    QVERIFY(!ui->bp0->isEnabled());
    QVERIFY(bp1->estAppuye());
    QVERIFY(ui->bp1->isEnabled());
    // Neither a tap of its key nor a release undoes the lock.
    carte.set_bp0Pressed();
    carte.set_bp0Released();
    QVERIFY(bp1->estAppuye());
    // Unlocked while its key holds it: down until the key lets go.
    carte.set_bp0Pressed();
    ui->checkBoxMaintienBP0->click();
    QVERIFY(ui->bp0->isEnabled());
    QVERIFY(bp1->estAppuye());
    QVERIFY(ui->bp0->isDown());
    carte.set_bp0Released();
    QVERIFY(!bp1->estAppuye());
    QVERIFY(!ui->bp0->isDown());
    // The mouse goes the same way.
    QTest::mousePress(ui->bp0, Qt::LeftButton);
    QVERIFY(bp1->estAppuye());
    QTest::mouseRelease(ui->bp0, Qt::LeftButton);
    QVERIFY(!bp1->estAppuye());

    carte.set_bp2Pressed();
    QVERIFY(modele.getBouton(2)->estAppuye());
    QVERIFY(ui->bp2->isDown());
    carte.set_bp2Released();
    QVERIFY(!modele.getBouton(2)->estAppuye());
    QVERIFY(!ui->bp2->isDown());
}

void TestCarte::alimentation()
{
    Modele modele;
    FenetreCarteMicro carte(modele);
    Ui::FenetreCarteMicro* ui = carte.formulaire();
    QSignalSpy marche(&modele, &Modele::setPowerOn);
    QVERIFY(!ui->ledPower->isChecked());
    ui->boutonPower->click();
    QVERIFY(ui->ledPower->isChecked());
    QVERIFY(modele.isPowered());
    QCOMPARE(marche.count(), 1);
    // The contrast knob drives the LCD's opacity while the board is on.
    ui->contraste->setValue(255);
    QCOMPARE(carte.vueLcd().opacite(), 1.0);
    ui->boutonPower->click();
    QVERIFY(!ui->ledPower->isChecked());
    QVERIFY(!modele.isPowered());
    QCOMPARE(carte.vueLcd().opacite(), 0.0);
}

void TestCarte::chargementHex()
{
    Modele modele;
    FenetreCarteMicro carte(modele);
    Ui::FenetreCarteMicro* ui = carte.formulaire();
    QSignalSpy rechargeable(&carte, &FenetreCarteMicro::refreshEnabled);
    QTemporaryDir dossier;
    QVERIFY(dossier.isValid());

    // A name outside Latin-1 opens as any other.
    const QString grec = dossier.filePath(QStringLiteral("Ζωή Łódź.hex"));
    QVERIFY(QFile::copy(QStringLiteral(TAVREX_EXAMPLES_DIR "/demo.hex"), grec));
    QVERIFY(carte.chargerProgramme(grec).reussi());
    QCOMPARE(ui->fichier->text(), grec);
    QVERIFY(ui->pushButtonRefresh->isEnabled());
    QCOMPARE(rechargeable.count(), 1);
    QVERIFY(ui->fichier->styleSheet().isEmpty());
    QVERIFY(modele.getProcesseur()->getFM()->bilan().lignes > 0);

    // A file that cannot be read, an empty one and one without a record are refused,
    // in red with the reason; the program that loaded stays in the chip, named, and
    // the reload button reloads it.
    const Word premier = modele.getProcesseur()->getFM()->getInstr(0)->getInstr();
    const QString vide = dossier.filePath(QStringLiteral("vide.hex"));
    const QString texte = dossier.filePath(QStringLiteral("texte.hex"));
    QFile(vide).open(QIODevice::WriteOnly);
    QFile t(texte);
    QVERIFY(t.open(QIODevice::WriteOnly));
    t.write("mov w, 1\nnot a record\n");
    t.close();
    for (const auto& [fichier, raison] : {std::pair{dossier.filePath(QStringLiteral("absent.hex")), "illisible"},
                                          std::pair{vide, "vide"}, std::pair{texte, "aucun enregistrement"}}) {
        QVERIFY(!carte.chargerProgramme(fichier).reussi());
        QCOMPARE(ui->fichier->styleSheet(), QStringLiteral("color: rgb(200,0,0);"));
        QVERIFY2(ui->fichier->toolTip().contains(QLatin1String(raison)), qPrintable(ui->fichier->toolTip()));
        QVERIFY(ui->fichier->toolTip().contains(grec));
        QCOMPARE(modele.getProcesseur()->getFM()->getInstr(0)->getInstr(), premier);
    }
    ui->pushButtonRefresh->click();
    QCOMPARE(ui->fichier->text(), grec);
    QVERIFY(ui->fichier->styleSheet().isEmpty());

    // Skipped lines load the rest and are counted in the tooltip.
    const QString abime = dossier.filePath(QStringLiteral("abime.hex"));
    QFile f(abime);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(":020000040000FA\nnot a record\n:00000001FF\n");
    f.close();
    QVERIFY(carte.chargerProgramme(abime).reussi());
    QVERIFY(ui->fichier->toolTip().contains(QStringLiteral("1")));
    QVERIFY(!ui->fichier->styleSheet().isEmpty());
}

// Smaller on a short screen: every part where the picture has it, still working; at
// full size again, the very same picture.
void TestCarte::aEchelle()
{
    Modele modele;
    QWidget hote;
    auto* carte = new FenetreCarteMicro(modele, &hote);
    Ui::FenetreCarteMicro* ui = carte->formulaire();
    hote.show();
    carte->resize(carte->sizeHint());
    QCoreApplication::processEvents();
    const QImage dessin = carte->grab().toImage();
    const QSize taille = carte->sizeHint();

    carte->setEchelle(0.6);
    carte->resize(carte->sizeHint());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCOMPARE(carte->getEchelle(), 0.6);
    // A little more than 0.6 of it: the texts keep a readable size.
    QVERIFY(carte->sizeHint().height() < taille.height() * 0.65);
    QCOMPARE(ui->bp0->size(), QSize(25, 25));
    QCOMPARE(ui->frameLcd->size(), QSize(241, 121));
    // The LCD's text is drawn on its glass, at the glass's scale.
    QCOMPARE(ui->lcd->geometry(), QRect(33, 42, 173, 38));
    QCOMPARE(ui->lcd->transform().m11(), 0.6);
    QCOMPARE(ui->label->pixmap(Qt::ReturnByValue).size(), QSize(240, 120));
    QCOMPARE(defautsDeMiseEnPage(carte), QStringList());
    QTest::mousePress(ui->bp0, Qt::LeftButton);
    QVERIFY(modele.getBouton(0)->estAppuye());
    QTest::mouseRelease(ui->bp0, Qt::LeftButton);
    QTest::mouseClick(ui->checkBoxMaintienBP1, Qt::LeftButton);
    QVERIFY(modele.getBouton(1)->estAppuye());

    QTest::mouseClick(ui->checkBoxMaintienBP1, Qt::LeftButton);
    carte->setEchelle(1.0);
    carte->resize(carte->sizeHint());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCOMPARE(carte->sizeHint(), taille);
    QVERIFY(carte->grab().toImage() == dessin);
}

void TestCarte::diagnostics()
{
    Modele modele;
    FenetreCarteMicro carte(modele);
    carte.show();
    Ui::FenetreCarteMicro* ui = carte.formulaire();
    BandeDiagnostics* bande = ui->bandeDiagnostics;
    QSignalSpy choisi(&carte, &FenetreCarteMicro::diagnosticChoisi);
    QVERIFY(!bande->isVisible());
    QVERIFY(!ui->marqueDiagnostics->isVisible());

    // A blinker on Timer0's interrupt, its LCD started after 20 ms: two entries, in
    // French, unread, the mark beside the file.
    const QString programme = QStringLiteral(TAVREX_TEST_HEX_DIR "/clignote_interruption.hex");
    QVERIFY(carte.chargerProgramme(programme).reussi());
    ui->boutonPower->click();
    Seance(modele).avanceJusqua(40 * ticksParMs);
    QVERIFY(bande->isVisible());
    QCOMPARE(bande->count(), 2);
    QVERIFY2(bande->item(0)->text().contains(QStringLiteral("LCD écrit 20,1 ms après la mise sous tension")),
             qPrintable(bande->item(0)->text()));
    QVERIFY2(bande->item(1)->text().startsWith(QStringLiteral("29,576 ms · 0x0034 · bsf INTCON, 7\ninterruptions "
                                                              "autorisées (GIE avec TMR0IE)")),
             qPrintable(bande->item(1)->text()));
    QVERIFY(bande->item(1)->font().bold());
    QVERIFY(ui->marqueDiagnostics->isVisible());
    QVERIFY(ui->marqueDiagnostics->toolTip().startsWith(QStringLiteral("2 diagnostic(s) non lu(s)")));

    // The mark shows them and goes; an entry clicked gives its instruction's address.
    ui->marqueDiagnostics->click();
    QVERIFY(!ui->marqueDiagnostics->isVisible());
    QVERIFY(!bande->item(1)->font().bold());
    QTest::mouseClick(bande->viewport(), Qt::LeftButton, {}, bande->visualItemRect(bande->item(1)).center());
    QCOMPARE(choisi.count(), 1);
    QCOMPARE(choisi.at(0).at(0).toUInt(), 0x34u);

    // The same program loaded again: the strip starts afresh, out of sight.
    QVERIFY(carte.chargerProgramme(programme).reussi());
    QCOMPARE(bande->count(), 0);
    QVERIFY(!bande->isVisible());
    QVERIFY(!ui->marqueDiagnostics->isVisible());
}

TAVREX_TESTS_FENETRE(TestCarte)
#include "test_carte.moc"

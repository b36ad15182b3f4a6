#include <QtTest>

#include <QAction>
#include <QMdiSubWindow>
#include <QSignalSpy>

#include "fenetrecartemicro.h"
#include "fenetredebogueur.h"
#include "mainwindow.h"
#include "miseenpage.h"
#include "principal.h"
#include "ui_fenetrecartemicro.h"
#include "ui_fenetredebogueur.h"
#include "ui_mainwindow.h"
#include "vuesdebogueur.h"

Q_DECLARE_METATYPE(Debogueur::Arret)

class TestDebogueur : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void listing();
    void motsVides();
    void clavierEtLed();
    void vuesALArret();
    void pointsDArret();
    void ramEnPause();
    void placeDesOscilloscopes();

private:
    // The demo, its listing beside it, on a board switched on; the debugger shown.
    void demarreDemo();
    // The next instruction's address, as the listing highlights it.
    uint32_t surligne() const;
    bool ledAllumee() const { return w->getMicro()->formulaire()->ledA6->getCourant() > 0.001; }
    void touche(Qt::Key k) { QTest::keyClick(d, k); }

    std::unique_ptr<Simulation> simulation;
    std::unique_ptr<MainWindow> w;
    FenetreDebogueur* d = nullptr;
    Debogueur* deb = nullptr;
};

void TestDebogueur::init()
{
    qRegisterMetaType<Debogueur::Arret>();
    simulation = std::make_unique<Simulation>();
    w = std::make_unique<MainWindow>(*simulation);
    d = w->getFenetreDebogueur();
    deb = &w->getDebogueur();
}

void TestDebogueur::cleanup()
{
    w.reset();
    simulation.reset();
}

void TestDebogueur::demarreDemo()
{
    QVERIFY(w->getMicro()->chargerProgramme(QStringLiteral(TAVREX_EXAMPLES_DIR "/demo.hex")).reussi());
    w->formulaire()->action_Debogueur->trigger();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    d->setFocus();
    w->getMicro()->setPower(true);
}

uint32_t TestDebogueur::surligne() const
{
    return d->programme()->adresseDe(d->programme()->courante());
}

void TestDebogueur::listing()
{
    QVERIFY(w->getMicro()->chargerProgramme(QStringLiteral(TAVREX_EXAMPLES_DIR "/demo.hex")).reussi());
    const ModeleProgramme* p = d->programme();
    const int boucle = p->ligneDe(0x3C);
    auto texte = [p](int ligne, int colonne) { return p->index(ligne, colonne).data().toString(); };
    // The listing's label and source line beside the instruction's own text, a call's
    // target by its label.
    QCOMPARE(texte(boucle, ModeleProgramme::Etiquette), QStringLiteral("boucle"));
    QCOMPARE(texte(boucle, ModeleProgramme::Texte), QStringLiteral("RCALL 0x4c → led_bp1"));
    QVERIFY(texte(boucle, ModeleProgramme::Source).startsWith(QStringLiteral("rcall")));
    // MOVFF on one row, both words shown; the rest of memory in one.
    const int movff = p->ligneDe(0x5C);
    QCOMPARE(texte(movff, ModeleProgramme::Mots).size(), 9);
    QCOMPARE(p->ligneDe(0x5E), movff);
    const int fin = p->rowCount() - 1;
    QVERIFY(p->estVide(fin));
    QVERIFY(texte(fin, ModeleProgramme::Adresse).endsWith(QStringLiteral("–0x7FFE : mémoire effacée")));
    QVERIFY(p->rowCount() < 400);

    // A diagnostic chosen in the board's strip: the debugger shown on its instruction.
    emit w->getMicro()->diagnosticChoisi(0x5C);
    QVERIFY(w->sousFenetre(5)->isVisible());
    QCOMPARE(d->formulaire()->vueProgramme->currentIndex().row(), movff);
}

void TestDebogueur::motsVides()
{
    // Three NOPs of a delay stay rows of their own; four blank words or more make one
    // row, up to the end of memory.
    FlashMemory* fm = w->getModele().getProcesseur()->getFM();
    for (DWord a : {0x0000u, 0x0008u, 0x0012u})
        fm->write(a, 0x0E01);   // MOVLW
    fm->write(0x0014, 0xFFFF);
    ModeleProgramme p(*w->getModele().getProcesseur(), *deb);
    QCOMPARE(p.rowCount(), 8);
    for (int l = 0; l < 4; ++l)
        QCOMPARE(p.adresseDe(l + 1), 2u * static_cast<uint32_t>(l + 1));
    QVERIFY(!p.estVide(3) && p.estVide(5) && !p.estVide(6) && p.estVide(7));
    QCOMPARE(p.adresseDe(5), 0xAu);
    QCOMPARE(p.ligneDe(0x10), 5);
    QCOMPARE(p.ligneDe(0x12), 6);
    QCOMPARE(p.ligneDe(0x7FFE), 7);
    QCOMPARE(p.index(7, ModeleProgramme::Adresse).data().toString(),
             QStringLiteral("0x0014–0x7FFE : mémoire effacée"));
}

void TestDebogueur::clavierEtLed()
{
    demarreDemo();
    QSignalSpy arrets(deb, &Debogueur::arrete);
    // BP1 (the board's first button, on RB3) held: the demo lights the LED.
    w->getMicro()->set_bp0Pressed();

    // F9 on the chosen line: a breakpoint at boucle, hit before it executes.
    QTableView* vue = d->formulaire()->vueProgramme;
    vue->setCurrentIndex(d->programme()->index(d->programme()->ligneDe(0x3C), ModeleProgramme::Texte));
    touche(Qt::Key_F9);
    QCOMPARE(deb->pointA(0x3C), deb->points().front().id);
    QTRY_VERIFY_WITH_TIMEOUT(deb->enPause(), 10000);
    QCOMPARE(arrets.count(), 1);
    QCOMPARE(deb->dernierArret()->raison, Debogueur::Raison::Point);
    QCOMPARE(surligne(), 0x3Cu);
    QVERIFY(d->formulaire()->etat->text().startsWith(QStringLiteral("Arrêt au point 1 (boucle) à ")));
    // The first arrival comes before the loop ever read BP1; at the second one the
    // LED is lit.
    QVERIFY(!ledAllumee());
    touche(Qt::Key_F5);
    QTRY_COMPARE_WITH_TIMEOUT(arrets.count(), 2, 10000);
    QCOMPARE(surligne(), 0x3Cu);
    QVERIFY(ledAllumee());

    // Paused, BP1 released: chip time stands still and the LED stays as the program
    // left it, until the steps run the code that reads the button.
    const uint64_t t = w->getModele().time();
    w->getMicro()->set_bp0Released();
    QTest::qWait(100);
    QCOMPARE(w->getModele().time(), t);
    QVERIFY(ledAllumee());
    for (uint32_t attendu : {0x4Cu, 0x50u, 0x52u}) {   // into led_bp1, its bsf skipped, up to its bcf
        touche(Qt::Key_F7);
        QCOMPARE(surligne(), attendu);
        QVERIFY(ledAllumee());
    }
    touche(Qt::Key_F7);
    QCOMPARE(surligne(), 0x54u);
    QVERIFY(!ledAllumee());

    // F8 over a call: back at boucle, the next call stepped over whole.
    touche(Qt::Key_F7);   // return
    QCOMPARE(surligne(), 0x3Eu);
    const Byte pile = w->getModele().getProcesseur()->getDM()->readDirect(DataMemory::STKPTR);
    touche(Qt::Key_F8);
    QTRY_COMPARE(surligne(), 0x40u);
    QCOMPARE(deb->dernierArret()->raison, Debogueur::Raison::PasPrincipal);
    QCOMPARE(w->getModele().getProcesseur()->getDM()->readDirect(DataMemory::STKPTR), pile);

    // F5 continues, and stops again at the breakpoint; F9 there takes it away.
    touche(Qt::Key_F5);
    QTRY_COMPARE_WITH_TIMEOUT(surligne(), 0x3Cu, 10000);
    QVERIFY(deb->enPause());
    vue->setCurrentIndex(QModelIndex());
    touche(Qt::Key_F9);
    QVERIFY(deb->points().empty());
    touche(Qt::Key_F5);
    QVERIFY(!deb->enPause());
    QCOMPARE(d->formulaire()->etat->text(), QStringLiteral("En marche"));
    QCOMPARE(d->programme()->courante(), -1);
    // F5 again pauses at once, wherever the program is.
    touche(Qt::Key_F5);
    QTRY_VERIFY(deb->enPause());
    QCOMPARE(deb->dernierArret()->raison, Debogueur::Raison::Pause);
    QCOMPARE(surligne(), deb->dernierArret()->pc);
}

void TestDebogueur::vuesALArret()
{
    demarreDemo();
    deb->ajouteAdresse("en_volts");
    QTRY_VERIFY_WITH_TIMEOUT(deb->enPause(), 10000);
    ModeleRegistres* registres = d->findChild<ModeleRegistres*>();
    auto change = [registres](int ligne) { return registres->index(ligne, 1).data(Qt::BackgroundRole).isValid(); };
    // movf mes_l, W: W and STATUS change, BSR does not, and only they are marked.
    const Byte w0 = w->getModele().getProcesseur()->getDM()->w();
    touche(Qt::Key_F7);
    QVERIFY(w->getModele().getProcesseur()->getDM()->w() != w0);
    QVERIFY(change(ModeleRegistres::W));
    QVERIFY(!change(ModeleRegistres::Bsr));
    QCOMPARE(registres->index(ModeleRegistres::Pc, 2).data().toString(), QStringLiteral("en_volts+0x2"));
    // To the cursor: the row chosen, F4.
    QTableView* vue = d->formulaire()->vueProgramme;
    vue->setCurrentIndex(d->programme()->index(d->programme()->ligneDe(0x8C), ModeleProgramme::Texte));
    touche(Qt::Key_F4);
    QTRY_COMPARE(surligne(), 0x8Cu);
    QCOMPARE(deb->dernierArret()->raison, Debogueur::Raison::Curseur);
    QVERIFY(d->formulaire()->etat->text().startsWith(QStringLiteral("Arrêt au curseur, avant 0x008C en_volts+0xe")));

    // The SFRs' bits by name; the pins as the demo set them; the banks that are not
    // on the chip.
    const ModeleSfr* sfr = d->findChild<ModeleSfr*>();
    int status = 0;
    while (sfr->adresseDe(status) != DataMemory::STATUS)
        ++status;
    QVERIFY(sfr->index(status, 1).data(Qt::ToolTipRole).toString().contains(QStringLiteral("<td>DC</td>")));
    const ModeleBroches* broches = d->findChild<ModeleBroches*>();
    auto broche = [broches](const char* nom) {
        for (int l = 0; l < broches->rowCount(); ++l)
            if (broches->index(l, 0).data().toString() == QLatin1String(nom))
                return QStringList{broches->index(l, 1).data().toString(), broches->index(l, 2).data().toString(),
                                   broches->index(l, 3).data().toString()};
        return QStringList();
    };
    QCOMPARE(broche("RA0"), (QStringList{QStringLiteral("analogique"), QStringLiteral("0"), QStringLiteral("0,00 V")}));
    QCOMPARE(broche("RB3"), (QStringList{QStringLiteral("entrée"), QStringLiteral("1"), QStringLiteral("5,00 V")}));
    QCOMPARE(broche("RD0").at(0), QStringLiteral("sortie"));
    QCOMPARE(broche("RB0").at(2), QStringLiteral("en l'air"));
    d->formulaire()->banque->setCurrentIndex(9);
    QCOMPARE(d->ram()->index(0, 0).data().toString(), QStringLiteral("--"));
    QVERIFY(!(d->ram()->flags(d->ram()->index(0, 0)) & Qt::ItemIsEditable));

    // Closed, it comes back at the next stop.
    d->close();
    deb->continuer();
    QVERIFY(!w->sousFenetre(5)->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(deb->enPause(), 10000);
    QVERIFY(w->sousFenetre(5)->isVisible());
    QCOMPARE(surligne(), 0x7Eu);
}

void TestDebogueur::pointsDArret()
{
    QVERIFY(w->getMicro()->chargerProgramme(QStringLiteral(TAVREX_EXAMPLES_DIR "/demo.hex")).reussi());
    w->formulaire()->action_Debogueur->trigger();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    Ui::FenetreDebogueur* ui = d->formulaire();
    ui->onglets->setCurrentWidget(ui->ongletPoints);
    auto ajoute = [ui](const QString& texte) {
        ui->textePoint->setText(texte);
        QTest::keyClick(ui->textePoint, Qt::Key_Return);
    };
    ajoute(QStringLiteral("mesure_att"));
    ajoute(QStringLiteral("PORTB & 0x08 == 0"));
    ui->brochePoint->setCurrentText(QStringLiteral("RB3"));
    ui->sensFront->setCurrentIndex(1);
    ui->ajouterFront->click();
    QCOMPARE(ui->tablePoints->rowCount(), 3);
    QCOMPARE(ui->tablePoints->item(0, 1)->text(), QStringLiteral("mesure_att  → 0x0058"));
    QCOMPARE(deb->points()[1].genre, Debogueur::Genre::Condition);
    QCOMPARE(deb->points()[2].genre, Debogueur::Genre::Front);
    QVERIFY(ui->refusPoint->text().isEmpty());

    // Refused, said in red, the list unchanged.
    ajoute(QStringLiteral("nulle_part"));
    QCOMPARE(ui->refusPoint->text(), QStringLiteral("« nulle_part » : étiquette ou registre inconnu"));
    ajoute(QStringLiteral("PORTB <> 3"));
    QVERIFY(ui->refusPoint->text().startsWith(QStringLiteral("« PORTB <> 3 » : une condition s'écrit")));
    QCOMPARE(ui->tablePoints->rowCount(), 3);

    // Unchecked: disabled, its row in the listing no longer red.
    const QModelIndex ligne = d->programme()->index(d->programme()->ligneDe(0x58), ModeleProgramme::Texte);
    QVERIFY(ligne.data(Qt::BackgroundRole).isValid());
    ui->tablePoints->item(0, 0)->setCheckState(Qt::Unchecked);
    QVERIFY(!deb->points()[0].actif);
    QVERIFY(!ligne.data(Qt::BackgroundRole).isValid());
    QVERIFY(ligne.siblingAtColumn(ModeleProgramme::Marge).data(Qt::DecorationRole).isValid());

    // Delete on the list, then the button.
    ui->tablePoints->setFocus();
    ui->tablePoints->setCurrentCell(0, 1);
    QTest::keyClick(ui->tablePoints, Qt::Key_Delete);
    QCOMPARE(deb->points().size(), 2u);
    QCOMPARE(deb->pointA(0x58), -1);
    ui->tablePoints->setCurrentCell(1, 1);
    ui->supprimerPoint->click();
    QCOMPARE(deb->points().size(), 1u);
    QCOMPARE(deb->points()[0].genre, Debogueur::Genre::Condition);
}

void TestDebogueur::ramEnPause()
{
    demarreDemo();
    QTableView* vue = d->formulaire()->vueRam;
    d->formulaire()->onglets->setCurrentWidget(d->formulaire()->ongletRam);
    const QModelIndex octet20 = d->ram()->index(2, 0);
    QCOMPARE(d->ram()->adresseDe(octet20), Word(0x020));
    // Not while the program runs.
    QVERIFY(!(d->ram()->flags(octet20) & Qt::ItemIsEditable));

    touche(Qt::Key_F5);
    QTRY_VERIFY(deb->enPause());
    vue->setFocus();
    vue->setCurrentIndex(octet20);
    QTest::keyClick(vue, Qt::Key_F2);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("5a"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_COMPARE(w->getModele().getProcesseur()->getDM()->readDirect(0x020), Byte(0x5A));
    QCOMPARE(octet20.data().toString(), QStringLiteral("5A"));
    QCOMPARE(octet20.data(Qt::BackgroundRole).isValid(), true);
    // A text that is no byte is refused and said so.
    QVERIFY(!d->ram()->setData(octet20, QStringLiteral("1FF"), Qt::EditRole));
    QVERIFY(d->formulaire()->aideRam->text().contains(QStringLiteral("1FF")));
    QCOMPARE(w->getModele().getProcesseur()->getDM()->readDirect(0x020), Byte(0x5A));
}

void TestDebogueur::placeDesOscilloscopes()
{
    // Simple mode: beside the board, where the scopes open, the main window widened;
    // closed, the main window narrows back.
    const int etroite = w->width();
    QMdiSubWindow* carte = w->sousFenetre(1);
    QMdiSubWindow* fenetre = w->sousFenetre(5);
    w->formulaire()->action_Debogueur->trigger();
    QVERIFY(fenetre->isVisible());
    QCOMPARE(fenetre->geometry().left(), carte->frameGeometry().right());
    QCOMPARE(fenetre->height(), carte->height());
    QVERIFY(fenetre->width() >= carte->width());
    QVERIFY(w->width() > etroite + carte->width() / 2);
    QCoreApplication::processEvents();
    QCOMPARE(defautsDeMiseEnPage(fenetre).join(QStringLiteral(", ")), QString());
    d->close();
    QVERIFY(!fenetre->isVisible());
    QCOMPARE(w->width(), etroite);

    // Complete mode: in the scopes' tile, in front of them.
    w->appliqueMode(true);
    w->organiserComplet(QRect(0, 0, 1600, 1000));
    w->formulaire()->action_Debogueur->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(fenetre->geometry(), w->sousFenetre(2)->geometry());
    QCOMPARE(w->formulaire()->mdiArea->activeSubWindow(), fenetre);
    QCOMPARE(defautsDeMiseEnPage(fenetre).join(QStringLiteral(", ")), QString());
    // It follows the tiles as the main window changes size.
    w->resize(1400, 900);
    QCoreApplication::processEvents();
    QCOMPARE(fenetre->geometry(), w->sousFenetre(2)->geometry());
}

TAVREX_TESTS_FENETRE(TestDebogueur)
#include "test_debogueur.moc"

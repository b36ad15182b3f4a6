// The track window: the track's drawing, the editor on an empty and a full track, the
// robot's picture between the user's hand and the model, and the track files.

#include <QtTest>

#include <cmath>
#include <memory>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGraphicsRectItem>
#include <QGraphicsView>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>

#include "dessinpiste.h"
#include "fenetrepiste.h"
#include "lignecommande.h"
#include "mainwindow.h"
#include "miseenpage.h"
#include "modele.h"
#include "principal.h"
#include "ui_fenetrepiste.h"

class TestPiste : public QObject
{
    Q_OBJECT
private slots:
    void dessin();
    void pisteVide();
    void editionDeLaChaine();
    void romboEntreMainEtModele();
    void fichiers();
    void ligneDeCommande();
    void outilsDansUneTuileBasse();
};

namespace {


// A working directory of its own for the window, which reads "piste001.pis" there.
class DossierDeTravail
{
public:
    DossierDeTravail() : avant(QDir::currentPath()) { QDir::setCurrent(dir.path()); }
    ~DossierDeTravail() { QDir::setCurrent(avant); }
    QString chemin(const char* nom) const { return dir.filePath(QString::fromLatin1(nom)); }

private:
    QTemporaryDir dir;
    QString avant;
};

// Start marker, straight line, curve, straight line.
void quatreElements(Piste& p)
{
    for (int type : {0, 1, 2, 1})
        p.eltInsert(p.size(), type);
}

// A press, moves and a release of the left button on the view's viewport.
void glisse(QGraphicsView* vue, QPointF depart, QPointF arrivee)
{
    QWidget* zone = vue->viewport();
    const QPoint a = vue->mapFromScene(depart), b = vue->mapFromScene(arrivee);
    // The scene finds the item under the screen position.
    auto envoie = [zone](QEvent::Type type, QPoint p, Qt::MouseButton bouton, Qt::MouseButtons boutons) {
        QMouseEvent e(type, p, zone->mapToGlobal(p), bouton, boutons, Qt::NoModifier);
        QApplication::sendEvent(zone, &e);
    };
    envoie(QEvent::MouseButtonPress, a, Qt::LeftButton, Qt::LeftButton);
    for (int i = 1; i <= 4; ++i)
        envoie(QEvent::MouseMove, a + (b - a) * i / 4, Qt::NoButton, Qt::LeftButton);
    envoie(QEvent::MouseButtonRelease, b, Qt::LeftButton, Qt::NoButton);
}

}  // namespace

void TestPiste::dessin()
{
    QTemporaryDir dossier;
    QGraphicsScene scene;
    auto piste = std::make_unique<Piste>();
    for (int type : {0, 1, 3})
        piste->eltInsert(piste->size(), type);
    {
        DessinPiste d(*piste, scene);
        // The start marker shows only its highlight.
        QCOMPARE(scene.items().size(), 5);
        QVERIFY(!d.getItem(piste->getElt(0)) && d.getItemFocus(piste->getElt(0)));
        const Portion* droite = piste->getElt(1);
        auto* bande = qgraphicsitem_cast<QGraphicsRectItem*>(d.getItem(droite));
        QVERIFY(bande);
        QCOMPARE(bande->rect(), QRectF(0, -9.5, 1000, 19));
        QCOMPARE(bande->brush().color(), QColor(Qt::white));
        auto* bois = qgraphicsitem_cast<QGraphicsRectItem*>(d.getItem(piste->getElt(2)));
        QVERIFY(bois && bois->brush().style() == Qt::TexturePattern);
        QGraphicsItem* surligne = d.getItemFocus(droite);
        QCOMPARE(surligne->zValue(), 2.0);
        QVERIFY(!surligne->isVisible());
        piste->setFocus(1);
        QVERIFY(surligne->isVisible());

        // A new heading turns the later elements; a new length reshapes the same item,
        // which keeps its place in the stack.
        piste->eltModifArg(0, 2, 90);
        piste->eltModifArg(1, 0, 250);
        QCOMPARE(d.getItem(droite), static_cast<QGraphicsItem*>(bande));
        QCOMPARE(bande->rect().width(), 250.0);
        QCOMPARE(bande->rotation(), -90.0);
        QCOMPARE(d.getItemFocus(piste->getElt(2))->pos(), QPointF(0, -250));
        QCOMPARE(d.cadre(), QRectF(-500, -275, 1000, 375));
        piste->setFocus(2);
        QVERIFY(!surligne->isVisible());

        // Edits bring items and take them away; a file read replaces them all.
        const QString f = dossier.filePath(QStringLiteral("dessin.pis"));
        QVERIFY(piste->saveData(f));
        piste->eltInsert(1, 2);
        QCOMPARE(scene.items().size(), 7);
        piste->eltSupprime(3);
        piste->eltRemplace(0, 4);
        QCOMPARE(scene.items().size(), 5);
        QVERIFY(piste->openData(f));
        QCOMPARE(scene.items().size(), 5);
        QCOMPARE(d.getItem(piste->getElt(1))->pos(), QPointF(0, 0));
    }
    // Either may go first.
    QCOMPARE(scene.items().size(), 0);
    piste->eltModifArg(1, 0, 10);
    {
        DessinPiste d(*piste, scene);
        piste.reset();
        QCOMPARE(scene.items().size(), 0);
    }
}

void TestPiste::pisteVide()
{
    DossierDeTravail dossier;
    Modele m;
    FenetrePiste w(m);
    Ui::FenetrePiste* ui = w.formulaire();
    QCOMPARE(m.getPiste()->size(), 0u);
    QVERIFY(ui->widgetEditPiste->isHidden());
    QCOMPARE(ui->labelNumero->text(), QStringLiteral("0"));
    QVERIFY(ui->comboBoxTypes->isHidden());
    for (QWidget* champ : {static_cast<QWidget*>(ui->label1), static_cast<QWidget*>(ui->doubleSpinBox3)})
        QVERIFY(champ->isHidden());
    QVERIFY(!ui->toolButtonSuppr->isEnabled());
    QVERIFY(!ui->toolButtonPrev->isEnabled() && !ui->toolButtonNext->isEnabled());

    ui->toolButtonEdit->click();
    QVERIFY(!ui->widgetEditPiste->isHidden());
    ui->toolButtonNew->click();
    QCOMPARE(m.getPiste()->size(), 1u);
    QCOMPARE(m.getPiste()->getElt(0)->typeIndex(), 0);
    QCOMPARE(w.getNumEdit(), 0u);
    QVERIFY(!ui->comboBoxTypes->isHidden() && !ui->doubleSpinBox3->isHidden());
    QCOMPARE(ui->label3->text(), QStringLiteral("angle"));
    QVERIFY(ui->toolButtonSuppr->isEnabled());
    QVERIFY(w.getDessin()->getItemFocus(m.getPiste()->getElt(0))->isVisible());

    // The next one goes after the edited one, of the type shown in the list.
    ui->toolButtonNew->click();
    QCOMPARE(m.getPiste()->size(), 2u);
    QCOMPARE(w.getNumEdit(), 1u);
    QCOMPARE(ui->labelNumero->text(), QStringLiteral("1"));
    ui->toolButtonSuppr->click();
    ui->toolButtonSuppr->click();
    QCOMPARE(m.getPiste()->size(), 0u);
    QVERIFY(!ui->toolButtonSuppr->isEnabled());
}

void TestPiste::editionDeLaChaine()
{
    DossierDeTravail dossier;
    {
        Piste p;
        quatreElements(p);
        QVERIFY(p.saveData(dossier.chemin("piste001.pis")));
    }
    Modele m;
    FenetrePiste w(m);
    Ui::FenetrePiste* ui = w.formulaire();
    Piste& p = *m.getPiste();
    ui->toolButtonEdit->setChecked(true);
    ui->toolButtonNext->click();
    QCOMPARE(ui->label1->text(), QStringLiteral("longueur"));
    QVERIFY(ui->label2->isHidden() && ui->doubleSpinBox2->isHidden());
    QCOMPARE(ui->doubleSpinBox1->value(), 1000.0);
    QVERIFY(p.getElt(1)->hasFocus() && !p.getElt(0)->hasFocus());

    // Typed in and confirmed: the curve and the last line move, their highlights too.
    ui->doubleSpinBox1->selectAll();
    QTest::keyClicks(ui->doubleSpinBox1, QStringLiteral("1500"));
    QTest::keyClick(ui->doubleSpinBox1, Qt::Key_Return);
    QCOMPARE(p.getElt(2)->getX0(), 1500.0);
    QCOMPARE(p.getElt(3)->getX0(), 2500.0);
    QCOMPARE(p.getElt(3)->getY0(), 1000.0);
    QCOMPARE(w.getDessin()->getItemFocus(p.getElt(3))->pos(), QPointF(2500.0, -1000.0));

    // Another type: same place in the chain, its own arguments, the rest follows it.
    ui->comboBoxTypes->setCurrentIndex(2);
    QCOMPARE(p.size(), 4u);
    QCOMPARE(p.getElt(1)->typeIndex(), 2);
    QCOMPARE(w.getNumEdit(), 1u);
    QVERIFY(!ui->doubleSpinBox2->isHidden());
    QCOMPARE(ui->label2->text(), QStringLiteral("angle"));
    QCOMPARE(ui->doubleSpinBox2->value(), 90.0);
    QCOMPARE(ui->doubleSpinBox2->suffix(), QStringLiteral("°"));
    QCOMPARE(p.getElt(2)->getX0(), p.getElt(1)->getX());
    QCOMPARE(p.getElt(2)->getY0(), p.getElt(1)->getY());
    QVERIFY(p.getElt(1)->hasFocus());

    // Hiding the editor takes the highlight away.
    ui->toolButtonEdit->setChecked(false);
    QVERIFY(!w.getDessin()->getItemFocus(p.getElt(1))->isVisible());
}

void TestPiste::romboEntreMainEtModele()
{
    DossierDeTravail dossier;
    Modele m;
    FenetrePiste w(m);
    Ui::FenetrePiste* ui = w.formulaire();
    RomboItem* r = w.getRombo();
    QSignalSpy envois(r, &RomboItem::moved);

    // From the model, beyond the carpet: on its edge, nothing sent back.
    emit m.deplaceRombo(8000.0, 7000.0, pi / 2);
    QCOMPARE(r->pos(), QPointF(5000.0, -5000.0));
    QCOMPARE(r->rotation(), -90.0);
    QCOMPARE(envois.count(), 0);

    // Placed: at the origin heading 0, and the model with it.
    ui->toolButtonPoseRombo->click();
    QVERIFY(r->isVisible());
    QCOMPARE(r->pos(), QPointF(0.0, 0.0));
    QCOMPARE(m.getX(), 0.0);
    QCOMPARE(m.getTheta(), 0.0);

    // Clockwise on screen is a heading of the opposite sign, 10 degrees a step.
    envois.clear();
    ui->toolButtonClk->click();
    ui->toolButtonClk->click();
    QCOMPARE(r->rotation(), 20.0);
    QCOMPARE(envois.count(), 2);
    QCOMPARE(envois.last().at(2).toDouble(), -20.0);
    QVERIFY(std::fabs(m.getTheta() + 20.0 * degEnRad) < 1e-12);
    // Held down, it repeats: each step is sent.
    envois.clear();
    QTest::mousePress(ui->toolButtonAntiClk, Qt::LeftButton);
    QTest::qWait(700);
    QTest::mouseRelease(ui->toolButtonAntiClk, Qt::LeftButton);
    QVERIFY(envois.count() >= 3);
    for (int i = 0; i < envois.count(); ++i)
        QCOMPARE(envois.at(i).at(2).toDouble(), -20.0 + 10.0 * (i + 1));

    // Placing it again puts the heading back to 0 even when it stands at the origin.
    ui->toolButtonPoseRombo->click();
    ui->toolButtonPoseRombo->click();
    QCOMPARE(m.getTheta(), 0.0);

    // Dragged: every step reaches the model; beyond the carpet it stops at the edge.
    w.resize(742, 682);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    ui->graphicsView->fitInView(QRectF(-600, -600, 1200, 1200), Qt::KeepAspectRatio);
    envois.clear();
    glisse(ui->graphicsView, QPointF(0, 0), QPointF(300, -200));
    QVERIFY(envois.count() >= 2);
    QVERIFY(std::fabs(m.getX() - r->pos().x()) < 1e-9 && std::fabs(m.getY() + r->pos().y()) < 1e-9);
    QVERIFY(std::fabs(r->pos().x() - 300.0) < 30.0 && std::fabs(m.getY() - 200.0) < 30.0);
    r->setPos(4900.0, 0.0);
    ui->graphicsView->centerOn(4900.0, 0.0);
    glisse(ui->graphicsView, QPointF(4900.0, 0.0), QPointF(5300.0, 0.0));
    QCOMPARE(r->pos().x(), 5000.0);
    QCOMPARE(m.getX(), 5000.0);
}

void TestPiste::fichiers()
{
    DossierDeTravail dossier;
    {
        Piste p;
        quatreElements(p);
        QVERIFY(p.saveData(dossier.chemin("piste001.pis")));
    }
    Modele m;
    FenetrePiste w(m);
    Ui::FenetrePiste* ui = w.formulaire();
    QCOMPARE(m.getPiste()->size(), 4u);
    QCOMPARE(w.getFichier(), QStringLiteral("piste001.pis"));
    QVERIFY(w.getDessin()->getItem(m.getPiste()->getElt(3))->scene() == w.getScene());
    QVERIFY(!m.getPiste()->getElt(0)->hasFocus());

    // A place that cannot be written: said under the editor, the name kept.
    QVERIFY(!w.enregistrer(dossier.chemin("absent/piste.pis")));
    QVERIFY(!ui->labelMessage->isHidden());
    QVERIFY(ui->labelMessage->text().contains(QStringLiteral("absent/piste.pis")));
    QCOMPARE(w.getFichier(), QStringLiteral("piste001.pis"));
    // A file that cannot be read: the track stays as it was.
    QVERIFY(!w.ouvrir(dossier.chemin("absent.pis")));
    QCOMPARE(m.getPiste()->size(), 4u);
    QCOMPARE(w.getFichier(), QStringLiteral("piste001.pis"));

    m.getPiste()->eltSupprime(3);
    QVERIFY(w.enregistrer(dossier.chemin("trois.pis")));
    QVERIFY(ui->labelMessage->isHidden());
    QCOMPARE(w.getFichier(), dossier.chemin("trois.pis"));
    QVERIFY(w.ouvrir(dossier.chemin("piste001.pis")));
    QCOMPARE(m.getPiste()->size(), 4u);
    QCOMPARE(w.getNumEdit(), 0u);
    QVERIFY(w.getDessin()->getItem(m.getPiste()->getElt(3))->scene() == w.getScene());
}

void TestPiste::ligneDeCommande()
{
    DossierDeTravail dossier;
    const QByteArray exemple = QByteArrayLiteral(TAVREX_EXAMPLES_DIR "/piste001.pis");
    const QByteArray robot = QByteArrayLiteral(TAVREX_EXAMPLES_SRC_DIR "/rombo001.rbo");
    const QByteArray absent = QFile::encodeName(dossier.chemin("absent.pis"));
    OptionsLancement o;
    std::string erreur;
    {
        const char* argv[] = {"tavrex", "--piste", absent.constData()};
        QVERIFY(!lireOptions(Programme::Fenetre, 3, const_cast<char**>(argv), o, erreur));
        QVERIFY(erreur.find("absent.pis") != std::string::npos);
    }
    const char* argv[] = {"tavrex", "--complete", "--robot", robot.constData(), "--piste", exemple.constData()};
    QVERIFY(lireOptions(Programme::Fenetre, 6, const_cast<char**>(argv), o, erreur));
    Simulation simulation;
    MainWindow f(simulation);
    LigneCommande ligne(f, simulation, o);
    QVERIFY(ligne.demarrer(erreur));
    QVERIFY(f.getModele().getPiste()->size() > 10);
    QCOMPARE(f.getModele().nbCaptIr(), 3);
    QVERIFY(f.getPiste()->getRombo()->isVisible());
    QCOMPARE(f.getModele().getX(), 0.0);
}

// As narrow as its edit bar allows and as short as a tile under the board makes it, the
// window still shows every tool and every field of every element, none on another.
void TestPiste::outilsDansUneTuileBasse()
{
    DossierDeTravail dossier;
    {
        Piste p;
        quatreElements(p);
        QVERIFY(p.saveData(dossier.chemin("piste001.pis")));
    }
    Modele m;
    QWidget hote;
    hote.resize(1000, 700);
    FenetrePiste* w = new FenetrePiste(m, &hote);
    Ui::FenetrePiste* ui = w->formulaire();
    hote.show();
    ui->toolButtonEdit->click();
    // Narrower than its one row, the edit bar puts the values and the add and delete
    // buttons on a second one.
    const int uneRangee = w->largeurEdition(), deuxRangees = w->largeurEditionMinimale();
    QVERIFY(deuxRangees < uneRangee * 2 / 3);
    for (const QSize taille : {QSize(uneRangee, 420), QSize(uneRangee, 200), QSize(deuxRangees, 200)}) {
        w->setGeometry(QRect(QPoint(), taille));
        while (ui->toolButtonPrev->isEnabled())
            ui->toolButtonPrev->click();
        for (unsigned int e = 0; e < m.getPiste()->size(); ++e) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            const QStringList defauts = defautsDeMiseEnPage(w);
            QVERIFY2(defauts.isEmpty(), qPrintable(QStringLiteral("%1x%2, element %3: %4")
                                                       .arg(taille.width())
                                                       .arg(taille.height())
                                                       .arg(e)
                                                       .arg(defauts.join(QStringLiteral(", ")))));
            ui->toolButtonNext->click();
        }
        QCOMPARE(ui->toolButtonSuppr->y() > ui->comboBoxTypes->geometry().bottom(),
                 taille.width() < w->largeurEdition());
    }
}

TAVREX_TESTS_FENETRE(TestPiste)
#include "test_piste.moc"

#include "rombo.h"

#include <algorithm>
#include <vector>

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsProxyWidget>
#include <QLocale>
#include <QSignalBlocker>
#include <QTabBar>

#include "datamemory.h"
#include "modele.h"
#include "ui_rombo.h"

namespace {

const char* const styleFdc =
    "QCheckBox { background: transparent; }\n"
    "QCheckBox::indicator:unchecked { image: url(:/images/fdc_off.png); }\n"
    "QCheckBox::indicator:checked { image: url(:/images/fdc_on.png); }\n"
    "QCheckBox::indicator:unchecked:pressed { image: url(:/images/fdc_on.png); }\n"
    "QCheckBox::indicator:checked:pressed { image: url(:/images/fdc_off.png); }\n"
    // The indicator takes the picture's size, not the style's 13 px.
    "QCheckBox::indicator { width: 84px; height: 16px; }\n";

const QString imageCapteurBleu = QStringLiteral(":/images/cny70bleu.png");
const QString imageCapteurBlanc = QStringLiteral(":/images/cny70blanc.png");

// Shows a value in a field without the field telling anyone.
void affiche(QDoubleSpinBox* champ, double valeur)
{
    const QSignalBlocker bloque(champ);
    champ->setValue(valeur);
}

void affiche(QComboBox* champ, int index)
{
    const QSignalBlocker bloque(champ);
    champ->setCurrentIndex(index);
}

QString imageContact(const ContactCNX& c)
{
    if (c.getContactNO())
        return c.getPullUp() ? QStringLiteral(":/images/no_up.png") : QStringLiteral(":/images/no_down.png");
    return c.getPullUp() ? QStringLiteral(":/images/nc_up.png") : QStringLiteral(":/images/nc_down.png");
}

}  // namespace

FocusItemCNY::FocusItemCNY(const QPixmap& image, double xMin, double xMax, double yMin, double yMax)
    : QGraphicsPixmapItem(image), xMax(xMax), xMin(xMin), yMax(yMax), yMin(yMin)
{
    // The picture is a frame, clear inside: it is grabbed anywhere in its square.
    setShapeMode(BoundingRectShape);
    setFlag(ItemIsMovable);
    setFlag(ItemSendsGeometryChanges);
    setCursor(Qt::OpenHandCursor);
    hide();
}

QVariant FocusItemCNY::itemChange(GraphicsItemChange change, const QVariant& value)
{
    if (change == ItemPositionChange && scene()) {
        const QPointF p = value.toPointF();
        return QPointF(std::clamp(p.x(), xMin, xMax), std::clamp(p.y(), yMin, yMax));
    }
    if (change == ItemPositionHasChanged && scene())
        emit moved();
    return QGraphicsPixmapItem::itemChange(change, value);
}

Rombo::Rombo(Modele& m, QWidget* parent)
    : QFrame(parent), ui(new Ui::Rombo), scene(-150, -10, 300, 320), echelle(1.25), delta(6.5), modele(&m),
      fichier(QStringLiteral("rombo001")), pwm1aGauche(true), captIrIndex(0)
{
    ui->setupUi(this);
    // Every tab's title shows, in either language.
    ui->tabWidget->setMinimumWidth(ui->tabWidget->tabBar()->sizeHint().width() + 8);

    // The switch sits on the robot's front edge.
    fdc = new QCheckBox;
    fdc->setStyleSheet(QString::fromLatin1(styleFdc));
    fdc->setToolTip(tr("Contact de fin de course : appuyer pour l'actionner"));
    scene.addWidget(fdc)->setPos(-42, -8);

    const QPixmap bleu(imageCapteurBleu);
    for (QGraphicsPixmapItem*& item : tabItems) {
        item = scene.addPixmap(bleu);
        item->hide();
    }

    // The marker's limits are those of the x and y fields, carried into the scene.
    const QPointF coinMin = versScene(ui->doubleX->minimum(), ui->doubleY->maximum());
    const QPointF coinMax = versScene(ui->doubleX->maximum(), ui->doubleY->minimum());
    focusItem = new FocusItemCNY(QPixmap(QStringLiteral(":/images/cny70focus.png")), coinMin.x(), coinMax.x(),
                                 coinMin.y(), coinMax.y());
    focusItem->setZValue(1);
    scene.addItem(focusItem);
    focusItem->hide();

    ui->label_axes->hide();
    ui->widgetExtension->hide();
    ui->tabWidget->setCurrentIndex(0);
    ui->graphicsView->setScene(&scene);
    ui->labelFichier->hide();

    viewModele();

    connect(ui->jack, &QCheckBox::toggled, modele, &Modele::metJack);
    connect(fdc, &QCheckBox::toggled, this, &Rombo::fdcClick);
    connect(fdc, &QCheckBox::pressed, modele, qOverload<>(&Modele::appuyeFdc));
    connect(fdc, &QCheckBox::released, modele, qOverload<>(&Modele::relacheFdc));
    connect(modele, &Modele::openNew, this, &Rombo::viewModele);
    connect(focusItem, &FocusItemCNY::moved, this, &Rombo::moveCapteur);
    connect(modele, &Modele::fdcChange, this, &Rombo::fdcChange);
    connect(modele, &Modele::captCNYChange, this, &Rombo::afficheDataTest);
}

Rombo::~Rombo()
{
    delete ui;
}

QPointF Rombo::versScene(double x, double y) const
{
    return {echelle * x - delta, -echelle * y - delta};
}

CaptIrCNX* Rombo::capteur() const
{
    return modele->getCaptIr(captIrIndex);
}

// --- The keyboard and the pictures ---------------------------------------------------------

void Rombo::jackToggle()
{
    ui->jack->toggle();
}

void Rombo::appuiFdc()
{
    fdc->setDown(true);
    modele->appuyeFdc();
}

void Rombo::relacheFdc()
{
    fdc->setDown(false);
    modele->relacheFdc();
}

void Rombo::fdcClick(bool on)
{
    // A click never latches the switch: it is held only while pressed.
    if (on) {
        const QSignalBlocker bloque(fdc);
        fdc->setChecked(false);
    }
}

void Rombo::fdcChange()
{
    const QSignalBlocker bloque(fdc);
    fdc->setChecked(modele->getFdc()->isActif());
}

void Rombo::on_checkBoxAxes_toggled(bool on)
{
    ui->label_axes->setVisible(on);
}

// --- Wiring --------------------------------------------------------------------------------

void Rombo::remplirComboPins(QComboBox& combo, const Connexion& connexion)
{
    const QSignalBlocker bloque(&combo);
    combo.clear();
    std::vector<QString> noms;
    std::vector<int> index;
    modele->getUnusedPins(noms, index);
    if (connexion.getPort()) {
        const QString nom = connexion.pinName();
        combo.addItem(tr("Pin ") + nom, modele->pinNameToIndex(nom));
    }
    combo.addItem(Connexion::NCString, -1);
    for (size_t i = 0; i < noms.size(); ++i)
        combo.addItem(tr("Pin ") + noms[i], index[i]);
    combo.setCurrentIndex(0);
}

void Rombo::changePinsInUse()
{
    remplirComboPins(*ui->jackPin, *modele->getJack());
    remplirComboPins(*ui->fdcPin, *modele->getFdc());
    if (const CaptIrCNX* c = capteur())
        remplirComboPins(*ui->cnyPin, *c);
}

void Rombo::changerJackSchema()
{
    ui->schemaJack->setPixmap(QPixmap(imageContact(*modele->getJack())));
}

void Rombo::changerFdcSchema()
{
    ui->schemaFdc->setPixmap(QPixmap(imageContact(*modele->getFdc())));
}

void Rombo::on_jackPin_currentIndexChanged(int i)
{
    if (i < 0)
        return;
    modele->jackConnecte(ui->jackPin->itemData(i).toInt());
    changePinsInUse();
    ui->schemaPinJack->setText(ui->jackPin->currentText());
}

void Rombo::on_jackContact_currentIndexChanged(int i)
{
    modele->getJack()->setContactNO(i == 0);
    changerJackSchema();
}

void Rombo::on_jackSchema_currentIndexChanged(int i)
{
    modele->getJack()->setPullUp(i == 0);
    changerJackSchema();
}

void Rombo::on_jackResistance_valueChanged(double v)
{
    modele->getJack()->setResistance(v * 1000.0);
}

void Rombo::on_fdcPin_currentIndexChanged(int i)
{
    if (i < 0)
        return;
    modele->fdcConnecte(ui->fdcPin->itemData(i).toInt());
    changePinsInUse();
    ui->schemaPinFdc->setText(ui->fdcPin->currentText());
}

void Rombo::on_fdcContact_currentIndexChanged(int i)
{
    modele->getFdc()->setContactNO(i == 0);
    changerFdcSchema();
}

void Rombo::on_fdcSchema_currentIndexChanged(int i)
{
    modele->getFdc()->setPullUp(i == 0);
    changerFdcSchema();
}

void Rombo::on_fdcResistance_valueChanged(double v)
{
    modele->getFdc()->setResistance(v * 1000.0);
}

// --- Sensors -------------------------------------------------------------------------------

void Rombo::changerCaptIrSchema()
{
    const CaptIrCNX* c = capteur();
    if (!c)
        return;
    const bool up = c->getPullUp();
    ui->sch_cny->setPixmap(QPixmap(up ? QStringLiteral(":/images/sch_cny_up.png")
                                      : QStringLiteral(":/images/sch_cny_down.png")));
    QString comparateur;
    if (c->getNoComp())
        comparateur = up ? QStringLiteral(":/images/sch_nocomp_up.png") : QStringLiteral(":/images/sch_nocomp_down.png");
    else if (c->getSup())
        comparateur = up ? QStringLiteral(":/images/sch_comp_pos_up.png") : QStringLiteral(":/images/sch_comp_pos_down.png");
    else
        comparateur = up ? QStringLiteral(":/images/sch_comp_neg_up.png") : QStringLiteral(":/images/sch_comp_neg_down.png");
    ui->sch_comp->setPixmap(QPixmap(comparateur));
    // The pin's label stands level with the pin of the drawing shown.
    const int hauteur = up ? (c->getNoComp() ? 15 : 5) : (c->getNoComp() ? 10 : 0);
    ui->spacerPinCny->changeSize(0, hauteur, QSizePolicy::Minimum, QSizePolicy::Fixed);
    ui->layoutPinCny->invalidate();
}

void Rombo::placeCapteur(int n)
{
    const CaptIrCNX* c = modele->getCaptIr(n);
    if (!c || n >= 12)
        return;
    tabItems[n]->setPos(versScene(c->getX(), c->getY()));
    if (n == captIrIndex) {
        const QSignalBlocker bloque(focusItem);
        focusItem->setPos(tabItems[n]->pos());
    }
}

void Rombo::viewCaptIrModele()
{
    const int nb = modele->nbCaptIr();
    captIrIndex = nb == 0 ? -1 : std::clamp(captIrIndex, 0, nb - 1);

    for (int i = 0; i < 12; ++i) {
        const CaptIrCNX* c = modele->getCaptIr(i);
        tabItems[i]->setVisible(c != nullptr);
        if (c) {
            tabItems[i]->setPixmap(QPixmap(c->estForce() && c->estSurLigne() ? imageCapteurBlanc : imageCapteurBleu));
            placeCapteur(i);
        }
    }

    const QList<QWidget*> champs = ui->tabCapteurs->findChildren<QWidget*>();
    CaptIrCNX* c = capteur();
    for (QWidget* champ : champs)
        champ->setEnabled(c != nullptr);
    ui->widgetExtension->setEnabled(c != nullptr);
    if (!c) {
        ui->toolButtonAdd->setEnabled(true);
        ui->labelNumero->setText(QStringLiteral("0/0"));
        focusItem->hide();
        return;
    }

    ui->labelNumero->setText(QStringLiteral("%1/%2").arg(captIrIndex + 1).arg(nb));
    ui->toolButtonAdd->setEnabled(modele->captIrAjoutPossible());
    ui->buttonPrev->setEnabled(captIrIndex > 0);
    ui->buttonNext->setEnabled(captIrIndex < nb - 1);

    affiche(ui->cnySchPullup, c->getPullUp() ? 0 : 1);
    affiche(ui->comboComparateur, c->getNoComp() ? 0 : c->getSup() ? 1 : 2);
    ui->doubleRc->setEnabled(!c->getNoComp());
    ui->doubleVseuil->setEnabled(!c->getNoComp());
    affiche(ui->doubleRd, c->getRd() / 1000.0);
    affiche(ui->doubleRt, c->getRt() / 1000.0);
    affiche(ui->doubleRc, c->getRc() / 1000.0);
    affiche(ui->doubleVseuil, c->getVseuil());
    affiche(ui->doubleX, c->getX());
    affiche(ui->doubleY, c->getY());
    affiche(ui->doubleH, c->getH());
    remplirComboPins(*ui->cnyPin, *c);
    ui->schemaPinCny->setText(ui->cnyPin->currentText());
    changerCaptIrSchema();

    placeCapteur(captIrIndex);
    focusItem->setVisible(ui->tabWidget->currentWidget() == ui->tabCapteurs);
    {
        const QSignalBlocker bloque(ui->checkBoxTestBlanc);
        ui->checkBoxTestBlanc->setChecked(c->estSurLigne());
    }
    afficheDataTest();
}

void Rombo::afficheDataTest()
{
    CaptIrCNX* c = capteur();
    if (!c)
        return;
    const QLocale locale;
    ui->labelV0->setText(locale.toString(c->getV0(), 'f', 3) + QStringLiteral(" V"));
    double vs = c->getSrc();
    if (Port* port = c->getPort()) {
        // The pin as the port computes it from the chip's side and the sensor's. Not
        // through a whole evaluation of the port: its PORTx read would refresh the
        // sensor from the track and end the white-line test at once.
        DataMemory* dm = port->getDM();
        const Word n = static_cast<Word>(port->getNumero());
        const Byte tris = dm->read(static_cast<Word>(DataMemory::TRISA + n));
        const Byte lat = dm->read(static_cast<Word>(DataMemory::LATA + n));
        vs = port->setCnxValue(c->getPin(), lat, (tris >> c->getPin()) & 1);
    }
    ui->labelVs->setText(locale.toString(vs, 'f', 3) + QStringLiteral(" V"));
}

void Rombo::on_cnyPin_currentIndexChanged(int i)
{
    if (i < 0 || !capteur())
        return;
    modele->captIrConnecte(captIrIndex, ui->cnyPin->itemData(i).toInt());
    changePinsInUse();
    ui->schemaPinCny->setText(ui->cnyPin->currentText());
    afficheDataTest();
}

void Rombo::on_cnySchPullup_currentIndexChanged(int i)
{
    CaptIrCNX* c = capteur();
    if (!c)
        return;
    c->setPullUp(i == 0);
    c->evalue(nullptr);
    changerCaptIrSchema();
    afficheDataTest();
}

void Rombo::on_comboComparateur_currentIndexChanged(int i)
{
    CaptIrCNX* c = capteur();
    if (!c)
        return;
    c->setNoComp(i == 0);
    c->setSup(i != 2);
    c->evalue(nullptr);
    viewCaptIrModele();
}

void Rombo::on_doubleRd_valueChanged(double v)
{
    if (CaptIrCNX* c = capteur()) {
        c->setRd(v * 1000.0);
        c->preCalcul();
        c->evalue(nullptr);
        afficheDataTest();
    }
}

void Rombo::on_doubleRt_valueChanged(double v)
{
    if (CaptIrCNX* c = capteur()) {
        c->setRt(v * 1000.0);
        c->evalue(nullptr);
        afficheDataTest();
    }
}

void Rombo::on_doubleRc_valueChanged(double v)
{
    if (CaptIrCNX* c = capteur()) {
        c->setRc(v * 1000.0);
        c->evalue(nullptr);
        afficheDataTest();
    }
}

void Rombo::on_doubleVseuil_valueChanged(double v)
{
    if (CaptIrCNX* c = capteur()) {
        c->setVseuil(v);
        c->evalue(nullptr);
        afficheDataTest();
    }
}

void Rombo::on_doubleH_valueChanged(double v)
{
    if (CaptIrCNX* c = capteur()) {
        c->setH(v);
        c->preCalcul();
        c->evalue(nullptr);
        afficheDataTest();
    }
}

void Rombo::on_doubleX_valueChanged(double v)
{
    if (CaptIrCNX* c = capteur()) {
        c->setX(v);
        c->evalue(nullptr);
        placeCapteur(captIrIndex);
    }
}

void Rombo::on_doubleY_valueChanged(double v)
{
    if (CaptIrCNX* c = capteur()) {
        c->setY(v);
        c->evalue(nullptr);
        placeCapteur(captIrIndex);
    }
}

void Rombo::moveCapteur()
{
    CaptIrCNX* c = capteur();
    if (!c)
        return;
    const QPointF p = focusItem->pos();
    affiche(ui->doubleX, (p.x() + delta) / echelle);
    affiche(ui->doubleY, -(p.y() + delta) / echelle);
    // The sensor takes the values the fields show (to their tenth of a millimetre).
    c->setX(ui->doubleX->value());
    c->evalue(nullptr);
    c->setY(ui->doubleY->value());
    c->evalue(nullptr);
    tabItems[captIrIndex]->setPos(p);
}

void Rombo::on_toolButtonAdd_clicked()
{
    modele->addCaptIr(captIrIndex);
    captIrIndex = modele->nbCaptIr() - 1;
    viewCaptIrModele();
}

void Rombo::on_toolButtonSuppr_clicked()
{
    if (!capteur())
        return;
    modele->deleteCaptIr(captIrIndex);
    if (captIrIndex > 0)
        --captIrIndex;
    viewCaptIrModele();
    changePinsInUse();
}

void Rombo::on_buttonPrev_clicked()
{
    if (captIrIndex > 0)
        --captIrIndex;
    viewCaptIrModele();
}

void Rombo::on_buttonNext_clicked()
{
    if (captIrIndex < modele->nbCaptIr() - 1)
        ++captIrIndex;
    viewCaptIrModele();
}

void Rombo::on_checkBoxTestBlanc_toggled(bool on)
{
    CaptIrCNX* c = capteur();
    if (!c)
        return;
    tabItems[captIrIndex]->setPixmap(QPixmap(on ? imageCapteurBlanc : imageCapteurBleu));
    on ? c->forceSurLigne() : c->forceSurMoquette();
    c->preCalcul();
    c->evalue(nullptr);
    afficheDataTest();
}

void Rombo::on_tabWidget_currentChanged(int i)
{
    const bool capteurs = ui->tabWidget->widget(i) == ui->tabCapteurs;
    ui->widgetExtension->setVisible(capteurs);
    if (!capteurs)
        focusItem->hide();
    viewCaptIrModele();
}

// --- H-bridges, motors, mechanics ----------------------------------------------------------

void Rombo::on_motPinsButton_clicked()
{
    const QString gauche = ui->motGPin->text();
    ui->motGPin->setText(ui->motDPin->text());
    ui->motDPin->setText(gauche);
    pwm1aGauche = !pwm1aGauche;
    modele->setPwm1aGauche(pwm1aGauche);
}

void Rombo::on_doubleVdiode_valueChanged(double v)
{
    modele->setVf(v);
    modele->preCalculMoteurs();
}

void Rombo::on_doubleRdson_valueChanged(double v)
{
    modele->setRdson(v);
    modele->preCalculMoteurs();
}

void Rombo::regleMoteurG(void (MoteurCNX::*ecrit)(double), double valeur, QDoubleSpinBox& champDroit,
                         double affiche)
{
    MoteurCNX* g = modele->getMoteurG();
    (g->*ecrit)(valeur);
    g->preCalcul();
    if (ui->toolButtonDiffMot->isChecked())
        return;
    regleMoteurD(ecrit, valeur);
    ::affiche(&champDroit, affiche);
}

void Rombo::regleMoteurD(void (MoteurCNX::*ecrit)(double), double valeur)
{
    MoteurCNX* d = modele->getMoteurD();
    (d->*ecrit)(valeur);
    d->preCalcul();
}

void Rombo::on_doubleRmotG_valueChanged(double v)
{
    regleMoteurG(&MoteurCNX::setRes, v, *ui->doubleRmotD, v);
}

void Rombo::on_doubleLmotG_valueChanged(double v)
{
    regleMoteurG(&MoteurCNX::setInduc, v * 0.001, *ui->doubleLmotD, v);
}

void Rombo::on_doubleKphiG_valueChanged(double v)
{
    regleMoteurG(&MoteurCNX::setKphi, v, *ui->doubleKphiD, v);
}

void Rombo::on_doubleI0motG_valueChanged(double v)
{
    regleMoteurG(&MoteurCNX::setI0, v, *ui->doubleI0motD, v);
}

void Rombo::on_doubleInertieG_valueChanged(double v)
{
    regleMoteurG(&MoteurCNX::setInertie, v, *ui->doubleInertieD, v);
}

void Rombo::on_doubleRmotD_valueChanged(double v)
{
    regleMoteurD(&MoteurCNX::setRes, v);
}

void Rombo::on_doubleLmotD_valueChanged(double v)
{
    regleMoteurD(&MoteurCNX::setInduc, v * 0.001);
}

void Rombo::on_doubleKphiD_valueChanged(double v)
{
    regleMoteurD(&MoteurCNX::setKphi, v);
}

void Rombo::on_doubleI0motD_valueChanged(double v)
{
    regleMoteurD(&MoteurCNX::setI0, v);
}

void Rombo::on_doubleInertieD_valueChanged(double v)
{
    regleMoteurD(&MoteurCNX::setInertie, v);
}

void Rombo::on_toolButtonDiffMot_toggled(bool on)
{
    ui->widgetMoteurD->setEnabled(on);
    if (on)
        return;
    // Linked again: the right motor becomes the left one's twin.
    const MoteurCNX* g = modele->getMoteurG();
    regleMoteurD(&MoteurCNX::setRes, g->getRes());
    regleMoteurD(&MoteurCNX::setInduc, g->getInduc());
    regleMoteurD(&MoteurCNX::setKphi, g->getKphi());
    regleMoteurD(&MoteurCNX::setInertie, g->getInertie());
    regleMoteurD(&MoteurCNX::setI0, g->getI0());
    viewModele();
}

void Rombo::on_doubleMasse_valueChanged(double v)
{
    modele->setMasse(v);
    modele->preCalculMoteurs();
}

void Rombo::on_doubleVoie_valueChanged(double v)
{
    modele->setVoie(v);
}

void Rombo::on_doubleMoquette_valueChanged(double v)
{
    CaptIrCNX::setRefMoquette(v);
}

void Rombo::on_doubleScotch_valueChanged(double v)
{
    CaptIrCNX::setRefScotch(v);
}

void Rombo::on_doubleKroul_valueChanged(double v)
{
    modele->setKroul(v);
    modele->preCalculMoteurs();
}

void Rombo::on_doubleDiametreRoue_valueChanged(double v)
{
    modele->setRayon(v / 2.0);
    modele->preCalculMoteurs();
}

void Rombo::on_doubleVbat_valueChanged(double v)
{
    modele->setVbat(v);
    modele->preCalculMoteurs();
}

void Rombo::on_doubleRapport_valueChanged(double v)
{
    modele->setReduc(v);
    modele->preCalculMoteurs();
}

void Rombo::on_doubleRendement_valueChanged(double v)
{
    modele->setRendement(v / 100.0);
    modele->preCalculMoteurs();
}

// --- The whole robot -----------------------------------------------------------------------

void Rombo::afficheContact(const ContactCNX& c, QComboBox& pin, QComboBox& contactNO, QComboBox& schema,
                           QDoubleSpinBox& resistance, QLabel& schemaPin)
{
    affiche(&schema, c.getPullUp() ? 0 : 1);
    affiche(&contactNO, c.getContactNO() ? 0 : 1);
    affiche(&resistance, c.getResistance() / 1000.0);
    remplirComboPins(pin, c);
    schemaPin.setText(pin.currentText());
}

void Rombo::viewModele()
{
    const ContactCNX& jack = *modele->getJack();
    afficheContact(jack, *ui->jackPin, *ui->jackContact, *ui->jackSchema, *ui->jackResistance, *ui->schemaPinJack);
    {
        const QSignalBlocker bloque(ui->jack);
        ui->jack->setChecked(jack.isActif());
    }
    changerJackSchema();
    const ContactFdcCNX& contactFdc = *modele->getFdc();
    afficheContact(contactFdc, *ui->fdcPin, *ui->fdcContact, *ui->fdcSchema, *ui->fdcResistance, *ui->schemaPinFdc);
    fdcChange();
    changerFdcSchema();

    if (pwm1aGauche != modele->isPwm1aGauche())
        on_motPinsButton_clicked();
    viewCaptIrModele();

    affiche(ui->doubleScotch, CaptIrCNX::getRefScotch());
    affiche(ui->doubleMoquette, CaptIrCNX::getRefMoquette());
    affiche(ui->doubleVoie, modele->getVoie());
    affiche(ui->doubleVbat, modele->getVbat());
    affiche(ui->doubleMasse, modele->getMasse());
    affiche(ui->doubleKroul, modele->getKroul());
    affiche(ui->doubleRapport, modele->getReduc());
    affiche(ui->doubleDiametreRoue, modele->getRayon() * 2.0);
    affiche(ui->doubleRendement, modele->getRendement() * 100.0);
    affiche(ui->doubleVdiode, modele->getVf());
    affiche(ui->doubleRdson, modele->getRdson());

    const MoteurCNX* g = modele->getMoteurG();
    const MoteurCNX* d = modele->getMoteurD();
    affiche(ui->doubleRmotG, g->getRes());
    affiche(ui->doubleLmotG, g->getInduc() * 1000.0);
    affiche(ui->doubleKphiG, g->getKphi());
    affiche(ui->doubleInertieG, g->getInertie());
    affiche(ui->doubleI0motG, g->getI0());
    affiche(ui->doubleRmotD, d->getRes());
    affiche(ui->doubleLmotD, d->getInduc() * 1000.0);
    affiche(ui->doubleKphiD, d->getKphi());
    affiche(ui->doubleInertieD, d->getInertie());
    affiche(ui->doubleI0motD, d->getI0());
}

// --- Files ---------------------------------------------------------------------------------

void Rombo::signaleFichier(const QString& texte)
{
    ui->labelFichier->setText(texte);
    ui->labelFichier->setVisible(!texte.isEmpty());
}

bool Rombo::sauverFichier(const QString& nom)
{
    if (!modele->saveRomboData(nom)) {
        signaleFichier(tr("Impossible d'écrire %1 : la rombine n'est pas sauvegardée.")
                           .arg(QDir::toNativeSeparators(nom)));
        return false;
    }
    fichier = nom;
    signaleFichier(QString());
    return true;
}

bool Rombo::ouvrirFichier(const QString& nom)
{
    if (!modele->openData(nom)) {
        const QString raison = QFileInfo(nom).isReadable() ? tr("ce n'est pas un fichier de rombine lisible")
                                                            : tr("le fichier ne peut pas être lu");
        signaleFichier(tr("Impossible de charger %1 : %2. La rombine n'a pas changé.")
                           .arg(QDir::toNativeSeparators(nom), raison));
        return false;
    }
    fichier = nom;
    signaleFichier(QString());
    return true;
}

void Rombo::on_saveButton_clicked()
{
    const QString nom = QFileDialog::getSaveFileName(this, tr("Sauvegarder les données d'une rombine"), fichier,
                                                     tr("Fichier RBO (*.rbo)"));
    if (!nom.isEmpty())
        sauverFichier(nom);
}

void Rombo::on_openButton_clicked()
{
    const QString nom = QFileDialog::getOpenFileName(this, tr("Charger les données d'une rombine"), fichier,
                                                     tr("Fichier RBO (*.rbo)"));
    if (!nom.isEmpty())
        ouvrirFichier(nom);
}

void Rombo::closeEvent(QCloseEvent* event)
{
    event->ignore();
    (parentWidget() ? parentWidget() : this)->hide();
    emit estCache(true);
}

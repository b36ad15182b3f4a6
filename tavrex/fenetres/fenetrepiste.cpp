#include "fenetrepiste.h"

#include <algorithm>

#include <QBrush>
#include <QFileDialog>
#include <QPen>

#include "dessinpiste.h"
#include "modele.h"
#include "piste.h"
#include "ui_fenetrepiste.h"

namespace {

// The carpet: a 10 m square centred on the origin, in scene mm.
const QRectF tapis(Modele::xMin, Modele::yMin, Modele::xMax - Modele::xMin, Modele::yMax - Modele::yMin);

// The track names the arguments of its elements in French; the editor shows them
// translated.
[[maybe_unused]] const char* const nomsArguments[] = {
    QT_TRANSLATE_NOOP("FenetrePiste", "x"),        QT_TRANSLATE_NOOP("FenetrePiste", "y"),
    QT_TRANSLATE_NOOP("FenetrePiste", "angle"),    QT_TRANSLATE_NOOP("FenetrePiste", "longueur"),
    QT_TRANSLATE_NOOP("FenetrePiste", "largeur"),  QT_TRANSLATE_NOOP("FenetrePiste", "rayon"),
};

}  // namespace

// ---------------------------------------------------------------------------------
// The robot's picture

RomboItem::RomboItem(QGraphicsItem* parent) : QGraphicsPixmapItem(QPixmap(QStringLiteral(":/images/move_rombo.png")), parent)
{
    setOffset(-32.0, -32.0);
    // 64 pixels for the 240 mm of the robot.
    setScale(3.75);
    setZValue(1.0);
    setTransformationMode(Qt::SmoothTransformation);
    setFlags(ItemIsMovable | ItemSendsGeometryChanges);
    setCursor(Qt::OpenHandCursor);
}

void RomboItem::envoiePose()
{
    emit moved(pos().x(), -pos().y(), -rotation());
}

QVariant RomboItem::itemChange(GraphicsItemChange change, const QVariant& value)
{
    if (change == ItemPositionChange && scene()) {
        const QPointF p = value.toPointF();
        return QPointF(std::clamp(p.x(), xMin, xMax), std::clamp(p.y(), yMin, yMax));
    }
    if (change == ItemPositionHasChanged && scene())
        envoiePose();
    return QGraphicsPixmapItem::itemChange(change, value);
}

void RomboItem::deplacement(double x, double y, double theta)
{
    setFlag(ItemSendsGeometryChanges, false);
    setPos(std::clamp(x, xMin, xMax), std::clamp(-y, yMin, yMax));
    setRotation(-theta * radEnDeg);
    setFlag(ItemSendsGeometryChanges, true);
}

// ---------------------------------------------------------------------------------
// The window

FenetrePiste::FenetrePiste(Modele& m, QWidget* parent)
    : SousFenetre(parent), ui(new Ui::FenetrePiste), modele(&m), scene(tapis), fichier(QStringLiteral("piste001.pis"))
{
    ui->setupUi(this);

    scene.setBackgroundBrush(QBrush(Qt::gray));
    // First, so that everything else lies on it.
    scene.addRect(tapis, QPen(Qt::NoPen), QBrush(Qt::blue));

    Piste* piste = modele->getPiste();
    // Without the file the track starts empty.
    (void)modele->chargePiste(fichier);
    dessin = std::make_unique<DessinPiste>(*piste, scene);

    rombo = new RomboItem;
    scene.addItem(rombo);
    rombo->hide();

    // Together about 0.061 screen pixel per millimetre: the carpet fits the view.
    ui->graphicsView->scale(0.26666666666666666, 0.26666666666666666);
    ui->graphicsView->setScene(&scene);
    ui->graphicsView->scale(0.22876792, 0.22876792);

    // A track read whole (a file, a snapshot): the editor from its first element.
    connect(piste, &XMLOpenSaveData::openNew, this, &FenetrePiste::drawPiste);
    connect(rombo, &RomboItem::moved, modele, &Modele::romboSurPiste);
    connect(modele, &Modele::deplaceRombo, rombo, &RomboItem::deplacement);

    label[0] = ui->label1;
    label[1] = ui->label2;
    label[2] = ui->label3;
    dbl[0] = ui->doubleSpinBox1;
    dbl[1] = ui->doubleSpinBox2;
    dbl[2] = ui->doubleSpinBox3;
    numEdit = 0;
    editPiste();
    ui->widgetEditPiste->hide();
    ui->labelMessage->hide();
    piste->noFocus();
}

FenetrePiste::~FenetrePiste()
{
    delete ui;
}

QList<QWidget*> FenetrePiste::champsEdition(int depuis) const
{
    QList<QWidget*> champs;
    for (const QBoxLayout* rangee : {ui->rangeeEdition, ui->rangeeEdition2})
        for (int i = 0; i < rangee->count(); ++i)
            if (QWidget* w = rangee->itemAt(i)->widget())
                champs << w;
    return champs.mid(depuis);
}

int FenetrePiste::largeurRangee(const QList<QWidget*>& champs) const
{
    int largeur = 0;
    for (const QWidget* w : champs)
        largeur += std::max(w->minimumSizeHint().width(), w->minimumWidth());
    const QMargins marges = layout()->contentsMargins();
    return largeur + (champs.size() - 1) * ui->rangeeEdition->spacing() + marges.left() + marges.right() +
           2 * frameWidth();
}

int FenetrePiste::largeurEdition() const
{
    return largeurRangee(champsEdition());
}

int FenetrePiste::largeurEditionMinimale() const
{
    const QList<QWidget*> champs = champsEdition();
    const int coupure = champs.indexOf(ui->label1);
    return std::max(largeurRangee(champs.mid(0, coupure)), largeurRangee(champs.mid(coupure)));
}

void FenetrePiste::disposeEdition()
{
    const bool deuxRangees = width() < largeurEdition();
    if (deuxRangees == (ui->rangeeEdition2->count() > 0))
        return;
    // The values, the spacer and the add and delete buttons move as one block; on its
    // own, the element's choice keeps its width, on the left.
    if (deuxRangees) {
        const int premier = ui->rangeeEdition->indexOf(ui->label1);
        while (ui->rangeeEdition->count() > premier)
            ui->rangeeEdition2->addItem(ui->rangeeEdition->takeAt(premier));
        ui->rangeeEdition->addStretch();
    } else {
        delete ui->rangeeEdition->takeAt(ui->rangeeEdition->count() - 1);
        while (ui->rangeeEdition2->count() > 0)
            ui->rangeeEdition->addItem(ui->rangeeEdition2->takeAt(0));
    }
    ui->layoutEdition->invalidate();
    ui->widgetEditPiste->updateGeometry();
    // The bar's height changed: the tools may have to change sides.
    disposeOutils();
}

void FenetrePiste::resizeEvent(QResizeEvent* event)
{
    SousFenetre::resizeEvent(event);
    disposeEdition();
    disposeOutils();
}

void FenetrePiste::disposeOutils()
{
    QBoxLayout* outils = ui->layoutOutils;
    int colonne = (outils->count() - 1) * outils->spacing();
    for (int i = 0; i < outils->count(); ++i)
        if (const QWidget* w = outils->itemAt(i)->widget())
            colonne += w->sizeHint().height();
    const QMargins marges = layout()->contentsMargins();
    int hauteur = colonne + marges.top() + marges.bottom() + 2 * frameWidth();
    for (const QWidget* w : {static_cast<QWidget*>(ui->widgetEditPiste), static_cast<QWidget*>(ui->labelMessage)})
        if (!w->isHidden())
            hauteur += w->sizeHint().height() + layout()->spacing();
    const bool enRangee = height() < hauteur;
    if (enRangee == (outils->direction() == QBoxLayout::LeftToRight))
        return;
    // Spread over the whole width a row would scatter its groups; packed on the left
    // with small gaps, it reads as a toolbar.
    ui->layoutVue->setDirection(enRangee ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    outils->setDirection(enRangee ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    for (QSpacerItem* s : {ui->spacerRotation, ui->spacerZoom}) {
        if (enRangee)
            s->changeSize(16, 0, QSizePolicy::Fixed, QSizePolicy::Minimum);
        else
            s->changeSize(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding);
    }
    ui->layoutVue->setAlignment(outils, enRangee ? Qt::AlignLeft : Qt::Alignment());
    outils->invalidate();
}

void FenetrePiste::on_toolButtonZoomP_clicked()
{
    ui->graphicsView->scale(1.1111111111111112, 1.1111111111111112);
}

void FenetrePiste::on_toolButtonZoomM_clicked()
{
    ui->graphicsView->scale(0.9, 0.9);
}

void FenetrePiste::on_toolButtonZoomFit_clicked()
{
    ui->graphicsView->fitInView(tapis, Qt::KeepAspectRatio);
}

void FenetrePiste::cadrerPiste()
{
    const QRectF cadre = dessin->cadre();
    if (!cadre.isEmpty())
        ui->graphicsView->fitInView(cadre.adjusted(-300.0, -300.0, 300.0, 300.0), Qt::KeepAspectRatio);
}

void FenetrePiste::tourne(double degres)
{
    rombo->setRotation(rombo->rotation() + degres);
    // A rotation alone is not a position change: the item does not tell it itself.
    rombo->envoiePose();
}

void FenetrePiste::on_toolButtonClk_clicked()
{
    tourne(10.0);
}

void FenetrePiste::on_toolButtonAntiClk_clicked()
{
    tourne(-10.0);
}

void FenetrePiste::on_toolButtonPoseRombo_toggled(bool on)
{
    rombo->setVisible(on);
    if (!on)
        return;
    const bool ailleurs = rombo->pos() != QPointF(0.0, 0.0);
    rombo->setRotation(0.0);
    rombo->setPos(0.0, 0.0);
    // Already at the origin the move tells nothing, yet the heading may have changed:
    // the model must stand where the picture does.
    if (!ailleurs)
        rombo->envoiePose();
}

void FenetrePiste::editPiste()
{
    Piste* piste = modele->getPiste();
    const unsigned int n = piste->size();
    if (numEdit >= n)
        numEdit = n == 0 ? 0 : n - 1;
    ui->toolButtonPrev->setEnabled(numEdit > 0);
    ui->toolButtonNext->setEnabled(numEdit + 1 < n);
    ui->labelNumero->setText(QString::number(numEdit));

    if (n == 0) {
        ui->comboBoxTypes->hide();
        for (int i = 0; i < 3; ++i) {
            label[i]->hide();
            dbl[i]->hide();
        }
        ui->toolButtonSuppr->setEnabled(false);
        disposeEdition();
        return;
    }

    const Portion* e = piste->getElt(numEdit);
    ui->comboBoxTypes->show();
    {
        const QSignalBlocker bloque(ui->comboBoxTypes);
        ui->comboBoxTypes->setCurrentIndex(e->typeIndex());
    }
    const int nb = std::clamp(e->nbArg(), 0, 3);
    for (int i = nb; i < 3; ++i) {
        label[i]->hide();
        dbl[i]->hide();
    }
    for (int i = 0; i < nb; ++i) {
        label[i]->setText(tr(e->nameArg(i).toUtf8().constData()));
        {
            const QSignalBlocker bloque(dbl[i]);
            dbl[i]->setMaximum(e->maxArg(i));
            dbl[i]->setMinimum(e->minArg(i));
            dbl[i]->setSuffix(e->suffixArg(i));
            dbl[i]->setDecimals(e->decimalsArg(i));
            dbl[i]->setValue(e->valArg(i));
        }
        label[i]->show();
        dbl[i]->show();
    }
    ui->toolButtonSuppr->setEnabled(true);
    // The element's own labels may make the bar wider or narrower.
    disposeEdition();
    piste->setFocus(numEdit);
}

void FenetrePiste::on_toolButtonNext_clicked()
{
    ++numEdit;
    editPiste();
}

void FenetrePiste::on_toolButtonPrev_clicked()
{
    if (numEdit > 0)
        --numEdit;
    editPiste();
}

void FenetrePiste::on_toolButtonNew_clicked()
{
    Piste* piste = modele->getPiste();
    if (numEdit < piste->size())
        ++numEdit;
    modele->insereElement(numEdit, ui->comboBoxTypes->currentIndex());
    editPiste();
}

void FenetrePiste::on_toolButtonSuppr_clicked()
{
    modele->supprimeElement(numEdit);
    editPiste();
}

void FenetrePiste::on_comboBoxTypes_currentIndexChanged(int index)
{
    modele->remplaceElement(numEdit, index);
    editPiste();
}

void FenetrePiste::on_doubleSpinBox1_valueChanged(double value)
{
    modele->modifieElement(numEdit, 0, value);
}

void FenetrePiste::on_doubleSpinBox2_valueChanged(double value)
{
    modele->modifieElement(numEdit, 1, value);
}

void FenetrePiste::on_doubleSpinBox3_valueChanged(double value)
{
    modele->modifieElement(numEdit, 2, value);
}

void FenetrePiste::on_toolButtonEdit_toggled(bool on)
{
    ui->widgetEditPiste->setVisible(on);
    disposeOutils();
    if (on)
        modele->getPiste()->setFocus(numEdit);
    else
        modele->getPiste()->noFocus();
}

void FenetrePiste::on_toolButtonOpen_clicked()
{
    const QString nom =
        QFileDialog::getOpenFileName(this, tr("Charger les données d'une piste"), fichier, tr("Fichier PIS (*.pis)"));
    if (!nom.isEmpty())
        ouvrir(nom);
}

void FenetrePiste::on_toolButtonSave_clicked()
{
    const QString nom =
        QFileDialog::getSaveFileName(this, tr("Sauvegarder les données d'une piste"), fichier, tr("Fichier PIS (*.pis)"));
    if (!nom.isEmpty())
        enregistrer(nom);
}

bool FenetrePiste::ouvrir(const QString& nom)
{
    if (!modele->chargePiste(nom)) {
        signale(tr("Piste non chargée : %1 est illisible ou n'est pas un fichier XML.").arg(nom));
        return false;
    }
    fichier = nom;
    ui->labelMessage->hide();
    drawPiste();
    return true;
}

bool FenetrePiste::enregistrer(const QString& nom)
{
    if (!modele->getPiste()->saveData(nom)) {
        signale(tr("Piste non enregistrée : impossible d'écrire %1.").arg(nom));
        return false;
    }
    fichier = nom;
    ui->labelMessage->hide();
    return true;
}

void FenetrePiste::signale(const QString& message)
{
    // No dialog box: a line under the editor, until the next file succeeds.
    ui->labelMessage->setText(message);
    ui->labelMessage->show();
    disposeOutils();
}

void FenetrePiste::drawPiste()
{
    // The drawing followed the file as it was read.
    Piste* piste = modele->getPiste();
    numEdit = 0;
    editPiste();
    if (!ui->toolButtonEdit->isChecked())
        piste->noFocus();
}


void FenetrePiste::suitPiste()
{
    editPiste();
    if (!ui->toolButtonEdit->isChecked())
        modele->getPiste()->noFocus();
}

void FenetrePiste::poseRomboAuDepart()
{
    ui->toolButtonPoseRombo->setChecked(true);
}

void FenetrePiste::suitPose()
{
    {
        const QSignalBlocker bloque(ui->toolButtonPoseRombo);
        ui->toolButtonPoseRombo->setChecked(true);
    }
    rombo->show();
    rombo->deplacement(modele->getX(), modele->getY(), modele->getTheta());
}

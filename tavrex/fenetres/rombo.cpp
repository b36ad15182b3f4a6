#include "rombo.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsProxyWidget>
#include <QLocale>
#include <QSignalBlocker>
#include <QTabBar>

#include "miseaechelle.h"
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

// How a field shows a value of the model. Each way keeps the arithmetic the fields
// have always used: a product by 0.001 and a quotient by 1000 differ in the last bit.
enum class Unite
{
    Meme,       // the model's own unit
    Kilo,       // kilo-ohms for ohms
    Milli,      // millihenries for henries
    Pourcent,   // a percentage for a fraction
    Diametre,   // the wheel's diameter for its radius
};

double versModele(Unite u, double v)
{
    switch (u) {
    case Unite::Kilo: return v * 1000.0;
    case Unite::Milli: return v * 0.001;
    case Unite::Pourcent: return v / 100.0;
    case Unite::Diametre: return v / 2.0;
    case Unite::Meme: break;
    }
    return v;
}

double versChamp(Unite u, double v)
{
    switch (u) {
    case Unite::Kilo: return v / 1000.0;
    case Unite::Milli: return v * 1000.0;
    case Unite::Pourcent: return v * 100.0;
    case Unite::Diametre: return v * 2.0;
    case Unite::Meme: break;
    }
    return v;
}

// A numeric field, the value of the model's tables it shows (saved under `balise`), in
// which unit, and what follows once the model took a new value from it.
struct Ligne
{
    QDoubleSpinBox* champ;
    const char* balise;
    Unite unite = Unite::Meme;
    std::function<void(double)> ensuite = {};
};

// Binds each field of `lignes` to its value of `table` on the object that `objet()`
// gives at the time (none: the field does nothing). A change is written through
// Modele::regle, then `ensuite` runs with the field's value; `affiches` receives for
// each field the function that shows the model's value in it.
template <class Objet, class Acces>
void lieLignes(QObject* contexte, Modele& modele, Acces objet, const Modele::Champs<Objet>& table,
               const std::vector<Ligne>& lignes, std::vector<std::function<void()>>& affiches)
{
    for (const Ligne& l : lignes) {
        const ChampRobot<Objet>* c = Modele::champ(table, QString::fromLatin1(l.balise));
        Q_ASSERT(c);
        QObject::connect(l.champ, qOverload<double>(&QDoubleSpinBox::valueChanged), contexte,
                         [&modele, c, objet, l](double v) {
                             Objet* o = objet();
                             if (!o)
                                 return;
                             modele.regle(*c, *o, versModele(l.unite, v));
                             if (l.ensuite)
                                 l.ensuite(v);
                         });
        affiches.push_back([c, objet, l] {
            if (const Objet* o = objet())
                affiche(l.champ, versChamp(l.unite, c->lire(*o)));
        });
    }
}

// One value of the robot through the model's tables, as a field sets it.
template <class Objet>
void regleValeur(Modele& m, const Modele::Champs<Objet>& table, const char* balise, Objet& o, double v)
{
    const ChampRobot<Objet>* c = Modele::champ(table, QString::fromLatin1(balise));
    Q_ASSERT(c);
    m.regle(*c, o, v);
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
    : SousFenetre(parent), ui(new Ui::Rombo), scene(-150, -10, 300, 320), echelle(1.25), delta(6.5), modele(&m),
      fichier(QStringLiteral("rombo001")), captIrIndex(0)
{
    ui->setupUi(this);
    brochePwm1 = ui->motGPin->text();
    brochePwm2 = ui->motDPin->text();
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
    // The sensor's test keeps its room under the top view on the other tabs: the view
    // keeps its size from tab to tab.
    QSizePolicy garde = ui->widgetExtension->sizePolicy();
    garde.setRetainSizeWhenHidden(true);
    ui->widgetExtension->setSizePolicy(garde);
    ui->widgetExtension->hide();
    ui->tabWidget->setCurrentIndex(0);
    ui->graphicsView->setScene(&scene);
    // The top view as large as its room lets it be, up to its drawn size.
    echelleVue = std::make_unique<MiseAEchelle>(ui->vueDessus);
    ui->vueDessus->installEventFilter(this);
    ui->labelFichier->hide();

    lieChamps();
    viewModele();

    connect(ui->jack, &QCheckBox::toggled, modele, &Modele::metJack);
    connect(fdc, &QCheckBox::toggled, this, &Rombo::fdcClick);
    connect(fdc, &QCheckBox::pressed, modele, qOverload<>(&Modele::appuyeFdc));
    connect(fdc, &QCheckBox::released, modele, qOverload<>(&Modele::relacheFdc));
    // A robot read from a file is seen from its first sensor on, whichever was selected.
    connect(modele, &Modele::openNew, this, [this] {
        captIrIndex = 0;
        viewModele();
    });
    connect(focusItem, &FocusItemCNY::moved, this, &Rombo::moveCapteur);
    connect(modele, &Modele::fdcChange, this, &Rombo::fdcChange);
    connect(modele, &Modele::captCNYChange, this, &Rombo::afficheDataTest);
    connect(modele, &Modele::cnxMotChange, this, &Rombo::afficheBrochesMoteurs);
}

void Rombo::lieChamps()
{
    Modele& m = *modele;
    const auto lie = [this, &m](auto objet, const auto& table, std::vector<std::function<void()>>& affiches,
                                const std::vector<Ligne>& lignes) {
        lieLignes(this, m, objet, table, lignes, affiches);
    };
    const auto robot = [&m] { return &m; };
    // A sensor's electrical values change its voltages; its place moves its picture.
    const auto tensions = [this](double) { afficheDataTest(); };
    const auto deplace = [this](double) { placeCapteur(captIrIndex); };

    lie([&m] { return m.getJack(); }, Modele::champsContact(), affichesRobot,
        {{ui->jackResistance, "resistance", Unite::Kilo}});
    lie([&m] { return m.getFdc(); }, Modele::champsContact(), affichesRobot,
        {{ui->fdcResistance, "resistance", Unite::Kilo}});
    lie([this] { return capteur(); }, Modele::champsCapteur(), affichesCapteur,
        {
            {ui->doubleRd, "rd", Unite::Kilo, tensions},
            {ui->doubleRt, "rt", Unite::Kilo, tensions},
            {ui->doubleRc, "rc", Unite::Kilo, tensions},
            {ui->doubleVseuil, "vseuil", Unite::Meme, tensions},
            {ui->doubleX, "x", Unite::Meme, deplace},
            {ui->doubleY, "y", Unite::Meme, deplace},
            {ui->doubleH, "h", Unite::Meme, tensions},
        });
    lie(robot, Modele::champsHacheurs(), affichesRobot, {{ui->doubleVdiode, "vf"}, {ui->doubleRdson, "rdson"}});
    lie(robot, Modele::champsParams(), affichesRobot,
        {
            {ui->doubleMasse, "masse"},
            {ui->doubleVbat, "vbat"},
            {ui->doubleRapport, "reduction"},
            {ui->doubleKroul, "roulement"},
            {ui->doubleDiametreRoue, "rayon", Unite::Diametre},
            {ui->doubleRendement, "rendement", Unite::Pourcent},
            {ui->doubleVoie, "voie"},
            {ui->doubleScotch, "scotch"},
            {ui->doubleMoquette, "moquette"},
        });

    // Each motor value has a field on either side. While the two motors are linked, the
    // left field sets the right motor too and shows it in the right field.
    struct Moteur
    {
        QDoubleSpinBox* gauche;
        QDoubleSpinBox* droit;
        const char* balise;
        Unite unite;
    };
    const Moteur moteurs[] = {
        {ui->doubleRmotG, ui->doubleRmotD, "res", Unite::Meme},
        {ui->doubleLmotG, ui->doubleLmotD, "induc", Unite::Milli},
        {ui->doubleKphiG, ui->doubleKphiD, "kphi", Unite::Meme},
        {ui->doubleI0motG, ui->doubleI0motD, "i0", Unite::Meme},
        {ui->doubleInertieG, ui->doubleInertieD, "inertie", Unite::Meme},
    };
    std::vector<Ligne> gauche, droit;
    for (const Moteur& l : moteurs) {
        const ChampRobot<MoteurCNX>* c = Modele::champ(Modele::champsMoteur(), QString::fromLatin1(l.balise));
        gauche.push_back({l.gauche, l.balise, l.unite, [this, l, c](double v) {
                              if (ui->toolButtonDiffMot->isChecked())
                                  return;
                              modele->regle(*c, *modele->getMoteurD(), versModele(l.unite, v));
                              affiche(l.droit, v);
                          }});
        droit.push_back({l.droit, l.balise, l.unite});
    }
    lie([&m] { return m.getMoteurG(); }, Modele::champsMoteur(), affichesRobot, gauche);
    lie([&m] { return m.getMoteurD(); }, Modele::champsMoteur(), affichesRobot, droit);
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
    regleValeur(*modele, Modele::champsContact(), "contactno", *modele->getJack(), i == 0);
    changerJackSchema();
}

void Rombo::on_jackSchema_currentIndexChanged(int i)
{
    regleValeur(*modele, Modele::champsContact(), "pullup", *modele->getJack(), i == 0);
    changerJackSchema();
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
    regleValeur<ContactCNX>(*modele, Modele::champsContact(), "contactno", *modele->getFdc(), i == 0);
    changerFdcSchema();
}

void Rombo::on_fdcSchema_currentIndexChanged(int i)
{
    regleValeur<ContactCNX>(*modele, Modele::champsContact(), "pullup", *modele->getFdc(), i == 0);
    changerFdcSchema();
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
    for (const auto& a : affichesCapteur)
        a();
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
    ui->labelVs->setText(locale.toString(c->tensionBroche(), 'f', 3) + QStringLiteral(" V"));
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
    regleValeur(*modele, Modele::champsCapteur(), "pullup", *c, i == 0);
    changerCaptIrSchema();
    afficheDataTest();
}

void Rombo::on_comboComparateur_currentIndexChanged(int i)
{
    CaptIrCNX* c = capteur();
    if (!c)
        return;
    regleValeur(*modele, Modele::champsCapteur(), "nocomp", *c, i == 0);
    regleValeur(*modele, Modele::champsCapteur(), "sup", *c, i != 2);
    viewCaptIrModele();
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
    regleValeur(*modele, Modele::champsCapteur(), "x", *c, ui->doubleX->value());
    regleValeur(*modele, Modele::champsCapteur(), "y", *c, ui->doubleY->value());
    tabItems[captIrIndex]->setPos(p);
}

void Rombo::on_toolButtonAdd_clicked()
{
    const int dernier = modele->nbCaptIr() - 1;
    modele->addCaptIr(captIrIndex);
    captIrIndex = modele->nbCaptIr() - 1;
    // A copy of the selected sensor would stand on it, its picture hiding the other one.
    if (CaptIrCNX* c = capteur(); c && dernier >= 0 && captIrIndex > dernier) {
        regleValeur(*modele, Modele::champsCapteur(), "x", *c, placeLibre(dernier));
        regleValeur(*modele, Modele::champsCapteur(), "y", *c, modele->getCaptIr(dernier)->getY());
    }
    viewCaptIrModele();
}

double Rombo::placeLibre(int dernier) const
{
    // Along the row of the last sensor, the nearest place beside it that no other sensor
    // covers, to its right first, within the x field's limits.
    const CaptIrCNX& d = *modele->getCaptIr(dernier);
    const double xMin = ui->doubleX->minimum(), xMax = ui->doubleX->maximum();
    auto libre = [&](double x) {
        for (int i = 0; i <= dernier; ++i) {
            const CaptIrCNX& c = *modele->getCaptIr(i);
            if (std::abs(c.getX() - x) < ecartCapteurs && std::abs(c.getY() - d.getY()) < ecartCapteurs)
                return false;
        }
        return true;
    };
    for (int k = 1;; ++k) {
        bool dansLesLimites = false;
        for (const double x : {d.getX() + k * ecartCapteurs, d.getX() - k * ecartCapteurs}) {
            if (x < xMin || x > xMax)
                continue;
            dansLesLimites = true;
            if (libre(x))
                return x;
        }
        if (!dansLesLimites)
            return std::clamp(d.getX() + ecartCapteurs, xMin, xMax);
    }
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
    modele->testeCapteur(captIrIndex, on);
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
    regleValeur(*modele, Modele::champsHacheurs(), "pwm1agauche", *modele, !modele->isPwm1aGauche());
}

void Rombo::afficheBrochesMoteurs()
{
    const bool gauche = modele->isPwm1aGauche();
    ui->motGPin->setText(gauche ? brochePwm1 : brochePwm2);
    ui->motDPin->setText(gauche ? brochePwm2 : brochePwm1);
}

void Rombo::on_toolButtonDiffMot_toggled(bool on)
{
    ui->widgetMoteurD->setEnabled(on);
    if (on)
        return;
    // Linked again: the right motor becomes the left one's twin.
    const MoteurCNX& g = *modele->getMoteurG();
    for (const ChampRobot<MoteurCNX>& c : Modele::champsMoteur())
        modele->regle(c, *modele->getMoteurD(), c.lire(g));
    viewModele();
}

// --- The whole robot -----------------------------------------------------------------------

void Rombo::afficheContact(const ContactCNX& c, QComboBox& pin, QComboBox& contactNO, QComboBox& schema,
                           QLabel& schemaPin)
{
    affiche(&schema, c.getPullUp() ? 0 : 1);
    affiche(&contactNO, c.getContactNO() ? 0 : 1);
    remplirComboPins(pin, c);
    schemaPin.setText(pin.currentText());
}

void Rombo::viewModele()
{
    const ContactCNX& jack = *modele->getJack();
    afficheContact(jack, *ui->jackPin, *ui->jackContact, *ui->jackSchema, *ui->schemaPinJack);
    {
        const QSignalBlocker bloque(ui->jack);
        ui->jack->setChecked(jack.isActif());
    }
    changerJackSchema();
    const ContactFdcCNX& contactFdc = *modele->getFdc();
    afficheContact(contactFdc, *ui->fdcPin, *ui->fdcContact, *ui->fdcSchema, *ui->schemaPinFdc);
    fdcChange();
    changerFdcSchema();

    afficheBrochesMoteurs();
    viewCaptIrModele();
    for (const auto& a : affichesRobot)
        a();
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
    montreNomFichier();
    return true;
}

bool Rombo::ouvrirFichier(const QString& nom)
{
    if (!modele->chargeRobot(nom)) {
        const QString raison = QFileInfo(nom).isReadable() ? tr("ce n'est pas un fichier de rombine lisible")
                                                            : tr("le fichier ne peut pas être lu");
        signaleFichier(tr("Impossible de charger %1 : %2. La rombine n'a pas changé.")
                           .arg(QDir::toNativeSeparators(nom), raison));
        return false;
    }
    fichier = nom;
    signaleFichier(QString());
    montreNomFichier();
    return true;
}

void Rombo::montreNomFichier()
{
    setWindowTitle(tr("Rombine — %1").arg(QFileInfo(fichier).fileName()));
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


void Rombo::montreOnglet(int n)
{
    ui->tabWidget->setCurrentIndex(n);
}

bool Rombo::eventFilter(QObject* objet, QEvent* event)
{
    if (objet == ui->vueDessus && event->type() == QEvent::Resize) {
        const QSize t = ui->vueDessus->size();
        const double f = std::min({1.0, t.width() / double(tailleVue.width()), t.height() / double(tailleVue.height())});
        echelleVue->applique(f, 0.0, QPoint((t.width() - qRound(tailleVue.width() * f)) / 2, 0));
    }
    return SousFenetre::eventFilter(objet, event);
}

double Rombo::echelleVueDeDessus() const
{
    return echelleVue->facteur();
}

int Rombo::largeurPour(int hauteur) const
{
    // The top view is the one part that grows: as tall as the height leaves it beside the
    // tallest tab, its width following; the rest keeps its least width.
    const QMargins marges = ui->gridRombo->contentsMargins();
    const QMargins margesVue = ui->layoutVueDessus->contentsMargins();
    const int cadre = 2 * (frameWidth() + ui->defilementRombo->frameWidth());
    const QSize moindre = contenuMinimal();
    int autour = cadre + marges.top() + marges.bottom() + ui->frame1->minimumSizeHint().height() -
                 ui->vueDessus->minimumHeight() + ui->gridRombo->verticalSpacing() +
                 ui->widgetExtension->minimumSizeHint().height();
    if (!ui->labelFichier->isHidden())
        autour += ui->labelFichier->sizeHint().height() + ui->gridRombo->verticalSpacing();
    const double f = std::clamp((hauteur - autour) / double(tailleVue.height()), 0.0, 1.0);
    const int colonne = std::max(ui->frame1->minimumSizeHint().width(), ui->widgetExtension->minimumSizeHint().width());
    const int vue = qRound(tailleVue.width() * f) + margesVue.left() + margesVue.right() + 2 * ui->frame1->frameWidth();
    return moindre.width() + cadre + std::max(0, vue - colonne);
}

QSize Rombo::contenuMinimal() const
{
    // The widgets of a tab not shown do not tell its layouts when their texts and lists
    // change: these count again (a hidden tab's layouts wait until shown to act).
    for (int i = 0; i < ui->tabWidget->count(); ++i) {
        QWidget* page = ui->tabWidget->widget(i);
        if (page != ui->tabWidget->currentWidget())
            for (QLayout* l : page->findChildren<QLayout*>())
                l->invalidate();
    }
    return ui->contenuRombo->minimumSizeHint();
}

QSize Rombo::minimumSizeHint() const
{
    // Every tab whole, the top view at its least; the scroll area's own hint is a guess
    // of a few lines of text.
    const int cadre = 2 * (frameWidth() + ui->defilementRombo->frameWidth());
    return contenuMinimal() + QSize(cadre, cadre);
}

QSize Rombo::sizeHint() const
{
    // The top view at its drawn size.
    const int hauteur = minimumSizeHint().height() + tailleVue.height() - ui->vueDessus->minimumHeight();
    return {largeurPour(hauteur), hauteur};
}

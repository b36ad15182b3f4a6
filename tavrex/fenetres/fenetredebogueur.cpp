#include "fenetredebogueur.h"

#include <QFile>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLocale>
#include <QRegularExpression>
#include <QShortcut>
#include <QStyle>
#include <QTimer>

#include "modele.h"
#include "ui_fenetredebogueur.h"
#include "vuesdebogueur.h"

namespace {

// Fixed widths in characters of the fixed font, and one row height for every row:
// the listing's 16K rows are never measured one by one.
void dimensionne(QTableView* vue, std::initializer_list<int> caracteres)
{
    const QFontMetrics m(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QHeaderView* entetes = vue->horizontalHeader();
    int colonne = 0;
    for (int n : caracteres) {
        // Its contents, and its title whole.
        const QString titre = vue->model()->headerData(colonne, Qt::Horizontal, Qt::DisplayRole).toString();
        if (n > 0)
            vue->setColumnWidth(colonne, std::max(m.horizontalAdvance(QString(n, QLatin1Char('0'))) + 12,
                                                  entetes->fontMetrics().horizontalAdvance(titre) + 16));
        ++colonne;
    }
    entetes->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QHeaderView* lignes = vue->verticalHeader();
    lignes->setSectionResizeMode(QHeaderView::Fixed);
    lignes->setDefaultSectionSize(std::max(m.height(), vue->fontMetrics().height()) + 4);
}

}  // namespace

FenetreDebogueur::FenetreDebogueur(Modele& m, Debogueur& d, QWidget* parent)
    : SousFenetre(parent), ui(new Ui::FenetreDebogueur), modele(m), debogueur(d)
{
    ui->setupUi(this);
    P18f4550& pic = *modele.getProcesseur();
    releve = std::make_unique<Releve>(pic);
    modeleProgramme = new ModeleProgramme(pic, debogueur, this);
    modeleRegistres = new ModeleRegistres(pic, *releve, this);
    modelePile = new ModelePile(pic, *releve, this);
    modeleSfr = new ModeleSfr(pic, *releve, this);
    modeleRam = new ModeleRam(pic, *releve, debogueur, this);
    modeleBroches = new ModeleBroches(pic, this);

    ui->vueProgramme->setModel(modeleProgramme);
    dimensionne(ui->vueProgramme, {0, 6, 9, 10, 25, 0});
    ui->vueProgramme->setColumnWidth(ModeleProgramme::Marge, 22);
    ui->vueProgramme->horizontalHeader()->setSectionResizeMode(ModeleProgramme::Marge, QHeaderView::Fixed);
    // The source lines fill the view, or scroll when the view is too narrow for them.
    ui->vueProgramme->horizontalHeader()->setStretchLastSection(false);
    ui->vueProgramme->viewport()->installEventFilter(this);
    ui->vueRegistres->setModel(modeleRegistres);
    dimensionne(ui->vueRegistres, {7, 8, 0});
    ui->vuePile->setModel(modelePile);
    dimensionne(ui->vuePile, {5, 0});
    // Wide enough for a return address and its place ("0x0044 boucle+0x8").
    ui->vuePile->setMaximumWidth(ui->vuePile->columnWidth(0) +
                                 QFontMetrics(QFontDatabase::systemFont(QFontDatabase::FixedFont))
                                     .horizontalAdvance(QString(18, QLatin1Char('0'))) +
                                 ui->vuePile->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8);
    ui->vueSfr->setModel(modeleSfr);
    dimensionne(ui->vueSfr, {5, 8, 4, 9});
    ui->vueRam->setModel(modeleRam);
    dimensionne(ui->vueRam, {});
    for (int c = 0; c < ModeleRam::parLigne; ++c)
        ui->vueRam->setColumnWidth(c, QFontMetrics(QFontDatabase::systemFont(QFontDatabase::FixedFont))
                                              .horizontalAdvance(QStringLiteral("00")) + 8);
    ui->vueRam->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    ui->vueRam->setColumnWidth(ModeleRam::colonneTexte,
                               QFontMetrics(QFontDatabase::systemFont(QFontDatabase::FixedFont))
                                       .horizontalAdvance(QString(ModeleRam::parLigne, QLatin1Char('0'))) + 12);
    ui->vueBroches->setModel(modeleBroches);
    dimensionne(ui->vueBroches, {6, 11, 6, 9});
    ui->vueBroches->horizontalHeader()->setStretchLastSection(false);

    for (int b = 0; b < 16; ++b) {
        const QString plage = hexa(static_cast<uint32_t>(b * 256), 3) + QStringLiteral("–") +
                              hexa(static_cast<uint32_t>(b * 256 + 255), 3);
        if (b == 15)
            ui->banque->addItem(tr("%1 : SFR (%2)").arg(b).arg(plage));
        else if (b >= 8)
            ui->banque->addItem(tr("%1 (%2, absente)").arg(b).arg(plage));
        else
            ui->banque->addItem(QStringLiteral("%1 (%2)").arg(b).arg(plage));
    }
    connect(ui->banque, qOverload<int>(&QComboBox::currentIndexChanged), modeleRam, &ModeleRam::setBanque);
    connect(modeleRam, &ModeleRam::refuse, this, [this](const QString& texte) {
        ui->aideRam->setText(tr("« %1 » : un octet s'écrit en hexadécimal, de 00 à FF").arg(texte));
    });

    for (const auto& [port, bit] : ModeleBroches::broches())
        ui->brochePoint->addItem(Port::pinName(port, static_cast<Byte>(bit)), port * 8 + bit);
    ui->tablePoints->horizontalHeader()->setStretchLastSection(false);
    ui->tablePoints->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ui->tablePoints->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    ui->tablePoints->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    ui->tablePoints->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    ui->tablePoints->verticalHeader()->setDefaultSectionSize(ui->vueProgramme->verticalHeader()->defaultSectionSize());

    // The commands: the buttons carry the actions, and the window their keys.
    ui->boutonContinuer->setDefaultAction(ui->actionContinuer);
    ui->boutonPas->setDefaultAction(ui->actionPas);
    ui->boutonPasPrincipal->setDefaultAction(ui->actionPasPrincipal);
    ui->boutonCurseur->setDefaultAction(ui->actionCurseur);
    ui->boutonReset->setDefaultAction(ui->actionReset);
    addActions({ui->actionContinuer, ui->actionPas, ui->actionPasPrincipal, ui->actionCurseur, ui->actionReset,
                ui->actionPoint});
    ui->vueProgramme->addActions({ui->actionPoint, ui->actionCurseur});
    connect(ui->actionContinuer, &QAction::triggered, this, &FenetreDebogueur::continuerOuPause);
    connect(ui->actionPas, &QAction::triggered, &debogueur, &Debogueur::pas);
    connect(ui->actionPasPrincipal, &QAction::triggered, &debogueur, &Debogueur::pasPrincipal);
    connect(ui->actionCurseur, &QAction::triggered, this, &FenetreDebogueur::jusquAuCurseur);
    connect(ui->actionReset, &QAction::triggered, this, &FenetreDebogueur::reset);
    connect(ui->actionPoint, &QAction::triggered, this, &FenetreDebogueur::basculePoint);
    connect(ui->vueProgramme, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (index.column() == ModeleProgramme::Marge)
            basculePoint();
    });

    connect(ui->ajouterPoint, &QPushButton::clicked, this, &FenetreDebogueur::ajoutePointTexte);
    connect(ui->textePoint, &QLineEdit::returnPressed, this, &FenetreDebogueur::ajoutePointTexte);
    connect(ui->ajouterFront, &QPushButton::clicked, this, &FenetreDebogueur::ajoutePointFront);
    connect(ui->supprimerPoint, &QPushButton::clicked, this, &FenetreDebogueur::supprimePoint);
    auto* suppr = new QShortcut(QKeySequence::Delete, ui->tablePoints, nullptr, nullptr, Qt::WidgetShortcut);
    connect(suppr, &QShortcut::activated, this, &FenetreDebogueur::supprimePoint);
    connect(ui->tablePoints, &QTableWidget::itemChanged, this, &FenetreDebogueur::pointCoche);

    connect(&debogueur, &Debogueur::arrete, this, &FenetreDebogueur::arrete);
    connect(&debogueur, &Debogueur::repris, this, &FenetreDebogueur::repris);
    connect(&modele, &Modele::setPowerOn, this, &FenetreDebogueur::afficheEtat);
    connect(&modele, &Modele::setPowerOff, this, &FenetreDebogueur::afficheEtat);

    // The listing takes what the window gains beyond the tabs' width.
    afficheEtat();
    largeurCommandes = ui->layoutCommandes->sizeHint().width() + ui->layoutDebogueur->contentsMargins().left() +
                       ui->layoutDebogueur->contentsMargins().right();
    ui->separation->setStretchFactor(0, 1);
    ui->separation->setStretchFactor(1, 0);
    ui->separation->setSizes({505, 595});
}

FenetreDebogueur::~FenetreDebogueur()
{
    delete ui;
}

bool FenetreDebogueur::eventFilter(QObject* objet, QEvent* event)
{
    if (objet == ui->vueProgramme->viewport() && event->type() == QEvent::Resize) {
        const QHeaderView* entetes = ui->vueProgramme->horizontalHeader();
        int autres = 0;
        for (int c = 0; c < ModeleProgramme::Source; ++c)
            autres += entetes->sectionSize(c);
        const int minimum = QFontMetrics(QFontDatabase::systemFont(QFontDatabase::FixedFont))
                                .horizontalAdvance(QString(36, QLatin1Char('0')));
        ui->vueProgramme->setColumnWidth(ModeleProgramme::Source,
                                         std::max(minimum, ui->vueProgramme->viewport()->width() - autres));
    }
    return SousFenetre::eventFilter(objet, event);
}

void FenetreDebogueur::showEvent(QShowEvent* event)
{
    SousFenetre::showEvent(event);
    // A stop made while the window was hidden: its row in the middle of the view, now
    // that the view has its size.
    const int ligne = modeleProgramme->courante();
    if (ligne >= 0)
        QTimer::singleShot(0, this, [this, ligne] {
            ui->vueProgramme->scrollTo(modeleProgramme->index(ligne, ModeleProgramme::Adresse),
                                       QAbstractItemView::PositionAtCenter);
        });
}

void FenetreDebogueur::resizeEvent(QResizeEvent* event)
{
    SousFenetre::resizeEvent(event);
    // Narrow, the commands keep their icons, their names in their tooltips.
    const Qt::ToolButtonStyle style = width() < largeurCommandes ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon;
    for (QToolButton* b : {ui->boutonContinuer, ui->boutonPas, ui->boutonPasPrincipal, ui->boutonCurseur, ui->boutonReset})
        b->setToolButtonStyle(style);
}

void FenetreDebogueur::programmeCharge(const QString& cheminHex)
{
    lus = Symboles();
    std::string erreur;
    // Without a listing beside the HEX, the listing shows the instructions alone.
    if (!lus.lireAupresDe(QFile::encodeName(cheminHex).toStdString(), erreur))
        lus = Symboles();
    const Symboles* s = lus.vide() ? nullptr : &lus;
    debogueur.setSymboles(s);
    modeleRegistres->setSymboles(s);
    modelePile->setSymboles(s);
    modeleProgramme->relis(s);
    ui->vueProgramme->clearSpans();
    for (int l = 0; l < modeleProgramme->rowCount(); ++l)
        if (modeleProgramme->estVide(l))
            ui->vueProgramme->setSpan(l, ModeleProgramme::Adresse, 1, ModeleProgramme::NbColonnes - 1);
    releve->efface();
    remisAZero = false;
    relisVues();
    pointsChanges();
    afficheEtat();
}

void FenetreDebogueur::rafraichit()
{
    if (!isVisible() || debogueur.enPause())
        return;
    modeleRegistres->setPc(modele.getProcesseur()->getFetchPC());
    relisVues();
}

void FenetreDebogueur::relisVues()
{
    modeleRegistres->relis();
    modelePile->relis();
    modeleSfr->relis();
    modeleRam->relis();
    modeleBroches->relis();
}

void FenetreDebogueur::arrete(const Debogueur::Arret& arret)
{
    remisAZero = false;
    releve->arret();
    suisCourante(arret.pc);
    relisVues();
    listePoints();
    afficheEtat();
}

void FenetreDebogueur::repris()
{
    releve->reprise();
    modeleProgramme->setCourante(-1);
    afficheEtat();
}

void FenetreDebogueur::suisCourante(uint32_t pc)
{
    modeleRegistres->setPc(pc);
    const int ligne = modeleProgramme->ligneDe(pc);
    modeleProgramme->setCourante(ligne);
    // Followed: brought to the middle of the view when it left it.
    const QModelIndex ici = modeleProgramme->index(ligne, ModeleProgramme::Adresse);
    if (ligne >= 0 && !ui->vueProgramme->viewport()->rect().contains(ui->vueProgramme->visualRect(ici)))
        ui->vueProgramme->scrollTo(ici, QAbstractItemView::PositionAtCenter);
}

void FenetreDebogueur::montreInstruction(quint32 pc)
{
    const int ligne = modeleProgramme->ligneDe(pc);
    if (ligne < 0)
        return;
    const QModelIndex ici = modeleProgramme->index(ligne, ModeleProgramme::Adresse);
    ui->vueProgramme->setCurrentIndex(ici);
    ui->vueProgramme->scrollTo(ici, QAbstractItemView::PositionAtCenter);
}

void FenetreDebogueur::continuerOuPause()
{
    if (debogueur.enPause())
        debogueur.continuer();
    else
        debogueur.pause();
}

void FenetreDebogueur::reset()
{
    // As the board's button: pressed, then released.
    modele.appuyeReset();
    modele.relacheReset();
    if (!debogueur.enPause())
        return;
    // Paused, the chip waits at its reset vector.
    remisAZero = true;
    suisCourante(0);
    relisVues();
    afficheEtat();
}

int FenetreDebogueur::ligneChoisie() const
{
    const QModelIndex choisi = ui->vueProgramme->currentIndex();
    return choisi.isValid() ? choisi.row() : modeleProgramme->courante();
}

void FenetreDebogueur::basculePoint()
{
    const int ligne = ligneChoisie();
    if (ligne < 0 || modeleProgramme->estVide(ligne))
        return;
    const uint32_t adresse = modeleProgramme->adresseDe(ligne);
    const int id = debogueur.pointA(adresse);
    if (id >= 0) {
        debogueur.retire(id);
    } else {
        // Named by its label when it has one, as the student wrote it.
        std::string texte = lus.etiquette(adresse);
        if (texte.empty())
            texte = hexa(adresse, 4).toStdString();
        debogueur.ajouteAdresse(texte);
    }
    pointsChanges();
}

void FenetreDebogueur::jusquAuCurseur()
{
    const int ligne = ligneChoisie();
    if (ligne < 0 || modeleProgramme->estVide(ligne) || !debogueur.enPause())
        return;
    debogueur.jusquA(modeleProgramme->adresseDe(ligne));
}

void FenetreDebogueur::ajoutePointTexte()
{
    const QString texte = ui->textePoint->text().trimmed();
    if (texte.isEmpty())
        return;
    // A comparison makes it a condition; otherwise an address or a label.
    const bool condition = texte.contains(QRegularExpression(QStringLiteral("[=<>!]")));
    Debogueur::Refus refus = Debogueur::Refus::Aucun;
    const int id = condition ? debogueur.ajouteCondition(texte.toStdString(), &refus)
                             : debogueur.ajouteAdresse(texte.toStdString(), &refus);
    if (id < 0) {
        switch (refus) {
        case Debogueur::Refus::SymboleInconnu:
            ui->refusPoint->setText(tr("« %1 » : étiquette ou registre inconnu").arg(texte));
            break;
        case Debogueur::Refus::HorsMemoire:
            ui->refusPoint->setText(tr("« %1 » : hors de la mémoire").arg(texte));
            break;
        default:
            ui->refusPoint->setText(condition ? tr("« %1 » : une condition s'écrit REGISTRE [& MASQUE] OP VALEUR, "
                                                   "OP parmi == != < <= > >=")
                                                    .arg(texte)
                                              : tr("« %1 » : une adresse (0x0124) ou une étiquette, suivie "
                                                   "de :N pour la N-ième arrivée")
                                                    .arg(texte));
            break;
        }
        return;
    }
    ui->textePoint->clear();
    ui->refusPoint->clear();
    pointsChanges();
}

void FenetreDebogueur::ajoutePointFront()
{
    const int broche = ui->brochePoint->currentData().toInt();
    debogueur.ajouteFront(broche / 8, broche % 8, ui->sensFront->currentIndex() == 0);
    ui->refusPoint->clear();
    pointsChanges();
}

void FenetreDebogueur::supprimePoint()
{
    const int ligne = ui->tablePoints->currentRow();
    if (ligne < 0)
        return;
    debogueur.retire(ui->tablePoints->item(ligne, 0)->data(Qt::UserRole).toInt());
    pointsChanges();
}

void FenetreDebogueur::pointCoche(QTableWidgetItem* item)
{
    if (item->column() != 0)
        return;
    debogueur.active(item->data(Qt::UserRole).toInt(), item->checkState() == Qt::Checked);
    modeleProgramme->pointsChanges();
}

void FenetreDebogueur::pointsChanges()
{
    listePoints();
    modeleProgramme->pointsChanges();
}

void FenetreDebogueur::listePoints()
{
    const QSignalBlocker silence(ui->tablePoints);
    const int choisi = ui->tablePoints->currentRow();
    const std::vector<Debogueur::PointArret>& points = debogueur.points();
    ui->tablePoints->setRowCount(static_cast<int>(points.size()));
    for (int l = 0; l < static_cast<int>(points.size()); ++l) {
        const Debogueur::PointArret& p = points[static_cast<size_t>(l)];
        auto* numero = new QTableWidgetItem(QString::number(p.id));
        numero->setData(Qt::UserRole, p.id);
        numero->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        numero->setCheckState(p.actif ? Qt::Checked : Qt::Unchecked);
        ui->tablePoints->setItem(l, 0, numero);
        QString texte = QString::fromStdString(p.texte);
        if (p.genre == Debogueur::Genre::Adresse)
            texte += QStringLiteral("  → ") + hexa(p.adresse, 4);
        ui->tablePoints->setItem(l, 1, new QTableWidgetItem(texte));
        QString arrivees;
        if (p.genre == Debogueur::Genre::Adresse)
            arrivees = p.passage > 1 ? tr("%1 sur %2").arg(p.arrivees).arg(p.passage) : QString::number(p.arrivees);
        ui->tablePoints->setItem(l, 2, new QTableWidgetItem(arrivees));
    }
    if (choisi >= 0 && choisi < ui->tablePoints->rowCount())
        ui->tablePoints->setCurrentCell(choisi, 0);
    ui->supprimerPoint->setEnabled(!points.empty());
}

QString FenetreDebogueur::lieu(uint32_t adresse) const
{
    const QString a = hexa(adresse, 4);
    const std::string nom = lus.lieu(adresse);
    return nom.empty() ? a : QStringLiteral("%1 %2").arg(a, QString::fromStdString(nom));
}

void FenetreDebogueur::afficheEtat()
{
    const bool marche = modele.isPowered();
    const bool pause = marche && debogueur.enPause();
    ui->actionContinuer->setEnabled(marche);
    ui->actionContinuer->setText(pause ? tr("Continuer") : tr("Pause"));
    ui->actionContinuer->setIcon(QIcon(pause ? QStringLiteral(":/images/continuer.png")
                                             : QStringLiteral(":/images/pause.png")));
    ui->actionContinuer->setToolTip(pause ? tr("Continuer le programme (F5)")
                                          : tr("Arrêter le programme avant sa prochaine instruction (F5)"));
    for (QAction* a : {ui->actionPas, ui->actionPasPrincipal, ui->actionCurseur})
        a->setEnabled(pause);
    ui->actionReset->setEnabled(marche);

    QString etat;
    const std::optional<Debogueur::Arret> arret = debogueur.dernierArret();
    if (!marche) {
        etat = tr("Carte hors tension");
    } else if (!pause || !arret) {
        etat = tr("En marche");
    } else if (remisAZero) {
        etat = tr("Reset : en pause avant %1").arg(lieu(0));
    } else {
        // Chip time, and the instruction cycles that tell one step from the next.
        const QString ms = tr("%1 ms (cycle %2)")
                               .arg(QLocale().toString(static_cast<double>(arret->ticks) / ticksParMs, 'f', 3))
                               .arg(QLocale().toString(static_cast<qulonglong>(arret->ticks / 4)));
        const QString avant = lieu(arret->pc);
        switch (arret->raison) {
        case Debogueur::Raison::Point: {
            QString quoi;
            bool adresse = false;
            for (const Debogueur::PointArret& p : debogueur.points())
                if (p.id == arret->point) {
                    quoi = QString::fromStdString(p.texte);
                    adresse = p.genre == Debogueur::Genre::Adresse;
                }
            etat = adresse ? tr("Arrêt au point %1 (%2) à %3").arg(arret->point).arg(quoi, ms)
                           : tr("Arrêt au point %1 (%2) à %3, avant %4").arg(arret->point).arg(quoi, ms, avant);
            break;
        }
        case Debogueur::Raison::Curseur: etat = tr("Arrêt au curseur, avant %1, à %2").arg(avant, ms); break;
        case Debogueur::Raison::Pas:
        case Debogueur::Raison::PasPrincipal: etat = tr("Pas à pas : avant %1, à %2").arg(avant, ms); break;
        case Debogueur::Raison::Pause: etat = tr("En pause avant %1, à %2").arg(avant, ms); break;
        }
    }
    ui->etat->setText(etat);
    ui->aideRam->setText(pause ? tr("En pause : double-clic pour modifier un octet")
                               : tr("Modifiable en pause"));
}

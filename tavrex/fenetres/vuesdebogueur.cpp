#include "vuesdebogueur.h"

#include <algorithm>
#include <cmath>

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QLocale>
#include <QPainter>
#include <QPixmap>

#include "debogueur.h"
#include "nomsbits.h"
#include "processeur.h"
#include "symboles.h"

namespace {

// images/style.css: the LED red of a breakpoint, the blue accent of the next
// instruction, the orange of what changed, the metal grey of what does not exist.
const QColor fondCourant(0xd2, 0xe3, 0xfb);
const QColor fondPoint(0xfb, 0xd9, 0xd6);
const QColor fondChange(0xff, 0xd8, 0xa6);
const QColor gris(0x86, 0x8d, 0x97);

QFont chasseFixe()
{
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

QString caractere(Byte b)
{
    return b >= 0x20 && b < 0x7F ? QString(QChar(b)) : QStringLiteral(".");
}

QString lieu(const Symboles* symboles, uint32_t adresse)
{
    return symboles ? QString::fromStdString(symboles->lieu(adresse)) : QString();
}

// The margin's marks, drawn once: a breakpoint (a red disc, hollow when disabled),
// the next instruction (a blue arrow), or both.
QIcon marque(int point, bool courante)
{
    static QIcon cache[3][2];
    QIcon& icone = cache[point][courante ? 1 : 0];
    if (icone.isNull() && (point != 0 || courante)) {
        QPixmap image(16, 16);
        image.fill(Qt::transparent);
        QPainter p(&image);
        if (point != 0)
            p.drawPixmap(0, 0, QPixmap(point == 1 ? QStringLiteral(":/images/point_arret.png")
                                                   : QStringLiteral(":/images/point_arret_inactif.png")));
        if (courante)
            p.drawPixmap(0, 0, QPixmap(QStringLiteral(":/images/pas_courant.png")));
        p.end();
        icone = QIcon(image);
    }
    return icone;
}

}  // namespace

QString hexa(uint32_t valeur, int chiffres)
{
    return QStringLiteral("0x") + QStringLiteral("%1").arg(valeur, chiffres, 16, QLatin1Char('0')).toUpper();
}

// --- Releve --------------------------------------------------------------------------

Releve::Releve(const P18f4550& p) : pic(p)
{
    efface();
}

void Releve::lis(std::array<Byte, 4096>& memoire, std::array<DWord, 32>& entrees) const
{
    for (int a = 0; a < DataMemory::taille; ++a)
        memoire[static_cast<size_t>(a)] = octet(static_cast<Word>(a));
    for (int n = 0; n < 32; ++n)
        entrees[static_cast<size_t>(n)] = pile(n);
}

void Releve::arret()
{
    reference = dernier;
    referencePile = dernierePile;
    lis(dernier, dernierePile);
}

void Releve::reprise()
{
    reference = dernier;
    referencePile = dernierePile;
}

void Releve::efface()
{
    lis(dernier, dernierePile);
    reference = dernier;
    referencePile = dernierePile;
}

Byte Releve::octet(Word adresse) const
{
    return pic.valeurLue(adresse);
}

DWord Releve::pile(int niveau) const
{
    return pic.getDM()->stackEntry(niveau);
}

// --- ModeleProgramme ------------------------------------------------------------------

ModeleProgramme::ModeleProgramme(P18f4550& p, const Debogueur& d, QObject* parent)
    : QAbstractTableModel(parent), pic(p), debogueur(d)
{
    relis(nullptr);
}

Word ModeleProgramme::mot(uint32_t adresse) const
{
    Byte bas = 0, haut = 0;
    pic.getFM()->readByte(adresse, bas);
    pic.getFM()->readByte(adresse + 1, haut);
    return static_cast<Word>(haut * 256 + bas);
}

void ModeleProgramme::relis(const Symboles* s)
{
    beginResetModel();
    symboles = s;
    lignes.clear();
    constexpr uint32_t fin = 0x8000;
    auto source = [this](uint32_t a) { return symboles && !symboles->ligneSource(a).empty(); };
    auto etiquette = [this](uint32_t a) { return symboles && !symboles->etiquette(a).empty(); };
    // Blank words: never programmed (0x0000 here) or erased (0xFFFF), and no source
    // line of the listing there.
    auto vide = [&](uint32_t a) {
        const Word w = mot(a);
        return (w == 0x0000 || w == 0xFFFF) && !source(a) && !etiquette(a);
    };
    uint32_t a = 0;
    while (a < fin) {
        uint32_t b = a;
        while (b < fin && vide(b))
            b += 2;
        if ((b - a) / 2 >= static_cast<uint32_t>(motsVidesMin)) {
            lignes.push_back({a, b, true});
            a = b;
            continue;
        }
        // A two-word instruction on one row, unless the listing puts an instruction or
        // a label on its second word (data read as code).
        const bool deux = pic.getFM()->instruction(a)->deuxMots() && a + 2 < fin && !source(a + 2) &&
                          !etiquette(a + 2);
        const uint32_t n = deux ? 4 : 2;
        lignes.push_back({a, a + n, false});
        a += n;
    }
    ligneCourante = -1;
    endResetModel();
}

int ModeleProgramme::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(lignes.size());
}

int ModeleProgramme::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : NbColonnes;
}

int ModeleProgramme::ligneDe(uint32_t adresse) const
{
    const auto i = std::upper_bound(lignes.begin(), lignes.end(), adresse,
                                    [](uint32_t a, const Ligne& l) { return a < l.debut; });
    if (i == lignes.begin())
        return -1;
    const auto l = i - 1;
    return adresse < l->fin ? static_cast<int>(l - lignes.begin()) : -1;
}

uint32_t ModeleProgramme::adresseDe(int ligne) const
{
    return ligne >= 0 && ligne < rowCount() ? lignes[static_cast<size_t>(ligne)].debut : 0;
}

bool ModeleProgramme::estVide(int ligne) const
{
    return ligne >= 0 && ligne < rowCount() && lignes[static_cast<size_t>(ligne)].vide;
}

void ModeleProgramme::setCourante(int ligne)
{
    const int avant = ligneCourante;
    ligneCourante = ligne;
    for (int l : {avant, ligne})
        if (l >= 0 && l < rowCount())
            emit dataChanged(index(l, 0), index(l, NbColonnes - 1));
}

void ModeleProgramme::pointsChanges()
{
    if (!lignes.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, NbColonnes - 1));
}

QString ModeleProgramme::texte(const Ligne& l) const
{
    const Instruction* i = pic.getFM()->instruction(l.debut);
    const Word suivant = mot(l.debut + 2);
    QString t = QString::fromStdString(i->desassemble(l.debut, suivant));
    const int32_t cible = i->cible(l.debut, suivant);
    if (cible >= 0 && symboles) {
        const std::string nom = symboles->lieu(static_cast<uint32_t>(cible));
        if (!nom.empty())
            t += QStringLiteral(" → ") + QString::fromStdString(nom);
    }
    return t;
}

QVariant ModeleProgramme::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Ligne& l = lignes[static_cast<size_t>(index.row())];
    const int colonne = index.column();
    int point = 0;   // 0 none, 1 enabled, 2 disabled
    if (!l.vide) {
        const int id = debogueur.pointA(l.debut);
        if (id >= 0)
            for (const Debogueur::PointArret& p : debogueur.points())
                if (p.id == id)
                    point = p.actif ? 1 : 2;
    }
    const bool courante = index.row() == ligneCourante;
    switch (role) {
    case Qt::DisplayRole:
        if (l.vide)
            return colonne == Adresse ? tr("%1–%2 : mémoire effacée").arg(hexa(l.debut, 4), hexa(l.fin - 2, 4))
                                      : QVariant();
        switch (colonne) {
        case Adresse: return hexa(l.debut, 4);
        case Mots: {
            QString mots = QStringLiteral("%1").arg(mot(l.debut), 4, 16, QLatin1Char('0')).toUpper();
            if (l.fin - l.debut == 4)
                mots += QStringLiteral(" %1").arg(mot(l.debut + 2), 4, 16, QLatin1Char('0')).toUpper();
            return mots;
        }
        case Etiquette: return symboles ? QString::fromStdString(symboles->etiquette(l.debut)) : QString();
        case Texte: return texte(l);
        // Its indentation dropped: the label has its own column.
        case Source: return symboles ? QString::fromStdString(symboles->ligneSource(l.debut)).trimmed() : QString();
        default: return {};
        }
    case Qt::DecorationRole:
        return colonne == Marge && (point != 0 || courante) ? QVariant(marque(point, courante)) : QVariant();
    case Qt::FontRole: {
        QFont police = chasseFixe();
        if (colonne == Etiquette || courante)
            police.setBold(true);
        police.setItalic(l.vide);
        return police;
    }
    case Qt::ForegroundRole:
        return l.vide ? QVariant(QBrush(gris)) : QVariant();
    case Qt::BackgroundRole:
        if (courante)
            return QBrush(fondCourant);
        return point == 1 ? QVariant(QBrush(fondPoint)) : QVariant();
    case Qt::ToolTipRole:
        if (colonne == Marge)
            return l.vide ? QVariant() : point != 0 ? tr("Point d'arrêt : cliquer ou F9 pour l'enlever")
                                                    : tr("Cliquer ou F9 : point d'arrêt sur cette instruction");
        if (colonne == Source || colonne == Texte)
            return data(index, Qt::DisplayRole);
        return {};
    default:
        return {};
    }
}

QVariant ModeleProgramme::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Adresse: return tr("Adresse");
    case Mots: return tr("Mots");
    case Etiquette: return tr("Étiquette");
    case Texte: return tr("Instruction");
    case Source: return tr("Source");
    default: return QString();
    }
}

// --- ModeleRegistres ------------------------------------------------------------------

ModeleRegistres::ModeleRegistres(const P18f4550& p, const Releve& r, QObject* parent)
    : TableauPuce(3, parent), pic(p), releve(r)
{
}

std::vector<Word> ModeleRegistres::adresses(int ligne) const
{
    switch (ligne) {
    case W: return {DataMemory::WREG};
    case Status: return {DataMemory::STATUS};
    case Bsr: return {DataMemory::BSR};
    case Fsr0: return {DataMemory::FSR0H, DataMemory::FSR0L};
    case Fsr1: return {DataMemory::FSR1H, DataMemory::FSR1L};
    case Fsr2: return {DataMemory::FSR2H, DataMemory::FSR2L};
    case Tblptr: return {DataMemory::TBLPTRU, DataMemory::TBLPTRH, DataMemory::TBLPTRL};
    case Tablat: return {DataMemory::TABLAT};
    case Prod: return {DataMemory::PRODH, DataMemory::PRODL};
    case Stkptr: return {DataMemory::STKPTR};
    default: return {};
    }
}

QVariant ModeleRegistres::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int ligne = index.row();
    const std::vector<Word> a = adresses(ligne);
    uint32_t valeur = 0;
    bool change = false;
    for (Word adr : a) {
        valeur = valeur * 256 + releve.octet(adr);
        change = change || releve.change(adr);
    }
    if (ligne == Pc)
        valeur = compteur;
    if (role == Qt::BackgroundRole)
        return change && index.column() > 0 ? QVariant(QBrush(fondChange)) : QVariant();
    if (role == Qt::FontRole)
        return index.column() == 1 ? QVariant(chasseFixe()) : QVariant();
    if (role == Qt::ToolTipRole && ligne == Status)
        return tr("N négatif, OV dépassement, Z zéro, DC retenue de quartet, C retenue");
    if (role != Qt::DisplayRole)
        return {};
    static const char* const noms[NbLignes] = {"W", "STATUS", "BSR", "PC", "FSR0", "FSR1", "FSR2",
                                               "TBLPTR", "TABLAT", "PRODH:L", "STKPTR"};
    if (index.column() == 0)
        return QString::fromLatin1(noms[ligne]);
    if (index.column() == 1) {
        switch (ligne) {
        case Pc: return hexa(valeur, 4);
        case Fsr0: case Fsr1: case Fsr2: return hexa(valeur, 3);
        case Tblptr: return hexa(valeur, 6);
        case Prod: return hexa(valeur, 4);
        default: return hexa(valeur, 2);
        }
    }
    switch (ligne) {
    case W:
    case Tablat: return QStringLiteral("%1  '%2'").arg(valeur).arg(caractere(static_cast<Byte>(valeur)));
    case Status: {
        static const char* const drapeaux[5] = {"N", "OV", "Z", "DC", "C"};
        QStringList t;
        for (int b = 4; b >= 0; --b)
            t << QStringLiteral("%1=%2").arg(QLatin1String(drapeaux[4 - b])).arg((valeur >> b) & 1);
        return t.join(QLatin1Char(' '));
    }
    case Bsr: return tr("banque %1").arg(valeur);
    case Pc: return lieu(symboles, valeur);
    case Fsr0: case Fsr1: case Fsr2:
        // What INDFn reads there.
        return QStringLiteral("INDF%1 = %2")
            .arg(ligne - Fsr0)
            .arg(hexa(releve.octet(static_cast<Word>(valeur & 0xFFF)), 2));
    case Tblptr: return valeur < 0x8000 ? lieu(symboles, valeur) : QString();
    case Prod: return QString::number(valeur);
    case Stkptr: {
        QString t = tr("sommet : niveau %1").arg(valeur & 0x1F);
        if (valeur & 0x80)
            t += QStringLiteral(", STKFUL");
        if (valeur & 0x40)
            t += QStringLiteral(", STKUNF");
        return t;
    }
    default: return {};
    }
}

QVariant ModeleRegistres::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == 0 ? tr("Registre") : section == 1 ? tr("Valeur") : tr("Détail");
}

// --- ModelePile ------------------------------------------------------------------------

ModelePile::ModelePile(const P18f4550& p, const Releve& r, QObject* parent)
    : TableauPuce(2, parent), pic(p), releve(r)
{
}

QVariant ModelePile::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int niveau = index.row() + 1;
    const int sommet = releve.octet(DataMemory::STKPTR) & 0x1F;
    const bool occupe = niveau <= sommet;
    const DWord adresse = releve.pile(niveau);
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == 0)
            return niveau == sommet ? QStringLiteral("▸ %1").arg(niveau) : QString::number(niveau);
        if (occupe && symboles && !symboles->lieu(adresse).empty())
            return QStringLiteral("%1 %2").arg(hexa(adresse, 4), lieu(symboles, adresse));
        return hexa(adresse, 4);
    case Qt::TextAlignmentRole:
        return index.column() == 0 ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    case Qt::ForegroundRole: return occupe ? QVariant() : QVariant(QBrush(gris));
    case Qt::FontRole: {
        QFont police = chasseFixe();
        police.setBold(niveau == sommet);
        return police;
    }
    case Qt::BackgroundRole:
        return occupe && releve.pileChangee(niveau) && index.column() > 0 ? QVariant(QBrush(fondChange))
                                                                          : QVariant();
    case Qt::ToolTipRole:
        return niveau == sommet ? tr("Sommet de la pile : le prochain RETURN revient ici") : QVariant();
    default: return {};
    }
}

QVariant ModelePile::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == 0 ? tr("Pile") : tr("Retour");
}

// --- ModeleSfr ---------------------------------------------------------------------------

ModeleSfr::ModeleSfr(const P18f4550& p, const Releve& r, QObject* parent)
    : TableauPuce(4, parent), pic(p), releve(r)
{
    for (Word a = 0xF60; a < DataMemory::taille; ++a)
        if (DataMemory::estSfr(a))
            adressesSfr.push_back(a);
}

QVariant ModeleSfr::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const Word adresse = adresseDe(index.row());
    const Byte v = releve.octet(adresse);
    const QString nom = QString::fromStdString(pic.getDM()->name(adresse));
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case 0: return hexa(adresse, 3);
        case 1: return nom;
        case 2: return hexa(v, 2);
        default: {
            const QString bits = QStringLiteral("%1").arg(v, 8, 2, QLatin1Char('0'));
            return bits.left(4) + QLatin1Char(' ') + bits.mid(4);
        }
        }
    case Qt::FontRole: return index.column() == 1 ? QVariant() : QVariant(chasseFixe());
    case Qt::BackgroundRole:
        return releve.change(adresse) && index.column() >= 2 ? QVariant(QBrush(fondChange)) : QVariant();
    case Qt::ToolTipRole: {
        const char* const* bits = nomsBits(adresse);
        if (!bits)
            return tr("%1 (%2) = %3 = %4").arg(nom, hexa(adresse, 3), hexa(v, 2)).arg(v);
        QString t = QStringLiteral("<b>%1</b> (%2) = %3<table>").arg(nom, hexa(adresse, 3), hexa(v, 2));
        for (int b = 7; b >= 0; --b)
            t += QStringLiteral("<tr><td>%1</td><td>%2</td><td align=right>%3</td></tr>")
                     .arg(b)
                     .arg(QString::fromLatin1(bits[7 - b]).toHtmlEscaped())
                     .arg(std::string(bits[7 - b]) == "-" ? QString() : QString::number((v >> b) & 1));
        return t + QStringLiteral("</table>");
    }
    default: return {};
    }
}

QVariant ModeleSfr::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case 0: return tr("Adresse");
    case 1: return tr("Registre");
    case 2: return tr("Valeur");
    default: return tr("Bits 7…0");
    }
}

// --- ModeleRam -----------------------------------------------------------------------------

ModeleRam::ModeleRam(const P18f4550& p, const Releve& r, Debogueur& d, QObject* parent)
    : TableauPuce(parLigne + 1, parent), pic(p), releve(r), debogueur(d)
{
}

bool ModeleRam::existe(Word adresse)
{
    return adresse < DataMemory::finRam || (adresse >= 0xF60 && adresse < DataMemory::taille);
}

void ModeleRam::setBanque(int b)
{
    numeroBanque = std::clamp(b, 0, 15);
    relis();
    emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

Word ModeleRam::adresseDe(const QModelIndex& index) const
{
    return static_cast<Word>(numeroBanque * 256 + index.row() * parLigne + std::min(index.column(), parLigne - 1));
}

Qt::ItemFlags ModeleRam::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() < parLigne && existe(adresseDe(index)) && debogueur.enPause())
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant ModeleRam::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (index.column() == colonneTexte) {
        if (role == Qt::FontRole)
            return chasseFixe();
        if (role != Qt::DisplayRole)
            return {};
        QString t;
        for (int i = 0; i < parLigne; ++i) {
            const Word a = static_cast<Word>(numeroBanque * 256 + index.row() * parLigne + i);
            t += existe(a) ? caractere(releve.octet(a)) : QStringLiteral(" ");
        }
        return t;
    }
    const Word a = adresseDe(index);
    const bool present = existe(a);
    const Byte v = releve.octet(a);
    switch (role) {
    case Qt::DisplayRole:
        return present ? QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')).toUpper() : QStringLiteral("--");
    case Qt::EditRole: return QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')).toUpper();
    case Qt::FontRole: return chasseFixe();
    case Qt::TextAlignmentRole: return Qt::AlignCenter;
    case Qt::ForegroundRole: return present ? QVariant() : QVariant(QBrush(gris));
    case Qt::BackgroundRole: return present && releve.change(a) ? QVariant(QBrush(fondChange)) : QVariant();
    case Qt::ToolTipRole: {
        if (!present)
            return tr("%1 : rien à cette adresse sur le PIC18F4550").arg(hexa(a, 3));
        QString t = QStringLiteral("%1 = %2 = %3").arg(hexa(a, 3), hexa(v, 2)).arg(v);
        if (DataMemory::estSfr(a))
            t += QStringLiteral(" (%1)").arg(QString::fromStdString(pic.getDM()->name(a)));
        return t;
    }
    default: return {};
    }
}

bool ModeleRam::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    QString t = value.toString().trimmed();
    if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        t = t.mid(2);
    bool ok = false;
    const uint v = t.toUInt(&ok, 16);
    if (!ok || v > 0xFF) {
        emit refuse(value.toString());
        return false;
    }
    debogueur.ecrit(adresseDe(index), static_cast<uint8_t>(v));
    relis();
    return true;
}

QVariant ModeleRam::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::FontRole)
        return chasseFixe();
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return hexa(static_cast<uint32_t>(numeroBanque * 256 + section * parLigne), 3);
    return section == colonneTexte ? tr("Texte") : QStringLiteral("%1").arg(section, 0, 16).toUpper();
}

// --- ModeleBroches -----------------------------------------------------------------------

ModeleBroches::ModeleBroches(P18f4550& p, QObject* parent) : TableauPuce(4, parent), pic(p), liste(broches())
{
}

std::vector<std::pair<int, int>> ModeleBroches::broches()
{
    std::vector<std::pair<int, int>> l;
    for (int port = Port::PORTA; port <= Port::PORTE; ++port)
        for (int bit = 0; bit < 8; ++bit)
            if ((Port::pinsEvalueesDu(port) >> bit) & 1)
                l.emplace_back(port, bit);
    return l;
}

QVariant ModeleBroches::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const auto [numero, bit] = liste[static_cast<size_t>(index.row())];
    Port* port = pic.getPort(numero);
    const DataMemory* dm = pic.getDM();
    const bool entree = (dm->readDirect(static_cast<Word>(DataMemory::TRISA + numero)) >> bit) & 1;
    const bool niveau = (dm->readDirect(static_cast<Word>(DataMemory::PORTA + numero)) >> bit) & 1;
    const bool lat = (dm->readDirect(static_cast<Word>(DataMemory::LATA + numero)) >> bit) & 1;
    const Connexion* c = port->getConnexion(static_cast<Byte>(bit));
    // The voltage: the pin's divider with what is wired to it, at its last
    // evaluation; an output alone is at its latch's level; an input alone floats.
    double tension = NAN;
    if (c)
        tension = c->getVin();
    else if (!entree)
        tension = lat ? Port::vHaut : Port::vBas;
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case 0: return Port::pinName(numero, static_cast<Byte>(bit));
        case 1:
            if (port->isAnalog(static_cast<Byte>(bit)))
                return tr("analogique");
            return entree ? tr("entrée") : tr("sortie");
        case 2: return port->estIndecise(static_cast<Byte>(bit)) ? QStringLiteral("?") : QString::number(niveau);
        default:
            return std::isnan(tension) ? tr("en l'air") : tr("%1 V").arg(QLocale().toString(tension, 'f', 2));
        }
    case Qt::FontRole: {
        QFont police;
        police.setBold(index.column() == 2 && niveau);
        return police;
    }
    case Qt::TextAlignmentRole:
        return index.column() >= 2 ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    case Qt::ToolTipRole:
        if (index.column() == 2 && port->estIndecise(static_cast<Byte>(bit)))
            return tr("Tension entre les seuils TTL : le niveau lu est tiré au hasard");
        if (index.column() == 3 && std::isnan(tension))
            return tr("Entrée sans rien de branché");
        return {};
    default: return {};
    }
}

QVariant ModeleBroches::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case 0: return tr("Broche");
    case 1: return tr("Sens");
    case 2: return tr("Niveau");
    default: return tr("Tension");
    }
}

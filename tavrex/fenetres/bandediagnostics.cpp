#include "bandediagnostics.h"

#include <algorithm>

#include <QLocale>
#include <QRegularExpression>

namespace {

enum Role { RolePc = Qt::UserRole, RoleExecution };

void gras(QListWidgetItem* item, bool oui)
{
    QFont f = item->font();
    f.setBold(oui);
    item->setFont(f);
}

}  // namespace

BandeDiagnostics::BandeDiagnostics(QWidget* parent) : QListWidget(parent)
{
    setWordWrap(true);
    setResizeMode(QListView::Adjust);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        marqueLus();
        if (item->data(RoleExecution).toBool())
            emit instructionChoisie(item->data(RolePc).toUInt());
    });
}

QString BandeDiagnostics::texte(const Diagnostic& d)
{
    QString modele;
    switch (d.genre) {
    case Diagnostic::Interruptions:
        modele = tr("interruptions autorisées (GIE avec %1) : la carte ne simule pas les interruptions, la routine "
                    "d'interruption en %2 ne s'exécute jamais");
        break;
    case Diagnostic::Retfie:
        modele = tr("RETFIE exécuté : ce programme compte sur les interruptions, que la carte ne simule pas : sa "
                    "routine d'interruption en 0x0008 ne s'exécute jamais (RETFIE ne fait rien ici)");
        break;
    case Diagnostic::Pcl:
        modele = tr("PCL écrit : la carte ne relie pas PCL au compteur de programme, un saut calculé ou une table de "
                    "sauts ne saute pas");
        break;
    case Diagnostic::Tos:
        modele = tr("%1 écrit : la carte ne relie pas le sommet de pile à la pile des retours, l'adresse de retour "
                    "ne change pas");
        break;
    case Diagnostic::Stkptr:
        modele = tr("STKPTR écrit : la carte ne déplace pas le pointeur de la pile des retours sur une écriture");
        break;
    case Diagnostic::Sleep:
        modele = tr("SLEEP exécuté : la puce s'arrêterait ici jusqu'à un réveil ; la carte continue à l'instruction "
                    "suivante");
        break;
    case Diagnostic::ChienDeGarde:
        modele = tr("chien de garde activé (%1) : la carte ne le simule pas, il ne réinitialise jamais la puce");
        break;
    case Diagnostic::Tblwt:
        modele = tr("TBLWT exécuté : la carte ne simule pas l'écriture de la mémoire programme, rien n'est écrit");
        break;
    case Diagnostic::Timer1:
        modele = tr("%1 utilisé : la carte ne simule pas le Timer1, ses registres sont de simples cases mémoire et "
                    "il ne compte jamais");
        break;
    case Diagnostic::Timer3:
        modele = tr("%1 utilisé : la carte ne simule pas le Timer3, ses registres sont de simples cases mémoire et "
                    "il ne compte jamais");
        break;
    case Diagnostic::Ccp:
        modele = tr("%1 = %2 : la carte ne simule les modules CCP qu'en mode PWM ; la capture, la comparaison et "
                    "les sorties PWM améliorées ne font rien");
        break;
    case Diagnostic::Usart:
        modele = tr("%1 utilisé : la carte ne simule pas l'USART, rien n'est envoyé ni reçu");
        break;
    case Diagnostic::Mssp:
        modele = tr("%1 utilisé : la carte ne simule pas le MSSP (SPI, I2C), rien n'est envoyé ni reçu");
        break;
    case Diagnostic::Comparateurs:
        modele = tr("%1 utilisé : la carte ne simule pas les comparateurs ni la référence de tension");
        break;
    case Diagnostic::Usb:
        modele = tr("%1 utilisé : la carte ne simule pas le module USB ni son port parallèle");
        break;
    case Diagnostic::Eeprom:
        modele = tr("%1 utilisé : la carte ne simule pas l'EEPROM de données, rien n'y est lu ni écrit");
        break;
    case Diagnostic::Oscillateur:
        modele = tr("%1 utilisé : la carte ne simule pas les réglages ni l'état de l'oscillateur, elle tourne à "
                    "48 MHz quoi qu'ils disent");
        break;
    case Diagnostic::Hlvd:
        modele = tr("%1 utilisé : la carte ne simule pas la détection de tension haute ou basse (HLVD)");
        break;
    case Diagnostic::MemoireEffacee:
        modele = tr("exécution arrivée en %1, après la fin du programme chargé : la mémoire effacée s'exécute comme "
                    "des NOP jusqu'à la fin de la mémoire programme, puis depuis 0");
        break;
    case Diagnostic::SautHors:
        modele = tr("saut en %1, où aucun programme n'est chargé : la mémoire effacée s'exécute comme des NOP à "
                    "partir de là");
        break;
    case Diagnostic::DebordementPile:
        modele = tr("débordement de la pile des retours (une 31e adresse de retour) : la puce redémarre en 0 "
                    "(STVREN)");
        break;
    case Diagnostic::PilePleine:
        modele = tr("débordement de la pile des retours (une 32e adresse de retour) : elle est perdue (STVREN "
                    "désactivé)");
        break;
    case Diagnostic::SousPile:
        modele = tr("pile des retours vide (un retour sans adresse dans la pile) : le programme continue en 0");
        break;
    case Diagnostic::ConversionNumerique:
        modele = tr("conversion A/N lancée sur %1, que ADCON1 configure en entrée numérique : le résultat ne suit "
                    "pas la tension de la broche");
        break;
    case Diagnostic::LcdAvantInit:
        modele = tr("LCD écrit %1 ms après la mise sous tension : un vrai HD44780 a besoin d'environ 40 ms après la "
                    "montée de l'alimentation (la puce peut démarrer avant 4,5 V) et perd ce qui arrive plus tôt ; "
                    "le contrôleur de la carte l'accepte");
        break;
    case Diagnostic::LcdTropTot:
        modele = tr("LCD écrit %1 µs après une commande qui en demande %2 : un vrai HD44780, encore occupé, perd "
                    "cette écriture ; le contrôleur de la carte n'est jamais occupé");
        break;
    case Diagnostic::HexOscillateur:
        modele = tr("les mots de configuration choisissent %1 : la carte tourne à 48 MHz quoi qu'ils disent (son "
                    "quartz de 20 MHz avec FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2)");
        break;
    case Diagnostic::HexAuDela32K:
        modele = tr("enregistrements en %1 et au-delà, après les 32 Ko de mémoire programme : non chargés");
        break;
    case Diagnostic::HexIdentifiant:
        modele = tr("enregistrements pour l'identifiant de la puce (%1), en lecture seule : non chargés");
        break;
    case Diagnostic::HexEeprom:
        modele = tr("enregistrements pour l'EEPROM de données (%1) : la carte ne la simule pas, non chargés");
        break;
    case Diagnostic::HexAutreMemoire:
        modele = tr("enregistrements en %1, hors de la mémoire de cette puce (un fichier pour un autre "
                    "composant ?) : non chargés");
        break;
    case Diagnostic::nombreGenres:
        break;
    }
    // The numbers with the locale's decimal point; names and addresses as they are.
    static const QRegularExpression decimal(QStringLiteral("^\\d+\\.\\d+$"));
    for (size_t i = 0; i < d.arguments.size(); ++i) {
        QString a = QString::fromStdString(d.arguments[i]);
        if (decimal.match(a).hasMatch())
            a.replace(QLatin1Char('.'), QLocale().decimalPoint());
        modele.replace(QStringLiteral("%") + QString::number(i + 1), a);
    }
    return modele;
}

void BandeDiagnostics::ajoute(const Diagnostic& d)
{
    const QString ou = d.auChargement
                           ? tr("Au chargement")
                           : tr("%1 ms · %2 · %3")
                                 .arg(QLocale().toString(enMs(static_cast<double>(d.ticks)), 'f', 3),
                                      QString::fromStdString(Diagnostics::hex(d.pc)),
                                      QString::fromStdString(d.instruction));
    auto* item = new QListWidgetItem(ou + QLatin1Char('\n') + texte(d));
    item->setToolTip(texte(d));
    item->setData(RolePc, static_cast<quint32>(d.pc));
    item->setData(RoleExecution, !d.auChargement);
    gras(item, true);
    addItem(item);
    if (premierNonLu < 0)
        premierNonLu = count() - 1;
    if (count() > entreesMax) {
        delete takeItem(0);
        premierNonLu = std::max(0, premierNonLu - 1);
    }
    scrollToItem(item);
    emit nonLusChange(nonLus());
}

void BandeDiagnostics::efface()
{
    clear();
    premierNonLu = -1;
    emit nonLusChange(0);
}

void BandeDiagnostics::montreNonLus()
{
    if (premierNonLu >= 0)
        scrollToItem(item(premierNonLu), QAbstractItemView::PositionAtTop);
    marqueLus();
}

void BandeDiagnostics::marqueLus()
{
    if (premierNonLu < 0)
        return;
    for (int r = premierNonLu; r < count(); ++r)
        gras(item(r), false);
    premierNonLu = -1;
    emit nonLusChange(0);
}

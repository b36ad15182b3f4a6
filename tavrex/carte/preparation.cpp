#include "preparation.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include <QDomDocument>
#include <QFile>

#include "actions.h"
#include "hex_file.h"
#include "modele.h"
#include "xmlopensavedata.h"

std::string defautFichierLu(const std::string& chemin)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status etat = fs::status(chemin, ec);
    if (!fs::exists(etat))
        return chemin + ": no such file";
    if (fs::is_directory(etat))
        return chemin + ": is a directory, not a file";
    errno = 0;
    std::ifstream in(chemin, std::ios::binary);
    if (!in.is_open())
        return chemin + ": cannot be read (" + (errno ? std::strerror(errno) : "open failed") + ")";
    if (in.peek() == std::ifstream::traits_type::eof())
        return chemin + ": is empty";
    return {};
}

std::string defautDocumentXml(const std::string& chemin, const char* racine)
{
    std::string defaut = defautFichierLu(chemin);
    if (!defaut.empty())
        return defaut;
    QFile f(QString::fromLocal8Bit(chemin.c_str()));
    if (!f.open(QIODevice::ReadOnly))
        return chemin + ": cannot be read";
    const QByteArray texte = f.readAll();
    const QString refus = XMLOpenSaveData::defautAvantDom(texte);
    if (!refus.isEmpty())
        return chemin + ": not an XML document (" + refus.toStdString() + ")";
    QDomDocument doc;
    QString message;
    int ligne = 0, colonne = 0;
    if (!doc.setContent(texte, &message, &ligne, &colonne))
        return chemin + ": not an XML document (line " + std::to_string(ligne) + ", column " +
               std::to_string(colonne) + ": " + message.toStdString() + ")";
    const QString trouve = doc.documentElement().tagName();
    if (trouve != QLatin1String(racine))
        return chemin + ": not a " + (std::strcmp(racine, "rombo") == 0 ? "robot" : "track") +
               " file (root element <" + trouve.toStdString() + ">, expected <" + racine + ">)";
    return {};
}

std::string illisibleComme(const std::string& chemin, const char* quoi)
{
    return chemin + ": cannot be read as a " + quoi;
}

std::string ChargementHex::message(const std::string& chemin) const
{
    const auto pluriel = [](int n) { return n > 1 ? "s" : ""; };
    switch (issue) {
    case Charge: return {};
    case ChargeEnPartie:
        return chemin + ": " + std::to_string(lignesIgnorees) + " line" + pluriel(lignesIgnorees) +
               " skipped (not a valid record)";
    case Illisible: return chemin + ": cannot be read";
    case Vide: return chemin + ": is empty";
    case AucunEnregistrement:
        return chemin + ": no valid Intel HEX record (" + std::to_string(lignes) + " line" + pluriel(lignes) +
               " read)";
    }
    return {};
}

ChargementHex bilanChargement(const BilanLecture& bilan)
{
    ChargementHex c;
    c.lignes = bilan.lignes;
    c.lignesIgnorees = bilan.lignesIgnorees;
    if (!bilan.ouvert)
        c.issue = ChargementHex::Illisible;
    else if (bilan.lignes == 0)
        c.issue = ChargementHex::Vide;
    else if (bilan.lignesIgnorees == bilan.lignes)
        c.issue = ChargementHex::AucunEnregistrement;
    else
        c.issue = bilan.lignesIgnorees > 0 ? ChargementHex::ChargeEnPartie : ChargementHex::Charge;
    return c;
}

ChargementHex chargeProgramme(Modele& m, const std::string& chemin)
{
    // A file that would load nothing is refused before the chip is touched: the
    // program in it keeps running.
    const ChargementHex examen = bilanChargement(lisFichierHex(chemin.c_str(), nullptr));
    if (!examen.reussi())
        return examen;
    P18f4550& pic = *m.getProcesseur();
    pic.readFromHex(chemin.c_str());
    Action a;
    a.type = Action::Programme;
    a.fichier = chemin;
    m.signale(a);
    return bilanChargement(pic.getFM()->bilan());
}

std::unique_ptr<Modele> prepareCarte(const DonneesCarte& d, std::string& erreur, std::string& note)
{
    // Seeded first: the ports draw their first levels as the board is built.
    Aleatoire::graine(d.graine);
    auto modele = std::make_unique<Modele>();
    modele->getProcesseur()->diagnostics().setMode(d.avertissements);
    if (d.silicium)
        modele->demandeSilicium(true);
    // No program: a scenario loads its own.
    if (!d.programme.empty()) {
        const ChargementHex hex = chargeProgramme(*modele, d.programme);
        if (!hex.reussi()) {
            erreur = hex.message(d.programme);
            return nullptr;
        }
        note = hex.message(d.programme);
    }
    if (!d.piste.empty() && !modele->chargePiste(QString::fromLocal8Bit(d.piste.c_str()))) {
        erreur = illisibleComme(d.piste, "track");
        return nullptr;
    }
    if (!d.robot.empty() && !modele->chargeRobot(QString::fromLocal8Bit(d.robot.c_str()))) {
        erreur = illisibleComme(d.robot, "robot");
        return nullptr;
    }
    if (d.pose)
        modele->romboSurPiste(d.poseX, d.poseY, d.poseDeg);
    return modele;
}

#include "scenario.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <fstream>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "flashmemory.h"
#include "hex_file.h"
#include "preparation.h"
#include "seance.h"
#include "xmlopensavedata.h"

std::string empreinteFichier(const std::string& chemin)
{
    QFile f(QFile::decodeName(chemin.c_str()));
    QCryptographicHash h(QCryptographicHash::Sha256);
    if (!f.open(QIODevice::ReadOnly) || !h.addData(&f))
        return {};
    return h.result().toHex().toStdString();
}

namespace {

const char* const signature = "# tavrex scenario ";

// "KEY: VALUE" of a header line ("# KEY: VALUE"); false for any other line.
bool champEntete(const std::string& ligne, std::string& cle, std::string& valeur)
{
    if (ligne.rfind("# ", 0) != 0)
        return false;
    const size_t deuxPoints = ligne.find(": ", 2);
    if (deuxPoints == std::string::npos)
        return false;
    cle = ligne.substr(2, deuxPoints - 2);
    valeur = ligne.substr(deuxPoints + 2);
    while (!valeur.empty() && (valeur.back() == '\r' || valeur.back() == ' '))
        valeur.pop_back();
    return true;
}

bool lireEntete(const std::string& chemin, EnteteScenario& e, std::string& erreur)
{
    std::ifstream in(chemin);
    std::string ligne;
    int numero = 0;
    while (std::getline(in, ligne)) {
        ++numero;
        if (numero == 1) {
            if (ligne.rfind(signature, 0) != 0)
                return true;   // a plain script
            const std::string texte = ligne.substr(std::char_traits<char>::length(signature));
            double version = 0.0;
            if (!lireReel(texte, version) || version < 1.0 || version != static_cast<int>(version)) {
                erreur = chemin + ":1: not a scenario version: " + texte;
                return false;
            }
            if (version > versionScenario) {
                erreur = chemin + ": scenario version " + texte + ", newer than this program reads (" +
                         std::to_string(versionScenario) + ")";
                return false;
            }
            e.present = true;
            continue;
        }
        std::string cle, valeur;
        if (ligne.empty() || ligne[0] != '#')
            return true;   // the header ends with the first line that is not a comment
        if (!champEntete(ligne, cle, valeur))
            continue;
        const std::string ici = chemin + ":" + std::to_string(numero) + ": ";
        if (cle == "seed") {
            char* fin = nullptr;
            e.graine = std::strtoull(valeur.c_str(), &fin, 0);
            if (valeur.empty() || valeur[0] == '-' || *fin != '\0') {
                erreur = ici + "not a seed: " + valeur;
                return false;
            }
            e.graineDonnee = true;
        } else if (cle == "end") {
            if (!lireInstant(valeur, e.fin)) {
                erreur = ici + "bad end time '" + valeur + "' (milliseconds)";
                return false;
            }
            e.finDonnee = true;
        }
    }
    return true;
}

std::string nomDans(const std::string& fichier, const QDir& dossier)
{
    const QString absolu = QFileInfo(QFile::decodeName(fichier.c_str())).absoluteFilePath();
    const QString relatif = dossier.relativeFilePath(absolu);
    return QFile::encodeName(relatif.startsWith(QLatin1String("../")) ? absolu : relatif).toStdString();
}

}  // namespace

bool lireScenario(const std::string& chemin, EnteteScenario& entete, std::vector<Action>& actions,
                  std::string& erreur)
{
    return lireScript(chemin, actions, erreur) && lireEntete(chemin, entete, erreur);
}

void substitueFichiers(std::vector<Action>& actions, const FichiersDonnes& donnes)
{
    const std::pair<Action::Type, const std::string*> genres[] = {
        {Action::Programme, &donnes.programme}, {Action::Piste, &donnes.piste}, {Action::Robot, &donnes.robot}};
    std::vector<Action> avant;
    for (const auto& [type, fichier] : genres) {
        if (fichier->empty())
            continue;
        bool remplace = false;
        for (Action& a : actions)
            if (a.type == type) {
                a.fichier = *fichier;
                remplace = true;
            }
        if (!remplace) {
            Action a;
            a.type = type;
            a.fichier = *fichier;
            avant.push_back(a);
        }
    }
    actions.insert(actions.begin(), avant.begin(), avant.end());
}

std::string defautFichiersActions(const std::vector<Action>& actions, bool force)
{
    for (const Action& a : actions) {
        std::string defaut;
        switch (a.type) {
        case Action::Programme: {
            defaut = defautFichierLu(a.fichier);
            if (!defaut.empty())
                break;
            const ChargementHex examen = bilanChargement(lisFichierHex(a.fichier.c_str(), nullptr));
            if (!examen.reussi())
                defaut = examen.message(a.fichier);
            else if (!force && !a.empreinte.empty() && empreinteFichier(a.fichier) != a.empreinte)
                defaut = a.fichier +
                         ": not the program the scenario was recorded with (its SHA-256 differs; --force replays it "
                         "all the same)";
            break;
        }
        case Action::Robot: defaut = defautDocumentXml(a.fichier, "rombo"); break;
        case Action::Piste: defaut = defautDocumentXml(a.fichier, "piste"); break;
        default: break;
        }
        if (!defaut.empty())
            return defaut;
    }
    return {};
}

std::string texteScenario(const std::vector<Action>& actions, uint64_t graine, uint64_t fin,
                          const std::string& dossier)
{
    const QDir ici(QFile::decodeName(dossier.c_str()));
    const Action* premier[3] = {};   // program, robot, track
    for (const Action& a : actions)
        if (a.avecFichier() && !premier[a.type - Action::Programme])
            premier[a.type - Action::Programme] = &a;
    auto nom = [&](const Action* a) { return a ? nomDans(a->fichier, ici) : std::string("(none)"); };

    std::string t = signature + std::to_string(versionScenario) + "\n";
    t += "# program: " + nom(premier[0]) + "\n";
    if (premier[0] && !premier[0]->empreinte.empty())
        t += "# sha256: " + premier[0]->empreinte + "\n";
    t += "# robot: " + nom(premier[1]) + "\n";
    t += "# track: " + nom(premier[2]) + "\n";
    char graineHex[24];
    std::snprintf(graineHex, sizeof graineHex, "0x%" PRIx64, graine);
    t += std::string("# seed: ") + graineHex + "\n";
    t += "# end: " + texteInstant(fin) + "\n";
    // The mode each run of the record began in: the actions set it, the line tells it.
    const bool silicium = std::any_of(actions.begin(), actions.end(), [](const Action& a) {
        return a.type == Action::Silicium && a.valeur != 0.0;
    });
    if (silicium)
        t += "# mode: silicon (interrupts, PCL and the stack as on the chip)\n";
    t += "# One \"T ACTION\" a line, T in ms of chip time to the tick (1/48,000 ms). Replayed by\n"
         "# tavrex-cli --script FILE (headless) or tavrex --script FILE (in the window).\n";
    for (const Action& a : actions) {
        Action ecrite = a;
        if (a.avecFichier())
            ecrite.fichier = nomDans(a.fichier, ici);
        t += texteInstant(a.ticks) + " " + texteAction(ecrite) + "\n";
    }
    return t;
}

// --- The recorder ------------------------------------------------------------------------

Enregistreur::Enregistreur(Modele& m, const Seance& s, uint64_t graine) : modele(m), seance(s), graineRun(graine)
{
    modele.setObservateurActions(this);
}

Enregistreur::~Enregistreur()
{
    modele.setObservateurActions(nullptr);
}

void Enregistreur::actionRecue(const Action& action)
{
    Action a = action;
    a.ticks = seance.horloge();
    a.ordre = static_cast<int>(liste.size());
    if (a.avecFichier()) {
        a.fichier = QFile::encodeName(QFileInfo(QFile::decodeName(a.fichier.c_str())).absoluteFilePath())
                        .toStdString();
        if (a.type == Action::Programme)
            a.empreinte = empreinteFichier(a.fichier);
    }
    liste.push_back(std::move(a));
}

void Enregistreur::reprend(std::vector<Action> actions, uint64_t graine)
{
    liste = std::move(actions);
    graineRun = graine;
}

std::string Enregistreur::texte(const std::string& dossier) const
{
    return texteScenario(liste, graineRun, seance.horloge(), dossier);
}

bool Enregistreur::ecrire(const std::string& chemin, std::string& erreur) const
{
    const QString nom = QFile::decodeName(chemin.c_str());
    const std::string dossier = QFile::encodeName(QFileInfo(nom).absolutePath()).toStdString();
    if (!XMLOpenSaveData::ecrireAtomique(nom, QString::fromUtf8(texte(dossier).c_str()))) {
        erreur = chemin + ": cannot be written";
        return false;
    }
    return true;
}

#include "symboles.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

namespace fs = std::filesystem;

// A .cod file is read whole: a program's is a few tens of kilobytes.
constexpr std::uintmax_t tailleCodMax = 16u << 20;

bool estDebutNom(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_' || c == '.' || c == '?';
}

bool estNom(char c)
{
    return estDebutNom(c) || std::isdigit(static_cast<unsigned char>(c)) || c == '#' || c == '$' || c == '@';
}

bool hexa(const std::string& t, size_t debut, size_t n, long long& valeur)
{
    if (t.size() < debut + n)
        return false;
    valeur = 0;
    for (size_t i = debut; i < debut + n; ++i) {
        const char c = t[i];
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
        valeur = valeur * 16 + (std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::tolower(c) - 'a' + 10);
    }
    return true;
}

std::string sansFinBlanche(std::string t)
{
    while (!t.empty() && std::isspace(static_cast<unsigned char>(t.back())))
        t.pop_back();
    return t;
}

// The identifier a source line begins with ("boucle:", "salut  db ..."), or "".
std::string nomEnTete(const std::string& source)
{
    if (source.empty() || !estDebutNom(source[0]))
        return {};
    size_t fin = 1;
    while (fin < source.size() && estNom(source[fin]))
        ++fin;
    return source.substr(0, fin);
}

std::string extension(const std::string& chemin)
{
    std::string e = fs::path(chemin).extension().string();
    std::transform(e.begin(), e.end(), e.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return e;
}

uint16_t mot16(const std::string& d, size_t i)
{
    return static_cast<uint16_t>(static_cast<unsigned char>(d[i]) | static_cast<unsigned char>(d[i + 1]) << 8);
}

}  // namespace

bool Symboles::lire(const std::string& chemin_, std::string& erreur)
{
    *this = Symboles();
    if (ajoute(chemin_, erreur) && !(vide() && lignes.empty()))
        return true;
    if (erreur.empty())
        erreur = chemin_ + ": no symbol in it";
    *this = Symboles();
    return false;
}

bool Symboles::lireAupresDe(const std::string& hex, std::string& erreur)
{
    *this = Symboles();
    // A gpasm program leaves its listing, which has everything; a program linked by
    // gplink, a listing without symbols, a .cod file with only its global ones and a
    // map with them all: each file adds what the ones before did not give.
    const fs::path base(hex);
    std::string premiereErreur;
    bool lu = false;
    for (const char* ext : {".lst", ".cod", ".map"}) {
        const std::string chemin_ = fs::path(base).replace_extension(ext).string();
        std::error_code ec;
        if (!fs::is_regular_file(chemin_, ec))
            continue;
        std::string raison;
        if (ajoute(chemin_, raison))
            lu = true;
        else if (premiereErreur.empty())
            premiereErreur = raison;
    }
    if (lu && !(vide() && lignes.empty()))
        return true;
    if (!premiereErreur.empty())
        erreur = premiereErreur;
    else
        erreur = "no symbols beside " + hex + " (none of " + fs::path(base).replace_extension(".lst").string() +
                 ", .cod, .map)";
    *this = Symboles();
    return false;
}

bool Symboles::ajoute(const std::string& fichier, std::string& erreur)
{
    const std::string ext = extension(fichier);
    if (ext != ".lst" && ext != ".map" && ext != ".cod") {
        erreur = fichier + ": not a listing (.lst), map (.map) or .cod file";
        return false;
    }
    std::error_code ec;
    std::ifstream in(fichier, std::ios::binary);
    if (fs::is_directory(fichier, ec) || !in.is_open()) {
        erreur = "cannot open " + fichier;
        return false;
    }
    bool reussi;
    if (ext == ".lst")
        reussi = lireListing(in, fichier, erreur);
    else if (ext == ".map")
        reussi = lireMap(in, fichier, erreur);
    else
        reussi = lireCod(in, fichier, erreur);
    if (reussi && chemin.empty())
        chemin = fichier;
    return reussi;
}

void Symboles::nomme(uint32_t adresse, const std::string& nom)
{
    // Of several labels of one address, the first defined names it.
    etiquettes.emplace(adresse, nom);
}

bool Symboles::lireListing(std::istream& in, const std::string& fichier, std::string& erreur)
{
    // gpasm's listing: "LOC    OBJECT CODE    LINE  SOURCE TEXT", the address in
    // columns 0 to 5, the words from 7, the line number (or M in a macro) from 22,
    // the source from 28; then the symbol table. gplink's: "Address  Value
    // Disassembly  Source", the source from column 43, and no symbol table.
    std::vector<std::pair<uint32_t, std::string>> candidats;   // labels met before the table
    std::map<std::string, long long> table;
    bool gplink = false, dansTable = false, enTete = false;
    std::string ligne;
    while (std::getline(in, ligne)) {
        if (!ligne.empty() && ligne.back() == '\r')
            ligne.pop_back();
        if (!enTete) {
            if (ligne.rfind("LOC", 0) == 0 && ligne.find("OBJECT CODE") != std::string::npos)
                enTete = true;
            else if (ligne.rfind("Address", 0) == 0 && ligne.find("Disassembly") != std::string::npos)
                enTete = gplink = true;
            continue;
        }
        if (ligne.rfind("SYMBOL TABLE", 0) == 0) {
            dansTable = true;
            continue;
        }
        if (dansTable) {
            // "NAME  0000ABCD", between page headings (macros have no value), until
            // the memory map.
            if (ligne.rfind("MEMORY USAGE MAP", 0) == 0)
                break;
            std::istringstream l(ligne);
            std::string nom, valeur, reste;
            long long v;
            if ((l >> nom >> valeur) && !(l >> reste) && estDebutNom(nom[0]) && valeur.size() == 8 &&
                hexa(valeur, 0, 8, v))
                table.emplace(nom, v);
            continue;
        }
        long long loc;
        if (ligne.size() < 7 || ligne[6] != ' ' || !hexa(ligne, 0, 6, loc))
            continue;
        const size_t colonneSource = gplink ? 43 : 28;
        if (ligne.size() <= colonneSource)
            continue;
        const std::string source = sansFinBlanche(ligne.substr(colonneSource));
        const std::string mots = ligne.substr(7, (gplink ? 40 : 21) - 7);
        const bool code = mots.find_first_not_of(' ') != std::string::npos;
        if (code && !source.empty())
            lignes.emplace(static_cast<uint32_t>(loc), source);
        if (!gplink) {
            const std::string nom = nomEnTete(source);
            if (!nom.empty())
                candidats.emplace_back(static_cast<uint32_t>(loc), nom);
        }
    }
    if (!enTete) {
        erreur = fichier + ": not a gpasm or gplink listing";
        return false;
    }
    if (!gplink && table.empty()) {
        erreur = fichier + ": no symbol table (is it a gpasm listing?)";
        return false;
    }
    // A name at the head of a line with an address is a label when the table gives
    // it that address (a macro's name, an `org`, are not).
    for (const auto& [adresse, nom] : candidats) {
        const auto it = table.find(nom);
        if (it != table.end() && it->second == adresse)
            nomme(adresse, nom);
    }
    for (const auto& s : table)
        valeurs.insert(s);
    return true;
}

bool Symboles::lireMap(std::istream& in, const std::string& fichier, std::string& erreur)
{
    // "Symbols - Sorted by Name", two heading lines, then "NAME 0xADDRESS program|data
    // STORAGE FILE" until an empty line.
    std::string ligne;
    bool dedans = false, trouve = false;
    while (std::getline(in, ligne)) {
        if (!ligne.empty() && ligne.back() == '\r')
            ligne.pop_back();
        if (!dedans) {
            dedans = ligne.find("Symbols - Sorted by Name") != std::string::npos;
            continue;
        }
        std::istringstream l(ligne);
        std::string nom, adresse, lieu_;
        if (!(l >> nom)) {
            if (trouve)
                break;
            continue;
        }
        if (!(l >> adresse >> lieu_) || adresse.rfind("0x", 0) != 0 || !estDebutNom(nom[0]))
            continue;
        long long v;
        if (adresse.size() < 3 || !hexa(adresse, 2, adresse.size() - 2, v))
            continue;
        trouve = true;
        valeurs.emplace(nom, v);
        if (lieu_ == "program")
            nomme(static_cast<uint32_t>(v), nom);
    }
    if (!trouve) {
        erreur = fichier + ": no symbol list (is it a gplink map?)";
        return false;
    }
    return true;
}

bool Symboles::lireCod(std::istream& in, const std::string& fichier, std::string& erreur)
{
    // Blocks of 512 bytes; the first is a directory, which chains to the next ones
    // (one per 64 K of program addresses). Block numbers are 16 bits, little-endian;
    // symbol values are 32 bits, big-endian.
    constexpr size_t bloc = 512;
    std::error_code ec;
    const std::uintmax_t taille = fs::file_size(fichier, ec);
    if (ec || taille > tailleCodMax || taille < bloc) {
        erreur = fichier + ": not a .cod file";
        return false;
    }
    const std::string d((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t nbBlocs = d.size() / bloc;
    auto octet = [&d](size_t i) { return static_cast<unsigned char>(d[i]); };
    auto plage = [&](size_t dir, size_t champ, size_t& debut, size_t& fin) {
        debut = mot16(d, dir + champ);
        fin = mot16(d, dir + champ + 2);
        return debut != 0 && debut <= fin && fin < nbBlocs;
    };

    bool symboles = false;
    // The listing, read before, gave the source lines as written.
    const bool avecLignes = lignes.empty();
    std::map<std::pair<size_t, int>, std::vector<std::string>> sources;   // (directory, file) -> its lines
    size_t dirBloc = 0;
    for (int n = 0; n < 256; ++n) {   // a bound on a looping chain
        const size_t dir = dirBloc * bloc;
        const uint32_t haut = static_cast<uint32_t>(mot16(d, dir + 0x1b7)) << 16;
        size_t debut, fin;
        // The long symbol table: length, name, type (16 bits), value.
        if (plage(dir, 0x1ce, debut, fin)) {
            for (size_t b = debut; b <= fin; ++b) {
                size_t i = b * bloc;
                const size_t finBloc = i + bloc;
                while (i < finBloc && octet(i) != 0) {
                    const size_t lg = octet(i);
                    if (i + 1 + lg + 6 > finBloc)
                        break;
                    const std::string nom = d.substr(i + 1, lg);
                    const size_t t = i + 1 + lg;
                    const unsigned type = mot16(d, t);
                    const long long v = static_cast<long long>(static_cast<uint32_t>(
                        octet(t + 2) << 24 | octet(t + 3) << 16 | octet(t + 4) << 8 | octet(t + 5)));
                    if (estDebutNom(nom[0])) {
                        symboles = true;
                        valeurs.emplace(nom, v);
                        if (type == 46)   // a program address
                            nomme(static_cast<uint32_t>(v), nom);
                    }
                    i = t + 6;
                }
            }
        }
        // The line table: file, flags, line (16 bits), address (16 bits), 84 to a
        // block; flag 0x10 marks a line that made no code.
        size_t debutNoms, finNoms;
        const bool noms = plage(dir, 0x1ae, debutNoms, finNoms);
        if (avecLignes && noms && plage(dir, 0x1b2, debut, fin)) {
            for (size_t b = debut; b <= fin; ++b) {
                for (size_t k = 0; k < 84; ++k) {
                    const size_t e = b * bloc + 6 * k;
                    const int fichierSource = octet(e);
                    const unsigned drapeaux = octet(e + 1);
                    const unsigned numero = mot16(d, e + 2);
                    const uint32_t adresse = haut | mot16(d, e + 4);
                    if (drapeaux & 0x10 || numero == 0)
                        continue;
                    const auto cle = std::make_pair(dirBloc, fichierSource);
                    auto it = sources.find(cle);
                    if (it == sources.end())
                        it = sources.emplace(cle, lignesSource(d, debutNoms, finNoms, fichierSource, fichier)).first;
                    if (numero <= it->second.size())
                        lignes.emplace(adresse, sansFinBlanche(it->second[numero - 1]));
                }
            }
        }
        const size_t suivant = mot16(d, dir + 0x1b9);
        if (suivant == 0 || suivant >= nbBlocs || suivant == dirBloc)
            break;
        dirBloc = suivant;
    }
    if (!symboles) {
        erreur = fichier + ": no symbol table (is it a gputils .cod file?)";
        return false;
    }
    return true;
}

std::vector<std::string> Symboles::lignesSource(const std::string& d, size_t debut, size_t fin, int numero,
                                                const std::string& cod)
{
    // The file name table: 64-byte entries, a length byte then the name.
    const size_t i = debut * 512 + static_cast<size_t>(numero) * 64;
    if (i + 64 > (fin + 1) * 512)
        return {};
    const size_t lg = static_cast<unsigned char>(d[i]);
    if (lg == 0 || lg > 63)
        return {};
    fs::path source(d.substr(i + 1, lg));
    if (source.is_relative())
        source = fs::path(cod).parent_path() / source;
    std::ifstream in(source);
    std::vector<std::string> texte;
    std::string ligne;
    while (std::getline(in, ligne))
        texte.push_back(ligne);
    return texte;
}

std::optional<long long> Symboles::valeur(const std::string& expression) const
{
    const size_t debut = expression.find_first_not_of(' ');
    if (debut == std::string::npos)
        return std::nullopt;
    const size_t signe = expression.find_first_of("+-", debut + 1);
    const std::string nom = sansFinBlanche(expression.substr(debut, signe - debut));
    const auto it = valeurs.find(nom);
    if (it == valeurs.end())
        return std::nullopt;
    if (signe == std::string::npos)
        return it->second;
    std::string decalage = sansFinBlanche(expression.substr(signe + 1));
    decalage.erase(0, decalage.find_first_not_of(' '));
    if (decalage.empty() || !std::isdigit(static_cast<unsigned char>(decalage[0])))
        return std::nullopt;
    char* fin = nullptr;
    errno = 0;
    const long long n = std::strtoll(decalage.c_str(), &fin, 0);
    if (errno != 0 || *fin != '\0')
        return std::nullopt;
    return expression[signe] == '+' ? it->second + n : it->second - n;
}

std::string Symboles::etiquette(uint32_t adresse) const
{
    const auto it = etiquettes.find(adresse);
    return it == etiquettes.end() ? std::string() : it->second;
}

std::string Symboles::lieu(uint32_t adresse) const
{
    auto it = etiquettes.upper_bound(adresse);
    if (it == etiquettes.begin())
        return {};
    --it;
    if (it->first == adresse)
        return it->second;
    char decalage[16];
    std::snprintf(decalage, sizeof decalage, "+0x%x", static_cast<unsigned>(adresse - it->first));
    return it->second + decalage;
}

std::string Symboles::ligneSource(uint32_t adresse) const
{
    const auto it = lignes.find(adresse);
    return it == lignes.end() ? std::string() : it->second;
}

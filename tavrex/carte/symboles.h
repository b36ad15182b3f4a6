#ifndef TAVREX_SYMBOLES_H
#define TAVREX_SYMBOLES_H

#include <cstdint>
#include <istream>
#include <map>
#include <optional>
#include <string>
#include <vector>

// The symbols of a program, read from what its tool chain left beside the HEX: a
// gpasm listing (.lst: its symbol table, and each instruction's source line), a
// gplink map (.map: C programs linked by gplink have their symbols only there) or a
// gputils .cod file. The one reader of symbols: the check, the runner's breakpoints
// and the debugger window all go through it.
class Symboles
{
public:
    // Reads one file, its kind told by its extension (.lst, .map, .cod). On failure
    // returns false with `erreur`, one English line naming the file.
    bool lire(const std::string& chemin, std::string& erreur);
    // The files beside a HEX with its name: NAME.lst first, then NAME.cod, then
    // NAME.map. False, with `erreur`, when there is none or none can be read.
    bool lireAupresDe(const std::string& hex, std::string& erreur);

    bool vide() const { return valeurs.empty(); }
    const std::string& source() const { return chemin; }   // the file read
    const std::map<std::string, long long>& table() const { return valeurs; }

    // "NAME" or "NAME+OFFSET" / "NAME-OFFSET" (offset decimal or 0x hex): its value.
    std::optional<long long> valeur(const std::string& expression) const;
    // The label that names a program address: "" when none. Of several, the one
    // the listing defines first.
    std::string etiquette(uint32_t adresse) const;
    // "label" at a labelled address, "label+0x6" after the nearest label before it
    // in the same code, "" when there is no label before.
    std::string lieu(uint32_t adresse) const;
    // The listing's source line of the instruction at a program address (as written,
    // without the listing's address and word columns): "" when unknown.
    std::string ligneSource(uint32_t adresse) const;

private:
    // Adds what one file gives to what is known; the first file's name is kept.
    bool ajoute(const std::string& fichier, std::string& erreur);
    bool lireListing(std::istream& in, const std::string& fichier, std::string& erreur);
    bool lireMap(std::istream& in, const std::string& fichier, std::string& erreur);
    bool lireCod(std::istream& in, const std::string& fichier, std::string& erreur);
    // The lines of source file `numero` of a .cod file's name table (blocks `debut`
    // to `fin` of `contenu`), found beside the .cod file when its name is relative.
    static std::vector<std::string> lignesSource(const std::string& contenu, size_t debut, size_t fin, int numero,
                                                 const std::string& cod);
    void nomme(uint32_t adresse, const std::string& nom);

    std::string chemin;
    std::map<std::string, long long> valeurs;
    std::map<uint32_t, std::string> etiquettes;   // program addresses only
    std::map<uint32_t, std::string> lignes;
};

#endif

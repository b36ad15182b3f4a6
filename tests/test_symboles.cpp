// The one reader of symbols: gpasm listings, gplink maps, .cod files of both tools,
// and what lies beside a HEX file; damaged files refused with one line.

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include <QTemporaryDir>

#include "symboles.h"

namespace {

const std::string gpasm = TAVREX_TEST_HEX_DIR "/debogueur";
const std::string lie = TAVREX_TEST_LIES_DIR "/symboles_lies";

}  // namespace

// One program read from each of its files: the values, labels and source lines each
// gives. gplink's .cod file knows only the global symbols, its listing none.
TEST(Symboles, EachFileGivesWhatItHolds)
{
    struct Cas
    {
        std::string fichier;
        bool aupres;                   // through lireAupresDe(NAME.hex)
        std::string nom;               // a label and its address
        long long adresse;
        std::string donnee;            // a data symbol with an offset, and its value
        long long valeur;
        uint32_t dansCode;             // an address after the label: lieu() gives label+0x2
        std::string source;            // part of the source line at `adresse`, "" when none known
    };
    const Cas cas[] = {
        {gpasm + ".lst", false, "boucle", 0x06, "compte+1", 0x21, 0x08, "incf    compte, F, ACCESS"},
        {gpasm + ".cod", false, "boucle", 0x06, "compte+1", 0x21, 0x08, "incf    compte, F, ACCESS"},
        {gpasm + ".hex", true, "recurse", 0x28, "fonds-0x6", 0x20, 0x2a, "decf    prof, F, ACCESS"},
        {lie + ".map", false, "boucle", 0x06, "_adc_raw+1", 0x01, 0x08, ""},
        {lie + ".cod", false, "_main", 0x04, "_adc_raw+1", 0x01, 0x06, "clrf    compte, ACCESS"},
        {lie + ".hex", true, "boucle", 0x06, "_adc_raw+1", 0x01, 0x08, "incf    compte, F, ACCESS"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.fichier);
        Symboles s;
        std::string erreur;
        ASSERT_TRUE(c.aupres ? s.lireAupresDe(c.fichier, erreur) : s.lire(c.fichier, erreur)) << erreur;
        EXPECT_EQ(s.valeur(c.nom), c.adresse);
        EXPECT_EQ(s.valeur(c.donnee), c.valeur);
        EXPECT_EQ(s.etiquette(static_cast<uint32_t>(c.adresse)), c.nom);
        EXPECT_EQ(s.lieu(static_cast<uint32_t>(c.adresse)), c.nom);
        EXPECT_EQ(s.lieu(c.dansCode), c.nom + "+0x2");
        if (c.source.empty())
            EXPECT_EQ(s.ligneSource(static_cast<uint32_t>(c.adresse)), "");
        else
            EXPECT_NE(s.ligneSource(static_cast<uint32_t>(c.adresse)).find(c.source), std::string::npos)
                << s.ligneSource(static_cast<uint32_t>(c.adresse));
    }

    // Equates, macros and SFR names are not labels; nothing before the first label.
    Symboles s;
    std::string erreur;
    ASSERT_TRUE(s.lire(gpasm + ".lst", erreur)) << erreur;
    EXPECT_EQ(s.valeur("PORTB"), 0xF81);
    EXPECT_EQ(s.etiquette(0x20), "");
    EXPECT_EQ(s.etiquette(0x00), "debut");
    EXPECT_EQ(s.lieu(0x30), "fond");
    for (const char* faux : {"inconnu", "boucle+", "boucle+x", "+2", "", "boucle*2"})
        EXPECT_FALSE(s.valeur(faux)) << faux;
    EXPECT_EQ(s.valeur(" boucle + 0x10 "), 0x16);
}

TEST(Symboles, DamagedOrMissingFilesRefusedNamingTheFile)
{
    QTemporaryDir dossier;
    const std::string d = dossier.path().toStdString();
    std::ifstream in(gpasm + ".cod", std::ios::binary);
    const std::string cod((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string codFou = cod;
    codFou.replace(0x1a0, 0x40, 0x40, '\xff');   // every block pointer of the directory
    const std::pair<std::string, std::string> fichiers[] = {
        {"vide.lst", ""},
        {"texte.lst", "LOC    OBJECT CODE    LINE  SOURCE TEXT\n000000 0E01 00001 movlw 1\n"},
        {"rien.map", "gplink\nSymbols - Sorted by Name\n\n"},
        {"court.cod", cod.substr(0, 700)},
        {"fou.cod", codFou},
        {"autre.txt", "boucle 0x10"},
        {"absent.lst", ""},
    };
    for (const auto& [nom, texte] : fichiers) {
        const std::string f = d + "/" + nom;
        if (nom != "absent.lst")
            std::ofstream(f, std::ios::binary) << texte;
        Symboles s;
        std::string erreur;
        EXPECT_FALSE(s.lire(f, erreur)) << f;
        EXPECT_NE(erreur.find(f), std::string::npos) << erreur;
        EXPECT_EQ(erreur.find('\n'), std::string::npos) << erreur;
        EXPECT_TRUE(s.vide());
    }
    Symboles s;
    std::string erreur;
    EXPECT_FALSE(s.lireAupresDe(d + "/seul.hex", erreur));
    EXPECT_NE(erreur.find("seul.lst"), std::string::npos) << erreur;
}

#ifndef TAVREX_FUZZ_FICHIER_TEMP_H
#define TAVREX_FUZZ_FICHIER_TEMP_H

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

// The readers take a file name: each input is written to a file of the target's own
// folder, in memory when /dev/shm is there, removed when the process ends.
class FichierTemp
{
public:
    FichierTemp() : dossier(creerDossier()), entree(dossier + "/entree"), sortie(dossier + "/sortie") {}
    ~FichierTemp()
    {
        std::remove(entree.c_str());
        std::remove(sortie.c_str());
        rmdir(dossier.c_str());
    }

    // Writes the bytes to the input file and returns its name.
    const std::string& ecrire(const uint8_t* data, size_t size)
    {
        FILE* f = std::fopen(entree.c_str(), "wb");
        if (!f || std::fwrite(data, 1, size, f) != size || std::fclose(f) != 0)
            std::abort();
        return entree;
    }

    const std::string dossier;
    const std::string entree;
    const std::string sortie;

private:
    static std::string creerDossier()
    {
        std::string modele = std::string(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + "/tavrex-fuzz-XXXXXX";
        if (!mkdtemp(modele.data()))
            std::abort();
        return modele;
    }
};

#endif

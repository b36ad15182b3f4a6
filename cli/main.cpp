// tavrex-cli: runs a PIC18F4550 program headless and reports what it did.

#include <chrono>
#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>

#include "aleatoire.h"
#include "processeur.h"

namespace {

constexpr double cyclesTempsReel = 12e6;

const char* usage =
    "usage: tavrex-cli [--cycles N | --ms T] [--dump] [--bench] [--seed N] PROGRAM.hex";

[[noreturn]] void erreur(const std::string& message)
{
    std::fprintf(stderr, "tavrex-cli: %s\n", message.c_str());
    std::exit(2);
}

bool lireEntier(const char* texte, uint64_t& valeur)
{
    if (!texte || !*texte || *texte == '-')
        return false;
    char* fin = nullptr;
    errno = 0;
    const unsigned long long v = std::strtoull(texte, &fin, 0);
    if (errno != 0 || *fin != '\0')
        return false;
    valeur = v;
    return true;
}

bool lireReel(const char* texte, double& valeur)
{
    if (!texte || !*texte)
        return false;
    char* fin = nullptr;
    errno = 0;
    const double v = std::strtod(texte, &fin);
    if (errno != 0 || *fin != '\0' || !(v >= 0.0) || v > 1e12)
        return false;
    valeur = v;
    return true;
}

struct Options
{
    uint64_t ticks = 0;
    bool dump = false;
    bool bench = false;
    uint64_t graine = Aleatoire::graineParDefaut;
    std::string programme;
};

Options lireOptions(int argc, char** argv)
{
    Options o;
    bool dureeDonnee = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto valeur = [&]() -> const char* {
            if (i + 1 >= argc)
                erreur(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--cycles") {
            uint64_t n;
            const char* v = valeur();
            if (!lireEntier(v, n) || n > UINT64_MAX / 4)
                erreur(std::string("--cycles: not a cycle count: ") + v);
            if (dureeDonnee)
                erreur("give one of --cycles and --ms");
            o.ticks = n * 4;
            dureeDonnee = true;
        } else if (arg == "--ms") {
            double t;
            const char* v = valeur();
            if (!lireReel(v, t))
                erreur(std::string("--ms: not a duration in milliseconds: ") + v);
            if (dureeDonnee)
                erreur("give one of --cycles and --ms");
            o.ticks = static_cast<uint64_t>(t * 48000.0 + 0.5);
            dureeDonnee = true;
        } else if (arg == "--dump") {
            o.dump = true;
        } else if (arg == "--bench") {
            o.bench = true;
        } else if (arg == "--seed") {
            const char* v = valeur();
            if (!lireEntier(v, o.graine))
                erreur(std::string("--seed: not a number: ") + v);
        } else if (arg == "-h" || arg == "--help") {
            std::printf("%s\n", usage);
            std::exit(0);
        } else if (!arg.empty() && arg[0] == '-') {
            erreur("unknown option " + arg + " (" + usage + ")");
        } else if (o.programme.empty()) {
            o.programme = arg;
        } else {
            erreur("more than one program given: " + arg);
        }
    }
    if (o.programme.empty())
        erreur(std::string("no program given (") + usage + ")");
    return o;
}

void afficheMemoire(const P18f4550& p)
{
    DataMemory* dm = p.getDM();
    std::printf("pc 0x%04x\n", static_cast<unsigned>(dm->getPC()));
    std::printf("w 0x%02x\n", dm->w());
    std::printf("status 0x%02x\n", dm->readStatus());
    std::printf("bsr 0x%02x\n", dm->readBSR());
    std::printf("ticks %" PRIu64 "\n", p.time());
    for (int ligne = 0; ligne < DataMemory::taille; ligne += 16) {
        char texte[80];
        int n = std::snprintf(texte, sizeof texte, "%03x:", ligne);
        for (int i = 0; i < 16; ++i)
            n += std::snprintf(texte + n, sizeof texte - n, " %02x", dm->readDirect(static_cast<Word>(ligne + i)));
        std::puts(texte);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const Options o = lireOptions(argc, argv);

    {
        std::ifstream essai(o.programme);
        if (!essai.is_open())
            erreur("cannot open " + o.programme);
    }

    Aleatoire::graine(o.graine);
    auto puce = std::make_unique<P18f4550>();
    puce->readFromHex(o.programme.c_str());
    const BilanLecture& bilan = puce->getFM()->bilan();
    if (!bilan.ouvert)
        erreur("cannot read " + o.programme);
    if (bilan.lignesIgnorees > 0)
        std::fprintf(stderr, "tavrex-cli: %s: %d line%s skipped (not a valid record)\n", o.programme.c_str(),
                     bilan.lignesIgnorees, bilan.lignesIgnorees > 1 ? "s" : "");

    const uint64_t debut = puce->time();
    const uint64_t fin = debut + o.ticks;
    const std::clock_t cpu0 = std::clock();
    const auto mur0 = std::chrono::steady_clock::now();
    while (puce->time() < fin)
        puce->clock4();
    const auto mur1 = std::chrono::steady_clock::now();
    const std::clock_t cpu1 = std::clock();

    if (o.dump)
        afficheMemoire(*puce);
    if (o.bench) {
        const double secondes = std::chrono::duration<double>(mur1 - mur0).count();
        const double cycles = static_cast<double>(puce->time() - debut) / 4.0;
        const double parSeconde = secondes > 0 ? cycles / secondes : 0.0;
        std::printf("cycles %.0f\n", cycles);
        std::printf("seconds %.3f (cpu %.3f)\n", secondes, double(cpu1 - cpu0) / CLOCKS_PER_SEC);
        std::printf("cycles/s %.3g\n", parSeconde);
        std::printf("real time x%.2f\n", parSeconde / cyclesTempsReel);
    }
    return 0;
}

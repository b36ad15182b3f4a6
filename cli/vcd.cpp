#include "vcd.h"

#include <cinttypes>

#include "processeur.h"

EnregistreurVcd::EnregistreurVcd(P18f4550& p, uint64_t origine) : pic(p), origine(origine)
{
    int n = 0;
    for (int port = 0; port < 5; ++port)
        for (int bit = 0; bit < 8; ++bit)
            if (estEvaluee(port, bit)) {
                // Short identifiers from the printable range.
                signaux[port][bit].code = std::string(1, static_cast<char>('!' + n / 90)) +
                                          static_cast<char>('!' + n % 90);
                ++n;
            }
    const int sources[3][2] = {{Port::PORTA, 0}, {Port::PORTC, 1}, {Port::PORTC, 2}};
    for (int i = 0; i < 3; ++i) {
        tensions[i].code = "v" + std::to_string(i);
        tensions[i].port = sources[i][0];
        tensions[i].bit = sources[i][1];
    }
}

EnregistreurVcd::~EnregistreurVcd()
{
    fermer();
}

bool EnregistreurVcd::ouvrir(const std::string& chemin)
{
    fichier = std::fopen(chemin.c_str(), "w");
    if (!fichier)
        return false;
    std::fprintf(fichier, "$date tavrex $end\n$version tavrex-cli $end\n$timescale 1 ns $end\n");
    std::fprintf(fichier, "$scope module pic18f4550 $end\n");
    for (int port = 0; port < 5; ++port)
        for (int bit = 0; bit < 8; ++bit)
            if (estEvaluee(port, bit))
                std::fprintf(fichier, "$var wire 1 %s R%c%d $end\n", signaux[port][bit].code.c_str(), 'A' + port, bit);
    for (const Tension& t : tensions)
        std::fprintf(fichier, "$var real 64 %s V_R%c%d $end\n", t.code.c_str(), 'A' + t.port, t.bit);
    std::fprintf(fichier, "$upscope $end\n$enddefinitions $end\n");
    // Initial values: every level as the ports hold them now.
    horodate();
    std::fprintf(fichier, "$dumpvars\n");
    DataMemory* dm = pic.getDM();
    for (int port = 0; port < 5; ++port) {
        const Byte v = dm->readDirect(static_cast<Word>(DataMemory::PORTA + port));
        for (int bit = 0; bit < 8; ++bit)
            if (estEvaluee(port, bit)) {
                Signal& s = signaux[port][bit];
                s.connu = true;
                s.niveau = (v >> bit) & 1;
                std::fprintf(fichier, "%d%s\n", s.niveau, s.code.c_str());
            }
    }
    for (Tension& t : tensions) {
        t.connue = true;
        t.valeur = tension(*pic.getPort(t.port), t.bit);
        std::fprintf(fichier, "r%.6g %s\n", t.valeur, t.code.c_str());
    }
    std::fprintf(fichier, "$end\n");
    return true;
}

bool EnregistreurVcd::estEvaluee(int port, int bit) const
{
    return (pic.getPort(port)->getPinsEvaluees() >> bit) & 1;
}

double EnregistreurVcd::tension(const Port& port, int bit) const
{
    const Connexion* c = port.getConnexion(static_cast<Byte>(bit));
    return c ? c->getVin() : 0.0;
}

void EnregistreurVcd::horodate()
{
    const uint64_t ticks = pic.time() - origine;
    // 48 MHz: 125/6 ns per tick.
    static_assert(ticksParSeconde * 125 == 6 * 1000000000ull, "ns per tick");
    const uint64_t ns = ticks * 125 / 6;
    if (ns != dernierInstant) {
        std::fprintf(fichier, "#%" PRIu64 "\n", ns);
        dernierInstant = ns;
    }
}

void EnregistreurVcd::portEvalue(const Port& port, Byte valeur)
{
    if (!fichier)
        return;
    const int n = port.getNumero();
    for (int bit = 0; bit < 8; ++bit) {
        if (!estEvaluee(n, bit))
            continue;
        Signal& s = signaux[n][bit];
        const int niveau = (valeur >> bit) & 1;
        if (s.connu && s.niveau == niveau)
            continue;
        horodate();
        s.connu = true;
        s.niveau = niveau;
        std::fprintf(fichier, "%d%s\n", niveau, s.code.c_str());
    }
    for (Tension& t : tensions) {
        if (t.port != n)
            continue;
        const double v = tension(port, t.bit);
        if (t.connue && t.valeur == v)
            continue;
        horodate();
        t.connue = true;
        t.valeur = v;
        std::fprintf(fichier, "r%.6g %s\n", v, t.code.c_str());
    }
}

bool EnregistreurVcd::fermer()
{
    if (!fichier)
        return true;
    horodate();
    const bool ecrit = !std::ferror(fichier);
    const bool ferme = std::fclose(fichier) == 0;
    fichier = nullptr;
    return ecrit && ferme;
}

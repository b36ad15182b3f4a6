#ifndef TAVREX_CLI_VCD_H
#define TAVREX_CLI_VCD_H

#include <cstdint>
#include <cstdio>
#include <string>

#include "ports.h"

class P18f4550;

// Records a Value Change Dump (IEEE 1364) of the pins' digital levels, as the ports
// evaluate them, and of the voltages of RA0, RC1 and RC2, in nanoseconds of chip time.
class EnregistreurVcd : public ObservateurPorts
{
public:
    EnregistreurVcd(P18f4550& p, uint64_t origine);
    ~EnregistreurVcd() override;
    bool ouvrir(const std::string& chemin);
    // Chip time passed without the processor running (board off or held in reset).
    void attente(uint64_t ticks) { origine -= ticks; }
    void portEvalue(const Port& port, Byte valeur) override;
    // Whether every write reached the file (a full disk shows here).
    bool fermer();

private:
    struct Signal
    {
        std::string code;
        bool connu = false;
        int niveau = 0;
    };
    struct Tension
    {
        std::string code;
        int port;
        int bit;
        bool connue = false;
        double valeur = 0.0;
    };
    void horodate();
    bool estEvaluee(int port, int bit) const;
    double tension(const Port& port, int bit) const;

    P18f4550& pic;
    uint64_t origine;
    FILE* fichier = nullptr;
    uint64_t dernierInstant = UINT64_MAX;
    Signal signaux[5][8];
    Tension tensions[3];
};

#endif

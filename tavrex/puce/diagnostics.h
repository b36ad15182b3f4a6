#ifndef TAVREX_DIAGNOSTICS_H
#define TAVREX_DIAGNOSTICS_H

#include <bitset>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "types.h"

class FlashMemory;
class Instruction;
class P18f4550;
struct BilanLecture;

// One moment where a program relies on what the board does not model: the kind, the
// chip time, the address and text of the instruction that did it, and the values its
// message names. Nothing simulated changes because of it: the board goes on as it
// always did, the diagnostic only says so.
struct Diagnostic
{
    enum Genre : uint8_t {
        // What the chip does and the board leaves out.
        Interruptions,        // GIE with an enable bit
        Retfie,
        Pcl,                  // PCL written
        Tos,                  // TOSU, TOSH or TOSL written
        Stkptr,               // STKPTR written
        Sleep,
        ChienDeGarde,         // CLRWDT with the watchdog enabled, SWDTEN set
        Tblwt,
        // Registers of modules the board does not model (%1: the register).
        Timer1,
        Timer3,
        Ccp,                  // capture, compare, the enhanced PWM outputs (%2: the value)
        Usart,
        Mssp,
        Comparateurs,         // and the voltage reference
        Usb,                  // and the streaming parallel port
        Eeprom,
        Oscillateur,          // OSCCON, OSCTUNE written
        Hlvd,
        // The program itself.
        MemoireEffacee,       // execution ran past the loaded program (%1: the address)
        SautHors,             // a jump or call to where nothing was loaded (%1: the target)
        DebordementPile,      // a 31st return address: reset (STVREN)
        PilePleine,           // a 32nd return address lost (STVREN off)
        SousPile,             // a return with the stack empty
        ConversionNumerique,  // an A/D conversion of a digital input (%1: ANn)
        // The LCD module's timing.
        LcdAvantInit,         // %1: ms since power-on
        LcdTropTot,           // %1: us since the last command, %2: the us it takes
        // The HEX file, said at load.
        HexOscillateur,       // %1: the oscillator settings as CONFIG names them
        HexAuDela32K,         // %1: the first address
        HexIdentifiant,       // %1: the device ID's address
        HexEeprom,            // %1: the first address
        HexAutreMemoire,      // %1: the first address
        nombreGenres
    };

    Genre genre = Interruptions;
    bool auChargement = false;    // said by the HEX load: no time, no instruction
    uint64_t ticks = 0;           // chip time (P18f4550::time())
    DWord pc = 0;                 // the instruction's address
    std::string instruction;      // its text, "bsf INTCON, 7"
    std::vector<std::string> arguments;   // the message's %1, %2

    // The message in English, its arguments in place.
    std::string message() const;
    // Where it was said, in English: "at 12.345 ms, pc 0x0124 (bsf INTCON, 7)" with
    // `horloge` the front end's clock then; empty for a load's.
    std::string circonstances(uint64_t horloge) const;
    // The English text of a kind, with %1 and %2 for its arguments.
    static const char* modele(Genre g);
};

// The diagnostics of one board. The detections sit where the work is done anyway (a
// register's write, a rare instruction, a word marked at load, the LCD's E edge, the
// stack's full or empty branch, the HEX load), never in the quiet runs: what watches
// stands down once its kind is said.
// Each kind is said once per run (the default), every time, or never. A run starts at
// power-on; a load forgets everything, the list included.
class Diagnostics
{
public:
    enum class Mode : uint8_t { Aucun, UneFois, Tous };
    // The most kept in the list (every one still reaches the receiver).
    static constexpr size_t listeMax = 1000;

    // `horloge`: the processor's chip time.
    Diagnostics(P18f4550* processeur, const uint64_t* horloge) : processeur(processeur), horloge(horloge) {}

    void setMode(Mode m) { mode = m; }
    Mode getMode() const { return mode; }
    bool actif() const { return mode != Mode::Aucun; }
    // The chip time now.
    uint64_t maintenant() const { return *horloge; }
    // Whether a diagnostic of kind `g` would be said now.
    bool attendu(Diagnostic::Genre g) const { return mode == Mode::Tous || (mode == Mode::UneFois && !dits[g]); }

    // Says `g` for the instruction executing now, unless it is not awaited.
    void signale(Diagnostic::Genre g, std::vector<std::string> arguments = {});
    // Says `g` for the instruction at `pc`, at `ticks`.
    void signaleEn(Diagnostic::Genre g, DWord pc, uint64_t ticks);
    // The HEX file just loaded: what its records asked that the chip does not take.
    void examineChargement(const BilanLecture& bilan, FlashMemory& fm);

    // Told of each diagnostic when said, and of the list's clearing.
    void setRecepteur(std::function<void(const Diagnostic&)> f) { recepteur = std::move(f); }
    void setSurEffacement(std::function<void()> f) { surEffacement = std::move(f); }

    // A new run: the kinds of the program may be said again.
    void nouvelleExecution();
    // A new program: nothing said yet, the list empty.
    void efface();
    const std::vector<Diagnostic>& liste() const { return tenus; }

    // "0x0124": a program or data address as the messages write it.
    static std::string hex(DWord v, int chiffres = 4);

private:
    void emet(Diagnostic&& d);
    // The instruction's address and text.
    void situe(Diagnostic& d, DWord pc, const Instruction& i) const;

    P18f4550* processeur;
    const uint64_t* horloge;
    Mode mode = Mode::UneFois;
    std::bitset<Diagnostic::nombreGenres> dits;
    std::vector<Diagnostic> tenus;
    std::function<void(const Diagnostic&)> recepteur;
    std::function<void()> surEffacement;
};

// The text of an instruction at `adresse` as a PIC18 listing writes it: "bsf INTCON, 7",
// "addwf 0x25, W, BANKED", "goto 0x0040"; `second`: the word after it (for the
// two-word instructions).
std::string texteInstruction(const Instruction& i, DWord adresse, Word second);

#endif

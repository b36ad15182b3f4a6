#include "diagnostics.h"

#include <cctype>
#include <cstdio>

#include "datamemory.h"
#include "flashmemory.h"
#include "instructions.h"
#include "processeur.h"

namespace {

// The English texts, by kind, in the order of Diagnostic::Genre.
const char* const modeles[Diagnostic::nombreGenres] = {
    "interrupts enabled (GIE with %1): the board does not model interrupts, its interrupt routine at %2 "
    "never runs",
    "RETFIE executed: this program relies on interrupts, which the board does not model: its interrupt routine "
    "at 0x0008 never runs (RETFIE does nothing here)",
    "PCL written: the board does not connect PCL to the program counter, a computed goto or jump table does not "
    "jump",
    "%1 written: the board does not connect the top of stack to the return stack, the return address does not "
    "change",
    "STKPTR written: the board does not move the return stack's pointer on a write",
    "SLEEP executed: the chip would stop here until a wake-up; the board goes on with the next instruction",
    "watchdog enabled (%1): the board does not model it, it never resets the chip",
    "TBLWT executed: the board does not model writing program memory, nothing is written",
    "%1 used: the board does not model Timer1, its registers are plain storage and it never counts",
    "%1 used: the board does not model Timer3, its registers are plain storage and it never counts",
    "%1 = %2: the board models the CCP modules in PWM mode only; capture, compare and the enhanced PWM outputs "
    "do nothing",
    "%1 used: the board does not model the USART, nothing is sent or received",
    "%1 used: the board does not model the MSSP (SPI, I2C), nothing is sent or received",
    "%1 used: the board does not model the comparators and the voltage reference",
    "%1 used: the board does not model the USB module and its streaming parallel port",
    "%1 used: the board does not model the data EEPROM, nothing is read or written there",
    "%1 used: the board does not model the oscillator's settings and status, it runs at 48 MHz whatever they say",
    "%1 used: the board does not model the high/low-voltage detect",
    "execution reached %1, past the end of the loaded program: erased memory runs as NOPs up to the end of "
    "program memory, then from 0",
    "jump to %1, where no program was loaded: erased memory runs as NOPs from there",
    "return stack overflow (a 31st return address): the chip restarts at 0 (STVREN)",
    "return stack overflow (a 32nd return address): it is lost (STVREN off)",
    "return stack underflow (a return with no address on the stack): the program goes on at 0",
    "A/D conversion started on %1, which ADCON1 makes a digital input: the result does not follow the pin's "
    "voltage",
    "LCD written %1 ms after power-on: a real HD44780 needs about 40 ms after the supply rises (the chip may "
    "start before it reaches 4.5 V) and loses what comes sooner; the board's controller takes it",
    "LCD written %1 us after a command that takes %2 us: a real HD44780, still busy, loses this write; the "
    "board's controller never reports busy",
    "the configuration words select %1: the board runs at 48 MHz whatever they say (its 20 MHz crystal with "
    "FOSC=HSPLL_HS, PLLDIV=5, CPUDIV=OSC1_PLL2)",
    "records at %1 and beyond, past the 32 KB of program memory: not loaded",
    "records for the device ID (%1), which is read-only: not loaded",
    "data EEPROM records (%1): the board does not model the data EEPROM, not loaded",
    "records at %1, outside this chip's memory map (a file for another device?): not loaded",
};

std::string remplace(const char* modele, const std::vector<std::string>& arguments)
{
    std::string texte;
    for (const char* c = modele; *c; ++c) {
        if (c[0] == '%' && c[1] >= '1' && c[1] <= '9') {
            const size_t n = static_cast<size_t>(c[1] - '1');
            if (n < arguments.size())
                texte += arguments[n];
            ++c;
            continue;
        }
        texte += *c;
    }
    return texte;
}

std::string minuscules(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// An operand of the access bank or of a bank: an SFR by its name, RAM by its address.
std::string nomRegistre(Word adresse)
{
    if (adresse >= 0xF60 && adresse <= 0xFFF) {
        const std::string& nom = DataMemory::nameSFR[adresse - 0xF60];
        if (nom.size() > 1)
            return nom;
    }
    return Diagnostics::hex(adresse, adresse > 0xFF ? 3 : 2);
}

}  // namespace

const char* Diagnostic::modele(Genre g)
{
    return g < nombreGenres ? modeles[g] : "";
}

std::string Diagnostic::message() const
{
    return remplace(modele(genre), arguments);
}

std::string Diagnostic::circonstances(uint64_t horloge) const
{
    if (auChargement)
        return {};
    char texte[64];
    std::snprintf(texte, sizeof texte, "at %.3f ms, pc %s", enMs(static_cast<double>(horloge)),
                  Diagnostics::hex(pc).c_str());
    return std::string(texte) + " (" + instruction + ")";
}

std::string Diagnostics::hex(DWord v, int chiffres)
{
    char texte[16];
    std::snprintf(texte, sizeof texte, "0x%0*x", chiffres, static_cast<unsigned>(v));
    return texte;
}

void Diagnostics::situe(Diagnostic& d, DWord pc, const Instruction& i) const
{
    d.pc = pc;
    const Word second = processeur->getFM()->getInstr((pc + 2) & 0x7FFF)->getInstr();
    d.instruction = texteInstruction(i, pc, second);
}

void Diagnostics::signale(Diagnostic::Genre g, std::vector<std::string> arguments)
{
    if (!attendu(g))
        return;
    dits.set(g);
    Diagnostic d;
    d.genre = g;
    situe(d, processeur->getInstrPC(), *processeur->getInstrPtr());
    d.arguments = std::move(arguments);
    d.ticks = maintenant();
    emet(std::move(d));
}

void Diagnostics::signaleEn(Diagnostic::Genre g, DWord pc, uint64_t ticks)
{
    if (!attendu(g))
        return;
    dits.set(g);
    Diagnostic d;
    d.genre = g;
    situe(d, pc, *processeur->getFM()->getInstr(pc));
    d.ticks = ticks;
    emet(std::move(d));
}

void Diagnostics::emet(Diagnostic&& d)
{
    const Diagnostic* dit = &d;
    if (tenus.size() < listeMax) {
        tenus.push_back(std::move(d));
        dit = &tenus.back();
    }
    if (recepteur)
        recepteur(*dit);
}

void Diagnostics::nouvelleExecution()
{
    // The HEX file's kinds belong to its load.
    for (int g = 0; g < Diagnostic::HexOscillateur; ++g)
        dits.reset(static_cast<size_t>(g));
}

void Diagnostics::efface()
{
    dits.reset();
    tenus.clear();
    if (surEffacement)
        surEffacement();
}

void Diagnostics::examineChargement(const BilanLecture& bilan, FlashMemory& fm)
{
    auto dit = [this](Diagnostic::Genre g, std::string argument) {
        if (!attendu(g))
            return;
        dits.set(g);
        Diagnostic d;
        d.genre = g;
        d.auChargement = true;
        d.arguments.push_back(std::move(argument));
        emet(std::move(d));
    };
    if (bilan.oscillateur) {
        Byte l = 0, h = 0;
        fm.readByte(FlashMemory::adrCONFIG1L, l);
        fm.readByte(FlashMemory::adrCONFIG1L + 1, h);
        const int fosc = h & 0x0F, plldiv = l & 0x07, cpudiv = (l >> 3) & 0x03;
        // The board's 48 MHz: its 20 MHz crystal divided by 5 into the 96 MHz PLL, halved.
        if ((fosc & 0x0E) != 0x0E || plldiv != 4 || cpudiv != 0) {
            static const char* const noms[16] = {"XT_XT", "XT_XT", "XTPLL_XT", "XTPLL_XT", "ECIO_EC", "EC_EC",
                                                 "ECPLLIO_EC", "ECPLL_EC", "INTOSCIO_EC", "INTOSC_EC", "INTOSC_XT",
                                                 "INTOSC_HS", "HS", "HS", "HSPLL_HS", "HSPLL_HS"};
            static const char* const diviseurs[8] = {"1", "2", "3", "4", "5", "6", "10", "12"};
            static const char* const cpu[4] = {"OSC1_PLL2", "OSC2_PLL3", "OSC3_PLL4", "OSC4_PLL6"};
            dit(Diagnostic::HexOscillateur, std::string("FOSC=") + noms[fosc] + ", PLLDIV=" + diviseurs[plldiv] +
                                                ", CPUDIV=" + cpu[cpudiv]);
        }
    }
    if (bilan.auDela32K)
        dit(Diagnostic::HexAuDela32K, hex(bilan.auDela32K, 6));
    if (bilan.identifiant)
        dit(Diagnostic::HexIdentifiant, hex(bilan.identifiant, 6));
    if (bilan.eeprom)
        dit(Diagnostic::HexEeprom, hex(bilan.eeprom, 6));
    if (bilan.ailleurs)
        dit(Diagnostic::HexAutreMemoire, hex(bilan.ailleurs, 6));
}

// --- The text of an instruction -----------------------------------------------------

std::string texteInstruction(const Instruction& i, DWord adresse, Word second)
{
    const Word w = i.getInstr();
    const int n = i.numero();
    const std::string mnemo = minuscules(i.mnemo());
    const bool banked = w & 0x0100;
    // A byte- or bit-oriented operand: its register, then what follows it.
    auto operande = [&](const std::string& suite) {
        const Byte f = static_cast<Byte>(w);
        const std::string reg = banked ? Diagnostics::hex(f, 2) : nomRegistre(f < 0x60 ? f : Word(0xF00 + f));
        return mnemo + " " + reg + suite + (banked ? ", BANKED" : "");
    };
    // A jump's target, as the instruction decoded it.
    const DWord cible = static_cast<DWord>(i.cible(adresse, second));
    switch (n) {
    case Op::MOVFF:
        return "movff " + nomRegistre(w & 0x0FFF) + ", " + nomRegistre(second & 0x0FFF);
    case Op::CLRF: case Op::CPFSEQ: case Op::CPFSGT: case Op::CPFSLT: case Op::MOVWF: case Op::MULWF:
    case Op::NEGF: case Op::SETF: case Op::TSTFSZ:
        return operande("");
    case Op::BCF: case Op::BSF: case Op::BTFSC: case Op::BTFSS: case Op::BTG:
        return operande(", " + std::to_string((w >> 9) & 0x07));
    case Op::BC: case Op::BN: case Op::BNC: case Op::BNN: case Op::BNOV: case Op::BNZ: case Op::BOV: case Op::BZ:
    case Op::BRA: case Op::RCALL:
        return mnemo + " " + Diagnostics::hex(cible);
    case Op::CALL: case Op::GOTO:
        return mnemo + " " + Diagnostics::hex(cible) + (n == Op::CALL && (w & 0x0100) ? ", FAST" : "");
    case Op::RETURN: case Op::RETFIE:
        return mnemo + (w & 0x0001 ? " FAST" : "");
    case Op::LFSR:
        return "lfsr " + std::to_string((w >> 4) & 0x03) + ", " +
               Diagnostics::hex(static_cast<DWord>((w & 0x0F) << 8 | (second & 0xFF)), 3);
    case Op::MOVLB:
        return mnemo + " " + std::to_string(w & 0x0F);
    case Op::ADDLW: case Op::ANDLW: case Op::IORLW: case Op::MOVLW: case Op::MULLW: case Op::SUBLW:
    case Op::XORLW: case Op::RETLW:
        return mnemo + " " + Diagnostics::hex(w & 0xFF, 2);
    default:
        if (n >= Op::ADDWF && n <= Op::XORWF)
            return operande(w & 0x0200 ? ", F" : ", W");
        return mnemo;
    }
}
